// Log lines: GLib messages without a domain, prefixed "<tag>:<line>: ". Each source file
// states its tag once at file scope, so renaming a file never changes the output:
//
//   TARVELIN_LOG_TAG("provider")
//   ... tlog_warning("Connection closed.");   // "provider:67: Connection closed."
//
// Thread-safe (GLib's log functions are).
#pragma once

#include <glib.h>

#include <string>

#include "providers/gobj/export.hpp"

namespace tarvelin::gobj {
// "provider:67" from the tag "provider" and 67.
TARVELIN_EXPORT std::string source_tag(const char* tag, int line);
}  // namespace tarvelin::gobj

#define TARVELIN_LOG_TAG(tag) [[maybe_unused]] static constexpr const char* tarvelin_log_tag = (tag);

#define TARVELIN_LOG(level, fmt, ...)                                                                  \
    g_log(nullptr, (level), "%s: " fmt, ::tarvelin::gobj::source_tag(::tarvelin_log_tag, __LINE__).c_str() \
          __VA_OPT__(, ) __VA_ARGS__)
#define tlog_debug(fmt, ...) TARVELIN_LOG(G_LOG_LEVEL_DEBUG, fmt __VA_OPT__(, ) __VA_ARGS__)
#define tlog_info(fmt, ...) TARVELIN_LOG(G_LOG_LEVEL_INFO, fmt __VA_OPT__(, ) __VA_ARGS__)
#define tlog_message(fmt, ...) TARVELIN_LOG(G_LOG_LEVEL_MESSAGE, fmt __VA_OPT__(, ) __VA_ARGS__)
#define tlog_warning(fmt, ...) TARVELIN_LOG(G_LOG_LEVEL_WARNING, fmt __VA_OPT__(, ) __VA_ARGS__)
#define tlog_critical(fmt, ...) TARVELIN_LOG(G_LOG_LEVEL_CRITICAL, fmt __VA_OPT__(, ) __VA_ARGS__)
