// The base statement of every dialect: IStatement with a default for each of its 49
// operations. A dialect statement derives from it, overrides the operations its product
// answers differently, and is made by its connection with create_linked:
//
//   class SQLiteStatement : public Statement {
//   public:
//       static GType gtype();   // TARVELIN_GTYPE(SQLiteStatement, "...", Statement)
//       Text show_tables(const char* database, const char* user_schema, gint* name_column) override {
//           if (!TARVELIN_GIVEN(database, user_schema)) return {};
//           if (name_column) *name_column = 0;
//           return "SELECT ...";
//       }
//   };
//
// Every interface slot calls the C++ virtual of the same name, and so does every exported
// tarvelin_rezezadovu_supports_database_statement_* function: one override serves both.
// An override tests its own required arguments first (TARVELIN_GIVEN names them, so the
// critical says "rolename != NULL" for a parameter called rolename) and writes its out
// integers only after that.
//
// The defaults: the listing and object texts are empty (listings set their column to 0);
// transaction texts are fixed; explain and analyze wrap the statement; the connection text
// is the generic ODBC-like one; names are quoted with ANSI double quotes (quote_identifier,
// which the three row texts call through the object, so a dialect's quoting applies);
// literals come from DatabaseHelper::pack_value. A dialect whose string literals treat the
// backslash as an escape must override pack_value to double it.
//
// Besides the interface, the copy hooks: what a product needs around copied rows beyond
// plain INSERTs (session settings, a clause for copied identity values, counters moved
// past the copied keys). The transfer asks the target's statement through them and never
// tests a dialect's type; the defaults ask for nothing, and so does a statement a host
// implemented, which has no C++ object to ask (Statement::of gives none).
//
// Thread-safe: a statement holds nothing but its (weak) connection link.
#pragma once

#include <string>
#include <vector>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/model/meta_column.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT Statement : public gobj::Object, public contracts::database::IStatement, public ConnectionLink {
public:
    using Text = contracts::database::Text;

    static GType gtype();
    // A new statement of `type` (Statement or a dialect's) linked to `connection`.
    static gobj::Ref<Statement> create(GType type, CConnection* connection);

    // "DRIVER={driver};SERVER=host;DATABASE=initial;PORT=port;UID=username;PWD=password;"
    Text build_connection_string(Server* server) override;
    Text show_databases(gint* name_column) override;
    Text show_tables(const char* database, const char* user_schema, gint* name_column) override;
    Text show_views(const char* database, const char* user_schema, gint* name_column) override;
    Text change_database(const char* database) override;
    // "EXPLAIN <statement>;" and "ANALYZE <statement>;"; the format is required, not used.
    Text build_explain(const char* statement, const char* format) override;
    Text build_analyze(const char* statement, const char* format) override;
    Text show_table_spaces(const char* database, gint* name_column) override;
    Text show_table_schemas(const char* database, gint* name_column) override;
    Text show_checks(const char* database, const char* user_schema, gint* name_column) override;
    Text show_excludes(const char* database, const char* user_schema, gint* name_column) override;
    Text show_foreigns(const char* database, const char* user_schema, gint* name_column) override;
    Text show_rules(const char* database, const char* user_schema, gint* name_column) override;
    Text show_uniques(const char* database, const char* user_schema, gint* name_column) override;
    Text show_indexes(const char* database, const char* user_schema, gint* name_column) override;
    Text show_triggers(const char* database, const char* user_schema, gint* name_column) override;
    Text show_functions(const char* database, const char* user_schema, gint* name_column) override;
    Text show_procedures(const char* database, const char* user_schema, gint* name_column) override;
    Text call_function(const char* database, const char* user_schema, const char* function,
                       const char* parameters) override;
    Text call_procedure(const char* database, const char* user_schema, const char* procedure,
                        const char* parameters) override;
    Text show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                     gint* source_column) override;
    Text show_structure(const char* database, const char* user_schema, const char* table, gint* name_column) override;
    Text show_content(const char* database, const char* user_schema, const char* table, const char* columns,
                      const char* where, const char* order, gint64 offset, gint limit) override;
    Text show_users(const char* database, const char* user_schema, gint* name_column) override;
    Text show_roles(const char* database, const char* user_schema, gint* name_column) override;
    Text show_user_detail(const char* database, const char* user_schema, const char* username) override;
    Text show_role_detail(const char* database, const char* user_schema, const char* rolename) override;
    Text show_user_rights(const char* database, const char* user_schema, const char* username) override;
    Text show_role_rights(const char* database, const char* user_schema, const char* rolename) override;
    Text grant_user_rights(const char* database, const char* user_schema, const char* username, const char* object,
                           const char* rights) override;
    Text revoke_user_rights(const char* database, const char* user_schema, const char* username, const char* object,
                            const char* rights) override;
    // The base names its role parameter `username`, so a missing role is reported as
    // "username != NULL"; a dialect's override names its own.
    Text grant_role_rights(const char* database, const char* user_schema, const char* username, const char* object,
                           const char* rights) override;
    Text revoke_role_rights(const char* database, const char* user_schema, const char* username, const char* object,
                            const char* rights) override;
    Text show_privileges(gint* name_column, gint* context_column) override;
    Text flush_privileges() override;
    Text show_effected(const char* database, const char* user_schema, const char* table, const char* where) override;
    Text show_relations(const char* database, const char* user_schema, const char* table) override;
    Text rename_object(DBObject type, const char* database, const char* user_schema, const char* old_name,
                       const char* new_name) override;
    Text drop_object(DBObject type, const char* database, const char* user_schema, const char* object_name,
                     const char* object_target) override;
    Text empty_table(const char* database, const char* user_schema, const char* object_name) override;
    // "START TRANSACTION;", "ROLLBACK;", "COMMIT;"; the name is required, not used.
    Text transaction(const char* name) override;
    Text rollback(const char* name) override;
    Text commit(const char* name) override;
    Text pack_value(DataType type, const char* value) override;
    // "\"schema\".\"identifier\"", "\"identifier\"", "\"schema\".\"\"" or "\"\"", with
    // double quotes inside doubled.
    Text quote_identifier(const char* identifier, const char* schema) override;
    // Row texts naming the table through this object's quote_identifier; columns and values
    // pasted as given. An empty column list (for INSERT, also an empty value list) or fewer
    // values than columns is refused with a critical and no text.
    Text build_sql_update(const char* schema, const char* table, const Texts& columns, const Texts& values,
                          const Texts& where_columns, const Texts& where_values) override;
    Text build_sql_insert(const char* schema, const char* table, const Texts& columns, const Texts& values) override;
    Text build_sql_delete(const char* schema, const char* table, const Texts& where_columns,
                          const Texts& where_values) override;
    // "CREATE VIEW `view` AS statements" or "CREATE VIEW `schema`.`view` AS statements",
    // backquotes inside the names doubled, whatever the dialect.
    Text build_sql_view(const char* user_schema, const char* view_name, const char* statements) override;

    // ---- copy hooks

    // A copied column: its name on the target (unquoted) and the column as the source
    // catalogue read it (none when the source has no column of that name).
    struct CopiedColumn {
        std::string name;
        gobj::Ref<meta_model::MetaColumn> source;
    };
    // The table rows are copied into: schema and name on the target (unquoted), and the
    // copied columns in the order of the copied values.
    struct CopyTarget {
        std::string schema;
        std::string table;
        std::vector<CopiedColumn> columns;
        // Whether a copied column that the source knows passes `test`.
        template <class Test>
        bool any_source(Test&& test) const {
            for (const auto& column : columns)
                if (column.source && test(*column.source)) return true;
            return false;
        }
    };
    // Statements the caller runs on this statement's connection around the rows of one
    // table: `before` ahead of the first row (a failure fails the table), `after` once
    // the table is done, also when its copy failed, provided `before` ran whole (a
    // failure there is logged, not counted).
    struct CopySession {
        std::vector<std::string> before;
        std::vector<std::string> after;
    };
    // Asked before the rows of `target` are copied; may read the session through this
    // statement's connection to give back what `after` restores.
    virtual CopySession copy_session(const CopyTarget& target);
    // The clause every INSERT of copied rows carries between its column list and VALUES;
    // "" for none.
    virtual std::string copy_insert_clause(const CopyTarget& target);
    // Statements run once the rows are in, before `after` (a failure fails the table); may
    // read the catalogue through this statement's connection.
    virtual std::vector<std::string> after_copy(const CopyTarget& target);
    // How many copied rows one INSERT may carry; 1 (the default) sends each row alone. A
    // product whose multi-row INSERT is all or nothing gives more, so that a refused
    // statement can be sent again row by row with the outcome of single rows.
    virtual int copy_rows_per_insert(const CopyTarget& target);
    // Whether copied rows of `target` may go in a transaction of several statements that a
    // refusal rolls back whole, so that they can be sent again row by row with the outcome
    // of rows sent alone. False (the default) where a rollback might keep some of them.
    virtual bool copy_in_transaction(const CopyTarget& target);
    // One INSERT of `rows` (each its packed values, in the order of `columns`, the target's
    // quoted names) into `target`, with `clause` (copy_insert_clause) before VALUES:
    // "INSERT INTO name(a, b) clause VALUES(1, 'x'), (2, 'y');".
    std::string copy_insert_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                                 const std::vector<std::vector<std::string>>& rows, const std::string& clause);
    // Writes `rows` (as copy_insert_rows takes them) into `target` through the product's
    // own bulk path where that stores what their INSERTs with `clause` would: the rows
    // written, or -1 (the default) when it cannot say so for these rows. All or nothing;
    // a refusal is thrown.
    virtual gint64 copy_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                             const std::vector<std::vector<std::string>>& rows, const std::string& clause);
    // `rows` in one go on this statement's connection: copy_rows where it takes them, else
    // one INSERT of them all. The rows written; a refusal is thrown and leaves none.
    gint64 send_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                     const std::vector<std::vector<std::string>>& rows, const std::string& clause);

    // Rows of one target gathered for send_rows: at most the dialect's rows per statement
    // (copy_rows_per_insert) and about 1 MiB of values, below the servers' packet limits.
    struct CopyGroup {
        static constexpr std::size_t kMaxBytes = 1 << 20;
        std::vector<std::vector<std::string>> rows;
        std::size_t bytes = 0;
        // Whether one more row of `size` bytes of values joins the rows held.
        bool takes(std::size_t size, std::size_t per_statement) const {
            return rows.empty() || (rows.size() < per_statement && bytes + size <= kMaxBytes);
        }
        void add(std::vector<std::string> row, std::size_t size) {
            bytes += size;
            rows.push_back(std::move(row));
        }
        void clear() {
            rows.clear();
            bytes = 0;
        }
        // The bytes of a row's values with their separators.
        static std::size_t size_of(const std::vector<std::string>& row) {
            std::size_t n = 2;
            for (const auto& value : row) n += value.size() + 2;
            return n;
        }
    };

    // ---- structure hooks

    // Whether a table patch can put a column at any place in its table (an ALTER that
    // says where, or a rebuild). Where it cannot, the order of columns alone is no
    // difference between two tables: nothing could make it go.
    virtual bool places_columns() const;

    // Our C++ statement behind an interface reference, through the bridge's checked cast;
    // none for a statement a host implemented (or no statement).
    static Statement* of(const gobj::Ref<contracts::database::IStatement>& statement);

protected:
    // After a passed argument test, the empty text of a listing with its column set to 0
    // (when asked for); no text otherwise.
    static Text listing_if(bool given, gint* name_column);
    // The quoted table name of the row texts: this object's quoting of table and schema.
    std::string row_name(const char* schema, const char* table);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseStatement, tarvelin::rezezadovu::supports::database::Statement)
