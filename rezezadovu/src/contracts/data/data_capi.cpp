// C face of the import and export contracts: each dispatcher checks its object and calls
// the slot of the object's interface structure (an empty slot gives the empty result:
// -1 for the exports and the import finishes); and the Configuration record.
#include "rezezadovu/contracts/data/data_contracts.hpp"

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

gint tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(CExporter* self, CModel* model, const gchar* filename,
                                                                 ProgressCallback progress, gpointer progress_target,
                                                                 GError** error) {
    g_return_val_if_fail(self != NULL, 0);
    g_return_val_if_fail(model != NULL, 0);
    g_return_val_if_fail(filename != NULL, 0);
    return gobj::dispatch<&ExporterVt::export_to_file, -1>(G_STRFUNC, self, model, filename, progress,
                                                           progress_target, error);
}

gint tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(CExporter* self, CModel* model, gchar** buffer,
                                                                 ProgressCallback progress, gpointer progress_target,
                                                                 GError** error) {
    g_return_val_if_fail(self != NULL, 0);
    g_return_val_if_fail(model != NULL, 0);
    g_return_val_if_fail(buffer != NULL, 0);
    g_return_val_if_fail(*buffer != NULL, 0);
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
    return gobj::dispatch<&ImporterVt::import_from_text_finish>(G_STRFUNC, self, _res_, error);
}

CModel* tarvelin_rezezadovu_contracts_data_iimporter_load_from_file(CImporter* self, gint row_limit,
                                                                    ProgressCallback progress,
                                                                    gpointer progress_target, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ImporterVt::load_from_file>(G_STRFUNC, self, row_limit, progress, progress_target, error);
}

CModel* tarvelin_rezezadovu_contracts_data_iimporter_load_from_text(CImporter* self, const gchar* textbuffer,
                                                                    ProgressCallback progress,
                                                                    gpointer progress_target, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(textbuffer != NULL, NULL);
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
    g_return_if_fail(self != NULL);
    g_return_if_fail(meta_database != NULL);
    g_return_if_fail(filename != NULL);
    g_return_if_fail(cfg != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDataIDocumentInterface::produce>(
        G_STRFUNC, self, meta_database, filename, cfg, progress, progress_target, error);
}

}  // extern "C"
