// Log tag: meta_view
#include "rezezadovu/model/meta_view.hpp"

#include "providers/gobj/register.hpp"
#include "rezezadovu/model/view_columns.hpp"

TARVELIN_LOG_TAG("meta_view")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_GTYPE(MetaView, "TarvelinRezezadovuMetaModelMetaView", MetaObject)
TARVELIN_GTYPE(Materialized, "TarvelinRezezadovuMetaModelMaterialized", MetaView)

void MetaView::describe(gobj::ClassSpec<MetaView>& c) {
    TARVELIN_META_VIEW_DEFINITION(TARVELIN_PROPERTY_INSTALL)
    TARVELIN_META_VIEW_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}
gobj::Ref<MetaView> MetaView::create(GType type) { return gobj::create<MetaView>(type); }
gobj::Ref<MetaView> MetaView::create_with_names(GType type, const char* database, const char* schema,
                                                const char* name) {
    auto v = create(type);
    v->set_names(database, schema, name);
    return v;
}

void MetaView::set_definition(const char* definition) {
    gobj::prop::Text::put(definition_, definition);
    if (auto derived = derive_view_columns(definition ? definition : "")) {
        auto* list = GEE_ABSTRACT_COLLECTION(columns_.get());
        gee_abstract_collection_clear(list);
        for (const auto& d : *derived) {
            auto column = MetaColumn::create();
            column->set_name(d.name.c_str());
            column->set_raw_type(d.raw_type.c_str());
            gee_abstract_collection_add(list, column->gobj());
        }
    }
    notify(definition_pspec);
}

DBObject MetaView::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW; }

void Materialized::describe(gobj::ClassSpec<Materialized>& c) { TARVELIN_MATERIALIZED_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<Materialized> Materialized::create(GType type) { return gobj::create<Materialized>(type); }
gobj::Ref<Materialized> Materialized::create_with_names(GType type, const char* database, const char* schema,
                                                        const char* name) {
    auto v = create(type);
    v->set_names(database, schema, name);
    return v;
}

}  // namespace tarvelin::rezezadovu::meta_model
