// MariaDBConnection over the scripted provider: the reader and the database list chosen
// by the version text, the version log line, a failing version query, the dialect objects
// it keeps, and the seven registered types. No server.
#include "fixture.hpp"

#include "providers/contracts/model_column.hpp"

namespace mariadb_dialect_test {
namespace {

const char* const kDatabasesWithComment =
    "SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME, SCHEMA_COMMENT FROM "
    "`information_schema`.`SCHEMATA` ORDER BY SCHEMA_NAME ASC;";
const char* const kDatabasesWithoutComment =
    "SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME FROM `information_schema`.`SCHEMATA` ORDER "
    "BY SCHEMA_NAME ASC;";

void script_database_lists(ScriptedProvider& provider) {
    provider.answer_rows(kDatabasesWithComment,
                         {{"SCHEMA_NAME", kString},
                          {"DEFAULT_CHARACTER_SET_NAME", kString},
                          {"DEFAULT_COLLATION_NAME", kString},
                          {"SCHEMA_COMMENT", kString}},
                         {{"shop", "utf8mb4", "utf8mb4_general_ci", "the shop"}});
    provider.answer_rows(
        kDatabasesWithoutComment,
        {{"SCHEMA_NAME", kString}, {"DEFAULT_CHARACTER_SET_NAME", kString}, {"DEFAULT_COLLATION_NAME", kString}},
        {{"shop", "utf8mb4", "utf8mb4_general_ci"}});
}

// The database list's width through the explorer, as a host asks for it.
int database_list_width(Scripted& s) {
    GError* error = nullptr;
    auto* table = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        reinterpret_cast<CExplorable*>(s.explorer().gobj()), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE, "", "", "",
        &error);
    EXPECT_EQ(test::describe(error), "(none)");
    if (!table) return -1;
    auto model = Ref<providers::contracts::TableModel>::adopt(table);
    return model->get_columns().size();
}

TEST(MariaDBConnectionVersion, TheVersionPicksTheReaderAndTheDatabaseList) {
    const struct {
        const char* version;
        const char* reader;
        int width;
    } cases[] = {
        {"10.4.32-MariaDB", kAdapterBelowV105, 3},
        {"10.5.0", kAdapter, 4},
        {"10.11.19-MariaDB-0+deb12u1", kAdapter, 4},
        {"11.4.2-MariaDB", kAdapter, 4},
        {"5.5.68-MariaDB", kAdapterBelowV105, 3},
        {"", kAdapterBelowV105, 3},
        {"10.5", kAdapter, 4},
        {"10", kAdapterBelowV105, 3},
        {"MariaDB 10.11", kAdapterBelowV105, 3},
        {"10.4.99999999999", kAdapterBelowV105, 3},
    };
    for (const auto& c : cases) {
        Scripted s(c.version);
        script_database_lists(*s.provider);
        s.open();
        EXPECT_EQ(type_name(s.adapter()), c.reader) << c.version;
        EXPECT_STREQ(s.connection->get_version(), c.version);
        EXPECT_EQ(database_list_width(s), c.width) << c.version;
    }
}

TEST(MariaDBConnectionVersion, NeverOpenedHandsOutTheNewerReaderAndTheShortList) {
    Scripted s;
    script_database_lists(*s.provider);
    EXPECT_EQ(type_name(s.adapter()), kAdapter);
    EXPECT_STREQ(s.connection->get_version(), "");
    EXPECT_EQ(database_list_width(s), 3);
}

TEST(MariaDBConnectionVersion, TheVersionIsLoggedUnderTheRecord) {
    Scripted s("10.11.19-MariaDB");
    s.open();
    EXPECT_EQ(s.log.count("update_version: 10.11.19-MariaDB"), 1);
    EXPECT_EQ(s.log.count("SQL: select version();"), 1);
}

TEST(MariaDBConnectionVersion, AFailingVersionQueryFailsTheOpenAndKeepsVersionAndReader) {
    Scripted s("10.4.32-MariaDB");
    s.open();
    auto before = s.adapter();
    s.provider->answer_error("select version();", gobj::Error("MariaDB", 2013, "Lost connection to server"));
    auto e = test::error_of([&] { s.connection->reopen(); });
    EXPECT_STREQ(e.domain_name(), "MariaDB");
    EXPECT_EQ(e.code(), 2013);
    EXPECT_EQ(e.message(), "Lost connection to server");
    EXPECT_STREQ(s.connection->get_version(), "10.4.32-MariaDB");
    EXPECT_EQ(s.adapter().gobj(), before.gobj());
    EXPECT_EQ(s.connection->get_status(), TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed);
}

TEST(MariaDBConnectionVersion, AnOpenReplacesTheReaderTheEarlierOneIsReleased) {
    Scripted s("10.4.32-MariaDB");
    auto first = s.adapter();
    EXPECT_EQ(type_name(first), kAdapter);
    GObject* watched = first.gobj();
    g_object_add_weak_pointer(watched, reinterpret_cast<gpointer*>(&watched));
    first = {};
    s.open();
    EXPECT_EQ(watched, nullptr);
    EXPECT_EQ(type_name(s.adapter()), kAdapterBelowV105);
}

TEST(MariaDBConnectionObjects, EachIsMadeOnceAndHandedOutAsANewReference) {
    Scripted s;
    auto a = s.statement(), b = s.statement();
    EXPECT_EQ(a.gobj(), b.gobj());
    EXPECT_GE(a.gobj()->ref_count, 3u);
    EXPECT_EQ(s.builder().gobj(), s.builder().gobj());
    EXPECT_EQ(s.explorer().gobj(), s.explorer().gobj());
    auto inspector = Ref<gobj::Object>::adopt(
        reinterpret_cast<GObject*>(tarvelin_rezezadovu_contracts_database_iconnection_inspector(s.c())));
    EXPECT_EQ(type_name(s.builder()), "TarvelinRezezadovuSupportsDatabaseMariaDBBuilder");
    EXPECT_EQ(type_name(s.explorer()), "TarvelinRezezadovuSupportsDatabaseMariaDBExplorer");
    EXPECT_EQ(type_name(inspector), "TarvelinRezezadovuSupportsDatabaseMariaDBInspector");
}

TEST(MariaDBConnectionObjects, TheConstructorGivesAClosedConnectionOverTheMariaDBDriver) {
    auto* connection = tarvelin_rezezadovu_supports_database_maria_db_connection_new();
    auto* impl = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(connection);
    EXPECT_STREQ(tarvelin_rezezadovu_supports_database_connection_impl_get_version(impl), "");
    auto* provider = tarvelin_rezezadovu_contracts_database_iconnection_get_provider(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(connection));
    ASSERT_NE(provider, nullptr);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(provider), "TarvelinProvidersSupportsMariaDBProvider");
    g_object_unref(connection);
}

TEST(MariaDBDialectTypes, TheSevenTypesAreRegisteredUnderTheirNamesAndParents) {
    const std::pair<const char*, const char*> types[] = {
        {"TarvelinRezezadovuSupportsDatabaseMariaDBConnection", "TarvelinRezezadovuSupportsDatabaseConnectionImpl"},
        {"TarvelinRezezadovuSupportsDatabaseMariaDBStatement", "TarvelinRezezadovuSupportsDatabaseStatement"},
        {"TarvelinRezezadovuSupportsDatabaseMariaDBExplorer", "GObject"},
        {"TarvelinRezezadovuSupportsDatabaseMariaDBAdapter", "TarvelinRezezadovuSupportsDatabaseAdapter"},
        {"TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105", "TarvelinRezezadovuSupportsDatabaseMariaDBAdapter"},
        {"TarvelinRezezadovuSupportsDatabaseMariaDBBuilder", "TarvelinRezezadovuSupportsDatabaseSqlBuilder"},
        {"TarvelinRezezadovuSupportsDatabaseMariaDBInspector", "GObject"},
    };
    for (auto [name, parent] : types) {
        GType type = g_type_from_name(name);
        ASSERT_NE(type, G_TYPE_INVALID) << name;
        EXPECT_STREQ(g_type_name(g_type_parent(type)), parent) << name;
    }
    EXPECT_TRUE(g_type_is_a(g_type_from_name("TarvelinRezezadovuSupportsDatabaseMariaDBExplorer"),
                            g_type_from_name("TarvelinRezezadovuContractsDatabaseIExplorable")));
    EXPECT_TRUE(g_type_is_a(g_type_from_name("TarvelinRezezadovuSupportsDatabaseMariaDBInspector"),
                            g_type_from_name("TarvelinRezezadovuContractsDatabaseIInspectable")));
}

}  // namespace
}  // namespace mariadb_dialect_test
