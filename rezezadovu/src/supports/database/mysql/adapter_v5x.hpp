// The MySQL catalogue reader for 5.x servers: the 8.x reader without what 5.x lacks. A
// database has no DEFAULT_ENCRYPTION (and must be found, or nothing is read), tables
// have no CHECK constraints and accounts no role memberships.
//
// Callers serialise, as for the 8.x reader.
#pragma once

#include "rezezadovu/supports/database/mysql/adapter.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLAdapterV5x : public MySQLAdapterV8x {
public:
    static GType gtype();
    static gobj::Ref<MySQLAdapterV5x> create(GType type, CConnection* connection);

    void fill_meta_database(meta_model::MetaDatabase* database, bool deep) override;
    // Reads nothing; a new reference to the table.
    gobj::Ref<MetaTable> fill_schema_table_check(MetaTable* table) override;
    // Reads nothing.
    void load_relation(meta_model::MetaUser* user) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x,
                     tarvelin::rezezadovu::supports::database::MySQLAdapterV5x)
