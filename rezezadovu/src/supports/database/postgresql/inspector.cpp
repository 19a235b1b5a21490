#include "rezezadovu/supports/database/postgresql/inspector.hpp"

#include <vector>

#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("postgres_inspector")

namespace tarvelin::rezezadovu::supports::database {

using providers::contracts::DataType;

TARVELIN_GTYPE(PostgreSQLInspector, "TarvelinRezezadovuSupportsDatabasePostgreSQLInspector", gobj::Object,
               contracts::database::IInspectable)

namespace {

// How a default literal is made: a fixed text, or the clock in a quoted pattern.
struct Default {
    const char* text;
    bool clock = false;
};

struct NameRow {
    std::vector<const char*> names;
    DataType data_type;
    GType (*glib_type)();
    Default fallback;
};

GType none() { return G_TYPE_NONE; }
GType boolean() { return G_TYPE_BOOLEAN; }
GType integer() { return G_TYPE_INT; }
GType uinteger() { return G_TYPE_UINT; }
GType int64() { return G_TYPE_INT64; }
GType single() { return G_TYPE_FLOAT; }
GType dbl() { return G_TYPE_DOUBLE; }
GType text() { return G_TYPE_STRING; }
GType pointer() { return G_TYPE_POINTER; }
GType object() { return G_TYPE_OBJECT; }

constexpr Default kZero{"0"};
constexpr Default kReal{"0.0"};
constexpr Default kEmpty{"''"};
constexpr Default kBytes{"0x0000"};
constexpr Default kDate{"'%Y-%m-%d'", true};
constexpr Default kTime{"'%H:%M:%S'", true};
constexpr Default kDateTime{"'%Y-%m-%d %H:%M:%S'", true};

// The names the catalogue reports, lower-cased, in the order they are tried. The
// spelled-out names of the information schema map like their short forms.
const std::vector<NameRow>& name_rows() {
    static const std::vector<NameRow> rows = {
        {{"boolean", "bool"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, boolean, kEmpty},
        {{"smallint", "int2"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, integer, kZero},
        {{"integer", "int", "int4"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, integer, kZero},
        {{"oid", "xid"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, uinteger, kZero},
        {{"bigint", "int8"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, int64, kZero},
        {{"smallserial", "serial2"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, uinteger, kZero},
        {{"serial", "serial4"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, integer, kZero},
        {{"bigserial", "serial8"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, int64, kZero},
        {{"bit", "bit varying", "varbit"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, text, kEmpty},
        {{"character", "char", "character varying", "varchar", "text"},
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING,
         text,
         kEmpty},
        {{"bytea"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, g_bytes_get_type, kBytes},
        {{"float8", "double", "double precision"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, dbl, kReal},
        {{"real", "float4"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, single, kReal},
        {{"money", "numeric", "decimal"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, single, kReal},
        {{"inet", "cidr", "macaddr"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, text, kEmpty},
        {{"uuid"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID, text, kEmpty},
        {{"xml"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML, text, kEmpty},
        {{"json", "jsonb"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON, text, kEmpty},
        {{"line", "box", "circle", "lseg", "path", "point", "polygon"},
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY,
         text,
         kEmpty},
        {{"date"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, g_date_get_type, kDate},
        {{"time", "time without time zone"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, pointer, kTime},
        {{"timetz", "time with time zone"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, g_date_time_get_type, kTime},
        {{"interval"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, g_date_time_get_type, kDateTime},
        // A default of its own only: "datetime" is no PostgreSQL type.
        {{"datetime"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, none, kDateTime},
        {{"timestamp", "timestamptz", "timestamp without time zone", "timestamp with time zone"},
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME,
         g_date_time_get_type,
         kDateTime},
        {{"tsquery", "tsvector", "txid_snapshot", "pg_lsn"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, object, kBytes},
    };
    return rows;
}

const NameRow* find_row(const char* native_type) {
    gchar* lower = g_utf8_strdown(native_type, -1);
    std::string name(lower);
    g_free(lower);
    for (const auto& row : name_rows())
        for (const char* n : row.names)
            if (name == n) return &row;
    return nullptr;
}

std::string clock_text(const char* pattern) {
    GDateTime* now = g_date_time_new_now_local();
    gchar* text = g_date_time_format(now, pattern);
    std::string out(text ? text : "");
    g_free(text);
    g_date_time_unref(now);
    return out;
}

using List = std::vector<std::string>;

const List kDeferred = {"INITIALLY IMMEDIATE", "INITIALLY DEFERRED"};

List column_types() {
    static const std::vector<std::pair<const char*, List>> groups = {
        {N_("##Numeric"),
         {"BOOLEAN", "SMALLSERIAL", "SERIAL", "BIGSERIAL", "SMALLINT", "INTEGER", "BIGINT", "MONEY", "NUMERIC",
          "FLOAT4", "FLOAT8"}},
        {N_("##String"), {"BIT", "VARBIT", "CHAR", "VARCHAR", "TEXT", "JSON", "JSONB", "UUID", "XML", "BYTEA"}},
        {N_("##Date time"), {"INTERVAL", "DATE", "TIME", "TIMETZ", "TIMESTAMP", "TIMESTAMPTZ"}},
        {N_("##Network"), {"INET", "CIDR", "MACADDR", "MACADDR8"}},
        {N_("##Spatial"), {"POINT", "LINE", "LSEG", "BOX", "PATH", "POLYGON", "CIRCLE"}},
        {N_("##Range"), {"INT4RANGE", "INT8RANGE", "NUMRANGE", "TSRANGE", "TSTZRANGE", "DATERANGE"}},
        {N_("##Special"), {"TSQUERY", "TSVECTOR", "TXID_SNAPSHOT", "PG_LSN"}},
    };
    List out;
    for (const auto& [header, types] : groups) {
        out.emplace_back(_(header));
        out.insert(out.end(), types.begin(), types.end());
    }
    return out;
}

}  // namespace

gobj::Ref<PostgreSQLInspector> PostgreSQLInspector::create(GType type, CConnection* conn) {
    auto made = gobj::create<PostgreSQLInspector>(type);
    if (made) made->link(conn);
    return made;
}

PostgreSQLInspector::Text PostgreSQLInspector::get_type_default(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return {};
    const NameRow* row = find_row(native_type);
    if (!row) return std::string(kEmpty.text);
    return row->fallback.clock ? clock_text(row->fallback.text) : std::string(row->fallback.text);
}

DataType PostgreSQLInspector::get_data_type(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    const NameRow* row = find_row(native_type);
    return row ? row->data_type : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

GType PostgreSQLInspector::get_glib_type(const char* native_type) {
    if (!TARVELIN_GIVEN(native_type)) return G_TYPE_INVALID;
    const NameRow* row = find_row(native_type);
    return row ? row->glib_type() : G_TYPE_NONE;
}

PostgreSQLInspector::Text PostgreSQLInspector::get_sql_type(DataType type) {
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
            return "BOOLEAN";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
            return "SMALLINT";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
            return "INTEGER";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            return "BIGINT";
        // numeric and decimal columns read as MONEY: a money column would keep two
        // decimals of them.
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
            return "NUMERIC";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            return "FLOAT4";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
            return "FLOAT8";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
            return "DATE";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
            return "TIME";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
            return "TIMESTAMP";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
            return "INTERVAL";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML:
            return "XML";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID:
            return "UUID";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON:
            return "JSON";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY:
            return "GEOMETRY";
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT:
            return "BYTEA";
        default:
            return "VARCHAR";
    }
}

std::vector<std::string> PostgreSQLInspector::support(DbMetaType kind) {
    switch (static_cast<int>(kind)) {
        // ---- catalogue queries
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_CHARSET:
            return {"SELECT DISTINCT pg_encoding_to_char(conforencoding) AS charset FROM pg_catalog.pg_conversion "
                    "ORDER BY charset ASC;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION:
            return {"SELECT collname FROM pg_collation ORDER BY collname;",
                    "SELECT C.collname FROM pg_collation C LEFT JOIN pg_namespace nsp ON nsp.oid = C.collnamespace "
                    "WHERE nsp.nspname = '%s' ORDER BY C.collname;",
                    "SELECT DISTINCT concat(n.nspname, '.', c.collname) as collations FROM pg_collation c "
                    "LEFT JOIN pg_namespace n ON n.oid = c.collnamespace ORDER BY collations;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_NAME:
            return {"SELECT column_name FROM information_schema.COLUMNS WHERE table_schema = '%s' and "
                    "table_name = '%s' ORDER BY ordinal_position;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DATA_TYPE:
            return {"SELECT t.typname FROM pg_type t LEFT JOIN pg_namespace n ON t.typnamespace = n.oid "
                    "WHERE n.nspname = '%s' ORDER BY t.typname ASC;",
                    "SELECT DISTINCT concat(n.nspname, '.', t.typname) data_type FROM pg_type t "
                    "LEFT JOIN pg_namespace n ON t.typnamespace = n.oid ORDER BY data_type ASC;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_OPERATOR_CLASS:
            return {"SELECT DISTINCT opc.opcname FROM pg_opclass opc, pg_namespace nsp "
                    "WHERE opc.opcnamespace = nsp.oid;",
                    "SELECT DISTINCT opc.opcname FROM pg_opclass opc, pg_namespace nsp "
                    "WHERE opc.opcnamespace = nsp.oid AND nsp.nspname = '%s';",
                    "SELECT DISTINCT concat(n.nspname, '.', o.opcname) opclass FROM pg_opclass o "
                    "LEFT JOIN pg_namespace n ON o.opcnamespace = n.oid ORDER BY opclass;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_FUNCTION:
            return {"SELECT P.proname FROM pg_proc P LEFT JOIN pg_type typ ON typ.oid = P.prorettype "
                    "LEFT JOIN pg_namespace n ON n.oid = P.pronamespace WHERE P.prokind<> 'a' AND n.nspname = '%s' "
                    "AND typ.typname = 'trigger' ORDER BY P.proname ASC;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_INHERITS:
            return {"SELECT '\"' || replace(n.nspname, '\"', '\"\"') || '\".\"' || replace(C.relname, '\"', '\"\"') || "
                    "'\"' AS tablename FROM pg_class C "
                    "LEFT JOIN pg_namespace n ON n.oid=C.relnamespace WHERE (C.relkind = 'r'::\"char\") OR "
                    "(C.relkind = 'f'::\"char\") OR (C.relkind = 'p'::\"char\") ORDER BY tablename;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_NAME:
            return {"SELECT table_name FROM information_schema.tables WHERE table_schema = '%s';"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_NAMESPACE:
            return {"SELECT nspname FROM pg_namespace WHERE nspacl IS NOT NULL;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_OWNER:
            return {"SELECT rolname AS name FROM pg_roles ORDER BY rolname ASC"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_TABLESPACE:
            return {"SELECT spcname FROM pg_tablespace;"};

        // ---- fixed choices
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_DEFAULT:
            return {"EMPYT STRING", "NULL"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DATASET_STATEMENT:
            return {"SELECT", "PRAGMA"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DEFERRED_ACTION:
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_DEFERRED:
            return kDeferred;
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_EXPLORABLE:
            return {"database", "schema",   "table",    "view",      "index",  "trigger",      "routine",  "function",
                    "procedure", "user",    "role",     "sequence",  "tablespace", "cast",     "server",   "language",
                    "materialized", "aggregate", "conversion", "domain", "operator", "class", "type"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_ACTION:
            return {"RESTRICT", "NO ACTION", "CASCADE", "SET NULL", "SET DEFAULT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_MATCH:
            return {"FULL", "PARTIAL", "SIMPLE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_IDENTITY_ACTION:
            return {"GENERATED ALWAYS", "GENERATED BY DEFAULT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_BUFFERING:
            return {"OFF", "ON", "AUTO"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_FAST_UPDATE:
            return {"OFF", "ON"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_METHOD:
            return {"BTREE", "HASH", "GIST", "SPGIST", "GIN", "BRIN"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_TYPE:
            return {"UNIQUE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ORDER_NORMAL:
            return {"ASC", "DESC"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ORDER_NULLS:
            return {"FIRST", "LAST"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_DIRECTION:
            return {"IN", "OUT", "INOUT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_LANGUAGE:
            return {"sql", "c", "plpgsql"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_SECURITY:
            return {"DEFINER", "INVOKER"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_TYPE:
            return {"FUNCTION", "PROCEDURE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_RULE_ACTION:
            return {"ALSO", "INSTEAD"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_RULE_APPLY:
            return {"ORIGIN", "DISABLED", "REPLICA", "ALWAYS"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_RULE_EVENT:
            return {"SELECT", "INSERT", "UPDATE", "DELETE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_TRANSFER:
            return {"AUTOINC",     "CHARSET",  "CHECK",           "ENGINE",        "FOREIGN",  "INDEX",   "OPTION",
                    "PARTITION",   "PRIMARY",  "TRIGGER",         "UNIQUE",        "BLOB",     "INSERT",  "LOCK_TARGET",
                    "TRANSACTION", "CONTINUE", "CREATE_DATABASE", "CREATE_SCHEMA", "DEFINER", "DROP_OBJECT",
                    "LOCK_SOURCE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_STRUCTURE:
            return {"AUTOINC", "CHARSET", "CHECK",   "ENGINE",  "FOREIGN", "INDEX",    "OPTION",     "PARTITION",
                    "PRIMARY", "TRIGGER", "UNIQUE",  "DEFINER", "EVENT",   "FUNCTION", "IDENTIFIER", "VIEW"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_DATA:
            return {"DELETE", "INSERT", "UPDATE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_COMMIT:
            return {"PRESERVE ROWS", "DELETE ROWS", "DROP"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_FLAG:
            return {"PERMANENT", "TEMPORARY", "UNLOGGED"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_PARTITION:
            return {"RANGE", "LIST", "HASH"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_DEFERRABLE:
            return {"NOT DEFERRABLE", "DEFERRABLE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME:
            return {"BEFORE", "AFTER", "INSTEAD"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME_TABLE:
            return {"AFTER", "BEFORE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME_VIEW:
            return {"INSTEAD OF"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FOR_EACH:
            return {"ROW", "STATEMENT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TYPE:
            return {"TABLE", "VIEW", "FOREIGN TABLE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_ALGORITHM:
            return {"TEMPORARY", "RECURSIVE"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_SECURITY:
            return {"security_barrier"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_CHECK_OPTION:
            return {"CASCADED", "LOCAL"};

        // ---- templates
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_FUNCTION:
            return {"  # Routine body\n  \n  RETURN %s;"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_PROCEDURE:
            return {"  # Routine body\n  "};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TEMPLATE:
            return {""};

        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_TYPE:
            return column_types();
        default:
            return {};
    }
}

}  // namespace tarvelin::rezezadovu::supports::database
