// The reader of the MySQL driver.
#pragma once

#include "supports/mysql/error.hpp"
#include "supports/mysql/type.hpp"
#include "supports/mysql_common/reader.hpp"

namespace tarvelin::providers::supports::mysql {

class TARVELIN_EXPORT MySQLReader final : public mysql_common::Reader, public IMySQLType, public IMySQLError {
public:
    static GType gtype();
    // A reader over a stored result it borrows.
    static gobj::Ref<MySQLReader> create(MYSQL_RES* result, GType type = gtype());
};

}  // namespace tarvelin::providers::supports::mysql
