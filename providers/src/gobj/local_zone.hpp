// The local time zone, made once per value of TZ. GLib re-reads /etc/localtime at
// every g_time_zone_new_local() while TZ is unset, which made zone lookups the larger
// part of reading a date-time cell and of writing a log line.
// Thread-safe.
#pragma once

#include <glib.h>

#include "providers/gobj/export.hpp"

namespace tarvelin::gobj {

// The zone g_time_zone_new_local() gives for the present TZ; borrowed, valid for the
// life of the process.
TARVELIN_EXPORT GTimeZone* local_zone();

// The *_local constructors of GLib over local_zone(); new date-times, or NULL where
// GLib's own would give NULL.
TARVELIN_EXPORT GDateTime* date_time_now_local();
TARVELIN_EXPORT GDateTime* date_time_to_local(GDateTime* dt);
TARVELIN_EXPORT GDateTime* date_time_new_local(gint year, gint month, gint day, gint hour, gint minute,
                                               gdouble seconds);
TARVELIN_EXPORT GDateTime* date_time_from_unix_local(gint64 seconds);

}  // namespace tarvelin::gobj
