// Log tag: meta_table
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_table.hpp"

#include <cstring>

TARVELIN_LOG_TAG("meta_table")

namespace tarvelin::rezezadovu::meta_model {

// Declares the serialisable interface again: its hooks are this class's overrides.
TARVELIN_GTYPE(MetaTable, "TarvelinRezezadovuMetaModelMetaTable", MetaObject, providers::contracts::Serializable)

namespace {

// Appends a copy of every child of `from` to `into`, in order.
void clone_children(GeeArrayList* from, GeeArrayList* into) {
    if (!from || !into) return;
    for (auto child : gobj::GeeArray<MetaObject>::wrap(from)) {
        if (child) gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(into), child->clone()->gobj());
    }
}

void clear(GeeArrayList* list) {
    if (list) gee_abstract_collection_clear(GEE_ABSTRACT_COLLECTION(list));
}

}  // namespace

void MetaTable::describe(gobj::ClassSpec<MetaTable>& c) { TARVELIN_META_TABLE_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaTable> MetaTable::create(GType type) { return gobj::create<MetaTable>(type); }
gobj::Ref<MetaTable> MetaTable::create_with_names(GType type, const char* database, const char* schema,
                                                  const char* name) {
    auto t = create(type);
    t->set_names(database, schema, name);
    return t;
}

gobj::Ref<MetaColumn> MetaTable::get_column(const char* name) const {
    if (!get_columns()) return {};
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(get_columns())) {
        const char* n = column ? column->get_name() : nullptr;
        if (n && std::strcmp(n, name) == 0) return column;
    }
    return {};
}

gobj::Ref<MetaColumn> MetaTable::new_column(const char* name, DataType data_type) {
    auto column = MetaColumn::create_with_type(MetaColumn::gtype(), name, data_type, "");
    if (get_columns()) gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(get_columns()), column->gobj());
    return column;
}

void MetaTable::reset_partial(DBObject kind) {
    GType family = G_TYPE_INVALID;
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK: family = MetaCheck::gtype(); break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EXCLUDE: family = MetaExclude::gtype(); break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN: family = MetaForeignKey::gtype(); break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNIQUE: family = MetaUnique::gtype(); break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN: clear(get_columns()); return;
        default: return;
    }
    if (!get_constraints()) return;
    auto constraints = gobj::GeeArray<MetaObject>::wrap(get_constraints());
    for (int i = constraints.size() - 1; i >= 0; --i) {
        auto c = constraints.at(i);
        if (c && g_type_is_a(c->type(), family)) constraints.remove_at(i);
    }
}

gobj::Ref<MetaObject> MetaTable::clone() {
    auto copy = clone_as(*this);
    clone_children(get_constraints(), copy->get_constraints());
    clone_children(get_columns(), copy->get_columns());
    clone_children(get_indexes(), copy->get_indexes());
    clone_children(get_rules(), copy->get_rules());
    clone_children(get_triggers(), copy->get_triggers());
    json_form::copy_text_map(GEE_MAP(get_options()), GEE_MAP(copy->get_options()));
    return copy;
}

void MetaTable::reset() {
    clear(get_columns());
    clear(get_indexes());
    clear(get_triggers());
    clear(get_constraints());
    if (get_options()) gee_abstract_map_clear(GEE_ABSTRACT_MAP(get_options()));
    clear(get_rules());
    MetaObject::reset();
}

DBObject MetaTable::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE; }

}  // namespace tarvelin::rezezadovu::meta_model
