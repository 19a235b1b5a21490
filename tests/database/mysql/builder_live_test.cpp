// MySQLBuilder texts run on the MariaDB test server (live): the fixture's schema script
// in a new database, read back; a patch of a table; routines, triggers, events, accounts
// and roles created from what was read. MariaDB rejects ENFORCED after CHECK (the builder
// writes it only for MySQL 8), DEFAULT ROLE in CREATE USER (no roles here) and DISABLED
// as event DDL (the builder writes DISABLE).
#include <unistd.h>

#include "fixture.hpp"
#include "rezezadovu/supports/database/mysql/builder.hpp"

namespace mysql_dialect_test {
namespace {

using rezezadovu::supports::database::MySQLBuilder;

constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

// A body as the rebuild gives it back: the builder wraps routine bodies in BEGIN and END
// on lines of their own and event bodies in BEGIN and END, and ends the last statement
// with ";". Those are the differences a rebuild makes; the rest must come back the same.
std::string body_of_rebuild(std::string body) {
    auto trim = [](std::string t) {
        size_t b = t.find_first_not_of(" \t\n"), e = t.find_last_not_of(" \t\n");
        return b == std::string::npos ? std::string() : t.substr(b, e - b + 1);
    };
    body = trim(body);
    if (body.rfind("BEGIN", 0) == 0 && body.size() >= 8 && body.compare(body.size() - 3, 3, "END") == 0)
        body = trim(body.substr(5, body.size() - 8));
    if (!body.empty() && body.back() == ';') body.pop_back();
    return body;
}
void comparable(MetaObject& object) {
    if (auto* f = dynamic_cast<MetaFunction*>(&object)) f->set_body(body_of_rebuild(f->get_body()).c_str());
    if (auto* e = dynamic_cast<MetaEvent*>(&object)) e->set_body(body_of_rebuild(e->get_body()).c_str());
}

void comparable_routines(MetaSchema& schema) {
    for (GeeArrayList* list : {schema.get_functions(), schema.get_procedures()})
        for (auto routine : gobj::GeeArray<MetaFunction>::wrap(list)) comparable(*routine);
}

class LiveBuilder : public LiveCatalogue {
protected:
    void SetUp() override {
        LiveCatalogue::SetUp();
        if (connection) builder = MySQLBuilder::create(MySQLBuilder::gtype(), c());
    }
    Ref<MetaDatabase> read(const std::string& name) {
        auto db = MetaDatabase::create_with_name(MetaDatabase::gtype(), name.c_str());
        EXPECT_EQ(fill(Ref<gobj::Object>(*reader), *db), "(none)") << name;
        return db;
    }
    template <class T>
    Ref<T> read_one(const char* name) {
        auto object = T::create_with_names(T::gtype(), database.c_str(), database.c_str(), name);
        EXPECT_EQ(fill(Ref<gobj::Object>(*reader), *object), "(none)") << name;
        return object;
    }
    // The JSON with the database's name replaced.
    std::string normalised(MetaObject& object, const std::string& name) {
        return renamed_json(object, {{name, "fixture"}});
    }
    std::string sql(MySQLBuilder::Text text) { return text.value_or("(none)"); }

    Ref<MySQLBuilder> builder;
};

TEST_F(LiveBuilder, TheSchemaScriptRebuildsTheFixtureInANewDatabase) {
    auto original = read(database);
    auto schema = named<MetaSchema>(original->get_schemas(), database);
    // Events are not part of a schema script.
    gobj::GeeArray<MetaEvent>::wrap(schema->get_events()).clear();
    comparable_routines(*schema);
    std::string expected = normalised(*original, database);

    std::string copy = scratch_name("copy");
    extra_databases.push_back(copy);
    run("CREATE DATABASE `" + copy + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci;");
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) table->set_schema(copy.c_str());
    for (auto view : gobj::GeeArray<MetaView>::wrap(schema->get_views())) view->set_schema(copy.c_str());
    std::string script = sql(builder->build_schema(schema.get(), true));
    // The referenced table first: child's foreign key needs parent's key (b, a).
    EXPECT_LT(script.find("`parent` ("), script.find("`child` ("));
    EXPECT_NE(script.find("PRIMARY KEY (`b`, `a`)"), std::string::npos);
    run("USE `" + copy + "`;\n" + script + "USE `" + database + "`;");

    // Read in the copy, so that its view's definition names its tables as the original's does.
    run("USE `" + copy + "`;");
    auto rebuilt = read(copy);
    run("USE `" + database + "`;");
    comparable_routines(*named<MetaSchema>(rebuilt->get_schemas(), copy));
    EXPECT_EQ(normalised(*rebuilt, copy), expected) << script;
}

TEST_F(LiveBuilder, APatchAddsChangesAndDropsColumnsAndReaddsAnIndex) {
    run("CREATE TABLE patched (id INT NOT NULL, a INT NULL, b VARCHAR(10) NULL, c INT NULL, PRIMARY KEY (id), "
        "KEY ix_a (a));");
    auto table = read_one<MetaTable>("patched");
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table->get_columns())) column->set_version(kIdentical);
    auto a = named<MetaColumn>(table->get_columns(), "a");
    a->set_version(kUpdate);
    a->set_original("a");
    a->set_name("a2");
    a->set_raw_type("BIGINT");
    named<MetaColumn>(table->get_columns(), "b")->set_version(kDelete);
    auto d = table->new_column("d", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    d->set_raw_type("VARCHAR");
    d->set_length(20);
    d->set_after("c");
    d->set_version(kInsert);
    auto index = named<MetaIndex>(table->get_indexes(), "ix_a");
    index->set_version(kUpdate);
    gobj::StringArray::wrap(index->get_columns()).clear();
    index->append("a2");
    index->append("c");

    std::string patch = sql(builder->patch_table(table.get()));
    run(patch);
    auto after = read_one<MetaTable>("patched");
    std::vector<std::string> columns;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(after->get_columns()))
        columns.push_back(std::string(column->get_name()) + " " + column->get_raw_type());
    EXPECT_EQ(columns, (std::vector<std::string>{"id INT", "a2 BIGINT", "c INT", "d VARCHAR"})) << patch;
    EXPECT_EQ(named<MetaColumn>(after->get_columns(), "d")->get_length(), 20);
    EXPECT_EQ(gobj::StringArray::wrap(named<MetaIndex>(after->get_indexes(), "ix_a")->get_columns()).to_vector(),
              (std::vector<std::string>{"a2", "c"}));
}

// Each object read, dropped with build_delete, created with build_create, read again.
TEST_F(LiveBuilder, RoutinesTriggersAndEventsAreRecreatedAsTheyWere) {
    run("CREATE FUNCTION plain_one() RETURNS INT DETERMINISTIC RETURN 1;");
    std::vector<Ref<MetaObject>> objects = {read_one<MetaFunction>("add_two"), read_one<MetaFunction>("touch"),
                                            read_one<MetaFunction>("plain_one"), read_one<MetaTrigger>("child_qty"),
                                            read_one<MetaEvent>("nightly"), read_one<MetaEvent>("once")};
    for (auto& object : objects) {
        comparable(*object);
        std::string before = json_of(*object);
        std::string drop = sql(builder->build_delete(object.get()));
        std::string create = sql(builder->build_create(object.get(), true));
        if (object->character() == TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE)
            create = sql(builder->build_function(dynamic_cast<MetaFunction*>(object.get())));
        run(drop + "\n" + create);
        object->reset();
        EXPECT_EQ(fill(Ref<gobj::Object>(*reader), *object), "(none)");
        comparable(*object);
        EXPECT_EQ(json_of(*object), before) << create;
    }
    // The caller runs too.
    auto add_two = read_one<MetaFunction>("add_two");
    EXPECT_EQ(sql(builder->build_caller(add_two.get())), "SELECT `" + database + "`.`add_two`(_, _)");
}

TEST_F(LiveBuilder, AccountsAndRolesAreCreated) {
    std::string stem = "mysql_dialect_" + std::to_string(getpid());
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "", "", (stem + "_u@localhost").c_str(), "");
    user->set_password("it's \\ secret");
    for (auto [k, v] : {std::pair{"PLUGIN", "default"}, {"SSL_TYPE", "NONE"}, {"PASSWORD_POLICY", "NEVER"},
                        {"MAX_QUERIES", "7"}, {"MAX_UPDATES", "8"}, {"MAX_CONNECTIONS", "9"}, {"USER_CONNECTIONS", "3"}})
        gee_map_set(GEE_MAP(user->get_attributes()), k, v);
    cleanup.push_back("DROP USER IF EXISTS `" + stem + "_u`@`localhost`;");
    run(sql(builder->build_user(user.get())));
    EXPECT_EQ(rows("SELECT max_questions, max_updates, max_connections, max_user_connections, authentication_string = "
                   "PASSWORD('it''s \\\\ secret') FROM mysql.user WHERE User = '" + stem + "_u' AND Host = 'localhost';"),
              std::vector<std::string>{"7|8|9|3|1"});

    // A copy of an account read with its hash keeps the password.
    std::string hash = rows("SELECT PASSWORD('copied');").at(0);
    auto copy = MetaUser::create_with_names(MetaUser::gtype(), "", "", (stem + "_c@localhost").c_str(), "");
    copy->set_password(hash.c_str());
    gee_map_set(GEE_MAP(copy->get_attributes()), "PLUGIN", "mysql_native_password");
    gee_map_set(GEE_MAP(copy->get_attributes()), "AUTHENTICATION_STRING", hash.c_str());
    cleanup.push_back("DROP USER IF EXISTS `" + stem + "_c`@`localhost`;");
    run(sql(builder->build_user(copy.get())));
    EXPECT_EQ(rows("SELECT authentication_string FROM mysql.user WHERE User = '" + stem + "_c';"),
              std::vector<std::string>{hash});

    auto role = MetaRole::create_with_names(MetaRole::gtype(), "", "", (stem + "_r").c_str(), "");
    cleanup.push_back("DROP ROLE IF EXISTS `" + stem + "_r`;");
    run(sql(builder->build_role(role.get())));
    EXPECT_EQ(rows("SELECT is_role FROM mysql.user WHERE User = '" + stem + "_r';"), std::vector<std::string>{"Y"});
    // MySQL names the role's host; the MariaDB server takes no host on a role.
    EXPECT_EQ(sql(builder->build_delete(role.get())), "DROP ROLE IF EXISTS `" + stem + "_r`@`%`;");
    run("DROP ROLE `" + stem + "_r`;");
    EXPECT_TRUE(rows("SELECT is_role FROM mysql.user WHERE User = '" + stem + "_r';").empty());
}

TEST_F(LiveBuilder, HostileNamesCreateWhatTheySay) {
    for (const char* name : kHostile) {
        auto table = MetaTable::create_with_names(MetaTable::gtype(), database.c_str(), database.c_str(), name);
        auto column = table->new_column(name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
        column->set_raw_type("INT");
        column->set_comment(name);
        column->set_is_primary_key(true);
        table->set_comment(name);
        run(sql(builder->build_table(table.get(), true)));
        auto read = read_one<MetaTable>(name);
        ASSERT_EQ(gobj::GeeArray<MetaColumn>::wrap(read->get_columns()).size(), 1) << name;
        EXPECT_STREQ(named<MetaColumn>(read->get_columns(), name)->get_comment(), name);
        EXPECT_STREQ(read->get_comment(), name);
        run(sql(builder->build_delete(table.get())));
    }
    EXPECT_EQ(rows("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = '" + database + "';"),
              std::vector<std::string>{"3"});  // the fixture's two tables and its view
}

}  // namespace
}  // namespace mysql_dialect_test
