#include "providers/gobj/gee.hpp"

TARVELIN_LOG_TAG("gee")

namespace tarvelin::gobj {

namespace detail {
gpointer object_dup(gpointer p) { return p ? g_object_ref(p) : nullptr; }
gpointer fundamental_dup(gpointer p) { return fundamental_ref(p); }
gpointer string_dup(gpointer p) { return g_strdup(static_cast<const char*>(p)); }
}  // namespace detail

StringArray StringArray::create() {
    StringArray a;
    a.list_ = GPtr<GeeArrayList>::adopt(
        gee_array_list_new(G_TYPE_STRING, &detail::string_dup, g_free, nullptr, nullptr, nullptr));
    return a;
}
StringArray StringArray::wrap(GeeArrayList* list) {
    StringArray a;
    a.list_ = GPtr<GeeArrayList>::retain(list);
    return a;
}
int StringArray::size() const { return list_ ? gee_collection_get_size(GEE_COLLECTION(list_.get())) : 0; }
std::string StringArray::at(int i) const {
    return take_string(static_cast<gchar*>(gee_list_get(GEE_LIST(list_.get()), i)));
}
void StringArray::append(const std::string& s) const {
    gee_collection_add(GEE_COLLECTION(list_.get()), s.c_str());
}
void StringArray::clear() const { gee_collection_clear(GEE_COLLECTION(list_.get())); }
std::vector<std::string> StringArray::to_vector() const {
    std::vector<std::string> v;
    for (int i = 0, n = size(); i < n; ++i) v.push_back(at(i));
    return v;
}

StringMap StringMap::create() {
    StringMap m;
    m.map_ = GPtr<GeeMap>::adopt(GEE_MAP(gee_hash_map_new(G_TYPE_STRING, &detail::string_dup, g_free, G_TYPE_STRING,
                                                          &detail::string_dup, g_free, nullptr, nullptr, nullptr,
                                                          nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)));
    return m;
}
StringMap StringMap::wrap(GeeMap* map) {
    StringMap m;
    m.map_ = GPtr<GeeMap>::retain(map);
    return m;
}
int StringMap::size() const { return map_ ? gee_map_get_size(map_.get()) : 0; }
bool StringMap::has(const std::string& key) const { return map_ && gee_map_has_key(map_.get(), key.c_str()); }
std::optional<std::string> StringMap::get(const std::string& key) const {
    if (!map_) return std::nullopt;
    return take_optional(static_cast<gchar*>(gee_map_get(map_.get(), key.c_str())));
}
std::string StringMap::get_or(const std::string& key, const std::string& fallback) const {
    auto v = get(key);
    return v ? *v : fallback;
}
void StringMap::set(const std::string& key, const std::string& value) const {
    gee_map_set(map_.get(), key.c_str(), value.c_str());
}
std::vector<std::string> StringMap::keys() const {
    std::vector<std::string> out;
    if (!map_) return out;
    GeeSet* keys = gee_map_get_keys(map_.get());
    GeeIterator* it = gee_iterable_iterator(GEE_ITERABLE(keys));
    while (gee_iterator_next(it)) out.push_back(take_string(static_cast<gchar*>(gee_iterator_get(it))));
    g_object_unref(it);
    g_object_unref(keys);
    return out;
}

}  // namespace tarvelin::gobj
