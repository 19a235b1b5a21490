/* Generic property-based services for any GObject: JSON serialisation, cloning, storage. */
#pragma once

#include <tarvelin/providers/base.h>
#include <json-glib/json-glib.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_CONTRACTS_SERIALIZATION_TYPE_IJSON_SERIALIZER \
    (tarvelin_rezezadovu_contracts_serialization_ijson_serializer_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_TYPE_ICLONABLE (tarvelin_rezezadovu_contracts_iclonable_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_STORAGE_TYPE_ISTORABLE (tarvelin_rezezadovu_contracts_storage_istorable_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsSerializationIJsonSerializer,
                           tarvelin_rezezadovu_contracts_serialization_ijson_serializer,
                           TARVELIN_REZEZADOVU_CONTRACTS_SERIALIZATION, IJSON_SERIALIZER)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsIClonable, tarvelin_rezezadovu_contracts_iclonable,
                           TARVELIN_REZEZADOVU_CONTRACTS, ICLONABLE)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsStorageIStorable, tarvelin_rezezadovu_contracts_storage_istorable,
                           TARVELIN_REZEZADOVU_CONTRACTS_STORAGE, ISTORABLE)

/* Both slots have default bodies that work on `object` alone, whatever the implementer. */
struct _TarvelinRezezadovuContractsSerializationIJsonSerializerInterface {
    GTypeInterface parent_iface;
    void (*serialize)(TarvelinRezezadovuContractsSerializationIJsonSerializer *self, JsonBuilder *builder,
                      GObject *object);
    void (*deserialize)(TarvelinRezezadovuContractsSerializationIJsonSerializer *self, JsonObject *json_object,
                        GObject *object);
};

/* The default body copies self through its construct and writable properties. */
struct _TarvelinRezezadovuContractsIClonableInterface {
    GTypeInterface parent_iface;
    GObject *(*clone)(TarvelinRezezadovuContractsIClonable *self);
};

/* No default bodies: an implementer that installs none gets FALSE. */
struct _TarvelinRezezadovuContractsStorageIStorableInterface {
    GTypeInterface parent_iface;
    gboolean (*load)(TarvelinRezezadovuContractsStorageIStorable *self, const gchar *filename, GError **error);
    gboolean (*save)(TarvelinRezezadovuContractsStorageIStorable *self, const gchar *filename, GError **error);
};

/**
 * tarvelin_rezezadovu_contracts_serialization_ijson_serializer_serialize:
 * @self: (not nullable): the instance
 * @builder: (not nullable): a #JsonBuilder
 * @object: (not nullable): a #GObject
 *
 * Adds one member per writable property of `object` to the object the builder has open.
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_serialization_ijson_serializer_serialize(
    TarvelinRezezadovuContractsSerializationIJsonSerializer *self, JsonBuilder *builder, GObject *object);
/**
 * tarvelin_rezezadovu_contracts_serialization_ijson_serializer_deserialize:
 * @self: (not nullable): the instance
 * @json_object: (not nullable): a #JsonObject
 * @object: (not nullable): a #GObject
 *
 * Sets the writable properties of `object` from the members of `json_object`.
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_serialization_ijson_serializer_deserialize(
    TarvelinRezezadovuContractsSerializationIJsonSerializer *self, JsonObject *json_object, GObject *object);

/**
 * tarvelin_rezezadovu_contracts_iclonable_clone:
 * @self: (not nullable): the instance
 *
 * A new object of self's run-time type (transfer full).
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API GObject *tarvelin_rezezadovu_contracts_iclonable_clone(TarvelinRezezadovuContractsIClonable *self);

/**
 * tarvelin_rezezadovu_contracts_storage_istorable_load:
 * @self: (not nullable): the instance
 * @filename: (nullable): a text (%NULL reads as "")
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_storage_istorable_load(
    TarvelinRezezadovuContractsStorageIStorable *self, const gchar *filename, GError **error);
/**
 * tarvelin_rezezadovu_contracts_storage_istorable_save:
 * @self: (not nullable): the instance
 * @filename: (nullable): a text (%NULL reads as "")
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_storage_istorable_save(
    TarvelinRezezadovuContractsStorageIStorable *self, const gchar *filename, GError **error);

G_END_DECLS
