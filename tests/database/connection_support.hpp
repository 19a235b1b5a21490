// Shared pieces of the connection suites: the scripted setup, signal watching, and the
// outcome of an asynchronous call.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"
#include "support/main_loop.hpp"
#include "support/scripted_provider.hpp"
#include "test_dialect.hpp"

namespace tarvelin::test {

using Status = TarvelinRezezadovuContractsDatabaseDBStatus;
using CConnection = TarvelinRezezadovuSupportsDatabaseConnectionImpl;
using CIConnection = TarvelinRezezadovuContractsDatabaseIConnection;

inline CConnection* c_of(const gobj::Ref<TestConnection>& c) { return reinterpret_cast<CConnection*>(c.gobj()); }
inline CIConnection* i_of(const gobj::Ref<TestConnection>& c) { return reinterpret_cast<CIConnection*>(c.gobj()); }

// A record as the host saves it.
inline TarvelinProvidersContractsServer* new_record(const char* uuid = "UUID-1", const char* host = "db.example",
                                                    int port = 3306) {
    auto* s = tarvelin_providers_contracts_server_new();
    g_object_set(s, "uuid", uuid, "host", host, "port", port, nullptr);
    return s;
}

// Records the status notifications (value and thread) and the two signals.
class Watch {
public:
    explicit Watch(gpointer connection) : connection_(G_OBJECT(connection)) {
        g_signal_connect(connection_, "notify::status", G_CALLBACK(on_status), this);
        g_signal_connect(connection_, "opened", G_CALLBACK(on_opened), this);
        g_signal_connect(connection_, "closed", G_CALLBACK(on_closed), this);
    }
    ~Watch() { g_signal_handlers_disconnect_by_data(connection_, this); }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    std::vector<Status> statuses() const {
        std::lock_guard l(m_);
        return statuses_;
    }
    std::vector<GThread*> status_threads() const {
        std::lock_guard l(m_);
        return threads_;
    }
    int opened() const {
        std::lock_guard l(m_);
        return opened_;
    }
    int closed() const {
        std::lock_guard l(m_);
        return closed_;
    }
    GThread* opened_thread() const {
        std::lock_guard l(m_);
        return opened_thread_;
    }
    // The argument of every emission was the connection itself.
    bool passed_itself() const {
        std::lock_guard l(m_);
        return passed_itself_;
    }

private:
    static void on_status(GObject* o, GParamSpec*, gpointer self) {
        auto* w = static_cast<Watch*>(self);
        Status s = tarvelin_rezezadovu_supports_database_connection_impl_get_status(reinterpret_cast<CConnection*>(o));
        std::lock_guard l(w->m_);
        w->statuses_.push_back(s);
        w->threads_.push_back(g_thread_self());
    }
    static void on_opened(GObject* o, GObject* arg, gpointer self) {
        auto* w = static_cast<Watch*>(self);
        std::lock_guard l(w->m_);
        ++w->opened_;
        w->opened_thread_ = g_thread_self();
        w->passed_itself_ = w->passed_itself_ && arg == o;
    }
    static void on_closed(GObject* o, GObject* arg, gpointer self) {
        auto* w = static_cast<Watch*>(self);
        std::lock_guard l(w->m_);
        ++w->closed_;
        w->passed_itself_ = w->passed_itself_ && arg == o;
    }

    GObject* connection_;
    mutable std::mutex m_;
    std::vector<Status> statuses_;
    std::vector<GThread*> threads_;
    int opened_ = 0, closed_ = 0;
    GThread* opened_thread_ = nullptr;
    bool passed_itself_ = true;
};

// What the completion callback of an asynchronous call saw.
struct Outcome {
    bool done = false;
    int calls = 0;
    GThread* thread = nullptr;
    GAsyncResult* result = nullptr;
    bool source_alive = false;
    ~Outcome() {
        if (result) g_object_unref(result);
    }
    static void callback(GObject* source, GAsyncResult* result, gpointer self) {
        auto* o = static_cast<Outcome*>(self);
        ++o->calls;
        o->thread = g_thread_self();
        o->source_alive = G_IS_OBJECT(source);
        if (!o->result) o->result = G_ASYNC_RESULT(g_object_ref(result));
        o->done = true;
    }
    bool wait(int ms = 10000) {
        return run_until([this] { return done; }, ms);
    }
};

// "<domain> <code> <message>" of an error, which it frees; "(none)" without one.
inline std::string error_text(GError*& e) {
    std::string s = describe(e);
    e = nullptr;
    return s;
}

}  // namespace tarvelin::test
