#include "providers/gobj/log.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/sqlserver/type.hpp"

#include <optional>

TARVELIN_LOG_TAG("sql_server_type")

namespace tarvelin::providers::supports::sqlserver {

TARVELIN_INTERFACE_GTYPE(ISQLServerType, "TarvelinProvidersSupportsISQLServerType", G_TYPE_OBJECT)

namespace {

using contracts::DataType;

struct TypeEntry {
    int type;
    DataType data_type;
    const char* name;
    int bind;
};

// The fixed pairings; 38, 109, 110 and 111 depend on the length and are handled apart.
constexpr TypeEntry kTypes[] = {
    {31, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_POINTER, "void", 0},
    {34, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "image", 15},
    {35, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "text", 2},
    {36, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID, "uniqueidentifier", 0},
    {37, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "varbinary", 15},
    {39, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "varchar", 2},
    {40, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "date", 31},
    {41, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "time", 31},
    {42, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "datetime2", 31},
    {43, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, "datetimeoffset", 31},
    {45, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "binary", 15},
    {47, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "char", 2},
    {48, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, "tinyint", 6},
    {49, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "date", 21},
    {50, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "bit", 16},
    {51, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "time", 22},
    {52, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, "smallint", 7},
    {56, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "int", 8},
    {58, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "smalldatetime", 12},
    {59, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "real", 10},
    {60, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "money", 13},
    {61, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "datetime", 11},
    {62, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "float(53)", 9},
    {98, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT, "sql_variant", 0},
    {99, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "ntext", 2},
    {103, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "nvarchar", 2},
    {104, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "bit", 0},
    {106, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "decimal", 18},
    {108, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "decimal", 17},
    {122, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "smallmoney", 14},
    {127, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "bigint", 30},
    {175, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "", 2},
    {187, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "datetime", 23},
    {188, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "time", 24},
    {239, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "nchar", 2},
    {241, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML, "xml", 0},
    {243, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, "table", 0},
};

const TypeEntry* find(int type) {
    for (const TypeEntry& e : kTypes)
        if (e.type == type) return &e;
    return nullptr;
}

// The variable-width types: their name and DataType follow the length.
struct Sized {
    DataType data_type;
    const char* name;
};
std::optional<Sized> sized(int type, int length) {
    switch (type) {
        case 38:
            switch (length) {
                case 1: return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, "tinyint"};
                case 2: return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, "smallint"};
                case 4: return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "int"};
                case 8: return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "bigint"};
                default: return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, ""};
            }
        case 109:
            switch (length) {
                case 4: return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "float(24)"};
                case 8: return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "float(53)"};
                default: return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, ""};
            }
        case 110:
            return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY,
                         length == 4 ? "smallmoney" : length == 8 ? "money" : ""};
        case 111:
            return Sized{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME,
                         length == 4 ? "smalldatetime" : length == 8 ? "datetime" : ""};
        default: return std::nullopt;
    }
}

}  // namespace

contracts::DataType ISQLServerType::map_data_type(int type, int length) {
    if (auto s = sized(type, length)) return s->data_type;
    const TypeEntry* e = find(type);
    return e ? e->data_type : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}

std::string ISQLServerType::map_dbms_type(int type, int length) {
    if (auto s = sized(type, length)) return s->name;
    const TypeEntry* e = find(type);
    return e ? e->name : "";
}

int ISQLServerType::map_bind_type(int type) {
    // Bind types exist for the codes 34 to 239 only.
    if (type < 34 || type > 239) return 0;
    const TypeEntry* e = find(type);
    return e ? e->bind : 0;
}

}  // namespace tarvelin::providers::supports::sqlserver
