// PostgreSQL type knowledge: native type names to value types, GLib value types and
// default literals, value types back to PostgreSQL type names, and the dialect's choice
// lists (keywords, grouped column types, templates, catalogue queries).
//
// Thread-safe: fixed tables; the connection link is set once and never read.
#pragma once

#include <tarvelin/rezezadovu/postgresql.h>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT PostgreSQLInspector : public gobj::Object,
                                            public contracts::database::IInspectable,
                                            public ConnectionLink {
public:
    using DbMetaType = contracts::database::DbMetaType;
    using Text = contracts::database::Text;

    static GType gtype();
    static gobj::Ref<PostgreSQLInspector> create(GType type, CConnection* conn);

    std::vector<std::string> support(DbMetaType kind) override;
    Text get_type_default(const char* native_type) override;
    DataType get_data_type(const char* native_type) override;
    Text get_sql_type(DataType type) override;
    GType get_glib_type(const char* native_type) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLInspector,
                     tarvelin::rezezadovu::supports::database::PostgreSQLInspector)
