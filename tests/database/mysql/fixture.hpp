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
#include "support/catalogue_fixture.hpp"
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
class Live : public test::ScratchDatabase {
protected:
    Live();
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

using test::entries;
using test::fill;
using test::filled;
using test::json_of;
using test::named;
using test::pretty_json_of;
using test::sql_name;
using test::take;
using test::type_name;
// The checked-in file data/<name>; with TARVELIN_UPDATE_GOLDEN set, `actual` is written there first.
std::string golden(const std::string& name, const std::string& actual);

}  // namespace mysql_dialect_test
