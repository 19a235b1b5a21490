// The PostgreSQL catalogue reader: fills databases, schemas, tables (columns, primary
// key, indexes, triggers, constraints, rules, options), views, indexes, triggers and
// routines, roles and users in place from the server's catalogue, and marks each object
// it filled
// completely with the object data "FILLED" (a marked object is not read again until it
// is reset; a table filled without the deep flag is marked all the same).
//
// It serves 10.x, 11.x, 13.x and later servers; PostgreSQLAdapterV9x and
// PostgreSQLAdapterV12x override the table readers of slots 14 to 17. Fills reach one
// another through the virtuals, so a V12x table fill runs V12x's readers.
//
// A deep fill of a schema (or of a database, schema by schema) reads each kind of its
// objects' rows (columns, keys, indexes and their entries, triggers, constraints, rules,
// options, sequences, types, views, routines) with one query for the whole schema and
// hands each object its share; a fill of one object runs that object's own queries. The
// same code turns a row into attributes on both ways.
//
// Every query runs through the connection's execute_as_model on the caller's thread; the
// first error ends the fill and reaches the caller as the driver gave it, and what was
// written before it stays. Names go into the queries as escaped literals.
//
// Single thread: a reader and the objects it fills are used by one thread at a time.
#pragma once

#include <tarvelin/rezezadovu/postgresql.h>

#include <array>
#include <map>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "providers/contracts/model_table.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/supports/database/adapter.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT PostgreSQLAdapterV11x : public Adapter {
public:
    using MetaObject = meta_model::MetaObject;
    using MetaDatabase = meta_model::MetaDatabase;
    using MetaSchema = meta_model::MetaSchema;
    using MetaTable = meta_model::MetaTable;
    using MetaView = meta_model::MetaView;
    using MetaIndex = meta_model::MetaIndex;
    using MetaTrigger = meta_model::MetaTrigger;
    using MetaFunction = meta_model::MetaFunction;
    using Text = contracts::database::Text;

    static GType gtype();
    static gobj::Ref<PostgreSQLAdapterV11x> create(GType type, CConnection* connection);

    void fill_meta_database(MetaDatabase* database, bool deep) override;
    void fill_meta_schema(MetaSchema* schema, bool deep) override;
    void fill_meta_table(MetaTable* table, bool deep) override;
    void fill_meta_view(MetaView* view) override;
    void fill_meta_index(MetaIndex* index) override;
    void fill_meta_trigger(MetaTrigger* trigger) override;
    void fill_meta_function(MetaFunction* function) override;
    // An account's flags, limits, password and comment (attributes), its memberships in
    // both directions (relations "role=member" -> admin option) and its rights on
    // databases, tablespaces, schemas, relations, columns, routines, languages and
    // foreign servers and wrappers (privileges "KIND=object" -> decoded rights).
    void fill_meta_user(meta_model::MetaUser* user) override;
    void fill_meta_role(meta_model::MetaRole* role) override;
    // Dispatches by the object's kind to the fills above (the deep flag goes to
    // databases, schemas and tables); other kinds do nothing.
    void fill_meta_object(MetaObject* meta_object, bool deep) override;

    // Slots 14 to 17: each returns the table it was given.
    virtual gobj::Ref<MetaTable> fill_schema_table_foreign(MetaTable* table);
    virtual gobj::Ref<MetaTable> fill_schema_table_check(MetaTable* table);
    virtual gobj::Ref<MetaTable> fill_schema_table_unique(MetaTable* table);
    virtual gobj::Ref<MetaTable> fill_schema_table_options(MetaTable* table);

    // "NO ACTION", "CASCADE", "SET DEFAULT", "SET NULL", "RESTRICT" for a, c, d, n, r.
    Text get_full_action_name(const char* action);

    // The access-list letters and the privileges they stand for, in the order decoded
    // rights are written.
    static const std::array<std::pair<const char*, const char*>, 12> PRIVILEGE_SIMPLE;
    // The rights `username` holds in an access list ({alice=arwdDxt/alice,...}, array
    // quoting and quoted names understood): "SELECT=true,UPDATE=false" (true with grant
    // option), "" when the list has no item of that account.
    Text extract_and_translate_privilege(const char* privileges, const char* username);

protected:
    // The rows of one catalogue query, read by column name; errors are thrown as the
    // driver gave them.
    dialect::CatalogRows query(const std::string& sql);
    // The connection's server version text ("" without a connection).
    std::string server_version();
    // A table's rows of one kind: its share of the schema-wide result of `sql` (given no
    // table) while its schema is read deep, else the result of `sql` for the table alone.
    // Rows of the schema-wide result are told apart by `key_column`, the table's name.
    using TableQuery = std::function<std::string(std::optional<std::string_view>)>;
    dialect::ObjectRows table_rows(MetaTable& table, std::string_view kind, std::string_view key_column,
                                   const TableQuery& sql);

    // The readers the version subclasses share with different query forms.
    void read_checks(MetaTable& table);
    // 12.x servers are asked without the check-source column.
    void read_foreign_keys(MetaTable& table, bool with_check_source);
    void read_uniques(MetaTable& table);
    void read_options(MetaTable& table, bool with_oids);
    // A slot 14 to 17 reader's frame: the table checked, read, and handed back.
    template <class Read>
    gobj::Ref<MetaTable> read_into(MetaTable* table, Read&& read) {
        if (!TARVELIN_GIVEN(table)) return {};
        read(*table);
        return gobj::Ref<MetaTable>::retain(table->gobj());
    }

private:
    // An identity column as the columns query gives it, before its sequence is known.
    struct Identity {
        gobj::Ref<meta_model::MetaColumn> column;
        std::string generation;
        postgresql::SequenceParameters parameters;
    };
    // Columns whose default calls a sequence owned by them, and identity columns, are
    // auto-increment; a column whose default calls any sequence keeps it in the option
    // "SEQUENCE.<column>" (so a script can make it), an identity column its sequence's
    // options in its identity text.
    void fill_schema_table_columns(MetaTable& table);
    void read_sequences(MetaTable& table, const std::vector<Identity>& identities);
    // The enum and domain types the table's columns use, as the table options
    // "TYPE.<position> <qualified name>", so that a script makes them first.
    void read_user_types(MetaTable& table);
    void fill_schema_table_primary(MetaTable& table);
    void fill_schema_table_index(MetaTable& table);
    void fill_schema_table_trigger(MetaTable& table);
    void fill_schema_table_exclude(MetaTable& table);
    void fill_schema_table_rule(MetaTable& table);
    // The schema's routines, materialized views, tables and views.
    void read_schema_lists(MetaSchema& schema);
    // Walks into the schema's tables (deep), views and functions, reading each kind of
    // their rows once for the whole schema.
    void descend(MetaSchema& schema);
    // The rows of one kind of the object `key` of `schema`: during a deep read of that
    // schema its share of the result of `all` (run on first use, rows told apart by
    // `key_column`), else the result of `one`.
    dialect::ObjectRows rows_of(const std::string& schema, const std::string& key, std::string_view kind,
                                std::string_view key_column, const std::function<std::string()>& one,
                                const std::function<std::string()>& all);
    // The qualified names of type oids a routine of `schema` uses (oid -> name).
    std::map<std::string, std::string> type_names(const std::string& schema, const std::vector<std::string>& oids);

    // The schema being read deep, with the results read for it so far.
    std::unique_ptr<dialect::SchemaRows> reading_;
    // The account fill both account classes share.
    void fill_account(MetaObject& account, GeeMap* relations, GeeMap* privileges,
                      const std::function<void(const std::string&)>& set_password);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x,
                     tarvelin::rezezadovu::supports::database::PostgreSQLAdapterV11x)
