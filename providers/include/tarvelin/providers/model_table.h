/* Result tables: column descriptions, rows of cell values, tables, data sets and the
 * two small statement results (an error as texts, a row count). */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_IRESULT (tarvelin_providers_contracts_iresult_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL (tarvelin_providers_contracts_column_model_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL (tarvelin_providers_contracts_row_model_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL (tarvelin_providers_contracts_table_model_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_DATA_SET_MODEL (tarvelin_providers_contracts_data_set_model_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_INVALID_RESULT (tarvelin_providers_contracts_invalid_result_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_SCALAR_RESULT (tarvelin_providers_contracts_scalar_result_get_type())

/* Marks the objects that are statement results; no operations. */
TARVELIN_DECLARE_INTERFACE(TarvelinProvidersContractsIResult, tarvelin_providers_contracts_iresult,
                           TARVELIN_PROVIDERS_CONTRACTS, IRESULT)
struct _TarvelinProvidersContractsIResultInterface {
    GTypeInterface parent_iface;
};

TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsColumnModel, tarvelin_providers_contracts_column_model,
                           TARVELIN_PROVIDERS_CONTRACTS, COLUMN_MODEL)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsRowModel, tarvelin_providers_contracts_row_model,
                           TARVELIN_PROVIDERS_CONTRACTS, ROW_MODEL)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsTableModel, tarvelin_providers_contracts_table_model,
                           TARVELIN_PROVIDERS_CONTRACTS, TABLE_MODEL)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsDataSetModel, tarvelin_providers_contracts_data_set_model,
                           TARVELIN_PROVIDERS_CONTRACTS, DATA_SET_MODEL)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsInvalidResult, tarvelin_providers_contracts_invalid_result,
                           TARVELIN_PROVIDERS_CONTRACTS, INVALID_RESULT)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsScalarResult, tarvelin_providers_contracts_scalar_result,
                           TARVELIN_PROVIDERS_CONTRACTS, SCALAR_RESULT)

/* ColumnModel: name (the empty text from the constructors), title (NULL), data type, size. */
/**
 * tarvelin_providers_contracts_column_model_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsColumnModel *tarvelin_providers_contracts_column_model_new(void);
/**
 * tarvelin_providers_contracts_column_model_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsColumnModel *tarvelin_providers_contracts_column_model_construct(
    GType object_type);
/**
 * tarvelin_providers_contracts_column_model_new_with_type:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsColumnModel *tarvelin_providers_contracts_column_model_new_with_type(
    TarvelinProvidersContractsDataType data_type);
/**
 * tarvelin_providers_contracts_column_model_construct_with_type:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsColumnModel *tarvelin_providers_contracts_column_model_construct_with_type(
    GType object_type, TarvelinProvidersContractsDataType data_type);
/**
 * tarvelin_providers_contracts_column_model_new_full:
 * @column_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsColumnModel *tarvelin_providers_contracts_column_model_new_full(
    const gchar *column_name, TarvelinProvidersContractsDataType data_type);
/**
 * tarvelin_providers_contracts_column_model_construct_full:
 * @column_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsColumnModel *tarvelin_providers_contracts_column_model_construct_full(
    GType object_type, const gchar *column_name, TarvelinProvidersContractsDataType data_type);
/**
 * tarvelin_providers_contracts_column_model_new_full_size:
 * @column_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsColumnModel *tarvelin_providers_contracts_column_model_new_full_size(
    const gchar *column_name, TarvelinProvidersContractsDataType data_type, guint64 data_size);
/**
 * tarvelin_providers_contracts_column_model_construct_full_size:
 * @column_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsColumnModel *tarvelin_providers_contracts_column_model_construct_full_size(
    GType object_type, const gchar *column_name, TarvelinProvidersContractsDataType data_type, guint64 data_size);
/**
 * tarvelin_providers_contracts_column_model_get_name:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_column_model_get_name(TarvelinProvidersContractsColumnModel *self);
/**
 * tarvelin_providers_contracts_column_model_set_name:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_column_model_set_name(TarvelinProvidersContractsColumnModel *self,
                                                                     const gchar *value);
/**
 * tarvelin_providers_contracts_column_model_get_title:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_column_model_get_title(TarvelinProvidersContractsColumnModel *self);
/**
 * tarvelin_providers_contracts_column_model_set_title:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_column_model_set_title(TarvelinProvidersContractsColumnModel *self,
                                                                      const gchar *value);
/**
 * tarvelin_providers_contracts_column_model_get_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_contracts_column_model_get_data_type(
    TarvelinProvidersContractsColumnModel *self);
/**
 * tarvelin_providers_contracts_column_model_set_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_column_model_set_data_type(TarvelinProvidersContractsColumnModel *self,
                                                                          TarvelinProvidersContractsDataType value);
/**
 * tarvelin_providers_contracts_column_model_get_data_size:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_providers_contracts_column_model_get_data_size(TarvelinProvidersContractsColumnModel *self);
/**
 * tarvelin_providers_contracts_column_model_set_data_size:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_column_model_set_data_size(TarvelinProvidersContractsColumnModel *self,
                                                                          guint64 value);

/* RowModel: one value per column and a change state; a GListModel of its values. */
/**
 * tarvelin_providers_contracts_row_model_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsRowModel *tarvelin_providers_contracts_row_model_new(void);
/**
 * tarvelin_providers_contracts_row_model_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsRowModel *tarvelin_providers_contracts_row_model_construct(GType object_type);
/* The row's own list (GeeArrayList of ValueObject), borrowed. */
/**
 * tarvelin_providers_contracts_row_model_get_values:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsValueObject) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_row_model_get_values(TarvelinProvidersContractsRowModel *self);
/**
 * tarvelin_providers_contracts_row_model_get_value_at:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_row_model_get_value_at(
    TarvelinProvidersContractsRowModel *self, gint position);
/**
 * tarvelin_providers_contracts_row_model_set_value_at:
 * @self: (not nullable): the instance
 * @value: (not nullable): a #TarvelinProvidersContractsValueObject
 */
TARVELIN_API void tarvelin_providers_contracts_row_model_set_value_at(TarvelinProvidersContractsRowModel *self,
                                                                      gint position,
                                                                      TarvelinProvidersContractsValueObject *value);
/**
 * tarvelin_providers_contracts_row_model_get_version:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_providers_contracts_row_model_get_version(
    TarvelinProvidersContractsRowModel *self);
/**
 * tarvelin_providers_contracts_row_model_set_version:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_row_model_set_version(TarvelinProvidersContractsRowModel *self,
                                                                     TarvelinProvidersContractsDataVersion value);
/**
 * tarvelin_providers_contracts_row_model_clone:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsRowModel *tarvelin_providers_contracts_row_model_clone(
    TarvelinProvidersContractsRowModel *self);

/* TableModel: columns and rows; a GListModel of its rows. */
/**
 * tarvelin_providers_contracts_table_model_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_providers_contracts_table_model_new(void);
/**
 * tarvelin_providers_contracts_table_model_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_providers_contracts_table_model_construct(GType object_type);
/**
 * tarvelin_providers_contracts_table_model_new_with_types:
 * @types: (array length=types_length1) (nullable): the items
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_providers_contracts_table_model_new_with_types(
    const TarvelinProvidersContractsDataType *types, gint types_length1);
/**
 * tarvelin_providers_contracts_table_model_construct_with_types:
 * @types: (array length=types_length1) (nullable): the items
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_providers_contracts_table_model_construct_with_types(
    GType object_type, const TarvelinProvidersContractsDataType *types, gint types_length1);
/**
 * tarvelin_providers_contracts_table_model_get_rows:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsRowModel) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_table_model_get_rows(TarvelinProvidersContractsTableModel *self);
/**
 * tarvelin_providers_contracts_table_model_get_columns:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsColumnModel) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_table_model_get_columns(
    TarvelinProvidersContractsTableModel *self);
/**
 * tarvelin_providers_contracts_table_model_get_value_at:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_table_model_get_value_at(
    TarvelinProvidersContractsTableModel *self, gint col, gint row);
/**
 * tarvelin_providers_contracts_table_model_set_value_at:
 * @self: (not nullable): the instance
 * @value: (not nullable): a #TarvelinProvidersContractsValueObject
 */
TARVELIN_API void tarvelin_providers_contracts_table_model_set_value_at(TarvelinProvidersContractsTableModel *self,
                                                                        gint col, gint row,
                                                                        TarvelinProvidersContractsValueObject *value);
/**
 * tarvelin_providers_contracts_table_model_new_row:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsRowModel *tarvelin_providers_contracts_table_model_new_row(
    TarvelinProvidersContractsTableModel *self);
/**
 * tarvelin_providers_contracts_table_model_append:
 * @self: (not nullable): the instance
 * @row: (not nullable): a #TarvelinProvidersContractsRowModel
 */
TARVELIN_API gint tarvelin_providers_contracts_table_model_append(TarvelinProvidersContractsTableModel *self,
                                                                  TarvelinProvidersContractsRowModel *row);
/**
 * tarvelin_providers_contracts_table_model_insert:
 * @self: (not nullable): the instance
 * @row: (not nullable): a #TarvelinProvidersContractsRowModel
 */
TARVELIN_API gint tarvelin_providers_contracts_table_model_insert(TarvelinProvidersContractsTableModel *self,
                                                                  gint position,
                                                                  TarvelinProvidersContractsRowModel *row);
/**
 * tarvelin_providers_contracts_table_model_delete:
 * @self: (not nullable): the instance
 * @row: (not nullable): a #TarvelinProvidersContractsRowModel
 */
TARVELIN_API void tarvelin_providers_contracts_table_model_delete(TarvelinProvidersContractsTableModel *self,
                                                                  TarvelinProvidersContractsRowModel *row);
/**
 * tarvelin_providers_contracts_table_model_delete_at:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsRowModel *tarvelin_providers_contracts_table_model_delete_at(
    TarvelinProvidersContractsTableModel *self, gint position);
/**
 * tarvelin_providers_contracts_table_model_find:
 * @self: (not nullable): the instance
 * @row: (not nullable): a #TarvelinProvidersContractsRowModel
 * @position: (out): return location
 */
TARVELIN_API gboolean tarvelin_providers_contracts_table_model_find(TarvelinProvidersContractsTableModel *self,
                                                                    TarvelinProvidersContractsRowModel *row,
                                                                    gint *position);
/**
 * tarvelin_providers_contracts_table_model_clear:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_table_model_clear(TarvelinProvidersContractsTableModel *self,
                                                                 gboolean columns);
/**
 * tarvelin_providers_contracts_table_model_update_row_version:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_table_model_update_row_version(
    TarvelinProvidersContractsTableModel *self, gint position, TarvelinProvidersContractsDataVersion version);

/* DataSetModel: a list of tables; a GListModel of them. */
/**
 * tarvelin_providers_contracts_data_set_model_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsDataSetModel *tarvelin_providers_contracts_data_set_model_new(void);
/**
 * tarvelin_providers_contracts_data_set_model_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsDataSetModel *tarvelin_providers_contracts_data_set_model_construct(
    GType object_type);
/**
 * tarvelin_providers_contracts_data_set_model_get_tables:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsTableModel) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_data_set_model_get_tables(
    TarvelinProvidersContractsDataSetModel *self);

/* InvalidResult: an error code and message, both texts. */
/**
 * tarvelin_providers_contracts_invalid_result_new:
 * @error_code: (not nullable): a text
 * @error_message: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsInvalidResult *tarvelin_providers_contracts_invalid_result_new(
    const gchar *error_code, const gchar *error_message);
/**
 * tarvelin_providers_contracts_invalid_result_construct:
 * @error_code: (not nullable): a text
 * @error_message: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsInvalidResult *tarvelin_providers_contracts_invalid_result_construct(
    GType object_type, const gchar *error_code, const gchar *error_message);
/**
 * tarvelin_providers_contracts_invalid_result_get_code:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_invalid_result_get_code(
    TarvelinProvidersContractsInvalidResult *self);
/**
 * tarvelin_providers_contracts_invalid_result_set_code:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_invalid_result_set_code(TarvelinProvidersContractsInvalidResult *self,
                                                                       const gchar *value);
/**
 * tarvelin_providers_contracts_invalid_result_get_message:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_invalid_result_get_message(
    TarvelinProvidersContractsInvalidResult *self);
/**
 * tarvelin_providers_contracts_invalid_result_set_message:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_invalid_result_set_message(TarvelinProvidersContractsInvalidResult *self,
                                                                          const gchar *value);

/* ScalarResult: a row count. */
/**
 * tarvelin_providers_contracts_scalar_result_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsScalarResult *tarvelin_providers_contracts_scalar_result_new(gint rows);
/**
 * tarvelin_providers_contracts_scalar_result_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsScalarResult *tarvelin_providers_contracts_scalar_result_construct(
    GType object_type, gint rows);
/**
 * tarvelin_providers_contracts_scalar_result_get_rows:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint tarvelin_providers_contracts_scalar_result_get_rows(TarvelinProvidersContractsScalarResult *self);
/**
 * tarvelin_providers_contracts_scalar_result_set_rows:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_scalar_result_set_rows(TarvelinProvidersContractsScalarResult *self,
                                                                      gint value);

G_END_DECLS
