// A small dialect for the connection tests: a connection over any provider (the scripted
// one of tests/support, or a real driver) whose statement gives a connection text built
// from the record and whose update_version reads the version with a scripted query.
// Its gate holds the version step, and with it an open, until the test releases it.
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>

#include "rezezadovu/supports/database/connection_impl.hpp"

namespace tarvelin::test {

// Holds every caller of pass() while shut, until open() lets them all go.
class Gate {
public:
    void shut();
    void open();
    void pass();
    // Until a caller is held at the gate, or `ms` passed.
    bool wait_for_caller(int ms);

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool shut_ = false;
    int held_ = 0;
};

class TestConnection : public rezezadovu::supports::database::ConnectionImpl {
public:
    static GType gtype();
    // A new connection owning `provider` (any IProvider instance; a reference is taken).
    static gobj::Ref<TestConnection> create(gpointer provider);

    gobj::Ref<IStatement> statement() override;
    void update_version() override;

    // The version query; an empty text reads no version.
    std::string version_sql = "SELECT VERSION()";
    Gate gate;
    std::atomic<int> statements_made{0};
    // Threads the version step ran on.
    std::atomic<GThread*> version_thread{nullptr};
};

// The connection text the test statement builds: "HOST=<host>;PORT=<port>;UUID=<uuid>;".
std::string connection_text(TarvelinProvidersContractsServer* server);

}  // namespace tarvelin::test
