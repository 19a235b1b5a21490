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

using V = IDataReader::Vtable;

// Texts are new; a getter that gives no text makes no cell of its class.
template <auto Getter>
std::optional<std::string> text(gpointer reader, guint16 ordinal) {
    return gobj::call<Getter, gobj::nullable>(reader, ordinal);
}

template <class Value, auto Getter>
gobj::Ref<ValueObject> text_value(gpointer reader, guint16 ordinal) {
    auto t = text<Getter>(reader, ordinal);
    if (!t) return ValueNull::create();
    return Value::create(std::move(*t));
}

template <class Value>
gobj::Ref<ValueObject> bytes_value(gpointer reader, guint16 ordinal) {
    std::vector<guint8> bytes = gobj::call<&V::get_binary>(reader, ordinal);
    return Value::create(bytes.data(), static_cast<gint>(bytes.size()));
}

// A row slot must never be empty: a getter that yields no date-time gives SQL NULL.
template <auto Getter, class Make>
gobj::Ref<ValueObject> date_time_value(gpointer reader, guint16 ordinal, Make make) {
    gobj::DateTime dt = gobj::call<Getter>(reader, ordinal);
    if (!dt) return ValueNull::create();
    return make(dt.get());
}

gobj::Ref<ValueObject> date_time(GDateTime* dt) { return ValueDateTime::create_datetime(dt); }

}  // namespace

gobj::Ref<ValueObject> IDataReader::default_value(gpointer reader, guint16 ordinal) {
    if (gobj::call<&V::is_null>(reader, ordinal)) return ValueNull::create();
    switch (gobj::call<&V::get_data_type>(reader, ordinal)) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
            return ValueBoolean::create(gobj::call<&V::get_boolean>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
            return ValueInt8::create(gobj::call<&V::get_int8>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
            return ValueInt16::create(gobj::call<&V::get_int16>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
            return ValueInt32::create(gobj::call<&V::get_int32, gobj::empty_value<-1>>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
            return ValueInt64::create(gobj::call<&V::get_int64>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
            return ValueUInt8::create(gobj::call<&V::get_uint8>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
            return ValueUInt16::create(gobj::call<&V::get_uint16>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
            return ValueUInt32::create(gobj::call<&V::get_uint32>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            return ValueUInt64::create(gobj::call<&V::get_uint64>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM:
            return text_value<ValueEnum, &V::get_enum>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS:
            return text_value<ValueFlags, &V::get_flag>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET:
            return text_value<ValueSet, &V::get_set>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
            return ValueMoney::create(gobj::call<&V::get_money>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
            return ValueDecimal::create(gobj::call<&V::get_decimal>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            return ValueFloat::create(gobj::call<&V::get_float>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
            return ValueDouble::create(gobj::call<&V::get_double>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: {
            GDate date;
            g_date_clear(&date, 1);
            gobj::call<&V::get_date>(reader, ordinal, date);
            return ValueDate::create_date(&date);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
            return date_time_value<&V::get_time>(
                reader, ordinal, [](GDateTime* dt) -> gobj::Ref<ValueObject> { return ValueTime::create_time(dt); });
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
            return date_time_value<&V::get_datetime>(reader, ordinal, date_time);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
            return ValueTimeSpan::create(gobj::call<&V::get_timespan, gobj::empty_value<0>>(reader, ordinal));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
            return date_time_value<&V::get_timestamp>(reader, ordinal, date_time);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING: {
            auto t = text<&V::get_string16>(reader, ordinal);
            if (!t) return ValueNull::create();
            return ValueUtf16::create_string(*t);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML:
            return text_value<ValueXml, &V::get_xml>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID: {
            auto t = text<&V::get_guid>(reader, ordinal);
            if (!t) return ValueNull::create();
            return ValueUuid::create_uuid(std::move(*t));
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
            return text_value<ValueJson, &V::get_json>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY:
            return text_value<ValueGeometry, &V::get_geometry>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY:
            return text_value<ValueGeography, &V::get_geography>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT:
            return bytes_value<ValueBinary>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB:
            return bytes_value<ValueBlob>(reader, ordinal);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT: {
            auto v = gobj::call<&V::get_variant>(reader, ordinal);
            return v ? v : gobj::Ref<ValueObject>(ValueNull::create());
        }
        default:
            // UNKNOWN, DBNULL, STRING, POINTER, ARRAY, ERROR and numbers outside the vocabulary.
            return text_value<ValueString, &V::get_string>(reader, ordinal);
    }
}

}  // namespace tarvelin::providers::contracts
