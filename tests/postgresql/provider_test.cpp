#include <functional>

#include "postgresql/fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using Rows = std::vector<std::vector<std::string>>;
using Heads = std::vector<std::string>;
using RV = providers::contracts::IDataReader::Vtable;

namespace {

class PostgresqlData : public PostgresqlTest {
protected:
    void SetUp() override {
        PostgresqlTest::SetUp();
        if (HasFatalFailure() || IsSkipped()) return;
        affect("CREATE TEMP TABLE t (id int PRIMARY KEY, name text)");
        affect("INSERT INTO t VALUES (1, 'one'), (2, 'two'), (3, NULL)");
    }
};

}  // namespace

TEST_F(PostgresqlData, ModelHoldsColumnsAndRowsInResultOrder) {
    auto table = model("SELECT id, name FROM t ORDER BY id");
    EXPECT_EQ(column_heads(*table), (Heads{"id:int32", "name:string"}));
    EXPECT_EQ(cells(*table), (Rows{{"ValueInt32=1", "ValueString=one"},
                                   {"ValueInt32=2", "ValueString=two"},
                                   {"ValueInt32=3", "ValueNull="}}));
    EXPECT_EQ(table->get_columns().at(0)->get_data_size(), 4u);
    EXPECT_EQ(table->get_columns().at(1)->get_data_size(), G_MAXUINT64);  // variable length: -1 widened

    auto empty = model("SELECT id, name FROM t WHERE false");
    EXPECT_EQ(empty->get_columns().size(), 2);
    EXPECT_EQ(empty->get_rows().size(), 0);
    // The flag changes nothing.
    EXPECT_EQ(cells(*gobj::call<&PV::execute_model>(p(), "SELECT id FROM t ORDER BY id", false)).size(), 3u);
}

TEST_F(PostgresqlData, AffectScalarAndStatementsReportCountsAndFirstCells) {
    EXPECT_EQ(affect("UPDATE t SET name = upper(name) WHERE name IS NOT NULL"), 2);
    EXPECT_EQ(affect("SELECT * FROM t"), 3);
    EXPECT_EQ(affect("CREATE TEMP TABLE u (a int)"), 0);

    auto first = scalar("SELECT name, id FROM t ORDER BY id");
    EXPECT_EQ(kind(first), "TarvelinProvidersContractsValueString");
    EXPECT_EQ(first->to_string(), "ONE");
    EXPECT_EQ(kind(scalar("SELECT name FROM t WHERE id = 3")), "TarvelinProvidersContractsValueNull");
    EXPECT_EQ(kind(scalar("SELECT name FROM t WHERE false")), "TarvelinProvidersContractsValueNull");
    auto count = scalar("DELETE FROM t WHERE id > 1");
    EXPECT_EQ(kind(count), "TarvelinProvidersContractsValueUInt64");
    EXPECT_EQ(count->to_string(), "2");

    // One PQexec for the whole text: only the last result is reported.
    auto results = gobj::call<&PV::execute_statements>(p(), "SELECT 1; UPDATE t SET id = id", true);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(results[0].get()), "TarvelinProvidersContractsValueUInt64");
    results = gobj::call<&PV::execute_statements>(p(), "UPDATE t SET id = id; SELECT id, name FROM t", true);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(results[0].get()), "TarvelinProvidersContractsTableModel");
}

TEST_F(PostgresqlData, FailuresRaiseTheirRecords) {
    struct Case {
        const char* what;
        std::function<void()> run;
        int code;
        const char* message_start;
    } cases[] = {
        {"empty statement", [&] { affect(""); }, -2, "PGRES_EMPTY_QUERY : "},
        {"missing table", [&] { scalar("SELECT * FROM nowhere"); }, -2, "PGRES_FATAL_ERROR : ERROR:  relation"},
        {"non-query as a model", [&] { model("UPDATE t SET id = id"); }, -1, "No data returned."},
        {"non-query as a reader", [&] { gobj::call<&PV::execute_reader>(p(), "UPDATE t SET id = id"); }, 1,
         "PGRES_COMMAND_OK"},
    };
    for (const Case& c : cases) {
        gobj::Error e = error_of(c.run);
        EXPECT_TRUE(e.matches("PostgreSQL")) << c.what;
        EXPECT_EQ(e.code(), c.code) << c.what;
        EXPECT_EQ(e.message().rfind(c.message_start, 0), 0u) << c.what << ": " << e.message();
    }
    // A failed statement leaves the provider usable.
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p()));
    EXPECT_EQ(scalar("SELECT count(*) FROM t")->to_string(), "3");
}

TEST_F(PostgresqlData, ReaderStartsBeforeTheFirstRow) {
    auto r = gobj::ref_cast<PostgreSQLReader>(gobj::call<&PV::execute_reader>(p(), "SELECT id, name FROM t ORDER BY id"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->get_field_count(), 2);
    EXPECT_EQ(r->get_name(1), "name");
    EXPECT_EQ(r->get_dbms_type(0), "INT4");
    EXPECT_EQ(r->get_data_type(0), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    gobj::Error before = error_of([&] { r->get_int32(0); });
    EXPECT_TRUE(before.matches("PostgreSQL"));
    EXPECT_EQ(before.message(), "There is no current row.");

    std::vector<std::string> seen;
    while (r->read()) {
        auto v = gobj::call<&RV::get_value>(r.instance(), 1);
        seen.push_back(std::to_string(r->get_int32(0)) + "=" + kind(v));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"1=TarvelinProvidersContractsValueString",
                                              "2=TarvelinProvidersContractsValueString",
                                              "3=TarvelinProvidersContractsValueNull"}));
    EXPECT_FALSE(r->read());
    EXPECT_FALSE(r->get_is_closed());
    EXPECT_FALSE(r->bulk());
    gobj::Error column = error_of([&] { r->get_name(2); });
    EXPECT_TRUE(column.matches("PostgreSQL"));
    r->close();

    // A query that matches nothing is still a reader.
    auto none = gobj::call<&PV::execute_reader>(p(), "SELECT id FROM t WHERE false");
    EXPECT_FALSE(gobj::call<&RV::read>(none.instance()));
}

TEST_F(PostgresqlData, AHandedOutReaderOwnsItsResult) {
    auto r = gobj::call<&PV::execute_reader>(p(), "SELECT name FROM t WHERE id = 2");
    gobj::call<&PV::close>(p());
    provider.reset();
    ASSERT_TRUE(gobj::call<&RV::read>(r.instance()));
    EXPECT_EQ(gobj::call<&RV::get_value>(r.instance(), 0)->to_string(), "two");
}

