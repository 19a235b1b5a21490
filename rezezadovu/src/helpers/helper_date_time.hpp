// The current local time in fixed text forms, and time spans as text.
#pragma once

#include <tarvelin/rezezadovu/date_time_helper.h>

#include <optional>
#include <string>

#include "providers/gobj/fundamental.hpp"

namespace tarvelin::rezezadovu::helpers {

class TARVELIN_EXPORT DateTimeHelper : public gobj::Fundamental {
public:
    static GType gtype();
    static gobj::Ref<DateTimeHelper> create(GType type = gtype());

    // Null for a missing or unusable pattern.
    static std::optional<std::string> datetime_as_string(const char* format);
    static std::optional<std::string> datetime_as_string_ms(const char* format, const char* ms_format);
    static std::string datetime_as_normal();
    static std::string datetime_as_compact();
    static std::string datetime_as_iso8601();
    static std::string datetime_with_ms_normal();
    static std::string datetime_with_ms_compact();
    static std::string datetime_with_ms_iso8601();
    static std::string format_time_span(GTimeSpan span);
    static std::string format_time_span_micro(GTimeSpan span);
    static std::string format_time_span_unit(GTimeSpan span);

    // The milliseconds within the current second of the real-time clock (0 to 999).
    static gint64 milliseconds();
};

}  // namespace tarvelin::rezezadovu::helpers

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuHelpersDateTimeHelper, tarvelin::rezezadovu::helpers::DateTimeHelper)
