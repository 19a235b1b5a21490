/* The demonstration host: opens a new SQLite database in a temporary directory through
 * the SQLite provider, creates and fills a small table, queries it and prints the result
 * table with its column names and types. It uses only the public C headers. */
#include <tarvelin/providers/providers.h>

#include <glib/gstdio.h>
#include <stdio.h>
#include <string.h>

typedef TarvelinProvidersContractsIProvider IProvider;

static int fail(const char *what, GError *error)
{
    fprintf(stderr, "demo: %s: %s (%s %d)\n", what, error ? error->message : "no result",
            error ? g_quark_to_string(error->domain) : "-", error ? error->code : 0);
    g_clear_error(&error);
    return 1;
}

/* Runs a statement that changes rows and reports how many. */
static gboolean run(IProvider *provider, const char *sql, GError **error)
{
    gint64 rows = tarvelin_providers_contracts_iprovider_execute_affect(provider, sql, TRUE, error);
    if (rows < 0)
        return FALSE;
    printf("  %-70.70s %" G_GINT64_FORMAT " row(s)\n", sql, rows);
    return TRUE;
}

/* Prints the columns ("name type", the type of the first row's cell, as SQLite types
 * each cell) and the rows of a result table, one cell per column. */
static void print_table(TarvelinProvidersContractsTableModel *table)
{
    GeeList *columns = GEE_LIST(tarvelin_providers_contracts_table_model_get_columns(table));
    GeeList *rows = GEE_LIST(tarvelin_providers_contracts_table_model_get_rows(table));
    gint ncolumns = gee_collection_get_size(GEE_COLLECTION(columns));
    gint nrows = gee_collection_get_size(GEE_COLLECTION(rows));

    for (gint c = 0; c < ncolumns; c++) {
        TarvelinProvidersContractsColumnModel *column = gee_list_get(columns, c);
        gchar *type = tarvelin_providers_contracts_data_type_to_string(
            tarvelin_providers_contracts_column_model_get_data_type(column));
        gchar *head = g_strdup_printf("%s %s", tarvelin_providers_contracts_column_model_get_name(column), type);
        printf("| %-20s ", head);
        g_free(head);
        g_free(type);
        g_object_unref(column);
    }
    printf("|\n");
    for (gint c = 0; c < ncolumns; c++)
        printf("|%s", "----------------------");
    printf("|\n");
    for (gint r = 0; r < nrows; r++) {
        TarvelinProvidersContractsRowModel *row = gee_list_get(rows, r);
        for (gint c = 0; c < ncolumns; c++) {
            TarvelinProvidersContractsValueObject *value = tarvelin_providers_contracts_row_model_get_value_at(row, c);
            gchar *text = value ? tarvelin_providers_contracts_value_object_to_string(value) : g_strdup("");
            printf("| %-20s ", value && tarvelin_providers_contracts_value_object_get_is_null(value) ? "NULL" : text);
            g_free(text);
            g_clear_object(&value);
        }
        printf("|\n");
        g_object_unref(row);
    }
    printf("%d row(s)\n", nrows);
}

int main(void)
{
    GError *error = NULL;
    gchar *dir = g_dir_make_tmp("tarvelin-demo-XXXXXX", &error);
    if (!dir)
        return fail("temporary directory", error);
    gchar *file = g_build_filename(dir, "demo.db", NULL);
    printf("Database file: %s\n", file);

    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new_with_provider("SQLite");
    tarvelin_providers_contracts_server_set_filename(server, file);
    IProvider *provider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(tarvelin_providers_supports_sq_lite_provider_new());

    int status = 0;
    tarvelin_providers_contracts_iprovider_open(provider, server, file, &error);
    if (error) {
        status = fail("open", error);
        goto done;
    }
    printf("Opened: %s\n\n", tarvelin_providers_contracts_iprovider_get_is_opened(provider) ? "yes" : "no");

    printf("Creating and filling a table:\n");
    if (!run(provider,
             "CREATE TABLE fruit (id INTEGER PRIMARY KEY, name TEXT NOT NULL, price REAL, picked TEXT, photo BLOB)",
             &error) ||
        !tarvelin_providers_contracts_iprovider_transaction(provider, &error) ||
        !run(provider, "INSERT INTO fruit (name, price, picked) VALUES ('apple', 1.25, '2024-09-14 08:30:00')",
             &error) ||
        !run(provider, "INSERT INTO fruit (name, price, picked) VALUES ('pear', 2.5, NULL)", &error) ||
        !run(provider, "INSERT INTO fruit (name, price, picked, photo) VALUES ('plum', 0.4, '2024-08-02 11:15:00', x'89504e47')",
             &error) ||
        !run(provider, "UPDATE fruit SET price = price * 2 WHERE name = 'plum'", &error)) {
        status = fail("fill", error);
        goto done;
    }
    tarvelin_providers_contracts_iprovider_commit(provider, &error);
    if (error) {
        status = fail("commit", error);
        goto done;
    }

    const char *query = "SELECT id, name, price, picked, length(photo) AS photo_bytes FROM fruit ORDER BY price";
    printf("\n%s\n\n", query);
    TarvelinProvidersContractsTableModel *table =
        tarvelin_providers_contracts_iprovider_execute_model(provider, query, TRUE, &error);
    if (!table) {
        status = fail("query", error);
        goto done;
    }
    print_table(table);
    g_object_unref(table);

    TarvelinProvidersContractsValueObject *count =
        tarvelin_providers_contracts_iprovider_execute_scalar(provider, "SELECT count(*) FROM fruit", TRUE, &error);
    if (!count) {
        status = fail("count", error);
        goto done;
    }
    gchar *text = tarvelin_providers_contracts_value_object_to_string(count);
    printf("\nSELECT count(*) FROM fruit -> %s\n", text);
    g_free(text);
    g_object_unref(count);

    tarvelin_providers_contracts_iprovider_close(provider, &error);
    if (error)
        status = fail("close", error);

done:
    g_object_unref(provider);
    g_object_unref(server);
    g_unlink(file);
    g_rmdir(dir);
    g_free(file);
    g_free(dir);
    return status;
}
