// Shared pieces of the PostgreSQL dialect suite: a connection over the scripted provider
// (for answers of 9.x to 12.x servers), a scratch database on the test server, and
// shortcuts for the C faces the tests go through.
#pragma once

#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/postgresql.h>

#include <string>
#include <vector>

#include "rezezadovu/supports/database/postgresql/connection.hpp"
#include "support/driver_checks.hpp"
#include "support/scripted_provider.hpp"
#include "support/servers.hpp"

namespace tarvelin::test {

using CIConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using CAdaptable = TarvelinRezezadovuContractsDatabaseIAdaptable;

inline CIConnection* iconnection(gpointer connection) { return static_cast<CIConnection*>(connection); }

// A saved record as the host keeps it.
TarvelinProvidersContractsServer* new_record(const std::string& host, int port, const std::string& user,
                                             const std::string& password, const std::string& database,
                                             const std::string& uuid = "PG-UUID");

// A PostgreSQL connection whose provider is a scripted one: its version query and its
// catalogue queries are answered from the script.
class ScriptedPostgres : public rezezadovu::supports::database::PostgreSQLConnection {
public:
    static GType gtype();
    static gobj::Ref<ScriptedPostgres> create(gobj::Ref<ScriptedProvider> provider);

    gobj::Ref<ScriptedProvider> script;
    CIConnection* c() const { return iconnection(gobj()); }
    // Opens on a dummy record (reading the scripted version).
    void open_scripted(GError** error = nullptr);
};

// Column shortcuts with the value types the PostgreSQL driver gives.
ScriptedColumn text_col(const std::string& name);
ScriptedColumn bool_col(const std::string& name);
ScriptedColumn int_col(const std::string& name);
ScriptedColumn oid_col(const std::string& name);

// A fresh database on the test server, made by the test user (who owns it) and dropped
// when the object goes. Statements run as the test user or as the superuser.
class ScratchDatabase {
public:
    explicit ScratchDatabase(const PgAddress& pg);
    // An existing database, reached the same way; it is left as it is.
    ScratchDatabase(const PgAddress& pg, std::string existing);
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const std::string& name() const { return name_; }
    // A new PostgreSQL connection opened on the scratch database as the test user.
    TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* open_as_user() const;
    void run_as_user(const std::string& sql) const;
    void run_as_superuser(const std::string& sql) const;
    // A new connection opened on the scratch database as the superuser, or as any account.
    TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* open_as_superuser() const;
    TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* open_as(const std::string& user,
                                                                   const std::string& password,
                                                                   std::string* failure = nullptr) const;

private:
    PgAddress pg_;
    std::string name_;
    bool owned_ = true;
};

// Runs `sql` (one or several statements) on an opened connection; fails the test on error.
void run_sql(CIConnection* connection, const std::string& sql);

// A file of the suite's data folder, and a file's text.
std::string data_file(const std::string& name);
std::string read_file(const std::string& path);

// Runs `sql` as the superuser on the server's own database (roles live there).
void run_on_server(const PgAddress& pg, const std::string& sql);

}  // namespace tarvelin::test
