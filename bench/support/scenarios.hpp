// The command line of a benchmark that runs named scenarios: no argument runs them all.
#pragma once

#include <glib.h>

#include <cstdlib>
#include <string>

namespace bench_support {

// Whether the command line asks for scenario `name` (case-insensitive).
inline bool wanted(int argc, char** argv, const char* name) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i)
        if (g_ascii_strcasecmp(argv[i], name) == 0) return true;
    return false;
}

// The text of the variable `name`, or `fallback` when it is unset or empty.
inline std::string env(const char* name, const std::string& fallback = "") {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

// The number the variable `name` holds, or `fallback`.
inline std::size_t count_from_env(const char* name, std::size_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::size_t(g_ascii_strtoull(v, nullptr, 10)) : fallback;
}

}  // namespace bench_support
