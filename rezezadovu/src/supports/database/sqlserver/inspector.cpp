#include "rezezadovu/supports/database/sqlserver/inspector.hpp"

#include <initializer_list>
#include <map>
#include <string_view>

#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("inspector")

namespace tarvelin::rezezadovu::supports::database {

using Text = SQLServerInspector::Text;
using DataType = providers::contracts::DataType;

TARVELIN_GTYPE(SQLServerInspector, "TarvelinRezezadovuSupportsDatabaseSQLServerInspector", gobj::Object,
               contracts::database::IInspectable)

gobj::Ref<SQLServerInspector> SQLServerInspector::create(GType type, CConnection* conn) {
    return create_linked<SQLServerInspector>(type, conn);
}

namespace {

std::string upper(const char* name) { return gobj::take_string(g_utf8_strup(name, -1)); }

// The value of the first row whose names hold `name`, or `fallback`.
template <class V>
struct NameRow {
    std::initializer_list<const char*> names;
    V value;
};
template <class V>
V by_name(std::string_view name, std::initializer_list<NameRow<V>> rows, V fallback) {
    for (const auto& row : rows)
        for (const char* n : row.names)
            if (name == n) return row.value;
    return fallback;
}

// ---------------------------------------------------------------- choice lists

// A list whose entries are looked up in the message catalogue at each call.
struct Choices {
    std::vector<const char*> entries;
    bool translated = false;
};

using K = TarvelinRezezadovuContractsDatabaseDbMetaType;

const std::map<int, Choices>& choice_lists() {
    static const std::map<int, Choices> lists = [] {
        const Choices schemas{{"SELECT name FROM sys.schemas ORDER BY name ASC;"}};
        return std::map<int, Choices>{
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_AUTHENTICATION,
             {{N_("Login"), N_("Asymmetric key"), N_("Certificate"), N_("Without login"), N_("Windows principal"),
               N_("External")},
              true}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_AUTHENTICATION_LOGIN,
             {{N_("SQL Server authentication"), N_("Windows authentication"), N_("External authentication"),
               N_("Certificate authentication"), N_("Asymmetric key authentication")},
              true}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_CHARSET,
             {{"SELECT name FROM sys.syscharsets WHERE type = 1001 ORDER BY name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION,
             {{"SELECT name FROM sys.fn_helpcollations() WHERE [name] NOT LIKE 'SQL%';"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_DEFAULT, {{"EMPYT STRING", "NULL"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_NAME,
             {{"SELECT name FROM sys.columns WHERE OBJECT_SCHEMA_NAME(object_id) = '%s' AND OBJECT_NAME(object_id) = "
               "'%s' ORDER BY column_id ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COMPRESSION_DATA,
             {{"NONE", "ROW", "PAGE", "COLUMNSTORE", "COLUMNSTORE_ARCHIVE"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COMPRESSION_XML, {{"ON", "OFF"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_CREDENTIAL,
             {{"SELECT name FROM sys.credentials ORDER BY name ASC"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DATA_TYPE,
             {{"SELECT name FROM sys.types WHERE SCHEMA_NAME(schema_id) = '%s' ORDER BY name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DATASET_STATEMENT, {{"SELECT"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ENDPOINT, {{"SELECT name FROM sys.endpoints"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_EXPLORABLE,
             {{"database", "schema", "table", "view", "index", "trigger", "routine", "function", "procedure",
               "user_database", "user_server", "role_database", "role_server", "role_application", "check", "type",
               "sequence", "synonym", "server", "device", "endpoint", "event", "assembly", "statistics",
               "partition_function", "partition_scheme", "queue", "broker", "certificate", "asymmetric_key",
               "symmetric_key"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_ACTION,
             {{"NO ACTION", "CASCADE", "SET NULL", "SET DEFAULT"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_TYPE,
             {{"XML", "SPATIAL", "COLUMNSTORE", "HASH"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_USER_LANGUAGE,
             {{"SELECT name FROM sys.syslanguages ORDER BY name ASC"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOCK_ESCALATION, {{"AUTO", "TABLE", "DISABLE"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOGIN_ASYMMETRIC_KEY,
             {{"SELECT name FROM master.sys.asymmetric_keys ORDER BY name"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOGIN_CERTIFICATE,
             {{"SELECT name FROM master.sys.certificates WHERE name NOT LIKE '##%%##' ORDER BY name;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOGIN_NAME,
             {{"SELECT name FROM sys.server_principals WHERE type IN ('S','U','G','C','K') ORDER BY name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ORDER_NORMAL, {{"ASC", "DESC"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_PERMISSION,
             {{"SELECT permission_name FROM sys.fn_builtin_permissions(DEFAULT) WHERE CLASS_DESC = '%s' ORDER BY "
               "permission_name ASC"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROLE_APPLICATION,
             {{"SELECT name FROM sys.database_principals WHERE type ='A' ORDER BY name ASC"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROLE_DATABASE,
             {{"SELECT name FROM sys.database_principals WHERE type ='R' ORDER BY name ASC"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROLE_OWNER,
             {{"SELECT name FROM sys.database_principals WHERE type IN ('S','U','G','C','K','R') ORDER BY name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROLE_SERVER,
             {{"SELECT name FROM sys.server_principals WHERE type ='R' ORDER BY name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_DIRECTION, {{"OUT", "OUTPUT", "READONLY"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_FUNCTION,
             {{"SELECT name FROM sys.all_objects WHERE type IN ('AF','FN','FS','FT','IF','TF','P','PC','X','RF') AND "
               "SCHEMA_NAME(schema_id)='%s';"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_TYPE, {{"FUNCTION", "PROCEDURE"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_TRANSFER,
             {{"AUTOINC", "CHARSET", "CHECK", "ENGINE", "FOREIGN", "INDEX", "OPTION", "PARTITION", "PRIMARY",
               "TRIGGER", "UNIQUE", "BLOB", "INSERT", "LOCK_TARGET", "TRANSACTION", "CONTINUE", "CREATE_DATABASE",
               "CREATE_SCHEMA", "DEFINER", "DROP_OBJECT", "LOCK_SOURCE"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_STRUCTURE,
             {{"AUTOINC", "CHARSET", "CHECK", "ENGINE", "FOREIGN", "INDEX", "OPTION", "PARTITION", "PRIMARY",
               "TRIGGER", "UNIQUE", "DEFINER", "EVENT", "FUNCTION", "IDENTIFIER", "VIEW"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_DATA, {{"DELETE", "INSERT", "UPDATE"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SERVERS,
             {{"SELECT name FROM sys.servers ORDER BY name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_COMMIT,
             {{"PRESERVE ROWS", "DELETE ROWS", "DROP"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_NAME,
             {{"SELECT name FROM sys.tables WHERE type = 'U' and SCHEMA_NAME(schema_id) = '%s' ORDER BY name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_NAMESPACE, schemas},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_SCHEMA, schemas},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_OWNER,
             {{"SELECT name FROM sys.database_principals ORDER BY name ASC;",
               "SELECT name FROM sys.server_principals ORDER BY name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_PARTITION,
             {{"SELECT dds.destination_id AS partition_id FROM sys.partition_schemes ps LEFT JOIN "
               "sys.destination_data_spaces dds ON dds.partition_scheme_id=ps.data_space_id WHERE ps.name ='%s' "
               "ORDER BY partition_id ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_TABLESPACE,
             {{"SELECT name FROM sys.data_spaces;", "SELECT name FROM sys.data_spaces WHERE type='%s';"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_FUNCTION,
             {{"  # Routine body\n  \n  RETURN %s;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_PROCEDURE, {{"  # Routine body\n  "}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_DEFINITION_TYPE, {{"SQL", "EXTERNAL"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_EXECUTOR,
             {{"CALLER", "SELF", "OWNER", "USER"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME, {{"FOR", "AFTER", "INSTEAD OF"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TEMPLATE,
             {{"BEGIN\n  -- Type the SQL Here.\nEND"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TYPE, {{"TABLE", "VIEW"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TYPE_STANDARD,
             {{"SELECT name FROM sys.types WHERE SCHEMA_NAME(schema_id) = '%s' AND is_user_defined = 0 ORDER BY "
               "name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TYPE_USER_DEFINED,
             {{"SELECT name FROM sys.types WHERE SCHEMA_NAME(schema_id) = '%s' AND is_user_defined = 1 ORDER BY "
               "name ASC;"}}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VERSION_METHOD,
             {{N_("Row"), N_("Transaction id"), N_("Sequence number")}, true}},
            {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VERSION_POSITION, {{"START", "END"}}},
        };
    }();
    return lists;
}

// The grouped type list: an entry beginning "##" is a (translated) group heading.
const std::vector<const char*>& column_types() {
    static const std::vector<const char*> types = {
        N_("##Numeric"), "BIT", "TINYINT", "SMALLINT", "INT", "BIGINT", "SMALLMONEY", "MONEY", "DECIMAL", "FLOAT",
        "REAL", "DOUBLE",
        N_("##String"), "CHAR", "VARCHAR", "VARCHAR(max)", "TEXT", "NCHAR", "NVARCHAR", "NVARCHAR(max)", "NTEXT",
        N_("##Date time"), "DATE", "TIME", "SMALLDATETIME", "DATETIME", "DATETIME2", "DATETIMEOFFSET",
        N_("##Binary"), "BINARY", "IMAGE", "VARBINARY", "VARBINARY(max)",
        N_("##Spatial"), "GEOMETRY", "GEOGRAPHY",
        N_("##Special"), "NATIONAL", "PRECISION", "SQL_VARIANT", "XML", "UNIQUEIDENTIFIER",
        N_("##Additional"), "(USER-DEFINED)", "(COMPUTED)",
    };
    return types;
}

}  // namespace

std::vector<std::string> SQLServerInspector::support(DbMetaType kind) {
    std::vector<std::string> out;
    if (kind == TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_TYPE) {
        for (const char* entry : column_types()) out.emplace_back(g_str_has_prefix(entry, "##") ? _(entry) : entry);
        return out;
    }
    const auto& lists = choice_lists();
    auto it = lists.find(static_cast<int>(kind));
    if (it == lists.end()) return out;
    for (const char* entry : it->second.entries) out.emplace_back(it->second.translated ? _(entry) : entry);
    return out;
}

// ---------------------------------------------------------------- type maps

Text SQLServerInspector::get_type_default(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return {};
    return std::string(by_name<const char*>(
        upper(native_type),
        {
            {{"BIT", "TINYINT", "SMALLINT", "INT", "BIGINT", "YEAR"}, "0"},
            {{"SMALLMONEY", "MONEY", "DECIMAL", "NUMERIC", "FLOAT", "REAL", "DOUBLE"}, "0.0"},
            {{"DATE"}, "'1900-01-01'"},
            {{"TIME"}, "'00:00:00'"},
            {{"SMALLDATETIME", "DATETIME", "DATETIME2"}, "'1900-01-01 00:00:00'"},
            {{"DATETIMEOFFSET"}, "'1900-01-01 00:00:00 00:00'"},
            {{"BINARY", "IMAGE", "VARBINARY"}, "0x0000"},
        },
        "''"));
}

DataType SQLServerInspector::get_data_type(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    return by_name<DataType>(upper(native_type),
                             {
                                 {{"BIT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
                                 {{"TINYINT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8},
                                 {{"SMALLINT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
                                 {{"INT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
                                 {{"BIGINT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
                                 // FLOAT is eight bytes here, REAL four.
                                 {{"REAL"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT},
                                 {{"FLOAT", "DOUBLE"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE},
                                 {{"DECIMAL", "NUMERIC"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
                                 {{"SMALLMONEY", "MONEY"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY},
                                 {{"DATE"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
                                 {{"TIME"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
                                 {{"SMALLDATETIME", "DATETIME", "DATETIME2", "DATETIMEOFFSET"},
                                  TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
                                 {{"CHAR", "VARCHAR", "TEXT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
                                 {{"NCHAR", "NVARCHAR", "NTEXT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
                                 {{"XML"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML},
                                 {{"BINARY", "IMAGE", "VARBINARY"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY},
                                 {{"GEOMETRY"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY},
                                 {{"GEOGRAPHY"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY},
                             },
                             TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
}

// The type a column of each value type gets here, never holding less than the value type
// does in any product: "DOUBLE" is no T-SQL type (FLOAT is the double-precision one);
// TINYINT is unsigned here, so signed bytes take SMALLINT and each unsigned type the next
// wider signed one; texts are national (other products' texts are Unicode) and exact
// numbers DECIMAL (MONEY keeps four decimals); DATETIME2 holds the years and fractions
// DATETIME cannot; durations and types without a match of their own go in as text. The
// builder adds the length, precision and scale, or (MAX) where there is none.
Text SQLServerInspector::get_sql_type(DataType type) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN: return std::string("BIT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8: return std::string("TINYINT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16: return std::string("SMALLINT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32: return std::string("INT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64: return std::string("BIGINT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64: return std::string("DECIMAL(20, 0)");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL: return std::string("DECIMAL");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE: return std::string("FLOAT");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: return std::string("DATE");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME: return std::string("TIME");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP: return std::string("DATETIME2");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML: return std::string("XML");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID: return std::string("UNIQUEIDENTIFIER");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY: return std::string("GEOMETRY");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY: return std::string("GEOGRAPHY");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB: return std::string("VARBINARY");
        default: return std::string("NVARCHAR");
    }
}

GType SQLServerInspector::get_glib_type(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return G_TYPE_INVALID;
    return by_name<GType>(upper(native_type),
                          {
                              {{"BIT"}, G_TYPE_BOOLEAN},
                              {{"TINYINT"}, G_TYPE_CHAR},
                              {{"SMALLINT", "INT"}, G_TYPE_INT},
                              {{"BIGINT"}, G_TYPE_INT64},
                              {{"FLOAT", "DECIMAL", "NUMERIC"}, G_TYPE_FLOAT},
                              {{"DOUBLE", "REAL"}, G_TYPE_DOUBLE},
                              {{"DATE"}, G_TYPE_DATE},
                              {{"TIME"}, G_TYPE_POINTER},
                              {{"DATETIME", "TIMESTAMP"}, G_TYPE_DATE_TIME},
                              {{"CHAR", "VARCHAR", "TEXT", "NCHAR", "NVARCHAR", "NTEXT", "XML", "GEOMETRY",
                                "GEOGRAPHY"},
                               G_TYPE_STRING},
                              {{"BINARY", "IMAGE", "VARBINARY"}, G_TYPE_BYTES},
                          },
                          G_TYPE_NONE);
}

}  // namespace tarvelin::rezezadovu::supports::database
