// The catalogue reader of 9.x servers: table options come with WITH_OIDS (relhasoids)
// and without the partition columns 9.x does not have. Single thread, as its parent.
#pragma once

#include "rezezadovu/supports/database/postgresql/adapter.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT PostgreSQLAdapterV9x : public PostgreSQLAdapterV11x {
public:
    static GType gtype();
    static gobj::Ref<PostgreSQLAdapterV9x> create(GType type, CConnection* connection);

    gobj::Ref<MetaTable> fill_schema_table_options(MetaTable* table) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x,
                     tarvelin::rezezadovu::supports::database::PostgreSQLAdapterV9x)
