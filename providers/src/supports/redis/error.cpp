#include "providers/supports/redis/error.hpp"

#include "providers/gobj/register.hpp"
#include "providers/supports/redis/reply.hpp"

TARVELIN_LOG_TAG("redis_error")

namespace tarvelin::providers::supports::redis {

TARVELIN_INTERFACE_GTYPE(IRedisError, "TarvelinProvidersSupportsIRedisError", G_TYPE_OBJECT)

void IRedisError::raise_error_response(const redisContext* context, int code) {
    g_return_if_fail(context != NULL);
    if (code != -1) return;
    throw gobj::Error("Redis", -1,
                      gobj::take_string(g_strdup_printf("%d : %s", context->err, context->errstr)));
}

void IRedisError::raise_error_reply(const redisContext* context, const redisReply* reply) {
    g_return_if_fail(context != NULL);
    g_return_if_fail(reply != NULL);
    if (reply->type != kReplyError) return;
    throw gobj::Error("Redis", -2,
                      gobj::take_string(g_strdup_printf("%d : %s", reply->type, reply->str ? reply->str : "")));
}

}  // namespace tarvelin::providers::supports::redis
