// C face of DataCache; its operations are reached through the ICachable dispatchers.
#include "rezezadovu/supports/database/data_cache.hpp"

TARVELIN_LOG_TAG("data_cache_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_supports_database_data_cache_get_type(void) { return DataCache::gtype(); }

TarvelinRezezadovuSupportsDatabaseDataCache* tarvelin_rezezadovu_supports_database_data_cache_construct(
    GType object_type) {
    return static_cast<TarvelinRezezadovuSupportsDatabaseDataCache*>(DataCache::create(object_type).release());
}
TarvelinRezezadovuSupportsDatabaseDataCache* tarvelin_rezezadovu_supports_database_data_cache_new(void) {
    return tarvelin_rezezadovu_supports_database_data_cache_construct(DataCache::gtype());
}

}  // extern "C"
