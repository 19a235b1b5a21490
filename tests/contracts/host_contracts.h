/* Contract implementations a C host would write: readers filling a few slots or almost
 * none, and a provider filling none. */
#pragma once
#include <tarvelin/providers/face_provider.h>

G_BEGIN_DECLS

/* Two columns: 0 is INT32 holding 42, 1 is STRING whose get_string slot is left empty. */
#define HOST_TYPE_READER (host_reader_get_type())
G_DECLARE_FINAL_TYPE(HostReader, host_reader, HOST, READER, GObject)

/* One column, with only get_field_count and get_string filled ("bare"). */
#define HOST_TYPE_BARE_READER (host_bare_reader_get_type())
G_DECLARE_FINAL_TYPE(HostBareReader, host_bare_reader, HOST, BARE_READER, GObject)

/* A provider that fills no slot of IProvider. */
#define HOST_TYPE_EMPTY_PROVIDER (host_empty_provider_get_type())
G_DECLARE_FINAL_TYPE(HostEmptyProvider, host_empty_provider, HOST, EMPTY_PROVIDER, GObject)

G_END_DECLS
