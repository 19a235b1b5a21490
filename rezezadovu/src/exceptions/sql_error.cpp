// The SQL error domain and its codes.
#include <tarvelin/rezezadovu/exceptions.h>

#include "providers/gobj/log.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("sql_error")

namespace {

#define SQL_ERROR_VALUE(name, nick) {TARVELIN_REZEZADOVU_EXCEPTIONS_SQL_ERROR_##name, "TARVELIN_REZEZADOVU_EXCEPTIONS_SQL_ERROR_" #name, nick}
const GEnumValue sql_error_values[] = {
    SQL_ERROR_VALUE(APP_ERROR_START, "app-error-start"),
    SQL_ERROR_VALUE(CRYPTOGRAPHY, "cryptography"),
    SQL_ERROR_VALUE(MYSQL_ERROR_START, "mysql-error-start"),
    SQL_ERROR_VALUE(POSTGRESQL_ERROR_START, "postgresql-error-start"),
    SQL_ERROR_VALUE(SQLITE_ERROR_START, "sqlite-error-start"),
    SQL_ERROR_VALUE(UNKNOWN, "unknown"),
    SQL_ERROR_VALUE(ERROR, "error"),
    SQL_ERROR_VALUE(INTERNAL, "internal"),
    SQL_ERROR_VALUE(ACCESS_DENIED, "access-denied"),
    SQL_ERROR_VALUE(ABORTED, "aborted"),
    SQL_ERROR_VALUE(BUSY, "busy"),
    SQL_ERROR_VALUE(LOCKED, "locked"),
    SQL_ERROR_VALUE(NO_MEMORY, "no-memory"),
    SQL_ERROR_VALUE(READ_ONLY, "read-only"),
    SQL_ERROR_VALUE(INTERRUPTED, "interrupted"),
    SQL_ERROR_VALUE(IO, "io"),
    SQL_ERROR_VALUE(CORRUPT, "corrupt"),
    SQL_ERROR_VALUE(NOT_FOUND, "not-found"),
    SQL_ERROR_VALUE(FULL, "full"),
    SQL_ERROR_VALUE(CAN_NOT_OPEN, "can-not-open"),
    SQL_ERROR_VALUE(PROTOCOL, "protocol"),
    SQL_ERROR_VALUE(EMPTY, "empty"),
    SQL_ERROR_VALUE(SCHEMA, "schema"),
    SQL_ERROR_VALUE(TOO_BIG, "too-big"),
    SQL_ERROR_VALUE(CONSTRAINT, "constraint"),
    SQL_ERROR_VALUE(MISMATCH, "mismatch"),
    SQL_ERROR_VALUE(MISUSE, "misuse"),
    SQL_ERROR_VALUE(NOLFS, "nolfs"),
    SQL_ERROR_VALUE(AUTH, "auth"),
    SQL_ERROR_VALUE(FORMAT, "format"),
    SQL_ERROR_VALUE(RANGE, "range"),
    SQL_ERROR_VALUE(NOTADB, "notadb"),
    SQL_ERROR_VALUE(DATA_TYPE, "data-type"),
    SQL_ERROR_VALUE(THREAD, "thread"),
    SQL_ERROR_VALUE(TRANSACTION, "transaction"),
    SQL_ERROR_VALUE(FEATURE_NOT_SUPPORTED, "feature-not-supported"),
    SQL_ERROR_VALUE(NO_SQL, "no-sql"),
    SQL_ERROR_VALUE(MISSING_PARAMETER, "missing-parameter"),
    {0, nullptr, nullptr},
};
#undef SQL_ERROR_VALUE

GType sql_error_gtype() {
    static const GType t = tarvelin::gobj::register_enum("TarvelinRezezadovuExceptionsSQLError", sql_error_values);
    return t;
}
[[maybe_unused]] const GType sql_error_registered = sql_error_gtype();

}  // namespace

extern "C" {

GQuark tarvelin_rezezadovu_exceptions_sql_error_quark(void) {
    return g_quark_from_static_string("tarvelin-rezezadovu-exceptions-sql-error-quark");
}

GType tarvelin_rezezadovu_exceptions_sql_error_get_type(void) { return sql_error_gtype(); }

}  // extern "C"
