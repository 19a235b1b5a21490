// The base DDL builder: every text is empty whatever the object; order_with_dependence
// puts referenced tables first, ends on cycles and keeps every table exactly once.
#include <functional>
#include <string>
#include <vector>

#include "dialect_fixture.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;
using providers::contracts::DataSetModel;
using providers::contracts::TableModel;
using test::take;
using rezezadovu::supports::database::SqlBuilder;
using B = TarvelinRezezadovuSupportsDatabaseSqlBuilder;

namespace {

template <class C, class T>
C* c_of(const gobj::Ref<T>& r) {
    return static_cast<C*>(r.instance());
}

class SqlBuilderTest : public test::DialectFixture {
protected:
    gobj::Ref<SqlBuilder> builder =
        gobj::Ref<SqlBuilder>::adopt(tarvelin_rezezadovu_supports_database_sql_builder_new(conn()));
    B* b() const { return static_cast<B*>(builder.instance()); }
};

// A schema of tables named by `names`; `references` lists "A>C" for a foreign key of A
// referencing C (several per table in order).
gobj::Ref<MetaSchema> schema_of(const std::vector<std::string>& names, const std::vector<std::string>& references) {
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    for (const std::string& n : names) tables.append(MetaTable::create_with_names(MetaTable::gtype(), "db", "s", n.c_str()));
    for (const std::string& r : references) {
        std::string from = r.substr(0, r.find('>')), to = r.substr(r.find('>') + 1);
        for (const auto& t : tables) {
            if (from != t->get_name()) continue;
            auto constraints = gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints());
            constraints.append(MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), ("fk_" + to).c_str(), "other",
                                                                 to.c_str()));
            break;
        }
    }
    return schema;
}

std::string order_of(const MetaSchema& schema) {
    std::string out;
    for (const auto& t : gobj::GeeArray<MetaTable>::wrap(schema.get_tables())) {
        if (!out.empty()) out += ",";
        out += t->get_name();
    }
    return out;
}

}  // namespace

// Every operation of the base gives the empty text for objects of any kind and state,
// through the class operation and the interface alike.
TEST_F(SqlBuilderTest, EveryDefaultIsEmpty) {
    test::OneOfEach one;
    auto& [database, schema, table, view, index, trigger, function, user, role, event] = one;
    table->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
    view->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    auto model = TableModel::create();
    auto data = DataSetModel::create();
    using MO = TarvelinRezezadovuMetaModelMetaObject;
    B* s = b();
    std::vector<std::pair<const char*, std::function<gchar*()>>> calls = {
        {"build_create", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_create(s, c_of<MO>(table), TRUE); }},
        {"build_delete", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_delete(s, c_of<MO>(view)); }},
        {"build_patch", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_patch(s, c_of<MO>(view), FALSE); }},
        {"build_normal", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_normal(s, c_of<TarvelinProvidersContractsTableModel>(model), "insert"); }},
        {"alter_database", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_alter_database(s, c_of<TarvelinRezezadovuMetaModelMetaDatabase>(database), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(database)); }},
        {"create_database", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_create_database(s, c_of<TarvelinRezezadovuMetaModelMetaDatabase>(database), TRUE); }},
        {"alter_schema", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_alter_schema(s, c_of<TarvelinRezezadovuMetaModelMetaSchema>(schema), c_of<TarvelinRezezadovuMetaModelMetaSchema>(schema)); }},
        {"build_schema", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_schema(s, c_of<TarvelinRezezadovuMetaModelMetaSchema>(schema), FALSE); }},
        {"build_table", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_table(s, c_of<TarvelinRezezadovuMetaModelMetaTable>(table), TRUE); }},
        {"build_view", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_view(s, c_of<TarvelinRezezadovuMetaModelMetaView>(view)); }},
        {"build_index", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_index(s, c_of<TarvelinRezezadovuMetaModelMetaIndex>(index)); }},
        {"build_trigger", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_trigger(s, c_of<TarvelinRezezadovuMetaModelMetaTrigger>(trigger)); }},
        {"build_function", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_function(s, c_of<TarvelinRezezadovuMetaModelMetaFunction>(function)); }},
        {"build_user", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_user(s, c_of<TarvelinRezezadovuMetaModelMetaUser>(user)); }},
        {"build_role", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_role(s, c_of<TarvelinRezezadovuMetaModelMetaRole>(role)); }},
        {"build_script", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_script(s, c_of<TarvelinProvidersContractsDataSetModel>(data)); }},
        {"build_caller", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_caller(s, c_of<TarvelinRezezadovuMetaModelMetaFunction>(function)); }},
        {"build_event", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_event(s, c_of<TarvelinRezezadovuMetaModelMetaEvent>(event)); }},
        {"patch_event", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_patch_event(s, c_of<TarvelinRezezadovuMetaModelMetaEvent>(event)); }},
        {"patch_function", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_patch_function(s, c_of<TarvelinRezezadovuMetaModelMetaFunction>(function)); }},
        {"patch_script", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_patch_script(s, c_of<TarvelinRezezadovuMetaModelMetaDatabase>(database)); }},
        {"patch_table", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_patch_table(s, c_of<TarvelinRezezadovuMetaModelMetaTable>(table)); }},
        {"patch_view", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_patch_view(s, c_of<TarvelinRezezadovuMetaModelMetaView>(view)); }},
        {"patch_data_table", [&] { return tarvelin_rezezadovu_supports_database_sql_builder_patch_data_table(s, c_of<TarvelinProvidersContractsTableModel>(model)); }},
        {"interface build_create", [&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_create(c_of<TarvelinRezezadovuContractsDatabaseIBuildable>(builder), c_of<MO>(schema), TRUE); }},
        {"interface build_table", [&] { return tarvelin_rezezadovu_contracts_database_ibuildable_build_table(c_of<TarvelinRezezadovuContractsDatabaseIBuildable>(builder), c_of<TarvelinRezezadovuMetaModelMetaTable>(table), FALSE); }},
    };
    for (auto& [name, call] : calls) EXPECT_EQ(take(call()), "") << name;
}

TEST_F(SqlBuilderTest, MissingObjectsAreNamed) {
    struct Case {
        std::function<gchar*()> call;
        const char* condition;
    } cases[] = {
        {[&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_create(b(), nullptr, TRUE); }, "meta_object != NULL"},
        {[&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_normal(b(), nullptr, nullptr); }, "table != NULL"},
        {[&] { return tarvelin_rezezadovu_supports_database_sql_builder_alter_schema(b(), nullptr, nullptr); }, "schema_old != NULL"},
        {[&] { return tarvelin_rezezadovu_supports_database_sql_builder_patch_function(b(), nullptr); }, "func != NULL"},
        {[&] { return tarvelin_rezezadovu_supports_database_sql_builder_patch_data_table(b(), nullptr); }, "model != NULL"},
        {[&] { return tarvelin_rezezadovu_supports_database_sql_builder_build_view(nullptr, nullptr); }, "self != NULL"},
    };
    for (const Case& c : cases) {
        test::LogCapture log;
        EXPECT_EQ(c.call(), nullptr) << c.condition;
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, std::string("'") + c.condition + "'"), 1) << c.condition;
    }
    auto model = TableModel::create();
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_builder_build_normal(b(), c_of<TarvelinProvidersContractsTableModel>(model), nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'action != NULL'"));
    tarvelin_rezezadovu_supports_database_sql_builder_order_with_dependence(b(), nullptr, 0);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'schema != NULL'"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_builder_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'conn != NULL'"));
}

TEST_F(SqlBuilderTest, OrderWithDependence) {
    struct Case {
        const char* what;
        std::vector<std::string> tables;
        std::vector<std::string> references;
        int index;
        const char* expected;
    } cases[] = {
        {"a chain", {"A", "B", "C"}, {"A>C", "C>B"}, 0, "B,C,A"},
        {"a later table's reference", {"A", "B", "C"}, {"B>C"}, 0, "A,C,B"},
        {"no references", {"A", "B", "C"}, {}, 0, "A,B,C"},
        {"references to tables in front", {"A", "B", "C"}, {"B>A", "C>A", "C>B"}, 0, "A,B,C"},
        {"keys in constraint order", {"T", "R1", "R2"}, {"T>R1", "T>R2"}, 0, "R1,R2,T"},
        {"two-table cycle", {"A", "B"}, {"A>B", "B>A"}, 0, "B,A"},
        {"three-table cycle", {"A", "B", "C"}, {"A>B", "B>C", "C>A"}, 0, "C,B,A"},
        {"cycle behind a chain", {"X", "A", "B"}, {"X>A", "A>B", "B>A"}, 0, "B,A,X"},
        {"self-reference", {"A", "B"}, {"A>A"}, 0, "A,B"},
        {"missing target", {"A", "B"}, {"A>Z"}, 0, "A,B"},
        {"from an index", {"A", "B", "C", "D"}, {"A>D", "B>D", "B>A", "C>B"}, 1, "A,D,B,C"},
        {"index at the last table", {"A", "B", "C"}, {"A>C", "B>C", "C>A"}, 2, "A,B,C"},
        {"negative index", {"A", "B"}, {"A>B"}, -1, "A,B"},
        {"one table", {"A"}, {"A>A"}, 0, "A"},
        {"no tables", {}, {}, 0, ""},
    };
    for (const Case& c : cases) {
        auto schema = schema_of(c.tables, c.references);
        tarvelin_rezezadovu_supports_database_sql_builder_order_with_dependence(
            b(), c_of<TarvelinRezezadovuMetaModelMetaSchema>(schema), c.index);
        EXPECT_EQ(order_of(*schema), c.expected) << c.what;
    }
}

// Only foreign keys count, and a name stands for the first table that has it.
TEST_F(SqlBuilderTest, OrderReadsOnlyForeignKeysByFirstName) {
    auto schema = schema_of({"A", "B", "C"}, {"A>C"});
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    auto first_a = tables.at(0);
    gobj::GeeArray<MetaConstraint>::wrap(tables.at(1)->get_constraints())
        .append(MetaCheck::create_with_name(MetaCheck::gtype(), "ck", "C > 0"));
    auto second_c = MetaTable::create_with_names(MetaTable::gtype(), "db", "s", "C");
    tables.append(second_c);
    builder->order_with_dependence(schema.get(), 0);
    EXPECT_EQ(order_of(*schema), "C,A,B,C");
    EXPECT_EQ(tables.at(1).get(), first_a.get());
    EXPECT_EQ(tables.at(3).get(), second_c.get());
}
