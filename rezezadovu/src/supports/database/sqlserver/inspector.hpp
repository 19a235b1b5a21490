// The SQL Server type knowledge and choice lists (IInspectable): native type names to
// value types, GLib types and neutral defaults, value types to SQL type names, and for
// each kind of choice list its fixed entries or the catalogue query that yields them.
// Pure table lookups: no state is read and no SQL runs.
//
// Thread-safe (constant tables; the connection link is never read).
#pragma once

#include <tarvelin/rezezadovu/sqlserver.h>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLServerInspector : public gobj::Object,
                                           public contracts::database::IInspectable,
                                           public ConnectionLink {
public:
    using Text = contracts::database::Text;
    using DbMetaType = contracts::database::DbMetaType;

    static GType gtype();
    static gobj::Ref<SQLServerInspector> create(GType type, CConnection* conn);

    // The entries of `kind` in order; no entries for a kind SQL Server does not offer.
    std::vector<std::string> support(DbMetaType kind) override;
    // Names are compared upper-cased and otherwise exactly ("nvarchar(50)" matches nothing).
    Text get_type_default(const char* native_type) override;
    DataType get_data_type(const char* native_type) override;
    // "VARCHAR" for the types without a SQL Server name.
    Text get_sql_type(DataType type) override;
    GType get_glib_type(const char* native_type) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerInspector,
                     tarvelin::rezezadovu::supports::database::SQLServerInspector)
