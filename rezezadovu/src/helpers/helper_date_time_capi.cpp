// C face of the date-time helper.
#include "providers/gobj/fundamental_capi.hpp"
#include "rezezadovu/helpers/helper_date_time.hpp"

TARVELIN_LOG_TAG("helper_date_time_capi")

using namespace tarvelin;
using tarvelin::rezezadovu::helpers::DateTimeHelper;

static_assert(sizeof(TarvelinRezezadovuHelpersDateTimeHelper) == sizeof(gobj::FundamentalInstance));
static_assert(sizeof(TarvelinRezezadovuHelpersDateTimeHelperClass) == sizeof(gobj::FundamentalClass));

#define DATE_TIME_TEXT(fn)                                                                     \
    gchar* tarvelin_rezezadovu_helpers_date_time_helper_##fn(void) {                           \
        return gobj::guarded(__func__, [] { return gobj::dup_string(DateTimeHelper::fn()); }); \
    }
#define DATE_TIME_SPAN(fn)                                                                          \
    gchar* tarvelin_rezezadovu_helpers_date_time_helper_##fn(GTimeSpan span) {                      \
        return gobj::guarded(__func__, [&] { return gobj::dup_string(DateTimeHelper::fn(span)); }); \
    }

extern "C" {

TARVELIN_FUNDAMENTAL_CAPI(DateTimeHelper, tarvelin_rezezadovu_helpers_, date_time_helper)

TarvelinRezezadovuHelpersDateTimeHelper* tarvelin_rezezadovu_helpers_date_time_helper_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuHelpersDateTimeHelper*>(DateTimeHelper::create(object_type).release());
}
TarvelinRezezadovuHelpersDateTimeHelper* tarvelin_rezezadovu_helpers_date_time_helper_new(void) {
    return tarvelin_rezezadovu_helpers_date_time_helper_construct(DateTimeHelper::gtype());
}

gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string(const gchar* format) {
    g_return_val_if_fail(format != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(DateTimeHelper::datetime_as_string(format)); });
}
gchar* tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string_ms(const gchar* format, const gchar* ms_format) {
    g_return_val_if_fail(format != NULL, NULL);
    g_return_val_if_fail(ms_format != NULL, NULL);
    return gobj::guarded(__func__,
                         [&] { return gobj::dup_string(DateTimeHelper::datetime_as_string_ms(format, ms_format)); });
}
DATE_TIME_TEXT(datetime_as_normal)
DATE_TIME_TEXT(datetime_as_compact)
DATE_TIME_TEXT(datetime_as_iso8601)
DATE_TIME_TEXT(datetime_with_ms_normal)
DATE_TIME_TEXT(datetime_with_ms_compact)
DATE_TIME_TEXT(datetime_with_ms_iso8601)
DATE_TIME_SPAN(format_time_span)
DATE_TIME_SPAN(format_time_span_micro)
DATE_TIME_SPAN(format_time_span_unit)

}  // extern "C"
