// The SQLite statement texts: the connection text for the driver, listings over
// sqlite_master and pragmas, paging, counting, rename, drop and empty texts, the
// transaction words, and the dialect's one quoting of names (`quoted`) and of values
// (`literal`), with which every SQLite dialect object writes its SQL. Column lists,
// filters and orderings are SQL and are written as given.
//
// Runs nothing except the lookup of a view's stored text when a view is renamed.
// Thread-safe: holds only its (weak) connection link.
#pragma once

#include <tarvelin/rezezadovu/sqlite.h>

#include <string>
#include <string_view>

#include "rezezadovu/supports/database/statement.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLiteStatement : public Statement {
public:
    static GType gtype();
    static gobj::Ref<SQLiteStatement> create(GType type, CConnection* connection);

    // "DRIVER={driver};DATABASE=filename;" then "PWD=password;" and "LoadExt=extensions"
    // when those are not empty.
    Text build_connection_string(Server* server) override;
    // The initial database of the connection's record, as a one-row query.
    Text show_databases(gint* name_column) override;
    Text show_tables(const char* database, const char* object_schema, gint* name_column) override;
    Text show_views(const char* database, const char* object_schema, gint* name_column) override;
    Text show_table_spaces(const char* database, gint* name_column) override;
    Text show_table_schemas(const char* database, gint* name_column) override;
    Text show_indexes(const char* database, const char* user_schema, gint* name_column) override;
    Text show_triggers(const char* database, const char* user_schema, gint* name_column) override;
    Text show_functions(const char* database, const char* object_schema, gint* name_column) override;
    Text show_procedures(const char* database, const char* object_schema, gint* name_column) override;
    // The parameters text comes with its parentheses.
    Text call_function(const char* database, const char* user_schema, const char* function,
                       const char* parameters) override;
    Text call_procedure(const char* database, const char* user_schema, const char* procedure,
                        const char* parameters) override;
    // The stored CREATE text of an index, table, trigger or view; "" for other kinds.
    Text show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                     gint* source_column) override;
    Text show_structure(const char* database, const char* object_schema, const char* table,
                        gint* name_column) override;
    // Without a positive limit the text has no LIMIT, no OFFSET and no closing semicolon.
    Text show_content(const char* database, const char* object_schema, const char* table, const char* columns,
                      const char* where, const char* order, gint64 offset, gint limit) override;
    Text show_privileges(gint* name_column, gint* context_column) override;
    Text show_effected(const char* database, const char* object_schema, const char* table,
                       const char* where) override;
    Text show_relations(const char* database, const char* object_schema, const char* table) override;
    // A table: ALTER TABLE ... RENAME TO. A view: its stored text with the new name put in
    // (queried through the connection; "" when it cannot be read). Other kinds: "".
    Text rename_object(DBObject type, const char* database, const char* object_schema, const char* old_name,
                       const char* new_name) override;
    Text drop_object(DBObject type, const char* database, const char* object_schema, const char* object_name,
                     const char* object_target) override;
    // The DELETE and the reset of the table's sequence, in one text.
    Text empty_table(const char* database, const char* object_schema, const char* table) override;
    Text transaction(const char* name) override;
    Text rollback(const char* name) override;
    Text commit(const char* name) override;
    // `literal` of the value by its type.
    Text pack_value(DataType type, const char* value) override;
    // `quoted` of the identifier; the schema is required but not written.
    Text quote_identifier(const char* identifier, const char* schema) override;
    // A multi-row INSERT fails whole (and is one transaction, where rows alone are one each).
    int copy_rows_per_insert(const CopyTarget& target) override;
    bool copy_in_transaction(const CopyTarget&) override { return true; }
    // Rows through one prepared INSERT with bound parameters, each value bound as the
    // storage class its literal gives (a real literal's text converted by SQLite itself),
    // inside a savepoint; -1 for rows holding a literal of another form.
    gint64 copy_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                     const std::vector<std::vector<std::string>>& rows, const std::string& clause) override;

    // A name as SQL: between double quotes, each one inside doubled, whatever it holds
    // (the empty name too). Double quotes rather than backquotes: the standard form,
    // which keeps its meaning in a text copied to another product.
    static std::string quoted(std::string_view name);
    // A text as an SQL string: between single quotes, each one inside doubled. A
    // backslash is an ordinary character in SQLite strings.
    static std::string literal(std::string_view text);
    // The literal of a value given as text, by its type: numbers and booleans bare when
    // they are such, blobs of hex digits as X'..', everything else as a string.
    static std::string literal(DataType type, std::string_view value);

    // The stored CREATE VIEW text with its view name replaced by `new_name` (quoted),
    // followed by ";". A text without a recognisable name comes back unchanged with the ";".
    static std::string renamed_view(const std::string& stored, const std::string& new_name);

private:
    std::string build_sql_for_view(const char* schema, const char* old_name, const char* new_name);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteStatement,
                     tarvelin::rezezadovu::supports::database::SQLiteStatement)
