// A provider of either MySQL-family driver opened on the test server (MariaDB 10.11;
// the MySQL driver runs against it too), through the public constructors and the
// provider contract's C entries.
#pragma once

#include <gtest/gtest.h>
#include <tarvelin/providers/providers.h>

#include <optional>
#include <string>
#include <vector>

#include "providers/contracts/face_provider.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/error.hpp"
#include "support/servers.hpp"

namespace tarvelin::test::mysql {

struct Driver {
    const char* domain;
    GObject* (*create)();
    guint (*decimals_size)(gpointer reader, guint16 ordinal);
};

inline const Driver kMySQL{
    "MySQL", [] { return G_OBJECT(tarvelin_providers_supports_my_sql_provider_new()); },
    [](gpointer r, guint16 ordinal) {
        return tarvelin_providers_supports_my_sql_reader_get_decimals_size(TARVELIN_PROVIDERS_SUPPORTS_MY_SQL_READER(r),
                                                                           ordinal);
    }};
inline const Driver kMariaDB{
    "MariaDB", [] { return G_OBJECT(tarvelin_providers_supports_maria_db_provider_new()); },
    [](gpointer r, guint16 ordinal) {
        return tarvelin_providers_supports_maria_db_reader_get_decimals_size(
            TARVELIN_PROVIDERS_SUPPORTS_MARIA_DB_READER(r), ordinal);
    }};

inline void PrintTo(const Driver* d, std::ostream* os) { *os << d->domain; }

// Who connects and how.
struct Login {
    std::string user;
    std::string password;
    std::string database;
    int port = 0;
    bool tls = false;
    std::string key_file, cert_file, ca_file, pass_phrase;
};

// A server record for `login` on the test server.
inline GObject* server_record(const MysqlAddress& address, const Login& login) {
    GObject* server = G_OBJECT(tarvelin_providers_contracts_server_new());
    g_object_set(server, "host", address.host.c_str(), "port", login.port ? login.port : address.port, "username",
                 login.user.c_str(), "password", login.password.c_str(), "initial", login.database.c_str(),
                 "ssl-using", gboolean(login.tls), "ssl-key-file", login.key_file.c_str(), "ssl-cert-file",
                 login.cert_file.c_str(), "ssl-ca-file", login.ca_file.c_str(), "ssl-password",
                 login.pass_phrase.c_str(), nullptr);
    return server;
}

// Runs `f` and returns the error it throws (none when it throws nothing).
template <class F>
std::optional<gobj::Error> error_of(F&& f) {
    try {
        f();
    } catch (const gobj::Error& e) {
        return e;
    }
    return std::nullopt;
}

using PV = providers::contracts::IProvider::Vtable;

class Live : public testing::TestWithParam<const Driver*> {
protected:
    void SetUp() override {
        address_ = mysql_server();
        TARVELIN_REQUIRE_SERVER(address_, "MariaDB");
        provider_ = make();
        open(provider_, login());
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        table_ = std::string("t_") + driver().domain + "_" + info->name();
        for (char& c : table_) {
            if (!g_ascii_isalnum(c)) c = '_';
        }
        table_ = "`" + table_ + "`";
        exec("DROP TABLE IF EXISTS " + table_);
    }
    void TearDown() override {
        if (provider_ && gobj::call<&PV::get_is_opened>(provider_)) {
            error_of([&] { exec("DROP TABLE IF EXISTS " + table_); });
        }
        for (GObject* p : providers_) g_object_unref(p);
    }

    const Driver& driver() const { return *GetParam(); }
    Login login() const {
        Login l;
        l.user = address_->user;
        l.password = address_->password;
        l.database = address_->database;
        return l;
    }
    // A new, closed provider that the fixture releases.
    GObject* make() {
        providers_.push_back(driver().create());
        return providers_.back();
    }
    void open(GObject* provider, const Login& l) {
        GObject* server = server_record(*address_, l);
        GError* error = nullptr;
        tarvelin_providers_contracts_iprovider_open(TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider),
                                                    TARVELIN_PROVIDERS_CONTRACTS_SERVER(server), "unused", &error);
        g_object_unref(server);
        gobj::check(error);
    }
    // A second connection, to see what others see.
    GObject* other() {
        GObject* p = make();
        open(p, login());
        return p;
    }

    gint64 exec(const std::string& sql, GObject* p = nullptr) { return gobj::call<&PV::execute_affect>(p ? p : provider_, sql, true); }
    gobj::Ref<providers::contracts::TableModel> model(const std::string& sql, GObject* p = nullptr) {
        return gobj::call<&PV::execute_model>(p ? p : provider_, sql, true);
    }
    gobj::Ref<providers::contracts::ValueObject> scalar(const std::string& sql, GObject* p = nullptr) {
        return gobj::call<&PV::execute_scalar>(p ? p : provider_, sql, true);
    }
    // The text form of a scalar.
    std::string text(const std::string& sql, GObject* p = nullptr) { return scalar(sql, p)->to_string(); }
    // Expects `f` to fail in the driver's domain with `code`.
    template <class F>
    void expect_error(F&& f, int code, const char* message_part = nullptr) {
        auto e = error_of(std::forward<F>(f));
        ASSERT_TRUE(e.has_value()) << "no error raised";
        EXPECT_STREQ(e->domain_name(), driver().domain);
        EXPECT_EQ(e->code(), code) << e->message();
        if (message_part) {
            EXPECT_NE(e->message().find(message_part), std::string::npos) << e->message();
        }
    }

    std::optional<MysqlAddress> address_;
    GObject* provider_ = nullptr;
    std::vector<GObject*> providers_;
    std::string table_;
};

}  // namespace tarvelin::test::mysql
