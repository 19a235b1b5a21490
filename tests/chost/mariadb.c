/* The MariaDB driver seen from C: its own types and error domain. */
#include <tarvelin/providers/providers.h>

#include "chost.h"

int chost_mariadb(void)
{
    int failures = 0;
    TarvelinProvidersSupportsMariaDBProvider *provider = tarvelin_providers_supports_maria_db_provider_new();
    CHOST_CHECK_STR(failures, G_OBJECT_TYPE_NAME(provider), "TarvelinProvidersSupportsMariaDBProvider");
    CHOST_CHECK(failures, G_TYPE_CHECK_INSTANCE_TYPE(provider, TARVELIN_PROVIDERS_SUPPORTS_TYPE_IMARIA_DB_ERROR));
    CHOST_CHECK(failures, !G_TYPE_CHECK_INSTANCE_TYPE(provider, TARVELIN_PROVIDERS_SUPPORTS_TYPE_IMY_SQL_ERROR));

    GError *error = NULL;
    CHOST_CHECK(failures, !tarvelin_providers_contracts_iprovider_transaction(
                              TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider), &error));
    CHOST_CHECK(failures, error != NULL && error->domain == g_quark_from_string("MariaDB"));
    g_clear_error(&error);
    g_object_unref(provider);

    GObject *reader = g_object_new(g_type_from_name("TarvelinProvidersSupportsMariaDBReader"), NULL);
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_SUPPORTS_IS_MARIA_DB_READER(reader));
    CHOST_CHECK(failures, tarvelin_providers_supports_imaria_db_type_map_data_type(
                              TARVELIN_PROVIDERS_SUPPORTS_IMARIA_DB_TYPE(reader), 8, 0) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64);
    g_object_unref(reader);
    return failures;
}
