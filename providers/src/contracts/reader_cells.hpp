// Reading one cell of a reader: the column's DataType picks the getter, and the getter's
// result picks the value class. Both the reader contract's get_value and the cell store
// of result tables go through this one table, so a cell made now or later is the same.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "providers/contracts/face_reader.hpp"
#include "providers/gobj/call.hpp"

namespace tarvelin::providers::contracts::cells {

// The value classes, by the kind of the getter's result.
// BOOLEAN, INT8 ... UINT64 (the bits of the number) and TIMESPAN.
gobj::Ref<ValueObject> from_integer(DataType type, gint64 value);
// MONEY, DECIMAL, FLOAT, DOUBLE; with the server's text of a number it keeps every digit of.
gobj::Ref<ValueObject> from_real(DataType type, double value);
gobj::Ref<ValueObject> from_real(DataType type, double value, std::string_view server_text);
// Every text type, STRING for the types no other getter serves.
gobj::Ref<ValueObject> from_text(DataType type, std::string text);
// BINARY, OBJECT, BLOB.
gobj::Ref<ValueObject> from_bytes(DataType type, const guint8* data, gint32 length);
// DATE: midnight of that day in the local zone (none for a cleared date).
gobj::Ref<ValueObject> from_date(const GDate& date);
// TIME, DATETIME, TIMESTAMP; no date-time gives SQL NULL. `fraction_digits` as the
// reader's fraction_digits gives it for the column.
gobj::Ref<ValueObject> from_date_time(DataType type, GDateTime* dt, gint fraction_digits = -1);

// The instant g_date_time_new_from_iso8601(text, UTC) gives, in microseconds since the
// epoch, for the plain form "YYYY-MM-DD HH:MM:SS" (or with "T"), with up to six digits of
// a fraction; false for any other text, which the caller leaves to GLib.
TARVELIN_EXPORT bool plain_utc_microseconds(const char* text, std::size_t length, gint64& microseconds);

// Calls a reader through its interface structure: any reader, a host's too.
struct ThroughInterface {
    using V = IDataReader::Vtable;
    gpointer reader;
    bool is_null(guint16 o) const { return gobj::call<&V::is_null>(reader, o); }
    DataType data_type(guint16 o) const { return gobj::call<&V::get_data_type>(reader, o); }
    template <auto Slot, auto Member, class Policy = gobj::full>
    auto get(guint16 o) const {
        return gobj::call<Slot, Policy>(reader, o);
    }
    void date(guint16 o, GDate& d) const { gobj::call<&V::get_date>(reader, o, d); }
    template <class Sink>
    decltype(auto) string_cell(DataType t, guint16 o, Sink& sink) const {
        return sink.text(t, gobj::call<&V::get_string, gobj::nullable>(reader, o));
    }
    // A host's reader says nothing of a column's fractional digits nor of dates out of range.
    gint fraction_digits(guint16) const { return -1; }
    bool holds_text_of_no_date(guint16) const { return false; }
    template <auto Slot, auto Member, class Sink>
    decltype(auto) date_time_cell(DataType t, guint16 o, Sink& sink) const {
        return sink.date_time(t, gobj::call<Slot>(reader, o), fraction_digits(o));
    }
    template <auto Slot, auto Member, class Sink>
    decltype(auto) real_cell(DataType t, guint16 o, Sink& sink) const {
        return sink.real(t, gobj::call<Slot>(reader, o));
    }
};

// Calls a reader of ours straight on its C++ object.
struct ThroughObject {
    IDataReader& reader;
    bool is_null(guint16 o) const { return reader.is_null(o); }
    DataType data_type(guint16 o) const { return reader.get_data_type(o); }
    template <auto Slot, auto Member, class Policy = gobj::full>
    auto get(guint16 o) const {
        return (reader.*Member)(o);
    }
    void date(guint16 o, GDate& d) const { reader.get_date(o, d); }
    // The reader's fast paths first; its getter when it has none for the cell.
    template <class Sink>
    decltype(auto) string_cell(DataType t, guint16 o, Sink& sink) const {
        const char* data = nullptr;
        std::size_t length = 0;
        if (reader.peek_string(o, data, length)) return sink.text_view(t, data, length);
        return sink.text(t, reader.get_string(o));
    }
    gint fraction_digits(guint16 o) const { return reader.fraction_digits(o); }
    bool holds_text_of_no_date(guint16 o) const { return reader.holds_text_of_no_date(o); }
    template <auto Slot, auto Member, class Sink>
    decltype(auto) date_time_cell(DataType t, guint16 o, Sink& sink) const {
        gint64 microseconds = 0;
        if (reader.peek_date_time(o, t, microseconds)) return sink.microseconds(t, microseconds, fraction_digits(o));
        return sink.date_time(t, (reader.*Member)(o), fraction_digits(o));
    }
    // The getter's number, and beside it the server's digits where the reader has them.
    template <auto Slot, auto Member, class Sink>
    decltype(auto) real_cell(DataType t, guint16 o, Sink& sink) const {
        const double value = (reader.*Member)(o);
        const char* data = nullptr;
        std::size_t length = 0;
        if (reader.peek_number_text(o, data, length)) return sink.exact_real(t, value, std::string_view(data, length));
        return sink.real(t, value);
    }
};

// Reads cell `o` of the current row through `a` and hands the result to `sink`, which
// has null(), integer(type, gint64), real(type, double), text(type, optional text),
// bytes(type, vector), date(GDate), date_time(type, gobj::DateTime, fraction digits) and
// variant(Ref); with ThroughObject also text_view(type, data, length),
// microseconds(type, gint64, fraction digits) and exact_real(type, double, server text).
template <class Access, class Sink>
decltype(auto) read_cell(const Access& a, guint16 o, Sink& sink) {
    using V = IDataReader::Vtable;
    using I = IDataReader;
    if (a.is_null(o)) return sink.null();
    const DataType t = a.data_type(o);
    switch (t) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
            // The server's text rather than an error or NULL: a transfer then writes it and
            // the target decides whether it holds it.
            if (a.holds_text_of_no_date(o)) return a.string_cell(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, o, sink);
            break;
        default:
            break;
    }
    switch (t) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
            return sink.integer(t, a.template get<&V::get_boolean, &I::get_boolean>(o) ? 1 : 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
            return sink.integer(t, a.template get<&V::get_int8, &I::get_int8>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
            return sink.integer(t, a.template get<&V::get_int16, &I::get_int16>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
            return sink.integer(t, a.template get<&V::get_int32, &I::get_int32, gobj::empty_value<-1>>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
            return sink.integer(t, a.template get<&V::get_int64, &I::get_int64>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
            return sink.integer(t, a.template get<&V::get_uint8, &I::get_uint8>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
            return sink.integer(t, a.template get<&V::get_uint16, &I::get_uint16>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
            return sink.integer(t, a.template get<&V::get_uint32, &I::get_uint32>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            return sink.integer(t, static_cast<gint64>(a.template get<&V::get_uint64, &I::get_uint64>(o)));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM:
            return sink.text(t, a.template get<&V::get_enum, &I::get_enum, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS:
            return sink.text(t, a.template get<&V::get_flag, &I::get_flag, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET:
            return sink.text(t, a.template get<&V::get_set, &I::get_set, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
            return a.template real_cell<&V::get_money, &I::get_money>(t, o, sink);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
            return a.template real_cell<&V::get_decimal, &I::get_decimal>(t, o, sink);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            return a.template real_cell<&V::get_float, &I::get_float>(t, o, sink);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
            return a.template real_cell<&V::get_double, &I::get_double>(t, o, sink);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: {
            GDate date;
            g_date_clear(&date, 1);
            a.date(o, date);
            return sink.date(date);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
            return sink.date_time(t, a.template get<&V::get_time, &I::get_time>(o), a.fraction_digits(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
            return a.template date_time_cell<&V::get_datetime, &I::get_datetime>(t, o, sink);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
            return sink.integer(t, a.template get<&V::get_timespan, &I::get_timespan, gobj::empty_value<0>>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
            return a.template date_time_cell<&V::get_timestamp, &I::get_timestamp>(t, o, sink);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING:
            return sink.text(t, a.template get<&V::get_string16, &I::get_string16, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML:
            return sink.text(t, a.template get<&V::get_xml, &I::get_xml, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID:
            return sink.text(t, a.template get<&V::get_guid, &I::get_guid, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
            return sink.text(t, a.template get<&V::get_json, &I::get_json, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY:
            return sink.text(t, a.template get<&V::get_geometry, &I::get_geometry, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY:
            return sink.text(t, a.template get<&V::get_geography, &I::get_geography, gobj::nullable>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB:
            return sink.bytes(t, a.template get<&V::get_binary, &I::get_binary>(o));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT:
            return sink.variant(a.template get<&V::get_variant, &I::get_variant>(o));
        default:
            // UNKNOWN, DBNULL, STRING, POINTER, ARRAY, ERROR and numbers outside the vocabulary.
            return a.string_cell(t, o, sink);
    }
}

}  // namespace tarvelin::providers::contracts::cells
