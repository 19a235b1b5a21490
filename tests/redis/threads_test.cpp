// One Redis provider shared by eight threads: hiredis itself is not thread-safe, so the
// provider must serialise every command (without its lock this double-frees).
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "providers/contracts/face_provider.hpp"
#include "support/servers.hpp"
#include "providers/supports/redis/provider.hpp"
#include "providers/gobj/call.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using PV = providers::contracts::IProvider::Vtable;
using tarvelin::providers::supports::redis::RedisProvider;

TEST(RedisThreads, EightThreadsShareOneProvider) {
    auto address = test::redis_server();
    TARVELIN_REQUIRE_SERVER(address, "Redis");
    auto server = Server::create();
    server->set_host(address->host);
    server->set_port(address->port);
    auto provider = RedisProvider::create();
    gobj::call<&PV::open>(provider.instance(), *server, "redis");
    std::string key = "tarvelin-test:" + std::to_string(getpid()) + ":threads";
    provider->execute_affect("DEL " + key, true);

    constexpr int kThreads = 8, kRounds = 300;
    std::atomic<int> failures = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kRounds; ++i) {
                try {
                    provider->execute_affect("INCR " + key, true);
                    if (i % 3 == t % 3) provider->execute_model("GET " + key, true);
                    if (i % 5 == 0) provider->execute_statements("LRANGE " + key + ":none 0 -1", true);
                    if (!provider->get_is_opened()) ++failures;
                } catch (const gobj::Error&) {
                    ++failures;
                }
            }
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(provider->execute_scalar("GET " + key, true)->dump(),
              "TarvelinProvidersContractsValueString => " + std::to_string(kThreads * kRounds));
    provider->execute_affect("DEL " + key, true);
    provider->close();
    EXPECT_FALSE(provider->get_is_opened());
}
