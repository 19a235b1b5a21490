// Cell texts of the text protocol as typed values. Locale independent.
#pragma once

#include <glib.h>

#include <cstddef>
#include <optional>
#include <string>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::supports::mysql_common::cells {

// A missing text (SQL NULL) logs the critical "str != NULL" under the function's
// name and gives 0 or FALSE.
TARVELIN_EXPORT bool bool_parse(const char* str);
TARVELIN_EXPORT long long_parse(const char* str);
TARVELIN_EXPORT unsigned long ulong_parse(const char* str);
TARVELIN_EXPORT gint64 int64_parse(const char* str);
TARVELIN_EXPORT guint64 uint64_parse(const char* str);
TARVELIN_EXPORT float float_parse(const char* str);
TARVELIN_EXPORT double double_parse(const char* str);

// "YYYY-MM-DD[ ...]": year, month and day; nullopt when the text does not start so.
struct Ymd {
    int year, month, day;
};
TARVELIN_EXPORT std::optional<Ymd> date_parts(const char* str);
// A DATE, DATETIME or TIMESTAMP text that names no calendar day ("0000-00-00" and
// dates with a zero part, which the server keeps in lenient modes).
TARVELIN_EXPORT bool zero_date(const char* str);

// A TIME text ("[-]HHH:MM:SS[.ffffff]", -838:59:59 to 838:59:59) as the UTC date-time
// that lies that far from 1970-01-01 00:00:00 UTC, so a time of day keeps its clock
// time and a longer or negative span is kept whole. NULL when the text is no TIME.
TARVELIN_EXPORT GDateTime* time_parse(const char* str);
// A date-time text (ISO 8601, a space or a "T" between date and time) in UTC unless
// the text names a zone; NULL when it does not parse.
TARVELIN_EXPORT GDateTime* datetime_parse(const char* str);

// Bytes as upper-case hexadecimal digits.
TARVELIN_EXPORT std::string hex(const char* data, std::size_t length);

}  // namespace tarvelin::providers::supports::mysql_common::cells
