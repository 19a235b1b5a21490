// What the import and export suites share: result tables built cell by cell, the
// extractors driven through their C face as a host drives them, imports run on the main
// loop with a deadline, SQLite database files in a temporary folder, catalogue tables
// whose columns name their source fields, and checked-in golden texts.
#pragma once

#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/data.h>
#include <tarvelin/rezezadovu/sqlite.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "providers/contracts/model_table.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "sqlite/fixture.hpp"
#include "support/driver_checks.hpp"
#include "support/servers.hpp"

namespace data_test {

using namespace tarvelin;
using gobj::Ref;
using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using rezezadovu::meta_model::MetaTable;

using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using CExporter = TarvelinRezezadovuContractsDataIExporter;
using CImporter = TarvelinRezezadovuContractsDataIImporter;
using CTable = TarvelinRezezadovuMetaModelMetaTable;
using DataType = TarvelinProvidersContractsDataType;

// ---- result tables

// A cell: NULL, a text, a signed or unsigned integer, a double, a boolean, or any value.
struct Null {};
using Cell = std::variant<Null, std::string, const char*, gint64, guint64, double, bool, Ref<ValueObject>>;
struct Column {
    std::string name;
    DataType type;
};
// A table with these columns and rows; a cell's value class follows its column's type
// (a text in an integer column becomes that column's value read from the text).
Ref<TableModel> table_of(const std::vector<Column>& columns, const std::vector<std::vector<Cell>>& rows);
// Every cell of a table as display text, "NULL" for a null cell; the header first.
std::vector<std::vector<std::string>> texts_of(const TableModel& table);

// ---- extractors through the C face

template <class T>
CExporter* exporter(T* extractor) {
    return reinterpret_cast<CExporter*>(extractor);
}
template <class T>
CImporter* importer(T* extractor) {
    return reinterpret_cast<CImporter*>(extractor);
}
using Options = std::vector<std::pair<std::string, std::string>>;
// Sets options of an extractor's option map.
void set_options(gpointer extractor, const Options& options);

// An object a constructor made (an extractor with these options set, or a document),
// released with the test.
class Made {
public:
    explicit Made(gpointer object, const Options& options = {});
    Made(const Made&) = delete;
    ~Made() { g_object_unref(object_); }
    operator gpointer() const { return object_; }
    template <class T = void>
    T* get() const {
        return static_cast<T*>(object_);
    }

private:
    gpointer object_;
};

struct Rendered {
    gint rows = 0;
    std::string text;
    std::string error = "(none)";  // describe() form
};
Rendered export_text(gpointer extractor, TableModel& table);
Rendered export_file(gpointer extractor, TableModel& table, const std::string& filename);

struct Loaded {
    Ref<TableModel> table;  // empty when none was made
    std::string error = "(none)";
    std::vector<std::vector<std::string>> cells() const { return table ? texts_of(*table) : decltype(cells())(); }
};
Loaded load_text(gpointer extractor, const std::string& text);
Loaded load_file(gpointer extractor, gint row_limit);

// Progress calls as (total, progress, text).
struct ProgressLog {
    std::vector<std::tuple<guint, gint64, std::string>> calls;
    static void record(guint total, gint64 progress, const gchar* text, gpointer self);
};

struct Imported {
    gint64 count = -2;
    std::string error = "(none)";
};
// Runs an import on the main loop until its ready callback ran; fails the test when it
// does not within the deadline.
Imported import_text(gpointer extractor, const std::string& text, gpointer connection, MetaTable& table,
                     ProgressLog* progress = nullptr);
Imported import_file(gpointer extractor, gpointer connection, MetaTable& table, ProgressLog* progress = nullptr);
// The same with a progress callback of the test's own.
Imported import_text(gpointer extractor, const std::string& text, gpointer connection, MetaTable& table,
                     TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_data);

// ---- databases

// Keeps the driver's line per prepared statement of a script off the console.
class QuietScripts : public test::LogSink {
public:
    bool take(GLogLevelFlags level, const char* message) override;
};

// A database the suites write into through a dialect connection.
class Database {
public:
    virtual ~Database() = default;
    virtual CConnection* connection() const = 0;
    // "SQLite", "PostgreSQL" or "MariaDB".
    virtual std::string product() const = 0;
    // The schema its tables have in the catalogue.
    virtual std::string schema() const = 0;
    void run(const std::string& sql);
    // Every row of a query as "a|b|c", NULL cells as "NULL".
    std::vector<std::string> rows(const std::string& sql);
};

// An SQLite connection on a new database file in its own temporary folder.
class SqliteDatabase : public Database {
public:
    SqliteDatabase();
    ~SqliteDatabase() override;
    CConnection* connection() const override { return reinterpret_cast<CConnection*>(conn_); }
    std::string product() const override { return "SQLite"; }
    std::string schema() const override { return "main"; }
    std::string path(const std::string& name) const { return dir_.file(name); }

private:
    QuietScripts quiet_;
    test::TempDir dir_;
    TarvelinRezezadovuSupportsDatabaseSQLiteConnection* conn_ = nullptr;
    TarvelinProvidersContractsServer* record_ = nullptr;
};

// A fresh database on the PostgreSQL test server, made by the test user and dropped with
// the object, with a connection open on it.
class PostgresDatabase : public Database {
public:
    explicit PostgresDatabase(const test::PgAddress& pg);
    ~PostgresDatabase() override;
    CConnection* connection() const override { return conn_; }
    std::string product() const override { return "PostgreSQL"; }
    std::string schema() const override { return "public"; }
    const std::string& name() const { return name_; }

private:
    test::PgAddress pg_;
    std::string name_;
    CConnection* conn_ = nullptr;
};

// A fresh database on the MariaDB test server, reached through the MySQL dialect's
// connection (there is no MariaDB dialect yet), dropped with the object.
class MariaDatabase : public Database {
public:
    explicit MariaDatabase(const test::MysqlAddress& address);
    ~MariaDatabase() override;
    CConnection* connection() const override { return conn_; }
    std::string product() const override { return "MariaDB"; }
    std::string schema() const override { return name_; }

private:
    std::string name_;
    CConnection* conn_ = nullptr;
};

// The database of `product`, or none when the suite was not given its server.
std::unique_ptr<Database> open_database(const std::string& product);
// True when `product` needs a server that the environment does not name.
bool server_missing(const std::string& product);

// Ends session `id` (PostgreSQL's backend pid, MariaDB's connection id) of `product`'s
// test server from a connection of its own, as an administrator ending a client would.
void end_session(const std::string& product, const std::string& id);

// Rows of a query through any connection, as SqliteDatabase::rows.
std::vector<std::string> rows_of(CConnection* connection, const std::string& sql);
void run_on(CConnection* connection, const std::string& sql);

// A catalogue table (database, schema, name) with these columns; a column fed from a
// source field carries it as its "SOURCE" text; `keys` names the primary-key columns.
struct Target {
    std::string name;
    DataType type;
    std::string source;  // "" feeds nothing
    bool key = false;
};
Ref<MetaTable> target_table(const std::string& schema, const std::string& name, const std::vector<Target>& columns);
// Sets the "SOURCE" text of each column of a table read from a catalogue to its own name.
void feed_by_name(MetaTable& table);

// ---- files and golden texts

std::string read_text(const std::string& filename);
void write_text(const std::string& filename, const std::string& text);
bool exists(const std::string& filename);
// The checked-in text golden/<name>; with TARVELIN_UPDATE_GOLDEN set, `actual` is written there first.
std::string golden(const std::string& name, const std::string& actual);
// A path inside a folder that does not exist, which no file can be created at.
inline const char* kUnwritable = "/nonexistent-folder-for-tests/out.txt";

}  // namespace data_test
