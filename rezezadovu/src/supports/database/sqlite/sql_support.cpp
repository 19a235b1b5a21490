#include "rezezadovu/supports/database/sqlite/sql_support.hpp"

#include "rezezadovu/supports/database/database_helper.hpp"

TARVELIN_LOG_TAG("sql_support")

namespace tarvelin::rezezadovu::supports::database::sqlite {

using helpers::DatabaseHelper;

std::string backquoted(std::string_view name) { return DatabaseHelper::quote(name, '`'); }
std::string double_quoted(std::string_view name) { return DatabaseHelper::quote(name, '"'); }
std::string single_quoted(std::string_view text) { return DatabaseHelper::quote(text, '\''); }

}  // namespace tarvelin::rezezadovu::supports::database::sqlite
