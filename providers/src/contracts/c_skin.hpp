// Helpers of the C skins of the contracts.
#pragma once

#include "gobj/bridge.hpp"

namespace tarvelin::providers::contracts {

// The C skin of a void operation that reports errors: an Error goes to `error`.
template <class F>
void capi_void(GError** error, F&& f) noexcept {
    gobj::capi(error, [&] {
        f();
        return 0;
    });
}

}  // namespace tarvelin::providers::contracts
