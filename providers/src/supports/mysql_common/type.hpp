// Field types of the client library as data types and type names.
#pragma once

#include <mysql.h>

#include <string>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/export.hpp"

namespace tarvelin::providers::supports::mysql_common {

// By the field type and its flags: UNSIGNED_FLAG picks the unsigned integers,
// BINARY_FLAG the binary members of the blob family.
TARVELIN_EXPORT contracts::DataType map_data_type(unsigned int field_type, unsigned int flags);
// By the field type alone; the empty text for a number the library does not define.
TARVELIN_EXPORT std::string map_dbms_type(unsigned int field_type);

// The data type of a result column as the reader reports it. The server marks
// text columns of a binary collation with BINARY_FLAG too, so only the binary
// character set makes a blob binary; VARBINARY and BINARY columns (253, 254 in the
// binary character set) are bytes, not text; and a column the server describes as
// JSON (MariaDB stores it as LONGTEXT) is JSON.
TARVELIN_EXPORT contracts::DataType column_data_type(const MYSQL_FIELD& field);

}  // namespace tarvelin::providers::supports::mysql_common
