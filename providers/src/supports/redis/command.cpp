#include "providers/supports/redis/command.hpp"

#include <glib.h>

#include "providers/gobj/error.hpp"

TARVELIN_LOG_TAG("command")

namespace tarvelin::providers::supports::redis {

namespace {
[[noreturn]] void unbalanced() { throw gobj::Error("Redis", -1, _("Unbalanced quotes in the command")); }
}  // namespace

std::vector<std::string> split_command(const std::string& text) {
    std::vector<std::string> args;
    std::size_t i = 0, n = text.size();
    for (;;) {
        while (i < n && g_ascii_isspace(text[i])) ++i;
        if (i >= n) break;
        std::string arg;
        bool in_double = false, in_single = false, done = false;
        while (!done) {
            if (in_double) {
                if (i >= n) unbalanced();
                char c = text[i];
                if (c == '\\' && i + 3 < n && text[i + 1] == 'x' && g_ascii_isxdigit(text[i + 2]) &&
                    g_ascii_isxdigit(text[i + 3])) {
                    arg.push_back(static_cast<char>(g_ascii_xdigit_value(text[i + 2]) * 16 +
                                                    g_ascii_xdigit_value(text[i + 3])));
                    i += 3;
                } else if (c == '\\' && i + 1 < n) {
                    char e = text[++i];
                    switch (e) {
                        case 'n': arg.push_back('\n'); break;
                        case 'r': arg.push_back('\r'); break;
                        case 't': arg.push_back('\t'); break;
                        case 'b': arg.push_back('\b'); break;
                        case 'a': arg.push_back('\a'); break;
                        default: arg.push_back(e); break;
                    }
                } else if (c == '"') {
                    // The closing quote must be followed by white space or the end.
                    if (i + 1 < n && !g_ascii_isspace(text[i + 1])) unbalanced();
                    done = true;
                } else {
                    arg.push_back(c);
                }
            } else if (in_single) {
                if (i >= n) unbalanced();
                char c = text[i];
                if (c == '\\' && i + 1 < n && text[i + 1] == '\'') {
                    arg.push_back('\'');
                    ++i;
                } else if (c == '\'') {
                    if (i + 1 < n && !g_ascii_isspace(text[i + 1])) unbalanced();
                    done = true;
                } else {
                    arg.push_back(c);
                }
            } else if (i >= n || g_ascii_isspace(text[i])) {
                break;
            } else if (text[i] == '"') {
                in_double = true;
            } else if (text[i] == '\'') {
                in_single = true;
            } else {
                arg.push_back(text[i]);
            }
            ++i;
        }
        args.push_back(std::move(arg));
    }
    if (args.empty()) throw gobj::Error("Redis", -1, _("The command is empty"));
    return args;
}

}  // namespace tarvelin::providers::supports::redis
