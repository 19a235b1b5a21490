// Text-to-number conversions of the value factory. They emulate the C library of a
// platform whose `long` is 32 bits, whatever this one's is, and ignore the locale.
// Thread-safe: the conversions hold no state.
#pragma once

#include <glib.h>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::contracts::text_number {

// atoi: leading white space and a sign, decimal digits up to the first other
// character, saturating at the signed 32-bit limits; 0 without digits.
TARVELIN_EXPORT gint32 atoi32(const char* text);

// strtoul with base 0 and a 32-bit unsigned long: "0x" hexadecimal, a leading "0"
// octal, otherwise decimal; a minus negates in unsigned 32-bit arithmetic; a magnitude
// above 4294967295 gives 4294967295.
TARVELIN_EXPORT guint32 strtoul32(const char* text);

// strtof widened to double: single precision, "." always the decimal point.
TARVELIN_EXPORT double strtof_widened(const char* text);

}  // namespace tarvelin::providers::contracts::text_number
