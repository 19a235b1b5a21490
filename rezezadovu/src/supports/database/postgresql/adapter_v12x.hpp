// The catalogue reader of 12.x servers: its own four table readers; the foreign-key query
// has no check-source column, so the columns after confmatchtype stand one lower.
// Single thread, as its parent.
#pragma once

#include "rezezadovu/supports/database/postgresql/adapter.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT PostgreSQLAdapterV12x : public PostgreSQLAdapterV11x {
public:
    static GType gtype();
    static gobj::Ref<PostgreSQLAdapterV12x> create(GType type, CConnection* connection);

    gobj::Ref<MetaTable> fill_schema_table_foreign(MetaTable* table) override;
    gobj::Ref<MetaTable> fill_schema_table_check(MetaTable* table) override;
    gobj::Ref<MetaTable> fill_schema_table_unique(MetaTable* table) override;
    gobj::Ref<MetaTable> fill_schema_table_options(MetaTable* table) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x,
                     tarvelin::rezezadovu::supports::database::PostgreSQLAdapterV12x)
