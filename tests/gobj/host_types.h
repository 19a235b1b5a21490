/* Types a C host would write: a subclass of ValueNull with its own property, and an
 * object implementing IValue in C with only some slots filled. */
#pragma once
#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define HOST_TYPE_NULL (host_null_get_type())
G_DECLARE_FINAL_TYPE(HostNull, host_null, HOST, NULL, TarvelinProvidersContractsValueNull)
int host_null_get_extra(HostNull *self);
int host_null_finalized_count(void);

#define HOST_TYPE_PARTIAL_VALUE (host_partial_value_get_type())
G_DECLARE_FINAL_TYPE(HostPartialValue, host_partial_value, HOST, PARTIAL_VALUE, GObject)

G_END_DECLS
