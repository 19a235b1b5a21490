/* The SQL Server driver over FreeTDS db-lib: reports of db-lib and the server
 * (TdsMessage), the per-connection state the process-wide handlers fill
 * (TdsUserData), the error and type interfaces, the provider and its reader.
 *
 * db-lib's connection handle is `DBPROCESS`, declared in <sybdb.h> as
 * `struct tds_dblib_dbprocess`; this header names the structure only. */
#pragma once

#include <tarvelin/providers/vocabulary.h>

G_BEGIN_DECLS

struct tds_dblib_dbprocess;

#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_MESSAGE (tarvelin_providers_supports_tds_message_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_USER_DATA (tarvelin_providers_supports_tds_user_data_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_ISQL_SERVER_ERROR (tarvelin_providers_supports_isql_server_error_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_ISQL_SERVER_TYPE (tarvelin_providers_supports_isql_server_type_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQL_SERVER_PROVIDER (tarvelin_providers_supports_sql_server_provider_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQL_SERVER_READER (tarvelin_providers_supports_sql_server_reader_get_type())

/* ---------------------------------------------------------------- TdsMessage */

TARVELIN_DECLARE_FUNDAMENTAL_TYPE(TarvelinProvidersSupportsTdsMessage, tarvelin_providers_supports_tds_message,
                                  TARVELIN_PROVIDERS_SUPPORTS, TDS_MESSAGE)

/**
 * tarvelin_providers_supports_tds_message_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsTdsMessage *tarvelin_providers_supports_tds_message_new(void);
/**
 * tarvelin_providers_supports_tds_message_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsTdsMessage *tarvelin_providers_supports_tds_message_construct(GType object_type);
/**
 * tarvelin_providers_supports_tds_message_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
TARVELIN_API gpointer tarvelin_providers_supports_tds_message_ref(gpointer instance);
/**
 * tarvelin_providers_supports_tds_message_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
TARVELIN_API void tarvelin_providers_supports_tds_message_unref(gpointer instance);
/**
 * tarvelin_providers_supports_tds_message_get_error:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_providers_supports_tds_message_get_error(TarvelinProvidersSupportsTdsMessage *self);
/**
 * tarvelin_providers_supports_tds_message_set_error:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_supports_tds_message_set_error(TarvelinProvidersSupportsTdsMessage *self,
                                                                    gint32 value);
/**
 * tarvelin_providers_supports_tds_message_get_severity:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_providers_supports_tds_message_get_severity(TarvelinProvidersSupportsTdsMessage *self);
/**
 * tarvelin_providers_supports_tds_message_set_severity:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_supports_tds_message_set_severity(TarvelinProvidersSupportsTdsMessage *self,
                                                                       gint32 value);
/**
 * tarvelin_providers_supports_tds_message_get_source:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_supports_tds_message_get_source(TarvelinProvidersSupportsTdsMessage *self);
/**
 * tarvelin_providers_supports_tds_message_set_source:
 * @self: (not nullable): the instance
 * @value: (not nullable): a text
 */
TARVELIN_API void tarvelin_providers_supports_tds_message_set_source(TarvelinProvidersSupportsTdsMessage *self,
                                                                     const gchar *value);
/**
 * tarvelin_providers_supports_tds_message_get_message:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_supports_tds_message_get_message(
    TarvelinProvidersSupportsTdsMessage *self);
/**
 * tarvelin_providers_supports_tds_message_set_message:
 * @self: (not nullable): the instance
 * @value: (not nullable): a text
 */
TARVELIN_API void tarvelin_providers_supports_tds_message_set_message(TarvelinProvidersSupportsTdsMessage *self,
                                                                      const gchar *value);

/**
 * tarvelin_providers_supports_value_set_tds_message:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
TARVELIN_API void tarvelin_providers_supports_value_set_tds_message(GValue *value, gpointer v_object);
/**
 * tarvelin_providers_supports_value_take_tds_message:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
TARVELIN_API void tarvelin_providers_supports_value_take_tds_message(GValue *value, gpointer v_object);
/**
 * tarvelin_providers_supports_value_get_tds_message:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API gpointer tarvelin_providers_supports_value_get_tds_message(const GValue *value);
/**
 * tarvelin_providers_supports_param_spec_tds_message:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API GParamSpec *tarvelin_providers_supports_param_spec_tds_message(const gchar *name, const gchar *nick,
                                                                            const gchar *blurb, GType object_type,
                                                                            GParamFlags flags);

/* ---------------------------------------------------------------- TdsUserData */

/* The per-connection state db-lib carries as the connection's user data. Each flag is
 * one byte (0 or 1); `messages` is a GeeArrayQueue of TdsMessage, oldest first. */
typedef struct _TarvelinProvidersSupportsTdsUserData {
    guint8 keep_dead;
    guint8 timed_out;
    guint8 failed;
    guint8 cancelled;
    guint8 dead;
    guint8 message_only;
    GeeArrayQueue *messages;
} TarvelinProvidersSupportsTdsUserData;

TARVELIN_API GType tarvelin_providers_supports_tds_user_data_get_type(void);
/**
 * tarvelin_providers_supports_tds_user_data_dup:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsTdsUserData *tarvelin_providers_supports_tds_user_data_dup(
    const TarvelinProvidersSupportsTdsUserData *self);
/**
 * tarvelin_providers_supports_tds_user_data_free:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_supports_tds_user_data_free(TarvelinProvidersSupportsTdsUserData *self);
/**
 * tarvelin_providers_supports_tds_user_data_copy:
 * @self: (not nullable): the instance
 * @dest: (not nullable): a #TarvelinProvidersSupportsTdsUserData
 */
TARVELIN_API void tarvelin_providers_supports_tds_user_data_copy(const TarvelinProvidersSupportsTdsUserData *self,
                                                                 TarvelinProvidersSupportsTdsUserData *dest);
/**
 * tarvelin_providers_supports_tds_user_data_destroy:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_supports_tds_user_data_destroy(TarvelinProvidersSupportsTdsUserData *self);

/* ---------------------------------------------------------------- ISQLServerError */

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsISQLServerError, tarvelin_providers_supports_isql_server_error,
                           TARVELIN_PROVIDERS_SUPPORTS, ISQL_SERVER_ERROR)

struct _TarvelinProvidersSupportsISQLServerErrorInterface {
    GTypeInterface parent_iface;
    TarvelinProvidersSupportsTdsUserData *(*get_userdata)(TarvelinProvidersSupportsISQLServerError *self);
};

/**
 * tarvelin_providers_supports_isql_server_error_get_userdata:
 * @self: (not nullable): the instance
 *
 * The connection's state (not owned; may be NULL).
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinProvidersSupportsTdsUserData *tarvelin_providers_supports_isql_server_error_get_userdata(
    TarvelinProvidersSupportsISQLServerError *self);
/**
 * tarvelin_providers_supports_isql_server_error_raise_error:
 * @self: (not nullable): the instance
 *
 * Turns a failing db-lib return code (0, FAIL, or -3, BUF_FULL) into a "TDSDB" error
 * built from the queued reports; any other code sets nothing.
 */
TARVELIN_API void tarvelin_providers_supports_isql_server_error_raise_error(
    TarvelinProvidersSupportsISQLServerError *self, gint code, GError **error);

/* ---------------------------------------------------------------- ISQLServerType */

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsISQLServerType, tarvelin_providers_supports_isql_server_type,
                           TARVELIN_PROVIDERS_SUPPORTS, ISQL_SERVER_TYPE)

struct _TarvelinProvidersSupportsISQLServerTypeInterface {
    GTypeInterface parent_iface;
};

/* db-lib column type (dbcoltype) and length (dbcollen) to a DataType, a type name and
 * a db-lib bind type. */
/**
 * tarvelin_providers_supports_isql_server_type_map_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_supports_isql_server_type_map_data_type(
    TarvelinProvidersSupportsISQLServerType *self, gint type, gint length);
/**
 * tarvelin_providers_supports_isql_server_type_map_dbms_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_supports_isql_server_type_map_dbms_type(
    TarvelinProvidersSupportsISQLServerType *self, gint type, gint length);
/**
 * tarvelin_providers_supports_isql_server_type_map_bind_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint tarvelin_providers_supports_isql_server_type_map_bind_type(
    TarvelinProvidersSupportsISQLServerType *self, gint type);

/* ---------------------------------------------------------------- provider and reader */

TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsSQLServerProvider, tarvelin_providers_supports_sql_server_provider,
                           TARVELIN_PROVIDERS_SUPPORTS, SQL_SERVER_PROVIDER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsSQLServerReader, tarvelin_providers_supports_sql_server_reader,
                           TARVELIN_PROVIDERS_SUPPORTS, SQL_SERVER_READER)

/* A closed provider; it implements IProvider and ISQLServerError. */
/**
 * tarvelin_providers_supports_sql_server_provider_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsSQLServerProvider *tarvelin_providers_supports_sql_server_provider_new(void);
/**
 * tarvelin_providers_supports_sql_server_provider_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsSQLServerProvider *tarvelin_providers_supports_sql_server_provider_construct(
    GType object_type);

/* A reader of the result current on `connection` (not owned); it implements
 * IDataReader, ISQLServerType and ISQLServerError. */
/**
 * tarvelin_providers_supports_sql_server_reader_new:
 * @connection: (not nullable): a #tds_dblib_dbprocess
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsSQLServerReader *tarvelin_providers_supports_sql_server_reader_new(
    struct tds_dblib_dbprocess *connection);
/**
 * tarvelin_providers_supports_sql_server_reader_construct:
 * @connection: (not nullable): a #tds_dblib_dbprocess
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsSQLServerReader *tarvelin_providers_supports_sql_server_reader_construct(
    GType object_type, struct tds_dblib_dbprocess *connection);

G_END_DECLS
