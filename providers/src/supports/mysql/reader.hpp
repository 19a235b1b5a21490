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
    // A reader of any type derived from MySQLReader over a stored result it borrows.
    static gobj::Ref<MySQLReader> construct(GType type, MYSQL_RES* result);
};

}  // namespace tarvelin::providers::supports::mysql

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsMySQLReader, tarvelin::providers::supports::mysql::MySQLReader)
