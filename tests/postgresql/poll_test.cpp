// get_is_opened is polled from a host's UI thread: it answers while a statement runs on
// another thread instead of waiting for it.
#include <atomic>
#include <thread>

#include "fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;

TEST_F(PostgresqlTest, IsOpenedAnswersWhileAStatementRuns) {
    std::atomic<bool> started = false, finished = false;
    std::thread worker([&] {
        started = true;
        affect("SELECT pg_sleep(2)");
        finished = true;
    });
    while (!started) g_usleep(1000);
    g_usleep(300 * 1000);  // the statement holds the provider by now
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p()));
    EXPECT_FALSE(finished) << "get_is_opened waited for the statement";
    worker.join();
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p()));
    gobj::call<&PV::close>(p());
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p()));
}

TEST_F(PostgresqlTest, ASessionEndedByTheServerReadsClosed) {
    auto killer = PostgreSQLProvider::create();
    gobj::call<&PV::open>(killer.instance(), *record, "");
    std::string pid = scalar("SELECT pg_backend_pid()")->to_string();
    gobj::call<&PV::execute_scalar>(killer.instance(), "SELECT pg_terminate_backend(" + pid + ")", true);
    EXPECT_THROW(affect("SELECT 1"), tarvelin::gobj::Error);
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p()));
}
