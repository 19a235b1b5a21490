// The error helpers of the MySQL driver, an interface without virtual operations.
#pragma once

#include <tarvelin/providers/mysql.h>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::providers::supports::mysql {

class TARVELIN_EXPORT IMySQLError : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsIMySQLErrorInterface;
    static GType gtype();
};

}  // namespace tarvelin::providers::supports::mysql
