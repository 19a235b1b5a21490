// The state of a connection: Unknown, Closed, Opened, Failed.
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::contracts::database {

using DBStatus = TarvelinRezezadovuContractsDatabaseDBStatus;
inline constexpr DBStatus kUnknown = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown;
inline constexpr DBStatus kClosed = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Closed;
inline constexpr DBStatus kOpened = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened;
inline constexpr DBStatus kFailed = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed;

TARVELIN_EXPORT GType db_status_gtype();

}  // namespace tarvelin::rezezadovu::contracts::database
