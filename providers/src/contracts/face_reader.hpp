// The reader contract: a forward-only reader over one native result.
//
// A driver derives its reader from gobj::Object and IDataReader, implements the pure
// virtuals (metadata, is_null and the typed getters) and keeps the defaults of the rest.
// The default get_value, the one place where a column's DataType picks the getter and
// the value class, calls the getters through the interface structure, so a reader
// written in C by a host is served the same way; such a reader gets the interface's
// default bodies in its interface structure (defaults). Errors are thrown as
// gobj::Error; the slots hand them to C callers as GError.
//
// Code that holds a reader calls it with gobj::call, never through a C++ pointer (a
// host's reader has no C++ side):
//   if (gobj::call<&IDataReader::Vtable::read>(reader)) ...
// The one exception is fill_table, which reads the cells of a reader class of ours
// straight through its C++ getters when that class's get_value is the contract's own
// (it keeps its default, or declares kValueFromGetters, see below) and no host changed
// its interface structure.
#pragma once

#include <tarvelin/providers/face_reader.h>

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "providers/contracts/value_object.hpp"
#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/slot.hpp"

namespace tarvelin::providers::contracts {

class TableModel;

// Callers serialise.
class TARVELIN_EXPORT IDataReader : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIDataReaderInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<IDataReader>& spec);
    // The default bodies in the interface structure, for implementers written in C.
    static void defaults(Vtable* vt);

    virtual bool bulk() = 0;
    virtual bool read() = 0;
    virtual void close() = 0;
    virtual std::string get_name(guint16 ordinal) = 0;
    virtual std::string get_dbms_type(guint16 ordinal) = 0;
    virtual DataType get_data_type(guint16 ordinal) = 0;
    virtual guint64 get_size(guint16 ordinal) = 0;
    virtual bool is_null(guint16 ordinal) = 0;
    virtual bool get_boolean(guint16 ordinal) = 0;
    virtual gint8 get_int8(guint16 ordinal) = 0;
    virtual guint8 get_uint8(guint16 ordinal) = 0;
    virtual gint16 get_int16(guint16 ordinal) = 0;
    virtual guint16 get_uint16(guint16 ordinal) = 0;
    virtual gint32 get_int32(guint16 ordinal) = 0;
    virtual guint32 get_uint32(guint16 ordinal) = 0;
    virtual gint64 get_int64(guint16 ordinal) = 0;
    virtual guint64 get_uint64(guint16 ordinal) = 0;
    virtual double get_decimal(guint16 ordinal) = 0;
    virtual double get_money(guint16 ordinal) = 0;
    virtual float get_float(guint16 ordinal) = 0;
    virtual double get_double(guint16 ordinal) = 0;
    // Fills `result`, which starts cleared (an invalid date); a cell holding no date
    // leaves it so.
    virtual void get_date(guint16 ordinal, GDate& result) = 0;
    virtual gobj::DateTime get_time(guint16 ordinal) = 0;
    virtual gobj::DateTime get_datetime(guint16 ordinal) = 0;
    virtual gint64 get_timespan(guint16 ordinal) = 0;
    virtual std::optional<std::string> get_string(guint16 ordinal) = 0;
    // UTF-8 text of a wide-character column.
    virtual std::optional<std::string> get_string16(guint16 ordinal) = 0;
    virtual std::optional<std::string> get_guid(guint16 ordinal) = 0;
    virtual std::vector<guint8> get_binary(guint16 ordinal) = 0;
    // Defaults: the current local time; empty texts; a ValueNull; an empty buffer.
    virtual gobj::DateTime get_timestamp(guint16 ordinal);
    virtual std::optional<std::string> get_enum(guint16 ordinal);
    virtual std::optional<std::string> get_flag(guint16 ordinal);
    virtual std::optional<std::string> get_set(guint16 ordinal);
    virtual std::optional<std::string> get_xml(guint16 ordinal);
    virtual std::optional<std::string> get_json(guint16 ordinal);
    virtual std::optional<std::string> get_geometry(guint16 ordinal);
    virtual std::optional<std::string> get_geography(guint16 ordinal);
    virtual gobj::Ref<ValueObject> get_variant(guint16 ordinal);
    virtual std::vector<guint8> get_object(guint16 ordinal);
    // The cell as a value object, chosen by the column's DataType (default_value).
    virtual gobj::Ref<ValueObject> get_value(guint16 ordinal);
    // get_value of every column, through the interface (default_values).
    virtual std::vector<gobj::Ref<ValueObject>> get_values();
    virtual gint get_field_count() = 0;
    virtual bool get_is_closed() = 0;

    // Fast paths of fill_table, which asks them of C++ readers of ours only (never through
    // the interface structure). Each gives what the getter named would give, without
    // making it, or false, and then the getter runs. The defaults give false.
    // get_string of the current row: its bytes, borrowed until the reader moves on.
    virtual bool peek_string(guint16 ordinal, const char*& data, std::size_t& length);
    // The getter `type` picks (get_datetime, get_timestamp): the instant of the UTC
    // date-time it would make, in microseconds since the epoch.
    virtual bool peek_date_time(guint16 ordinal, DataType type, gint64& microseconds);
    // The text the server wrote for a NUMERIC or DECIMAL cell, whose getter's double may
    // not hold every digit; borrowed until the reader moves on or is asked again. False
    // for every other cell.
    virtual bool peek_number_text(guint16 ordinal, const char*& data, std::size_t& length);
    // The digits of a second's fraction a TIME, DATETIME or TIMESTAMP column declares (0
    // to 6), which its values' exact text keeps; -1 (the default) when it declares none.
    virtual gint fraction_digits(guint16 ordinal);
    // A DATE, TIME, DATETIME or TIMESTAMP cell holding what no date-time holds (an
    // infinity, a year before 1 or past 9999): it reads as its text (get_string), so the
    // row reads and nothing is lost. False (the default) for every other cell.
    virtual bool holds_text_of_no_date(guint16 ordinal);

    // The interface's own bodies, on any reader instance, ours or a host's. Ours reach
    // them through the virtuals above, a host's through its interface structure.
    static gobj::DateTime default_timestamp(gpointer reader, guint16 ordinal);
    static std::optional<std::string> default_text(gpointer reader, guint16 ordinal);
    static gobj::Ref<ValueObject> default_variant(gpointer reader, guint16 ordinal);
    static std::vector<guint8> default_object(gpointer reader, guint16 ordinal);
    static gobj::Ref<ValueObject> default_value(gpointer reader, guint16 ordinal);
    static std::vector<gobj::Ref<ValueObject>> default_values(gpointer reader);

    template <class T>
    static void fill(Vtable* vt) {
        using I = IDataReader;
        vt->bulk = gobj::slot<T, &I::bulk>(vt->bulk);
        vt->read = gobj::slot<T, &I::read>(vt->read);
        vt->close = gobj::slot<T, &I::close>(vt->close);
        vt->get_name = gobj::slot<T, &I::get_name>(vt->get_name);
        vt->get_dbms_type = gobj::slot<T, &I::get_dbms_type>(vt->get_dbms_type);
        vt->get_data_type = gobj::slot<T, &I::get_data_type>(vt->get_data_type);
        vt->get_size = gobj::slot<T, &I::get_size>(vt->get_size);
        vt->is_null = gobj::slot<T, &I::is_null>(vt->is_null);
        vt->get_boolean = gobj::slot<T, &I::get_boolean>(vt->get_boolean);
        vt->get_int8 = gobj::slot<T, &I::get_int8>(vt->get_int8);
        vt->get_uint8 = gobj::slot<T, &I::get_uint8>(vt->get_uint8);
        vt->get_int16 = gobj::slot<T, &I::get_int16>(vt->get_int16);
        vt->get_uint16 = gobj::slot<T, &I::get_uint16>(vt->get_uint16);
        vt->get_int32 = gobj::slot<T, &I::get_int32>(vt->get_int32);
        vt->get_uint32 = gobj::slot<T, &I::get_uint32>(vt->get_uint32);
        vt->get_int64 = gobj::slot<T, &I::get_int64>(vt->get_int64);
        vt->get_uint64 = gobj::slot<T, &I::get_uint64>(vt->get_uint64);
        vt->get_decimal = gobj::slot<T, &I::get_decimal>(vt->get_decimal);
        vt->get_money = gobj::slot<T, &I::get_money>(vt->get_money);
        vt->get_float = gobj::slot<T, &I::get_float>(vt->get_float);
        vt->get_double = gobj::slot<T, &I::get_double>(vt->get_double);
        vt->get_date = gobj::slot<T, &I::get_date>(vt->get_date);
        vt->get_time = gobj::slot<T, &I::get_time>(vt->get_time);
        vt->get_datetime = gobj::slot<T, &I::get_datetime>(vt->get_datetime);
        vt->get_timespan = gobj::slot<T, &I::get_timespan>(vt->get_timespan);
        vt->get_string = gobj::slot<T, &I::get_string>(vt->get_string);
        vt->get_string16 = gobj::slot<T, &I::get_string16>(vt->get_string16);
        vt->get_guid = gobj::slot<T, &I::get_guid>(vt->get_guid);
        // A buffer is handed out even when empty: never NULL, length 0.
        vt->get_binary = gobj::slot<T, &I::get_binary, gobj::never_null>(vt->get_binary);
        vt->get_timestamp = gobj::slot<T, &I::get_timestamp>(vt->get_timestamp);
        vt->get_enum = gobj::slot<T, &I::get_enum>(vt->get_enum);
        vt->get_flag = gobj::slot<T, &I::get_flag>(vt->get_flag);
        vt->get_set = gobj::slot<T, &I::get_set>(vt->get_set);
        vt->get_xml = gobj::slot<T, &I::get_xml>(vt->get_xml);
        vt->get_json = gobj::slot<T, &I::get_json>(vt->get_json);
        vt->get_geometry = gobj::slot<T, &I::get_geometry>(vt->get_geometry);
        vt->get_geography = gobj::slot<T, &I::get_geography>(vt->get_geography);
        vt->get_variant = gobj::slot<T, &I::get_variant>(vt->get_variant);
        vt->get_object = gobj::slot<T, &I::get_object, gobj::never_null>(vt->get_object);
        vt->get_value = gobj::slot<T, &I::get_value>(vt->get_value);
        vt->get_values = gobj::slot<T, &I::get_values>(vt->get_values);
        vt->get_field_count = gobj::slot<T, &I::get_field_count>(vt->get_field_count);
        vt->get_is_closed = gobj::slot<T, &I::get_is_closed>(vt->get_is_closed);
        if constexpr (value_from_getters<T>()) note_value_from_getters(vt);
    }

    // Whether T's get_value gives what the default gives when it calls T's getters in
    // C++: it keeps the default, or it declares `static constexpr bool
    // kValueFromGetters = true` (an override that only keeps texts whole past a NUL,
    // which the C++ getters do anyway).
    template <class T>
    static constexpr bool value_from_getters() {
        if constexpr (requires { T::kValueFromGetters; }) {
            return T::kValueFromGetters;
        } else {
            return std::is_same_v<decltype(&T::get_value), decltype(&IDataReader::get_value)>;
        }
    }
    // Records an interface structure whose get_value is such a one.
    static void note_value_from_getters(const Vtable* vt);
    // The C++ object of `reader` when its cells may be read through its getters directly.
    static IDataReader* cells_from_getters(const gobj::Ref<IDataReader>& reader);

protected:
    // The instance this interface belongs to.
    gpointer reader_instance();

private:
    gpointer instance_ = nullptr;
};

// The table of one result, built the way every driver builds it: one column per field
// (name, DataType, size), then one row of get_value cells per row; the reader is closed
// afterwards. `on_first_row` says the reader already stands on its first row. Any
// reader instance is read through its interface structure, a host's too.
TARVELIN_EXPORT gobj::Ref<TableModel> fill_table(const gobj::Ref<IDataReader>& reader, bool on_first_row = false);

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIDataReaderInterface, tarvelin::providers::contracts::IDataReader)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIDataReader, tarvelin::providers::contracts::IDataReader)
