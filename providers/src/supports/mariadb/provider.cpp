#include "providers/supports/mariadb/provider.hpp"

#include "providers/gobj/register.hpp"
#include "providers/supports/mysql_common/error.hpp"

TARVELIN_LOG_TAG("provider")

namespace tarvelin::providers::supports::mariadb {

TARVELIN_INTERFACE_GTYPE(IMariaDBError, "TarvelinProvidersSupportsIMariaDBError", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IMariaDBType, "TarvelinProvidersSupportsIMariaDBType", G_TYPE_OBJECT)
TARVELIN_GTYPE(MariaDBProvider, "TarvelinProvidersSupportsMariaDBProvider", gobj::Object, IMariaDBError,
               contracts::IProvider)
TARVELIN_GTYPE(MariaDBReader, "TarvelinProvidersSupportsMariaDBReader", gobj::Object, contracts::IDataReader,
               IMariaDBType, IMariaDBError)

void MariaDBProvider::describe(gobj::ClassSpec<MariaDBProvider>&) { mysql_common::init_library(); }

gobj::Ref<MariaDBProvider> MariaDBProvider::create(GType type) { return gobj::create<MariaDBProvider>(type); }

gobj::Ref<MariaDBReader> MariaDBReader::construct(GType type, MYSQL_RES* result) {
    auto reader = gobj::create<MariaDBReader>(type);
    if (reader) reader->attach(kProduct, result, false);
    return reader;
}

void IMariaDBError::raise_error(MYSQL* connection, gint result) {
    mysql_common::raise_error(kProduct, connection, result);
}

}  // namespace tarvelin::providers::supports::mariadb
