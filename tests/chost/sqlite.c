/* The SQLite driver seen from C: a provider on a file in a temporary directory. */
#include <tarvelin/providers/providers.h>

#include <glib/gstdio.h>

#include "chost.h"

int chost_sqlite(void)
{
    int failures = 0;
    GError *error = NULL;
    gchar *dir = g_dir_make_tmp("chost-sqlite-XXXXXX", NULL);
    gchar *file = g_build_filename(dir, "c.db", NULL);

    TarvelinProvidersSupportsSQLiteProvider *sqlite = tarvelin_providers_supports_sq_lite_provider_new();
    TarvelinProvidersContractsIProvider *provider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(sqlite);
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_SUPPORTS_IS_ISQ_LITE_ERROR(sqlite));
    CHOST_CHECK(failures, tarvelin_providers_supports_sq_lite_provider_get_engine(sqlite) == NULL);

    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_filename(server, file);
    tarvelin_providers_contracts_iprovider_open(provider, server, "", &error);
    CHOST_CHECK(failures, error == NULL);
    CHOST_CHECK(failures, tarvelin_providers_contracts_iprovider_get_is_opened(provider));
    CHOST_CHECK(failures, tarvelin_providers_supports_sq_lite_provider_get_engine(sqlite) != NULL);

    gint length = 0;
    GObject **results = tarvelin_providers_contracts_iprovider_execute_statements(
        provider, "CREATE TABLE t (a); INSERT INTO t VALUES (5); SELECT a FROM t;", TRUE, &length, &error);
    CHOST_CHECK(failures, error == NULL && length == 3);
    for (gint i = 0; results && i < length; i++)
        g_object_unref(results[i]);
    g_free(results);

    TarvelinProvidersContractsIDataReader *reader =
        tarvelin_providers_contracts_iprovider_execute_reader(provider, "SELECT a, 'x' AS b FROM t", &error);
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_SUPPORTS_IS_SQ_LITE_READER(reader));
    CHOST_CHECK(failures, tarvelin_providers_contracts_idata_reader_get_field_count(reader) == 2);
    CHOST_CHECK(failures, tarvelin_providers_contracts_idata_reader_get_int64(reader, 0, &error) == 5);
    gchar *type = tarvelin_providers_contracts_idata_reader_get_dbms_type(reader, 1, &error);
    CHOST_CHECK_STR(failures, type, "TEXT");
    g_free(type);
    CHOST_CHECK(failures, !tarvelin_providers_contracts_idata_reader_read(reader, &error));
    g_object_unref(reader);

    tarvelin_providers_contracts_iprovider_execute_model(provider, "UPDATE t SET a = 6", TRUE, &error);
    CHOST_CHECK(failures, error && error->code == -1 && strcmp(g_quark_to_string(error->domain), "SQLite") == 0);
    g_clear_error(&error);

    TarvelinProvidersSupportsISQLiteType *types = TARVELIN_PROVIDERS_SUPPORTS_ISQ_LITE_TYPE(
        g_object_new(TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQ_LITE_READER, NULL));
    CHOST_CHECK(failures, tarvelin_providers_supports_isq_lite_type_map_data_type(types, 4) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB);
    gchar *name = tarvelin_providers_supports_isq_lite_type_map_dbms_type(types, 9);
    CHOST_CHECK_STR(failures, name, "ANY");
    g_free(name);
    g_object_unref(types);

    TarvelinProvidersSupportsISQLiteError *errors = TARVELIN_PROVIDERS_SUPPORTS_ISQ_LITE_ERROR(sqlite);
    tarvelin_providers_supports_isq_lite_error_raise_error(
        errors, tarvelin_providers_supports_sq_lite_provider_get_engine(sqlite), 101, &error);
    CHOST_CHECK(failures, error == NULL);

    tarvelin_providers_contracts_iprovider_close(provider, &error);
    CHOST_CHECK(failures, !tarvelin_providers_contracts_iprovider_get_is_opened(provider));
    g_object_unref(sqlite);
    g_object_unref(server);
    g_unlink(file);
    g_rmdir(dir);
    g_free(file);
    g_free(dir);
    return failures;
}
