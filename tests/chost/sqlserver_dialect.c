/* The SQL Server dialect from C: each class once, the texts a statement builds, an
 * inspector's choice list, a listing without a query, and the adapter's lists. */
#include "chost.h"

#include <tarvelin/rezezadovu/sqlserver.h>

static int check_types(TarvelinRezezadovuContractsDatabaseIConnection *conn)
{
    int failures = 0;
    GObject *objects[] = {
        G_OBJECT(tarvelin_rezezadovu_supports_database_sql_server_statement_new(conn)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_sql_server_explorer_new(conn)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_new(conn)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_sql_server_adapter_new(conn)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_new(conn)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_sql_server_inspector_new(conn)),
    };
    const char *names[] = {
        "TarvelinRezezadovuSupportsDatabaseSQLServerStatement", "TarvelinRezezadovuSupportsDatabaseSQLServerExplorer",
        "TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x", "TarvelinRezezadovuSupportsDatabaseSQLServerAdapter",
        "TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x", "TarvelinRezezadovuSupportsDatabaseSQLServerInspector",
    };
    for (unsigned i = 0; i < G_N_ELEMENTS(objects); i++) {
        CHOST_CHECK(failures, objects[i] != NULL);
        if (objects[i]) CHOST_CHECK_STR(failures, G_OBJECT_TYPE_NAME(objects[i]), names[i]);
    }
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_SQL_SERVER_EXPLORER(objects[2]));
    CHOST_CHECK(failures, g_type_is_a(tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_get_type(),
                                      TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_ADAPTER));
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IS_IADAPTABLE(objects[3]));
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IS_IINSPECTABLE(objects[5]));

    /* Texts quote names as T-SQL wants them. */
    TarvelinRezezadovuContractsDatabaseIStatement *statement = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ISTATEMENT(objects[0]);
    gchar *quoted = tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(statement, "a]b", "dbo");
    CHOST_CHECK_STR(failures, quoted, "[dbo].[a]]b]");
    g_free(quoted);
    gint column = -5;
    gchar *tables = tarvelin_rezezadovu_contracts_database_istatement_show_tables(statement, "shop", "O'Brien", &column);
    CHOST_CHECK(failures, tables && strstr(tables, "TABLE_SCHEMA= 'O''Brien'") != NULL);
    CHOST_CHECK(failures, column == 0);
    g_free(tables);

    /* The type list of the inspector: 45 entries behind a terminating NULL. */
    gint length = 0;
    gchar **types = tarvelin_rezezadovu_contracts_database_iinspectable_support(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IINSPECTABLE(objects[5]),
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_TYPE, &length);
    CHOST_CHECK(failures, length == 45 && types && types[45] == NULL);
    g_strfreev(types);

    /* A kind without a listing asks nothing of the (closed) connection. */
    GError *error = NULL;
    TarvelinProvidersContractsTableModel *empty = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IEXPLORABLE(objects[1]), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN,
        "shop", "dbo", "", &error);
    CHOST_CHECK(failures, empty != NULL && error == NULL);
    if (empty) {
        CHOST_CHECK(failures, g_list_model_get_n_items(G_LIST_MODEL(empty)) == 0);
        g_object_unref(empty);
    }
    for (unsigned i = 0; i < G_N_ELEMENTS(objects); i++)
        if (objects[i]) g_object_unref(objects[i]);
    return failures;
}

int chost_sqlserver_dialect(void)
{
    int failures = 0;
    TarvelinRezezadovuSupportsDatabaseSQLServerConnection *c = tarvelin_rezezadovu_supports_database_sql_server_connection_new();
    CHOST_CHECK_STR(failures, G_OBJECT_TYPE_NAME(c), "TarvelinRezezadovuSupportsDatabaseSQLServerConnection");
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_CONNECTION_IMPL(c));
    TarvelinRezezadovuContractsDatabaseIConnection *conn = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(c);
    CHOST_CHECK_STR(failures, tarvelin_rezezadovu_contracts_database_iconnection_get_version(conn), "");
    failures += check_types(conn);

    CHOST_CHECK_STR(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_USER_LIST_INTERNAL[2], "OWNER");
    CHOST_CHECK_STR(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_FUNCTION[5], "TF");
    CHOST_CHECK_STR(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_NUMERIC[4], "REAL");
    CHOST_CHECK_STR(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_DATETIME[3],
                    "TIMESTAMP");
    CHOST_CHECK_STR(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_CHARACTER[0], "CHAR");

    TarvelinRezezadovuSupportsDatabaseSQLServerConnection *sub =
        tarvelin_rezezadovu_supports_database_sql_server_connection_construct(
            tarvelin_rezezadovu_supports_database_sql_server_connection_get_type());
    CHOST_CHECK(failures, sub != NULL);
    if (sub) g_object_unref(sub);
    g_object_unref(c);
    return failures;
}
