// Cell values of db-lib's binary column data (dbdata/dbdatlen), apart from the
// connection so each conversion can be checked on hand-made bytes.
#pragma once

#include <glib.h>

#include <algorithm>
#include <cstring>

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::supports::sqlserver::cell {

// The fixed-width value at `data`; a shorter buffer is read as far as it goes.
template <class T>
T number(const guint8* data, int length) {
    static_assert(std::is_arithmetic_v<T>);
    T v{};
    if (data && length > 0)
        std::memcpy(&v, data, std::min<std::size_t>(sizeof(T), static_cast<std::size_t>(length)));
    return v;
}

TARVELIN_EXPORT bool boolean(const guint8* data, int length);
// 4 bytes: smallmoney; 8 bytes: money, its high 32-bit word first.
TARVELIN_EXPORT double money(const guint8* data, int length);
// Empty below one byte; otherwise the bytes up to the first NUL.
TARVELIN_EXPORT std::string text(const guint8* data, int length);
// The bytes as they are.
TARVELIN_EXPORT std::vector<guint8> bytes(const guint8* data, int length);
// The text of a dbconvert to varchar into a zeroed buffer of `capacity` characters,
// of which `converted` were written (db-lib's answer; -1 when it failed).
TARVELIN_EXPORT std::string converted_text(const char* buffer, int capacity, int converted);

// What dbanydatecrack splits a date or time into.
struct DateParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, nanosecond = 0;
};

// `parts` is empty when db-lib could not split the value. The date-times are new
// references, in UTC.
TARVELIN_EXPORT GDateTime* datetime(const std::optional<DateParts>& parts);
// Protocols up to 7.2 carry times as text.
TARVELIN_EXPORT GDateTime* time(const std::optional<DateParts>& parts, bool old_protocol, const std::string& text);
TARVELIN_EXPORT gint64 timespan(const std::optional<DateParts>& parts, bool old_protocol);
// Fills a cleared date; it stays cleared when there is nothing valid to set.
TARVELIN_EXPORT void date(const std::optional<DateParts>& parts, GDate* out);

}  // namespace tarvelin::providers::supports::sqlserver::cell
