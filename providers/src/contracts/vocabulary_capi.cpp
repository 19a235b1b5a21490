// C face of the vocabularies: type accessors and conversions.
#include "providers/contracts/value_support.hpp"
#include "providers/contracts/vocabulary.hpp"

TARVELIN_LOG_TAG("vocabulary_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

extern "C" {

GType tarvelin_providers_contracts_data_type_get_type(void) { return data_type_gtype(); }
GType tarvelin_providers_contracts_data_version_get_type(void) { return data_version_gtype(); }
GType tarvelin_providers_contracts_db_object_get_type(void) { return db_object_gtype(); }

gchar* tarvelin_providers_contracts_data_type_to_string(TarvelinProvidersContractsDataType self) {
    return gobj::invoke<&data_type_to_string>(G_STRFUNC, number_of(self));
}
GType tarvelin_providers_contracts_data_type_get_glib_type(TarvelinProvidersContractsDataType self) {
    return gobj::invoke<&glib_type_of>(G_STRFUNC, number_of(self));
}
TarvelinProvidersContractsDataType tarvelin_providers_contracts_data_type_get_data_type(GType type) {
    return gobj::invoke<&data_type_of>(G_STRFUNC, type);
}

gchar* tarvelin_providers_contracts_db_object_to_string(TarvelinProvidersContractsDBObject self) {
    return gobj::invoke<&db_object_to_string>(G_STRFUNC, number_of(self));
}

TarvelinProvidersContractsDataVersion tarvelin_providers_contracts_data_version_all(void) {
    return gobj::invoke<&data_version_all>(G_STRFUNC);
}
gchar* tarvelin_providers_contracts_data_version_to_string(TarvelinProvidersContractsDataVersion self) {
    return gobj::invoke<&data_version_to_string>(G_STRFUNC, number_of(self));
}

}  // extern "C"
