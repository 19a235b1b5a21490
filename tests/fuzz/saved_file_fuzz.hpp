// The body shared by the two file-loader targets: the input becomes the file, the
// loader reads it; whatever loaded must save to a file that loads again.
#pragma once

#include <glib.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "fuzz_common.hpp"
#include "providers/gobj/error.hpp"

namespace fuzz {

// One scratch file per process.
inline const std::string& scratch_file() {
    static const std::string path = [] {
        gchar* p = g_strdup_printf("%s/tarvelin-fuzz-%d.json", g_get_tmp_dir(), int(getpid()));
        std::string s(p);
        g_free(p);
        return s;
    }();
    return path;
}

template <class Make>
int run(const uint8_t* data, size_t size, Make make) {
    quiet();
    const std::string& file = scratch_file();
    if (!g_file_set_contents(file.c_str(), reinterpret_cast<const char*>(data), static_cast<gssize>(size), nullptr))
        return 0;
    auto object = make();
    try {
        object->load(file);
    } catch (const tarvelin::gobj::Error&) {
        return 0;  // refused: the file is kept for the next save, nothing more to check
    }
    // A save always writes a file that loads again.
    object->save();
    auto again = make();
    try {
        again->load(file);
    } catch (const tarvelin::gobj::Error&) {
        std::abort();
    }
    // Backups of lossy loads pile up otherwise.
    for (const char* suffix : {".bak", ".1.bak", ".2.bak"}) unlink((file + suffix).c_str());
    return 0;
}

}  // namespace fuzz
