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

GDateTime* parse_time_of_day(std::string_view text) {
    std::string s(text);
    int hour = 0, minute = 0, consumed = 0;
    if (sscanf(s.c_str(), "%2d:%2d%n", &hour, &minute, &consumed) != 2) return nullptr;
    double seconds = 0;
    const char* rest = s.c_str() + consumed;
    if (*rest == ':') {
        char* end = nullptr;
        seconds = g_ascii_strtod(rest + 1, &end);
        if (end == rest + 1) return nullptr;
    }
    // "24:00:00" is a valid time of day in PostgreSQL: the end of the day.
    if (hour == 24 && minute == 0 && seconds == 0) return g_date_time_new_utc(1970, 1, 2, 0, 0, 0);
    return g_date_time_new_utc(1970, 1, 1, hour, minute, seconds);
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
