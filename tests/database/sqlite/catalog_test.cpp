// Reading stored CREATE statements: index key parts, the two trigger rule sets, view
// definitions, and the one-line unique and check constraints.
#include <gtest/gtest.h>

#include "rezezadovu/supports/database/sqlite/catalog.hpp"

using namespace tarvelin::rezezadovu::supports::database::sqlite;

namespace {

std::string shown(const Read& r) {
    if (!r) return "(unset)";
    if (!*r) return "(null)";
    return **r;
}

TEST(SqliteStoredSql, MaskedUpperKeepsPositionsAndHidesQuotedSpans) {
    std::string sql = "create trigger \"insert x\" after update on `t` -- delete\nbegin select 'END'; end";
    std::string masked = masked_upper(sql);
    ASSERT_EQ(masked.size(), sql.size());
    EXPECT_EQ(masked.find("INSERT"), std::string::npos);
    EXPECT_EQ(masked.find("DELETE"), std::string::npos);
    EXPECT_EQ(masked.rfind("END"), sql.size() - 3);
    EXPECT_EQ(masked.substr(0, 14), "CREATE TRIGGER");
    // Upper-casing is ASCII only: "ß" keeps its two bytes.
    EXPECT_EQ(masked_upper("straße").size(), std::string("straße").size());
}

TEST(SqliteStoredSql, SliceFollowsTheNegativePositionRule) {
    EXPECT_EQ(slice("abcdef", 1, 3).value_or("none"), "bc");
    EXPECT_EQ(slice("abcdef", 2, -1).value_or("none"), "cde");
    EXPECT_EQ(slice("abcdef", -1, 6).value_or("none"), "f");
    EXPECT_EQ(slice("abcdef", 4, 2).value_or("none"), "none");
    EXPECT_EQ(slice("abcdef", 0, 9).value_or("none"), "none");
}

TEST(SqliteStoredSql, IdentifierTextAndPlainQuotes) {
    EXPECT_EQ(identifier_text(" \"a\"\"b\" "), "a\"b");
    EXPECT_EQ(identifier_text("`a``b`"), "a`b");
    EXPECT_EQ(identifier_text("[a b]"), "a b");
    EXPECT_EQ(identifier_text("plain"), "plain");
    EXPECT_EQ(strip_plain_quotes("\"a\", \"b c\", `d`", "\""), "a, \"b c\", `d`");
    EXPECT_EQ(strip_plain_quotes("\"a\", \"b c\", `d`", "\"`"), "a, \"b c\", d");
    EXPECT_EQ(strip_plain_quotes("[x] DESC, 'y'", "\"'["), "x DESC, y");
}

TEST(SqliteStoredSql, IndexKeyParts) {
    struct Case {
        const char* sql;
        bool unique;
        std::vector<std::string> columns;
        const char* where;
    } cases[] = {
        {"CREATE UNIQUE INDEX i ON t (a, b)", true, {"a", "b"}, ""},
        // The builder's multi-line form.
        {"CREATE UNIQUE INDEX \"i\"\nON \"t\" (\n    \"a\",\n    \"b\"\n)", true, {"a", "b"}, ""},
        {"CREATE INDEX i ON t (lower(a), substr(b, 1, 2) DESC)", false, {"lower(a)", "substr(b, 1, 2) DESC"}, ""},
        {"CREATE INDEX \"p(x\" ON \"t\" (\"a b\", [c]) WHERE c > 0 AND b = ')'", false, {"a b", "c"},
         "c > 0 AND b = ')'"},
        {"CREATE INDEX i ON t (\"a\" COLLATE NOCASE)", false, {"a COLLATE NOCASE"}, ""},
        // A name holding "UNIQUE INDEX" does not make the index unique.
        {"CREATE INDEX \"UNIQUE INDEX\" ON t (a)", false, {"a"}, ""},
        // Names in every quoting SQLite takes come unquoted, their doubled quotes made single;
        // beside an order or in an expression they stay quoted, in the standard form.
        {"CREATE INDEX i ON t ([a b], `c``d`, \"e\"\"f\", 'g''h', [x y] DESC, `k` COLLATE RTRIM, upper([a b]))", false,
         {"a b", "c`d", "e\"f", "g'h", "\"x y\" DESC", "k COLLATE RTRIM", "upper(\"a b\")"}, ""},
        {"CREATE INDEX i ON t (\"id); DROP TABLE victim; CREATE INDEX zz ON other(a\")", false,
         {"id); DROP TABLE victim; CREATE INDEX zz ON other(a"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        IndexText index = read_index(c.sql);
        EXPECT_EQ(index.unique, c.unique);
        EXPECT_EQ(index.columns, c.columns);
        EXPECT_EQ(index.where, c.where);
    }
}

TEST(SqliteStoredSql, KeyPartsAndLists) {
    struct Case {
        const char* part;
        const char* head;
        const char* tail;
    } cases[] = {
        {"a", "a", ""},
        {"a DESC", "a", " DESC"},
        {"\"a b\" collate nocase  asc", "\"a b\"", " collate nocase  asc"},
        {"lower(a) DESC", "lower(a)", " DESC"},
        {"\"x DESC\"", "\"x DESC\"", ""},
        {"DESC", "DESC", ""},
        {"a COLLATE", "a COLLATE", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.part);
        KeyPart part = split_key_part(c.part);
        EXPECT_EQ(part.head, c.head);
        EXPECT_EQ(part.tail, c.tail);
    }
    EXPECT_EQ(split_list(" a, \"b, c\" ,f(x, y),, "), (std::vector<std::string>{"a", "\"b, c\"", "f(x, y)"}));
    EXPECT_TRUE(split_list("").empty());
}

TEST(SqliteStoredSql, TriggerRuleSets) {
    const std::string update_of =
        "CREATE TRIGGER tr AFTER UPDATE OF a, b ON t FOR EACH ROW WHEN NEW.a > 0 BEGIN UPDATE t SET b = 1; END";
    TriggerText table = read_table_trigger(update_of);
    EXPECT_EQ(shown(table.timing), "AFTER");
    EXPECT_EQ(shown(table.event), "UPDATE");
    EXPECT_EQ(shown(table.columns), "a, b");
    EXPECT_EQ(shown(table.for_each), "ROW");
    EXPECT_EQ(shown(table.when), "NEW.a > 0 ");
    EXPECT_EQ(shown(table.body), "BEGIN UPDATE t SET b = 1; END");

    TriggerText alone = read_trigger(update_of);
    EXPECT_EQ(shown(alone.timing), "AFTER");
    EXPECT_EQ(shown(alone.event), "UPDATE");
    EXPECT_EQ(shown(alone.columns), "a, b");
    EXPECT_EQ(shown(alone.when), "NEW.a > 0");
    EXPECT_EQ(shown(alone.body), " UPDATE t SET b = 1; ");

    // CASE ... END inside the body: the body runs to the block's own END.
    const std::string with_case =
        "CREATE TRIGGER c BEFORE INSERT ON t BEGIN SELECT CASE WHEN NEW.a THEN 1 ELSE 2 END; END";
    EXPECT_EQ(shown(read_table_trigger(with_case).body), "BEGIN SELECT CASE WHEN NEW.a THEN 1 ELSE 2 END; END");
    EXPECT_EQ(shown(read_trigger(with_case).body), " SELECT CASE WHEN NEW.a THEN 1 ELSE 2 END; ");
    EXPECT_EQ(shown(read_trigger(with_case).when), "(unset)");

    // INSTEAD OF is the stand-alone reader's only.
    const std::string instead = "CREATE TRIGGER v_ins INSTEAD OF INSERT ON v BEGIN INSERT INTO t VALUES (NEW.a); END";
    EXPECT_EQ(shown(read_trigger(instead).timing), "INSTEAD OF");
    EXPECT_EQ(shown(read_table_trigger(instead).timing), "(unset)");
    EXPECT_EQ(shown(read_table_trigger(instead).for_each), "");

    // Backquoted UPDATE OF columns lose their quotes by the stand-alone rules only; a
    // name that is not a plain identifier keeps them either way.
    const std::string quoted = "CREATE TRIGGER q AFTER UPDATE OF `a`, \"b\", \"c d\" ON t BEGIN SELECT 1; END";
    EXPECT_EQ(shown(read_table_trigger(quoted).columns), "`a`, b, \"c d\"");
    EXPECT_EQ(shown(read_trigger(quoted).columns), "a, b, \"c d\"");
}

TEST(SqliteStoredSql, KeywordsInsideNamesAreNotKeywords) {
    // A trigger named after another event, on a table named after a third.
    const std::string sql =
        "CREATE TRIGGER log_insert AFTER UPDATE ON \"delete\" BEGIN INSERT INTO log VALUES (1); END";
    EXPECT_EQ(shown(read_table_trigger(sql).event), "UPDATE");
    EXPECT_EQ(shown(read_trigger(sql).event), "UPDATE");
    // The table rules test UPDATE before DELETE, the stand-alone rules DELETE before UPDATE;
    // a plain trigger reads the same by both.
    const std::string del = "CREATE TRIGGER d AFTER DELETE ON t BEGIN SELECT 1; END";
    EXPECT_EQ(shown(read_table_trigger(del).event), "DELETE");
    EXPECT_EQ(shown(read_trigger(del).event), "DELETE");
}

TEST(SqliteStoredSql, ViewDefinitions) {
    struct Case {
        const char* sql;
        const char* definition;
    } cases[] = {
        {"CREATE VIEW v AS SELECT 1", "SELECT 1"},
        {"CREATE VIEW v as\n  SELECT a FROM t", "SELECT a FROM t"},
        {"CREATE TEMP VIEW v AS SELECT 2", "SELECT 2"},
        {"CREATE TEMPORARY VIEW IF NOT EXISTS main.\"a b\"(x, \"y)\") AS SELECT 1, 2", "SELECT 1, 2"},
        {"CREATE VIEW `a``b` AS SELECT 3", "SELECT 3"},
        {"CREATE VIEW vas AS SELECT 4", "SELECT 4"},
        {"CREATE VIEW \"v\"AS(SELECT 5)", "(SELECT 5)"},
        {"something else", "something else"},
    };
    for (const auto& c : cases) EXPECT_EQ(read_view_definition(c.sql), c.definition) << c.sql;
}

TEST(SqliteStoredSql, UniqueAndCheckConstraints) {
    const std::string sql =
        "CREATE TABLE IF NOT EXISTS \"t\" (\n"
        "    \"a\" INTEGER,\n"
        "    \"b\" TEXT,\n"
        "    CONSTRAINT \"u1\" UNIQUE (\"a\", \"b\") ON CONFLICT ABORT,\n"
        "    CONSTRAINT \"u2\" UNIQUE (b),\n"
        "    CONSTRAINT \"u3\" UNIQUE ([a b], `c``d` DESC) ON CONFLICT FAIL,\n"
        "    CONSTRAINT \"c1\" CHECK (a > 0),\n"
        "    CONSTRAINT \"x\"\"y\" CHECK (length(b) > 2)\n"
        ")";
    auto uniques = read_uniques(sql);
    ASSERT_EQ(uniques.size(), 3u);
    EXPECT_EQ(uniques[0].name, "u1");
    EXPECT_EQ(uniques[0].columns, "a, b");
    EXPECT_EQ(uniques[0].conflict, "ABORT");
    EXPECT_EQ(uniques[1].name, "u2");
    EXPECT_EQ(uniques[1].columns, "b");
    EXPECT_EQ(uniques[1].conflict, "");
    EXPECT_EQ(uniques[2].columns, "a b, \"c`d\" DESC");
    EXPECT_EQ(uniques[2].conflict, "FAIL");
    auto checks = read_checks(sql);
    ASSERT_EQ(checks.size(), 2u);
    EXPECT_EQ(checks[0].name, "c1");
    EXPECT_EQ(checks[0].expression, "a > 0");
    EXPECT_EQ(checks[1].name, "x\"y");
    EXPECT_EQ(checks[1].expression, "length(b) > 2");

    // A column's own UNIQUE, named or not, and a constraint spread over lines; a keyword
    // inside a name or a string is no constraint.
    auto forms = read_uniques(
        "CREATE TABLE t (a TEXT UNIQUE, \"unique\" TEXT DEFAULT 'unique', b INT CONSTRAINT bb UNIQUE ON CONFLICT "
        "REPLACE NOT NULL,\n  CONSTRAINT\n  spread\n  UNIQUE\n  (a,\n b)\n  ON CONFLICT\n IGNORE, UNIQUE (b))");
    std::vector<std::string> read;
    for (const auto& u : forms) read.push_back(u.name + ": " + u.columns + " / " + u.conflict);
    EXPECT_EQ(read, (std::vector<std::string>{": a / ", "bb: b / REPLACE", "spread: a, b / IGNORE", ": b / "}));

    // Column collations, not those of expressions nor of table constraints.
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(read_collations("CREATE TABLE t (a TEXT COLLATE nocase, \"b c\" VARCHAR(8) NOT NULL COLLATE \"RTRIM\","
                              " d TEXT CHECK (d COLLATE NOCASE = 'x'), e TEXT DEFAULT ('COLLATE'),"
                              " UNIQUE (a COLLATE BINARY))"),
              (Pairs{{"a", "NOCASE"}, {"b c", "RTRIM"}}));

    // Two checks on one line are two checks.
    auto inline_checks = read_checks("CREATE TABLE t (a, CONSTRAINT p CHECK (a > 0), CONSTRAINT q CHECK (a < 9))");
    ASSERT_EQ(inline_checks.size(), 2u);
    EXPECT_EQ(inline_checks[1].name, "q");
    EXPECT_EQ(inline_checks[1].expression, "a < 9");
}

}  // namespace
