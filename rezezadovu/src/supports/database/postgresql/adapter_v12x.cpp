#include "rezezadovu/supports/database/postgresql/adapter_v12x.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("postgres_adapter")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(PostgreSQLAdapterV12x, "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x", PostgreSQLAdapterV11x)

gobj::Ref<PostgreSQLAdapterV12x> PostgreSQLAdapterV12x::create(GType type, CConnection* connection) {
    return create_linked<PostgreSQLAdapterV12x>(type, connection);
}

gobj::Ref<PostgreSQLAdapterV12x::MetaTable> PostgreSQLAdapterV12x::fill_schema_table_foreign(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_foreign_keys(t, false); });
}

gobj::Ref<PostgreSQLAdapterV12x::MetaTable> PostgreSQLAdapterV12x::fill_schema_table_check(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_checks(t); });
}

gobj::Ref<PostgreSQLAdapterV12x::MetaTable> PostgreSQLAdapterV12x::fill_schema_table_unique(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_uniques(t); });
}

gobj::Ref<PostgreSQLAdapterV12x::MetaTable> PostgreSQLAdapterV12x::fill_schema_table_options(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_options(t, false); });
}

}  // namespace tarvelin::rezezadovu::supports::database
