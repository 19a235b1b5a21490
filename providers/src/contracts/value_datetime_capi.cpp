// C face of the date and time cells.
//
// The TARVELIN_VALUE_DATE_TIME_PROPERTIES row makes tarvelin_providers_contracts_value_date_time_get_itsvalue
// and tarvelin_providers_contracts_value_date_time_set_itsvalue; the TARVELIN_VALUE_TIME_SPAN_PROPERTIES
// row makes tarvelin_providers_contracts_value_time_span_get_itsvalue and
// tarvelin_providers_contracts_value_time_span_set_itsvalue. TARVELIN_CLASS_CAPI makes
// tarvelin_providers_contracts_value_date_time_get_type, tarvelin_providers_contracts_value_date_time_construct,
// tarvelin_providers_contracts_value_date_time_new, tarvelin_providers_contracts_value_date_get_type,
// tarvelin_providers_contracts_value_date_construct, tarvelin_providers_contracts_value_date_new,
// tarvelin_providers_contracts_value_time_get_type, tarvelin_providers_contracts_value_time_construct and
// tarvelin_providers_contracts_value_time_new.
#include "providers/contracts/value_datetime.hpp"

TARVELIN_LOG_TAG("value_datetime_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

using CDateTime = TarvelinProvidersContractsValueDateTime;
using CDate = TarvelinProvidersContractsValueDate;
using CTime = TarvelinProvidersContractsValueTime;
using CTimeSpan = TarvelinProvidersContractsValueTimeSpan;

extern "C" {

// ---------------------------------------------------------------- ValueDateTime

TARVELIN_CLASS_CAPI(ValueDateTime, CDateTime, tarvelin_providers_contracts_value_date_time)

#define TARVELIN_CAPI_CLASS ValueDateTime
#define TARVELIN_CAPI_CTYPE CDateTime
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_date_time
TARVELIN_VALUE_DATE_TIME_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

CDateTime* tarvelin_providers_contracts_value_date_time_construct_datetime(GType object_type, GDateTime* datetime) {
    g_return_val_if_fail(datetime != NULL, NULL);
    return gobj::invoke<&ValueDateTime::create_datetime>(G_STRFUNC, datetime, object_type);
}
CDateTime* tarvelin_providers_contracts_value_date_time_new_datetime(GDateTime* datetime) {
    return tarvelin_providers_contracts_value_date_time_construct_datetime(ValueDateTime::gtype(), datetime);
}
CDateTime* tarvelin_providers_contracts_value_date_time_construct_iso8601(GType object_type, const gchar* datetime) {
    g_return_val_if_fail(datetime != NULL, NULL);
    return gobj::invoke<&ValueDateTime::create_iso8601>(G_STRFUNC, datetime, object_type);
}
CDateTime* tarvelin_providers_contracts_value_date_time_new_iso8601(const gchar* datetime) {
    return tarvelin_providers_contracts_value_date_time_construct_iso8601(ValueDateTime::gtype(), datetime);
}
CDateTime* tarvelin_providers_contracts_value_date_time_construct_utc(GType object_type, gint year, gint month, gint day,
                                                                       gint hour, gint minute, gint seconds) {
    return gobj::invoke<&ValueDateTime::create_utc>(G_STRFUNC, year, month, day, hour, minute, seconds, object_type);
}
CDateTime* tarvelin_providers_contracts_value_date_time_new_utc(gint year, gint month, gint day, gint hour, gint minute,
                                                                 gint seconds) {
    return tarvelin_providers_contracts_value_date_time_construct_utc(ValueDateTime::gtype(), year, month, day, hour,
                                                                      minute, seconds);
}
gchar* tarvelin_providers_contracts_value_date_time_format(CDateTime* self, const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(format != NULL, NULL);
    return gobj::invoke<&ValueDateTime::format>(G_STRFUNC, self, format);
}

// ---------------------------------------------------------------- ValueDate

TARVELIN_CLASS_CAPI(ValueDate, CDate, tarvelin_providers_contracts_value_date)

CDate* tarvelin_providers_contracts_value_date_construct_dmy(GType object_type, gint year, gint month, gint day) {
    return gobj::invoke<&ValueDate::create_dmy>(G_STRFUNC, year, month, day, object_type);
}
CDate* tarvelin_providers_contracts_value_date_new_dmy(gint year, gint month, gint day) {
    return tarvelin_providers_contracts_value_date_construct_dmy(ValueDate::gtype(), year, month, day);
}
CDate* tarvelin_providers_contracts_value_date_construct_date(GType object_type, GDate* date) {
    g_return_val_if_fail(date != NULL, NULL);
    return gobj::invoke<&ValueDate::create_date>(G_STRFUNC, date, object_type);
}
CDate* tarvelin_providers_contracts_value_date_new_date(GDate* date) {
    return tarvelin_providers_contracts_value_date_construct_date(ValueDate::gtype(), date);
}
CDate* tarvelin_providers_contracts_value_date_construct_iso8601(GType object_type, const gchar* date) {
    g_return_val_if_fail(date != NULL, NULL);
    return gobj::invoke<&ValueDate::create_iso8601>(G_STRFUNC, date, object_type);
}
CDate* tarvelin_providers_contracts_value_date_new_iso8601(const gchar* date) {
    return tarvelin_providers_contracts_value_date_construct_iso8601(ValueDate::gtype(), date);
}

// ---------------------------------------------------------------- ValueTime

TARVELIN_CLASS_CAPI(ValueTime, CTime, tarvelin_providers_contracts_value_time)

CTime* tarvelin_providers_contracts_value_time_construct_hms(GType object_type, gint hour, gint minute,
                                                             gdouble seconds) {
    return gobj::invoke<&ValueTime::create_hms>(G_STRFUNC, hour, minute, seconds, object_type);
}
CTime* tarvelin_providers_contracts_value_time_new_hms(gint hour, gint minute, gdouble seconds) {
    return tarvelin_providers_contracts_value_time_construct_hms(ValueTime::gtype(), hour, minute, seconds);
}
CTime* tarvelin_providers_contracts_value_time_construct_time(GType object_type, GDateTime* datetime) {
    g_return_val_if_fail(datetime != NULL, NULL);
    return gobj::invoke<&ValueTime::create_time>(G_STRFUNC, datetime, object_type);
}
CTime* tarvelin_providers_contracts_value_time_new_time(GDateTime* datetime) {
    return tarvelin_providers_contracts_value_time_construct_time(ValueTime::gtype(), datetime);
}

// ---------------------------------------------------------------- ValueTimeSpan

#define TARVELIN_CAPI_CLASS ValueTimeSpan
#define TARVELIN_CAPI_CTYPE CTimeSpan
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_time_span
TARVELIN_VALUE_TIME_SPAN_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_time_span_get_type(void) { return ValueTimeSpan::gtype(); }
CTimeSpan* tarvelin_providers_contracts_value_time_span_construct_interval(GType object_type, gint count,
                                                                           GTimeSpan span) {
    return gobj::invoke<&ValueTimeSpan::create_interval>(G_STRFUNC, count, span, object_type);
}
CTimeSpan* tarvelin_providers_contracts_value_time_span_new_interval(gint count, GTimeSpan span) {
    return tarvelin_providers_contracts_value_time_span_construct_interval(ValueTimeSpan::gtype(), count, span);
}
CTimeSpan* tarvelin_providers_contracts_value_time_span_construct(GType object_type, GTimeSpan span) {
    return gobj::invoke<&ValueTimeSpan::create>(G_STRFUNC, span, object_type);
}
CTimeSpan* tarvelin_providers_contracts_value_time_span_new(GTimeSpan span) {
    return tarvelin_providers_contracts_value_time_span_construct(ValueTimeSpan::gtype(), span);
}

}  // extern "C"
