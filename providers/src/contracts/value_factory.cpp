// The value factory: a cell of any data type from a text, or the type's default.
#include <locale.h>
#include <stdlib.h>

#include <cmath>
#include <cfloat>
#include <limits>

#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_factory.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"

TARVELIN_LOG_TAG("value_factory")

namespace tarvelin::providers::contracts {

namespace text_number {

namespace {
// White space as the C library sees it in the "C" locale.
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// Leading white space and an optional sign; returns the position after them.
const char* skip_prefix(const char* p, bool& negative) {
    while (is_space(*p)) ++p;
    negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    return p;
}
}  // namespace

gint32 atoi32(const char* text) {
    bool negative = false;
    const char* p = skip_prefix(text, negative);
    // Accumulate the magnitude, stopping once it is past the 32-bit range.
    constexpr gint64 limit = gint64(G_MAXINT32) + 1;
    gint64 magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude <= limit) magnitude = magnitude * 10 + (*p - '0');
    }
    if (negative) return magnitude >= limit ? G_MININT32 : static_cast<gint32>(-magnitude);
    return magnitude > G_MAXINT32 ? G_MAXINT32 : static_cast<gint32>(magnitude);
}

guint32 strtoul32(const char* text) {
    bool negative = false;
    const char* p = skip_prefix(text, negative);
    int base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && digit_value(p[2]) < 16) {
        base = 16;
        p += 2;
    } else if (p[0] == '0') {
        base = 8;
    }
    guint64 magnitude = 0;
    bool overflow = false;
    for (; digit_value(*p) < base; ++p) {
        magnitude = magnitude * static_cast<guint64>(base) + static_cast<guint64>(digit_value(*p));
        if (magnitude > G_MAXUINT32) {
            overflow = true;
            magnitude = G_MAXUINT32;
        }
    }
    if (overflow) return G_MAXUINT32;
    auto value = static_cast<guint32>(magnitude);
    return negative ? static_cast<guint32>(0u - value) : value;
}

double strtof_widened(const char* text) {
    // Straight to the nearest float: through a double, "3.4028235e38" (the largest float
    // as usually printed) lies above FLT_MAX and became an infinity, and double rounding
    // could miss the nearest float. Only a value beyond the float range is infinite.
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return static_cast<double>(strtof_l(text, nullptr, c_locale));
}

}  // namespace text_number

namespace {

// TIME: hour, minute and seconds of an ISO 8601 date-time (UTC unless the text names a
// zone), read in its own zone; 00:00:00 when the text does not parse.
gobj::Ref<ValueObject> time_of(const char* text) {
    GDateTime* moment = nullptr;
    if (text) {
        GTimeZone* utc = g_time_zone_new_utc();
        moment = g_date_time_new_from_iso8601(text, utc);
        g_time_zone_unref(utc);
    } else {
        moment = g_date_time_new_now_local();
    }
    gint hour = 0, minute = 0;
    double seconds = 0;
    if (moment) {
        hour = g_date_time_get_hour(moment);
        minute = g_date_time_get_minute(moment);
        seconds = g_date_time_get_seconds(moment);
        g_date_time_unref(moment);
    }
    return ValueTime::create_hms(hour, minute, seconds);
}

gint32 text_length(const char* text) { return text ? static_cast<gint32>(strlen(text)) : 0; }

gobj::Ref<ValueObject> make_value(int type, const char* text) {
    using namespace text_number;
    const std::string copy = text ? text : "";
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL: return ValueNull::create();
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN: return ValueBoolean::create(copy == "true");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
            return ValueInt8::create(static_cast<gint8>(text ? atoi32(text) : 0));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
            return ValueInt16::create(static_cast<gint16>(text ? atoi32(text) : 0));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32: return ValueInt32::create(text ? atoi32(text) : 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
            return ValueInt64::create(text ? g_ascii_strtoll(text, nullptr, 0) : 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
            return ValueUInt8::create(static_cast<guint8>(text ? strtoul32(text) : 0));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
            return ValueUInt16::create(static_cast<guint16>(text ? strtoul32(text) : 0));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32: return ValueUInt32::create(text ? strtoul32(text) : 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            return ValueUInt64::create(text ? g_ascii_strtoull(text, nullptr, 0) : 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY: return ValueMoney::create(text ? strtof_widened(text) : 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            return ValueFloat::create(static_cast<float>(text ? strtof_widened(text) : 0));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
            return ValueDouble::create(text ? g_ascii_strtod(text, nullptr) : 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
            if (text) return ValueDate::create_iso8601(copy);
            return ValueDate::create();
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME: return time_of(text);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
            if (text) return ValueDateTime::create_iso8601(copy);
            return ValueDateTime::create();
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
            return ValueTimeSpan::create_interval(0, text ? g_ascii_strtoll(text, nullptr, 0) : 0);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING: return ValueString::create(copy);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID: return ValueUuid::create_uuid(copy);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON: return ValueJson::create(copy);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY: return ValueBinary::create(text, text_length(text));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB: return ValueBlob::create(text, text_length(text));
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT: return ValueObject::create();
        default: return ValueXml::create(copy);
    }
}

}  // namespace

gobj::Ref<ValueObject> IValue::factory(int type, const char* text) { return make_value(type, text); }

}  // namespace tarvelin::providers::contracts
