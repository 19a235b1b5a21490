// The base catalogue adapter: its fills leave objects as they were; fill_data_set runs the
// object's own fill_data_table over each table and stops at the first failure.
#include <json-glib/json-glib.h>

#include <vector>

#include "dialect_fixture.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/adapter.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;
using providers::contracts::DataSetModel;
using providers::contracts::TableModel;
using rezezadovu::supports::database::Adapter;
using Ad = TarvelinRezezadovuSupportsDatabaseAdapter;

namespace {

// Records the tables it is asked to fill; the second one fails.
class CountingAdapter : public Adapter {
public:
    static GType gtype();
    void fill_data_table(TableModel* table) override {
        visited.push_back(table);
        if (visited.size() == 2) throw gobj::Error("test", 42, "second table failed");
        table->get_columns().append(
            providers::contracts::ColumnModel::create_full("filled", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING));
    }
    std::vector<TableModel*> visited;
};
TARVELIN_GTYPE(CountingAdapter, "TarvelinTestCountingAdapter", Adapter)

// Reads a table the way a dialect does: a query through its connection, whose failure
// reaches the caller unchanged.
class QueryingAdapter : public Adapter {
public:
    static GType gtype();
    void fill_meta_table(MetaTable* table, bool) override {
        if (!TARVELIN_GIVEN(table)) return;
        gobj::call<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_as_model>(
            connection(), "SELECT name FROM columns", true);
        table->set_comment("read");
    }
};
TARVELIN_GTYPE(QueryingAdapter, "TarvelinTestQueryingAdapter", Adapter)

using AdapterTest = test::DialectFixture;

std::string json_of(const gobj::Ref<MetaObject>& o) {
    gsize length = 0;
    return gobj::take_string(json_gobject_to_data(o.gobj(), &length));
}

}  // namespace

// Every fill of the base, through the class operation, runs without error and changes
// nothing in its object, marks included.
TEST_F(AdapterTest, BaseFillsChangeNothing) {
    gobj::Ref<Adapter> adapter = gobj::Ref<Adapter>::adopt(tarvelin_rezezadovu_supports_database_adapter_new(conn()));
    auto* a = static_cast<Ad*>(adapter.instance());
    test::OneOfEach one;
    auto& [database, schema, table, view, index, trigger, function, user, role, event] = one;
    std::vector<gobj::Ref<MetaObject>> objects = one.all();
    std::vector<std::string> before;
    for (auto& o : objects) before.push_back(json_of(o));

    GError* error = nullptr;
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_database(
        a, static_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(database.instance()), TRUE, &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_schema(
        a, static_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema.instance()), TRUE, &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_table(
        a, static_cast<TarvelinRezezadovuMetaModelMetaTable*>(table.instance()), TRUE, &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_view(
        a, static_cast<TarvelinRezezadovuMetaModelMetaView*>(view.instance()), &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_index(
        a, static_cast<TarvelinRezezadovuMetaModelMetaIndex*>(index.instance()), &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_trigger(
        a, static_cast<TarvelinRezezadovuMetaModelMetaTrigger*>(trigger.instance()), &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_function(
        a, static_cast<TarvelinRezezadovuMetaModelMetaFunction*>(function.instance()), &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_user(
        a, static_cast<TarvelinRezezadovuMetaModelMetaUser*>(user.instance()), &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_role(
        a, static_cast<TarvelinRezezadovuMetaModelMetaRole*>(role.instance()), &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_event(
        a, static_cast<TarvelinRezezadovuMetaModelMetaEvent*>(event.instance()), &error);
    for (auto& o : objects)
        tarvelin_rezezadovu_supports_database_adapter_fill_meta_object(
            a, static_cast<TarvelinRezezadovuMetaModelMetaObject*>(o.instance()), TRUE, &error);
    EXPECT_EQ(error, nullptr);
    for (size_t i = 0; i < objects.size(); ++i) {
        EXPECT_EQ(json_of(objects[i]), before[i]) << objects[i]->type_name();
        EXPECT_EQ(g_object_get_data(objects[i].gobj(), kFilled), nullptr);
    }

    // And the data fills leave their tables as they were.
    auto data = DataSetModel::create();
    auto model = TableModel::create();
    data->get_tables().append(model);
    tarvelin_rezezadovu_supports_database_adapter_fill_data_set(
        a, static_cast<TarvelinProvidersContractsDataSetModel*>(data.instance()), &error);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(model->get_columns().size(), 0);
}

TEST_F(AdapterTest, MissingObjectsAreNamed) {
    auto adapter = Adapter::create(Adapter::gtype(), conn());
    auto* iface = static_cast<TarvelinRezezadovuContractsDatabaseIAdaptable*>(adapter.instance());
    test::LogCapture log;
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(iface, nullptr, TRUE, &error);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(iface, nullptr, TRUE, &error);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_data_set(iface, nullptr, &error);
    tarvelin_rezezadovu_supports_database_adapter_fill_meta_event(nullptr, nullptr, &error);
    EXPECT_EQ(error, nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'table != NULL'"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'meta_object != NULL'"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'dataset != NULL'"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'self != NULL'"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_adapter_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'connection != NULL'"));
}

// Three tables whose second fill fails: the first is filled, the caller gets the second's
// error unchanged, the third is never visited.
TEST_F(AdapterTest, FillDataSetStopsAtTheFirstFailure) {
    auto adapter = gobj::ref_cast<CountingAdapter>(Adapter::create(CountingAdapter::gtype(), conn()));
    ASSERT_TRUE(adapter);
    auto data = DataSetModel::create();
    std::vector<gobj::Ref<TableModel>> tables = {TableModel::create(), TableModel::create(), TableModel::create()};
    for (auto& t : tables) data->get_tables().append(t);

    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_data_set(
        static_cast<TarvelinRezezadovuContractsDatabaseIAdaptable*>(adapter.instance()),
        static_cast<TarvelinProvidersContractsDataSetModel*>(data.instance()), &error);
    EXPECT_EQ(test::describe(error), "test 42 second table failed");
    ASSERT_EQ(adapter->visited.size(), 2u);
    EXPECT_EQ(adapter->visited[0], tables[0].get());
    EXPECT_EQ(adapter->visited[1], tables[1].get());
    EXPECT_EQ(tables[0]->get_columns().size(), 1);
    EXPECT_EQ(tables[2]->get_columns().size(), 0);

    // An empty data set visits nothing.
    adapter->visited.clear();
    adapter->fill_data_set(DataSetModel::create().get());
    EXPECT_TRUE(adapter->visited.empty());
}

// A dialect's fill runs its query through the connection it was made by; the connection's
// error (here: it has no provider) comes back through the interface as a GError, and the
// object keeps what it had.
TEST_F(AdapterTest, FillsQueryThroughTheirConnection) {
    auto adapter = Adapter::create(QueryingAdapter::gtype(), conn());
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "db", "main", "t");
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
        static_cast<TarvelinRezezadovuContractsDatabaseIAdaptable*>(adapter.instance()),
        static_cast<TarvelinRezezadovuMetaModelMetaTable*>(table.instance()), TRUE, &error);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_INITIALIZED)) << error->message;
    g_error_free(error);
    EXPECT_STREQ(table->get_comment(), "");
}
