// The C face every helper class shares: type, references, GValue and property-spec
// functions, and new/construct. Use inside extern "C".
#pragma once

#include "providers/gobj/fundamental_capi.hpp"

#define TARVELIN_HELPER_CAPI(Cls, snake)                                                                          \
    TARVELIN_FUNDAMENTAL_CAPI(Cls, tarvelin_rezezadovu_helpers_, snake)                                         \
    TarvelinRezezadovuHelpers##Cls* tarvelin_rezezadovu_helpers_##snake##_construct(GType object_type) {         \
        return static_cast<TarvelinRezezadovuHelpers##Cls*>(Cls::create(object_type).release());                 \
    }                                                                                                             \
    TarvelinRezezadovuHelpers##Cls* tarvelin_rezezadovu_helpers_##snake##_new(void) {                             \
        return tarvelin_rezezadovu_helpers_##snake##_construct(Cls::gtype());                                    \
    }
