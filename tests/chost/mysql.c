/* The MySQL driver seen from C: a closed provider, the reader's type map. */
#include <tarvelin/providers/providers.h>

#include "chost.h"

int chost_mysql(void)
{
    int failures = 0;
    TarvelinProvidersSupportsMySQLProvider *provider = tarvelin_providers_supports_my_sql_provider_new();
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_CONTRACTS_IS_IPROVIDER(provider));
    CHOST_CHECK(failures, G_TYPE_CHECK_INSTANCE_TYPE(provider, TARVELIN_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_ERROR));
    CHOST_CHECK_STR(failures, G_OBJECT_TYPE_NAME(provider), "TarvelinProvidersSupportsMySQLProvider");

    TarvelinProvidersContractsIProvider *iprovider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider);
    gboolean opened = TRUE;
    g_object_get(provider, "is-opened", &opened, NULL);
    CHOST_CHECK(failures, !opened);
    GError *error = NULL;
    gint64 affected = tarvelin_providers_contracts_iprovider_execute_affect(iprovider, "SELECT 1", TRUE, &error);
    CHOST_CHECK(failures, affected == -1);
    CHOST_CHECK(failures, error != NULL && error->domain == g_quark_from_string("MySQL"));
    g_clear_error(&error);
    g_object_unref(provider);

    /* A reader made without a result still answers its type map. */
    GObject *reader = g_object_new(TARVELIN_PROVIDERS_SUPPORTS_TYPE_MY_SQL_READER, NULL);
    TarvelinProvidersSupportsIMySQLType *types = TARVELIN_PROVIDERS_SUPPORTS_IMY_SQL_TYPE(reader);
    CHOST_CHECK(failures, tarvelin_providers_supports_imy_sql_type_map_data_type(types, 1, 32) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8);
    CHOST_CHECK(failures, tarvelin_providers_supports_imy_sql_type_map_data_type(types, 252, 128) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB);
    gchar *name = tarvelin_providers_supports_imy_sql_type_map_dbms_type(types, 246, 0);
    CHOST_CHECK_STR(failures, name, "NEWDECIMAL");
    g_free(name);
    CHOST_CHECK(failures, tarvelin_providers_contracts_idata_reader_get_field_count(
                              TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(reader)) == 0);
    g_object_unref(reader);
    return failures;
}
