// Tables filled from a reader: rows and value lists made on first access must be the
// same objects, classes, texts and reference counts as a table whose rows were all made
// while filling; concurrent readers must agree; a failing reader must leave no table.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <thread>

#include "providers/contracts/model_table.hpp"
#include "providers/contracts/reader_cells.hpp"
#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/register.hpp"
#include "support/scripted_reader.hpp"
#include "support/value_dump.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::Ref;
using tarvelin::test::Cell;
using tarvelin::test::ScriptedReader;

namespace {

constexpr DataType T(int n) { return static_cast<DataType>(n); }

// Three columns, three rows, one NULL.
Ref<ScriptedReader> small_reader() {
    return ScriptedReader::create({{"id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
                                   {"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
                                   {"ratio", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE}},
                                  {{1, "one", 0.5}, {2, nullptr, 1.5}, {3, "three", 2.5}});
}

// The table as it was built before rows were made on first access: every row and value
// list made while filling, through the reader's get_value.
Ref<TableModel> eager_table(const Ref<ScriptedReader>& r) {
    auto t = TableModel::create();
    for (gint i = 0; i < r->get_field_count(); ++i) {
        auto o = static_cast<guint16>(i);
        t->get_columns().append(ColumnModel::create_full_size(r->get_name(o), r->get_data_type(o), r->get_size(o)));
    }
    while (r->read()) {
        auto row = RowModel::create();
        for (gint i = 0; i < r->get_field_count(); ++i) row->get_values().append(r->get_value(static_cast<guint16>(i)));
        t->get_rows().append(row);
    }
    return t;
}

Ref<TableModel> lazy_table(const Ref<ScriptedReader>& r) { return fill_table(r); }

GListModel* lm(const Ref<TableModel>& t) { return G_LIST_MODEL(t.gobj()); }
Ref<RowModel> item(const Ref<TableModel>& t, guint i) {
    return Ref<RowModel>::adopt(g_list_model_get_item(lm(t), i));
}
guint refs(const gobj::Object& o) { return G_OBJECT(o.gobj())->ref_count; }

}  // namespace

// Each case holds for a table filled the old way; it must hold for a filled one too.
TEST(TableCells, IdentityListsAndCountsAsWhenEveryRowWasMadeWhileFilling) {
    struct Case {
        const char* name;
        std::function<void(const Ref<TableModel>&)> check;
    } cases[] = {
        {"get_item twice gives one row",
         [](const Ref<TableModel>& t) { EXPECT_EQ(item(t, 1), item(t, 1)); }},
        {"get_item is the element of rows, before and after rows is read",
         [](const Ref<TableModel>& t) {
             auto before = item(t, 2);
             EXPECT_EQ(t->get_rows().at(2), before);
             EXPECT_EQ(item(t, 0), t->get_rows().at(0));
         }},
        {"the table's get_value_at is the row's",
         [](const Ref<TableModel>& t) {
             auto v = t->get_value_at(1, 0);
             ASSERT_TRUE(v);
             EXPECT_EQ(item(t, 0)->get_value_at(1), v);
             EXPECT_EQ(Ref<ValueObject>::adopt(g_list_model_get_item(G_LIST_MODEL(item(t, 0).gobj()), 1)), v);
             EXPECT_EQ(item(t, 0)->get_values().at(1), v);
             EXPECT_FALSE(t->get_value_at(0, 3));
             EXPECT_FALSE(t->get_value_at(3, 0));
             EXPECT_EQ(g_list_model_get_item(lm(t), 3), nullptr);
         }},
        {"\"rows\" is one list through the getter and g_object_get",
         [](const Ref<TableModel>& t) {
             GeeArrayList* got = nullptr;
             g_object_get(t.gobj(), "rows", &got, nullptr);
             EXPECT_EQ(got, tarvelin_providers_contracts_table_model_get_rows(
                                reinterpret_cast<TarvelinProvidersContractsTableModel*>(t.gobj())));
             EXPECT_EQ(gee_collection_get_size(GEE_COLLECTION(got)), 3);
             g_object_unref(got);
         }},
        {"\"values\" is one list, holding the values handed out before it existed",
         [](const Ref<TableModel>& t) {
             auto row = item(t, 2);
             auto first = row->get_value_at(0);
             GeeArrayList* got = nullptr;
             g_object_get(row.gobj(), "values", &got, nullptr);
             EXPECT_EQ(got, row->get_values().list());
             EXPECT_EQ(gee_list_get(GEE_LIST(got), 0), first.instance());
             g_object_unref(first.instance());  // gee_list_get's reference
             EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(row.gobj())), 3u);
             g_object_unref(got);
         }},
        {"a row added to rows after rows were handed out is counted and kept in place",
         [](const Ref<TableModel>& t) {
             auto first = item(t, 0);
             auto added = RowModel::create();
             t->get_rows().append(added);
             EXPECT_EQ(g_list_model_get_n_items(lm(t)), 4u);
             EXPECT_EQ(item(t, 0), first);
             EXPECT_EQ(item(t, 3), added);
         }},
        {"a row outlives its table",
         [](const Ref<TableModel>& t) {
             auto row = item(t, 0);
             Ref<TableModel> gone = t;
             // The case's caller holds the other reference; the row holds none to the table.
             EXPECT_EQ(refs(*row), 2u);
             EXPECT_EQ(row->get_value_at(1)->dump(), "TarvelinProvidersContractsValueString => one");
         }},
        {"clone copies every value and the version",
         [](const Ref<TableModel>& t) {
             auto row = item(t, 1);
             row->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
             auto copy = row->clone();
             EXPECT_EQ(copy->get_version(), TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
             ASSERT_EQ(copy->get_values().size(), 3);
             for (gint i = 0; i < 3; ++i) {
                 EXPECT_NE(copy->get_value_at(i), row->get_value_at(i));
                 EXPECT_EQ(test::value_dump(copy->get_value_at(i).instance()),
                           test::value_dump(row->get_value_at(i).instance()));
             }
         }},
        {"reference counts: one for the table, one for each list",
         [](const Ref<TableModel>& t) {
             auto row = item(t, 0);
             EXPECT_EQ(refs(*row), 2u);
             auto v = row->get_value_at(0);
             EXPECT_EQ(refs(*v), 2u);
             t->get_rows();
             row->get_values();
             EXPECT_EQ(refs(*row), 2u);
             EXPECT_EQ(refs(*v), 2u);
         }},
        {"editing after rows were handed out keeps them",
         [](const Ref<TableModel>& t) {
             auto first = item(t, 0);
             auto second = item(t, 1);
             auto text = ValueString::create("edited");
             t->set_value_at(1, 1, text);
             EXPECT_EQ(t->get_value_at(1, 1), Ref<ValueObject>(text));
             EXPECT_EQ(second->get_value_at(1), Ref<ValueObject>(text));
             EXPECT_EQ(t->delete_at(0), first);
             EXPECT_EQ(item(t, 0), second);
             gint at = -1;
             EXPECT_TRUE(t->find(second, at));
             EXPECT_EQ(at, 0);
         }},
        {"reading rows announces nothing",
         [](const Ref<TableModel>& t) {
             int changes = 0;
             g_signal_connect_swapped(t.gobj(), "items-changed", G_CALLBACK(+[](int* n) { ++*n; }), &changes);
             item(t, 1);
             t->get_rows();
             EXPECT_EQ(changes, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        {
            SCOPED_TRACE("filled");
            c.check(lazy_table(small_reader()));
        }
        {
            SCOPED_TRACE("made while filling");
            c.check(eager_table(small_reader()));
        }
    }
}

// Every DataType, with NULLs and values at the edges, gives the cells get_value gives.
TEST(TableCells, EveryDataTypeGivesTheCellsGetValueGives) {
    GDateTime* moment = g_date_time_new_utc(2024, 2, 29, 23, 59, 59.999999);
    GDateTime* last = g_date_time_new_utc(9999, 12, 31, 23, 59, 59.999999);
    GDateTime* first = g_date_time_new_utc(1, 1, 1, 0, 0, 0);
    GTimeZone* ahead = g_time_zone_new_identifier("+14:00");
    GDateTime* first_ahead = g_date_time_new(ahead, 1, 1, 1, 10, 0, 0);
    GDateTime* before_epoch = g_date_time_new_utc(1969, 12, 31, 23, 59, 59.5);
    std::vector<test::ScriptedColumn> columns;
    std::vector<test::ScriptedRow> rows(4);
    auto add = [&](DataType type, std::vector<Cell> cells) {
        columns.emplace_back("c" + std::to_string(columns.size()), type);
        for (std::size_t r = 0; r < rows.size(); ++r) rows[r].push_back(r < cells.size() ? cells[r] : Cell());
    };
    add(T(2), {true, false});
    add(T(3), {-128, 127});
    add(T(4), {-32768, 32767});
    add(T(5), {G_MININT32, G_MAXINT32});
    add(T(6), {G_MININT64, G_MAXINT64});
    add(T(7), {0u, 255u});
    add(T(8), {0u, 65535u});
    add(T(9), {0u, G_MAXUINT32});
    add(T(10), {0ull, static_cast<unsigned long long>(G_MAXUINT64)});
    add(T(11), {"a", ""});
    add(T(12), {"a,b"});
    add(T(13), {"x"});
    add(T(14), {1.25, -0.5});
    add(T(15), {12345.678901, 1e300});
    add(T(16), {0.1, 3.4e38});
    add(T(17), {0.1, -2.5e-300});
    add(T(18), {Cell::date(2024, G_DATE_FEBRUARY, 29), Cell::date(1000, G_DATE_JANUARY, 1), Cell(""),
                Cell::date(9999, G_DATE_DECEMBER, 31)});
    add(T(19), {Cell::date_time(moment), Cell::date_time(first), Cell::date_time(nullptr)});
    add(T(20), {Cell::date_time(moment), Cell::date_time(last), Cell::date_time(first_ahead),
                Cell::date_time(before_epoch)});
    add(T(21), {G_MAXINT64, -1});
    add(T(23), {"text", std::string("with\0nul", 8), ""});
    add(T(24), {"wide", std::string("bad \xff utf-8")});
    add(T(25), {"<a/>"});
    add(T(26), {"0A0B0C0D-0000-4000-8000-000000000001"});
    add(T(27), {"{\"a\":1}"});
    add(T(28), {"POINT(1 2)"});
    add(T(29), {"POINT(1 2)"});
    add(T(30), {Cell::bytes({0, 255, 7}), Cell::bytes({})});
    add(T(31), {Cell::bytes({1})});
    add(T(32), {Cell::bytes({2, 0})});
    add(T(34), {"variant"});
    add(T(40), {"outside"});

    auto expected = eager_table(ScriptedReader::create(columns, rows));
    auto filled = lazy_table(ScriptedReader::create(columns, rows));
    auto want = test::table_dump(lm(expected)), got = test::table_dump(lm(filled));
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], want[i]);

    for (auto* dt : {moment, last, first, first_ahead, before_epoch}) g_date_time_unref(dt);
    g_time_zone_unref(ahead);
}

// Readers on eight threads share one filled table: each row and value is one object.
TEST(TableCells, EightThreadsReadingOneTableSeeTheSameObjects) {
    std::vector<test::ScriptedRow> rows;
    // Some texts too large to share a block with others.
    auto text = [](int i) { return i % 500 == 7 ? std::string(20000, char('a' + i % 26)) : "row " + std::to_string(i); };
    for (int i = 0; i < 3000; ++i) rows.push_back({i, text(i), Cell::date(2024, G_DATE_MAY, 6)});
    auto table = lazy_table(ScriptedReader::create({{"id", T(5)}, {"name", T(23)}, {"day", T(18)}}, rows));
    constexpr int kThreads = 8;
    std::vector<std::vector<gpointer>> seen(kThreads);
    std::vector<std::thread> pool;
    for (int t = 0; t < kThreads; ++t) {
        pool.emplace_back([&, t] {
            auto& mine = seen[t];
            // Half the threads walk backwards, so rows are first made from both ends.
            for (int k = 0; k < 3000; ++k) {
                guint i = t % 2 ? 2999 - k : k;
                auto row = Ref<RowModel>::adopt(g_list_model_get_item(lm(table), i));
                auto cell = table->get_value_at(t % 3, static_cast<gint>(i));
                auto through_row = Ref<ValueObject>::adopt(g_list_model_get_item(G_LIST_MODEL(row.gobj()), t % 3));
                mine.push_back(row.instance());
                mine.push_back(cell == through_row ? cell.instance() : nullptr);
                if (t == 7 && k == 1500) row->get_values();  // one switch to the list while others read
            }
        });
    }
    for (auto& th : pool) th.join();
    const auto& list = table->get_rows();
    for (int t = 0; t < kThreads; ++t) {
        for (int k = 0; k < 3000; ++k) {
            int i = t % 2 ? 2999 - k : k;
            ASSERT_EQ(seen[t][2 * k], list.at(i).instance()) << "thread " << t << " row " << i;
            ASSERT_EQ(seen[t][2 * k + 1], list.at(i)->get_values().at(t % 3).instance()) << "thread " << t;
        }
    }
    for (int i = 0; i < 3000; ++i) ASSERT_EQ(table->get_value_at(1, i)->to_string(), text(i)) << i;
}

// A getter that fails on the fourth row ends the fill with its error, as before, and
// what the first rows held is released.
TEST(TableCells, AReaderFailingMidFillEndsWithItsErrorAndNoTable) {
    auto reader = [] {
        auto r = ScriptedReader::create({{"id", T(5)}, {"any", T(34)}, {"ratio", T(17)}},
                                        {{1, "a", nullptr}, {2, "b", nullptr}, {3, "c", nullptr}, {4, "d", 0.5}});
        r->fail("get_double", gobj::Error("Scripted", 7, "broken cell"));
        return r;
    };
    auto expect_broken = [](const std::function<void()>& f) {
        try {
            f();
            ADD_FAILURE() << "no error";
        } catch (const gobj::Error& e) {
            EXPECT_STREQ(e.domain_name(), "Scripted");
            EXPECT_EQ(e.code(), 7);
            EXPECT_EQ(e.message(), "broken cell");
        }
    };
    auto r = reader();
    Ref<TableModel> table;
    expect_broken([&] { table = fill_table(r); });
    EXPECT_FALSE(table);
    EXPECT_EQ(std::count(r->calls().begin(), r->calls().end(), "read"), 4);
    EXPECT_EQ(std::count(r->calls().begin(), r->calls().end(), "close"), 0);
    // The same error a row-by-row fill through get_value meets.
    expect_broken([&] { eager_table(reader()); });
}

namespace {
// A reader of ours whose get_value is its own: its cells must come from it.
class OwnValueReader : public ScriptedReader {
public:
    static GType gtype();
    gobj::Ref<ValueObject> get_value(guint16 ordinal) override {
        return ValueString::create("own " + std::to_string(ordinal));
    }
};
}  // namespace
TARVELIN_GTYPE(OwnValueReader, "TarvelinTestOwnValueReader", ScriptedReader, IDataReader)

TEST(TableCells, AReaderWithItsOwnGetValueFillsThroughIt) {
    auto r = ScriptedReader::create({{"id", T(5)}, {"name", T(23)}}, {{1, "one"}}, OwnValueReader::gtype());
    auto t = fill_table(r);
    ASSERT_EQ(g_list_model_get_n_items(lm(t)), 1u);
    EXPECT_EQ(t->get_value_at(0, 0)->to_string(), "own 0");
    EXPECT_EQ(t->get_value_at(1, 0)->to_string(), "own 1");
}

namespace {
// A reader that has the server's own text of its DECIMAL and DOUBLE cells, as the
// PostgreSQL (numeric) and MySQL-family (DECIMAL) readers have.
class ServerDigitsReader : public ScriptedReader {
public:
    static GType gtype();
    bool peek_number_text(guint16 ordinal, const char*& data, std::size_t& length) override {
        DataType type = get_data_type(ordinal);
        if (type != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL && type != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE)
            return false;
        kept_ = get_string(ordinal).value_or("");
        data = kept_.data();
        length = kept_.size();
        return true;
    }

private:
    std::string kept_;
};
}  // namespace
TARVELIN_GTYPE(ServerDigitsReader, "TarvelinTestServerDigitsReader", ScriptedReader, IDataReader)

// The server's digits of a number travel beside its double: in the compact cells, into the
// value made from them, and out through exact_text; get_value and the display text are
// those of the double alone.
TEST(TableCells, TheServersDigitsOfANumberTravelBesideItsDouble) {
    const std::vector<test::ScriptedColumn> columns = {
        {"n", T(15)}, {"d", T(17)}, {"f", T(16)}};
    const std::vector<test::ScriptedRow> rows = {
        {"1234567890123456789.123456789", "0.0000000010", 0.1},
        {"-0.1000", "1e300", 3.4028234663852886e38},
        {nullptr, nullptr, nullptr}};
    auto table = fill_table(ScriptedReader::create(columns, rows, ServerDigitsReader::gtype()));
    const std::pair<gint, gint> at[] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
    const char* exact[] = {"1234567890123456789.123456789", "0.0000000010", "0.1", "-0.1000", "1e300", "3.4028235e+38"};
    // From the cells, no row made yet.
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(table->exact_text(at[i].first, at[i].second).value_or("(none)"), exact[i]);
    EXPECT_FALSE(table->exact_text(0, 2));
    EXPECT_FALSE(table->exact_text(3, 0));
    // The same from the values, which are what get_value makes.
    for (size_t i = 0; i < 6; ++i) {
        auto value = table->get_value_at(at[i].first, at[i].second);
        EXPECT_EQ(value->exact_text(), exact[i]);
        EXPECT_EQ(table->exact_text(at[i].first, at[i].second).value_or("(none)"), exact[i]);
    }
    auto eager = eager_table(ScriptedReader::create(columns, rows, ServerDigitsReader::gtype()));
    auto want = test::table_dump(lm(eager)), got = test::table_dump(lm(table));
    EXPECT_EQ(got, want);
    EXPECT_EQ(table->get_value_at(0, 0)->to_string(), "1234567890123456768.000000");

    // A copy keeps the digits; another number drops them.
    auto* decimal = dynamic_cast<ValueDecimal*>(table->get_value_at(0, 0).get());
    ASSERT_NE(decimal, nullptr);
    EXPECT_EQ(decimal->clone()->exact_text(), exact[0]);
    decimal->set_itsvalue(2.5);
    EXPECT_EQ(decimal->exact_text(), "2.5");
    EXPECT_EQ(table->exact_text(0, 0).value_or("(none)"), "2.5");
}

// The plain date-time texts drivers hand to tables as microseconds must be the instant
// GLib's parser gives; every other text is left to GLib.
TEST(TableCells, PlainDateTimeTextsReadAsGLibReadsThem) {
    const char* plain[] = {
        "2024-02-29 12:34:56",        "2024-02-29T12:34:56.5",      "1970-01-01 00:00:00",
        "1969-12-31 23:59:59.999999", "0001-01-01 00:00:00",        "9999-12-31 23:59:59.999999",
        "1000-01-01 00:00:00.000001", "2000-02-29 00:00:00.1",      "2024-01-01 00:00:59.99999",
        "1900-03-01 11:11:11.123",    "2038-01-19 03:14:07.999999", "1582-10-10 10:10:10.7",
    };
    GTimeZone* utc = g_time_zone_new_utc();
    for (const char* text : plain) {
        SCOPED_TRACE(text);
        gint64 us = 0;
        ASSERT_TRUE(cells::plain_utc_microseconds(text, strlen(text), us));
        GDateTime* dt = g_date_time_new_from_iso8601(text, utc);
        ASSERT_NE(dt, nullptr);
        EXPECT_EQ(us, g_date_time_to_unix(dt) * G_USEC_PER_SEC + g_date_time_get_microsecond(dt));
        g_date_time_unref(dt);
    }
    g_time_zone_unref(utc);
    const char* other[] = {
        "2024-02-29 12:34:56+05",     "2024-02-29 12:34:56Z", "2023-02-29 00:00:00", "0000-00-00 00:00:00",
        "2024-02-29 24:00:00",        "2024-02-29 12:34",     "2024-02-29",          "2024-02-29 12:34:56.",
        "2024-02-29 12:34:56.1234567", "20240229 123456",     "2024-13-01 00:00:00", "0001-01-01 00:00:00 BC",
    };
    for (const char* text : other) {
        gint64 us = 0;
        EXPECT_FALSE(cells::plain_utc_microseconds(text, strlen(text), us)) << text;
    }
}
