#include "rezezadovu/supports/database/mysql/adapter_v5x.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("mysql_adapter_5x")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(MySQLAdapterV5x, "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x", MySQLAdapterV8x)

gobj::Ref<MySQLAdapterV5x> MySQLAdapterV5x::create(GType type, CConnection* connection) {
    return create_linked<MySQLAdapterV5x>(type, connection);
}

void MySQLAdapterV5x::fill_meta_database(meta_model::MetaDatabase* database, bool deep) {
    if (!TARVELIN_GIVEN(database)) return;
    read_database(*database, deep, true);
}

gobj::Ref<MySQLAdapterV5x::MetaTable> MySQLAdapterV5x::fill_schema_table_check(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    return gobj::Ref<MetaTable>(*table);
}

void MySQLAdapterV5x::load_relation(meta_model::MetaUser* user) { (void)TARVELIN_GIVEN(user); }

}  // namespace tarvelin::rezezadovu::supports::database
