// The reader contract through a scripted reader.
#include <gtest/gtest.h>

#include "support/scripted_reader.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using tarvelin::test::ScriptedReader;

TEST(ReaderContract, NullCellGivesValueNullWithoutTypedGetter) {
    auto r = ScriptedReader::create({{"a", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32}}, {{nullptr}});
    ASSERT_TRUE(r->read());
    auto v = r->get_value(0);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->type(), ValueNull::gtype());
    EXPECT_EQ(r->calls(), (std::vector<std::string>{"read", "is_null"}));
}
