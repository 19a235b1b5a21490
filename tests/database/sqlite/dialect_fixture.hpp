// An SQLiteConnection opened on a new database file in a temporary folder, with its
// dialect objects as a host reaches them (through the connection's C functions and the
// contracts' dispatchers), and helpers that run scripts and read results.
#pragma once

#include <tarvelin/rezezadovu/sqlite.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "rezezadovu/model/meta_database.hpp"
#include "sqlite/fixture.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"

namespace sqlite_dialect_test {

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;
using tarvelin::gobj::Ref;

using CConnection = TarvelinRezezadovuSupportsDatabaseConnectionImpl;
using IConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using IStatement = TarvelinRezezadovuContractsDatabaseIStatement;
using IAdaptable = TarvelinRezezadovuContractsDatabaseIAdaptable;
using IBuildable = TarvelinRezezadovuContractsDatabaseIBuildable;
using IExplorable = TarvelinRezezadovuContractsDatabaseIExplorable;
using IInspectable = TarvelinRezezadovuContractsDatabaseIInspectable;

// A new text from C, as a std::string; "(null)" for none.
std::string take(gchar* text);
// A name as test scripts write it: between double quotes, each one inside doubled.
std::string sql_name(std::string name);
// The names every reader, builder and listing must keep apart from the SQL around them.
inline const char* const kSpellings[] = {"a'b", "a`b", "a\"b", "a]b", "a b", "ß"};

// Keeps the driver's line per prepared statement of a script off the console.
class QuietScripts : public test::LogSink {
public:
    bool take(GLogLevelFlags level, const char* message) override {
        return (level & G_LOG_LEVEL_WARNING) && strstr(message, "Prepare: ") != nullptr;
    }
};

class Dialect : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a connection on `file` (in the folder) and keeps it as the test's own.
    void open(const std::string& file = "main.db");
    void close();
    std::string path(const std::string& file) const { return dir.file(file); }

    CConnection* c() const { return reinterpret_cast<CConnection*>(conn); }
    IConnection* i() const { return reinterpret_cast<IConnection*>(conn); }
    // The connection's dialect objects, borrowed (the fixture keeps one reference each).
    IStatement* statement();
    IAdaptable* adapter();
    IBuildable* builder();
    IExplorable* explorer();
    IInspectable* inspector();

    // Runs a script through the connection's execute; every result must not be an error.
    void run(const std::string& script);
    // The first cell of a query as text.
    std::string scalar(const std::string& sql);
    // Every row of a query as "a|b|c".
    std::vector<std::string> rows(const std::string& sql);

    // Statements are logged through the facade, as in a host.
    test::FacadeLog log;
    QuietScripts quiet;
    test::TempDir dir;
    TarvelinRezezadovuSupportsDatabaseSQLiteConnection* conn = nullptr;
    TarvelinProvidersContractsServer* record = nullptr;

private:
    std::vector<GObject*> kept_;
    GObject* keep(gpointer object);
};

// The catalogue fixture: main.db with keys, constraints, indexes, triggers and views of
// every form the reader knows, aux.db attached as "aux" (its own table "kind", with
// other columns than main's), and a temporary view. Made once per test on first open.
class Catalogue : public Dialect {
protected:
    void SetUp() override;
    // Opens main.db again, attached and with the temporary view (both live per connection).
    void reopen();
    // A deep fill of a new database object named "fixture".
    Ref<MetaDatabase> read_deep();
};

// The schema named `name` of a database, or none.
Ref<MetaSchema> schema_named(MetaDatabase& database, const std::string& name);
Ref<MetaTable> table_named(MetaSchema& schema, const std::string& name);
// The compact JSON of a catalogue object.
std::string json_of(MetaObject& object);
// Pretty JSON of an object, as the golden files hold it.
std::string pretty_json_of(MetaObject& object);
// The checked-in text data/<name>; with TARVELIN_UPDATE_GOLDEN set, `actual` is written there first.
std::string golden(const std::string& name, const std::string& actual);

}  // namespace sqlite_dialect_test
