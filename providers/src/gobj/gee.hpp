// Typed views over libgee collections. Lists held in properties are GeeArrayLists
// holding one reference per element and are handed out by identity; C++ code reads
// and edits them through these views, which keep one reference on the collection.
#pragma once

#include <gee.h>

#include <optional>
#include <string>
#include <vector>

#include "providers/gobj/export.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/ref.hpp"

namespace tarvelin::gobj {

namespace detail {
TARVELIN_EXPORT gpointer object_dup(gpointer p);
TARVELIN_EXPORT gpointer fundamental_dup(gpointer p);
TARVELIN_EXPORT gpointer string_dup(gpointer p);
}  // namespace detail

template <class T>
class GeeArray {
public:
    GeeArray() = default;
    // A new, empty list of T.
    static GeeArray create() {
        GeeArray a;
        if constexpr (is_fundamental_v<T>) {
            a.list_ = GPtr<GeeArrayList>::adopt(gee_array_list_new(T::gtype(), &detail::fundamental_dup,
                                                                   &fundamental_unref, nullptr, nullptr, nullptr));
        } else {
            a.list_ = GPtr<GeeArrayList>::adopt(
                gee_array_list_new(T::gtype(), &detail::object_dup, g_object_unref, nullptr, nullptr, nullptr));
        }
        return a;
    }
    // A view on an existing list (adds a reference to it).
    static GeeArray wrap(GeeArrayList* list) {
        GeeArray a;
        a.list_ = GPtr<GeeArrayList>::retain(list);
        return a;
    }

    GeeArrayList* list() const noexcept { return list_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(list_); }

    int size() const { return list_ ? gee_collection_get_size(GEE_COLLECTION(list_.get())) : 0; }
    bool empty() const { return size() == 0; }
    Ref<T> at(int i) const { return Ref<T>::adopt(gee_list_get(GEE_LIST(list_.get()), i)); }
    // The element without a new reference; valid while the list holds it.
    T* peek(int i) const {
        Ref<T> r = at(i);
        return r.get();
    }
    void append(const Ref<T>& item) const { gee_collection_add(GEE_COLLECTION(list_.get()), item.instance()); }
    void insert(int i, const Ref<T>& item) const { gee_list_insert(GEE_LIST(list_.get()), i, item.instance()); }
    void set(int i, const Ref<T>& item) const { gee_list_set(GEE_LIST(list_.get()), i, item.instance()); }
    Ref<T> remove_at(int i) const { return Ref<T>::adopt(gee_list_remove_at(GEE_LIST(list_.get()), i)); }
    bool remove(const Ref<T>& item) const { return gee_collection_remove(GEE_COLLECTION(list_.get()), item.instance()); }
    int index_of(const Ref<T>& item) const { return gee_list_index_of(GEE_LIST(list_.get()), item.instance()); }
    void clear() const { gee_collection_clear(GEE_COLLECTION(list_.get())); }

    class iterator {
    public:
        iterator(const GeeArray* a, int i) : a_(a), i_(i) {}
        Ref<T> operator*() const { return a_->at(i_); }
        iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator!=(const iterator& o) const { return i_ != o.i_; }

    private:
        const GeeArray* a_;
        int i_;
    };
    iterator begin() const { return iterator(this, 0); }
    iterator end() const { return iterator(this, size()); }

private:
    GPtr<GeeArrayList> list_;
};

// A GeeArrayList of texts (g_strdup / g_free).
class TARVELIN_EXPORT StringArray {
public:
    StringArray() = default;
    static StringArray create();
    static StringArray wrap(GeeArrayList* list);
    GeeArrayList* list() const noexcept { return list_.get(); }
    int size() const;
    std::string at(int i) const;
    void append(const std::string& s) const;
    void clear() const;
    std::vector<std::string> to_vector() const;

private:
    GPtr<GeeArrayList> list_;
};

// A GeeHashMap from texts to texts: option maps.
class TARVELIN_EXPORT StringMap {
public:
    StringMap() = default;
    static StringMap create();
    static StringMap wrap(GeeMap* map);
    GeeMap* map() const noexcept { return map_.get(); }
    int size() const;
    bool has(const std::string& key) const;
    std::optional<std::string> get(const std::string& key) const;
    std::string get_or(const std::string& key, const std::string& fallback) const;
    void set(const std::string& key, const std::string& value) const;
    std::vector<std::string> keys() const;

private:
    GPtr<GeeMap> map_;
};

}  // namespace tarvelin::gobj

namespace tarvelin::gobj::prop {

// The starting value of an Array row: a new empty list.
inline constexpr struct EmptyList {
} empty_list{};

// A property holding a list of T through its typed view: C++ reads the view, C and the
// property system get the list itself (borrowed). A setter shares the list it is given
// and notifies when it is another list; NULL is refused with a critical, so the
// property always holds a list.
template <class T>
struct Array {
    using value_type = const GeeArray<T>&;
    using param_type = GeeArrayList*;
    using c_type = GeeArrayList*;
    using stored = GeeArray<T>;
    static GParamSpec* spec(const char* n, GParamFlags f, std::nullptr_t) {
        return pspec::object(n, GEE_TYPE_ARRAY_LIST, f);
    }
    static stored initial(EmptyList) { return GeeArray<T>::create(); }
    static const GeeArray<T>& get(const stored& s) { return s; }
    static bool put(stored& s, GeeArrayList* v) {
        if (!v) {
            g_return_if_fail_warning(nullptr, G_STRFUNC, "value != NULL");
            return false;
        }
        if (v == s.list()) return false;
        s = GeeArray<T>::wrap(v);
        return true;
    }
};

}  // namespace tarvelin::gobj::prop
