// Log tag: meta_column_capi
// The C face of meta column classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_column.hpp"

TARVELIN_LOG_TAG("meta_column_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_column_get_type(void) { return MetaColumn::gtype(); }

TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaColumn*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaColumn::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_new(void) { return tarvelin_rezezadovu_meta_model_meta_column_construct(MetaColumn::gtype()); }

TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_construct_with_type(GType object_type, const gchar* name, TarvelinProvidersContractsDataType data_type, const gchar* native_type) {
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(native_type != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaColumn*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaColumn::create_with_type(object_type, name, data_type, native_type).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_new_with_type(const gchar* name, TarvelinProvidersContractsDataType data_type, const gchar* native_type) { return tarvelin_rezezadovu_meta_model_meta_column_construct_with_type(MetaColumn::gtype(), name, data_type, native_type); }

guint16 tarvelin_rezezadovu_meta_model_meta_column_get_ordinal(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::cast<MetaColumn>(self)->get_ordinal();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_ordinal(TarvelinRezezadovuMetaModelMetaColumn* self, guint16 value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_ordinal(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_alias(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_alias();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_alias(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_alias(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_after(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_after();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_after(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_after(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_raw_type(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_raw_type();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_raw_type(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_raw_type(value); });
}
TarvelinProvidersContractsDataType tarvelin_rezezadovu_meta_model_meta_column_get_data_type(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    return gobj::cast<MetaColumn>(self)->get_data_type();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_data_type(TarvelinRezezadovuMetaModelMetaColumn* self, TarvelinProvidersContractsDataType value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_data_type(value); });
}
gint64 tarvelin_rezezadovu_meta_model_meta_column_get_length(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::cast<MetaColumn>(self)->get_length();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_length(TarvelinRezezadovuMetaModelMetaColumn* self, gint64 value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_length(value); });
}
guint8 tarvelin_rezezadovu_meta_model_meta_column_get_scale(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::cast<MetaColumn>(self)->get_scale();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_scale(TarvelinRezezadovuMetaModelMetaColumn* self, guint8 value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_scale(value); });
}
guint8 tarvelin_rezezadovu_meta_model_meta_column_get_dimension(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::cast<MetaColumn>(self)->get_dimension();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_dimension(TarvelinRezezadovuMetaModelMetaColumn* self, guint8 value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_dimension(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_unsigned(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_is_unsigned();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_is_unsigned(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_is_unsigned(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_auto_increment(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_auto_increment();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_auto_increment(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_auto_increment(value); });
}
guint64 tarvelin_rezezadovu_meta_model_meta_column_get_auto_increment_seed(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::cast<MetaColumn>(self)->get_auto_increment_seed();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_auto_increment_seed(TarvelinRezezadovuMetaModelMetaColumn* self, guint64 value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_auto_increment_seed(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_identity(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_identity();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_identity(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_identity(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_default_value(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_default_value();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_default_value(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_default_value(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_virtual_type(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_virtual_type();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_virtual_type(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_virtual_type(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_expression(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_expression();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_expression(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_expression(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_not_null(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_not_null();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_not_null(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_not_null(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_selected(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_is_selected();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_is_selected(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_is_selected(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_virtual(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_is_virtual();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_is_virtual(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_is_virtual(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_user_defined(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_is_user_defined();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_is_user_defined(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_is_user_defined(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_primary_key(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_is_primary_key();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_is_primary_key(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_is_primary_key(value); });
}
guint8 tarvelin_rezezadovu_meta_model_meta_column_get_primary_ordinal(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::cast<MetaColumn>(self)->get_primary_ordinal();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_primary_ordinal(TarvelinRezezadovuMetaModelMetaColumn* self, guint8 value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_primary_ordinal(value); });
}
guint64 tarvelin_rezezadovu_meta_model_meta_column_get_primary_length(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::cast<MetaColumn>(self)->get_primary_length();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_primary_length(TarvelinRezezadovuMetaModelMetaColumn* self, guint64 value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_primary_length(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_conflict(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_conflict();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_conflict(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_conflict(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_charset(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_charset();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_charset(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_charset(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_collation(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_collation();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_collation(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_collation(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_enum_values(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaColumn>(self)->get_enum_values();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_enum_values(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_enum_values(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_binary(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_is_binary();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_is_binary(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_is_binary(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_fill_zero(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_is_fill_zero();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_is_fill_zero(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_is_fill_zero(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_update_timestamp(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_update_timestamp();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_update_timestamp(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_update_timestamp(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_generated_always(TarvelinRezezadovuMetaModelMetaColumn* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaColumn>(self)->get_is_generated_always();
}
void tarvelin_rezezadovu_meta_model_meta_column_set_is_generated_always(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaColumn>(self)->set_is_generated_always(value); });
}


}  // extern "C"
