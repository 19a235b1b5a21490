// The import and export contracts: IExporter (a result table into a file or a text),
// IImporter (a file or a text into a new table, or record by record into a database
// table), IDocument (a structure document of a catalogue database), and the progress
// callback they share. A C++ class implements one by deriving from the class below and
// overriding its virtuals; `fill` points each slot of the interface structure at the
// override. Code inside the system reaches an implementation only through the structure.
//
// Conventions of the virtuals: the exported dispatcher has tested the required arguments;
// failures are thrown as gobj::Error (export operations then give -1, the others their
// empty result, with the error). Threading is each implementation's own (see its header).
#pragma once

#include <tarvelin/rezezadovu/data.h>

#include "providers/contracts/model_table.hpp"
#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/slot.hpp"
#include "rezezadovu/contracts/database/iconnection.hpp"

namespace tarvelin::rezezadovu::meta_model {
class MetaTable;
class MetaDatabase;
}  // namespace tarvelin::rezezadovu::meta_model

namespace tarvelin::rezezadovu::contracts::data {

using ProgressCallback = TarvelinRezezadovuContractsDataProgressCallback;
using Configuration = TarvelinRezezadovuContractsDataConfiguration;

// The callback and its user data, called only when given.
struct Progress {
    ProgressCallback callback = nullptr;
    gpointer data = nullptr;
    void operator()(guint total, gint64 progress, const char* text) const {
        if (callback) callback(total, progress, text, data);
    }
};

GType configuration_gtype();

class TARVELIN_EXPORT IExporter : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDataIExporterInterface;
    using TableModel = providers::contracts::TableModel;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<IExporter>& spec);

    // Rows written, or -1 with the error.
    virtual gint export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                                gpointer progress_target) = 0;
    // *buffer (a text) is freed and replaced by the rendered table.
    virtual gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                                gpointer progress_target) = 0;
    virtual GeeHashMap* get_options() const = 0;
    virtual const char* get_file_extention() const = 0;
    virtual bool get_continue_on_error() const = 0;
    virtual void set_continue_on_error(bool value) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->export_to_file = gobj::slot<T, &IExporter::export_to_file, gobj::empty_value<-1>>(vt->export_to_file);
        vt->export_to_text = gobj::slot<T, &IExporter::export_to_text, gobj::empty_value<-1>>(vt->export_to_text);
        vt->get_options = gobj::slot<T, &IExporter::get_options, gobj::borrow>(vt->get_options);
        vt->get_file_extention = gobj::slot<T, &IExporter::get_file_extention, gobj::borrow>(vt->get_file_extention);
        vt->get_continue_on_error = gobj::slot<T, &IExporter::get_continue_on_error>(vt->get_continue_on_error);
        vt->set_continue_on_error = gobj::slot<T, &IExporter::set_continue_on_error>(vt->set_continue_on_error);
    }
};

class TARVELIN_EXPORT IImporter : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDataIImporterInterface;
    using TableModel = providers::contracts::TableModel;
    using Connection = gobj::Ref<database::IConnection>;
    using Table = gobj::Ref<meta_model::MetaTable>;
    static GType gtype();

    virtual void import_from_file(Connection connection, Table table, ProgressCallback progress,
                                  gpointer progress_target, GAsyncReadyCallback callback, gpointer data) = 0;
    virtual gint64 import_from_file_finish(GAsyncResult* result) = 0;
    virtual void import_from_text(const char* textbuffer, Connection connection, Table table,
                                  ProgressCallback progress, gpointer progress_target, GAsyncReadyCallback callback,
                                  gpointer data) = 0;
    virtual gint64 import_from_text_finish(GAsyncResult* result) = 0;
    virtual gobj::Ref<TableModel> load_from_file(gint row_limit, ProgressCallback progress,
                                                 gpointer progress_target) = 0;
    virtual gobj::Ref<TableModel> load_from_text(const char* textbuffer, ProgressCallback progress,
                                                 gpointer progress_target) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->import_from_file = gobj::slot<T, &IImporter::import_from_file>(vt->import_from_file);
        vt->import_from_file_finish = gobj::slot<T, &IImporter::import_from_file_finish>(vt->import_from_file_finish);
        vt->import_from_text = gobj::slot<T, &IImporter::import_from_text>(vt->import_from_text);
        vt->import_from_text_finish = gobj::slot<T, &IImporter::import_from_text_finish>(vt->import_from_text_finish);
        vt->load_from_file = gobj::slot<T, &IImporter::load_from_file>(vt->load_from_file);
        vt->load_from_text = gobj::slot<T, &IImporter::load_from_text>(vt->load_from_text);
    }
};

class TARVELIN_EXPORT IDocument : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDataIDocumentInterface;
    static GType gtype();

    virtual void produce(meta_model::MetaDatabase* meta_database, const char* filename, Configuration* cfg,
                         ProgressCallback progress, gpointer progress_target) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->produce = gobj::slot<T, &IDocument::produce>(vt->produce);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::data

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDataIExporterInterface,
                     tarvelin::rezezadovu::contracts::data::IExporter)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDataIImporterInterface,
                     tarvelin::rezezadovu::contracts::data::IImporter)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDataIDocumentInterface,
                     tarvelin::rezezadovu::contracts::data::IDocument)
