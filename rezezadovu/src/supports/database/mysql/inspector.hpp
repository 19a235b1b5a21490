// The MySQL type knowledge: the family's (mysql_family/inspector.hpp), with BIT read as BINARY.
//
// Thread-safe: stateless apart from its (weak) connection link, which nothing reads.
#pragma once

#include <tarvelin/rezezadovu/mysql.h>

#include "rezezadovu/supports/database/mysql_family/inspector.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLInspector : public MySQLFamilyInspector {
public:
    static GType gtype();
    static gobj::Ref<MySQLInspector> create(GType type, CConnection* conn);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLInspector,
                     tarvelin::rezezadovu::supports::database::MySQLInspector)
