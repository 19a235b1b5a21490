// A text with an embedded NUL keeps every byte on its way into a cell.
#include "fixture.hpp"
#include "providers/contracts/value_string.hpp"

using namespace tarvelin::test;
using tarvelin::providers::contracts::ValueString;

TEST_F(SqliteTest, TextWithANulKeepsEveryByte) {
    affect("CREATE TABLE t(s TEXT)");
    affect("INSERT INTO t VALUES (CAST(X'61006263' AS TEXT)), ('plain')");
    auto m = model("SELECT s FROM t ORDER BY rowid");
    ASSERT_EQ(m->get_rows().size(), 2);
    auto first = m->get_rows().at(0)->get_value_at(0);
    ASSERT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(first.gobj(), ValueString::gtype()));
    EXPECT_EQ(*tarvelin::gobj::cast<ValueString>(first.gobj())->text(), std::string("a\0bc", 4));
    EXPECT_EQ(m->get_rows().at(1)->get_value_at(0)->to_string(), "plain");
}
