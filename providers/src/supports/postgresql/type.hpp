// The PostgreSQL type OIDs the driver knows: their enumeration, data types and names.
#pragma once

#include <tarvelin/providers/postgresql.h>

#include <string>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::postgresql {

using PostgreSQLType = TarvelinProvidersSupportsPostgreSQLType;
TARVELIN_EXPORT GType postgresql_type_gtype();

class TARVELIN_EXPORT IPostgreSQLType : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsIPostgreSQLTypeInterface;
    static GType gtype();

    // UNKNOWN and the empty name for an OID the driver does not know.
    static contracts::DataType map_data_type(guint oid);
    static std::string map_dbms_type(guint oid);
};

}  // namespace tarvelin::providers::supports::postgresql
