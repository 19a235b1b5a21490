// The columns a view derives from its definition.
#include <gtest/gtest.h>

#include "rezezadovu/model/view_columns.hpp"

namespace {

using tarvelin::rezezadovu::meta_model::derive_view_columns;
using Cols = std::vector<tarvelin::rezezadovu::meta_model::DerivedColumn>;

struct Case {
    const char* definition;
    Cols columns;
};

class ViewColumns : public ::testing::TestWithParam<Case> {};

TEST_P(ViewColumns, DerivesNameAndRawTypeOfEveryItem) {
    auto got = derive_view_columns(GetParam().definition);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, GetParam().columns);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ViewColumns,
    ::testing::Values(
        Case{"select a, b from t", {{"a", "a"}, {"b", "b"}}},
        Case{"select a, b  from t", {{"a", "a"}, {"b", "b"}}},
        Case{"select f as g from t", {{"g", "f"}}},
        Case{"select f as g  from t", {{"g", "f"}}},
        Case{"SELECT t.a AS x, `b`, c.d\nFROM t", {{"x", "t.a"}, {"b", "`b`"}, {"c.d", "c.d"}}},
        Case{"SELECT t.a AS x, `b`, c.d\n  FROM t", {{"x", "t.a"}, {"b", "`b`"}, {"c.d", "c.d"}}},
        Case{"select t.*, * from t", {{"t.*", "t.*"}, {"*", "*"}}},
        Case{"select [a] As \"Quoted\", 'x' from t", {{"Quoted", "[a]"}, {"x", "'x'"}}},
        // Letters whose capitals take fewer or more bytes do not shift where AS is found.
        Case{"select ıd as x, ﬀa AS y from t", {{"x", "ıd"}, {"y", "ﬀa"}}},
        Case{"create view v as\nselect id,\n       name\nfrom people where id > 2", {{"id", "id"}, {"name", "name"}}}));

TEST(ViewColumnsNoMatch, TextsWithoutSelectListGiveNothing) {
    for (const char* text : {"", "select a + b from t", "values (1)", "select a, b"}) {
        EXPECT_FALSE(derive_view_columns(text).has_value()) << text;
    }
}

}  // namespace
