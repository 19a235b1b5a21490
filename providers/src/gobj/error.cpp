#include "providers/gobj/error.hpp"

#include <gio/gio.h>

#include <cstring>

#include "providers/gobj/barrier.hpp"

TARVELIN_LOG_TAG("error")

namespace tarvelin::gobj {

// ---------------------------------------------------------------- Error

Error::Error(GQuark domain, int code, std::string message)
    : domain_(domain), code_(code), message_(std::move(message)) {}
Error::Error(const char* domain, int code, std::string message)
    : Error(g_quark_from_string(domain), code, std::move(message)) {}
Error::Error(GError* error)
    : domain_(error ? error->domain : g_quark_from_static_string("default")),
      code_(error ? error->code : -1),
      message_(error && error->message ? error->message : "") {
    if (error) g_error_free(error);
}

void Error::propagate(GError** dest) const {
    if (dest) g_set_error_literal(dest, domain_, code_, message_.c_str());
}
GError* Error::to_gerror() const { return g_error_new_literal(domain_, code_, message_.c_str()); }

void check(GError* error) {
    if (error) throw Error(error);
}

void log_uncaught(const char* file, int line, const Error& e) {
    g_critical("file %s: line %d: uncaught error: %s (%s, %d)", file, line, e.message().c_str(), e.domain_name(),
               e.code());
}
void log_unexpected(const char* file, int line, const Error& e) {
    g_critical("file %s: line %d: unexpected error: %s (%s, %d)", file, line, e.message().c_str(), e.domain_name(),
               e.code());
}

std::string source_tag(const char* file, int line) {
    const char* base = std::strrchr(file, '/');
    base = base ? base + 1 : file;
    const char* dot = std::strrchr(base, '.');
    std::string tag(base, dot ? static_cast<size_t>(dot - base) : std::strlen(base));
    tag += ':';
    tag += std::to_string(line);
    return tag;
}

namespace detail {
void report_exception(const char* where, GError** error) noexcept {
    try {
        throw;
    } catch (const Error& e) {
        g_critical("%s: uncaught error: %s (%s, %d)", where, e.message().c_str(), e.domain_name(), e.code());
        e.propagate(error);
    } catch (const std::exception& e) {
        g_critical("%s: uncaught C++ exception: %s", where, e.what());
        g_set_error_literal(error, G_IO_ERROR, G_IO_ERROR_FAILED, e.what());
    } catch (...) {
        g_critical("%s: uncaught C++ exception", where);
        g_set_error_literal(error, G_IO_ERROR, G_IO_ERROR_FAILED, "unknown C++ exception");
    }
}
}  // namespace detail

}  // namespace tarvelin::gobj
