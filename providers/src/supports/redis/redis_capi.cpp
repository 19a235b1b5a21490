// C face of the Redis driver.
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

void tarvelin_providers_supports_iredis_error_raise_error_response(TarvelinProvidersSupportsIRedisError* self,
                                                                   struct redisContext* context, gint code,
                                                                   GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { IRedisError::raise_error_response(context, code); });
}
void tarvelin_providers_supports_iredis_error_raise_error_reply(TarvelinProvidersSupportsIRedisError* self,
                                                                struct redisContext* context,
                                                                struct redisReply* reply, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { IRedisError::raise_error_reply(context, reply); });
}

GType tarvelin_providers_supports_redis_provider_get_type(void) { return RedisProvider::gtype(); }

TarvelinProvidersSupportsRedisProvider* tarvelin_providers_supports_redis_provider_construct(GType object_type) {
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsRedisProvider*>(RedisProvider::create(object_type).release());
    });
}
TarvelinProvidersSupportsRedisProvider* tarvelin_providers_supports_redis_provider_new(void) {
    return tarvelin_providers_supports_redis_provider_construct(RedisProvider::gtype());
}

GType tarvelin_providers_supports_redis_reader_get_type(void) { return RedisReader::gtype(); }

TarvelinProvidersSupportsRedisReader* tarvelin_providers_supports_redis_reader_construct(GType object_type) {
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsRedisReader*>(RedisReader::create(object_type).release());
    });
}
TarvelinProvidersSupportsRedisReader* tarvelin_providers_supports_redis_reader_new(void) {
    return tarvelin_providers_supports_redis_reader_construct(RedisReader::gtype());
}

}  // extern "C"
