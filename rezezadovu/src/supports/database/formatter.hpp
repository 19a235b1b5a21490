// The SQL formatter: lays SQL out on lines (beautify) or puts it on one (minify) with an
// ordered chain of regular-expression replacements. It does not parse SQL and knows no
// dialect; quoted literals are kept apart by their apostrophes only, and comments get no
// special treatment. The option map is kept for callers that set options (the connection
// sets "LINE_START" and "LINE_BREAK") but neither beautify nor minify reads it.
//
// Thread-safe: the patterns are compiled once per process and only read afterwards, the
// shift table never changes after construction, and the option map has its own mutex.
#pragma once

#include <array>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT Formatter : public gobj::Object, public contracts::database::IFormattable {
public:
    using Text = contracts::database::Text;
    // Deepest indent level: the shift table has one entry per level from 0.
    static constexpr int kMaxDepth = 100;

    static GType gtype();
    static gobj::Ref<Formatter> create(GType type = gtype());

    Formatter();

    // Stores a copy of `value` under `name`, replacing an earlier one.
    void option(const char* name, const char* value) override;
    // The laid-out text; a copy of the input when a pattern fails (input that is not UTF-8).
    Text beautify(const char* statements) override;
    // Whitespace runs to one blank, and none before a parenthesis. A pattern failure is
    // logged as a warning and the text is returned as far as it got.
    Text minify(const char* statements) override;

    std::optional<std::string> option_value(const std::string& name) const;

    // The keyword pieces of a text outside quoted literals: the keyword table applied in
    // order, then split at the markers it placed (empty pieces included); `tab` is the
    // indent unit. Throws gobj::Error when a pattern fails.
    static std::vector<std::string> split_sql(const std::string& text, const std::string& tab);

private:
    std::string layout(const std::string& statements) const;

    std::string indent_ = "    ";
    // Entry i: a line break and i indent units.
    std::array<std::string, kMaxDepth + 1> shift_;
    mutable std::mutex options_lock_;
    std::map<std::string, std::string> options_;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseFormatter, tarvelin::rezezadovu::supports::database::Formatter)
