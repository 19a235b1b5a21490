// Bridged instances: the instance layouts GLib sees and the C++ bases behind them.
// The GObject instance owns its C++ object: made in instance_init from the most derived
// C++-backed class, deleted in finalize. Thread-safe: the bases hold no state of their own.
#pragma once

#include <glib-object.h>

#include <type_traits>

#include "providers/gobj/export.hpp"

namespace tarvelin::gobj {

class Object;
class Fundamental;

// ---------------------------------------------------------------- layouts

// Must match TARVELIN_DECLARE_ROOT_TYPE / TARVELIN_DECLARE_FUNDAMENTAL_TYPE in base.h.
struct Instance {
    GObject parent;
    Object* self;
};
struct Class {
    GObjectClass parent;
    Object* (*make)();
    gpointer reserved[3];
};
struct FundamentalInstance {
    GTypeInstance parent;
    volatile int ref_count;
    Fundamental* self;
};
struct FundamentalClass {
    GTypeClass parent;
    void (*finalize)(FundamentalInstance*);
    Fundamental* (*make)();
    gpointer reserved[3];
};

// ---------------------------------------------------------------- base classes

// Base of every class whose GObject face derives from GObject.
class TARVELIN_EXPORT Object {
public:
    virtual ~Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    static GType gtype() noexcept { return G_TYPE_OBJECT; }

    GObject* gobj() const noexcept { return gobj_; }
    GType type() const noexcept { return G_OBJECT_TYPE(gobj_); }
    const char* type_name() const noexcept { return G_OBJECT_TYPE_NAME(gobj_); }

    // Construct properties are set; G_OBJECT_TYPE is final.
    virtual void constructed() {}
    // Drop references that may form cycles. Runs once or more.
    virtual void dispose() {}

    void notify(GParamSpec* pspec) const noexcept { g_object_notify_by_pspec(gobj_, pspec); }
    template <class... A>
    void emit(guint signal_id, A... args) const noexcept {
        g_signal_emit(gobj_, signal_id, 0, args...);
    }

protected:
    Object() noexcept;  // only g_object_new may make one

private:
    GObject* const gobj_;
};

// Tag base of C++ interface classes (pure virtuals or default bodies).
class TARVELIN_EXPORT Interface {
public:
    virtual ~Interface() = default;
};

// Base of the reference-counted classes without a GObject parent.
class TARVELIN_EXPORT Fundamental {
public:
    virtual ~Fundamental();
    Fundamental(const Fundamental&) = delete;
    Fundamental& operator=(const Fundamental&) = delete;

    static GType gtype() noexcept { return G_TYPE_INVALID; }
    gpointer instance() const noexcept { return instance_; }
    GType type() const noexcept { return G_TYPE_FROM_INSTANCE(instance_); }

protected:
    Fundamental() noexcept;

private:
    GTypeInstance* const instance_;
};

// The C++ side of a bridged instance, or nullptr for an object we did not make.
TARVELIN_EXPORT Object* self_of(gpointer gobject) noexcept;
TARVELIN_EXPORT Fundamental* fundamental_self_of(gpointer instance) noexcept;

// Fast cast for the C skin, after its type checks.
template <class T>
T* cast(gpointer g) noexcept {
    if (!g) return nullptr;
    if constexpr (std::is_base_of_v<Fundamental, T>) {
        return static_cast<T*>(static_cast<FundamentalInstance*>(g)->self);
    } else if constexpr (std::is_base_of_v<Object, T>) {
        return static_cast<T*>(static_cast<Instance*>(g)->self);
    } else {
        return dynamic_cast<T*>(self_of(g));
    }
}
// Cast that checks the dynamic type; nullptr when it does not fit.
template <class T>
T* checked_cast(gpointer g) noexcept {
    if (!g) return nullptr;
    if constexpr (std::is_base_of_v<Fundamental, T>) {
        return dynamic_cast<T*>(fundamental_self_of(g));
    } else {
        return dynamic_cast<T*>(self_of(g));
    }
}

}  // namespace tarvelin::gobj
