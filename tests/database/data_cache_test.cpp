// The connection's text cache.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/database.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "support/driver_checks.hpp"

using tarvelin::test::LogCapture;

namespace {

using Cache = TarvelinRezezadovuContractsDatabaseICachable;

Cache* new_cache() { return reinterpret_cast<Cache*>(tarvelin_rezezadovu_supports_database_data_cache_new()); }

std::string lookup(Cache* c, const char* key) {
    gchar* v = tarvelin_rezezadovu_contracts_database_icachable_lookup(c, key);
    std::string s = v ? v : "(null)";
    g_free(v);
    return s;
}

}  // namespace

TEST(DataCache, StoresCopiesAndReplacesByKey) {
    Cache* c = new_cache();
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(c), "TarvelinRezezadovuSupportsDatabaseDataCache");
    EXPECT_EQ(lookup(c, "never"), "(null)");
    tarvelin_rezezadovu_contracts_database_icachable_append(c, "k", "first");
    tarvelin_rezezadovu_contracts_database_icachable_append(c, "k", "second");
    EXPECT_EQ(lookup(c, "k"), "second");
    // The stored text is a copy of the argument, and a looked-up text a copy of the stored one.
    gchar key[] = "mutable";
    gchar value[] = "before";
    tarvelin_rezezadovu_contracts_database_icachable_append(c, key, value);
    value[0] = 'X';
    key[0] = 'X';
    EXPECT_EQ(lookup(c, "mutable"), "before");
    gchar* got = tarvelin_rezezadovu_contracts_database_icachable_lookup(c, "mutable");
    got[0] = 'Y';
    g_free(got);
    EXPECT_EQ(lookup(c, "mutable"), "before");
    tarvelin_rezezadovu_contracts_database_icachable_append(c, "", "");
    EXPECT_EQ(lookup(c, ""), "");
    tarvelin_rezezadovu_contracts_database_icachable_clear(c);
    EXPECT_EQ(lookup(c, "k"), "(null)");
    EXPECT_EQ(lookup(c, "mutable"), "(null)");
    g_object_unref(c);
}

TEST(DataCache, AMissingKeyOrValueChangesNothing) {
    LogCapture glib;
    Cache* c = new_cache();
    tarvelin_rezezadovu_contracts_database_icachable_append(c, "k", "v");
    tarvelin_rezezadovu_contracts_database_icachable_append(c, nullptr, "w");
    tarvelin_rezezadovu_contracts_database_icachable_append(c, "k", nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_icachable_lookup(c, nullptr), nullptr);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "key != NULL"), 2);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "value != NULL"), 1);
    EXPECT_EQ(lookup(c, "k"), "v");
    tarvelin_rezezadovu_contracts_database_icachable_clear(nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_icachable_lookup(nullptr, "k"), nullptr);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "self != NULL"), 2);
    g_object_unref(c);
}

TEST(DataCache, EightThreadsAppendLookUpAndClearAtOnce) {
    Cache* c = new_cache();
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([c, t, &wrong] {
            for (int i = 0; i < 2000; ++i) {
                std::string key = "k" + std::to_string(t) + "-" + std::to_string(i % 50);
                std::string value = "v" + std::to_string(i);
                tarvelin_rezezadovu_contracts_database_icachable_append(c, key.c_str(), value.c_str());
                gchar* got = tarvelin_rezezadovu_contracts_database_icachable_lookup(c, key.c_str());
                // Another thread may have cleared it since; it is never another value.
                if (got && value != got) ++wrong;
                g_free(got);
                if (i % 500 == t) tarvelin_rezezadovu_contracts_database_icachable_clear(c);
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(wrong, 0);
    g_object_unref(c);
}
