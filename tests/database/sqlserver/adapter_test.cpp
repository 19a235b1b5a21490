// The SQL Server adapter over a catalogue shaped as SQL Server 2019 (data/shop_2019.json)
// and 2008 R2 (data/shop_2008.json) answer it: the JSON forms of what it fills equal the
// golden files of data/golden/, and the details that matter are checked by name too.
#include "providers/gobj/gee.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_classify.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "sqlserver_support.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;
using namespace tarvelin::rezezadovu::meta_model;
using CAdaptable = TarvelinRezezadovuContractsDatabaseIAdaptable;

namespace {

// The adapter the connection hands out.
struct Adapter {
    explicit Adapter(const Scripted& server)
        : ref(gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(server.c()))) {}
    CAdaptable* c() const { return reinterpret_cast<CAdaptable*>(ref.gobj()); }
    gobj::Ref<gobj::Object> ref;
};

template <class T>
T* c_of(const gobj::Ref<MetaObject>& o) {
    return reinterpret_cast<T*>(o.gobj());
}

std::string attribute(const MetaObject& o, const char* key) {
    return gobj::StringMap::wrap(GEE_MAP(o.get_attributes())).get_or(key, "(absent)");
}
std::string entry(GeeHashMap* map, const char* key) { return gobj::StringMap::wrap(GEE_MAP(map)).get_or(key, "(absent)"); }

template <class T>
gobj::Ref<T> named(GeeArrayList* list, const char* name) {
    for (auto item : gobj::GeeArray<T>::wrap(list))
        if (g_strcmp0(item->get_name(), name) == 0) return item;
    ADD_FAILURE() << "no " << name;
    return {};
}

std::vector<std::string> texts(GeeArrayList* list) { return gobj::StringArray::wrap(list).to_vector(); }

class SqlServer2019Adapter : public ::testing::Test {
protected:
    Scripted server{"15.0.2000.5", "shop_2019"};
    Adapter adapter{server};
    GError* error = nullptr;
    void TearDown() override { EXPECT_EQ(describe(error), "(none)"); }
};

}  // namespace

TEST_F(SqlServer2019Adapter, DeepDatabaseFill) {
    auto db = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(adapter.c(), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(db), TRUE,
                                                                         &error);
    expect_golden(json_of(*db), "2019_database");
    ASSERT_TRUE(is_filled(*db));
    EXPECT_EQ(attribute(*db, "COMPATIBILITY LEVEL"), "150");
    EXPECT_EQ(attribute(*db, "FULLTEXT"), "true");

    auto dbo = named<MetaSchema>(db->get_schemas(), "dbo");
    EXPECT_EQ(gobj::GeeArray<MetaSchema>::wrap(db->get_schemas()).size(), 2);
    EXPECT_STREQ(dbo->get_comment(), "Main schema");
    EXPECT_EQ(gobj::GeeArray<MetaEvent>::wrap(dbo->get_events()).size(), 2);
    EXPECT_EQ(gobj::GeeArray<MetaFunction>::wrap(dbo->get_procedures()).size(), 1);

    // A primary key after a dropped column marks the column by its id, not its position.
    auto orders = named<MetaTable>(dbo->get_tables(), "orders");
    auto columns = gobj::GeeArray<MetaColumn>::wrap(orders->get_columns());
    ASSERT_EQ(columns.size(), 10);
    EXPECT_TRUE(columns.at(1)->get_is_primary_key());
    EXPECT_EQ(columns.at(1)->get_ordinal(), 3);
    EXPECT_FALSE(columns.at(2)->get_is_primary_key());
    EXPECT_EQ(attribute(*orders, "PRIMARY_KEY_NAME"), "PK_orders");
    // Lengths: characters for national text, precision for decimals, scale for time.
    EXPECT_EQ(columns.at(0)->get_length(), 2);
    EXPECT_EQ(columns.at(2)->get_length(), 10);
    EXPECT_EQ(columns.at(5)->get_length(), 10);
    EXPECT_EQ(columns.at(5)->get_scale(), 2);
    EXPECT_EQ(columns.at(6)->get_scale(), 0) << "datetime2 carries no scale";
    EXPECT_EQ(columns.at(8)->get_scale(), 3);
    EXPECT_TRUE(columns.at(9)->get_not_null()) << "a NULL is_nullable counts as not nullable";
    EXPECT_STREQ(columns.at(2)->get_after(), "order_no");

    // Two interleaved two-column foreign keys, a unique and a check constraint.
    std::vector<std::string> constraints;
    for (auto c : gobj::GeeArray<MetaConstraint>::wrap(orders->get_constraints())) {
        std::string line = std::string(c->type_name()).substr(27) + " " + c->get_name();
        if (auto fk = gobj::ref_cast<MetaForeignKey>(c))
            line += std::string(" ") + fk->get_local_columns() + "->" + fk->get_refer_columns();
        if (auto u = gobj::ref_cast<MetaUnique>(c)) line += std::string(" ") + u->get_columns();
        if (auto k = gobj::ref_cast<MetaCheck>(c)) line += std::string(" ") + k->get_check() + " " + attribute(*k, "REPLICATION");
        constraints.push_back(line);
    }
    EXPECT_EQ(constraints, (std::vector<std::string>{
                               "MetaCheck ck_orders_amount [amount]>=(0) true",
                               "MetaCheck ck_orders_ship ([ship_country] IS NULL) OR ([ship_code] IS NOT NULL) false",
                               "MetaForeignKey fk_orders_region region_country,region_code->country,code",
                               "MetaForeignKey fk_orders_ship ship_country,ship_code->country,code",
                               "MetaUnique uq_orders_ship ship_country ASC,ship_code DESC",
                           }));
    auto cci = named<MetaIndex>(orders->get_indexes(), "cci_orders");
    EXPECT_STREQ(cci->get_kind(), "COLUMNSTORE");
    EXPECT_TRUE(cci->get_is_clustered());
    EXPECT_EQ(texts(named<MetaIndex>(orders->get_indexes(), "ix_orders_created")->get_columns()),
              (std::vector<std::string>{"created ASC", "amount DESC"}));
    EXPECT_EQ(entry(orders->get_options(), "DATA_COMPRESSION_PARTITIONS"), "1=2,2=2");
    EXPECT_EQ(entry(orders->get_options(), "PARTITION_SCHEMA"), "ps_orders");

    // The trigger on CASES keeps its body after the header, EXECUTE AS notwithstanding.
    auto cases = named<MetaTable>(dbo->get_tables(), "CASES");
    auto audit = named<MetaTrigger>(cases->get_triggers(), "trg_cases_audit");
    EXPECT_EQ(std::string(audit->get_body()).rfind("BEGIN\n  SET NOCOUNT ON;", 0), 0u) << audit->get_body();
    EXPECT_STREQ(audit->get_event(), "INSERT,UPDATE");
    EXPECT_EQ(attribute(*audit, "EXECUTOR_USER"), "auditor");
    auto clr = named<MetaTrigger>(cases->get_triggers(), "trg_cases_clr");
    EXPECT_STREQ(clr->get_function(), "AuditLib.AuditLib.Triggers.OnDelete");
    EXPECT_EQ(attribute(*clr, "DEFINITION_TYPE"), "EXTERNAL");
    EXPECT_STREQ(clr->get_body(), "");

    auto view = named<MetaView>(dbo->get_views(), "v_orders");
    EXPECT_EQ(attribute(*view, "SCHEMABINDING"), "true");
    EXPECT_EQ(attribute(*view, "VIEW_METADATA"), "true");
    EXPECT_EQ(attribute(*view, "WITH CHECK OPTION"), "true");
    EXPECT_STREQ(view->get_definition(),
                 "SELECT o.order_no AS number, o.amount\nFROM dbo.orders AS o\nWHERE o.amount > 0");

    auto total = named<MetaFunction>(dbo->get_functions(), "fn_total");
    EXPECT_EQ(std::string(total->get_body()).rfind("BEGIN\n  RETURN (SELECT CAST(", 0), 0u) << total->get_body();
    EXPECT_STREQ(total->get_return_type(), "decimal(12, 2)");
    EXPECT_EQ(texts(total->get_parameters()), (std::vector<std::string>{"@order_no int", "@rate decimal(5, 2)"}));
}

TEST_F(SqlServer2019Adapter, ProcedureWithOutputAndDecimalParameters) {
    auto procedure = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "dbo", "usp_place_order");
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(adapter.c(), c_of<TarvelinRezezadovuMetaModelMetaFunction>(procedure), &error);
    expect_golden(json_of(*procedure), "2019_procedure");
    EXPECT_FALSE(procedure->get_is_function());
    EXPECT_EQ(texts(procedure->get_parameters()),
              (std::vector<std::string>{"@region_code nvarchar(10)", "@amount decimal(10, 2)", "@note nvarchar(max)",
                                        "@code char(3)", "@blob varbinary(16)", "@order_no int OUTPUT"}));
    EXPECT_EQ(attribute(*procedure, "EXECUTOR_USER"), "clerk");
    EXPECT_EQ(std::string(procedure->get_body()).rfind("BEGIN", 0), 0u);
}

TEST_F(SqlServer2019Adapter, PrincipalsSynonymRolesAndEvent) {
    auto fill = [&](const gobj::Ref<MetaObject>& o) {
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(adapter.c(), c_of<TarvelinRezezadovuMetaModelMetaObject>(o), FALSE, &error);
        EXPECT_TRUE(is_filled(*o)) << o->get_name();
    };
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "shop", "dbo", "clerk", "database");
    fill(user);
    expect_golden(json_of(*user), "2019_user");
    EXPECT_EQ(attribute(*user, "AUTHENTICATION"), "LOGIN");
    EXPECT_EQ(attribute(*user, "ROLES"), "db_datareader,readers");
    EXPECT_EQ(entry(user->get_privileges(), "dbo.t1"), "SELECT=G,INSERT=D");
    EXPECT_EQ(entry(user->get_privileges(), "dbo.t1.c"), "UPDATE=W");
    EXPECT_EQ(entry(user->get_privileges(), "sales."), "EXECUTE=G");
    EXPECT_EQ(entry(user->get_privileges(), "OBJECT"), "dbo.t1,dbo.t1.c,sales.");
    EXPECT_EQ(entry(user->get_privileges(), "DATABASE"), "CONNECT=G,CREATE TABLE=D");

    auto login = MetaUser::create_with_names(MetaUser::gtype(), "", "", "appl", "server");
    fill(login);
    expect_golden(json_of(*login), "2019_login");
    EXPECT_EQ(attribute(*login, "AUTHENTICATION"), "PASSWORD");
    EXPECT_EQ(attribute(*login, "ROLES"), "public,dbcreator,processadmin");
    EXPECT_EQ(entry(login->get_privileges(), "l1"), "CONTROL=G");
    EXPECT_EQ(entry(login->get_privileges(), "l2"), "IMPERSONATE=G");
    EXPECT_EQ(entry(login->get_privileges(), "LOGIN"), "l1,l2");
    EXPECT_EQ(entry(login->get_privileges(), "ENDPOINT"), "(absent)");
    EXPECT_EQ(attribute(*login, "CERTIFICATE"), "cert_appl");

    auto synonym = MetaSynonym::create_with_names(MetaSynonym::gtype(), "dbo", "s_orders");
    fill(synonym);
    expect_golden(json_of(*synonym), "2019_synonym");

    auto server_role = MetaRole::create_with_names(MetaRole::gtype(), "", "", "auditors_srv", "server");
    auto database_role = MetaRole::create_with_names(MetaRole::gtype(), "shop", "dbo", "readers", "database");
    auto application_role = MetaRole::create_with_names(MetaRole::gtype(), "shop", "dbo", "app_reporting", "application");
    for (auto& role : {server_role, database_role, application_role}) fill(role);
    expect_golden(json_of(*server_role) + json_of(*database_role) + json_of(*application_role), "2019_roles");
    EXPECT_EQ(entry(database_role->get_relations(), "readers=clerk"), "false");
    EXPECT_EQ(attribute(*application_role, "DEFAULT_SCHEMA"), "reports");

    auto event = MetaEvent::create_with_names(MetaEvent::gtype(), "shop", "dbo", "trg_cases_audit");
    fill(event);
    expect_golden(json_of(*event), "2019_event");
    EXPECT_STREQ(event->get_kind(), "INSERT,UPDATE");
    EXPECT_STREQ(event->get_state(), "ENABLED");
}

// The older servers' adapter: the trigger list joins the trigger events (a trigger still
// comes once) and the routine query has no native-compilation column.
TEST(SqlServer2008Adapter, TableAndFunction) {
    Scripted server("10.50.6000.34", "shop_2008");
    Adapter adapter(server);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(adapter.ref.gobj()), "TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x");
    GError* error = nullptr;
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "shop", "dbo", "CASES");
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(adapter.c(), c_of<TarvelinRezezadovuMetaModelMetaTable>(table), TRUE, &error);
    EXPECT_EQ(describe(error), "(none)");
    expect_golden(json_of(*table), "2008_cases");
    std::vector<std::string> triggers;
    for (auto t : gobj::GeeArray<MetaTrigger>::wrap(table->get_triggers())) triggers.emplace_back(t->get_name());
    EXPECT_EQ(triggers, (std::vector<std::string>{"trg_cases_audit", "trg_cases_clr"}));
    EXPECT_EQ(std::string(named<MetaTrigger>(table->get_triggers(), "trg_cases_audit")->get_body()).rfind("BEGIN", 0), 0u);

    auto function = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "dbo", "fn_total");
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(adapter.c(), c_of<TarvelinRezezadovuMetaModelMetaFunction>(function), &error);
    EXPECT_EQ(describe(error), "(none)");
    expect_golden(json_of(*function), "2008_fn_total");
    EXPECT_EQ(attribute(*function, "NATIVE_COMPILATION"), "(absent)");
    EXPECT_EQ(attribute(*function, "SCHEMABINDING"), "true");
    EXPECT_TRUE(function->get_is_function());
}
