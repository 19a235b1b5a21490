#include "rezezadovu/supports/database/postgresql/statement.hpp"

#include <algorithm>
#include <set>
#include <map>

#include "providers/gobj/call.hpp"
#include "providers/supports/postgresql/provider.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"

TARVELIN_LOG_TAG("postgres_statement")

namespace tarvelin::rezezadovu::supports::database {

using helpers::DatabaseHelper;
using Text = PostgreSQLStatement::Text;

TARVELIN_GTYPE(PostgreSQLStatement, "TarvelinRezezadovuSupportsDatabasePostgreSQLStatement", Statement)

namespace {

// The key words the server does not take as a bare name everywhere (its reserved,
// column-name and type-or-function-name key words), sorted.
constexpr std::string_view kKeyWords[] = {
    "all", "analyse", "analyze", "and", "any", "array", "as", "asc", "asymmetric", "authorization", "between",
    "bigint", "binary", "bit", "boolean", "both", "case", "cast", "char", "character", "check", "coalesce",
    "collate", "collation", "column", "concurrently", "constraint", "create", "cross", "current_catalog",
    "current_date", "current_role", "current_schema", "current_time", "current_timestamp", "current_user", "dec",
    "decimal", "default", "deferrable", "desc", "distinct", "do", "else", "end", "except", "exists", "extract",
    "false", "fetch", "float", "for", "foreign", "freeze", "from", "full", "grant", "greatest", "group",
    "grouping", "having", "ilike", "in", "initially", "inner", "inout", "int", "integer", "intersect", "interval",
    "into", "is", "isnull", "join", "lateral", "leading", "least", "left", "like", "limit", "localtime",
    "localtimestamp", "national", "natural", "nchar", "none", "normalize", "not", "notnull", "null", "nullif",
    "numeric", "offset", "on", "only", "or", "order", "out", "outer", "overlaps", "overlay", "placing",
    "position", "precision", "primary", "real", "references", "returning", "right", "row", "select",
    "session_user", "setof", "similar", "smallint", "some", "substring", "symmetric", "table", "tablesample",
    "then", "time", "timestamp", "to", "trailing", "treat", "trim", "true", "union", "unique", "user", "using",
    "values", "varchar", "variadic", "verbose", "when", "where", "window", "with", "xmlattributes", "xmlconcat",
    "xmlelement", "xmlexists", "xmlforest", "xmlnamespaces", "xmlparse", "xmlpi", "xmlroot", "xmlserialize",
    "xmltable",
};

bool is_plain_identifier(std::string_view name) {
    if (name.empty() || !(g_ascii_islower(name[0]) || name[0] == '_')) return false;
    for (char c : name)
        if (!(g_ascii_islower(c) || g_ascii_isdigit(c) || c == '_')) return false;
    return !std::binary_search(std::begin(kKeyWords), std::end(kKeyWords), name);
}

Text listing(gint* name_column, std::string text) {
    if (name_column) *name_column = 0;
    return text;
}

// The names of one kind of constraint in a schema, by its one-letter code.
std::string constraint_listing(const char* user_schema, char code) {
    return "SELECT con.conname FROM pg_catalog.pg_constraint con INNER JOIN pg_catalog.pg_class rel "
           "ON rel.oid = con.conrelid INNER JOIN pg_catalog.pg_namespace nsp ON nsp.oid = connamespace "
           "WHERE nsp.nspname = " +
           PostgreSQLStatement::literal(user_schema) + " AND contype = '" + std::string(1, code) + "';";
}

std::string role_detail(const std::string& condition) {
    return "SELECT cast(ro.oid as text) AS oids, ro.rolname, ro.rolsuper, ro.rolinherit, ro.rolcreaterole, "
           "ro.rolcreatedb, ro.rolbypassrls, ro.rolreplication, ro.rolcanlogin, ro.rolconnlimit, au.rolpassword, "
           "ro.rolvaliduntil, pg_catalog.shobj_description(ro.oid, 'pg_authid') AS comment " +
           condition;
}

std::string filter(const char* where) { return *where ? std::string(" WHERE ") + where : std::string(); }

}  // namespace

gobj::Ref<PostgreSQLStatement> PostgreSQLStatement::create(GType type, CConnection* connection) {
    return create_linked<PostgreSQLStatement>(type, connection);
}

// ---------------------------------------------------------------- names and texts

std::string PostgreSQLStatement::quoted(std::string_view name) { return DatabaseHelper::quote(name, '"'); }

std::string PostgreSQLStatement::qualified(std::string_view schema, std::string_view name) {
    return quoted(schema) + "." + quoted(name);
}

std::string PostgreSQLStatement::literal(std::string_view text) { return DatabaseHelper::quote(text, '\''); }

std::string PostgreSQLStatement::printed(std::string_view name) {
    return is_plain_identifier(name) ? std::string(name) : quoted(name);
}

std::string PostgreSQLStatement::printed(std::string_view schema, std::string_view name) {
    return printed(schema) + "." + printed(name);
}

Text PostgreSQLStatement::quote_identifier(const char* identifier, const char* schema) {
    if (!TARVELIN_GIVEN(identifier, schema)) return {};
    return *schema ? qualified(schema, identifier) : quoted(identifier);
}

// ---------------------------------------------------------------- connection and server

Text PostgreSQLStatement::build_connection_string(Server* server) {
    if (!TARVELIN_GIVEN(server)) return {};
    using T = Server::Text;
    std::string text = gobj::take_string(g_strdup_printf(
        "DRIVER={%s};SERVER=%s;DATABASE=%s;PORT=%u;UID=%s;PWD=%s;", server->text_or_empty(T::driver).c_str(),
        server->text_or_empty(T::host).c_str(), server->text_or_empty(T::initial).c_str(),
        static_cast<guint>(server->get_port()), server->text_or_empty(T::username).c_str(),
        server->text_or_empty(T::password).c_str()));
    if (server->get_ssl_using()) text += "SSLMODE=require;";
    return text;
}

Text PostgreSQLStatement::change_database(const char* database) {
    if (!TARVELIN_GIVEN(database)) return {};
    return std::string("\\connect ") + database + ";";
}

Text PostgreSQLStatement::build_explain(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    if (!*format) return std::string("EXPLAIN ") + statement + ";";
    return std::string("EXPLAIN (FORMAT ") + format + ") " + statement + ";";
}

Text PostgreSQLStatement::build_analyze(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    return std::string("EXPLAIN ANALYZE ") + statement + ";";
}

Text PostgreSQLStatement::show_privileges(gint* name_column, gint* context_column) {
    if (name_column) *name_column = 0;
    if (context_column) *context_column = 1;
    return std::string("SHOW PRIVILEGES;");
}

Text PostgreSQLStatement::flush_privileges() { return std::string("FLUSH PRIVILEGES;"); }

// ---------------------------------------------------------------- listings

Text PostgreSQLStatement::show_databases(gint* name_column) {
    return listing(name_column, "SELECT datname FROM pg_database WHERE datistemplate = FALSE ORDER BY datname ASC;");
}

Text PostgreSQLStatement::show_table_spaces(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing(name_column, "SELECT spcname AS name FROM pg_tablespace ORDER BY spcname ASC;");
}

Text PostgreSQLStatement::show_table_schemas(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing(name_column,
                   "select schema_name from information_schema.schemata where catalog_name = " + literal(database) + ";");
}

Text PostgreSQLStatement::show_tables(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, "SELECT table_name, table_schema FROM information_schema.tables"
                                " WHERE table_type = 'BASE TABLE' AND table_catalog = " +
                                    literal(database) + " AND table_schema = " + literal(user_schema) +
                                    " ORDER BY table_name ASC;");
}

Text PostgreSQLStatement::show_views(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, "SELECT table_name, table_schema FROM information_schema.tables"
                                " WHERE table_type = 'VIEW' AND table_catalog = " +
                                    literal(database) + " AND table_schema = " + literal(user_schema) +
                                    " ORDER BY table_name ASC;");
}

Text PostgreSQLStatement::show_checks(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, constraint_listing(user_schema, 'c'));
}
Text PostgreSQLStatement::show_excludes(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, constraint_listing(user_schema, 'x'));
}
Text PostgreSQLStatement::show_foreigns(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, constraint_listing(user_schema, 'f'));
}
Text PostgreSQLStatement::show_uniques(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, constraint_listing(user_schema, 'u'));
}
Text PostgreSQLStatement::show_triggers(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, constraint_listing(user_schema, 't'));
}

Text PostgreSQLStatement::show_rules(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, "select rulename from pg_rules WHERE schemaname = " + literal(user_schema) + ";");
}

Text PostgreSQLStatement::show_indexes(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, "SELECT indexname FROM pg_indexes WHERE schemaname = " + literal(user_schema) + ";");
}

Text PostgreSQLStatement::show_functions(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, "SELECT routine_name FROM information_schema.routines"
                                " WHERE routine_type='FUNCTION' AND specific_catalog=" +
                                    literal(database) + " AND specific_schema=" + literal(user_schema) + ";");
}

Text PostgreSQLStatement::show_procedures(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, "SELECT p.proname FROM pg_catalog.pg_proc p LEFT JOIN pg_catalog.pg_namespace n "
                                "ON p.pronamespace = n.oid WHERE n.nspname = " +
                                    literal(user_schema) + ";");
}

Text PostgreSQLStatement::show_users(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, "SELECT rolname FROM pg_catalog.pg_roles WHERE rolcanlogin = true;");
}

Text PostgreSQLStatement::show_roles(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, "SELECT rolname FROM pg_catalog.pg_roles WHERE rolcanlogin = false;");
}

// ---------------------------------------------------------------- objects and rows

Text PostgreSQLStatement::show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                                      gint* source_column) {
    if (!TARVELIN_GIVEN(database, user_schema, name)) return {};
    std::string text;
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            text = "SELECT pg_get_functiondef(p.oid) from pg_proc p LEFT JOIN pg_namespace n ON n.oid=p.pronamespace "
                   "WHERE n.nspname=" +
                   literal(user_schema) + " and p.proname=" + literal(name) + ";";
            break;
        // For an index and a trigger the caller passes the schema in `database` and the
        // table in `user_schema`.
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX:
            text = "SELECT indexdef from pg_indexes WHERE schemaname=" + literal(database) +
                   " and tablename=" + literal(user_schema) + " and indexname=" + literal(name) + ";";
            break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            text = "SELECT pg_get_triggerdef(t.oid) AS def FROM pg_trigger t LEFT JOIN pg_class c ON c.oid=t.tgrelid "
                   "LEFT JOIN pg_namespace n ON n.oid=c.relnamespace WHERE n.nspname=" +
                   literal(database) + " AND c.relname=" + literal(user_schema) + " and t.tgname=" + literal(name) + ";";
            break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            text = "SELECT definition from pg_views WHERE schemaname=" + literal(user_schema) +
                   " and viewname=" + literal(name) + ";";
            break;
        default:
            if (source_column) *source_column = 1;
            return std::string();
    }
    if (source_column) *source_column = 0;
    return text;
}

Text PostgreSQLStatement::show_structure(const char* database, const char* user_schema, const char* table,
                                         gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return listing(name_column,
                   "SELECT column_name, data_type, udt_name, character_maximum_length, is_nullable, column_default "
                   "FROM information_schema.columns WHERE table_schema = " +
                       literal(user_schema) + " AND table_name = " + literal(table) + " ORDER BY ordinal_position ASC");
}

Text PostgreSQLStatement::show_content(const char* database, const char* user_schema, const char* table,
                                       const char* columns, const char* where, const char* order, gint64 offset,
                                       gint limit) {
    if (!TARVELIN_GIVEN(database, user_schema, table, columns, where, order)) return {};
    std::string text = std::string("SELECT ") + columns + " FROM " + qualified(user_schema, table) + filter(where);
    if (*order) text += std::string(" ORDER BY ") + order;
    if (limit > 0)
        text += gobj::take_string(g_strdup_printf(" LIMIT %d OFFSET %" G_GINT64_FORMAT ";", limit, offset));
    return text;
}

Text PostgreSQLStatement::show_effected(const char* database, const char* user_schema, const char* table,
                                        const char* where) {
    if (!TARVELIN_GIVEN(database, user_schema, table, where)) return {};
    return "SELECT count(*) FROM " + qualified(user_schema, table) + filter(where) + ";";
}

Text PostgreSQLStatement::show_relations(const char* database, const char* user_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return "SELECT COLUMN_NAME, CONSTRAINT_NAME, REFERENCED_COLUMN_NAME, REFERENCED_TABLE_NAME FROM "
           "information_schema.KEY_COLUMN_USAGE WHERE TABLE_NAME = " +
           literal(table) + " AND TABLE_SCHEMA = " + literal(user_schema);
}

Text PostgreSQLStatement::call_function(const char* database, const char* user_schema, const char* function,
                                        const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, function, parameters)) return {};
    return "SELECT " + qualified(user_schema, function) + parameters + ";";
}

Text PostgreSQLStatement::call_procedure(const char* database, const char* user_schema, const char* procedure,
                                         const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, procedure, parameters)) return {};
    return "CALL " + qualified(user_schema, procedure) + parameters + ";";
}

// ---------------------------------------------------------------- accounts and rights

Text PostgreSQLStatement::show_user_detail(const char* database, const char* user_schema, const char* username) {
    if (!TARVELIN_GIVEN(database, user_schema, username)) return {};
    return role_detail("FROM pg_roles ro, pg_authid au  WHERE ro.oid = au.oid AND ro.rolname = " + literal(username) +
                       ";");
}

Text PostgreSQLStatement::show_role_detail(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return role_detail(
        "FROM pg_roles ro, pg_authid au  WHERE ro.rolcanlogin = 'N' AND ro.oid = au.oid AND ro.rolname = " +
        literal(rolename) + ";");
}

Text PostgreSQLStatement::grant_user_rights(const char* database, const char* user_schema, const char* username,
                                            const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, username, object, rights)) return {};
    std::string granted = rights;
    bool grant_option = false;
    std::string rest;
    for (const auto& item : postgresql::split_top_level(rights)) {
        if (g_ascii_strcasecmp(item.c_str(), "GRANT OPTION") == 0) {
            grant_option = true;
            continue;
        }
        rest += (rest.empty() ? "" : ", ") + item;
    }
    if (grant_option) granted = rest;
    return "GRANT " + granted + " ON " + object + " TO " + quoted(username) + (grant_option ? " WITH GRANT OPTION" : "") +
           ";";
}

Text PostgreSQLStatement::revoke_user_rights(const char* database, const char* user_schema, const char* username,
                                             const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, username, object, rights)) return {};
    return std::string("REVOKE ") + rights + " ON " + object + " FROM " + quoted(username) + ";";
}

// ---------------------------------------------------------------- changes

Text PostgreSQLStatement::rename_object(DBObject type, const char* database, const char* user_schema,
                                        const char* old_name, const char* new_name) {
    if (!TARVELIN_GIVEN(database, user_schema, old_name, new_name)) return {};
    const char* keyword = nullptr;
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: keyword = "DATABASE"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: keyword = "FUNCTION"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: keyword = "INDEX"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: keyword = "SCHEMA"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: keyword = "TABLE"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: keyword = "USER"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: keyword = "VIEW"; break;
        default: return std::string();
    }
    return std::string("ALTER ") + keyword + " " + quoted(old_name) + " RENAME TO " + quoted(new_name) + ";";
}

Text PostgreSQLStatement::drop_object(DBObject type, const char* database, const char* object_schema,
                                      const char* object_name, const char* object_target) {
    if (!TARVELIN_GIVEN(database, object_schema, object_name, object_target)) return {};
    const std::string object = qualified(object_schema, object_name);
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return "DROP DATABASE IF EXISTS " + quoted(object_name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return "DROP EVENT IF EXISTS " + object + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return "DROP FUNCTION IF EXISTS " + object + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return "DROP INDEX IF EXISTS " + object + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE: return "DROP PROCEDURE IF EXISTS " + object + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return "DROP SCHEMA IF EXISTS " + quoted(object_name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return "DROP TABLE IF EXISTS " + object + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return "DROP TRIGGER IF EXISTS " + quoted(object_name) + " ON " + qualified(object_schema, object_target) +
                   ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return "DROP USER IF EXISTS " + quoted(object_name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return "DROP VIEW IF EXISTS " + object + ";";
        default: return std::string();
    }
}

Text PostgreSQLStatement::empty_table(const char* database, const char* user_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return "TRUNCATE TABLE " + qualified(user_schema, table) + ";";
}

Text PostgreSQLStatement::pack_value(DataType type, const char* value) {
    if (!TARVELIN_GIVEN(value)) return {};
    // Numbers, booleans and objects bare when they are such literals, bytes below,
    // anything else a text.
    if (!DatabaseHelper::is_bare_type(type) && type != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT &&
        type != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY && type != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB)
        return literal(value);
    std::string packed = DatabaseHelper::pack_value(type, value);
    // The base writes X'..' only for an even count of hexadecimal digits.
    if (packed.size() >= 3 && packed.compare(0, 2, "X'") == 0)
        return "'\\x" + packed.substr(2, packed.size() - 3) + "'::bytea";
    return packed;
}

// ---------------------------------------------------------------- copy hooks

std::string PostgreSQLStatement::copy_insert_clause(const CopyTarget& target) {
    const bool always = target.any_source([](meta_model::MetaColumn& c) {
        return g_ascii_strncasecmp(c.get_identity() ? c.get_identity() : "", "GENERATED ALWAYS", 16) == 0;
    });
    return always ? "OVERRIDING SYSTEM VALUE" : "";
}

int PostgreSQLStatement::copy_rows_per_insert(const CopyTarget&) { return 1000; }

namespace {

// `text` as a field of COPY's text format.
void add_copy_field(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: out += c;
        }
    }
}

bool is_any_of(std::string_view word, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Adds the COPY field of one packed value bound for a column of type `type` (pg_type's
// name) where COPY reads it as the INSERT reads the literal; false when it would not.
bool add_copied_value(std::string& out, std::string_view packed, std::string_view type, bool standard_strings) {
    if (g_ascii_strcasecmp(std::string(packed).c_str(), "NULL") == 0) {
        out += "\\N";
        return true;
    }
    if (!packed.empty() && packed.front() == '\'') {
        std::string text;
        size_t at = 1;
        for (; at < packed.size(); ++at) {
            if (packed[at] != '\'') {
                text += packed[at];
            } else if (at + 1 < packed.size() && packed[at + 1] == '\'') {
                text += '\'';
                ++at;
            } else {
                break;
            }
        }
        if (at >= packed.size()) return false;
        const std::string_view rest = packed.substr(at + 1);
        // A cast to bytea reads as COPY reads the same text into a bytea column only.
        if (!rest.empty() && !(rest == "::bytea" && type == "bytea")) return false;
        // Without standard strings a backslash in a literal is an escape.
        if (!standard_strings && text.find('\\') != std::string::npos) return false;
        add_copy_field(out, text);
        return true;
    }
    // A bare number goes through the number types' own input (which refuses what the
    // INSERT would round: the group then goes by INSERT); a truth word into a boolean.
    if (is_any_of(type, {"int2", "int4", "int8", "float4", "float8", "numeric"})) {
        if (packed.empty() || packed.find_first_not_of("0123456789+-.eE") != std::string_view::npos) return false;
        out += packed;
        return true;
    }
    if (type == "bool" && (g_ascii_strcasecmp(std::string(packed).c_str(), "true") == 0 ||
                           g_ascii_strcasecmp(std::string(packed).c_str(), "false") == 0)) {
        out += packed;
        return true;
    }
    return false;
}

}  // namespace

gint64 PostgreSQLStatement::copy_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                                      const std::vector<std::vector<std::string>>& rows, const std::string& clause) {
    using providers::supports::postgresql::PostgreSQLProvider;
    auto link = connection();
    if (!link || columns.empty() || columns.size() > target.columns.size()) return -1;
    auto provider = gobj::call<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::get_provider, gobj::borrow>(link);
    auto* copier = gobj::checked_cast<PostgreSQLProvider>(gobj::detail::instance_arg(provider));
    if (!copier) return -1;
    const std::string table = target.schema.empty() ? quoted(target.table) : qualified(target.schema, target.table);
    // The target's columns as the server has them, its rules and how it reads literals.
    std::map<std::string, std::pair<std::string, std::string>> types;  // name -> type, identity
    bool standard_strings = true;
    try {
        dialect::CatalogRows facts(dialect::query_model(
            link, "SELECT a.attname AS column_name, t.typname AS type_name, a.attidentity::text AS identity, "
                  "(SELECT count(*) FROM pg_catalog.pg_rewrite r WHERE r.ev_class = a.attrelid) AS rules, "
                  "current_setting('standard_conforming_strings') AS standard_strings "
                  "FROM pg_catalog.pg_attribute a JOIN pg_catalog.pg_type t ON t.oid = a.atttypid "
                  "WHERE a.attrelid = " + literal(table) + "::regclass AND a.attnum > 0 AND NOT a.attisdropped"));
        for (auto row : facts) {
            if (row.text("rules") != "0") return -1;
            standard_strings = row.text("standard_strings") == "on";
            types[row.text("column_name")] = {row.text("type_name"), row.text("identity")};
        }
    } catch (const gobj::Error&) {
        return -1;
    }
    std::vector<const std::string*> column_types;
    for (size_t i = 0; i < columns.size(); ++i) {
        auto found = types.find(target.columns[i].name);
        // COPY sets an identity the INSERT may set only with its clause.
        if (found == types.end() || (clause.empty() && found->second.second == "a")) return -1;
        column_types.push_back(&found->second.first);
    }
    std::string data;
    for (const auto& row : rows) {
        if (row.size() != columns.size()) return -1;
        for (size_t i = 0; i < row.size(); ++i) {
            if (i) data += '\t';
            if (!add_copied_value(data, row[i], *column_types[i], standard_strings)) return -1;
        }
        data += '\n';
    }
    std::string copy = "COPY " + table + " (";
    for (size_t i = 0; i < columns.size(); ++i) (copy += i ? ", " : "") += columns[i];
    copy += ") FROM STDIN";
    const gint64 copied = copier->copy_in(copy, data);
    tlog_debug("%s: %" G_GINT64_FORMAT " rows", copy.c_str(), copied);
    return copied;
}

std::vector<std::string> PostgreSQLStatement::after_copy(const CopyTarget& target) {
    auto quoted = [](const std::string& name) { return PostgreSQLStatement::quoted(name); };
    const std::string table = quoted(target.schema) + "." + quoted(target.table);
    std::vector<std::string> out;
    // Only forwards: a sequence that other tables share may already be further on. The
    // catalogue gives the increment of the sequences a default calls; an identity's
    // (servers from 10 on), and a sequence the catalogue does not link, is in pg_sequence.
    auto forward = [&](const std::string& sequence, const std::string& column, gint64 increment) {
        const std::string name = literal(sequence) + "::regclass";
        const std::string c = quoted(column);
        const std::string step = increment != 0 ? std::to_string(increment)
                                                : "(SELECT seqincrement FROM pg_catalog.pg_sequence WHERE seqrelid = " +
                                                      name + ")";
        out.push_back("SELECT setval(" + name + ", q.v) FROM (SELECT CASE WHEN " + step +
                      " > 0 THEN m.hi ELSE m.lo END AS v, " + step + " AS step, l.last_value AS last FROM " + sequence +
                      " l, (SELECT max(" + c + ")::bigint AS hi, min(" + c + ")::bigint AS lo FROM " + table +
                      ") m) q WHERE q.v IS NOT NULL AND CASE WHEN q.step > 0 THEN q.v >= q.last ELSE q.v <= q.last END");
    };
    std::set<std::string> linked;
    dialect::CatalogRows rows(dialect::query_model(connection(), postgresql::sequences_query(target.schema, target.table)));
    for (auto row : rows) {
        const std::string column = row.text("column_name");
        if (std::none_of(target.columns.begin(), target.columns.end(), [&](const auto& c) { return c.name == column; }))
            continue;
        linked.insert(column);
        forward(quoted(row.text("sequence_schema")) + "." + quoted(row.text("sequence_name")), column,
                g_ascii_strtoll(row.text("increment").c_str(), nullptr, 10));
    }
    // A default naming its sequence as text (nextval('s'::text)) leaves the server no link.
    for (const auto& column : target.columns) {
        if (!column.source || linked.count(column.name)) continue;
        const char* fallback = column.source->get_default_value();
        auto called = postgresql::sequence_called(fallback ? fallback : "");
        if (!called) continue;
        forward(quoted(called->schema.empty() ? target.schema : called->schema) + "." + quoted(called->name), column.name, 0);
    }
    return out;
}

}  // namespace tarvelin::rezezadovu::supports::database
