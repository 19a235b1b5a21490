// What the MariaDB dialect suites share: a MariaDBConnection over the scripted provider
// (for what only other server versions answer), a MariaDBConnection on a scratch database
// of the MariaDB test server, the catalogue fixture created there, and the text forms the
// suites compare.
#pragma once

#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/mariadb.h>

#include <string>
#include <vector>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/mariadb/connection.hpp"
#include "support/catalogue_fixture.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"
#include "support/scripted_provider.hpp"
#include "support/servers.hpp"

namespace mariadb_dialect_test {

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;
using tarvelin::gobj::Ref;
using tarvelin::rezezadovu::supports::database::MariaDBConnection;
using tarvelin::test::entries;
using tarvelin::test::fill;
using tarvelin::test::filled;
using tarvelin::test::json_of;
using tarvelin::test::named;
using tarvelin::test::pretty_json_of;
using tarvelin::test::ScriptedColumn;
using tarvelin::test::ScriptedProvider;
using tarvelin::test::ScriptedRow;
using tarvelin::test::sql_name;
using tarvelin::test::take;
using tarvelin::test::type_name;

using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using CAdaptable = TarvelinRezezadovuContractsDatabaseIAdaptable;
using CBuildable = TarvelinRezezadovuContractsDatabaseIBuildable;
using CExplorable = TarvelinRezezadovuContractsDatabaseIExplorable;
using CStatement = TarvelinRezezadovuContractsDatabaseIStatement;

inline constexpr auto kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
inline constexpr auto kInt32 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
inline constexpr auto kInt64 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
inline constexpr auto kUInt32 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32;
inline constexpr auto kUInt64 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64;

inline constexpr const char* kAdapter = "TarvelinRezezadovuSupportsDatabaseMariaDBAdapter";
inline constexpr const char* kAdapterBelowV105 = "TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105";

// A MariaDBConnection whose provider is a scripted one (tests only).
class ScriptedMariaDBConnection : public MariaDBConnection {
public:
    static GType gtype();
    static Ref<ScriptedMariaDBConnection> create(const Ref<ScriptedProvider>& provider);
};

// A scripted connection whose server answers `version` to "select version();".
struct Scripted {
    explicit Scripted(const std::string& version = "10.11.19-MariaDB");
    // Statements are logged through the facade, as in a host.
    test::FacadeLog log{rezezadovu::contracts::log::kDebug};
    Ref<ScriptedProvider> provider = ScriptedProvider::create();
    Ref<ScriptedMariaDBConnection> connection;
    CConnection* c() const { return reinterpret_cast<CConnection*>(connection.instance()); }
    // Opens (or reopens); throws the open's error.
    void open();
    // The connection's dialect objects as a host reaches them (new references).
    Ref<gobj::Object> adapter();
    Ref<gobj::Object> builder();
    Ref<gobj::Object> explorer();
    Ref<gobj::Object> statement();
};

// A scratch database on the MariaDB test server (dropped afterwards) and a
// MariaDBConnection opened on it.
class Live : public test::ScratchDatabase {
protected:
    Live();
    Ref<gobj::Object> adapter();
    Ref<gobj::Object> builder();
    Ref<gobj::Object> explorer();
};

// The catalogue fixture: keys, columns of many types, indexes, a composite foreign key,
// a check, a trigger, a checked view, tables a_b and axb, a function, a procedure without
// parameters, a recurring and a one-time event.
extern const char* const kCatalogue;

// The live database holding kCatalogue.
class LiveCatalogue : public Live {
protected:
    void SetUp() override;
    // The database read deep through the connection's reader, with its procedures.
    Ref<MetaDatabase> read_all();
};

// The account fixture on top: a user with grants, two roles granted to it (one with the
// admin option), all dropped afterwards. Needs a test account that may grant; skips
// (fails under CI) without one.
class LiveAccounts : public LiveCatalogue {
protected:
    void SetUp() override;
    std::string account;  // "name@%"
    std::string role_plain, role_admin;
};

// The account names of this run, unique on the server.
std::string unique_account(const std::string& stem);

// The checked-in file data/<name>; with TARVELIN_UPDATE_GOLDEN set, `actual` is written there first.
std::string golden(const std::string& name, const std::string& actual);

}  // namespace mariadb_dialect_test
