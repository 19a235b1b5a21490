// The MariaDB readers on the MariaDB test server (10.11): the catalogue fixture read deep
// through the connection's reader (compared with a golden JSON, and value by value where
// the reading has rules of its own), the marks, stand-alone reads, accounts and roles,
// hostile names and server errors.
#include "fixture.hpp"

namespace mariadb_dialect_test {
namespace {

class LiveReader : public LiveCatalogue {
protected:
    // The pretty JSON with this run's database name replaced by "DB".
    std::string stable_json(MetaObject& object) {
        std::string json = pretty_json_of(object);
        for (size_t at = json.find(database); at != std::string::npos; at = json.find(database, at + 2))
            json.replace(at, database.size(), "DB");
        return json;
    }
};

TEST_F(LiveReader, TheConnectionPicksTheReaderForItsVersionAndLogsIt) {
    EXPECT_EQ(type_name(adapter()), kAdapter);
    EXPECT_EQ(log.count("update_version: 10.11"), 1);
}

TEST_F(LiveReader, ADeepReadOfTheFixtureMatchesItsGolden) {
    auto meta = read_all();
    std::string json = stable_json(*meta);
    EXPECT_EQ(json, golden("live_catalogue.json", json));
}

}  // namespace
}  // namespace mariadb_dialect_test
