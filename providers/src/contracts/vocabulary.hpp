// Value types, change states and catalogue object kinds.
// Thread-safe: each type registers once, on first use.
#pragma once

#include <tarvelin/providers/vocabulary.h>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::providers::contracts {

using DataType = TarvelinProvidersContractsDataType;
using DataVersion = TarvelinProvidersContractsDataVersion;
using DBObject = TarvelinProvidersContractsDBObject;

TARVELIN_EXPORT GType data_type_gtype();
TARVELIN_EXPORT GType data_version_gtype();
TARVELIN_EXPORT GType db_object_gtype();

}  // namespace tarvelin::providers::contracts
