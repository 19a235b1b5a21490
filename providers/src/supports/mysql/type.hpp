// The field-type map of the MySQL driver, an interface without virtual operations.
#pragma once

#include <tarvelin/providers/mysql.h>

#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::mysql {

class TARVELIN_EXPORT IMySQLType : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsIMySQLTypeInterface;
    static GType gtype();
};

}  // namespace tarvelin::providers::supports::mysql
