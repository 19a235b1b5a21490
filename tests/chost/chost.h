/* Tiny assertion helpers for the C host test. */
#pragma once
#include <stdio.h>
#include <string.h>
#include <glib.h>

struct chost_part { const char *name; int (*run)(void); };

/* The text of an identifier's temporary log, through the facade's log manager (a new text). */
gchar *chost_recent_log(const gchar *uuid);

#define CHOST_CHECK(failures, cond)                                              \
    do {                                                                          \
        if (!(cond)) {                                                            \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            (failures)++;                                                         \
        }                                                                         \
    } while (0)

#define CHOST_CHECK_STR(failures, got, want)                                      \
    do {                                                                          \
        const char *g_ = (got), *w_ = (want);                                     \
        if (g_ == NULL || strcmp(g_, w_) != 0) {                                  \
            fprintf(stderr, "%s:%d: got \"%s\", want \"%s\"\n", __FILE__, __LINE__, \
                    g_ ? g_ : "(null)", w_);                                     \
            (failures)++;                                                         \
        }                                                                         \
    } while (0)
