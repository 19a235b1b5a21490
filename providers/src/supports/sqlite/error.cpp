#include "providers/gobj/error.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/log.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/sqlite/error.hpp"

#include <sqlite3.h>

TARVELIN_LOG_TAG("error")

namespace tarvelin::providers::supports::sqlite {

TARVELIN_INTERFACE_GTYPE(ISQLiteError, "TarvelinProvidersSupportsISQLiteError", G_TYPE_OBJECT)

void ISQLiteError::raise_error(sqlite3* database, int result) {
    if (result == SQLITE_OK || result == SQLITE_ROW || result == SQLITE_DONE) return;
    int code = database ? sqlite3_errcode(database) : result;
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) {
        throw gobj::Error(kDomain, result, sqlite3_errstr(result));
    }
    throw gobj::Error(kDomain, code, database ? sqlite3_errmsg(database) : sqlite3_errstr(result));
}

void ISQLiteError::raise_not_open() { throw gobj::Error(kDomain, -1, _("The database is not open.")); }

}  // namespace tarvelin::providers::supports::sqlite
