// The reader contract: a forward-only reader over one native result.
//
// A driver derives its reader from gobj::Object and IDataReader, implements the pure
// virtuals (metadata, is_null and the typed getters) and keeps the defaults of the rest.
// get_value, the one place where a column's DataType picks the getter and the value
// class, calls the getters through the interface structure, so a reader written in C by
// a host is served the same way. Errors are thrown as gobj::Error; the slots hand them to
// C callers as GError.
//
// Callers that hold a reader as an object call it through the dispatch wrappers in
// namespace `idata_reader` (they throw gobj::Error).
#pragma once

#include <tarvelin/providers/face_reader.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "providers/gobj/bridge.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/bridge.hpp"

namespace tarvelin::providers::contracts {

// An owned GDateTime reference (NULL allowed).
struct DateTimeUnref {
    void operator()(GDateTime* d) const noexcept {
        if (d) g_date_time_unref(d);
    }
};
using DateTimePtr = std::unique_ptr<GDateTime, DateTimeUnref>;

// Callers serialise.
class TARVELIN_EXPORT IDataReader : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIDataReaderInterface;
    using CSelf = TarvelinProvidersContractsIDataReader;
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
    // A cleared (invalid) date when the cell holds none.
    virtual GDate get_date(guint16 ordinal) = 0;
    virtual DateTimePtr get_time(guint16 ordinal) = 0;
    virtual DateTimePtr get_datetime(guint16 ordinal) = 0;
    virtual gint64 get_timespan(guint16 ordinal) = 0;
    virtual std::optional<std::string> get_string(guint16 ordinal) = 0;
    // UTF-8 text of a wide-character column.
    virtual std::optional<std::string> get_string16(guint16 ordinal) = 0;
    virtual std::optional<std::string> get_guid(guint16 ordinal) = 0;
    virtual std::vector<guint8> get_binary(guint16 ordinal) = 0;
    // Defaults: the current local time; empty texts; a ValueNull; an empty buffer.
    virtual DateTimePtr get_timestamp(guint16 ordinal);
    virtual std::optional<std::string> get_enum(guint16 ordinal);
    virtual std::optional<std::string> get_flag(guint16 ordinal);
    virtual std::optional<std::string> get_set(guint16 ordinal);
    virtual std::optional<std::string> get_xml(guint16 ordinal);
    virtual std::optional<std::string> get_json(guint16 ordinal);
    virtual std::optional<std::string> get_geometry(guint16 ordinal);
    virtual std::optional<std::string> get_geography(guint16 ordinal);
    virtual gobj::Ref<ValueObject> get_variant(guint16 ordinal);
    virtual std::vector<guint8> get_object(guint16 ordinal);
    // The cell as a value object, chosen by the column's DataType (see value_of).
    virtual gobj::Ref<ValueObject> get_value(guint16 ordinal);
    // get_value of every column, through the interface.
    virtual std::vector<gobj::Ref<ValueObject>> get_values();
    virtual gint get_field_count() = 0;
    virtual bool get_is_closed() = 0;

    // The default get_value and get_values of any reader instance, ours or a host's.
    static gobj::Ref<ValueObject> value_of(gpointer reader, guint16 ordinal);
    static std::vector<gobj::Ref<ValueObject>> values_of(gpointer reader);

    template <class T>
    static void fill(Vtable* vt);

protected:
    // The GObject this interface belongs to.
    gpointer reader_instance() const;

private:
    template <class T>
    static IDataReader* self(CSelf* s) {
        return static_cast<IDataReader*>(gobj::cast<T>(s));
    }
    template <class T, DateTimePtr (IDataReader::*M)(guint16)>
    static GDateTime* date_time_slot(CSelf* s, guint16 ordinal, GError** error) {
        return gobj::capi(G_STRFUNC, error, [&] { return (self<T>(s)->*M)(ordinal).release(); }, (GDateTime*)nullptr);
    }
    template <class T, std::vector<guint8> (IDataReader::*M)(guint16)>
    static guint8* bytes_slot(CSelf* s, guint16 ordinal, gint* length, GError** error);
};

// A buffer the caller frees with g_free; never NULL, even for 0 bytes.
TARVELIN_EXPORT guint8* dup_bytes(const std::vector<guint8>& bytes, gint* length);
// A NULL-terminated array of new references for a C caller, with its length.
TARVELIN_EXPORT TarvelinProvidersContractsValueObject** dup_values(std::vector<gobj::Ref<ValueObject>> values,
                                                                  gint* length);

template <class T, std::vector<guint8> (IDataReader::*M)(guint16)>
guint8* IDataReader::bytes_slot(CSelf* s, guint16 ordinal, gint* length, GError** error) {
    if (length) *length = 0;
    return gobj::capi(G_STRFUNC, error, [&] { return dup_bytes((self<T>(s)->*M)(ordinal), length); }, (guint8*)nullptr);
}

template <class T>
void IDataReader::fill(Vtable* vt) {
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
    vt->get_date = [](CSelf* s, guint16 ordinal, GDate* result, GError** error) {
        gobj::capi(G_STRFUNC, error, [&] {
            GDate d = self<T>(s)->get_date(ordinal);
            if (result) *result = d;
        });
    };
    vt->get_time = &date_time_slot<T, &I::get_time>;
    vt->get_datetime = &date_time_slot<T, &I::get_datetime>;
    vt->get_timespan = gobj::slot<T, &I::get_timespan>(vt->get_timespan);
    vt->get_string = gobj::slot<T, &I::get_string>(vt->get_string);
    vt->get_string16 = gobj::slot<T, &I::get_string16>(vt->get_string16);
    vt->get_guid = gobj::slot<T, &I::get_guid>(vt->get_guid);
    vt->get_binary = &bytes_slot<T, &I::get_binary>;
    vt->get_timestamp = &date_time_slot<T, &I::get_timestamp>;
    vt->get_enum = gobj::slot<T, &I::get_enum>(vt->get_enum);
    vt->get_flag = gobj::slot<T, &I::get_flag>(vt->get_flag);
    vt->get_set = gobj::slot<T, &I::get_set>(vt->get_set);
    vt->get_xml = gobj::slot<T, &I::get_xml>(vt->get_xml);
    vt->get_json = gobj::slot<T, &I::get_json>(vt->get_json);
    vt->get_geometry = gobj::slot<T, &I::get_geometry>(vt->get_geometry);
    vt->get_geography = gobj::slot<T, &I::get_geography>(vt->get_geography);
    vt->get_variant = gobj::slot<T, &I::get_variant>(vt->get_variant);
    vt->get_object = &bytes_slot<T, &I::get_object>;
    vt->get_value = gobj::slot<T, &I::get_value>(vt->get_value);
    vt->get_values = [](CSelf* s, gint* length, GError** error) {
        if (length) *length = 0;
        return gobj::capi(
            G_STRFUNC, error, [&] { return dup_values(self<T>(s)->get_values(), length); },
            (TarvelinProvidersContractsValueObject**)nullptr);
    };
    vt->get_field_count = gobj::slot<T, &I::get_field_count>(vt->get_field_count);
    vt->get_is_closed = gobj::slot<T, &I::get_is_closed>(vt->get_is_closed);
}

// Calls through the interface structure of any reader instance; errors are thrown.
class TableModel;

// The table of one result, built the way every driver builds it: one column per field
// (name, DataType, size), then one row of get_value cells per row; the reader is closed
// afterwards. `on_first_row` says the reader already stands on its first row.
TARVELIN_EXPORT gobj::Ref<TableModel> fill_table(IDataReader& reader, bool on_first_row = false);

namespace idata_reader {

namespace detail {
inline TarvelinProvidersContractsIDataReader* c(gpointer reader) {
    return static_cast<TarvelinProvidersContractsIDataReader*>(reader);
}
// Calls `f(reader, args..., &error)` and throws the error it reports.
template <class F, class... A>
auto call(F f, gpointer reader, A... args) {
    GError* error = nullptr;
    if constexpr (std::is_void_v<decltype(f(c(reader), args..., &error))>) {
        f(c(reader), args..., &error);
        gobj::check(error);
    } else {
        auto r = f(c(reader), args..., &error);
        gobj::check(error);
        return r;
    }
}
}  // namespace detail

inline bool read(gpointer r) { return detail::call(&tarvelin_providers_contracts_idata_reader_read, r); }
inline void close(gpointer r) { detail::call(&tarvelin_providers_contracts_idata_reader_close, r); }
inline std::string get_name(gpointer r, guint16 ordinal) {
    return gobj::take_string(detail::call(&tarvelin_providers_contracts_idata_reader_get_name, r, ordinal));
}
inline DataType get_data_type(gpointer r, guint16 ordinal) {
    return detail::call(&tarvelin_providers_contracts_idata_reader_get_data_type, r, ordinal);
}
inline guint64 get_size(gpointer r, guint16 ordinal) {
    return detail::call(&tarvelin_providers_contracts_idata_reader_get_size, r, ordinal);
}
inline bool is_null(gpointer r, guint16 ordinal) {
    return detail::call(&tarvelin_providers_contracts_idata_reader_is_null, r, ordinal);
}
inline gobj::Ref<ValueObject> get_value(gpointer r, guint16 ordinal) {
    return gobj::Ref<ValueObject>::adopt(detail::call(&tarvelin_providers_contracts_idata_reader_get_value, r, ordinal));
}
inline std::string get_dbms_type(gpointer r, guint16 ordinal) {
    return gobj::take_string(detail::call(&tarvelin_providers_contracts_idata_reader_get_dbms_type, r, ordinal));
}
inline std::vector<gobj::Ref<ValueObject>> get_values(gpointer r) {
    gint length = 0;
    TarvelinProvidersContractsValueObject** array =
        detail::call(&tarvelin_providers_contracts_idata_reader_get_values, r, &length);
    std::vector<gobj::Ref<ValueObject>> out;
    for (gint i = 0; array && i < length; ++i) out.push_back(gobj::Ref<ValueObject>::adopt(array[i]));
    g_free(array);
    return out;
}
inline gint get_field_count(gpointer r) { return tarvelin_providers_contracts_idata_reader_get_field_count(detail::c(r)); }
inline bool get_is_closed(gpointer r) { return tarvelin_providers_contracts_idata_reader_get_is_closed(detail::c(r)); }

}  // namespace idata_reader

}  // namespace tarvelin::providers::contracts

