// Conversions and SQL texts shared by the dialects, the exporters and the host: generic
// values to text and back, SQL literals, byte sizes, binary summaries, MySQL account
// names, dotted object names and simple INSERT, UPDATE and DELETE texts. All operations
// are static; an instance (the registered fundamental type) is never needed.
//
// It belongs to the database framework, since it grows catalogue tables from results;
// its registered name, and with it its namespace, is the helpers' as the host knows it.
//
// Literals never let the caller's text out of its quotes: a quoted literal doubles every
// single quote, and a kind written bare (numbers, booleans) is written bare only when the
// text is a number literal (or true/false for BOOLEAN), otherwise quoted. The backslash is
// not doubled: a dialect whose strings treat it as an escape must double it itself.
//
// Thread-safe: stateless apart from compiled patterns, made once and only read.
#pragma once

#include <tarvelin/rezezadovu/helpers.h>

#include <optional>
#include <vector>
#include <string>
#include <string_view>

#include "providers/contracts/model_table.hpp"
#include "providers/contracts/value_binary.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/ref.hpp"

namespace tarvelin::rezezadovu::meta_model {
class MetaTable;
}

namespace tarvelin::rezezadovu::helpers {

class TARVELIN_EXPORT DatabaseHelper : public gobj::Fundamental {
public:
    using DataType = providers::contracts::DataType;
    // A text list; C callers pass an array and its count (a NULL entry reads as "").
    using Texts = std::vector<std::string>;

    static GType gtype();
    static gobj::Ref<DatabaseHelper> create(GType type = gtype());

    // ---- generic values and text

    // The text of a value, chosen by the name of its type (see value_text_as).
    static std::string glib_value_to_text(const GValue* value, const char* null_value);
    // The text of `value` read as the type named `type_name`: the row for that name applies
    // only when the value holds the type the row needs, otherwise `null_value`. Names GLib
    // does not register ("int16", "numeric", "genum", "GTime", "GTimestamp", "GNull", ...)
    // are served too; any other name gives GLib's description of the contents.
    static std::string value_text_as(std::string_view type_name, const GValue* value, const char* null_value);
    // Initialises `result` (zero-filled) to `type` and stores `text` read as that type;
    // a type whose row needs another holder stays at its default.
    static void string_to_glib_value(GType type, const char* text, GValue* result);
    // The number a value holds (true), or 0 (false) for a value of another type.
    static bool glib_value_to_int64(const GValue* value, gint64& result);
    static bool glib_value_to_uint64(const GValue* value, guint64& result);
    static bool glib_value_to_double(const GValue* value, double& result);

    // ---- SQL literals

    // `text` between `quote` characters, each `quote` inside doubled: the one quoting loop
    // of every dialect's names and literals.
    static std::string quote(std::string_view text, char quote) { return DatabaseHelper::quote(text, quote, quote); }
    // `text` between `open` and `close`, each `close` inside doubled ("[a]]b]").
    static std::string quote(std::string_view text, char open, char close);
    // An optional sign, digits with an optional fraction, an optional exponent.
    static bool is_number_literal(std::string_view text);
    // The numbers and booleans: the types whose literal may be written bare.
    static bool is_bare_type(DataType type);
    // The literal of a value given as text, by the kind of its column.
    static std::string pack_value(DataType type, std::string_view value);
    // The literal of a cell: NULL for a null cell, else its exact text (every digit of a
    // number, ValueObject::exact_text) by `kind`.
    static std::string format_sql_value(DataType kind, const providers::contracts::ValueObject& data_value);
    // The same from the cell's exact text; none is SQL NULL.
    static std::string format_sql_text(DataType kind, const std::optional<std::string_view>& text);

    // ---- catalogue and sizes

    // A column of the table for each column of the result, in order; true when the two
    // column counts are equal afterwards.
    static bool update_schema_with_model(meta_model::MetaTable& table, const providers::contracts::TableModel& model);
    // "1000 Byte", "1 KB", "1,234 KB": bytes up to 1000, else whole thousands, grouped.
    static std::optional<std::string> format_size(guint64 size);
    // The text of the bytes up to the first zero byte when that is UTF-8 and not empty,
    // else the file type and size, "image/png(2 KB)"; "" for no bytes.
    static std::string summary(const providers::contracts::ValueBinary& value, const char* null_value);

    // ---- names

    // "`user`@`host`" from "user@host", "`user`" from a name without "@"; backquotes
    // inside doubled.
    static std::string make_fullname_mysql(std::string_view username);
    // "schema.table", "\"table\"", "schema.\"\"" or "\"\"" as the parts are empty or not;
    // double quotes inside the quoted forms doubled.
    static std::string format_object_name(std::string_view schema, std::string_view table);

    // ---- row texts

    // The row texts for an already formatted table name. Columns and values are pasted as
    // given (values are literals). Refused with a critical and no text: no columns (or,
    // for INSERT, no values), or fewer values than columns (fewer key values than keys).
    static std::optional<std::string> row_update(std::string_view name, const Texts& columns, const Texts& values,
                                                 const Texts& where_columns, const Texts& where_values);
    static std::optional<std::string> row_insert(std::string_view name, const Texts& columns, const Texts& values);
    static std::optional<std::string> row_delete(std::string_view name, const Texts& where_columns,
                                                 const Texts& where_values);
    // The same with format_object_name.
    static std::optional<std::string> build_sql_update(std::string_view schema, std::string_view table,
                                                       const Texts& columns, const Texts& values,
                                                       const Texts& where_columns, const Texts& where_values);
    static std::optional<std::string> build_sql_insert(std::string_view schema, std::string_view table,
                                                       const Texts& columns, const Texts& values);
    static std::optional<std::string> build_sql_delete(std::string_view schema, std::string_view table,
                                                       const Texts& where_columns, const Texts& where_values);
};

}  // namespace tarvelin::rezezadovu::helpers
