#include "sqlite/fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;

namespace {

// Each result as "kind:text" ("TableModel:<rows>" for a table).
std::vector<std::string> run(gpointer provider, const std::string& text) {
    std::vector<std::string> out;
    for (const auto& object : gobj::call<&PV::execute_statements>(provider, text, true)) {
        std::string name = G_OBJECT_TYPE_NAME(object.get());
        name.erase(0, std::string("TarvelinProvidersContracts").size());
        auto* self = gobj::self_of(object.get());
        if (auto* table = dynamic_cast<TableModel*>(self)) {
            out.push_back(name + ":" + std::to_string(table->get_rows().size()));
        } else if (auto* value = dynamic_cast<ValueObject*>(self)) {
            out.push_back(name + ":" + value->to_string());
        }
    }
    return out;
}

}  // namespace

TEST_F(SqliteTest, StatementsGiveOneResultPerStatementAndRunOnAfterAFailure) {
    using Results = std::vector<std::string>;
    struct Case {
        const char* text;
        Results results;
    } cases[] = {
        {"CREATE TABLE a (x); INSERT INTO a VALUES (1); SELECT * FROM a;",
         {"ValueUInt64:0", "ValueUInt64:1", "TableModel:1"}},
        {"SELECT 1; UPDATE a SET x = 2", {"TableModel:1", "ValueUInt64:1"}},
        // The failed statement leaves its error; the next one still runs.
        {"INSERT INTO a VALUES (2); INSERT INTO nowhere VALUES (3); INSERT INTO a VALUES (4);",
         {"ValueUInt64:1", "ValueError:1:no such table: nowhere", "ValueUInt64:1"}},
        // Blanks after the last semicolon add nothing; a comment there is one more entry.
        {"SELECT 1;  \n\t ", {"TableModel:1"}},
        {"SELECT 1; -- done", {"TableModel:1", "ValueError:0:not an error"}},
        {"", {"ValueError:0:not an error"}},
        {"  \n ", {"ValueError:0:not an error"}},
        {"SELECT x FROM a WHERE 0", {"TableModel:0"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(p(), c.text), c.results) << c.text;
    }
    EXPECT_EQ(scalar("SELECT group_concat(x) FROM a")->to_string(), "2,2,4");
}

TEST_F(SqliteTest, StatementsWithASyntaxErrorStillRunWhatFollows) {
    affect("CREATE TABLE a (x)");
    std::vector<std::string> results = run(p(), "INSERT INTO a VALUES (1); SELEC oops; INSERT INTO a VALUES (3);");
    ASSERT_GE(results.size(), 3u);
    EXPECT_EQ(results.front(), "ValueUInt64:1");
    EXPECT_EQ(results[1].rfind("ValueError:1:", 0), 0u) << results[1];
    EXPECT_EQ(results.back(), "ValueUInt64:1");
    EXPECT_EQ(scalar("SELECT group_concat(x) FROM a")->to_string(), "1,3");
}

TEST_F(SqliteTest, StatementsReturnTheListThroughTheCEntry) {
    GError* error = nullptr;
    gint length = -1;
    GObject** results = tarvelin_providers_contracts_iprovider_execute_statements(
        TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(p()), "SELECT 1; SELECT 2, 3", FALSE, &length, &error);
    ASSERT_EQ(error, nullptr);
    ASSERT_EQ(length, 2);
    EXPECT_TRUE(TARVELIN_PROVIDERS_CONTRACTS_IS_TABLE_MODEL(results[0]));
    EXPECT_TRUE(TARVELIN_PROVIDERS_CONTRACTS_IS_TABLE_MODEL(results[1]));
    EXPECT_EQ(results[2], nullptr);
    for (gint i = 0; i < length; ++i) g_object_unref(results[i]);
    g_free(results);
}
