// The default get_value: the column's DataType picks the getter and the value class.
#include "providers/contracts/face_reader.hpp"
#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_enum.hpp"
#include "providers/contracts/value_geometry.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"

TARVELIN_LOG_TAG("face_reader_value")

namespace tarvelin::providers::contracts {

namespace {

using idata_reader::detail::call;

// Texts and buffers are new; a getter that gives no text makes no cell of its class.
std::optional<std::string> text(gchar* (*getter)(TarvelinProvidersContractsIDataReader*, guint16, GError**),
                                gpointer reader, guint16 ordinal) {
    return gobj::take_optional(call(getter, reader, ordinal));
}

template <class V>
gobj::Ref<ValueObject> text_value(gchar* (*getter)(TarvelinProvidersContractsIDataReader*, guint16, GError**),
                                  gpointer reader, guint16 ordinal) {
    auto t = text(getter, reader, ordinal);
    if (!t) return ValueNull::create();
    return V::create(std::move(*t));
}

template <class V>
gobj::Ref<ValueObject> bytes_value(gpointer reader, guint16 ordinal) {
    gint length = 0;
    guint8* bytes = call(&tarvelin_providers_contracts_idata_reader_get_binary, reader, ordinal, &length);
    auto v = V::create(bytes, length);
    g_free(bytes);
    return v;
}

// A row slot must never be empty: a getter that yields no date-time gives SQL NULL.
template <class Make>
gobj::Ref<ValueObject> date_time_value(GDateTime* (*getter)(TarvelinProvidersContractsIDataReader*, guint16, GError**),
                                       gpointer reader, guint16 ordinal, Make make) {
    DateTimePtr dt(call(getter, reader, ordinal));
    if (!dt) return ValueNull::create();
    return make(dt.get());
}

gobj::Ref<ValueObject> date_time(GDateTime* dt) { return ValueDateTime::create_datetime(dt); }

}  // namespace

gobj::Ref<ValueObject> IDataReader::value_of(gpointer reader, guint16 ordinal) {
    if (idata_reader::is_null(reader, ordinal)) return ValueNull::create();
    switch (idata_reader::get_data_type(reader, ordinal)) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
            return ValueBoolean::create(call(&tarvelin_providers_contracts_idata_reader_get_boolean, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
            return ValueInt8::create(call(&tarvelin_providers_contracts_idata_reader_get_int8, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
            return ValueInt16::create(call(&tarvelin_providers_contracts_idata_reader_get_int16, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
            return ValueInt32::create(call(&tarvelin_providers_contracts_idata_reader_get_int32, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
            return ValueInt64::create(call(&tarvelin_providers_contracts_idata_reader_get_int64, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
            return ValueUInt8::create(call(&tarvelin_providers_contracts_idata_reader_get_uint8, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
            return ValueUInt16::create(call(&tarvelin_providers_contracts_idata_reader_get_uint16, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
            return ValueUInt32::create(call(&tarvelin_providers_contracts_idata_reader_get_uint32, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            return ValueUInt64::create(call(&tarvelin_providers_contracts_idata_reader_get_uint64, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM:
            return text_value<ValueEnum>(&tarvelin_providers_contracts_idata_reader_get_enum, reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS:
            return text_value<ValueFlags>(&tarvelin_providers_contracts_idata_reader_get_flag, reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET:
            return text_value<ValueSet>(&tarvelin_providers_contracts_idata_reader_get_set, reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
            return ValueMoney::create(call(&tarvelin_providers_contracts_idata_reader_get_money, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
            return ValueDecimal::create(call(&tarvelin_providers_contracts_idata_reader_get_decimal, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            return ValueFloat::create(call(&tarvelin_providers_contracts_idata_reader_get_float, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
            return ValueDouble::create(call(&tarvelin_providers_contracts_idata_reader_get_double, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: {
            GDate date;
            g_date_clear(&date, 1);
            call(&tarvelin_providers_contracts_idata_reader_get_date, reader, ordinal, &date);
            return ValueDate::create_date(&date);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
            return date_time_value(&tarvelin_providers_contracts_idata_reader_get_time, reader, ordinal,
                                   [](GDateTime* dt) -> gobj::Ref<ValueObject> { return ValueTime::create_time(dt); });
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
            return date_time_value(&tarvelin_providers_contracts_idata_reader_get_datetime, reader, ordinal, date_time);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
            return ValueTimeSpan::create(call(&tarvelin_providers_contracts_idata_reader_get_timespan, reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
            return date_time_value(&tarvelin_providers_contracts_idata_reader_get_timestamp, reader, ordinal, date_time);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING: {
            auto t = text(&tarvelin_providers_contracts_idata_reader_get_string16, reader, ordinal);
            if (!t) return ValueNull::create();
            return ValueUtf16::create_string(*t);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML:
            return text_value<ValueXml>(&tarvelin_providers_contracts_idata_reader_get_xml, reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID: {
            auto t = text(&tarvelin_providers_contracts_idata_reader_get_guid, reader, ordinal);
            if (!t) return ValueNull::create();
            return ValueUuid::create_uuid(std::move(*t));
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
            return text_value<ValueJson>(&tarvelin_providers_contracts_idata_reader_get_json, reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY:
            return text_value<ValueGeometry>(&tarvelin_providers_contracts_idata_reader_get_geometry, reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY:
            return text_value<ValueGeography>(&tarvelin_providers_contracts_idata_reader_get_geography, reader,
                                              ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT:
            return bytes_value<ValueBinary>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB:
            return bytes_value<ValueBlob>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT: {
            auto v = gobj::Ref<ValueObject>::adopt(
                call(&tarvelin_providers_contracts_idata_reader_get_variant, reader, ordinal));
            return v ? v : gobj::Ref<ValueObject>(ValueNull::create());
        }
        default:
            // UNKNOWN, DBNULL, STRING, POINTER, ARRAY, ERROR and numbers outside the vocabulary.
            return text_value<ValueString>(&tarvelin_providers_contracts_idata_reader_get_string, reader, ordinal);
    }
}

}  // namespace tarvelin::providers::contracts
