// What every SQLite dialect object shares: quoting names and literals into SQLite texts,
// running catalogue queries through the connection that made the object, and reading
// result cells as text.
//
// Every name written into SQL goes through one of the three quoting forms, whatever the
// name holds: a quote character inside the name is doubled, so no name can end its
// quotes early. Thread-safe: stateless.
#pragma once

#include <string>
#include <string_view>

#include "providers/contracts/face_server.hpp"
#include "providers/contracts/model_table.hpp"
#include "rezezadovu/contracts/database/iconnection.hpp"

namespace tarvelin::rezezadovu::supports::database::sqlite {

using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using IConnection = contracts::database::IConnection;

// `name`, "name" and 'text', each with its own quote character doubled inside.
std::string backquoted(std::string_view name);
std::string double_quoted(std::string_view name);
std::string single_quoted(std::string_view text);

// The text with only a-z made A-Z, so that positions found in it hold for the text as
// stored (UTF-8 upper-casing changes lengths: "ß" becomes "SS").
std::string ascii_upper(std::string_view text);

// Synchronous queries through the connection's own execution (so each is logged), with
// the flag FALSE. A failure is thrown as the connection reported it; a connection that
// is gone is an error of its own.
gobj::Ref<TableModel> query_model(const gobj::Ref<IConnection>& connection, const std::string& sql);
gobj::Ref<ValueObject> query_scalar(const gobj::Ref<IConnection>& connection, const std::string& sql);
// Runs a script; one result object per statement (tables, counts, or errors as values).
std::vector<gobj::GPtr<GObject>> run_script(const gobj::Ref<IConnection>& connection, const std::string& sql);
// The connection's server record, or none.
gobj::Ref<providers::contracts::Server> server_of(const gobj::Ref<IConnection>& connection);
// The connection's inspector and statement (new references), or none.
gobj::Ref<contracts::database::IInspectable> inspector_of(const gobj::Ref<IConnection>& connection);
gobj::Ref<contracts::database::IStatement> statement_of(const gobj::Ref<IConnection>& connection);
// The connection, or the error that it is gone.
gobj::Ref<IConnection> require(gobj::Ref<IConnection> connection);

// The text form of a cell; "" for an SQL NULL and for a cell outside the table.
std::string cell(const TableModel& table, int column, int row);
// A cell read as an integer (0 when it is not one).
gint64 cell_integer(const TableModel& table, int column, int row);
int row_count(const TableModel& table);
// The text form of a value; "" for none and for an SQL NULL.
std::string text_of(const gobj::Ref<ValueObject>& value);

}  // namespace tarvelin::rezezadovu::supports::database::sqlite
