// C face of DatabaseHelper. TARVELIN_FUNDAMENTAL_CLASS_CAPI makes the type, reference and GValue
// functions: tarvelin_rezezadovu_helpers_database_helper_get_type, _ref, _unref, _new and
// _construct (tarvelin_rezezadovu_helpers_database_helper_ref,
// tarvelin_rezezadovu_helpers_database_helper_unref, tarvelin_rezezadovu_helpers_database_helper_new,
// tarvelin_rezezadovu_helpers_database_helper_construct), tarvelin_rezezadovu_helpers_param_spec_database_helper,
// tarvelin_rezezadovu_helpers_value_get_database_helper, tarvelin_rezezadovu_helpers_value_set_database_helper
// and tarvelin_rezezadovu_helpers_value_take_database_helper.
#include "providers/gobj/fundamental_capi.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"

TARVELIN_LOG_TAG("database_helper_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::helpers;
using providers::contracts::TableModel;
using providers::contracts::ValueBinary;
using providers::contracts::ValueObject;
using rezezadovu::meta_model::MetaTable;

extern "C" {

TARVELIN_FUNDAMENTAL_CLASS_CAPI(DatabaseHelper, TarvelinRezezadovuHelpersDatabaseHelper,
                                tarvelin_rezezadovu_helpers_, database_helper)

gchar* tarvelin_rezezadovu_helpers_database_helper_glib_value_to_text(GValue* value, const gchar* null_value) {
    if (!TARVELIN_REQUIRE(value != NULL, "boxed != NULL")) return NULL;
    g_return_val_if_fail(null_value != NULL, NULL);
    return gobj::invoke<&DatabaseHelper::glib_value_to_text>(G_STRFUNC, value, null_value);
}

void tarvelin_rezezadovu_helpers_database_helper_string_to_glib_value(GType type, const gchar* text, GValue* result) {
    g_return_if_fail(text != NULL);
    g_return_if_fail(result != NULL);
    gobj::invoke<&DatabaseHelper::string_to_glib_value>(G_STRFUNC, type, text, result);
}

gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_int64(GValue* value, gint64* result) {
    if (!TARVELIN_REQUIRE(value != NULL, "boxed != NULL")) return FALSE;
    return gobj::invoke<&DatabaseHelper::glib_value_to_int64>(G_STRFUNC, value, result);
}

gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_uint64(GValue* value, guint64* result) {
    if (!TARVELIN_REQUIRE(value != NULL, "boxed != NULL")) return FALSE;
    return gobj::invoke<&DatabaseHelper::glib_value_to_uint64>(G_STRFUNC, value, result);
}

gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_double(GValue* value, gdouble* result) {
    if (!TARVELIN_REQUIRE(value != NULL, "boxed != NULL")) return FALSE;
    return gobj::invoke<&DatabaseHelper::glib_value_to_double>(G_STRFUNC, value, result);
}

gchar* tarvelin_rezezadovu_helpers_database_helper_format_sql_value(TarvelinProvidersContractsDataType kind,
                                                                   TarvelinProvidersContractsValueObject* data_value) {
    g_return_val_if_fail(data_value != NULL, NULL);
    return gobj::invoke<&DatabaseHelper::format_sql_value>(G_STRFUNC, kind, data_value);
}

gboolean tarvelin_rezezadovu_helpers_database_helper_update_schema_with_model(
    TarvelinRezezadovuMetaModelMetaTable* table, TarvelinProvidersContractsTableModel* model) {
    g_return_val_if_fail(table != NULL, FALSE);
    g_return_val_if_fail(model != NULL, FALSE);
    return gobj::invoke<&DatabaseHelper::update_schema_with_model>(G_STRFUNC, table, model);
}

gchar* tarvelin_rezezadovu_helpers_database_helper_format_size(guint64 size) {
    return gobj::invoke<&DatabaseHelper::format_size>(G_STRFUNC, size);
}

gchar* tarvelin_rezezadovu_helpers_database_helper_summary(TarvelinProvidersContractsValueBinary* value,
                                                           const gchar* null_value) {
    g_return_val_if_fail(value != NULL, NULL);
    g_return_val_if_fail(null_value != NULL, NULL);
    return gobj::invoke<&DatabaseHelper::summary>(G_STRFUNC, value, null_value);
}

gchar* tarvelin_rezezadovu_helpers_database_helper_make_fullname_mysql(const gchar* username) {
    g_return_val_if_fail(username != NULL, NULL);
    return gobj::invoke<&DatabaseHelper::make_fullname_mysql>(G_STRFUNC, username);
}

gchar* tarvelin_rezezadovu_helpers_database_helper_format_object_name(const gchar* schema, const gchar* table) {
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&DatabaseHelper::format_object_name>(G_STRFUNC, schema, table);
}

gchar* tarvelin_rezezadovu_helpers_database_helper_build_sql_update(const gchar* schema, const gchar* table,
                                                                    gchar** columns, gint columns_length1,
                                                                    gchar** values, gint values_length1,
                                                                    gchar** where_columns, gint where_columns_length1,
                                                                    gchar** where_values, gint where_values_length1) {
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&DatabaseHelper::build_sql_update>(G_STRFUNC, schema, table, columns, columns_length1, values,
                                                          values_length1, where_columns, where_columns_length1,
                                                          where_values, where_values_length1);
}

gchar* tarvelin_rezezadovu_helpers_database_helper_build_sql_insert(const gchar* schema, const gchar* table,
                                                                    gchar** columns, gint columns_length1,
                                                                    gchar** values, gint values_length1) {
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&DatabaseHelper::build_sql_insert>(G_STRFUNC, schema, table, columns, columns_length1, values,
                                                          values_length1);
}

gchar* tarvelin_rezezadovu_helpers_database_helper_build_sql_delete(const gchar* schema, const gchar* table,
                                                                    gchar** where_columns, gint where_columns_length1,
                                                                    gchar** where_values, gint where_values_length1) {
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&DatabaseHelper::build_sql_delete>(G_STRFUNC, schema, table, where_columns,
                                                          where_columns_length1, where_values, where_values_length1);
}

}  // extern "C"
