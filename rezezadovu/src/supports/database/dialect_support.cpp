#include "rezezadovu/supports/database/dialect_support.hpp"

#include "providers/contracts/model_column.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/i18n.hpp"

TARVELIN_LOG_TAG("dialect_support")

namespace tarvelin::rezezadovu::supports::database::dialect {

using Vtable = TarvelinRezezadovuContractsDatabaseIConnectionInterface;

namespace {
// A new result of gobj::call as a Ref, whether the bridge typed it or gave the C pointer.
template <class T, class R>
gobj::Ref<T> owned(R&& result) {
    if constexpr (std::is_pointer_v<std::decay_t<R>>) {
        return gobj::Ref<T>::adopt(result);
    } else {
        return gobj::Ref<T>(std::forward<R>(result));
    }
}
// The same for a borrowed result: a reference is added to a C pointer.
template <class T, class R>
gobj::Ref<T> retained(R&& result) {
    if constexpr (std::is_pointer_v<std::decay_t<R>>) {
        return gobj::Ref<T>::retain(result);
    } else {
        return gobj::Ref<T>(std::forward<R>(result));
    }
}
}  // namespace

gobj::Ref<IConnection> require(gobj::Ref<IConnection> connection) {
    if (!connection) throw gobj::Error(G_IO_ERROR, G_IO_ERROR_CLOSED, _("the connection of this object is gone"));
    return connection;
}

gobj::Ref<TableModel> query_model(const gobj::Ref<IConnection>& connection, const std::string& sql) {
    auto table = owned<TableModel>(gobj::call<&Vtable::execute_as_model>(require(connection), sql, false));
    if (!table) throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, _("the query gave no result"));
    return table;
}

gobj::Ref<ValueObject> query_scalar(const gobj::Ref<IConnection>& connection, const std::string& sql) {
    return owned<ValueObject>(gobj::call<&Vtable::execute_as_scalar>(require(connection), sql, false));
}

std::vector<gobj::GPtr<GObject>> run_script(const gobj::Ref<IConnection>& connection, const std::string& sql) {
    return gobj::call<&Vtable::execute>(require(connection), sql, false);
}

gobj::Ref<providers::contracts::Server> server_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return retained<providers::contracts::Server>(gobj::call<&Vtable::get_server, gobj::borrow>(connection));
}

gobj::Ref<contracts::database::IStatement> statement_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return owned<contracts::database::IStatement>(gobj::call<&Vtable::statement>(connection));
}

gobj::Ref<contracts::database::IInspectable> inspector_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return owned<contracts::database::IInspectable>(gobj::call<&Vtable::inspector>(connection));
}

std::string version_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    const char* version = gobj::call<&Vtable::get_version>(connection);
    return version ? version : "";
}

int row_count(const TableModel& table) { return table.get_rows().size(); }
int column_count(const TableModel& table) { return table.get_columns().size(); }

std::string text_of(const gobj::Ref<ValueObject>& value) {
    if (!value || value->get_is_null()) return {};
    return value->to_string();
}

std::string cell(const TableModel& table, int column, int row) { return text_of(table.get_value_at(column, row)); }

bool cell_is_null(const TableModel& table, int column, int row) {
    auto value = table.get_value_at(column, row);
    return !value || value->get_is_null();
}

gint64 cell_integer(const TableModel& table, int column, int row) {
    return g_ascii_strtoll(cell(table, column, row).c_str(), nullptr, 10);
}

guint64 cell_unsigned(const TableModel& table, int column, int row) {
    return g_ascii_strtoull(cell(table, column, row).c_str(), nullptr, 10);
}

int column_named(const TableModel& table, std::string_view name) {
    int i = 0;
    for (auto column : table.get_columns()) {
        if (column->get_name() && *column->get_name() == name) return i;
        ++i;
    }
    return -1;
}

std::string ascii_upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = g_ascii_toupper(c);
    return out;
}

}  // namespace tarvelin::rezezadovu::supports::database::dialect
