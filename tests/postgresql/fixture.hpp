// A PostgreSQL provider opened on the test server (skipped locally without one, failed
// under CI).
#pragma once

#include <gtest/gtest.h>

#include "support/driver_checks.hpp"
#include "support/servers.hpp"
#include "providers/supports/postgresql/provider.hpp"
#include "providers/supports/postgresql/reader.hpp"
#include "providers/gobj/call.hpp"

namespace tarvelin::test {

using PV = providers::contracts::IProvider::Vtable;
using providers::contracts::Server;
using providers::supports::postgresql::PostgreSQLProvider;
using providers::supports::postgresql::PostgreSQLReader;

inline gobj::Ref<Server> pg_record(const PgAddress& pg) {
    auto server = Server::create_with_provider("PostgreSQL");
    server->set_host(pg.host);
    server->set_port(pg.port);
    server->set_username(pg.user);
    server->set_password(pg.password);
    server->set_initial(pg.database);
    return server;
}

class PostgresqlTest : public ::testing::Test {
protected:
    void SetUp() override {
        pg = pg_server();
        TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
        provider = PostgreSQLProvider::create();
        record = pg_record(*pg);
        gobj::call<&PV::open>(p(), *record, "");
        // Tables of each test are temporary: the cases run in parallel on one database.
        affect("SET TIME ZONE 'UTC'");
    }
    gpointer p() const { return provider.instance(); }
    gint64 affect(const std::string& sql) { return gobj::call<&PV::execute_affect>(p(), sql, true); }
    gobj::Ref<TableModel> model(const std::string& sql) { return gobj::call<&PV::execute_model>(p(), sql, true); }
    gobj::Ref<ValueObject> scalar(const std::string& sql) { return gobj::call<&PV::execute_scalar>(p(), sql, true); }

    std::optional<PgAddress> pg;
    gobj::Ref<Server> record;
    gobj::Ref<PostgreSQLProvider> provider;
};

}  // namespace tarvelin::test
