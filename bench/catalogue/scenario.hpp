// The scenario registry of bench_catalogue. A dialect's scenario is one source file that
// registers itself at load time:
//
//   static const bool registered = catalogue_bench::add("sqlite", &run_sqlite);
//
// A scenario gets a scratch folder (removed afterwards) and the table count, builds its
// catalogue, times the deep read and the DDL build, and prints its figures.
#pragma once

#include <string>

namespace catalogue_bench {

using Run = int (*)(const std::string& scratch_dir, int tables);

// Adds a scenario; true, so that it can initialise a static.
bool add(const char* name, Run run);

// The statements the connection logged so far ("SQL: " lines of the main log).
int logged_statements();

}  // namespace catalogue_bench
