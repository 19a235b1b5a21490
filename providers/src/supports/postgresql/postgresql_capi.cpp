// C face of the PostgreSQL driver.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_supports_postgre_sql_provider_get_type,
// tarvelin_providers_supports_postgre_sql_provider_construct, tarvelin_providers_supports_postgre_sql_provider_new.
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

GType tarvelin_providers_supports_postgre_sql_type_get_type(void) { return postgresql_type_gtype(); }
GType tarvelin_providers_supports_ipostgre_sql_error_get_type(void) { return IPostgreSQLError::gtype(); }
GType tarvelin_providers_supports_ipostgre_sql_type_get_type(void) { return IPostgreSQLType::gtype(); }

// The helpers of these interfaces use nothing of the instance they are called on.
void tarvelin_providers_supports_ipostgre_sql_error_raise_error_connection(
    TarvelinProvidersSupportsIPostgreSQLError* self, PGconn* connection, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&IPostgreSQLError::raise_error_connection>(G_STRFUNC, connection, error);
}
void tarvelin_providers_supports_ipostgre_sql_error_raise_error_result(TarvelinProvidersSupportsIPostgreSQLError* self,
                                                                       PGresult* _result_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&IPostgreSQLError::raise_result_error>(G_STRFUNC, _result_, error);
}
TarvelinProvidersContractsDataType tarvelin_providers_supports_ipostgre_sql_type_map_data_type(
    TarvelinProvidersSupportsIPostgreSQLType* self, guint oid) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::invoke<&IPostgreSQLType::map_data_type>(G_STRFUNC, oid);
}
gchar* tarvelin_providers_supports_ipostgre_sql_type_map_dbms_type(TarvelinProvidersSupportsIPostgreSQLType* self,
                                                                   guint oid) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&IPostgreSQLType::map_dbms_type>(G_STRFUNC, oid);
}

TARVELIN_CLASS_CAPI(PostgreSQLProvider, TarvelinProvidersSupportsPostgreSQLProvider,
                    tarvelin_providers_supports_postgre_sql_provider)

GType tarvelin_providers_supports_postgre_sql_reader_get_type(void) { return PostgreSQLReader::gtype(); }
TarvelinProvidersSupportsPostgreSQLReader* tarvelin_providers_supports_postgre_sql_reader_construct(GType object_type,
                                                                                                  PGresult* _result_) {
    g_return_val_if_fail(_result_ != NULL, NULL);
    return gobj::invoke<&PostgreSQLReader::construct>(G_STRFUNC, object_type, _result_);
}
TarvelinProvidersSupportsPostgreSQLReader* tarvelin_providers_supports_postgre_sql_reader_new(PGresult* _result_) {
    return tarvelin_providers_supports_postgre_sql_reader_construct(PostgreSQLReader::gtype(), _result_);
}

}  // extern "C"
