#include <gtest/gtest.h>

#include "providers/supports/sqlite/key_option.hpp"

using tarvelin::providers::supports::sqlite::key_from_options;

TEST(SqliteKeyOption, TakesTheTextAfterTheMarkerUpToTheNextSeparator) {
    struct Case {
        const char* options;
        const char* key;
    } cases[] = {
        {"", ""},
        {"PASSWORD=secret", "secret"},
        {"CACHE=shared;PASSWORD=secret;MODE=rw", "secret"},
        {"CACHE=shared,PASSWORD=s3cr3t MODE=rw", "s3cr3t"},
        {"password=secret", ""},           // the marker is case-sensitive
        {"PASSWORD=", ""},                 // nothing after "=": no key
        {"PASSWORD=;PASSWORD=second", ""}, // the first token with the marker decides
        {"PASSWORD=a=b", "a"},             // a key is cut at its own "="
        {"OLDPASSWORD=x", "x"},            // any token holding the marker counts
        {"A=1 B=2", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(key_from_options(c.options), c.key) << "options: " << c.options;
    }
}
