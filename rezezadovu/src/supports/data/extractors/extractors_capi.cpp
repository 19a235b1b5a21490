// C face of the extractors: constructors, BaseExtractor's literals, row statements and row
// step, and DsvExtractor's row text. The export and import operations are reached through
// the contracts' dispatchers (IExporter, IImporter).
//
// The property table of BaseExtractor makes
//   tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_options
//   tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_continue_on_error
//   tarvelin_rezezadovu_supports_data_extractors_base_extractor_set_continue_on_error
//   tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_file_extention
//   tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_replaced_texts
// TARVELIN_CLASS_CAPI makes, for SqlInsertExtractor and SqlUpdateExtractor,
//   tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_get_type
//   tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_construct
//   tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_new
//   tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_get_type
//   tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_construct
//   tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_new
#include "rezezadovu/supports/data/extractors/dsv_extractor.hpp"
#include "rezezadovu/supports/data/extractors/json_extractor.hpp"
#include "rezezadovu/supports/data/extractors/table_extractors.hpp"
#include "rezezadovu/supports/data/extractors/xml_extractor.hpp"
#include "providers/gobj/precondition.hpp"

TARVELIN_LOG_TAG("extractors_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::data::extractors;

using CBase = TarvelinRezezadovuSupportsDataExtractorsBaseExtractor;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using CTable = TarvelinRezezadovuMetaModelMetaTable;

static_assert(sizeof(CBase) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuSupportsDataExtractorsBaseExtractorClass) == sizeof(gobj::Class));

extern "C" {

// ---------------------------------------------------------------- BaseExtractor

GType tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_type(void) { return BaseExtractor::gtype(); }

CBase* tarvelin_rezezadovu_supports_data_extractors_base_extractor_construct(GType object_type, const gchar* file_ext) {
    g_return_val_if_fail(file_ext != NULL, NULL);
    return gobj::invoke<&BaseExtractor::create>(G_STRFUNC, object_type, file_ext);
}
CBase* tarvelin_rezezadovu_supports_data_extractors_base_extractor_new(const gchar* file_ext) {
    return tarvelin_rezezadovu_supports_data_extractors_base_extractor_construct(BaseExtractor::gtype(), file_ext);
}

#define TARVELIN_CAPI_CLASS BaseExtractor
#define TARVELIN_CAPI_CTYPE CBase
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_supports_data_extractors_base_extractor
TARVELIN_BASE_EXTRACTOR_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

gchar* tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_value(
    CBase* self, TarvelinProvidersContractsDataType type, TarvelinProvidersContractsValueObject* data_value) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(data_value != NULL, NULL);
    return gobj::invoke<&BaseExtractor::format_column_value>(G_STRFUNC, self, type, data_value);
}

gchar* tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_text(
    CBase* self, TarvelinProvidersContractsDataType type, const gchar* data_value) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(data_value != NULL, NULL);
    return gobj::invoke<&BaseExtractor::format_column_text>(G_STRFUNC, self, type, data_value);
}

gchar* tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_insert_data_sql(
    CBase* self, CConnection* connection, CTable* table, gchar** fields, gint fields_length, gchar** values,
    gint values_length) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(connection != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&BaseExtractor::build_insert_data_sql>(G_STRFUNC, self, connection, table, fields,
                                                               fields_length, values, values_length);
}

gchar* tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_update_data_sql(
    CBase* self, CConnection* connection, CTable* table, gchar** fields, gint fields_length, gchar** values,
    gint values_length) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(connection != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&BaseExtractor::build_update_data_sql>(G_STRFUNC, self, connection, table, fields,
                                                               fields_length, values, values_length);
}

gchar* tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_delete_data_sql(
    CBase* self, CConnection* connection, CTable* table, gchar** fields, gint fields_length, gchar** values,
    gint values_length) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(connection != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&BaseExtractor::build_delete_data_sql>(G_STRFUNC, self, connection, table, fields,
                                                               fields_length, values, values_length);
}

void tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table(
    CBase* self, CConnection* connection, CTable* table, gchar** fields, gint fields_length, gchar** values,
    gint values_length, GAsyncReadyCallback _callback_, gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    g_return_if_fail(table != NULL);
    gobj::invoke<&BaseExtractor::import_row_to_table>(G_STRFUNC, self, connection, table, fields, fields_length,
                                                      values, values_length, _callback_, _user_data_);
}

gint64 tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table_finish(CBase* self,
                                                                                             GAsyncResult* _res_,
                                                                                             GError** error) {
    // A refused call sets its error as a failed step does.
    if (!TARVELIN_REQUIRE_OR_ERROR(self != NULL, "self != NULL", error)) return 0;
    if (!TARVELIN_INSTANCE_OR_ERROR(self, BaseExtractor::gtype(), error)) return 0;
    return gobj::invoke<&BaseExtractor::import_row_to_table_finish>(G_STRFUNC, self, _res_, error);
}

// ---------------------------------------------------------------- DsvExtractor

GType tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_get_type(void) { return DsvExtractor::gtype(); }

TarvelinRezezadovuSupportsDataExtractorsDsvExtractor* tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_construct(
    GType object_type, const gchar* file_extension) {
    g_return_val_if_fail(file_extension != NULL, NULL);
    return gobj::invoke<&DsvExtractor::create>(G_STRFUNC, object_type, file_extension);
}
TarvelinRezezadovuSupportsDataExtractorsDsvExtractor* tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new(
    const gchar* file_extension) {
    return tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_construct(DsvExtractor::gtype(), file_extension);
}

gchar* tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_build_dsv_from_row(
    TarvelinRezezadovuSupportsDataExtractorsDsvExtractor* self, TarvelinProvidersContractsTableModel* model,
    TarvelinProvidersContractsRowModel* iter, const gchar* delimiter, const gchar* quote_left,
    const gchar* quote_right, const gchar* escape_left, const gchar* escape_right, const gchar* null_value,
    const gchar* quote_time) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(model != NULL, NULL);
    g_return_val_if_fail(iter != NULL, NULL);
    g_return_val_if_fail(delimiter != NULL, NULL);
    g_return_val_if_fail(quote_left != NULL, NULL);
    g_return_val_if_fail(quote_right != NULL, NULL);
    g_return_val_if_fail(escape_left != NULL, NULL);
    g_return_val_if_fail(escape_right != NULL, NULL);
    g_return_val_if_fail(null_value != NULL, NULL);
    g_return_val_if_fail(quote_time != NULL, NULL);
    return gobj::invoke<&DsvExtractor::build_dsv_from_row>(G_STRFUNC, self, model, iter, delimiter, quote_left,
                                                           quote_right, escape_left, escape_right, null_value,
                                                           quote_time);
}

// ---------------------------------------------------------------- JSON, XML, HTML, Markdown

GType tarvelin_rezezadovu_supports_data_extractors_json_extractor_get_type(void) { return JsonExtractor::gtype(); }
TarvelinRezezadovuSupportsDataExtractorsJsonExtractor*
tarvelin_rezezadovu_supports_data_extractors_json_extractor_construct(GType object_type, const gchar* file_extension) {
    g_return_val_if_fail(file_extension != NULL, NULL);
    return gobj::invoke<&JsonExtractor::create>(G_STRFUNC, object_type, file_extension);
}
TarvelinRezezadovuSupportsDataExtractorsJsonExtractor* tarvelin_rezezadovu_supports_data_extractors_json_extractor_new(
    const gchar* file_extension) {
    return tarvelin_rezezadovu_supports_data_extractors_json_extractor_construct(JsonExtractor::gtype(),
                                                                                 file_extension);
}

GType tarvelin_rezezadovu_supports_data_extractors_xml_extractor_get_type(void) { return XmlExtractor::gtype(); }
TarvelinRezezadovuSupportsDataExtractorsXmlExtractor* tarvelin_rezezadovu_supports_data_extractors_xml_extractor_construct(
    GType object_type, const gchar* file_extension) {
    g_return_val_if_fail(file_extension != NULL, NULL);
    return gobj::invoke<&XmlExtractor::create>(G_STRFUNC, object_type, file_extension);
}
TarvelinRezezadovuSupportsDataExtractorsXmlExtractor* tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new(
    const gchar* file_extension) {
    return tarvelin_rezezadovu_supports_data_extractors_xml_extractor_construct(XmlExtractor::gtype(), file_extension);
}

GType tarvelin_rezezadovu_supports_data_extractors_html_extractor_get_type(void) { return HtmlExtractor::gtype(); }
TarvelinRezezadovuSupportsDataExtractorsHtmlExtractor*
tarvelin_rezezadovu_supports_data_extractors_html_extractor_construct(GType object_type, const gchar* file_extension) {
    g_return_val_if_fail(file_extension != NULL, NULL);
    return gobj::invoke<&HtmlExtractor::create>(G_STRFUNC, object_type, file_extension);
}
TarvelinRezezadovuSupportsDataExtractorsHtmlExtractor* tarvelin_rezezadovu_supports_data_extractors_html_extractor_new(
    const gchar* file_extension) {
    return tarvelin_rezezadovu_supports_data_extractors_html_extractor_construct(HtmlExtractor::gtype(),
                                                                                 file_extension);
}

GType tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_get_type(void) {
    return MarkdownExtractor::gtype();
}
TarvelinRezezadovuSupportsDataExtractorsMarkdownExtractor*
tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_construct(GType object_type,
                                                                          const gchar* file_extension) {
    g_return_val_if_fail(file_extension != NULL, NULL);
    return gobj::invoke<&MarkdownExtractor::create>(G_STRFUNC, object_type, file_extension);
}
TarvelinRezezadovuSupportsDataExtractorsMarkdownExtractor*
tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new(const gchar* file_extension) {
    return tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_construct(MarkdownExtractor::gtype(),
                                                                                     file_extension);
}

// ---------------------------------------------------------------- SQL statements

TARVELIN_CLASS_CAPI(SqlInsertExtractor, TarvelinRezezadovuSupportsDataExtractorsSqlInsertExtractor,
                    tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor)
TARVELIN_CLASS_CAPI(SqlUpdateExtractor, TarvelinRezezadovuSupportsDataExtractorsSqlUpdateExtractor,
                    tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor)

}  // extern "C"
