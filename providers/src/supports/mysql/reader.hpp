// The reader of the MySQL driver.
// Holds no Ref to its provider: it reads a result stored on the client (mysql_common/reader.hpp).
#pragma once

#include "providers/supports/mysql/error.hpp"
#include "providers/supports/mysql/type.hpp"
#include "providers/supports/mysql_common/reader.hpp"

namespace tarvelin::providers::supports::mysql {

class TARVELIN_EXPORT MySQLReader final : public mysql_common::Reader, public IMySQLType, public IMySQLError {
public:
    static GType gtype();
    // A reader over a stored result it borrows.
    static gobj::Ref<MySQLReader> create(MYSQL_RES* result, GType type = gtype());
};

}  // namespace tarvelin::providers::supports::mysql
