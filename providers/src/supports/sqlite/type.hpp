// The data type and type name of each SQLite storage class.
#pragma once

#include <tarvelin/providers/sqlite.h>

#include <string>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::sqlite {

class TARVELIN_EXPORT ISQLiteType : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsISQLiteTypeInterface;
    static GType gtype();

    // `type` is a storage class as sqlite3_column_type reports it (1 to 5).
    static contracts::DataType map_data_type(int type);
    static std::string map_dbms_type(int type);
};

}  // namespace tarvelin::providers::supports::sqlite
