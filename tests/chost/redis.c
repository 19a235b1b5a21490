/* The Redis driver seen from C, without a server. */
#include <tarvelin/providers/providers.h>

#include "chost.h"

int chost_redis(void)
{
    int failures = 0;
    TarvelinProvidersSupportsRedisProvider *provider = tarvelin_providers_supports_redis_provider_new();
    CHOST_CHECK_STR(failures, G_OBJECT_TYPE_NAME(provider), "TarvelinProvidersSupportsRedisProvider");
    CHOST_CHECK(failures, g_type_is_a(tarvelin_providers_supports_redis_provider_get_type(),
                                      tarvelin_providers_supports_iredis_error_get_type()));
    TarvelinProvidersContractsIProvider *iprovider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider);
    CHOST_CHECK(failures, !tarvelin_providers_contracts_iprovider_get_is_opened(iprovider));

    GError *error = NULL;
    CHOST_CHECK(failures, tarvelin_providers_contracts_iprovider_execute_model(iprovider, "PING", TRUE, &error) == NULL);
    CHOST_CHECK(failures, error != NULL && error->code == -1);
    if (error) CHOST_CHECK_STR(failures, g_quark_to_string(error->domain), "Redis");
    g_clear_error(&error);

    /* Missing context or reply: a critical, no error. */
    TarvelinProvidersSupportsIRedisError *errors = TARVELIN_PROVIDERS_SUPPORTS_IREDIS_ERROR(provider);
    tarvelin_providers_supports_iredis_error_raise_error_response(errors, NULL, -1, &error);
    CHOST_CHECK(failures, error == NULL);
    tarvelin_providers_supports_iredis_error_raise_error_reply(errors, NULL, NULL, &error);
    CHOST_CHECK(failures, error == NULL);
    g_object_unref(provider);

    provider = tarvelin_providers_supports_redis_provider_construct(TARVELIN_PROVIDERS_SUPPORTS_TYPE_REDIS_PROVIDER);
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_SUPPORTS_IS_REDIS_PROVIDER(provider));
    g_object_unref(provider);

    TarvelinProvidersSupportsRedisReader *reader = tarvelin_providers_supports_redis_reader_new();
    TarvelinProvidersContractsIDataReader *r = TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(reader);
    CHOST_CHECK(failures, !tarvelin_providers_contracts_idata_reader_read(r, &error));
    CHOST_CHECK(failures, tarvelin_providers_contracts_idata_reader_get_field_count(r) == 0);
    gchar *name = tarvelin_providers_contracts_idata_reader_get_name(r, 0, &error);
    CHOST_CHECK_STR(failures, name, "");
    g_free(name);
    CHOST_CHECK(failures, error == NULL);
    g_object_unref(reader);

    reader = tarvelin_providers_supports_redis_reader_construct(tarvelin_providers_supports_redis_reader_get_type());
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_SUPPORTS_IS_REDIS_READER(reader));
    g_object_unref(reader);
    return failures;
}
