/* The SQLite dialect from C: a connection on a file in a temporary directory, one query,
 * and each of its dialect objects once. */
#include "chost.h"

#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/sqlite.h>

typedef TarvelinRezezadovuContractsDatabaseIConnection IConnection;

int chost_sqlite_dialect(void)
{
    int failures = 0;
    GError *error = NULL;
    gchar *dir = g_dir_make_tmp("chost-sqlite-dialect-XXXXXX", NULL);
    gchar *file = g_build_filename(dir, "d.db", NULL);

    TarvelinRezezadovuSupportsDatabaseSQLiteConnection *sqlite =
        tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *c = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(sqlite);
    IConnection *i = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(sqlite);
    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_filename(server, file);
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, server, NULL, &error);
    CHOST_CHECK(failures, error == NULL);
    CHOST_CHECK(failures, strlen(tarvelin_rezezadovu_supports_database_connection_impl_get_version(c)) > 0);

    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "CREATE TABLE t (a INTEGER)", TRUE,
                                                                           &error);
    TarvelinProvidersContractsValueObject *count =
        tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(
            c, "SELECT count(*) FROM sqlite_master WHERE name = 't'", TRUE, &error);
    CHOST_CHECK(failures, error == NULL && count != NULL);
    gchar *text = count ? tarvelin_providers_contracts_value_object_to_string(count) : NULL;
    CHOST_CHECK_STR(failures, text, "1");
    g_free(text);
    g_clear_object(&count);

    TarvelinRezezadovuContractsDatabaseIStatement *statement = tarvelin_rezezadovu_contracts_database_iconnection_statement(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_SQ_LITE_STATEMENT(statement));
    gchar *quoted = tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(statement, "a\"b", "main");
    CHOST_CHECK_STR(failures, quoted, "\"main\".\"a\"\"b\"");
    g_free(quoted);

    TarvelinRezezadovuContractsDatabaseIAdaptable *adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_SQ_LITE_ADAPTER(adapter));
    TarvelinRezezadovuMetaModelMetaTable *table = tarvelin_rezezadovu_meta_model_meta_table_new_with_names("d", "main", "t");
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(adapter, table, TRUE, &error);
    CHOST_CHECK(failures, error == NULL);

    TarvelinRezezadovuContractsDatabaseIBuildable *builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_SQ_LITE_BUILDER(builder));
    gchar *create = tarvelin_rezezadovu_contracts_database_ibuildable_build_table(builder, table, TRUE);
    CHOST_CHECK_STR(failures, create, "CREATE TABLE IF NOT EXISTS \"t\" (\n    \"a\" INTEGER\n);\n\n");
    g_free(create);

    TarvelinRezezadovuContractsDatabaseIExplorable *explorer = tarvelin_rezezadovu_contracts_database_iconnection_explorer(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_SQ_LITE_EXPLORER(explorer));
    TarvelinProvidersContractsTableModel *tables = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        explorer, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "d", "", "", &error);
    CHOST_CHECK(failures, tables && g_list_model_get_n_items(G_LIST_MODEL(tables)) == 1);
    g_clear_object(&tables);

    TarvelinRezezadovuContractsDatabaseIInspectable *inspector =
        tarvelin_rezezadovu_contracts_database_iconnection_inspector(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_SQ_LITE_INSPECTOR(inspector));
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(inspector, "integer") ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64);

    g_object_unref(inspector);
    g_object_unref(explorer);
    g_object_unref(builder);
    g_object_unref(table);
    g_object_unref(adapter);
    g_object_unref(statement);
    tarvelin_rezezadovu_supports_database_connection_impl_close(c);
    g_object_unref(sqlite);
    g_object_unref(server);
    g_unlink(file);
    g_rmdir(dir);
    g_free(file);
    g_free(dir);
    return failures;
}
