// What every SQLite dialect object shares: quoting names and literals into SQLite texts;
// the query and result helpers of every dialect (dialect_support.hpp) are named here too.
//
// Every name written into SQL goes through one of the three quoting forms, whatever the
// name holds: a quote character inside the name is doubled, so no name can end its
// quotes early. Thread-safe: stateless.
#pragma once

#include <string>
#include <string_view>

#include "rezezadovu/supports/database/dialect_support.hpp"

namespace tarvelin::rezezadovu::supports::database::sqlite {

using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using IConnection = contracts::database::IConnection;

// `name`, "name" and 'text', each with its own quote character doubled inside.
std::string backquoted(std::string_view name);
std::string double_quoted(std::string_view name);
std::string single_quoted(std::string_view text);

// Running catalogue queries and reading their cells: the dialects' shared helpers.
using dialect::ascii_upper;
using dialect::cell;
using dialect::cell_integer;
using dialect::inspector_of;
using dialect::query_model;
using dialect::query_scalar;
using dialect::require;
using dialect::row_count;
using dialect::run_script;
using dialect::server_of;
using dialect::statement_of;
using dialect::text_of;

}  // namespace tarvelin::rezezadovu::supports::database::sqlite
