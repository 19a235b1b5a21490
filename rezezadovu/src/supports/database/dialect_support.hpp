// What the dialect objects of every product share: running catalogue queries through the
// connection that made the object, reaching that connection's other dialect objects, and
// reading result cells as text. The SQL itself (quoting, texts) is each product's own.
//
//   auto table = dialect::query_model(connection(), "SELECT name, size FROM t;");
//   for (int r = 0; r < dialect::row_count(*table); ++r) use(dialect::cell(*table, 0, r));
//
// Thread-safe: stateless.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "providers/contracts/face_server.hpp"
#include "providers/contracts/model_table.hpp"
#include "rezezadovu/contracts/database/iconnection.hpp"

namespace tarvelin::rezezadovu::supports::database::dialect {

using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using IConnection = contracts::database::IConnection;

// ---- the connection

// The connection, or the error that it is gone.
gobj::Ref<IConnection> require(gobj::Ref<IConnection> connection);
// Synchronous queries through the connection's own execution (so each is logged), with
// the flag FALSE. A failure is thrown as the connection reported it (domain, code,
// message); a connection that is gone is an error of its own.
gobj::Ref<TableModel> query_model(const gobj::Ref<IConnection>& connection, const std::string& sql);
gobj::Ref<ValueObject> query_scalar(const gobj::Ref<IConnection>& connection, const std::string& sql);
// Runs a script; one result object per statement (tables, counts, or errors as values).
std::vector<gobj::GPtr<GObject>> run_script(const gobj::Ref<IConnection>& connection, const std::string& sql);
// The connection's server record, statement and inspector (new references), or none.
gobj::Ref<providers::contracts::Server> server_of(const gobj::Ref<IConnection>& connection);
gobj::Ref<contracts::database::IStatement> statement_of(const gobj::Ref<IConnection>& connection);
gobj::Ref<contracts::database::IInspectable> inspector_of(const gobj::Ref<IConnection>& connection);
// The connection's version text ("" before any, or without a connection).
std::string version_of(const gobj::Ref<IConnection>& connection);

// ---- results

int row_count(const TableModel& table);
int column_count(const TableModel& table);
// The text form of a value; "" for none and for an SQL NULL.
std::string text_of(const gobj::Ref<ValueObject>& value);
// The text form of a cell; "" for an SQL NULL and for a cell outside the table.
std::string cell(const TableModel& table, int column, int row);
bool cell_is_null(const TableModel& table, int column, int row);
// A cell's text read as a number ("" and text that is not one read as 0).
gint64 cell_integer(const TableModel& table, int column, int row);
guint64 cell_unsigned(const TableModel& table, int column, int row);
// The position of the result column named `name`, or -1.
int column_named(const TableModel& table, std::string_view name);

// ---- texts

// The text with only a-z made A-Z, so that positions found in it hold for the text as
// stored (UTF-8 upper-casing changes lengths: "ß" becomes "SS").
std::string ascii_upper(std::string_view text);

}  // namespace tarvelin::rezezadovu::supports::database::dialect
