#include "rezezadovu/supports/database/mariadb/statement.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("mariadb_statement")

namespace tarvelin::rezezadovu::supports::database {

using Text = MariaDBStatement::Text;

TARVELIN_GTYPE(MariaDBStatement, "TarvelinRezezadovuSupportsDatabaseMariaDBStatement", Statement)

gobj::Ref<MariaDBStatement> MariaDBStatement::create(GType type, CConnection* connection) {
    return create_linked<MariaDBStatement>(type, connection);
}

namespace {
// A role is named by its name alone: the part before the first "@", if any.
std::string role_of(std::string_view rolename) { return std::string(rolename.substr(0, rolename.find('@'))); }
}  // namespace

Text MariaDBStatement::show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                                   gint* source_column) {
    if (!TARVELIN_GIVEN(database, user_schema, name)) return {};
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE:
            return listing(source_column, 2, show_create("PACKAGE", user_schema, name));
        // Three blanks before the name, as MariaDB's own clients write it.
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            return listing(source_column, 2, show_create("PROCEDURE  ", user_schema, name));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE:
            return listing(source_column, 1, show_create("SEQUENCE", user_schema, name));
        default: {
            auto source = source_of(type, user_schema, name);
            return listing(source_column, source.column, std::move(source.text));
        }
    }
}

Text MariaDBStatement::show_users(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0,
                   "SELECT CONCAT(`user`, '@', `host`) username FROM `mysql`.`user` WHERE BINARY is_role IN ('N', "
                   "'n') ORDER BY username ASC;");
}

Text MariaDBStatement::show_roles(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, "SELECT User FROM `mysql`.`user` WHERE BINARY is_role IN ('Y', 'y') ORDER BY User ASC;");
}

Text MariaDBStatement::show_user_detail(const char* database, const char* user_schema, const char* username) {
    if (!TARVELIN_GIVEN(database, user_schema, username)) return {};
    mysql_family::Account a = mysql_family::split_account(username);
    return "SELECT mu.Host, mu.User, authentication_string, plugin, password_expired, ssl_type, ssl_cipher, "
           "x509_issuer, x509_subject, max_questions, max_updates, max_connections, max_user_connections, "
           "max_statement_time, JSON_VALUE(mgp.priv, '$.password_last_changed') as password_last_changed, "
           "JSON_VALUE(mgp.priv, '$.password_lifetime') as password_lifetime, JSON_VALUE(mgp.priv, "
           "'$.account_locked') as account_locked FROM mysql.user mu, mysql.global_priv mgp WHERE mu.host = mgp.host "
           "AND mu.user = mgp.user AND mu.HOST = " +
           MariaDBStatement::literal(a.host) + " AND mu.USER =" + MariaDBStatement::literal(a.user) + ";";
}

Text MariaDBStatement::show_role_detail(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return "SELECT `Host`, `User` FROM mysql.global_priv WHERE JSON_VALUE(Priv, '$.is_role') = true AND USER=" +
           MariaDBStatement::literal(role_of(rolename)) + ";";
}

Text MariaDBStatement::show_role_rights(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return "SHOW GRANTS FOR " + MariaDBStatement::quoted(role_of(rolename)) + ";";
}

Text MariaDBStatement::grant_role_rights(const char* database, const char* user_schema, const char* rolename,
                                         const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename, object, rights)) return {};
    return grant_rights(MariaDBStatement::quoted(role_of(rolename)), object, rights);
}

Text MariaDBStatement::revoke_role_rights(const char* database, const char* user_schema, const char* rolename,
                                          const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename, object, rights)) return {};
    return revoke_rights(MariaDBStatement::quoted(role_of(rolename)), object, rights);
}

Text MariaDBStatement::drop_object(DBObject type, const char* database, const char* user_schema,
                                   const char* object_name, const char* object_target) {
    if (!TARVELIN_GIVEN(database, user_schema, object_name, object_target)) return {};
    // The caller has selected the table's database.
    if (type == TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX)
        return "DROP INDEX " + MariaDBStatement::quoted(object_target) + " ON " +
               MariaDBStatement::quoted(object_name) + ";";
    // A MariaDB role has no host, and DROP ROLE takes none.
    if (type == TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE)
        return "DROP ROLE IF EXISTS " + MariaDBStatement::quoted(role_of(object_name)) + ";";
    return drop_text(type, user_schema, object_name, object_target);
}

Text MariaDBStatement::build_analyze(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    return explained("ANALYZE", statement, format);
}

}  // namespace tarvelin::rezezadovu::supports::database
