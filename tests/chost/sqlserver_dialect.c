/* The SQL Server dialect from C: each class once, the texts a statement builds, an
 * inspector's choice list, a listing without a query, the adapter's lists, and a
 * builder's permission and patch texts. */
#include "chost.h"

#include <tarvelin/rezezadovu/sqlserver.h>

/* Permissions from a principal's privileges map, and a patch from its change maps. */
static int check_builder(TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *builder,
                         TarvelinRezezadovuContractsDatabaseIConnection *conn)
{
    int failures = 0;
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_SQL_BUILDER(builder));
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IS_IBUILDABLE(builder));
    TarvelinRezezadovuMetaModelMetaUser *user =
        tarvelin_rezezadovu_meta_model_meta_user_new_with_names("shop", "dbo", "O'Neil]", "");
    GeeAbstractMap *privileges = GEE_ABSTRACT_MAP(tarvelin_rezezadovu_meta_model_meta_user_get_privileges(user));
    gee_abstract_map_set(privileges, "DATABASE", "CREATE TABLE=G,ALTER=W,BACKUP DATABASE=D,VIEW=R");
    gee_abstract_map_set(privileges, "OBJECT", "sales.orders");
    gee_abstract_map_set(privileges, "sales.orders", "SELECT=G");

    gchar *standard = tarvelin_rezezadovu_supports_database_sql_server_builder_build_standard_permission_sql(
        builder, user, "DATABASE");
    CHOST_CHECK_STR(failures, standard,
                    "GRANT ALTER TO [O'Neil]]] WITH GRANT OPTION;\nGRANT CREATE TABLE TO [O'Neil]]];\n"
                    "DENY BACKUP DATABASE TO [O'Neil]]] CASCADE;\n");
    g_free(standard);
    gchar *objects = tarvelin_rezezadovu_supports_database_sql_server_builder_build_dynamic_permission_sql(
        builder, user, "OBJECT");
    CHOST_CHECK_STR(failures, objects, "GRANT SELECT ON OBJECT::[sales].[orders] TO [O'Neil]]];\n");
    g_free(objects);
    gchar *one = tarvelin_rezezadovu_supports_database_sql_server_builder_build_permission_sql(
        builder, user, "OBJECT", "sales.orders");
    CHOST_CHECK_STR(failures, one, "GRANT SELECT ON OBJECT::[sales].[orders] TO [O'Neil]]];\n");
    g_free(one);

    TarvelinRezezadovuMetaModelMetaObject *object = TARVELIN_REZEZADOVU_META_MODEL_META_OBJECT(user);
    tarvelin_rezezadovu_meta_model_meta_object_append_diff(object, "privileges.DATABASE",
                                                           TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    tarvelin_rezezadovu_meta_model_meta_object_append_slice(object, "privileges.DATABASE",
                                                            "CREATE TABLE=G,ALTER=W,BACKUP DATABASE=D,INSERT=G");
    gchar *revoke = tarvelin_rezezadovu_supports_database_sql_server_builder_patch_standard_permission_sql(
        builder, user, "DATABASE");
    CHOST_CHECK_STR(failures, revoke, "REVOKE INSERT FROM [O'Neil]]] CASCADE;\n");
    g_free(revoke);
    gchar *unchanged = tarvelin_rezezadovu_supports_database_sql_server_builder_patch_dynamic_permission_sql(
        builder, user, "OBJECT");
    CHOST_CHECK_STR(failures, unchanged, "");
    g_free(unchanged);
    gchar *patch = tarvelin_rezezadovu_supports_database_sql_server_builder_patch_user(builder, user);
    CHOST_CHECK_STR(failures, patch, "REVOKE INSERT FROM [O'Neil]]] CASCADE;\n");
    g_free(patch);
    gchar *as_user = tarvelin_rezezadovu_supports_database_sql_server_builder_patch_meta_user(builder, user);
    CHOST_CHECK_STR(failures, as_user, "REVOKE INSERT FROM [O'Neil]]] CASCADE;\n");
    g_free(as_user);
    /* As a login nothing of the database's permissions applies. */
    gchar *as_login = tarvelin_rezezadovu_supports_database_sql_server_builder_patch_meta_login(builder, user);
    CHOST_CHECK_STR(failures, as_login, "");
    g_free(as_login);
    g_object_unref(user);

    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *sub = tarvelin_rezezadovu_supports_database_sql_server_builder_construct(
        tarvelin_rezezadovu_supports_database_sql_server_builder_get_type(), conn);
    CHOST_CHECK(failures, sub != NULL);
    if (sub) g_object_unref(sub);
    return failures;
}

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
        G_OBJECT(tarvelin_rezezadovu_supports_database_sql_server_builder_new(conn)),
    };
    const char *names[] = {
        "TarvelinRezezadovuSupportsDatabaseSQLServerStatement", "TarvelinRezezadovuSupportsDatabaseSQLServerExplorer",
        "TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x", "TarvelinRezezadovuSupportsDatabaseSQLServerAdapter",
        "TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x", "TarvelinRezezadovuSupportsDatabaseSQLServerInspector",
        "TarvelinRezezadovuSupportsDatabaseSQLServerBuilder",
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
    failures += check_builder(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_BUILDER(objects[6]), conn);
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
    /* The connection makes its builder on first request and keeps it. */
    TarvelinRezezadovuContractsDatabaseIBuildable *b1 = tarvelin_rezezadovu_contracts_database_iconnection_builder(conn);
    TarvelinRezezadovuContractsDatabaseIBuildable *b2 = tarvelin_rezezadovu_contracts_database_iconnection_builder(conn);
    CHOST_CHECK(failures, b1 != NULL && b1 == b2);
    if (b1) CHOST_CHECK_STR(failures, G_OBJECT_TYPE_NAME(b1), "TarvelinRezezadovuSupportsDatabaseSQLServerBuilder");
    if (b1) g_object_unref(b1);
    if (b2) g_object_unref(b2);

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
