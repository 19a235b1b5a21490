#include "providers/gobj/local_zone.hpp"

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace tarvelin::gobj {

namespace {
struct Seen {
    bool set = false;
    std::string tz;
    GTimeZone* zone = nullptr;
    bool matches(const char* now) const { return zone && set == (now != nullptr) && (!now || tz == now); }
};
}  // namespace

GTimeZone* local_zone() {
    const char* tz = g_getenv("TZ");
    // Each thread remembers the last zone it used, so the common case takes no lock.
    thread_local Seen last;
    if (last.matches(tz)) return last.zone;
    static std::mutex mutex;
    // Zones are kept for the life of the process: callers borrow them.
    static auto* zones = new std::map<std::optional<std::string>, GTimeZone*>();
    std::optional<std::string> key = tz ? std::optional<std::string>(tz) : std::nullopt;
    GTimeZone* zone;
    {
        std::lock_guard lock(mutex);
        GTimeZone*& slot = (*zones)[key];
        if (!slot) slot = g_time_zone_new_local();
        zone = slot;
    }
    last.set = tz != nullptr;
    last.tz = tz ? tz : "";
    last.zone = zone;
    return zone;
}

GDateTime* date_time_now_local() { return g_date_time_new_now(local_zone()); }

GDateTime* date_time_to_local(GDateTime* dt) { return g_date_time_to_timezone(dt, local_zone()); }

GDateTime* date_time_new_local(gint year, gint month, gint day, gint hour, gint minute, gdouble seconds) {
    return g_date_time_new(local_zone(), year, month, day, hour, minute, seconds);
}

GDateTime* date_time_from_unix_local(gint64 seconds) {
    GDateTime* utc = g_date_time_new_from_unix_utc(seconds);
    // A second at the very edge of the range may exist only in the local zone: GLib's
    // own constructor decides those.
    if (!utc) return g_date_time_new_from_unix_local(seconds);
    GDateTime* local = g_date_time_to_timezone(utc, local_zone());
    g_date_time_unref(utc);
    return local;
}

}  // namespace tarvelin::gobj
