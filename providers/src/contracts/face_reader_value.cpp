// The default get_value and the value classes of each DataType.
#include "providers/contracts/reader_cells.hpp"
#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_enum.hpp"
#include "providers/contracts/value_geometry.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"

TARVELIN_LOG_TAG("face_reader_value")

namespace tarvelin::providers::contracts {

namespace cells {

gobj::Ref<ValueObject> from_integer(DataType type, gint64 v) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
            return ValueBoolean::create(v != 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
            return ValueInt8::create(static_cast<gint8>(v));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
            return ValueInt16::create(static_cast<gint16>(v));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
            return ValueInt32::create(static_cast<gint32>(v));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
            return ValueUInt8::create(static_cast<guint8>(v));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
            return ValueUInt16::create(static_cast<guint16>(v));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
            return ValueUInt32::create(static_cast<guint32>(v));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            return ValueUInt64::create(static_cast<guint64>(v));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
            return ValueTimeSpan::create(v);
        default:
            return ValueInt64::create(v);
    }
}

gobj::Ref<ValueObject> from_real(DataType type, double v) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
            return ValueMoney::create(v);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
            return ValueDecimal::create(v);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            return ValueFloat::create(static_cast<float>(v));
        default:
            return ValueDouble::create(v);
    }
}

gobj::Ref<ValueObject> from_real(DataType type, double v, std::string_view server_text) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
            return ValueMoney::create_exact(v, server_text);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
            return ValueDecimal::create_exact(v, server_text);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            return ValueFloat::create_exact(static_cast<float>(v), server_text);
        default:
            return ValueDouble::create_exact(v, server_text);
    }
}

gobj::Ref<ValueObject> from_text(DataType type, std::string t) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM:
            return ValueEnum::create(std::move(t));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS:
            return ValueFlags::create(std::move(t));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET:
            return ValueSet::create(std::move(t));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING:
            return ValueUtf16::create_string(t);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML:
            return ValueXml::create(std::move(t));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID:
            return ValueUuid::create_uuid(std::move(t));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
            return ValueJson::create(std::move(t));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY:
            return ValueGeometry::create(std::move(t));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY:
            return ValueGeography::create(std::move(t));
        default:
            return ValueString::create(std::move(t));
    }
}

gobj::Ref<ValueObject> from_bytes(DataType type, const guint8* data, gint32 length) {
    if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB) return ValueBlob::create(data, length);
    return ValueBinary::create(data, length);
}

gobj::Ref<ValueObject> from_date(const GDate& date) { return ValueDate::create_date(&date); }

gobj::Ref<ValueObject> from_date_time(DataType type, GDateTime* dt, gint fraction_digits) {
    // A row slot must never be empty: a getter that yields no date-time gives SQL NULL.
    if (!dt) return ValueNull::create();
    gobj::Ref<ValueDateTime> v;
    if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME)
        v = ValueTime::create_time(dt);
    else
        v = ValueDateTime::create_datetime(dt);
    if (v) v->set_fraction_digits(fraction_digits);
    return v;
}

namespace {
// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
constexpr gint64 days_from_civil(gint64 y, int m, int d) {
    y -= m <= 2;
    const gint64 era = (y >= 0 ? y : y - 399) / 400;
    const gint64 yoe = y - era * 400;
    const gint64 doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const gint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
static_assert(days_from_civil(1970, 1, 1) == 0 && days_from_civil(2000, 3, 1) == 11017);

bool digits(const char* p, int count, int& value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9') return false;
        value = value * 10 + (p[i] - '0');
    }
    return true;
}
}  // namespace

bool plain_utc_microseconds(const char* s, std::size_t n, gint64& out) {
    int year, month, day, hour, minute, second;
    if (!s || n < 19 || n > 26 || !digits(s, 4, year) || s[4] != '-' || !digits(s + 5, 2, month) || s[7] != '-' ||
        !digits(s + 8, 2, day) || (s[10] != ' ' && s[10] != 'T') || !digits(s + 11, 2, hour) || s[13] != ':' ||
        !digits(s + 14, 2, minute) || s[16] != ':' || !digits(s + 17, 2, second))
        return false;
    guint64 v = static_cast<guint64>(second), divisor = 1;
    if (n > 19) {
        if (s[19] != '.' || n == 20) return false;
        for (std::size_t i = 20; i < n; ++i) {
            if (s[i] < '0' || s[i] > '9') return false;
            v = v * 10 + static_cast<guint64>(s[i] - '0');
            divisor *= 10;
        }
    }
    if (year < 1 || month < 1 || month > 12 || day < 1 ||
        day > g_date_get_days_in_month(static_cast<GDateMonth>(month), static_cast<GDateYear>(year)) || hour > 23 ||
        minute > 59 || second > 59)
        return false;
    // The seconds as GLib's parser reads them and as g_date_time_new rounds them.
    const double seconds = static_cast<double>(v) / static_cast<double>(divisor);
    gint64 usec = static_cast<gint64>(seconds * G_USEC_PER_SEC);
    if ((usec + 1) * 1e-6 <= seconds) ++usec;
    out = (days_from_civil(year, month, day) * 86400 + hour * 3600 + minute * 60) * G_USEC_PER_SEC + usec;
    return true;
}

}  // namespace cells

namespace {

// Makes the value object at once.
struct ObjectSink {
    using R = gobj::Ref<ValueObject>;
    R null() { return ValueNull::create(); }
    R integer(DataType t, gint64 v) { return cells::from_integer(t, v); }
    R real(DataType t, double v) { return cells::from_real(t, v); }
    R exact_real(DataType t, double v, std::string_view text) { return cells::from_real(t, v, text); }
    // A getter that gives no text makes no cell of its class.
    R text(DataType t, std::optional<std::string> v) { return v ? cells::from_text(t, std::move(*v)) : null(); }
    R bytes(DataType t, const std::vector<guint8>& v) {
        return cells::from_bytes(t, v.data(), static_cast<gint32>(v.size()));
    }
    R date(const GDate& d) { return cells::from_date(d); }
    R date_time(DataType t, const gobj::DateTime& dt, gint digits) { return cells::from_date_time(t, dt.get(), digits); }
    R variant(R v) { return v ? v : null(); }
};

}  // namespace

namespace {
// Through the interface, and beside a number the server's digits where the reader is one
// of ours that has them.
struct ThroughInterfaceWithDigits : cells::ThroughInterface {
    IDataReader* self;
    gint fraction_digits(guint16 o) const { return self ? self->fraction_digits(o) : -1; }
    bool holds_text_of_no_date(guint16 o) const { return self && self->holds_text_of_no_date(o); }
    template <auto Slot, auto Member, class Sink>
    decltype(auto) date_time_cell(DataType t, guint16 o, Sink& sink) const {
        return sink.date_time(t, gobj::call<Slot>(reader, o), fraction_digits(o));
    }
    template <auto Slot, auto Member, class Sink>
    decltype(auto) real_cell(DataType t, guint16 o, Sink& sink) const {
        const double value = gobj::call<Slot>(reader, o);
        const char* data = nullptr;
        std::size_t length = 0;
        if (self && self->peek_number_text(o, data, length)) return sink.exact_real(t, value, std::string_view(data, length));
        return sink.real(t, value);
    }
};
}  // namespace

gobj::Ref<ValueObject> IDataReader::default_value(gpointer reader, guint16 ordinal) {
    ObjectSink sink;
    return cells::read_cell(ThroughInterfaceWithDigits{{reader}, gobj::cast<IDataReader>(reader)}, ordinal, sink);
}

}  // namespace tarvelin::providers::contracts
