// The SQLite DDL builder: CREATE TABLE with its indexes and triggers, views, indexes,
// triggers, schema and database scripts, DROP texts, the patch chosen by an object's
// change state, and the rebuild of a changed table (moved aside as a backup copy, made
// anew, its rows copied back).
//
// Every name is written through SQLiteStatement::quoted, whatever it holds. A part of an
// index key, a unique constraint or an UPDATE OF list that names a column of the table
// (alone, or before COLLATE, ASC or DESC) is such a name; a foreign key's columns are all
// names. Expressions, defaults, checks, conditions and bodies are SQL and are written as
// stored.
//
// Callers serialise: it reads the objects it is given and changes a few (a table's
// "AUTOINCREMENT" option, the column order and "BACKUP" mark of a rebuilt table, the
// table order of a schema).
#pragma once

#include <tarvelin/rezezadovu/sqlite.h>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLiteBuilder : public SqlBuilder {
public:
    using Text = contracts::database::Text;

    static GType gtype();
    static gobj::Ref<SQLiteBuilder> create(GType type, CConnection* connection);

    Text build_create(meta_model::MetaObject* meta_object, bool raw_types) override;
    Text build_delete(meta_model::MetaObject* meta_object) override;
    // INSERT creates, DELETE drops; UPDATE rebuilds a table and drops and re-creates a
    // view, function or event; users and roles are created whatever their state.
    Text build_patch(meta_model::MetaObject* meta_object, bool raw_types) override;
    Text create_database(meta_model::MetaDatabase* database, bool raw_types) override;
    // Tables in dependence order, then views.
    Text build_schema(meta_model::MetaSchema* schema, bool raw_types) override;
    // CREATE TABLE, its indexes and its triggers.
    Text build_table(meta_model::MetaTable* table, bool raw_types) override;
    Text build_view(meta_model::MetaView* view) override;
    // The table's columns, which tell the key parts and UPDATE OF entries that are names,
    // are read from the builder's connection; without the table there, an entry that holds
    // no parenthesis, quote or operator is taken for a name.
    Text build_index(meta_model::MetaIndex* index) override;
    Text build_trigger(meta_model::MetaTrigger* trigger) override;
    // The rebuild script: foreign keys and reference rewriting off, then in one
    // transaction the table's indexes and triggers dropped, the table renamed to a backup
    // name unique in its schema and in this process (stored as the table's "BACKUP" data),
    // the table, indexes, constraints and triggers made anew (those in the DELETE state
    // left out), the rows copied from the backup by the columns' change states and the
    // backup dropped; then the switches turned back on. A statement that fails inside
    // the transaction is to be followed by a ROLLBACK (SyncJob does), which leaves the
    // table as it was.
    Text patch_table(meta_model::MetaTable* table) override;

private:
    std::string table_schema(meta_model::MetaTable& table, bool raw_types);
    std::string table_indexes(meta_model::MetaTable& table, bool skip_deleted);
    std::string table_triggers(meta_model::MetaTable& table, bool skip_deleted);
    std::string backup_name(meta_model::MetaTable& table);
    std::string table_transfer(meta_model::MetaTable& table);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteBuilder,
                     tarvelin::rezezadovu::supports::database::SQLiteBuilder)
