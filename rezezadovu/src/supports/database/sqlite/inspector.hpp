// The SQLite type knowledge: native type names to DataType and GLib types, DataType to
// SQLite type names, default literals per native type, and the choice lists a user
// interface offers per DbMetaType. Native names match after UTF-8 upper-casing, exactly
// (VARCHAR(20) matches nothing).
//
// Thread-safe: stateless apart from its (weak) connection link, which nothing reads.
#pragma once

#include <tarvelin/rezezadovu/sqlite.h>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLiteInspector : public gobj::Object,
                                        public contracts::database::IInspectable,
                                        public ConnectionLink {
public:
    using Text = contracts::database::Text;
    using DbMetaType = contracts::database::DbMetaType;
    static GType gtype();
    static gobj::Ref<SQLiteInspector> create(GType type, CConnection* conn);

    std::vector<std::string> support(DbMetaType kind) override;
    // "''" for TEXT, VARCHAR and unknown names, "0" for INTEGER, "0.0" for NUMERIC and
    // REAL, "0x0" for BLOB.
    Text get_type_default(const char* native_type) override;
    DataType get_data_type(const char* native_type) override;
    Text get_sql_type(DataType type) override;
    GType get_glib_type(const char* native_type) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteInspector,
                     tarvelin::rezezadovu::supports::database::SQLiteInspector)
