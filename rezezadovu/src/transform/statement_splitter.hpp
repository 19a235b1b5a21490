// Cuts an SQL script into the statements a driver runs one at a time (the SQLite driver
// runs only the first statement of a text, others refuse several).
//
// A ";" ends a statement only outside literals ('...', "...", `...`, [...]), comments
// (-- and /* */), dollar-quoted bodies ($tag$...$tag$) and BEGIN ... END blocks of a
// CREATE statement (triggers and routines; CASE ... END is counted, END IF, END LOOP,
// END WHILE, END REPEAT and END FOR close nothing). A line holding only GO ends a batch;
// in a script with such lines, a CREATE or ALTER of a trigger, function, procedure or view
// runs to the end of its batch. Pieces holding nothing but blanks and comments are left
// out; the ";" that ends a statement is not part of it.
//
// Thread-safe (a pure function).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::transform {

struct SplitOptions {
    // MySQL-family lexing: a backslash escapes the next character inside quotes, and "#"
    // starts a comment. PostgreSQL's E'...' literals escape with the backslash anyway.
    bool backslash_escapes = false;
};

TARVELIN_EXPORT std::vector<std::string> split_statements(std::string_view script, SplitOptions options = {});

}  // namespace tarvelin::rezezadovu::transform
