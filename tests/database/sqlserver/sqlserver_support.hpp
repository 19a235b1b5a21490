// Shared pieces of the SQL Server dialect suites: the scripted server, its answers read
// from the scenario files of data/, an opened connection over it, and golden JSON files.
//
// A scenario file is a JSON array of answers, each naming a query of data/queries.json
// and the values of its placeholders, with the columns ("name:sqltype") and rows a SQL
// Server would send through our driver, or an error:
//   [{"query": "columns", "args": ["dbo", "orders"],
//     "columns": ["column_id:int", "name:sysname", "is_nullable:bit"],
//     "rows": [[1, "id", false]]},
//    {"query": "checks", "args": ["dbo", "orders"], "error": ["TDSDB", 208, "Invalid object name."]}]
// JSON null is NULL, true/false a bit, numbers integers, strings text (fixed-width
// texts with their trailing blanks).
#pragma once

#include <tarvelin/rezezadovu/sqlserver.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rezezadovu/model/meta_object.hpp"
#include "rezezadovu/supports/database/sqlserver/connection.hpp"
#include "support/driver_checks.hpp"
#include "support/scripted_provider.hpp"

namespace tarvelin::test::sqlserver {

using rezezadovu::supports::database::SQLServerConnection;
using CIConnection = TarvelinRezezadovuContractsDatabaseIConnection;

inline constexpr const char* kVersionQuery = "SELECT SERVERPROPERTY('ProductVersion') as version;";

// The contents of data/<name>.
std::string read_data(const std::string& name);
// `query` with each "%s" replaced by the next argument: after a single quote with its
// single quotes doubled, after "[" with its closing brackets doubled.
std::string fill(const std::string& query, const std::vector<std::string>& args);
// The text `name` of the data file (a JSON object of texts), filled.
std::string text_of(const std::string& file, const std::string& name, const std::vector<std::string>& args = {});
// A query of data/queries.json, filled.
std::string query(const std::string& name, const std::vector<std::string>& args = {});
// Scripts every answer of data/<scenario>.json.
void load_scenario(ScriptedProvider& provider, const std::string& scenario);
// Scripts the version query's answer; a null version answers a NULL cell.
void answer_version(ScriptedProvider& provider, const char* version);

// A SQL Server connection whose provider slot holds `provider`.
gobj::Ref<SQLServerConnection> scripted_connection(const gobj::Ref<ScriptedProvider>& provider);
// A record as the host saves it.
gobj::Ref<providers::contracts::Server> record();
inline CIConnection* c_of(const gobj::Ref<SQLServerConnection>& c) {
    return reinterpret_cast<CIConnection*>(c.gobj());
}

// A scripted server answering `scenario` (and the version query with `version`), and a
// connection to it, opened.
struct Scripted {
    explicit Scripted(const char* version, const std::string& scenario = "");
    gobj::Ref<ScriptedProvider> provider = ScriptedProvider::create();
    gobj::Ref<SQLServerConnection> connection;
    CIConnection* c() const { return c_of(connection); }
};

// Pretty JSON of a catalogue object.
std::string json_of(rezezadovu::meta_model::MetaObject& object);
// Compares `text` with the data file `file` (a path below data/); with
// TARVELIN_UPDATE_GOLDEN=1 in the environment, writes the file instead.
void expect_data_file(const std::string& text, const std::string& file);
// expect_data_file of data/golden/<name>.json.
void expect_golden(const std::string& json, const std::string& name);

bool is_filled(const rezezadovu::meta_model::MetaObject& object);

}  // namespace tarvelin::test::sqlserver
