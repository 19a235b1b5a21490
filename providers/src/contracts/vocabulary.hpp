// Value types, change states and catalogue object kinds.
// Thread-safe: each type registers once, on first use.
#pragma once

#include <tarvelin/providers/vocabulary.h>

#include <optional>
#include <string>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::contracts {

using DataType = TarvelinProvidersContractsDataType;
using DataVersion = TarvelinProvidersContractsDataVersion;
using DBObject = TarvelinProvidersContractsDBObject;

TARVELIN_EXPORT GType data_type_gtype();
TARVELIN_EXPORT GType data_version_gtype();
TARVELIN_EXPORT GType db_object_gtype();

// The conversions of a member take it as a number: a C caller may pass any, and one
// outside the enumeration is not a value of the enumeration type in C++.

// The nick of a member; none for a number that is not one.
TARVELIN_EXPORT std::optional<std::string> data_type_to_string(int type);
TARVELIN_EXPORT std::optional<std::string> db_object_to_string(int kind);
// Every change state but INITIAL.
TARVELIN_EXPORT DataVersion data_version_all();
// The upper-case nick of the first state set, in the order IDENTICAL, DELETE, INSERT,
// UPDATE (0 is INITIAL); none when no known bit is set.
TARVELIN_EXPORT std::optional<std::string> data_version_to_string(int version);
// The GLib type a cell of this data type converts to (a string for an unknown one).
TARVELIN_EXPORT GType glib_type_of(int type);
// The data type of a GLib type: GLib's fundamental types, then some registered names.
TARVELIN_EXPORT DataType data_type_of(GType type);

}  // namespace tarvelin::providers::contracts
