#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/log.hpp"
#include "rezezadovu/supports/data/extractors/json_text.hpp"

#include <json-glib/json-glib.h>

#include "providers/contracts/value_numeric.hpp"

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

namespace {

// A string between double quotes, escaped as JSON requires.
void append_quoted(std::string& out, std::string_view value) {
    out += '"';
    for (char ch : value) {
        auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7f) {
                    out += gobj::take_string(g_strdup_printf("\\u%04x", c));
                } else {
                    out += ch;
                }
        }
    }
    out += '"';
}

// The compact JSON text of a value; numbers as they were read.
void append_compact(std::string& out, const Value& v) {
    switch (v.kind) {
        case Value::Kind::Null: out += "null"; return;
        case Value::Kind::True: out += "true"; return;
        case Value::Kind::False: out += "false"; return;
        case Value::Kind::Integer:
        case Value::Kind::Number: out += v.text; return;
        case Value::Kind::String: append_quoted(out, v.text); return;
        case Value::Kind::Array:
            out += '[';
            for (size_t i = 0; i < v.items.size(); ++i) {
                if (i) out += ',';
                append_compact(out, v.items[i]);
            }
            out += ']';
            return;
        case Value::Kind::Object:
            out += '{';
            for (size_t i = 0; i < v.members.size(); ++i) {
                if (i) out += ',';
                append_quoted(out, v.members[i].first);
                out += ':';
                append_compact(out, v.members[i].second);
            }
            out += '}';
            return;
    }
}

// A JSON number: an optional minus, digits without a leading zero, an optional fraction
// and exponent.
bool is_json_number(std::string_view t) {
    size_t i = 0, n = t.size();
    if (i < n && t[i] == '-') ++i;
    size_t digits = i;
    while (i < n && g_ascii_isdigit(t[i])) ++i;
    if (i == digits || (t[digits] == '0' && i - digits > 1)) return false;
    if (i < n && t[i] == '.') {
        size_t fraction = ++i;
        while (i < n && g_ascii_isdigit(t[i])) ++i;
        if (i == fraction) return false;
    }
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        size_t exponent = i;
        while (i < n && g_ascii_isdigit(t[i])) ++i;
        if (i == exponent) return false;
    }
    return i == n;
}

}  // namespace

std::optional<std::string> Value::as_text() const {
    switch (kind) {
        case Kind::Integer:
        case Kind::Number:
        case Kind::String:
            return text;
        case Kind::True:
            return std::string("true");
        case Kind::False:
            return std::string("false");
        case Kind::Null:
            return std::nullopt;
        default: {
            std::string out;
            append_compact(out, *this);
            return out;
        }
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
    [[noreturn]] void fail(const char* what, JsonParserError code = JSON_PARSER_ERROR_PARSE) const {
        guint line = 1, column = 1;
        for (size_t k = 0; k < i_ && k < s_.size(); ++k) {
            if (s_[k] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        throw gobj::Error(JSON_PARSER_ERROR, code,
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
                if (i_ < s_.size() && s_[i_] == '}' && !v.members.empty())
                    fail(_("a comma before '}'"), JSON_PARSER_ERROR_TRAILING_COMMA);
                if (i_ >= s_.size() || s_[i_] != '"') fail(_("a member name was expected"));
                std::string name = string();
                skip_blanks();
                if (i_ >= s_.size() || s_[i_] != ':') fail(_("':' was expected"), JSON_PARSER_ERROR_MISSING_COLON);
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
                fail(_("',' or '}' was expected"), JSON_PARSER_ERROR_MISSING_COMMA);
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
                if (i_ < s_.size() && s_[i_] == ']' && !v.items.empty())
                    fail(_("a comma before ']'"), JSON_PARSER_ERROR_TRAILING_COMMA);
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
                fail(_("',' or ']' was expected"), JSON_PARSER_ERROR_MISSING_COMMA);
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
        } else if (g_ascii_isalpha(c)) {
            fail(_("a word that is not true, false or null"), JSON_PARSER_ERROR_INVALID_BAREWORD);
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
        if (i_ == digits || (s_[digits] == '0' && i_ - digits > 1)) fail(_("a malformed number"), JSON_PARSER_ERROR_INVALID_DATA);
        bool integer = true;
        if (i_ < s_.size() && s_[i_] == '.') {
            integer = false;
            size_t fraction = ++i_;
            while (i_ < s_.size() && g_ascii_isdigit(s_[i_])) ++i_;
            if (i_ == fraction) fail(_("a malformed number"), JSON_PARSER_ERROR_INVALID_DATA);
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            integer = false;
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
            size_t exponent = i_;
            while (i_ < s_.size() && g_ascii_isdigit(s_[i_])) ++i_;
            if (i_ == exponent) fail(_("a malformed number"), JSON_PARSER_ERROR_INVALID_DATA);
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
        // As written: a double may not hold every digit.
        v.kind = Value::Kind::Number;
        v.text = std::move(raw);
    }

    unsigned hex4() {
        if (i_ + 4 > s_.size()) fail(_("a malformed \\u escape"), JSON_PARSER_ERROR_INVALID_DATA);
        unsigned u = 0;
        for (int k = 0; k < 4; ++k) {
            int d = g_ascii_xdigit_value(s_[i_ + k]);
            if (d < 0) fail(_("a malformed \\u escape"), JSON_PARSER_ERROR_INVALID_DATA);
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
            if (c < 0x20) fail(_("a control character in a string"), JSON_PARSER_ERROR_INVALID_DATA);
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
                        if (!take("\\u")) fail(_("a lone surrogate in a string"), JSON_PARSER_ERROR_INVALID_DATA);
                        gunichar low = hex4();
                        if (low < 0xDC00 || low > 0xDFFF) fail(_("a lone surrogate in a string"), JSON_PARSER_ERROR_INVALID_DATA);
                        u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
                    } else if (u >= 0xDC00 && u <= 0xDFFF) {
                        fail(_("a lone surrogate in a string"), JSON_PARSER_ERROR_INVALID_DATA);
                    } else if (u == 0) {
                        // A cell's text ends at its first NUL: the rest would be lost unseen.
                        fail(_("a NUL character (\\u0000) in a string, which a cell cannot hold"),
                             JSON_PARSER_ERROR_INVALID_DATA);
                    }
                    char utf8[6];
                    out.append(utf8, g_unichar_to_utf8(u, utf8));
                    break;
                }
                default:
                    fail(_("an unknown escape in a string"), JSON_PARSER_ERROR_INVALID_DATA);
            }
        }
        if (!g_utf8_validate(out.data(), gssize(out.size()), nullptr)) fail(_("a string that is not UTF-8"), JSON_PARSER_ERROR_INVALID_DATA);
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
    append_quoted(out_, name);
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

void Writer::integer_text(std::string_view digits) {
    before_value();
    out_ += digits;
}

void Writer::number(double value) {
    if (!std::isfinite(value)) return null();
    number_text(providers::contracts::shortest_text(value));
}

void Writer::number_text(std::string_view text) {
    if (!is_json_number(text)) return string(text);
    before_value();
    out_ += text;
    // A whole number keeps a fraction, so that it reads back as a floating-point one.
    if (text.find_first_of(".eE") == std::string_view::npos) out_ += ".0";
}

void Writer::string(std::string_view value) {
    before_value();
    append_quoted(out_, value);
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors::json
