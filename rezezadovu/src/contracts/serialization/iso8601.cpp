#include "rezezadovu/contracts/serialization/iso8601.hpp"

#include "providers/gobj/convert.hpp"
#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("iso8601")

namespace tarvelin::rezezadovu::contracts::serialization {

std::string format_iso8601(GDateTime* value) {
    return value ? gobj::take_string(g_date_time_format_iso8601(value)) : std::string();
}

GDateTime* parse_iso8601(const char* text) {
    if (!text || !*text) return nullptr;
    GTimeZone* utc = g_time_zone_new_utc();
    GDateTime* dt = g_date_time_new_from_iso8601(text, utc);
    g_time_zone_unref(utc);
    return dt;
}

}  // namespace tarvelin::rezezadovu::contracts::serialization
