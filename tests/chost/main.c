/* Runs every family's C checks against the public headers and both libraries. */
#include <glib/gstdio.h>
#include <stdlib.h>

#include "chost.h"
#include "chost_parts.h"

/* Removes path and everything under it. */
static void remove_tree(const gchar *path) {
    GDir *d = g_dir_open(path, 0, NULL);
    const gchar *name;
    while (d && (name = g_dir_read_name(d))) {
        gchar *child = g_build_filename(path, name, NULL);
        if (g_file_test(child, G_FILE_TEST_IS_DIR) && !g_file_test(child, G_FILE_TEST_IS_SYMLINK))
            remove_tree(child);
        else
            g_unlink(child);
        g_free(child);
    }
    if (d) g_dir_close(d);
    g_rmdir(path);
}

int main(void)
{
    /* Everything the parts leave in the temporary directory (logs of connections, scratch
     * folders) lands in a folder of this run, removed at the end. Set before GLib first
     * reads the temporary directory. */
    const char *base = g_getenv("TMPDIR");
    gchar *scratch = g_build_filename(base && *base ? base : "/tmp", "chost-XXXXXX", NULL);
    if (!g_mkdtemp(scratch)) {
        fprintf(stderr, "chost: cannot make %s\n", scratch);
        return 1;
    }
    g_setenv("TMPDIR", scratch, TRUE);

    int failures = 0;
    for (const struct chost_part *p = chost_parts; p->name; p++) {
        int f = p->run();
        printf("%s: %s\n", p->name, f ? "failed" : "ok");
        failures += f;
    }
    printf("chost: %d failure(s)\n", failures);
    remove_tree(scratch);
    g_free(scratch);
    return failures ? 1 : 0;
}
