#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/log.hpp"
#include "rezezadovu/supports/data/extractors/json_text.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

TARVELIN_LOG_TAG("json_text")

namespace tarvelin::rezezadovu::supports::data::extractors::json {

// ---------------------------------------------------------------- values

Value::Value() = default;
Value::Value(const Value&) = default;
Value::Value(Value&&) noexcept = default;
Value& Value::operator=(const Value&) = default;
Value& Value::operator=(Value&&) noexcept = default;
Value::~Value() = default;

std::string shortest(double value) {
    char buffer[G_ASCII_DTOSTR_BUF_SIZE];
    int digits = 1;
    for (; digits < 17; ++digits) {
        g_ascii_formatd(buffer, sizeof buffer, ("%." + std::to_string(digits) + "g").c_str(), value);
        if (g_ascii_strtod(buffer, nullptr) == value) break;
    }
    if (digits == 17) g_ascii_formatd(buffer, sizeof buffer, "%.17g", value);
    // Whole numbers of ordinary size without an exponent: 100 rather than 1e+02.
    const char* e = strchr(buffer, 'e');
    int exponent = e ? atoi(e + 1) : 0;
    if (e && exponent >= 0 && exponent < 17 && exponent >= digits - 1)
        g_ascii_formatd(buffer, sizeof buffer, "%.0f", value);
    return buffer;
}

std::string Value::as_text() const {
    switch (kind) {
        case Kind::Integer:
        case Kind::Number:
        case Kind::String:
            return text;
        case Kind::True:
            return "true";
        case Kind::False:
            return "false";
        default:
            return {};
    }
}

// ---------------------------------------------------------------- parser

namespace {

constexpr int kMaxDepth = 512;

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    Value document() {
        skip_blanks();
        Value v = value(0);
        skip_blanks();
        if (i_ < s_.size()) fail(_("unexpected text after the document"));
        return v;
    }

private:
    [[noreturn]] void fail(const char* what) const {
        guint line = 1, column = 1;
        for (size_t k = 0; k < i_ && k < s_.size(); ++k) {
            if (s_[k] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        throw gobj::Error("JSON", -1,
                          gobj::take_string(g_strdup_printf(_("invalid json: %s at line %u, column %u"), what, line,
                                                            column)));
    }

    void skip_blanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r')) ++i_;
    }

    bool take(std::string_view word) {
        if (s_.substr(i_, word.size()) != word) return false;
        i_ += word.size();
        return true;
    }

    Value value(int depth) {
        if (depth > kMaxDepth) fail(_("nesting too deep"));
        if (i_ >= s_.size()) fail(_("unexpected end of the document"));
        Value v;
        char c = s_[i_];
        if (c == '{') {
            v.kind = Value::Kind::Object;
            ++i_;
            skip_blanks();
            if (i_ < s_.size() && s_[i_] == '}') {
                ++i_;
                return v;
            }
            while (true) {
                skip_blanks();
                if (i_ >= s_.size() || s_[i_] != '"') fail(_("a member name was expected"));
                std::string name = string();
                skip_blanks();
                if (i_ >= s_.size() || s_[i_] != ':') fail(_("':' was expected"));
                ++i_;
                skip_blanks();
                v.members.emplace_back(std::move(name), value(depth + 1));
                skip_blanks();
                if (i_ < s_.size() && s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                if (i_ < s_.size() && s_[i_] == '}') {
                    ++i_;
                    return v;
                }
                fail(_("',' or '}' was expected"));
            }
        }
        if (c == '[') {
            v.kind = Value::Kind::Array;
            ++i_;
            skip_blanks();
            if (i_ < s_.size() && s_[i_] == ']') {
                ++i_;
                return v;
            }
            while (true) {
                skip_blanks();
                v.items.push_back(value(depth + 1));
                skip_blanks();
                if (i_ < s_.size() && s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                if (i_ < s_.size() && s_[i_] == ']') {
                    ++i_;
                    return v;
                }
                fail(_("',' or ']' was expected"));
            }
        }
        if (c == '"') {
            v.kind = Value::Kind::String;
            v.text = string();
            return v;
        }
        if (take("true")) {
            v.kind = Value::Kind::True;
        } else if (take("false")) {
            v.kind = Value::Kind::False;
        } else if (take("null")) {
            v.kind = Value::Kind::Null;
        } else if (c == '-' || g_ascii_isdigit(c)) {
            number(v);
        } else {
            fail(_("a value was expected"));
        }
        return v;
    }

    void number(Value& v) {
        size_t start = i_;
        if (s_[i_] == '-') ++i_;
        size_t digits = i_;
        while (i_ < s_.size() && g_ascii_isdigit(s_[i_])) ++i_;
        if (i_ == digits || (s_[digits] == '0' && i_ - digits > 1)) fail(_("a malformed number"));
        bool integer = true;
        if (i_ < s_.size() && s_[i_] == '.') {
            integer = false;
            size_t fraction = ++i_;
            while (i_ < s_.size() && g_ascii_isdigit(s_[i_])) ++i_;
            if (i_ == fraction) fail(_("a malformed number"));
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            integer = false;
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
            size_t exponent = i_;
            while (i_ < s_.size() && g_ascii_isdigit(s_[i_])) ++i_;
            if (i_ == exponent) fail(_("a malformed number"));
        }
        std::string raw(s_.substr(start, i_ - start));
        if (integer) {
            v.kind = Value::Kind::Integer;
            errno = 0;
            if (raw[0] == '-') {
                long long n = std::strtoll(raw.c_str(), nullptr, 10);
                v.text = errno == ERANGE ? raw : gobj::take_string(g_strdup_printf("%lli", n));
            } else {
                unsigned long long n = std::strtoull(raw.c_str(), nullptr, 10);
                v.text = errno == ERANGE ? raw : gobj::take_string(g_strdup_printf("%llu", n));
            }
            return;
        }
        v.kind = Value::Kind::Number;
        double d = g_ascii_strtod(raw.c_str(), nullptr);
        if (!std::isfinite(d)) {
            // Beyond a double: the digits as written lose nothing.
            v.text = raw;
            return;
        }
        v.text = shortest(d);
    }

    unsigned hex4() {
        if (i_ + 4 > s_.size()) fail(_("a malformed \\u escape"));
        unsigned u = 0;
        for (int k = 0; k < 4; ++k) {
            int d = g_ascii_xdigit_value(s_[i_ + k]);
            if (d < 0) fail(_("a malformed \\u escape"));
            u = u * 16 + unsigned(d);
        }
        i_ += 4;
        return u;
    }

    std::string string() {
        ++i_;  // the opening quote
        std::string out;
        while (true) {
            if (i_ >= s_.size()) fail(_("unterminated string"));
            unsigned char c = static_cast<unsigned char>(s_[i_]);
            if (c == '"') {
                ++i_;
                break;
            }
            if (c < 0x20) fail(_("a control character in a string"));
            if (c != '\\') {
                size_t end = i_;
                while (end < s_.size() && s_[end] != '"' && s_[end] != '\\' &&
                       static_cast<unsigned char>(s_[end]) >= 0x20)
                    ++end;
                out.append(s_.substr(i_, end - i_));
                i_ = end;
                continue;
            }
            if (++i_ >= s_.size()) fail(_("unterminated string"));
            char e = s_[i_++];
            switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    gunichar u = hex4();
                    if (u >= 0xD800 && u <= 0xDBFF) {
                        if (!take("\\u")) fail(_("a lone surrogate in a string"));
                        gunichar low = hex4();
                        if (low < 0xDC00 || low > 0xDFFF) fail(_("a lone surrogate in a string"));
                        u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
                    } else if (u >= 0xDC00 && u <= 0xDFFF) {
                        fail(_("a lone surrogate in a string"));
                    }
                    char utf8[6];
                    out.append(utf8, g_unichar_to_utf8(u, utf8));
                    break;
                }
                default:
                    fail(_("an unknown escape in a string"));
            }
        }
        if (!g_utf8_validate(out.data(), gssize(out.size()), nullptr)) fail(_("a string that is not UTF-8"));
        return out;
    }

    std::string_view s_;
    size_t i_ = 0;
};

}  // namespace

Value parse(std::string_view text) { return Parser(text).document(); }

// ---------------------------------------------------------------- writer

void Writer::newline() {
    out_ += '\n';
    out_.append(4 * filled_.size(), ' ');
}

void Writer::before_value() {
    if (after_member_) {
        after_member_ = false;
        return;
    }
    if (filled_.empty()) return;
    if (filled_.back()) out_ += ',';
    newline();
    filled_.back() = true;
}

void Writer::member(std::string_view name) {
    if (filled_.back()) out_ += ',';
    newline();
    filled_.back() = true;
    quoted(name);
    out_ += " : ";
    after_member_ = true;
}

void Writer::begin_object() {
    before_value();
    out_ += '{';
    filled_.push_back(false);
}

void Writer::end_object() {
    bool had = filled_.back();
    filled_.pop_back();
    if (had) newline();
    out_ += '}';
}

void Writer::begin_array() {
    before_value();
    out_ += '[';
    filled_.push_back(false);
}

void Writer::end_array() {
    bool had = filled_.back();
    filled_.pop_back();
    if (had) newline();
    out_ += ']';
}

void Writer::null() {
    before_value();
    out_ += "null";
}

void Writer::boolean(bool value) {
    before_value();
    out_ += value ? "true" : "false";
}

void Writer::integer(gint64 value) {
    before_value();
    out_ += gobj::take_string(g_strdup_printf("%" G_GINT64_FORMAT, value));
}

void Writer::unsigned_integer(guint64 value) {
    before_value();
    out_ += gobj::take_string(g_strdup_printf("%" G_GUINT64_FORMAT, value));
}

void Writer::number(double value) {
    if (!std::isfinite(value)) return null();
    before_value();
    std::string text = shortest(value);
    // A whole number keeps a fraction, so that it reads back as a floating-point one.
    if (text.find_first_of(".eE") == std::string::npos) text += ".0";
    out_ += text;
}

void Writer::string(std::string_view value) {
    before_value();
    quoted(value);
}

void Writer::quoted(std::string_view value) {
    out_ += '"';
    for (char ch : value) {
        auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\b': out_ += "\\b"; break;
            case '\f': out_ += "\\f"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7f) {
                    out_ += gobj::take_string(g_strdup_printf("\\u%04x", c));
                } else {
                    out_ += ch;
                }
        }
    }
    out_ += '"';
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors::json
