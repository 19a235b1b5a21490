// The three vocabularies registered with GLib's type system, and their conversions.
#include "providers/contracts/vocabulary.hpp"

#include "providers/contracts/value_object.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("vocabulary")

namespace tarvelin::providers::contracts {

namespace {
const GEnumValue data_type_values[] = {
    {0, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN", "unknown"},
    {1, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL", "dbnull"},
    {2, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN", "boolean"},
    {3, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8", "int8"},
    {4, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16", "int16"},
    {5, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32", "int32"},
    {6, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64", "int64"},
    {7, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8", "uint8"},
    {8, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16", "uint16"},
    {9, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32", "uint32"},
    {10, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64", "uint64"},
    {11, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM", "enum"},
    {12, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS", "flags"},
    {13, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET", "set"},
    {14, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY", "money"},
    {15, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL", "decimal"},
    {16, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT", "float"},
    {17, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE", "double"},
    {18, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE", "date"},
    {19, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME", "time"},
    {20, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME", "datetime"},
    {21, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN", "timespan"},
    {22, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP", "timestamp"},
    {23, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING", "string"},
    {24, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING", "wstring"},
    {25, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML", "xml"},
    {26, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID", "uuid"},
    {27, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON", "json"},
    {28, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY", "geometry"},
    {29, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY", "geography"},
    {30, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY", "binary"},
    {31, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB", "blob"},
    {32, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT", "object"},
    {33, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_POINTER", "pointer"},
    {34, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT", "variant"},
    {35, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY", "array"},
    {36, "TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR", "error"},
    {0, nullptr, nullptr},
};
const GFlagsValue data_version_values[] = {
    {0, "TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL", "initial"},
    {1, "TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL", "identical"},
    {2, "TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE", "delete"},
    {4, "TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT", "insert"},
    {8, "TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE", "update"},
    {0, nullptr, nullptr},
};
const GEnumValue db_object_values[] = {
    {0, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN", "unknown"},
    {1, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_AGGREGATE", "aggregate"},
    {2, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ASSEMBLY", "assembly"},
    {3, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_BACKUP", "backup"},
    {4, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK", "check"},
    {5, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CAST", "cast"},
    {6, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CLASS", "class"},
    {7, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CLASSIFIER", "classifier"},
    {8, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN", "column"},
    {9, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CONTRAINT", "contraint"},
    {10, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CONVERSION", "conversion"},
    {11, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE", "database"},
    {12, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DEVICE", "device"},
    {13, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DOMAIN", "domain"},
    {14, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ENDPOINT", "endpoint"},
    {15, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT", "event"},
    {16, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EXCLUDE", "exclude"},
    {17, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN", "foreign"},
    {18, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION", "function"},
    {19, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX", "index"},
    {20, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_JOB", "job"},
    {21, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_LANGUAGE", "language"},
    {22, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_MATERIALIZED", "materialized"},
    {23, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_OPERATOR", "operator"},
    {24, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE", "package"},
    {25, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_FUNCTION", "partition-function"},
    {26, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_SCHEME", "partition-scheme"},
    {27, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PRIMARY", "primary"},
    {28, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE", "procedure"},
    {29, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_QUERY", "query"},
    {30, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_REPORT", "report"},
    {31, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE", "role"},
    {32, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE", "routine"},
    {33, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_RULE", "rule"},
    {34, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA", "schema"},
    {35, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE", "sequence"},
    {36, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SERVER", "server"},
    {37, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_STATISTICS", "statistics"},
    {38, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM", "synonym"},
    {39, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE", "table"},
    {40, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE", "tablespace"},
    {41, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER", "trigger"},
    {42, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TYPE", "type"},
    {43, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNIQUE", "unique"},
    {44, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER", "user"},
    {45, "TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW", "view"},
    {0, nullptr, nullptr},
};
}  // namespace

GType data_type_gtype() {
    static const GType t = gobj::register_enum("TarvelinProvidersContractsDataType", data_type_values);
    return t;
}
GType data_version_gtype() {
    static const GType t = gobj::register_flags("TarvelinProvidersContractsDataVersion", data_version_values);
    return t;
}
GType db_object_gtype() {
    static const GType t = gobj::register_enum("TarvelinProvidersContractsDBObject", db_object_values);
    return t;
}

[[maybe_unused]] static const GType registered_vocabularies[] = {data_type_gtype(), data_version_gtype(),
                                                                  db_object_gtype()};

namespace {

// The nick of `value`, or none when it is not a member.
std::optional<std::string> nick_of(GType type, gint value) {
    auto* klass = static_cast<GEnumClass*>(g_type_class_ref(type));
    GEnumValue* v = g_enum_get_value(klass, value);
    std::optional<std::string> nick = v ? gobj::opt(v->value_nick) : std::nullopt;
    g_type_class_unref(klass);
    return nick;
}

struct NamedType {
    const char* name;
    DataType type;
};
// Looked up by lower-cased registered name, in this order.
constexpr NamedType kNamedTypes[] = {
    {"gint16", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
    {"guint16", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16},
    {"gdate", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
    {"gtime", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
    {"gdatetime", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
    {"gtimespan", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN},
    {"gtimestamp", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
    {"gnumeric", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
    {"guid", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
    {"uuid", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
    {"xml", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML},
    {"json", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
    {"gobject", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT},
    {"gbinary", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY},
    {"gblob", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB},
    {"gnull", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL},
};

}  // namespace

std::optional<std::string> data_type_to_string(int type) { return nick_of(data_type_gtype(), type); }
std::optional<std::string> db_object_to_string(int kind) { return nick_of(db_object_gtype(), kind); }

DataVersion data_version_all() {
    data_version_gtype();
    return DataVersion(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL | TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE |
                       TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT | TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
}

std::optional<std::string> data_version_to_string(int version) {
    auto* klass = static_cast<GFlagsClass*>(g_type_class_ref(data_version_gtype()));
    const GFlagsValue* chosen = nullptr;
    auto bits = static_cast<guint>(version);
    if (bits == 0) {
        chosen = g_flags_get_first_value(klass, 0);
    } else {
        for (guint bit = 1; bit <= TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE && !chosen; bit <<= 1) {
            if (bits & bit) chosen = g_flags_get_first_value(klass, bit);
        }
    }
    std::optional<std::string> text = chosen ? gobj::take_optional(g_utf8_strup(chosen->value_nick, -1)) : std::nullopt;
    g_type_class_unref(klass);
    return text;
}

GType glib_type_of(int type) {
    data_type_gtype();
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL: return ValueNull::gtype();
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN: return G_TYPE_BOOLEAN;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8: return G_TYPE_CHAR;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32: return G_TYPE_INT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64: return G_TYPE_INT64;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8: return G_TYPE_UCHAR;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16: return G_TYPE_UINT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET: return G_TYPE_ENUM;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS: return G_TYPE_FLAGS;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE: return G_TYPE_DOUBLE;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT: return G_TYPE_FLOAT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: return G_TYPE_DATE;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME: return G_TYPE_POINTER;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME: return G_TYPE_DATE_TIME;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB: return G_TYPE_BYTES;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT: return G_TYPE_OBJECT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT: return G_TYPE_VARIANT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY: return G_TYPE_ARRAY;
        default: return G_TYPE_STRING;
    }
}

DataType data_type_of(GType type) {
    data_type_gtype();
    // Only GLib's own fundamental types match here; a registered enumeration or flags
    // type of its own falls through to its name.
    switch (type) {
        case G_TYPE_CHAR: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8;
        case G_TYPE_UCHAR: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8;
        case G_TYPE_BOOLEAN: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN;
        case G_TYPE_INT:
        case G_TYPE_LONG: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
        case G_TYPE_UINT:
        case G_TYPE_ULONG: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32;
        case G_TYPE_INT64: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
        case G_TYPE_UINT64: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64;
        case G_TYPE_ENUM: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM;
        case G_TYPE_FLAGS: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS;
        case G_TYPE_FLOAT: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT;
        case G_TYPE_DOUBLE: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
        case G_TYPE_STRING: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
        default: break;
    }
    const char* name = g_type_name(type);
    if (!name) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    std::string lower = gobj::take_string(g_utf8_strdown(name, -1));
    for (const NamedType& n : kNamedTypes) {
        if (lower == n.name) return n.type;
    }
    return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

}  // namespace tarvelin::providers::contracts
