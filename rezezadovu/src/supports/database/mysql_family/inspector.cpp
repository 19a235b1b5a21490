#include "rezezadovu/supports/database/mysql_family/inspector.hpp"

#include <map>

#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"

TARVELIN_LOG_TAG("mysql_family_inspector")

namespace tarvelin::rezezadovu::supports::database {

using Text = MySQLFamilyInspector::Text;
using DataType = providers::contracts::DataType;

namespace {
enum class Default { zero, real, date, time, datetime, text, bytes };
}  // namespace

struct MySQLFamilyInspector::NativeType {
    DataType data_type;
    GType (*glib_type)();
    Default default_value;
};

namespace {

using NativeType = MySQLFamilyInspector::NativeType;

GType char_type() { return G_TYPE_CHAR; }
GType int_type() { return G_TYPE_INT; }
GType int64_type() { return G_TYPE_INT64; }
GType float_type() { return G_TYPE_FLOAT; }
GType double_type() { return G_TYPE_DOUBLE; }
GType pointer_type() { return G_TYPE_POINTER; }
GType string_type() { return G_TYPE_STRING; }
GType date_type() { return G_TYPE_DATE; }
GType date_time_type() { return G_TYPE_DATE_TIME; }
GType bytes_type() { return G_TYPE_BYTES; }
GType boolean_type() { return G_TYPE_BOOLEAN; }

const std::map<std::string, NativeType>& native_types() {
    using D = Default;
    static const std::map<std::string, NativeType> types = [] {
        std::map<std::string, NativeType> t;
        auto group = [&](std::initializer_list<const char*> names, NativeType type) {
            for (const char* name : names) t.emplace(name, type);
        };
        group({"TINYINT"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, char_type, D::zero});
        group({"SMALLINT", "YEAR"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, int_type, D::zero});
        group({"MEDIUMINT", "INT", "INTEGER"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, int_type, D::zero});
        group({"BIGINT"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, int64_type, D::zero});
        group({"FLOAT"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, float_type, D::real});
        group({"DOUBLE", "REAL"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, double_type, D::real});
        group({"DECIMAL", "NUMERIC"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, float_type, D::real});
        group({"DATE"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, date_type, D::date});
        group({"TIME"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, pointer_type, D::time});
        group({"DATETIME", "TIMESTAMP"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, date_time_type, D::datetime});
        group({"CHAR"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, char_type, D::text});
        group({"VARCHAR", "TINYTEXT", "TEXT", "MEDIUMTEXT", "LONGTEXT", "ENUM", "SET", "JSON"},
              {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, string_type, D::text});
        group({"BIT", "BINARY", "VARBINARY"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, bytes_type, D::bytes});
        group({"TINYBLOB", "BLOB", "MEDIUMBLOB", "LONGBLOB"},
              {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, bytes_type, D::bytes});
        group({"GEOMETRY", "POINT", "LINESTRING", "POLYGON", "MULTIPOINT", "MULTILINESTRING", "MULTIPOLYGON",
               "GEOMETRYCOLLECTION"},
              {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, string_type, D::text});
        return t;
    }();
    return types;
}


std::string now_as(const char* format) {
    GDateTime* now = g_date_time_new_now_local();
    std::string text = gobj::take_string(g_date_time_format(now, format));
    g_date_time_unref(now);
    return text;
}

std::vector<std::string> column_types() {
    return {_("##Numeric"), "BIT", "BOOLEAN", "TINYINT", "SMALLINT", "MEDIUMINT", "INT", "BIGINT", "FLOAT", "DOUBLE",
            "DECIMAL",
            _("##String"), "CHAR", "VARCHAR", "TINYTEXT", "MEDIUMTEXT", "TEXT", "LONGTEXT", "ENUM", "SET",
            _("##Date time"), "YEAR", "DATE", "TIME", "DATETIME", "TIMESTAMP",
            _("##Binary"), "BINARY", "VARBINARY", "TINYBLOB", "MEDIUMBLOB", "BLOB", "LONGBLOB",
            _("##Spatial"), "GEOMETRY", "POINT", "LINESTRING", "POLYGON", "MULTIPOINT", "MULTILINESTRING",
            "MULTIPOLYGON", "GEOMETRYCOLLECTION",
            _("##Special"), "JSON"};
}

}  // namespace

const MySQLFamilyInspector::NativeType* MySQLFamilyInspector::find_native(const char* native_type) const {
    static const NativeType bit_boolean{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, boolean_type, Default::bytes};
    std::string upper = gobj::take_string(g_utf8_strup(native_type, -1));
    if (upper == "BIT" && bit_is_boolean()) return &bit_boolean;
    auto found = native_types().find(upper);
    return found == native_types().end() ? nullptr : &found->second;
}

std::vector<std::string> MySQLFamilyInspector::support(DbMetaType kind) {
    switch (kind) {
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_CHARSET:
            return {"SHOW CHARACTER SET;", "SHOW CHARACTER SET LIKE '%%%s%%';"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION:
            return {"SHOW COLLATION;", "SHOW COLLATION WHERE Charset = '%s';"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_DEFAULT: return {"EMPYT STRING", "NULL"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_TYPE: return column_types();
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COMPRESSION: return {"LZ4", "ZLIB", "NONE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DATASET_STATEMENT: return {"SELECT", "SHOW"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_EXPLORABLE:
            return {"database", "schema", "table", "view", "index", "trigger", "routine", "function", "procedure",
                    "user", "role", "tablespace", "event"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_ACTION:
            return {"CASCADE", "NO ACTION", "RESTRICT", "SET NULL"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_MATCH: return {"FULL", "PARTIAL", "SIMPLE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_ALGORITHM: return {"DEFAULT", "INPLACE", "COPY"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_KEY_BLOCK_SIZE:
            return {"0", "1", "2", "4", "8", "16"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_LOCK:
            return {"DEFAULT", "NONE", "SHARED", "EXCLUSIVE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_METHOD: return {"BTREE", "HASH"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_PARSER:
            return {"SELECT PLUGIN_NAME FROM information_schema.`PLUGINS` WHERE PLUGIN_TYPE = 'FTPARSER' ORDER BY "
                    "PLUGIN_NAME ASC;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_TYPE: return {"FULLTEXT", "SPATIAL", "UNIQUE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INSERT_METHOD: return {"0", "1", "DEFAULT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ONCONFLICT:
            return {"FAIL", "ABORT", "IGNORE", "REPLACE", "ROLLBACK"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ORDER_NORMAL: return {"ASC", "DESC"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_PLUGIN_AUTH:
            return {"SELECT PLUGIN_NAME FROM INFORMATION_SCHEMA.PLUGINS WHERE PLUGIN_STATUS = 'ACTIVE' AND "
                    "PLUGIN_TYPE = 'AUTHENTICATION';"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_DIRECTION: return {"IN", "OUT", "INOUT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_DATA_ACCESS:
            return {"CONTAINS SQL", "NO SQL", "READS SQL DATA", "MODIFIES SQL DATA"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_TYPE: return {"FUNCTION", "PROCEDURE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROW_FORMAT:
            return {"COMPACT", "COMPRESSED", "DEFAULT", "DYNAMIC", "FIXED", "REDUNDANT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_TRANSFER:
            return {"AUTOINC", "CHARSET", "CHECK", "ENGINE", "FOREIGN", "INDEX", "OPTION",
                    "PARTITION", "PRIMARY", "TRIGGER", "UNIQUE", "BLOB", "INSERT", "LOCK_TARGET",
                    "TRANSACTION", "CONTINUE", "CREATE_DATABASE", "CREATE_SCHEMA", "DEFINER", "DROP_OBJECT",
                    "LOCK_SOURCE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_STRUCTURE:
            return {"AUTOINC", "CHARSET", "CHECK", "ENGINE", "FOREIGN", "INDEX", "OPTION", "PARTITION",
                    "PRIMARY", "TRIGGER", "UNIQUE", "DEFINER", "EVENT", "FUNCTION", "IDENTIFIER", "VIEW"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_DATA: return {"DELETE", "INSERT", "UPDATE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_ENGINE:
            return {"SELECT ENGINE FROM information_schema.`ENGINES` WHERE support <> 'NO' ORDER BY ENGINE ASC;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_STORAGE: return {"DEFAULT", "DISK", "MEMORY"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_TABLESPACE:
            return {"SELECT DISTINCT (TABLESPACE_NAME) AS TABLESPACE FROM information_schema.FILES WHERE "
                    "FILE_TYPE='TABLESPACE' AND TABLESPACE_NAME like '%%%s%%';"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_FUNCTION:
            return {"  # Routine body\n  \n  RETURN %s;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_PROCEDURE: return {"  # Routine body\n  "};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_EVENT:
            return {"DELETE", "INSERT", "UPDATE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME: return {"AFTER", "BEFORE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_ORDER: return {"FOLLOWS", "PRECEDES"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TEMPLATE: return {""};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIRTUAL_TYPE: return {"STORED", "VIRTUAL"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_ALGORITHM:
            return {"UNDEFINED", "MERGE", "TEMPTABLE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_SECURITY: return {"DEFINER", "INVOKER"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_CHECK_OPTION: return {"CASCADED", "LOCAL"};
        default: return {};
    }
}

Text MySQLFamilyInspector::get_type_default(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return {};
    const NativeType* t = find_native(native_type);
    switch (t ? t->default_value : Default::text) {
        case Default::zero: return std::string("0");
        case Default::real: return std::string("0.0");
        case Default::date: return now_as("'%Y-%m-%d'");
        case Default::time: return now_as("'%H:%M:%S'");
        case Default::datetime: return now_as("'%Y-%m-%d %H:%M:%S'");
        case Default::bytes: return std::string("0x0000");
        case Default::text: break;
    }
    return std::string("''");
}

DataType MySQLFamilyInspector::get_data_type(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    const NativeType* t = find_native(native_type);
    return t ? t->data_type : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

GType MySQLFamilyInspector::get_glib_type(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return G_TYPE_INVALID;
    const NativeType* t = find_native(native_type);
    return t ? t->glib_type() : G_TYPE_NONE;
}

Text MySQLFamilyInspector::get_sql_type(DataType type) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN: return std::string("BOOLEAN");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8: return std::string("TINYINT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16: return std::string("SMALLINT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32: return std::string("INTEGER");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64: return std::string("BIGINT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM: return std::string("ENUM");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET: return std::string("SET");
        // Another product's exact numbers and time stamps keep their kind: as VARCHAR they
        // would be cut to the column's precision.
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL: return std::string("DECIMAL");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT: return std::string("FLOAT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE: return std::string("DOUBLE");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: return std::string("DATE");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME: return std::string("TIME");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP: return std::string("DATETIME");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML: return std::string("LONGTEXT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON: return std::string("JSON");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY: return std::string("GEOMETRY");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT: return std::string("BLOB");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB: return std::string("LONGBLOB");
        default: return std::string("VARCHAR");
    }
}

}  // namespace tarvelin::rezezadovu::supports::database
