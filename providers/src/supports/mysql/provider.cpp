#include "providers/supports/mysql/provider.hpp"

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

gobj::Ref<MySQLReader> MySQLReader::create(MYSQL_RES* result, GType type) {
    auto reader = gobj::create<MySQLReader>(type);
    reader->attach(kProduct, result, false);
    return reader;
}

}  // namespace tarvelin::providers::supports::mysql
