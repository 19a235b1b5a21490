// The JSON the JSON extractor writes and reads: a small writer (json-glib's pretty layout,
// indent 4) and a parser that keeps every integer exact. json-glib 1.6 reads integers
// into a signed 64-bit number and wraps those above its range silently (18446744073709551615
// reads as -1), and cannot write an unsigned one above it, so neither direction uses it.
//
// Single thread: a writer or a document belongs to one operation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "providers/gobj/object.hpp"

namespace tarvelin::rezezadovu::supports::data::extractors::json {

// A parsed value. Numbers keep their text: an integer as canonical decimal digits (exact
// over the whole signed and unsigned 64-bit range, and as written beyond it), any other
// number as written, so that digits beyond a double survive.
struct Value {
    enum class Kind { Null, False, True, Integer, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;
    std::vector<Value> items;
    std::vector<std::pair<std::string, Value>> members;

    // Defined where Value is complete: the member list holds Values by value, which some
    // compilers cannot lay out inside Value's own definition.
    Value();
    Value(const Value&);
    Value(Value&&) noexcept;
    Value& operator=(const Value&);
    Value& operator=(Value&&) noexcept;
    ~Value();

    bool is_object() const { return kind == Kind::Object; }
    // The text of a member value: the number's text, the string itself, "true" or
    // "false", an array or object as its compact JSON text; none for null.
    std::optional<std::string> as_text() const;
};

// Parses a whole document; a malformed one is thrown in json-glib's parser error domain
// (JSON_PARSER_ERROR, with its codes) naming the line and column. Nesting deeper than 512
// levels is refused, and so is a string holding U+0000, which no cell text can hold.
Value parse(std::string_view text);

// Writes values in json-glib's pretty layout: members as "name" : value, one per line,
// indented 4 spaces per level.
class Writer {
public:
    void begin_object();
    void end_object();
    void begin_array();
    void end_array();
    void member(std::string_view name);
    void null();
    void boolean(bool value);
    void integer(gint64 value);
    void unsigned_integer(guint64 value);
    // An integer given as its decimal digits (an optional minus first), written as they are.
    void integer_text(std::string_view digits);
    // Not finite: null (JSON has no form for it).
    void number(double value);
    // A number given as its text, written as it is when it is a JSON number (a whole
    // number gains ".0", so that it reads back as a floating-point one), else as a string.
    void number_text(std::string_view text);
    void string(std::string_view value);
    const std::string& text() const { return out_; }
    // Hands the text written so far to `sink` and forgets it; the writer goes on where it was.
    template <class Sink>
    void drain(Sink&& sink) {
        sink(std::string_view(out_));
        out_.clear();
    }

private:
    void before_value();
    void newline();
    std::string out_;
    // Per open container: whether it holds an element yet.
    std::vector<bool> filled_;
    bool after_member_ = false;
};

}  // namespace tarvelin::rezezadovu::supports::data::extractors::json
