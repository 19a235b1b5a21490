// Log tag: meta_classify
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_classify.hpp"

TARVELIN_LOG_TAG("meta_classify")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_GTYPE(MetaClassify, "TarvelinRezezadovuMetaModelMetaClassify", MetaObject)
TARVELIN_GTYPE(MetaSynonym, "TarvelinRezezadovuMetaModelMetaSynonym", MetaObject)

void MetaClassify::describe(gobj::ClassSpec<MetaClassify>& c) { TARVELIN_META_CLASSIFY_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }

gobj::Ref<MetaClassify> MetaClassify::labelled(GType type, const char* database, const char* schema,
                                               const char* label) {
    auto node = gobj::create<MetaClassify>(type);
    node->set_name(label);
    node->set_schema(schema);
    node->set_database(database);
    return node;
}

gobj::Ref<MetaClassify> MetaClassify::create(GType type, DBObject kind, const char* database, const char* schema,
                                             const char* label) {
    auto node = labelled(type, database, schema, label);
    node->set_children(nullptr);
    node->kind_ = kind;
    return node;
}

gobj::Ref<MetaClassify> MetaClassify::create_with_model(GType type, DBObject kind, const char* database,
                                                        const char* schema, const char* label, GListModel* model) {
    auto node = labelled(type, database, schema, label);
    node->set_children(model);
    node->kind_ = kind;
    return node;
}

gobj::Ref<MetaClassify> MetaClassify::create_with_array(GType type, DBObject kind, const char* database,
                                                        const char* schema, const char* label,
                                                        const std::vector<gobj::Ref<MetaObject>>& items) {
    auto node = labelled(type, database, schema, label);
    GListStore* store = g_list_store_new(MetaObject::gtype());
    for (const auto& item : items) {
        if (item) g_list_store_append(store, item.gobj());
    }
    node->set_children(G_LIST_MODEL(store));
    g_object_unref(store);
    node->kind_ = kind;
    return node;
}

gobj::Ref<MetaObject> MetaClassify::clone() {
    auto copy = clone_as(*this);
    copy->kind_ = kind_;
    return copy;
}

void MetaSynonym::describe(gobj::ClassSpec<MetaSynonym>& c) { TARVELIN_META_SYNONYM_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaSynonym> MetaSynonym::create(GType type) { return gobj::create<MetaSynonym>(type); }
gobj::Ref<MetaSynonym> MetaSynonym::create_with_names(GType type, const char* schema, const char* name) {
    auto s = create(type);
    s->set_schema(schema);
    s->set_name(name);
    return s;
}
DBObject MetaSynonym::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM; }

}  // namespace tarvelin::rezezadovu::meta_model
