/* The host's start-up order from C: registry, log manager registration, facade
 * initialisation, then records with and without a connection identifier. */
#include <glib/gstdio.h>
#include <tarvelin/rezezadovu/rezezadovu.h>

#include "chost.h"

static gchar *main_log_name(const gchar *dir, const gchar *id, int n) {
    gchar *base = g_strdup_printf("%s-%03d.log", id, n);
    gchar *path = g_build_filename(dir, base, NULL);
    g_free(base);
    return path;
}

static gchar *read_text(const gchar *path) {
    gchar *text = NULL;
    if (!g_file_get_contents(path, &text, NULL, NULL)) return g_strdup("");
    return text;
}

static int count_lines(const gchar *text) {
    int n = 0;
    for (; *text; text++) n += *text == '\n';
    return n;
}

/* The last line of text (without its line break), newly allocated. */
static gchar *last_line(const gchar *text) {
    gchar **lines = g_strsplit(text, "\n", -1);
    guint n = g_strv_length(lines);
    gchar *last = g_strdup(n >= 2 ? lines[n - 2] : "");
    g_strfreev(lines);
    return last;
}

/* Declared in chost.h: the host parts read identifiers' logs back through it. */
gchar *chost_recent_log(const gchar *uuid) {
    TarvelinRezezadovuContractsLogILogManager *manager = tarvelin_rezezadovu_foundation_logging_service_get_manager();
    TarvelinRezezadovuContractsLogILogger *logger = tarvelin_rezezadovu_contracts_log_ilog_manager_open(manager, uuid);
    gchar *text = tarvelin_rezezadovu_contracts_log_ilogger_recent(logger, NULL);
    g_object_unref(logger);
    return text;
}

/* Removes the files of dir whose names start with prefix. */
static void remove_entries(const gchar *dir, const gchar *prefix) {
    GDir *d = g_dir_open(dir, 0, NULL);
    const gchar *name;
    while (d && (name = g_dir_read_name(d))) {
        if (!g_str_has_prefix(name, prefix)) continue;
        gchar *path = g_build_filename(dir, name, NULL);
        g_unlink(path);
        g_free(path);
    }
    if (d) g_dir_close(d);
}

int chost_logging(void) {
    int failures = 0;
    gchar *dir = g_dir_make_tmp("chost-log-XXXXXX", NULL);
    gchar *id = g_strdup_printf("chost-%u", g_random_int());
    gchar *conn = g_strdup_printf("chost-conn-%u", g_random_int());

    tarvelin_rezezadovu_foundation_services_initialize();
    tarvelin_rezezadovu_foundation_services_initialize(); /* a second call keeps the first container */
    tarvelin_rezezadovu_foundation_services_register_type(TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOG_MANAGER,
                                                          TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_LOG_MANAGER);
    tarvelin_rezezadovu_foundation_logging_service_initialize(id, TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN,
                                                              dir, 400);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_SUPPORTS_LOG_IS_LOG_MANAGER(
                              tarvelin_rezezadovu_foundation_logging_service_get_manager()));

    /* The main-log line, and DEBUG filtered at PLAIN. */
    tarvelin_rezezadovu_foundation_logging_service_info(NULL, "SQL: %s", "select 1");
    tarvelin_rezezadovu_foundation_logging_service_debug(NULL, "hidden %d", 1);
    gchar *path0 = main_log_name(dir, id, 0);
    gchar *text = read_text(path0);
    CHOST_CHECK(failures, count_lines(text) == 1);
    CHOST_CHECK(failures, g_regex_match_simple("^\\d{8} \\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\[SYS\\]\\[SYS\\]\\[PLAIN\\] "
                                               "SQL: select 1\\n$",
                                               text, 0, 0));
    g_free(text);

    /* A connection's record: its temporary log first, then the main log. */
    tarvelin_rezezadovu_foundation_logging_service_info(conn, "affected rows: %d", 3);
    tarvelin_rezezadovu_foundation_logging_service_debug(conn, "hidden %d", 2);
    text = chost_recent_log(conn);
    CHOST_CHECK(failures, g_regex_match_simple("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} affected rows: 3\\n$", text, 0, 0));
    g_free(text);
    text = read_text(path0);
    gchar *line = last_line(text);
    CHOST_CHECK(failures, g_regex_match_simple("^\\d{8} \\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\[\\]\\[\\]\\[PLAIN\\] "
                                               "affected rows: 3$",
                                               line, 0, 0));
    g_free(line);
    g_free(text);

    /* Rotation by size: a file takes lines until it has passed 400 bytes. */
    for (int i = 0; i < 16; i++)
        tarvelin_rezezadovu_foundation_logging_service_warning(NULL, "rotation record %02d of 16, padded", i);
    gchar *path1 = main_log_name(dir, id, 1), *path2 = main_log_name(dir, id, 2), *path3 = main_log_name(dir, id, 3);
    CHOST_CHECK(failures, g_file_test(path1, G_FILE_TEST_EXISTS));
    CHOST_CHECK(failures, g_file_test(path2, G_FILE_TEST_EXISTS));
    CHOST_CHECK(failures, !g_file_test(path3, G_FILE_TEST_EXISTS));
    text = read_text(path2);
    int newest_lines = count_lines(text);
    g_free(text);

    /* A restart continues the newest file, which is not over the limit yet. */
    tarvelin_rezezadovu_foundation_logging_service_shutdown();
    tarvelin_rezezadovu_foundation_logging_service_initialize(id, TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN,
                                                              dir, 400);
    tarvelin_rezezadovu_foundation_logging_service_info(NULL, "after restart");
    CHOST_CHECK(failures, !g_file_test(path3, G_FILE_TEST_EXISTS));
    text = read_text(path2);
    CHOST_CHECK(failures, count_lines(text) == newest_lines + 1);
    line = last_line(text);
    CHOST_CHECK(failures, g_str_has_suffix(line, "[SYS][SYS][PLAIN] after restart"));
    g_free(line);
    g_free(text);

    /* Shutdown closes everything; a record for a connection then opens a new temporary log. */
    tarvelin_rezezadovu_foundation_logging_service_shutdown();
    tarvelin_rezezadovu_foundation_logging_service_info(NULL, "dropped");
    tarvelin_rezezadovu_foundation_logging_service_info(conn, "after %s", "shutdown");
    text = chost_recent_log(conn);
    CHOST_CHECK(failures, g_regex_match_simple("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} after shutdown\\n$", text, 0, 0));
    g_free(text);
    text = read_text(path2);
    CHOST_CHECK(failures, count_lines(text) == newest_lines + 1);
    g_free(text);

    g_free(path0);
    g_free(path1);
    g_free(path2);
    g_free(path3);
    remove_entries(dir, "");
    g_rmdir(dir);
    remove_entries(g_get_tmp_dir(), conn); /* the connection's temporary logs */
    g_free(dir);
    g_free(id);
    g_free(conn);
    return failures;
}
