// What only the MariaDB provider does when it opens: it names the program to the
// server and sets the connection's character set with "SET NAMES". The behaviour both
// drivers share is tested in tests/mysql.
#include "mysql/live.hpp"

using namespace tarvelin;
using namespace tarvelin::test::mysql;

namespace {

using MariadbOpen = Live;

TEST_P(MariadbOpen, ServerSeesTheProgramName) {
    std::string attribute =
        "SELECT COUNT(*), IFNULL(MAX(ATTR_VALUE), '') FROM performance_schema.session_connect_attrs"
        " WHERE PROCESSLIST_ID = CONNECTION_ID() AND ATTR_NAME = 'program_name'";
    auto m = model(attribute);
    auto row = m->get_rows().at(0);
    if (&driver() == &kMariaDB) {
        EXPECT_EQ(row->get_values().at(0)->to_string(), "1");
        EXPECT_EQ(row->get_values().at(1)->to_string(), "tarvelin");
    } else {
        EXPECT_EQ(row->get_values().at(0)->to_string(), "0");
    }
}

TEST_P(MariadbOpen, ConnectionSpeaksUtf8mb4) {
    auto m = model("SELECT @@character_set_client, @@character_set_connection, @@character_set_results");
    for (int c = 0; c < 3; ++c) EXPECT_EQ(m->get_rows().at(0)->get_values().at(c)->to_string(), "utf8mb4");
}

TEST_P(MariadbOpen, ErrorsCarryTheDriversDomain) {
    auto e = error_of([&] { exec("SELEC 1"); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(e->domain_name(), driver().domain);
    EXPECT_FALSE(e->matches(&driver() == &kMariaDB ? "MySQL" : "MariaDB"));
}

INSTANTIATE_TEST_SUITE_P(Drivers, MariadbOpen, testing::Values(&kMariaDB, &kMySQL),
                         [](const auto& info) { return std::string(info.param->domain); });

}  // namespace
