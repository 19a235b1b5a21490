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

// A date, timestamp or timestamptz text of the ISO output style ("2024-02-29",
// "2024-02-29 12:34:56.5", "2024-02-29 12:34:56+05:30", "0044-03-15 BC", "infinity"),
// read exactly: the fields, the fraction to the microsecond, the offset to the second.
struct Stamp {
    gint64 year = 0;  // 0 when the text is no date of that form (or "infinity")
    int month = 0, day = 0, hour = 0, minute = 0, second = 0, microsecond = 0;
    bool has_zone = false;
    int zone_seconds = 0;  // east of UTC
    bool before_christ = false;
    // A day of years 1 to 9999 of the common era: what GLib's dates hold.
    bool fits() const { return year >= 1 && year <= 9999 && !before_christ; }
};
TARVELIN_EXPORT Stamp parse_stamp(std::string_view text);
// The stamp as a date-time in its own offset (UTC without one); NULL unless it fits.
TARVELIN_EXPORT GDateTime* stamp_date_time(const Stamp& stamp);
// A date or timestamp text of the ISO style that no date-time holds: "infinity",
// "-infinity", a BC year or a year past 9999. False for one that fits and for a text that
// is no date at all.
TARVELIN_EXPORT bool beyond_dates(std::string_view text);

// A boolean or bit-string text: "t" for a boolean, any '1' for a bit string.
TARVELIN_EXPORT bool parse_truth(std::string_view text);

}  // namespace tarvelin::providers::supports::postgresql
