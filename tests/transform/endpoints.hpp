// Opened connections of each product the jobs run between, each on a scratch database
// of its own (an SQLite file, a PostgreSQL database, a MariaDB database) removed when the
// endpoint goes, with helpers that run scripts and read rows back as text.
#pragma once

#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/rezezadovu.h>

#include <memory>
#include <string>
#include <vector>

#include "providers/gobj/invoke.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/ref.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"
#include "support/servers.hpp"

namespace transform_test {

using namespace tarvelin;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

// A cell as it was read: NULL, or the text of its value that loses nothing
// (TableModel::exact_text; bytes as hexadecimal digits) and the kind of value it is.
struct Exact {
    bool null = true;
    std::string text;
    TarvelinProvidersContractsDataType type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
};
class Endpoint {
public:
    virtual ~Endpoint();
    CConnection* c() const { return reinterpret_cast<CConnection*>(connection.instance()); }
    // Every statement of the script must succeed.
    void run(const std::string& script) const;
    // The error message of a script that fails, or "" when it ran.
    std::string try_run(const std::string& script) const;
    // Each row as its cells joined by "|": NULL for a null cell, bytes as hexadecimal
    // digits, numbers and texts as their display text.
    std::vector<std::string> rows(const std::string& sql) const;
    // Each row's cells as a copy is compared by: the exact text of each value.
    std::vector<std::vector<Exact>> exact_rows(const std::string& sql) const;
    // A name quoted as this product's statement quotes it.
    std::string q(const std::string& name) const;

    std::string product;   // "SQLite", "PostgreSQL", "MariaDB"
    std::string database;  // the catalogue's database name
    std::string schema;    // the schema the fixtures use
    gobj::Ref<gobj::Object> connection;

protected:
    virtual void drop() {}
};

// A new file in `dir`; its database and schema are both "main".
std::unique_ptr<Endpoint> sqlite_endpoint(const std::string& path);
// A scratch database on the PostgreSQL test server, schema "public"; nothing without the server.
std::unique_ptr<Endpoint> pg_endpoint();
// Another session on the database of a PostgreSQL endpoint, which keeps (and drops) it.
std::unique_ptr<Endpoint> pg_session(const Endpoint& of);
// A scratch database on the MariaDB test server; its schema is the database. Its
// catalogue reader is the one MariaDB answers (the MySQL 5.x reader).
std::unique_ptr<Endpoint> mariadb_endpoint();
// The same over the MariaDB dialect's own connection.
std::unique_ptr<Endpoint> mariadb_dialect_endpoint();

// Whether `copied`, read back from a copy on another product, holds the value `held` was
// read from the source with: the same exact text, but for the ways products legitimately
// write one value differently (see same_value in endpoints.cpp).
bool same_value(const Exact& held, const Exact& copied);
// "NULL" or the exact text, cut for a failure line.
std::string shown(const Exact& cell);
// Each cell of `copied` that does not hold the value of its cell in `held`, one line
// each with the row and the column's name from `columns`, and missing or extra rows; ""
// when the copy holds every value.
std::string lost_values(const std::vector<std::vector<Exact>>& held, const std::vector<std::vector<Exact>>& copied,
                        const std::vector<std::string>& columns);

// A folder removed with its files.
class TempDir {
public:
    TempDir();
    ~TempDir();
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// An endpoint of one product, for tables of cases over products; SQLite's is the file
// `file` in `dir`, the servers' are scratch databases (none without the server).
using EndpointMaker = std::unique_ptr<Endpoint> (*)(TempDir& dir, const char* file);
std::unique_ptr<Endpoint> make_sqlite(TempDir& dir, const char* file);
std::unique_ptr<Endpoint> make_pg(TempDir& dir, const char* file);
std::unique_ptr<Endpoint> make_mariadb(TempDir& dir, const char* file);

// The products the copies run between, by name, each with a new endpoint of its own (the
// servers' none without the server; MariaDB over its own dialect's connection).
struct Product {
    const char* name;
    std::unique_ptr<Endpoint> (*make)(TempDir& dir);
};
extern const Product kProducts[3];
// A copy from one product into another.
struct ProductPair {
    Product source, target;
};
void PrintTo(const Product& p, std::ostream* os);
void PrintTo(const ProductPair& p, std::ostream* os);
// Every ordered pair of two different products.
std::vector<ProductPair> all_pairs();
// "SQLiteToPostgreSQL", for test names.
std::string pair_name(const ProductPair& p);

// Column types and a bytes literal in each product's words (SQLite's inspector knows
// INTEGER, REAL, TEXT and BLOB).
std::string int_type(const Endpoint& e);
std::string text_type(const Endpoint& e, int length);
std::string blob_type(const Endpoint& e);
std::string bytes(const Endpoint& e, const std::string& hex);

// What a transfer run left in its progress record: the counters and every line.
struct Outcome {
    rezezadovu::contracts::ThreadProgress::Snapshot counts;
    std::vector<std::string> lines;
};
// One transfer run from `source` to `target` (opened connections) with the option pairs.
Outcome run_transfer(const gobj::Ref<gobj::Object>& source, const gobj::Ref<gobj::Object>& target,
                     const std::vector<std::pair<std::string, std::string>>& pairs);
inline Outcome run_transfer(const Endpoint& source, const Endpoint& target,
                            const std::vector<std::pair<std::string, std::string>>& pairs) {
    return run_transfer(source.connection, target.connection, pairs);
}

// The options of a copy of `tables` of the source's schema into `target_schema`, going
// on past failed steps.
std::vector<std::pair<std::string, std::string>> copy_options(const Endpoint& source, const std::string& target_schema,
                                                              const std::vector<std::string>& tables);
// The lines of the steps that failed (the first 20, each cut short), for a failure message.
std::string failures(const Outcome& out);

// "a|b|c".
std::string key(const std::string& a, const std::string& b, const std::string& c);
// A new option map holding the pairs.
gobj::GPtr<GeeHashMap> options(const std::vector<std::pair<std::string, std::string>>& pairs);

}  // namespace transform_test

#define TRANSFORM_REQUIRE(endpoint, server)                    \
    do {                                                       \
        if (!(endpoint)) TARVELIN_REQUIRE_SERVER(endpoint, server); \
    } while (false)
