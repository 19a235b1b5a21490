/* The Redis driver over hiredis: the provider, its reader and the error interface.
 *
 * hiredis's `redisContext` and `redisReply` are named by their structure tags only, so
 * this header needs no hiredis header. */
#pragma once

#include <tarvelin/providers/vocabulary.h>

G_BEGIN_DECLS

struct redisContext;
struct redisReply;

#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_IREDIS_ERROR (tarvelin_providers_supports_iredis_error_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_REDIS_PROVIDER (tarvelin_providers_supports_redis_provider_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_REDIS_READER (tarvelin_providers_supports_redis_reader_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsIRedisError, tarvelin_providers_supports_iredis_error,
                           TARVELIN_PROVIDERS_SUPPORTS, IREDIS_ERROR)

struct _TarvelinProvidersSupportsIRedisErrorInterface {
    GTypeInterface parent_iface;
};

/**
 * tarvelin_providers_supports_iredis_error_raise_error_response:
 * @self: (not nullable): the instance
 * @context: (not nullable): a #redisContext
 *
 * With code -1: the "Redis" error -1 "<context error code> : <context error text>";
 * any other code sets nothing.
 */
TARVELIN_API void tarvelin_providers_supports_iredis_error_raise_error_response(
    TarvelinProvidersSupportsIRedisError *self, struct redisContext *context, gint code, GError **error);
/**
 * tarvelin_providers_supports_iredis_error_raise_error_reply:
 * @self: (not nullable): the instance
 * @context: (not nullable): a #redisContext
 * @reply: (not nullable): a #redisReply
 *
 * An error reply gives the "Redis" error -2 "6 : <reply text>"; any other reply sets nothing.
 */
TARVELIN_API void tarvelin_providers_supports_iredis_error_raise_error_reply(
    TarvelinProvidersSupportsIRedisError *self, struct redisContext *context, struct redisReply *reply,
    GError **error);

TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsRedisProvider, tarvelin_providers_supports_redis_provider,
                           TARVELIN_PROVIDERS_SUPPORTS, REDIS_PROVIDER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsRedisReader, tarvelin_providers_supports_redis_reader,
                           TARVELIN_PROVIDERS_SUPPORTS, REDIS_READER)

/* A provider without a connection; it implements IRedisError and IProvider. */
/**
 * tarvelin_providers_supports_redis_provider_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsRedisProvider *tarvelin_providers_supports_redis_provider_new(void);
/**
 * tarvelin_providers_supports_redis_provider_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsRedisProvider *tarvelin_providers_supports_redis_provider_construct(
    GType object_type);

/* A reader of fixed answers (no rows); it implements IDataReader. */
/**
 * tarvelin_providers_supports_redis_reader_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsRedisReader *tarvelin_providers_supports_redis_reader_new(void);
/**
 * tarvelin_providers_supports_redis_reader_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsRedisReader *tarvelin_providers_supports_redis_reader_construct(
    GType object_type);

G_END_DECLS
