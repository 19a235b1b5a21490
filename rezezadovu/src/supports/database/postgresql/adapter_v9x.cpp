#include "rezezadovu/supports/database/postgresql/adapter_v9x.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("postgres_adapter")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(PostgreSQLAdapterV9x, "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x", PostgreSQLAdapterV11x)

gobj::Ref<PostgreSQLAdapterV9x> PostgreSQLAdapterV9x::create(GType type, CConnection* connection) {
    return create_linked<PostgreSQLAdapterV9x>(type, connection);
}

gobj::Ref<PostgreSQLAdapterV9x::MetaTable> PostgreSQLAdapterV9x::fill_schema_table_options(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_options(t, true); });
}

}  // namespace tarvelin::rezezadovu::supports::database
