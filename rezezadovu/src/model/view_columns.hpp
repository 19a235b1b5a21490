// The columns a view derives from its defining SELECT text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::meta_model {

struct DerivedColumn {
    std::string name;
    std::string raw_type;
    bool operator==(const DerivedColumn&) const = default;
};

// The select-list items of `definition` as columns, left to right; none when the text
// has no recognisable select list (the caller then keeps the columns it had).
TARVELIN_EXPORT std::optional<std::vector<DerivedColumn>> derive_view_columns(std::string_view definition);

}  // namespace tarvelin::rezezadovu::meta_model
