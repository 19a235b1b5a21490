/* The service container contract (IContainer), its implementation (Container) and the
 * process-wide registry (Services). */
#pragma once

#include <tarvelin/providers/base.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_CONTRACTS_CONTAINER_TYPE_ICONTAINER \
    (tarvelin_rezezadovu_contracts_container_icontainer_get_type())
#define TARVELIN_REZEZADOVU_FOUNDATION_TYPE_CONTAINER (tarvelin_rezezadovu_foundation_container_get_type())
#define TARVELIN_REZEZADOVU_FOUNDATION_TYPE_SERVICES (tarvelin_rezezadovu_foundation_services_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsContainerIContainer,
                           tarvelin_rezezadovu_contracts_container_icontainer, TARVELIN_REZEZADOVU_CONTRACTS_CONTAINER,
                           ICONTAINER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuFoundationContainer, tarvelin_rezezadovu_foundation_container,
                           TARVELIN_REZEZADOVU_FOUNDATION, CONTAINER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuFoundationServices, tarvelin_rezezadovu_foundation_services,
                           TARVELIN_REZEZADOVU_FOUNDATION, SERVICES)

/* Builds the object for a key; returns a new reference, which the container takes over. */
typedef GObject *(*TarvelinRezezadovuContractsContainerFactoryFunc)(
    TarvelinRezezadovuContractsContainerIContainer *container);

struct _TarvelinRezezadovuContractsContainerIContainerInterface {
    GTypeInterface parent_iface;
    gboolean (*has)(TarvelinRezezadovuContractsContainerIContainer *self, GType type);
    void (*register_instance)(TarvelinRezezadovuContractsContainerIContainer *self, GType key_type, GObject *instance);
    void (*register_type)(TarvelinRezezadovuContractsContainerIContainer *self, GType key_type, GType value_type);
    void (*register_factory)(TarvelinRezezadovuContractsContainerIContainer *self, GType key_type,
                             TarvelinRezezadovuContractsContainerFactoryFunc factory);
    /* A new reference, or NULL. */
    GObject *(*resolve)(TarvelinRezezadovuContractsContainerIContainer *self, GType type);
};

/**
 * tarvelin_rezezadovu_contracts_container_icontainer_has:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_container_icontainer_has(
    TarvelinRezezadovuContractsContainerIContainer *self, GType type);
/**
 * tarvelin_rezezadovu_contracts_container_icontainer_register_instance:
 * @self: (not nullable): the instance
 * @instance: (not nullable): a #GObject
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_container_icontainer_register_instance(
    TarvelinRezezadovuContractsContainerIContainer *self, GType key_type, GObject *instance);
/**
 * tarvelin_rezezadovu_contracts_container_icontainer_register_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_container_icontainer_register_type(
    TarvelinRezezadovuContractsContainerIContainer *self, GType key_type, GType value_type);
/**
 * tarvelin_rezezadovu_contracts_container_icontainer_register_factory:
 * @self: (not nullable): the instance
 * @factory: (scope forever): builds the object on first request
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_container_icontainer_register_factory(
    TarvelinRezezadovuContractsContainerIContainer *self, GType key_type,
    TarvelinRezezadovuContractsContainerFactoryFunc factory);
/**
 * tarvelin_rezezadovu_contracts_container_icontainer_resolve:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API GObject *tarvelin_rezezadovu_contracts_container_icontainer_resolve(
    TarvelinRezezadovuContractsContainerIContainer *self, GType type);

/**
 * tarvelin_rezezadovu_foundation_container_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuFoundationContainer *tarvelin_rezezadovu_foundation_container_new(void);
/**
 * tarvelin_rezezadovu_foundation_container_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuFoundationContainer *tarvelin_rezezadovu_foundation_container_construct(
    GType object_type);

/* The registry: one container for the whole process, created by initialize. */
/**
 * tarvelin_rezezadovu_foundation_services_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuFoundationServices *tarvelin_rezezadovu_foundation_services_new(void);
/**
 * tarvelin_rezezadovu_foundation_services_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuFoundationServices *tarvelin_rezezadovu_foundation_services_construct(GType object_type);
/**
 * tarvelin_rezezadovu_foundation_services_initialize:
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_services_initialize(void);
/**
 * tarvelin_rezezadovu_foundation_services_register_instance:
 * @instance: (not nullable): a #GObject
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_services_register_instance(GType key_type, GObject *instance);
/**
 * tarvelin_rezezadovu_foundation_services_register_type:
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_services_register_type(GType key_type, GType value_type);
/**
 * tarvelin_rezezadovu_foundation_services_get:
 *
 * A new reference to the one object for t_type, or NULL; the two functions are not used.
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API gpointer tarvelin_rezezadovu_foundation_services_get(GType t_type, GBoxedCopyFunc t_dup_func,
                                                                  GDestroyNotify t_destroy_func);

G_END_DECLS
