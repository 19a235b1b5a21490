#include "providers/supports/mysql/provider.hpp"

#include "providers/gobj/register.hpp"
#include "providers/supports/mysql_common/error.hpp"

TARVELIN_LOG_TAG("provider")

namespace tarvelin::providers::supports::mysql {

TARVELIN_INTERFACE_GTYPE(IMySQLError, "TarvelinProvidersSupportsIMySQLError", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IMySQLType, "TarvelinProvidersSupportsIMySQLType", G_TYPE_OBJECT)
TARVELIN_GTYPE(MySQLProvider, "TarvelinProvidersSupportsMySQLProvider", gobj::Object, IMySQLError,
               contracts::IProvider)
TARVELIN_GTYPE(MySQLReader, "TarvelinProvidersSupportsMySQLReader", gobj::Object, contracts::IDataReader,
               IMySQLType, IMySQLError)

void MySQLProvider::describe(gobj::ClassSpec<MySQLProvider>&) { mysql_common::init_library(); }

gobj::Ref<MySQLProvider> MySQLProvider::create(GType type) { return gobj::create<MySQLProvider>(type); }

gobj::Ref<MySQLReader> MySQLReader::construct(GType type, MYSQL_RES* result) {
    auto reader = gobj::create<MySQLReader>(type);
    if (reader) reader->attach(kProduct, result, false);
    return reader;
}

void IMySQLError::raise_error(MYSQL* connection, gint result) {
    mysql_common::raise_error(kProduct, connection, result);
}

}  // namespace tarvelin::providers::supports::mysql
