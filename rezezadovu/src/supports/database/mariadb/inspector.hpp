// The MariaDB type knowledge: the MySQL family's (mysql_family/inspector.hpp), with BIT read as
// BOOLEAN (a boolean value whatever its width, default "0x0000"), and MariaDB's choice
// lists where they differ: the explorable kinds (sequences and packages, no tablespaces),
// the index algorithms NOCOPY and INSTANT, and the index method RTREE.
//
// Thread-safe: stateless apart from its (weak) connection link, which nothing reads.
#pragma once

#include <tarvelin/rezezadovu/mariadb.h>

#include "rezezadovu/supports/database/mysql_family/inspector.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MariaDBInspector : public MySQLFamilyInspector {
public:
    static GType gtype();
    static gobj::Ref<MariaDBInspector> create(GType type, CConnection* conn);

    std::vector<std::string> support(DbMetaType kind) override;

protected:
    bool bit_is_boolean() const override { return true; }
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBInspector,
                     tarvelin::rezezadovu::supports::database::MariaDBInspector)
