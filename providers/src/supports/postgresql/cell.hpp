// Readings of PostgreSQL's text output format that need more than strtol/strtod.
#pragma once

#include <glib.h>

#include <string_view>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::supports::postgresql {

// A money text in the server's lc_monetary format ("$1,234.56", "-$0.50",
// "1.234,56 €", "($3.00)") as a number. The decimal separator is the last '.' or ','
// when both kinds appear, or a lone separator not followed by exactly three digits
// (which would be a group of thousands).
TARVELIN_EXPORT double parse_money(std::string_view text);

// A time of day ("13:45:07", "13:45:07.25", "13:45:07+05:30", "24:00:00") as a UTC
// date-time on 1970-01-01 holding that wall-clock time (the offset of a timetz is
// dropped: the cell shows its own time of day). NULL when the text is no time.
TARVELIN_EXPORT GDateTime* parse_time_of_day(std::string_view text);

// A boolean or bit-string text: "t" for a boolean, any '1' for a bit string.
TARVELIN_EXPORT bool parse_truth(std::string_view text);

}  // namespace tarvelin::providers::supports::postgresql
