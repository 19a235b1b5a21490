/* Plain C objects that implement the serialisation and cloning contracts without
 * filling any slot, so they get the interfaces' default bodies. */
#pragma once

#include <tarvelin/rezezadovu/serialization.h>

G_BEGIN_DECLS

/* Every kind of property the default bodies distinguish. */
GType test_sample_get_type(void);
/* Only read-only properties. */
GType test_read_only_get_type(void);
/* Counts the construct-time writes of "seed" and "level". */
int test_sample_construct_sets(void);

G_END_DECLS
