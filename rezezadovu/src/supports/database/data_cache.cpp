#include "rezezadovu/supports/database/data_cache.hpp"

#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("data_cache")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(DataCache, "TarvelinRezezadovuSupportsDatabaseDataCache", gobj::Object, contracts::database::ICachable)

gobj::Ref<DataCache> DataCache::create(GType type) { return gobj::create<DataCache>(type); }

void DataCache::append(const char* key, const char* value) {
    g_return_if_fail(key != NULL);
    g_return_if_fail(value != NULL);
    std::lock_guard lock(mutex_);
    map_.insert_or_assign(key, value);
}

std::optional<std::string> DataCache::lookup(const char* key) {
    g_return_val_if_fail(key != NULL, std::nullopt);
    std::lock_guard lock(mutex_);
    auto it = map_.find(key);
    if (it == map_.end()) return std::nullopt;
    return it->second;
}

void DataCache::clear() {
    std::lock_guard lock(mutex_);
    map_.clear();
}

}  // namespace tarvelin::rezezadovu::supports::database
