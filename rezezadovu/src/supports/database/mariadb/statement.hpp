// The MariaDB statement texts: the MySQL family's texts (mysql_family/statement.hpp), except
// where MariaDB answers otherwise: ANALYZE without EXPLAIN, accounts and roles told apart
// by is_role, the account detail joined with mysql.global_priv, roles named without a
// host (SHOW GRANTS, GRANT and REVOKE on a role), SHOW CREATE for packages and
// sequences, and DROP INDEX naming its table without the schema.
//
// Names and values go through the family's one quoting entry (quoted and literal of
// mysql_family/statement.hpp): backquotes doubled in names, quotes and backslashes
// doubled in values (MariaDB reads a backslash in a string as an escape).
//
// Runs nothing. Thread-safe: holds only its (weak) connection link.
#pragma once

#include <tarvelin/rezezadovu/mariadb.h>

#include "rezezadovu/supports/database/mysql_family/statement.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MariaDBStatement : public MySQLFamilyStatement {
public:
    static GType gtype();
    static gobj::Ref<MariaDBStatement> create(GType type, CConnection* connection);

    // A user's source is "SHOW CREATE USER `user`@`host`;" in column 0.
    Text show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                     gint* source_column) override;
    Text show_users(const char* database, const char* user_schema, gint* name_column) override;
    Text show_roles(const char* database, const char* user_schema, gint* name_column) override;
    Text show_user_detail(const char* database, const char* user_schema, const char* username) override;
    Text show_role_detail(const char* database, const char* user_schema, const char* rolename) override;
    Text show_role_rights(const char* database, const char* user_schema, const char* rolename) override;
    Text grant_role_rights(const char* database, const char* user_schema, const char* rolename, const char* object,
                           const char* rights) override;
    Text revoke_role_rights(const char* database, const char* user_schema, const char* rolename, const char* object,
                            const char* rights) override;
    Text drop_object(DBObject type, const char* database, const char* user_schema, const char* object_name,
                     const char* object_target) override;
    Text build_analyze(const char* statement, const char* format) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBStatement,
                     tarvelin::rezezadovu::supports::database::MariaDBStatement)
