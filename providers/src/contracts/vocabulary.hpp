// Value types, change states and catalogue object kinds.
// Thread-safe: each type registers once, on first use.
#pragma once

#include <tarvelin/providers/vocabulary.h>

#include <optional>
#include <string>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::providers::contracts {

using DataType = TarvelinProvidersContractsDataType;
using DataVersion = TarvelinProvidersContractsDataVersion;
using DBObject = TarvelinProvidersContractsDBObject;

TARVELIN_EXPORT GType data_type_gtype();
TARVELIN_EXPORT GType data_version_gtype();
TARVELIN_EXPORT GType db_object_gtype();

// The nick of a member; none for a number that is not one.
TARVELIN_EXPORT std::optional<std::string> data_type_to_string(DataType type);
TARVELIN_EXPORT std::optional<std::string> db_object_to_string(DBObject kind);
// Every change state but INITIAL.
TARVELIN_EXPORT DataVersion data_version_all();
// The upper-case nick of the first state set, in the order IDENTICAL, DELETE, INSERT,
// UPDATE (0 is INITIAL); none when no known bit is set.
TARVELIN_EXPORT std::optional<std::string> data_version_to_string(DataVersion version);
// The GLib type a cell of this data type converts to.
TARVELIN_EXPORT GType glib_type_of(DataType type);
// The data type of a GLib type: GLib's fundamental types, then some registered names.
TARVELIN_EXPORT DataType data_type_of(GType type);

}  // namespace tarvelin::providers::contracts
