// PostgreSQL roles and users: decoding access lists, the account queries (the pre-11
// routine query through the scripted provider), and on the test server the reading of
// accounts with grants of every kind and the copy of a login role made by build_role.
#include <gtest/gtest.h>

#include <unistd.h>

#include <map>

#include "builder_fixture.hpp"
#include "rezezadovu/supports/database/postgresql/adapter.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

namespace tarvelin::test {
namespace {

using namespace rezezadovu::meta_model;
using rezezadovu::supports::database::PostgreSQLAdapterV11x;
using rezezadovu::supports::database::PostgreSQLStatement;
namespace postgresql = rezezadovu::supports::database::postgresql;
using Entries = std::map<std::string, std::string>;

Entries entries(gpointer map) {
    auto m = gobj::StringMap::wrap(GEE_MAP(map));
    Entries out;
    for (const auto& key : m.keys()) out[key] = m.get_or(key, "");
    return out;
}

bool filled(MetaObject& object) { return g_object_get_data(object.gobj(), kFilled) != nullptr; }

TEST(PostgresqlAccounts, AccessListsDecode) {
    auto* connection = tarvelin_rezezadovu_supports_database_postgre_sql_connection_new();
    auto reader = PostgreSQLAdapterV11x::create(PostgreSQLAdapterV11x::gtype(), iconnection(connection));
    struct Case {
        const char* acl;
        const char* name;
        const char* rights;
    } cases[] = {
        {"{alice=arwdDxt/alice,bob=r*w/alice}", "bob", "SELECT=true,UPDATE=false"},
        {"{alice=arwdDxt/alice,bob=r*w/alice}", "alice",
         "SELECT=false,INSERT=false,UPDATE=false,DELETE=false,TRUNCATE=false,REFERENCES=false,TRIGGER=false"},
        {"{=Tc/o,o=CTc/o,alice=C*c/o}", "alice", "CREATE=true,CONNECT=false"},
        {"{=X/o,o=X/o,alice=X*/o}", "alice", "EXECUTE=true"},
        {"{alice=U/o}", "alice", "USAGE=false"},
        // Only an item that begins with the name and "=" is the account's.
        {"{superadmin=r/postgres}", "admin", ""},
        {"{superadmin=r/postgres,admin=w*/postgres}", "admin", "UPDATE=true"},
        // A role that only granted has no rights; the first item of the name counts.
        {"{alice=r/bob}", "bob", ""},
        {"{bob=r/a,bob=w/b}", "bob", "SELECT=false"},
        {"{bob=/a}", "bob", ""},
        {"{bob=Z/a}", "bob", ""},
        {"", "bob", ""},
        // Names that need quoting stand quoted in the item, inside the array's own quoting.
        {"{postgres=arwdDxt/postgres,\"\\\"Mixed Name\\\"=r/postgres\"}", "Mixed Name", "SELECT=false"},
        {"{\"\\\"q\\\"\\\"x\\\\y%_z\\\"=r*/postgres\"}", "q\"x\\y%_z", "SELECT=true"},
        {"{\"\\\"Mixed Name\\\"=r/postgres\"}", "Mixed", ""},
        // Without the array's braces the items are read all the same.
        {"alice=r/o,bob=a/o", "bob", "INSERT=false"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reader->extract_and_translate_privilege(c.acl, c.name), c.rights) << c.acl << " " << c.name;

    LogCapture log;
    EXPECT_FALSE(reader->extract_and_translate_privilege(nullptr, "bob"));
    EXPECT_FALSE(reader->extract_and_translate_privilege("{}", nullptr));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'privileges != NULL'"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'username != NULL'"));
    g_object_unref(connection);
}

TEST(PostgresqlAccounts, NamesInAccessListPatterns) {
    struct Case {
        const char* name;
        const char* pattern;
    } cases[] = {
        {"alice", "E'%alice%'"},
        // Quoted in the access list and in the array; LIKE's own characters match only
        // themselves.
        {"a%b_c", "E'%\\\\\\\\\"a\\\\%b\\\\_c\\\\\\\\\"%'"},
        {"Mixed Name", "E'%\\\\\\\\\"Mixed Name\\\\\\\\\"%'"},
        {"it's", "E'%\\\\\\\\\"it''s\\\\\\\\\"%'"},
    };
    for (const auto& c : cases) EXPECT_EQ(postgresql::acl_pattern(c.name), c.pattern) << c.name;
}

// ---------------------------------------------------------------- through the scripted provider

std::vector<ScriptedColumn> text_columns(int n) {
    std::vector<ScriptedColumn> out;
    for (int i = 0; i < n; ++i) out.push_back(text_col("c" + std::to_string(i)));
    return out;
}

TEST(PostgresqlAccounts, RoutineRightsBefore11TakeTheirKindFromProisagg) {
    FacadeLog facade;
    auto provider = ScriptedProvider::create();
    provider->answer_rows("SHOW SERVER_VERSION;", {text_col("server_version")}, {{"10.23"}});
    auto connection = ScriptedPostgres::create(provider);
    connection->open_scripted();
    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(connection->c());
    auto* statement = tarvelin_rezezadovu_contracts_database_iconnection_statement(connection->c());
    const std::string detail =
        take_text(tarvelin_rezezadovu_contracts_database_istatement_show_user_detail(statement, "db", "s", "bob"));
    provider->answer_rows(detail,
                          {text_col("oids"), text_col("rolname"), bool_col("rolsuper"), bool_col("rolinherit"),
                           bool_col("rolcreaterole"), bool_col("rolcreatedb"), bool_col("rolbypassrls"),
                           bool_col("rolreplication"), bool_col("rolcanlogin"), int_col("rolconnlimit"),
                           text_col("rolpassword"), text_col("rolvaliduntil"), text_col("comment")},
                          {{"16384", "bob", false, true, false, false, false, false, true, -1, nullptr, nullptr, "b's"}});
    provider->answer_rows(postgresql::memberships_query("bob"),
                          {text_col("role"), text_col("member_name"), text_col("admin_option")},
                          {{"staff", "bob", "true"}});
    auto queries = postgresql::privilege_queries("bob", false);
    for (const auto& q : queries) provider->answer_rows(q, text_columns(9));
    provider->answer_rows(queries[5],
                          {text_col("proname"), text_col("proargtypes"), text_col("proargnames"),
                           text_col("proargmodes"), text_col("proallargtypes"), text_col("prokind"),
                           text_col("nspname"), text_col("istrigger"), text_col("proacl")},
                          {{"sum_all", "", "", "", "", "a", "s", "0", "{bob=X/o}"},
                           {"f", "", "", "", "", "f", "s", "0", "{bob=X*/o}"}});
    EXPECT_NE(queries[5].find("CASE WHEN pro.proisagg THEN 'a' ELSE 'f' END AS prokind"), std::string::npos);

    auto role = MetaRole::create_with_names(MetaRole::gtype(), "db", "s", "bob", "");
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_role(
        adapter, c_of<TarvelinRezezadovuMetaModelMetaRole>(*role), &error);
    ASSERT_EQ(error, nullptr) << error->message;
    EXPECT_EQ(entries(role->get_attributes()),
              (Entries{{"OID", "16384"}, {"SUPER_USER", "false"}, {"INHERIT", "true"}, {"CREATE_ROLE", "false"},
                       {"CREATE_DATABASE", "false"}, {"BYPASS", "false"}, {"REPLICATION", "false"}, {"LOGIN", "true"},
                       {"CONNECTION_LIMIT", "-1"}, {"VALID_UNTIL", ""}, {"COMMENT", "b's"}}));
    EXPECT_STREQ(role->get_password(), "");
    EXPECT_EQ(entries(role->get_relations()), (Entries{{"staff=bob", "true"}}));
    EXPECT_EQ(entries(role->get_privileges()), (Entries{{"AGGREGATE=s.sum_all", "EXECUTE=false"}, {"FUNCTION=s.f", "EXECUTE=true"}}));
    EXPECT_TRUE(filled(*role));
    // Statements: the account, its memberships, the nine privilege queries.
    EXPECT_EQ(provider->calls("execute_model"), 11);
    // A filled account is not read again.
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_role(
        adapter, c_of<TarvelinRezezadovuMetaModelMetaRole>(*role), &error);
    EXPECT_EQ(provider->calls("execute_model"), 11);

    // A failing query ends the fill, keeps what was read and leaves the mark off.
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "db", "s", "bob", "");
    provider->answer_error(queries[2], gobj::Error("PostgreSQL", -2, "PGRES_FATAL_ERROR : no"));
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_user(
        adapter, c_of<TarvelinRezezadovuMetaModelMetaUser>(*user), &error);
    EXPECT_EQ(describe(error), "PostgreSQL -2 PGRES_FATAL_ERROR : no");
    EXPECT_FALSE(filled(*user));
    EXPECT_EQ(entries(user->get_relations()), (Entries{{"staff=bob", "true"}}));

    LogCapture log;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_role(adapter, nullptr, nullptr);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_user(adapter, nullptr, nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'role != NULL'"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'user != NULL'"));
    g_object_unref(statement);
    g_object_unref(adapter);
}

// ---------------------------------------------------------------- on the test server

class PostgresqlLiveAccounts : public ::testing::Test {
protected:
    void SetUp() override {
        pg = pg_server();
        TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
        const std::string tag = "_pgddl" + std::to_string(getpid());
        for (const char* base : {"alice", "bob", "admin", "superadmin", "Mixed Name", "q'u\"o\\te%_x", "q'u\"o\\teZZ_x"})
            roles[base] = base + tag;
        drop_roles();
        run_on_server(*pg, "CREATE ROLE " + q("alice") +
                               " LOGIN PASSWORD 'pw alice' CONNECTION LIMIT 3 VALID UNTIL '2031-02-03';"
                               "CREATE ROLE " + q("bob") + "; CREATE ROLE " + q("admin") + " CREATEDB;"
                               "CREATE ROLE " + q("superadmin") + "; CREATE ROLE " + q("Mixed Name") + ";"
                               "CREATE ROLE " + q("q'u\"o\\te%_x") + "; CREATE ROLE " + q("q'u\"o\\teZZ_x") + ";"
                               "COMMENT ON ROLE " + q("alice") + " IS 'it''s alice';"
                               "GRANT " + q("admin") + " TO " + q("alice") + " WITH ADMIN OPTION;"
                               "GRANT " + q("bob") + " TO " + q("alice") + ";");
        db = std::make_unique<ScratchDatabase>(*pg);
        db->run_as_superuser(
            "CREATE SCHEMA acc; CREATE TABLE acc.t (a int, b int); CREATE SEQUENCE acc.seq;"
            "CREATE FUNCTION acc.f() RETURNS int LANGUAGE sql AS 'SELECT 1';"
            "CREATE PROCEDURE acc.p() LANGUAGE sql AS 'SELECT 1';"
            "GRANT CONNECT, TEMPORARY ON DATABASE \"" + db->name() + "\" TO " + q("alice") + " WITH GRANT OPTION;"
            "GRANT USAGE ON SCHEMA acc TO " + q("alice") + ";"
            "GRANT CREATE ON SCHEMA acc TO " + q("Mixed Name") + " WITH GRANT OPTION;"
            "GRANT SELECT, INSERT ON acc.t TO " + q("alice") + " WITH GRANT OPTION;"
            "GRANT UPDATE ON acc.t TO " + q("alice") + ";"
            "GRANT SELECT ON acc.t TO " + q("bob") + ";"
            "GRANT USAGE ON SEQUENCE acc.seq TO " + q("bob") + ";"
            "GRANT UPDATE (b) ON acc.t TO " + q("bob") + ";"
            "GRANT EXECUTE ON FUNCTION acc.f() TO " + q("Mixed Name") + ";"
            "GRANT EXECUTE ON PROCEDURE acc.p() TO " + q("Mixed Name") + " WITH GRANT OPTION;"
            "GRANT USAGE ON LANGUAGE plpgsql TO " + q("admin") + ";"
            "GRANT SELECT ON acc.t TO " + q("superadmin") + ";"
            "GRANT SELECT ON acc.t TO " + q("q'u\"o\\te%_x") + ";"
            "GRANT INSERT ON acc.t TO " + q("q'u\"o\\teZZ_x") + ";"
            "GRANT USAGE ON SEQUENCE acc.seq TO " + q("q'u\"o\\teZZ_x") + ";");
        connection = db->open_as_superuser();
        adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(iconnection(connection));
    }
    void TearDown() override {
        g_clear_object(&adapter);
        if (connection) tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
        g_clear_object(&connection);
        db.reset();
        if (pg) drop_roles();
    }
    // The run's name of a role, quoted.
    std::string q(const std::string& base) { return PostgreSQLStatement::quoted(roles.at(base)); }
    void drop_roles() {
        std::string sql;
        for (const auto& [base, name] : roles) sql += "DROP ROLE IF EXISTS " + PostgreSQLStatement::quoted(name) + ";";
        sql += "DROP ROLE IF EXISTS " + PostgreSQLStatement::quoted(roles.at("alice") + "_copy") + ";";
        run_on_server(*pg, sql);
    }
    template <class T>
    gobj::Ref<T> read(const std::string& name) {
        auto account = T::create_with_names(T::gtype(), db->name().c_str(), "public", name.c_str(), "");
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
            adapter, c_of<TarvelinRezezadovuMetaModelMetaObject>(*account), FALSE, &error);
        EXPECT_EQ(error, nullptr) << error->message;
        EXPECT_TRUE(filled(*account));
        return account;
    }

    FacadeLog facade;
    std::optional<PgAddress> pg;
    std::map<std::string, std::string> roles;
    std::unique_ptr<ScratchDatabase> db;
    TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* connection = nullptr;
    CAdaptable* adapter = nullptr;
};

TEST_F(PostgresqlLiveAccounts, GrantsOfEveryKindAreRead) {
    const std::string& alice = roles["alice"];
    auto role = read<MetaRole>(alice);
    auto attributes = entries(role->get_attributes());
    EXPECT_FALSE(attributes["OID"].empty());
    attributes.erase("OID");
    EXPECT_EQ(attributes, (Entries{{"SUPER_USER", "false"}, {"INHERIT", "true"}, {"CREATE_ROLE", "false"},
                                   {"CREATE_DATABASE", "false"}, {"BYPASS", "false"}, {"REPLICATION", "false"},
                                   {"LOGIN", "true"}, {"CONNECTION_LIMIT", "3"}, {"VALID_UNTIL", "2031-02-03"},
                                   {"COMMENT", "it's alice"}}));
    EXPECT_EQ(std::string(role->get_password()).rfind("SCRAM-SHA-256$", 0), 0u);
    EXPECT_EQ(entries(role->get_relations()),
              (Entries{{roles["admin"] + "=" + alice, "true"}, {roles["bob"] + "=" + alice, "false"}}));
    EXPECT_EQ(entries(role->get_privileges()),
              (Entries{{"DATABASE=" + db->name(), "CONNECT=true,TEMPORARY=true"},
                       {"SCHEMA=acc", "USAGE=false"},
                       {"TABLE=acc.t", "SELECT=true,INSERT=true,UPDATE=false"}}));

    auto bob = read<MetaRole>(roles["bob"]);
    EXPECT_EQ(entries(bob->get_relations()), (Entries{{roles["bob"] + "=" + alice, "false"}}));
    EXPECT_EQ(entries(bob->get_privileges()), (Entries{{"TABLE=acc.t", "SELECT=false"},
                                                       {"SEQUENCE=acc.seq", "USAGE=false"},
                                                       {"COLUMN=acc.t.b", "UPDATE=false"}}));
    EXPECT_EQ(entries(bob->get_attributes())["LOGIN"], "false");

    // A name with a blank stands quoted in access lists.
    auto mixed = read<MetaRole>(roles["Mixed Name"]);
    EXPECT_EQ(entries(mixed->get_privileges()), (Entries{{"SCHEMA=acc", "CREATE=true"},
                                                         {"FUNCTION=acc.f", "EXECUTE=false"},
                                                         {"PROCEDURE=acc.p", "EXECUTE=true"}}));

    // admin is found in superadmin's items by the text filter and is not taken for it.
    auto admin = read<MetaRole>(roles["admin"]);
    EXPECT_EQ(entries(admin->get_privileges()), (Entries{{"LANGUAGE=plpgsql", "USAGE=false"}}));
    EXPECT_EQ(entries(admin->get_attributes())["CREATE_DATABASE"], "true");
    EXPECT_EQ(entries(read<MetaRole>(roles["superadmin"])->get_privileges()), (Entries{{"TABLE=acc.t", "SELECT=false"}}));

    // Quotes, a backslash, % and _ in a name: its own rights and no one else's.
    auto odd = read<MetaRole>(roles["q'u\"o\\te%_x"]);
    EXPECT_EQ(entries(odd->get_privileges()), (Entries{{"TABLE=acc.t", "SELECT=false"}}));
    EXPECT_EQ(entries(odd->get_attributes())["LOGIN"], "false");

    // User and role readers read the same.
    auto as_user = read<MetaUser>(alice);
    EXPECT_EQ(entries(as_user->get_attributes()), entries(role->get_attributes()));
    EXPECT_EQ(entries(as_user->get_relations()), entries(role->get_relations()));
    EXPECT_EQ(entries(as_user->get_privileges()), entries(role->get_privileges()));
    EXPECT_STREQ(as_user->get_password(), role->get_password());

    // An account that is not there is read as empty and marked.
    auto nobody = read<MetaRole>("nobody" + std::to_string(getpid()));
    EXPECT_EQ(entries(nobody->get_attributes()), Entries{});
    EXPECT_EQ(entries(nobody->get_privileges()), Entries{});
}

TEST_F(PostgresqlLiveAccounts, ACopiedLoginRoleLogsInWithItsPassword) {
    const std::string alice = roles["alice"], copy = alice + "_copy";
    auto original = read<MetaRole>(alice);

    // The same account under another name: attributes, password and memberships.
    auto twin = MetaRole::create_with_names(MetaRole::gtype(), db->name().c_str(), "public", copy.c_str(), "");
    for (const auto& [key, value] : entries(original->get_attributes())) set_attribute(*twin, key, value);
    twin->set_password(original->get_password());
    auto replace_name = [&](std::string key) {
        size_t at = key.find(alice);
        return at == std::string::npos ? key : key.replace(at, alice.size(), copy);
    };
    for (const auto& [key, value] : entries(original->get_relations())) set_entry(twin->get_relations(), replace_name(key), value);

    BuilderCalls calls{tarvelin_rezezadovu_contracts_database_iconnection_builder(iconnection(connection))};
    const std::string script = calls.role(*twin);
    g_object_unref(calls.builder);
    EXPECT_NE(script.find("PASSWORD 'SCRAM-SHA-256$"), std::string::npos) << script;
    run_sql(iconnection(connection), script);

    std::string failure;
    auto* login = db->open_as(copy, "pw alice", &failure);
    EXPECT_EQ(failure, "") << "the copy logs in with the original password";
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(login));
    g_object_unref(login);
    auto* refused = db->open_as(copy, "wrong", &failure);
    EXPECT_NE(failure, "");
    g_object_unref(refused);

    auto copied = read<MetaRole>(copy);
    auto expected = entries(original->get_attributes()), got = entries(copied->get_attributes());
    expected.erase("OID");
    got.erase("OID");
    EXPECT_EQ(got, expected);
    Entries expected_relations;
    for (const auto& [key, value] : entries(original->get_relations())) expected_relations[replace_name(key)] = value;
    EXPECT_EQ(entries(copied->get_relations()), expected_relations);
    EXPECT_STREQ(copied->get_password(), original->get_password());
}

}  // namespace
}  // namespace tarvelin::test
