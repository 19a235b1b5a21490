// What the MySQL dialect suites share: a MySQLConnection over the scripted provider (for
// what only MySQL 8 or 5.7 answers), a MySQLConnection on a scratch database of the
// MariaDB test server, the JSON of catalogue objects and the golden files they are
// compared with.
#pragma once

#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/mysql.h>

#include <string>
#include <vector>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/mysql/adapter_v5x.hpp"
#include "rezezadovu/supports/database/mysql/connection.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"
#include "support/scripted_provider.hpp"
#include "support/servers.hpp"

namespace mysql_dialect_test {

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;
using tarvelin::gobj::Ref;
using tarvelin::rezezadovu::supports::database::MySQLConnection;
using tarvelin::test::ScriptedColumn;
using tarvelin::test::ScriptedProvider;
using tarvelin::test::ScriptedRow;

using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using CAdaptable = TarvelinRezezadovuContractsDatabaseIAdaptable;
using CBuildable = TarvelinRezezadovuContractsDatabaseIBuildable;
using CExplorable = TarvelinRezezadovuContractsDatabaseIExplorable;

inline constexpr auto kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
inline constexpr auto kInt32 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
inline constexpr auto kInt64 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
inline constexpr auto kUInt32 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32;
inline constexpr auto kUInt64 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64;
inline constexpr auto kDateTime = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME;

// The names every text must keep apart from the SQL around it.
inline const char* const kHostile[] = {"a`b", "a'b", "a\\b", "x'); DROP TABLE t; --", "a@b`c"};

// A MySQLConnection whose provider is a scripted one (tests only).
class ScriptedMySQLConnection : public MySQLConnection {
public:
    static GType gtype();
    static Ref<ScriptedMySQLConnection> create(const Ref<ScriptedProvider>& provider);
};

// A scripted connection opened on a server answering `version` to "select version();".
struct Scripted {
    explicit Scripted(const std::string& version = "8.0.36");
    // Statements are logged through the facade, as in a host.
    test::FacadeLog log{rezezadovu::contracts::log::kDebug};
    Ref<ScriptedProvider> provider = ScriptedProvider::create();
    Ref<ScriptedMySQLConnection> connection;
    CConnection* c() const { return reinterpret_cast<CConnection*>(connection.instance()); }
    // Opens (or reopens) with the version answer given; throws the open's error.
    void open();
    // The connection's dialect objects as a host reaches them (new references).
    Ref<gobj::Object> adapter();
    Ref<gobj::Object> builder();
    Ref<gobj::Object> explorer();
};

// A scratch database on the MariaDB test server (dropped afterwards) and a
// MySQLConnection opened on it.
class Live : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs statements (several allowed) through the connection; each must succeed.
    void run(const std::string& sql);
    // Every row of a query as "a|b|c".
    std::vector<std::string> rows(const std::string& sql);
    CConnection* c() const { return reinterpret_cast<CConnection*>(connection.instance()); }
    // A new database name, unique to this run.
    static std::string scratch_name(const std::string& stem);

    test::FacadeLog log{rezezadovu::contracts::log::kDebug};
    std::string database;
    std::vector<std::string> extra_databases;
    std::vector<std::string> cleanup;  // statements run afterwards (dropping accounts)
    Ref<MySQLConnection> connection;
    std::string user;  // the test account, "user@host" as definers read
};

// The catalogue fixture on the live database: keys, indexes, a generated column, ENUM
// and SET columns, a trigger, a checked view, routines and events.
extern const char* const kLiveCatalogue;

// The live database holding kLiveCatalogue, and the reader MariaDB answers: a
// MySQLAdapterV5x on the MariaDB-connected MySQLConnection (the 8.x reader, which the
// connection chooses for "10.11.x-MariaDB", asks for columns MariaDB does not have).
class LiveCatalogue : public Live {
protected:
    void SetUp() override;
    // The pretty JSON of an object with each text `from` replaced by `to`.
    static std::string renamed_json(MetaObject& object, const std::vector<std::pair<std::string, std::string>>& names);
    Ref<rezezadovu::supports::database::MySQLAdapterV5x> reader;
};

// Fills the object through the IAdaptable dispatcher fill_meta_object (as a host does);
// "(none)" or "<domain> <code> <message>" of its error.
std::string fill(const Ref<gobj::Object>& adapter, MetaObject& object, bool deep = true);
bool filled(MetaObject& object);
// A text map ("attributes", "options", "privileges", "relations") as "key=value" lines in
// key order, "key=(null)" for an entry without a value.
std::vector<std::string> entries(GeeHashMap* map);

// The compact and the pretty JSON of a catalogue object.
std::string json_of(MetaObject& object);
std::string pretty_json_of(MetaObject& object);
// The checked-in file data/<name>; with TARVELIN_UPDATE_GOLDEN set, `actual` is written there first.
std::string golden(const std::string& name, const std::string& actual);
// A name as the test scripts write it: backquoted, backquotes doubled.
std::string sql_name(const std::string& name);
// A new C text as a string; "(null)" for none.
std::string take(gchar* text);
std::string type_name(const Ref<gobj::Object>& object);

// The schema, table, view ... of that name in a container's list, or none.
template <class T>
Ref<T> named(GeeArrayList* list, const std::string& name) {
    for (auto item : gobj::GeeArray<T>::wrap(list))
        if (name == (item->get_name() ? item->get_name() : "")) return item;
    return {};
}

}  // namespace mysql_dialect_test
