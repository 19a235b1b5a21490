#include "rezezadovu/supports/database/sqlserver/adapter_v10x.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/sqlserver/catalog.hpp"

TARVELIN_LOG_TAG("adapter_10x")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(SQLServerAdapterV10x, "TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x", SQLServerAdapter)

gobj::Ref<SQLServerAdapterV10x> SQLServerAdapterV10x::create(GType type, CConnection* connection) {
    return create_linked<SQLServerAdapterV10x>(type, connection);
}

// The detail query lacks the native-compilation column.
void SQLServerAdapterV10x::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    fill_routine(*function, sqlserver::kRoutineV10x);
}

// The trigger list also joins the trigger events, so a trigger comes once per event.
gobj::Ref<SQLServerAdapter::MetaTable> SQLServerAdapterV10x::fill_schema_table_trigger(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    return fill_triggers(*table, sqlserver::kTableTriggersV10x);
}

}  // namespace tarvelin::rezezadovu::supports::database
