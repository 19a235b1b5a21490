// Error records shared by both libraries.
//
// An operation that reports failure throws `Error` (domain, code, message). The C skin
// turns it into a GError; nothing else crosses the C boundary. Thread-safe (immutable).
#pragma once

#include <glib.h>

#include <exception>
#include <string>

#include "providers/gobj/export.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/log.hpp"

namespace tarvelin::gobj {

class TARVELIN_EXPORT Error : public std::exception {
public:
    Error(GQuark domain, int code, std::string message);
    Error(const char* domain, int code, std::string message);
    // Takes over (and frees) a GError.
    explicit Error(GError* error);

    GQuark domain() const noexcept { return domain_; }
    const char* domain_name() const noexcept { return g_quark_to_string(domain_); }
    int code() const noexcept { return code_; }
    const std::string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

    bool matches(const char* domain) const noexcept { return domain_ == g_quark_from_string(domain); }
    // Hands the error to a C caller; a NULL destination drops it, as GLib does.
    void propagate(GError** dest) const;
    GError* to_gerror() const;

private:
    GQuark domain_;
    int code_;
    std::string message_;
};

// Throws when a C call filled `error`; frees it either way.
TARVELIN_EXPORT void check(GError* error);

// "file %s: line %d: uncaught error: %s (%s, %d)" as a critical message: for errors an
// operation meets and does not pass on.
TARVELIN_EXPORT void log_uncaught(const char* file, int line, const Error& e);
// "file %s: line %d: unexpected error: ..." for an error of a domain the operation does not declare.
TARVELIN_EXPORT void log_unexpected(const char* file, int line, const Error& e);

}  // namespace tarvelin::gobj

#define TARVELIN_UNCAUGHT(e) ::tarvelin::gobj::log_uncaught(__FILE__, __LINE__, (e))
#define TARVELIN_UNEXPECTED(e) ::tarvelin::gobj::log_unexpected(__FILE__, __LINE__, (e))
