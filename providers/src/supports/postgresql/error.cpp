#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/log.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/postgresql/error.hpp"

#include <libpq-fe.h>

TARVELIN_LOG_TAG("error")

namespace tarvelin::providers::supports::postgresql {

TARVELIN_INTERFACE_GTYPE(IPostgreSQLError, "TarvelinProvidersSupportsIPostgreSQLError", G_TYPE_OBJECT)

void IPostgreSQLError::raise_error_connection(const PGconn* connection) {
    ConnStatusType status = PQstatus(connection);
    if (status == CONNECTION_OK) return;
    throw gobj::Error(kDomain, -1,
                      gobj::take_string(g_strdup_printf("%d : %s", int(status), PQerrorMessage(connection))));
}

void IPostgreSQLError::raise_error_result(const PGresult* result, const PGconn* connection) {
    ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_SINGLE_TUPLE) return;
    const char* reason = "";
    if (result) {
        reason = PQresultErrorMessage(result);
    } else if (connection) {
        reason = PQerrorMessage(connection);
    }
    throw gobj::Error(kDomain, -2, gobj::take_string(g_strdup_printf("%s : %s", PQresStatus(status), reason)));
}

}  // namespace tarvelin::providers::supports::postgresql
