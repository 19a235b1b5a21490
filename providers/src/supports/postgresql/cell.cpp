#include "providers/supports/postgresql/cell.hpp"

#include <cstdio>
#include <string>

#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("cell_text")

namespace tarvelin::providers::supports::postgresql {

double parse_money(std::string_view text) {
    bool negative = false;
    std::size_t last_dot = std::string_view::npos, last_comma = std::string_view::npos;
    int dots = 0, commas = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '-' || c == '(') negative = true;
        if (c == '.') {
            last_dot = i;
            ++dots;
        } else if (c == ',') {
            last_comma = i;
            ++commas;
        }
    }
    std::size_t decimal = std::string_view::npos;
    if (dots && commas) {
        decimal = last_dot > last_comma ? last_dot : last_comma;
    } else if (dots + commas == 1) {
        std::size_t at = dots ? last_dot : last_comma;
        int digits_after = 0;
        for (std::size_t i = at + 1; i < text.size() && g_ascii_isdigit(text[i]); ++i) ++digits_after;
        if (digits_after != 3) decimal = at;
    }
    std::string number;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (g_ascii_isdigit(text[i])) {
            number += text[i];
        } else if (i == decimal) {
            number += '.';
        }
    }
    if (number.empty()) return 0.0;
    double value = g_ascii_strtod(number.c_str(), nullptr);
    return negative ? -value : value;
}

namespace {

// Reads the digits at `p` into `value`: at least `least`, at most `most` of them.
bool number(std::string_view text, std::size_t& p, std::size_t least, std::size_t most, gint64& value) {
    value = 0;
    std::size_t n = 0;
    for (; p < text.size() && n < most && g_ascii_isdigit(text[p]); ++p, ++n) value = value * 10 + (text[p] - '0');
    return n >= least;
}
bool number(std::string_view text, std::size_t& p, std::size_t least, std::size_t most, int& value) {
    gint64 wide = 0;
    bool ok = number(text, p, least, most, wide);
    value = static_cast<int>(wide);
    return ok;
}
bool literal(std::string_view text, std::size_t& p, char c) {
    if (p >= text.size() || text[p] != c) return false;
    ++p;
    return true;
}

// "HH:MM:SS[.f...]" at `p`: the fraction to the microsecond, cut (the server rounds to
// six digits already).
bool clock(std::string_view text, std::size_t& p, Stamp& s) {
    if (!number(text, p, 2, 2, s.hour) || !literal(text, p, ':') || !number(text, p, 2, 2, s.minute) ||
        !literal(text, p, ':') || !number(text, p, 2, 2, s.second))
        return false;
    if (literal(text, p, '.')) {
        std::size_t first = p;
        gint64 fraction = 0;
        if (!number(text, p, 1, 6, fraction)) return false;
        for (std::size_t n = p - first; n < 6; ++n) fraction *= 10;
        s.microsecond = static_cast<int>(fraction);
        while (p < text.size() && g_ascii_isdigit(text[p])) ++p;
    }
    return true;
}

// "+HH[:MM[:SS]]" or "-..." at `p`.
bool zone(std::string_view text, std::size_t& p, Stamp& s) {
    if (p >= text.size() || (text[p] != '+' && text[p] != '-')) return true;
    const int sign = text[p++] == '-' ? -1 : 1;
    int hours = 0, minutes = 0, seconds = 0;
    if (!number(text, p, 2, 2, hours)) return false;
    if (literal(text, p, ':') && !number(text, p, 2, 2, minutes)) return false;
    if (literal(text, p, ':') && !number(text, p, 2, 2, seconds)) return false;
    s.has_zone = true;
    s.zone_seconds = sign * (hours * 3600 + minutes * 60 + seconds);
    return true;
}

}  // namespace

Stamp parse_stamp(std::string_view text) {
    Stamp s;
    std::size_t p = 0;
    gint64 year = 0;
    if (!number(text, p, 4, 9, year) || !literal(text, p, '-') || !number(text, p, 2, 2, s.month) ||
        !literal(text, p, '-') || !number(text, p, 2, 2, s.day))
        return {};
    if (p < text.size() && (text[p] == ' ' || text[p] == 'T') && p + 1 < text.size() && g_ascii_isdigit(text[p + 1])) {
        ++p;
        if (!clock(text, p, s) || !zone(text, p, s)) return {};
    }
    if (text.substr(p) == " BC") {
        s.before_christ = true;
        p = text.size();
    }
    if (p != text.size() || s.month < 1 || s.month > 12 || s.day < 1 || s.hour > 24 || s.minute > 59 || s.second > 60)
        return {};
    s.year = year;
    return s;
}

GDateTime* stamp_date_time(const Stamp& s) {
    if (!s.fits() || s.day > g_date_get_days_in_month(static_cast<GDateMonth>(s.month), static_cast<GDateYear>(s.year)))
        return nullptr;
    GTimeZone* tz = s.has_zone ? g_time_zone_new_offset(s.zone_seconds) : g_time_zone_new_utc();
    GDateTime* whole = g_date_time_new(tz, static_cast<gint>(s.year), s.month, s.day, s.hour, s.minute, s.second);
    g_time_zone_unref(tz);
    if (!whole || s.microsecond == 0) return whole;
    GDateTime* exact = g_date_time_add(whole, s.microsecond);
    g_date_time_unref(whole);
    return exact;
}

bool beyond_dates(std::string_view text) {
    // Most cells: four digits of a year and no era; read no further.
    if (text.size() >= 5 && text[4] == '-' && !text.ends_with(" BC")) return false;
    if (text == "infinity" || text == "-infinity") return true;
    const Stamp s = parse_stamp(text);
    return s.year != 0 && !s.fits();
}

GDateTime* parse_time_of_day(std::string_view text) {
    Stamp s;
    std::size_t p = 0;
    // The offset of a timetz is read past and dropped.
    if (!clock(text, p, s) || !zone(text, p, s) || p != text.size() || s.hour > 24 || s.minute > 59 || s.second > 59)
        return nullptr;
    // "24:00:00" is a valid time of day in PostgreSQL: the end of the day.
    if (s.hour == 24 && (s.minute || s.second || s.microsecond)) return nullptr;
    GDateTime* epoch = g_date_time_new_from_unix_utc(0);
    GDateTime* t = g_date_time_add(epoch, ((s.hour * gint64(60) + s.minute) * 60 + s.second) * G_USEC_PER_SEC +
                                              s.microsecond);
    g_date_time_unref(epoch);
    return t;
}

bool parse_truth(std::string_view text) {
    if (text == "t") return true;
    if (text.empty()) return false;
    bool bits = true, any_one = false;
    for (char c : text) {
        if (c != '0' && c != '1') bits = false;
        if (c == '1') any_one = true;
    }
    return bits && any_one;
}

}  // namespace tarvelin::providers::supports::postgresql
