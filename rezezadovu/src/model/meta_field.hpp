// PROVISIONAL: property kinds of the catalogue classes until the bridge's property rows land.
#pragma once

#include <gee.h>

#include <optional>
#include <string>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/bridge.hpp"
#include "rezezadovu/model/json_form.hpp"

namespace tarvelin::rezezadovu::meta_model::field {

template <class V, class C = V>
struct Scalar {
    using value_type = V;
    using stored = V;
    static stored initial(V v) { return v; }
    static V get(const stored& s) { return s; }
    static bool put(stored& s, V v) { return gobj::assign(s, v); }
};
struct Bool : Scalar<bool> {
    static GParamSpec* spec(const char* n) { return gobj::pspec::boolean(n, gobj::kReadWrite, false); }
};
// Registered and starting TRUE.
struct BoolTrue : Bool {
    static GParamSpec* spec(const char* n) { return gobj::pspec::boolean(n, gobj::kReadWrite, true); }
};
// Stored in 16 bits behind an unsigned 32-bit property.
struct Ordinal : Scalar<guint16> {
    static GParamSpec* spec(const char* n) { return gobj::pspec::uint32(n, 0, G_MAXUINT32, 0, gobj::kReadWrite); }
};
struct UInt8 : Scalar<guint8> {
    static GParamSpec* spec(const char* n) { return gobj::pspec::uint8(n, 0, G_MAXUINT8, 0, gobj::kReadWrite); }
};
struct Int64 : Scalar<gint64> {
    static GParamSpec* spec(const char* n) {
        return gobj::pspec::int64(n, G_MININT64, G_MAXINT64, 0, gobj::kReadWrite);
    }
};
struct UInt64 : Scalar<guint64> {
    static GParamSpec* spec(const char* n) { return gobj::pspec::uint64(n, 0, G_MAXUINT64, 0, gobj::kReadWrite); }
};
struct DataType : Scalar<providers::contracts::DataType> {
    static GParamSpec* spec(const char* n) {
        return gobj::pspec::enumeration(n, providers::contracts::data_type_gtype(), 0, gobj::kReadWrite);
    }
};
struct Version : Scalar<providers::contracts::DataVersion> {
    static GParamSpec* spec(const char* n) {
        return gobj::pspec::flags(n, providers::contracts::data_version_gtype(), 0, gobj::kReadWrite);
    }
};
struct Text {
    using value_type = const char*;
    using stored = std::optional<std::string>;
    static GParamSpec* spec(const char* n) { return gobj::pspec::text(n, gobj::kReadWrite); }
    static stored initial(const char* v) { return gobj::opt(v); }
    static const char* get(const stored& s) { return gobj::c_str(s); }
    static bool put(stored& s, const char* v) {
        if (s ? (v && *s == v) : !v) return false;
        s = gobj::opt(v);
        return true;
    }
};
template <class C>
struct Container {
    using value_type = C*;
    using stored = gobj::GPtr<C>;
    static stored initial(C* owned) { return stored::adopt(owned); }
    static C* get(const stored& s) { return s.get(); }
    static bool put(stored& s, C* v) {
        s = stored::retain(v);
        return true;
    }
};
struct List : Container<GeeArrayList> {
    static GParamSpec* spec(const char* n) {
        return gobj::pspec::object(n, GEE_TYPE_ARRAY_LIST, gobj::kReadWrite);
    }
};
struct ReadOnlyList : List {
    static GParamSpec* spec(const char* n) { return gobj::pspec::object(n, GEE_TYPE_ARRAY_LIST, gobj::kRead); }
};
struct Map : Container<GeeHashMap> {
    static GParamSpec* spec(const char* n) { return gobj::pspec::object(n, GEE_TYPE_HASH_MAP, gobj::kReadWrite); }
};
// The map already held is ignored.
struct SameMap : Map {
    static bool put(stored& s, GeeHashMap* v) {
        if (s.get() == v) return false;
        s = stored::retain(v);
        return true;
    }
};
struct Model : Container<GListModel> {
    static GParamSpec* spec(const char* n) { return gobj::pspec::object(n, G_TYPE_LIST_MODEL, gobj::kReadWrite); }
    static bool put(stored& s, GListModel* v) {
        if (s.get() == v) return false;
        s = stored::retain(v);
        return true;
    }
};

}  // namespace tarvelin::rezezadovu::meta_model::field

#define TARVELIN_META_ACCESSORS(K, name, prop, start)                                    \
    ::tarvelin::rezezadovu::meta_model::field::K::value_type get_##name() const {          \
        return ::tarvelin::rezezadovu::meta_model::field::K::get(name##_);                 \
    }                                                                                      \
    void set_##name(::tarvelin::rezezadovu::meta_model::field::K::value_type v) {           \
        if (::tarvelin::rezezadovu::meta_model::field::K::put(name##_, v)) notify(s_##name); \
    }                                                                                      \
    static inline GParamSpec* s_##name = nullptr;
#define TARVELIN_META_STORAGE(K, name, prop, start) \
    ::tarvelin::rezezadovu::meta_model::field::K::stored name##_{::tarvelin::rezezadovu::meta_model::field::K::initial(start)};
#define TARVELIN_META_PROPERTY(K, name, prop, start) \
    s_##name = c.template property<&Self::get_##name, &Self::set_##name>(::tarvelin::rezezadovu::meta_model::field::K::spec(prop));
