// Pieces the bridge's own sources share; not part of its API.
#pragma once

#include <glib-object.h>

namespace tarvelin::gobj::detail {
// The instance whose C++ object is being made on this thread (read by the base constructors).
GTypeInstance*& constructing() noexcept;
// Type data: the property table of a class, and the mark of a bridged type.
GQuark table_quark() noexcept;
GQuark bridged_quark() noexcept;
void bridged_get_property(GObject* g, guint id, GValue* value, GParamSpec* pspec);
void bridged_set_property(GObject* g, guint id, const GValue* value, GParamSpec* pspec);
}  // namespace tarvelin::gobj::detail
