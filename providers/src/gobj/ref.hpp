// References: Ref<T> over a bridged instance, GPtr<C> over a plain GObject, Owned<T, &free>
// over any other C handle. Copies of one Ref are not shared between threads; the instance is.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>

#include "providers/gobj/object.hpp"

namespace tarvelin::gobj {

// ---------------------------------------------------------------- Ref

template <class T>
inline constexpr bool is_fundamental_v = std::is_base_of_v<Fundamental, T>;
// An interface of ours that a host may implement in C: its instances may have no C++ side.
template <class T>
inline constexpr bool is_interface_v =
    std::is_base_of_v<Interface, T> && !std::is_base_of_v<Object, T> && !is_fundamental_v<T>;

TARVELIN_EXPORT gpointer fundamental_ref(gpointer instance) noexcept;
TARVELIN_EXPORT void fundamental_unref(gpointer instance) noexcept;

// One reference on a bridged instance: the instance and its T subobject (which may be
// null for an interface implemented by a host in C).
template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    explicit Ref(T& live) noexcept : g_(instance_of(live)), p_(&live) { acquire(); }
    Ref(const Ref& o) noexcept : g_(o.g_), p_(o.p_) { acquire(); }
    Ref(Ref&& o) noexcept : g_(std::exchange(o.g_, nullptr)), p_(std::exchange(o.p_, nullptr)) {}
    template <class U>
        requires(std::is_convertible_v<U*, T*> && !std::is_same_v<U, T>)
    Ref(const Ref<U>& o) noexcept : g_(o.g_), p_(o.p_) {
        acquire();
    }
    template <class U>
        requires(std::is_convertible_v<U*, T*> && !std::is_same_v<U, T>)
    Ref(Ref<U>&& o) noexcept : p_(o.p_) {
        g_ = o.release();
    }
    ~Ref() { drop(); }
    Ref& operator=(Ref o) noexcept {
        std::swap(g_, o.g_);
        std::swap(p_, o.p_);
        return *this;
    }

    // Takes over a reference (results of g_object_new, "new" returns).
    static Ref adopt(gpointer g) noexcept {
        Ref r;
        r.g_ = g;
        r.p_ = g ? cast<T>(g) : nullptr;
        return r;
    }
    // Adds a reference (borrowed arguments).
    static Ref retain(gpointer g) noexcept {
        Ref r = adopt(g);
        r.acquire();
        return r;
    }

    // An interface's operations are called through gobj::call, never through a C++
    // pointer: a host's implementation has no C++ object behind it.
    T* operator->() const noexcept
        requires(!is_interface_v<T>)
    {
        return p_;
    }
    T& operator*() const noexcept
        requires(!is_interface_v<T>)
    {
        return *p_;
    }
    T* get() const noexcept
        requires(!is_interface_v<T>)
    {
        return p_;
    }
    gpointer instance() const noexcept { return g_; }
    GObject* gobj() const noexcept { return static_cast<GObject*>(g_); }
    explicit operator bool() const noexcept { return g_ != nullptr; }
    bool operator==(const Ref& o) const noexcept { return g_ == o.g_; }

    // Hands the reference to C (transfer full).
    gpointer release() noexcept {
        p_ = nullptr;
        return std::exchange(g_, nullptr);
    }
    // A new reference for C (transfer full), keeping ours.
    gpointer dup() const noexcept {
        Ref copy(*this);
        return copy.release();
    }
    void reset() noexcept { drop(); }

private:
    template <class U>
    friend class Ref;

    static gpointer instance_of(T& live) noexcept {
        if constexpr (is_fundamental_v<T>) {
            return live.instance();
        } else if constexpr (std::is_base_of_v<Object, T>) {
            return live.gobj();
        } else {
            return dynamic_cast<Object&>(live).gobj();
        }
    }
    void acquire() noexcept {
        if (!g_) return;
        if constexpr (is_fundamental_v<T>) {
            fundamental_ref(g_);
        } else {
            g_object_ref(g_);
        }
    }
    void drop() noexcept {
        gpointer g = std::exchange(g_, nullptr);
        p_ = nullptr;
        if (!g) return;
        if constexpr (is_fundamental_v<T>) {
            fundamental_unref(g);
        } else {
            g_object_unref(g);
        }
    }

    gpointer g_ = nullptr;
    T* p_ = nullptr;
};

// A new instance of `type` (T's type or one derived from it).
template <class T>
Ref<T> create(GType type = T::gtype()) {
    g_return_val_if_fail(g_type_is_a(type, T::gtype()), Ref<T>());
    if constexpr (is_fundamental_v<T>) {
        return Ref<T>::adopt(g_type_create_instance(type));
    } else {
        return Ref<T>::adopt(g_object_new(type, nullptr));
    }
}

// Down- or cross-cast, checked by the dynamic type; empty when it does not fit.
template <class T, class U>
Ref<T> ref_cast(const Ref<U>& r) {
    if (!r) return {};
    if constexpr (!is_fundamental_v<T> && !std::is_base_of_v<Object, T>) {
        // An interface: accept any instance whose type implements it.
        if (!cast<T>(r.instance())) return {};
    } else if (!checked_cast<T>(r.instance())) {
        return {};
    }
    return Ref<T>::retain(r.instance());
}

// Owning wrapper over a plain GObject that has no C++ side (GeeArrayList, GTask, ...).
template <class C>
class GPtr {
public:
    GPtr() noexcept = default;
    static GPtr adopt(C* p) noexcept {
        GPtr r;
        r.p_ = p;
        return r;
    }
    static GPtr retain(C* p) noexcept { return adopt(p ? static_cast<C*>(g_object_ref(p)) : nullptr); }
    GPtr(const GPtr& o) noexcept : p_(o.p_ ? static_cast<C*>(g_object_ref(o.p_)) : nullptr) {}
    GPtr(GPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    GPtr& operator=(GPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~GPtr() {
        if (p_) g_object_unref(p_);
    }
    C* get() const noexcept { return p_; }
    C* release() noexcept { return std::exchange(p_, nullptr); }
    explicit operator bool() const noexcept { return p_ != nullptr; }

private:
    C* p_ = nullptr;
};


}  // namespace tarvelin::gobj
