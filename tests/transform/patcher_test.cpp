// The comparison engine on hand-built trees and data models.
#include <gtest/gtest.h>

#include "endpoints.hpp"
#include "providers/contracts/model_data_set.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/gee.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/transform/patcher.hpp"
#include "support/driver_checks.hpp"

namespace transform_test {
namespace {

using namespace rezezadovu::meta_model;
using providers::contracts::DataSetModel;
using providers::contracts::RowModel;
using providers::contracts::TableModel;
using providers::contracts::ValueDecimal;
using providers::contracts::ValueDouble;
using providers::contracts::ValueString;
using rezezadovu::transform::Patcher;

constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;
constexpr auto kInt64 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
constexpr auto kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;

gobj::Ref<MetaTable> table(const char* database, const char* schema, const std::vector<std::string>& columns,
                           const char* comment = "") {
    auto t = MetaTable::create_with_names(MetaTable::gtype(), database, schema, "t");
    for (const auto& c : columns) t->new_column(c.c_str(), c == "id" ? kInt64 : kString);
    t->set_comment(comment);
    return t;
}

std::vector<std::string> marked_columns(MetaTable& t) {
    std::vector<std::string> out;
    for (auto c : gobj::GeeArray<MetaColumn>::wrap(t.get_columns()))
        out.push_back(std::string(c->get_name()) + ":" + std::to_string(c->get_version()));
    return out;
}

struct TableCase {
    const char* name;
    gobj::Ref<MetaTable> source, target;
    bool with_names;
    DataVersion expected;
};

TEST(Patcher, TablesCompareAsTheNameRuleSays) {
    auto p = Patcher::create();
    std::vector<TableCase> cases = {
        {"schema name only, names substituted", table("db", "a", {"id"}), table("db", "b", {"id"}), false, kIdentical},
        {"schema name only, names compared", table("db", "a", {"id"}), table("db", "b", {"id"}), true, kUpdate},
        // A one-letter target database changes only database values, never other text.
        {"one-letter database", table("src", "s", {"id", "d"}, "dd"), table("d", "s", {"id", "d"}, "dd"), false,
         kIdentical},
        {"comment differs", table("db", "s", {"id"}, "x"), table("db", "s", {"id"}, "y"), false, kUpdate},
    };
    for (auto& c : cases) {
        gobj::Ref<MetaTable> patched;
        EXPECT_EQ(p->diff_meta_table(*c.source, *c.target, c.with_names, patched), c.expected) << c.name;
        EXPECT_EQ(static_cast<bool>(patched), c.expected == kUpdate) << c.name;
    }
}

TEST(Patcher, PatchedTableListsTargetOnlyColumnsFirst) {
    auto p = Patcher::create();
    auto source = table("db", "s", {"id", "name", "added"});
    auto target = table("db", "s", {"gone", "id", "name"});
    gobj::Ref<MetaColumn> name = gobj::GeeArray<MetaColumn>::wrap(source->get_columns()).at(1);
    name->set_length(80);
    gee_map_set(GEE_MAP(source->get_options()), (gpointer) "ENGINE", (gpointer) "InnoDB");
    gobj::Ref<MetaTable> patched;
    ASSERT_EQ(p->diff_meta_table(*source, *target, false, patched), kUpdate);
    EXPECT_EQ(marked_columns(*patched),
              (std::vector<std::string>{"gone:2", "id:1", "name:8", "added:4"}));
    EXPECT_EQ(patched->get_version(), kUpdate);
    EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(patched->get_options())).get("ENGINE"), "InnoDB");
}

TEST(Patcher, DiffModelRecordsAMissingOptionAsDeleteWithItsSlice) {
    auto p = Patcher::create();
    auto source = table("db", "s", {"id"});
    auto target = table("db", "s", {"id"});
    gee_map_set(GEE_MAP(source->get_options()), (gpointer) "ENGINE", (gpointer) "InnoDB");
    EXPECT_EQ(p->diff_model(*source, *target), kUpdate);
    auto diff = gobj::GPtr<GeeHashMap>::retain(target->diff());
    EXPECT_EQ(GPOINTER_TO_INT(gee_abstract_map_get(GEE_ABSTRACT_MAP(diff.get()), "options.ENGINE")), kDelete);
    EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(target->slice())).get("options.ENGINE"), "InnoDB");
    // A column only the target has is INSERT in this comparison's sense.
    target->new_column("extra", kString);
    p->diff_model(*source, *target);
    EXPECT_EQ(GPOINTER_TO_INT(gee_abstract_map_get(GEE_ABSTRACT_MAP(target->diff()), "columns.extra")), kInsert);
}

TEST(Patcher, SchemasListTablesWithTheirMarks) {
    auto p = Patcher::create();
    auto source = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    auto target = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    auto add = [](MetaSchema& schema, const char* name, std::vector<std::string> columns) {
        auto t = table("db", "s", columns);
        t->set_name(name);
        gobj::GeeArray<MetaTable>::wrap(schema.get_tables()).append(t);
    };
    add(*source, "same", {"id"});
    add(*source, "changed", {"id", "b"});
    add(*source, "new", {"id"});
    add(*target, "same", {"id"});
    add(*target, "changed", {"id"});
    add(*target, "old", {"id"});
    gobj::Ref<MetaSchema> patched;
    ASSERT_EQ(p->diff_meta_schema(*source, *target, false, patched), kUpdate);
    std::vector<std::string> marks;
    for (auto t : gobj::GeeArray<MetaTable>::wrap(patched->get_tables()))
        marks.push_back(std::string(t->get_name()) + ":" + std::to_string(t->get_version()));
    EXPECT_EQ(marks, (std::vector<std::string>{"same:1", "changed:8", "new:4", "old:2"}));
}

gobj::Ref<RowModel> row(std::vector<const char*> values) {
    auto r = RowModel::create();
    for (const char* v : values) r->get_values().append(ValueString::create(v));
    return r;
}
gobj::Ref<TableModel> data_table(std::vector<gobj::Ref<RowModel>> rows) {
    auto t = TableModel::create();
    for (auto& r : rows) t->get_rows().append(r);
    return t;
}

TEST(Patcher, DataComparisonsPairByPositionAndCountMissingEntries) {
    auto p = Patcher::create();
    auto empty_a = DataSetModel::create(), empty_b = DataSetModel::create();
    gobj::Ref<DataSetModel> patched_set;
    EXPECT_EQ(p->diff_data_set(*empty_a, *empty_b, patched_set), kIdentical);
    EXPECT_FALSE(patched_set);

    // A target row shorter than the source's: the missing value counts as UPDATE.
    gobj::Ref<RowModel> patched_row;
    auto source_row = row({"a", "b", "c"});
    ASSERT_EQ(p->diff_data_row(*source_row, *row({"a", "x"}), patched_row), kUpdate);
    std::vector<int> marks;
    for (auto v : patched_row->get_values()) marks.push_back(GPOINTER_TO_INT(g_object_get_data(v->gobj(), "VERSION")));
    EXPECT_EQ(marks, (std::vector<int>{kIdentical, kUpdate, kUpdate}));

    // A target table with fewer rows, and a target set with fewer tables.
    auto source = data_table({row({"a"}), row({"b"}), row({"c"})});
    auto target = data_table({row({"a"}), row({"x"})});
    gobj::Ref<TableModel> patched_table;
    ASSERT_EQ(p->diff_data_table(*source, *target, patched_table), kUpdate);
    EXPECT_EQ(patched_table->get_rows().size(), 2);  // rows 1 and 2
    auto set_a = DataSetModel::create(), set_b = DataSetModel::create();
    set_a->get_tables().append(source);
    set_a->get_tables().append(data_table({row({"z"})}));
    set_b->get_tables().append(source);
    ASSERT_EQ(p->diff_data_set(*set_a, *set_b, patched_set), kUpdate);
    EXPECT_EQ(patched_set->get_tables().size(), 1);
}

// Numbers that differ past the six decimals of their display text are different data;
// the same number read back is the same.
TEST(Patcher, NumbersCompareByEveryDigit) {
    auto p = Patcher::create();
    auto numbers = [](gobj::Ref<providers::contracts::ValueObject> value) {
        auto r = RowModel::create();
        r->get_values().append(value);
        return r;
    };
    gobj::Ref<RowModel> patched;
    EXPECT_EQ(p->diff_data_row(*numbers(ValueDouble::create(0.1234567)), *numbers(ValueDouble::create(0.1234568)),
                               patched),
              kUpdate);
    EXPECT_EQ(p->diff_data_row(*numbers(ValueDouble::create(1e-9)), *numbers(ValueDouble::create(2e-9)), patched),
              kUpdate);
    EXPECT_EQ(p->diff_data_row(*numbers(ValueDecimal::create_exact(1234567890123456789.0, "1234567890123456789.1")),
                               *numbers(ValueDecimal::create_exact(1234567890123456789.0, "1234567890123456789.2")),
                               patched),
              kUpdate);
    EXPECT_EQ(p->diff_data_row(*numbers(ValueDouble::create(0.1)), *numbers(ValueDouble::create(0.1)), patched),
              kIdentical);
}

TEST(Patcher, CFaceRefusesMissingArguments) {
    test::LogCapture log;
    auto* p = tarvelin_rezezadovu_transform_patcher_new();
    TarvelinRezezadovuMetaModelMetaTable* patched = reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(0x1);
    EXPECT_EQ(tarvelin_rezezadovu_transform_patcher_diff_meta_table(p, nullptr, nullptr, FALSE, &patched), 0);
    EXPECT_EQ(patched, nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_transform_patcher_diff_model(p, nullptr, nullptr), 0);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "source != NULL"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "object_source != NULL"));
    // Without a place for the patched result, it is released.
    auto source = table("db", "a", {"id"}), target = table("db", "a", {"id", "x"});
    EXPECT_EQ(tarvelin_rezezadovu_transform_patcher_diff_meta_table(
                  p, reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(source->gobj()),
                  reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(target->gobj()), FALSE, nullptr),
              kUpdate);
    g_object_unref(p);
}

}  // namespace
}  // namespace transform_test
