// The per-product test context of the conformance suite: how to make and open a provider
// of the product, what it can do, and how its SQL spells the statements the shared cases
// send. Every case drives the provider through the public C entries only.
#pragma once

#include <glib-object.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarvelin::test::drivers {

// An error a case expects: its domain, its code, and its message (whole, or its start,
// or a part of it).
struct Failure {
    enum class Match { Whole, Start, Part };
    std::string domain;
    int code = 0;
    std::string message;
    Match match = Match::Whole;
};

// The texts a case sends. "{t}" stands for the case's table, "{n}" for a number.
struct Spellings {
    std::string create_table = "CREATE TABLE {t} (n INTEGER)";
    std::string insert = "INSERT INTO {t} (n) VALUES ({n})";
    std::string count = "SELECT count(*) FROM {t}";
    std::string select = "SELECT n FROM {t} ORDER BY n";
    std::string drop_table = "DROP TABLE {t}";
    // A statement answered with one cell, and that cell's text.
    std::string probe = "SELECT 1";
    std::string probe_answer = "1";
    std::string syntax_error = "SELEC 1";
    // Statements that make the case's table "{t}" of the product's own types and fill it
    // with values at their edges (NULLs, zero dates, before 1970, the year 1000, the last
    // microsecond of 9999, leap days, fractions of seconds), and the query reading it.
    // Empty: the product takes no part.
    std::vector<std::string> typed_table;
    std::string typed_select;
    // Values at the ends of what the product's types hold, each with the text its cell's
    // exact_text must give: the server's digits, fractions of a second included.
    struct Exact {
        std::string type, literal, text;
    };
    std::vector<Exact> exact_values;
    // Values the product holds and no date-time of ours can (an infinity, a year before 1
    // or after 9999): each cell reads as a text value holding `text`, the server's own.
    std::vector<Exact> text_only_values;
};

struct Capabilities {
    // Tables, rows and counts (not Redis, whose answers are replies).
    bool tables = true;
    // A real server or file: a second provider sees what the first committed, and
    // statements do what they say (not the scripted TDS peer, which answers from a table).
    bool real_data = true;
    // Calls on one provider from several threads take turns.
    bool thread_safe = true;
    // The reader execute_reader hands out reads through its provider's connection and
    // so keeps the provider alive.
    bool reader_holds_provider = false;
    // Transactions on the connection (Redis has none: the three calls do nothing).
    bool transactions = true;
    // execute_reader reads a result of the connection (Redis's reader has fixed answers).
    bool reader_from_server = true;
    // A new reader already stands on the first row (otherwise read() moves onto it).
    bool reader_starts_on_first_row = false;
};

class Context {
public:
    virtual ~Context() = default;

    // The product, as the suite names its instances ("SQLite", "PostgreSQL", ...).
    std::string product;
    // The server a test needs when it is missing (empty: none is needed or it is there).
    std::string missing_server;

    // The product's capabilities (set from its Product).
    Capabilities can;
    Spellings sql;
    // What every operation of a provider that was never opened raises.
    Failure not_opened;
    // What `sql.syntax_error` raises.
    Failure syntax_error;
    // Rounds each of four threads runs in the concurrency case.
    int rounds = 50;
    // This case's own table (servers are shared by parallel test processes).
    std::string table = "tarvelin_conformance_" + std::to_string(getpid());

    // A new provider that was never opened (transfer full).
    virtual GObject* make() = 0;
    // Opens `provider` on the product's test server or file; false with `error` set.
    virtual bool open(GObject* provider, GError** error) = 0;

    // `text` with "{t}" and "{n}" filled in.
    std::string spell(const std::string& text, long n = 0) const;
};

// A product of the suite: its name, what it can do (which decides the cases it joins),
// and its context, made anew for each case.
struct Product {
    const char* name;
    Capabilities can;
    std::function<std::unique_ptr<Context>()> make;
};

inline void PrintTo(const Product& product, std::ostream* os) { *os << product.name; }

// Every product the conformance suite runs over.
const std::vector<Product>& products();
// The products that can do what `wanted` says.
std::vector<Product> products_that(bool (*wanted)(const Capabilities&));

}  // namespace tarvelin::test::drivers
