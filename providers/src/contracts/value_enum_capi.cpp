// C face of the enumerated cells.
#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_enum.hpp"

TARVELIN_LOG_TAG("value_enum_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

extern "C" {

TARVELIN_TEXT_CONSTRUCTORS(ValueEnum, TarvelinProvidersContractsValueEnum, tarvelin_providers_contracts_value_enum,
                           enum_value)
TARVELIN_TEXT_CONSTRUCTORS(ValueFlags, TarvelinProvidersContractsValueFlags, tarvelin_providers_contracts_value_flags,
                           flag_value)
TARVELIN_TEXT_CONSTRUCTORS(ValueSet, TarvelinProvidersContractsValueSet, tarvelin_providers_contracts_value_set,
                           set_value)
TARVELIN_TEXT_ITSVALUE(ValueEnum, TarvelinProvidersContractsValueEnum, tarvelin_providers_contracts_value_enum)

void tarvelin_providers_contracts_value_enum_initialize(TarvelinProvidersContractsValueEnum* self, gchar** values,
                                                        gint values_length1) {
    g_return_if_fail(self != NULL);
    if (values_length1 < 1 || !values) return;
    gobj::guarded(G_STRFUNC, [&] {
        std::vector<std::string> names;
        names.reserve(static_cast<size_t>(values_length1));
        for (gint i = 0; i < values_length1; ++i) names.emplace_back(values[i] ? values[i] : "");
        cast<ValueEnum>(self)->initialize(names);
    });
}

}  // extern "C"
