/* Import and export: the contracts (IExporter, IImporter, IDocument), the document texts
 * (Configuration) and the progress callback; the extractors that write a result table as
 * delimited text, JSON, XML, HTML, Markdown or SQL statements and read the first three
 * back, into a new table or record by record into a database table; and the HTML and
 * Markdown structure documents of a catalogue database.
 *
 * Options: each extractor reads its option map (the "options" property: the extractor's
 * own GeeHashMap of texts, which the host fills with gee_abstract_map_set) when an
 * operation starts; a missing key takes its default. Every key each class reads is listed,
 * with its default and meaning, above the class below: BaseExtractor (the import keys all
 * importers share, and the column data key "SOURCE"), DsvExtractor, JsonExtractor,
 * XmlExtractor and the SQL exporters. A required key that is missing fails the operation
 * with the error "the option <KEY> is not set" (domain "default", code -1).
 *
 * Imports run one statement per record through the connection's asynchronous execute,
 * one at a time, and end on the default main context, which the host must run; the ready
 * callback then calls the matching finish. An import opens no transaction: statements
 * already run stay run when a later record fails. A record whose update, merge or delete
 * would feed no primary-key column, that feeds no column at all, or that has fewer values
 * than fields is refused with an error (counted as failed; "continue-on-error" decides).
 *
 * An export or a document that fails after opening its file leaves a file that was there
 * as it was, and creates none (delimited text keeps the lines written before a failed
 * write).
 *
 * Results marked new belong to the caller; get_options and get_file_extention are
 * borrowed. A missing required argument logs a critical and gives the empty result (0,
 * NULL, FALSE; the asynchronous operations then never call their ready callback). */
#pragma once

#include <tarvelin/providers/model_table.h>
#include <tarvelin/providers/value_object.h>
#include <tarvelin/providers/vocabulary.h>
#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/meta_model.h>

G_BEGIN_DECLS

/* ---------------------------------------------------------------- contracts */

/* Called with the job's total (rows of the table, or records of an import), the 1-based
 * number of the row just handled (the JSON import: its running total of affected rows),
 * the text produced for that row ("" when an operation has none) and the user data. */
typedef void (*TarvelinRezezadovuContractsDataProgressCallback)(guint total, gint64 progress, const gchar *text,
                                                               gpointer user_data);

/* The texts that head and foot a structure document; each may be NULL. */
typedef struct _TarvelinRezezadovuContractsDataConfiguration {
    gchar *title;
    gchar *data_version;
    gchar *description;
    gchar *footer_text;
    gchar *footer_url;
} TarvelinRezezadovuContractsDataConfiguration;

#define TARVELIN_REZEZADOVU_CONTRACTS_DATA_TYPE_CONFIGURATION (tarvelin_rezezadovu_contracts_data_configuration_get_type())
TARVELIN_API GType tarvelin_rezezadovu_contracts_data_configuration_get_type(void);
/**
 * tarvelin_rezezadovu_contracts_data_configuration_copy:
 * @self: (not nullable): the instance
 * @dest: (not nullable): a #TarvelinRezezadovuContractsDataConfiguration
 *
 * Copies the five texts into `dest`, freeing what it held.
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_data_configuration_copy(
    const TarvelinRezezadovuContractsDataConfiguration *self, TarvelinRezezadovuContractsDataConfiguration *dest);
/**
 * tarvelin_rezezadovu_contracts_data_configuration_destroy:
 * @self: (not nullable): the instance
 *
 * Frees the five texts and leaves NULL fields.
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_data_configuration_destroy(
    TarvelinRezezadovuContractsDataConfiguration *self);
/* A new record (g_new0) holding copies of the five texts; free it with _free. */
/**
 * tarvelin_rezezadovu_contracts_data_configuration_dup:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsDataConfiguration *tarvelin_rezezadovu_contracts_data_configuration_dup(
    const TarvelinRezezadovuContractsDataConfiguration *self);
/**
 * tarvelin_rezezadovu_contracts_data_configuration_free:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_data_configuration_free(
    TarvelinRezezadovuContractsDataConfiguration *self);

#define TARVELIN_REZEZADOVU_CONTRACTS_DATA_TYPE_IEXPORTER (tarvelin_rezezadovu_contracts_data_iexporter_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATA_TYPE_IIMPORTER (tarvelin_rezezadovu_contracts_data_iimporter_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_DATA_TYPE_IDOCUMENT (tarvelin_rezezadovu_contracts_data_idocument_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDataIExporter, tarvelin_rezezadovu_contracts_data_iexporter,
                           TARVELIN_REZEZADOVU_CONTRACTS_DATA, IEXPORTER)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDataIImporter, tarvelin_rezezadovu_contracts_data_iimporter,
                           TARVELIN_REZEZADOVU_CONTRACTS_DATA, IIMPORTER)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsDataIDocument, tarvelin_rezezadovu_contracts_data_idocument,
                           TARVELIN_REZEZADOVU_CONTRACTS_DATA, IDOCUMENT)

/* Properties: "options" (GeeHashMap of texts, read-only: the extractor's own map, which
 * callers edit), "file-extention" (text, read-only) and "continue-on-error" (boolean,
 * default TRUE). */
struct _TarvelinRezezadovuContractsDataIExporterInterface {
    GTypeInterface parent_iface;
    gint (*export_to_file)(TarvelinRezezadovuContractsDataIExporter *self, TarvelinProvidersContractsTableModel *model,
                           const gchar *filename, TarvelinRezezadovuContractsDataProgressCallback progress,
                           gpointer progress_target, GError **error);
    gint (*export_to_text)(TarvelinRezezadovuContractsDataIExporter *self, TarvelinProvidersContractsTableModel *model,
                           gchar **buffer, TarvelinRezezadovuContractsDataProgressCallback progress,
                           gpointer progress_target, GError **error);
    GeeHashMap *(*get_options)(TarvelinRezezadovuContractsDataIExporter *self);
    const gchar *(*get_file_extention)(TarvelinRezezadovuContractsDataIExporter *self);
    gboolean (*get_continue_on_error)(TarvelinRezezadovuContractsDataIExporter *self);
    void (*set_continue_on_error)(TarvelinRezezadovuContractsDataIExporter *self, gboolean value);
};

/**
 * tarvelin_rezezadovu_contracts_data_iexporter_export_to_file:
 * @self: (not nullable): the instance
 * @model: (not nullable): a #TarvelinProvidersContractsTableModel
 * @filename: (not nullable): a text
 * @progress: (scope call) (nullable): called as the work goes on
 * @progress_target: (closure): data handed to the callback
 *
 * Writes the table into the file (created or replaced); the number of rows written, or -1
 * with the error. -1 as well for a class without the operation. The exporters write valid
 * UTF-8 whatever the cells hold: each byte of a text that does not belong to a UTF-8
 * character is written as U+FFFD, with a warning naming the row and column; the
 * extractor's "replaced-texts" counts such texts.
 */
TARVELIN_API gint tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(
    TarvelinRezezadovuContractsDataIExporter *self, TarvelinProvidersContractsTableModel *model, const gchar *filename,
    TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target, GError **error);
/* *buffer must hold a text (possibly empty); it is freed and replaced by the rendered
 * table. The number of rows, or -1 with the error. */
/**
 * tarvelin_rezezadovu_contracts_data_iexporter_export_to_text:
 * @self: (not nullable): the instance
 * @model: (not nullable): a #TarvelinProvidersContractsTableModel
 * @buffer: (inout) (transfer full): a text of the caller, freed and replaced by the rendered table
 * @progress: (scope call) (nullable): called as the work goes on
 * @progress_target: (closure): data handed to the callback
 */
TARVELIN_API gint tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(
    TarvelinRezezadovuContractsDataIExporter *self, TarvelinProvidersContractsTableModel *model, gchar **buffer,
    TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target, GError **error);
/**
 * tarvelin_rezezadovu_contracts_data_iexporter_get_options:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap *tarvelin_rezezadovu_contracts_data_iexporter_get_options(
    TarvelinRezezadovuContractsDataIExporter *self);
/**
 * tarvelin_rezezadovu_contracts_data_iexporter_get_file_extention:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_data_iexporter_get_file_extention(
    TarvelinRezezadovuContractsDataIExporter *self);
/**
 * tarvelin_rezezadovu_contracts_data_iexporter_get_continue_on_error:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_data_iexporter_get_continue_on_error(
    TarvelinRezezadovuContractsDataIExporter *self);
/**
 * tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(
    TarvelinRezezadovuContractsDataIExporter *self, gboolean value);

struct _TarvelinRezezadovuContractsDataIImporterInterface {
    GTypeInterface parent_iface;
    void (*import_from_file)(TarvelinRezezadovuContractsDataIImporter *self,
                             TarvelinRezezadovuContractsDatabaseIConnection *connection,
                             TarvelinRezezadovuMetaModelMetaTable *table,
                             TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target,
                             GAsyncReadyCallback _callback_, gpointer _user_data_);
    gint64 (*import_from_file_finish)(TarvelinRezezadovuContractsDataIImporter *self, GAsyncResult *_res_,
                                      GError **error);
    void (*import_from_text)(TarvelinRezezadovuContractsDataIImporter *self, const gchar *textbuffer,
                             TarvelinRezezadovuContractsDatabaseIConnection *connection,
                             TarvelinRezezadovuMetaModelMetaTable *table,
                             TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target,
                             GAsyncReadyCallback _callback_, gpointer _user_data_);
    gint64 (*import_from_text_finish)(TarvelinRezezadovuContractsDataIImporter *self, GAsyncResult *_res_,
                                      GError **error);
    TarvelinProvidersContractsTableModel *(*load_from_file)(TarvelinRezezadovuContractsDataIImporter *self,
                                                            gint row_limit,
                                                            TarvelinRezezadovuContractsDataProgressCallback progress,
                                                            gpointer progress_target, GError **error);
    TarvelinProvidersContractsTableModel *(*load_from_text)(TarvelinRezezadovuContractsDataIImporter *self,
                                                            const gchar *textbuffer,
                                                            TarvelinRezezadovuContractsDataProgressCallback progress,
                                                            gpointer progress_target, GError **error);
};

/* Imports the file named by the option "FILENAME" (or the text, copied at the call) into
 * the table through the connection; the table's columns take their values from the source
 * fields named by their object data "SOURCE" (a text). The finish gives the importer's
 * count (delimited text: records imported; JSON: rows affected; XML: records handled), 0
 * with the error when the import failed, -1 for a class without the operation. */
/**
 * tarvelin_rezezadovu_contracts_data_iimporter_import_from_file:
 * @self: (not nullable): the instance
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @progress: (scope call) (nullable): called as the work goes on
 * @progress_target: (closure): data handed to the callback
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_data_iimporter_import_from_file(
    TarvelinRezezadovuContractsDataIImporter *self, TarvelinRezezadovuContractsDatabaseIConnection *connection,
    TarvelinRezezadovuMetaModelMetaTable *table, TarvelinRezezadovuContractsDataProgressCallback progress,
    gpointer progress_target, GAsyncReadyCallback _callback_, gpointer _user_data_);
/**
 * tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API gint64 tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish(
    TarvelinRezezadovuContractsDataIImporter *self, GAsyncResult *_res_, GError **error);
/**
 * tarvelin_rezezadovu_contracts_data_iimporter_import_from_text:
 * @self: (not nullable): the instance
 * @textbuffer: (not nullable): a text
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @progress: (scope call) (nullable): called as the work goes on
 * @progress_target: (closure): data handed to the callback
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_data_iimporter_import_from_text(
    TarvelinRezezadovuContractsDataIImporter *self, const gchar *textbuffer,
    TarvelinRezezadovuContractsDatabaseIConnection *connection, TarvelinRezezadovuMetaModelMetaTable *table,
    TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_contracts_data_iimporter_import_from_text_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API gint64 tarvelin_rezezadovu_contracts_data_iimporter_import_from_text_finish(
    TarvelinRezezadovuContractsDataIImporter *self, GAsyncResult *_res_, GError **error);
/* A new table of text columns read from the file named by "FILENAME" (at most row_limit
 * rows when it is above 0), or from the text; NULL without error for input that holds no
 * record. */
/**
 * tarvelin_rezezadovu_contracts_data_iimporter_load_from_file:
 * @self: (not nullable): the instance
 * @progress: (scope call) (nullable): called as the work goes on
 * @progress_target: (closure): data handed to the callback
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_contracts_data_iimporter_load_from_file(
    TarvelinRezezadovuContractsDataIImporter *self, gint row_limit,
    TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target, GError **error);
/**
 * tarvelin_rezezadovu_contracts_data_iimporter_load_from_text:
 * @self: (not nullable): the instance
 * @textbuffer: (not nullable): a text
 * @progress: (scope call) (nullable): called as the work goes on
 * @progress_target: (closure): data handed to the callback
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_contracts_data_iimporter_load_from_text(
    TarvelinRezezadovuContractsDataIImporter *self, const gchar *textbuffer,
    TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target, GError **error);

struct _TarvelinRezezadovuContractsDataIDocumentInterface {
    GTypeInterface parent_iface;
    void (*produce)(TarvelinRezezadovuContractsDataIDocument *self,
                    TarvelinRezezadovuMetaModelMetaDatabase *meta_database, const gchar *filename,
                    TarvelinRezezadovuContractsDataConfiguration *cfg,
                    TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target,
                    GError **error);
};

/**
 * tarvelin_rezezadovu_contracts_data_idocument_produce:
 * @self: (not nullable): the instance
 * @meta_database: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 * @filename: (not nullable): a text
 * @cfg: (not nullable): a #TarvelinRezezadovuContractsDataConfiguration
 * @progress: (scope call) (nullable): called as the work goes on
 * @progress_target: (closure): data handed to the callback
 *
 * Writes the structure document of the database into the file (created or replaced).
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_data_idocument_produce(
    TarvelinRezezadovuContractsDataIDocument *self, TarvelinRezezadovuMetaModelMetaDatabase *meta_database,
    const gchar *filename, TarvelinRezezadovuContractsDataConfiguration *cfg,
    TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_target, GError **error);

/* ---------------------------------------------------------------- extractors */

#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS_TYPE_BASE_EXTRACTOR \
    (tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS_TYPE_DSV_EXTRACTOR \
    (tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS_TYPE_JSON_EXTRACTOR \
    (tarvelin_rezezadovu_supports_data_extractors_json_extractor_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS_TYPE_XML_EXTRACTOR \
    (tarvelin_rezezadovu_supports_data_extractors_xml_extractor_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS_TYPE_HTML_EXTRACTOR \
    (tarvelin_rezezadovu_supports_data_extractors_html_extractor_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS_TYPE_MARKDOWN_EXTRACTOR \
    (tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS_TYPE_SQL_INSERT_EXTRACTOR \
    (tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS_TYPE_SQL_UPDATE_EXTRACTOR \
    (tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_get_type())

TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDataExtractorsBaseExtractor,
                           tarvelin_rezezadovu_supports_data_extractors_base_extractor,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS, BASE_EXTRACTOR)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDataExtractorsDsvExtractor,
                              tarvelin_rezezadovu_supports_data_extractors_dsv_extractor,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS, DSV_EXTRACTOR,
                              TarvelinRezezadovuSupportsDataExtractorsBaseExtractor)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDataExtractorsJsonExtractor,
                              tarvelin_rezezadovu_supports_data_extractors_json_extractor,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS, JSON_EXTRACTOR,
                              TarvelinRezezadovuSupportsDataExtractorsBaseExtractor)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDataExtractorsXmlExtractor,
                              tarvelin_rezezadovu_supports_data_extractors_xml_extractor,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS, XML_EXTRACTOR,
                              TarvelinRezezadovuSupportsDataExtractorsBaseExtractor)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDataExtractorsHtmlExtractor,
                              tarvelin_rezezadovu_supports_data_extractors_html_extractor,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS, HTML_EXTRACTOR,
                              TarvelinRezezadovuSupportsDataExtractorsBaseExtractor)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDataExtractorsMarkdownExtractor,
                              tarvelin_rezezadovu_supports_data_extractors_markdown_extractor,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS, MARKDOWN_EXTRACTOR,
                              TarvelinRezezadovuSupportsDataExtractorsBaseExtractor)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDataExtractorsSqlInsertExtractor,
                              tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS, SQL_INSERT_EXTRACTOR,
                              TarvelinRezezadovuSupportsDataExtractorsBaseExtractor)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDataExtractorsSqlUpdateExtractor,
                              tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATA_EXTRACTORS, SQL_UPDATE_EXTRACTOR,
                              TarvelinRezezadovuSupportsDataExtractorsBaseExtractor)

/* BaseExtractor: the options, the file extension and continue-on-error; its own export
 * renders nothing (0), and its export_to_file writes what the class's export_to_text
 * renders (no file when that is 0 rows). A NULL file_ext: critical, no object.
 *
 * Import options, read by every importer (DsvExtractor, JsonExtractor, XmlExtractor) when
 * an import starts:
 *
 *   key         default  meaning
 *   ACTION      none     the statement each record becomes, compared exactly: "append" an
 *                        INSERT; "update" an UPDATE by primary key; "merge" that UPDATE and,
 *                        when it changed no row, the INSERT; "delete" a DELETE by primary
 *                        key; "replace" as "append". Any other text, or none, runs nothing
 *                        and the record counts as imported with 0 rows.
 *   BATCH_SIZE  "1000"   the records run inside one transaction, a whole number of at least
 *                        1 (anything else means 1000). A batch that fails is rolled back and
 *                        run again record by record, so the rows, the count, the errors and
 *                        the progress calls are those of one record at a time; other sessions
 *                        see a batch appear at once. Inside a batch, appended records that
 *                        feed the same columns travel several to a statement where the
 *                        product keeps the outcome that way (COPY into PostgreSQL, multi-row
 *                        INSERTs into SQLite and into InnoDB tables under a strict mode).
 *
 * An import runs on one worker thread of its own; its progress calls and its ready callback
 * come on the caller's main context, the progress of a batch once it is committed. When the
 * connection is lost (its provider no longer open after a failed statement), the import
 * ends with that error, whatever "continue-on-error" says, and the error's message names the
 * records committed before ("... was lost after N records were imported: ...").
 *
 * The column mapping: a column of the target MetaTable receives data only when it carries
 * the object data "SOURCE", a text naming the source field that feeds it (a name of the
 * importer's "COLUMNS", a JSON member or an XML element or attribute), matched exactly:
 *
 *     g_object_set_data_full(G_OBJECT(column), "SOURCE", g_strdup("name"), g_free);
 *
 * A column without "SOURCE", or with "", takes no part; two columns may name one field.
 * The key of an update or delete is made of the primary-key columns the record feeds.
 * "continue-on-error" (TRUE by default) decides whether an import goes on after a record
 * fails; the failed record is then not counted. The statements of a batch share the
 * connection's transaction: an import started inside a transaction the host opened on the
 * connection commits it with its first batch. */
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_new:
 * @file_ext: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *
tarvelin_rezezadovu_supports_data_extractors_base_extractor_new(const gchar *file_ext);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_construct:
 * @file_ext: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *
tarvelin_rezezadovu_supports_data_extractors_base_extractor_construct(GType object_type, const gchar *file_ext);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_options:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap *tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_options(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_file_extention:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_file_extention(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_continue_on_error:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_continue_on_error(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_set_continue_on_error:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_data_extractors_base_extractor_set_continue_on_error(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self, gboolean value);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_replaced_texts:
 * @self: (not nullable): the instance
 *
 * The "replaced-texts" property: how many texts of the last export (cells and column
 * names) were not valid UTF-8 and were written with U+FFFD for each invalid byte, each
 * also reported by a warning naming its row and column. 0 after an export of valid texts.
 *
 * Returns: the count of the last export (0 before any)
 */
TARVELIN_API guint64 tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_replaced_texts(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self);
/* The SQL literal of a cell ("NULL" for a null cell) and of an imported text ("NULL" for
 * a blank one). Numbers and booleans are bare only when the text is one; every quoted
 * literal doubles its single quotes. New texts. */
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_value:
 * @self: (not nullable): the instance
 * @data_value: (not nullable): a #TarvelinProvidersContractsValueObject
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_value(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self, TarvelinProvidersContractsDataType type,
    TarvelinProvidersContractsValueObject *data_value);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_text:
 * @self: (not nullable): the instance
 * @data_value: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_text(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self, TarvelinProvidersContractsDataType type,
    const gchar *data_value);
/* The INSERT, UPDATE or DELETE of one record (field names and their values) into the
 * table, through the connection's statement object; column and key names are quoted by
 * it. NULL with a critical for a refused record (see above). */
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_insert_data_sql:
 * @self: (not nullable): the instance
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @fields: (array length=fields_length) (element-type utf8) (nullable): the items
 * @values: (array length=values_length) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_insert_data_sql(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self,
    TarvelinRezezadovuContractsDatabaseIConnection *connection, TarvelinRezezadovuMetaModelMetaTable *table,
    gchar **fields, gint fields_length, gchar **values, gint values_length);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_update_data_sql:
 * @self: (not nullable): the instance
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @fields: (array length=fields_length) (element-type utf8) (nullable): the items
 * @values: (array length=values_length) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_update_data_sql(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self,
    TarvelinRezezadovuContractsDatabaseIConnection *connection, TarvelinRezezadovuMetaModelMetaTable *table,
    gchar **fields, gint fields_length, gchar **values, gint values_length);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_delete_data_sql:
 * @self: (not nullable): the instance
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @fields: (array length=fields_length) (element-type utf8) (nullable): the items
 * @values: (array length=values_length) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_delete_data_sql(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self,
    TarvelinRezezadovuContractsDatabaseIConnection *connection, TarvelinRezezadovuMetaModelMetaTable *table,
    gchar **fields, gint fields_length, gchar **values, gint values_length);
/* Runs the statement the option "ACTION" names for one record ("append", "update",
 * "merge", "delete", "replace"; anything else runs nothing and gives 0). The finish gives
 * the affected rows of the last statement, or 0 with the error. */
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table:
 * @self: (not nullable): the instance
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @fields: (array length=fields_length) (element-type utf8) (nullable): the items
 * @values: (array length=values_length) (element-type utf8) (nullable): the items
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self,
    TarvelinRezezadovuContractsDatabaseIConnection *connection, TarvelinRezezadovuMetaModelMetaTable *table,
    gchar **fields, gint fields_length, gchar **values, gint values_length, GAsyncReadyCallback _callback_,
    gpointer _user_data_);
/**
 * tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API gint64 tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table_finish(
    TarvelinRezezadovuSupportsDataExtractorsBaseExtractor *self, GAsyncResult *_res_, GError **error);

/* DsvExtractor: delimited text (CSV by default). A field is quoted when it holds the
 * delimiter, a quote, CR, LF or a row-delimiter character, leading or trailing blanks or a
 * leading byte order mark, or is empty or equal to NULL_VALUE; a null cell is NULL_VALUE,
 * unquoted.
 *
 * Options (values are taken literally: a tab delimiter is a tab character, not "\t"):
 *
 *   key               default   meaning
 *   DELIMITER_COLUMN  ","       export: written between two fields; reading: each of its
 *                               characters ends a field
 *   DELIMITER_ROWNEW  "\n"      export: written at the end of every line; reading: each of
 *                               its characters ends a record
 *   HAS_HEADER        "true"    the first line holds the column names; only the exact text
 *                               "true" is true. Reading without a header names the columns
 *                               C0, C1, ...
 *   QUOTATION_LIST    empty     the quote and escape texts: the part before the first ";",
 *                               split at "-" into quote left, quote right, escape left and
 *                               escape right (empty: " " "" "", the usual CSV quoting);
 *                               fewer than four parts is an error
 *   QUOTATION_TIME    "ifneed"  export: "always" quotes every non-null field and every
 *                               header name; "ifneed" quotes only what needs it (see above);
 *                               any other text quotes what needs it and every header name
 *   ROW_PREFIX        empty     export: written at the start of every line; reading: removed
 *                               from the start of each data record
 *   ROW_SUFFIX        empty     export: written after the last field of every line; reading:
 *                               removed from the end of each data record
 *   NULL_VALUE        empty     export: written for a null cell, unquoted; reading: no
 *                               effect (an empty field is an empty text, imported as NULL)
 *   FILENAME          required  load_from_file and import_from_file: the file to read
 *   ENCODING          "UTF-8"   load_from_file and import_from_file: the file's character set,
 *                               converted to UTF-8 while reading
 *   COLUMNS           required  imports: the names of the input's fields in input order,
 *                               joined by "," (no blanks trimmed); the columns' "SOURCE"
 *                               texts refer to these names (the header line is not used)
 *   ACTION            none      imports: see BaseExtractor
 *
 * An import counts the records imported; under a header, a record with fewer fields than
 * the header is dropped. */
/**
 * tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsDsvExtractor *
tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new(const gchar *file_extension);
/**
 * tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_construct:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsDsvExtractor *
tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_construct(GType object_type,
                                                                     const gchar *file_extension);
/**
 * tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_build_dsv_from_row:
 * @self: (not nullable): the instance
 * @model: (not nullable): a #TarvelinProvidersContractsTableModel
 * @iter: (not nullable): a #TarvelinProvidersContractsRowModel
 * @delimiter: (not nullable): a text
 * @quote_left: (not nullable): a text
 * @quote_right: (not nullable): a text
 * @escape_left: (not nullable): a text
 * @escape_right: (not nullable): a text
 * @null_value: (not nullable): a text
 * @quote_time: (not nullable): a text
 *
 * The fields of one row of the model joined by the delimiter (no prefix, suffix or row
 * end); a new text. quote_time "always" quotes every non-null field.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_build_dsv_from_row(
    TarvelinRezezadovuSupportsDataExtractorsDsvExtractor *self, TarvelinProvidersContractsTableModel *model,
    TarvelinProvidersContractsRowModel *iter, const gchar *delimiter, const gchar *quote_left,
    const gchar *quote_right, const gchar *escape_left, const gchar *escape_right, const gchar *null_value,
    const gchar *quote_time);

/* JsonExtractor: {"RECORDS": [ {column: value, ...}, ... ]}, 64-bit integers exact.
 *
 * Options:
 *
 *   key       default   meaning
 *   FILENAME  required  load_from_file and import_from_file: the JSON file to read
 *   ACTION    none      imports: see BaseExtractor; the fields of a record are its
 *                       members' names, and the columns' "SOURCE" texts refer to them
 *
 * The export reads no option. A load gives text columns named after the first record's
 * members; an import counts the rows its statements affected. */
/**
 * tarvelin_rezezadovu_supports_data_extractors_json_extractor_new:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsJsonExtractor *
tarvelin_rezezadovu_supports_data_extractors_json_extractor_new(const gchar *file_extension);
/**
 * tarvelin_rezezadovu_supports_data_extractors_json_extractor_construct:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsJsonExtractor *
tarvelin_rezezadovu_supports_data_extractors_json_extractor_construct(GType object_type,
                                                                      const gchar *file_extension);

/* XmlExtractor: <RECORDS><RECORD>...</RECORD></RECORDS>, cells as child elements or, with
 * "STORAGE" "attribute", as attributes.
 *
 * Options:
 *
 *   key         default   meaning
 *   STORAGE     none      export: "attribute" writes each cell as an attribute of RECORD;
 *                         anything else writes it as a child element named after the column
 *   NULL_VALUE  empty     export: the text written for a null cell
 *   FILENAME    required  load_from_file and import_from_file: the XML file to read
 *   ACTION      none      imports: see BaseExtractor; the fields of a record are its child
 *                         elements' (or attributes') names, which the columns' "SOURCE"
 *                         texts refer to
 *
 * An import counts the RECORD elements handled. */
/**
 * tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsXmlExtractor *
tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new(const gchar *file_extension);
/**
 * tarvelin_rezezadovu_supports_data_extractors_xml_extractor_construct:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsXmlExtractor *
tarvelin_rezezadovu_supports_data_extractors_xml_extractor_construct(GType object_type,
                                                                     const gchar *file_extension);

/* Export only: an HTML page with one table, a Markdown table, and one INSERT or UPDATE
 * statement per row of the table named by "TABLENAME".
 *
 * Options: HtmlExtractor and MarkdownExtractor read none. SqlInsertExtractor and
 * SqlUpdateExtractor (file extension "sql") read one:
 *
 *   key        default   meaning
 *   TABLENAME  required  the table every statement names: the INSERT writes it quoted
 *                        with backquotes, the UPDATE as given (quote it there yourself) */
/**
 * tarvelin_rezezadovu_supports_data_extractors_html_extractor_new:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsHtmlExtractor *
tarvelin_rezezadovu_supports_data_extractors_html_extractor_new(const gchar *file_extension);
/**
 * tarvelin_rezezadovu_supports_data_extractors_html_extractor_construct:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsHtmlExtractor *
tarvelin_rezezadovu_supports_data_extractors_html_extractor_construct(GType object_type,
                                                                      const gchar *file_extension);
/**
 * tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsMarkdownExtractor *
tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new(const gchar *file_extension);
/**
 * tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_construct:
 * @file_extension: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsMarkdownExtractor *
tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_construct(GType object_type,
                                                                          const gchar *file_extension);
/**
 * tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsSqlInsertExtractor *
tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_new(void);
/**
 * tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsSqlInsertExtractor *
tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_construct(GType object_type);
/**
 * tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsSqlUpdateExtractor *
tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_new(void);
/**
 * tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataExtractorsSqlUpdateExtractor *
tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_construct(GType object_type);

/* ---------------------------------------------------------------- structure documents */

#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_DOCUMENTS_TYPE_HTML_DOCUMENT \
    (tarvelin_rezezadovu_supports_data_documents_html_document_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATA_DOCUMENTS_TYPE_MARKDOWN_DOCUMENT \
    (tarvelin_rezezadovu_supports_data_documents_markdown_document_get_type())

TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDataDocumentsHtmlDocument,
                           tarvelin_rezezadovu_supports_data_documents_html_document,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATA_DOCUMENTS, HTML_DOCUMENT)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDataDocumentsMarkdownDocument,
                           tarvelin_rezezadovu_supports_data_documents_markdown_document,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATA_DOCUMENTS, MARKDOWN_DOCUMENT)

/* IDocument implementations: a head, an index of every table and view of every schema
 * numbered 1..n, and one section per table and view with its columns. Every inserted
 * text is escaped for its format. */
/**
 * tarvelin_rezezadovu_supports_data_documents_html_document_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataDocumentsHtmlDocument *
tarvelin_rezezadovu_supports_data_documents_html_document_new(void);
/**
 * tarvelin_rezezadovu_supports_data_documents_html_document_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataDocumentsHtmlDocument *
tarvelin_rezezadovu_supports_data_documents_html_document_construct(GType object_type);
/**
 * tarvelin_rezezadovu_supports_data_documents_markdown_document_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataDocumentsMarkdownDocument *
tarvelin_rezezadovu_supports_data_documents_markdown_document_new(void);
/**
 * tarvelin_rezezadovu_supports_data_documents_markdown_document_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDataDocumentsMarkdownDocument *
tarvelin_rezezadovu_supports_data_documents_markdown_document_construct(GType object_type);

G_END_DECLS
