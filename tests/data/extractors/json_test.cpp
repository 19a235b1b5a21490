// JSON: the written document (golden, and valid for json-glib), loads with their shape
// errors and edge values, malformed input, and imports into an SQLite file.
#include <json-glib/json-glib.h>

#include "data_fixture.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "support/facade_log.hpp"

namespace data_test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
#define T(name) TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_##name

Made Json(const Options& options = {}) {
    return Made(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json"), options);
}

Ref<TableModel> typed_table() {
    using namespace providers::contracts;
    return table_of({{"i64", T(INT64)},
                     {"u64", T(UINT64)},
                     {"dbl", T(DOUBLE)},
                     {"dec", T(DECIMAL)},
                     {"flag", T(BOOLEAN)},
                     {"txt", T(STRING)},
                     {"nothing", T(DBNULL)},
                     {"money", T(MONEY)}},
                    {{gint64(G_MININT64), guint64(G_MAXUINT64), 2.5, "12.5", true, "q\"\\/\n\t\x01 é<&>", Null{},
                      Ref<ValueObject>(ValueMoney::create(1.25))},
                     {gint64(G_MAXINT64), guint64(0), 0.1, "-3", false, "", Null{}, Null{}},
                     {Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}},
                     {"not a number", gint64(-1), 1e300, "0", "yes", gint64(7), Null{}, 3.0}});
}

TEST(JsonExport, TypedTableGolden) {
    auto table = typed_table();
    Made json = Json();
    auto r = export_text(json, *table);
    EXPECT_EQ(r.rows, 4);
    EXPECT_EQ(r.text, golden("typed.json", r.text));

    // What json-glib reads of it, where its numbers fit.
    JsonParser* parser = json_parser_new();
    GError* error = nullptr;
    ASSERT_TRUE(json_parser_load_from_data(parser, r.text.c_str(), -1, &error)) << test::describe(error);
    JsonObject* second =
        json_array_get_object_element(json_object_get_array_member(json_node_get_object(json_parser_get_root(parser)),
                                                                   "RECORDS"),
                                      1);
    EXPECT_EQ(json_object_get_int_member(second, "i64"), G_MAXINT64);
    EXPECT_DOUBLE_EQ(json_object_get_double_member(second, "dbl"), 0.1);
    EXPECT_STREQ(json_object_get_string_member(second, "txt"), "");
    g_object_unref(parser);

    test::TempDir dir;
    auto empty = table_of({{"a", T(STRING)}}, {});
    auto file = export_file(json, *empty, dir.file("empty.json"));
    EXPECT_EQ(file.rows, 0);
    EXPECT_EQ(file.text, "{\n    \"RECORDS\" : []\n}");
    EXPECT_EQ(export_file(json, *table, kUnwritable).rows, -1);
}

TEST(JsonLoad, MembersBecomeTextColumns) {
    Made json = Json();
    auto loaded = load_text(json, R"({"RECORDS":[{"a":1,"b":2.5,"c":"x","d":true,"e":null,"f":""}]})");
    EXPECT_EQ(loaded.error, "(none)");
    // null is SQL NULL (a null cell, "NULL" here), not the empty text.
    EXPECT_EQ(loaded.cells(), (Rows{{"a", "b", "c", "d", "e", "f"}, {"1", "2.5", "x", "true", "NULL", ""}}));

    // Arrays and objects load as their JSON text, numbers in them as written.
    loaded = load_text(json, R"({"RECORDS":[{"a":[1, 2.50, "x\"y", null], "o":{"k":{"n":[]}, "e":{}}}]})");
    EXPECT_EQ(loaded.error, "(none)");
    EXPECT_EQ(loaded.cells()[1], (std::vector<std::string>{R"([1,2.50,"x\"y",null])", R"({"k":{"n":[]},"e":{}})"}));

    // Later records fill by position; members beyond the columns are ignored, missing ones
    // keep the row's defaults; elements that are not objects are skipped.
    loaded = load_text(json, R"({"RECORDS":[{"a":1,"b":2},{"z":3,"y":4,"x":5},7,"s",{"q":"only"},[1]]})");
    EXPECT_EQ(loaded.cells(), (Rows{{"a", "b"}, {"1", "2"}, {"3", "4"}, {"only", ""}}));

    loaded = load_text(json, R"({"RECORDS":[{"u":18446744073709551615,"s":-9223372036854775808,)"
                             R"("h":123456789012345678901234567890,"f":1e999,"g":1.50,"e":1E2,"q":"a\\\"b","n":-0}]})");
    EXPECT_EQ(loaded.error, "(none)");
    // Numbers that are not integers keep their digits as written: a double would lose some.
    EXPECT_EQ(loaded.cells()[1], (std::vector<std::string>{"18446744073709551615", "-9223372036854775808",
                                                            "123456789012345678901234567890", "1e999", "1.50", "1E2",
                                                            "a\\\"b", "0"}));
    loaded = load_text(json, R"({"RECORDS":[{"n":1234567890123456789.123456789,"m":0.1234567,"t":1e-9}]})");
    EXPECT_EQ(loaded.cells()[1], (std::vector<std::string>{"1234567890123456789.123456789", "0.1234567", "1e-9"}));
}

TEST(JsonLoad, ShapeErrorsInTheirOrder) {
    Made json = Json();
    EXPECT_EQ(load_text(json, "[]").error, "JSON -1 invalid json format: root object not exist.");
    EXPECT_EQ(load_text(json, R"({"records":[]})").error, "JSON -1 invalid json format: RECORDS member not exist.");
    EXPECT_EQ(load_text(json, R"({"RECORDS":{}})").error, "JSON -1 invalid json format: object array not exist.");
    auto empty = load_text(json, R"({"RECORDS":[]})");
    EXPECT_EQ(empty.error, "(none)");
    EXPECT_EQ(empty.table, nullptr);
}

// Malformed input is reported in json-glib's parser domain, with its codes, so a host
// tells it from the shape errors (domain "JSON").
TEST(JsonLoad, MalformedInputIsAnErrorNeverACrash) {
    struct Case {
        std::string input;
        JsonParserError code;
        const char* message;
    };
    const Case cases[] = {
        {R"({"RECORDS":[{"a":1})", JSON_PARSER_ERROR_MISSING_COMMA,
         "invalid json: ',' or ']' was expected at line 1, column 20"},
        {R"({"RECORDS":[{"a":1} {"a":2}]})", JSON_PARSER_ERROR_MISSING_COMMA,
         "invalid json: ',' or ']' was expected at line 1, column 21"},
        {R"({"RECORDS":[{"a":1,}]})", JSON_PARSER_ERROR_TRAILING_COMMA, "invalid json: a comma before '}' at line 1, column 20"},
        {R"({"RECORDS":[{"a":1},]})", JSON_PARSER_ERROR_TRAILING_COMMA, "invalid json: a comma before ']' at line 1, column 21"},
        {R"({"RECORDS" []})", JSON_PARSER_ERROR_MISSING_COLON, "invalid json: ':' was expected at line 1, column 12"},
        {R"({"RECORDS":[{"a":nope}]})", JSON_PARSER_ERROR_INVALID_BAREWORD,
         "invalid json: a word that is not true, false or null at line 1, column 18"},
        {"{\"RECORDS\":[{\"a\":\"open}]}", JSON_PARSER_ERROR_PARSE, "invalid json: unterminated string at line 1, column 26"},
        {R"({"RECORDS":[{"a":"\q"}]})", JSON_PARSER_ERROR_INVALID_DATA,
         "invalid json: an unknown escape in a string at line 1, column 21"},
        {"{\"RECORDS\":[{\"a\":\"tab\there\"}]}", JSON_PARSER_ERROR_INVALID_DATA,
         "invalid json: a control character in a string at line 1, column 22"},
        {R"({"RECORDS":[{"a":"\ud800"}]})", JSON_PARSER_ERROR_INVALID_DATA,
         "invalid json: a lone surrogate in a string at line 1, column 25"},
        // A cell's text would end at the NUL and lose the rest unseen.
        {R"({"RECORDS":[{"a":"x\u0000y"}]})", JSON_PARSER_ERROR_INVALID_DATA,
         "invalid json: a NUL character (\\u0000) in a string, which a cell cannot hold at line 1, column 26"},
        {R"({"RECORDS":[{"a":01}]})", JSON_PARSER_ERROR_INVALID_DATA, "invalid json: a malformed number at line 1, column 20"},
        {R"({"RECORDS":[]} x)", JSON_PARSER_ERROR_PARSE, "invalid json: unexpected text after the document at line 1, column 16"},
        {"{\"RECORDS\":\n[{\"a\":}]}", JSON_PARSER_ERROR_PARSE, "invalid json: a value was expected at line 2, column 7"},
        {"", JSON_PARSER_ERROR_PARSE, "invalid json: unexpected end of the document at line 1, column 1"},
        {std::string(100000, '['), JSON_PARSER_ERROR_PARSE, "invalid json: nesting too deep at line 1, column 514"},
        {"{\"RECORDS\":[{\"a\":\"\xff\"}]}", JSON_PARSER_ERROR_INVALID_DATA,
         "invalid json: a string that is not UTF-8 at line 1, column 21"},
    };
    Made json = Json();
    for (const Case& c : cases) {
        auto loaded = load_text(json, c.input);
        EXPECT_EQ(loaded.table, nullptr);
        EXPECT_EQ(loaded.error, "json-parser-error-quark " + std::to_string(int(c.code)) + " " + c.message)
            << c.input.substr(0, 40);
    }
}

TEST(JsonLoad, FilesAndLimits) {
    test::TempDir dir;
    std::string file = dir.file("five.json");
    write_text(file, R"({"RECORDS":[{"n":1},{"n":2},{"n":3},{"n":4},{"n":5}]})");
    Made json = Json();
    EXPECT_EQ(load_file(json, 0).error, "default -1 the option FILENAME is not set");
    set_options(json, {{"FILENAME", file}});
    EXPECT_EQ(load_file(json, 2).cells(), (Rows{{"n"}, {"1"}, {"2"}}));
    EXPECT_EQ(load_file(json, 0).cells().size(), 6u);
    set_options(json, {{"FILENAME", dir.file("missing.json")}});
    EXPECT_EQ(load_file(json, 0).error.rfind("g-file-error-quark 4 ", 0), 0u);
}

// ---------------------------------------------------------------- imports

class JsonImport : public ::testing::Test {
protected:
    void SetUp() override {
        db.run("CREATE TABLE src (id INTEGER PRIMARY KEY, big INTEGER, r REAL, t TEXT, b BLOB)");
        db.run("CREATE TABLE dst (id INTEGER PRIMARY KEY, big INTEGER, r REAL, t TEXT, b BLOB)");
        table = target_table("main", "dst",
                             {{"id", T(INT64), "id", true},
                              {"big", T(INT64), "big"},
                              {"r", T(DOUBLE), "r"},
                              {"t", T(STRING), "t"}});
        set_options(json, {{"ACTION", "append"}});
    }

    test::FacadeLog log;
    SqliteDatabase db;
    Made json = Json();
    Ref<MetaTable> table;
};

TEST_F(JsonImport, ExportLoadImportIsExact) {
    db.run("INSERT INTO src VALUES (1, -9223372036854775808, 0.1, 'O''Brien \\', NULL), "
           "(2, 9223372036854775807, 1e300, '', NULL), (3, NULL, NULL, NULL, NULL), "
           "(4, 0, -2.5e-10, '<b>\"\n\t' || char(1), NULL), (5, 7, 3.0, '1); DROP TABLE dst; --', NULL)");
    GError* error = nullptr;
    auto source = Ref<TableModel>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
        db.connection(), "SELECT id, big, r, t FROM src ORDER BY id", FALSE, &error));
    ASSERT_EQ(test::describe(error), "(none)");
    auto written = export_text(json, *source);
    ASSERT_EQ(written.rows, 5);
    auto loaded = load_text(json, written.text);
    EXPECT_EQ(loaded.cells()[1], (std::vector<std::string>{"1", "-9223372036854775808", "0.1", "O'Brien \\"}));
    auto r = import_text(json, written.text, db.connection(), *table);
    EXPECT_EQ(r.error, "(none)");
    EXPECT_EQ(r.count, 5);
    const char* compare = "SELECT id, quote(big), quote(r), quote(t) FROM %s ORDER BY id";
    EXPECT_EQ(db.rows(gobj::take_string(g_strdup_printf(compare, "dst"))),
              db.rows(gobj::take_string(g_strdup_printf(compare, "src"))));
}

// null goes in as NULL, an array or object as its JSON text, nothing dropped unseen.
TEST_F(JsonImport, NullAndNestedValues) {
    auto r = import_text(json, R"({"RECORDS":[{"id":1,"t":null,"r":null},{"id":2,"t":[1, {"a":"b"}],"r":1.5},)"
                               R"({"id":3,"t":"","r":1e-9}]})",
                         db.connection(), *table);
    EXPECT_EQ(r.error, "(none)");
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(db.rows("SELECT id, quote(t), quote(r) FROM dst ORDER BY id"),
              (std::vector<std::string>{"1|NULL|NULL", "2|'[1,{\"a\":\"b\"}]'|1.5", "3|''|1.0e-09"}));
}

TEST_F(JsonImport, CountsAffectedRowsAndReportsTheRunningTotal) {
    db.run("INSERT INTO dst (id, t) VALUES (1, 'kept'), (2, 'kept')");
    const std::string input = R"({"RECORDS":[{"id":3,"t":"a"},{"id":1,"t":"dup"},"not an object",{"id":4,"t":"b"}]})";
    ProgressLog progress;
    auto r = import_text(json, input, db.connection(), *table, &progress);
    EXPECT_EQ(r.error, "(none)");
    EXPECT_EQ(r.count, 2);
    using Call = std::tuple<guint, gint64, std::string>;
    EXPECT_EQ(progress.calls, (std::vector<Call>{{4, 1, ""}, {4, 1, ""}, {4, 1, ""}, {4, 2, ""}}));
    EXPECT_EQ(log.count("import row failed: "), 2);
    EXPECT_EQ(log.count("import row failed: invalid json format: record 3 is not an object."), 1);
    EXPECT_EQ(db.rows("SELECT id, t FROM dst ORDER BY id"),
              (std::vector<std::string>{"1|kept", "2|kept", "3|a", "4|b"}));

    db.run("DELETE FROM dst WHERE id > 2");
    tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(exporter(static_cast<gpointer>(json)), FALSE);
    // The failure that ends the import reports no progress of its own.
    ProgressLog stopped;
    r = import_text(json, input, db.connection(), *table, &stopped);
    EXPECT_EQ(r.count, 0);
    EXPECT_NE(r.error.find("UNIQUE"), std::string::npos) << r.error;
    EXPECT_EQ(stopped.calls, (std::vector<Call>{{4, 1, ""}}));
    EXPECT_EQ(db.rows("SELECT id, t FROM dst ORDER BY id"), (std::vector<std::string>{"1|kept", "2|kept", "3|a"}));

    set_options(json, {{"ACTION", "merge"}});
    r = import_text(json, R"({"RECORDS":[{"id":1,"t":"m"},{"id":9,"t":"n"}]})", db.connection(), *table);
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(db.rows("SELECT t FROM dst WHERE id IN (1, 9) ORDER BY id"), (std::vector<std::string>{"m", "n"}));
}

TEST_F(JsonImport, EmptyMalformedAndMissingInputs) {
    ProgressLog progress;
    auto r = import_text(json, R"({"RECORDS":[]})", db.connection(), *table, &progress);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.error, "(none)");
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_EQ(import_text(json, "{\"RECORDS\":[{\"id\":", db.connection(), *table).error,
              "json-parser-error-quark 0 invalid json: unexpected end of the document at line 1, column 19");
    EXPECT_EQ(import_text(json, "[]", db.connection(), *table).error,
              "JSON -1 invalid json format: root object not exist.");
    EXPECT_EQ(import_file(json, db.connection(), *table).error, "default -1 the option FILENAME is not set");
    std::string file = db.path("in.json");
    write_text(file, R"({"RECORDS":[{"id":5,"t":"from a file","ignored":1}]})");
    set_options(json, {{"FILENAME", file}});
    EXPECT_EQ(import_file(json, db.connection(), *table).count, 1);
    EXPECT_EQ(db.rows("SELECT t FROM dst"), (std::vector<std::string>{"from a file"}));
}

}  // namespace
}  // namespace data_test

namespace data_test {
namespace {

// A typed table read back from each product, exported: 64-bit extremes exact, DECIMAL as
// text, NULL as null.
class JsonFromServers : public ::testing::TestWithParam<std::string> {};

TEST_P(JsonFromServers, TypedTableGolden) {
    if (server_missing(GetParam())) {
        if (test::ci()) GTEST_FAIL() << test::server_missing_message(GetParam());
        GTEST_SKIP() << test::server_missing_message(GetParam());
    }
    test::FacadeLog log;
    auto db = open_database(GetParam());
    ASSERT_NE(db, nullptr);
    std::string select = "SELECT id, i64, dbl, dec, flag, txt FROM typed ORDER BY id";
    if (GetParam() == "PostgreSQL") {
        db->run("CREATE TABLE typed (id integer PRIMARY KEY, i64 bigint, dbl double precision, dec numeric(20,4), "
                "flag boolean, txt text)");
        db->run("INSERT INTO typed VALUES (1, -9223372036854775808, 2.5, 12345678901234.5678, true, "
                "'O''Brien \\ \"q\" <b>'), (2, 9223372036854775807, 0.1, -1, false, ''), "
                "(3, NULL, NULL, NULL, NULL, NULL)");
    } else {
        select = "SELECT id, i64, u64, dbl, amount, flag, txt FROM typed ORDER BY id";
        db->run("CREATE TABLE typed (id int PRIMARY KEY, i64 bigint, u64 bigint unsigned, dbl double, "
                "amount decimal(20,4), flag boolean, txt text)");
        db->run("INSERT INTO typed VALUES (1, -9223372036854775808, 18446744073709551615, 2.5, 12345678901234.5678, "
                "true, 'O''Brien \\\\ \"q\" <b>'), (2, 9223372036854775807, 9223372036854775808, 0.1, -1, false, ''), "
                "(3, NULL, NULL, NULL, NULL, NULL, NULL)");
    }
    GError* error = nullptr;
    auto table = Ref<TableModel>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
        db->connection(), select.c_str(), FALSE, &error));
    ASSERT_EQ(test::describe(error), "(none)");
    Made json = Json();
    auto r = export_text(json, *table);
    EXPECT_EQ(r.rows, 3);
    std::string name = GetParam() == "PostgreSQL" ? "postgresql_typed.json" : "mariadb_typed.json";
    EXPECT_EQ(r.text, golden(name, r.text));
}

INSTANTIATE_TEST_SUITE_P(Products, JsonFromServers, ::testing::Values("PostgreSQL", "MariaDB"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace data_test
