// The MariaDB DDL builder: CREATE, ALTER and DROP texts for tables (with their columns,
// primary key, indexes, foreign keys, checks, options and triggers), stand-alone indexes,
// views, schemas and databases, routines and the statement that calls one, triggers,
// events, accounts and roles. It runs nothing; it reads the connection's inspector for
// mapped types.
//
// A create text writes every member not being deleted and no drop lines; an alter text
// (patch_table) drops the members deleted or changed and writes the added and changed
// ones, and is "" when there are none. A single primary-key column carries PRIMARY KEY
// inline; a key over several columns is one PRIMARY KEY (...) entry in key order; alter
// texts leave the key alone. Names, and index entries that name a column, are backquoted
// and values quoted through MariaDBStatement::quoted and literal; accounts are written
// `user`@`host` (host "%" for a definer without one); expressions, bodies, defaults,
// types and option values are SQL and are written as stored. Bodies get the
// ";" their last statement lacks.
//
// Callers serialise: the builder holds nothing, but build_schema reorders the schema's
// tables in place (dependencies first).
#pragma once

#include <tarvelin/rezezadovu/mariadb.h>

#include "rezezadovu/supports/database/sql_builder.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MariaDBBuilder : public SqlBuilder {
public:
    static GType gtype();
    static gobj::Ref<MariaDBBuilder> create(GType type, CConnection* connection);

    // By kind; a procedure is built (and patched) as a function is.
    Text build_create(meta_model::MetaObject* meta_object, bool raw_types) override;
    Text build_delete(meta_model::MetaObject* meta_object) override;
    Text build_patch(meta_model::MetaObject* meta_object, bool raw_types) override;
    Text alter_database(meta_model::MetaDatabase* database_old, meta_model::MetaDatabase* database_new) override;
    // CREATE DATABASE (character set, collation, comment), then each schema's script.
    Text create_database(meta_model::MetaDatabase* database, bool raw_types) override;
    // Tables (dependencies first), views and functions; events and procedures are built
    // one by one.
    Text build_schema(meta_model::MetaSchema* schema, bool raw_types) override;
    Text build_table(meta_model::MetaTable* table, bool raw_types) override;
    Text build_view(meta_model::MetaView* view) override;
    Text build_index(meta_model::MetaIndex* index) override;
    Text build_trigger(meta_model::MetaTrigger* trigger) override;
    Text build_function(meta_model::MetaFunction* function) override;
    // IDENTIFIED BY the password for the "default" plugin, WITH unix_socket, or WITH the
    // plugin AS the authentication string as read; TLS requirement, the limits that have
    // a value, password expiry.
    Text build_user(meta_model::MetaUser* user) override;
    Text build_role(meta_model::MetaRole* role) override;
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

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBBuilder,
                     tarvelin::rezezadovu::supports::database::MariaDBBuilder)
