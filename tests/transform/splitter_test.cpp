// The statement splitter: a table of scripts per dialect and the statements each must
// give, so that no statement is cut inside a literal, comment, body or batch.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "rezezadovu/transform/statement_splitter.hpp"

namespace transform_test {
namespace {

using tarvelin::rezezadovu::transform::split_statements;
using tarvelin::rezezadovu::transform::SplitOptions;

struct SplitCase {
    const char* name;
    const char* script;
    bool backslash_escapes;
    std::vector<std::string> statements;
};

class Splitter : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Splitter, CutsOnlyBetweenStatements) {
    EXPECT_EQ(split_statements(GetParam().script, SplitOptions{GetParam().backslash_escapes}), GetParam().statements);
}

INSTANTIATE_TEST_SUITE_P(
    Dialects, Splitter,
    ::testing::Values(
        SplitCase{"PostgreSQLDollarBody",
                  "CREATE FUNCTION f() RETURNS int AS $BODY$\nBEGIN\n  RAISE NOTICE 'a;b';\n  RETURN 1;\nEND;\n$BODY$ "
                  "LANGUAGE plpgsql;\nSELECT $$x;y$$; SELECT 1",
                  false,
                  {"CREATE FUNCTION f() RETURNS int AS $BODY$\nBEGIN\n  RAISE NOTICE 'a;b';\n  RETURN 1;\nEND;\n$BODY$ "
                   "LANGUAGE plpgsql",
                   "SELECT $$x;y$$", "SELECT 1"}},
        SplitCase{"PostgreSQLPositionalParameterIsNoTag", "SELECT $1; SELECT 2", false, {"SELECT $1", "SELECT 2"}},
        SplitCase{"MariaDBTriggerWithCaseAndIf",
                  "CREATE TRIGGER t BEFORE INSERT ON a FOR EACH ROW BEGIN\n  IF NEW.x > 0 THEN SET NEW.y = 'p;q'; END IF;\n"
                  "  SET NEW.z = CASE WHEN NEW.x = 1 THEN 'one' ELSE 'x\\';' END;\nEND;\nINSERT INTO a VALUES (1)",
                  true,
                  {"CREATE TRIGGER t BEFORE INSERT ON a FOR EACH ROW BEGIN\n  IF NEW.x > 0 THEN SET NEW.y = 'p;q'; END IF;\n"
                   "  SET NEW.z = CASE WHEN NEW.x = 1 THEN 'one' ELSE 'x\\';' END;\nEND",
                   "INSERT INTO a VALUES (1)"}},
        SplitCase{"MariaDBHashCommentAndBackquotes", "# a;b\nSELECT `a;b` FROM t; SELECT 'it\\'s;'", true,
                  {"# a;b\nSELECT `a;b` FROM t", "SELECT 'it\\'s;'"}},
        SplitCase{"SQLiteTrigger",
                  "CREATE TABLE a (x INTEGER);\nCREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO log VALUES "
                  "('a;b');\n  UPDATE a SET x = 1;\nEND;\nPRAGMA foreign_keys = 1",
                  false,
                  {"CREATE TABLE a (x INTEGER)",
                   "CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO log VALUES ('a;b');\n  UPDATE a SET x = 1;\nEND",
                   "PRAGMA foreign_keys = 1"}},
        SplitCase{"LiteralsAndComments",
                  "SELECT 'a;b', \"c;d\", [e;f] FROM t -- x;y\n; /* p;q */ SELECT 'it''s;';\n-- only a comment;\n",
                  false,
                  {"SELECT 'a;b', \"c;d\", [e;f] FROM t -- x;y", "/* p;q */ SELECT 'it''s;'"}},
        SplitCase{"BeginTransactionIsNoBlock", "BEGIN; INSERT INTO a VALUES (1); COMMIT", false,
                  {"BEGIN", "INSERT INTO a VALUES (1)", "COMMIT"}},
        SplitCase{"NothingButBlanks", " ;\n ; ", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A SQL Server table script as the SQL Server builder writes it: batches end at GO lines,
// a trigger runs to its batch end, and the statements after the last GO stand alone.
TEST(SplitterSqlServer, BuilderScriptWithTriggersAndGo) {
    std::ifstream in(TARVELIN_SQLSERVER_DDL "/table_orders.sql");
    ASSERT_TRUE(in.good());
    std::stringstream script;
    script << in.rdbuf();
    auto pieces = split_statements(script.str());
    ASSERT_EQ(pieces.size(), 12u);
    EXPECT_EQ(pieces[0].rfind("CREATE TABLE [sales].[orders] (", 0), 0u);
    EXPECT_EQ(pieces[1].rfind("CREATE TRIGGER [trg_audit]", 0), 0u);
    EXPECT_NE(pieces[1].find("SET NOCOUNT ON;\nEND"), std::string::npos);
    EXPECT_EQ(pieces[2].rfind("EXEC sp_addextendedproperty 'MS_Description', N'Audits changes'", 0), 0u);
    EXPECT_EQ(pieces[3].rfind("CREATE TRIGGER [trg_clr]", 0), 0u);
    EXPECT_EQ(pieces[11], "DISABLE TRIGGER [sales].[trg_clr] ON [sales].[orders]");
    for (const auto& piece : pieces) EXPECT_EQ(piece.find("\nGO"), std::string::npos) << piece;
}

}  // namespace
}  // namespace transform_test
