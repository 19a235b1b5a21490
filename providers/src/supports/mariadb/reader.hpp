// The reader of the MariaDB driver.
// Holds no Ref to its provider: it reads a result stored on the client (mysql_common/reader.hpp).
#pragma once

#include "providers/supports/mariadb/error.hpp"
#include "providers/supports/mariadb/type.hpp"
#include "providers/supports/mysql_common/reader.hpp"

namespace tarvelin::providers::supports::mariadb {

class TARVELIN_EXPORT MariaDBReader final : public mysql_common::Reader, public IMariaDBType, public IMariaDBError {
public:
    static GType gtype();
    // A reader of any type derived from MariaDBReader over a stored result it borrows.
    static gobj::Ref<MariaDBReader> construct(GType type, MYSQL_RES* result);
};

}  // namespace tarvelin::providers::supports::mariadb

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsMariaDBReader, tarvelin::providers::supports::mariadb::MariaDBReader)
