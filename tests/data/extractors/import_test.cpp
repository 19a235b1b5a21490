// Imports through each product's dialect connection (an SQLite file, PostgreSQL 15, and
// MariaDB 10.11 through the MySQL dialect's connection): the
// five actions with the count each importer gives, continue-on-error both ways against a
// table that already holds rows, the refused records, and hostile texts. Each case runs
// for the three importers (delimited text, JSON, XML).
#include <json-glib/json-glib.h>

#include <regex>

#include "data_fixture.hpp"
#include "support/facade_log.hpp"

namespace data_test {
namespace {

#define T(name) TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_##name

enum class Format { Dsv, Json, Xml };
const Format kFormats[] = {Format::Dsv, Format::Json, Format::Xml};
const char* name_of(Format f) { return f == Format::Dsv ? "delimited text" : f == Format::Json ? "JSON" : "XML"; }

struct Record {
    std::string id, name, qty;
};
using Records = std::vector<Record>;

std::string dsv_field(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string xml_attribute(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string render(Format format, const Records& records) {
    std::string text;
    if (format == Format::Dsv) {
        text = "id,name,qty\n";
        for (const auto& r : records) text += r.id + "," + dsv_field(r.name) + "," + dsv_field(r.qty) + "\n";
    } else if (format == Format::Xml) {
        text = "<RECORDS>\n";
        for (const auto& r : records)
            text += "  <RECORD id=\"" + r.id + "\" name=\"" + xml_attribute(r.name) + "\" qty=\"" + xml_attribute(r.qty) +
                    "\"/>\n";
        text += "</RECORDS>\n";
    } else {
        JsonBuilder* b = json_builder_new();
        json_builder_begin_object(b);
        json_builder_set_member_name(b, "RECORDS");
        json_builder_begin_array(b);
        for (const auto& r : records) {
            json_builder_begin_object(b);
            json_builder_set_member_name(b, "id");
            json_builder_add_int_value(b, std::stoll(r.id));
            json_builder_set_member_name(b, "name");
            json_builder_add_string_value(b, r.name.c_str());
            json_builder_set_member_name(b, "qty");
            json_builder_add_string_value(b, r.qty.c_str());
            json_builder_end_object(b);
        }
        json_builder_end_array(b);
        json_builder_end_object(b);
        JsonNode* root = json_builder_get_root(b);
        text = gobj::take_string(json_to_string(root, FALSE));
        json_node_unref(root);
        g_object_unref(b);
    }
    return text;
}

Made extractor(Format format, const Options& options) {
    Options all = options;
    if (format == Format::Dsv) all.emplace_back("COLUMNS", "id,name,qty");
    switch (format) {
        case Format::Dsv: return Made(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv"), all);
        case Format::Json: return Made(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json"), all);
        default: return Made(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml"), all);
    }
}

// What each importer counts: delimited text the records that went through, JSON the rows
// the statements affected, XML the records handled.
struct Counts {
    gint64 dsv, json, xml;
    gint64 of(Format f) const { return f == Format::Dsv ? dsv : f == Format::Json ? json : xml; }
};

class Imports : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (server_missing(GetParam())) {
            if (test::ci()) GTEST_FAIL() << test::server_missing_message(GetParam());
            GTEST_SKIP() << test::server_missing_message(GetParam());
        }
        db = open_database(GetParam());
        ASSERT_NE(db, nullptr);
        db->run("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, qty INTEGER)");
        table = target_table(db->schema(), "t",
                             {{"id", T(INT64), "id", true}, {"name", T(STRING), "name"}, {"qty", T(INT64), "qty"}});
    }
    void TearDown() override { db.reset(); }

    Imported import(Format format, const std::string& action, const Records& records, bool go_on = true,
                    MetaTable* target = nullptr, const Options& more = {}, ProgressLog* progress = nullptr) {
        Options options = {{"ACTION", action}};
        options.insert(options.end(), more.begin(), more.end());
        Made e = extractor(format, options);
        tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(exporter(e.get()), go_on);
        return import_text(e, render(format, records), db->connection(), target ? *target : *table, progress);
    }
    std::vector<std::string> contents() { return db->rows("SELECT id, name, qty FROM t ORDER BY id"); }

    test::FacadeLog log;
    std::unique_ptr<Database> db;
    Ref<MetaTable> table;
};

TEST_P(Imports, EachActionWithItsCount) {
    struct Step {
        const char* action;
        Records records;
        Counts counts;
        std::vector<std::string> after;
    };
    const Step steps[] = {
        {"append", {{"1", "a", "10"}, {"2", "b", "20"}}, {2, 2, 2}, {"1|a|10", "2|b|20"}},
        {"update", {{"1", "A", "11"}, {"3", "c", "30"}}, {2, 1, 2}, {"1|A|11", "2|b|20"}},
        {"merge", {{"2", "B", "21"}, {"3", "c", "30"}}, {2, 2, 2}, {"1|A|11", "2|B|21", "3|c|30"}},
        // A record equal to its row still matches it: no insert follows (and no duplicate key).
        {"merge", {{"2", "B", "21"}}, {1, 1, 1}, {"1|A|11", "2|B|21", "3|c|30"}},
        {"delete", {{"1", "ignored", "0"}}, {1, 1, 1}, {"2|B|21", "3|c|30"}},
        {"replace", {{"4", "d", "40"}}, {1, 1, 1}, {"2|B|21", "3|c|30", "4|d|40"}},
        {"Append", {{"5", "e", "50"}, {"6", "f", "60"}}, {2, 0, 2}, {"2|B|21", "3|c|30", "4|d|40"}},
    };
    for (Format format : kFormats) {
        SCOPED_TRACE(name_of(format));
        db->run("DELETE FROM t");
        for (const auto& step : steps) {
            SCOPED_TRACE(step.action);
            auto r = import(format, step.action, step.records);
            EXPECT_EQ(r.error, "(none)");
            EXPECT_EQ(r.count, step.counts.of(format));
            EXPECT_EQ(contents(), step.after);
        }
    }
}

TEST_P(Imports, ContinueOnErrorBothWaysKeepsWhatWasThere) {
    const Records records = {{"3", "c", "3"}, {"1", "dup", "9"}, {"4", "d", "4"}};
    const Counts counts = {2, 2, 3};
    for (Format format : kFormats) {
        SCOPED_TRACE(name_of(format));
        db->run("DELETE FROM t");
        db->run("INSERT INTO t VALUES (1, 'a', 1), (2, 'b', 2)");
        auto r = import(format, "append", records);
        EXPECT_EQ(r.error, "(none)");
        EXPECT_EQ(r.count, counts.of(format));
        EXPECT_EQ(contents(), (std::vector<std::string>{"1|a|1", "2|b|2", "3|c|3", "4|d|4"}));

        db->run("DELETE FROM t WHERE id > 2");
        r = import(format, "append", records, false);
        EXPECT_EQ(r.count, 0);
        EXPECT_NE(r.error, "(none)");
        // Nothing half applied: the rows before and the record before the failure stay.
        EXPECT_EQ(contents(), (std::vector<std::string>{"1|a|1", "2|b|2", "3|c|3"}));
    }
    // Delimited text logs a failed record either way; JSON and XML only when they go on.
    EXPECT_EQ(log.count("create row failed:2 -> "), 2);
    EXPECT_EQ(log.count("import row failed: "), 2);
}

TEST_P(Imports, FailingRecordsInsideBatchesGiveTheRecordByRecordOutcome) {
    // Twelve records in batches of four; ids 6 (inside the second batch) and 12 (the last
    // of the third) collide with rows already there, and a lone 6 gives the error every
    // failing record must show.
    Records records;
    for (int i = 1; i <= 12; ++i) records.push_back({std::to_string(i), "n" + std::to_string(i), std::to_string(i)});
    std::vector<std::string> all, first_five;
    for (int i = 1; i <= 12; ++i) {
        std::string row = std::to_string(i) + (i == 6 || i == 12 ? "|old|0" : "|n" + std::to_string(i) + "|" + std::to_string(i));
        all.push_back(row);
        if (i <= 5) first_five.push_back(row);
    }
    first_five.insert(first_five.end(), {"6|old|0", "12|old|0"});
    std::sort(all.begin(), all.end(), [](const std::string& a, const std::string& b) { return std::stoi(a) < std::stoi(b); });
    std::sort(first_five.begin(), first_five.end(),
              [](const std::string& a, const std::string& b) { return std::stoi(a) < std::stoi(b); });
    const Options batches = {{"BATCH_SIZE", "4"}};
    for (Format format : kFormats) {
        SCOPED_TRACE(name_of(format));
        db->run("DELETE FROM t");
        db->run("INSERT INTO t VALUES (6, 'old', 0), (12, 'old', 0)");
        std::string lone_error = import(format, "append", {records[5]}, false).error;
        ASSERT_NE(lone_error, "(none)");

        ProgressLog progress;
        auto r = import(format, "append", records, true, nullptr, batches, &progress);
        EXPECT_EQ(r.error, "(none)");
        EXPECT_EQ(r.count, (Counts{10, 10, 12}.of(format)));
        EXPECT_EQ(db->rows("SELECT id, name, qty FROM t ORDER BY id"), all);
        // JSON reports each record it goes on from with its running total of rows.
        std::vector<std::tuple<guint, gint64, std::string>> expected;
        if (format == Format::Json)
            for (gint64 done : {1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 10, 10}) expected.emplace_back(12u, done, "");
        EXPECT_EQ(progress.calls, expected);

        db->run("DELETE FROM t WHERE name <> 'old'");
        progress.calls.clear();
        r = import(format, "append", records, false, nullptr, batches, &progress);
        EXPECT_EQ(r.count, 0);
        EXPECT_EQ(r.error, lone_error);
        EXPECT_EQ(db->rows("SELECT id, name, qty FROM t ORDER BY id"), first_five);
        expected.resize(format == Format::Json ? 5 : 0);
        EXPECT_EQ(progress.calls, expected);
    }
    // Delimited text names the record by the records consumed before it, the header included.
    EXPECT_EQ(log.count("create row failed:6 -> "), 2);
    EXPECT_EQ(log.count("create row failed:12 -> "), 1);
}

TEST_P(Imports, RefusedRecordInsideABatch) {
    // A JSON element that is no object fails alone, before anything runs for it.
    const std::string text = R"({"RECORDS":[{"id":1,"name":"a","qty":"1"},7,{"id":3,"name":"c","qty":"3"}]})";
    for (bool go_on : {true, false}) {
        SCOPED_TRACE(go_on ? "going on" : "stopping");
        db->run("DELETE FROM t");
        Made e = extractor(Format::Json, {{"ACTION", "append"}, {"BATCH_SIZE", "2"}});
        tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(exporter(e.get()), go_on);
        ProgressLog progress;
        auto r = import_text(e, text, db->connection(), *table, &progress);
        if (go_on) {
            EXPECT_EQ(r.error, "(none)");
            EXPECT_EQ(r.count, 2);
            EXPECT_EQ(contents(), (std::vector<std::string>{"1|a|1", "3|c|3"}));
            EXPECT_EQ(progress.calls.size(), 3u);
        } else {
            EXPECT_EQ(r.error, "JSON -1 invalid json format: record 2 is not an object.");
            EXPECT_EQ(r.count, 0);
            EXPECT_EQ(contents(), (std::vector<std::string>{"1|a|1"}));
            EXPECT_EQ(progress.calls.size(), 1u);
        }
    }
}

// Ends the import's own session from another connection once the first batch is in.
struct SessionKiller {
    std::string product, session;
    bool killed = false;
    static void progress(guint, gint64, const gchar*, gpointer data) {
        auto* self = static_cast<SessionKiller*>(data);
        if (std::exchange(self->killed, true)) return;
        end_session(self->product, self->session);
    }
};

TEST_P(Imports, ALostConnectionEndsTheImportWithTheCommittedCount) {
    if (db->product() == "SQLite") GTEST_SKIP() << "an SQLite file has no session to end";
    Records records;
    for (int i = 1; i <= 10000; ++i) records.push_back({std::to_string(i), "n", std::to_string(i)});
    const std::string text = render(Format::Json, records);
    const std::regex committed("was lost after ([0-9]+) records were imported: .");
    // Each row a little slow on the server, so that the session ends long before the last
    // batch whichever way the rows travel.
    if (db->product() == "PostgreSQL") {
        db->run("CREATE FUNCTION slow_row() RETURNS trigger LANGUAGE plpgsql AS "
                "$$BEGIN PERFORM pg_sleep(0.0005); RETURN NEW; END$$");
        db->run("CREATE TRIGGER slow_row BEFORE INSERT ON t FOR EACH ROW EXECUTE FUNCTION slow_row()");
    } else {
        db->run("CREATE TRIGGER slow_row BEFORE INSERT ON t FOR EACH ROW SET @slept = SLEEP(0.0005)");
    }
    for (bool go_on : {true, false}) {
        SCOPED_TRACE(go_on ? "continue on error" : "stop on error");
        db->run("DELETE FROM t");
        SessionKiller killer{db->product(), db->rows(db->product() == "PostgreSQL" ? "SELECT pg_backend_pid()"
                                                                                  : "SELECT CONNECTION_ID()")
                                                .at(0)};
        Made e = extractor(Format::Json, {{"ACTION", "append"}, {"BATCH_SIZE", "50"}});
        tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(exporter(e.get()), go_on);
        auto r = import_text(e, text, db->connection(), *table, &SessionKiller::progress, &killer);
        ASSERT_TRUE(killer.killed);
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iconnection_reopen(db->connection(), &error);
        ASSERT_EQ(test::describe(error), "(none)");

        EXPECT_EQ(r.count, 0);
        std::smatch m;
        ASSERT_TRUE(std::regex_search(r.error, m, committed)) << r.error;
        EXPECT_EQ(db->rows("SELECT count(*) FROM t"), (std::vector<std::string>{m[1].str()}));
        EXPECT_GE(std::stoi(m[1].str()), 50);
        EXPECT_LT(std::stoi(m[1].str()), 10000);
    }
}

TEST_P(Imports, RecordsThatWouldAddressEveryRowAreRefused) {
    db->run("INSERT INTO t VALUES (1, 'a', 1), (2, 'b', 2)");
    auto no_key = target_table(db->schema(), "t", {{"id", T(INT64), "", true}, {"name", T(STRING), "name"}});
    auto unfed = target_table(db->schema(), "t", {{"id", T(INT64), "other", true}});
    for (Format format : kFormats) {
        SCOPED_TRACE(name_of(format));
        for (const char* action : {"update", "merge", "delete"}) {
            auto r = import(format, action, {{"1", "z", "0"}}, false, no_key.get());
            EXPECT_EQ(r.error, "default -1 the record feeds no primary-key column of table t, so its statement would "
                               "address every row")
                << action;
        }
        EXPECT_EQ(import(format, "append", {{"9", "z", "0"}}, false, unfed.get()).error,
                  "default -1 the record feeds no column of table t");
    }
    EXPECT_EQ(contents(), (std::vector<std::string>{"1|a|1", "2|b|2"}));
}

TEST_P(Imports, HostileTextsAreStoredVerbatimOrRefused) {
    const std::string hostile[] = {"O'Brien \\", "<b>", "1); DROP TABLE t; --"};
    for (Format format : kFormats) {
        SCOPED_TRACE(name_of(format));
        db->run("DELETE FROM t");
        Records records;
        for (int i = 0; i < 3; ++i) records.push_back({std::to_string(i + 1), hostile[i], std::to_string(i)});
        auto r = import(format, "append", records);
        EXPECT_EQ(r.error, "(none)");
        EXPECT_EQ(db->rows("SELECT name FROM t ORDER BY id"),
                  (std::vector<std::string>{hostile[0], hostile[1], hostile[2]}));

        // In a numeric column: SQLite keeps the text; the servers refuse the record.
        r = import(format, "append", {{"9", "n", hostile[2]}, {"10", "m", hostile[0]}});
        EXPECT_EQ(r.error, "(none)");
        auto stored = db->rows("SELECT qty FROM t WHERE id >= 9 ORDER BY id");
        if (db->product() == "SQLite") {
            EXPECT_EQ(stored, (std::vector<std::string>{hostile[2], hostile[0]}));
        } else {
            EXPECT_TRUE(stored.empty());
        }
        EXPECT_EQ(db->rows("SELECT count(*) FROM t WHERE id < 9"), (std::vector<std::string>{"3"}));
    }
}

// Appended records travel several to a statement (COPY into PostgreSQL, multi-row INSERTs
// elsewhere); whatever a product reads differently that way must come out as when each
// record runs alone (BATCH_SIZE 1): rows, count, error, progress calls.
struct Outcome {
    Imported imported;
    std::vector<std::string> rows;
    std::vector<std::tuple<guint, gint64, std::string>> progress;
    bool operator==(const Outcome& o) const {
        return imported.count == o.imported.count && imported.error == o.imported.error && rows == o.rows &&
               progress == o.progress;
    }
};
void PrintTo(const Outcome& o, std::ostream* out) {
    *out << "count " << o.imported.count << ", error " << o.imported.error << ", rows {";
    for (const auto& r : o.rows) *out << "[" << r << "] ";
    *out << "}, " << o.progress.size() << " progress calls";
}

// Fields as JSON strings or, in delimited text, as quoted fields; an id bare in both.
std::string render_fields(Format format, const std::vector<std::vector<std::string>>& records) {
    std::string text = format == Format::Dsv ? "id,txt,num,flag\n" : R"({"RECORDS":[)";
    for (size_t r = 0; r < records.size(); ++r) {
        const auto& f = records[r];
        if (format == Format::Dsv) {
            text += f[0] + "," + dsv_field(f[1]) + "," + dsv_field(f[2]) + "," + dsv_field(f[3]) + "\n";
            continue;
        }
        const char* names[] = {"txt", "num", "flag"};
        text += std::string(r ? "," : "") + "{\"id\":" + f[0];
        for (int i = 0; i < 3; ++i) {
            gchar* escaped = g_strescape(f[i + 1].c_str(), nullptr);
            text += std::string(",\"") + names[i] + "\":\"" + escaped + "\"";
            g_free(escaped);
        }
        text += "}";
    }
    return format == Format::Dsv ? text : text + "]}";
}

class SeveralRowsAtOnce : public Imports {
protected:
    void SetUp() override {
        Imports::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        db->run("CREATE TABLE w (id INTEGER PRIMARY KEY, txt TEXT, num INTEGER, flag BOOLEAN)");
        wide = target_table(db->schema(), "w",
                            {{"id", T(INT64), "id", true},
                             {"txt", T(STRING), "txt"},
                             {"num", T(INT64), "num"},
                             {"flag", T(BOOLEAN), "flag"}});
    }
    Outcome run(Format format, const std::string& text, bool go_on, const char* batch, MetaTable& target,
                const char* table_name) {
        db->run(std::string("DELETE FROM ") + table_name);
        Options options = {{"ACTION", "append"}};
        if (batch) options.emplace_back("BATCH_SIZE", batch);
        if (format == Format::Dsv) options.emplace_back("COLUMNS", "id,txt,num,flag");
        Made e(format == Format::Dsv ? gpointer(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv"))
                                     : gpointer(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json")),
               options);
        tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(exporter(e.get()), go_on);
        Outcome o;
        ProgressLog progress;
        o.imported = import_text(e, text, db->connection(), target, &progress);
        o.progress = progress.calls;
        o.rows = db->rows(std::string("SELECT * FROM ") + table_name + " ORDER BY 1");
        return o;
    }
    // The outcome with batches against the record-by-record one, both ways of going on.
    void expect_alike(const std::string& what, const std::vector<std::vector<std::string>>& records,
                      MetaTable& target, const char* table_name) {
        for (Format format : {Format::Dsv, Format::Json}) {
            for (bool go_on : {true, false}) {
                SCOPED_TRACE(what + ", " + name_of(format) + (go_on ? ", going on" : ", stopping"));
                const std::string text = render_fields(format, records);
                Outcome alone = run(format, text, go_on, "1", target, table_name);
                EXPECT_EQ(run(format, text, go_on, nullptr, target, table_name), alone);
                EXPECT_EQ(run(format, text, go_on, "3", target, table_name), alone);
            }
        }
    }
    Ref<MetaTable> wide;
};

TEST_P(SeveralRowsAtOnce, StoreWhatEachRecordAloneStores) {
    // Texts COPY escapes; numbers an INSERT rounds or reads as numeric constants where
    // COPY's input would refuse them; a 1 for a boolean that PostgreSQL refuses in an
    // INSERT but COPY would take; empty fields as NULL; a text in a number column.
    const std::vector<std::vector<std::string>> records = {
        {"1", "tab\there", "1.5", "true"},
        {"2", "line\nbreak \\ back\\N", "007", "false"},
        {"3", "", "1e3", "1"},
        {"4", "'quoted' \"twice\"", " 12 ", ""},
        {"5", "\\N", "", "FALSE"},
        {"6", "x", "abc", "true"},
        {"7", "\xc3\xa9t\xc3\xa9 \xe2\x82\xac", "-9223372036854775808", "true"},
    };
    expect_alike("mixed values", records, *wide, "w");
    // Clean records go in whole.
    const std::vector<std::vector<std::string>> clean = {{"1", "a", "1", "true"}, {"2", "b\tc", "2", "false"}};
    Outcome o = run(Format::Json, render_fields(Format::Json, clean), false, nullptr, *wide, "w");
    EXPECT_EQ(o.imported.count, 2);
    EXPECT_EQ(o.rows.size(), 2u);
}

TEST_P(SeveralRowsAtOnce, PostgreSQLTablesCopyCannotFill) {
    if (db->product() != "PostgreSQL") GTEST_SKIP() << "rules, identities set ALWAYS and skipping triggers";
    const std::vector<std::vector<std::string>> records = {
        {"1", "a", "1", "true"}, {"2", "b", "2", "false"}, {"3", "c", "3", "true"}, {"4", "d", "4", "false"}};
    struct Case {
        const char* what;
        const char* create;
        size_t rows;  // what stays, record by record
    };
    const Case cases[] = {
        // An INSERT may not set the identity; COPY would.
        {"identity", "CREATE TABLE v (id INTEGER GENERATED ALWAYS AS IDENTITY PRIMARY KEY, txt TEXT, num INTEGER, "
                     "flag BOOLEAN)", 0},
        // COPY does not see rules.
        {"rule", "CREATE TABLE v (id INTEGER PRIMARY KEY, txt TEXT, num INTEGER, flag BOOLEAN); "
                 "CREATE RULE keep_out AS ON INSERT TO v DO INSTEAD NOTHING", 0},
        // A trigger that skips the even ids: the rows a statement wrote differ from its records.
        {"trigger", "CREATE TABLE v (id INTEGER PRIMARY KEY, txt TEXT, num INTEGER, flag BOOLEAN); "
                    "CREATE FUNCTION odd_only() RETURNS trigger LANGUAGE plpgsql AS "
                    "$$BEGIN IF NEW.id % 2 = 0 THEN RETURN NULL; END IF; RETURN NEW; END$$; "
                    "CREATE TRIGGER odd_only BEFORE INSERT ON v FOR EACH ROW EXECUTE FUNCTION odd_only()", 2},
    };
    auto target = target_table(db->schema(), "v",
                               {{"id", T(INT64), "id", true},
                                {"txt", T(STRING), "txt"},
                                {"num", T(INT64), "num"},
                                {"flag", T(BOOLEAN), "flag"}});
    for (const auto& c : cases) {
        db->run("DROP TABLE IF EXISTS v");
        db->run("DROP FUNCTION IF EXISTS odd_only()");
        db->run(c.create);
        expect_alike(c.what, records, *target, "v");
        Outcome o = run(Format::Dsv, render_fields(Format::Dsv, records), true, nullptr, *target, "v");
        EXPECT_EQ(o.rows.size(), c.rows) << c.what;
    }
}

// SQLite keeps the storage class a value's literal gives, which a column without affinity
// shows: rows that travel together store the classes, texts and numbers each record alone
// stores (reals and integers past 64 bits as SQLite reads them, a real -0.0, TRUE).
TEST_P(SeveralRowsAtOnce, SQLiteStoresTheClassOfEachLiteral) {
    if (db->product() != "SQLite") GTEST_SKIP() << "storage classes are SQLite's";
    db->run("CREATE TABLE u (id INTEGER PRIMARY KEY, txt, num, flag)");
    auto target = target_table(db->schema(), "u",
                               {{"id", T(INT64), "id", true},
                                {"txt", T(STRING), "txt"},
                                {"num", T(DOUBLE), "num"},
                                {"flag", T(BOOLEAN), "flag"}});
    const std::vector<std::vector<std::string>> records = {
        {"1", "1.50", "1.50", "true"},
        {"2", "007", "1e3", "false"},
        {"3", "x''y", "99999999999999999999", "TRUE"},
        {"4", "", "-0", "1"},
        {"5", "e", "+5", "0"},
        {"6", "n", "-9223372036854775809", "false"},
        {"7", "z", "0.1", "true"},
        {"8", "y", "-0.0", ""},
        {"9", "w", "123456789012345678901234567890.5e-3", "true"},
    };
    const std::string classes = "SELECT id, typeof(txt), quote(txt), typeof(num), quote(num), typeof(flag), quote(flag) "
                                "FROM u ORDER BY id";
    for (Format format : {Format::Dsv, Format::Json}) {
        SCOPED_TRACE(name_of(format));
        const std::string text = render_fields(format, records);
        const Outcome first = run(format, text, true, "1", *target, "u");
        const auto alone = db->rows(classes);
        ASSERT_EQ(alone.size(), records.size()) << ::testing::PrintToString(first);
        run(format, text, true, nullptr, *target, "u");
        EXPECT_EQ(db->rows(classes), alone);
    }
}

INSTANTIATE_TEST_SUITE_P(Products, SeveralRowsAtOnce, ::testing::Values("SQLite", "PostgreSQL", "MariaDB"),
                         [](const auto& info) { return info.param; });

INSTANTIATE_TEST_SUITE_P(Products, Imports, ::testing::Values("SQLite", "PostgreSQL", "MariaDB"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace data_test
