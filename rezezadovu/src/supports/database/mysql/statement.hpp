// The MySQL statement texts: every operation is the family's (mysql_family/statement.hpp),
// whose texts are MySQL's; MariaDBStatement overrides those MariaDB answers otherwise.
//
// Runs nothing. Thread-safe: holds only its (weak) connection link.
#pragma once

#include <tarvelin/rezezadovu/mysql.h>

#include "rezezadovu/supports/database/mysql_family/statement.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLStatement : public MySQLFamilyStatement {
public:
    static GType gtype();
    static gobj::Ref<MySQLStatement> create(GType type, CConnection* connection);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLStatement,
                     tarvelin::rezezadovu::supports::database::MySQLStatement)
