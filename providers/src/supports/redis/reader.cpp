#include "providers/supports/redis/reader.hpp"

#include "providers/gobj/local_zone.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("reader")

namespace tarvelin::providers::supports::redis {

TARVELIN_GTYPE(RedisReader, "TarvelinProvidersSupportsRedisReader", gobj::Object, contracts::IDataReader)

gobj::Ref<RedisReader> RedisReader::create(GType type) { return gobj::create<RedisReader>(type); }

void RedisReader::get_date(guint16, GDate&) {}
gobj::DateTime RedisReader::get_time(guint16) { return gobj::DateTime(gobj::date_time_now_local()); }
gobj::DateTime RedisReader::get_datetime(guint16) {
    return gobj::DateTime(gobj::date_time_now_local());
}

}  // namespace tarvelin::providers::supports::redis
