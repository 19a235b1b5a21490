// What the catalogue suites of the MySQL-family dialects (MySQL, MariaDB) share: a scratch
// database on the MariaDB test server with a connection of the dialect under test opened
// on it, the fill of a catalogue object as a host does it, and the JSON and text forms the
// suites compare.
//
//   class LiveThing : public tarvelin::test::ScratchDatabase {
//   protected:
//       LiveThing() : ScratchDatabase("thing", [] { return gobj::Ref<ConnectionImpl>(MyConnection::create()); }) {}
//   };
//   TEST_F(LiveThing, Reads) { run("CREATE TABLE t (a INT);"); EXPECT_EQ(rows("SELECT 1"), ...); }
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "rezezadovu/model/meta_object.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/supports/database/connection_impl.hpp"
#include "support/facade_log.hpp"

namespace tarvelin::test {

using ConnectionImpl = rezezadovu::supports::database::ConnectionImpl;
using DataVersion = providers::contracts::DataVersion;

// A scratch database (dropped afterwards, with `extra_databases`, after `cleanup` ran) on
// the MariaDB test server, selected on a connection the factory makes. Skips (fails
// under CI) without a server.
class ScratchDatabase : public ::testing::Test {
protected:
    ScratchDatabase(std::string prefix, std::function<gobj::Ref<ConnectionImpl>()> make);
    void SetUp() override;
    void TearDown() override;

    // Runs statements (several allowed) through the connection; each must succeed.
    void run(const std::string& sql);
    // Every row of a query as "a|b|c".
    std::vector<std::string> rows(const std::string& sql);
    TarvelinRezezadovuContractsDatabaseIConnection* c() const {
        return reinterpret_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(connection.instance());
    }
    // A new database name, unique to this run.
    std::string scratch_name(const std::string& stem) const;

    FacadeLog log{rezezadovu::contracts::log::kDebug};
    std::string database;
    std::vector<std::string> extra_databases;
    std::vector<std::string> cleanup;  // statements run afterwards (dropping accounts)
    gobj::Ref<ConnectionImpl> connection;
    std::string user;  // the test account, "user@host" as definers read

private:
    std::string prefix_;
    std::function<gobj::Ref<ConnectionImpl>()> make_;
};

// Fills the object through the IAdaptable dispatcher fill_meta_object (as a host does);
// "(none)" or "<domain> <code> <message>" of its error.
std::string fill(const gobj::Ref<gobj::Object>& adapter, rezezadovu::meta_model::MetaObject& object, bool deep = true);
bool filled(rezezadovu::meta_model::MetaObject& object);
// A text map ("attributes", "options", "privileges", "relations") as "key=value" lines in
// key order, "key=(null)" for an entry without a value.
std::vector<std::string> entries(GeeHashMap* map);
// The compact and the pretty JSON of a catalogue object.
std::string json_of(rezezadovu::meta_model::MetaObject& object);
std::string pretty_json_of(rezezadovu::meta_model::MetaObject& object);
// The file `dir`/`name`; with TARVELIN_UPDATE_GOLDEN set, `actual` is written there first.
std::string golden(const std::string& dir, const std::string& name, const std::string& actual);
// A name as the test scripts write it: backquoted, backquotes doubled.
std::string sql_name(const std::string& name);
// A new C text as a string; "(null)" for none.
std::string take(gchar* text);
std::string type_name(const gobj::Ref<gobj::Object>& object);

// ---- catalogue objects as the readers leave them, for builder texts

// A column: raw type, length, scale, not-null, default, change state.
struct Col {
    const char* name;
    const char* raw;
    gint64 length = 0;
    guint8 scale = 0;
    bool not_null = false;
    const char* fallback = "";
    DataVersion version = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL;
};
gobj::Ref<rezezadovu::meta_model::MetaColumn> add_column(rezezadovu::meta_model::MetaTable& table, const Col& c);
gobj::Ref<rezezadovu::meta_model::MetaIndex> add_index(
    rezezadovu::meta_model::MetaTable& table, const char* name, const char* kind, std::vector<std::string> columns,
    const char* method = "", DataVersion version = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
gobj::Ref<rezezadovu::meta_model::MetaForeignKey> add_foreign(
    rezezadovu::meta_model::MetaTable& table, const char* name, const char* local, const char* refer_table,
    const char* refer, DataVersion version = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);

// The schema, table, view ... of that name in a container's list, or none.
template <class T>
gobj::Ref<T> named(GeeArrayList* list, const std::string& name) {
    for (auto item : gobj::GeeArray<T>::wrap(list))
        if (name == (item->get_name() ? item->get_name() : "")) return item;
    return {};
}

}  // namespace tarvelin::test
