#include "rezezadovu/supports/database/mysql/sql_support.hpp"

#include "providers/contracts/model_column.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/i18n.hpp"
#include "rezezadovu/helpers/database_helper.hpp"

TARVELIN_LOG_TAG("mysql_support")

namespace tarvelin::rezezadovu::supports::database::mysql {

using helpers::DatabaseHelper;
using ConnectionVtable = TarvelinRezezadovuContractsDatabaseIConnectionInterface;

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
}  // namespace

std::string backquoted(std::string_view name) { return DatabaseHelper::quote(name, '`'); }
std::string qualified(std::string_view schema, std::string_view name) {
    return backquoted(schema) + "." + backquoted(name);
}

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\'' || c == '\\') out += c;
        out += c;
    }
    return out;
}
std::string quoted(std::string_view text) { return "'" + escaped(text) + "'"; }

std::string like_containing(std::string_view text) {
    // "!" escapes the wildcards: the backslash would mean another thing under
    // NO_BACKSLASH_ESCAPES.
    std::string pattern;
    for (char c : text) {
        if (c == '%' || c == '_' || c == '!') pattern += '!';
        pattern += c;
    }
    return quoted("%" + pattern + "%") + " ESCAPE '!'";
}

Account split_account(std::string_view name) {
    size_t at = name.find('@');
    if (at == std::string_view::npos) return {std::string(name), "%"};
    std::string_view host = name.substr(at + 1);
    return {std::string(name.substr(0, at)), std::string(host.substr(0, host.find('@')))};
}

std::string account(std::string_view name) {
    Account a = split_account(name);
    return backquoted(a.user) + "@" + backquoted(a.host);
}

std::string ascii_upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = g_ascii_toupper(c);
    return out;
}
bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }
bool starts_with(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }
bool ends_with(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string trimmed(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && g_ascii_isspace(text[begin])) ++begin;
    while (end > begin && g_ascii_isspace(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

void cut(std::string& text, size_t n) { text.resize(text.size() > n ? text.size() - n : 0); }

// ---------------------------------------------------------------- patterns

RegexMatch::RegexMatch(GRegex* regex, std::string text) : text_(std::move(text)) {
    if (regex) matched_ = g_regex_match(regex, text_.c_str(), GRegexMatchFlags(0), &info_);
}
RegexMatch::~RegexMatch() {
    if (info_) g_match_info_free(info_);
}
std::string RegexMatch::named(const char* group) const {
    return matched_ ? gobj::take_string(g_match_info_fetch_named(info_, group)) : std::string();
}
bool RegexMatch::next() {
    matched_ = matched_ && g_match_info_next(info_, nullptr);
    return matched_;
}

gobj::Ref<IConnection> require(gobj::Ref<IConnection> connection) {
    if (!connection) throw gobj::Error(G_IO_ERROR, G_IO_ERROR_CLOSED, _("the connection of this object is gone"));
    return connection;
}

gobj::Ref<TableModel> query_model(const gobj::Ref<IConnection>& connection, const std::string& sql) {
    auto table = owned<TableModel>(gobj::call<&ConnectionVtable::execute_as_model>(require(connection), sql, false));
    if (!table) throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, _("the query gave no result"));
    return table;
}

gobj::Ref<ValueObject> query_scalar(const gobj::Ref<IConnection>& connection, const std::string& sql) {
    return owned<ValueObject>(gobj::call<&ConnectionVtable::execute_as_scalar>(require(connection), sql, false));
}

std::string version_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return text(gobj::call<&ConnectionVtable::get_version>(connection));
}

gobj::Ref<contracts::database::IStatement> statement_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return owned<contracts::database::IStatement>(gobj::call<&ConnectionVtable::statement>(connection));
}

gobj::Ref<contracts::database::IInspectable> inspector_of(const gobj::Ref<IConnection>& connection) {
    if (!connection) return {};
    return owned<contracts::database::IInspectable>(gobj::call<&ConnectionVtable::inspector>(connection));
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

}  // namespace tarvelin::rezezadovu::supports::database::mysql
