// C face of DatabaseHelper.
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/helpers/database_helper.hpp"
#include "rezezadovu/helpers/helper_capi.hpp"
#include "rezezadovu/model/meta_table.hpp"

TARVELIN_LOG_TAG("database_helper_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::helpers;
using providers::contracts::TableModel;
using providers::contracts::ValueBinary;
using providers::contracts::ValueObject;
using rezezadovu::meta_model::MetaTable;

namespace {
gchar* hand_out(const std::optional<std::string>& text) { return gobj::dup_string(text); }
}  // namespace

extern "C" {

TARVELIN_HELPER_CAPI(DatabaseHelper, database_helper)

gchar* tarvelin_rezezadovu_helpers_database_helper_glib_value_to_text(GValue* value, const gchar* null_value) {
    if (!TARVELIN_REQUIRE(value != NULL, "boxed != NULL")) return NULL;
    g_return_val_if_fail(null_value != NULL, NULL);
    return gobj::guarded(G_STRFUNC, [&] { return gobj::dup_string(DatabaseHelper::glib_value_to_text(*value, null_value)); },
                         static_cast<gchar*>(nullptr));
}

void tarvelin_rezezadovu_helpers_database_helper_string_to_glib_value(GType type, const gchar* text, GValue* result) {
    g_return_if_fail(text != NULL);
    g_return_if_fail(result != NULL);
    gobj::guarded(G_STRFUNC, [&] { DatabaseHelper::string_to_glib_value(type, text, result); });
}

gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_int64(GValue* value, gint64* result) {
    if (!TARVELIN_REQUIRE(value != NULL, "boxed != NULL")) return FALSE;
    auto n = DatabaseHelper::glib_value_to_int64(*value);
    if (result) *result = n.value_or(0);
    return n.has_value();
}

gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_uint64(GValue* value, guint64* result) {
    if (!TARVELIN_REQUIRE(value != NULL, "boxed != NULL")) return FALSE;
    auto n = DatabaseHelper::glib_value_to_uint64(*value);
    if (result) *result = n.value_or(0);
    return n.has_value();
}

gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_double(GValue* value, gdouble* result) {
    if (!TARVELIN_REQUIRE(value != NULL, "boxed != NULL")) return FALSE;
    auto n = DatabaseHelper::glib_value_to_double(*value);
    if (result) *result = n.value_or(0.0);
    return n.has_value();
}

gchar* tarvelin_rezezadovu_helpers_database_helper_format_sql_value(TarvelinProvidersContractsDataType kind,
                                                                   TarvelinProvidersContractsValueObject* data_value) {
    g_return_val_if_fail(data_value != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] { return gobj::dup_string(DatabaseHelper::format_sql_value(kind, *gobj::cast<ValueObject>(data_value))); },
        static_cast<gchar*>(nullptr));
}

gboolean tarvelin_rezezadovu_helpers_database_helper_update_schema_with_model(
    TarvelinRezezadovuMetaModelMetaTable* table, TarvelinProvidersContractsTableModel* model) {
    g_return_val_if_fail(table != NULL, FALSE);
    g_return_val_if_fail(model != NULL, FALSE);
    return gobj::guarded(G_STRFUNC, [&] {
        return gboolean(DatabaseHelper::update_schema_with_model(*gobj::cast<MetaTable>(table),
                                                                 *gobj::cast<TableModel>(model)));
    });
}

gchar* tarvelin_rezezadovu_helpers_database_helper_format_size(guint64 size) {
    return gobj::guarded(G_STRFUNC, [&] { return hand_out(DatabaseHelper::format_size(size)); },
                         static_cast<gchar*>(nullptr));
}

gchar* tarvelin_rezezadovu_helpers_database_helper_summary(TarvelinProvidersContractsValueBinary* value,
                                                           const gchar* null_value) {
    g_return_val_if_fail(value != NULL, NULL);
    g_return_val_if_fail(null_value != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC, [&] { return gobj::dup_string(DatabaseHelper::summary(*gobj::cast<ValueBinary>(value))); },
        static_cast<gchar*>(nullptr));
}

gchar* tarvelin_rezezadovu_helpers_database_helper_make_fullname_mysql(const gchar* username) {
    g_return_val_if_fail(username != NULL, NULL);
    return gobj::guarded(G_STRFUNC, [&] { return gobj::dup_string(DatabaseHelper::make_fullname_mysql(username)); },
                         static_cast<gchar*>(nullptr));
}

gchar* tarvelin_rezezadovu_helpers_database_helper_format_object_name(const gchar* schema, const gchar* table) {
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::guarded(G_STRFUNC,
                         [&] { return gobj::dup_string(DatabaseHelper::format_object_name(schema, table)); },
                         static_cast<gchar*>(nullptr));
}

gchar* tarvelin_rezezadovu_helpers_database_helper_build_sql_update(const gchar* schema, const gchar* table,
                                                                    gchar** columns, gint columns_length1,
                                                                    gchar** values, gint values_length1,
                                                                    gchar** where_columns, gint where_columns_length1,
                                                                    gchar** where_values, gint where_values_length1) {
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] {
            return hand_out(DatabaseHelper::build_sql_update(
                schema, table, DatabaseHelper::texts(columns, columns_length1),
                DatabaseHelper::texts(values, values_length1), DatabaseHelper::texts(where_columns, where_columns_length1),
                DatabaseHelper::texts(where_values, where_values_length1)));
        },
        static_cast<gchar*>(nullptr));
}

gchar* tarvelin_rezezadovu_helpers_database_helper_build_sql_insert(const gchar* schema, const gchar* table,
                                                                    gchar** columns, gint columns_length1,
                                                                    gchar** values, gint values_length1) {
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] {
            return hand_out(DatabaseHelper::build_sql_insert(schema, table, DatabaseHelper::texts(columns, columns_length1),
                                                             DatabaseHelper::texts(values, values_length1)));
        },
        static_cast<gchar*>(nullptr));
}

gchar* tarvelin_rezezadovu_helpers_database_helper_build_sql_delete(const gchar* schema, const gchar* table,
                                                                    gchar** where_columns, gint where_columns_length1,
                                                                    gchar** where_values, gint where_values_length1) {
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] {
            return hand_out(DatabaseHelper::build_sql_delete(
                schema, table, DatabaseHelper::texts(where_columns, where_columns_length1),
                DatabaseHelper::texts(where_values, where_values_length1)));
        },
        static_cast<gchar*>(nullptr));
}

}  // extern "C"
