#include "providers/gobj/log.hpp"
#include "providers/supports/mysql_common/type.hpp"

#include <string_view>

TARVELIN_LOG_TAG("types")

namespace tarvelin::providers::supports::mysql_common {

namespace {

constexpr unsigned int kBinaryCharset = 63;

struct TypeEntry {
    unsigned int field_type;
    const char* name;
    contracts::DataType signed_type;
    contracts::DataType unsigned_type;  // also the binary type of the blob family
};

#define DT(x) TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_##x
constexpr TypeEntry kTypes[] = {
    {MYSQL_TYPE_DECIMAL, "DECIMAL", DT(DECIMAL), DT(DECIMAL)},
    {MYSQL_TYPE_TINY, "TINY", DT(INT8), DT(UINT8)},
    {MYSQL_TYPE_SHORT, "SHORT", DT(INT16), DT(UINT16)},
    {MYSQL_TYPE_LONG, "LONG", DT(INT32), DT(UINT32)},
    {MYSQL_TYPE_FLOAT, "FLOAT", DT(FLOAT), DT(FLOAT)},
    {MYSQL_TYPE_DOUBLE, "DOUBLE", DT(DOUBLE), DT(DOUBLE)},
    {MYSQL_TYPE_NULL, "NULL", DT(DBNULL), DT(DBNULL)},
    {MYSQL_TYPE_TIMESTAMP, "TIMESTAMP", DT(TIMESTAMP), DT(TIMESTAMP)},
    {MYSQL_TYPE_LONGLONG, "LONGLONG", DT(INT64), DT(UINT64)},
    {MYSQL_TYPE_INT24, "INT24", DT(INT32), DT(UINT32)},
    {MYSQL_TYPE_DATE, "DATE", DT(DATE), DT(DATE)},
    {MYSQL_TYPE_TIME, "TIME", DT(TIME), DT(TIME)},
    {MYSQL_TYPE_DATETIME, "DATETIME", DT(DATETIME), DT(DATETIME)},
    {MYSQL_TYPE_YEAR, "YEAR", DT(INT16), DT(INT16)},
    {MYSQL_TYPE_NEWDATE, "NEWDATE", DT(DATE), DT(DATE)},
    {MYSQL_TYPE_VARCHAR, "VARCHAR", DT(STRING), DT(STRING)},
    {MYSQL_TYPE_BIT, "BIT", DT(BINARY), DT(BINARY)},
    {MYSQL_TYPE_JSON, "JSON", DT(JSON), DT(JSON)},
    {MYSQL_TYPE_NEWDECIMAL, "NEWDECIMAL", DT(DECIMAL), DT(DECIMAL)},
    {MYSQL_TYPE_ENUM, "ENUM", DT(ENUM), DT(ENUM)},
    {MYSQL_TYPE_SET, "SET", DT(SET), DT(SET)},
    {MYSQL_TYPE_TINY_BLOB, "TINY_BLOB", DT(STRING), DT(BINARY)},
    {MYSQL_TYPE_MEDIUM_BLOB, "MEDIUM_BLOB", DT(STRING), DT(BLOB)},
    {MYSQL_TYPE_LONG_BLOB, "LONG_BLOB", DT(STRING), DT(BLOB)},
    {MYSQL_TYPE_BLOB, "BLOB", DT(STRING), DT(BLOB)},
    {MYSQL_TYPE_VAR_STRING, "VAR_STRING", DT(STRING), DT(STRING)},
    {MYSQL_TYPE_STRING, "STRING", DT(STRING), DT(STRING)},
    {MYSQL_TYPE_GEOMETRY, "GEOMETRY", DT(GEOMETRY), DT(GEOMETRY)},
};

const TypeEntry* find(unsigned int field_type) {
    for (const TypeEntry& e : kTypes) {
        if (e.field_type == field_type) return &e;
    }
    return nullptr;
}

bool is_blob(unsigned int field_type) {
    return field_type >= MYSQL_TYPE_TINY_BLOB && field_type <= MYSQL_TYPE_BLOB;
}

bool described_as_json(const MYSQL_FIELD& field) {
    MARIADB_CONST_STRING format{nullptr, 0};
    if (mariadb_field_attr(&format, &field, MARIADB_FIELD_ATTR_FORMAT_NAME) != 0 || format.str == nullptr) {
        return false;
    }
    return std::string_view(format.str, format.length) == "json";
}

}  // namespace

contracts::DataType map_data_type(unsigned int field_type, unsigned int flags) {
    const TypeEntry* e = find(field_type);
    if (e == nullptr) return DT(UNKNOWN);
    bool second = is_blob(field_type) ? (flags & BINARY_FLAG) != 0 : (flags & UNSIGNED_FLAG) != 0;
    return second ? e->unsigned_type : e->signed_type;
}

std::string map_dbms_type(unsigned int field_type) {
    const TypeEntry* e = find(field_type);
    return e ? e->name : "";
}

contracts::DataType column_data_type(const MYSQL_FIELD& field) {
    bool binary_charset = field.charsetnr == kBinaryCharset;
    if (is_blob(field.type) && !binary_charset && described_as_json(field)) return DT(JSON);
    if ((field.type == MYSQL_TYPE_VAR_STRING || field.type == MYSQL_TYPE_STRING) && binary_charset) {
        return DT(BINARY);
    }
    unsigned int flags = field.flags;
    if (is_blob(field.type) && !binary_charset) flags &= ~static_cast<unsigned int>(BINARY_FLAG);
    return map_data_type(field.type, flags);
}
#undef DT

}  // namespace tarvelin::providers::supports::mysql_common
