// MySQLConnection over the scripted provider: the reader chosen by the version text, a
// failing version query, reopening, and the dialect objects it keeps.
#include "fixture.hpp"


namespace mysql_dialect_test {
namespace {

TEST(MySQLConnectionVersion, FiveDotSelectsThe5xReaderEverythingElseThe8x) {
    const std::pair<const char*, const char*> cases[] = {
        {"5.7.44-log", "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x"},
        {"5.5.68-MariaDB", "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x"},
        {"8.0.36", "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x"},
        {"8.4.0", "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x"},
        {"9.0.1", "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x"},
        {"", "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x"},
        {"5", "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x"},
        {"10.11.6-MariaDB", "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x"},
    };
    for (auto [version, reader] : cases) {
        Scripted s(version);
        s.open();
        EXPECT_EQ(type_name(s.adapter()), reader) << version;
        EXPECT_STREQ(s.connection->get_version(), version);
    }
}

TEST(MySQLConnectionVersion, NeverOpenedHandsOutThe8xReader) {
    Scripted s;
    EXPECT_EQ(type_name(s.adapter()), "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x");
    EXPECT_STREQ(s.connection->get_version(), "");
}

TEST(MySQLConnectionVersion, TheVersionIsLoggedUnderTheRecord) {
    Scripted s("8.0.36");
    s.open();
    EXPECT_EQ(s.log.count("update_version: 8.0.36"), 1);
    EXPECT_EQ(s.log.count("SQL: select version();"), 1);
}

TEST(MySQLConnectionVersion, AFailingVersionQueryFailsTheOpenAndKeepsVersionAndReader) {
    Scripted s("5.7.44-log");
    s.open();
    auto before = s.adapter();
    s.provider->answer_error("select version();", gobj::Error("MySQL", 2013, "Lost connection to server"));
    auto e = test::error_of([&] { s.connection->reopen(); });
    EXPECT_STREQ(e.domain_name(), "MySQL");
    EXPECT_EQ(e.code(), 2013);
    EXPECT_EQ(e.message(), "Lost connection to server");
    EXPECT_STREQ(s.connection->get_version(), "5.7.44-log");
    EXPECT_EQ(s.adapter().gobj(), before.gobj());
    EXPECT_EQ(s.connection->get_status(), TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed);
}

TEST(MySQLConnectionVersion, AReopenReplacesTheReaderAndAnEarlierReferenceStaysUsable) {
    Scripted s("8.0.36");
    s.open();
    auto first = s.adapter();
    s.connection->reopen();
    auto second = s.adapter();
    EXPECT_NE(first.gobj(), second.gobj());
    EXPECT_EQ(type_name(first), type_name(second));
    // The earlier reader still reads through the connection.
    s.provider->answer_rows(
        "SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME, DEFAULT_ENCRYPTION FROM "
        "`information_schema`.`SCHEMATA` WHERE SCHEMA_NAME = 'shop' ORDER BY SCHEMA_NAME ASC;",
        {{"SCHEMA_NAME", kString}, {"DEFAULT_CHARACTER_SET_NAME", kString}, {"DEFAULT_COLLATION_NAME", kString},
         {"DEFAULT_ENCRYPTION", kString}},
        {{"shop", "utf8mb4", "utf8mb4_0900_ai_ci", "NO"}});
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
        reinterpret_cast<CAdaptable*>(first.gobj()), reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(database.gobj()),
        FALSE, &error);
    EXPECT_EQ(test::describe(error), "(none)");
    EXPECT_EQ(gobj::GeeArray<MetaSchema>::wrap(database->get_schemas()).size(), 1);
}

TEST(MySQLConnectionObjects, EachIsMadeOnceAndHandedOutAsANewReference) {
    Scripted s;
    using Get = gpointer (*)(CConnection*);
    const std::pair<Get, const char*> getters[] = {
        {[](CConnection* c) -> gpointer { return tarvelin_rezezadovu_contracts_database_iconnection_statement(c); },
         "TarvelinRezezadovuSupportsDatabaseMySQLStatement"},
        {[](CConnection* c) -> gpointer { return tarvelin_rezezadovu_contracts_database_iconnection_builder(c); },
         "TarvelinRezezadovuSupportsDatabaseMySQLBuilder"},
        {[](CConnection* c) -> gpointer { return tarvelin_rezezadovu_contracts_database_iconnection_explorer(c); },
         "TarvelinRezezadovuSupportsDatabaseMySQLExplorer"},
        {[](CConnection* c) -> gpointer { return tarvelin_rezezadovu_contracts_database_iconnection_inspector(c); },
         "TarvelinRezezadovuSupportsDatabaseMySQLInspector"},
    };
    for (auto [get, name] : getters) {
        gpointer a = get(s.c());
        gpointer b = get(s.c());
        EXPECT_EQ(a, b) << name;
        EXPECT_STREQ(G_OBJECT_TYPE_NAME(a), name);
        g_object_unref(a);
        g_object_unref(b);
    }
}

TEST(MySQLConnectionObjects, TheConstructorGivesAClosedConnectionOverTheMySQLDriver) {
    auto* connection = tarvelin_rezezadovu_supports_database_my_sql_connection_new();
    auto* base = reinterpret_cast<TarvelinRezezadovuSupportsDatabaseConnectionImpl*>(connection);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(tarvelin_rezezadovu_supports_database_connection_impl_get_provider(base)),
                 "TarvelinProvidersSupportsMySQLProvider");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_status(base),
              TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown);
    g_object_unref(connection);
}

}  // namespace
}  // namespace mysql_dialect_test
