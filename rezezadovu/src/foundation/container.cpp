#include "rezezadovu/foundation/container.hpp"

#include <string>
#include <vector>


TARVELIN_LOG_TAG("container")

namespace tarvelin::rezezadovu::foundation {

TARVELIN_GTYPE(Container, "TarvelinRezezadovuFoundationContainer", gobj::Object, contracts::IContainer)

namespace {
gobj::GPtr<GObject> owned(GObject* object) {
    // Initially unowned objects come floating: the container keeps them as its own.
    if (object && g_object_is_floating(object)) g_object_ref_sink(object);
    return gobj::GPtr<GObject>::adopt(object);
}
}  // namespace

gobj::Ref<Container> Container::create(GType type) { return gobj::create<Container>(type); }

bool Container::is_key(GType type) const {
    return instances_.contains(type) || factories_.contains(type) || types_.contains(type);
}

bool Container::has(GType type) {
    std::lock_guard guard(lock_);
    return is_key(type);
}

void Container::register_instance(GType key_type, GObject* instance) {
    std::lock_guard guard(lock_);
    instances_[key_type] = gobj::GPtr<GObject>::retain(instance);
}

void Container::register_type(GType key_type, GType value_type) {
    std::lock_guard guard(lock_);
    types_[key_type] = value_type;
}

void Container::register_factory(GType key_type, contracts::FactoryFunc factory) {
    std::lock_guard guard(lock_);
    factories_[key_type] = factory;
}

gobj::GPtr<GObject> Container::resolve(GType type) {
    std::lock_guard guard(lock_);
    if (auto found = instances_.find(type); found != instances_.end()) return found->second;

    auto factory = factories_.find(type);
    auto registered = types_.find(type);
    GType klass = registered != types_.end() ? registered->second : type;
    if (factory == factories_.end() && !G_TYPE_IS_OBJECT(klass)) return {};  // an interface nobody provides

    if (resolving_.contains(type)) {
        g_warning("dependency cycle while resolving %s: answering null", g_type_name(type));
        return {};
    }
    resolving_.insert(type);
    gobj::GPtr<GObject> made;
    try {
        if (factory != factories_.end()) {
            made = owned(factory->second(reinterpret_cast<TarvelinRezezadovuContractsContainerIContainer*>(gobj())));
            if (made && !g_type_is_a(G_OBJECT_TYPE(made.get()), type)) {
                g_critical("the factory for %s returned a %s", g_type_name(type), G_OBJECT_TYPE_NAME(made.get()));
                made = {};
            }
        } else {
            made = build(klass);
        }
    } catch (...) {
        resolving_.erase(type);
        throw;
    }
    resolving_.erase(type);
    instances_[type] = made;
    return made;
}

gobj::GPtr<GObject> Container::build(GType klass) {
    if (G_TYPE_IS_ABSTRACT(klass)) return {};
    auto* object_class = static_cast<GObjectClass*>(g_type_class_ref(klass));
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(object_class, &n);
    std::vector<const char*> names;
    std::vector<GValue> values;
    values.reserve(n);
    for (guint i = 0; i < n; ++i) {
        GParamSpec* spec = specs[i];
        if (!(spec->flags & (G_PARAM_CONSTRUCT | G_PARAM_CONSTRUCT_ONLY)) || !(spec->flags & G_PARAM_WRITABLE))
            continue;
        if (!is_key(spec->value_type)) continue;
        gobj::GPtr<GObject> dependency = resolve(spec->value_type);
        if (!dependency) continue;  // the class default stands
        GValue& v = values.emplace_back();
        v = G_VALUE_INIT;
        g_value_init(&v, spec->value_type);
        g_value_set_object(&v, dependency.get());
        names.push_back(spec->name);
    }
    g_free(specs);
    GObject* object =
        g_object_new_with_properties(klass, static_cast<guint>(names.size()), names.data(), values.data());
    for (GValue& v : values) g_value_unset(&v);
    g_type_class_unref(object_class);
    return owned(object);
}

}  // namespace tarvelin::rezezadovu::foundation
