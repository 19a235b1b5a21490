// What the extractors and the structure documents share: writing a file they create or
// replace, the escaping of inserted texts for HTML and Markdown, and plain
// text replacement (names are quoted with DatabaseHelper::quote).
//
// Thread-safe: the functions are stateless; an OutputFile belongs to one caller.
#pragma once

#include <gio/gio.h>

#include <string>
#include <string_view>

#include "providers/gobj/export.hpp"
#include "providers/gobj/ref.hpp"

namespace tarvelin::rezezadovu::supports::data {

// A file created or replaced (no backup) and written through a 64 KiB buffer (a write per
// line would cost a system call each); failures are thrown as the file system's errors. A
// file destroyed without close() (its writer failed or refused) is discarded: a file that
// existed keeps its former contents, a new one is removed.
class TARVELIN_EXPORT OutputFile {
public:
    explicit OutputFile(const char* filename);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    void write(std::string_view bytes);
    // Flushes and closes; an error is thrown once, and the file counts as closed.
    void close();
    // The stream for a writer of its own, after the bytes buffered so far.
    GOutputStream* stream();

private:
    void write_buffer();

    std::string buffer_;
    gobj::GPtr<GFile> file_;
    gobj::GPtr<GFileOutputStream> stream_;
    bool existed_ = false;
    bool closed_ = false;
};

// The text as valid UTF-8: unchanged when it is, else a copy in `repaired` with each byte
// that does not belong to a UTF-8 character (a stray continuation byte, a cut sequence,
// an overlong form, an encoded surrogate, 0xFE, 0xFF, a zero byte) as U+FFFD, so that
// the readable part stays. `was_valid` tells which.
std::string_view valid_utf8(std::string_view text, std::string& repaired, bool& was_valid);

// Every occurrence of `from` replaced by `to`; an empty `from`, or one equal to `to`,
// leaves the text unchanged.
std::string replace_all(std::string_view text, std::string_view from, std::string_view to);
// & < > " ' as character references: for element content and attribute values alike.
std::string html_escaped(std::string_view text);
// A table cell of Markdown: "|" as "\|", and CR LF, CR or LF as "<br/>".
std::string markdown_cell(std::string_view text);

}  // namespace tarvelin::rezezadovu::supports::data
