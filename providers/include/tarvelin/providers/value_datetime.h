/* Date and time cells: date-time, date, time of day and time span. */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE_TIME (tarvelin_providers_contracts_value_date_time_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_DATE (tarvelin_providers_contracts_value_date_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME (tarvelin_providers_contracts_value_time_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_TIME_SPAN (tarvelin_providers_contracts_value_time_span_get_type())

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueDateTime, tarvelin_providers_contracts_value_date_time,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_DATE_TIME, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueDate, tarvelin_providers_contracts_value_date,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_DATE, TarvelinProvidersContractsValueDateTime)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueTime, tarvelin_providers_contracts_value_time,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_TIME, TarvelinProvidersContractsValueDateTime)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueTimeSpan, tarvelin_providers_contracts_value_time_span,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_TIME_SPAN, TarvelinProvidersContractsValueObject)

/**
 * tarvelin_providers_contracts_value_date_time_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDateTime *tarvelin_providers_contracts_value_date_time_new(void);
/**
 * tarvelin_providers_contracts_value_date_time_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDateTime *tarvelin_providers_contracts_value_date_time_construct(
    GType object_type);
/**
 * tarvelin_providers_contracts_value_date_time_new_datetime:
 * @datetime: (not nullable): a #GDateTime
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDateTime *tarvelin_providers_contracts_value_date_time_new_datetime(
    GDateTime *datetime);
/**
 * tarvelin_providers_contracts_value_date_time_construct_datetime:
 * @datetime: (not nullable): a #GDateTime
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDateTime *tarvelin_providers_contracts_value_date_time_construct_datetime(
    GType object_type, GDateTime *datetime);
/**
 * tarvelin_providers_contracts_value_date_time_new_iso8601:
 * @datetime: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDateTime *tarvelin_providers_contracts_value_date_time_new_iso8601(
    const gchar *datetime);
/**
 * tarvelin_providers_contracts_value_date_time_construct_iso8601:
 * @datetime: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDateTime *tarvelin_providers_contracts_value_date_time_construct_iso8601(
    GType object_type, const gchar *datetime);
/**
 * tarvelin_providers_contracts_value_date_time_new_utc:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDateTime *tarvelin_providers_contracts_value_date_time_new_utc(
    gint year, gint month, gint day, gint hour, gint minute, gint seconds);
/**
 * tarvelin_providers_contracts_value_date_time_construct_utc:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDateTime *tarvelin_providers_contracts_value_date_time_construct_utc(
    GType object_type, gint year, gint month, gint day, gint hour, gint minute, gint seconds);
/**
 * tarvelin_providers_contracts_value_date_time_format:
 * @self: (not nullable): the instance
 * @format: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_contracts_value_date_time_format(TarvelinProvidersContractsValueDateTime *self,
                                                                       const gchar *format);
/* Borrowed; NULL when the value holds none. */
/**
 * tarvelin_providers_contracts_value_date_time_get_itsvalue:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GDateTime *tarvelin_providers_contracts_value_date_time_get_itsvalue(
    TarvelinProvidersContractsValueDateTime *self);
/**
 * tarvelin_providers_contracts_value_date_time_set_itsvalue:
 * @self: (not nullable): the instance
 * @value: (nullable): a #GDateTime
 */
TARVELIN_API void tarvelin_providers_contracts_value_date_time_set_itsvalue(
    TarvelinProvidersContractsValueDateTime *self, GDateTime *value);

/**
 * tarvelin_providers_contracts_value_date_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDate *tarvelin_providers_contracts_value_date_new(void);
/**
 * tarvelin_providers_contracts_value_date_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDate *tarvelin_providers_contracts_value_date_construct(GType object_type);
/**
 * tarvelin_providers_contracts_value_date_new_dmy:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDate *tarvelin_providers_contracts_value_date_new_dmy(gint year, gint month,
                                                                                                 gint day);
/**
 * tarvelin_providers_contracts_value_date_construct_dmy:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDate *tarvelin_providers_contracts_value_date_construct_dmy(
    GType object_type, gint year, gint month, gint day);
/**
 * tarvelin_providers_contracts_value_date_new_date:
 * @date: (not nullable): a #GDate
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDate *tarvelin_providers_contracts_value_date_new_date(GDate *date);
/**
 * tarvelin_providers_contracts_value_date_construct_date:
 * @date: (not nullable): a #GDate
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDate *tarvelin_providers_contracts_value_date_construct_date(
    GType object_type, GDate *date);
/**
 * tarvelin_providers_contracts_value_date_new_iso8601:
 * @date: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDate *tarvelin_providers_contracts_value_date_new_iso8601(
    const gchar *date);
/**
 * tarvelin_providers_contracts_value_date_construct_iso8601:
 * @date: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDate *tarvelin_providers_contracts_value_date_construct_iso8601(
    GType object_type, const gchar *date);

/**
 * tarvelin_providers_contracts_value_time_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTime *tarvelin_providers_contracts_value_time_new(void);
/**
 * tarvelin_providers_contracts_value_time_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTime *tarvelin_providers_contracts_value_time_construct(GType object_type);
/**
 * tarvelin_providers_contracts_value_time_new_hms:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTime *tarvelin_providers_contracts_value_time_new_hms(gint hour,
                                                                                                 gint minute,
                                                                                                 gdouble seconds);
/**
 * tarvelin_providers_contracts_value_time_construct_hms:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTime *tarvelin_providers_contracts_value_time_construct_hms(
    GType object_type, gint hour, gint minute, gdouble seconds);
/**
 * tarvelin_providers_contracts_value_time_new_time:
 * @datetime: (not nullable): a #GDateTime
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTime *tarvelin_providers_contracts_value_time_new_time(
    GDateTime *datetime);
/**
 * tarvelin_providers_contracts_value_time_construct_time:
 * @datetime: (not nullable): a #GDateTime
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTime *tarvelin_providers_contracts_value_time_construct_time(
    GType object_type, GDateTime *datetime);

/**
 * tarvelin_providers_contracts_value_time_span_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTimeSpan *tarvelin_providers_contracts_value_time_span_new(GTimeSpan span);
/**
 * tarvelin_providers_contracts_value_time_span_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTimeSpan *tarvelin_providers_contracts_value_time_span_construct(
    GType object_type, GTimeSpan span);
/**
 * tarvelin_providers_contracts_value_time_span_new_interval:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTimeSpan *tarvelin_providers_contracts_value_time_span_new_interval(
    gint count, GTimeSpan span);
/**
 * tarvelin_providers_contracts_value_time_span_construct_interval:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueTimeSpan *tarvelin_providers_contracts_value_time_span_construct_interval(
    GType object_type, gint count, GTimeSpan span);
/**
 * tarvelin_providers_contracts_value_time_span_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API GTimeSpan tarvelin_providers_contracts_value_time_span_get_itsvalue(
    TarvelinProvidersContractsValueTimeSpan *self);
/**
 * tarvelin_providers_contracts_value_time_span_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_time_span_set_itsvalue(
    TarvelinProvidersContractsValueTimeSpan *self, GTimeSpan value);

G_END_DECLS
