#include "providers/supports/redis/reader.hpp"

TARVELIN_LOG_TAG("reader")

namespace tarvelin::providers::supports::redis {

TARVELIN_GTYPE(RedisReader, "TarvelinProvidersSupportsRedisReader", gobj::Object, contracts::IDataReader)

gobj::Ref<RedisReader> RedisReader::create(GType type) { return gobj::create<RedisReader>(type); }

GDate RedisReader::get_date(guint16) {
    GDate d;
    g_date_clear(&d, 1);
    return d;
}
contracts::DateTimePtr RedisReader::get_time(guint16) { return contracts::DateTimePtr(g_date_time_new_now_local()); }
contracts::DateTimePtr RedisReader::get_datetime(guint16) {
    return contracts::DateTimePtr(g_date_time_new_now_local());
}

}  // namespace tarvelin::providers::supports::redis
