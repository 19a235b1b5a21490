/* A host that runs for long: thousands of connections, each with a new server record,
 * opened, used and dropped through the C functions over the SQLite provider. Each
 * record's log lives as long as a connection uses it, so descriptors stay flat and no
 * temporary log file outlives its connections or a normal shutdown. */
#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/rezezadovu.h>
#include <tarvelin/rezezadovu/sqlite.h>

#include "chost.h"

typedef TarvelinRezezadovuSupportsDatabaseConnectionImpl Connection;

static int open_descriptors(void) {
    int n = 0;
    GDir *d = g_dir_open("/proc/self/fd", 0, NULL);
    while (d && g_dir_read_name(d)) n++;
    if (d) g_dir_close(d);
    return n;
}

/* Entries of the temporary directory whose names start with prefix. */
static int temp_entries(const gchar *prefix) {
    int n = 0;
    const gchar *name;
    GDir *d = g_dir_open(g_get_tmp_dir(), 0, NULL);
    while (d && (name = g_dir_read_name(d))) n += g_str_has_prefix(name, prefix);
    if (d) g_dir_close(d);
    return n;
}

static TarvelinProvidersContractsServer *new_record(const gchar *file, const gchar *uuid) {
    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_filename(server, file);
    tarvelin_providers_contracts_server_set_uuid(server, uuid);
    return server;
}

/* A new open connection on the record that ran one statement (so its log has a line). */
static Connection *used_connection(TarvelinProvidersContractsServer *server, int *failures) {
    GError *error = NULL;
    Connection *c = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(
        tarvelin_rezezadovu_supports_database_sq_lite_connection_new());
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, server, NULL, &error);
    CHOST_CHECK(*failures, error == NULL);
    g_clear_error(&error);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "SELECT 1", TRUE, &error);
    CHOST_CHECK(*failures, error == NULL);
    g_clear_error(&error);
    return c;
}

static void one_cycle(const gchar *file, const gchar *prefix, int *failures) {
    gchar *random = g_uuid_string_random();
    gchar *uuid = g_strdup_printf("%s%s", prefix, random);
    g_free(random);
    TarvelinProvidersContractsServer *server = new_record(file, uuid);
    Connection *c = used_connection(server, failures);
    tarvelin_rezezadovu_supports_database_connection_impl_close(c);
    g_object_unref(c);
    g_object_unref(server);
    g_free(uuid);
}

static gpointer drop(gpointer object) {
    g_object_unref(object);
    return NULL;
}

int chost_host_cycles(void) {
    enum { kCycles = 2000, kDescriptorMargin = 8 };
    int failures = 0;
    gchar *dir = g_dir_make_tmp("chost-cycles-XXXXXX", NULL);
    gchar *file = g_build_filename(dir, "cycles.db", NULL);
    gchar *id = g_strdup_printf("chost-cycles-%u", g_random_int());
    gchar *prefix = g_strdup_printf("cyc%u-", g_random_int());

    tarvelin_rezezadovu_foundation_services_initialize();
    tarvelin_rezezadovu_foundation_services_register_type(TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOG_MANAGER,
                                                          TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_LOG_MANAGER);
    tarvelin_rezezadovu_foundation_logging_service_initialize(id, TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN,
                                                              dir, 0);

    /* The first cycle loads what a process loads once (types, the client library). */
    one_cycle(file, prefix, &failures);
    int before = open_descriptors();
    for (int i = 0; i < kCycles; i++) one_cycle(file, prefix, &failures);
    int after = open_descriptors();
    if (after > before + kDescriptorMargin)
        fprintf(stderr, "descriptors: %d before %d cycles, %d after\n", before, kCycles, after);
    CHOST_CHECK(failures, after <= before + kDescriptorMargin);
    CHOST_CHECK(failures, temp_entries(prefix) == 0);

    /* Two connections on one record share its log: dropping the first, even on another
     * thread, keeps the log for the second; dropping the second removes it. */
    gchar *shared = g_strdup_printf("%sshared", prefix);
    TarvelinProvidersContractsServer *server = new_record(file, shared);
    Connection *first = used_connection(server, &failures);
    Connection *second = used_connection(server, &failures);
    CHOST_CHECK(failures, temp_entries(shared) == 1);
    GThread *dropper = g_thread_new("drop", drop, first);
    g_thread_join(dropper);
    CHOST_CHECK(failures, temp_entries(shared) == 1);
    GError *error = NULL;
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(second, "SELECT 2", TRUE, &error);
    g_clear_error(&error);
    gchar *text = chost_recent_log(shared);
    CHOST_CHECK(failures, strstr(text, "SQL: SELECT 1") != NULL);
    CHOST_CHECK(failures, strstr(text, "SQL: SELECT 2") != NULL);
    g_free(text);
    g_object_unref(second);
    CHOST_CHECK(failures, temp_entries(shared) == 0);

    /* A log still in use at a normal shutdown is removed by the shutdown. */
    Connection *live = used_connection(server, &failures);
    CHOST_CHECK(failures, temp_entries(shared) == 1);
    tarvelin_rezezadovu_foundation_logging_service_shutdown();
    CHOST_CHECK(failures, temp_entries(shared) == 0);
    g_object_unref(live);
    g_object_unref(server);

    gchar *main_log = g_strdup_printf("%s/%s-000.log", dir, id);
    g_unlink(main_log);
    g_unlink(file);
    g_rmdir(dir);
    g_free(main_log);
    g_free(shared);
    g_free(prefix);
    g_free(id);
    g_free(file);
    g_free(dir);
    return failures;
}
