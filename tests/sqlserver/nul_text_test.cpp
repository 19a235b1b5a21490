// A text with an embedded NUL keeps every byte on its way into a cell.
#include <gtest/gtest.h>

#include "providers/contracts/face_provider.hpp"
#include "providers/contracts/value_string.hpp"
#include "support/driver_checks.hpp"
#include "support/tds_peer.hpp"
#include "providers/supports/sqlserver/provider.hpp"
#include "providers/gobj/call.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using PV = providers::contracts::IProvider::Vtable;
using tarvelin::providers::supports::sqlserver::SQLServerProvider;
using test::TdsResponse;
using test::TdsType;

TEST(SqlServerText, TextWithANulKeepsEveryByte) {
    test::LogCapture log;
    test::TdsPeer peer;
    peer.set_credentials("sa", "secret");
    // A varchar only: db-lib's own UTF-16 conversion of an nvarchar already ends at a NUL.
    peer.script("SELECT s", TdsResponse().result({{"s", TdsType::VarChar}, {"p", TdsType::VarChar}},
                                                 {{std::string("a\0bc", 4), std::string("plain")}}));
    auto server = Server::create();
    server->set_host(std::string("127.0.0.1"));
    server->set_port(peer.port());
    server->set_username(std::string("sa"));
    server->set_password(std::string("secret"));
    auto provider = SQLServerProvider::create();
    gobj::call<&PV::open>(provider.instance(), *server, "Data Source=peer");
    auto model = gobj::call<&PV::execute_model>(provider.instance(), "SELECT s", true);
    ASSERT_EQ(model->get_rows().size(), 1);
    const std::pair<int, std::string> expected[] = {{0, std::string("a\0bc", 4)}, {1, "plain"}};
    for (const auto& [column, text] : expected) {
        auto cell = gobj::ref_cast<ValueString>(model->get_value_at(column, 0));
        ASSERT_TRUE(cell);
        EXPECT_EQ(*cell->text(), text);
    }
}
