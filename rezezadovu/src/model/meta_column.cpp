// Log tag: meta_column
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_column.hpp"

TARVELIN_LOG_TAG("meta_column")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_GTYPE(MetaColumn, "TarvelinRezezadovuMetaModelMetaColumn", MetaObject)

void MetaColumn::describe(gobj::ClassSpec<MetaColumn>& c) { TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaColumn> MetaColumn::create(GType type) { return gobj::create<MetaColumn>(type); }
gobj::Ref<MetaColumn> MetaColumn::create_with_type(GType type, const char* name, DataType data_type,
                                                   const char* native_type) {
    auto c = create(type);
    c->set_name(name);
    c->set_data_type(data_type);
    c->set_raw_type(native_type);
    return c;
}
DBObject MetaColumn::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN; }

}  // namespace tarvelin::rezezadovu::meta_model
