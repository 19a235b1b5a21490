/* Import and export from C: each extractor and document made by its constructors, a table
 * exported in every format, read back, imported into an SQLite file on the main loop, the
 * row statements and literals of BaseExtractor, and a structure document. */
#include "chost.h"

#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/data.h>
#include <tarvelin/rezezadovu/sqlite.h>

typedef TarvelinRezezadovuContractsDataIExporter IExporter;
typedef TarvelinRezezadovuContractsDataIImporter IImporter;
typedef TarvelinRezezadovuSupportsDataExtractorsBaseExtractor Base;

struct done {
    gboolean finished;
    gint64 count;
    int kind; /* 0: import from a text, 1: a row step, 2: import from a file */
};

static void on_import(GObject *source, GAsyncResult *result, gpointer data)
{
    struct done *d = data;
    GError *error = NULL;
    if (d->kind == 1)
        d->count = tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table_finish(
            (Base *)source, result, &error);
    else if (d->kind == 2)
        d->count = tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish((IImporter *)source, result,
                                                                                      &error);
    else
        d->count = tarvelin_rezezadovu_contracts_data_iimporter_import_from_text_finish((IImporter *)source, result,
                                                                                      &error);
    if (error) {
        fprintf(stderr, "import: %s\n", error->message);
        g_error_free(error);
        d->count = -100;
    }
    d->finished = TRUE;
}

static void wait_for(struct done *d)
{
    gint64 deadline = g_get_monotonic_time() + 30 * G_USEC_PER_SEC;
    while (!d->finished && g_get_monotonic_time() < deadline)
        g_main_context_iteration(NULL, TRUE);
}

static void count_rows(guint total, gint64 progress, const gchar *text, gpointer data)
{
    (void)total;
    (void)progress;
    (void)text;
    (*(int *)data)++;
}

/* Statements are logged through the logging facade, which this part does not start: its
 * complaint about the missing log manager is kept off the console. */
static void quiet_without_facade(const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer data)
{
    if (!strstr(message, "manager") || !strstr(message, "self != NULL"))
        g_log_default_handler(domain, level, message, data);
}

static TarvelinProvidersContractsTableModel *sample_table(void)
{
    TarvelinProvidersContractsTableModel *table = tarvelin_providers_contracts_table_model_new();
    GeeArrayList *columns = tarvelin_providers_contracts_table_model_get_columns(table);
    TarvelinProvidersContractsColumnModel *id =
        tarvelin_providers_contracts_column_model_new_full("id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64);
    TarvelinProvidersContractsColumnModel *name =
        tarvelin_providers_contracts_column_model_new_full("name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(columns), id);
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(columns), name);
    g_object_unref(id);
    g_object_unref(name);
    TarvelinProvidersContractsRowModel *row = tarvelin_providers_contracts_table_model_new_row(table);
    TarvelinProvidersContractsValueObject *one = (TarvelinProvidersContractsValueObject *)
        tarvelin_providers_contracts_value_int64_new(1);
    TarvelinProvidersContractsValueObject *text =
        (TarvelinProvidersContractsValueObject *)tarvelin_providers_contracts_value_string_new("a,\"b\"");
    tarvelin_providers_contracts_row_model_set_value_at(row, 0, one);
    tarvelin_providers_contracts_row_model_set_value_at(row, 1, text);
    tarvelin_providers_contracts_table_model_append(table, row);
    g_object_unref(one);
    g_object_unref(text);
    g_object_unref(row);
    return table;
}

int chost_data(void)
{
    int failures = 0;
    GError *error = NULL;
    gchar *dir = g_dir_make_tmp("chost-data-XXXXXX", NULL);
    gchar *db = g_build_filename(dir, "d.db", NULL);
    gchar *csv = g_build_filename(dir, "t.csv", NULL);
    gchar *doc = g_build_filename(dir, "doc.md", NULL);
    TarvelinProvidersContractsTableModel *table = sample_table();
    GLogFunc before = g_log_set_default_handler(quiet_without_facade, NULL);

    /* The Configuration record. */
    TarvelinRezezadovuContractsDataConfiguration cfg = { "T", "1", "D", "", "" };
    TarvelinRezezadovuContractsDataConfiguration *copy = tarvelin_rezezadovu_contracts_data_configuration_dup(&cfg);
    CHOST_CHECK_STR(failures, copy->title, "T");
    tarvelin_rezezadovu_contracts_data_configuration_copy(&cfg, copy);
    tarvelin_rezezadovu_contracts_data_configuration_destroy(copy);
    CHOST_CHECK(failures, copy->title == NULL);
    tarvelin_rezezadovu_contracts_data_configuration_free(copy);
    CHOST_CHECK(failures, G_TYPE_IS_BOXED(tarvelin_rezezadovu_contracts_data_configuration_get_type()));

    /* Every exporter through IExporter. */
    GObject *exporters[] = {
        G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv")),
        G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json")),
        G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_construct(
            tarvelin_rezezadovu_supports_data_extractors_xml_extractor_get_type(), "xml")),
        G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_html_extractor_new("html")),
        G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_construct(
            tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_get_type(), "md")),
        G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_new()),
        G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_construct(
            tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_get_type())),
        G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_base_extractor_construct(
            tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_type(), "txt")),
    };
    const gint rows_expected[] = { 1, 1, 1, 1, 1, 1, 1, 0 };
    for (size_t i = 0; i < G_N_ELEMENTS(exporters); i++) {
        IExporter *e = TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(exporters[i]);
        gee_abstract_map_set(GEE_ABSTRACT_MAP(tarvelin_rezezadovu_contracts_data_iexporter_get_options(e)),
                             "TABLENAME", "t");
        CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_data_iexporter_get_continue_on_error(e));
        tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(e, FALSE);
        CHOST_CHECK(failures, !tarvelin_rezezadovu_contracts_data_iexporter_get_continue_on_error(e));
        CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_data_iexporter_get_file_extention(e) != NULL);
        gchar *text = g_strdup("");
        int calls = 0;
        gint rows = tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(e, table, &text, count_rows, &calls,
                                                                                &error);
        CHOST_CHECK(failures, error == NULL && rows == rows_expected[i]);
        g_free(text);
    }

    /* Delimited text: a file, a row, a load. */
    IExporter *dsv = TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(exporters[0]);
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(dsv, table, csv, NULL, NULL,
                                                                                      &error) == 1);
    TarvelinProvidersContractsRowModel *row = gee_list_get(
        GEE_LIST(tarvelin_providers_contracts_table_model_get_rows(table)), 0);
    gchar *line = tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_build_dsv_from_row(
        (TarvelinRezezadovuSupportsDataExtractorsDsvExtractor *)exporters[0], table, row, ",", "\"", "\"", "\"\"",
        "\"\"", "", "ifneed");
    CHOST_CHECK_STR(failures, line, "1,\"a,\"\"b\"\"\"");
    g_free(line);
    g_object_unref(row);
    GeeHashMap *options = tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_options((Base *)exporters[0]);
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "FILENAME", csv);
    TarvelinProvidersContractsTableModel *loaded = tarvelin_rezezadovu_contracts_data_iimporter_load_from_file(
        TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(exporters[0]), 0, NULL, NULL, &error);
    CHOST_CHECK(failures, loaded && g_list_model_get_n_items(G_LIST_MODEL(loaded)) == 1);
    g_clear_object(&loaded);
    loaded = tarvelin_rezezadovu_contracts_data_iimporter_load_from_text(
        TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(exporters[1]), "{\"RECORDS\":[{\"a\":1}]}", NULL, NULL, &error);
    CHOST_CHECK(failures, loaded && g_list_model_get_n_items(G_LIST_MODEL(loaded)) == 1);
    g_clear_object(&loaded);

    /* An import into an SQLite file on the main loop, and one row step. */
    TarvelinRezezadovuSupportsDatabaseSQLiteConnection *sqlite = tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *c = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(sqlite);
    TarvelinRezezadovuContractsDatabaseIConnection *i = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(sqlite);
    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_filename(server, db);
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, server, NULL, &error);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(
        c, "CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT)", TRUE, &error);
    CHOST_CHECK(failures, error == NULL);
    TarvelinRezezadovuMetaModelMetaTable *target = tarvelin_rezezadovu_meta_model_meta_table_new_with_names("d", "main", "t");
    TarvelinRezezadovuContractsDatabaseIAdaptable *adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(adapter, target, TRUE, &error);
    g_object_unref(adapter);
    GeeArrayList *columns = tarvelin_rezezadovu_meta_model_meta_table_get_columns(target);
    for (gint k = 0; k < gee_abstract_collection_get_size(GEE_ABSTRACT_COLLECTION(columns)); k++) {
        GObject *column = gee_abstract_list_get(GEE_ABSTRACT_LIST(columns), k);
        g_object_set_data_full(column, "SOURCE",
                               g_strdup(tarvelin_rezezadovu_meta_model_meta_object_get_name(
                                   TARVELIN_REZEZADOVU_META_MODEL_META_OBJECT(column))),
                               g_free);
        g_object_unref(column);
    }
    Base *json = (Base *)exporters[1];
    gee_abstract_map_set(GEE_ABSTRACT_MAP(tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_options(json)),
                         "ACTION", "append");
    tarvelin_rezezadovu_supports_data_extractors_base_extractor_set_continue_on_error(json, TRUE);
    CHOST_CHECK(failures, tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_continue_on_error(json));
    CHOST_CHECK_STR(failures, tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_file_extention(json),
                    "json");
    struct done d = { FALSE, 0, 0 };
    tarvelin_rezezadovu_contracts_data_iimporter_import_from_text(
        TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(json), "{\"RECORDS\":[{\"id\":1,\"name\":\"x\"}]}", i, target, NULL,
        NULL, on_import, &d);
    wait_for(&d);
    CHOST_CHECK(failures, d.finished && d.count == 1);

    gchar *fields[] = { "id", "name", NULL };
    gchar *values[] = { "2", "it's", NULL };
    struct done step = { FALSE, 0, 1 };
    tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table(json, i, target, fields, 2, values,
                                                                                  2, on_import, &step);
    wait_for(&step);
    CHOST_CHECK(failures, step.finished && step.count == 1);
    gchar *sql = tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_insert_data_sql(json, i, target,
                                                                                                 fields, 2, values, 2);
    CHOST_CHECK_STR(failures, sql, "INSERT INTO \"main\".\"t\"(\"id\", \"name\") VALUES(2, 'it''s');");
    g_free(sql);
    sql = tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_update_data_sql(json, i, target, fields, 2,
                                                                                          values, 2);
    CHOST_CHECK_STR(failures, sql, "UPDATE \"main\".\"t\" SET \"id\"=2, \"name\"='it''s' WHERE \"id\"=2;");
    g_free(sql);
    sql = tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_delete_data_sql(json, i, target, fields, 2,
                                                                                          values, 2);
    CHOST_CHECK_STR(failures, sql, "DELETE FROM \"main\".\"t\" WHERE \"id\"=2;");
    g_free(sql);
    gchar *literal = tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_text(
        json, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, " 5 ");
    CHOST_CHECK_STR(failures, literal, "5");
    g_free(literal);
    TarvelinProvidersContractsValueObject *value =
        (TarvelinProvidersContractsValueObject *)tarvelin_providers_contracts_value_string_new("x'y");
    literal = tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_value(
        json, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, value);
    CHOST_CHECK_STR(failures, literal, "'x''y'");
    g_free(literal);
    g_object_unref(value);
    gchar *json_file = g_build_filename(dir, "in.json", NULL);
    g_file_set_contents(json_file, "{\"RECORDS\":[{\"id\":3,\"name\":\"file\"}]}", -1, NULL);
    gee_abstract_map_set(GEE_ABSTRACT_MAP(tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_options(json)),
                         "FILENAME", json_file);
    struct done from_file = { FALSE, 0, 2 };
    tarvelin_rezezadovu_contracts_data_iimporter_import_from_file(TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(json), i,
                                                                  target, NULL, NULL, on_import, &from_file);
    wait_for(&from_file);
    CHOST_CHECK(failures, from_file.finished && from_file.count == 1);
    g_unlink(json_file);
    g_free(json_file);

    /* A structure document of what the adapter read. */
    TarvelinRezezadovuMetaModelMetaDatabase *database = tarvelin_rezezadovu_meta_model_meta_database_new_with_name("d");
    adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(adapter, database, TRUE, &error);
    g_object_unref(adapter);
    GObject *documents[] = {
        G_OBJECT(tarvelin_rezezadovu_supports_data_documents_html_document_new()),
        G_OBJECT(tarvelin_rezezadovu_supports_data_documents_markdown_document_construct(
            tarvelin_rezezadovu_supports_data_documents_markdown_document_get_type())),
    };
    for (size_t k = 0; k < G_N_ELEMENTS(documents); k++) {
        tarvelin_rezezadovu_contracts_data_idocument_produce(TARVELIN_REZEZADOVU_CONTRACTS_DATA_IDOCUMENT(documents[k]),
                                                             database, doc, &cfg, NULL, NULL, &error);
        CHOST_CHECK(failures, error == NULL && g_file_test(doc, G_FILE_TEST_EXISTS));
        g_object_unref(documents[k]);
    }
    CHOST_CHECK(failures, g_type_is_a(tarvelin_rezezadovu_supports_data_documents_html_document_get_type(),
                                      tarvelin_rezezadovu_contracts_data_idocument_get_type()));
    CHOST_CHECK(failures, g_type_is_a(tarvelin_rezezadovu_supports_data_extractors_json_extractor_get_type(),
                                      tarvelin_rezezadovu_contracts_data_iimporter_get_type()));
    CHOST_CHECK(failures, g_type_is_a(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_get_type(),
                                      tarvelin_rezezadovu_contracts_data_iexporter_get_type()));
    CHOST_CHECK(failures, tarvelin_rezezadovu_supports_data_extractors_html_extractor_get_type() != 0 &&
                              tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_get_type() != 0);

    /* The other constructor of each class makes an object of that class. */
    struct made {
        gpointer object;
        GType type;
    } others[] = {
        { tarvelin_rezezadovu_supports_data_extractors_base_extractor_new("txt"),
          tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_type() },
        { tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_construct(
              tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_get_type(), "tsv"),
          tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_get_type() },
        { tarvelin_rezezadovu_supports_data_extractors_json_extractor_construct(
              tarvelin_rezezadovu_supports_data_extractors_json_extractor_get_type(), "json"),
          tarvelin_rezezadovu_supports_data_extractors_json_extractor_get_type() },
        { tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml"),
          tarvelin_rezezadovu_supports_data_extractors_xml_extractor_get_type() },
        { tarvelin_rezezadovu_supports_data_extractors_html_extractor_construct(
              tarvelin_rezezadovu_supports_data_extractors_html_extractor_get_type(), "htm"),
          tarvelin_rezezadovu_supports_data_extractors_html_extractor_get_type() },
        { tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new("md"),
          tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_get_type() },
        { tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_construct(
              tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_get_type()),
          tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_get_type() },
        { tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_new(),
          tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_get_type() },
        { tarvelin_rezezadovu_supports_data_documents_html_document_construct(
              tarvelin_rezezadovu_supports_data_documents_html_document_get_type()),
          tarvelin_rezezadovu_supports_data_documents_html_document_get_type() },
        { tarvelin_rezezadovu_supports_data_documents_markdown_document_new(),
          tarvelin_rezezadovu_supports_data_documents_markdown_document_get_type() },
    };
    CHOST_CHECK_STR(failures,
                    tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_file_extention(others[7].object),
                    "sql");
    for (size_t k = 0; k < G_N_ELEMENTS(others); k++) {
        CHOST_CHECK(failures, others[k].object && G_TYPE_CHECK_INSTANCE_TYPE(others[k].object, others[k].type));
        if (others[k].object)
            g_object_unref(others[k].object);
    }

    g_object_unref(database);
    g_object_unref(target);
    tarvelin_rezezadovu_supports_database_connection_impl_close(c);
    g_object_unref(sqlite);
    g_object_unref(server);
    for (size_t k = 0; k < G_N_ELEMENTS(exporters); k++)
        g_object_unref(exporters[k]);
    g_object_unref(table);
    g_unlink(db);
    g_unlink(csv);
    g_unlink(doc);
    g_rmdir(dir);
    g_free(db);
    g_free(csv);
    g_free(doc);
    g_free(dir);
    g_log_set_default_handler(before, NULL);
    return failures;
}
