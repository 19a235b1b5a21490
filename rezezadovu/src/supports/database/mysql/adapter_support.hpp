// The pieces of the MySQL catalogue readers that turn server answers into catalogue
// objects: marks, attribute maps, the texts the readers parse (index kinds, view
// statements, routine and trigger bodies, table status, grant lines, role edges). Kept
// apart from the readers' query sequence so each can be tested on its own texts.
//
// Thread-safe: stateless; the compiled patterns are made once and only read.
#pragma once

#include <string>
#include <vector>

#include "rezezadovu/contracts/database/iconnection.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/mysql/sql_support.hpp"

namespace tarvelin::rezezadovu::supports::database::mysql {

// ---- marks and maps

bool is_filled(meta_model::MetaObject& object);
void mark_filled(meta_model::MetaObject& object);
void set_attribute(meta_model::MetaObject& object, const std::string& key, const std::string& value);
void clear_map(GeeHashMap* map);
std::string joined(const std::vector<std::string>& parts, const std::string& separator);

// ---- texts the readers parse

// "UNIQUE" when NON_UNIQUE reads "0" (8.0 sends INT, 5.7 and MariaDB BIGINT); otherwise
// "FULLTEXT" or "SPATIAL" when the index type says so; otherwise `otherwise`.
std::string index_kind(const std::string& non_unique, const std::string& index_type, const std::string& otherwise);
// A trigger's statement without white space around it and without a BEGIN ... END around it.
std::string trigger_body(const std::string& statement);
// A routine's definition without a leading BEGIN and a trailing END (white space kept).
std::string routine_body(const std::string& definition);
// A SHOW CREATE VIEW statement into the view's definition and its "ALGORITHM",
// "DEFINER", "SECURITY" and "CHECK" attributes; a statement the pattern does not read
// becomes the whole definition.
void set_view_statement(meta_model::MetaView& view, const std::string& statement);
// Row 0 of SHOW TABLE STATUS into the table's options and comment.
void set_table_status(meta_model::MetaTable& table, const TableModel& status);
// Create options ("ROW_FORMAT=DYNAMIC PARTITIONED") into the options map, keys and values
// upper-cased; a part without "=" gets no value, an empty part is skipped.
void set_create_options(GeeHashMap* options, const std::string& create_options);
// Row 0 of the account detail query into the account's password and attributes.
void set_user_detail(meta_model::MetaUser& user, const TableModel& detail);
// SHOW GRANTS lines into a privileges map: object (without backquotes) to rights, two
// lines on one object joined with ", ", WITH GRANT OPTION adding ", GRANT OPTION".
// Lines of other shapes (role grants, column rights, PROXY) are skipped.
void add_grants(GeeHashMap* privileges, const std::vector<std::string>& lines);

// ---- account queries

enum class AccountText { user_detail, role_detail, rights };
// The connection statement's text for the account object (its database, schema, name).
std::string account_text(const gobj::Ref<contracts::database::IStatement>& statement, AccountText which,
                         meta_model::MetaObject& account);
// The role edges of the account name ("user@host", the host "%" without one) into a
// relations map: "from=to" to "true" with the admin option, "false" without.
void read_role_edges(const gobj::Ref<IConnection>& connection, const std::string& name, GeeHashMap* relations);
// Runs the SHOW GRANTS text and adds its lines to the privileges map.
void read_privileges(const gobj::Ref<IConnection>& connection, const std::string& sql, GeeHashMap* privileges);

}  // namespace tarvelin::rezezadovu::supports::database::mysql
