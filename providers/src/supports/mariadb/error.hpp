// The error helpers of the MariaDB driver, an interface without virtual operations.
#pragma once

#include <tarvelin/providers/mariadb.h>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::providers::supports::mariadb {

class TARVELIN_EXPORT IMariaDBError : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsIMariaDBErrorInterface;
    static GType gtype();
};

}  // namespace tarvelin::providers::supports::mariadb
