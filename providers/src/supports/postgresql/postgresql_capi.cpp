// C face of the PostgreSQL driver.
#include <libpq-fe.h>

#include "providers/supports/postgresql/provider.hpp"
#include "providers/supports/postgresql/reader.hpp"

TARVELIN_LOG_TAG("postgresql_capi")

using namespace tarvelin;
using namespace tarvelin::providers::supports::postgresql;

static_assert(sizeof(TarvelinProvidersSupportsPostgreSQLProvider) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsPostgreSQLProviderClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinProvidersSupportsPostgreSQLReader) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsPostgreSQLReaderClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_API GType tarvelin_providers_supports_postgre_sql_type_get_type(void) { return postgresql_type_gtype(); }
TARVELIN_API GType tarvelin_providers_supports_ipostgre_sql_error_get_type(void) { return IPostgreSQLError::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_ipostgre_sql_type_get_type(void) { return IPostgreSQLType::gtype(); }

void tarvelin_providers_supports_ipostgre_sql_error_raise_error_connection(
    TarvelinProvidersSupportsIPostgreSQLError* self, PGconn* connection, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { IPostgreSQLError::raise_error_connection(connection); });
}
void tarvelin_providers_supports_ipostgre_sql_error_raise_error_result(TarvelinProvidersSupportsIPostgreSQLError* self,
                                                                       PGresult* _result_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { IPostgreSQLError::raise_error_result(_result_); });
}

TarvelinProvidersContractsDataType tarvelin_providers_supports_ipostgre_sql_type_map_data_type(
    TarvelinProvidersSupportsIPostgreSQLType* self, guint oid) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return IPostgreSQLType::map_data_type(oid);
}
gchar* tarvelin_providers_supports_ipostgre_sql_type_map_dbms_type(TarvelinProvidersSupportsIPostgreSQLType* self,
                                                                   guint oid) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(IPostgreSQLType::map_dbms_type(oid)); });
}

TARVELIN_API GType tarvelin_providers_supports_postgre_sql_provider_get_type(void) {
    return PostgreSQLProvider::gtype();
}
TARVELIN_API GType tarvelin_providers_supports_postgre_sql_reader_get_type(void) { return PostgreSQLReader::gtype(); }

TarvelinProvidersSupportsPostgreSQLProvider* tarvelin_providers_supports_postgre_sql_provider_new(void) {
    return tarvelin_providers_supports_postgre_sql_provider_construct(PostgreSQLProvider::gtype());
}
TarvelinProvidersSupportsPostgreSQLProvider* tarvelin_providers_supports_postgre_sql_provider_construct(
    GType object_type) {
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsPostgreSQLProvider*>(
            PostgreSQLProvider::create(object_type).release());
    });
}

TarvelinProvidersSupportsPostgreSQLReader* tarvelin_providers_supports_postgre_sql_reader_construct(GType object_type,
                                                                                                  PGresult* _result_) {
    g_return_val_if_fail(_result_ != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsPostgreSQLReader*>(
            PostgreSQLReader::create(_result_, false, object_type).release());
    });
}
TarvelinProvidersSupportsPostgreSQLReader* tarvelin_providers_supports_postgre_sql_reader_new(PGresult* _result_) {
    return tarvelin_providers_supports_postgre_sql_reader_construct(PostgreSQLReader::gtype(), _result_);
}

}  // extern "C"
