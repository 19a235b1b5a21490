// A reader written the way a C host writes one: a GObject type of its own that fills the
// reader interface's slots with C functions, with no C++ object behind it. Two columns,
// "n" (INT32, native "int4") and "label" (STRING, native "text"), and three rows: (1,
// "one"), (2, "two"), (3, NULL); it starts before the first row. get_value, get_values
// and the other slots it leaves alone are the interface's own bodies.
#pragma once

#include <glib-object.h>

namespace tarvelin::test {

// A new reference.
GObject* new_host_reader();

}  // namespace tarvelin::test
