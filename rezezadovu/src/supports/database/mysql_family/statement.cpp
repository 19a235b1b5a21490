#include "rezezadovu/supports/database/mysql_family/statement.hpp"

#include <algorithm>

#include "providers/contracts/face_server.hpp"
#include "providers/gobj/convert.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"

TARVELIN_LOG_TAG("mysql_family_statement")

namespace tarvelin::rezezadovu::supports::database::mysql_family {

using helpers::DatabaseHelper;

Account split_account(std::string_view name) {
    size_t at = name.find('@');
    if (at == std::string_view::npos) return {std::string(name), "%"};
    std::string_view host = name.substr(at + 1);
    return {std::string(name.substr(0, at)), std::string(host.substr(0, host.find('@')))};
}

std::string account(std::string_view name) {
    Account a = split_account(name);
    return MySQLFamilyStatement::quoted(a.user) + "@" + MySQLFamilyStatement::quoted(a.host);
}

std::string account_or_role(std::string_view name) {
    if (name.find('@') == std::string_view::npos) return MySQLFamilyStatement::quoted(name);
    return account(name);
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }
bool starts_with(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }
bool ends_with(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool listed(const std::vector<std::string>& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::string trimmed(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && g_ascii_isspace(text[begin])) ++begin;
    while (end > begin && g_ascii_isspace(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

void cut(std::string& text, size_t n) { text.resize(text.size() > n ? text.size() - n : 0); }

// ---------------------------------------------------------------- patterns

RegexMatch::RegexMatch(GRegex* regex, std::string text) : text_(std::move(text)) {
    if (regex) matched_ = g_regex_match(regex, text_.c_str(), GRegexMatchFlags(0), &info_);
}
RegexMatch::~RegexMatch() {
    if (info_) g_match_info_free(info_);
}
std::string RegexMatch::named(const char* group) const {
    return matched_ ? gobj::take_string(g_match_info_fetch_named(info_, group)) : std::string();
}
bool RegexMatch::next() {
    matched_ = matched_ && g_match_info_next(info_, nullptr);
    return matched_;
}

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family

namespace tarvelin::rezezadovu::supports::database {

std::string MySQLFamilyStatement::quoted(std::string_view name) { return helpers::DatabaseHelper::quote(name, '`'); }

std::string MySQLFamilyStatement::quoted(std::string_view schema, std::string_view name) {
    return quoted(schema) + "." + quoted(name);
}

std::string MySQLFamilyStatement::literal(std::string_view text) {
    // The backslash is an escape of its own; the quotes are doubled by the one quoting loop.
    std::string escaped;
    auto parts = mysql_family::split(text, '\\');
    for (size_t i = 0; i < parts.size(); ++i) escaped += (i ? "\\\\" : "") + parts[i];
    return helpers::DatabaseHelper::quote(escaped, '\'');
}

using namespace mysql_family;
using helpers::DatabaseHelper;
using Text = MySQLFamilyStatement::Text;
using S = std::string;
using sv = std::string_view;

// The statement texts, as plain functions of their arguments.
namespace {

using providers::contracts::DBObject;
using Server = providers::contracts::Server;

constexpr DBObject kDatabase = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE;
constexpr DBObject kEvent = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT;
constexpr DBObject kFunction = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION;
constexpr DBObject kIndex = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX;
constexpr DBObject kProcedure = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE;
constexpr DBObject kRole = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE;
constexpr DBObject kSchema = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA;
constexpr DBObject kTable = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE;
constexpr DBObject kTrigger = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER;
constexpr DBObject kUser = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER;
constexpr DBObject kView = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW;

S printf_text(const char* format, auto... args) { return gobj::take_string(g_strdup_printf(format, args...)); }

S explained_text(sv head, sv statement, sv format) {
    if (format.empty()) return S(head) + " " + S(statement) + ";";
    return S(head) + " FORMAT=" + S(format) + " " + S(statement) + ";";
}

S connection_string_text(const Server& server) {
    using T = Server::Text;
    S out = "DRIVER={" + server.text_or_empty(T::driver) + "};";
    out += "SERVER=" + server.text_or_empty(T::host) + ";";
    out += "DATABASE=" + server.text_or_empty(T::initial) + ";";
    out += printf_text("PORT=%u;", static_cast<unsigned>(server.get_port()));
    out += "USER=" + server.text_or_empty(T::username) + ";";
    out += "PASSWORD=" + server.text_or_empty(T::password) + ";";
    out += "CHARSET=utf8mb4;";
    if (server.get_ssl_using()) {
        out += "SSLCA=" + server.text_or_empty(T::ssl_ca_file) + ";";
        out += "SSLCERT=" + server.text_or_empty(T::ssl_cert_file) + ";";
        out += "SSLKEY=" + server.text_or_empty(T::ssl_key_file) + ";";
        out += "SSLCIPHER=" + server.text_or_empty(T::ssl_password) + ";";
        out += "SSLVERIFY=1;";
    }
    return out + "INTERACTIVE=1;";
}

S show_databases_text() { return "SHOW DATABASES;"; }
S show_tables_text(sv database) {
    return "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = " +
           MySQLFamilyStatement::literal(database) + " AND table_type LIKE '%TABLE%' ORDER BY table_name;";
}
S show_views_text(sv database) {
    return "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = " +
           MySQLFamilyStatement::literal(database) + " AND table_type LIKE '%VIEW%' ORDER BY table_name;";
}
S show_name_of_text(sv database) { return "SELECT " + MySQLFamilyStatement::literal(database) + " as name;"; }
S show_constraints_text(sv database, sv constraint_type) {
    return "select CONSTRAINT_NAME from INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_SCHEMA = " +
           MySQLFamilyStatement::literal(database) + " AND CONSTRAINT_TYPE = '" + S(constraint_type) + "';";
}
S show_indexes_text(sv database) {
    return "SELECT DISTINCT CONCAT(TABLE_NAME, '.', INDEX_NAME) FROM INFORMATION_SCHEMA.STATISTICS  WHERE "
           "table_schema = " +
           MySQLFamilyStatement::literal(database) + ";";
}
S show_triggers_text(sv database) {
    return "SELECT TRIGGER_NAME FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA = " +
           MySQLFamilyStatement::literal(database) + ";";
}
S show_functions_text(sv database) {
    return "SHOW FUNCTION STATUS WHERE Db = " + MySQLFamilyStatement::literal(database);
}
S show_procedures_text(sv database) {
    return "SHOW PROCEDURE STATUS WHERE Db = " + MySQLFamilyStatement::literal(database);
}
S show_structure_text(sv user_schema, sv table) {
    return "SHOW FULL COLUMNS FROM " + MySQLFamilyStatement::quoted(user_schema, table) + ";";
}
S show_users_text() {
    return "SELECT CONCAT(`user`, '@', `host`) username FROM `mysql`.`user` WHERE LENGTH(authentication_string);";
}
S show_roles_text() {
    return "SELECT CONCAT(`user`, '@', `host`) username FROM `mysql`.`user` WHERE host = '%' AND account_locked = "
           "'Y' AND NOT LENGTH(authentication_string);";
}
S show_privileges_text() { return "SHOW PRIVILEGES;"; }
S flush_privileges_text() { return "FLUSH PRIVILEGES;"; }

S change_database_text(sv database) { return "use " + MySQLFamilyStatement::quoted(database) + ";"; }
S call_function_text(sv user_schema, sv function, sv parameters) {
    return "SELECT " + MySQLFamilyStatement::quoted(user_schema, function) + S(parameters) + ";";
}
S call_procedure_text(sv user_schema, sv procedure, sv parameters) {
    return "CALL " + MySQLFamilyStatement::quoted(user_schema, procedure) + S(parameters) + ";";
}

S show_create_text(sv what, sv user_schema, sv name) {
    return "SHOW CREATE " + S(what) + " " + MySQLFamilyStatement::quoted(user_schema, name) + ";";
}

MySQLFamilyStatement::Source show_source_text(DBObject kind, sv user_schema, sv name) {
    auto create = [&](const char* what, int column) {
        return MySQLFamilyStatement::Source{show_create_text(what, user_schema, name), column};
    };
    switch (kind) {
        case kEvent: return create("EVENT", 3);
        case kFunction: return create("FUNCTION", 2);
        case kProcedure: return create("PROCEDURE", 2);
        case kTable: return create("TABLE", 1);
        case kTrigger: return create("TRIGGER", 2);
        case kView: return create("VIEW", 1);
        case kUser: return {"SHOW CREATE USER " + account_or_role(name) + ";", 0};
        default: return {"", 1};
    }
}

S show_content_text(sv user_schema, sv table, sv columns, sv where, sv order, gint64 offset, gint limit) {
    S out = "SELECT " + S(columns) + " FROM " + MySQLFamilyStatement::quoted(user_schema, table) + " ";
    if (!where.empty()) out += "WHERE " + S(where) + " ";
    if (!order.empty()) out += "ORDER BY " + S(order) + " ";
    if (limit > 0) out += printf_text("LIMIT %i OFFSET %lli;", limit, static_cast<long long>(offset));
    return out;
}
S show_effected_text(sv user_schema, sv table, sv where) {
    S out = "SELECT count(*) FROM " + MySQLFamilyStatement::quoted(user_schema, table);
    if (!where.empty()) out += " WHERE " + S(where);
    return out + ";";
}
S show_relations_text(sv user_schema, sv table) {
    return "SELECT COLUMN_NAME, CONSTRAINT_NAME, REFERENCED_COLUMN_NAME, REFERENCED_TABLE_NAME FROM "
           "information_schema.KEY_COLUMN_USAGE WHERE TABLE_NAME = " +
           MySQLFamilyStatement::literal(table) + " AND TABLE_SCHEMA = " + MySQLFamilyStatement::literal(user_schema) +
           ";";
}
S empty_table_text(sv user_schema, sv table) {
    return "TRUNCATE TABLE " + MySQLFamilyStatement::quoted(user_schema, table) + ";";
}

S rename_object_text(DBObject kind, sv old_name, sv new_name) {
    switch (kind) {
        case kTable:
        case kView:
            return "RENAME TABLE " + MySQLFamilyStatement::quoted(old_name) + " TO " +
                   MySQLFamilyStatement::quoted(new_name) + ";";
        case kUser: return "RENAME USER " + account_or_role(old_name) + " TO " + account_or_role(new_name) + ";";
        default: return "";
    }
}

S drop_object_text(DBObject kind, sv user_schema, sv object_name, sv object_target) {
    auto drop = [&](const char* what) {
        return S("DROP ") + what + " IF EXISTS " + MySQLFamilyStatement::quoted(object_name) + ";";
    };
    switch (kind) {
        case kDatabase: return drop("DATABASE");
        case kEvent: return drop("EVENT");
        case kFunction: return drop("FUNCTION");
        case kIndex:
            return "DROP INDEX " + MySQLFamilyStatement::quoted(object_target) + " ON " +
                   MySQLFamilyStatement::quoted(user_schema, object_name) + ";";
        case kProcedure: return drop("PROCEDURE");
        // An account named without a host is the account of any host: `name`@`%`.
        case kRole: return "DROP ROLE IF EXISTS " + account(object_name) + ";";
        case kSchema: return "DROP TABLESPACE " + MySQLFamilyStatement::quoted(object_name) + ";";
        case kTable: return drop("TABLE");
        case kTrigger: return drop("TRIGGER");
        case kUser: return "DROP USER IF EXISTS " + account(object_name) + ";";
        case kView: return drop("VIEW");
        default: return "";
    }
}

S build_explain_text(sv statement, sv format) { return explained_text("EXPLAIN", statement, format); }
S build_analyze_text(sv statement, sv format) { return explained_text("EXPLAIN ANALYZE", statement, format); }

S show_user_detail_text(sv username) {
    Account a = split_account(username);
    return "SELECT `Host`, `User`, `authentication_string`, `plugin`, `password_expired`, `ssl_type`, `ssl_cipher`, "
           "`x509_issuer`, `x509_subject`, `max_questions`, `max_updates`, `max_connections`, "
           "`max_user_connections`, `password_last_changed`, `password_lifetime`, `account_locked` FROM mysql.user "
           "WHERE HOST = " +
           MySQLFamilyStatement::literal(a.host) + " AND USER=" + MySQLFamilyStatement::literal(a.user) + ";";
}
S show_role_detail_text(sv rolename) {
    Account a = split_account(rolename);
    return "SELECT `Host`, `User` FROM mysql.user WHERE  account_locked='Y' AND password_expired='Y' AND "
           "authentication_string='' AND HOST = " +
           MySQLFamilyStatement::literal(a.host) + " AND USER=" + MySQLFamilyStatement::literal(a.user) + ";";
}
S show_user_rights_text(sv username) { return "SHOW GRANTS FOR " + account(username) + ";"; }

S grant_rights_text(sv grantee, sv object, sv rights) {
    S granted(rights);
    bool with_grant = contains(granted, "GRANT OPTION");
    for (size_t at = granted.find("GRANT OPTION"); at != S::npos; at = granted.find("GRANT OPTION", at + 5))
        granted.replace(at, 12, "USAGE");
    return "GRANT " + granted + " ON " + S(object) + " TO " + S(grantee) + (with_grant ? " WITH GRANT OPTION;" : ";");
}
S revoke_rights_text(sv grantee, sv object, sv rights) {
    return "REVOKE " + S(rights) + " ON " + S(object) + " FROM " + S(grantee) + ";";
}
S grant_user_rights_text(sv username, sv object, sv rights) { return grant_rights_text(account(username), object, rights); }
S revoke_user_rights_text(sv username, sv object, sv rights) { return revoke_rights_text(account(username), object, rights); }

}  // namespace

// ---------------------------------------------------------------- texts the products share

MySQLFamilyStatement::Source MySQLFamilyStatement::source_of(DBObject kind, sv user_schema, sv name) {
    return show_source_text(kind, user_schema, name);
}
std::string MySQLFamilyStatement::show_create(sv what, sv user_schema, sv name) {
    return show_create_text(what, user_schema, name);
}
std::string MySQLFamilyStatement::drop_text(DBObject kind, sv user_schema, sv object_name, sv object_target) {
    return drop_object_text(kind, user_schema, object_name, object_target);
}
std::string MySQLFamilyStatement::explained(sv head, sv statement, sv format) {
    return explained_text(head, statement, format);
}
std::string MySQLFamilyStatement::grant_rights(sv grantee, sv object, sv rights) {
    return grant_rights_text(grantee, object, rights);
}
std::string MySQLFamilyStatement::revoke_rights(sv grantee, sv object, sv rights) {
    return revoke_rights_text(grantee, object, rights);
}

Text MySQLFamilyStatement::listing(gint* name_column, gint column, std::string text) {
    if (name_column) *name_column = column;
    return text;
}

Text MySQLFamilyStatement::build_connection_string(Server* server) {
    if (!TARVELIN_GIVEN(server)) return {};
    return connection_string_text(*server);
}

// ---------------------------------------------------------------- listings

Text MySQLFamilyStatement::show_databases(gint* name_column) { return listing(name_column, 0, show_databases_text()); }
Text MySQLFamilyStatement::show_tables(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_tables_text(database));
}
Text MySQLFamilyStatement::show_views(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_views_text(database));
}
Text MySQLFamilyStatement::show_table_spaces(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing(name_column, 0, show_name_of_text(database));
}
Text MySQLFamilyStatement::show_table_schemas(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing(name_column, 0, show_name_of_text(database));
}
Text MySQLFamilyStatement::show_checks(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_constraints_text(database, "CHECK"));
}
Text MySQLFamilyStatement::show_foreigns(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_constraints_text(database, "FOREIGN KEY"));
}
Text MySQLFamilyStatement::show_uniques(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_constraints_text(database, "UNIQUE"));
}
Text MySQLFamilyStatement::show_indexes(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_indexes_text(database));
}
Text MySQLFamilyStatement::show_triggers(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_triggers_text(database));
}
Text MySQLFamilyStatement::show_functions(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 1, show_functions_text(database));
}
Text MySQLFamilyStatement::show_procedures(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 1, show_procedures_text(database));
}
Text MySQLFamilyStatement::show_structure(const char* database, const char* user_schema, const char* table,
                                    gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return listing(name_column, 0, show_structure_text(user_schema, table));
}
Text MySQLFamilyStatement::show_users(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_users_text());
}
Text MySQLFamilyStatement::show_roles(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, show_roles_text());
}
Text MySQLFamilyStatement::show_privileges(gint* name_column, gint* context_column) {
    if (context_column) *context_column = 1;
    return listing(name_column, 0, show_privileges_text());
}
Text MySQLFamilyStatement::flush_privileges() { return flush_privileges_text(); }

Text MySQLFamilyStatement::show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                                 gint* source_column) {
    if (!TARVELIN_GIVEN(database, user_schema, name)) return {};
    auto source = show_source_text(type, user_schema, name);
    return listing(source_column, source.column, std::move(source.text));
}

// ---------------------------------------------------------------- object texts

Text MySQLFamilyStatement::change_database(const char* database) {
    if (!TARVELIN_GIVEN(database)) return {};
    return change_database_text(database);
}
Text MySQLFamilyStatement::call_function(const char* database, const char* user_schema, const char* function,
                                   const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, function, parameters)) return {};
    return call_function_text(user_schema, function, parameters);
}
Text MySQLFamilyStatement::call_procedure(const char* database, const char* user_schema, const char* procedure,
                                    const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, procedure, parameters)) return {};
    return call_procedure_text(user_schema, procedure, parameters);
}
Text MySQLFamilyStatement::show_content(const char* database, const char* user_schema, const char* table,
                                  const char* columns, const char* where, const char* order, gint64 offset,
                                  gint limit) {
    if (!TARVELIN_GIVEN(database, user_schema, table, columns, where, order)) return {};
    return show_content_text(user_schema, table, columns, where, order, offset, limit);
}
Text MySQLFamilyStatement::show_effected(const char* database, const char* user_schema, const char* table,
                                   const char* where) {
    if (!TARVELIN_GIVEN(database, user_schema, table, where)) return {};
    return show_effected_text(user_schema, table, where);
}
Text MySQLFamilyStatement::show_relations(const char* database, const char* user_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return show_relations_text(user_schema, table);
}
Text MySQLFamilyStatement::rename_object(DBObject type, const char* database, const char* user_schema,
                                   const char* old_name, const char* new_name) {
    if (!TARVELIN_GIVEN(database, user_schema, old_name, new_name)) return {};
    return rename_object_text(type, old_name, new_name);
}
Text MySQLFamilyStatement::drop_object(DBObject type, const char* database, const char* user_schema,
                                 const char* object_name, const char* object_target) {
    if (!TARVELIN_GIVEN(database, user_schema, object_name, object_target)) return {};
    return drop_object_text(type, user_schema, object_name, object_target);
}
Text MySQLFamilyStatement::empty_table(const char* database, const char* user_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return empty_table_text(user_schema, table);
}
Text MySQLFamilyStatement::build_explain(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    return build_explain_text(statement, format);
}
Text MySQLFamilyStatement::build_analyze(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    return build_analyze_text(statement, format);
}
Text MySQLFamilyStatement::quote_identifier(const char* identifier, const char* schema) {
    if (!TARVELIN_GIVEN(identifier, schema)) return {};
    return *schema ? quoted(schema, identifier) : quoted(identifier);
}

Text MySQLFamilyStatement::pack_value(DataType type, const char* value) {
    if (!TARVELIN_GIVEN(value)) return {};
    // Numbers, booleans and X'..' are written bare; every quoted form goes through literal(),
    // which also escapes the backslash.
    std::string packed = helpers::DatabaseHelper::pack_value(type, value);
    if (!packed.empty() && packed.front() == '\'') return literal(value);
    return packed;
}

// ---------------------------------------------------------------- accounts

Text MySQLFamilyStatement::show_user_detail(const char* database, const char* user_schema, const char* username) {
    if (!TARVELIN_GIVEN(database, user_schema, username)) return {};
    return show_user_detail_text(username);
}
Text MySQLFamilyStatement::show_role_detail(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return show_role_detail_text(rolename);
}
Text MySQLFamilyStatement::show_user_rights(const char* database, const char* user_schema, const char* username) {
    if (!TARVELIN_GIVEN(database, user_schema, username)) return {};
    return show_user_rights_text(username);
}
Text MySQLFamilyStatement::show_role_rights(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return show_user_rights_text(rolename);
}
Text MySQLFamilyStatement::grant_user_rights(const char* database, const char* user_schema, const char* username,
                                       const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, username, object, rights)) return {};
    return grant_user_rights_text(username, object, rights);
}
Text MySQLFamilyStatement::revoke_user_rights(const char* database, const char* user_schema, const char* username,
                                        const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, username, object, rights)) return {};
    return revoke_user_rights_text(username, object, rights);
}

// ---------------------------------------------------------------- copy hooks

namespace {

// The engine of the copy's target table and whether the session's mode is strict; an
// engine of "" when the table or the catalogue cannot be read.
struct CopiedTable {
    std::string engine;
    bool strict = false;
    bool innodb() const { return g_ascii_strcasecmp(engine.c_str(), "InnoDB") == 0; }
};

CopiedTable copied_table(MySQLFamilyStatement& statement, const Statement::CopyTarget& target) {
    const auto literal = [&](const std::string& text) {
        return statement.pack_value(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, text.c_str()).value_or("''");
    };
    try {
        dialect::CatalogRows rows(dialect::query_model(
            statement.connection(),
            "SELECT ENGINE AS engine, @@SESSION.sql_mode AS sql_mode FROM information_schema.TABLES "
            "WHERE TABLE_SCHEMA = " + literal(target.schema) + " AND TABLE_NAME = " + literal(target.table)));
        for (auto row : rows) {
            const std::string mode = "," + dialect::ascii_upper(row.text("sql_mode")) + ",";
            return {row.text("engine"), mode.find(",STRICT_TRANS_TABLES,") != std::string::npos ||
                                            mode.find(",STRICT_ALL_TABLES,") != std::string::npos};
        }
    } catch (const gobj::Error&) {
    }
    return {};
}

}  // namespace

int MySQLFamilyStatement::copy_rows_per_insert(const CopyTarget& target) {
    // A table of another engine keeps the rows before a refused one, and without a strict
    // mode a multi-row INSERT stores a NULL for a NOT NULL column (one row alone is
    // refused): rows then go alone.
    const CopiedTable table = copied_table(*this, target);
    return table.strict && table.innodb() ? 1000 : 1;
}

bool MySQLFamilyStatement::copy_in_transaction(const CopyTarget& target) { return copied_table(*this, target).innodb(); }

Statement::CopySession MySQLFamilyStatement::copy_session(const CopyTarget& target) {
    if (!target.any_source([](meta_model::MetaColumn& c) { return c.get_auto_increment(); })) return {};
    const std::string mode = dialect::text_of(dialect::query_scalar(connection(), "SELECT @@SESSION.sql_mode"));
    return {{"SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), 'NO_AUTO_VALUE_ON_ZERO')"},
            {"SET SESSION sql_mode = " + pack_value(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, mode.c_str()).value_or("")}};
}

}  // namespace tarvelin::rezezadovu::supports::database
