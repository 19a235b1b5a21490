// db-lib column types to DataType, type name and bind type.
#pragma once

#include <tarvelin/providers/sqlserver.h>

#include <string>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::sqlserver {

class TARVELIN_EXPORT ISQLServerType : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsISQLServerTypeInterface;
    static GType gtype();

    // `type` as dbcoltype reports it, `length` as dbcollen does.
    static contracts::DataType map_data_type(int type, int length);
    static std::string map_dbms_type(int type, int length);
    static int map_bind_type(int type);
};

}  // namespace tarvelin::providers::supports::sqlserver
