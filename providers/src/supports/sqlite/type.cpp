#include "providers/gobj/log.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/sqlite/type.hpp"

#include <sqlite3.h>

TARVELIN_LOG_TAG("type")

namespace tarvelin::providers::supports::sqlite {

TARVELIN_INTERFACE_GTYPE(ISQLiteType, "TarvelinProvidersSupportsISQLiteType", G_TYPE_OBJECT)

contracts::DataType ISQLiteType::map_data_type(int type) {
    switch (type) {
    case SQLITE_INTEGER: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
    case SQLITE_FLOAT: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
    case SQLITE_TEXT: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    case SQLITE_BLOB: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB;
    case SQLITE_NULL: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL;
    default: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    }
}

std::string ISQLiteType::map_dbms_type(int type) {
    switch (type) {
    case SQLITE_INTEGER: return "INTEGER";
    case SQLITE_FLOAT: return "FLOAT";
    case SQLITE_TEXT: return "TEXT";
    case SQLITE_BLOB: return "BLOB";
    case SQLITE_NULL: return "NULL";
    default: return "ANY";
    }
}

}  // namespace tarvelin::providers::supports::sqlite
