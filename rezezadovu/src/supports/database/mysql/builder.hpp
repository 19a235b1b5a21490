// The MySQL DDL builder: CREATE, ALTER and DROP texts for tables (with their columns,
// primary key, indexes, foreign keys, checks, options and triggers), stand-alone indexes,
// views, schemas and databases, routines and the statement that calls one, triggers,
// events, accounts and roles. It runs nothing; it reads the connection's inspector (for
// mapped types) and version text (ENCRYPTION only for 8.x, ENFORCED only for MySQL 8).
//
// A create text writes every member not being deleted; an alter text (patch_table) lists
// the members being dropped, added or changed, and is "" when there are none. Names, and
// index entries that name a column, are backquoted and values quoted through
// MySQLStatement::quoted and literal; expressions, bodies, defaults and enum values are
// SQL and are written as stored.
//
// Callers serialise: the builder holds nothing, but build_schema reorders the schema's
// tables in place (dependencies first).
#pragma once

#include <tarvelin/rezezadovu/mysql.h>

#include "rezezadovu/supports/database/sql_builder.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLBuilder : public SqlBuilder {
public:
    static GType gtype();
    static gobj::Ref<MySQLBuilder> create(GType type, CConnection* connection);

    Text build_create(meta_model::MetaObject* meta_object, bool raw_types) override;
    Text build_delete(meta_model::MetaObject* meta_object) override;
    Text build_patch(meta_model::MetaObject* meta_object, bool raw_types) override;
    Text alter_database(meta_model::MetaDatabase* database_old, meta_model::MetaDatabase* database_new) override;
    Text create_database(meta_model::MetaDatabase* database, bool raw_types) override;
    // Tables (dependencies first), views, functions and procedures.
    Text build_schema(meta_model::MetaSchema* schema, bool raw_types) override;
    Text build_table(meta_model::MetaTable* table, bool raw_types) override;
    Text build_view(meta_model::MetaView* view) override;
    Text build_index(meta_model::MetaIndex* index) override;
    Text build_trigger(meta_model::MetaTrigger* trigger) override;
    Text build_function(meta_model::MetaFunction* function) override;
    // A password equal to the attribute "AUTHENTICATION_STRING" (the stored hash, as read)
    // is written IDENTIFIED WITH <plugin> AS '<hash>', so a copied account keeps it.
    Text build_user(meta_model::MetaUser* user) override;
    Text build_role(meta_model::MetaRole* role) override;
    // "SELECT `schema`.`f`(args)" or "CALL `schema`.`p`(args)", after a "SET @name = value;"
    // line for each INOUT parameter.
    Text build_caller(meta_model::MetaFunction* function) override;
    Text build_event(meta_model::MetaEvent* event) override;
    Text patch_event(meta_model::MetaEvent* event) override;
    // Always the stored raw types.
    Text patch_table(meta_model::MetaTable* table) override;
    Text patch_view(meta_model::MetaView* view) override;

    // An option's value as a table option clause writes it: quoted for COMPRESSION,
    // DATA DIRECTORY, INDEX DIRECTORY and ENCRYPTION, as given otherwise.
    Text option_format(const char* key, const char* value);

private:
    std::string table_text(meta_model::MetaTable& table, bool raw_types, bool alter);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLBuilder,
                     tarvelin::rezezadovu::supports::database::MySQLBuilder)
