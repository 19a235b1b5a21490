/* The SQL Server driver seen from C: its types, records and the paths that need no server. */
#include <tarvelin/providers/providers.h>

#include "chost.h"

static int check_messages(void)
{
    int failures = 0;
    TarvelinProvidersSupportsTdsMessage *m = tarvelin_providers_supports_tds_message_new();
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_SUPPORTS_IS_TDS_MESSAGE(m));
    CHOST_CHECK_STR(failures, g_type_name(G_TYPE_FROM_INSTANCE(m)), "TarvelinProvidersSupportsTdsMessage");
    tarvelin_providers_supports_tds_message_set_error(m, 2627);
    tarvelin_providers_supports_tds_message_set_severity(m, 14);
    tarvelin_providers_supports_tds_message_set_source(m, "message");
    tarvelin_providers_supports_tds_message_set_message(m, "Violation of PRIMARY KEY constraint");
    CHOST_CHECK(failures, tarvelin_providers_supports_tds_message_get_error(m) == 2627);
    CHOST_CHECK(failures, tarvelin_providers_supports_tds_message_get_severity(m) == 14);
    CHOST_CHECK_STR(failures, tarvelin_providers_supports_tds_message_get_source(m), "message");
    CHOST_CHECK_STR(failures, tarvelin_providers_supports_tds_message_get_message(m),
                    "Violation of PRIMARY KEY constraint");

    GValue v = G_VALUE_INIT;
    g_value_init(&v, TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_MESSAGE);
    tarvelin_providers_supports_value_set_tds_message(&v, m);
    CHOST_CHECK(failures, m->ref_count == 2);
    CHOST_CHECK(failures, tarvelin_providers_supports_value_get_tds_message(&v) == m);
    tarvelin_providers_supports_value_take_tds_message(&v, tarvelin_providers_supports_tds_message_ref(m));
    g_value_unset(&v);
    CHOST_CHECK(failures, m->ref_count == 1);
    GParamSpec *p = tarvelin_providers_supports_param_spec_tds_message(
        "report", "report", "report", TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_MESSAGE, G_PARAM_READABLE);
    CHOST_CHECK(failures, p != NULL && p->value_type == TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_MESSAGE);
    g_param_spec_ref_sink(p);
    g_param_spec_unref(p);
    tarvelin_providers_supports_tds_message_unref(m);

    m = tarvelin_providers_supports_tds_message_construct(TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_MESSAGE);
    CHOST_CHECK_STR(failures, tarvelin_providers_supports_tds_message_get_message(m), "");
    tarvelin_providers_supports_tds_message_unref(m);
    return failures;
}

static int check_provider(void)
{
    int failures = 0;
    TarvelinProvidersSupportsSQLServerProvider *provider = tarvelin_providers_supports_sql_server_provider_new();
    CHOST_CHECK_STR(failures, G_OBJECT_TYPE_NAME(provider), "TarvelinProvidersSupportsSQLServerProvider");
    CHOST_CHECK(failures, g_type_is_a(tarvelin_providers_supports_sql_server_provider_get_type(),
                                      TARVELIN_PROVIDERS_SUPPORTS_TYPE_ISQL_SERVER_ERROR));
    CHOST_CHECK(failures, g_type_is_a(TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQL_SERVER_PROVIDER,
                                      tarvelin_providers_contracts_iprovider_get_type()));

    TarvelinProvidersSupportsISQLServerError *errors = TARVELIN_PROVIDERS_SUPPORTS_ISQL_SERVER_ERROR(provider);
    TarvelinProvidersSupportsTdsUserData *data = tarvelin_providers_supports_isql_server_error_get_userdata(errors);
    gpointer property = NULL;
    gboolean opened = TRUE;
    g_object_get(provider, "userdata", &property, "is-opened", &opened, NULL);
    CHOST_CHECK(failures, data != NULL && property == data);
    CHOST_CHECK(failures, !opened);
    CHOST_CHECK(failures, data->messages != NULL && !data->failed && !data->dead);

    /* The record is boxed: copies share the queue. */
    TarvelinProvidersSupportsTdsUserData *copy = tarvelin_providers_supports_tds_user_data_dup(data);
    CHOST_CHECK(failures, copy->messages == data->messages);
    TarvelinProvidersSupportsTdsUserData other = {0};
    tarvelin_providers_supports_tds_user_data_copy(copy, &other);
    CHOST_CHECK(failures, other.messages == data->messages);
    tarvelin_providers_supports_tds_user_data_destroy(&other);
    tarvelin_providers_supports_tds_user_data_free(copy);
    CHOST_CHECK(failures, G_OBJECT(data->messages)->ref_count == 1);
    CHOST_CHECK(failures, G_TYPE_IS_BOXED(tarvelin_providers_supports_tds_user_data_get_type()));

    GError *error = NULL;
    tarvelin_providers_supports_isql_server_error_raise_error(errors, 0, &error);
    CHOST_CHECK(failures, error != NULL && error->code == -1);
    if (error) CHOST_CHECK_STR(failures, error->message, "Fail occured");
    g_clear_error(&error);
    tarvelin_providers_supports_isql_server_error_raise_error(errors, 1, &error);
    CHOST_CHECK(failures, error == NULL);

    /* Never opened: refused with db-lib's own "no connection" error. */
    TarvelinProvidersContractsIProvider *iprovider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider);
    CHOST_CHECK(failures, !tarvelin_providers_contracts_iprovider_get_is_opened(iprovider));
    CHOST_CHECK(failures, tarvelin_providers_contracts_iprovider_execute_model(iprovider, "SELECT 1", TRUE, &error) == NULL);
    CHOST_CHECK(failures, error != NULL && error->code == 20109);
    if (error) CHOST_CHECK_STR(failures, g_quark_to_string(error->domain), "TDSDB");
    g_clear_error(&error);
    g_object_unref(provider);

    provider = tarvelin_providers_supports_sql_server_provider_construct(TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQL_SERVER_PROVIDER);
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_SUPPORTS_IS_SQL_SERVER_PROVIDER(provider));
    g_object_unref(provider);
    return failures;
}

static int check_reader_and_types(void)
{
    int failures = 0;
    /* A reader needs a connection. */
    CHOST_CHECK(failures, tarvelin_providers_supports_sql_server_reader_new(NULL) == NULL);
    CHOST_CHECK(failures, tarvelin_providers_supports_sql_server_reader_construct(
                              tarvelin_providers_supports_sql_server_reader_get_type(), NULL) == NULL);

    GObject *reader = g_object_new(TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQL_SERVER_READER, NULL);
    CHOST_CHECK(failures, g_type_is_a(G_OBJECT_TYPE(reader), tarvelin_providers_supports_isql_server_type_get_type()));
    CHOST_CHECK(failures, g_type_is_a(G_OBJECT_TYPE(reader), tarvelin_providers_supports_isql_server_error_get_type()));
    TarvelinProvidersSupportsISQLServerType *types = TARVELIN_PROVIDERS_SUPPORTS_ISQL_SERVER_TYPE(reader);
    CHOST_CHECK(failures, tarvelin_providers_supports_isql_server_type_map_data_type(types, 38, 1) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8);
    CHOST_CHECK(failures, tarvelin_providers_supports_isql_server_type_map_data_type(types, 48, 1) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8);
    gchar *name = tarvelin_providers_supports_isql_server_type_map_dbms_type(types, 110, 4);
    CHOST_CHECK_STR(failures, name, "smallmoney");
    g_free(name);
    CHOST_CHECK(failures, tarvelin_providers_supports_isql_server_type_map_bind_type(types, 127) == 30);
    CHOST_CHECK(failures, tarvelin_providers_supports_isql_server_type_map_bind_type(NULL, 127) == 0);

    /* Without a connection the reader has no columns and no user data. */
    gint count = -1;
    g_object_get(reader, "field-count", &count, NULL);
    CHOST_CHECK(failures, count == 0);
    CHOST_CHECK(failures, tarvelin_providers_supports_isql_server_error_get_userdata(
                              TARVELIN_PROVIDERS_SUPPORTS_ISQL_SERVER_ERROR(reader)) == NULL);
    g_object_unref(reader);
    return failures;
}

int chost_sqlserver(void)
{
    return check_messages() + check_provider() + check_reader_and_types();
}
