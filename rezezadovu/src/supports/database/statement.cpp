#include "rezezadovu/supports/database/statement.hpp"

#include "providers/contracts/face_provider.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"

TARVELIN_LOG_TAG("statement")

namespace tarvelin::rezezadovu::supports::database {

using contracts::database::empty_text_if;
using helpers::DatabaseHelper;
using Text = Statement::Text;

TARVELIN_GTYPE(Statement, "TarvelinRezezadovuSupportsDatabaseStatement", gobj::Object, contracts::database::IStatement)

gobj::Ref<Statement> Statement::create(GType type, CConnection* connection) {
    return create_linked<Statement>(type, connection);
}

Text Statement::listing_if(bool given, gint* name_column) {
    if (!given) return {};
    if (name_column) *name_column = 0;
    return std::string();
}

std::string Statement::row_name(const char* schema, const char* table) {
    return quote_identifier(table, schema).value_or("");
}

// ---------------------------------------------------------------- connection text

Text Statement::build_connection_string(Server* server) {
    if (!TARVELIN_GIVEN(server)) return {};
    using T = Server::Text;
    return gobj::take_string(
        g_strdup_printf("DRIVER={%s};SERVER=%s;DATABASE=%s;PORT=%u;UID=%s;PWD=%s;",
                        server->text_or_empty(T::driver).c_str(), server->text_or_empty(T::host).c_str(),
                        server->text_or_empty(T::initial).c_str(), static_cast<guint>(server->get_port()),
                        server->text_or_empty(T::username).c_str(), server->text_or_empty(T::password).c_str()));
}

// ---------------------------------------------------------------- listings

Text Statement::show_databases(gint* name_column) { return listing_if(true, name_column); }
Text Statement::show_tables(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_views(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_table_spaces(const char* database, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database), name_column);
}
Text Statement::show_table_schemas(const char* database, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database), name_column);
}
Text Statement::show_checks(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_excludes(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_foreigns(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_rules(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_uniques(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_indexes(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_triggers(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_functions(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_procedures(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_source(DBObject, const char* database, const char* user_schema, const char* name,
                            gint* source_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema, name), source_column);
}
Text Statement::show_structure(const char* database, const char* user_schema, const char* table, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema, table), name_column);
}
Text Statement::show_users(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_roles(const char* database, const char* user_schema, gint* name_column) {
    return listing_if(TARVELIN_GIVEN(database, user_schema), name_column);
}
Text Statement::show_privileges(gint* name_column, gint* context_column) {
    if (context_column) *context_column = 0;
    return listing_if(true, name_column);
}

// ---------------------------------------------------------------- object texts (empty)

Text Statement::change_database(const char* database) { return empty_text_if(TARVELIN_GIVEN(database)); }
Text Statement::call_function(const char* database, const char* user_schema, const char* function,
                              const char* parameters) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, function, parameters));
}
Text Statement::call_procedure(const char* database, const char* user_schema, const char* procedure,
                               const char* parameters) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, procedure, parameters));
}
Text Statement::show_content(const char* database, const char* user_schema, const char* table, const char* columns,
                             const char* where, const char* order, gint64, gint) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, table, columns, where, order));
}
Text Statement::show_user_detail(const char* database, const char* user_schema, const char* username) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, username));
}
Text Statement::show_role_detail(const char* database, const char* user_schema, const char* rolename) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, rolename));
}
Text Statement::show_user_rights(const char* database, const char* user_schema, const char* username) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, username));
}
Text Statement::show_role_rights(const char* database, const char* user_schema, const char* rolename) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, rolename));
}
Text Statement::grant_user_rights(const char* database, const char* user_schema, const char* username,
                                  const char* object, const char* rights) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, username, object, rights));
}
Text Statement::revoke_user_rights(const char* database, const char* user_schema, const char* username,
                                   const char* object, const char* rights) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, username, object, rights));
}
Text Statement::grant_role_rights(const char* database, const char* user_schema, const char* username,
                                  const char* object, const char* rights) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, username, object, rights));
}
Text Statement::revoke_role_rights(const char* database, const char* user_schema, const char* username,
                                   const char* object, const char* rights) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, username, object, rights));
}
Text Statement::flush_privileges() { return empty_text_if(true); }
Text Statement::show_effected(const char* database, const char* user_schema, const char* table, const char* where) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, table, where));
}
Text Statement::show_relations(const char* database, const char* user_schema, const char* table) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, table));
}
Text Statement::rename_object(DBObject, const char* database, const char* user_schema, const char* old_name,
                              const char* new_name) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, old_name, new_name));
}
Text Statement::drop_object(DBObject, const char* database, const char* user_schema, const char* object_name,
                            const char* object_target) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, object_name, object_target));
}
Text Statement::empty_table(const char* database, const char* user_schema, const char* object_name) {
    return empty_text_if(TARVELIN_GIVEN(database, user_schema, object_name));
}

// ---------------------------------------------------------------- fixed texts

Text Statement::build_explain(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    return std::string("EXPLAIN ") + statement + ";";
}
Text Statement::build_analyze(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    return std::string("ANALYZE ") + statement + ";";
}
Text Statement::transaction(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("START TRANSACTION;");
}
Text Statement::rollback(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("ROLLBACK;");
}
Text Statement::commit(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("COMMIT;");
}

// ---------------------------------------------------------------- names, literals, rows

Text Statement::pack_value(DataType type, const char* value) {
    if (!TARVELIN_GIVEN(value)) return {};
    return DatabaseHelper::pack_value(type, value);
}

Text Statement::quote_identifier(const char* identifier, const char* schema) {
    if (!TARVELIN_GIVEN(identifier, schema)) return {};
    std::string name = DatabaseHelper::quote(identifier, '"');
    return *schema ? DatabaseHelper::quote(schema, '"') + "." + name : name;
}

Text Statement::build_sql_update(const char* schema, const char* table, const Texts& columns, const Texts& values,
                                 const Texts& where_columns, const Texts& where_values) {
    if (!TARVELIN_GIVEN(schema, table)) return {};
    return DatabaseHelper::row_update(row_name(schema, table), columns, values, where_columns, where_values);
}

Text Statement::build_sql_insert(const char* schema, const char* table, const Texts& columns, const Texts& values) {
    if (!TARVELIN_GIVEN(schema, table)) return {};
    return DatabaseHelper::row_insert(row_name(schema, table), columns, values);
}

Text Statement::build_sql_delete(const char* schema, const char* table, const Texts& where_columns,
                                 const Texts& where_values) {
    if (!TARVELIN_GIVEN(schema, table)) return {};
    return DatabaseHelper::row_delete(row_name(schema, table), where_columns, where_values);
}

Text Statement::build_sql_view(const char* user_schema, const char* view_name, const char* statements) {
    if (!TARVELIN_GIVEN(user_schema, view_name, statements)) return {};
    std::string name = DatabaseHelper::quote(view_name, '`');
    if (*user_schema) name = DatabaseHelper::quote(user_schema, '`') + "." + name;
    return "CREATE VIEW " + name + " AS " + statements;
}

// ---------------------------------------------------------------- copy hooks

Statement::CopySession Statement::copy_session(const CopyTarget&) { return {}; }
std::string Statement::copy_insert_clause(const CopyTarget&) { return {}; }
std::vector<std::string> Statement::after_copy(const CopyTarget&) { return {}; }
bool Statement::places_columns() const { return true; }
int Statement::copy_rows_per_insert(const CopyTarget&) { return 1; }
bool Statement::copy_in_transaction(const CopyTarget&) { return false; }

std::string Statement::copy_insert_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                                        const std::vector<std::vector<std::string>>& rows, const std::string& clause) {
    auto list = [](std::string& out, const std::vector<std::string>& items) {
        for (size_t i = 0; i < items.size(); ++i) (out += i ? ", " : "") += items[i];
    };
    std::string out = "INSERT INTO " + row_name(target.schema.c_str(), target.table.c_str()) + "(";
    list(out, columns);
    out += clause.empty() ? ") VALUES" : ") " + clause + " VALUES";
    for (size_t r = 0; r < rows.size(); ++r) {
        out += r ? ", (" : "(";
        list(out, rows[r]);
        out += ")";
    }
    return out + ";";
}

gint64 Statement::copy_rows(const CopyTarget&, const std::vector<std::string>&,
                            const std::vector<std::vector<std::string>>&, const std::string&) {
    return -1;
}

gint64 Statement::send_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                            const std::vector<std::vector<std::string>>& rows, const std::string& clause) {
    const gint64 copied = copy_rows(target, columns, rows, clause);
    if (copied >= 0) return copied;
    auto link = dialect::require(connection());
    const std::string sql = copy_insert_rows(target, columns, rows, clause);
    // Straight to the provider, as COPY goes: the connection's log would copy every value
    // of every row into a line of its own (user data at info level, and most of the time).
    auto provider = gobj::call<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::get_provider, gobj::borrow>(link);
    if (gpointer p = gobj::detail::instance_arg(provider)) {
        const gint64 written = gobj::call<&providers::contracts::IProvider::Vtable::execute_affect>(p, sql, false);
        tlog_debug("INSERT of %d rows into %s.%s: %" G_GINT64_FORMAT " written", static_cast<int>(rows.size()),
                   target.schema.c_str(), target.table.c_str(), written);
        return written;
    }
    return gobj::call<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_no_query>(link, sql, false);
}

Statement* Statement::of(const gobj::Ref<contracts::database::IStatement>& statement) {
    return statement ? gobj::checked_cast<Statement>(statement.instance()) : nullptr;
}

}  // namespace tarvelin::rezezadovu::supports::database
