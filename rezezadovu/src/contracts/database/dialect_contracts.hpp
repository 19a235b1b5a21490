// The contracts of the dialect objects a connection hands out: statement texts, catalogue
// adapter, DDL builder, explorer, inspector and SQL formatter. Registered here with their
// slots; code inside the system reaches an implementation only through the interface
// structure (the exported dispatchers), so a host's C implementation serves as well as a
// dialect's.
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::rezezadovu::contracts::database {

class TARVELIN_EXPORT IStatement : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIStatementInterface;
    static GType gtype();
};

class TARVELIN_EXPORT IAdaptable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIAdaptableInterface;
    static GType gtype();
};

class TARVELIN_EXPORT IBuildable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIBuildableInterface;
    static GType gtype();
};

class TARVELIN_EXPORT IExplorable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIExplorableInterface;
    static GType gtype();
};

class TARVELIN_EXPORT IInspectable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIInspectableInterface;
    static GType gtype();
};

class TARVELIN_EXPORT IFormattable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIFormattableInterface;
    static GType gtype();
};

}  // namespace tarvelin::rezezadovu::contracts::database
