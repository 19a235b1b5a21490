#include "rezezadovu/supports/database/dialect_support.hpp"

#include <tarvelin/providers/face_provider.h>

#include "providers/contracts/model_column.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_string.hpp"
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

// Kinds whose value objects give the same text for exact_text as for to_string: the
// result's exact text of such a cell is read without making its row.
CatalogRows::Direct CatalogRows::direct_kind(providers::contracts::DataType type) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING:
            return CatalogRows::Direct::text;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            return CatalogRows::Direct::integer;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
            return CatalogRows::Direct::boolean;
        default:
            return CatalogRows::Direct::none;
    }
}

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

bool is_open(const gobj::Ref<IConnection>& connection) {
    if (!connection) return false;
    auto provider = gobj::call<&Vtable::get_provider, gobj::borrow>(connection);
    gpointer p = gobj::detail::instance_arg(provider);
    return !p || tarvelin_providers_contracts_iprovider_get_is_opened(static_cast<TarvelinProvidersContractsIProvider*>(p));
}


std::string text_of(const gobj::Ref<ValueObject>& value) {
    if (!value || value->get_is_null()) return {};
    return value->to_string();
}

CatalogRows::CatalogRows(gobj::Ref<TableModel> table) : table_(std::move(table)) {
    if (!table_) return;
    rows_ = static_cast<int>(table_->list_n_items());
    for (auto column : table_->get_columns()) {
        names_.push_back(column->get_name() ? *column->get_name() : std::string());
        directs_.push_back(direct_kind(column->get_data_type()));
    }
}

std::optional<std::string> CatalogRows::direct_text(int row, int at) const {
    if (row < 0 || row >= rows_) return std::nullopt;
    return table_->exact_text(at, row);
}

bool CatalogRows::has(std::string_view column) const {
    for (const auto& name : names_)
        if (name.size() == column.size() && g_ascii_strncasecmp(name.data(), column.data(), name.size()) == 0)
            return true;
    return false;
}

int CatalogRows::position(std::string_view column) const {
    for (const auto& [name, at] : resolved_)
        if (name == column) return at;
    int at = -1;
    for (size_t i = 0; i < names_.size() && at < 0; ++i)
        if (names_[i] == column) at = static_cast<int>(i);
    for (size_t i = 0; i < names_.size() && at < 0; ++i)
        if (names_[i].size() == column.size() &&
            g_ascii_strncasecmp(names_[i].data(), column.data(), column.size()) == 0)
            at = static_cast<int>(i);
    if (at < 0)
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_DATA,
                          "the catalogue result has no column \"" + std::string(column) + "\"");
    resolved_.emplace_back(std::string(column), at);
    return at;
}

gobj::Ref<ValueObject> CatalogRows::cell(int row, std::string_view column) const {
    const int at = position(column);
    if (row < 0 || row >= rows_) return {};
    return table_->get_value_at(at, row);
}

std::string CatalogRows::text(int row, std::string_view column) const {
    const int at = position(column);
    if (direct(at) != Direct::none) return direct_text(row, at).value_or(std::string());
    return text_of(cell(row, column));
}

bool CatalogRows::is_null(int row, std::string_view column) const {
    const int at = position(column);
    if (direct(at) != Direct::none) return !direct_text(row, at);
    auto value = cell(row, column);
    return !value || value->get_is_null();
}

bool CatalogRows::is_text(int row, std::string_view column) const {
    const int at = position(column);
    if (direct(at) == Direct::text) return direct_text(row, at).has_value();
    auto value = cell(row, column);
    return value && G_TYPE_CHECK_INSTANCE_TYPE(value.gobj(), providers::contracts::ValueString::gtype());
}

bool CatalogRows::is_boolean(int row, std::string_view column) const {
    const int at = position(column);
    if (direct(at) == Direct::boolean) return direct_text(row, at).has_value();
    auto value = cell(row, column);
    return value && G_TYPE_CHECK_INSTANCE_TYPE(value.gobj(), providers::contracts::ValueBoolean::gtype());
}

bool CatalogRows::boolean(int row, std::string_view column) const {
    const int at = position(column);
    if (direct(at) == Direct::boolean) return direct_text(row, at) == "true";
    auto value = gobj::ref_cast<providers::contracts::ValueBoolean>(cell(row, column));
    return value && value->get_boolean();
}

std::optional<gint64> CatalogRows::integer(int row, std::string_view column) const {
    const int at = position(column);
    if (direct(at) == Direct::integer || direct(at) == Direct::boolean) {
        auto text = direct_text(row, at);
        if (!text) return std::nullopt;
        if (direct(at) == Direct::boolean) return *text == "true" ? 1 : 0;
        // An unsigned 64-bit value past the signed range wraps as its value object's does.
        if (!text->empty() && text->front() == '-') return g_ascii_strtoll(text->c_str(), nullptr, 10);
        return static_cast<gint64>(g_ascii_strtoull(text->c_str(), nullptr, 10));
    }
    auto value = cell(row, column);
    if (!value || !G_TYPE_CHECK_INSTANCE_TYPE(value.gobj(), providers::contracts::IInteger::gtype())) return std::nullopt;
    return gobj::call<&TarvelinProvidersContractsIIntegerInterface::to_integer>(value);
}

gint64 CatalogRows::number(int row, std::string_view column) const {
    return g_ascii_strtoll(text(row, column).c_str(), nullptr, 10);
}

guint64 CatalogRows::unsigned_number(int row, std::string_view column) const {
    return g_ascii_strtoull(text(row, column).c_str(), nullptr, 10);
}

std::string ascii_upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = g_ascii_toupper(c);
    return out;
}

ObjectRows::ObjectRows(CatalogRows rows) : rows_(std::make_shared<const CatalogRows>(std::move(rows))) {
    indexes_.resize(static_cast<size_t>(rows_->size()));
    for (int k = 0; k < rows_->size(); ++k) indexes_[static_cast<size_t>(k)] = k;
}

ObjectRows::ObjectRows(std::shared_ptr<const CatalogRows> rows, std::vector<int> indexes)
    : rows_(std::move(rows)), indexes_(std::move(indexes)) {}

ObjectRows SchemaRows::of(SchemaRows* reading, const std::string& schema, const std::string& key,
                          std::string_view kind, std::string_view key_column, const std::function<CatalogRows()>& one,
                          const std::function<CatalogRows()>& all) {
    if (reading && reading->schema() == schema) return reading->rows(kind, key, key_column, all);
    return ObjectRows(one());
}

ObjectRows SchemaRows::rows(std::string_view kind, const std::string& key, std::string_view key_column,
                            const std::function<CatalogRows()>& all) {
    auto found = kinds_.find(kind);
    if (found == kinds_.end()) {
        Grouped grouped{std::make_shared<const CatalogRows>(all()), {}};
        for (auto row : *grouped.rows) grouped.by_key[row.text(key_column)].push_back(row.index());
        found = kinds_.emplace(std::string(kind), std::move(grouped)).first;
    }
    auto share = found->second.by_key.find(key);
    if (share == found->second.by_key.end()) return {};
    return ObjectRows(found->second.rows, share->second);
}

}  // namespace tarvelin::rezezadovu::supports::database::dialect
