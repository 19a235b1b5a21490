/* The MariaDB dialect from C, without a server: a never-opened connection over the
 * MariaDB driver, each of its dialect classes made by its constructors, and the reader's
 * own operations (which report the closed connection as an error). */
#include "chost.h"

#include <tarvelin/rezezadovu/mariadb.h>

typedef TarvelinRezezadovuContractsDatabaseIConnection IConnection;

int chost_mariadb_dialect(void)
{
    int failures = 0;
    GError *error = NULL;
    TarvelinRezezadovuSupportsDatabaseMariaDBConnection *maria =
        tarvelin_rezezadovu_supports_database_maria_db_connection_new();
    IConnection *i = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(maria);
    TarvelinRezezadovuSupportsDatabaseMariaDBConnection *derived =
        tarvelin_rezezadovu_supports_database_maria_db_connection_construct(
            tarvelin_rezezadovu_supports_database_maria_db_connection_get_type());
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_MARIA_DB_CONNECTION(derived));
    g_object_unref(derived);

    /* The statement: MariaDB's own texts, and the family's quoting. */
    TarvelinRezezadovuSupportsDatabaseMariaDBStatement *statement =
        tarvelin_rezezadovu_supports_database_maria_db_statement_new(i);
    TarvelinRezezadovuContractsDatabaseIStatement *is = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ISTATEMENT(statement);
    gchar *text = tarvelin_rezezadovu_contracts_database_istatement_build_analyze(is, "SELECT 1", "");
    CHOST_CHECK_STR(failures, text, "ANALYZE SELECT 1;");
    g_free(text);
    text = tarvelin_rezezadovu_contracts_database_istatement_show_role_rights(is, "d", "d", "r1@%");
    CHOST_CHECK_STR(failures, text, "SHOW GRANTS FOR `r1`;");
    g_free(text);
    g_object_unref(statement);
    statement = tarvelin_rezezadovu_supports_database_maria_db_statement_construct(
        tarvelin_rezezadovu_supports_database_maria_db_statement_get_type(), i);
    CHOST_CHECK(failures, statement != NULL);
    g_clear_object(&statement);

    /* Never opened: the 10.5 reader; the older one is its subclass. */
    TarvelinRezezadovuContractsDatabaseIAdaptable *adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i);
    CHOST_CHECK(failures, G_OBJECT_TYPE(adapter) == tarvelin_rezezadovu_supports_database_maria_db_adapter_get_type());
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapter *reader = tarvelin_rezezadovu_supports_database_maria_db_adapter_new(i);
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapter *other = tarvelin_rezezadovu_supports_database_maria_db_adapter_construct(
        tarvelin_rezezadovu_supports_database_maria_db_adapter_get_type(), i);
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105 *older =
        tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_new(i);
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105 *older_too =
        tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_construct(
            tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_get_type(), i);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_IS_MARIA_DB_ADAPTER(older));
    CHOST_CHECK(failures, other != NULL && older_too != NULL);

    TarvelinRezezadovuMetaModelMetaTable *table = tarvelin_rezezadovu_meta_model_meta_table_new_with_names("d", "d", "t");
    TarvelinRezezadovuMetaModelMetaUser *user = tarvelin_rezezadovu_meta_model_meta_user_new();
    tarvelin_rezezadovu_supports_database_maria_db_adapter_load_relation(reader, user, &error);
    CHOST_CHECK(failures, error != NULL);
    g_clear_error(&error);
    TarvelinRezezadovuMetaModelMetaTable *same =
        tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_check(reader, table, &error);
    CHOST_CHECK(failures, same == NULL && error != NULL);
    g_clear_error(&error);
    same = tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_options(
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_MARIA_DB_ADAPTER(older), table, &error);
    CHOST_CHECK(failures, same == NULL && error != NULL);
    g_clear_error(&error);

    /* The builder: a drop needs no server. */
    TarvelinRezezadovuSupportsDatabaseMariaDBBuilder *builder = tarvelin_rezezadovu_supports_database_maria_db_builder_new(i);
    text = tarvelin_rezezadovu_contracts_database_ibuildable_build_delete(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IBUILDABLE(builder), TARVELIN_REZEZADOVU_META_MODEL_META_OBJECT(table));
    CHOST_CHECK_STR(failures, text, "DROP TABLE IF EXISTS `t`;");
    g_free(text);
    g_object_unref(builder);
    builder = tarvelin_rezezadovu_supports_database_maria_db_builder_construct(
        tarvelin_rezezadovu_supports_database_maria_db_builder_get_type(), i);
    CHOST_CHECK(failures, builder != NULL);
    g_clear_object(&builder);

    /* The explorer: a kind without a listing runs nothing. */
    TarvelinRezezadovuSupportsDatabaseMariaDBExplorer *explorer =
        tarvelin_rezezadovu_supports_database_maria_db_explorer_new(i);
    TarvelinProvidersContractsTableModel *none = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IEXPLORABLE(explorer), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN, "d",
        "d", "", &error);
    CHOST_CHECK(failures, none && g_list_model_get_n_items(G_LIST_MODEL(none)) == 0 && error == NULL);
    g_clear_object(&none);
    g_object_unref(explorer);
    explorer = tarvelin_rezezadovu_supports_database_maria_db_explorer_construct(
        tarvelin_rezezadovu_supports_database_maria_db_explorer_get_type(), i);
    CHOST_CHECK(failures, explorer != NULL);
    g_clear_object(&explorer);

    /* The inspector: BIT is a boolean here. */
    TarvelinRezezadovuSupportsDatabaseMariaDBInspector *inspector =
        tarvelin_rezezadovu_supports_database_maria_db_inspector_new(i);
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(
                              TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IINSPECTABLE(inspector), "bit") ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN);
    g_object_unref(inspector);
    inspector = tarvelin_rezezadovu_supports_database_maria_db_inspector_construct(
        tarvelin_rezezadovu_supports_database_maria_db_inspector_get_type(), i);
    CHOST_CHECK(failures, inspector != NULL);
    g_clear_object(&inspector);

    g_object_unref(user);
    g_object_unref(table);
    g_object_unref(older_too);
    g_object_unref(older);
    g_object_unref(other);
    g_object_unref(reader);
    g_object_unref(adapter);
    g_object_unref(maria);
    return failures;
}
