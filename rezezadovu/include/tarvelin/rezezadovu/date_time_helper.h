/* The current local time in fixed text forms, and time spans as text. */
#pragma once

#include <tarvelin/providers/base.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_HELPERS_TYPE_DATE_TIME_HELPER (tarvelin_rezezadovu_helpers_date_time_helper_get_type())

TARVELIN_DECLARE_FUNDAMENTAL_TYPE(TarvelinRezezadovuHelpersDateTimeHelper, tarvelin_rezezadovu_helpers_date_time_helper,
                                  TARVELIN_REZEZADOVU_HELPERS, DATE_TIME_HELPER)

/**
 * tarvelin_rezezadovu_helpers_date_time_helper_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
TARVELIN_API gpointer tarvelin_rezezadovu_helpers_date_time_helper_ref(gpointer instance);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_helpers_date_time_helper_unref(gpointer instance);
/**
 * tarvelin_rezezadovu_helpers_param_spec_date_time_helper:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API GParamSpec *tarvelin_rezezadovu_helpers_param_spec_date_time_helper(const gchar *name, const gchar *nick,
                                                                                 const gchar *blurb, GType object_type,
                                                                                 GParamFlags flags);
/**
 * tarvelin_rezezadovu_helpers_value_set_date_time_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
TARVELIN_API void tarvelin_rezezadovu_helpers_value_set_date_time_helper(GValue *value, gpointer v_object);
/**
 * tarvelin_rezezadovu_helpers_value_take_date_time_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
TARVELIN_API void tarvelin_rezezadovu_helpers_value_take_date_time_helper(GValue *value, gpointer v_object);
/**
 * tarvelin_rezezadovu_helpers_value_get_date_time_helper:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API gpointer tarvelin_rezezadovu_helpers_value_get_date_time_helper(const GValue *value);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuHelpersDateTimeHelper *tarvelin_rezezadovu_helpers_date_time_helper_new(void);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuHelpersDateTimeHelper *tarvelin_rezezadovu_helpers_date_time_helper_construct(
    GType object_type);

/**
 * tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string:
 * @format: (not nullable): a text
 *
 * Now in the local time zone, formatted with a g_date_time_format pattern.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string(const gchar *format);
/* Now formatted, ".", then the milliseconds printed with ms_format (one 64-bit integer, e.g. "%03lli"). */
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string_ms:
 * @format: (not nullable): a text
 * @ms_format: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string_ms(const gchar *format,
                                                                                       const gchar *ms_format);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_normal:
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_normal(void);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_compact:
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_compact(void);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_iso8601:
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_iso8601(void);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_normal:
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_normal(void);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_compact:
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_compact(void);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_iso8601:
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_iso8601(void);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_format_time_span:
 *
 * "HH:MM:SS" of a span in microseconds.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_format_time_span(GTimeSpan span);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_micro:
 *
 * "HH:MM:SS.mmm".
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_micro(GTimeSpan span);
/**
 * tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_unit:
 *
 * "1H 2M 3S 4ms" and its shorter forms, translated.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_unit(GTimeSpan span);

G_END_DECLS
