// The SQL formatter: layouts byte for byte, the keyword table, deep nesting, text that is
// not UTF-8, options, and the connection's formatter.
#include <string>
#include <vector>

#include "dialect_fixture.hpp"
#include "rezezadovu/supports/database/formatter.hpp"

using namespace tarvelin;
using rezezadovu::supports::database::ConnectionImpl;
using rezezadovu::supports::database::Formatter;
using F = TarvelinRezezadovuContractsDatabaseIFormattable;
using test::take;

namespace {

class FormatterTest : public testing::Test {
protected:
    gobj::Ref<Formatter> formatter =
        gobj::Ref<Formatter>::adopt(tarvelin_rezezadovu_supports_database_formatter_new());
    F* f() const { return static_cast<F*>(formatter.instance()); }
    std::string beautify(const char* text) const {
        return take(tarvelin_rezezadovu_contracts_database_iformattable_beautify(f(), text));
    }
    std::string minify(const char* text) const {
        return take(tarvelin_rezezadovu_contracts_database_iformattable_minify(f(), text));
    }
};

struct Layout {
    const char* input;
    const char* expected;
};

const Layout kBeautified[] = {
    {"select a, b from t where x = 1 and y = 2 order by a",
     "SELECT a,\n         b\nFROM t\nWHERE x = 1\n        AND y = 2\nORDER BY  a"},
    {"SELECT t.a, u.b FROM t LEFT JOIN u ON t.id = u.id", "SELECT t.a,\n         u.b\nFROM t\nLEFT JOIN u\n    ON t.id = u.id"},
    {"SELECT a FROM t WHERE name = 'x  y, z' AND id IN (SELECT id FROM u)",
     "SELECT a\nFROM t\nWHERE name = 'x y, z'\n        AND id IN \n    (SELECT id\n    FROM u)"},
    {"SELECT a FROM t UNION (SELECT b FROM u)", "SELECT a\nFROM t\nUNION\n    (SELECT b\n    FROM u)"},
    {"no  keyword\there\n at all", "no keyword here at all"},
    {"", ""},
};

}  // namespace

TEST_F(FormatterTest, BeautifyLayouts) {
    for (const Layout& l : kBeautified) EXPECT_EQ(beautify(l.input), l.expected) << l.input;
}

TEST_F(FormatterTest, MinifyLayouts) {
    EXPECT_EQ(minify("SELECT a , b\nFROM   t ( x )  WHERE\t(y)"), "SELECT a , b FROM t( x) WHERE(y)");
    EXPECT_EQ(minify("-- note\nSELECT 'a   b'"), "-- note SELECT 'a b'");
    EXPECT_EQ(minify(""), "");
}

// Rows of the keyword table the layouts above do not reach.
TEST_F(FormatterTest, KeywordTable) {
    const std::string tab = "    ";
    struct Case {
        const char* input;
        std::vector<std::string> pieces;
    } cases[] = {
        {"a group  by b having c", {"a", "GROUP BY  b", "HAVING c"}},
        {"a cross join b inner join c right join d", {"a", "CROSS JOIN b", "INNER JOIN c", "RIGHT JOIN d"}},
        {"x case when a then b else c end y", {"x", "    CASE", "    WHEN a THEN", "    b", "    ELSE c", "    END y"}},
        {"a or b between 1 and 2", {"a", "        OR b", "    BETWEEN 1", "        AND 2"}},
        {"x) select y", {"x)", "SELECT y"}},
        {"1 with q as (select 1) select * from q", {"1", "WITH q AS ", "(SELECT 1)", "SELECT *", "FROM q"}},
        {"a not like b is null using (c) over w", {"a NOT LIKE b is null", "USING (c)", "    OVER w"}},
        {"a union all b", {"a", "UNION", "all b"}},
        {"select all x", {"SELECT ALL x"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Formatter::split_sql(c.input, tab), c.pieces) << c.input;
}

TEST_F(FormatterTest, OptionsChangeNothing) {
    const char* sql = "SELECT a, b FROM t WHERE x IN (SELECT y FROM u) ORDER BY a";
    std::string laid_out = beautify(sql), compact = minify(sql);
    tarvelin_rezezadovu_contracts_database_iformattable_option(f(), "LINE_START", "SELECT");
    tarvelin_rezezadovu_contracts_database_iformattable_option(f(), "INDENT", "\t");
    tarvelin_rezezadovu_contracts_database_iformattable_option(f(), "LINE_START", "FROM");
    EXPECT_EQ(formatter->option_value("LINE_START"), "FROM");
    EXPECT_EQ(beautify(sql), laid_out);
    EXPECT_EQ(minify(sql), compact);

    test::LogCapture log;
    tarvelin_rezezadovu_contracts_database_iformattable_option(f(), nullptr, "x");
    tarvelin_rezezadovu_contracts_database_iformattable_option(f(), "x", nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iformattable_beautify(f(), nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iformattable_minify(nullptr, "x"), nullptr);
    EXPECT_FALSE(formatter->option_value("x"));
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'name != NULL'"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'value != NULL'"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'statements != NULL'"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'self != NULL'"), 1);
}

// More nested subqueries than the shift table has levels: the indent stops growing at
// the deepest level instead of reading past the table.
TEST_F(FormatterTest, DeepNesting) {
    std::string sql = "SELECT a FROM t WHERE x IN ";
    for (int i = 0; i < 150; ++i) sql += "(SELECT x FROM t" + std::to_string(i) + " WHERE x IN ";
    sql += "(1)";
    sql += std::string(150, ')');
    std::string out = beautify(sql.c_str());
    const std::string deepest = "\n" + std::string(4 * Formatter::kMaxDepth, ' ') + "(SELECT";
    EXPECT_NE(out.find(deepest), std::string::npos);
    EXPECT_EQ(out.find("\n" + std::string(4 * Formatter::kMaxDepth + 1, ' ')), std::string::npos);
    EXPECT_EQ(out.find("~::~"), std::string::npos);
}

// Text the patterns cannot read: beautify gives it back silently, minify logs its warning
// and gives what it had.
TEST_F(FormatterTest, InvalidUtf8) {
    const char* broken = "SELECT \xff\xfe  a FROM t";
    test::LogCapture log;
    EXPECT_EQ(beautify(broken), broken);
    EXPECT_EQ(log.count(G_LOG_LEVEL_WARNING, ""), 0);
    EXPECT_EQ(minify(broken), broken);
    EXPECT_EQ(log.count(G_LOG_LEVEL_WARNING, "formatter:"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_WARNING, ": Failed to minify statements: "), 1);
}

// The connection makes its formatter on first request, with its two options, and hands
// out that same formatter afterwards.
TEST_F(FormatterTest, ConnectionFormatter) {
    auto connection = ConnectionImpl::create();
    auto* c = static_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(connection.instance());
    F* first = tarvelin_rezezadovu_contracts_database_iconnection_formatter(c);
    F* second = tarvelin_rezezadovu_contracts_database_iconnection_formatter(c);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(first, tarvelin_rezezadovu_supports_database_formatter_get_type()));
    auto* made = gobj::cast<Formatter>(first);
    EXPECT_EQ(made->option_value("LINE_START"),
              "SELECT,FROM,WHERE,SET,ORDER BY,GROUP BY,LIMIT,DROP,VALUES,UPDATE,HAVING,ADD,AFTER,ALTER TABLE,DELETE "
              "FROM,UNION ALL,UNION,EXCEPT,INTERSECT");
    EXPECT_EQ(made->option_value("LINE_BREAK"),
              "LEFT OUTER JOIN,RIGHT OUTER JOIN,LEFT JOIN,RIGHT JOIN,OUTER JOIN,INNER JOIN,JOIN,XOR,OR,AND");
    g_object_unref(first);
    g_object_unref(second);
    EXPECT_STREQ(g_type_name(tarvelin_rezezadovu_supports_database_formatter_get_type()),
                 "TarvelinRezezadovuSupportsDatabaseFormatter");
}
