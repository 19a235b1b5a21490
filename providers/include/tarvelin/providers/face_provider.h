/* The contract between the connection layer and a database driver. Texts passed in are
 * borrowed; every object and array handed back belongs to the caller. A raised error
 * comes with the empty result (NULL, -1 for execute_affect, FALSE for transaction). */
#pragma once

#include <tarvelin/providers/face_reader.h>
#include <tarvelin/providers/face_server.h>
#include <tarvelin/providers/model_table.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_IPROVIDER (tarvelin_providers_contracts_iprovider_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersContractsIProvider, tarvelin_providers_contracts_iprovider,
                           TARVELIN_PROVIDERS_CONTRACTS, IPROVIDER)

struct _TarvelinProvidersContractsIProviderInterface {
    GTypeInterface parent_iface;
    void (*open)(TarvelinProvidersContractsIProvider *self, TarvelinProvidersContractsServer *server,
                 const gchar *connection_string, GError **error);
    void (*close)(TarvelinProvidersContractsIProvider *self, GError **error);
    TarvelinProvidersContractsTableModel *(*execute_model)(TarvelinProvidersContractsIProvider *self,
                                                           const gchar *statement, gboolean flag, GError **error);
    gint64 (*execute_affect)(TarvelinProvidersContractsIProvider *self, const gchar *statement, gboolean flag,
                             GError **error);
    TarvelinProvidersContractsValueObject *(*execute_scalar)(TarvelinProvidersContractsIProvider *self,
                                                             const gchar *statement, gboolean flag, GError **error);
    GObject **(*execute_statements)(TarvelinProvidersContractsIProvider *self, const gchar *statements, gboolean flag,
                                    gint *result_length1, GError **error);
    TarvelinProvidersContractsIDataReader *(*execute_reader)(TarvelinProvidersContractsIProvider *self,
                                                             const gchar *statement, GError **error);
    gboolean (*transaction)(TarvelinProvidersContractsIProvider *self, GError **error);
    void (*commit)(TarvelinProvidersContractsIProvider *self, GError **error);
    void (*rollback)(TarvelinProvidersContractsIProvider *self, GError **error);
    gboolean (*get_is_opened)(TarvelinProvidersContractsIProvider *self);
};

/**
 * tarvelin_providers_contracts_iprovider_open:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @connection_string: (not nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_iprovider_open(TarvelinProvidersContractsIProvider *self,
                                                              TarvelinProvidersContractsServer *server,
                                                              const gchar *connection_string, GError **error);
/**
 * tarvelin_providers_contracts_iprovider_close:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_iprovider_close(TarvelinProvidersContractsIProvider *self,
                                                               GError **error);
/**
 * tarvelin_providers_contracts_iprovider_execute_model:
 * @self: (not nullable): the instance
 * @statement: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_providers_contracts_iprovider_execute_model(
    TarvelinProvidersContractsIProvider *self, const gchar *statement, gboolean flag, GError **error);
/**
 * tarvelin_providers_contracts_iprovider_execute_affect:
 * @self: (not nullable): the instance
 * @statement: (not nullable): a text
 */
TARVELIN_API gint64 tarvelin_providers_contracts_iprovider_execute_affect(TarvelinProvidersContractsIProvider *self,
                                                                          const gchar *statement, gboolean flag,
                                                                          GError **error);
/**
 * tarvelin_providers_contracts_iprovider_execute_scalar:
 * @self: (not nullable): the instance
 * @statement: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_iprovider_execute_scalar(
    TarvelinProvidersContractsIProvider *self, const gchar *statement, gboolean flag, GError **error);
/**
 * tarvelin_providers_contracts_iprovider_execute_statements:
 * @self: (not nullable): the instance
 * @statements: (not nullable): a text
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new array of new references; %NULL with @error set on failure
 */
TARVELIN_API GObject **tarvelin_providers_contracts_iprovider_execute_statements(
    TarvelinProvidersContractsIProvider *self, const gchar *statements, gboolean flag, gint *result_length1,
    GError **error);
/**
 * tarvelin_providers_contracts_iprovider_execute_reader:
 * @self: (not nullable): the instance
 * @statement: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsIDataReader *tarvelin_providers_contracts_iprovider_execute_reader(
    TarvelinProvidersContractsIProvider *self, const gchar *statement, GError **error);
/**
 * tarvelin_providers_contracts_iprovider_transaction:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_iprovider_transaction(TarvelinProvidersContractsIProvider *self,
                                                                         GError **error);
/**
 * tarvelin_providers_contracts_iprovider_commit:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_iprovider_commit(TarvelinProvidersContractsIProvider *self,
                                                                GError **error);
/**
 * tarvelin_providers_contracts_iprovider_rollback:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_iprovider_rollback(TarvelinProvidersContractsIProvider *self,
                                                                  GError **error);
/**
 * tarvelin_providers_contracts_iprovider_get_is_opened:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_iprovider_get_is_opened(TarvelinProvidersContractsIProvider *self);

G_END_DECLS
