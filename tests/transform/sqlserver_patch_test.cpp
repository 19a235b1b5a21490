// A SQL Server target: two hand-built tables compared, the patched table's change maps
// filled from the marks, and the SQL Server builder's patch of it.
#include "database/sqlserver/builder_support.hpp"
#include "rezezadovu/transform/structure_synchronizer.hpp"

namespace transform_test {
namespace {

using namespace tarvelin;
using namespace tarvelin::test::sqlserver;
using rezezadovu::transform::Patcher;
using rezezadovu::transform::StructureSynchronizer;

TEST(SqlServerPatch, AddsTheNewColumnAndDropsTheRemovedIndex) {
    BuilderFixture fixture;
    auto source = table("sales", "orders");
    column(*source, "id", "int");
    column(*source, "amount", "int");
    column(*source, "note", "nvarchar", 20);
    auto target = table("sales", "orders");
    column(*target, "id", "int");
    column(*target, "amount", "int");
    add_index(*target, "ix_amount", {"amount"});
    set_attribute(*target, "PRIMARY_KEY_NAME", "pk_orders");

    auto patcher = Patcher::create();
    gobj::Ref<MetaTable> patched;
    ASSERT_EQ(patcher->diff_meta_table(*source, *target, false, patched), TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    StructureSynchronizer::fill_change_maps(*patcher, *patched, *target);
    std::string script = take(tarvelin_rezezadovu_supports_database_sql_builder_patch_table(
        fixture.c(), c_of<TarvelinRezezadovuMetaModelMetaTable>(patched)));
    EXPECT_EQ(script,
              "DROP INDEX IF EXISTS [ix_amount] ON [sales].[orders];\n"
              "ALTER TABLE [sales].[orders] ADD [note] nvarchar(20) NULL;\n");
}

}  // namespace
}  // namespace transform_test
