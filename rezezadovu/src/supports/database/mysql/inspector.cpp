#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mysql/inspector.hpp"

TARVELIN_LOG_TAG("mysql_inspector")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(MySQLInspector, "TarvelinRezezadovuSupportsDatabaseMySQLInspector", gobj::Object,
               contracts::database::IInspectable)

gobj::Ref<MySQLInspector> MySQLInspector::create(GType type, CConnection* conn) {
    return create_linked<MySQLInspector>(type, conn);
}

}  // namespace tarvelin::rezezadovu::supports::database
