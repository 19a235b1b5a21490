// C face of the date-time helper. TARVELIN_FUNDAMENTAL_CLASS_CAPI makes
//   tarvelin_rezezadovu_helpers_date_time_helper_get_type
//   tarvelin_rezezadovu_helpers_date_time_helper_ref
//   tarvelin_rezezadovu_helpers_date_time_helper_unref
//   tarvelin_rezezadovu_helpers_param_spec_date_time_helper
//   tarvelin_rezezadovu_helpers_value_set_date_time_helper
//   tarvelin_rezezadovu_helpers_value_take_date_time_helper
//   tarvelin_rezezadovu_helpers_value_get_date_time_helper
//   tarvelin_rezezadovu_helpers_date_time_helper_construct
//   tarvelin_rezezadovu_helpers_date_time_helper_new
#include "providers/gobj/fundamental_capi.hpp"
#include "rezezadovu/helpers/helper_date_time.hpp"

TARVELIN_LOG_TAG("helper_date_time_capi")

using namespace tarvelin;
using tarvelin::rezezadovu::helpers::DateTimeHelper;

static_assert(sizeof(TarvelinRezezadovuHelpersDateTimeHelper) == sizeof(gobj::FundamentalInstance));
static_assert(sizeof(TarvelinRezezadovuHelpersDateTimeHelperClass) == sizeof(gobj::FundamentalClass));

extern "C" {

TARVELIN_FUNDAMENTAL_CLASS_CAPI(DateTimeHelper, TarvelinRezezadovuHelpersDateTimeHelper,
                                tarvelin_rezezadovu_helpers_, date_time_helper)

gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string(const gchar* format) {
    g_return_val_if_fail(format != NULL, NULL);
    return gobj::invoke<&DateTimeHelper::datetime_as_string>(G_STRFUNC, format);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string_ms(const gchar* format, const gchar* ms_format) {
    g_return_val_if_fail(format != NULL, NULL);
    g_return_val_if_fail(ms_format != NULL, NULL);
    return gobj::invoke<&DateTimeHelper::datetime_as_string_ms>(G_STRFUNC, format, ms_format);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_normal(void) {
    return gobj::invoke<&DateTimeHelper::datetime_as_normal>(G_STRFUNC);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_compact(void) {
    return gobj::invoke<&DateTimeHelper::datetime_as_compact>(G_STRFUNC);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_iso8601(void) {
    return gobj::invoke<&DateTimeHelper::datetime_as_iso8601>(G_STRFUNC);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_normal(void) {
    return gobj::invoke<&DateTimeHelper::datetime_with_ms_normal>(G_STRFUNC);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_compact(void) {
    return gobj::invoke<&DateTimeHelper::datetime_with_ms_compact>(G_STRFUNC);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_iso8601(void) {
    return gobj::invoke<&DateTimeHelper::datetime_with_ms_iso8601>(G_STRFUNC);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_format_time_span(GTimeSpan span) {
    return gobj::invoke<&DateTimeHelper::format_time_span>(G_STRFUNC, span);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_micro(GTimeSpan span) {
    return gobj::invoke<&DateTimeHelper::format_time_span_micro>(G_STRFUNC, span);
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_unit(GTimeSpan span) {
    return gobj::invoke<&DateTimeHelper::format_time_span_unit>(G_STRFUNC, span);
}

}  // extern "C"
