/* The MySQL dialect from C, without a server: a never-opened connection over the MySQL
 * driver, and each of its dialect classes once. */
#include "chost.h"

#include <tarvelin/rezezadovu/mysql.h>

typedef TarvelinRezezadovuContractsDatabaseIConnection IConnection;

int chost_mysql_dialect(void)
{
    int failures = 0;
    GError *error = NULL;
    TarvelinRezezadovuSupportsDatabaseMySQLConnection *mysql = tarvelin_rezezadovu_supports_database_my_sql_connection_new();
    IConnection *i = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(mysql);
    CHOST_CHECK_STR(failures, tarvelin_rezezadovu_supports_database_connection_impl_get_version(
                                  TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(mysql)),
                    "");

    TarvelinRezezadovuContractsDatabaseIStatement *statement = tarvelin_rezezadovu_contracts_database_iconnection_statement(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_MY_SQL_STATEMENT(statement));
    gchar *text = tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(statement, "a`b", "s");
    CHOST_CHECK_STR(failures, text, "`s`.`a``b`");
    g_free(text);
    text = tarvelin_rezezadovu_contracts_database_istatement_pack_value(statement, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING,
                                                                        "a'\\");
    CHOST_CHECK_STR(failures, text, "'a''\\\\'");
    g_free(text);

    /* Never opened: the 8.x reader. A 5.x reader reads no checks and no role edges. */
    TarvelinRezezadovuContractsDatabaseIAdaptable *adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_MY_SQL_ADAPTER_V8X(adapter));
    TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x *v5x = tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_new(i);
    TarvelinRezezadovuMetaModelMetaTable *table = tarvelin_rezezadovu_meta_model_meta_table_new_with_names("d", "s", "t");
    TarvelinRezezadovuMetaModelMetaTable *same = tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_check(
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_MY_SQL_ADAPTER_V8X(v5x), table, &error);
    CHOST_CHECK(failures, same == table && error == NULL);
    g_clear_object(&same);

    TarvelinRezezadovuContractsDatabaseIBuildable *builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_MY_SQL_BUILDER(builder));
    text = tarvelin_rezezadovu_contracts_database_ibuildable_build_delete(builder, TARVELIN_REZEZADOVU_META_MODEL_META_OBJECT(table));
    CHOST_CHECK_STR(failures, text, "DROP TABLE IF EXISTS `t`;");
    g_free(text);

    TarvelinRezezadovuContractsDatabaseIExplorable *explorer = tarvelin_rezezadovu_contracts_database_iconnection_explorer(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_MY_SQL_EXPLORER(explorer));
    TarvelinProvidersContractsTableModel *none = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        explorer, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN, "d", "s", "", &error);
    CHOST_CHECK(failures, none && g_list_model_get_n_items(G_LIST_MODEL(none)) == 0 && error == NULL);
    g_clear_object(&none);

    TarvelinRezezadovuContractsDatabaseIInspectable *inspector =
        tarvelin_rezezadovu_contracts_database_iconnection_inspector(i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_MY_SQL_INSPECTOR(inspector));
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(inspector, "decimal") ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY);

    g_object_unref(inspector);
    g_object_unref(explorer);
    g_object_unref(builder);
    g_object_unref(table);
    g_object_unref(v5x);
    g_object_unref(adapter);
    g_object_unref(statement);
    g_object_unref(mysql);
    return failures;
}
