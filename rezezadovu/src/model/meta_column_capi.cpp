// Log tag: meta_column_capi
// The C face of the column: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_column_get_type tarvelin_rezezadovu_meta_model_meta_column_construct
//   tarvelin_rezezadovu_meta_model_meta_column_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_column_get_ordinal tarvelin_rezezadovu_meta_model_meta_column_set_ordinal
//   tarvelin_rezezadovu_meta_model_meta_column_get_alias tarvelin_rezezadovu_meta_model_meta_column_set_alias
//   tarvelin_rezezadovu_meta_model_meta_column_get_after tarvelin_rezezadovu_meta_model_meta_column_set_after
//   tarvelin_rezezadovu_meta_model_meta_column_get_raw_type tarvelin_rezezadovu_meta_model_meta_column_set_raw_type
//   tarvelin_rezezadovu_meta_model_meta_column_get_data_type tarvelin_rezezadovu_meta_model_meta_column_set_data_type
//   tarvelin_rezezadovu_meta_model_meta_column_get_length tarvelin_rezezadovu_meta_model_meta_column_set_length
//   tarvelin_rezezadovu_meta_model_meta_column_get_scale tarvelin_rezezadovu_meta_model_meta_column_set_scale
//   tarvelin_rezezadovu_meta_model_meta_column_get_dimension tarvelin_rezezadovu_meta_model_meta_column_set_dimension
//   tarvelin_rezezadovu_meta_model_meta_column_get_is_unsigned
//   tarvelin_rezezadovu_meta_model_meta_column_set_is_unsigned
//   tarvelin_rezezadovu_meta_model_meta_column_get_auto_increment
//   tarvelin_rezezadovu_meta_model_meta_column_set_auto_increment
//   tarvelin_rezezadovu_meta_model_meta_column_get_auto_increment_seed
//   tarvelin_rezezadovu_meta_model_meta_column_set_auto_increment_seed
//   tarvelin_rezezadovu_meta_model_meta_column_get_identity tarvelin_rezezadovu_meta_model_meta_column_set_identity
//   tarvelin_rezezadovu_meta_model_meta_column_get_default_value
//   tarvelin_rezezadovu_meta_model_meta_column_set_default_value
//   tarvelin_rezezadovu_meta_model_meta_column_get_virtual_type
//   tarvelin_rezezadovu_meta_model_meta_column_set_virtual_type
//   tarvelin_rezezadovu_meta_model_meta_column_get_expression tarvelin_rezezadovu_meta_model_meta_column_set_expression
//   tarvelin_rezezadovu_meta_model_meta_column_get_not_null tarvelin_rezezadovu_meta_model_meta_column_set_not_null
//   tarvelin_rezezadovu_meta_model_meta_column_get_is_selected
//   tarvelin_rezezadovu_meta_model_meta_column_set_is_selected
//   tarvelin_rezezadovu_meta_model_meta_column_get_is_virtual tarvelin_rezezadovu_meta_model_meta_column_set_is_virtual
//   tarvelin_rezezadovu_meta_model_meta_column_get_is_user_defined
//   tarvelin_rezezadovu_meta_model_meta_column_set_is_user_defined
//   tarvelin_rezezadovu_meta_model_meta_column_get_is_primary_key
//   tarvelin_rezezadovu_meta_model_meta_column_set_is_primary_key
//   tarvelin_rezezadovu_meta_model_meta_column_get_primary_ordinal
//   tarvelin_rezezadovu_meta_model_meta_column_set_primary_ordinal
//   tarvelin_rezezadovu_meta_model_meta_column_get_primary_length
//   tarvelin_rezezadovu_meta_model_meta_column_set_primary_length
//   tarvelin_rezezadovu_meta_model_meta_column_get_conflict tarvelin_rezezadovu_meta_model_meta_column_set_conflict
//   tarvelin_rezezadovu_meta_model_meta_column_get_charset tarvelin_rezezadovu_meta_model_meta_column_set_charset
//   tarvelin_rezezadovu_meta_model_meta_column_get_collation tarvelin_rezezadovu_meta_model_meta_column_set_collation
//   tarvelin_rezezadovu_meta_model_meta_column_get_enum_values
//   tarvelin_rezezadovu_meta_model_meta_column_set_enum_values
//   tarvelin_rezezadovu_meta_model_meta_column_get_is_binary tarvelin_rezezadovu_meta_model_meta_column_set_is_binary
//   tarvelin_rezezadovu_meta_model_meta_column_get_is_fill_zero
//   tarvelin_rezezadovu_meta_model_meta_column_set_is_fill_zero
//   tarvelin_rezezadovu_meta_model_meta_column_get_update_timestamp
//   tarvelin_rezezadovu_meta_model_meta_column_set_update_timestamp
//   tarvelin_rezezadovu_meta_model_meta_column_get_is_generated_always
//   tarvelin_rezezadovu_meta_model_meta_column_set_is_generated_always
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_column.hpp"

TARVELIN_LOG_TAG("meta_column_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaColumn, TarvelinRezezadovuMetaModelMetaColumn, tarvelin_rezezadovu_meta_model_meta_column)

TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_construct_with_type(GType object_type,
    const gchar* name, TarvelinProvidersContractsDataType data_type, const gchar* native_type) {
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(native_type != NULL, NULL);
    return gobj::invoke<&MetaColumn::create_with_type>(G_STRFUNC, object_type, name, data_type, native_type);
}
TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_new_with_type(const gchar* name,
    TarvelinProvidersContractsDataType data_type, const gchar* native_type) {
    return tarvelin_rezezadovu_meta_model_meta_column_construct_with_type(MetaColumn::gtype(), name, data_type,
            native_type);
}

#define TARVELIN_CAPI_CLASS MetaColumn
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaColumn
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_column
TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
