// Anchors the core library's link against libproviders before its services exist.
#include <glib-object.h>

#include "providers/contracts/value_object.hpp"

TARVELIN_LOG_TAG("library")

extern "C" __attribute__((visibility("default"))) GType tarvelin_rezezadovu_providers_anchor(void) {
    return tarvelin::providers::contracts::ValueObject::gtype();
}
