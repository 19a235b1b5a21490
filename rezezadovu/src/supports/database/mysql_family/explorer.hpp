// The browse lists the MySQL family's explorers (MySQL, MariaDB) share: one catalogue
// query per kind of object in a schema, with the msgids of its column captions, and the
// run that captions the result. The schema is quoted into the query as a value.
//
// Thread-safe: stateless.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "providers/contracts/vocabulary.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

namespace tarvelin::rezezadovu::supports::database::mysql_family {

struct Listing {
    std::string sql;
    std::vector<const char*> titles;  // msgids, one per result column
};

// The listings both products answer alike: events, functions, procedures, routines,
// tables, triggers and views; none for other kinds.
std::optional<Listing> family_listing(providers::contracts::DBObject kind, std::string_view schema);

// The databases: name, character set and collation, then `fourth` (a column of SCHEMATA,
// captioned `fourth_title`) when given.
Listing database_listing(const char* fourth = nullptr, const char* fourth_title = nullptr);
// The indexes but the primary keys: name, table, uniqueness, type, visibility (when
// asked for) and comment.
Listing index_listing(std::string_view schema, bool with_visible);
// The accounts of mysql.user that `where` ("WHERE ... ", or "") keeps: name, TLS type,
// super user, plugin and limits.
Listing user_listing(const char* where);

// The listing's query through the connection, its columns captioned with the translated
// titles in order. The connection's error is thrown unchanged.
gobj::Ref<TableModel> run_listing(const gobj::Ref<IConnection>& connection, const Listing& listing);

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
