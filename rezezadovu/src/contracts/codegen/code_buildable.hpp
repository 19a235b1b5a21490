// The code-generation contracts, for hosts only.
#pragma once

#include <tarvelin/rezezadovu/codegen.h>

#include "providers/gobj/register.hpp"

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

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsCodeGenIAppCodeBuildableInterface,
                     tarvelin::rezezadovu::contracts::codegen::IAppCodeBuildable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsCodeGenIAppCodeBuildable,
                     tarvelin::rezezadovu::contracts::codegen::IAppCodeBuildable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsCodeGenISqlCodeBuildableInterface,
                     tarvelin::rezezadovu::contracts::codegen::ISqlCodeBuildable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsCodeGenISqlCodeBuildable,
                     tarvelin::rezezadovu::contracts::codegen::ISqlCodeBuildable)
