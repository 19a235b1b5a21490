// The catalogue reader of servers of major version 10 and below: the routine detail
// query without the native-compilation column, and the table trigger list from a query
// that joins the trigger events (each trigger is still listed once). Everything else is
// the plain adapter's. Single thread per call, as the plain adapter.
#pragma once

#include "rezezadovu/supports/database/sqlserver/adapter.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLServerAdapterV10x : public SQLServerAdapter {
public:
    static GType gtype();
    static gobj::Ref<SQLServerAdapterV10x> create(GType type, CConnection* connection);

    void fill_meta_function(MetaFunction* function) override;
    gobj::Ref<MetaTable> fill_schema_table_trigger(MetaTable* table) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x,
                     tarvelin::rezezadovu::supports::database::SQLServerAdapterV10x)
