// The date-time text form shared by the JSON writers: GLib's ISO 8601, UTC when a
// text names no zone.
#pragma once

#include <glib.h>

#include <string>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::contracts::serialization {

// "" for no date-time.
TARVELIN_EXPORT std::string format_iso8601(GDateTime* value);
// A new date-time, or nullptr for no text, the empty text or text that does not parse.
TARVELIN_EXPORT GDateTime* parse_iso8601(const char* text);

}  // namespace tarvelin::rezezadovu::contracts::serialization
