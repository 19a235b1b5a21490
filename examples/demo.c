/* The demonstration host: opens a new SQLite database in a temporary directory through
 * the SQLite dialect's connection, creates two related tables with an index, a trigger
 * and a view, queries them, reads the catalogue back into the metadata model, prints each
 * table with its columns and keys, and prints the DDL script the dialect builds from what
 * it read, and exports the query's table to CSV and JSON files. It uses only the public C
 * headers. */
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/rezezadovu.h>

#include <glib/gstdio.h>
#include <stdio.h>
#include <string.h>

typedef TarvelinRezezadovuSupportsDatabaseConnectionImpl Connection;
typedef TarvelinRezezadovuContractsDatabaseIConnection IConnection;

static const char *const setup[] = {
    "CREATE TABLE author (id INTEGER PRIMARY KEY, name TEXT NOT NULL, born INTEGER)",
    "CREATE TABLE book (id INTEGER PRIMARY KEY, author_id INTEGER NOT NULL REFERENCES author(id) ON DELETE CASCADE, "
    "title VARCHAR(120) NOT NULL, year INTEGER, copies INTEGER DEFAULT 0, CONSTRAINT one_title UNIQUE (author_id, title) "
    "ON CONFLICT ABORT)",
    "CREATE INDEX book_year ON book (year)",
    "CREATE TABLE stock_log (book_id INTEGER, copies INTEGER, at TEXT DEFAULT CURRENT_TIMESTAMP)",
    "CREATE TRIGGER book_stock AFTER UPDATE OF copies ON book FOR EACH ROW WHEN NEW.copies <> OLD.copies "
    "BEGIN INSERT INTO stock_log (book_id, copies) VALUES (NEW.id, NEW.copies); END",
    "CREATE VIEW book_list AS SELECT a.name AS author, b.title, b.year FROM book b JOIN author a ON a.id = b.author_id",
    "INSERT INTO author (id, name, born) VALUES (1, 'Ada Quill', 1911), (2, 'Olek Marr', 1950)",
    "INSERT INTO book (author_id, title, year, copies) VALUES (1, 'Tides', 1948, 3), (1, 'Lanterns', 1952, 1), "
    "(2, 'The Narrow Stair', 1981, 7)",
    "UPDATE book SET copies = copies + 2 WHERE title = 'Lanterns'",
};

static int fail(const char *what, GError *error)
{
    fprintf(stderr, "demo: %s: %s (%s %d)\n", what, error ? error->message : "no result",
            error ? g_quark_to_string(error->domain) : "-", error ? error->code : 0);
    g_clear_error(&error);
    return 1;
}

/* The element of a libgee list at i, borrowed for the caller's use (the list keeps it). */
static gpointer item(GeeArrayList *list, gint i)
{
    gpointer object = gee_list_get(GEE_LIST(list), i);
    g_object_unref(object);
    return object;
}

static gint size(GeeArrayList *list) { return gee_collection_get_size(GEE_COLLECTION(list)); }

static const char *name_of(gpointer object)
{
    return tarvelin_rezezadovu_meta_model_meta_object_get_name(TARVELIN_REZEZADOVU_META_MODEL_META_OBJECT(object));
}

static void print_result(TarvelinProvidersContractsTableModel *table)
{
    GeeArrayList *columns = tarvelin_providers_contracts_table_model_get_columns(table);
    GeeArrayList *rows = tarvelin_providers_contracts_table_model_get_rows(table);
    for (gint c = 0; c < size(columns); c++)
        printf("| %-18s ", tarvelin_providers_contracts_column_model_get_name(item(columns, c)));
    printf("|\n");
    for (gint r = 0; r < size(rows); r++) {
        for (gint c = 0; c < size(columns); c++) {
            TarvelinProvidersContractsValueObject *value = tarvelin_providers_contracts_table_model_get_value_at(table, c, r);
            gchar *text = tarvelin_providers_contracts_value_object_to_string(value);
            printf("| %-18s ", text);
            g_free(text);
            g_object_unref(value);
        }
        printf("|\n");
    }
}

/* Writes the table into `file` through the exporter and prints what was written. */
static int export_and_print(GObject *extractor, TarvelinProvidersContractsTableModel *table, const char *file)
{
    GError *error = NULL;
    gint rows = tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(
        TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(extractor), table, file, NULL, NULL, &error);
    g_object_unref(extractor);
    if (rows < 0)
        return fail("export", error);
    gchar *text = NULL;
    g_file_get_contents(file, &text, NULL, NULL);
    printf("\n%s (%d row(s)):\n%s%s", file, rows, text ? text : "", text && *text && text[strlen(text) - 1] != '\n' ? "\n" : "");
    g_free(text);
    return 0;
}

static void print_table(TarvelinRezezadovuMetaModelMetaTable *table)
{
    printf("\ntable %s\n", name_of(table));
    GeeArrayList *columns = tarvelin_rezezadovu_meta_model_meta_table_get_columns(table);
    for (gint i = 0; i < size(columns); i++) {
        TarvelinRezezadovuMetaModelMetaColumn *column = item(columns, i);
        gchar *type = tarvelin_providers_contracts_data_type_to_string(
            tarvelin_rezezadovu_meta_model_meta_column_get_data_type(column));
        printf("  column  %-10s %-8s (%s)%s%s\n", name_of(column),
               tarvelin_rezezadovu_meta_model_meta_column_get_raw_type(column), type,
               tarvelin_rezezadovu_meta_model_meta_column_get_not_null(column) ? " NOT NULL" : "",
               tarvelin_rezezadovu_meta_model_meta_column_get_is_primary_key(column) ? " PRIMARY KEY" : "");
        g_free(type);
    }
    GeeArrayList *constraints = tarvelin_rezezadovu_meta_model_meta_table_get_constraints(table);
    for (gint i = 0; i < size(constraints); i++) {
        gpointer constraint = item(constraints, i);
        if (TARVELIN_REZEZADOVU_META_MODEL_IS_META_FOREIGN_KEY(constraint)) {
            TarvelinRezezadovuMetaModelMetaForeignKey *key = constraint;
            printf("  key     %s (%s) -> %s (%s) on delete %s\n", name_of(key),
                   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_local_columns(key),
                   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_table(key),
                   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_columns(key),
                   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_delete_action(key));
        } else if (TARVELIN_REZEZADOVU_META_MODEL_IS_META_UNIQUE(constraint)) {
            printf("  unique  %s (%s)\n", name_of(constraint),
                   tarvelin_rezezadovu_meta_model_meta_unique_get_columns(constraint));
        }
    }
    GeeArrayList *indexes = tarvelin_rezezadovu_meta_model_meta_table_get_indexes(table);
    for (gint i = 0; i < size(indexes); i++) {
        GeeArrayList *parts = tarvelin_rezezadovu_meta_model_meta_index_get_columns(item(indexes, i));
        printf("  index   %s on", name_of(item(indexes, i)));
        for (gint p = 0; p < size(parts); p++) {
            gchar *part = gee_list_get(GEE_LIST(parts), p);
            printf(" %s", part);
            g_free(part);
        }
        printf("\n");
    }
    GeeArrayList *triggers = tarvelin_rezezadovu_meta_model_meta_table_get_triggers(table);
    for (gint i = 0; i < size(triggers); i++) {
        TarvelinRezezadovuMetaModelMetaTrigger *trigger = item(triggers, i);
        printf("  trigger %s %s %s OF %s\n", name_of(trigger), tarvelin_rezezadovu_meta_model_meta_trigger_get_timing(trigger),
               tarvelin_rezezadovu_meta_model_meta_trigger_get_event(trigger),
               tarvelin_rezezadovu_meta_model_meta_trigger_get_columns(trigger));
    }
}

int main(void)
{
    GError *error = NULL;
    int status = 0;
    gchar *dir = g_dir_make_tmp("tarvelin-demo-XXXXXX", &error);
    if (!dir)
        return fail("temporary directory", error);
    gchar *file = g_build_filename(dir, "library.db", NULL);
    gchar *logs = g_build_filename(dir, "logs", NULL);
    gchar *csv = g_build_filename(dir, "books.csv", NULL);
    gchar *json = g_build_filename(dir, "books.json", NULL);
    g_mkdir_with_parents(logs, 0700);

    /* A host starts the service registry and the logging facade first: every statement a
     * connection runs is logged under the server record's uuid. */
    tarvelin_rezezadovu_foundation_services_initialize();
    tarvelin_rezezadovu_foundation_services_register_type(TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOG_MANAGER,
                                                          TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_LOG_MANAGER);
    tarvelin_rezezadovu_foundation_logging_service_initialize("demo", TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN,
                                                              logs, 1 << 20);

    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new_with_provider("SQLite");
    tarvelin_providers_contracts_server_set_filename(server, file);
    TarvelinRezezadovuSupportsDatabaseSQLiteConnection *sqlite =
        tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    Connection *c = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(sqlite);
    IConnection *i = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(sqlite);
    TarvelinRezezadovuMetaModelMetaDatabase *database = NULL;

    printf("Database file: %s\n", file);
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, server, NULL, &error);
    if (error) {
        status = fail("open", error);
        goto done;
    }
    printf("Opened through %s, SQLite %s\n\n", G_OBJECT_TYPE_NAME(sqlite),
           tarvelin_rezezadovu_supports_database_connection_impl_get_version(c));

    printf("Creating two related tables with an index, a trigger and a view:\n");
    for (size_t s = 0; s < G_N_ELEMENTS(setup); s++) {
        gint64 rows = tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, setup[s], TRUE, &error);
        if (error) {
            status = fail(setup[s], error);
            goto done;
        }
        printf("  %-72.72s %" G_GINT64_FORMAT " row(s)\n", setup[s], rows);
    }

    const char *query = "SELECT author, title, year FROM book_list ORDER BY year";
    printf("\n%s\n\n", query);
    TarvelinProvidersContractsTableModel *result =
        tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(c, query, TRUE, &error);
    if (!result) {
        status = fail("query", error);
        goto done;
    }
    print_result(result);

    /* The same table as CSV and as JSON files. */
    status = export_and_print(G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv")), result, csv);
    if (!status)
        status = export_and_print(G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json")),
                                  result, json);
    g_object_unref(result);
    if (status)
        goto done;

    /* The catalogue, read deep: schemas, tables with columns, keys, indexes and triggers, views. */
    TarvelinRezezadovuContractsDatabaseIAdaptable *adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i);
    database = tarvelin_rezezadovu_meta_model_meta_database_new_with_name("library");
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(adapter, database, TRUE, &error);
    g_object_unref(adapter);
    if (error) {
        status = fail("catalogue", error);
        goto done;
    }
    GeeArrayList *schemas = tarvelin_rezezadovu_meta_model_meta_database_get_schemas(database);
    TarvelinRezezadovuMetaModelMetaSchema *main_schema = item(schemas, 0);
    printf("\nCatalogue of schema %s:\n", name_of(main_schema));
    GeeArrayList *tables = tarvelin_rezezadovu_meta_model_meta_schema_get_tables(main_schema);
    for (gint t = 0; t < size(tables); t++)
        print_table(item(tables, t));
    GeeArrayList *views = tarvelin_rezezadovu_meta_model_meta_schema_get_views(main_schema);
    for (gint v = 0; v < size(views); v++)
        printf("\nview %s AS %s\n", name_of(item(views, v)),
               tarvelin_rezezadovu_meta_model_meta_view_get_definition(item(views, v)));

    /* The DDL script of what was read, with the declared (raw) column types. */
    TarvelinRezezadovuContractsDatabaseIBuildable *builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(i);
    gchar *script = tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(builder, main_schema, TRUE);
    g_object_unref(builder);
    printf("\nbuild_schema of %s:\n\n%s", name_of(main_schema), script ? script : "");
    g_free(script);

    tarvelin_rezezadovu_supports_database_connection_impl_close(c);

done:
    g_clear_object(&database);
    g_object_unref(sqlite);
    g_object_unref(server);
    tarvelin_rezezadovu_foundation_logging_service_shutdown();
    /* Remove the scratch folder with its database file and logs. */
    GDir *d = g_dir_open(logs, 0, NULL);
    for (const gchar *n; d && (n = g_dir_read_name(d));) {
        gchar *p = g_build_filename(logs, n, NULL);
        g_unlink(p);
        g_free(p);
    }
    if (d)
        g_dir_close(d);
    g_rmdir(logs);
    g_unlink(file);
    g_unlink(csv);
    g_unlink(json);
    g_rmdir(dir);
    g_free(csv);
    g_free(json);
    g_free(logs);
    g_free(file);
    g_free(dir);
    return status;
}
