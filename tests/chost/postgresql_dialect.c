/* The PostgreSQL dialect seen from C, without a server: the connection and the objects it
 * hands out, each reader class, the reader's own functions, the inspector, the builder and
 * the explorer. */
#include <tarvelin/rezezadovu/rezezadovu.h>

#include "chost.h"

int chost_postgresql_dialect(void)
{
    int failures = 0;
    GError *error = NULL;

    TarvelinRezezadovuSupportsDatabasePostgreSQLConnection *connection =
        tarvelin_rezezadovu_supports_database_postgre_sql_connection_new();
    TarvelinRezezadovuContractsDatabaseIConnection *iconnection =
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(connection);
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_database_iconnection_get_provider(iconnection) != NULL);
    CHOST_CHECK_STR(failures, tarvelin_rezezadovu_contracts_database_iconnection_get_version(iconnection), "");

    /* Statement texts through the contract's dispatcher. */
    TarvelinRezezadovuContractsDatabaseIStatement *statement =
        tarvelin_rezezadovu_contracts_database_iconnection_statement(iconnection);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_POSTGRE_SQL_STATEMENT(statement));
    gchar *text = tarvelin_rezezadovu_contracts_database_istatement_empty_table(statement, "db", "app", "t\"x");
    CHOST_CHECK_STR(failures, text, "TRUNCATE TABLE \"app\".\"t\"\"x\";");
    g_free(text);
    g_object_unref(statement);

    /* The reader the connection holds before any open, and the other two classes. */
    TarvelinRezezadovuContractsDatabaseIAdaptable *adapter =
        tarvelin_rezezadovu_contracts_database_iconnection_adapter(iconnection);
    CHOST_CHECK(failures, G_TYPE_CHECK_INSTANCE_TYPE(adapter, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V11X));
    TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x *v11 =
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_POSTGRE_SQL_ADAPTER_V11X(adapter);
    text = tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_full_action_name(v11, "c");
    CHOST_CHECK_STR(failures, text, "CASCADE");
    g_free(text);
    /* Unopened: every table reader reports the driver's error and gives no table. */
    TarvelinRezezadovuMetaModelMetaTable *table =
        tarvelin_rezezadovu_meta_model_meta_table_new_with_names("db", "app", "t");
    CHOST_CHECK(failures, tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_check(
                              v11, table, &error) == NULL);
    CHOST_CHECK(failures, error != NULL);
    g_clear_error(&error);
    CHOST_CHECK(failures, tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_foreign(
                              v11, table, &error) == NULL);
    g_clear_error(&error);
    CHOST_CHECK(failures, tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_unique(
                              v11, table, &error) == NULL);
    g_clear_error(&error);
    CHOST_CHECK(failures, tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_options(
                              v11, table, &error) == NULL);
    CHOST_CHECK(failures, error != NULL && strcmp(g_quark_to_string(error->domain), "PostgreSQL") == 0);
    g_clear_error(&error);
    g_object_unref(table);
    g_object_unref(adapter);

    TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x *v9 =
        tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_new(iconnection);
    TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x *v12 =
        tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_new(iconnection);
    CHOST_CHECK(failures, G_TYPE_CHECK_INSTANCE_TYPE(v9, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V11X));
    CHOST_CHECK(failures, G_TYPE_CHECK_INSTANCE_TYPE(v12, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V11X));
    g_object_unref(v9);
    g_object_unref(v12);

    /* The inspector, made by the connection and on its own. */
    TarvelinRezezadovuContractsDatabaseIInspectable *inspector =
        tarvelin_rezezadovu_contracts_database_iconnection_inspector(iconnection);
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(inspector, "int4") ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    gint length = 0;
    gchar **collations = tarvelin_rezezadovu_contracts_database_iinspectable_support(
        inspector, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION, &length);
    CHOST_CHECK(failures, length == 3 && collations && collations[3] == NULL);
    g_strfreev(collations);
    g_object_unref(inspector);
    TarvelinRezezadovuSupportsDatabasePostgreSQLInspector *own =
        tarvelin_rezezadovu_supports_database_postgre_sql_inspector_new(iconnection);
    gchar *sql_type = tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IINSPECTABLE(own), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY);
    CHOST_CHECK_STR(failures, sql_type, "NUMERIC");
    g_free(sql_type);
    g_object_unref(own);

    /* The builder and the explorer: texts and lists that need no server. */
    TarvelinRezezadovuContractsDatabaseIBuildable *builder =
        tarvelin_rezezadovu_contracts_database_iconnection_builder(iconnection);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_POSTGRE_SQL_BUILDER(builder));
    TarvelinRezezadovuMetaModelMetaView *view = tarvelin_rezezadovu_meta_model_meta_view_new_with_names("db", "app", "v");
    tarvelin_rezezadovu_meta_model_meta_view_set_definition(view, "SELECT 1");
    text = tarvelin_rezezadovu_contracts_database_ibuildable_build_view(builder, view);
    CHOST_CHECK_STR(failures, text, "CREATE VIEW \"app\".\"v\" AS \nSELECT 1;\nCOMMENT ON VIEW \"app\".\"v\" IS NULL;\n\n");
    g_free(text);
    g_object_unref(view);
    g_object_unref(builder);
    TarvelinRezezadovuContractsDatabaseIExplorable *explorer =
        tarvelin_rezezadovu_contracts_database_iconnection_explorer(iconnection);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_POSTGRE_SQL_EXPLORER(explorer));
    TarvelinProvidersContractsTableModel *listed = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        explorer, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN, "db", "", "", &error);
    CHOST_CHECK(failures, listed != NULL && error == NULL);
    g_clear_object(&listed);
    g_object_unref(explorer);
    TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder *own_builder =
        tarvelin_rezezadovu_supports_database_postgre_sql_builder_new(iconnection);
    TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer *own_explorer =
        tarvelin_rezezadovu_supports_database_postgre_sql_explorer_new(iconnection);
    CHOST_CHECK(failures, own_builder != NULL && own_explorer != NULL);
    g_object_unref(own_builder);
    g_object_unref(own_explorer);

    TarvelinRezezadovuSupportsDatabasePostgreSQLStatement *texts =
        tarvelin_rezezadovu_supports_database_postgre_sql_statement_new(iconnection);
    CHOST_CHECK(failures, texts != NULL);
    g_object_unref(texts);

    /* Every class through its construct function as well. */
    GObject *made[] = {
        G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_connection_construct(
            TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_CONNECTION)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_statement_construct(
            TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_STATEMENT, iconnection)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_construct(
            TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V11X, iconnection)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_construct(
            TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V9X, iconnection)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_construct(
            TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V12X, iconnection)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_inspector_construct(
            TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_INSPECTOR, iconnection)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_builder_construct(
            TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_BUILDER, iconnection)),
        G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_explorer_construct(
            TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_EXPLORER, iconnection)),
    };
    for (size_t i = 0; i < G_N_ELEMENTS(made); i++) {
        CHOST_CHECK(failures, made[i] != NULL);
        if (made[i])
            g_object_unref(made[i]);
    }

    CHOST_CHECK(failures, g_type_from_name("TarvelinRezezadovuSupportsDatabasePostgreSQLConnection") ==
                              tarvelin_rezezadovu_supports_database_postgre_sql_connection_get_type());
    g_object_unref(connection);
    return failures;
}
