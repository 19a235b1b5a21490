#include "rezezadovu/supports/database/database_helper.hpp"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "providers/gobj/precondition.hpp"
#include "rezezadovu/helpers/helper_file_type.hpp"
#include "rezezadovu/model/meta_table.hpp"

TARVELIN_LOG_TAG("database_helper")

namespace tarvelin::rezezadovu::helpers {

using providers::contracts::DataType;
using providers::contracts::TableModel;
using providers::contracts::ValueBinary;
using providers::contracts::ValueNull;
using providers::contracts::ValueObject;

TARVELIN_FUNDAMENTAL_GTYPE(DatabaseHelper, "TarvelinRezezadovuHelpersDatabaseHelper",
                           "TarvelinRezezadovuHelpersParamSpecDatabaseHelper")

gobj::Ref<DatabaseHelper> DatabaseHelper::create(GType type) { return gobj::create<DatabaseHelper>(type); }

namespace {

std::string printf_text(const char* format, ...) G_GNUC_PRINTF(1, 2);
std::string printf_text(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = gobj::take_string(g_strdup_vprintf(format, args));
    va_end(args);
    return text;
}

bool holds(const GValue& value, GType type) { return G_VALUE_HOLDS(&value, type); }

bool is_one_of(std::string_view name, std::initializer_list<std::string_view> names) {
    for (std::string_view n : names)
        if (name == n) return true;
    return false;
}

// The calendar record a "GTime" value holds: boxed or a plain pointer.
const struct tm* time_record(const GValue& value) {
    GType fundamental = G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(&value));
    if (fundamental == G_TYPE_BOXED) return static_cast<const struct tm*>(g_value_get_boxed(&value));
    if (fundamental == G_TYPE_POINTER) return static_cast<const struct tm*>(g_value_get_pointer(&value));
    return nullptr;
}
bool holds_record(const GValue& value) {
    GType fundamental = G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(&value));
    return fundamental == G_TYPE_BOXED || fundamental == G_TYPE_POINTER;
}

// Appends "<a[i]><infix><b[i]><separator>" for each i, without the last separator.
void append_pairs(std::string& out, const DatabaseHelper::Texts& a, const DatabaseHelper::Texts& b, std::string_view infix,
                  std::string_view separator) {
    for (size_t i = 0; i < a.size(); ++i) {
        if (i) out += separator;
        out += a[i];
        out += infix;
        out += b[i];
    }
}
void append_list(std::string& out, const DatabaseHelper::Texts& a) {
    for (size_t i = 0; i < a.size(); ++i) {
        if (i) out += ", ";
        out += a[i];
    }
}

// Every key has its value.
bool keys_have_values(const DatabaseHelper::Texts& where_columns, const DatabaseHelper::Texts& where_values) {
    return TARVELIN_REQUIRE(where_values.size() >= where_columns.size(),
                            "where_values_length >= where_columns_length");
}

// The kinds a literal may be written bare for, when the text is a number literal.
bool bare_kind(DataType type, bool objects) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
            return true;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT:
            return objects;
        default:
            return false;
    }
}

// Bare when the text may stand as it is for that kind, else quoted.
std::string bare_or_quoted(DataType type, std::string_view text) {
    auto word = [&](std::string_view w) {
        return text.size() == w.size() && g_ascii_strncasecmp(text.data(), w.data(), w.size()) == 0;
    };
    bool bare = DatabaseHelper::is_number_literal(text) ||
                (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN && (word("true") || word("false")));
    return bare ? std::string(text) : DatabaseHelper::quote(text, '\'');
}

bool even_hex(std::string_view text) {
    if (text.size() % 2) return false;
    for (char c : text)
        if (!g_ascii_isxdigit(c)) return false;
    return true;
}

GRegex* thousands_pattern() {
    static GRegex* pattern = nullptr;
    if (g_once_init_enter(&pattern)) {
        GRegex* made = g_regex_new("(?=(?!\\b)(\\d{3})+$)", G_REGEX_OPTIMIZE, GRegexMatchFlags(0), nullptr);
        g_once_init_leave(&pattern, made);
    }
    return pattern;
}

}  // namespace

// ---------------------------------------------------------------- generic values

std::string DatabaseHelper::glib_value_to_text(const GValue* value, const char* null_value) {
    return value_text_as(g_type_name(G_VALUE_TYPE(value)), value, null_value);
}

std::string DatabaseHelper::value_text_as(std::string_view name, const GValue* boxed, const char* null_value) {
    const GValue& value = *boxed;
    const std::string null_text = null_value ? null_value : "";
    if (name == "gchararray") {
        const char* s = holds(value, G_TYPE_STRING) ? g_value_get_string(&value) : nullptr;
        return s ? s : null_text;
    }
    if (name == "gchar") return holds(value, G_TYPE_CHAR) ? printf_text("%hhi", g_value_get_schar(&value)) : null_text;
    if (is_one_of(name, {"int16", "gint16", "gint"}))
        return holds(value, G_TYPE_INT) ? printf_text("%i", g_value_get_int(&value)) : null_text;
    if (name == "glong") return holds(value, G_TYPE_LONG) ? printf_text("%li", g_value_get_long(&value)) : null_text;
    if (name == "gint64")
        return holds(value, G_TYPE_INT64) ? printf_text("%lli", static_cast<long long>(g_value_get_int64(&value)))
                                          : null_text;
    if (name == "guchar") return holds(value, G_TYPE_UCHAR) ? printf_text("%hhu", g_value_get_uchar(&value)) : null_text;
    if (is_one_of(name, {"uint16", "guint16", "guint"}))
        return holds(value, G_TYPE_UINT) ? printf_text("%u", g_value_get_uint(&value)) : null_text;
    if (name == "gulong") return holds(value, G_TYPE_ULONG) ? printf_text("%lu", g_value_get_ulong(&value)) : null_text;
    if (name == "guint64")
        return holds(value, G_TYPE_UINT64)
                   ? printf_text("%llu", static_cast<unsigned long long>(g_value_get_uint64(&value)))
                   : null_text;
    if (is_one_of(name, {"gfloat", "numeric", "gnumeric"}))
        return holds(value, G_TYPE_FLOAT) ? printf_text("%g", static_cast<double>(g_value_get_float(&value)))
                                          : null_text;
    if (name == "gdouble") {
        if (!holds(value, G_TYPE_DOUBLE)) return null_text;
        char buffer[G_ASCII_DTOSTR_BUF_SIZE];
        return g_ascii_dtostr(buffer, sizeof buffer, g_value_get_double(&value));
    }
    if (name == "gboolean")
        return holds(value, G_TYPE_BOOLEAN) ? (g_value_get_boolean(&value) ? "TRUE" : "FALSE") : null_text;
    if (name == "genum") return G_VALUE_HOLDS_ENUM(&value) ? printf_text("%i", g_value_get_enum(&value)) : null_text;
    if (name == "GTime") {
        const struct tm* record = holds_record(value) ? time_record(value) : nullptr;
        if (!record) return null_text;
        char buffer[64];
        size_t n = strftime(buffer, sizeof buffer, "%H:%M:%S", record);
        return std::string(buffer, n);
    }
    if (name == "GDate") {
        const auto* date = holds(value, G_TYPE_DATE) ? static_cast<const GDate*>(g_value_get_boxed(&value)) : nullptr;
        if (!date || !g_date_valid(date)) return null_text;
        return printf_text("%d-%d-%d", g_date_get_year(date), g_date_get_month(date), g_date_get_day(date));
    }
    if (is_one_of(name, {"GDateTime", "GTimestamp"})) {
        auto* time = holds(value, G_TYPE_DATE_TIME) ? static_cast<GDateTime*>(g_value_get_boxed(&value)) : nullptr;
        if (!time) return null_text;
        return gobj::take_string(g_date_time_format(time, "%Y-%m-%d %H:%M:%S"));
    }
    if (name == "GNull") return null_text;
    return gobj::take_string(g_strdup_value_contents(&value));
}

void DatabaseHelper::string_to_glib_value(GType type, const char* text, GValue* result) {
    g_value_init(result, type);
    std::string_view name = g_type_name(type);
    auto number = [&] { return g_ascii_strtoll(text, nullptr, 0); };
    auto unsigned_number = [&] { return g_ascii_strtoull(text, nullptr, 0); };
    if (name == "gchararray") {
        if (holds(*result, G_TYPE_STRING)) g_value_set_string(result, text);
    } else if (name == "gchar") {
        if (holds(*result, G_TYPE_CHAR)) g_value_set_schar(result, static_cast<gint8>(atoi(text)));
    } else if (name == "gint16") {
        if (holds(*result, G_TYPE_INT)) g_value_set_int(result, static_cast<gint16>(atoi(text)));
    } else if (name == "gint") {
        if (holds(*result, G_TYPE_INT)) g_value_set_int(result, atoi(text));
    } else if (name == "glong") {
        if (holds(*result, G_TYPE_LONG)) g_value_set_long(result, static_cast<glong>(number()));
    } else if (name == "gint64") {
        if (holds(*result, G_TYPE_INT64)) g_value_set_int64(result, number());
    } else if (name == "guchar") {
        if (holds(*result, G_TYPE_UCHAR)) g_value_set_uchar(result, static_cast<guchar>(unsigned_number() & 0xFF));
    } else if (name == "guint16") {
        if (holds(*result, G_TYPE_UINT)) g_value_set_uint(result, static_cast<guint>(unsigned_number() & 0xFFFF));
    } else if (name == "guint") {
        if (holds(*result, G_TYPE_UINT)) g_value_set_uint(result, static_cast<guint32>(unsigned_number()));
    } else if (name == "gulong") {
        if (holds(*result, G_TYPE_ULONG)) g_value_set_ulong(result, static_cast<guint32>(unsigned_number()));
    } else if (name == "guint64") {
        if (holds(*result, G_TYPE_UINT64)) g_value_set_uint64(result, unsigned_number());
    } else if (name == "gfloat") {
        if (holds(*result, G_TYPE_FLOAT)) g_value_set_float(result, strtof(text, nullptr));
    } else if (name == "gdouble") {
        if (holds(*result, G_TYPE_DOUBLE)) g_value_set_double(result, g_ascii_strtod(text, nullptr));
    } else if (name == "gboolean") {
        if (holds(*result, G_TYPE_BOOLEAN)) g_value_set_boolean(result, strcmp(text, "true") == 0);
    } else if (is_one_of(name, {"genum", "GBlob", "GBinary"})) {
        if (holds(*result, G_TYPE_STRING)) g_value_set_string(result, text);
    } else if (name == "GTime") {
        // Owned by the value only where the value can own it: a boxed type.
        if (G_TYPE_FUNDAMENTAL(type) == G_TYPE_BOXED) {
            auto* record = g_new0(struct tm, 1);
            sscanf(text, "%d:%d:%d", &record->tm_hour, &record->tm_min, &record->tm_sec);
            g_value_take_boxed(result, record);
        }
    } else if (name == "GDate") {
        if (holds(*result, G_TYPE_DATE)) g_value_take_boxed(result, g_date_new());
    } else if (name == "GDateTime") {
        if (holds(*result, G_TYPE_DATE_TIME)) {
            GTimeZone* utc = g_time_zone_new_utc();
            g_value_take_boxed(result, g_date_time_new_from_iso8601(text, utc));
            g_time_zone_unref(utc);
        }
    } else if (name == "GNull") {
        g_value_reset(result);
    }
}

namespace {
std::optional<gint64> signed_number(const GValue& value) {
    if (holds(value, G_TYPE_INT64)) return g_value_get_int64(&value);
    if (holds(value, G_TYPE_LONG)) return g_value_get_long(&value);
    if (holds(value, G_TYPE_INT)) return g_value_get_int(&value);
    if (holds(value, G_TYPE_CHAR)) return g_value_get_schar(&value);
    return std::nullopt;
}
std::optional<guint64> unsigned_number(const GValue& value) {
    if (holds(value, G_TYPE_UINT64)) return g_value_get_uint64(&value);
    if (holds(value, G_TYPE_ULONG)) return g_value_get_ulong(&value);
    if (holds(value, G_TYPE_UINT)) return g_value_get_uint(&value);
    if (G_VALUE_HOLDS_ENUM(&value)) return static_cast<guint64>(g_value_get_enum(&value));
    if (holds(value, G_TYPE_UCHAR)) return g_value_get_uchar(&value);
    return std::nullopt;
}
std::optional<double> real_number(const GValue& value) {
    if (holds(value, G_TYPE_DOUBLE)) return g_value_get_double(&value);
    if (holds(value, G_TYPE_FLOAT)) return g_value_get_float(&value);
    if (auto n = signed_number(value)) return static_cast<double>(*n);
    // An enum is read with its sign.
    if (G_VALUE_HOLDS_ENUM(&value)) return static_cast<double>(g_value_get_enum(&value));
    if (auto n = unsigned_number(value)) return static_cast<double>(*n);
    return std::nullopt;
}
template <class N>
bool store(const std::optional<N>& number, N& result) {
    result = number.value_or(N());
    return number.has_value();
}
}  // namespace

bool DatabaseHelper::glib_value_to_int64(const GValue* value, gint64& result) {
    return store(signed_number(*value), result);
}
bool DatabaseHelper::glib_value_to_uint64(const GValue* value, guint64& result) {
    return store(unsigned_number(*value), result);
}
bool DatabaseHelper::glib_value_to_double(const GValue* value, double& result) {
    return store(real_number(*value), result);
}

// ---------------------------------------------------------------- literals

std::string DatabaseHelper::quote(std::string_view text, char open, char close) {
    std::string out(1, open);
    out.reserve(text.size() + 2);
    for (char c : text) {
        out += c;
        if (c == close) out += c;
    }
    out += close;
    return out;
}

bool DatabaseHelper::is_bare_type(DataType type) { return bare_kind(type, false); }

bool DatabaseHelper::is_number_literal(std::string_view text) {
    size_t i = 0, n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && g_ascii_isdigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && g_ascii_isdigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exponent = 0;
        while (i < n && g_ascii_isdigit(text[i])) ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == n;
}

std::string DatabaseHelper::pack_value(DataType type, std::string_view value) {
    if (bare_kind(type, true)) return bare_or_quoted(type, value);
    if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY || type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB)
        return even_hex(value) ? "X'" + std::string(value) + "'" : quote(value, '\'');
    return quote(value, '\'');
}

std::string DatabaseHelper::format_sql_value(DataType kind, const ValueObject& data_value) {
    if (G_TYPE_CHECK_INSTANCE_TYPE(data_value.gobj(), ValueNull::gtype())) return "NULL";
    // Every digit of a number: its display text keeps six decimals.
    return format_sql_text(kind, data_value.exact_text());
}

std::string DatabaseHelper::format_sql_text(DataType kind, const std::optional<std::string_view>& text) {
    if (!text) return "NULL";
    return bare_kind(kind, false) ? bare_or_quoted(kind, *text) : quote(*text, '\'');
}

// ---------------------------------------------------------------- catalogue and sizes

bool DatabaseHelper::update_schema_with_model(meta_model::MetaTable& table, const TableModel& model) {
    const auto& columns = model.get_columns();
    for (const auto& column : columns)
        table.new_column(gobj::c_str(column->get_name()), column->get_data_type());
    return columns.size() == gobj::GeeArray<meta_model::MetaColumn>::wrap(table.get_columns()).size();
}

std::optional<std::string> DatabaseHelper::format_size(guint64 size) {
    if (size <= 1000) return printf_text("%llu Byte", static_cast<unsigned long long>(size));
    std::string digits = printf_text("%llu", static_cast<unsigned long long>(size / 1000));
    GRegex* pattern = thousands_pattern();
    if (!pattern) return digits + " KB";
    GError* error = nullptr;
    gchar* grouped = g_regex_replace_literal(pattern, digits.c_str(), -1, 0, ",", GRegexMatchFlags(0), &error);
    if (grouped) return gobj::take_string(grouped) + " KB";
    gobj::Error failure(error);
    if (failure.domain() == G_REGEX_ERROR) return digits + " KB";
    TARVELIN_UNEXPECTED(failure);
    return std::nullopt;
}

std::string DatabaseHelper::summary(const ValueBinary& value, const char*) {
    std::vector<guint8> bytes = value.to_bytes();
    if (bytes.empty()) return "";
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    const size_t size = bytes.size();
    // The text up to the first zero byte when it is UTF-8, as the value's display text
    // reads it. Bytes that begin with a zero byte say nothing as text ("" would hide a
    // whole file): they are summarised by their type.
    size_t text_end = strnlen(data, size);
    if (text_end > 0 && g_utf8_validate(data, static_cast<gssize>(text_end), nullptr))
        return std::string(data, text_end);
    std::string type = FileTypeHelper::get_singleton().guess_file_type(bytes);
    return type + "(" + format_size(size).value_or(std::string()) + ")";
}

// ---------------------------------------------------------------- names

std::string DatabaseHelper::make_fullname_mysql(std::string_view username) {
    size_t at = username.find('@');
    if (at == std::string_view::npos) return quote(username, '`');
    std::string_view host = username.substr(at + 1);
    host = host.substr(0, host.find('@'));
    return quote(username.substr(0, at), '`') + "@" + quote(host, '`');
}

std::string DatabaseHelper::format_object_name(std::string_view schema, std::string_view table) {
    if (!schema.empty() && !table.empty()) return std::string(schema) + "." + std::string(table);
    if (!table.empty()) return quote(table, '"');
    if (!schema.empty()) return std::string(schema) + ".\"\"";
    return "\"\"";
}

// ---------------------------------------------------------------- row texts

std::optional<std::string> DatabaseHelper::row_update(std::string_view name, const Texts& columns,
                                                      const Texts& values, const Texts& where_columns,
                                                      const Texts& where_values) {
    if (!TARVELIN_REQUIRE(!columns.empty(), "columns_length > 0")) return std::nullopt;
    if (!TARVELIN_REQUIRE(values.size() >= columns.size(), "values_length >= columns_length")) return std::nullopt;
    if (!keys_have_values(where_columns, where_values)) return std::nullopt;
    std::string out = "UPDATE " + std::string(name) + " SET ";
    append_pairs(out, columns, values, "=", ", ");
    if (!where_columns.empty()) {
        out += " WHERE ";
        append_pairs(out, where_columns, where_values, "=", " AND ");
    }
    return out + ";";
}

std::optional<std::string> DatabaseHelper::row_insert(std::string_view name, const Texts& columns,
                                                      const Texts& values) {
    if (!TARVELIN_REQUIRE(!columns.empty(), "columns_length > 0")) return std::nullopt;
    if (!TARVELIN_REQUIRE(!values.empty(), "values_length > 0")) return std::nullopt;
    std::string out = "INSERT INTO " + std::string(name) + "(";
    append_list(out, columns);
    out += ") VALUES(";
    append_list(out, values);
    return out + ");";
}

std::optional<std::string> DatabaseHelper::row_delete(std::string_view name, const Texts& where_columns,
                                                      const Texts& where_values) {
    if (!keys_have_values(where_columns, where_values)) return std::nullopt;
    std::string out = "DELETE FROM " + std::string(name);
    if (!where_columns.empty()) {
        out += " WHERE ";
        append_pairs(out, where_columns, where_values, "=", " AND ");
    }
    return out + ";";
}

std::optional<std::string> DatabaseHelper::build_sql_update(std::string_view schema, std::string_view table,
                                                            const Texts& columns, const Texts& values,
                                                            const Texts& where_columns, const Texts& where_values) {
    return row_update(format_object_name(schema, table), columns, values, where_columns, where_values);
}

std::optional<std::string> DatabaseHelper::build_sql_insert(std::string_view schema, std::string_view table,
                                                            const Texts& columns, const Texts& values) {
    return row_insert(format_object_name(schema, table), columns, values);
}

std::optional<std::string> DatabaseHelper::build_sql_delete(std::string_view schema, std::string_view table,
                                                            const Texts& where_columns,
                                                            const Texts& where_values) {
    return row_delete(format_object_name(schema, table), where_columns, where_values);
}

}  // namespace tarvelin::rezezadovu::helpers
