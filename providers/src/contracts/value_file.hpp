// Asynchronous file loads and saves of the text and byte cells. Every step is a GIO
// asynchronous call whose completion arrives on the caller's thread-default main
// context; nothing here starts a thread. The task keeps `source` alive until the
// completion has run.
// Callers serialise: a completion writes into its source value on the caller's context.
#pragma once

#include <gio/gio.h>

#include <functional>
#include <string>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::contracts::value_file {

// Reads the file line by line (lines end at "\n"; a "\r" before it stays) and hands
// `store` each line up to its first zero byte followed by "\n". A missing file
// completes at once without calling `store`.
TARVELIN_EXPORT void load_lines(GObject* source, const char* filename, std::function<void(std::string)> store,
                                GAsyncReadyCallback callback, gpointer user_data);

// Reads the whole file in 1024-byte reads and hands `store` the bytes (a new
// reference). A missing file completes at once without calling `store`.
TARVELIN_EXPORT void load_bytes(GObject* source, const char* filename, std::function<void(GBytes*)> store,
                                GAsyncReadyCallback callback, gpointer user_data);

// Creates or replaces the file and writes `data` (nullptr: nothing) into it.
TARVELIN_EXPORT void save_bytes(GObject* source, const char* filename, GBytes* data, GAsyncReadyCallback callback,
                                gpointer user_data);

// Writes `data` to `stream` in requests of at most 1024 bytes, continuing short
// writes where they stopped, then closes the stream.
TARVELIN_EXPORT void write_chunks(GObject* source, GOutputStream* stream, GBytes* data, GAsyncReadyCallback callback,
                                  gpointer user_data);

// Ends any of the above: throws the operation's error.
TARVELIN_EXPORT void finish(GObject* source, GAsyncResult* result);

}  // namespace tarvelin::providers::contracts::value_file
