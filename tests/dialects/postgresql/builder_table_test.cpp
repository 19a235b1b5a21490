// The PostgreSQL builder's table texts: creation scripts (columns, key, constraints,
// options, comments), alteration scripts, and the indexes, triggers and rules both end
// with. The connection is scripted; only its collation names are asked for.
#include <gtest/gtest.h>

#include "builder_support.hpp"

namespace tarvelin::test {
namespace {

using namespace rezezadovu::meta_model;

constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

const std::string kHeader = "CREATE  TABLE IF NOT EXISTS \"s\".\"t\" (\n";

class PostgresqlTableBuilder : public ::testing::Test, public ScriptedBuilder {};

TEST_F(PostgresqlTableBuilder, TheSmallestScripts) {
    auto empty = new_table();
    EXPECT_EQ(table(*empty), kHeader + "\n);\n\n");

    auto keyed = new_table();
    auto id = add_column(*keyed, "id", "int4");
    id->set_not_null(true);
    id->set_is_primary_key(true);
    EXPECT_EQ(table(*keyed), kHeader + "    \"id\" int4 NOT NULL,\n    PRIMARY KEY (\"id\")\n);\n\n");

    // The table kind word comes from FLAG; PERMANENT and none leave two blanks.
    for (auto [flag, head] : {std::pair{"PERMANENT", "CREATE  TABLE"}, std::pair{"UNLOGGED", "CREATE UNLOGGED TABLE"},
                              std::pair{"TEMPORARY", "CREATE TEMPORARY TABLE"}}) {
        auto flagged = new_table();
        set_option(*flagged, "FLAG", flag);
        EXPECT_EQ(table(*flagged).substr(0, std::string(head).size()), head) << flag;
    }
    // Each script asks for the collation names once.
    EXPECT_EQ(connection->script->calls("execute_model"), 5);
}

TEST_F(PostgresqlTableBuilder, ColumnClauses) {
    struct Case {
        const char* raw;
        gint64 length;
        guint scale;
        bool not_null;
        const char* collation;
        const char* fallback;
        const char* identity;
        const char* entry;
    } cases[] = {
        {"varchar", 20, 0, true, "", "'x'::character varying", "",
         "\"c\" varchar(20) NOT NULL DEFAULT 'x'::character varying"},
        {"character varying", 0, 0, false, "", "", "", "\"c\" character varying NULL"},
        {"character varying", 30, 0, false, "", "", "", "\"c\" character varying(30) NULL"},
        {"bit varying", 8, 0, false, "", "", "", "\"c\" bit varying(8) NULL"},
        // A numeric keeps its precision also with scale 0.
        {"numeric", 10, 0, false, "", "", "", "\"c\" numeric(10) NULL"},
        {"numeric", 10, 2, false, "", "1.50", "", "\"c\" numeric(10, 2) NULL DEFAULT 1.50"},
        {"numeric", 0, 0, false, "", "", "", "\"c\" numeric NULL"},
        {"text", 0, 0, false, "", "EMPYT STRING", "", "\"c\" text NULL DEFAULT ''"},
        {"integer", 0, 0, true, "", "", "GENERATED ALWAYS", "\"c\" integer NOT NULL GENERATED ALWAYS AS IDENTITY"},
        // Collations as the reader keeps them, resolved against the server's names.
        {"text", 0, 0, false, "pg_catalog.C", "", "", "\"c\" text COLLATE \"pg_catalog\".\"C\" NULL"},
        {"text", 0, 0, false, "pg_catalog.default", "", "", "\"c\" text COLLATE \"pg_catalog\".\"default\" NULL"},
        {"text", 0, 0, false, "pg_catalog.en_US.utf8", "", "",
         "\"c\" text COLLATE \"pg_catalog\".\"en_US.utf8\" NULL"},
        {"text", 0, 0, false, "POSIX", "", "", "\"c\" text COLLATE \"POSIX\" NULL"},
        {"text", 0, 0, false, "pg_catalog.nowhere", "", "", "\"c\" text NULL"},
        {"\"shop\".\"mood\"", 0, 0, false, "", "", "", "\"c\" \"shop\".\"mood\" NULL"},
        {"\"pg_catalog\".\"int4\"[]", 0, 0, false, "", "", "", "\"c\" \"pg_catalog\".\"int4\"[] NULL"},
    };
    for (const auto& c : cases) {
        auto t = new_table();
        auto column = add_column(*t, "c", c.raw);
        column->set_length(c.length);
        column->set_scale(static_cast<guint8>(c.scale));
        column->set_not_null(c.not_null);
        column->set_collation(c.collation);
        column->set_default_value(c.fallback);
        column->set_identity(c.identity);
        EXPECT_EQ(table(*t), kHeader + "    " + c.entry + "\n);\n\n") << c.entry;
    }
}

TEST_F(PostgresqlTableBuilder, TranslatedTypesKeepTheRawSize) {
    auto t = new_table();
    add_column(*t, "i", "integer", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    add_column(*t, "n", "numeric", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY)->set_length(10);
    t->get_column("n")->set_scale(2);
    add_column(*t, "v", "character varying", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING)->set_length(40);
    add_column(*t, "d", "timestamp without time zone", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME);
    add_column(*t, "f", "double precision", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE);
    add_column(*t, "u", "uuid", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID);
    EXPECT_EQ(table(*t, false), kHeader +
                                    "    \"i\" INTEGER NULL,\n"
                                    "    \"n\" NUMERIC(10, 2) NULL,\n"
                                    "    \"v\" VARCHAR(40) NULL,\n"
                                    "    \"d\" TIMESTAMP NULL,\n"
                                    "    \"f\" FLOAT8 NULL,\n"
                                    "    \"u\" UUID NULL\n);\n\n");
}

TEST_F(PostgresqlTableBuilder, KeyAndConstraintEntries) {
    auto t = new_table();
    // The key lists its columns in key order, whatever their list order, and takes no name.
    for (auto [name, ordinal] : {std::pair{"a", 2}, std::pair{"b", 1}, std::pair{"c", 0}}) {
        auto column = add_column(*t, name, "int4");
        column->set_is_primary_key(ordinal > 0);
        column->set_primary_ordinal(static_cast<guint8>(ordinal));
        column->set_not_null(ordinal > 0);
    }
    add_constraint(*t, PrimaryKey::create_with_name(PrimaryKey::gtype(), "t_key"))->set_comment("the key");
    auto fk = add_constraint(*t, MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), "f", "other", "region"));
    fk->set_local_columns("rx, ry");
    fk->set_refer_columns("\"x,1\", y");
    fk->set_match_method("FULL");
    fk->set_update_action("SET NULL");
    fk->set_delete_action("CASCADE");
    auto plain_fk = add_constraint(*t, MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), "g", "s", "u"));
    plain_fk->set_local_columns("c");
    plain_fk->set_refer_columns("id");
    plain_fk->set_match_method("NONE");
    auto check = add_constraint(*t, MetaCheck::create_with_name(MetaCheck::gtype(), "positive", "a > 0"));
    check->set_comment("it's positive");
    auto unique = add_constraint(*t, MetaUnique::create_with_name(MetaUnique::gtype(), "u"));
    unique->set_columns("b, a");
    unique->set_include("c");
    unique->set_with("fillfactor=70");
    unique->set_table_space("fast space");
    unique->set_deferrable("INITIALLY DEFERRED");
    auto exclude = add_constraint(*t, MetaExclude::create_with_name(MetaExclude::gtype(), "x"));
    exclude->set_index_method("gist");
    exclude->set_elements("c WITH =");
    // A creation script writes unchanged constraints too, and leaves the deleted out
    // with their comments.
    auto open = add_constraint(*t, MetaCheck::create_with_name(MetaCheck::gtype(), "open", "c > 0"));
    open->set_no_inherit(false);
    open->set_version(kIdentical);
    auto gone = add_constraint(*t, MetaCheck::create_with_name(MetaCheck::gtype(), "gone", "c < 0"));
    gone->set_version(kDelete);
    gone->set_comment("never written");

    EXPECT_EQ(table(*t), kHeader +
                             "    \"a\" int4 NOT NULL,\n"
                             "    \"b\" int4 NOT NULL,\n"
                             "    \"c\" int4 NULL,\n"
                             "    PRIMARY KEY (\"b\", \"a\"),\n"
                             "    CONSTRAINT \"positive\" CHECK (a > 0) NO INHERIT NOT DEFERRABLE,\n"
                             "    CONSTRAINT \"open\" CHECK (c > 0) NOT DEFERRABLE,\n"
                             "    CONSTRAINT \"u\" UNIQUE (\"b\", \"a\") INCLUDE (c) WITH (fillfactor=70) "
                             "USING INDEX TABLESPACE \"fast space\" DEFERRABLE INITIALLY DEFERRED,\n"
                             "    CONSTRAINT \"x\" EXCLUDE USING  gist (c WITH =) NOT DEFERRABLE,\n"
                             "    CONSTRAINT \"f\" FOREIGN KEY(\"rx\", \"ry\") REFERENCES \"other\".\"region\"(\"x,1\", \"y\") "
                             "MATCH FULL ON UPDATE SET NULL ON DELETE CASCADE NOT DEFERRABLE,\n"
                             "    CONSTRAINT \"g\" FOREIGN KEY(\"c\") REFERENCES \"s\".\"u\"(\"id\") NOT DEFERRABLE\n"
                             ");\n"
                             "COMMENT ON CONSTRAINT \"t_key\" ON \"s\".\"t\" IS 'the key';\n"
                             "COMMENT ON CONSTRAINT \"positive\" ON \"s\".\"t\" IS 'it''s positive';\n\n");
}

TEST_F(PostgresqlTableBuilder, ColumnListsAreWrittenOneQuotedNameEach) {
    struct Case {
        const char* stored;
        const char* written;
    } cases[] = {
        {"a, b", "\"a\", \"b\""},
        {"a,b", "\"a\", \"b\""},
        {" a ,  b ", "\"a\", \"b\""},
        {"\"Mixed Case\", b", "\"Mixed Case\", \"b\""},
        {"\"a, b\"", "\"a, b\""},
        {"\"q\"\"uote\"", "\"q\"\"uote\""},
        {"co\"l", "\"co\"\"l\""},
        {"'a', `b`", "\"a\", \"b\""},
    };
    for (const auto& c : cases) {
        auto t = new_table();
        auto u = add_constraint(*t, MetaUnique::create_with_name(MetaUnique::gtype(), "u"));
        u->set_columns(c.stored);
        EXPECT_EQ(table(*t), kHeader + "    CONSTRAINT \"u\" UNIQUE (" + c.written + ") NOT DEFERRABLE\n);\n\n")
            << c.stored;
    }
}

TEST_F(PostgresqlTableBuilder, TableOptions) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> options;
        const char* tail;
    } cases[] = {
        {{}, ");\n"},
        {{{"PARTITION", "true"}}, ");\n"},
        {{{"PARTITION", "RANGE"}, {"PARTITION_KEYS", "d"}}, ") \nPARTITION BY RANGE (d);\n"},
        {{{"WITH_ARGUMENTS", "fillfactor=80"}, {"WITH_OIDS", "true"}}, ") \nWITH (fillfactor=80);\n"},
        {{{"WITH_OIDS", "true"}}, ") \nWITH OIDS;\n"},
        {{{"WITH_OIDS", "no"}}, ") \nWITHOUT OIDS;\n"},
        {{{"INHERITS", "\"s\".\"base\""}, {"COMMIT", "DROP"}, {"TABLESPACE", "my space"}},
         ") \nINHERITS (\"s\".\"base\") \nON COMMIT DROP \nTABLESPACE \"my space\";\n"},
        // The owner comes after the statement.
        {{{"OWNER", "o\"wner"}}, ");\nALTER TABLE \"s\".\"t\" OWNER TO \"o\"\"wner\";\n"},
    };
    for (const auto& c : cases) {
        auto t = new_table();
        for (auto [key, value] : c.options) set_option(*t, key, value);
        EXPECT_EQ(table(*t), kHeader + "\n" + c.tail + "\n") << c.tail;
    }
}

TEST_F(PostgresqlTableBuilder, CommentsOfCreationScripts) {
    auto t = new_table();
    t->set_comment("a 'table'");
    add_column(*t, "a", "int4")->set_comment("first");
    add_column(*t, "b", "int4");
    auto gone = add_column(*t, "c", "int4");
    gone->set_comment("deleted");
    gone->set_version(kDelete);
    EXPECT_EQ(table(*t), kHeader +
                             "    \"a\" int4 NULL,\n"
                             "    \"b\" int4 NULL\n"
                             ");\n"
                             "COMMENT ON COLUMN \"s\".\"t\".\"a\" IS 'first';\n"
                             "COMMENT ON TABLE \"s\".\"t\" IS 'a ''table''';\n\n");
}

TEST_F(PostgresqlTableBuilder, AFailingCollationQueryIsLoggedAndDropsCollations) {
    connection->script->answer_error(kCollationQuery, gobj::Error("PostgreSQL", -2, "PGRES_FATAL_ERROR : gone"));
    LogCapture log;
    auto t = new_table();
    add_column(*t, "c", "text")->set_collation("pg_catalog.C");
    EXPECT_EQ(table(*t), kHeader + "    \"c\" text NULL\n);\n\n");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "uncaught error: PGRES_FATAL_ERROR : gone (PostgreSQL, -2)"));
}

// ---------------------------------------------------------------- indexes, triggers, rules

TEST_F(PostgresqlTableBuilder, IndexesOfATable) {
    auto t = new_table();
    add_index(*t, "i", {"c"})->set_comment("by c");
    auto wide = add_index(*t, "wide", {"a DESC", "lower(b)"});
    wide->set_kind("UNIQUE");
    wide->set_is_concurrent(true);
    wide->set_is_only(true);
    wide->set_method("BTREE");
    wide->set_include("d");
    wide->set_with("fillfactor=70");
    wide->set_table_space("fast");
    wide->set_where("a > 0");
    auto bare = add_index(*t, "bare", {});
    bare->set_version(kDelete);
    add_index(*t, "same", {"x"})->set_version(kIdentical);
    EXPECT_EQ(table(*t), kHeader + "\n);\n\n" +
                             "DROP INDEX IF EXISTS \"s\".\"bare\";\n"
                             "CREATE INDEX IF NOT EXISTS \"i\" ON \"s\".\"t\" (c);\n"
                             "COMMENT ON INDEX \"s\".\"i\" IS 'by c';\n\n"
                             "CREATE UNIQUE INDEX CONCURRENTLY IF NOT EXISTS \"wide\" ON ONLY \"s\".\"t\" USING BTREE (\n"
                             "    a DESC, \n"
                             "    lower(b)\n"
                             ")\n"
                             "INCLUDE (d)\nWITH (fillfactor=70)\nTABLESPACE \"fast\"\nWHERE a > 0;\n\n"
                             "CREATE INDEX IF NOT EXISTS \"same\" ON \"s\".\"t\" (x);\n\n");
}

TEST_F(PostgresqlTableBuilder, TriggersOfATable) {
    auto t = new_table();
    auto changed = add_trigger(*t, "changed", "BEFORE", "INSERT,UPDATE", "shop.audit");
    changed->set_columns("valid,id");
    changed->set_when("(new.id > 0)");
    changed->set_arguments("'x', '2'");
    changed->set_comment("it's audited");
    // Events kept with blanks or as OR already give the same clause.
    add_trigger(*t, "spaced", "AFTER", "INSERT, DELETE", "f")->set_for_each("STATEMENT");
    add_trigger(*t, "ored", "AFTER", "INSERT OR UPDATE", "f")->set_columns("a");
    auto checked = add_trigger(*t, "checked", "AFTER", "INSERT", "f");
    checked->set_constraint(true);
    checked->set_refer_table("other.region");
    checked->set_deferrable("INITIALLY DEFERRED");
    auto strict = add_trigger(*t, "strict", "AFTER", "UPDATE", "f");
    strict->set_constraint(true);
    add_trigger(*t, "off", "AFTER", "DELETE", "f")->set_apply("DISABLED");
    add_trigger(*t, "replica", "AFTER", "DELETE", "f")->set_apply("REPLICA");
    // Without events there is no trigger, only its comment.
    add_trigger(*t, "eventless", "AFTER", "", "f")->set_comment("none");
    EXPECT_EQ(table(*t), kHeader + "\n);\n\n" +
                             "CREATE TRIGGER \"changed\" BEFORE INSERT OR UPDATE OF \"valid\", \"id\" ON \"s\".\"t\"\n"
                             "    FOR EACH ROW\n"
                             "    WHEN ((new.id > 0))\n"
                             "    EXECUTE PROCEDURE shop.audit('x', '2');\n\n"
                             "COMMENT ON TRIGGER \"changed\" ON \"s\".\"t\" IS 'it''s audited';\n\n"
                             "CREATE TRIGGER \"spaced\" AFTER INSERT OR DELETE ON \"s\".\"t\"\n"
                             "    FOR EACH STATEMENT\n"
                             "    EXECUTE PROCEDURE f();\n\n"
                             "CREATE TRIGGER \"ored\" AFTER INSERT OR UPDATE OF \"a\" ON \"s\".\"t\"\n"
                             "    FOR EACH ROW\n"
                             "    EXECUTE PROCEDURE f();\n\n"
                             "CREATE CONSTRAINT TRIGGER \"checked\" AFTER INSERT ON \"s\".\"t\"\n"
                             "    FROM other.region\n"
                             "    DEFERRABLE INITIALLY DEFERRED\n"
                             "    FOR EACH ROW\n"
                             "    EXECUTE PROCEDURE f();\n\n"
                             "CREATE CONSTRAINT TRIGGER \"strict\" AFTER UPDATE ON \"s\".\"t\"\n"
                             "    NOT DEFERRABLE\n"
                             "    FOR EACH ROW\n"
                             "    EXECUTE PROCEDURE f();\n\n"
                             "CREATE TRIGGER \"off\" AFTER DELETE ON \"s\".\"t\"\n"
                             "    FOR EACH ROW\n"
                             "    EXECUTE PROCEDURE f();\n\n"
                             "ALTER TABLE \"s\".\"t\" DISABLE TRIGGER \"off\";\n"
                             "CREATE TRIGGER \"replica\" AFTER DELETE ON \"s\".\"t\"\n"
                             "    FOR EACH ROW\n"
                             "    EXECUTE PROCEDURE f();\n\n"
                             "ALTER TABLE \"s\".\"t\" ENABLE REPLICA TRIGGER \"replica\";\n"
                             "COMMENT ON TRIGGER \"eventless\" ON \"s\".\"t\" IS 'none';\n\n");
}

TEST_F(PostgresqlTableBuilder, RulesOfATable) {
    auto t = new_table();
    auto logged = add_rule(*t, "logged", "INSERT", "ALSO", "INSERT INTO s.log (msg)  VALUES ('x'::text);");
    logged->set_where("new.qty > 0");
    add_rule(*t, "keep", "DELETE", "INSTEAD", "NOTHING;")->set_comment("never");
    add_rule(*t, "off", "UPDATE", "INSTEAD", "NOTHING")->set_apply("DISABLED");
    EXPECT_EQ(table(*t), kHeader + "\n);\n\n" +
                             "CREATE RULE \"logged\" AS ON INSERT\n"
                             "    TO \"s\".\"t\" WHERE new.qty > 0\n"
                             "    DO ALSO INSERT INTO s.log (msg)  VALUES ('x'::text);\n\n"
                             "CREATE RULE \"keep\" AS ON DELETE\n"
                             "    TO \"s\".\"t\"\n"
                             "    DO INSTEAD NOTHING;\n"
                             "COMMENT ON RULE \"keep\" ON \"s\".\"t\" IS 'never';\n\n"
                             "CREATE RULE \"off\" AS ON UPDATE\n"
                             "    TO \"s\".\"t\"\n"
                             "    DO INSTEAD NOTHING;\n"
                             "ALTER TABLE \"s\".\"t\" DISABLE RULE \"off\";\n\n");
}

// ---------------------------------------------------------------- alteration scripts

TEST_F(PostgresqlTableBuilder, ARenamedAndRetypedColumn) {
    auto t = new_table();
    set_option(*t, "OWNER", "me");
    auto b = add_column(*t, "b", "varchar");
    b->set_length(40);
    b->set_not_null(true);
    b->set_original("a");
    b->set_version(kUpdate);
    EXPECT_EQ(patch_table(*t),
              "ALTER TABLE IF EXISTS \"s\".\"t\" RENAME COLUMN \"a\" TO \"b\";\n"
              "ALTER TABLE IF EXISTS \"s\".\"t\"\n"
              "    ALTER COLUMN \"b\" TYPE VARCHAR(40) USING \"b\"::VARCHAR,\n"
              "    ALTER COLUMN \"b\" DROP DEFAULT,\n"
              "    ALTER COLUMN \"b\" SET NOT NULL,\n"
              "    ALTER COLUMN \"b\" DROP IDENTITY IF EXISTS,\n"
              "    OWNER TO \"me\";\n"
              "COMMENT ON COLUMN \"s\".\"t\".\"b\" IS NULL;\n"
              "COMMENT ON TABLE \"s\".\"t\" IS NULL;\n");
}

TEST_F(PostgresqlTableBuilder, UnchangedTablesGiveOnlyTheirComment) {
    auto t = new_table();
    t->set_comment("kept");
    add_column(*t, "a", "int4")->set_version(kIdentical);
    add_index(*t, "i", {"a"})->set_version(kIdentical);
    add_constraint(*t, MetaCheck::create_with_name(MetaCheck::gtype(), "c", "a > 0"))->set_version(kIdentical);
    EXPECT_EQ(patch_table(*t), "COMMENT ON TABLE \"s\".\"t\" IS 'kept';\n");
    // Options alone still make a statement.
    set_option(*t, "TABLESPACE", "fast");
    EXPECT_EQ(patch_table(*t), "ALTER TABLE IF EXISTS \"s\".\"t\"\n    SET TABLESPACE \"fast\";\n"
                               "COMMENT ON TABLE \"s\".\"t\" IS 'kept';\n");
}

TEST_F(PostgresqlTableBuilder, ColumnChangesByState) {
    auto t = new_table();
    auto dropped = add_column(*t, "gone", "int4");
    dropped->set_version(kDelete);
    dropped->set_comment("not written");
    // A previous name equal to the name gives no rename; a varchar without length no size.
    auto same = add_column(*t, "same", "varchar");
    same->set_original("same");
    same->set_version(kUpdate);
    same->set_default_value("EMPYT STRING");
    // An identity column keeps its identity and has no default.
    auto counter = add_column(*t, "counter", "integer");
    counter->set_identity("GENERATED BY DEFAULT");
    counter->set_not_null(true);
    counter->set_version(kUpdate);
    // Quoted parts of a type keep their case; the collation takes its qualified form.
    auto mood = add_column(*t, "mood", "\"shop\".\"Mood\"");
    mood->set_version(kUpdate);
    mood->set_default_value("'ok'::shop.\"Mood\"");
    auto label = add_column(*t, "label", "text");
    label->set_collation("pg_catalog.C");
    label->set_version(kUpdate);
    auto added = add_column(*t, "added", "numeric");
    added->set_length(8);
    added->set_scale(3);
    added->set_collation("pg_catalog.nowhere");
    added->set_version(kInsert);
    added->set_comment("new");
    add_column(*t, "initial", "int4");
    EXPECT_EQ(patch_table(*t),
              "ALTER TABLE IF EXISTS \"s\".\"t\"\n"
              "    DROP COLUMN IF EXISTS \"gone\",\n"
              "    ALTER COLUMN \"same\" TYPE VARCHAR USING \"same\"::VARCHAR,\n"
              "    ALTER COLUMN \"same\" SET DEFAULT '',\n"
              "    ALTER COLUMN \"same\" DROP NOT NULL,\n"
              "    ALTER COLUMN \"same\" DROP IDENTITY IF EXISTS,\n"
              "    ALTER COLUMN \"counter\" TYPE INTEGER USING \"counter\"::INTEGER,\n"
              "    ALTER COLUMN \"counter\" SET NOT NULL,\n"
              "    ALTER COLUMN \"mood\" TYPE \"shop\".\"Mood\" USING \"mood\"::\"shop\".\"Mood\",\n"
              "    ALTER COLUMN \"mood\" SET DEFAULT 'ok'::shop.\"Mood\",\n"
              "    ALTER COLUMN \"mood\" DROP NOT NULL,\n"
              "    ALTER COLUMN \"mood\" DROP IDENTITY IF EXISTS,\n"
              "    ALTER COLUMN \"label\" TYPE TEXT COLLATE \"pg_catalog\".\"C\" USING \"label\"::TEXT,\n"
              "    ALTER COLUMN \"label\" DROP DEFAULT,\n"
              "    ALTER COLUMN \"label\" DROP NOT NULL,\n"
              "    ALTER COLUMN \"label\" DROP IDENTITY IF EXISTS,\n"
              "    ADD COLUMN IF NOT EXISTS \"added\" NUMERIC(8, 3) NULL;\n\n"
              "COMMENT ON COLUMN \"s\".\"t\".\"same\" IS NULL;\n"
              "COMMENT ON COLUMN \"s\".\"t\".\"counter\" IS NULL;\n"
              "COMMENT ON COLUMN \"s\".\"t\".\"mood\" IS NULL;\n"
              "COMMENT ON COLUMN \"s\".\"t\".\"label\" IS NULL;\n"
              "COMMENT ON COLUMN \"s\".\"t\".\"added\" IS 'new';\n"
              "COMMENT ON COLUMN \"s\".\"t\".\"initial\" IS NULL;\n"
              "COMMENT ON TABLE \"s\".\"t\" IS NULL;\n");
}

TEST_F(PostgresqlTableBuilder, ConstraintAndKeyChanges) {
    auto t = new_table();
    for (auto [name, ordinal] : {std::pair{"a", 2}, std::pair{"b", 1}}) {
        auto column = add_column(*t, name, "int4");
        column->set_is_primary_key(true);
        column->set_primary_ordinal(static_cast<guint8>(ordinal));
        column->set_version(kIdentical);
    }
    // A changed key is dropped and added back from the flagged columns, under its name.
    add_constraint(*t, PrimaryKey::create_with_name(PrimaryKey::gtype(), "t_pkey"))->set_version(kUpdate);
    auto changed = add_constraint(*t, MetaCheck::create_with_name(MetaCheck::gtype(), "changed", "a > 1"));
    changed->set_version(kUpdate);
    changed->set_comment("new rule");
    add_constraint(*t, MetaCheck::create_with_name(MetaCheck::gtype(), "initial", "b > 0"));
    add_constraint(*t, MetaCheck::create_with_name(MetaCheck::gtype(), "kept", "b < 9"))->set_version(kIdentical);
    add_constraint(*t, MetaUnique::create_with_name(MetaUnique::gtype(), "gone"))->set_version(kDelete);
    auto fk = add_constraint(*t, MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), "fk", "s", "u"));
    fk->set_local_columns("a");
    fk->set_refer_columns("id");
    fk->set_version(kInsert);
    EXPECT_EQ(patch_table(*t),
              "ALTER TABLE IF EXISTS \"s\".\"t\"\n"
              "    DROP CONSTRAINT IF EXISTS \"t_pkey\",\n"
              "    DROP CONSTRAINT IF EXISTS \"changed\",\n"
              "    DROP CONSTRAINT IF EXISTS \"gone\",\n"
              "    ADD CONSTRAINT \"changed\" CHECK (a > 1) NO INHERIT NOT DEFERRABLE,\n"
              "    ADD CONSTRAINT \"initial\" CHECK (b > 0) NO INHERIT NOT DEFERRABLE,\n"
              "    ADD CONSTRAINT \"fk\" FOREIGN KEY(\"a\") REFERENCES \"s\".\"u\"(\"id\") NOT DEFERRABLE,\n"
              "    ADD CONSTRAINT \"t_pkey\" PRIMARY KEY (\"b\", \"a\");\n\n"
              "COMMENT ON TABLE \"s\".\"t\" IS NULL;\n"
              "COMMENT ON CONSTRAINT \"t_pkey\" ON \"s\".\"t\" IS NULL;\n"
              "COMMENT ON CONSTRAINT \"changed\" ON \"s\".\"t\" IS 'new rule';\n"
              "COMMENT ON CONSTRAINT \"initial\" ON \"s\".\"t\" IS NULL;\n"
              "COMMENT ON CONSTRAINT \"fk\" ON \"s\".\"t\" IS NULL;\n");
}

TEST_F(PostgresqlTableBuilder, ChildrenOfAnAlteration) {
    auto t = new_table();
    t->set_comment("c");
    add_index(*t, "moved", {"a DESC"})->set_version(kUpdate);
    add_index(*t, "new", {"b"})->set_version(kInsert);
    add_index(*t, "kept", {"c"})->set_version(kIdentical);
    add_index(*t, "empty", {})->set_version(kUpdate);
    add_trigger(*t, "tg", "BEFORE", "UPDATE", "f")->set_version(kUpdate);
    add_trigger(*t, "old", "BEFORE", "UPDATE", "f")->set_version(kDelete);
    add_rule(*t, "r", "DELETE", "INSTEAD", "NOTHING;")->set_version(kUpdate);
    EXPECT_EQ(patch_table(*t),
              "COMMENT ON TABLE \"s\".\"t\" IS 'c';\n"
              "DROP INDEX IF EXISTS \"s\".\"moved\";\n"
              "DROP INDEX IF EXISTS \"s\".\"empty\";\n"
              "CREATE INDEX IF NOT EXISTS \"moved\" ON \"s\".\"t\" (a DESC);\n\n"
              "CREATE INDEX IF NOT EXISTS \"new\" ON \"s\".\"t\" (b);\n\n"
              "DROP TRIGGER IF EXISTS \"tg\" ON \"s\".\"t\";\n"
              "DROP TRIGGER IF EXISTS \"old\" ON \"s\".\"t\";\n"
              "CREATE TRIGGER \"tg\" BEFORE UPDATE ON \"s\".\"t\"\n"
              "    FOR EACH ROW\n"
              "    EXECUTE PROCEDURE f();\n\n"
              "DROP RULE IF EXISTS \"r\" ON \"s\".\"t\";\n"
              "CREATE RULE \"r\" AS ON DELETE\n"
              "    TO \"s\".\"t\"\n"
              "    DO INSTEAD NOTHING;\n\n");
}

TEST_F(PostgresqlTableBuilder, HostileNamesAreQuoted) {
    auto t = new_table("we\"ird s'ch", "ta\"b l'e");
    t->set_comment("it's");
    auto column = add_column(*t, "co\"l u'mn", "int4");
    column->set_comment("o'k");
    column->set_is_primary_key(true);
    add_constraint(*t, MetaCheck::create_with_name(MetaCheck::gtype(), "ch\"k", "true"));
    add_index(*t, "in\"d", {"\"co\"\"l u'mn\""});
    add_trigger(*t, "tr\"g", "AFTER", "UPDATE", "f")->set_columns("co\"l u'mn");
    add_rule(*t, "ru\"le", "DELETE", "INSTEAD", "NOTHING");
    const std::string target = "\"we\"\"ird s'ch\".\"ta\"\"b l'e\"";
    EXPECT_EQ(table(*t), "CREATE  TABLE IF NOT EXISTS " + target + " (\n" +
                             "    \"co\"\"l u'mn\" int4 NULL,\n"
                             "    PRIMARY KEY (\"co\"\"l u'mn\"),\n"
                             "    CONSTRAINT \"ch\"\"k\" CHECK (true) NO INHERIT NOT DEFERRABLE\n"
                             ");\n"
                             "COMMENT ON COLUMN " + target + ".\"co\"\"l u'mn\" IS 'o''k';\n"
                             "COMMENT ON TABLE " + target + " IS 'it''s';\n\n"
                             "CREATE INDEX IF NOT EXISTS \"in\"\"d\" ON " + target + " (\"co\"\"l u'mn\");\n\n"
                             "CREATE TRIGGER \"tr\"\"g\" AFTER UPDATE OF \"co\"\"l u'mn\" ON " + target + "\n"
                             "    FOR EACH ROW\n"
                             "    EXECUTE PROCEDURE f();\n\n"
                             "CREATE RULE \"ru\"\"le\" AS ON DELETE\n"
                             "    TO " + target + "\n"
                             "    DO INSTEAD NOTHING;\n\n");
    column->set_original("o\"ld");
    column->set_version(kUpdate);
    EXPECT_EQ(patch_table(*t).find("ALTER TABLE IF EXISTS " + target + " RENAME COLUMN \"o\"\"ld\" TO \"co\"\"l u'mn\";\n"
                                   "ALTER TABLE IF EXISTS " + target + "\n    ALTER COLUMN \"co\"\"l u'mn\" TYPE INT4 USING "
                                   "\"co\"\"l u'mn\"::INT4,\n"),
              0u);
}

TEST_F(PostgresqlTableBuilder, MissingTablesAreCriticals) {
    LogCapture log;
    EXPECT_EQ(take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_table(builder, nullptr, TRUE)), "(none)");
    EXPECT_EQ(take_text(tarvelin_rezezadovu_contracts_database_ibuildable_patch_table(builder, nullptr)), "(none)");
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'table != NULL'"), 2);
}

}  // namespace
}  // namespace tarvelin::test
