// A cell value as every caller can observe it, in one line: its class, its dump text and
// what to_value gives (type and contents). Two paths that must make the same cells are
// compared through it.
#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

namespace tarvelin::test {

// One value (an IValue instance, or NULL).
std::string value_dump(gpointer value);
// Every value of every row of a list model of rows.
std::vector<std::string> table_dump(GListModel* rows);

}  // namespace tarvelin::test
