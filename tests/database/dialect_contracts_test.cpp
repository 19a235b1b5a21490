// The explorer and inspector contracts have no base class: a dialect implements their C++
// virtuals directly, and callers reach them through the exported dispatchers.
#include <tarvelin/providers/model_table.h>

#include "dialect_fixture.hpp"
#include "providers/contracts/model_table.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/contracts/database/dialect_contracts.hpp"

using namespace tarvelin;
using rezezadovu::contracts::database::DbMetaType;
using rezezadovu::contracts::database::IExplorable;
using rezezadovu::contracts::database::IInspectable;
using rezezadovu::contracts::database::Text;
using test::take;

namespace {

class TestInspector : public gobj::Object, public IInspectable {
public:
    static GType gtype();
    std::vector<std::string> support(DbMetaType kind) override {
        if (kind == TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION) return {"BINARY", "NOCASE", "RTRIM"};
        return {};
    }
    Text get_type_default(const char* native_type) override {
        if (!TARVELIN_GIVEN(native_type)) return {};
        return std::string("0");
    }
    DataType get_data_type(const char* native_type) override {
        if (!TARVELIN_GIVEN(native_type)) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        return g_ascii_strcasecmp(native_type, "integer") == 0 ? TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64
                                                              : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    }
    Text get_sql_type(DataType) override { return std::string("INTEGER"); }
    GType get_glib_type(const char* native_type) override {
        if (!TARVELIN_GIVEN(native_type)) return 0;
        return G_TYPE_INT64;
    }
};
TARVELIN_GTYPE(TestInspector, "TarvelinTestInspector", gobj::Object, IInspectable)

class TestExplorer : public gobj::Object, public IExplorable {
public:
    static GType gtype();
    gobj::Ref<TableModel> load_objects(DBObject kind, const char* database, const char* schema,
                                       const char* extra_data) override {
        if (!TARVELIN_GIVEN(database, schema, extra_data)) return {};
        if (kind == TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_RULE) throw gobj::Error("test", 7, "no rules here");
        return TableModel::create();
    }
    void exec_command(DBObject, const char*, const char*, const char*, const char*, const char*) override {}
};
TARVELIN_GTYPE(TestExplorer, "TarvelinTestExplorer", gobj::Object, IExplorable)

}  // namespace

TEST(DialectContracts, InspectorThroughItsDispatchers) {
    auto made = gobj::create<TestInspector>();
    auto* inspector = static_cast<TarvelinRezezadovuContractsDatabaseIInspectable*>(made.instance());
    gint length = -1;
    gchar** choices = tarvelin_rezezadovu_contracts_database_iinspectable_support(
        inspector, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION, &length);
    ASSERT_EQ(length, 3);
    EXPECT_STREQ(choices[0], "BINARY");
    EXPECT_STREQ(choices[2], "RTRIM");
    EXPECT_EQ(choices[3], nullptr);
    g_strfreev(choices);
    choices = tarvelin_rezezadovu_contracts_database_iinspectable_support(
        inspector, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_ROW_FORMAT, &length);
    EXPECT_EQ(length, 0);
    ASSERT_NE(choices, nullptr);
    EXPECT_EQ(choices[0], nullptr);
    g_strfreev(choices);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(inspector, "INTEGER"),
              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64);
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(
                  inspector, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64)),
              "INTEGER");
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(inspector, "integer"), G_TYPE_INT64);

    test::LogCapture log;
    length = 5;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_support(
                  nullptr, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION, &length),
              nullptr);
    EXPECT_EQ(length, 5);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(inspector, nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'self != NULL'"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'native_type != NULL'"));
}

TEST(DialectContracts, ExplorerErrorsReachTheCaller) {
    auto made = gobj::create<TestExplorer>();
    auto* explorer = static_cast<TarvelinRezezadovuContractsDatabaseIExplorable*>(made.instance());
    GError* error = nullptr;
    auto* table = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        explorer, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "db", "main", "", &error);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(error, nullptr);
    g_object_unref(table);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
                  explorer, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_RULE, "db", "main", "", &error),
              nullptr);
    EXPECT_EQ(test::describe(error), "test 7 no rules here");
}
