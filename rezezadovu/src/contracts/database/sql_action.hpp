// The kinds of statement (nothing, insert, update, delete, schema, feature) and their
// text form. Thread-safe (constant data).
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include <optional>
#include <string>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::contracts::database {

using SqlAction = TarvelinRezezadovuContractsDatabaseSqlAction;

TARVELIN_EXPORT GType sql_action_gtype();
// The member's nick ("delete" for DELETE); a value outside the enumeration has none.
TARVELIN_EXPORT std::optional<std::string> sql_action_to_string(SqlAction value);

}  // namespace tarvelin::rezezadovu::contracts::database
