#include "rezezadovu/supports/database/mysql/statement_texts.hpp"

#include "providers/gobj/convert.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "rezezadovu/supports/database/mysql/sql_support.hpp"

TARVELIN_LOG_TAG("mysql_statement_texts")

namespace tarvelin::rezezadovu::supports::database::mysql::texts {

using helpers::DatabaseHelper;
using S = std::string;

namespace {
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
}  // namespace

S explained(sv head, sv statement, sv format) {
    if (format.empty()) return S(head) + " " + S(statement) + ";";
    return S(head) + " FORMAT=" + S(format) + " " + S(statement) + ";";
}

S connection_string(const Server& server) {
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

S show_databases() { return "SHOW DATABASES;"; }
S show_tables(sv database) {
    return "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = " +
           quoted(database) + " AND table_type LIKE '%TABLE%' ORDER BY table_name;";
}
S show_views(sv database) {
    return "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = " +
           quoted(database) + " AND table_type LIKE '%VIEW%' ORDER BY table_name;";
}
S show_name_of(sv database) { return "SELECT " + quoted(database) + " as name;"; }
S show_constraints(sv database, sv constraint_type) {
    return "select CONSTRAINT_NAME from INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_SCHEMA = " +
           quoted(database) + " AND CONSTRAINT_TYPE = '" + S(constraint_type) + "';";
}
S show_indexes(sv database) {
    return "SELECT DISTINCT CONCAT(TABLE_NAME, '.', INDEX_NAME) FROM INFORMATION_SCHEMA.STATISTICS  WHERE "
           "table_schema = " + quoted(database) + ";";
}
S show_triggers(sv database) {
    return "SELECT TRIGGER_NAME FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA = " + quoted(database) + ";";
}
S show_functions(sv database) { return "SHOW FUNCTION STATUS WHERE Db = " + quoted(database); }
S show_procedures(sv database) { return "SHOW PROCEDURE STATUS WHERE Db = " + quoted(database); }
S show_structure(sv user_schema, sv table) { return "SHOW FULL COLUMNS FROM " + qualified(user_schema, table) + ";"; }
S show_users() {
    return "SELECT CONCAT(`user`, '@', `host`) username FROM `mysql`.`user` WHERE LENGTH(authentication_string);";
}
S show_roles() {
    return "SELECT CONCAT(`user`, '@', `host`) username FROM `mysql`.`user` WHERE host = '%' AND account_locked = "
           "'Y' AND NOT LENGTH(authentication_string);";
}
S show_privileges() { return "SHOW PRIVILEGES;"; }
S flush_privileges() { return "FLUSH PRIVILEGES;"; }

S change_database(sv database) { return "use " + backquoted(database) + ";"; }
S call_function(sv user_schema, sv function, sv parameters) {
    return "SELECT " + qualified(user_schema, function) + S(parameters) + ";";
}
S call_procedure(sv user_schema, sv procedure, sv parameters) {
    return "CALL " + qualified(user_schema, procedure) + S(parameters) + ";";
}

S show_create(sv what, sv user_schema, sv name) {
    return "SHOW CREATE " + S(what) + " " + qualified(user_schema, name) + ";";
}

Source show_source(DBObject kind, sv user_schema, sv name) {
    auto create = [&](const char* what, int column) { return Source{show_create(what, user_schema, name), column}; };
    switch (kind) {
        case kEvent: return create("EVENT", 3);
        case kFunction: return create("FUNCTION", 2);
        case kProcedure: return create("PROCEDURE", 2);
        case kTable: return create("TABLE", 1);
        case kTrigger: return create("TRIGGER", 2);
        case kView: return create("VIEW", 1);
        case kUser: return {"SHOW CREATE USER " + DatabaseHelper::make_fullname_mysql(name) + ";", 0};
        default: return {"", 1};
    }
}

S show_content(sv user_schema, sv table, sv columns, sv where, sv order, gint64 offset, gint limit) {
    S out = "SELECT " + S(columns) + " FROM " + qualified(user_schema, table) + " ";
    if (!where.empty()) out += "WHERE " + S(where) + " ";
    if (!order.empty()) out += "ORDER BY " + S(order) + " ";
    if (limit > 0) out += printf_text("LIMIT %i OFFSET %lli;", limit, static_cast<long long>(offset));
    return out;
}
S show_effected(sv user_schema, sv table, sv where) {
    S out = "SELECT count(*) FROM " + qualified(user_schema, table);
    if (!where.empty()) out += " WHERE " + S(where);
    return out + ";";
}
S show_relations(sv user_schema, sv table) {
    return "SELECT COLUMN_NAME, CONSTRAINT_NAME, REFERENCED_COLUMN_NAME, REFERENCED_TABLE_NAME FROM "
           "information_schema.KEY_COLUMN_USAGE WHERE TABLE_NAME = " + quoted(table) + " AND TABLE_SCHEMA = " +
           quoted(user_schema) + ";";
}
S empty_table(sv user_schema, sv table) { return "TRUNCATE TABLE " + qualified(user_schema, table) + ";"; }

S rename_object(DBObject kind, sv old_name, sv new_name) {
    switch (kind) {
        case kTable:
        case kView: return "RENAME TABLE " + backquoted(old_name) + " TO " + backquoted(new_name) + ";";
        case kUser:
            return "RENAME USER " + DatabaseHelper::make_fullname_mysql(old_name) + " TO " +
                   DatabaseHelper::make_fullname_mysql(new_name) + ";";
        default: return "";
    }
}

S drop_object(DBObject kind, sv user_schema, sv object_name, sv object_target) {
    auto drop = [&](const char* what) { return S("DROP ") + what + " IF EXISTS " + backquoted(object_name) + ";"; };
    switch (kind) {
        case kDatabase: return drop("DATABASE");
        case kEvent: return drop("EVENT");
        case kFunction: return drop("FUNCTION");
        case kIndex: return "DROP INDEX " + backquoted(object_target) + " ON " + qualified(user_schema, object_name) + ";";
        case kProcedure: return drop("PROCEDURE");
        case kRole: return "DROP ROLE IF EXISTS " + DatabaseHelper::make_fullname_mysql(object_name) + ";";
        case kSchema: return "DROP TABLESPACE " + backquoted(object_name) + ";";
        case kTable: return drop("TABLE");
        case kTrigger: return drop("TRIGGER");
        case kUser: return "DROP USER IF EXISTS " + DatabaseHelper::make_fullname_mysql(object_name) + ";";
        case kView: return drop("VIEW");
        default: return "";
    }
}

S build_explain(sv statement, sv format) { return explained("EXPLAIN", statement, format); }
S build_analyze(sv statement, sv format) { return explained("EXPLAIN ANALYZE", statement, format); }

S quote_identifier(sv identifier, sv schema) {
    if (schema.empty()) return backquoted(identifier);
    return qualified(schema, identifier);
}

S show_user_detail(sv username) {
    Account a = split_account(username);
    return "SELECT `Host`, `User`, `authentication_string`, `plugin`, `password_expired`, `ssl_type`, `ssl_cipher`, "
           "`x509_issuer`, `x509_subject`, `max_questions`, `max_updates`, `max_connections`, "
           "`max_user_connections`, `password_last_changed`, `password_lifetime`, `account_locked` FROM mysql.user "
           "WHERE HOST = " + quoted(a.host) + " AND USER=" + quoted(a.user) + ";";
}
S show_role_detail(sv rolename) {
    Account a = split_account(rolename);
    return "SELECT `Host`, `User` FROM mysql.user WHERE  account_locked='Y' AND password_expired='Y' AND "
           "authentication_string='' AND HOST = " + quoted(a.host) + " AND USER=" + quoted(a.user) + ";";
}
S show_user_rights(sv username) { return "SHOW GRANTS FOR " + account(username) + ";"; }

S grant_rights(sv grantee, sv object, sv rights) {
    S granted(rights);
    bool with_grant = contains(granted, "GRANT OPTION");
    for (size_t at = granted.find("GRANT OPTION"); at != S::npos; at = granted.find("GRANT OPTION", at + 5))
        granted.replace(at, 12, "USAGE");
    return "GRANT " + granted + " ON " + S(object) + " TO " + S(grantee) + (with_grant ? " WITH GRANT OPTION;" : ";");
}
S revoke_rights(sv grantee, sv object, sv rights) {
    return "REVOKE " + S(rights) + " ON " + S(object) + " FROM " + S(grantee) + ";";
}
S grant_user_rights(sv username, sv object, sv rights) { return grant_rights(account(username), object, rights); }
S revoke_user_rights(sv username, sv object, sv rights) { return revoke_rights(account(username), object, rights); }

}  // namespace tarvelin::rezezadovu::supports::database::mysql::texts
