/* The current local time in fixed text forms, and time spans as text. */
#pragma once

#include <tarvelin/providers/base.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_HELPERS_TYPE_DATE_TIME_HELPER (tarvelin_rezezadovu_helpers_date_time_helper_get_type())

TARVELIN_DECLARE_FUNDAMENTAL_TYPE(TarvelinRezezadovuHelpersDateTimeHelper, tarvelin_rezezadovu_helpers_date_time_helper,
                                  TARVELIN_REZEZADOVU_HELPERS, DATE_TIME_HELPER)

TARVELIN_API gpointer tarvelin_rezezadovu_helpers_date_time_helper_ref(gpointer instance);
TARVELIN_API void tarvelin_rezezadovu_helpers_date_time_helper_unref(gpointer instance);
TARVELIN_API GParamSpec *tarvelin_rezezadovu_helpers_param_spec_date_time_helper(const gchar *name, const gchar *nick,
                                                                                const gchar *blurb, GType object_type,
                                                                                GParamFlags flags);
TARVELIN_API void tarvelin_rezezadovu_helpers_value_set_date_time_helper(GValue *value, gpointer v_object);
TARVELIN_API void tarvelin_rezezadovu_helpers_value_take_date_time_helper(GValue *value, gpointer v_object);
TARVELIN_API gpointer tarvelin_rezezadovu_helpers_value_get_date_time_helper(const GValue *value);
TARVELIN_API TarvelinRezezadovuHelpersDateTimeHelper *tarvelin_rezezadovu_helpers_date_time_helper_new(void);
TARVELIN_API TarvelinRezezadovuHelpersDateTimeHelper *tarvelin_rezezadovu_helpers_date_time_helper_construct(
    GType object_type);

/* Now in the local time zone, formatted with a g_date_time_format pattern. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string(const gchar *format);
/* Now formatted, ".", then the milliseconds printed with ms_format (one 64-bit integer, e.g. "%03lli"). */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string_ms(const gchar *format,
                                                                                      const gchar *ms_format);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_normal(void);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_compact(void);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_iso8601(void);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_normal(void);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_compact(void);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_iso8601(void);
/* "HH:MM:SS" of a span in microseconds. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_format_time_span(GTimeSpan span);
/* "HH:MM:SS.mmm". */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_micro(GTimeSpan span);
/* "1H 2M 3S 4ms" and its shorter forms, translated. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_unit(GTimeSpan span);

G_END_DECLS
