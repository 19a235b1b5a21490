// The libpq connection keywords of a server record.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "providers/contracts/face_server.hpp"

namespace tarvelin::providers::supports::postgresql {

using ConnectionParameters = std::vector<std::pair<std::string, std::string>>;

// Keyword/value pairs for PQconnectdbParams. Passed as separate values, a password or a
// path holding "@", "/", "?", "&" or blanks reaches the server as it is and cannot
// change any other parameter. Empty properties are left out (libpq's defaults apply).
TARVELIN_EXPORT ConnectionParameters connection_parameters(const contracts::Server& server);

}  // namespace tarvelin::providers::supports::postgresql
