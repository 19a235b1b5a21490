/* Cell values seen from C. */
#include <tarvelin/providers/providers.h>

#include "chost.h"

int chost_values(void)
{
    int failures = 0;
    TarvelinProvidersContractsValueError *e = tarvelin_providers_contracts_value_error_new(-1, "No data returned.");
    TarvelinProvidersContractsValueObject *v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(e);
    gchar *text = tarvelin_providers_contracts_value_object_to_string(v);
    CHOST_CHECK_STR(failures, text, "-1:No data returned.");
    g_free(text);

    TarvelinProvidersContractsValueObject *copy = tarvelin_providers_contracts_ivalue_clone(
        TARVELIN_PROVIDERS_CONTRACTS_IVALUE(v));
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_CONTRACTS_IS_VALUE_ERROR(copy));
    g_object_unref(copy);

    gchar *name = NULL;
    g_object_get(e, "name", &name, NULL);
    CHOST_CHECK_STR(failures, name, "error");
    g_free(name);
    g_object_unref(e);

    GObject *n = g_object_new(g_type_from_name("TarvelinProvidersContractsValueNull"), NULL);
    CHOST_CHECK(failures, tarvelin_providers_contracts_ivalue_get_is_null(TARVELIN_PROVIDERS_CONTRACTS_IVALUE(n)));
    gchar *dump = tarvelin_providers_contracts_value_object_dump(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(n));
    CHOST_CHECK_STR(failures, dump, "TarvelinProvidersContractsValueNull => ");
    g_free(dump);
    g_object_unref(n);
    return failures;
}
