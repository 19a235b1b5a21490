// The PostgreSQL connection: the reader it keeps for each server version, its two log
// lines, and what a failing version query leaves behind.
#include <gtest/gtest.h>

#include "fixture.hpp"
#include "support/facade_log.hpp"

namespace tarvelin::test {
namespace {

std::string reader_type(CIConnection* connection) {
    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(connection);
    std::string name = adapter ? G_OBJECT_TYPE_NAME(adapter) : "(none)";
    if (adapter) g_object_unref(adapter);
    return name;
}

gobj::Ref<ScriptedPostgres> scripted(const std::vector<ScriptedRow>& version_rows) {
    auto provider = ScriptedProvider::create();
    provider->answer_rows("SHOW SERVER_VERSION;", {text_col("server_version")}, version_rows);
    return ScriptedPostgres::create(provider);
}

// The facade logs every statement; the tests read its main log.
class PostgresqlConnection : public ::testing::Test {
protected:
    FacadeLog log;
};

const std::string kV11 = "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x";
const std::string kV9 = "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x";
const std::string kV12 = "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x";

TEST_F(PostgresqlConnection, TheVersionChoosesTheReader) {
    struct Case {
        std::vector<ScriptedRow> rows;
        const char* version;
        const std::string& reader;
    } cases[] = {
        {{{"12.4"}}, "12.4", kV12},         {{{"11.9"}}, "11.9", kV11},   {{{"10.23"}}, "10.23", kV11},
        {{{"9.6.24"}}, "9.6.24", kV9},      {{{"9."}}, "9.", kV9},        {{{"13.1"}}, "13.1", kV11},
        {{{"16.2"}}, "16.2", kV11},         {{{"12"}}, "12", kV11},       {{{""}}, "", kV11},
        {{}, "", kV11},  // no row: the null value, whose text is empty
    };
    for (const auto& c : cases) {
        auto connection = scripted(c.rows);
        EXPECT_EQ(reader_type(connection->c()), kV11) << "before opening";
        GError* error = nullptr;
        connection->open_scripted(&error);
        ASSERT_EQ(error, nullptr) << c.version;
        EXPECT_STREQ(tarvelin_rezezadovu_contracts_database_iconnection_get_version(connection->c()), c.version);
        EXPECT_EQ(reader_type(connection->c()), c.reader) << c.version;
    }
}

TEST_F(PostgresqlConnection, ObjectsAreKeptAndTheReaderReplacedAtEveryOpen) {
    auto connection = scripted({{"12.4"}});
    auto* c = connection->c();
    auto* first = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
    auto* again = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
    EXPECT_EQ(first, again);
    auto* statement = tarvelin_rezezadovu_contracts_database_iconnection_statement(c);
    auto* inspector = tarvelin_rezezadovu_contracts_database_iconnection_inspector(c);

    connection->open_scripted();
    auto* v12 = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
    EXPECT_NE(v12, first);
    EXPECT_EQ(std::string(G_OBJECT_TYPE_NAME(v12)), kV12);
    // A reader handed out earlier stays usable for its holder.
    EXPECT_EQ(std::string(G_OBJECT_TYPE_NAME(first)), kV11);

    connection->open_scripted();
    auto* second = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
    EXPECT_NE(second, v12) << "the same class is made anew";
    EXPECT_EQ(std::string(G_OBJECT_TYPE_NAME(second)), kV12);

    auto* statement2 = tarvelin_rezezadovu_contracts_database_iconnection_statement(c);
    auto* inspector2 = tarvelin_rezezadovu_contracts_database_iconnection_inspector(c);
    EXPECT_EQ(statement, statement2);
    EXPECT_EQ(inspector, inspector2);
    // The builder and the explorer are made on first request and kept through opens.
    auto* builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(c);
    auto* explorer = tarvelin_rezezadovu_contracts_database_iconnection_explorer(c);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(builder), "TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder");
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(explorer), "TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer");
    connection->open_scripted();
    auto* builder2 = tarvelin_rezezadovu_contracts_database_iconnection_builder(c);
    auto* explorer2 = tarvelin_rezezadovu_contracts_database_iconnection_explorer(c);
    EXPECT_EQ(builder, builder2);
    EXPECT_EQ(explorer, explorer2);
    for (gpointer o : {(gpointer)first, (gpointer)again, (gpointer)v12, (gpointer)second, (gpointer)statement,
                       (gpointer)statement2, (gpointer)inspector, (gpointer)inspector2, (gpointer)builder,
                       (gpointer)builder2, (gpointer)explorer, (gpointer)explorer2})
        g_object_unref(o);
}

TEST_F(PostgresqlConnection, AFailingVersionQueryLeavesVersionAndReader) {
    auto connection = scripted({{"12.4"}});
    connection->open_scripted();
    auto* reader = tarvelin_rezezadovu_contracts_database_iconnection_adapter(connection->c());

    connection->script->answer_error("SHOW SERVER_VERSION;",
                                     gobj::Error("PostgreSQL", -2, "PGRES_FATAL_ERROR : server went away"));
    GError* error = nullptr;
    connection->open_scripted(&error);
    EXPECT_EQ(describe(error), "PostgreSQL -2 PGRES_FATAL_ERROR : server went away");
    error = nullptr;
    EXPECT_STREQ(tarvelin_rezezadovu_contracts_database_iconnection_get_version(connection->c()), "12.4");
    auto* after = tarvelin_rezezadovu_contracts_database_iconnection_adapter(connection->c());
    EXPECT_EQ(after, reader);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iconnection_get_status(connection->c()),
              TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed);
    g_object_unref(reader);
    g_object_unref(after);

    // On a first open the version stays empty.
    auto fresh = scripted({});
    fresh->script->answer_error("SHOW SERVER_VERSION;", gobj::Error("PostgreSQL", -2, "no"));
    fresh->open_scripted(&error);
    EXPECT_EQ(describe(error), "PostgreSQL -2 no");
    EXPECT_STREQ(tarvelin_rezezadovu_contracts_database_iconnection_get_version(fresh->c()), "");
    EXPECT_EQ(reader_type(fresh->c()), kV11);
}

TEST_F(PostgresqlConnection, TwoLinesOfItsOwnPerVersionRead) {
    auto connection = scripted({{"9.6.24"}});
    connection->open_scripted();
    std::vector<std::string> own;
    for (const auto& m : log.messages())
        if (m.rfind("Postgre ", 0) == 0) own.push_back(m);
    EXPECT_EQ(own, (std::vector<std::string>{"Postgre server version: 9.6.24",
                                             "Postgre connection final: " + kV9}));
    EXPECT_EQ(log.count("SQL: SHOW SERVER_VERSION;"), 1);
}

TEST_F(PostgresqlConnection, OpensOnTheTestServer) {
    auto pg = pg_server();
    TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
    auto* connection = tarvelin_rezezadovu_supports_database_postgre_sql_connection_new();
    auto* record = new_record(pg->host, pg->port, pg->user, pg->password, pg->database);
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(iconnection(connection), record, nullptr, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    std::string version = tarvelin_rezezadovu_contracts_database_iconnection_get_version(iconnection(connection));
    EXPECT_EQ(version.rfind("15.", 0), 0u) << version;
    EXPECT_EQ(reader_type(iconnection(connection)), kV11);
    EXPECT_EQ(log.count("Postgre server version: " + version), 1);
    EXPECT_EQ(log.count("Postgre connection final: " + kV11), 1);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
    g_object_unref(record);
    g_object_unref(connection);
}

}  // namespace
}  // namespace tarvelin::test
