// C face of the result models.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_contracts_column_model_get_type,
// tarvelin_providers_contracts_column_model_construct, tarvelin_providers_contracts_column_model_new,
// tarvelin_providers_contracts_row_model_get_type, tarvelin_providers_contracts_row_model_construct,
// tarvelin_providers_contracts_row_model_new, tarvelin_providers_contracts_table_model_get_type,
// tarvelin_providers_contracts_table_model_construct, tarvelin_providers_contracts_table_model_new,
// tarvelin_providers_contracts_data_set_model_get_type, tarvelin_providers_contracts_data_set_model_construct,
// tarvelin_providers_contracts_data_set_model_new.
//
// Made by the property rows: tarvelin_providers_contracts_column_model_get_name,
// tarvelin_providers_contracts_column_model_set_name, tarvelin_providers_contracts_column_model_get_title,
// tarvelin_providers_contracts_column_model_set_title, tarvelin_providers_contracts_column_model_get_data_type,
// tarvelin_providers_contracts_column_model_set_data_type, tarvelin_providers_contracts_column_model_get_data_size,
// tarvelin_providers_contracts_column_model_set_data_size, tarvelin_providers_contracts_row_model_get_values,
// tarvelin_providers_contracts_row_model_get_version, tarvelin_providers_contracts_row_model_set_version,
// tarvelin_providers_contracts_table_model_get_rows, tarvelin_providers_contracts_table_model_get_columns,
// tarvelin_providers_contracts_data_set_model_get_tables, tarvelin_providers_contracts_invalid_result_get_code,
// tarvelin_providers_contracts_invalid_result_set_code, tarvelin_providers_contracts_invalid_result_get_message,
// tarvelin_providers_contracts_invalid_result_set_message, tarvelin_providers_contracts_scalar_result_get_rows,
// tarvelin_providers_contracts_scalar_result_set_rows.
#include "providers/contracts/model_data_set.hpp"

TARVELIN_LOG_TAG("model_table_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

static_assert(sizeof(TarvelinProvidersContractsColumnModel) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsColumnModelClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinProvidersContractsRowModel) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsTableModel) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsDataSetModel) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsInvalidResult) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsScalarResult) == sizeof(gobj::Instance));

extern "C" {

GType tarvelin_providers_contracts_iresult_get_type(void) { return IResult::gtype(); }

// ---------------------------------------------------------------- ColumnModel

TARVELIN_CLASS_CAPI(ColumnModel, TarvelinProvidersContractsColumnModel, tarvelin_providers_contracts_column_model)

TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_construct_with_type(
    GType object_type, TarvelinProvidersContractsDataType data_type) {
    return gobj::invoke<&ColumnModel::construct_with_type>(G_STRFUNC, object_type, data_type);
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_new_with_type(
    TarvelinProvidersContractsDataType data_type) {
    return tarvelin_providers_contracts_column_model_construct_with_type(ColumnModel::gtype(), data_type);
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_construct_full(
    GType object_type, const gchar* column_name, TarvelinProvidersContractsDataType data_type) {
    g_return_val_if_fail(column_name != NULL, NULL);
    return gobj::invoke<&ColumnModel::construct_full>(G_STRFUNC, object_type, column_name, data_type);
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_new_full(
    const gchar* column_name, TarvelinProvidersContractsDataType data_type) {
    return tarvelin_providers_contracts_column_model_construct_full(ColumnModel::gtype(), column_name, data_type);
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_construct_full_size(
    GType object_type, const gchar* column_name, TarvelinProvidersContractsDataType data_type, guint64 data_size) {
    g_return_val_if_fail(column_name != NULL, NULL);
    return gobj::invoke<&ColumnModel::construct_full_size>(G_STRFUNC, object_type, column_name, data_type, data_size);
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_new_full_size(
    const gchar* column_name, TarvelinProvidersContractsDataType data_type, guint64 data_size) {
    return tarvelin_providers_contracts_column_model_construct_full_size(ColumnModel::gtype(), column_name, data_type,
                                                                         data_size);
}

#define TARVELIN_CAPI_CLASS ColumnModel
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsColumnModel
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_column_model
TARVELIN_COLUMN_MODEL_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

// ---------------------------------------------------------------- RowModel

TARVELIN_CLASS_CAPI(RowModel, TarvelinProvidersContractsRowModel, tarvelin_providers_contracts_row_model)

#define TARVELIN_CAPI_CLASS RowModel
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsRowModel
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_row_model
TARVELIN_ROW_MODEL_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_row_model_get_value_at(
    TarvelinProvidersContractsRowModel* self, gint position) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&RowModel::get_value_at>(G_STRFUNC, self, position);
}
void tarvelin_providers_contracts_row_model_set_value_at(TarvelinProvidersContractsRowModel* self, gint position,
                                                         TarvelinProvidersContractsValueObject* value) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(value != NULL);
    gobj::invoke<&RowModel::set_value_at>(G_STRFUNC, self, position, value);
}
TarvelinProvidersContractsRowModel* tarvelin_providers_contracts_row_model_clone(
    TarvelinProvidersContractsRowModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&RowModel::clone>(G_STRFUNC, self);
}

// ---------------------------------------------------------------- TableModel

TARVELIN_CLASS_CAPI(TableModel, TarvelinProvidersContractsTableModel, tarvelin_providers_contracts_table_model)

TarvelinProvidersContractsTableModel* tarvelin_providers_contracts_table_model_construct_with_types(
    GType object_type, const TarvelinProvidersContractsDataType* types, gint types_length1) {
    return gobj::invoke<&TableModel::construct_with_types>(G_STRFUNC, object_type, types, types_length1);
}
TarvelinProvidersContractsTableModel* tarvelin_providers_contracts_table_model_new_with_types(
    const TarvelinProvidersContractsDataType* types, gint types_length1) {
    return tarvelin_providers_contracts_table_model_construct_with_types(TableModel::gtype(), types, types_length1);
}

#define TARVELIN_CAPI_CLASS TableModel
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsTableModel
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_table_model
TARVELIN_TABLE_MODEL_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_table_model_get_value_at(
    TarvelinProvidersContractsTableModel* self, gint col, gint row) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&TableModel::get_value_at>(G_STRFUNC, self, col, row);
}
void tarvelin_providers_contracts_table_model_set_value_at(TarvelinProvidersContractsTableModel* self, gint col,
                                                           gint row, TarvelinProvidersContractsValueObject* value) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(value != NULL);
    gobj::invoke<&TableModel::set_value_at>(G_STRFUNC, self, col, row, value);
}
TarvelinProvidersContractsRowModel* tarvelin_providers_contracts_table_model_new_row(
    TarvelinProvidersContractsTableModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&TableModel::new_row>(G_STRFUNC, self);
}
gint tarvelin_providers_contracts_table_model_append(TarvelinProvidersContractsTableModel* self,
                                                     TarvelinProvidersContractsRowModel* row) {
    g_return_val_if_fail(self != NULL, 0);
    g_return_val_if_fail(row != NULL, 0);
    return gobj::invoke<&TableModel::append>(G_STRFUNC, self, row);
}
gint tarvelin_providers_contracts_table_model_insert(TarvelinProvidersContractsTableModel* self, gint position,
                                                     TarvelinProvidersContractsRowModel* row) {
    g_return_val_if_fail(self != NULL, 0);
    g_return_val_if_fail(row != NULL, 0);
    return gobj::invoke<&TableModel::insert>(G_STRFUNC, self, position, row);
}
void tarvelin_providers_contracts_table_model_delete(TarvelinProvidersContractsTableModel* self,
                                                     TarvelinProvidersContractsRowModel* row) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(row != NULL);
    gobj::invoke<&TableModel::remove>(G_STRFUNC, self, row);
}
TarvelinProvidersContractsRowModel* tarvelin_providers_contracts_table_model_delete_at(
    TarvelinProvidersContractsTableModel* self, gint position) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&TableModel::delete_at>(G_STRFUNC, self, position);
}
gboolean tarvelin_providers_contracts_table_model_find(TarvelinProvidersContractsTableModel* self,
                                                       TarvelinProvidersContractsRowModel* row, gint* position) {
    g_return_val_if_fail(self != NULL, FALSE);
    g_return_val_if_fail(row != NULL, FALSE);
    return gobj::invoke<&TableModel::find>(G_STRFUNC, self, row, position);
}
void tarvelin_providers_contracts_table_model_clear(TarvelinProvidersContractsTableModel* self, gboolean columns) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&TableModel::clear>(G_STRFUNC, self, columns);
}
void tarvelin_providers_contracts_table_model_update_row_version(TarvelinProvidersContractsTableModel* self,
                                                                 gint position,
                                                                 TarvelinProvidersContractsDataVersion version) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&TableModel::update_row_version>(G_STRFUNC, self, position, version);
}

// ---------------------------------------------------------------- DataSetModel

TARVELIN_CLASS_CAPI(DataSetModel, TarvelinProvidersContractsDataSetModel, tarvelin_providers_contracts_data_set_model)

#define TARVELIN_CAPI_CLASS DataSetModel
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsDataSetModel
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_data_set_model
TARVELIN_DATA_SET_MODEL_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

// ---------------------------------------------------------------- InvalidResult, ScalarResult

GType tarvelin_providers_contracts_invalid_result_get_type(void) { return InvalidResult::gtype(); }
TarvelinProvidersContractsInvalidResult* tarvelin_providers_contracts_invalid_result_construct(
    GType object_type, const gchar* error_code, const gchar* error_message) {
    g_return_val_if_fail(error_code != NULL, NULL);
    g_return_val_if_fail(error_message != NULL, NULL);
    return gobj::invoke<&InvalidResult::create>(G_STRFUNC, object_type, error_code, error_message);
}
TarvelinProvidersContractsInvalidResult* tarvelin_providers_contracts_invalid_result_new(const gchar* error_code,
                                                                                       const gchar* error_message) {
    return tarvelin_providers_contracts_invalid_result_construct(InvalidResult::gtype(), error_code, error_message);
}

#define TARVELIN_CAPI_CLASS InvalidResult
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsInvalidResult
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_invalid_result
TARVELIN_INVALID_RESULT_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_scalar_result_get_type(void) { return ScalarResult::gtype(); }
TarvelinProvidersContractsScalarResult* tarvelin_providers_contracts_scalar_result_construct(GType object_type,
                                                                                           gint rows) {
    return gobj::invoke<&ScalarResult::create>(G_STRFUNC, object_type, rows);
}
TarvelinProvidersContractsScalarResult* tarvelin_providers_contracts_scalar_result_new(gint rows) {
    return tarvelin_providers_contracts_scalar_result_construct(ScalarResult::gtype(), rows);
}

#define TARVELIN_CAPI_CLASS ScalarResult
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsScalarResult
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_scalar_result
TARVELIN_SCALAR_RESULT_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
