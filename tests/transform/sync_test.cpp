// The structure synchronisation between two SQLite files and between two PostgreSQL
// databases, the SQL Server table patch reached through the change maps, and the frame
// of the user-data synchronisation.
#include <regex>

#include "endpoints.hpp"
#include "providers/contracts/model_data_set.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/gee.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"
#include "rezezadovu/transform/structure_synchronizer.hpp"
#include "rezezadovu/transform/userdata_synchronizer.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"

namespace transform_test {
namespace {

using namespace rezezadovu::meta_model;
using rezezadovu::contracts::ThreadProgress;
using rezezadovu::transform::StructureSynchronizer;
using rezezadovu::transform::UserdataSynchronizer;
using IConnectionRef = gobj::Ref<rezezadovu::contracts::database::IConnection>;

struct Side {
    const char* name;
    EndpointMaker make;
    const char* server;
};

// Test names and failure lines show the case by its name, not its bytes.
void PrintTo(const Side& c, std::ostream* os) { *os << c.name; }

class StructureSync : public ::testing::TestWithParam<Side> {
protected:
    void SetUp() override {
        source = GetParam().make(dir, "source.db");
        TRANSFORM_REQUIRE(source, GetParam().server);
        target = GetParam().make(dir, "target.db");
        TRANSFORM_REQUIRE(target, GetParam().server);
    }

    // Both sides; the source then gains a table, a column and an index, loses a table and
    // changes its view to read the new column.
    void diverge() {
        for (Endpoint* e : {source.get(), target.get()}) {
            e->run("CREATE TABLE t1 (id INTEGER PRIMARY KEY, a TEXT)");
            e->run("CREATE TABLE old (x INTEGER)");
            e->run("CREATE VIEW v AS SELECT id FROM t1");
        }
        source->run("ALTER TABLE t1 ADD COLUMN b TEXT");
        source->run("CREATE INDEX ix_a ON t1 (a)");
        source->run("CREATE TABLE t2 (id INTEGER)");
        source->run("DROP TABLE old");
        source->run("DROP VIEW v");
        source->run("CREATE VIEW v AS SELECT id, b FROM t1");
    }

    gobj::Ref<StructureSynchronizer> job(std::vector<std::pair<std::string, std::string>> selection) {
        selection.push_back({key("OPTION", "SOURCE", "DATABASE"), source->database});
        selection.push_back({key("OPTION", "SOURCE", "SCHEMA"), source->schema});
        selection.push_back({key("OPTION", "TARGET", "DATABASE"), target->database});
        selection.push_back({key("OPTION", "TARGET", "SCHEMA"), target->schema});
        auto j = StructureSynchronizer::create(StructureSynchronizer::gtype(), options(selection).get());
        j->set_server_source(IConnectionRef::retain(source->connection.instance()));
        j->set_server_target(IConnectionRef::retain(target->connection.instance()));
        j->set_progress(progress);
        j->initialize();
        return j;
    }

    static std::vector<std::string> texts(GeeArrayList* list) {
        auto owned = gobj::GPtr<GeeArrayList>::adopt(list);
        return gobj::StringArray::wrap(owned.get()).to_vector();
    }
    std::vector<std::string> generate(StructureSynchronizer& j) { return texts(j.generate().release()); }

    const std::vector<std::pair<std::string, std::string>> every = {{key("OPTION", "table", "t1"), ""},
                                                                    {key("OPTION", "table", "t2"), ""},
                                                                    {key("OPTION", "table", "old"), ""},
                                                                    {key("OPTION", "view", "v"), ""}};
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    std::unique_ptr<Endpoint> source, target;
    gobj::Ref<ThreadProgress> progress = ThreadProgress::create();
};

bool holds(const std::string& text, std::initializer_list<const char*> parts) {
    for (const char* p : parts)
        if (text.find(p) == std::string::npos) return false;
    return true;
}

TEST_P(StructureSync, PreviewGenerateHandleAndAgain) {
    diverge();
    ASSERT_FALSE(HasFailure());
    auto j = job(every);
    auto preview = gobj::ref_cast<MetaSchema>(j->preview());
    ASSERT_TRUE(preview);
    std::vector<std::string> marks;
    for (auto t : gobj::GeeArray<MetaTable>::wrap(preview->get_tables()))
        marks.push_back(std::string(t->get_name()) + ":" + std::to_string(t->get_version()));
    EXPECT_EQ(marks, (std::vector<std::string>{"t1:8", "t2:4", "old:2"}));

    auto list = generate(*j);
    ASSERT_EQ(list.size(), 4u) << ::testing::PrintToString(list);
    EXPECT_TRUE(holds(list[0], {"t1", "b"})) << list[0];
    EXPECT_TRUE(holds(list[1], {"CREATE", "t2"})) << list[1];
    EXPECT_TRUE(holds(list[2], {"DROP", "old"})) << list[2];
    EXPECT_TRUE(holds(list[3], {"DROP", "CREATE", "v"})) << list[3];

    j->handle();
    auto s = progress->snapshot();
    EXPECT_EQ(s.failed, 0) << progress->pop_message().value_or("");
    EXPECT_EQ(s.succeeded, 4);
    EXPECT_TRUE(s.finished);
    target->run("INSERT INTO t1 (id, a, b) VALUES (1, 'x', 'y')");
    EXPECT_EQ(target->rows("SELECT id, b FROM v"), std::vector<std::string>{"1|y"});
    EXPECT_NE(target->try_run("SELECT x FROM old"), "");

    // A fresh job sees nothing left to do.
    auto again = job(every);
    EXPECT_EQ(generate(*again), std::vector<std::string>{});
}

TEST_P(StructureSync, IdenticalSchemasAndNoSelection) {
    for (Endpoint* e : {source.get(), target.get()}) e->run("CREATE TABLE t1 (id INTEGER PRIMARY KEY)");
    auto same = job(every);
    EXPECT_FALSE(same->preview());
    EXPECT_EQ(generate(*same), std::vector<std::string>{});
    same->handle();
    EXPECT_EQ(progress->snapshot().processed, 0);
    EXPECT_TRUE(progress->snapshot().finished);

    source->run("CREATE TABLE t2 (id INTEGER)");
    EXPECT_EQ(generate(*job({})), std::vector<std::string>{});
}

// The second of three statements fails (a DROP of a parent whose child, not selected,
// holds a row): one success, one failure with its line, and the third does not run.
TEST_P(StructureSync, FailingSecondOfThreeStopsWithoutContinue) {
    target->run("CREATE TABLE p_parent (id INTEGER PRIMARY KEY)");
    target->run("CREATE TABLE q_child (id INTEGER, p INTEGER REFERENCES p_parent (id))");
    target->run("CREATE TABLE z_last (id INTEGER)");
    target->run("INSERT INTO p_parent VALUES (1)");
    target->run("INSERT INTO q_child VALUES (1, 1)");
    if (target->product == "SQLite") target->run("PRAGMA foreign_keys = ON");
    source->run("CREATE TABLE a_new (id INTEGER)");
    auto j = job({{key("OPTION", "table", "a_new"), ""},
                  {key("OPTION", "table", "p_parent"), ""},
                  {key("OPTION", "table", "z_last"), ""}});
    j->handle();
    auto s = progress->snapshot();
    EXPECT_EQ(std::vector<gint64>({s.processed, s.succeeded, s.failed}), std::vector<gint64>({2, 1, 1}));
    auto line = progress->pop_message();
    ASSERT_TRUE(line);
    EXPECT_TRUE(std::regex_search(*line, std::regex(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} .+)"))) << *line;
    EXPECT_FALSE(progress->pop_message());
    EXPECT_EQ(target->rows("SELECT count(*) FROM q_child"), std::vector<std::string>{"1"});
    EXPECT_EQ(target->rows("SELECT count(*) FROM a_new"), std::vector<std::string>{"0"});
    EXPECT_EQ(target->rows("SELECT count(*) FROM z_last"), std::vector<std::string>{"0"});
}

INSTANTIATE_TEST_SUITE_P(Products, StructureSync,
                         ::testing::Values(Side{"SQLite", make_sqlite, "SQLite"},
                                           Side{"PostgreSQL", make_pg, "PostgreSQL"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- user data

TEST(UserdataSync, EmptySetsAfterInitializeAndHostTables) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto source = sqlite_endpoint(dir.file("s.db")), target = sqlite_endpoint(dir.file("t.db"));
    auto j = UserdataSynchronizer::create(UserdataSynchronizer::gtype(), options({}).get());
    EXPECT_FALSE(j->get_dataset_source());
    j->set_server_source(IConnectionRef::retain(source->connection.instance()));
    j->set_server_target(IConnectionRef::retain(target->connection.instance()));
    auto progress = ThreadProgress::create();
    j->set_progress(progress);
    j->initialize();
    ASSERT_TRUE(j->get_dataset_source() && j->get_dataset_target());
    EXPECT_EQ(j->get_dataset_source()->get_tables().size(), 0);
    EXPECT_FALSE(j->preview());
    EXPECT_EQ(gobj::StringArray::wrap(j->generate().get()).size(), 0);

    // Tables the host adds are compared; the builders' patch texts are empty and run nothing.
    auto table_with = [](const char* text) {
        auto t = providers::contracts::TableModel::create();
        auto r = providers::contracts::RowModel::create();
        r->get_values().append(providers::contracts::ValueString::create(text));
        t->get_rows().append(r);
        return t;
    };
    j->get_dataset_source()->get_tables().append(table_with("a"));
    j->get_dataset_target()->get_tables().append(table_with("b"));
    auto patched = gobj::ref_cast<providers::contracts::DataSetModel>(j->preview());
    ASSERT_TRUE(patched);
    EXPECT_EQ(patched->get_tables().size(), 1);
    EXPECT_EQ(gobj::StringArray::wrap(j->generate().get()).to_vector(), std::vector<std::string>{""});
    j->handle();
    auto s = progress->snapshot();
    EXPECT_EQ(s.processed, 0);
    EXPECT_TRUE(s.finished);
}

}  // namespace
}  // namespace transform_test
