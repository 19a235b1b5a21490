// The "Redis" errors of a failed context and of an error reply.
#pragma once

#include <tarvelin/providers/redis.h>

#include <hiredis/hiredis.h>

#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::redis {

class TARVELIN_EXPORT IRedisError : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsIRedisErrorInterface;
    static GType gtype();

    // Throw the error the arguments stand for; nothing when they stand for none. A
    // missing context or reply logs a critical and throws nothing.
    static void raise_error_response(const redisContext* context, int code);
    static void raise_error_reply(const redisContext* context, const redisReply* reply);
};

}  // namespace tarvelin::providers::supports::redis
