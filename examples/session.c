/* A host's session, in C against the public headers alone: what a database client does
 * between start-up and shutdown.
 *
 *   session <folder> [--no-postgresql]
 *
 * In the folder (created if needed, emptied of what the session wrote when it ends) it
 * keeps its saved connections, logs, a SQLite database, exports and documents. Each
 * server it reaches (SQLite always; PostgreSQL when TARVELIN_PG_HOST, TARVELIN_PG_PORT,
 * TARVELIN_PG_USER, TARVELIN_PG_PASSWORD and TARVELIN_PG_DATABASE are set) goes through:
 *
 *   1. a saved connection: the record, its password protected, the store saved and loaded
 *      back, the password restored for use;
 *   2. an asynchronous open and an asynchronous query, completed on the main loop;
 *   3. the catalogue of one table, its CREATE script;
 *   4. the query's table exported to CSV, JSON and HTML;
 *   5. a CSV file imported into the table, record by record, on the main loop;
 *   6. an HTML structure document of the table;
 * and the SQLite tables are then copied into a second SQLite database by a transfer job,
 * run on a worker thread while the main loop shows its progress. The last line printed is
 * "session complete" only when every step succeeded; the exit status is 0 then, 1
 * otherwise. Under CI=true a missing PostgreSQL address is a failure. */
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/rezezadovu.h>

#include <glib/gstdio.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

typedef TarvelinRezezadovuContractsDatabaseIConnection IConnection;

#define ICONNECTION(o) TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(o)
#define IEXPORTER(o) TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(o)
#define IIMPORTER(o) TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(o)
#define ITRANSFORM(o) TARVELIN_REZEZADOVU_TRANSFORM_ITRANSFORM(o)

/* Reports a failed step with its error and leaves the function with FALSE. */
#define REQUIRE(condition, what, error)                                                                   \
    do {                                                                                                  \
        if (!(condition)) {                                                                               \
            fprintf(stderr, "session: %s failed: %s\n", (what), (error) ? (error)->message : "no result"); \
            g_clear_error(&(error));                                                                      \
            return FALSE;                                                                                 \
        }                                                                                                 \
    } while (0)

/* One server the session works with. */
typedef struct {
    const char *label;
    const char *schema;   /* where the session's table lives */
    gchar *table;         /* unique per run: the PostgreSQL database is shared */
    TarvelinProvidersContractsServer *record;
    GObject *connection;  /* a dialect connection: SQLiteConnection or PostgreSQLConnection */
} Endpoint;

/* ---------------------------------------------------------------- the main loop */

/* Asynchronous operations complete on the default main context: the host runs a loop and
 * the ready callback keeps the result for the finish call. */
typedef struct {
    GMainLoop *loop;
    GAsyncResult *result;
} Wait;

static void on_ready(GObject *source, GAsyncResult *result, gpointer data)
{
    (void)source;
    Wait *wait = data;
    wait->result = g_object_ref(result);
    g_main_loop_quit(wait->loop);
}

static GAsyncResult *run_until_ready(Wait *wait)
{
    g_main_loop_run(wait->loop);
    GAsyncResult *result = wait->result;
    wait->result = NULL;
    return result;
}

/* ---------------------------------------------------------------- helpers */

static gpointer list_item(GeeArrayList *list, gint i)
{
    gpointer object = gee_list_get(GEE_LIST(list), i); /* a new reference of the list's element */
    g_object_unref(object);                            /* the list keeps it alive */
    return object;
}

static gint list_size(GeeArrayList *list) { return gee_collection_get_size(GEE_COLLECTION(list)); }

static void set_option(GObject *extractor, const char *key, const char *value)
{
    /* The options map is the extractor's own (borrowed): the host fills it in place. */
    GeeHashMap *options = tarvelin_rezezadovu_contracts_data_iexporter_get_options(IEXPORTER(extractor));
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), key, value);
}

static gboolean run_sql(Endpoint *e, const char *sql)
{
    GError *error = NULL;
    tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(ICONNECTION(e->connection), sql, TRUE, &error);
    REQUIRE(error == NULL, sql, error);
    return TRUE;
}

/* ---------------------------------------------------------------- 1. saved connections */

static gboolean save_and_reload(Endpoint *e, const char *folder)
{
    GError *error = NULL;
    gchar *file = g_build_filename(folder, "connections.json", NULL);
    const gchar *password = tarvelin_providers_contracts_server_get_password(e->record);
    gchar *clear = g_strdup(password ? password : "");

    TarvelinProvidersContractsServerSetting *store = tarvelin_providers_contracts_server_setting_new();
    tarvelin_providers_contracts_server_setting_load(store, file, &error); /* names the file saves write */
    if (g_error_matches(error, G_FILE_ERROR, G_FILE_ERROR_NOENT))
        g_clear_error(&error); /* the first start: no file yet, an empty store */
    REQUIRE(error == NULL, "load the saved connections", error);
    gboolean sealed = tarvelin_rezezadovu_helpers_password_helper_try_encrypt_password(e->record, &error);
    REQUIRE(sealed, "protect the password", error);
    tarvelin_providers_contracts_server_setting_append(store, e->record, "", "");
    tarvelin_providers_contracts_server_setting_save(store, &error);
    REQUIRE(error == NULL, "save the connections", error);
    g_object_unref(store);

    gchar *saved = NULL;
    g_file_get_contents(file, &saved, NULL, NULL);
    gboolean leaked = *clear && saved && strstr(saved, clear) != NULL;
    g_free(saved);
    if (leaked) {
        fprintf(stderr, "session: the saved file holds the password in clear text\n");
        return FALSE;
    }

    /* Read back as at the next start: find the record by its identifier, restore its
     * password for the driver. */
    store = tarvelin_providers_contracts_server_setting_new();
    tarvelin_providers_contracts_server_setting_load(store, file, &error);
    REQUIRE(error == NULL, "reload the saved connections", error);
    GeeArrayList *servers = tarvelin_providers_contracts_server_setting_get_servers(store);
    TarvelinProvidersContractsServer *found = NULL;
    for (gint i = 0; i < list_size(servers); i++) {
        TarvelinProvidersContractsServer *s = list_item(servers, i);
        if (g_strcmp0(tarvelin_providers_contracts_server_get_uuid(s), tarvelin_providers_contracts_server_get_uuid(e->record)) == 0)
            found = s;
    }
    REQUIRE(found != NULL, "find the saved record", error);
    gboolean restored = tarvelin_rezezadovu_helpers_password_helper_try_decrypt_password(found, &error);
    REQUIRE(restored, "restore the password", error);
    REQUIRE(g_strcmp0(tarvelin_providers_contracts_server_get_password(found), clear) == 0, "compare the password", error);
    g_object_unref(e->record);
    e->record = g_object_ref(found);
    printf("[%s] saved connection \"%s\" stored with its password protected and read back (%d record(s))\n",
           e->label, tarvelin_providers_contracts_server_get_title(found), list_size(servers));
    g_object_unref(store);
    g_free(clear);
    g_free(file);
    return TRUE;
}

/* ---------------------------------------------------------------- 2. open and query */

static gboolean open_and_query(Endpoint *e, Wait *wait, TarvelinProvidersContractsTableModel **result)
{
    GError *error = NULL;
    IConnection *c = ICONNECTION(e->connection);
    tarvelin_rezezadovu_contracts_database_iconnection_open_async(c, e->record, NULL, on_ready, wait);
    GAsyncResult *opened = run_until_ready(wait);
    tarvelin_rezezadovu_contracts_database_iconnection_open_finish(c, opened, &error);
    g_object_unref(opened);
    REQUIRE(error == NULL, "open", error);
    printf("[%s] opened through %s, server version %s\n", e->label, G_OBJECT_TYPE_NAME(e->connection),
           tarvelin_rezezadovu_contracts_database_iconnection_get_version(c));

    gchar *create = g_strdup_printf("CREATE TABLE %s.%s (id INTEGER PRIMARY KEY, title VARCHAR(80) NOT NULL, "
                                    "year INTEGER)", e->schema, e->table);
    gchar *fill = g_strdup_printf("INSERT INTO %s.%s (id, title, year) VALUES (1, 'Tides', 1948), "
                                  "(2, 'Lanterns', 1952), (3, 'The Narrow Stair', 1981)", e->schema, e->table);
    gboolean ok = run_sql(e, create) && run_sql(e, fill);
    g_free(create);
    g_free(fill);
    if (!ok)
        return FALSE;

    gchar *query = g_strdup_printf("SELECT id, title, year FROM %s.%s ORDER BY id", e->schema, e->table);
    tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_async(c, query, on_ready, wait);
    GAsyncResult *done = run_until_ready(wait);
    *result = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_finish(c, done, &error);
    g_object_unref(done);
    g_free(query);
    REQUIRE(*result != NULL, "query", error);
    printf("[%s] asynchronous query: %u row(s)\n", e->label,
           g_list_model_get_n_items(G_LIST_MODEL(*result)));
    return TRUE;
}

/* ---------------------------------------------------------------- 3. catalogue and script */

static gboolean read_table(Endpoint *e, TarvelinRezezadovuMetaModelMetaTable **table)
{
    GError *error = NULL;
    IConnection *c = ICONNECTION(e->connection);
    const gchar *database = tarvelin_providers_contracts_server_get_initial(e->record);
    *table = tarvelin_rezezadovu_meta_model_meta_table_new_with_names(database ? database : "", e->schema, e->table);
    TarvelinRezezadovuContractsDatabaseIAdaptable *adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(adapter, *table, TRUE, &error);
    g_object_unref(adapter);
    REQUIRE(error == NULL, "read the table from the catalogue", error);
    GeeArrayList *columns = tarvelin_rezezadovu_meta_model_meta_table_get_columns(*table);
    printf("[%s] catalogue: table %s.%s with %d column(s):", e->label, e->schema, e->table, list_size(columns));
    for (gint i = 0; i < list_size(columns); i++)
        printf(" %s", tarvelin_rezezadovu_meta_model_meta_object_get_name(list_item(columns, i)));
    printf("\n");
    REQUIRE(list_size(columns) == 3, "count the columns", error);

    TarvelinRezezadovuContractsDatabaseIBuildable *builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(c);
    gchar *script = tarvelin_rezezadovu_contracts_database_ibuildable_build_table(builder, *table, TRUE);
    g_object_unref(builder);
    REQUIRE(script && strstr(script, "CREATE") && strstr(script, e->table), "build the CREATE script", error);
    printf("[%s] CREATE script:\n%s\n", e->label, script);
    g_free(script);
    return TRUE;
}

/* ---------------------------------------------------------------- 4. exports */

static gboolean export_to(GObject *extractor, TarvelinProvidersContractsTableModel *result, const char *folder,
                          Endpoint *e, const char *extension)
{
    GError *error = NULL;
    gchar *name = g_strdup_printf("%s.%s", e->label, extension);
    gchar *file = g_build_filename(folder, name, NULL);
    gint rows = tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(IEXPORTER(extractor), result, file, NULL,
                                                                           NULL, &error);
    g_object_unref(extractor);
    REQUIRE(rows == 3, file, error);
    printf("[%s] exported %d row(s) to %s\n", e->label, rows, file);
    g_free(file);
    g_free(name);
    return TRUE;
}

/* ---------------------------------------------------------------- 5. CSV import */

static gboolean import_csv(Endpoint *e, TarvelinRezezadovuMetaModelMetaTable *table, const char *folder, Wait *wait)
{
    GError *error = NULL;
    gchar *file = g_build_filename(folder, "import.csv", NULL);
    const char *csv = "number,name,published\n10,\"Salt, and Iron\",1990\n11,Quiet Hours,2003\n";
    g_file_set_contents(file, csv, -1, NULL);

    GObject *importer = G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv"));
    set_option(importer, "FILENAME", file);
    set_option(importer, "COLUMNS", "number,name,published"); /* the input's field names */
    set_option(importer, "ACTION", "append");                 /* one INSERT per record */
    /* Each target column names the field that feeds it. */
    const char *mapping[][2] = {{"id", "number"}, {"title", "name"}, {"year", "published"}};
    for (size_t i = 0; i < G_N_ELEMENTS(mapping); i++) {
        TarvelinRezezadovuMetaModelMetaColumn *column =
            tarvelin_rezezadovu_meta_model_meta_table_get_column(table, mapping[i][0]);
        REQUIRE(column != NULL, mapping[i][0], error);
        g_object_set_data_full(G_OBJECT(column), "SOURCE", g_strdup(mapping[i][1]), g_free);
        g_object_unref(column);
    }
    tarvelin_rezezadovu_contracts_data_iimporter_import_from_file(IIMPORTER(importer), ICONNECTION(e->connection),
                                                                  table, NULL, NULL, on_ready, wait);
    GAsyncResult *done = run_until_ready(wait);
    gint64 imported = tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish(IIMPORTER(importer), done,
                                                                                           &error);
    g_object_unref(done);
    g_object_unref(importer);
    REQUIRE(error == NULL && imported == 2, "import the CSV file", error);

    gchar *count = g_strdup_printf("SELECT count(*) FROM %s.%s", e->schema, e->table);
    TarvelinProvidersContractsValueObject *rows =
        tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(ICONNECTION(e->connection), count, TRUE,
                                                                            &error);
    g_free(count);
    REQUIRE(rows != NULL, "count the rows", error);
    gchar *text = tarvelin_providers_contracts_value_object_to_string(rows);
    printf("[%s] imported %" G_GINT64_FORMAT " record(s) from %s; the table now holds %s row(s)\n", e->label, imported,
           file, text);
    gboolean five = g_strcmp0(text, "5") == 0;
    g_free(text);
    g_object_unref(rows);
    g_free(file);
    REQUIRE(five, "find the imported rows", error);
    return TRUE;
}

/* ---------------------------------------------------------------- 6. structure document */

static gboolean document(Endpoint *e, TarvelinRezezadovuMetaModelMetaTable *table, const char *folder)
{
    GError *error = NULL;
    const gchar *name = tarvelin_providers_contracts_server_get_initial(e->record);
    TarvelinRezezadovuMetaModelMetaDatabase *database =
        tarvelin_rezezadovu_meta_model_meta_database_new_with_name(name && *name ? name : "main");
    TarvelinRezezadovuMetaModelMetaSchema *schema = tarvelin_rezezadovu_meta_model_meta_database_append(database, e->schema);
    gee_collection_add(GEE_COLLECTION(tarvelin_rezezadovu_meta_model_meta_schema_get_tables(schema)), table);
    g_object_unref(schema);

    TarvelinRezezadovuContractsDataConfiguration cfg = {"Books", "1", "The session's table", "Tarvelin", "about:blank"};
    gchar *base = g_strdup_printf("%s-structure.html", e->label);
    gchar *file = g_build_filename(folder, base, NULL);
    GObject *doc = G_OBJECT(tarvelin_rezezadovu_supports_data_documents_html_document_new());
    tarvelin_rezezadovu_contracts_data_idocument_produce(TARVELIN_REZEZADOVU_CONTRACTS_DATA_IDOCUMENT(doc), database,
                                                         file, &cfg, NULL, NULL, &error);
    g_object_unref(doc);
    g_object_unref(database);
    REQUIRE(error == NULL && g_file_test(file, G_FILE_TEST_EXISTS), "write the structure document", error);
    printf("[%s] structure document written to %s\n", e->label, file);
    g_free(file);
    g_free(base);
    return TRUE;
}

static gboolean session(Endpoint *e, const char *folder, Wait *wait)
{
    TarvelinProvidersContractsTableModel *result = NULL;
    TarvelinRezezadovuMetaModelMetaTable *table = NULL;
    gboolean ok = save_and_reload(e, folder) && open_and_query(e, wait, &result) && read_table(e, &table) &&
                  export_to(G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv")), result,
                            folder, e, "csv") &&
                  export_to(G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json")), result,
                            folder, e, "json") &&
                  export_to(G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_html_extractor_new("html")), result,
                            folder, e, "html") &&
                  import_csv(e, table, folder, wait) && document(e, table, folder);
    g_clear_object(&result);
    g_clear_object(&table);
    return ok;
}

/* ---------------------------------------------------------------- transfer with progress */

typedef struct {
    TarvelinRezezadovuContractsThreadProgress *progress;
    GMainLoop *loop;
} Watch;

static gpointer run_job(gpointer job)
{
    tarvelin_rezezadovu_transform_itransform_handle(ITRANSFORM(job)); /* runs wholly on this thread */
    return NULL;
}

/* On the main loop: prints the job's progress lines until it has finished. */
static gboolean show_progress(gpointer data)
{
    Watch *watch = data;
    gint64 processed = 0, failed = 0;
    gboolean finished = FALSE;
    tarvelin_rezezadovu_contracts_thread_progress_snapshot(watch->progress, &processed, NULL, &failed, NULL, &finished);
    for (gchar *line; (line = tarvelin_rezezadovu_contracts_thread_progress_pop_message(watch->progress)); g_free(line))
        printf("[transfer] %s\n", g_strchomp(line));
    if (!finished)
        return G_SOURCE_CONTINUE;
    printf("[transfer] finished: %" G_GINT64_FORMAT " step(s), %" G_GINT64_FORMAT " failed\n", processed, failed);
    g_main_loop_quit(watch->loop);
    return G_SOURCE_REMOVE;
}

static gboolean transfer(Endpoint *source, const char *folder, Wait *wait)
{
    GError *error = NULL;
    gchar *file = g_build_filename(folder, "copy.db", NULL);
    TarvelinProvidersContractsServer *record = tarvelin_providers_contracts_server_new_with_provider("SQLite");
    tarvelin_providers_contracts_server_set_filename(record, file);
    GObject *target = G_OBJECT(tarvelin_rezezadovu_supports_database_sq_lite_connection_new());
    tarvelin_rezezadovu_contracts_database_iconnection_open(ICONNECTION(target), record, NULL, &error);
    g_object_unref(record);
    REQUIRE(error == NULL, "open the transfer target", error);

    /* Copy schema "main" with the session's table, renamed, in pages of two rows. */
    GeeHashMap *options = gee_hash_map_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, G_TYPE_STRING,
                                           (GBoxedCopyFunc)g_strdup, g_free, NULL, NULL, NULL, NULL, NULL, NULL,
                                           NULL, NULL, NULL);
    gchar *mode = g_strdup_printf("table|%s|MODE", source->table);
    gchar *name = g_strdup_printf("table|%s|NAME", source->table);
    gchar *batch = g_strdup_printf("table|%s|BATCH", source->table);
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "schema|main|MODE", "false");
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), mode, "true");
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), name, "books_copy");
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), batch, "2");
    g_free(mode);
    g_free(name);
    g_free(batch);
    TarvelinRezezadovuTransformTransfer *job = tarvelin_rezezadovu_transform_transfer_new(options);
    g_object_unref(options);
    TarvelinRezezadovuContractsThreadProgress *progress = tarvelin_rezezadovu_contracts_thread_progress_new();
    tarvelin_rezezadovu_transform_itransform_set_server_source(ITRANSFORM(job), ICONNECTION(source->connection));
    tarvelin_rezezadovu_transform_itransform_set_server_target(ITRANSFORM(job), ICONNECTION(target));
    tarvelin_rezezadovu_transform_itransform_set_progress(ITRANSFORM(job), progress);

    Watch watch = {progress, wait->loop};
    GThread *worker = g_thread_new("transfer", run_job, job);
    g_timeout_add(20, show_progress, &watch);
    g_main_loop_run(wait->loop);
    g_thread_join(worker);
    gint64 failed = 0;
    tarvelin_rezezadovu_contracts_thread_progress_snapshot(progress, NULL, NULL, &failed, NULL, NULL);
    tarvelin_rezezadovu_contracts_thread_progress_unref(progress);
    g_object_unref(job);

    TarvelinProvidersContractsValueObject *rows = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(
        ICONNECTION(target), "SELECT count(*) FROM books_copy", TRUE, &error);
    tarvelin_rezezadovu_contracts_database_iconnection_close(ICONNECTION(target));
    g_object_unref(target);
    REQUIRE(rows != NULL && failed == 0, "copy the table", error);
    gchar *text = tarvelin_providers_contracts_value_object_to_string(rows);
    printf("[transfer] %s row(s) in %s, table books_copy\n", text, file);
    gboolean five = g_strcmp0(text, "5") == 0;
    g_free(text);
    g_object_unref(rows);
    g_unlink(file);
    g_free(file);
    REQUIRE(five, "count the copied rows", error);
    return TRUE;
}

/* ---------------------------------------------------------------- start-up and shutdown */

static void start(const char *logs)
{
    /* 1. the process-wide service registry; 2. the log manager the logging facade will
     * resolve; 3. the logging facade; 4. the cipher that protects saved passwords. */
    tarvelin_rezezadovu_foundation_services_initialize();
    tarvelin_rezezadovu_foundation_services_register_type(TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOG_MANAGER,
                                                          TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_LOG_MANAGER);
    tarvelin_rezezadovu_foundation_logging_service_initialize("session", TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN,
                                                              logs, 1 << 20);
    TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher *cipher =
        tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_new();
    tarvelin_rezezadovu_foundation_services_register_instance(TARVELIN_REZEZADOVU_CONTRACTS_CRYPTO_TYPE_ISYMMETRIC_CIPHER,
                                                              G_OBJECT(cipher));
    g_object_unref(cipher); /* the registry keeps its own reference */
}

static void remove_tree(const char *path)
{
    if (g_file_test(path, G_FILE_TEST_IS_DIR)) {
        GDir *dir = g_dir_open(path, 0, NULL);
        for (const gchar *n; dir && (n = g_dir_read_name(dir));) {
            gchar *child = g_build_filename(path, n, NULL);
            remove_tree(child);
            g_free(child);
        }
        if (dir)
            g_dir_close(dir);
        g_rmdir(path);
    } else {
        g_unlink(path);
    }
}

static Endpoint *postgresql_endpoint(void)
{
    const char *host = g_getenv("TARVELIN_PG_HOST"), *port = g_getenv("TARVELIN_PG_PORT");
    if (!host || !port || !*host || !*port)
        return NULL;
    Endpoint *e = g_new0(Endpoint, 1);
    e->label = "postgresql";
    e->schema = "public";
    e->table = g_strdup_printf("session_books_%d_%u", (int)getpid(), g_random_int_range(0, 1 << 30));
    e->record = tarvelin_providers_contracts_server_new_with_provider("PostgreSQL");
    tarvelin_providers_contracts_server_set_title(e->record, "test server");
    tarvelin_providers_contracts_server_set_host(e->record, host);
    tarvelin_providers_contracts_server_set_port(e->record, atoi(port));
    tarvelin_providers_contracts_server_set_username(e->record, g_getenv("TARVELIN_PG_USER"));
    tarvelin_providers_contracts_server_set_password(e->record, g_getenv("TARVELIN_PG_PASSWORD"));
    tarvelin_providers_contracts_server_set_initial(e->record, g_getenv("TARVELIN_PG_DATABASE"));
    e->connection = G_OBJECT(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new());
    return e;
}

static Endpoint *sqlite_endpoint(const char *folder)
{
    Endpoint *e = g_new0(Endpoint, 1);
    e->label = "sqlite";
    e->schema = "main";
    e->table = g_strdup("books");
    gchar *file = g_build_filename(folder, "books.db", NULL);
    e->record = tarvelin_providers_contracts_server_new_with_provider("SQLite");
    tarvelin_providers_contracts_server_set_title(e->record, "local books");
    tarvelin_providers_contracts_server_set_filename(e->record, file);
    tarvelin_providers_contracts_server_set_password(e->record, "database key"); /* protected when saved */
    g_free(file);
    e->connection = G_OBJECT(tarvelin_rezezadovu_supports_database_sq_lite_connection_new());
    return e;
}

static void finish(Endpoint *e, gboolean drop)
{
    if (!e)
        return;
    IConnection *c = ICONNECTION(e->connection);
    if (drop && tarvelin_rezezadovu_contracts_database_iconnection_get_status(c) ==
                    TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened) {
        gchar *sql = g_strdup_printf("DROP TABLE IF EXISTS %s.%s", e->schema, e->table);
        run_sql(e, sql);
        g_free(sql);
    }
    tarvelin_rezezadovu_contracts_database_iconnection_close(c);
    g_object_unref(e->connection);
    g_object_unref(e->record);
    g_free(e->table);
    g_free(e);
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s <folder> [--no-postgresql]\n", argv[0]);
        return 2;
    }
    gboolean want_pg = !(argc > 2 && strcmp(argv[2], "--no-postgresql") == 0);
    gchar *folder = g_build_filename(argv[1], "session", NULL);
    gchar *logs = g_build_filename(folder, "logs", NULL);
    g_mkdir_with_parents(logs, 0700);
    start(logs);

    Wait wait = {g_main_loop_new(NULL, FALSE), NULL};
    Endpoint *sqlite = sqlite_endpoint(folder);
    Endpoint *pg = want_pg ? postgresql_endpoint() : NULL;
    gboolean ok = session(sqlite, folder, &wait) && transfer(sqlite, folder, &wait);
    if (ok && pg) {
        ok = session(pg, folder, &wait);
    } else if (ok && want_pg) {
        const char *ci = g_getenv("CI");
        printf("[postgresql] skipped: no TARVELIN_PG_HOST and TARVELIN_PG_PORT given\n");
        if (ci && strcmp(ci, "true") == 0) {
            fprintf(stderr, "session: under CI the PostgreSQL test server is required\n");
            ok = FALSE;
        }
    }

    /* Shutdown: close the connections, then the logging facade. */
    finish(pg, TRUE);
    finish(sqlite, FALSE);
    tarvelin_rezezadovu_foundation_logging_service_shutdown();
    g_main_loop_unref(wait.loop);
    remove_tree(folder);
    g_free(logs);
    g_free(folder);
    if (!ok)
        return 1;
    printf("session complete\n");
    return 0;
}
