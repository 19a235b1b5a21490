/* The database framework: the connection contract and its base ConnectionImpl, the data
 * cache, and the contracts of the dialect objects a connection hands out (statement texts,
 * catalogue adapter, DDL builder, explorer, inspector, formatter).
 *
 * Results marked new belong to the caller; get_server, get_provider and get_version are
 * borrowed. The asynchronous operations complete on the default main context, which the
 * host must run; their errors carry the domain "default" with the provider's code and
 * message. A missing required argument logs a critical and gives the empty result. */
#pragma once

#include <tarvelin/providers/face_provider.h>
#include <tarvelin/providers/model_table.h>
#include <tarvelin/providers/vocabulary.h>

G_BEGIN_DECLS

/* Catalogue objects taken by the adapter and builder contracts (declared with the
 * metadata model). */
typedef struct _TarvelinRezezadovuMetaModelMetaObject TarvelinRezezadovuMetaModelMetaObject;
typedef struct _TarvelinRezezadovuMetaModelMetaDatabase TarvelinRezezadovuMetaModelMetaDatabase;
typedef struct _TarvelinRezezadovuMetaModelMetaSchema TarvelinRezezadovuMetaModelMetaSchema;
typedef struct _TarvelinRezezadovuMetaModelMetaTable TarvelinRezezadovuMetaModelMetaTable;
typedef struct _TarvelinRezezadovuMetaModelMetaView TarvelinRezezadovuMetaModelMetaView;
typedef struct _TarvelinRezezadovuMetaModelMetaIndex TarvelinRezezadovuMetaModelMetaIndex;
typedef struct _TarvelinRezezadovuMetaModelMetaTrigger TarvelinRezezadovuMetaModelMetaTrigger;
typedef struct _TarvelinRezezadovuMetaModelMetaFunction TarvelinRezezadovuMetaModelMetaFunction;
typedef struct _TarvelinRezezadovuMetaModelMetaUser TarvelinRezezadovuMetaModelMetaUser;
typedef struct _TarvelinRezezadovuMetaModelMetaRole TarvelinRezezadovuMetaModelMetaRole;
typedef struct _TarvelinRezezadovuMetaModelMetaEvent TarvelinRezezadovuMetaModelMetaEvent;

typedef enum {
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown = 0,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Closed = 1,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened = 2,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed = 3
} TarvelinRezezadovuContractsDatabaseDBStatus;

#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_DB_STATUS \
    (tarvelin_rezezadovu_contracts_database_db_status_get_type())
TARVELIN_API GType tarvelin_rezezadovu_contracts_database_db_status_get_type(void);

/* The kinds of statement; to_string gives the member's nick ("delete"). */
typedef enum {
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_NOTHING = 0,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_INSERT = 1,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_UPDATE = 2,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_DELETE = 3,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_SCHEMA = 4,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_FEATURE = 5
} TarvelinRezezadovuContractsDatabaseSqlAction;

#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_SQL_ACTION \
    (tarvelin_rezezadovu_contracts_database_sql_action_get_type())
TARVELIN_API GType tarvelin_rezezadovu_contracts_database_sql_action_get_type(void);
/**
 * tarvelin_rezezadovu_contracts_database_sql_action_to_string:
 *
 * A new copy of the nick; NULL for a value outside the enumeration.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_sql_action_to_string(
    TarvelinRezezadovuContractsDatabaseSqlAction self);

/* The kinds of choice list an inspector supplies. */
typedef enum {
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_NONE = 0,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_AUTHENTICATION = 1,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_AUTHENTICATION_LOGIN = 2,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_CHARSET = 3,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION = 4,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_DEFAULT = 5,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_NAME = 6,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_TYPE = 7,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COMPRESSION = 8,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COMPRESSION_DATA = 9,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COMPRESSION_XML = 10,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_CREDENTIAL = 11,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DATA_TYPE = 12,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DATASET_STATEMENT = 13,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_DEFERRED_ACTION = 14,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ENDPOINT = 15,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_EXPLORABLE = 16,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_ACTION = 17,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_MATCH = 18,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_IDENTITY_ACTION = 19,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_ALGORITHM = 20,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_BUFFERING = 21,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_FAST_UPDATE = 22,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_KEY_BLOCK_SIZE = 23,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_LOCK = 24,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_METHOD = 25,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_PARSER = 26,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_TYPE = 27,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INSERT_METHOD = 28,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_USER_LANGUAGE = 29,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOCK_ESCALATION = 30,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOGIN_ASYMMETRIC_KEY = 31,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOGIN_CERTIFICATE = 32,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOGIN_NAME = 33,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ONCONFLICT = 34,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_OPERATOR_CLASS = 35,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ORDER_NORMAL = 36,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ORDER_NULLS = 37,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_PERMISSION = 38,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_PLUGIN_AUTH = 39,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROLE_APPLICATION = 40,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROLE_DATABASE = 41,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROLE_OWNER = 42,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROLE_SERVER = 43,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_ALL = 44,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_DIRECTION = 45,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_FUNCTION = 46,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_LANGUAGE = 47,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_DATA_ACCESS = 48,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_PROCEDURE = 49,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_SECURITY = 50,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROUTINE_TYPE = 51,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROW_FORMAT = 52,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_RULE_ACTION = 53,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_RULE_APPLY = 54,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_RULE_EVENT = 55,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_TRANSFER = 56,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_STRUCTURE = 57,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SYNC_DATA = 58,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_SERVERS = 59,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_COMMIT = 60,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_ENGINE = 61,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_INHERITS = 62,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_FLAG = 63,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_NAME = 64,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_NAMESPACE = 65,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_OWNER = 66,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_PARTITION = 67,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_SCHEMA = 68,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_STORAGE = 69,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_TABLESPACE = 70,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_TEMPLATE = 71,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_FUNCTION = 72,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_PROCEDURE = 73,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_DEFERRABLE = 74,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_DEFERRED = 75,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_DEFINITION_TYPE = 76,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_EXECUTOR = 77,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_EVENT = 78,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME = 79,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME_TABLE = 80,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FIRE_TIME_VIEW = 81,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_FOR_EACH = 82,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_ORDER = 83,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TEMPLATE = 84,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TYPE = 85,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TYPE_STANDARD = 86,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TYPE_USER_DEFINED = 87,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VERSION_METHOD = 88,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VERSION_POSITION = 89,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIRTUAL_TYPE = 90,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_ALGORITHM = 91,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_SECURITY = 92,
    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_VIEW_CHECK_OPTION = 93
} TarvelinRezezadovuContractsDatabaseDbMetaType;

#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_DB_META_TYPE \
    (tarvelin_rezezadovu_contracts_database_db_meta_type_get_type())
TARVELIN_API GType tarvelin_rezezadovu_contracts_database_db_meta_type_get_type(void);

#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_ICONNECTION \
    (tarvelin_rezezadovu_contracts_database_iconnection_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_ISTATEMENT \
    (tarvelin_rezezadovu_contracts_database_istatement_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_IADAPTABLE \
    (tarvelin_rezezadovu_contracts_database_iadaptable_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_IBUILDABLE \
    (tarvelin_rezezadovu_contracts_database_ibuildable_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_IEXPLORABLE \
    (tarvelin_rezezadovu_contracts_database_iexplorable_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_IINSPECTABLE \
    (tarvelin_rezezadovu_contracts_database_iinspectable_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_IFORMATTABLE \
    (tarvelin_rezezadovu_contracts_database_iformattable_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_ICACHABLE \
    (tarvelin_rezezadovu_contracts_database_icachable_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_CONNECTION_IMPL \
    (tarvelin_rezezadovu_supports_database_connection_impl_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_DATA_CACHE \
    (tarvelin_rezezadovu_supports_database_data_cache_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDatabaseIConnection,
                           tarvelin_rezezadovu_contracts_database_iconnection, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE,
                           ICONNECTION)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDatabaseIStatement,
                           tarvelin_rezezadovu_contracts_database_istatement, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE,
                           ISTATEMENT)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDatabaseIAdaptable,
                           tarvelin_rezezadovu_contracts_database_iadaptable, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE,
                           IADAPTABLE)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDatabaseIBuildable,
                           tarvelin_rezezadovu_contracts_database_ibuildable, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE,
                           IBUILDABLE)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDatabaseIExplorable,
                           tarvelin_rezezadovu_contracts_database_iexplorable, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE,
                           IEXPLORABLE)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDatabaseIInspectable,
                           tarvelin_rezezadovu_contracts_database_iinspectable, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE,
                           IINSPECTABLE)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDatabaseIFormattable,
                           tarvelin_rezezadovu_contracts_database_iformattable, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE,
                           IFORMATTABLE)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDatabaseICachable,
                           tarvelin_rezezadovu_contracts_database_icachable, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE,
                           ICACHABLE)

/* Slots in this order; the synchronous dispatchers test the connection first. */
struct _TarvelinRezezadovuContractsDatabaseIConnectionInterface {
    GTypeInterface parent_iface;
    TarvelinRezezadovuContractsDatabaseIAdaptable *(*adapter)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    TarvelinRezezadovuContractsDatabaseIBuildable *(*builder)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    TarvelinRezezadovuContractsDatabaseIExplorable *(*explorer)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    TarvelinRezezadovuContractsDatabaseIInspectable *(*inspector)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    TarvelinRezezadovuContractsDatabaseIStatement *(*statement)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    TarvelinRezezadovuContractsDatabaseIFormattable *(*formatter)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    TarvelinRezezadovuContractsDatabaseICachable *(*cache)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    void (*open)(TarvelinRezezadovuContractsDatabaseIConnection *self, TarvelinProvidersContractsServer *server,
                 GObject *user_object, GError **error);
    void (*reopen)(TarvelinRezezadovuContractsDatabaseIConnection *self, GError **error);
    void (*open_async)(TarvelinRezezadovuContractsDatabaseIConnection *self, TarvelinProvidersContractsServer *server,
                       GObject *user_object, GAsyncReadyCallback _callback_, gpointer _user_data_);
    void (*open_finish)(TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
    void (*reopen_async)(TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncReadyCallback _callback_,
                         gpointer _user_data_);
    void (*reopen_finish)(TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
    void (*close)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    void (*execute_no_query_async)(TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql,
                                   GAsyncReadyCallback _callback_, gpointer _user_data_);
    gint64 (*execute_no_query_finish)(TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_,
                                      GError **error);
    gint64 (*execute_no_query)(TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql, gboolean flag,
                               GError **error);
    void (*execute_as_model_async)(TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql,
                                   GAsyncReadyCallback _callback_, gpointer _user_data_);
    TarvelinProvidersContractsTableModel *(*execute_as_model_finish)(
        TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
    TarvelinProvidersContractsTableModel *(*execute_as_model)(TarvelinRezezadovuContractsDatabaseIConnection *self,
                                                              const gchar *sql, gboolean flag, GError **error);
    void (*execute_as_scalar_async)(TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql,
                                    GAsyncReadyCallback _callback_, gpointer _user_data_);
    TarvelinProvidersContractsValueObject *(*execute_as_scalar_finish)(
        TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
    TarvelinProvidersContractsValueObject *(*execute_as_scalar)(TarvelinRezezadovuContractsDatabaseIConnection *self,
                                                                const gchar *sql, gboolean flag, GError **error);
    void (*execute_async)(TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *statements,
                          GAsyncReadyCallback _callback_, gpointer _user_data_);
    GObject **(*execute_finish)(TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_,
                                gint *result_length1, GError **error);
    GObject **(*execute)(TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *statements, gboolean flag,
                         gint *result_length1, GError **error);
    TarvelinProvidersContractsIDataReader *(*execute_reader)(TarvelinRezezadovuContractsDatabaseIConnection *self,
                                                             const gchar *sql, GError **error);
    gboolean (*transaction)(TarvelinRezezadovuContractsDatabaseIConnection *self, GError **error);
    void (*rollback)(TarvelinRezezadovuContractsDatabaseIConnection *self, GError **error);
    void (*commit)(TarvelinRezezadovuContractsDatabaseIConnection *self, GError **error);
    TarvelinProvidersContractsServer *(*get_server)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    TarvelinProvidersContractsIProvider *(*get_provider)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    TarvelinRezezadovuContractsDatabaseDBStatus (*get_status)(TarvelinRezezadovuContractsDatabaseIConnection *self);
    void (*set_status)(TarvelinRezezadovuContractsDatabaseIConnection *self,
                       TarvelinRezezadovuContractsDatabaseDBStatus value);
    const gchar *(*get_version)(TarvelinRezezadovuContractsDatabaseIConnection *self);
};
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_adapter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIAdaptable *tarvelin_rezezadovu_contracts_database_iconnection_adapter(
    TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_builder:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIBuildable *tarvelin_rezezadovu_contracts_database_iconnection_builder(
    TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_explorer:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIExplorable *
tarvelin_rezezadovu_contracts_database_iconnection_explorer(TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_inspector:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIInspectable *
tarvelin_rezezadovu_contracts_database_iconnection_inspector(TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_statement:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIStatement *
tarvelin_rezezadovu_contracts_database_iconnection_statement(TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_formatter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIFormattable *
tarvelin_rezezadovu_contracts_database_iconnection_formatter(TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_cache:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseICachable *tarvelin_rezezadovu_contracts_database_iconnection_cache(
    TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_open:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @user_object: (nullable): an object the host attaches to the connection
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_open(
    TarvelinRezezadovuContractsDatabaseIConnection *self, TarvelinProvidersContractsServer *server,
    GObject *user_object, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_reopen:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_reopen(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_open_async:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @user_object: (nullable): an object the host attaches to the connection
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_open_async(
    TarvelinRezezadovuContractsDatabaseIConnection *self, TarvelinProvidersContractsServer *server,
    GObject *user_object, GAsyncReadyCallback _callback_, gpointer _user_data_);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_open_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_open_finish(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_reopen_async:
 * @self: (not nullable): the instance
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_reopen_async(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncReadyCallback _callback_, gpointer _user_data_);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_reopen_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_reopen_finish(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_close:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_close(
    TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query_async:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query_async(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API gint64 tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query_finish(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 */
TARVELIN_API gint64 tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql, gboolean flag, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_async:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_async(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *
tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_finish(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql, gboolean flag, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar_async:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar_async(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsValueObject *
tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar_finish(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsValueObject *
tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql, gboolean flag, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_async:
 * @self: (not nullable): the instance
 * @statements: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_execute_async(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *statements, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new array of new references; %NULL with @error set on failure
 */
TARVELIN_API GObject **tarvelin_rezezadovu_contracts_database_iconnection_execute_finish(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GAsyncResult *_res_, gint *result_length1, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute:
 * @self: (not nullable): the instance
 * @statements: (not nullable): a text
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new array of new references; %NULL with @error set on failure
 */
TARVELIN_API GObject **tarvelin_rezezadovu_contracts_database_iconnection_execute(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *statements, gboolean flag, gint *result_length1,
    GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_execute_reader:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsIDataReader *tarvelin_rezezadovu_contracts_database_iconnection_execute_reader(
    TarvelinRezezadovuContractsDatabaseIConnection *self, const gchar *sql, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_transaction:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_database_iconnection_transaction(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_rollback:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_rollback(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_commit:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_commit(
    TarvelinRezezadovuContractsDatabaseIConnection *self, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_get_server:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_rezezadovu_contracts_database_iconnection_get_server(
    TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_get_provider:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinProvidersContractsIProvider *tarvelin_rezezadovu_contracts_database_iconnection_get_provider(
    TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_get_status:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseDBStatus
tarvelin_rezezadovu_contracts_database_iconnection_get_status(TarvelinRezezadovuContractsDatabaseIConnection *self);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_set_status:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iconnection_set_status(
    TarvelinRezezadovuContractsDatabaseIConnection *self, TarvelinRezezadovuContractsDatabaseDBStatus value);
/**
 * tarvelin_rezezadovu_contracts_database_iconnection_get_version:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_database_iconnection_get_version(
    TarvelinRezezadovuContractsDatabaseIConnection *self);

/* SQL texts of a dialect; every result is a new text. An out column index may be NULL. */
struct _TarvelinRezezadovuContractsDatabaseIStatementInterface {
    GTypeInterface parent_iface;
    gchar *(*build_connection_string)(TarvelinRezezadovuContractsDatabaseIStatement *self,
                                      TarvelinProvidersContractsServer *server);
    gchar *(*show_databases)(TarvelinRezezadovuContractsDatabaseIStatement *self, gint *name_column);
    gchar *(*show_tables)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                          const gchar *user_schema, gint *name_column);
    gchar *(*show_views)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                         const gchar *user_schema, gint *name_column);
    gchar *(*change_database)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database);
    gchar *(*build_explain)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *statement,
                            const gchar *format);
    gchar *(*build_analyze)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *statement,
                            const gchar *format);
    gchar *(*show_table_spaces)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                                gint *name_column);
    gchar *(*show_table_schemas)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                                 gint *name_column);
    gchar *(*show_checks)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                          const gchar *user_schema, gint *name_column);
    gchar *(*show_excludes)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                            const gchar *user_schema, gint *name_column);
    gchar *(*show_foreigns)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                            const gchar *user_schema, gint *name_column);
    gchar *(*show_rules)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                         const gchar *user_schema, gint *name_column);
    gchar *(*show_uniques)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                           const gchar *user_schema, gint *name_column);
    gchar *(*show_indexes)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                           const gchar *user_schema, gint *name_column);
    gchar *(*show_triggers)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                            const gchar *user_schema, gint *name_column);
    gchar *(*show_functions)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                             const gchar *user_schema, gint *name_column);
    gchar *(*show_procedures)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                              const gchar *user_schema, gint *name_column);
    gchar *(*call_function)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                            const gchar *user_schema, const gchar *function, const gchar *parameters);
    gchar *(*call_procedure)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                             const gchar *user_schema, const gchar *procedure, const gchar *parameters);
    gchar *(*show_source)(TarvelinRezezadovuContractsDatabaseIStatement *self, TarvelinProvidersContractsDBObject type,
                          const gchar *database, const gchar *user_schema, const gchar *name, gint *source_column);
    gchar *(*show_structure)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                             const gchar *user_schema, const gchar *table, gint *name_column);
    gchar *(*show_content)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                           const gchar *user_schema, const gchar *table, const gchar *columns, const gchar *where,
                           const gchar *order, gint64 offset, gint limit);
    gchar *(*show_users)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                         const gchar *user_schema, gint *name_column);
    gchar *(*show_roles)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                         const gchar *user_schema, gint *name_column);
    gchar *(*show_user_detail)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                               const gchar *user_schema, const gchar *username);
    gchar *(*show_role_detail)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                               const gchar *user_schema, const gchar *rolename);
    gchar *(*show_user_rights)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                               const gchar *user_schema, const gchar *username);
    gchar *(*show_role_rights)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                               const gchar *user_schema, const gchar *rolename);
    gchar *(*grant_user_rights)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                                const gchar *user_schema, const gchar *username, const gchar *object,
                                const gchar *rights);
    gchar *(*revoke_user_rights)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                                 const gchar *user_schema, const gchar *username, const gchar *object,
                                 const gchar *rights);
    gchar *(*grant_role_rights)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                                const gchar *user_schema, const gchar *rolename, const gchar *object,
                                const gchar *rights);
    gchar *(*revoke_role_rights)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                                 const gchar *user_schema, const gchar *rolename, const gchar *object,
                                 const gchar *rights);
    gchar *(*show_privileges)(TarvelinRezezadovuContractsDatabaseIStatement *self, gint *name_column,
                              gint *context_column);
    gchar *(*flush_privileges)(TarvelinRezezadovuContractsDatabaseIStatement *self);
    gchar *(*show_effected)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                            const gchar *user_schema, const gchar *table, const gchar *where);
    gchar *(*show_relations)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                             const gchar *user_schema, const gchar *table);
    gchar *(*rename_object)(TarvelinRezezadovuContractsDatabaseIStatement *self,
                            TarvelinProvidersContractsDBObject type, const gchar *database, const gchar *user_schema,
                            const gchar *old_name, const gchar *new_name);
    gchar *(*drop_object)(TarvelinRezezadovuContractsDatabaseIStatement *self, TarvelinProvidersContractsDBObject type,
                          const gchar *database, const gchar *user_schema, const gchar *object_name,
                          const gchar *object_target);
    gchar *(*empty_table)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database,
                          const gchar *user_schema, const gchar *object_name);
    gchar *(*transaction)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *name);
    gchar *(*rollback)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *name);
    gchar *(*commit)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *name);
    gchar *(*pack_value)(TarvelinRezezadovuContractsDatabaseIStatement *self, TarvelinProvidersContractsDataType type,
                         const gchar *value);
    gchar *(*quote_identifier)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *identifier,
                               const gchar *schema);
    gchar *(*build_sql_update)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *schema,
                               const gchar *table, gchar **columns, gint columns_length1, gchar **values,
                               gint values_length1, gchar **where_columns, gint where_columns_length1,
                               gchar **where_values, gint where_values_length1);
    gchar *(*build_sql_insert)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *schema,
                               const gchar *table, gchar **columns, gint columns_length1, gchar **values,
                               gint values_length1);
    gchar *(*build_sql_delete)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *schema,
                               const gchar *table, gchar **where_columns, gint where_columns_length1,
                               gchar **where_values, gint where_values_length1);
    gchar *(*build_sql_view)(TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *user_schema,
                             const gchar *view_name, const gchar *statements);
};
/**
 * tarvelin_rezezadovu_contracts_database_istatement_build_connection_string:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_build_connection_string(
    TarvelinRezezadovuContractsDatabaseIStatement *self, TarvelinProvidersContractsServer *server);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_databases:
 * @self: (not nullable): the instance
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_databases(
    TarvelinRezezadovuContractsDatabaseIStatement *self, gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_tables:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_tables(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_views:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_views(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_change_database:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_change_database(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_build_explain:
 * @self: (not nullable): the instance
 * @statement: (not nullable): a text
 * @format: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_build_explain(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *statement, const gchar *format);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_build_analyze:
 * @self: (not nullable): the instance
 * @statement: (not nullable): a text
 * @format: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_build_analyze(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *statement, const gchar *format);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_table_spaces:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_table_spaces(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_table_schemas:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_table_schemas(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_checks:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_checks(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_excludes:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_excludes(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_foreigns:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_foreigns(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_rules:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_rules(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_uniques:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_uniques(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_indexes:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_indexes(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_triggers:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_triggers(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_functions:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_functions(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_procedures:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_procedures(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_call_function:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @function: (not nullable): a text
 * @parameters: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_call_function(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *function, const gchar *parameters);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_call_procedure:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @procedure: (not nullable): a text
 * @parameters: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_call_procedure(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *procedure, const gchar *parameters);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_source:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name: (not nullable): a text
 * @source_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_source(
    TarvelinRezezadovuContractsDatabaseIStatement *self, TarvelinProvidersContractsDBObject type, const gchar *database,
    const gchar *user_schema, const gchar *name, gint *source_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_structure:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @table: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_structure(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *table, gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_content:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @table: (not nullable): a text
 * @columns: (not nullable): a text
 * @where: (not nullable): a text
 * @order: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_content(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *table, const gchar *columns, const gchar *where, const gchar *order, gint64 offset, gint limit);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_users:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_users(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_roles:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_roles(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_user_detail:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @username: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_user_detail(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *username);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_role_detail:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @rolename: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_role_detail(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *rolename);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_user_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @username: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_user_rights(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *username);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_role_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @rolename: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_role_rights(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *rolename);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_grant_user_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @username: (not nullable): a text
 * @object: (not nullable): a text
 * @rights: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_grant_user_rights(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *username, const gchar *object, const gchar *rights);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_revoke_user_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @username: (not nullable): a text
 * @object: (not nullable): a text
 * @rights: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_revoke_user_rights(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *username, const gchar *object, const gchar *rights);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_grant_role_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @rolename: (not nullable): a text
 * @object: (not nullable): a text
 * @rights: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_grant_role_rights(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *rolename, const gchar *object, const gchar *rights);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_revoke_role_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @rolename: (not nullable): a text
 * @object: (not nullable): a text
 * @rights: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_revoke_role_rights(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *rolename, const gchar *object, const gchar *rights);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_privileges:
 * @self: (not nullable): the instance
 * @name_column: (out) (optional): return location
 * @context_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_privileges(
    TarvelinRezezadovuContractsDatabaseIStatement *self, gint *name_column, gint *context_column);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_flush_privileges:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_flush_privileges(
    TarvelinRezezadovuContractsDatabaseIStatement *self);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_effected:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @table: (not nullable): a text
 * @where: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_effected(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *table, const gchar *where);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_show_relations:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @table: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_show_relations(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *table);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_rename_object:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @old_name: (not nullable): a text
 * @new_name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_rename_object(
    TarvelinRezezadovuContractsDatabaseIStatement *self, TarvelinProvidersContractsDBObject type, const gchar *database,
    const gchar *user_schema, const gchar *old_name, const gchar *new_name);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_drop_object:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @object_name: (not nullable): a text
 * @object_target: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_drop_object(
    TarvelinRezezadovuContractsDatabaseIStatement *self, TarvelinProvidersContractsDBObject type, const gchar *database,
    const gchar *user_schema, const gchar *object_name, const gchar *object_target);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_empty_table:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @object_name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_empty_table(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *object_name);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_transaction:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_transaction(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *name);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_rollback:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_rollback(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *name);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_commit:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_commit(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *name);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_pack_value:
 * @self: (not nullable): the instance
 * @value: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_pack_value(
    TarvelinRezezadovuContractsDatabaseIStatement *self, TarvelinProvidersContractsDataType type, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_quote_identifier:
 * @self: (not nullable): the instance
 * @identifier: (not nullable): a text
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *identifier, const gchar *schema);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_build_sql_update:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @columns: (array length=columns_length1) (element-type utf8) (nullable): the items
 * @values: (array length=values_length1) (element-type utf8) (nullable): the items
 * @where_columns: (array length=where_columns_length1) (element-type utf8) (nullable): the items
 * @where_values: (array length=where_values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_build_sql_update(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *schema, const gchar *table, gchar **columns,
    gint columns_length1, gchar **values, gint values_length1, gchar **where_columns, gint where_columns_length1,
    gchar **where_values, gint where_values_length1);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_build_sql_insert:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @columns: (array length=columns_length1) (element-type utf8) (nullable): the items
 * @values: (array length=values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_build_sql_insert(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *schema, const gchar *table, gchar **columns,
    gint columns_length1, gchar **values, gint values_length1);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_build_sql_delete:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @where_columns: (array length=where_columns_length1) (element-type utf8) (nullable): the items
 * @where_values: (array length=where_values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_build_sql_delete(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *schema, const gchar *table, gchar **where_columns,
    gint where_columns_length1, gchar **where_values, gint where_values_length1);
/**
 * tarvelin_rezezadovu_contracts_database_istatement_build_sql_view:
 * @self: (not nullable): the instance
 * @user_schema: (not nullable): a text
 * @view_name: (not nullable): a text
 * @statements: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_istatement_build_sql_view(
    TarvelinRezezadovuContractsDatabaseIStatement *self, const gchar *user_schema, const gchar *view_name,
    const gchar *statements);

/* Fills catalogue objects in place from the server. */
struct _TarvelinRezezadovuContractsDatabaseIAdaptableInterface {
    GTypeInterface parent_iface;
    void (*fill_meta_database)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                               TarvelinRezezadovuMetaModelMetaDatabase *database, gboolean deep, GError **error);
    void (*fill_meta_schema)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                             TarvelinRezezadovuMetaModelMetaSchema *schema, gboolean deep, GError **error);
    void (*fill_meta_table)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                            TarvelinRezezadovuMetaModelMetaTable *table, gboolean deep, GError **error);
    void (*fill_meta_view)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                           TarvelinRezezadovuMetaModelMetaView *view, GError **error);
    void (*fill_meta_index)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                            TarvelinRezezadovuMetaModelMetaIndex *index, GError **error);
    void (*fill_meta_trigger)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                              TarvelinRezezadovuMetaModelMetaTrigger *trigger, GError **error);
    void (*fill_meta_function)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                               TarvelinRezezadovuMetaModelMetaFunction *function, GError **error);
    void (*fill_meta_user)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                           TarvelinRezezadovuMetaModelMetaUser *user, GError **error);
    void (*fill_meta_role)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                           TarvelinRezezadovuMetaModelMetaRole *role, GError **error);
    void (*fill_meta_event)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                            TarvelinRezezadovuMetaModelMetaEvent *event, GError **error);
    void (*fill_meta_object)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                             TarvelinRezezadovuMetaModelMetaObject *meta_object, gboolean deep, GError **error);
    void (*fill_data_table)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                            TarvelinProvidersContractsTableModel *table, GError **error);
    void (*fill_data_set)(TarvelinRezezadovuContractsDatabaseIAdaptable *self,
                          TarvelinProvidersContractsDataSetModel *dataset, GError **error);
};
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database:
 * @self: (not nullable): the instance
 * @database: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaDatabase *database,
    gboolean deep, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaSchema *schema, gboolean deep,
    GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaTable *table, gboolean deep,
    GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_view:
 * @self: (not nullable): the instance
 * @view: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_view(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaView *view, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_index:
 * @self: (not nullable): the instance
 * @index: (not nullable): a #TarvelinRezezadovuMetaModelMetaIndex
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_index(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaIndex *index, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_trigger:
 * @self: (not nullable): the instance
 * @trigger: (not nullable): a #TarvelinRezezadovuMetaModelMetaTrigger
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_trigger(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaTrigger *trigger,
    GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function:
 * @self: (not nullable): the instance
 * @function: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaFunction *function,
    GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_user:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_user(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaUser *user, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_role:
 * @self: (not nullable): the instance
 * @role: (not nullable): a #TarvelinRezezadovuMetaModelMetaRole
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_role(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaRole *role, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_event:
 * @self: (not nullable): the instance
 * @event: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_event(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaEvent *event, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object:
 * @self: (not nullable): the instance
 * @meta_object: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinRezezadovuMetaModelMetaObject *meta_object,
    gboolean deep, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_data_table:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinProvidersContractsTableModel
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_data_table(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinProvidersContractsTableModel *table, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iadaptable_fill_data_set:
 * @self: (not nullable): the instance
 * @dataset: (not nullable): a #TarvelinProvidersContractsDataSetModel
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iadaptable_fill_data_set(
    TarvelinRezezadovuContractsDatabaseIAdaptable *self, TarvelinProvidersContractsDataSetModel *dataset,
    GError **error);

/* DDL texts from catalogue objects; every result is a new text. */
struct _TarvelinRezezadovuContractsDatabaseIBuildableInterface {
    GTypeInterface parent_iface;
    gchar *(*build_create)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                           TarvelinRezezadovuMetaModelMetaObject *meta_object, gboolean raw_types);
    gchar *(*build_delete)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                           TarvelinRezezadovuMetaModelMetaObject *meta_object);
    gchar *(*build_patch)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                          TarvelinRezezadovuMetaModelMetaObject *meta_object, gboolean raw_types);
    gchar *(*build_normal)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                           TarvelinProvidersContractsTableModel *table, const gchar *action);
    gchar *(*alter_database)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                             TarvelinRezezadovuMetaModelMetaDatabase *database_old,
                             TarvelinRezezadovuMetaModelMetaDatabase *database_new);
    gchar *(*create_database)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                              TarvelinRezezadovuMetaModelMetaDatabase *database, gboolean raw_types);
    gchar *(*alter_schema)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                           TarvelinRezezadovuMetaModelMetaSchema *schema_old,
                           TarvelinRezezadovuMetaModelMetaSchema *schema_new);
    gchar *(*build_schema)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                           TarvelinRezezadovuMetaModelMetaSchema *schema, gboolean raw_types);
    gchar *(*build_table)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                          TarvelinRezezadovuMetaModelMetaTable *table, gboolean raw_types);
    gchar *(*build_view)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                         TarvelinRezezadovuMetaModelMetaView *view);
    gchar *(*build_index)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                          TarvelinRezezadovuMetaModelMetaIndex *index);
    gchar *(*build_trigger)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                            TarvelinRezezadovuMetaModelMetaTrigger *trigger);
    gchar *(*build_function)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                             TarvelinRezezadovuMetaModelMetaFunction *function);
    gchar *(*build_user)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                         TarvelinRezezadovuMetaModelMetaUser *user);
    gchar *(*build_role)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                         TarvelinRezezadovuMetaModelMetaRole *role);
    gchar *(*build_script)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                           TarvelinProvidersContractsDataSetModel *dataset);
    gchar *(*build_caller)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                           TarvelinRezezadovuMetaModelMetaFunction *function);
    gchar *(*build_event)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                          TarvelinRezezadovuMetaModelMetaEvent *event);
    gchar *(*patch_event)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                          TarvelinRezezadovuMetaModelMetaEvent *event);
    gchar *(*patch_function)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                             TarvelinRezezadovuMetaModelMetaFunction *func);
    gchar *(*patch_script)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                           TarvelinRezezadovuMetaModelMetaDatabase *database);
    gchar *(*patch_table)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                          TarvelinRezezadovuMetaModelMetaTable *table);
    gchar *(*patch_view)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                         TarvelinRezezadovuMetaModelMetaView *view);
    gchar *(*patch_data_table)(TarvelinRezezadovuContractsDatabaseIBuildable *self,
                               TarvelinProvidersContractsTableModel *model);
};
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_create:
 * @self: (not nullable): the instance
 * @meta_object: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_create(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaObject *meta_object,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_delete:
 * @self: (not nullable): the instance
 * @meta_object: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_delete(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaObject *meta_object);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_patch:
 * @self: (not nullable): the instance
 * @meta_object: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_patch(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaObject *meta_object,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_normal:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinProvidersContractsTableModel
 * @action: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_normal(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinProvidersContractsTableModel *table,
    const gchar *action);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_alter_database:
 * @self: (not nullable): the instance
 * @database_old: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 * @database_new: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_alter_database(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaDatabase *database_old,
    TarvelinRezezadovuMetaModelMetaDatabase *database_new);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_create_database:
 * @self: (not nullable): the instance
 * @database: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_create_database(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaDatabase *database,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_alter_schema:
 * @self: (not nullable): the instance
 * @schema_old: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 * @schema_new: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_alter_schema(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaSchema *schema_old,
    TarvelinRezezadovuMetaModelMetaSchema *schema_new);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_schema:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaSchema *schema,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_table:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_table(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaTable *table,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_view:
 * @self: (not nullable): the instance
 * @view: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_view(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaView *view);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_index:
 * @self: (not nullable): the instance
 * @index: (not nullable): a #TarvelinRezezadovuMetaModelMetaIndex
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_index(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaIndex *index);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_trigger:
 * @self: (not nullable): the instance
 * @trigger: (not nullable): a #TarvelinRezezadovuMetaModelMetaTrigger
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_trigger(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaTrigger *trigger);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_function:
 * @self: (not nullable): the instance
 * @function: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_function(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaFunction *function);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_user:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_user(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaUser *user);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_role:
 * @self: (not nullable): the instance
 * @role: (not nullable): a #TarvelinRezezadovuMetaModelMetaRole
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_role(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaRole *role);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_script:
 * @self: (not nullable): the instance
 * @dataset: (not nullable): a #TarvelinProvidersContractsDataSetModel
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_script(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinProvidersContractsDataSetModel *dataset);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_caller:
 * @self: (not nullable): the instance
 * @function: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_caller(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaFunction *function);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_build_event:
 * @self: (not nullable): the instance
 * @event: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_build_event(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaEvent *event);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_patch_event:
 * @self: (not nullable): the instance
 * @event: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_patch_event(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaEvent *event);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_patch_function:
 * @self: (not nullable): the instance
 * @func: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_patch_function(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaFunction *func);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_patch_script:
 * @self: (not nullable): the instance
 * @database: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_patch_script(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaDatabase *database);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_patch_table:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_patch_table(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaTable *table);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_patch_view:
 * @self: (not nullable): the instance
 * @view: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_patch_view(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinRezezadovuMetaModelMetaView *view);
/**
 * tarvelin_rezezadovu_contracts_database_ibuildable_patch_data_table:
 * @self: (not nullable): the instance
 * @model: (not nullable): a #TarvelinProvidersContractsTableModel
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_ibuildable_patch_data_table(
    TarvelinRezezadovuContractsDatabaseIBuildable *self, TarvelinProvidersContractsTableModel *model);

/* Browse lists of catalogue objects and object commands. */
struct _TarvelinRezezadovuContractsDatabaseIExplorableInterface {
    GTypeInterface parent_iface;
    TarvelinProvidersContractsTableModel *(*load_objects)(TarvelinRezezadovuContractsDatabaseIExplorable *self,
                                                          TarvelinProvidersContractsDBObject kind,
                                                          const gchar *database, const gchar *schema,
                                                          const gchar *extra_data, GError **error);
    void (*exec_command)(TarvelinRezezadovuContractsDatabaseIExplorable *self, TarvelinProvidersContractsDBObject kind,
                         const gchar *database, const gchar *schema, const gchar *object, const gchar *extra_data,
                         const gchar *command, GError **error);
};
/**
 * tarvelin_rezezadovu_contracts_database_iexplorable_load_objects:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @extra_data: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
    TarvelinRezezadovuContractsDatabaseIExplorable *self, TarvelinProvidersContractsDBObject kind,
    const gchar *database, const gchar *schema, const gchar *extra_data, GError **error);
/**
 * tarvelin_rezezadovu_contracts_database_iexplorable_exec_command:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @object: (not nullable): a text
 * @extra_data: (not nullable): a text
 * @command: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(
    TarvelinRezezadovuContractsDatabaseIExplorable *self, TarvelinProvidersContractsDBObject kind,
    const gchar *database, const gchar *schema, const gchar *object, const gchar *extra_data, const gchar *command,
    GError **error);

/* Type knowledge and choice lists of a dialect. support gives a NULL-terminated array. */
struct _TarvelinRezezadovuContractsDatabaseIInspectableInterface {
    GTypeInterface parent_iface;
    gchar **(*support)(TarvelinRezezadovuContractsDatabaseIInspectable *self,
                       TarvelinRezezadovuContractsDatabaseDbMetaType kind, gint *result_length1);
    gchar *(*get_type_default)(TarvelinRezezadovuContractsDatabaseIInspectable *self, const gchar *native_type);
    TarvelinProvidersContractsDataType (*get_data_type)(TarvelinRezezadovuContractsDatabaseIInspectable *self,
                                                        const gchar *native_type);
    gchar *(*get_sql_type)(TarvelinRezezadovuContractsDatabaseIInspectable *self,
                           TarvelinProvidersContractsDataType type);
    GType (*get_glib_type)(TarvelinRezezadovuContractsDatabaseIInspectable *self, const gchar *native_type);
};
/**
 * tarvelin_rezezadovu_contracts_database_iinspectable_support:
 * @self: (not nullable): the instance
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new array of new texts, freed with g_strfreev()
 */
TARVELIN_API gchar **tarvelin_rezezadovu_contracts_database_iinspectable_support(
    TarvelinRezezadovuContractsDatabaseIInspectable *self, TarvelinRezezadovuContractsDatabaseDbMetaType kind,
    gint *result_length1);
/**
 * tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default:
 * @self: (not nullable): the instance
 * @native_type: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(
    TarvelinRezezadovuContractsDatabaseIInspectable *self, const gchar *native_type);
/**
 * tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type:
 * @self: (not nullable): the instance
 * @native_type: (not nullable): a text
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(
    TarvelinRezezadovuContractsDatabaseIInspectable *self, const gchar *native_type);
/**
 * tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(
    TarvelinRezezadovuContractsDatabaseIInspectable *self, TarvelinProvidersContractsDataType type);
/**
 * tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type:
 * @self: (not nullable): the instance
 * @native_type: (not nullable): a text
 */
TARVELIN_API GType tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(
    TarvelinRezezadovuContractsDatabaseIInspectable *self, const gchar *native_type);

/* SQL layout for display. */
struct _TarvelinRezezadovuContractsDatabaseIFormattableInterface {
    GTypeInterface parent_iface;
    void (*option)(TarvelinRezezadovuContractsDatabaseIFormattable *self, const gchar *name, const gchar *value);
    gchar *(*beautify)(TarvelinRezezadovuContractsDatabaseIFormattable *self, const gchar *statements);
    gchar *(*minify)(TarvelinRezezadovuContractsDatabaseIFormattable *self, const gchar *statements);
};
/**
 * tarvelin_rezezadovu_contracts_database_iformattable_option:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 * @value: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_iformattable_option(
    TarvelinRezezadovuContractsDatabaseIFormattable *self, const gchar *name, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_database_iformattable_beautify:
 * @self: (not nullable): the instance
 * @statements: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_iformattable_beautify(
    TarvelinRezezadovuContractsDatabaseIFormattable *self, const gchar *statements);
/**
 * tarvelin_rezezadovu_contracts_database_iformattable_minify:
 * @self: (not nullable): the instance
 * @statements: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_iformattable_minify(
    TarvelinRezezadovuContractsDatabaseIFormattable *self, const gchar *statements);

/* A thread-safe text cache; lookup gives a new copy or NULL. */
struct _TarvelinRezezadovuContractsDatabaseICachableInterface {
    GTypeInterface parent_iface;
    void (*append)(TarvelinRezezadovuContractsDatabaseICachable *self, const gchar *key, const gchar *value);
    gchar *(*lookup)(TarvelinRezezadovuContractsDatabaseICachable *self, const gchar *key);
    void (*clear)(TarvelinRezezadovuContractsDatabaseICachable *self);
};
/**
 * tarvelin_rezezadovu_contracts_database_icachable_append:
 * @self: (not nullable): the instance
 * @key: (not nullable): a text
 * @value: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_icachable_append(
    TarvelinRezezadovuContractsDatabaseICachable *self, const gchar *key, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_database_icachable_lookup:
 * @self: (not nullable): the instance
 * @key: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_database_icachable_lookup(
    TarvelinRezezadovuContractsDatabaseICachable *self, const gchar *key);
/**
 * tarvelin_rezezadovu_contracts_database_icachable_clear:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_database_icachable_clear(
    TarvelinRezezadovuContractsDatabaseICachable *self);

/* The product-neutral connection; dialects derive from it. */
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseConnectionImpl,
                           tarvelin_rezezadovu_supports_database_connection_impl, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE,
                           CONNECTION_IMPL)
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseConnectionImpl *
tarvelin_rezezadovu_supports_database_connection_impl_new(void);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseConnectionImpl *
tarvelin_rezezadovu_supports_database_connection_impl_construct(GType object_type);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_adapter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIAdaptable *
tarvelin_rezezadovu_supports_database_connection_impl_adapter(TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_builder:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIBuildable *
tarvelin_rezezadovu_supports_database_connection_impl_builder(TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_explorer:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIExplorable *
tarvelin_rezezadovu_supports_database_connection_impl_explorer(TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_cache:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseICachable *tarvelin_rezezadovu_supports_database_connection_impl_cache(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_inspector:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIInspectable *
tarvelin_rezezadovu_supports_database_connection_impl_inspector(TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_statement:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIStatement *
tarvelin_rezezadovu_supports_database_connection_impl_statement(TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_formatter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIFormattable *
tarvelin_rezezadovu_supports_database_connection_impl_formatter(TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_open:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @user_object: (nullable): an object the host attaches to the connection
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_open(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, TarvelinProvidersContractsServer *server,
    GObject *user_object, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_open_async:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @user_object: (nullable): an object the host attaches to the connection
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_open_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, TarvelinProvidersContractsServer *server,
    GObject *user_object, GAsyncReadyCallback _callback_, gpointer _user_data_);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_open_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_open_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_reopen:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_reopen(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_reopen_async:
 * @self: (not nullable): the instance
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_reopen_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GAsyncReadyCallback _callback_, gpointer _user_data_);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_reopen_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_reopen_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_close:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_close(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_async:
 * @self: (not nullable): the instance
 * @statements: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_execute_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *statements, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new array of new references; %NULL with @error set on failure
 */
TARVELIN_API GObject **tarvelin_rezezadovu_supports_database_connection_impl_execute_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GAsyncResult *_res_, gint *result_length1, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute:
 * @self: (not nullable): the instance
 * @statements: (not nullable): a text
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new array of new references; %NULL with @error set on failure
 */
TARVELIN_API GObject **tarvelin_rezezadovu_supports_database_connection_impl_execute(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *statements, gboolean flag,
    gint *result_length1, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_async:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API gint64 tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 */
TARVELIN_API gint64 tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *sql, gboolean flag, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_async:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *
tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *
tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *sql, gboolean flag, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_async:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsValueObject *
tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsValueObject *
tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *sql, gboolean flag, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_execute_reader:
 * @self: (not nullable): the instance
 * @sql: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsIDataReader *
tarvelin_rezezadovu_supports_database_connection_impl_execute_reader(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, const gchar *sql, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_transaction:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_supports_database_connection_impl_transaction(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_rollback:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_rollback(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_commit:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_commit(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_update_version:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_update_version(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_get_server:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_rezezadovu_supports_database_connection_impl_get_server(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_get_version:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_supports_database_connection_impl_get_version(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_get_provider:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinProvidersContractsIProvider *tarvelin_rezezadovu_supports_database_connection_impl_get_provider(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_get_status:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseDBStatus
tarvelin_rezezadovu_supports_database_connection_impl_get_status(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self);
/**
 * tarvelin_rezezadovu_supports_database_connection_impl_set_status:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_connection_impl_set_status(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *self, TarvelinRezezadovuContractsDatabaseDBStatus value);

/* The connection's text cache. */
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseDataCache,
                           tarvelin_rezezadovu_supports_database_data_cache, TARVELIN_REZEZADOVU_SUPPORTS_DATABASE,
                           DATA_CACHE)
/**
 * tarvelin_rezezadovu_supports_database_data_cache_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseDataCache *tarvelin_rezezadovu_supports_database_data_cache_new(void);
/**
 * tarvelin_rezezadovu_supports_database_data_cache_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseDataCache *tarvelin_rezezadovu_supports_database_data_cache_construct(
    GType object_type);

/* The base statement of the dialects. Every operation has a default text and each exported function
 * below calls the object's own operation, so a dialect's override serves C callers too. The
 * defaults: the listings (show_*) and the other statement texts are empty (a listing sets its
 * column out-arguments to 0); build_connection_string gives
 * "DRIVER={driver};SERVER=host;DATABASE=initial;PORT=port;UID=username;PWD=password;";
 * build_explain and build_analyze give "EXPLAIN <statement>;" and "ANALYZE <statement>;";
 * transaction, rollback and commit give "START TRANSACTION;", "ROLLBACK;" and "COMMIT;"; pack_value
 * gives the type's SQL literal (numbers bare); quote_identifier gives "schema"."name" (the schema
 * left out when empty); build_sql_insert, build_sql_update and build_sql_delete give the row
 * statement on that quoted name; and build_sql_view gives "CREATE VIEW `schema`.`name` AS
 * <statements>". A required text that is NULL logs a critical and gives NULL. The statement holds
 * its connection without a reference. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_STATEMENT (tarvelin_rezezadovu_supports_database_statement_get_type())
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseStatement, tarvelin_rezezadovu_supports_database_statement,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, STATEMENT)
/**
 * tarvelin_rezezadovu_supports_database_statement_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseStatement *tarvelin_rezezadovu_supports_database_statement_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_statement_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseStatement *tarvelin_rezezadovu_supports_database_statement_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_statement_build_connection_string:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_build_connection_string(
    TarvelinRezezadovuSupportsDatabaseStatement *self, TarvelinProvidersContractsServer *server);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_databases:
 * @self: (not nullable): the instance
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_databases(
    TarvelinRezezadovuSupportsDatabaseStatement *self, gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_tables:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_tables(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_views:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_views(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_change_database:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_change_database(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database);
/**
 * tarvelin_rezezadovu_supports_database_statement_build_explain:
 * @self: (not nullable): the instance
 * @statement: (not nullable): a text
 * @format: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_build_explain(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *statement, const gchar *format);
/**
 * tarvelin_rezezadovu_supports_database_statement_build_analyze:
 * @self: (not nullable): the instance
 * @statement: (not nullable): a text
 * @format: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_build_analyze(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *statement, const gchar *format);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_table_spaces:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_table_spaces(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_table_schemas:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_table_schemas(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_checks:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_checks(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_excludes:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_excludes(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_foreigns:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_foreigns(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_rules:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_rules(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_uniques:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_uniques(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_indexes:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_indexes(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_triggers:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_triggers(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_functions:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_functions(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_procedures:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_procedures(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_call_function:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @function: (not nullable): a text
 * @parameters: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_call_function(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *function, const gchar *parameters);
/**
 * tarvelin_rezezadovu_supports_database_statement_call_procedure:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @procedure: (not nullable): a text
 * @parameters: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_call_procedure(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *procedure, const gchar *parameters);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_source:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name: (not nullable): a text
 * @source_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_source(
    TarvelinRezezadovuSupportsDatabaseStatement *self, TarvelinProvidersContractsDBObject type, const gchar *database,
    const gchar *user_schema, const gchar *name, gint *source_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_structure:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @table: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_structure(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *table, gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_content:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @table: (not nullable): a text
 * @columns: (not nullable): a text
 * @where: (not nullable): a text
 * @order: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_content(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *table, const gchar *columns, const gchar *where, const gchar *order, gint64 offset, gint limit);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_users:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_users(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_roles:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @name_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_roles(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    gint *name_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_user_detail:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @username: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_user_detail(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *username);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_role_detail:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @rolename: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_role_detail(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *rolename);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_user_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @username: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_user_rights(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *username);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_role_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @rolename: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_role_rights(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *rolename);
/**
 * tarvelin_rezezadovu_supports_database_statement_grant_user_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @username: (not nullable): a text
 * @object: (not nullable): a text
 * @rights: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_grant_user_rights(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *username, const gchar *object, const gchar *rights);
/**
 * tarvelin_rezezadovu_supports_database_statement_revoke_user_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @username: (not nullable): a text
 * @object: (not nullable): a text
 * @rights: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_revoke_user_rights(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *username, const gchar *object, const gchar *rights);
/**
 * tarvelin_rezezadovu_supports_database_statement_grant_role_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @rolename: (not nullable): a text
 * @object: (not nullable): a text
 * @rights: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_grant_role_rights(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *rolename, const gchar *object, const gchar *rights);
/**
 * tarvelin_rezezadovu_supports_database_statement_revoke_role_rights:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @rolename: (not nullable): a text
 * @object: (not nullable): a text
 * @rights: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_revoke_role_rights(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *rolename, const gchar *object, const gchar *rights);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_privileges:
 * @self: (not nullable): the instance
 * @name_column: (out) (optional): return location
 * @context_column: (out) (optional): return location
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_privileges(
    TarvelinRezezadovuSupportsDatabaseStatement *self, gint *name_column, gint *context_column);
/**
 * tarvelin_rezezadovu_supports_database_statement_flush_privileges:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_flush_privileges(
    TarvelinRezezadovuSupportsDatabaseStatement *self);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_effected:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @table: (not nullable): a text
 * @where: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_effected(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *table, const gchar *where);
/**
 * tarvelin_rezezadovu_supports_database_statement_show_relations:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @table: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_show_relations(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *table);
/**
 * tarvelin_rezezadovu_supports_database_statement_rename_object:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @old_name: (not nullable): a text
 * @new_name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_rename_object(
    TarvelinRezezadovuSupportsDatabaseStatement *self, TarvelinProvidersContractsDBObject type, const gchar *database,
    const gchar *user_schema, const gchar *old_name, const gchar *new_name);
/**
 * tarvelin_rezezadovu_supports_database_statement_drop_object:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @object_name: (not nullable): a text
 * @object_target: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_drop_object(
    TarvelinRezezadovuSupportsDatabaseStatement *self, TarvelinProvidersContractsDBObject type, const gchar *database,
    const gchar *user_schema, const gchar *object_name, const gchar *object_target);
/**
 * tarvelin_rezezadovu_supports_database_statement_empty_table:
 * @self: (not nullable): the instance
 * @database: (not nullable): a text
 * @user_schema: (not nullable): a text
 * @object_name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_empty_table(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *database, const gchar *user_schema,
    const gchar *object_name);
/**
 * tarvelin_rezezadovu_supports_database_statement_transaction:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_transaction(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *name);
/**
 * tarvelin_rezezadovu_supports_database_statement_rollback:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_rollback(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *name);
/**
 * tarvelin_rezezadovu_supports_database_statement_commit:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_commit(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *name);
/**
 * tarvelin_rezezadovu_supports_database_statement_pack_value:
 * @self: (not nullable): the instance
 * @value: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_pack_value(
    TarvelinRezezadovuSupportsDatabaseStatement *self, TarvelinProvidersContractsDataType type, const gchar *value);
/**
 * tarvelin_rezezadovu_supports_database_statement_quote_identifier:
 * @self: (not nullable): the instance
 * @identifier: (not nullable): a text
 * @schema: (nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_quote_identifier(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *identifier, const gchar *schema);
/**
 * tarvelin_rezezadovu_supports_database_statement_build_sql_update:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @columns: (array length=columns_length1) (element-type utf8) (nullable): the items
 * @values: (array length=values_length1) (element-type utf8) (nullable): the items
 * @where_columns: (array length=where_columns_length1) (element-type utf8) (nullable): the items
 * @where_values: (array length=where_values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_build_sql_update(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *schema, const gchar *table, gchar **columns,
    gint columns_length1, gchar **values, gint values_length1, gchar **where_columns, gint where_columns_length1,
    gchar **where_values, gint where_values_length1);
/**
 * tarvelin_rezezadovu_supports_database_statement_build_sql_insert:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @columns: (array length=columns_length1) (element-type utf8) (nullable): the items
 * @values: (array length=values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_build_sql_insert(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *schema, const gchar *table, gchar **columns,
    gint columns_length1, gchar **values, gint values_length1);
/**
 * tarvelin_rezezadovu_supports_database_statement_build_sql_delete:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @where_columns: (array length=where_columns_length1) (element-type utf8) (nullable): the items
 * @where_values: (array length=where_values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_build_sql_delete(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *schema, const gchar *table, gchar **where_columns,
    gint where_columns_length1, gchar **where_values, gint where_values_length1);
/**
 * tarvelin_rezezadovu_supports_database_statement_build_sql_view:
 * @self: (not nullable): the instance
 * @user_schema: (not nullable): a text
 * @view_name: (not nullable): a text
 * @statements: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_statement_build_sql_view(
    TarvelinRezezadovuSupportsDatabaseStatement *self, const gchar *user_schema, const gchar *view_name,
    const gchar *statements);

/* The base catalogue adapter: its fills read nothing; fill_data_set runs the object's own
 * fill_data_table over each table of the data set, stopping at the first error. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_ADAPTER (tarvelin_rezezadovu_supports_database_adapter_get_type())
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseAdapter, tarvelin_rezezadovu_supports_database_adapter,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, ADAPTER)
/**
 * tarvelin_rezezadovu_supports_database_adapter_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseAdapter *tarvelin_rezezadovu_supports_database_adapter_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_adapter_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseAdapter *tarvelin_rezezadovu_supports_database_adapter_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_database:
 * @self: (not nullable): the instance
 * @database: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_database(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaDatabase *database,
    gboolean deep, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_schema:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_schema(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaSchema *schema, gboolean deep,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_table:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_table(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaTable *table, gboolean deep,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_view:
 * @self: (not nullable): the instance
 * @view: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_view(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaView *view, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_index:
 * @self: (not nullable): the instance
 * @index: (not nullable): a #TarvelinRezezadovuMetaModelMetaIndex
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_index(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaIndex *index, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_trigger:
 * @self: (not nullable): the instance
 * @trigger: (not nullable): a #TarvelinRezezadovuMetaModelMetaTrigger
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_trigger(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaTrigger *trigger,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_function:
 * @self: (not nullable): the instance
 * @function: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_function(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaFunction *function,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_user:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_user(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaUser *user, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_role:
 * @self: (not nullable): the instance
 * @role: (not nullable): a #TarvelinRezezadovuMetaModelMetaRole
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_role(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaRole *role, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_event:
 * @self: (not nullable): the instance
 * @event: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_event(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaEvent *event, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_meta_object:
 * @self: (not nullable): the instance
 * @meta_object: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_meta_object(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinRezezadovuMetaModelMetaObject *meta_object,
    gboolean deep, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_data_table:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinProvidersContractsTableModel
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_data_table(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinProvidersContractsTableModel *table, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_adapter_fill_data_set:
 * @self: (not nullable): the instance
 * @dataset: (not nullable): a #TarvelinProvidersContractsDataSetModel
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_adapter_fill_data_set(
    TarvelinRezezadovuSupportsDatabaseAdapter *self, TarvelinProvidersContractsDataSetModel *dataset,
    GError **error);

/* The base DDL builder: every text is empty. order_with_dependence reorders a schema's
 * tables from `index` on so that each follows the tables its foreign keys reference. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_BUILDER \
    (tarvelin_rezezadovu_supports_database_sql_builder_get_type())
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseSqlBuilder, tarvelin_rezezadovu_supports_database_sql_builder,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_BUILDER)
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSqlBuilder *tarvelin_rezezadovu_supports_database_sql_builder_new(
    TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSqlBuilder *tarvelin_rezezadovu_supports_database_sql_builder_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_create:
 * @self: (not nullable): the instance
 * @meta_object: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_create(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaObject *meta_object,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_delete:
 * @self: (not nullable): the instance
 * @meta_object: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_delete(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaObject *meta_object);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_patch:
 * @self: (not nullable): the instance
 * @meta_object: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_patch(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaObject *meta_object,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_normal:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinProvidersContractsTableModel
 * @action: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_normal(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinProvidersContractsTableModel *table,
    const gchar *action);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_alter_database:
 * @self: (not nullable): the instance
 * @database_old: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 * @database_new: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_alter_database(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaDatabase *database_old,
    TarvelinRezezadovuMetaModelMetaDatabase *database_new);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_create_database:
 * @self: (not nullable): the instance
 * @database: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_create_database(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaDatabase *database,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_alter_schema:
 * @self: (not nullable): the instance
 * @schema_old: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 * @schema_new: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_alter_schema(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaSchema *schema_old,
    TarvelinRezezadovuMetaModelMetaSchema *schema_new);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_schema:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_schema(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaSchema *schema,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_table:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_table(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaTable *table,
    gboolean raw_types);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_view:
 * @self: (not nullable): the instance
 * @view: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_view(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaView *view);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_index:
 * @self: (not nullable): the instance
 * @index: (not nullable): a #TarvelinRezezadovuMetaModelMetaIndex
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_index(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaIndex *index);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_trigger:
 * @self: (not nullable): the instance
 * @trigger: (not nullable): a #TarvelinRezezadovuMetaModelMetaTrigger
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_trigger(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaTrigger *trigger);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_function:
 * @self: (not nullable): the instance
 * @function: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_function(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaFunction *function);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_user:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_user(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_role:
 * @self: (not nullable): the instance
 * @role: (not nullable): a #TarvelinRezezadovuMetaModelMetaRole
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_role(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaRole *role);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_script:
 * @self: (not nullable): the instance
 * @dataset: (not nullable): a #TarvelinProvidersContractsDataSetModel
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_script(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinProvidersContractsDataSetModel *dataset);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_caller:
 * @self: (not nullable): the instance
 * @function: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_caller(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaFunction *function);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_build_event:
 * @self: (not nullable): the instance
 * @event: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_build_event(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaEvent *event);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_patch_event:
 * @self: (not nullable): the instance
 * @event: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_patch_event(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaEvent *event);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_patch_function:
 * @self: (not nullable): the instance
 * @func: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_patch_function(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaFunction *func);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_patch_script:
 * @self: (not nullable): the instance
 * @database: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_patch_script(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaDatabase *database);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_patch_table:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_patch_table(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaTable *table);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_patch_view:
 * @self: (not nullable): the instance
 * @view: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_patch_view(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaView *view);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_patch_data_table:
 * @self: (not nullable): the instance
 * @model: (not nullable): a #TarvelinProvidersContractsTableModel
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_builder_patch_data_table(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinProvidersContractsTableModel *model);
/**
 * tarvelin_rezezadovu_supports_database_sql_builder_order_with_dependence:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_sql_builder_order_with_dependence(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder *self, TarvelinRezezadovuMetaModelMetaSchema *schema, gint index);

/* The SQL formatter (IFormattable): beautify lays SQL out on lines, minify puts it on one;
 * the option map is kept but read by neither. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_FORMATTER (tarvelin_rezezadovu_supports_database_formatter_get_type())
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseFormatter, tarvelin_rezezadovu_supports_database_formatter,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, FORMATTER)
/**
 * tarvelin_rezezadovu_supports_database_formatter_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseFormatter *tarvelin_rezezadovu_supports_database_formatter_new(void);
/**
 * tarvelin_rezezadovu_supports_database_formatter_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseFormatter *tarvelin_rezezadovu_supports_database_formatter_construct(
    GType object_type);

G_END_DECLS
