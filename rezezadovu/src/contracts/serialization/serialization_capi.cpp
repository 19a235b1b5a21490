// C face of the serialisation, cloning and storage contracts.
#include "rezezadovu/contracts/iclonable.hpp"
#include "rezezadovu/contracts/serialization/serializer_json.hpp"
#include "rezezadovu/contracts/storage/istorable.hpp"

TARVELIN_LOG_TAG("serialization_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts;
using SerializerVtable = TarvelinRezezadovuContractsSerializationIJsonSerializerInterface;
using ClonableVtable = TarvelinRezezadovuContractsIClonableInterface;
using StorableVtable = TarvelinRezezadovuContractsStorageIStorableInterface;

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_contracts_serialization_ijson_serializer_get_type(void) {
    return serialization::IJsonSerializer::gtype();
}
TARVELIN_API GType tarvelin_rezezadovu_contracts_iclonable_get_type(void) { return IClonable::gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_storage_istorable_get_type(void) {
    return storage::IStorable::gtype();
}

void tarvelin_rezezadovu_contracts_serialization_ijson_serializer_serialize(
    TarvelinRezezadovuContractsSerializationIJsonSerializer* self, JsonBuilder* builder, GObject* object) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(builder != NULL);
    g_return_if_fail(object != NULL);
    gobj::dispatch<&SerializerVtable::serialize>(G_STRFUNC, self, builder, object);
}

void tarvelin_rezezadovu_contracts_serialization_ijson_serializer_deserialize(
    TarvelinRezezadovuContractsSerializationIJsonSerializer* self, JsonObject* json_object, GObject* object) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(json_object != NULL);
    g_return_if_fail(object != NULL);
    gobj::dispatch<&SerializerVtable::deserialize>(G_STRFUNC, self, json_object, object);
}

GObject* tarvelin_rezezadovu_contracts_iclonable_clone(TarvelinRezezadovuContractsIClonable* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ClonableVtable::clone>(G_STRFUNC, self);
}

gboolean tarvelin_rezezadovu_contracts_storage_istorable_load(TarvelinRezezadovuContractsStorageIStorable* self,
                                                              const gchar* filename, GError** error) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::dispatch<&StorableVtable::load>(G_STRFUNC, self, filename, error);
}

gboolean tarvelin_rezezadovu_contracts_storage_istorable_save(TarvelinRezezadovuContractsStorageIStorable* self,
                                                              const gchar* filename, GError** error) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::dispatch<&StorableVtable::save>(G_STRFUNC, self, filename, error);
}

}  // extern "C"
