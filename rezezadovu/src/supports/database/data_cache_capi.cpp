// C face of DataCache: tarvelin_rezezadovu_supports_database_data_cache_get_type,
// tarvelin_rezezadovu_supports_database_data_cache_construct and
// tarvelin_rezezadovu_supports_database_data_cache_new (TARVELIN_CLASS_CAPI); its operations
// are reached through the ICachable dispatchers.
#include "rezezadovu/supports/database/data_cache.hpp"

TARVELIN_LOG_TAG("data_cache_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

extern "C" {

TARVELIN_CLASS_CAPI(DataCache, TarvelinRezezadovuSupportsDatabaseDataCache,
                    tarvelin_rezezadovu_supports_database_data_cache)

}  // extern "C"
