// The table-reading query texts that the MySQL and MariaDB readers share, as the scripted
// tests answer them. Names are inserted as given (a test passes them already escaped).
#pragma once

#include <string>

namespace tarvelin::test::mysql_family {

std::string columns_query(const std::string& schema, const std::string& table);
std::string show_index_query(const std::string& schema, const std::string& table);
std::string triggers_query(const std::string& schema, const std::string& table);
std::string foreign_keys_query(const std::string& schema, const std::string& table);
// The same rows for every table of a schema at once (a deep read), each naming its table.
std::string schema_columns_query(const std::string& schema);
std::string schema_index_query(const std::string& schema);
std::string schema_triggers_query(const std::string& schema);
std::string schema_foreign_keys_query(const std::string& schema);

}  // namespace tarvelin::test::mysql_family
