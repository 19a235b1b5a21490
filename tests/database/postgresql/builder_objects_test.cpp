// The PostgreSQL builder's texts other than table scripts: the dispatch by kind and
// change state, schemas, views, indexes and triggers on their own, routines and their
// call texts, databases, roles and users.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "builder_fixture.hpp"

namespace tarvelin::test {
namespace {

using namespace rezezadovu::meta_model;

constexpr auto kInitial = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL;
constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

class PostgresqlObjectBuilder : public ::testing::Test, public ScriptedBuilder {};

gobj::Ref<MetaView> new_view(const char* name = "v", const char* definition = " SELECT 1;") {
    auto view = MetaView::create_with_names(MetaView::gtype(), "db", "s", name);
    view->set_definition(definition);
    return view;
}

gobj::Ref<MetaFunction> new_function(const char* name, bool is_function, std::vector<std::string> parameters = {}) {
    auto routine = MetaFunction::create_with_names(MetaFunction::gtype(), "db", "s", name);
    routine->set_is_function(is_function);
    for (const auto& p : parameters) add_parameter(*routine, p);
    return routine;
}

template <class T>
gobj::Ref<T> new_account(const char* name, std::map<std::string, std::string> attributes,
                         std::map<std::string, std::string> relations = {}) {
    auto account = T::create_with_names(T::gtype(), "db", "s", name, "");
    for (const auto& [k, v] : attributes) set_attribute(*account, k, v);
    for (const auto& [k, v] : relations) set_entry(account->get_relations(), k, v);
    return account;
}

std::map<std::string, std::string> flags(const char* login = "false") {
    return {{"SUPER_USER", "false"}, {"CREATE_DATABASE", "false"}, {"CREATE_ROLE", "false"}, {"INHERIT", "true"},
            {"LOGIN", login},        {"REPLICATION", "false"},     {"BYPASS", "false"}};
}

// ---------------------------------------------------------------- dispatch

TEST_F(PostgresqlObjectBuilder, DropTextsByKind) {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "d\"b");
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    auto table = new_table();
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "db", "s", "t", "i");
    auto trigger = MetaTrigger::create_with_names(MetaTrigger::gtype(), "db", "s", "tg");
    trigger->set_target("t");
    auto loose = MetaTrigger::create_with_body(MetaTrigger::gtype(), "tg", "");
    loose->set_target("t");
    auto function = new_function("f", true), procedure = new_function("p", false);
    auto view = new_view();
    auto materialized = Materialized::create_with_names(Materialized::gtype(), "db", "s", "m");
    auto user = new_account<MetaUser>("u", {});
    auto role = new_account<MetaRole>("r", {});
    auto event = MetaEvent::create_with_names(MetaEvent::gtype(), "db", "s", "e");
    struct Case {
        MetaObject* object;
        const char* text;
    } cases[] = {
        {database.get(), "DROP DATABASE IF EXISTS \"d\"\"b\";"},
        {schema.get(), "DROP SCHEMA IF EXISTS \"s\";"},
        {table.get(), "DROP TABLE IF EXISTS \"s\".\"t\";"},
        {index.get(), "DROP INDEX IF EXISTS \"s\".\"i\";"},
        {trigger.get(), "DROP TRIGGER IF EXISTS \"tg\" ON \"s\".\"t\";"},
        // A trigger read with its table knows no schema: its table is named alone.
        {loose.get(), "DROP TRIGGER IF EXISTS \"tg\" ON \"t\";"},
        {function.get(), "DROP FUNCTION IF EXISTS \"s\".\"f\";"},
        {procedure.get(), "DROP PROCEDURE IF EXISTS \"s\".\"p\";"},
        {view.get(), "DROP VIEW IF EXISTS \"s\".\"v\";"},
        {materialized.get(), "DROP MATERIALIZED VIEW IF EXISTS \"s\".\"m\";"},
        {user.get(), "DROP USER IF EXISTS \"u\";"},
        {event.get(), "DROP EVENT IF EXISTS \"s\".\"e\";"},
        {role.get(), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(drop(*c.object), c.text) << c.text;
}

TEST_F(PostgresqlObjectBuilder, CreationAndPatchByKindAndState) {
    auto procedure = new_function("p", false);
    EXPECT_EQ(create(*procedure), "");
    EXPECT_EQ(patch(*procedure), "");
    auto event = MetaEvent::create_with_names(MetaEvent::gtype(), "db", "s", "e");
    EXPECT_EQ(create(*event), "");

    auto v = new_view();
    const std::string created = view(*v);
    EXPECT_EQ(create(*v), created);
    for (auto state : {kInitial, kIdentical}) {
        v->set_version(state);
        EXPECT_EQ(patch(*v), "") << state;
    }
    v->set_version(kInsert);
    EXPECT_EQ(patch(*v), created);
    v->set_version(kUpdate);
    EXPECT_EQ(patch(*v), "CREATE OR REPLACE " + created.substr(7));
    v->set_version(kDelete);
    EXPECT_EQ(patch(*v), "DROP VIEW IF EXISTS \"s\".\"v\";");

    auto function = new_function("f", true);
    function->set_return_type("integer");
    const std::string made = this->function(*function);
    function->set_version(kUpdate);
    EXPECT_EQ(patch(*function), "DROP FUNCTION IF EXISTS \"s\".\"f\";\n" + made);
    function->set_version(kInsert);
    EXPECT_EQ(patch(*function), made);

    auto table = new_table();
    table->set_version(kInsert);
    EXPECT_EQ(patch(*table), this->table(*table));
    table->set_version(kUpdate);
    table->set_comment("c");
    EXPECT_EQ(patch(*table), "COMMENT ON TABLE \"s\".\"t\" IS 'c';\n");
    table->set_version(kIdentical);
    EXPECT_EQ(patch(*table), "");

    // A materialized view is made and dropped as such; its change is a drop and a make.
    auto materialized = Materialized::create_with_names(Materialized::gtype(), "db", "s", "m");
    materialized->set_definition(" SELECT 1;");
    materialized->set_version(kUpdate);
    EXPECT_EQ(patch(*materialized), "DROP MATERIALIZED VIEW IF EXISTS \"s\".\"m\";\n" + create(*materialized));

    // Accounts are made whatever their state.
    auto user = new_account<MetaUser>("u", flags());
    for (auto state : {kInitial, kDelete, kUpdate}) {
        user->set_version(state);
        EXPECT_EQ(patch(*user), this->user(*user));
    }
}

// ---------------------------------------------------------------- schemas and views

TEST_F(PostgresqlObjectBuilder, SchemaScripts) {
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    // No comment read, none written: an empty one would erase the target's.
    EXPECT_EQ(this->schema(*schema), "CREATE SCHEMA IF NOT EXISTS \"s\";\n");

    set_attribute(*schema, "OWNER", "o\"wner");
    schema->set_comment("it's");
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    // "a" refers to "b": b comes first.
    auto a = new_table("s", "a");
    auto fk = add_constraint(*a, MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), "a_b", "s", "b"));
    fk->set_local_columns("b_id");
    fk->set_refer_columns("id");
    add_trigger(*a, "touch", "BEFORE", "UPDATE", "\"s\".audit");
    add_rule(*a, "keep", "DELETE", "INSTEAD", "NOTHING;");
    tables.append(a);
    tables.append(new_table("s", "b"));
    gobj::GeeArray<MetaView>::wrap(schema->get_views()).append(new_view());
    auto audit = new_function("audit", true);
    audit->set_return_type("trigger");
    set_attribute(*audit, "LANGUAGE", "plpgsql");
    audit->set_body("RETURN NEW;");
    gobj::GeeArray<MetaFunction>::wrap(schema->get_functions()).append(audit);
    gobj::GeeArray<Materialized>::wrap(schema->get_miews()).append(
        Materialized::create_with_names(Materialized::gtype(), "db", "s", "left_out"));

    const std::string script = this->schema(*schema);
    EXPECT_EQ(script.find("CREATE SCHEMA IF NOT EXISTS \"s\" AUTHORIZATION \"o\"\"wner\";\n"
                          "COMMENT ON SCHEMA \"s\" IS 'it''s';\n"
                          "CREATE  TABLE IF NOT EXISTS \"s\".\"b\""),
              0u);
    EXPECT_EQ(tables.at(0)->get_name(), std::string("b")) << "the schema's own list is reordered";
    // Tables (without triggers and rules), views, routines, then triggers and rules,
    // which may call the routines.
    size_t table_a = script.find("CREATE  TABLE IF NOT EXISTS \"s\".\"a\""), view = script.find("CREATE VIEW"),
           routine = script.find("CREATE FUNCTION \"s\".\"audit\""), trigger = script.find("CREATE TRIGGER \"touch\""),
           rule = script.find("CREATE RULE \"keep\"");
    EXPECT_LT(table_a, view);
    EXPECT_LT(view, routine);
    EXPECT_LT(routine, trigger);
    EXPECT_LT(trigger, rule);
    EXPECT_NE(rule, std::string::npos);
    EXPECT_EQ(script.find("left_out"), std::string::npos);
}

TEST_F(PostgresqlObjectBuilder, SchemaChanges) {
    auto before = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    auto now = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    EXPECT_EQ(alter_schema(*before, *now), "");
    now->set_name("n\"ew");
    set_attribute(*before, "OWNER", "a");
    set_attribute(*now, "OWNER", "b");
    now->set_comment("it's new");
    EXPECT_EQ(alter_schema(*before, *now), "ALTER SCHEMA \"s\" RENAME TO \"n\"\"ew\";\n"
                                           "ALTER SCHEMA \"n\"\"ew\" OWNER TO \"b\";\n"
                                           "COMMENT ON SCHEMA \"n\"\"ew\" IS 'it''s new';\n");
    // A comment taken away is removed.
    EXPECT_EQ(alter_schema(*now, *before), "ALTER SCHEMA \"n\"\"ew\" RENAME TO \"s\";\n"
                                           "ALTER SCHEMA \"s\" OWNER TO \"a\";\nCOMMENT ON SCHEMA \"s\" IS NULL;\n");
}

TEST_F(PostgresqlObjectBuilder, ViewScripts) {
    auto plain = new_view("v", "SELECT 1");
    EXPECT_EQ(view(*plain), "CREATE VIEW \"s\".\"v\" AS \nSELECT 1;\nCOMMENT ON VIEW \"s\".\"v\" IS NULL;\n\n");

    // The definition as the server prints it ends with its own semicolon.
    auto full = new_view("v", " SELECT a\n   FROM t;");
    set_attribute(*full, "ALGORITHM", "TEMPORARY");
    set_attribute(*full, "WITH_OPTION", "security_barrier=true");
    set_attribute(*full, "CHECK", "LOCAL");
    set_attribute(*full, "OWNER", "o");
    full->set_comment("it's");
    const std::string body = "VIEW \"s\".\"v\" WITH (security_barrier=true) AS \n SELECT a\n   FROM t\n"
                             "WITH LOCAL CHECK OPTION;\n"
                             "ALTER TABLE \"s\".\"v\" OWNER TO \"o\";\n\n"
                             "COMMENT ON VIEW \"s\".\"v\" IS 'it''s';\n\n";
    EXPECT_EQ(view(*full), "CREATE TEMPORARY " + body);
    EXPECT_EQ(patch_view(*full), "CREATE OR REPLACE TEMPORARY " + body);

    auto materialized = Materialized::create_with_names(Materialized::gtype(), "db", "s", "m");
    materialized->set_definition(" SELECT 1;");
    set_attribute(*materialized, "OWNER", "o");
    EXPECT_EQ(view(*materialized), "CREATE MATERIALIZED VIEW \"s\".\"m\" AS \n SELECT 1\nWITH DATA;\n"
                                   "ALTER MATERIALIZED VIEW \"s\".\"m\" OWNER TO \"o\";\n\n"
                                   "COMMENT ON MATERIALIZED VIEW \"s\".\"m\" IS NULL;\n\n");
    materialized->set_table_space("fast");
    materialized->set_with_data(false);
    materialized->set_comment("per b");
    EXPECT_EQ(create(*materialized), "CREATE MATERIALIZED VIEW \"s\".\"m\" TABLESPACE \"fast\" AS \n SELECT 1\n"
                                     "WITH NO DATA;\n"
                                     "ALTER MATERIALIZED VIEW \"s\".\"m\" OWNER TO \"o\";\n\n"
                                     "COMMENT ON MATERIALIZED VIEW \"s\".\"m\" IS 'per b';\n\n");
    EXPECT_EQ(patch_view(*materialized), "DROP MATERIALIZED VIEW IF EXISTS \"s\".\"m\";\n" + view(*materialized));
}

// ---------------------------------------------------------------- indexes and triggers on their own

TEST_F(PostgresqlObjectBuilder, IndexesOnTheirOwn) {
    auto bare = MetaIndex::create_with_names(MetaIndex::gtype(), "db", "s", "t", "i");
    EXPECT_EQ(index(*bare), "CREATE INDEX IF NOT EXISTS \"i\" ON \"s\".\"t\" ();\n\n");
    // With columns it is the text a table script writes.
    auto t = new_table();
    auto in_table = add_index(*t, "i", {"a", "b DESC"});
    in_table->set_kind("UNIQUE");
    in_table->set_method("GIST");
    in_table->set_comment("pair");
    const std::string text = index(*in_table);
    EXPECT_EQ(text, "CREATE UNIQUE INDEX IF NOT EXISTS \"i\" ON \"s\".\"t\" USING GIST (\n    \"a\", \n    \"b\" DESC\n);\n"
                    "COMMENT ON INDEX \"s\".\"i\" IS 'pair';\n\n");
    EXPECT_NE(table(*t).find(text), std::string::npos);
}

TEST_F(PostgresqlObjectBuilder, TriggersOnTheirOwn) {
    auto trigger = MetaTrigger::create_with_names(MetaTrigger::gtype(), "db", "s", "tg");
    trigger->set_target("t");
    trigger->set_timing("BEFORE");
    trigger->set_event("INSERT OR UPDATE");
    trigger->set_columns("a, b");
    trigger->set_function("s.f");
    trigger->set_refer_table("other.region");
    trigger->set_deferrable("INITIALLY DEFERRED");
    EXPECT_EQ(this->trigger(*trigger), "CREATE TRIGGER \"tg\" BEFORE INSERT OR UPDATE OF \"a\", \"b\" \n"
                                       "  ON \"s\".\"t\" \n"
                                       "  FOR EACH ROW \n"
                                       "  EXECUTE PROCEDURE s.f();\n"
                                       "COMMENT ON TRIGGER \"tg\" ON \"s\".\"t\" IS '';\n");
    trigger->set_event("INSERT,UPDATE");
    trigger->set_constraint(true);
    trigger->set_timing("AFTER");
    trigger->set_when("new.a > 0");
    trigger->set_arguments("'x'");
    trigger->set_comment("it's");
    trigger->set_apply("ALWAYS");
    EXPECT_EQ(this->trigger(*trigger), "CREATE CONSTRAINT TRIGGER \"tg\" AFTER INSERT OR UPDATE OF \"a\", \"b\" \n"
                                       "  ON \"s\".\"t\" \n"
                                       "  FROM other.region \n"
                                       "  DEFERRABLE INITIALLY DEFERRED \n"
                                       "  FOR EACH ROW \n"
                                       "  WHEN (new.a > 0) \n\n"
                                       "  EXECUTE PROCEDURE s.f('x');\n"
                                       "ALTER TABLE \"s\".\"t\" ENABLE ALWAYS TRIGGER \"tg\";\n"
                                       "COMMENT ON TRIGGER \"tg\" ON \"s\".\"t\" IS 'it''s';\n");
    // Columns go only with an UPDATE event.
    trigger->set_event("INSERT");
    EXPECT_NE(this->trigger(*trigger).find("AFTER INSERT \n"), std::string::npos);
}

// ---------------------------------------------------------------- routines

TEST_F(PostgresqlObjectBuilder, RoutineScripts) {
    auto f = new_function("f", true, {"a integer"});
    f->set_return_type("integer");
    set_attribute(*f, "LANGUAGE", "plpgsql");
    f->set_body("RETURN a;");
    EXPECT_EQ(function(*f), "CREATE FUNCTION \"s\".\"f\"(a integer) RETURNS integer LANGUAGE plpgsql\n"
                            "AS $BODY$BEGIN\n  RETURN a;\nEND$BODY$;\n\n"
                            "COMMENT ON FUNCTION \"s\".\"f\" (a integer)  IS NULL;\n\n");

    struct Case {
        const char* language;
        const char* body;
        const char* as;
    } bodies[] = {
        {"plpgsql", "  BEGIN RETURN 1; END", "AS $BODY$\n  BEGIN RETURN 1; END\n$BODY$;\n\n"},
        {"plpgsql", "\nDECLARE x int;\nBEGIN RETURN 1; END\n", "AS $BODY$\n\nDECLARE x int;\nBEGIN RETURN 1; END\n\n$BODY$;\n\n"},
        {"plpgsql", "begin return 1; end", "AS $BODY$BEGIN\n  begin return 1; end\nEND$BODY$;\n\n"},
        {"sql", " SELECT 1 ", "AS $BODY$ SELECT 1 $BODY$;\n\n"},
        {"SQL", "SELECT 'BEGIN'", "AS $BODY$SELECT 'BEGIN'$BODY$;\n\n"},
        // A body holding the usual tag gets another.
        {"sql", "SELECT '$BODY$'", "AS $BODY1$SELECT '$BODY$'$BODY1$;\n\n"},
    };
    for (const auto& c : bodies) {
        auto routine = new_function("g", true);
        routine->set_return_type("integer");
        set_attribute(*routine, "LANGUAGE", c.language);
        routine->set_body(c.body);
        EXPECT_EQ(function(*routine), std::string("CREATE FUNCTION \"s\".\"g\"() RETURNS integer LANGUAGE ") + c.language +
                                          "\n" + c.as + "COMMENT ON FUNCTION \"s\".\"g\" ()  IS NULL;\n\n")
            << c.body;
    }

    // Set results, volatility, security and owner; signatures without defaults.
    auto rich = new_function("r\"ich", true,
                             {"IN a pg_catalog.int4", "INOUT b pg_catalog.text = 'x=y'::text", "c int DEFAULT 3"});
    rich->set_return_type("pg_catalog.record");
    for (auto [k, v] : {std::pair{"LANGUAGE", "sql"}, std::pair{"EXTERNAL SECURITY", "DEFINER"},
                        std::pair{"RESULT SET", "true"}, std::pair{"RESULT DEPEND", "STABLE"},
                        std::pair{"OWNER", "o"}})
        set_attribute(*rich, k, v);
    rich->set_body(" SELECT 1, 'x' ");
    rich->set_comment("it's rich");
    const std::string target = "\"s\".\"r\"\"ich\"";
    const std::string signature = " (IN a pg_catalog.int4, INOUT b pg_catalog.text, c int) ";
    EXPECT_EQ(function(*rich),
              "CREATE FUNCTION " + target +
                  "(IN a pg_catalog.int4, INOUT b pg_catalog.text = 'x=y'::text, c int DEFAULT 3) "
                  "RETURNS SETOF pg_catalog.record LANGUAGE sql EXTERNAL SECURITY DEFINER STABLE\n"
                  "AS $BODY$ SELECT 1, 'x' $BODY$;\n\n"
                  "ALTER FUNCTION " + target + signature + " OWNER TO \"o\";\n\n"
                  "COMMENT ON FUNCTION " + target + signature + " IS 'it''s rich';\n\n");

    // A procedure returns nothing and has no volatility.
    auto p = new_function("p", false, {"qty int"});
    set_attribute(*p, "LANGUAGE", "sql");
    set_attribute(*p, "RESULT DEPEND", "VOLATILE");
    p->set_body("SELECT 1");
    EXPECT_EQ(function(*p), "CREATE PROCEDURE \"s\".\"p\"(qty int) LANGUAGE sql\nAS $BODY$SELECT 1$BODY$;\n\n"
                            "COMMENT ON PROCEDURE \"s\".\"p\" (qty int)  IS NULL;\n\n");
}

TEST_F(PostgresqlObjectBuilder, CallTexts) {
    struct Case {
        bool is_function;
        std::vector<std::string> parameters;
        const char* text;
    } cases[] = {
        {true, {}, "SELECT \"s\".\"r\"();"},
        {false, {}, "CALL \"s\".\"r\"();"},
        {false,
         {"a integer => 5", "OUT b integer"},
         "DO $CALLER$\nDECLARE b integer;\nBEGIN\n  CALL \"s\".\"r\"(5, b);\n  RAISE NOTICE '%', b;\nEND; $CALLER$;\n"},
        {false, {"a integer => 1", "b integer => 2"}, "DO $CALLER$\nBEGIN\n  CALL \"s\".\"r\"(1, 2);\nEND; $CALLER$;\n"},
        {false,
         {"INOUT b text => 'x'", "out c int"},
         "DO $CALLER$\nDECLARE b text := 'x';\nDECLARE c int;\nBEGIN\n  CALL \"s\".\"r\"(b, c);\n"
         "  RAISE NOTICE '%, %', b, c;\nEND; $CALLER$;\n"},
        {true, {"OUT b integer"}, "SELECT * FROM \"s\".\"r\"();"},
        {true, {"IN a integer => 7", "INOUT b text => 'x'", "OUT c int"}, "SELECT * FROM \"s\".\"r\"(7, 'x');"},
        // A name that begins like a mode is a name; a value left out is "_".
        {true, {"input integer", "VARIADIC nums int[]"}, "SELECT * FROM \"s\".\"r\"(_, _);"},
    };
    for (const auto& c : cases) {
        auto routine = new_function("r", c.is_function, c.parameters);
        EXPECT_EQ(caller(*routine), c.text) << c.text;
    }

    LogCapture log;
    auto odd = new_function("r", true, {"(", "a integer => 1"});
    EXPECT_EQ(caller(*odd), "SELECT * FROM \"s\".\"r\"(1);");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, ": Failed to match: ("));
}

// ---------------------------------------------------------------- databases

TEST_F(PostgresqlObjectBuilder, DatabaseScripts) {
    auto bare = MetaDatabase::create_with_name(MetaDatabase::gtype(), "d");
    gobj::GeeArray<MetaSchema>::wrap(bare->get_schemas()).append(MetaSchema::create_with_names(MetaSchema::gtype(), "d", "s"));
    EXPECT_EQ(create_database(*bare), "CREATE DATABASE \"d\";\n\n"
                                      "CREATE SCHEMA IF NOT EXISTS \"s\";\n");

    auto full = MetaDatabase::create_with_name(MetaDatabase::gtype(), "d\"b");
    for (auto [k, v] : {std::pair{"OWNER", "o\"wner"}, std::pair{"TEMPLATE", ""}, std::pair{"ENCODING", "UTF8"},
                        std::pair{"LC_COLLATE", "C.UTF-8"}, std::pair{"LC_CTYPE", "C.UTF-8"},
                        std::pair{"TABLESPACE", "pg_default"}, std::pair{"ALLOW_CONNECTIONS", "true"},
                        std::pair{"CONNECTION LIMIT", "-1"}, std::pair{"IS_TEMPLATE", ""},
                        std::pair{"EXTENSION", "plpgsql=1.0,hstore=1.8,bare"}})
        set_attribute(*full, k, v);
    full->set_comment("it's");
    EXPECT_EQ(create_database(*full), "CREATE DATABASE \"d\"\"b\"\n"
                                      "  OWNER = \"o\"\"wner\"\n"
                                      "  ENCODING = \"UTF8\"\n"
                                      "  LC_COLLATE = \"C.UTF-8\"\n"
                                      "  LC_CTYPE = \"C.UTF-8\"\n"
                                      "  TABLESPACE = \"pg_default\"\n"
                                      "  ALLOW_CONNECTIONS = true\n"
                                      "  CONNECTION LIMIT = -1;\n"
                                      "COMMENT ON DATABASE \"d\"\"b\" IS 'it''s';\n"
                                      "CREATE EXTENSION IF NOT EXISTS \"plpgsql\" VERSION '1.0';\n"
                                      "CREATE EXTENSION IF NOT EXISTS \"hstore\" VERSION '1.8';\n"
                                      "CREATE EXTENSION IF NOT EXISTS \"bare\";\n\n");
    // Values written unquoted are words or numbers only.
    set_attribute(*full, "CONNECTION LIMIT", "1; DROP DATABASE x");
    EXPECT_EQ(create_database(*full).find("DROP DATABASE"), std::string::npos);
}

TEST_F(PostgresqlObjectBuilder, DatabaseChanges) {
    auto make = [](const char* name, std::map<std::string, std::string> attributes, const char* comment = "") {
        auto d = MetaDatabase::create_with_name(MetaDatabase::gtype(), name);
        for (const auto& [k, v] : attributes) set_attribute(*d, k, v);
        d->set_comment(comment);
        return d;
    };
    EXPECT_EQ(alter_database(*make("d", {{"OWNER", "o"}}), *make("d", {{"OWNER", "o"}})), "");
    EXPECT_EQ(alter_database(*make("d", {{"IS_TEMPLATE", "false"}}), *make("d", {{"IS_TEMPLATE", "true"}})),
              "ALTER DATABASE \"d\"\n  IS_TEMPLATE true;\n");
    // Nothing for what only the old database has; comment lines for what cannot change.
    EXPECT_EQ(alter_database(*make("d", {{"TEMPLATE", "t"}, {"OWNER", "a"}}, "old"),
                             *make("n", {{"ENCODING", "LATIN1"}, {"LC_COLLATE", "de\nDROP"}, {"OWNER", "b"},
                                         {"TABLESPACE", "fast"}, {"ALLOW_CONNECTIONS", "false"},
                                         {"CONNECTION LIMIT", "5"}})),
              "ALTER DATABASE \"d\" RENAME TO \"n\";\n"
              "ALTER DATABASE \"n\"\n  ALLOW_CONNECTIONS false\n  CONNECTION LIMIT 5;\n"
              "ALTER DATABASE \"n\" OWNER TO \"b\";\n"
              "-- ALTER DATABASE \"n\" cannot change ENCODING to \"LATIN1\"\n"
              "-- ALTER DATABASE \"n\" cannot change LC_COLLATE to \"de DROP\"\n"
              "ALTER DATABASE \"n\" SET TABLESPACE \"fast\";\n"
              "COMMENT ON DATABASE \"n\" IS NULL;\n");
    EXPECT_EQ(alter_database(*make("d", {}), *make("d", {}, "it's")), "COMMENT ON DATABASE \"d\" IS 'it''s';\n");
    // A new extension is made, a new version updates, a removed one stays.
    EXPECT_EQ(alter_database(*make("d", {{"EXTENSION", "plpgsql=1.0,hstore=1.7,gone=1"}}),
                             *make("d", {{"EXTENSION", "plpgsql=1.0,hstore=1.8,btree_gist=1.6"}})),
              "ALTER EXTENSION \"hstore\" UPDATE TO '1.8';\n"
              "CREATE EXTENSION IF NOT EXISTS \"btree_gist\" VERSION '1.6';\n");
}

// ---------------------------------------------------------------- roles and users

TEST_F(PostgresqlObjectBuilder, AccountScripts) {
    auto reader = new_account<MetaRole>("reader", flags(), {{"admins=reader", "false"}});
    set_attribute(*reader, "CONNECTION_LIMIT", "-1");
    set_attribute(*reader, "VALID_UNTIL", "");
    set_attribute(*reader, "COMMENT", "");
    EXPECT_EQ(role(*reader), "CREATE ROLE \"reader\" WITH NOSUPERUSER NOCREATEDB NOCREATEROLE INHERIT NOLOGIN "
                             "NOREPLICATION NOBYPASSRLS CONNECTION LIMIT -1 IN ROLE \"admins\";\n");

    auto all = flags("true");
    for (auto key : {"SUPER_USER", "CREATE_DATABASE", "CREATE_ROLE", "REPLICATION", "BYPASS"}) all[key] = "true";
    all["VALID_UNTIL"] = "2030-01-01";
    all["COMMENT"] = "it's me";
    auto boss = new_account<MetaRole>("bo\"ss", all,
                                      {{"team=bo\"ss", "TRUE"}, {"crew=bo\"ss", "true"}, {"bo\"ss=m1", "false"},
                                       {"bo\"ss=m2", "true"}, {"other=x", "false"}});
    boss->set_password("SCRAM-SHA-256$4096:it's");
    EXPECT_EQ(role(*boss), "CREATE ROLE \"bo\"\"ss\" WITH SUPERUSER CREATEDB CREATEROLE INHERIT LOGIN REPLICATION "
                           "BYPASSRLS PASSWORD 'SCRAM-SHA-256$4096:it''s' VALID UNTIL '2030-01-01' ROLE \"m1\" "
                           "ADMIN \"m2\";\n"
                           "GRANT \"crew\", \"team\" TO \"bo\"\"ss\" WITH ADMIN OPTION;\n"
                           "COMMENT ON ROLE \"bo\"\"ss\" IS 'it''s me';\n");

    // "TRUE" is no flag, a password needs LOGIN, and user and role texts agree.
    auto upper = flags("TRUE");
    auto nologin = new_account<MetaUser>("u", upper);
    nologin->set_password("secret");
    const std::string text = user(*nologin);
    EXPECT_EQ(text, "CREATE ROLE \"u\" WITH NOSUPERUSER NOCREATEDB NOCREATEROLE INHERIT NOLOGIN NOREPLICATION "
                    "NOBYPASSRLS;\n");
    auto same = new_account<MetaRole>("u", upper);
    same->set_password("secret");
    EXPECT_EQ(role(*same), text);

    // An absent flag is a critical and the NO word; the text is still made.
    LogCapture log;
    auto partial = new_account<MetaRole>("p", {{"LOGIN", "false"}});
    EXPECT_EQ(role(*partial), "CREATE ROLE \"p\" WITH NOSUPERUSER NOCREATEDB NOCREATEROLE NOINHERIT NOLOGIN "
                              "NOREPLICATION NOBYPASSRLS;\n");
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'str != NULL'"), 6);
}

TEST_F(PostgresqlObjectBuilder, MissingArgumentsAreCriticals) {
    LogCapture log;
    auto* b = builder;
    struct Case {
        std::function<gchar*()> call;
        const char* condition;
    } cases[] = {
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_create(b, nullptr, TRUE); }, "meta_object"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_delete(b, nullptr); }, "meta_object"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_patch(b, nullptr, TRUE); }, "meta_object"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(b, nullptr, TRUE); }, "schema"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_view(b, nullptr); }, "view"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_patch_view(b, nullptr); }, "view"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_index(b, nullptr); }, "index"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_trigger(b, nullptr); }, "trigger"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_function(b, nullptr); }, "function"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_caller(b, nullptr); }, "function"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_user(b, nullptr); }, "user"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_role(b, nullptr); }, "role"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_create_database(b, nullptr, TRUE); },
         "database"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_alter_database(b, nullptr, nullptr); },
         "database_old"},
        {[&] { return tarvelin_rezezadovu_contracts_database_ibuildable_alter_schema(b, nullptr, nullptr); },
         "schema_old"},
    };
    for (const auto& c : cases) {
        log.clear();
        EXPECT_EQ(take_text(c.call()), "(none)") << c.condition;
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, std::string("'") + c.condition + " != NULL'"), 1) << c.condition;
    }
    auto d = MetaDatabase::create_with_name(MetaDatabase::gtype(), "d");
    EXPECT_EQ(take_text(tarvelin_rezezadovu_contracts_database_ibuildable_alter_database(
                  b, c_of<TarvelinRezezadovuMetaModelMetaDatabase>(*d), nullptr)),
              "(none)");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'database_new != NULL'"));

    // The constructors need a connection.
    log.clear();
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_postgre_sql_builder_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'connection != NULL'"));
    auto* made = tarvelin_rezezadovu_supports_database_postgre_sql_builder_new(connection->c());
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(made, tarvelin_rezezadovu_supports_database_sql_builder_get_type()));
    g_object_unref(made);
}

}  // namespace
}  // namespace tarvelin::test
