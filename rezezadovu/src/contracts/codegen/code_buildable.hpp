// The code-generation contracts, for hosts only.
#pragma once

#include <tarvelin/rezezadovu/codegen.h>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::rezezadovu::contracts::codegen {

class TARVELIN_EXPORT IAppCodeBuildable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsCodeGenIAppCodeBuildableInterface;
    static GType gtype();
};

class TARVELIN_EXPORT ISqlCodeBuildable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsCodeGenISqlCodeBuildableInterface;
    static GType gtype();
};

}  // namespace tarvelin::rezezadovu::contracts::codegen
