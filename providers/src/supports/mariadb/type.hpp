// The field-type map of the MariaDB driver, an interface without virtual operations.
#pragma once

#include <tarvelin/providers/mariadb.h>

#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::mariadb {

class TARVELIN_EXPORT IMariaDBType : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsIMariaDBTypeInterface;
    static GType gtype();
};

}  // namespace tarvelin::providers::supports::mariadb
