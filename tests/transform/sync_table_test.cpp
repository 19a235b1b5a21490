// The structure synchronisation reaching the other side, as a table of fixture pairs run
// both ways on SQLite, PostgreSQL and MariaDB: after a run the target reads back like the
// source at the level a user sees (tables, columns, NOT NULL, defaults, keys, indexes,
// foreign keys and where they point), rows in the columns both sides keep survive, and
// `generate` run again gives no text. A pair the product refuses (a NOT NULL column
// without a default added to a filled table) leaves the target as it was, with its rows,
// and says why.
#include <algorithm>
#include <set>
#include <tuple>

#include "endpoints.hpp"
#include "waiting.hpp"
#include "providers/gobj/gee.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"
#include "rezezadovu/transform/structure_synchronizer.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"
#include "sync_shape.hpp"

namespace transform_test {
namespace {

using rezezadovu::contracts::ThreadProgress;
using rezezadovu::transform::StructureSynchronizer;

// Both sides of a pair, each a list of statements run in order (rows included).
struct Pair {
    std::vector<std::string> left, right;
};

struct Case {
    const char* name;
    Pair (*make)(const std::string& product);
    // Products that refuse the change left -> right; the target then stays as it was.
    std::set<std::string> refused = {};
};

std::string analyze(const std::string& product, const std::string& table) {
    return product == "MariaDB" ? "ANALYZE TABLE " + table : "ANALYZE";
}

const Case kCases[] = {
    {"R1_ForeignKeysPointIntoTheTarget",
     [](const std::string&) {
         return Pair{{"CREATE TABLE p (id integer PRIMARY KEY, label varchar(20))",
                      "CREATE TABLE c (id integer PRIMARY KEY, p integer NOT NULL, "
                      "CONSTRAINT fk_c_p FOREIGN KEY (p) REFERENCES p (id))",
                      "CREATE TABLE g (id integer PRIMARY KEY, c integer, "
                      "CONSTRAINT fk_g_c FOREIGN KEY (c) REFERENCES c (id) ON DELETE CASCADE)",
                      "CREATE INDEX ix_c_p ON c (p)", "INSERT INTO p VALUES (1, 'one')"},
                     {"CREATE TABLE p (id integer PRIMARY KEY, label varchar(20))", "INSERT INTO p VALUES (1, 'one')",
                      "INSERT INTO p VALUES (2, 'two')"}};
     }},
    {"R2_TargetOnlyForeignKeyIsDropped",
     [](const std::string&) {
         return Pair{{"CREATE TABLE p (id integer PRIMARY KEY)",
                      "CREATE TABLE c (id integer PRIMARY KEY, p integer, note varchar(20))",
                      "INSERT INTO p VALUES (1)", "INSERT INTO c VALUES (1, 1, 'a')"},
                     {"CREATE TABLE p (id integer PRIMARY KEY)",
                      "CREATE TABLE c (id integer PRIMARY KEY, p integer, "
                      "CONSTRAINT fk_c_p FOREIGN KEY (p) REFERENCES p (id))",
                      "INSERT INTO p VALUES (1)", "INSERT INTO p VALUES (2)", "INSERT INTO c VALUES (1, 1)",
                      "INSERT INTO c VALUES (2, 2)"}};
     }},
    {"R3_NotNullColumnWithoutDefaultOnAFilledTable",
     [](const std::string&) {
         return Pair{{"CREATE TABLE f (id integer PRIMARY KEY, ctx varchar(32) NOT NULL, name varchar(20))"},
                     {"CREATE TABLE f (id integer PRIMARY KEY, name varchar(20))", "INSERT INTO f VALUES (1, 'a')",
                      "INSERT INTO f VALUES (2, 'b')"}};
     },
     {"SQLite", "PostgreSQL"}},
    {"R3_NotNullColumnWithDefaultOnAFilledTable",
     [](const std::string&) {
         return Pair{{"CREATE TABLE f (id integer PRIMARY KEY, ctx varchar(32) DEFAULT 'x' NOT NULL, name varchar(20))",
                      "CREATE INDEX ix_f_name ON f (name)"},
                     {"CREATE TABLE f (id integer PRIMARY KEY, name varchar(20))", "INSERT INTO f VALUES (1, 'a')",
                      "INSERT INTO f VALUES (2, 'b')"}};
     }},
    {"R4_ColumnAddedInTheMiddle",
     [](const std::string&) {
         return Pair{{"CREATE TABLE t (a integer PRIMARY KEY, b varchar(10) DEFAULT 'n', c integer NOT NULL)",
                      "INSERT INTO t VALUES (1, 'x', 10)"},
                     {"CREATE TABLE t (a integer PRIMARY KEY, c integer NOT NULL)", "INSERT INTO t VALUES (1, 10)",
                      "INSERT INTO t VALUES (2, 20)"}};
     }},
    {"R5_FilledTableAfterAnalyze",
     [](const std::string& product) {
         // Measured after ANALYZE on both sides: one table alike, one that differs by a column.
         auto side = [&](const std::string& extra) {
             std::vector<std::string> out;
             for (const char* t : {"s", "u"}) {
                 out.push_back(std::string("CREATE TABLE ") + t + " (id integer PRIMARY KEY, v varchar(200)" +
                               (t == std::string("u") ? extra : "") + ")");
                 for (int i = 1; i <= 20; ++i)
                     out.push_back(std::string("INSERT INTO ") + t + " (id, v) VALUES (" + std::to_string(i) + ", '" +
                                   std::string(i * 5, 'v') + "')");
                 out.push_back(analyze(product, t));
             }
             return out;
         };
         return Pair{side(", w integer"), side("")};
     }},
};

struct Param {
    const char* product;
    const Case* c;
    bool forward;  // left -> right, else right -> left
};

void PrintTo(const Param& p, std::ostream* os) { *os << p.product << " " << p.c->name << (p.forward ? " ->" : " <-"); }

std::unique_ptr<Endpoint> endpoint(const std::string& product, TempDir& dir, const std::string& side) {
    if (product == "SQLite") return sqlite_endpoint(dir.file(side + ".db"));
    if (product == "PostgreSQL") {
        // Each side in a schema of its own name, so that a name of the source's schema
        // carried to the target shows.
        auto e = pg_endpoint();
        if (!e) return e;
        e->schema = "sync_" + side;
        e->run("CREATE SCHEMA " + e->schema);
        e->run("SET search_path TO " + e->schema);
        return e;
    }
    return mariadb_endpoint();
}

class SyncTable : public ::testing::TestWithParam<Param> {
protected:
    void SetUp() override {
        const std::string product = GetParam().product;
        const char* server = product == "MariaDB" ? "MariaDB" : product.c_str();
        left = endpoint(product, dir, "left");
        TRANSFORM_REQUIRE(left, server);
        right = endpoint(product, dir, "right");
        TRANSFORM_REQUIRE(right, server);
        Pair pair = GetParam().c->make(product);
        for (const auto& s : pair.left) ASSERT_NO_FATAL_FAILURE(left->run(s));
        for (const auto& s : pair.right) ASSERT_NO_FATAL_FAILURE(right->run(s));
    }

    gobj::Ref<StructureSynchronizer> job(Endpoint& source, Endpoint& target, const std::vector<std::string>& tables) {
        return structure_job(source, target, tables, progress);
    }

    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    std::unique_ptr<Endpoint> left, right;
    gobj::Ref<ThreadProgress> progress = ThreadProgress::create();
};

TEST_P(SyncTable, TargetReadsBackLikeTheSource) {
    const Param& p = GetParam();
    Endpoint& source = p.forward ? *left : *right;
    Endpoint& target = p.forward ? *right : *left;
    const bool refused = p.forward && p.c->refused.count(p.product);

    // What a rebuild switches off for a while is on again after it, also after one that failed.
    const std::string switches = "SELECT * FROM pragma_foreign_keys, pragma_legacy_alter_table";
    const bool sqlite = p.product == std::string("SQLite");
    if (sqlite) target.run("PRAGMA foreign_keys = ON");
    const auto switched = sqlite ? target.rows(switches) : std::vector<std::string>{};
    Shape before = shape_of(target);
    std::set<std::string> tables;
    for (const auto& [t, _] : shape_of(source).columns) tables.insert(t);
    for (const auto& [t, _] : before.columns) tables.insert(t);
    const auto kept = kept_rows(source, target);

    auto j = job(source, target, {tables.begin(), tables.end()});
    std::string texts;
    for (const auto& t : gobj::StringArray::wrap(j->generate().get()).to_vector()) texts += t + "\n--\n";
    j->handle();
    auto counts = progress->snapshot();
    std::vector<std::string> lines;
    while (auto line = progress->pop_message()) lines.push_back(*line);
    EXPECT_TRUE(counts.finished);

    Shape after = shape_of(target);
    if (refused) {
        // One failed step that says why; the table as it was, with its rows, and no copy left aside.
        EXPECT_EQ(counts.failed, 1) << texts;
        ASSERT_EQ(lines.size(), 1u) << texts;
        EXPECT_NE(lines[0].find("ctx"), std::string::npos) << lines[0];
        EXPECT_EQ(after.text(), before.text()) << texts;
    } else {
        EXPECT_EQ(counts.failed, 0) << texts << ::testing::PrintToString(lines);
        EXPECT_EQ(after.text(), shape_of(source).text()) << texts;
        auto again = job(source, target, {tables.begin(), tables.end()});
        auto second = gobj::StringArray::wrap(again->generate().get()).to_vector();
        EXPECT_EQ(second, std::vector<std::string>{}) << "the first run sent:\n" << texts;
    }
    if (sqlite) {
        EXPECT_EQ(target.rows(switches), switched) << texts;
    }
    for (const auto& [sql, rows] : kept) EXPECT_EQ(target.rows(sql), rows) << sql << "\n" << texts;
}

std::vector<Param> params() {
    std::vector<Param> out;
    for (const char* product : {"SQLite", "PostgreSQL", "MariaDB"})
        for (const auto& c : kCases)
            for (bool forward : {true, false}) out.push_back({product, &c, forward});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Pairs, SyncTable, ::testing::ValuesIn(params()), [](const auto& info) {
    return std::string(info.param.product) + "_" + info.param.c->name + (info.param.forward ? "_Forward" : "_Back");
});

}  // namespace
}  // namespace transform_test

namespace transform_test {
namespace {

using namespace rezezadovu::meta_model;

// Columns are matched by name: a column's number is no difference (PostgreSQL counts
// dropped columns in it), the column before it is.
TEST(ColumnComparison, ByNameAndTheColumnBefore) {
    auto table = [](std::vector<std::tuple<const char*, int, const char*>> columns) {
        auto t = MetaTable::create_with_names(MetaTable::gtype(), "d", "s", "t");
        for (const auto& [name, ordinal, after] : columns) {
            auto c = MetaColumn::create();
            c->set_name(name);
            c->set_ordinal(guint16(ordinal));
            c->set_after(after);
            gobj::GeeArray<MetaColumn>::wrap(t->get_columns()).append(c);
        }
        return t;
    };
    auto patcher = rezezadovu::transform::Patcher::create();
    gobj::Ref<MetaTable> patched;
    auto source = table({{"a", 1, ""}, {"c", 2, "a"}});
    EXPECT_EQ(patcher->diff_meta_table(*source, *table({{"a", 1, ""}, {"c", 3, "a"}}), false, patched),
              TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL);
    EXPECT_EQ(patcher->diff_meta_table(*source, *table({{"c", 1, ""}, {"a", 2, "c"}}), false, patched),
              TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    ASSERT_TRUE(patched);
    std::vector<int> marks;
    for (auto c : gobj::GeeArray<MetaColumn>::wrap(patched->get_columns())) marks.push_back(c->get_version());
    EXPECT_EQ(marks, (std::vector<int>{TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE,
                                       TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE}));
}

}  // namespace
}  // namespace transform_test
