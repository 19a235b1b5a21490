#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mysql/statement.hpp"

TARVELIN_LOG_TAG("mysql_statement")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(MySQLStatement, "TarvelinRezezadovuSupportsDatabaseMySQLStatement", Statement)

gobj::Ref<MySQLStatement> MySQLStatement::create(GType type, CConnection* connection) {
    return create_linked<MySQLStatement>(type, connection);
}

}  // namespace tarvelin::rezezadovu::supports::database
