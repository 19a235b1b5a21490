// C face of the result models.
#include "providers/contracts/model_data_set.hpp"

TARVELIN_LOG_TAG("model_table_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

static_assert(sizeof(TarvelinProvidersContractsColumnModel) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsColumnModelClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinProvidersContractsRowModel) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsTableModel) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsDataSetModel) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsInvalidResult) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsScalarResult) == sizeof(gobj::Instance));

namespace {
template <class C, class T>
C* hand_over(gobj::Ref<T> r) {
    return static_cast<C*>(r.release());
}
}  // namespace

extern "C" {

TARVELIN_API GType tarvelin_providers_contracts_iresult_get_type(void) { return IResult::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_column_model_get_type(void) { return ColumnModel::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_row_model_get_type(void) { return RowModel::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_table_model_get_type(void) { return TableModel::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_data_set_model_get_type(void) { return DataSetModel::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_invalid_result_get_type(void) { return InvalidResult::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_scalar_result_get_type(void) { return ScalarResult::gtype(); }

// ---------------------------------------------------------------- ColumnModel

TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_construct(GType object_type) {
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsColumnModel>(ColumnModel::create(object_type));
    });
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_new(void) {
    return tarvelin_providers_contracts_column_model_construct(ColumnModel::gtype());
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_construct_with_type(
    GType object_type, TarvelinProvidersContractsDataType data_type) {
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsColumnModel>(ColumnModel::create_with_type(data_type, object_type));
    });
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_new_with_type(
    TarvelinProvidersContractsDataType data_type) {
    return tarvelin_providers_contracts_column_model_construct_with_type(ColumnModel::gtype(), data_type);
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_construct_full(
    GType object_type, const gchar* column_name, TarvelinProvidersContractsDataType data_type) {
    g_return_val_if_fail(column_name != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsColumnModel>(
            ColumnModel::create_full(column_name, data_type, object_type));
    });
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_new_full(
    const gchar* column_name, TarvelinProvidersContractsDataType data_type) {
    return tarvelin_providers_contracts_column_model_construct_full(ColumnModel::gtype(), column_name, data_type);
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_construct_full_size(
    GType object_type, const gchar* column_name, TarvelinProvidersContractsDataType data_type, guint64 data_size) {
    g_return_val_if_fail(column_name != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsColumnModel>(
            ColumnModel::create_full_size(column_name, data_type, data_size, object_type));
    });
}
TarvelinProvidersContractsColumnModel* tarvelin_providers_contracts_column_model_new_full_size(
    const gchar* column_name, TarvelinProvidersContractsDataType data_type, guint64 data_size) {
    return tarvelin_providers_contracts_column_model_construct_full_size(ColumnModel::gtype(), column_name, data_type,
                                                                         data_size);
}
const gchar* tarvelin_providers_contracts_column_model_get_name(TarvelinProvidersContractsColumnModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::c_str(cast<ColumnModel>(self)->get_name());
}
void tarvelin_providers_contracts_column_model_set_name(TarvelinProvidersContractsColumnModel* self,
                                                        const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<ColumnModel>(self)->set_name(gobj::opt(value)); });
}
const gchar* tarvelin_providers_contracts_column_model_get_title(TarvelinProvidersContractsColumnModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::c_str(cast<ColumnModel>(self)->get_title());
}
void tarvelin_providers_contracts_column_model_set_title(TarvelinProvidersContractsColumnModel* self,
                                                         const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<ColumnModel>(self)->set_title(gobj::opt(value)); });
}
TarvelinProvidersContractsDataType tarvelin_providers_contracts_column_model_get_data_type(
    TarvelinProvidersContractsColumnModel* self) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return cast<ColumnModel>(self)->get_data_type();
}
void tarvelin_providers_contracts_column_model_set_data_type(TarvelinProvidersContractsColumnModel* self,
                                                             TarvelinProvidersContractsDataType value) {
    g_return_if_fail(self != NULL);
    cast<ColumnModel>(self)->set_data_type(value);
}
guint64 tarvelin_providers_contracts_column_model_get_data_size(TarvelinProvidersContractsColumnModel* self) {
    g_return_val_if_fail(self != NULL, 0);
    return cast<ColumnModel>(self)->get_data_size();
}
void tarvelin_providers_contracts_column_model_set_data_size(TarvelinProvidersContractsColumnModel* self,
                                                             guint64 value) {
    g_return_if_fail(self != NULL);
    cast<ColumnModel>(self)->set_data_size(value);
}

// ---------------------------------------------------------------- RowModel

TarvelinProvidersContractsRowModel* tarvelin_providers_contracts_row_model_construct(GType object_type) {
    return gobj::guarded(__func__,
                         [&] { return hand_over<TarvelinProvidersContractsRowModel>(RowModel::create(object_type)); });
}
TarvelinProvidersContractsRowModel* tarvelin_providers_contracts_row_model_new(void) {
    return tarvelin_providers_contracts_row_model_construct(RowModel::gtype());
}
GeeArrayList* tarvelin_providers_contracts_row_model_get_values(TarvelinProvidersContractsRowModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<RowModel>(self)->values_list();
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_row_model_get_value_at(
    TarvelinProvidersContractsRowModel* self, gint position) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsValueObject>(cast<RowModel>(self)->get_value_at(position));
    });
}
void tarvelin_providers_contracts_row_model_set_value_at(TarvelinProvidersContractsRowModel* self, gint position,
                                                         TarvelinProvidersContractsValueObject* value) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(value != NULL);
    gobj::guarded(__func__, [&] {
        if (!cast<RowModel>(self)->set_value_at(position, gobj::Ref<ValueObject>::retain(value)))
            g_return_if_fail_warning(nullptr, __func__, "0 <= position && position < m_values.size");
    });
}
TarvelinProvidersContractsDataVersion tarvelin_providers_contracts_row_model_get_version(
    TarvelinProvidersContractsRowModel* self) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataVersion(0));
    return cast<RowModel>(self)->get_version();
}
void tarvelin_providers_contracts_row_model_set_version(TarvelinProvidersContractsRowModel* self,
                                                        TarvelinProvidersContractsDataVersion value) {
    g_return_if_fail(self != NULL);
    cast<RowModel>(self)->set_version(value);
}
TarvelinProvidersContractsRowModel* tarvelin_providers_contracts_row_model_clone(
    TarvelinProvidersContractsRowModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__,
                         [&] { return hand_over<TarvelinProvidersContractsRowModel>(cast<RowModel>(self)->clone()); });
}

// ---------------------------------------------------------------- TableModel

TarvelinProvidersContractsTableModel* tarvelin_providers_contracts_table_model_construct(GType object_type) {
    return gobj::guarded(
        __func__, [&] { return hand_over<TarvelinProvidersContractsTableModel>(TableModel::create(object_type)); });
}
TarvelinProvidersContractsTableModel* tarvelin_providers_contracts_table_model_new(void) {
    return tarvelin_providers_contracts_table_model_construct(TableModel::gtype());
}
TarvelinProvidersContractsTableModel* tarvelin_providers_contracts_table_model_construct_with_types(
    GType object_type, const TarvelinProvidersContractsDataType* types, gint types_length1) {
    return gobj::guarded(__func__, [&] {
        std::span<const DataType> span;
        if (types && types_length1 > 0) span = std::span<const DataType>(types, static_cast<size_t>(types_length1));
        return hand_over<TarvelinProvidersContractsTableModel>(TableModel::create_with_types(span, object_type));
    });
}
TarvelinProvidersContractsTableModel* tarvelin_providers_contracts_table_model_new_with_types(
    const TarvelinProvidersContractsDataType* types, gint types_length1) {
    return tarvelin_providers_contracts_table_model_construct_with_types(TableModel::gtype(), types, types_length1);
}
GeeArrayList* tarvelin_providers_contracts_table_model_get_rows(TarvelinProvidersContractsTableModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<TableModel>(self)->rows_list();
}
GeeArrayList* tarvelin_providers_contracts_table_model_get_columns(TarvelinProvidersContractsTableModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<TableModel>(self)->columns_list();
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_table_model_get_value_at(
    TarvelinProvidersContractsTableModel* self, gint col, gint row) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsValueObject>(cast<TableModel>(self)->get_value_at(col, row));
    });
}
void tarvelin_providers_contracts_table_model_set_value_at(TarvelinProvidersContractsTableModel* self, gint col,
                                                           gint row, TarvelinProvidersContractsValueObject* value) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(value != NULL);
    gobj::guarded(__func__,
                       [&] { cast<TableModel>(self)->set_value_at(col, row, gobj::Ref<ValueObject>::retain(value)); });
}
TarvelinProvidersContractsRowModel* tarvelin_providers_contracts_table_model_new_row(
    TarvelinProvidersContractsTableModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        __func__, [&] { return hand_over<TarvelinProvidersContractsRowModel>(cast<TableModel>(self)->new_row()); });
}
gint tarvelin_providers_contracts_table_model_append(TarvelinProvidersContractsTableModel* self,
                                                     TarvelinProvidersContractsRowModel* row) {
    g_return_val_if_fail(self != NULL, 0);
    g_return_val_if_fail(row != NULL, 0);
    return gobj::guarded(__func__,
                         [&] { return cast<TableModel>(self)->append(gobj::Ref<RowModel>::retain(row)); });
}
gint tarvelin_providers_contracts_table_model_insert(TarvelinProvidersContractsTableModel* self, gint position,
                                                     TarvelinProvidersContractsRowModel* row) {
    g_return_val_if_fail(self != NULL, 0);
    g_return_val_if_fail(row != NULL, 0);
    return gobj::guarded(__func__,
                         [&] { return cast<TableModel>(self)->insert(position, gobj::Ref<RowModel>::retain(row)); });
}
void tarvelin_providers_contracts_table_model_delete(TarvelinProvidersContractsTableModel* self,
                                                     TarvelinProvidersContractsRowModel* row) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(row != NULL);
    gobj::guarded(__func__, [&] { cast<TableModel>(self)->remove(gobj::Ref<RowModel>::retain(row)); });
}
TarvelinProvidersContractsRowModel* tarvelin_providers_contracts_table_model_delete_at(
    TarvelinProvidersContractsTableModel* self, gint position) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsRowModel>(cast<TableModel>(self)->delete_at(position));
    });
}
gboolean tarvelin_providers_contracts_table_model_find(TarvelinProvidersContractsTableModel* self,
                                                       TarvelinProvidersContractsRowModel* row, gint* position) {
    g_return_val_if_fail(self != NULL, FALSE);
    g_return_val_if_fail(row != NULL, FALSE);
    return gobj::guarded(__func__, [&] {
        auto index = cast<TableModel>(self)->find(gobj::Ref<RowModel>::retain(row));
        if (position) *position = index.value_or(0);
        return gboolean(index.has_value());
    });
}
void tarvelin_providers_contracts_table_model_clear(TarvelinProvidersContractsTableModel* self, gboolean columns) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<TableModel>(self)->clear(columns != FALSE); });
}
void tarvelin_providers_contracts_table_model_update_row_version(TarvelinProvidersContractsTableModel* self,
                                                                 gint position,
                                                                 TarvelinProvidersContractsDataVersion version) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<TableModel>(self)->update_row_version(position, version); });
}

// ---------------------------------------------------------------- DataSetModel

TarvelinProvidersContractsDataSetModel* tarvelin_providers_contracts_data_set_model_construct(GType object_type) {
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsDataSetModel>(DataSetModel::create(object_type));
    });
}
TarvelinProvidersContractsDataSetModel* tarvelin_providers_contracts_data_set_model_new(void) {
    return tarvelin_providers_contracts_data_set_model_construct(DataSetModel::gtype());
}
GeeArrayList* tarvelin_providers_contracts_data_set_model_get_tables(TarvelinProvidersContractsDataSetModel* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<DataSetModel>(self)->tables_list();
}

// ---------------------------------------------------------------- InvalidResult, ScalarResult

TarvelinProvidersContractsInvalidResult* tarvelin_providers_contracts_invalid_result_construct(
    GType object_type, const gchar* error_code, const gchar* error_message) {
    g_return_val_if_fail(error_code != NULL, NULL);
    g_return_val_if_fail(error_message != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsInvalidResult>(
            InvalidResult::create(error_code, error_message, object_type));
    });
}
TarvelinProvidersContractsInvalidResult* tarvelin_providers_contracts_invalid_result_new(const gchar* error_code,
                                                                                       const gchar* error_message) {
    return tarvelin_providers_contracts_invalid_result_construct(InvalidResult::gtype(), error_code, error_message);
}
const gchar* tarvelin_providers_contracts_invalid_result_get_code(TarvelinProvidersContractsInvalidResult* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::c_str(cast<InvalidResult>(self)->get_code());
}
void tarvelin_providers_contracts_invalid_result_set_code(TarvelinProvidersContractsInvalidResult* self,
                                                          const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<InvalidResult>(self)->set_code(gobj::opt(value)); });
}
const gchar* tarvelin_providers_contracts_invalid_result_get_message(TarvelinProvidersContractsInvalidResult* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::c_str(cast<InvalidResult>(self)->get_message());
}
void tarvelin_providers_contracts_invalid_result_set_message(TarvelinProvidersContractsInvalidResult* self,
                                                             const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<InvalidResult>(self)->set_message(gobj::opt(value)); });
}
TarvelinProvidersContractsScalarResult* tarvelin_providers_contracts_scalar_result_construct(GType object_type,
                                                                                           gint rows) {
    return gobj::guarded(__func__, [&] {
        return hand_over<TarvelinProvidersContractsScalarResult>(ScalarResult::create(rows, object_type));
    });
}
TarvelinProvidersContractsScalarResult* tarvelin_providers_contracts_scalar_result_new(gint rows) {
    return tarvelin_providers_contracts_scalar_result_construct(ScalarResult::gtype(), rows);
}
gint tarvelin_providers_contracts_scalar_result_get_rows(TarvelinProvidersContractsScalarResult* self) {
    g_return_val_if_fail(self != NULL, 0);
    return cast<ScalarResult>(self)->get_rows();
}
void tarvelin_providers_contracts_scalar_result_set_rows(TarvelinProvidersContractsScalarResult* self, gint value) {
    g_return_if_fail(self != NULL);
    cast<ScalarResult>(self)->set_rows(value);
}

}  // extern "C"
