#include "providers/supports/redis/reader.hpp"

TARVELIN_LOG_TAG("reader")

namespace tarvelin::providers::supports::redis {

TARVELIN_GTYPE(RedisReader, "TarvelinProvidersSupportsRedisReader", gobj::Object, contracts::IDataReader)

gobj::Ref<RedisReader> RedisReader::create(GType type) { return gobj::create<RedisReader>(type); }

void RedisReader::get_date(guint16, GDate&) {}
gobj::DateTime RedisReader::get_time(guint16) { return gobj::DateTime(g_date_time_new_now_local()); }
gobj::DateTime RedisReader::get_datetime(guint16) {
    return gobj::DateTime(g_date_time_new_now_local());
}

}  // namespace tarvelin::providers::supports::redis
