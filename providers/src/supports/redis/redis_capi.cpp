// C face of the Redis driver.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_supports_redis_provider_get_type,
// tarvelin_providers_supports_redis_provider_construct, tarvelin_providers_supports_redis_provider_new,
// tarvelin_providers_supports_redis_reader_get_type, tarvelin_providers_supports_redis_reader_construct,
// tarvelin_providers_supports_redis_reader_new.
#include "providers/supports/redis/provider.hpp"
#include "providers/supports/redis/reader.hpp"
#include "providers/supports/redis/error.hpp"

TARVELIN_LOG_TAG("redis_capi")

using namespace tarvelin;
using namespace tarvelin::providers::supports::redis;

static_assert(sizeof(TarvelinProvidersSupportsRedisProvider) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsRedisProviderClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinProvidersSupportsRedisReader) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsRedisReaderClass) == sizeof(gobj::Class));

extern "C" {

GType tarvelin_providers_supports_iredis_error_get_type(void) { return IRedisError::gtype(); }

// The helpers of the interface use nothing of the instance they are called on.
void tarvelin_providers_supports_iredis_error_raise_error_response(TarvelinProvidersSupportsIRedisError* self,
                                                                   struct redisContext* context, gint code,
                                                                   GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&IRedisError::raise_error_response>(G_STRFUNC, context, code, error);
}
void tarvelin_providers_supports_iredis_error_raise_error_reply(TarvelinProvidersSupportsIRedisError* self,
                                                                struct redisContext* context,
                                                                struct redisReply* reply, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&IRedisError::raise_error_reply>(G_STRFUNC, context, reply, error);
}

TARVELIN_CLASS_CAPI(RedisProvider, TarvelinProvidersSupportsRedisProvider, tarvelin_providers_supports_redis_provider)
TARVELIN_CLASS_CAPI(RedisReader, TarvelinProvidersSupportsRedisReader, tarvelin_providers_supports_redis_reader)

}  // extern "C"
