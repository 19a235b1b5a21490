// How the PostgreSQL readers take apart what the server prints, and how names enter
// their queries.
#include <gtest/gtest.h>

#include "rezezadovu/supports/database/postgresql/catalog.hpp"

namespace tarvelin::test {
namespace {

namespace postgresql = rezezadovu::supports::database::postgresql;
using Texts = std::vector<std::string>;

TEST(PostgresqlCatalog, StorageOptionsLoseTheirBraces) {
    EXPECT_EQ(postgresql::without_braces("{fillfactor=70,autovacuum_enabled=false}"),
              "fillfactor=70,autovacuum_enabled=false");
}

TEST(PostgresqlCatalog, ArrayLiterals) {
    struct Case {
        const char* text;
        Texts items;
    } cases[] = {
        {"", {}},
        {"{}", {}},
        {"{a,b}", {"a", "b"}},
        {"{i,o,b}", {"i", "o", "b"}},
        {"{\"a b\",\"c,d\",\"e\\\"f\",NULL,\"NULL\"}", {"a b", "c,d", "e\"f", "", "NULL"}},
        {"{23,25}", {"23", "25"}},
        {"not an array", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(postgresql::parse_array(c.text), c.items) << c.text;
    EXPECT_EQ(postgresql::split_words("23 25  1043"), (Texts{"23", "25", "1043"}));
    EXPECT_EQ(postgresql::split_words(""), Texts{});
}

TEST(PostgresqlCatalog, DefaultListsSplitAtTopLevelCommasOnly) {
    struct Case {
        const char* text;
        Texts items;
    } cases[] = {
        {"", {}},
        {"1", {"1"}},
        {"'x,y'::text, 3", {"'x,y'::text", "3"}},
        {"ARRAY[1, 2], 'it''s, ok'::text", {"ARRAY[1, 2]", "'it''s, ok'::text"}},
        {"f(1, 2), g(3)", {"f(1, 2)", "g(3)"}},
        {"E'a\\', b', 2", {"E'a\\', b'", "2"}},
    };
    for (const auto& c : cases) EXPECT_EQ(postgresql::split_top_level(c.text), c.items) << c.text;
}

TEST(PostgresqlCatalog, TriggerDefinitions) {
    struct Case {
        const char* definition;
        const char* body;
        std::optional<std::string> arguments;
        const char* when;
    } cases[] = {
        // Servers from 11 on print EXECUTE FUNCTION.
        {"CREATE TRIGGER trg BEFORE INSERT OR UPDATE OF valid, id ON shop.item FOR EACH ROW WHEN ((new.id > 0)) "
         "EXECUTE FUNCTION shop.audit('x', 2)",
         "EXECUTE FUNCTION shop.audit('x', 2)", "'x', 2", "(new.id > 0)"},
        {"CREATE TRIGGER t AFTER DELETE ON s.t FOR EACH STATEMENT EXECUTE PROCEDURE f()", "EXECUTE PROCEDURE f()",
         "", ""},
        // Keywords inside quoted names and literals are not the definition's own.
        {"CREATE TRIGGER \"x EXECUTE FUNCTION y\" AFTER INSERT ON \"a WHEN (b\".t FOR EACH ROW WHEN "
         "((new.note <> ') EXECUTE FUNCTION z('::text)) EXECUTE FUNCTION s.f('a)b', ' WHEN (')",
         "EXECUTE FUNCTION s.f('a)b', ' WHEN (')", "'a)b', ' WHEN ('", "(new.note <> ') EXECUTE FUNCTION z('::text)"},
        {"CREATE CONSTRAINT TRIGGER c AFTER INSERT ON s.l FROM o.r DEFERRABLE INITIALLY DEFERRED FOR EACH ROW "
         "EXECUTE FUNCTION \"odd(name\"()",
         "EXECUTE FUNCTION \"odd(name\"()", "", ""},
    };
    for (const auto& c : cases) {
        auto parts = postgresql::parse_trigger_definition(c.definition);
        EXPECT_EQ(parts.body, c.body) << c.definition;
        EXPECT_EQ(parts.arguments, c.arguments) << c.definition;
        EXPECT_EQ(parts.when, c.when) << c.definition;
    }
}

TEST(PostgresqlCatalog, RuleDefinitions) {
    struct Case {
        const char* definition;
        std::optional<std::string> where;
        std::optional<std::string> commands;
    } cases[] = {
        {"CREATE RULE r AS    ON INSERT TO t   WHERE (new.id > 0) DO INSTEAD NOTHING;", "new.id > 0", "NOTHING;"},
        // An ALSO rule prints two blanks after DO and no ALSO.
        {"CREATE RULE r_log AS    ON INSERT TO shop.line   WHERE (new.qty > 0) DO  INSERT INTO shop.audit_log (msg) "
         "VALUES ('x'::text);",
         "new.qty > 0", "INSERT INTO shop.audit_log (msg) VALUES ('x'::text);"},
        {"CREATE RULE r AS ON UPDATE TO t DO ALSO NOTIFY t;", std::nullopt, "NOTIFY t;"},
        // The condition ends before DO, whatever the commands hold.
        {"CREATE RULE r AS ON DELETE TO t WHERE ((old.a > 1) AND (old.b < 2)) DO INSTEAD (DELETE FROM u WHERE (u.a = "
         "old.a); NOTIFY t);",
         "(old.a > 1) AND (old.b < 2)", "(DELETE FROM u WHERE (u.a = old.a); NOTIFY t);"},
        {"CREATE RULE \"x DO y\" AS ON INSERT TO \"WHERE (\" DO INSTEAD NOTHING;", std::nullopt, "NOTHING;"},
    };
    for (const auto& c : cases) {
        auto parts = postgresql::parse_rule_definition(c.definition);
        EXPECT_EQ(parts.where, c.where) << c.definition;
        EXPECT_EQ(parts.commands, c.commands) << c.definition;
    }
}

TEST(PostgresqlCatalog, ExclusionDefinitions) {
    auto with = postgresql::parse_exclusion_definition(
        "EXCLUDE USING gist (room WITH =, during WITH &&) WITH (fillfactor='70')");
    EXPECT_EQ(with.method, "gist");
    EXPECT_EQ(with.elements, "room WITH =, during WITH &&");
    auto predicate = postgresql::parse_exclusion_definition("EXCLUDE USING gist (c WITH &&) WHERE ((c IS NOT NULL))");
    EXPECT_EQ(predicate.elements, "c WITH &&");
    auto none = postgresql::parse_exclusion_definition("CHECK (a > 0)");
    EXPECT_FALSE(none.method);
    EXPECT_FALSE(none.elements);
}

// The option a script makes a column's sequence from: written and read back, names of
// any spelling kept, qualified only outside the table's schema.
TEST(PostgresqlCatalog, SequenceOptionsReadBack) {
    struct Case {
        const char* sequence_schema;
        const char* sequence;
        const char* parameters;
        const char* option;
    } cases[] = {
        {"s", "t_id_seq", "AS integer START WITH 1", "\"t_id_seq\" AS integer START WITH 1"},
        {"other", "ticket", "START WITH 5", "\"other\".\"ticket\" START WITH 5"},
        {"s", "we\"ird.seq l'x", "", "\"we\"\"ird.seq l'x\""},
        {"o\"d d", "a\"\"b", "CYCLE", "\"o\"\"d d\".\"a\"\"\"\"b\" CYCLE"},
    };
    for (const auto& c : cases) {
        const std::string option = postgresql::sequence_option("s", c.sequence_schema, c.sequence, c.parameters);
        EXPECT_EQ(option, c.option);
        auto back = postgresql::parse_sequence_option(option);
        ASSERT_TRUE(back) << option;
        EXPECT_EQ(back->schema, std::string(c.sequence_schema) == "s" ? "" : c.sequence_schema) << option;
        EXPECT_EQ(back->name, c.sequence) << option;
        EXPECT_EQ(back->parameters, c.parameters) << option;
    }
    // Anything not opened by a quoted name (or cut inside one) is no sequence option.
    for (const char* bad : {"", "t_id_seq START WITH 1", "\"open", "\"a\".", "\"a\"x", "\"a\".b"})
        EXPECT_FALSE(postgresql::parse_sequence_option(bad)) << bad;
    EXPECT_EQ(postgresql::sequence_parameters({"integer", "1", "1", "2147483647", "1", "NO"}),
              "AS integer START WITH 1 INCREMENT BY 1 MINVALUE 1 MAXVALUE 2147483647 NO CYCLE");
    // bigint is the default, and the only type before 10: no AS.
    EXPECT_EQ(postgresql::sequence_parameters({"bigint", "1000", "1", "99999", "10", "YES"}),
              "START WITH 1000 INCREMENT BY 10 MINVALUE 1 MAXVALUE 99999 CYCLE");
}

// An identity keeps the options its sequence was made with, and only those.
// The sequence a default names as text, in each form the server keeps, folded as the
// server folds names.
TEST(PostgresqlCatalog, SequencesNamedInDefaults) {
    struct Case {
        const char* fallback;
        const char* schema;
        const char* name;
    } cases[] = {
        {"nextval('t_seq'::regclass)", "", "t_seq"},
        {"nextval(('t_seq'::text)::regclass)", "", "t_seq"},
        {"NEXTVAL( ( 'Other.T_Seq'::text)::regclass)", "other", "t_seq"},
        {"nextval('\"My S\".\"Seq\"\"x\"'::regclass)", "My S", "Seq\"x"},
        {"nextval('it''s'::regclass)", "", "it's"},
    };
    for (const auto& c : cases) {
        auto called = postgresql::sequence_called(c.fallback);
        ASSERT_TRUE(called) << c.fallback;
        EXPECT_EQ(called->schema, c.schema) << c.fallback;
        EXPECT_EQ(called->name, c.name) << c.fallback;
    }
    for (const char* none : {"", "0", "now()", "nextval(some_function())", "nextval('a.b.c'::regclass)",
                             "nextval('cut"})
        EXPECT_FALSE(postgresql::sequence_called(none)) << none;
}

// Enum and domain types come back in their order, each with its comment.
TEST(PostgresqlCatalog, UserTypesInTheirOrder) {
    const std::vector<std::pair<std::string, std::string>> options = {
        {"OWNER", "me"},
        {postgresql::type_option_key(2, "s", "pos"), "DOMAIN integer NOT NULL"},
        {postgresql::type_comment_key("s", "pos"), "it's positive"},
        {postgresql::type_option_key(1, "s", "mo\"od"), "ENUM ('a', 'b')"},
    };
    auto types = postgresql::user_types(options);
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0].statement, "CREATE TYPE \"s\".\"mo\"\"od\" AS ENUM ('a', 'b')");
    EXPECT_EQ(types[0].comment, "");
    EXPECT_EQ(types[1].statement, "CREATE DOMAIN \"s\".\"pos\" AS integer NOT NULL");
    EXPECT_EQ(types[1].comment, "COMMENT ON DOMAIN \"s\".\"pos\" IS 'it''s positive'");
}

TEST(PostgresqlCatalog, IdentityTextsNameWhatDiffersFromTheDefaults) {
    using P = postgresql::SequenceParameters;
    struct Case {
        const char* sequence;
        P parameters;
        const char* text;
    } cases[] = {
        {"t_c_seq", {"integer", "1", "1", "2147483647", "1", "NO"}, "GENERATED BY DEFAULT"},
        {"t_c_seq", {"smallint", "1", "1", "32767", "1", "NO"}, "GENERATED BY DEFAULT"},
        {"t_c_seq", {"bigint", "1", "1", "9223372036854775807", "1", "NO"}, "GENERATED BY DEFAULT"},
        // A descending sequence starts at its maximum, -1, and ends at the type's minimum.
        {"t_c_seq", {"integer", "-1", "-2147483648", "-1", "-1", "NO"}, "GENERATED BY DEFAULT AS IDENTITY (INCREMENT BY -1)"},
        {"t_c_seq", {"integer", "100", "1", "2147483647", "5", "NO"},
         "GENERATED BY DEFAULT AS IDENTITY (START WITH 100 INCREMENT BY 5)"},
        {"t_c_seq", {"integer", "1", "0", "1000", "1", "YES"},
         "GENERATED BY DEFAULT AS IDENTITY (MINVALUE 0 MAXVALUE 1000 CYCLE)"},
        // A table renamed keeps its sequence's first name.
        {"old \"t\"_c_seq", {"integer", "1", "1", "2147483647", "1", "NO"},
         "GENERATED BY DEFAULT AS IDENTITY (SEQUENCE NAME \"old \"\"t\"\"_c_seq\")"},
        // Without its sequence's name or parameters (not readable), the plain words.
        {"", {"integer", "", "", "", "", ""}, "GENERATED BY DEFAULT"},
    };
    for (const auto& c : cases) EXPECT_EQ(postgresql::identity_text("BY DEFAULT", "t", "c", c.sequence, c.parameters), c.text);
    EXPECT_EQ(postgresql::identity_text("ALWAYS", "t", "c", "t_c_seq", {"integer", "1", "1", "2147483647", "1", "NO"}),
              "GENERATED ALWAYS");
}

TEST(PostgresqlCatalog, RoutineKindsArriveWithEleven) {
    for (const char* v : {"9.6.24", "9.", "10.23", "10.0"}) EXPECT_TRUE(postgresql::before_routine_kinds(v)) << v;
    for (const char* v : {"11.9", "12.4", "15.5", "", "100.1", "9"}) EXPECT_FALSE(postgresql::before_routine_kinds(v)) << v;
}

TEST(PostgresqlCatalog, TypeNamesAskOnlyForTheRoutinesOwnOids) {
    EXPECT_EQ(postgresql::type_names_query({}), "");
    EXPECT_EQ(postgresql::type_names_query({"23", "25", "23", "x;DROP", ""}),
              "SELECT t.oid, concat(quote_ident(n.nspname), '.', quote_ident(t.typname)) as tname FROM pg_type t "
              "LEFT JOIN pg_namespace n ON "
              "t.typnamespace = n.oid WHERE t.oid IN (23,25);");
}

}  // namespace
}  // namespace tarvelin::test
