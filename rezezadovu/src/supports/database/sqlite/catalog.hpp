// Reading the CREATE statements SQLite keeps in sqlite_master: index key parts, trigger
// clauses, view definitions, and the unique and check constraints of a table in the
// one-line form the builder writes. SQLite keeps no structured catalogue of these, so the
// readers search the stored text for keywords.
//
// Keywords are found as whole words in a copy of the text upper-cased in ASCII only, in
// which quoted names, string literals and comments are blanked out: positions found there
// hold for the stored text byte for byte, and a keyword inside a name ("log_insert",
// "UPDATE" as a quoted column) is never taken for the keyword. A quoted name whose
// inside is a plain identifier loses its quotes; any other keeps them, so that the text
// stays SQL when the builder writes it back.
//
// Thread-safe: pure functions over their arguments; compiled patterns are made once.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::supports::database::sqlite {

// A property read from the text: absent when the text has no such clause (the property
// is then left as it was), or a value that may be "no text" (NULL).
using Read = std::optional<std::optional<std::string>>;

// The text with every quoted span and comment replaced by '_' (one per byte) and a-z made
// A-Z: the same length as the text.
TARVELIN_EXPORT std::string masked_upper(std::string_view sql);

// The text from `start` to `end` (excluded); negative positions count back from the end
// (-1 is the last byte). Positions outside the text, or an end before the start, give no text.
TARVELIN_EXPORT std::optional<std::string> slice(std::string_view text, long start, long end);

// The name a token stands for: the inside of "...", `...`, [...] or '...' (with the
// doubled quote made single), or the token itself, surrounding white space removed.
TARVELIN_EXPORT std::string identifier_text(std::string_view token);
// `text` with each quoted name whose inside is a plain identifier (a letter or "_", then
// letters, digits or "_") replaced by that inside; quote kinds are chosen from `quotes`
// ('"', '`', '[' for [...], '\'').
TARVELIN_EXPORT std::string strip_plain_quotes(std::string_view text, std::string_view quotes);

struct IndexText {
    bool unique = false;
    std::vector<std::string> columns;
    // The predicate of a partial index, "" for none.
    std::string where;
};
// The key parts of a stored CREATE INDEX. `quotes` are the quote kinds removed around
// plain names (the table's reader removes more kinds than the stand-alone one).
TARVELIN_EXPORT IndexText read_index(std::string_view sql, std::string_view quotes);

struct TriggerText {
    Read body, for_each, timing, event, columns, when;
};
// The table's reader: the body is the whole BEGIN ... END block, the WHEN text is kept as
// cut, INSTEAD OF is not recognised; events are tested INSERT, UPDATE, DELETE.
TARVELIN_EXPORT TriggerText read_table_trigger(std::string_view sql);
// The stand-alone reader: the body is the text between BEGIN and the last END, the WHEN
// text is stripped, INSTEAD OF is recognised; events are tested INSERT, DELETE, UPDATE.
TARVELIN_EXPORT TriggerText read_trigger(std::string_view sql);

// The definition of a stored CREATE VIEW: what follows AS and the white space after it;
// the whole text when it is not recognised.
TARVELIN_EXPORT std::string read_view_definition(std::string_view sql);

struct UniqueText {
    std::string name, columns, conflict;
};
struct CheckText {
    std::string name, expression;
};
// The constraints written one per line: CONSTRAINT name UNIQUE (columns) ON CONFLICT x,
// and CONSTRAINT name CHECK (expression). A UNIQUE without ON CONFLICT on its line is
// not read.
TARVELIN_EXPORT std::vector<UniqueText> read_uniques(std::string_view create_table);
TARVELIN_EXPORT std::vector<CheckText> read_checks(std::string_view create_table);

}  // namespace tarvelin::rezezadovu::supports::database::sqlite
