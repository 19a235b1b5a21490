#include "rezezadovu/supports/database/sqlserver/statement.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"

TARVELIN_LOG_TAG("statement")

namespace tarvelin::rezezadovu::supports::database {

using Text = SQLServerStatement::Text;

TARVELIN_GTYPE(SQLServerStatement, "TarvelinRezezadovuSupportsDatabaseSQLServerStatement", Statement)

gobj::Ref<SQLServerStatement> SQLServerStatement::create(GType type, CConnection* connection) {
    return create_linked<SQLServerStatement>(type, connection);
}

// ---------------------------------------------------------------- quoting

namespace {
// A listing text with its name column.
Text listing(std::string text, gint* name_column, gint column = 0) {
    if (name_column) *name_column = column;
    return text;
}
}  // namespace

std::string SQLServerStatement::quoted(std::string_view name) { return helpers::DatabaseHelper::quote(name, '[', ']'); }

std::string SQLServerStatement::literal(std::string_view text) { return helpers::DatabaseHelper::quote(text, '\''); }

std::string SQLServerStatement::fill(std::string_view query, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(query.size() + 64);
    auto arg = args.begin();
    for (std::size_t i = 0; i < query.size(); ++i) {
        auto place = [&](std::string_view form) {
            return query.compare(i, form.size(), form) == 0 && arg != args.end();
        };
        if (place("'%s'")) {
            out += literal(*arg++);
            i += 3;
        } else if (place("[%s]")) {
            out += quoted(*arg++);
            i += 3;
        } else if (place("%s")) {
            out += *arg++;
            i += 1;
        } else {
            out += query[i];
        }
    }
    return out;
}

// ---------------------------------------------------------------- connection and databases

Text SQLServerStatement::build_connection_string(Server* server) {
    if (!TARVELIN_GIVEN(server)) return {};
    using T = Server::Text;
    std::string host = server->text_or_empty(T::host);
    std::string text = server->get_port() != 0
                           ? gobj::take_string(g_strdup_printf("Server={%s},%d;", host.c_str(), server->get_port()))
                           : "Server={" + host + "};";
    text += "Database=" + server->text_or_empty(T::initial) + ";";
    text += "User Id=" + server->text_or_empty(T::username) + ";";
    text += "Password=" + server->text_or_empty(T::password) + ";";
    return text;
}

Text SQLServerStatement::show_databases(gint* name_column) {
    return listing(
        "SELECT name from SYS.DATABASES WHERE name NOT IN ('model', 'tempdb', 'msdb', 'master') ORDER BY NAME;",
        name_column);
}

// The name in brackets: an unquoted name with a blank or a dash would not parse.
Text SQLServerStatement::change_database(const char* database) {
    if (!TARVELIN_GIVEN(database)) return {};
    return fill("use [%s];", {database});
}

Text SQLServerStatement::show_table_schemas(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing("SELECT SCHEMA_NAME FROM INFORMATION_SCHEMA.SCHEMATA WHERE SCHEMA_NAME NOT LIKE 'db[_]%';",
                   name_column);
}

Text SQLServerStatement::show_table_spaces(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing("", name_column, -1);
}

// ---------------------------------------------------------------- name listings

Text SQLServerStatement::show_tables(const char* database, const char* object_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema)) return {};
    return listing(fill("SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_SCHEMA= '%s' ORDER BY "
                        "TABLE_NAME;",
                        {object_schema}),
                   name_column);
}

Text SQLServerStatement::show_views(const char* database, const char* object_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema)) return {};
    return listing(fill("SELECT TABLE_NAME FROM INFORMATION_SCHEMA.VIEWS WHERE TABLE_SCHEMA= '%s' ORDER BY "
                        "TABLE_NAME;",
                        {object_schema}),
                   name_column);
}

Text SQLServerStatement::show_indexes(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(fill("SELECT i.name FROM sys.indexes i INNER JOIN sys.tables t ON t.object_id=i.object_id WHERE "
                        "i.type>0 AND t.is_ms_shipped=0 AND t.name<>'sysdiagrams' AND (is_primary_key=0 AND "
                        "is_unique_constraint=0) AND schema_name(t.schema_id)='%s';",
                        {user_schema}),
                   name_column);
}

Text SQLServerStatement::show_triggers(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(fill("SELECT tg.name FROM sys.triggers tg INNER JOIN sys.tables t ON t.object_id=tg.parent_id "
                        "WHERE tg.type='TR' AND t.is_ms_shipped=0 AND t.name<>'sysdiagrams' AND "
                        "schema_name(t.schema_id)='%s';",
                        {user_schema}),
                   name_column);
}

Text SQLServerStatement::show_functions(const char* database, const char* object_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema)) return {};
    return listing(fill("SELECT ROUTINE_NAME FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_CATALOG='%s' AND "
                        "ROUTINE_SCHEMA= '%s' AND ROUTINE_TYPE='FUNCTION' ORDER BY ROUTINE_NAME;",
                        {database, object_schema}),
                   name_column);
}

Text SQLServerStatement::show_procedures(const char* database, const char* object_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema)) return {};
    return listing(fill("SELECT ROUTINE_NAME FROM INFORMATION_SCHEMA.ROUTINES WHERE ROUTINE_CATALOG='%s' AND "
                        "ROUTINE_SCHEMA= '%s' AND ROUTINE_TYPE='PROCEDURE' ORDER BY ROUTINE_NAME;",
                        {database, object_schema}),
                   name_column);
}

Text SQLServerStatement::show_users(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing("SELECT name FROM sys.database_principals WHERE type IN ('S','U','G','C','K')", name_column);
}

Text SQLServerStatement::show_roles(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing("SELECT name FROM sys.database_principals WHERE type in ('A', 'R') ORDER BY name ASC;",
                   name_column);
}

Text SQLServerStatement::show_privileges(gint* name_column, gint* context_column) {
    if (context_column) *context_column = 0;
    return listing(
        "SELECT permission_name FROM sys.fn_builtin_permissions('DATABASE') ORDER BY permission_name;",
        name_column);
}

// ---------------------------------------------------------------- routine calls

Text SQLServerStatement::call_function(const char* database, const char* user_schema, const char* function,
                                       const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, function, parameters)) return {};
    return fill("SELECT [%s].[%s]%s;", {user_schema, function, parameters});
}

Text SQLServerStatement::call_procedure(const char* database, const char* user_schema, const char* procedure,
                                        const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, procedure, parameters)) return {};
    return fill("EXEC [%s].[%s] %s;", {user_schema, procedure, parameters});
}

// ---------------------------------------------------------------- source, structure, content

namespace {
constexpr const char* kColumnDetail =
    "SELECT OBJECT_NAME(c.object_id) AS table_name, c.name AS column_name, c.column_id, t.name AS type_name, "
    "(SELECT ts.name FROM sys.schemas ts WHERE ts.schema_id = t.schema_id) AS type_schema, t.is_user_defined, "
    "c.is_computed, cc.definition, cc.is_persisted, c.max_length, c.precision AS precision, c.scale, "
    "c.collation_name, c.is_nullable, c.is_rowguidcol, c.is_identity, c.is_filestream, d.default_schema, "
    "d.default_name, d.definition AS default_value, c.is_sparse, c.is_column_set, CAST(p.[value] AS "
    "nvarchar(4000)) AS comment, id.seed_value AS seed_value, id.increment_value AS increment_value , "
    "COLUMNPROPERTY(o.object_id, (SELECT TOP 1 name FROM sys.columns c WHERE c.object_id = o.object_id AND "
    "c.is_identity = 1), 'IsIdNotForRepl') AS identity_not_for_replication, CAST(OBJECTPROPERTY(d.object_id, "
    "'IsDefaultCnst') AS bit) AS is_defaultcnst FROM sys.columns c LEFT JOIN sys.computed_columns cc ON "
    "cc.object_id = c.object_id AND cc.column_id = c.column_id LEFT JOIN sys.types t ON c.user_type_id = "
    "t.user_type_id LEFT JOIN (SELECT so.object_id, sc.name as default_schema, so.name AS default_name, "
    "dc.definition FROM sys.objects so LEFT JOIN sys.schemas sc ON sc.schema_id = so.schema_id LEFT JOIN "
    "sys.default_constraints dc ON dc.object_id = so.object_id WHERE so.type = 'D') d ON d.object_id = "
    "c.default_object_id LEFT JOIN sys.objects o ON o.object_id = c.object_id LEFT JOIN sys.schemas s ON "
    "s.schema_id = o.schema_id LEFT JOIN sys.identity_columns id ON c.object_id = id.object_id AND c.column_id = "
    "id.column_id LEFT JOIN sys.extended_properties p ON p.major_id = c.object_id AND p.minor_id = c.column_id "
    "AND p.class = 1 AND p.name = 'MS_Description' "
    "WHERE s.name = '%s' AND o.name = '%s' ORDER BY c.column_id ASC;";

constexpr const char* kIndexDetail =
    "SELECT i.name, ic.partition_ordinal, i.type_desc, i.index_id, i.is_unique, i.is_primary_key, "
    "i.is_unique_constraint, i.fill_factor, i.data_space_id, i.ignore_dup_key, stat.no_recompute, i.is_padded, "
    "i.is_disabled, i.is_hypothetical, i.allow_row_locks, i.allow_page_locks, col.name AS column_name, "
    "ic.is_descending_key, ic.key_ordinal, ic.partition_ordinal, ic.is_included_column, i.has_filter, "
    "i.filter_definition, si.spatial_index_type, sit.bounding_box_xmin, sit.bounding_box_ymin, "
    "sit.bounding_box_xmax, sit.bounding_box_ymax, sit.level_1_grid_desc, sit.level_2_grid_desc, "
    "sit.level_3_grid_desc, sit.level_4_grid_desc, sit.cells_per_object, xi.secondary_type_desc, pri.name "
    "pri_index_name, CAST(ep.value AS NVARCHAR(MAX)) comment FROM sys.indexes i LEFT JOIN sys.all_objects o ON "
    "o.object_id = i.object_id LEFT JOIN sys.schemas s ON s.schema_id = o.schema_id LEFT JOIN sys.index_columns "
    "ic ON ic.object_id = i.object_id AND ic.index_id = i.index_id LEFT JOIN sys.all_columns col ON ic.column_id "
    "= col.column_id AND ic.object_id = col.object_id LEFT JOIN sys.xml_indexes xi ON i.object_id = xi.object_id "
    "AND i.index_id = xi.index_id LEFT JOIN sys.indexes pri ON xi.object_id = pri.object_id AND "
    "xi.using_xml_index_id = pri.index_id LEFT JOIN sys.key_constraints cons ON (cons.parent_object_id = "
    "ic.object_id AND cons.unique_index_id = i.index_id) LEFT JOIN sys.extended_properties ep ON "
    "(((i.is_primary_key <> 1 AND i.is_unique_constraint <> 1 AND ep.class = 7 AND i.object_id = ep.major_id AND "
    "ep.minor_id = i.index_id) OR ((i.is_primary_key = 1 OR i.is_unique_constraint = 1) AND ep.class = 1 AND "
    "cons.object_id = ep.major_id AND ep.minor_id = 0)) AND ep.name = 'MS_Description') LEFT JOIN "
    "sys.spatial_indexes si ON i.object_id = si.object_id AND i.index_id = si.index_id LEFT JOIN "
    "sys.spatial_index_tessellations sit ON i.object_id = sit.object_id AND i.index_id = sit.index_id , sys.stats "
    "stat LEFT JOIN sys.all_objects so ON (stat.object_id = so.object_id) "
    "WHERE (i.object_id = so.object_id OR i.object_id = so.parent_object_id) AND i.name = stat.name AND "
    "i.index_id > 0 AND (i.is_primary_key = 0 AND i.is_unique_constraint = 0) AND o.type IN ('U', 'S') AND "
    "s.name = N'%s' AND o.name = N'%s' AND i.name = N'%s' "
    "ORDER BY ic.index_column_id ASC;";

constexpr const char* kTriggerSource =
    "SELECT sm.definition FROM sys.all_sql_modules sm LEFT JOIN sys.triggers tr ON sm.OBJECT_ID=tr.OBJECT_ID LEFT "
    "JOIN sys.tables ta ON tr.parent_id =ta.OBJECT_ID LEFT JOIN sys.schemas sc ON ta.SCHEMA_ID=sc.SCHEMA_ID "
    "WHERE sc.name ='%s' AND tr.name =N'%s';;";

constexpr const char* kViewSource =
    "SELECT VIEW_DEFINITION FROM INFORMATION_SCHEMA.VIEWS WHERE TABLE_CATALOG='%s' AND TABLE_SCHEMA= '%s' AND "
    "TABLE_NAME='%s';";
}  // namespace

Text SQLServerStatement::show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                                     gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema, name)) return {};
    if (name_column) *name_column = 0;
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return fill(kColumnDetail, {user_schema, name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return fill(kIndexDetail, {database, user_schema, name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return fill(kTriggerSource, {user_schema, name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return fill(kViewSource, {database, user_schema, name});
        default: return std::string();
    }
}

Text SQLServerStatement::show_structure(const char* database, const char* schema, const char* table,
                                        gint* name_column) {
    if (!TARVELIN_GIVEN(database, schema, table)) return {};
    return listing(fill("SELECT COLUMN_NAME,ORDINAL_POSITION, COLUMN_DEFAULT, IS_NULLABLE, DATA_TYPE, "
                        "CHARACTER_MAXIMUM_LENGTH FROM INFORMATION_SCHEMA.COLUMNS "
                        "WHERE TABLE_CATALOG='%s' AND TABLE_SCHEMA='%s' AND TABLE_NAME='%s' ORDER BY "
                        "ORDINAL_POSITION ASC;",
                        {database, schema, table}),
                   name_column);
}

Text SQLServerStatement::show_content(const char* database, const char* object_schema, const char* table,
                                      const char* columns, const char* where, const char* order, gint64 offset,
                                      gint count) {
    if (!TARVELIN_GIVEN(database, object_schema, table, columns, where, order)) return {};
    std::string text = "SELECT " + std::string(columns) + fill(" FROM [%s].[%s] ", {object_schema, table});
    if (*where) text += "WHERE " + std::string(where) + " ";
    if (*order) text += "ORDER BY " + std::string(order) + " ";
    if (count > 0 && *order) {
        text += gobj::take_string(g_strdup_printf("OFFSET %" G_GINT64_FORMAT " ROWS FETCH NEXT %i ROWS ONLY;",
                                                  offset, count));
    } else {
        text += ";";
    }
    return text;
}

Text SQLServerStatement::show_effected(const char* database, const char* object_schema, const char* table,
                                       const char* where) {
    if (!TARVELIN_GIVEN(database, object_schema, table, where)) return {};
    std::string text = fill("SELECT count(*) FROM [%s].[%s]", {object_schema, table});
    text += *where ? " WHERE " + std::string(where) + ";" : ";";
    return text;
}

Text SQLServerStatement::show_relations(const char* database, const char* object_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, object_schema, table)) return {};
    return fill(
        "SELECT t.schema_name, t.name AS table_name, f.name, co.type AS constraint_type, t.name AS parent_table, "
        "t.type AS parent_table_type, f.referenced_schema, f.referenced_table, f.is_disabled, "
        "f.is_not_for_replication, f.comment, f.delete_referential_action, f.update_referential_action, "
        "f.parent_column, f.referenced_column FROM (SELECT s.name as schema_name, o.name, o.object_id, o.type FROM "
        "sys.all_objects o LEFT JOIN sys.schemas s ON s.schema_id = o.schema_id "
        "WHERE s.name = N'%s' AND o.name = N'%s' AND o.type = 'U' ) t "
        "INNER JOIN (SELECT fk.object_id, fk.parent_object_id, fk.name, OBJECT_SCHEMA_NAME(fk.referenced_object_id) "
        "AS referenced_schema, OBJECT_NAME(fk.referenced_object_id) AS referenced_table, "
        "fk.is_disabled, fk.is_not_for_replication, fk.delete_referential_action, fk.update_referential_action, "
        "fc.parent_column, CAST(p.[value] AS nvarchar(4000)) AS comment, fc.referenced_column "
        "FROM sys.foreign_keys fk LEFT JOIN (SELECT fkc.constraint_object_id, pc.name AS parent_column, rc.name AS "
        "referenced_column FROM sys.foreign_key_columns fkc "
        "LEFT JOIN sys.all_columns pc ON pc.object_id = fkc.parent_object_id AND pc.column_id = "
        "fkc.parent_column_id LEFT JOIN sys.all_columns rc ON rc.object_id = fkc.referenced_object_id AND "
        "rc.column_id = fkc.referenced_column_id) fc ON fc.constraint_object_id = fk.object_id "
        "LEFT JOIN sys.extended_properties p ON p.major_id = fk.object_id AND p.minor_id = 0 AND p.name = "
        "'MS_Description' ) f ON f.parent_object_id = t.object_id "
        "LEFT JOIN sys.objects co ON co.object_id = f.object_id ORDER BY t.object_id ASC, f.object_id ASC",
        {object_schema, table});
}

// ---------------------------------------------------------------- accounts and rights

Text SQLServerStatement::show_user_detail(const char* database, const char* user_schema, const char* username) {
    if (!TARVELIN_GIVEN(database, user_schema, username)) return {};
    return fill(
        "SELECT dp.name,dp.type_desc,dp.default_schema_name,log.name AS login,cert.name AS certificate,ak.name AS "
        "asymmkey,CAST (exp.[value] AS NVARCHAR (MAX)) AS comment FROM sys.database_principals dp LEFT JOIN "
        "sys.server_principals log ON dp.sid =log.sid LEFT JOIN sys.certificates cert ON dp.sid =cert.sid LEFT JOIN "
        "sys.asymmetric_keys ak ON dp.sid =ak.sid LEFT JOIN sys.extended_properties exp ON "
        "exp.major_id=dp.principal_id AND exp.class=4 AND exp.minor_id=0 AND exp.name='MS_Description' WHERE "
        "dp.type IN ('S','U','G','C','K') AND dp.name ='%s'",
        {username});
}

Text SQLServerStatement::show_role_detail(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return fill(
        "SELECT dp.name, dp.principal_id, dp.type, dp.authentication_type, dp.default_language_name, owner.name "
        "owning_principal, dp.create_date, dp.modify_date, ep.value as comment FROM sys.database_principals dp LEFT "
        "JOIN sys.database_principals owner ON dp.owning_principal_id = owner.principal_id LEFT OUTER JOIN "
        "sys.extended_properties ep ON ep.major_id = dp.principal_id AND ep.class = 4 AND ep.minor_id = 0 AND "
        "ep.name = 'MS_Description' WHERE dp.type='R' AND dp.name = '%s'",
        {rolename});
}

Text SQLServerStatement::show_user_rights(const char* database, const char* user_schema, const char* username) {
    if (!TARVELIN_GIVEN(database, user_schema, username)) return {};
    return fill(
        "SELECT u.name,p.class_desc,p.permission_name,p.state,o.type,CASE WHEN class='3' THEN "
        "SCHEMA_NAME(p.major_id) ELSE SCHEMA_NAME(o.schema_id) END AS SchemaName,CASE WHEN class='3' THEN '' ELSE "
        "o.name END AS ObjectName,c.name AS ColumnName FROM sys.database_permissions p LEFT JOIN sys.sysusers u ON "
        "u.uid =p.grantee_principal_id LEFT JOIN sys.all_objects o ON p.major_id =o.object_id LEFT JOIN "
        "sys.all_columns c ON p.major_id =c.object_id AND p.minor_id =c.column_id WHERE u.name =N'%s'",
        {username});
}

Text SQLServerStatement::show_role_rights(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return fill(
        "SELECT p.class_desc,p.permission_name,p.state,o.type,CASE WHEN class='3' THEN SCHEMA_NAME(p.major_id) ELSE "
        "SCHEMA_NAME(o.schema_id) END AS SchemaName,CASE WHEN class='3' THEN '' ELSE o.name END AS "
        "ObjectName,c.name AS ColumnName FROM sys.database_permissions p LEFT JOIN sys.sysusers u ON u.uid "
        "=p.grantee_principal_id LEFT JOIN sys.all_objects o ON p.major_id=o.object_id LEFT JOIN sys.all_columns c "
        "ON p.major_id=c.object_id AND p.minor_id=c.column_id WHERE u.name ='%s' ORDER BY p.class_desc ASC;",
        {rolename});
}

Text SQLServerStatement::grant_rights(const char* who, const char* object, const char* rights, const char* scope) {
    bool with_grant = std::string_view(rights).find("GRANT OPTION") != std::string_view::npos;
    return "GRANT " + std::string(rights) + scope + object + " TO " + quoted(who) +
           (with_grant ? " WITH GRANT OPTION;" : ";");
}

Text SQLServerStatement::revoke_rights(const char* who, const char* object, const char* rights, const char* scope) {
    bool with_grant = std::string_view(rights).find("GRANT OPTION") != std::string_view::npos;
    return std::string(with_grant ? "REVOKE GRANT OPTION FOR " : "REVOKE ") + rights + scope + object + " FROM " +
           quoted(who) + ";";
}

Text SQLServerStatement::grant_user_rights(const char* database, const char* user_schema, const char* username,
                                           const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, username, object, rights)) return {};
    return grant_rights(username, object, rights, " ON USER::");
}

Text SQLServerStatement::revoke_user_rights(const char* database, const char* user_schema, const char* username,
                                            const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, username, object, rights)) return {};
    return revoke_rights(username, object, rights, " ON USER::");
}

Text SQLServerStatement::grant_role_rights(const char* database, const char* user_schema, const char* rolename,
                                           const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename, object, rights)) return {};
    return grant_rights(rolename, object, rights, " ON ROLE::");
}

Text SQLServerStatement::revoke_role_rights(const char* database, const char* user_schema, const char* rolename,
                                            const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename, object, rights)) return {};
    return revoke_rights(rolename, object, rights, " ON ROLE::");
}

// ---------------------------------------------------------------- rename, drop, empty

Text SQLServerStatement::rename_object(DBObject type, const char* database, const char* object_schema,
                                       const char* old_name, const char* new_name) {
    if (!TARVELIN_GIVEN(database, object_schema, old_name, new_name)) return {};
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return fill("ALTER DATABASE [%s] MODIFY NAME = [%s];", {old_name, new_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return fill("CREATE SCHEMA [%s]; ALTER SCHEMA [%s] TRANSFER [%s]; DROP SCHEMA [%s]",
                        {new_name, old_name, new_name, old_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return fill("EXEC sp_rename [%s].[%s], [%s];", {object_schema, old_name, new_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER:
            return fill("ALTER USER [%s] WITH NAME = [%s];", {old_name, new_name});
        default: return std::string();
    }
}

Text SQLServerStatement::drop_object(DBObject type, const char* database, const char* object_schema,
                                     const char* object_name, const char* object_target) {
    if (!TARVELIN_GIVEN(database, object_schema, object_name, object_target)) return {};
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return fill("DROP DATABASE [%s];", {object_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT:
            return fill("DROP EVENT NOTIFICATION [%s].[%s] ON DATABASE;", {object_schema, object_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
            return fill("DROP FUNCTION [%s].[%s];", {object_schema, object_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX:
            return fill("DROP INDEX [%s] ON [%s].[%s];", {object_name, object_schema, object_target});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            return fill("DROP PROCEDURE [%s].[%s];", {object_schema, object_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return fill("DROP SCHEMA [%s];", {object_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return fill("DROP TABLE [%s].[%s];", {object_schema, object_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return fill("DROP TRIGGER [%s].[%s];", {object_schema, object_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER:
            return std::string_view(object_target).find("LOGIN") != std::string_view::npos
                       ? fill("DROP LOGIN [%s];", {object_name})
                       : fill("DROP USER [%s];", {object_name});
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return fill("DROP VIEW [%s].[%s];", {object_schema, object_name});
        default: return std::string();
    }
}

Text SQLServerStatement::empty_table(const char* database, const char* object_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, object_schema, table)) return {};
    return fill("DELETE FROM [%s].[%s];", {object_schema, table});
}

// ---------------------------------------------------------------- transactions, literals, names

Text SQLServerStatement::transaction(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("BEGIN TRANSACTION;");
}
Text SQLServerStatement::rollback(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("ROLLBACK;");
}
Text SQLServerStatement::commit(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("COMMIT;");
}

Text SQLServerStatement::pack_value(DataType type, const char* value) {
    if (!TARVELIN_GIVEN(value)) return {};
    std::string_view text(value);
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON: return "N" + literal(text);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB: {
            bool hex = text.size() % 2 == 0;
            for (char c : text) hex = hex && g_ascii_isxdigit(c);
            return hex ? "0x" + std::string(text) : literal(text);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN: {
            // T-SQL has no TRUE or FALSE; a bit takes 1 and 0, and converts other texts itself.
            for (const char* yes : {"true", "t", "1"})
                if (g_ascii_strcasecmp(value, yes) == 0) return std::string("1");
            for (const char* no : {"false", "f", "0"})
                if (g_ascii_strcasecmp(value, no) == 0) return std::string("0");
            return literal(text);
        }
        default: return Statement::pack_value(type, value);
    }
}

Text SQLServerStatement::quote_identifier(const char* identifier, const char* schema) {
    if (!TARVELIN_GIVEN(identifier, schema)) return {};
    return *schema ? quoted(schema) + "." + quoted(identifier) : quoted(identifier);
}

// ---------------------------------------------------------------- copy hooks

Statement::CopySession SQLServerStatement::copy_session(const CopyTarget& target) {
    auto empty = [](const char* text) { return !text || !*text; };
    // A column the builder makes an identity: one with an identity text, or a counting
    // column without a default of its own.
    if (!target.any_source([&](meta_model::MetaColumn& c) {
            return !empty(c.get_identity()) || (c.get_auto_increment() && empty(c.get_default_value()));
        }))
        return {};
    const std::string table = quote_identifier(target.schema.c_str(), "").value_or("") + "." +
                              quote_identifier(target.table.c_str(), "").value_or("");
    return {{"SET IDENTITY_INSERT " + table + " ON"}, {"SET IDENTITY_INSERT " + table + " OFF"}};
}

}  // namespace tarvelin::rezezadovu::supports::database
