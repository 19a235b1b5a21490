// C face of the date and time cells.
#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_datetime.hpp"

TARVELIN_LOG_TAG("value_datetime_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

using CDateTime = TarvelinProvidersContractsValueDateTime;
using CDate = TarvelinProvidersContractsValueDate;
using CTime = TarvelinProvidersContractsValueTime;
using CTimeSpan = TarvelinProvidersContractsValueTimeSpan;

extern "C" {

GType tarvelin_providers_contracts_value_date_time_get_type(void) { return ValueDateTime::gtype(); }
GType tarvelin_providers_contracts_value_date_get_type(void) { return ValueDate::gtype(); }
GType tarvelin_providers_contracts_value_time_get_type(void) { return ValueTime::gtype(); }
GType tarvelin_providers_contracts_value_time_span_get_type(void) { return ValueTimeSpan::gtype(); }

// ---------------------------------------------------------------- ValueDateTime

CDateTime* tarvelin_providers_contracts_value_date_time_construct(GType object_type) {
    return hand_over<CDateTime>(G_STRFUNC, [&] { return ValueDateTime::create(object_type); });
}
CDateTime* tarvelin_providers_contracts_value_date_time_new(void) {
    return tarvelin_providers_contracts_value_date_time_construct(ValueDateTime::gtype());
}
CDateTime* tarvelin_providers_contracts_value_date_time_construct_datetime(GType object_type, GDateTime* datetime) {
    g_return_val_if_fail(datetime != NULL, NULL);
    return hand_over<CDateTime>(G_STRFUNC, [&] { return ValueDateTime::create_datetime(datetime, object_type); });
}
CDateTime* tarvelin_providers_contracts_value_date_time_new_datetime(GDateTime* datetime) {
    return tarvelin_providers_contracts_value_date_time_construct_datetime(ValueDateTime::gtype(), datetime);
}
CDateTime* tarvelin_providers_contracts_value_date_time_construct_iso8601(GType object_type, const gchar* datetime) {
    g_return_val_if_fail(datetime != NULL, NULL);
    return hand_over<CDateTime>(G_STRFUNC, [&] { return ValueDateTime::create_iso8601(datetime, object_type); });
}
CDateTime* tarvelin_providers_contracts_value_date_time_new_iso8601(const gchar* datetime) {
    return tarvelin_providers_contracts_value_date_time_construct_iso8601(ValueDateTime::gtype(), datetime);
}
CDateTime* tarvelin_providers_contracts_value_date_time_construct_utc(GType object_type, gint year, gint month, gint day,
                                                                       gint hour, gint minute, gint seconds) {
    return hand_over<CDateTime>(G_STRFUNC, [&] {
        return ValueDateTime::create_utc(year, month, day, hour, minute, seconds, object_type);
    });
}
CDateTime* tarvelin_providers_contracts_value_date_time_new_utc(gint year, gint month, gint day, gint hour, gint minute,
                                                                 gint seconds) {
    return tarvelin_providers_contracts_value_date_time_construct_utc(ValueDateTime::gtype(), year, month, day, hour,
                                                                      minute, seconds);
}
gchar* tarvelin_providers_contracts_value_date_time_format(CDateTime* self, const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(format != NULL, NULL);
    return gobj::guarded(G_STRFUNC, [&] { return gobj::dup_string(cast<ValueDateTime>(self)->format(format)); });
}
GDateTime* tarvelin_providers_contracts_value_date_time_get_itsvalue(CDateTime* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<ValueDateTime>(self)->get_itsvalue();
}
void tarvelin_providers_contracts_value_date_time_set_itsvalue(CDateTime* self, GDateTime* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { cast<ValueDateTime>(self)->set_itsvalue(value); });
}

// ---------------------------------------------------------------- ValueDate

CDate* tarvelin_providers_contracts_value_date_construct(GType object_type) {
    return hand_over<CDate>(G_STRFUNC, [&] { return ValueDate::create(object_type); });
}
CDate* tarvelin_providers_contracts_value_date_new(void) {
    return tarvelin_providers_contracts_value_date_construct(ValueDate::gtype());
}
CDate* tarvelin_providers_contracts_value_date_construct_dmy(GType object_type, gint year, gint month, gint day) {
    return hand_over<CDate>(G_STRFUNC, [&] { return ValueDate::create_dmy(year, month, day, object_type); });
}
CDate* tarvelin_providers_contracts_value_date_new_dmy(gint year, gint month, gint day) {
    return tarvelin_providers_contracts_value_date_construct_dmy(ValueDate::gtype(), year, month, day);
}
CDate* tarvelin_providers_contracts_value_date_construct_date(GType object_type, GDate* date) {
    g_return_val_if_fail(date != NULL, NULL);
    return hand_over<CDate>(G_STRFUNC, [&] { return ValueDate::create_date(date, object_type); });
}
CDate* tarvelin_providers_contracts_value_date_new_date(GDate* date) {
    return tarvelin_providers_contracts_value_date_construct_date(ValueDate::gtype(), date);
}
CDate* tarvelin_providers_contracts_value_date_construct_iso8601(GType object_type, const gchar* date) {
    g_return_val_if_fail(date != NULL, NULL);
    return hand_over<CDate>(G_STRFUNC, [&] { return ValueDate::create_iso8601(date, object_type); });
}
CDate* tarvelin_providers_contracts_value_date_new_iso8601(const gchar* date) {
    return tarvelin_providers_contracts_value_date_construct_iso8601(ValueDate::gtype(), date);
}

// ---------------------------------------------------------------- ValueTime

CTime* tarvelin_providers_contracts_value_time_construct(GType object_type) {
    return hand_over<CTime>(G_STRFUNC, [&] { return ValueTime::create(object_type); });
}
CTime* tarvelin_providers_contracts_value_time_new(void) {
    return tarvelin_providers_contracts_value_time_construct(ValueTime::gtype());
}
CTime* tarvelin_providers_contracts_value_time_construct_hms(GType object_type, gint hour, gint minute,
                                                             gdouble seconds) {
    return hand_over<CTime>(G_STRFUNC, [&] { return ValueTime::create_hms(hour, minute, seconds, object_type); });
}
CTime* tarvelin_providers_contracts_value_time_new_hms(gint hour, gint minute, gdouble seconds) {
    return tarvelin_providers_contracts_value_time_construct_hms(ValueTime::gtype(), hour, minute, seconds);
}
CTime* tarvelin_providers_contracts_value_time_construct_time(GType object_type, GDateTime* datetime) {
    g_return_val_if_fail(datetime != NULL, NULL);
    return hand_over<CTime>(G_STRFUNC, [&] { return ValueTime::create_time(datetime, object_type); });
}
CTime* tarvelin_providers_contracts_value_time_new_time(GDateTime* datetime) {
    return tarvelin_providers_contracts_value_time_construct_time(ValueTime::gtype(), datetime);
}

// ---------------------------------------------------------------- ValueTimeSpan

CTimeSpan* tarvelin_providers_contracts_value_time_span_construct_interval(GType object_type, gint count,
                                                                           GTimeSpan span) {
    return hand_over<CTimeSpan>(G_STRFUNC, [&] { return ValueTimeSpan::create_interval(count, span, object_type); });
}
CTimeSpan* tarvelin_providers_contracts_value_time_span_new_interval(gint count, GTimeSpan span) {
    return tarvelin_providers_contracts_value_time_span_construct_interval(ValueTimeSpan::gtype(), count, span);
}
CTimeSpan* tarvelin_providers_contracts_value_time_span_construct(GType object_type, GTimeSpan span) {
    return tarvelin_providers_contracts_value_time_span_construct_interval(object_type, 0, span);
}
CTimeSpan* tarvelin_providers_contracts_value_time_span_new(GTimeSpan span) {
    return tarvelin_providers_contracts_value_time_span_construct(ValueTimeSpan::gtype(), span);
}
GTimeSpan tarvelin_providers_contracts_value_time_span_get_itsvalue(CTimeSpan* self) {
    g_return_val_if_fail(self != NULL, 0);
    return cast<ValueTimeSpan>(self)->get_itsvalue();
}
void tarvelin_providers_contracts_value_time_span_set_itsvalue(CTimeSpan* self, GTimeSpan value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { cast<ValueTimeSpan>(self)->set_itsvalue(value); });
}

}  // extern "C"
