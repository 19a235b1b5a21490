/* A host built against the installed tree alone: its compiler and linker flags come from
 * pkg-config, nothing from the source tree. It keeps a SQLite provider on a temporary file
 * in the core library's service container, stores a value and reads it back. */
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/rezezadovu.h>

#include <glib/gstdio.h>
#include <stdio.h>
#include <string.h>

#define CHECK(condition)                                                                 \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            return 1;                                                                    \
        }                                                                                \
    } while (0)

int main(int argc, char **argv)
{
    CHECK(argc == 2);
    gchar *file = g_build_filename(argv[1], "host.db", NULL);
    GError *error = NULL;

    TarvelinProvidersContractsValueInt32 *value = tarvelin_providers_contracts_value_int32_new(42);
    gchar *text = tarvelin_providers_contracts_ivalue_to_string(TARVELIN_PROVIDERS_CONTRACTS_IVALUE(value));
    CHECK(text && strcmp(text, "42") == 0);

    TarvelinRezezadovuFoundationContainer *container = tarvelin_rezezadovu_foundation_container_new();
    TarvelinRezezadovuContractsContainerIContainer *services =
        TARVELIN_REZEZADOVU_CONTRACTS_CONTAINER_ICONTAINER(container);
    TarvelinProvidersSupportsSQLiteProvider *sqlite = tarvelin_providers_supports_sq_lite_provider_new();
    tarvelin_rezezadovu_contracts_container_icontainer_register_instance(
        services, TARVELIN_PROVIDERS_CONTRACTS_TYPE_IPROVIDER, G_OBJECT(sqlite));
    TarvelinProvidersContractsIProvider *provider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(
        tarvelin_rezezadovu_contracts_container_icontainer_resolve(services, TARVELIN_PROVIDERS_CONTRACTS_TYPE_IPROVIDER));
    CHECK(provider == (gpointer)sqlite);

    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_filename(server, file);
    tarvelin_providers_contracts_iprovider_open(provider, server, "", &error);
    CHECK(error == NULL);

    gchar *sql = g_strdup_printf("CREATE TABLE t (a); INSERT INTO t VALUES (%s);", text);
    gint length = 0;
    GObject **results = tarvelin_providers_contracts_iprovider_execute_statements(provider, sql, TRUE, &length, &error);
    CHECK(error == NULL && length == 2);
    for (gint i = 0; i < length; i++)
        g_object_unref(results[i]);
    g_free(results);

    TarvelinProvidersContractsIDataReader *reader =
        tarvelin_providers_contracts_iprovider_execute_reader(provider, "SELECT a FROM t", &error);
    CHECK(error == NULL && reader != NULL);
    gint64 read = tarvelin_providers_contracts_idata_reader_get_int64(reader, 0, &error);
    CHECK(error == NULL && read == 42);
    printf("installed host: stored and read %" G_GINT64_FORMAT " through SQLite in %s\n", read, file);
    g_object_unref(reader);

    tarvelin_providers_contracts_iprovider_close(provider, &error);
    CHECK(error == NULL);
    g_object_unref(provider);
    g_object_unref(server);
    g_object_unref(sqlite);
    g_object_unref(container);
    g_object_unref(value);
    g_free(sql);
    g_free(text);
    g_unlink(file);
    g_free(file);
    return 0;
}
