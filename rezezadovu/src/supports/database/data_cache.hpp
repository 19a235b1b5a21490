// The connection's text cache: a map from text keys to text values.
//
// Thread-safe: every operation holds the cache's recursive mutex for its whole length, and
// lookup returns a copy, never a pointer into the map.
#pragma once

#include <map>
#include <mutex>

#include "rezezadovu/contracts/database/icachable.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT DataCache : public gobj::Object, public contracts::database::ICachable {
public:
    static GType gtype();
    static gobj::Ref<DataCache> create(GType type = gtype());

    void append(const char* key, const char* value) override;
    std::optional<std::string> lookup(const char* key) override;
    void clear() override;

private:
    std::recursive_mutex mutex_;
    std::map<std::string, std::string> map_;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseDataCache, tarvelin::rezezadovu::supports::database::DataCache)
