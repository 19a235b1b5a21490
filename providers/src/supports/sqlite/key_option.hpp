// The cipher key carried in a server record's option text.
#pragma once

#include <string>
#include <string_view>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::supports::sqlite {

// The key of the first option token holding "PASSWORD=" (tokens are separated by
// commas, semicolons and blanks): the text between that token's first and second "=".
// Empty when there is none, which applies no key.
TARVELIN_EXPORT std::string key_from_options(std::string_view options);

}  // namespace tarvelin::providers::supports::sqlite
