// Comparing numbers written as text by their value, not their spelling: "1e-09",
// "0.000000001" and "1.0E-9" are the same number, "-0" and "0" are not (a double keeps the
// sign of zero).
//
//   EXPECT_PRED2(test::same_number, loaded, "0.0000000010");
#pragma once

#include <glib.h>

#include <string>
#include <string_view>
#include <cstdlib>
#include <cstring>

namespace tarvelin::test {

// The number as sign, significant digits (no leading or trailing zeros) and the power of
// ten of the digit after the last; a text that is no decimal number stays as it is.
inline std::string canonical_number(std::string_view t) {
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    std::string digits;
    long exponent = 0;
    bool any = false, fraction = false;
    for (; i < t.size(); ++i) {
        if (g_ascii_isdigit(t[i])) {
            digits += t[i];
            any = true;
            if (fraction) --exponent;
        } else if (t[i] == '.' && !fraction) {
            fraction = true;
        } else {
            break;
        }
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        char* end = nullptr;
        std::string rest(t.substr(i + 1));
        long e = std::strtol(rest.c_str(), &end, 10);
        if (end == rest.c_str() || *end) return std::string(t);
        exponent += e;
        i = t.size();
    }
    if (!any || i != t.size()) return std::string(t);
    size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return negative ? "-0" : "0";
    digits.erase(0, first);
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    return (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
}

inline bool same_number(const std::string& a, const std::string& b) { return canonical_number(a) == canonical_number(b); }

// Equal as doubles, bit for bit (so -0 is not 0).
inline bool same_double(const std::string& a, const std::string& b) {
    double x = g_ascii_strtod(a.c_str(), nullptr), y = g_ascii_strtod(b.c_str(), nullptr);
    return memcmp(&x, &y, sizeof x) == 0;
}

}  // namespace tarvelin::test
