// The cipher key carried in a server record's option text.
#pragma once

#include <string>
#include <string_view>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::supports::sqlite {

// The key of the first option token holding "PASSWORD=" (tokens are separated by
// commas, semicolons and blanks): the text between that token's first and second "=".
// Empty when there is none, which applies no key. A key phrase cut after its first word
// (bare words follow the key token) is warned about, naming no part of the key.
TARVELIN_EXPORT std::string key_from_options(std::string_view options);

// The statements as they may be logged: the value of every key pragma ("key", "rekey",
// "hexkey", "hexrekey") and of ATTACH ... KEY replaced by "***".
TARVELIN_EXPORT std::string without_keys(std::string_view statements);

}  // namespace tarvelin::providers::supports::sqlite
