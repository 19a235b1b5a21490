// The value factory under arbitrary texts: the first byte picks the data type, the rest
// is the text. Every value made is shown, copied and handed out.
#include <glib-object.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_common.hpp"
#include "providers/contracts/value_object.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::quiet();
    if (size < 1) return 0;
    // A few past the vocabulary too: a type outside it must be handled as well.
    auto type = static_cast<TarvelinProvidersContractsDataType>(data[0] % 40);
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    using tarvelin::providers::contracts::IValue;
    auto value = IValue::factory(type, text.c_str());
    if (!value) return 0;
    (void)value->to_string();
    if (auto copy = value->clone()) (void)copy->to_string();
    GValue v = G_VALUE_INIT;
    value->to_value(&v);
    if (G_IS_VALUE(&v)) g_value_unset(&v);
    return 0;
}
