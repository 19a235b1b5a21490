// The SQLite catalogue reader: fills databases (pragmas and attached schemas), schemas
// (pragmas, tables and views), tables (columns; with the deep flag also indexes, triggers,
// foreign keys, unique and check constraints and options), views, indexes and triggers
// in place, from an open SQLite connection.
//
// Every fill marks its object "FILLED" only when all of its steps succeeded; the first
// failing query ends it with the connection's error and leaves the object unmarked. A
// fill of an unmarked object first empties the lists it fills, so filling again after a
// failure adds no duplicates. A table is read in its own schema (an attached database
// or temp as well as main).
//
// Callers serialise: it uses its connection and the objects it fills from the caller's
// thread.
#pragma once

#include <tarvelin/rezezadovu/sqlite.h>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/supports/database/adapter.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLiteAdapter : public Adapter {
public:

    static GType gtype();
    static gobj::Ref<SQLiteAdapter> create(GType type, CConnection* connection);

    // Pragmas as attributes and the schemas of PRAGMA database_list; with deep, each schema.
    void fill_meta_database(meta_model::MetaDatabase* database, bool deep) override;
    // Pragmas as attributes and the tables and views; with deep, each table and view.
    void fill_meta_schema(meta_model::MetaSchema* schema, bool deep) override;
    // A marked table is left as it is, also by a deep fill.
    void fill_meta_table(meta_model::MetaTable* table, bool deep) override;
    void fill_meta_view(meta_model::MetaView* view) override;
    void fill_meta_index(meta_model::MetaIndex* index) override;
    // A trigger that does not exist: a critical, and the trigger stays unmarked.
    void fill_meta_trigger(meta_model::MetaTrigger* trigger) override;
    // By the object's kind: database, schema, table, view, index or trigger; other kinds
    // are left alone.
    void fill_meta_object(meta_model::MetaObject* meta_object, bool deep) override;

private:
    void fill_columns(meta_model::MetaTable& table);
    void fill_indexes_and_triggers(meta_model::MetaTable& table);
    void fill_foreign_keys(meta_model::MetaTable& table);
    // Unique and check constraints and the table options, from the stored CREATE TABLE.
    void fill_stored_table(meta_model::MetaTable& table);
    // The unique constraints: SQLite's indexes for them, named from the stored text `sql`.
    void fill_uniques(meta_model::MetaTable& table, const std::string& sql);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteAdapter,
                     tarvelin::rezezadovu::supports::database::SQLiteAdapter)
