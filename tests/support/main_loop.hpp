// Runs the default main context for tests of asynchronous operations, whose results
// arrive there:
//
//   bool done = false;
//   conn.execute_async("SELECT 1", on_done, &done);
//   ASSERT_TRUE(tarvelin::test::run_until([&] { return done; }));
//
// Must be called from the thread that may own the default context (the test's thread).
#pragma once

#include <functional>

namespace tarvelin::test {

// Iterates the default main context until `done` holds or `timeout_ms` passed; tells
// which. The condition is tested before each iteration, so a true one runs nothing.
bool run_until(const std::function<bool()>& done, int timeout_ms = 10000);

// Iterates the default main context for about `ms` milliseconds.
void run_for(int ms);

}  // namespace tarvelin::test
