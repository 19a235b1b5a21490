// The service container: singletons per key type, with constructor injection.
#pragma once

#include <tarvelin/rezezadovu/container.h>

#include <mutex>
#include <set>
#include <unordered_map>

#include "rezezadovu/contracts/icontainer.hpp"

namespace tarvelin::rezezadovu::foundation {

// Thread-safe. Its operations trust their arguments (see IContainer).
class TARVELIN_EXPORT Container : public gobj::Object, public contracts::IContainer {
public:
    static GType gtype();
    static gobj::Ref<Container> create(GType type = gtype());

    bool has(GType type) override;
    void register_instance(GType key_type, GObject* instance) override;
    void register_type(GType key_type, GType value_type) override;
    void register_factory(GType key_type, contracts::FactoryFunc factory) override;
    gobj::GPtr<GObject> resolve(GType type) override;

    // The object for T's type, or empty.
    template <class T>
    gobj::Ref<T> get() {
        return gobj::Ref<T>::adopt(resolve(T::gtype()).release());
    }

private:
    bool is_key(GType type) const;
    gobj::GPtr<GObject> build(GType klass);

    std::recursive_mutex lock_;
    std::unordered_map<GType, GType> types_;
    std::unordered_map<GType, gobj::GPtr<GObject>> instances_;
    std::unordered_map<GType, contracts::FactoryFunc> factories_;
    // Keys being resolved on the way down: meeting one again is a dependency cycle.
    std::set<GType> resolving_;
};

}  // namespace tarvelin::rezezadovu::foundation

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuFoundationContainer, tarvelin::rezezadovu::foundation::Container)
