// The MariaDB catalogue readers: fill databases, schemas, tables, views, indexes,
// triggers, routines, events, accounts and roles in place from information_schema, SHOW
// statements and the mysql schema. A MariaDB database is one schema of the same name.
// MariaDBAdapter serves servers from 10.5.0 on; MariaDBAdapterBelowV105 differs only in
// reading no database comment (SCHEMATA has no SCHEMA_COMMENT before 10.5).
//
// Marks: an object is marked "FILLED" once its reading completed, and a marked object is
// not read again until reset; a marked database or schema filled deep still visits its
// children. A table read without the deep flag is marked after its columns. Events,
// load_relation and the two table operations are never marked and read again at every
// call. Readers append to the lists and set map entries; they remove nothing. A deep
// schema visits its tables, views, events and functions (procedures are read one by one).
//
// Query errors are thrown unchanged and leave the object unmarked with what was read
// before; a catalogue without the object read (no row) logs a critical naming the
// condition and leaves it unmarked. Names and values go into the queries quoted.
//
// A deep schema reads each kind of its tables', routines' and events' rows (columns,
// indexes, triggers, foreign keys, checks, table status, routines, parameters, events)
// with one query for the whole schema and hands each object its share; views are read
// one by one (SHOW CREATE VIEW), as is every object filled on its own.
//
// Callers serialise: the objects the reader fills change in place.
#pragma once

#include <tarvelin/rezezadovu/mariadb.h>

#include <memory>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/adapter.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MariaDBAdapter : public Adapter {
public:
    using MetaTable = meta_model::MetaTable;
    static GType gtype();
    static gobj::Ref<MariaDBAdapter> create(GType type, CConnection* connection);

    // Attributes "CHARACTER SET" and "COLLATE", the comment, and its one schema.
    void fill_meta_database(meta_model::MetaDatabase* database, bool deep) override;
    // Tables, views, functions, procedures and events; deep: tables, views, events and
    // functions filled.
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
    // By the object's kind: database, event, function, index, role, schema, table,
    // trigger, user, view; other kinds (procedures among them) read nothing.
    void fill_meta_object(meta_model::MetaObject* meta_object, bool deep) override;

    // The roles granted to the account into its "relations" map, "role=user@host" to
    // "true" with the admin option, "false" without.
    virtual void load_relation(meta_model::MetaUser* user);
    // Appends the table's CHECK constraints, each enforced; a new reference to the table.
    virtual gobj::Ref<MetaTable> fill_schema_table_check(MetaTable* table);
    // Engine, row format, average row length, collation and character set into the
    // table's options, and its comment, when SHOW TABLE STATUS finds exactly the table.
    // A new reference to the table.
    gobj::Ref<MetaTable> fill_schema_table_options(MetaTable* table);

protected:
    // The database fill of both readers; the comment only `with_comment`.
    void read_database(meta_model::MetaDatabase& database, bool deep, bool with_comment);

private:
    // The schema being read deep, with the results read for it so far: each kind of its
    // objects' rows is read once for the whole schema.
    std::unique_ptr<dialect::SchemaRows> reading_;
};

class TARVELIN_EXPORT MariaDBAdapterBelowV105 : public MariaDBAdapter {
public:
    static GType gtype();
    static gobj::Ref<MariaDBAdapterBelowV105> create(GType type, CConnection* connection);

    // As MariaDBAdapter's, without the comment: a comment set before stays.
    void fill_meta_database(meta_model::MetaDatabase* database, bool deep) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBAdapter,
                     tarvelin::rezezadovu::supports::database::MariaDBAdapter)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105,
                     tarvelin::rezezadovu::supports::database::MariaDBAdapterBelowV105)
