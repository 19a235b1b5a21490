// A MySQL database "shop" as a MySQL 8.0 or 5.7 server describes it, scripted into a
// provider by the exact texts of the reader's queries, with the column types those
// servers send (NON_UNIQUE as INT on 8.0 and BIGINT on 5.7; SHOW INDEX with Visible and
// Expression on 8.0 only; no CHECK_CONSTRAINTS, role edges or DEFAULT_ENCRYPTION on 5.7).
//
// Tables: customers (id; email unique; tier enum; balance decimal with checks on 8.0;
// seen datetime(6); email_lower generated; an invisible and a functional index on 8.0),
// orders (primary key (region, id) declared against column order (id, region); a trigger;
// a foreign key to customers), order_lines (two foreign keys whose rows interleave, one
// over two columns). A checked view, a function, a procedure and a recurring event.
// Accounts: ann@localhost holding the role reader@% with grants on shop; the role itself.
#pragma once

#include <string>

#include "fixture.hpp"
#include "support/mysql_family_queries.hpp"

namespace mysql_dialect_test {

enum class Server { mysql80, mysql57 };

// Every query of a deep fill of database "shop", and of the account fills.
void script_shop(ScriptedProvider& provider, Server server);

// The reader's query texts for a table of "shop", for tests that replace one answer.
using tarvelin::test::mysql_family::columns_query;
using tarvelin::test::mysql_family::show_index_query;
using tarvelin::test::mysql_family::triggers_query;
using tarvelin::test::mysql_family::foreign_keys_query;
std::string checks_query(const std::string& schema, const std::string& table);
std::string schema_checks_query(const std::string& schema);
std::string table_status_query(const std::string& schema, const std::string& table);
std::string role_edges_query(const std::string& user, const std::string& host);

// The columns of SHOW TABLE STATUS and one row of it.
std::vector<ScriptedColumn> table_status_columns();
ScriptedRow table_status_row(const char* name, const char* collation, const char* create_options, const char* comment);

}  // namespace mysql_dialect_test
