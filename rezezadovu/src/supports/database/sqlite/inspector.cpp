#include "rezezadovu/supports/database/sqlite/inspector.hpp"

#include <string>

#include "providers/gobj/convert.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("sqlite_inspector")

namespace tarvelin::rezezadovu::supports::database {

using Text = SQLiteInspector::Text;

TARVELIN_GTYPE(SQLiteInspector, "TarvelinRezezadovuSupportsDatabaseSQLiteInspector", gobj::Object,
               contracts::database::IInspectable)

gobj::Ref<SQLiteInspector> SQLiteInspector::create(GType type, CConnection* conn) {
    return create_linked<SQLiteInspector>(type, conn);
}

namespace {

struct NativeType {
    const char* name;
    providers::contracts::DataType data_type;
    GType (*glib_type)();
    const char* default_value;
};

GType string_type() { return G_TYPE_STRING; }
GType int64_type() { return G_TYPE_INT64; }
GType float_type() { return G_TYPE_FLOAT; }
GType double_type() { return G_TYPE_DOUBLE; }
GType bytes_type() { return G_TYPE_BYTES; }

const NativeType kNativeTypes[] = {
    {"TEXT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, string_type, "''"},
    {"VARCHAR", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, string_type, "''"},
    {"INTEGER", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, int64_type, "0"},
    {"NUMERIC", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, float_type, "0.0"},
    {"REAL", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, double_type, "0.0"},
    {"BLOB", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, bytes_type, "0x0"},
};

const NativeType* find_native(const char* native_type) {
    gchar* upper = g_utf8_strup(native_type, -1);
    const NativeType* found = nullptr;
    for (const auto& t : kNativeTypes)
        if (g_strcmp0(upper, t.name) == 0) found = &t;
    g_free(upper);
    return found;
}

}  // namespace

std::vector<std::string> SQLiteInspector::support(DbMetaType kind) {
    switch (kind) {
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION: return {"BINARY", "NOCASE", "RTRIM"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_DEFAULT: return {"EMPYT STRING", "NULL"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_TYPE: return {"INTEGER", "REAL", "TEXT", "BLOB"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DATASET_STATEMENT: return {"SELECT", "PRAGMA"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DEFERRED_ACTION:
            return {"NOT", "NOTHING", "INITIALLY IMMEDIATE", "INITIALLY DEFERRED"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_EXPLORABLE:
            return {"database", "schema", "table", "view", "index", "trigger"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_ACTION:
            return {"CASCADE", "SET NULL", "NO ACTION", "RESTRICT", "SET DEFAULT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_TYPE: return {"UNIQUE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ONCONFLICT:
            return {"FAIL", "ABORT", "IGNORE", "REPLACE", "ROLLBACK"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ORDER_NORMAL: return {"ASC", "DESC"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_TRANSFER:
            return {"AUTOINC", "CHECK", "FOREIGN", "INDEX", "TRIGGER", "UNIQUE",
                    "BLOB", "INSERT", "TRANSACTION", "CONTINUE", "DROP_OBJECT", "IDENTIFIER"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_DATA: return {"DELETE", "INSERT", "UPDATE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_EVENT:
            return {"INSERT", "UPDATE", "DELETE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME:
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME_TABLE: return {"AFTER", "BEFORE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME_VIEW: return {"INSTEAD OF"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TEMPLATE:
            return {"BEGIN\n  -- Type the SQL Here.\nEND"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TYPE: return {"TABLE", "VIEW"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_ALGORITHM: return {"TEMPORARY"};
        default: return {};
    }
}

Text SQLiteInspector::get_type_default(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return {};
    const NativeType* t = find_native(native_type);
    return std::string(t ? t->default_value : "''");
}

namespace {
// The names other products give their integers and date-times, which SQLite takes as
// written: the family travels with the name, an integer as wide as the name says (INTEGER
// itself is the 64-bit rowid type).
struct NamedFamily {
    const char* name;
    SQLiteInspector::DataType type;
};
const NamedFamily kNamedFamilies[] = {
    {"TINYINT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8},
    {"SMALLINT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
    {"INT2", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
    {"MEDIUMINT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
    {"INT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
    {"INT4", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
    {"BIGINT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
    {"INT8", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
    // What a copy makes of an exact number a double cannot hold: its digits as text.
    {"DECIMAL_TEXT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
    {"DATE", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
    {"DATETIME", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
    {"TIMESTAMP", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
    {"TIME", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
};

// A declared type the table does not name, placed by its name where it names an integer
// or a date-time, else as SQLite places it (by the words its name holds), so that another
// product gets a type of the same family that holds its values; any other name SQLite keeps
// as numbers only when they look like numbers (booleans, unknown names) is text there.
SQLiteInspector::DataType by_affinity(const char* native_type) {
    std::string upper = gobj::take_string(g_ascii_strup(native_type, -1));
    upper = upper.substr(0, upper.find('('));
    for (const char* word : {" UNSIGNED", " SIGNED", " ZEROFILL"})
        if (size_t at = upper.find(word); at != std::string::npos) upper.erase(at, std::string(word).size());
    upper.erase(upper.find_last_not_of(" \t") + 1);
    for (const auto& named : kNamedFamilies)
        if (upper == named.name) return named.type;
    auto has = [&](const char* word) { return upper.find(word) != std::string::npos; };
    if (upper.empty()) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    if (has("INT")) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
    if (has("CHAR") || has("CLOB") || has("TEXT")) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    if (has("BLOB")) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB;
    if (has("REAL") || has("FLOA") || has("DOUB")) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
    if (has("DEC") || has("NUM")) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL;
    return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}
}  // namespace

SQLiteInspector::DataType SQLiteInspector::get_data_type(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    const NativeType* t = find_native(native_type);
    return t ? t->data_type : by_affinity(native_type);
}

GType SQLiteInspector::get_glib_type(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return G_TYPE_INVALID;
    const NativeType* t = find_native(native_type);
    return t ? t->glib_type() : G_TYPE_NONE;
}

Text SQLiteInspector::get_sql_type(DataType type) {
    if (type >= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN && type <= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64)
        return std::string("INTEGER");
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL: return std::string("NULL");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL: return std::string("NUMERIC");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE: return std::string("REAL");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT: return std::string("BLOB");
        // Stored as text, but named so that the family travels on.
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: return std::string("DATE");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP: return std::string("DATETIME");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME: return std::string("TIME");
        default: return std::string("TEXT");
    }
}

}  // namespace tarvelin::rezezadovu::supports::database
