// The process-wide registry: one Container behind static operations.
#pragma once

#include "rezezadovu/foundation/container.hpp"

namespace tarvelin::rezezadovu::foundation {

// Thread-safe. Its operations check their arguments by the container contract's rules,
// and report a missing container (before initialize) as the contract reports a
// missing object.
class TARVELIN_EXPORT Services : public gobj::Object {
public:
    static GType gtype();
    static gobj::Ref<Services> create(GType type = gtype());

    // Creates the one container; later calls do nothing.
    static void initialize();
    static void register_instance(GType key_type, GObject* instance);
    static void register_type(GType key_type, GType value_type);
    // A new reference to the one object for `type`, or empty.
    static gobj::GPtr<GObject> get(GType type);

    // The object for T's type (a class or an interface), or empty.
    template <class T>
    static gobj::Ref<T> get() {
        return gobj::Ref<T>::adopt(get(T::gtype()).release());
    }
};

}  // namespace tarvelin::rezezadovu::foundation

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuFoundationServices, tarvelin::rezezadovu::foundation::Services)
