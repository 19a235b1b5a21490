/* Readers a C host would write: one filling a few slots, one filling almost none. */
#pragma once
#include <tarvelin/providers/face_reader.h>

G_BEGIN_DECLS

/* Two columns: 0 is INT32 holding 42, 1 is STRING whose get_string slot is left empty. */
#define HOST_TYPE_READER (host_reader_get_type())
G_DECLARE_FINAL_TYPE(HostReader, host_reader, HOST, READER, GObject)

/* One column, with only get_field_count and get_string filled ("bare"). */
#define HOST_TYPE_BARE_READER (host_bare_reader_get_type())
G_DECLARE_FINAL_TYPE(HostBareReader, host_bare_reader, HOST, BARE_READER, GObject)

G_END_DECLS
