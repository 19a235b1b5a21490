/* The PostgreSQL driver seen from C, without a server: types, maps and the errors of a
 * provider that was never opened. */
#include <tarvelin/providers/providers.h>

#include "chost.h"

int chost_postgresql(void)
{
    int failures = 0;
    GError *error = NULL;

    GEnumClass *oids = g_type_class_ref(TARVELIN_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_TYPE);
    GEnumValue *cursor = g_enum_get_value(oids, TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_REF_CURSOR);
    CHOST_CHECK(failures, cursor != NULL);
    if (cursor)
        CHOST_CHECK_STR(failures, cursor->value_nick, "ref-cursor");
    g_type_class_unref(oids);

    TarvelinProvidersSupportsPostgreSQLProvider *pg = tarvelin_providers_supports_postgre_sql_provider_new();
    TarvelinProvidersContractsIProvider *provider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(pg);
    CHOST_CHECK(failures, !tarvelin_providers_contracts_iprovider_get_is_opened(provider));
    CHOST_CHECK(failures, tarvelin_providers_contracts_iprovider_execute_affect(provider, "SELECT 1", TRUE, &error) == -1);
    CHOST_CHECK(failures, error && error->code == -2 && strcmp(g_quark_to_string(error->domain), "PostgreSQL") == 0);
    g_clear_error(&error);

    TarvelinProvidersSupportsIPostgreSQLError *errors = TARVELIN_PROVIDERS_SUPPORTS_IPOSTGRE_SQL_ERROR(pg);
    tarvelin_providers_supports_ipostgre_sql_error_raise_error_result(errors, NULL, &error);
    CHOST_CHECK(failures, error && error->code == -2);
    g_clear_error(&error);
    tarvelin_providers_supports_ipostgre_sql_error_raise_error_connection(errors, NULL, &error);
    CHOST_CHECK(failures, error && error->code == -1);
    g_clear_error(&error);

    TarvelinProvidersSupportsIPostgreSQLType *types = TARVELIN_PROVIDERS_SUPPORTS_IPOSTGRE_SQL_TYPE(
        g_object_new(TARVELIN_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_READER, NULL));
    CHOST_CHECK(failures, tarvelin_providers_supports_ipostgre_sql_type_map_data_type(types, 3802) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON);
    gchar *name = tarvelin_providers_supports_ipostgre_sql_type_map_dbms_type(types, 1790);
    CHOST_CHECK_STR(failures, name, "REFCURSOR");
    g_free(name);
    g_object_unref(types);
    g_object_unref(pg);
    return failures;
}
