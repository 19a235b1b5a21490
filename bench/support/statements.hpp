// Runs SQL text through a connection for the benchmarks that build their catalogue on a
// server: every statement of the text, each failure printed to stderr with the tag.
#pragma once

#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/database.h>

#include <cstdio>
#include <string>

namespace bench_support {

// True when every statement ran.
inline bool run_statements(TarvelinRezezadovuContractsDatabaseIConnection* connection, const std::string& sql,
                           const char* tag) {
    GError* error = nullptr;
    gint length = 0;
    GObject** results = tarvelin_rezezadovu_contracts_database_iconnection_execute(connection, sql.c_str(), FALSE,
                                                                                   &length, &error);
    bool ok = !error;
    for (gint i = 0; i < length; ++i) {
        if (g_str_has_suffix(G_OBJECT_TYPE_NAME(results[i]), "ValueError")) {
            gchar* text = tarvelin_providers_contracts_value_object_to_string(
                reinterpret_cast<TarvelinProvidersContractsValueObject*>(results[i]));
            std::fprintf(stderr, "%s: statement %d failed: %s\n", tag, i, text);
            g_free(text);
            ok = false;
        }
        g_object_unref(results[i]);
    }
    g_free(results);
    if (error) {
        std::fprintf(stderr, "%s: statements failed: %s\n", tag, error->message);
        g_error_free(error);
    }
    return ok;
}

}  // namespace bench_support
