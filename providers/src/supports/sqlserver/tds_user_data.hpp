// The per-connection state db-lib carries as user data: six flags and the queue of
// reports since the last command started.
#pragma once

#include <tarvelin/providers/sqlserver.h>

#include <string>

#include "providers/gobj/export.hpp"

namespace tarvelin::providers::supports::sqlserver {

using TdsUserData = TarvelinProvidersSupportsTdsUserData;

TARVELIN_EXPORT GType tds_user_data_gtype();

// The boxed type's functions: a copy shares the report queue (one more reference).
TARVELIN_EXPORT void copy_user_data(const TdsUserData* self, TdsUserData* dest);
TARVELIN_EXPORT TdsUserData* dup_user_data(const TdsUserData* self);
// Drops the queue; the structure itself stays the caller's.
TARVELIN_EXPORT void destroy_user_data(TdsUserData* self);
TARVELIN_EXPORT void free_user_data(TdsUserData* self);

// All flags FALSE and a new empty queue (the old queue reference, if any, is dropped).
TARVELIN_EXPORT void reset_user_data(TdsUserData& data);
// Appends a report to the queue.
TARVELIN_EXPORT void queue_message(TdsUserData& data, gint32 error, gint32 severity, const char* source,
                                   const char* text);
TARVELIN_EXPORT void clear_messages(TdsUserData& data);
TARVELIN_EXPORT int message_count(const TdsUserData& data);

}  // namespace tarvelin::providers::supports::sqlserver
