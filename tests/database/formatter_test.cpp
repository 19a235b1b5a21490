// The SQL formatter: layouts byte for byte, the keyword table, deep nesting, text that is
// not UTF-8, options, and the connection's formatter.
#include <string>
#include <vector>

#include <algorithm>

#include "dialect_fixture.hpp"
#include "support/sql_tokens.hpp"
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
    // The literal keeps its blanks and its comma.
    {"SELECT a FROM t WHERE name = 'x  y, z' AND id IN (SELECT id FROM u)",
     "SELECT a\nFROM t\nWHERE name = 'x  y, z'\n        AND id IN \n    (SELECT id\n    FROM u)"},
    // A line comment keeps its line: what follows it stays out of it.
    {"SELECT a -- the key\nFROM t", "SELECT a -- the key\nFROM t"},
    {"SELECT \"a  b\", $$ x  y $$ FROM t /* one\n   two */ WHERE c = 'p\n\tq'",
     "SELECT \"a  b\",\n         $$ x  y $$\nFROM t /* one\n   two */\nWHERE c = 'p\n\tq'"},
    // A keyword after a word keeps the blank between them.
    {"insert into t select 1 union all select 2", "insert into t SELECT 1\nUNION\nall SELECT 2"},
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
    // Comments and literals as they came; a line comment still ends its line.
    EXPECT_EQ(minify("-- note\nSELECT 'a   b'"), "-- note\nSELECT 'a   b'");
    EXPECT_EQ(minify("SELECT 1 -- c\nFROM t"), "SELECT 1 -- c\nFROM t");
    EXPECT_EQ(minify("SELECT  `a  b` ,\n [c  d] ,  $q$ e  f $q$ FROM t # x\n  WHERE\t1"),
              "SELECT `a  b` , [c  d] , $q$ e  f $q$ FROM t # x\nWHERE 1");
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
        {"x select y", {"x SELECT y"}},
        {"preselect y", {"preselect y"}},
        {"a group byname", {"a group byname"}},
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

// ---------------------------------------------------------------- tokens kept

namespace {

using test::SqlReading;

// The first token that differs, under each dialect family's reading.
void expect_same_tokens(const std::string& in, const std::string& out, const std::string& label) {
    for (SqlReading r : test::kSqlReadings) {
        auto before = test::sql_tokens(in, r), after = test::sql_tokens(out, r);
        if (before == after) continue;
        size_t k = 0;
        while (k < before.size() && k < after.size() && before[k] == after[k]) ++k;
        ADD_FAILURE() << label << ", read as " << test::sql_reading_name(r) << ": token " << k << " "
                      << (k < before.size() ? "\"" + before[k] + "\"" : "(none)") << " became "
                      << (k < after.size() ? "\"" + after[k] + "\"" : "(none)");
    }
}

std::string file_text(const std::string& path) {
    gchar* text = nullptr;
    gsize length = 0;
    if (!g_file_get_contents(path.c_str(), &text, &length, nullptr)) return {};
    std::string out(text, length);
    g_free(text);
    return out;
}

std::vector<std::string> files_in(const std::string& dir) {
    std::vector<std::string> out;
    if (GDir* d = g_dir_open(dir.c_str(), 0, nullptr)) {
        while (const gchar* name = g_dir_read_name(d)) out.push_back(dir + "/" + name);
        g_dir_close(d);
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

// Literals, quoted names, dollar-quoted bodies and comments come out as they went in,
// under every dialect's reading, and beautify and minify change nothing but the blanks
// between tokens and the case of keywords.
TEST_F(FormatterTest, TheTokensStayOverTheCorpusAndRealSchemas) {
    std::vector<std::pair<std::string, std::string>> inputs;
    for (const std::string& path : files_in(TARVELIN_FORMATTER_CORPUS)) inputs.emplace_back(path, file_text(path));
    // The loads corpus: texts after their first (option) byte.
    for (const std::string& path : files_in(TARVELIN_LOADS_CORPUS)) {
        std::string text = file_text(path);
        if (!text.empty()) inputs.emplace_back(path, text.substr(1));
    }
    ASSERT_GE(inputs.size(), 6u);
    // Real schemas and routines of Debian packages the test servers install.
    for (const char* path : {"/usr/share/postgresql/15/information_schema.sql",
                             "/usr/share/postgresql/15/system_functions.sql",
                             "/usr/share/pdns-backend-pgsql/schema/schema.pgsql.sql",
                             "/usr/share/mysql/mysql_sys_schema.sql", "/usr/share/mysql/mysql_system_tables.sql"}) {
        std::string text = file_text(path);
        if (text.empty()) {
            if (g_getenv("CI")) ADD_FAILURE() << path << " is missing: scripts/deps installs it";
            continue;
        }
        inputs.emplace_back(path, text);
    }
    for (const auto& [label, text] : inputs) {
        expect_same_tokens(text, beautify(text.c_str()), label + " beautified");
        expect_same_tokens(text, minify(text.c_str()), label + " minified");
    }
}
