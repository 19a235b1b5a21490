// The per-dialect test context of the dialect conformance suite: how to reach a connection
// of the dialect (a scratch database on a test server, a temporary file, or a scripted
// provider), what its builder offers, and the gaps it declares: the attributes and cases
// it cannot carry today, each with its reason.
//
// Cases are registered per product and named "Conformance/<product>.<case>_<row>", so a
// failure names the dialect and the attribute. A case a product declares as a gap still
// runs: it is reported skipped with the gap's reason while it fails, and fails once it
// passes, so that the stale declaration is removed (one line of the product's context).
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "providers/contracts/model_table.hpp"
#include "rezezadovu/model/meta_database.hpp"

namespace tarvelin::test::dialects {

using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using CBuildable = TarvelinRezezadovuContractsDatabaseIBuildable;
using CAdaptable = TarvelinRezezadovuContractsDatabaseIAdaptable;
using CStatement = TarvelinRezezadovuContractsDatabaseIStatement;
using rezezadovu::meta_model::MetaDatabase;
using rezezadovu::meta_model::MetaObject;
using rezezadovu::meta_model::MetaSchema;
using rezezadovu::meta_model::MetaTable;

// Which builder operations a dialect offers for one kind of object.
struct Operations {
    bool create = false;
    bool patch = false;   // columns added, renamed and dropped by patch_table
    bool rename = false;  // through the statement's rename_object (tables, views) or alter_schema
    bool drop = false;
};

struct Capabilities {
    // Scripts run on a server or a file, and what they made reads back through the adapter
    // (not SQL Server, whose builder is checked as text).
    bool live = true;
    Operations table, index, view, trigger, schema;
};

// One hostile name of the suite's table: a row name and the text.
struct HostileName {
    std::string row;
    std::string text;
};

class Context {
public:
    virtual ~Context() = default;

    // The product, as cases are named ("SQLite", "PostgreSQL", ...).
    std::string product;
    // The test server a case needs when it was not given (empty: none needed, or it is there).
    std::string missing_server;
    Capabilities can;
    // Declared gaps, what fails today: "<case>_<row>" (or "<case>" for every row of it)
    // and the reason.
    std::map<std::string, std::string> gaps;
    // What the product itself cannot carry ("<case>_<row>" and the reason): skipped.
    std::map<std::string, std::string> unsupported;
    // The longest identifier the product takes, in bytes.
    std::size_t name_limit = 255;
    // Hostile names the product cannot hold at all, replaced by the nearest it can
    // (row -> text), with the product limit named in the README.
    std::map<std::string, std::string> name_substitutes;

    // The product whose round-trip fixture (data/round_trip/<name>.sql) the product reads.
    std::string fixture;

    // ---- the quoting rules the statement's texts follow
    // The characters around a quoted name (a close character inside is doubled).
    std::string identifier_quotes = "\"\"";
    // What comes before a literal's opening quote, and whether a backslash in it escapes
    // the next character.
    std::string literal_prefix;
    bool literal_escapes = false;

    // ---- what the model objects of a case carry
    // The catalogue and schema names the adapter reads objects under.
    std::string database;
    std::string schema;
    // Added to a schema name that the case makes: where a schema is a database of the
    // whole server (the MySQL family), it must not meet another process's.
    std::string schema_suffix;
    // The raw type of a plain integer column.
    std::string integer_type = "INTEGER";

    // Makes the case's scratch database (or file, or scripted server) and opens the
    // connection on it; a sentinel table with one row proves later that no injected
    // statement ran.
    virtual void start() = 0;
    // A fresh, empty database in place of the case's one, the connection opened on it
    // (live products only).
    virtual void renew() = 0;
    // The connection of the case (borrowed).
    virtual CConnection* connection() = 0;

    // The dialect objects the connection hands out (borrowed: the context keeps them).
    virtual CAdaptable* adapter();
    CBuildable* builder();
    CStatement* statement();

    // Runs a script through the connection's execute; the failures ("" when none).
    std::string run(const std::string& script);
    // The rows of a query, cells joined by "|" (live products only).
    std::vector<std::string> rows(const std::string& sql);
    // The result of a query (live products only); none, and the case failed, on an error.
    gobj::Ref<providers::contracts::TableModel> model(const std::string& sql);
    // The column names of a query's result (live products only).
    std::vector<std::string> column_names(const std::string& sql);
    // The sentinel's row count as text: "1" while nothing dropped or emptied it.
    std::string sentinel();

    // Whether the adapter lists the schema `name` in the case's database.
    virtual bool schema_exists(const std::string& name);

    // A trigger on `table` as the dialect's builder writes one that does nothing.
    virtual void make_trigger(rezezadovu::meta_model::MetaTrigger& trigger, const std::string& table) = 0;
    // Statements that prepare what make_trigger's triggers call (run once per case).
    std::string trigger_support;

    // The hostile names of the suite, with the product's limits applied.
    std::vector<HostileName> hostile_names() const;
    // The declared gap of a case row, if any.
    std::optional<std::string> gap(const std::string& case_name, const std::string& row) const;

protected:
    // Forgets the dialect objects (the connection changed).
    void forget_objects();
    std::vector<GObject*> kept_;

private:
    GObject* keep(gpointer object);
    CAdaptable* adapter_ = nullptr;
    CBuildable* builder_ = nullptr;
    CStatement* statement_ = nullptr;
};

// A product of the suite: its name and its context, made anew for each case.
struct Product {
    std::string name;
    std::function<std::unique_ptr<Context>()> make;
};

// Every product the suite runs over.
const std::vector<Product>& products();

// Registers `body` as the case "Conformance/<product>.<name>_<row>" of `product`: `row`
// names the attribute, name or operation the case covers (empty: none), and the gap
// looked up. register_case does so for every product whose context `wanted` accepts.
using CaseBody = std::function<void(Context&)>;
void register_product_case(const Product& product, const std::string& name, const std::string& row, CaseBody body);
void register_case(const std::string& name, const std::string& row, CaseBody body,
                   std::function<bool(const Context&)> wanted = nullptr);

// A new text from C as a string (freed); "" for none.
std::string take_text(gchar* text);

// A file of the suite's data folder, and a file's text.
std::string data_path(const std::string& name);
std::string read_text(const std::string& path);

}  // namespace tarvelin::test::dialects
