// The catalogue reader of 9.x servers: table options come with WITH_OIDS (relhasoids)
// and without the partition columns 9.x does not have. Single thread, as its parent.
#pragma once

#include "rezezadovu/supports/database/postgresql/postgres_adapter_11x.hpp"

namespace tarvelin::rezezadovu::supports::database::postgresql {

class TARVELIN_EXPORT PostgreSQLAdapterV9x : public PostgreSQLAdapterV11x {
public:
    static GType gtype();
    static gobj::Ref<PostgreSQLAdapterV9x> create(GType type, CConnection* connection);

    gobj::Ref<MetaTable> fill_schema_table_options(MetaTable* table) override;
};

}  // namespace tarvelin::rezezadovu::supports::database::postgresql

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x,
                     tarvelin::rezezadovu::supports::database::postgresql::PostgreSQLAdapterV9x)
