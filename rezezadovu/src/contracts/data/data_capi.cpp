// C face of the import and export contracts: each dispatcher checks its object and calls
// the slot of the object's interface structure (an empty slot gives the empty result:
// -1 for the exports and the import finishes); and the Configuration record.
//
// A function with an error out-parameter sets the error on every failure, a missing or
// wrong-typed argument included (besides its critical): a host cannot tell a refused
// export from an empty table by the count alone.
#include "rezezadovu/contracts/data/data_contracts.hpp"

#include "providers/gobj/precondition.hpp"

TARVELIN_LOG_TAG("data_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::data;

using CExporter = TarvelinRezezadovuContractsDataIExporter;
using CImporter = TarvelinRezezadovuContractsDataIImporter;
using CDocument = TarvelinRezezadovuContractsDataIDocument;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using CTable = TarvelinRezezadovuMetaModelMetaTable;
using CModel = TarvelinProvidersContractsTableModel;
using ExporterVt = TarvelinRezezadovuContractsDataIExporterInterface;
using ImporterVt = TarvelinRezezadovuContractsDataIImporterInterface;

extern "C" {

// ---------------------------------------------------------------- Configuration

GType tarvelin_rezezadovu_contracts_data_configuration_get_type(void) { return configuration_gtype(); }

void tarvelin_rezezadovu_contracts_data_configuration_copy(const Configuration* self, Configuration* dest) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(dest != NULL);
    // Copies first, so that copying a record onto itself keeps its texts.
    gchar* texts[] = {g_strdup(self->title), g_strdup(self->data_version), g_strdup(self->description),
                      g_strdup(self->footer_text), g_strdup(self->footer_url)};
    tarvelin_rezezadovu_contracts_data_configuration_destroy(dest);
    dest->title = texts[0];
    dest->data_version = texts[1];
    dest->description = texts[2];
    dest->footer_text = texts[3];
    dest->footer_url = texts[4];
}

void tarvelin_rezezadovu_contracts_data_configuration_destroy(Configuration* self) {
    g_return_if_fail(self != NULL);
    g_clear_pointer(&self->title, g_free);
    g_clear_pointer(&self->data_version, g_free);
    g_clear_pointer(&self->description, g_free);
    g_clear_pointer(&self->footer_text, g_free);
    g_clear_pointer(&self->footer_url, g_free);
}

Configuration* tarvelin_rezezadovu_contracts_data_configuration_dup(const Configuration* self) {
    g_return_val_if_fail(self != NULL, NULL);
    auto* dup = g_new0(Configuration, 1);
    tarvelin_rezezadovu_contracts_data_configuration_copy(self, dup);
    return dup;
}

void tarvelin_rezezadovu_contracts_data_configuration_free(Configuration* self) {
    g_return_if_fail(self != NULL);
    tarvelin_rezezadovu_contracts_data_configuration_destroy(self);
    g_free(self);
}

// ---------------------------------------------------------------- IExporter

GType tarvelin_rezezadovu_contracts_data_iexporter_get_type(void) { return IExporter::gtype(); }

namespace {
// The export's target and table: present and of their types, or -1 with the error.
bool export_arguments(CExporter* self, CModel* model, const char* function, GError** error) {
    auto given = [&](const void* argument, const char* condition) {
        if (argument) return true;
        gobj::precondition_failed(function, condition, error);
        return false;
    };
    return given(self, "self != NULL") && given(model, "model != NULL") &&
           gobj::instance_or_error(self, IExporter::gtype(), "self", function, error) &&
           gobj::instance_or_error(model, TARVELIN_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL, "model", function, error);
}
}  // namespace

gint tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(CExporter* self, CModel* model, const gchar* filename,
                                                                 ProgressCallback progress, gpointer progress_target,
                                                                 GError** error) {
    if (!export_arguments(self, model, G_STRFUNC, error)) return -1;
    if (!TARVELIN_REQUIRE_OR_ERROR(filename != NULL, "filename != NULL", error)) return -1;
    return gobj::dispatch<&ExporterVt::export_to_file, -1>(G_STRFUNC, self, model, filename, progress,
                                                           progress_target, error);
}

gint tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(CExporter* self, CModel* model, gchar** buffer,
                                                                 ProgressCallback progress, gpointer progress_target,
                                                                 GError** error) {
    if (!export_arguments(self, model, G_STRFUNC, error)) return -1;
    if (!TARVELIN_REQUIRE_OR_ERROR(buffer != NULL, "buffer != NULL", error)) return -1;
    if (!TARVELIN_REQUIRE_OR_ERROR(*buffer != NULL, "*buffer != NULL", error)) return -1;
    return gobj::dispatch<&ExporterVt::export_to_text, -1>(G_STRFUNC, self, model, buffer, progress,
                                                           progress_target, error);
}

GeeHashMap* tarvelin_rezezadovu_contracts_data_iexporter_get_options(CExporter* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ExporterVt::get_options>(G_STRFUNC, self);
}

const gchar* tarvelin_rezezadovu_contracts_data_iexporter_get_file_extention(CExporter* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ExporterVt::get_file_extention>(G_STRFUNC, self);
}

gboolean tarvelin_rezezadovu_contracts_data_iexporter_get_continue_on_error(CExporter* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::dispatch<&ExporterVt::get_continue_on_error>(G_STRFUNC, self);
}

void tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(CExporter* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&ExporterVt::set_continue_on_error>(G_STRFUNC, self, value);
}

// ---------------------------------------------------------------- IImporter

GType tarvelin_rezezadovu_contracts_data_iimporter_get_type(void) { return IImporter::gtype(); }

// The asynchronous operations test their arguments before anything starts, so a refused
// call never calls its ready callback.
void tarvelin_rezezadovu_contracts_data_iimporter_import_from_file(CImporter* self, CConnection* connection,
                                                                   CTable* table, ProgressCallback progress,
                                                                   gpointer progress_target,
                                                                   GAsyncReadyCallback _callback_,
                                                                   gpointer _user_data_) {
    g_return_if_fail(connection != NULL);
    g_return_if_fail(table != NULL);
    gobj::dispatch<&ImporterVt::import_from_file>(G_STRFUNC, self, connection, table, progress, progress_target,
                                                  _callback_, _user_data_);
}

gint64 tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish(CImporter* self, GAsyncResult* _res_,
                                                                            GError** error) {
    if (!TARVELIN_INSTANCE_OR_ERROR(self, IImporter::gtype(), error)) return -1;
    return gobj::dispatch<&ImporterVt::import_from_file_finish>(G_STRFUNC, self, _res_, error);
}

void tarvelin_rezezadovu_contracts_data_iimporter_import_from_text(CImporter* self, const gchar* textbuffer,
                                                                   CConnection* connection, CTable* table,
                                                                   ProgressCallback progress,
                                                                   gpointer progress_target,
                                                                   GAsyncReadyCallback _callback_,
                                                                   gpointer _user_data_) {
    g_return_if_fail(textbuffer != NULL);
    g_return_if_fail(connection != NULL);
    g_return_if_fail(table != NULL);
    gobj::dispatch<&ImporterVt::import_from_text>(G_STRFUNC, self, textbuffer, connection, table, progress,
                                                  progress_target, _callback_, _user_data_);
}

gint64 tarvelin_rezezadovu_contracts_data_iimporter_import_from_text_finish(CImporter* self, GAsyncResult* _res_,
                                                                            GError** error) {
    if (!TARVELIN_INSTANCE_OR_ERROR(self, IImporter::gtype(), error)) return -1;
    return gobj::dispatch<&ImporterVt::import_from_text_finish>(G_STRFUNC, self, _res_, error);
}

CModel* tarvelin_rezezadovu_contracts_data_iimporter_load_from_file(CImporter* self, gint row_limit,
                                                                    ProgressCallback progress,
                                                                    gpointer progress_target, GError** error) {
    if (!TARVELIN_REQUIRE_OR_ERROR(self != NULL, "self != NULL", error)) return NULL;
    if (!TARVELIN_INSTANCE_OR_ERROR(self, IImporter::gtype(), error)) return NULL;
    return gobj::dispatch<&ImporterVt::load_from_file>(G_STRFUNC, self, row_limit, progress, progress_target, error);
}

CModel* tarvelin_rezezadovu_contracts_data_iimporter_load_from_text(CImporter* self, const gchar* textbuffer,
                                                                    ProgressCallback progress,
                                                                    gpointer progress_target, GError** error) {
    if (!TARVELIN_REQUIRE_OR_ERROR(self != NULL, "self != NULL", error)) return NULL;
    if (!TARVELIN_REQUIRE_OR_ERROR(textbuffer != NULL, "textbuffer != NULL", error)) return NULL;
    if (!TARVELIN_INSTANCE_OR_ERROR(self, IImporter::gtype(), error)) return NULL;
    return gobj::dispatch<&ImporterVt::load_from_text>(G_STRFUNC, self, textbuffer, progress, progress_target,
                                                       error);
}

// ---------------------------------------------------------------- IDocument

GType tarvelin_rezezadovu_contracts_data_idocument_get_type(void) { return IDocument::gtype(); }

void tarvelin_rezezadovu_contracts_data_idocument_produce(CDocument* self,
                                                          TarvelinRezezadovuMetaModelMetaDatabase* meta_database,
                                                          const gchar* filename, Configuration* cfg,
                                                          ProgressCallback progress, gpointer progress_target,
                                                          GError** error) {
    if (!TARVELIN_REQUIRE_OR_ERROR(self != NULL, "self != NULL", error)) return;
    if (!TARVELIN_REQUIRE_OR_ERROR(meta_database != NULL, "meta_database != NULL", error)) return;
    if (!TARVELIN_REQUIRE_OR_ERROR(filename != NULL, "filename != NULL", error)) return;
    if (!TARVELIN_REQUIRE_OR_ERROR(cfg != NULL, "cfg != NULL", error)) return;
    if (!TARVELIN_INSTANCE_OR_ERROR(self, IDocument::gtype(), error)) return;
    if (!TARVELIN_INSTANCE_OR_ERROR(meta_database, TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_DATABASE, error)) return;
    gobj::dispatch<&TarvelinRezezadovuContractsDataIDocumentInterface::produce>(
        G_STRFUNC, self, meta_database, filename, cfg, progress, progress_target, error);
}

}  // extern "C"
