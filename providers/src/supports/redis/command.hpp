// A command text as the argument vector Redis receives.
#pragma once

#include <string>
#include <vector>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::supports::redis {

// Splits at white space, as redis-cli does: "double quotes" take the escapes \" \\ \n
// \r \t \b \a and \xHH, 'single quotes' only \'; a closing quote must end the argument.
// Throws the "Redis" error -1 for unbalanced quotes and for a text without arguments.
TARVELIN_EXPORT std::vector<std::string> split_command(const std::string& text);

}  // namespace tarvelin::providers::supports::redis
