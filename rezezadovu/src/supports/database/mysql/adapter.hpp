// The MySQL catalogue reader for 8.x servers (and the default for every server whose
// version text does not begin "5."): fills databases, schemas, tables, views, indexes,
// triggers, routines, events, accounts and roles in place from information_schema, SHOW
// statements and the mysql schema. A MySQL database is one schema of the same name.
//
// A deep schema fill reads each kind of row (columns, triggers, foreign keys, checks, table
// status, routines, parameters, events) once for the whole schema and hands each object
// its share; indexes are read table by table with SHOW INDEX, whose order and visibility
// column MySQL 8's STATISTICS view does not give.
//
// Marks: an object is marked "FILLED" only after every step of its fill succeeded, and a
// marked object is not read again until reset; an event is read on every call and never
// marked. A fill of an unmarked object first empties the lists it reads, so a fill that
// failed half-way and is repeated adds nothing twice. Query errors are thrown unchanged;
// a result with fewer rows than a fill needs logs a critical naming the condition and
// leaves the object unmarked.
//
// Callers serialise: the reader holds nothing, but the objects it fills change in place.
#pragma once

#include <tarvelin/rezezadovu/mysql.h>

#include <memory>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/adapter.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLAdapterV8x : public Adapter {
public:
    using MetaTable = meta_model::MetaTable;
    static GType gtype();
    static gobj::Ref<MySQLAdapterV8x> create(GType type, CConnection* connection);

    // Database attributes ("CHARACTER SET", "COLLATE", "ENCRYPTION") and its one schema.
    void fill_meta_database(meta_model::MetaDatabase* database, bool deep) override;
    // Tables, views, functions, procedures and events; deep: each of them filled.
    void fill_meta_schema(meta_model::MetaSchema* schema, bool deep) override;
    // Columns; deep: also indexes, triggers, foreign keys, checks and table options.
    void fill_meta_table(meta_model::MetaTable* table, bool deep) override;
    void fill_meta_view(meta_model::MetaView* view) override;
    void fill_meta_index(meta_model::MetaIndex* index) override;
    void fill_meta_trigger(meta_model::MetaTrigger* trigger) override;
    // Functions and procedures alike.
    void fill_meta_function(meta_model::MetaFunction* function) override;
    void fill_meta_user(meta_model::MetaUser* user) override;
    void fill_meta_role(meta_model::MetaRole* role) override;
    void fill_meta_event(meta_model::MetaEvent* event) override;
    // By the object's kind: database, event, function, procedure, index, role, schema,
    // table, trigger, user, view; other kinds read nothing.
    void fill_meta_object(meta_model::MetaObject* meta_object, bool deep) override;

    // Role memberships of the account, in both directions, into its "relations" map.
    virtual void load_relation(meta_model::MetaUser* user);
    // Appends the table's CHECK constraints; a new reference to the table.
    virtual gobj::Ref<MetaTable> fill_schema_table_check(MetaTable* table);
    // Engine, row format, average row length, collation and character set, and the create
    // options, into the table's options; its comment. A new reference to the table.
    gobj::Ref<MetaTable> fill_schema_table_options(MetaTable* table);

protected:
    // The database fill of both readers: 8.x reads DEFAULT_ENCRYPTION and goes on without
    // a SCHEMATA row; 5.x reads no encryption and needs exactly one row.
    void read_database(meta_model::MetaDatabase& database, bool deep, bool v5x);
    // The schema being read deep, with the results read for it so far: each kind of its
    // objects' rows is read once for the whole schema.
    dialect::SchemaRows* reading() { return reading_.get(); }

private:
    std::unique_ptr<dialect::SchemaRows> reading_;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x,
                     tarvelin::rezezadovu::supports::database::MySQLAdapterV8x)
