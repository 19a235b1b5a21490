// The MySQL catalogue readers against MySQL 8.0 and 5.7 shaped answers from the scripted
// provider (scripted_catalogue.hpp): whole database fills against golden JSON, marks,
// repeated and failed fills, accounts, criticals, errors and hostile names. No server.
#include "providers/gobj/call.hpp"
#include "scripted_catalogue.hpp"

namespace mysql_dialect_test {
namespace {

using test::Cell;

class ScriptedReader : public ::testing::Test {
protected:
    void open(Server server) {
        scripted = std::make_unique<Scripted>(server == Server::mysql80 ? "8.0.36" : "5.7.44-log");
        script_shop(*scripted->provider, server);
        scripted->open();
        adapter = scripted->adapter();
        scripted->provider->clear_log();
    }
    ScriptedProvider& provider() { return *scripted->provider; }
    int queries() { return static_cast<int>(provider().statements().size()); }

    std::unique_ptr<Scripted> scripted;
    Ref<gobj::Object> adapter;
    Ref<MetaDatabase> shop = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
};

TEST_F(ScriptedReader, MySQL8DeepDatabaseFill) {
    open(Server::mysql80);
    EXPECT_EQ(type_name(adapter), "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x");
    EXPECT_EQ(fill(adapter, *shop), "(none)");
    EXPECT_EQ(pretty_json_of(*shop), golden("mysql80_shop.json", pretty_json_of(*shop)));
    // Four listings; one query a kind for the whole schema (columns, triggers, foreign keys,
    // checks, table status, events, routines, parameters); SHOW INDEX a table; one a view.
    EXPECT_EQ(queries(), 4 + 8 + 3 + 1);
    EXPECT_TRUE(filled(*shop));
}

TEST_F(ScriptedReader, MySQL57DeepDatabaseFill) {
    open(Server::mysql57);
    EXPECT_EQ(type_name(adapter), "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x");
    EXPECT_EQ(fill(adapter, *shop), "(none)");
    EXPECT_EQ(pretty_json_of(*shop), golden("mysql57_shop.json", pretty_json_of(*shop)));
    // As on 8.0 without the checks.
    EXPECT_EQ(queries(), 4 + 7 + 3 + 1);
}

// What the golden files hold, spelled out for the decisions that matter most.
TEST_F(ScriptedReader, KeysIndexesChecksAndOptionsAsTheServerHasThem) {
    open(Server::mysql80);
    ASSERT_EQ(fill(adapter, *shop), "(none)");
    auto schema = named<MetaSchema>(shop->get_schemas(), "shop");
    auto orders = named<MetaTable>(schema->get_tables(), "orders");
    // The key (region, id), not the column order.
    EXPECT_EQ(named<MetaColumn>(orders->get_columns(), "region")->get_primary_ordinal(), 1);
    EXPECT_EQ(named<MetaColumn>(orders->get_columns(), "id")->get_primary_ordinal(), 2);

    auto lines = named<MetaTable>(schema->get_tables(), "order_lines");
    std::vector<std::string> keys;
    for (auto c : gobj::GeeArray<MetaConstraint>::wrap(lines->get_constraints())) {
        auto* fk = dynamic_cast<MetaForeignKey*>(c.get());
        ASSERT_TRUE(fk);
        keys.push_back(std::string(fk->get_name()) + ":" + fk->get_local_columns() + "->" + fk->get_refer_table() +
                       "(" + fk->get_refer_columns() + ")");
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"fk_line_order:region, order_id->orders(region, id)",
                                              "fk_line_buyer:buyer->customers(id)"}));

    auto customers = named<MetaTable>(schema->get_tables(), "customers");
    auto lower = named<MetaIndex>(customers->get_indexes(), "ix_lower");
    EXPECT_EQ(gobj::StringArray::wrap(lower->get_columns()).to_vector(), std::vector<std::string>{"(lower(`email`))"});
    EXPECT_FALSE(named<MetaIndex>(customers->get_indexes(), "ix_tier_seen")->get_is_visible());
    EXPECT_STREQ(named<MetaIndex>(customers->get_indexes(), "uq_email")->get_kind(), "UNIQUE");
    auto generated = named<MetaColumn>(customers->get_columns(), "email_lower");
    EXPECT_TRUE(generated->get_is_virtual());
    EXPECT_STREQ(generated->get_virtual_type(), "VIRTUAL");
    EXPECT_EQ(entries(customers->get_options()),
              (std::vector<std::string>{"CHARACTER SET=utf8mb4", "COLLATE=utf8mb4_0900_ai_ci", "ENGINE=InnoDB",
                                        "PARTITIONED=(null)", "ROW_FORMAT=COMPRESSED", "STATS_PERSISTENT=0"}));
    std::vector<std::string> checks;
    for (auto c : gobj::GeeArray<MetaConstraint>::wrap(customers->get_constraints()))
        if (auto* check = dynamic_cast<MetaCheck*>(c.get()))
            checks.push_back(std::string(check->get_name()) + (check->get_enforced() ? " enforced" : " not enforced"));
    EXPECT_EQ(checks, (std::vector<std::string>{"ck_balance enforced", "ck_tier not enforced"}));
}

TEST_F(ScriptedReader, AMarkedTreeIsReadAgainOnlyForItsEvents) {
    open(Server::mysql80);
    ASSERT_EQ(fill(adapter, *shop), "(none)");
    std::string first = json_of(*shop);
    provider().clear_log();
    ASSERT_EQ(fill(adapter, *shop), "(none)");
    EXPECT_EQ(json_of(*shop), first);
    EXPECT_EQ(provider().statements().size(), 1u);  // the event, never marked
}

TEST_F(ScriptedReader, AFillFailingHalfWayAndRepeatedAddsNoDuplicates) {
    open(Server::mysql80);
    auto schema = shop->append("shop");
    provider().answer_error(show_index_query("shop", "orders"), gobj::Error("MySQL", 1146, "Table 'shop.orders' doesn't exist"));
    EXPECT_EQ(fill(adapter, *shop), "MySQL 1146 Table 'shop.orders' doesn't exist");
    EXPECT_FALSE(filled(*shop));
    EXPECT_FALSE(filled(*schema));
    EXPECT_FALSE(filled(*named<MetaTable>(schema->get_tables(), "orders")));

    script_shop(provider(), Server::mysql80);
    EXPECT_EQ(fill(adapter, *shop), "(none)");
    EXPECT_EQ(pretty_json_of(*shop), golden("mysql80_shop.json", pretty_json_of(*shop)));
}

TEST_F(ScriptedReader, ATableFailingAtItsForeignKeysIsReadAgainWhole) {
    open(Server::mysql80);
    auto orders = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "orders");
    provider().answer_error(foreign_keys_query("shop", "orders"), gobj::Error("MySQL", 2013, "Lost connection"));
    EXPECT_EQ(fill(adapter, *orders), "MySQL 2013 Lost connection");
    EXPECT_FALSE(filled(*orders));
    script_shop(provider(), Server::mysql80);
    EXPECT_EQ(fill(adapter, *orders), "(none)");
    EXPECT_EQ(gobj::GeeArray<MetaColumn>::wrap(orders->get_columns()).size(), 4);
    EXPECT_EQ(gobj::GeeArray<MetaIndex>::wrap(orders->get_indexes()).size(), 1);
    EXPECT_EQ(gobj::GeeArray<MetaTrigger>::wrap(orders->get_triggers()).size(), 1);
    EXPECT_EQ(gobj::GeeArray<MetaConstraint>::wrap(orders->get_constraints()).size(), 1);
}

TEST_F(ScriptedReader, AShallowTableFillMarksAndADeepOneThenReadsNothing) {
    open(Server::mysql80);
    auto orders = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "orders");
    EXPECT_EQ(fill(adapter, *orders, false), "(none)");
    EXPECT_EQ(provider().statements(), std::vector<std::string>{columns_query("shop", "orders")});
    // Without SHOW INDEX the column order gives the primary ordinals.
    EXPECT_EQ(named<MetaColumn>(orders->get_columns(), "id")->get_primary_ordinal(), 1);
    EXPECT_EQ(fill(adapter, *orders, true), "(none)");
    EXPECT_EQ(provider().statements().size(), 1u);
}

TEST_F(ScriptedReader, MySQL8AccountsWithRolesAndJoinedGrants) {
    open(Server::mysql80);
    auto ann = MetaUser::create_with_names(MetaUser::gtype(), "shop", "shop", "ann@localhost", "");
    EXPECT_EQ(fill(adapter, *ann), "(none)");
    EXPECT_EQ(entries(ann->get_privileges()),
              (std::vector<std::string>{"*.*=USAGE", "shop.*=SELECT, INSERT, UPDATE, GRANT OPTION"}));
    EXPECT_EQ(entries(ann->get_relations()), std::vector<std::string>{"reader@%=ann@localhost=false"});
    EXPECT_STREQ(ann->get_password(), "*6BB4837EB74329105EE4568DDA7DC67ED2CA2AD9");
    auto attributes = entries(ann->get_attributes());
    for (const char* expected : {"AUTHENTICATION_STRING=*6BB4837EB74329105EE4568DDA7DC67ED2CA2AD9",
                                 "PLUGIN=mysql_native_password", "MAX_QUERIES=100", "USER_CONNECTIONS=2",
                                 "PASSWORD_LIFETIME=", "ACCOUNT_STATE=N", "PASSWORD_POLICY=N"})
        EXPECT_NE(std::find(attributes.begin(), attributes.end(), expected), attributes.end()) << expected;
    EXPECT_TRUE(filled(*ann));

    // Read again after a reset: nothing twice.
    ann->reset();
    EXPECT_EQ(fill(adapter, *ann), "(none)");
    EXPECT_EQ(entries(ann->get_privileges()),
              (std::vector<std::string>{"*.*=USAGE", "shop.*=SELECT, INSERT, UPDATE, GRANT OPTION"}));

    test::LogCapture log;
    auto reader = MetaRole::create_with_names(MetaRole::gtype(), "shop", "shop", "reader@%", "");
    EXPECT_EQ(fill(adapter, *reader), "(none)");
    EXPECT_EQ(entries(reader->get_relations()),
              (std::vector<std::string>{"reader@%=ann@localhost=false", "reader@%=auditor@%=true"}));
    EXPECT_EQ(entries(reader->get_privileges()), (std::vector<std::string>{"*.*=USAGE", "shop.*=SELECT"}));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_MESSAGE, "Row count: 1"));
    EXPECT_TRUE(filled(*reader));
}

TEST_F(ScriptedReader, MySQL57AccountsHaveNoRoleEdgesAndARoleFillPassesTheServersError) {
    open(Server::mysql57);
    auto ann = MetaUser::create_with_names(MetaUser::gtype(), "shop", "shop", "ann@localhost", "");
    EXPECT_EQ(fill(adapter, *ann), "(none)");
    EXPECT_TRUE(entries(ann->get_relations()).empty());
    for (const auto& sql : provider().statements()) EXPECT_EQ(sql.find("role_edges"), std::string::npos) << sql;

    auto reader = MetaRole::create_with_names(MetaRole::gtype(), "shop", "shop", "reader@%", "");
    EXPECT_EQ(fill(adapter, *reader), "MySQL 1146 Table 'mysql.role_edges' doesn't exist");
    EXPECT_FALSE(filled(*reader));
}

TEST_F(ScriptedReader, AnEmptyRoleEdgeOrParameterResultIsNormal) {
    open(Server::mysql80);
    provider().answer_rows(role_edges_query("ann", "localhost"),
                           {{"user_from", kString}, {"user_to", kString}, {"WITH_ADMIN_OPTION", kString}}, {});
    provider().answer_rows("SELECT PARAMETER_MODE, PARAMETER_NAME, DATA_TYPE, DTD_IDENTIFIER FROM "
                           "`information_schema`.`PARAMETERS` WHERE SPECIFIC_SCHEMA = 'shop' AND SPECIFIC_NAME = "
                           "'touch' AND PARAMETER_NAME != '' ORDER BY ORDINAL_POSITION ASC;",
                           {{"PARAMETER_MODE", kString}, {"PARAMETER_NAME", kString}, {"DATA_TYPE", kString},
                            {"DTD_IDENTIFIER", kString}},
                           {});
    test::LogCapture log;
    auto ann = MetaUser::create_with_names(MetaUser::gtype(), "shop", "shop", "ann@localhost", "");
    auto touch = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "shop", "touch");
    EXPECT_EQ(fill(adapter, *ann), "(none)");
    EXPECT_EQ(fill(adapter, *touch), "(none)");  // the procedure kind
    EXPECT_TRUE(filled(*ann));
    EXPECT_TRUE(filled(*touch));
    EXPECT_EQ(gobj::StringArray::wrap(touch->get_parameters()).size(), 0);
    EXPECT_FALSE(log.contains(G_LOG_LEVEL_CRITICAL, ""));
}

TEST_F(ScriptedReader, ShortResultsAreCriticalAndLeaveTheObjectUnmarked) {
    open(Server::mysql80);
    test::LogCapture log;
    auto view = MetaView::create_with_names(MetaView::gtype(), "shop", "shop", "gone");
    provider().answer_rows("SHOW CREATE VIEW `shop`.`gone`;", {{"View", kString}, {"Create View", kString}}, {});
    EXPECT_EQ(fill(adapter, *view), "(none)");
    EXPECT_FALSE(filled(*view));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "rows == 1"));

    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "shop", "shop", "orders", "gone");
    provider().answer_rows("SELECT TABLE_NAME, NON_UNIQUE, INDEX_TYPE, IS_VISIBLE, INDEX_COMMENT, SEQ_IN_INDEX, "
                           "COLUMN_NAME, SUB_PART, COLLATION, EXPRESSION FROM `information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = 'shop' "
                           "AND TABLE_NAME = 'orders' AND INDEX_NAME = 'gone' ORDER BY SEQ_IN_INDEX ASC;",
                           {{"TABLE_NAME", kString}}, {});
    EXPECT_EQ(fill(adapter, *index), "(none)");
    EXPECT_FALSE(filled(*index));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "rows >= 1"));

    // A 5.x database without its SCHEMATA row reads nothing more; an 8.x one still gets its schema.
    auto lost = MetaDatabase::create_with_name(MetaDatabase::gtype(), "lost");
    provider().answer_rows("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME, DEFAULT_ENCRYPTION "
                           "FROM `information_schema`.`SCHEMATA` WHERE SCHEMA_NAME = 'lost' ORDER BY SCHEMA_NAME ASC;",
                           {{"SCHEMA_NAME", kString}}, {});
    EXPECT_EQ(fill(adapter, *lost, false), "(none)");
    EXPECT_EQ(gobj::GeeArray<MetaSchema>::wrap(lost->get_schemas()).size(), 1);
    EXPECT_TRUE(filled(*lost));
}

TEST_F(ScriptedReader, The5xReaderNeedsExactlyOneSchemataRow) {
    open(Server::mysql57);
    test::LogCapture log;
    auto lost = MetaDatabase::create_with_name(MetaDatabase::gtype(), "lost");
    provider().answer_rows("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME FROM "
                           "`information_schema`.`SCHEMATA` WHERE SCHEMA_NAME = 'lost' ORDER BY SCHEMA_NAME ASC;",
                           {{"SCHEMA_NAME", kString}}, {});
    EXPECT_EQ(fill(adapter, *lost), "(none)");
    EXPECT_EQ(gobj::GeeArray<MetaSchema>::wrap(lost->get_schemas()).size(), 0);
    EXPECT_FALSE(filled(*lost));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "rows == 1"));
}

TEST_F(ScriptedReader, StandAloneIndexTriggerAndEventFills) {
    open(Server::mysql80);
    const std::vector<ScriptedColumn> statistics = {
        {"TABLE_NAME", kString}, {"NON_UNIQUE", kInt32},   {"INDEX_TYPE", kString},  {"IS_VISIBLE", kString},
        {"INDEX_COMMENT", kString}, {"SEQ_IN_INDEX", kUInt32}, {"COLUMN_NAME", kString}, {"SUB_PART", kUInt32},
        {"COLLATION", kString}, {"EXPRESSION", kString}};
    auto statistics_query = [](const char* name) {
        return std::string("SELECT TABLE_NAME, NON_UNIQUE, INDEX_TYPE, IS_VISIBLE, INDEX_COMMENT, SEQ_IN_INDEX, "
                           "COLUMN_NAME, SUB_PART, COLLATION, EXPRESSION FROM `information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = 'shop' "
                           "AND TABLE_NAME = 'customers' AND INDEX_NAME = '") + name + "' ORDER BY SEQ_IN_INDEX ASC;";
    };
    provider().answer_rows(statistics_query("ft_note"), statistics,
                           {{"customers", 1, "FULLTEXT", "YES", "", 1, "email", Cell(), Cell(), Cell()}});
    provider().answer_rows(statistics_query("ix_mixed"), statistics,
                           {{"customers", 0, "BTREE", "NO", "mixed", 1, "tier", 8, "A", Cell()},
                            {"customers", 0, "BTREE", "NO", "mixed", 2, Cell(), Cell(), "D", "(`balance` * 2)"}});
    auto fulltext = MetaIndex::create_with_names(MetaIndex::gtype(), "shop", "shop", "customers", "ft_note");
    auto mixed = MetaIndex::create_with_names(MetaIndex::gtype(), "shop", "shop", "customers", "ix_mixed");
    EXPECT_EQ(fill(adapter, *fulltext), "(none)");
    EXPECT_EQ(fill(adapter, *mixed), "(none)");
    EXPECT_STREQ(fulltext->get_kind(), "FULLTEXT");
    EXPECT_TRUE(fulltext->get_is_visible());
    EXPECT_STREQ(mixed->get_kind(), "UNIQUE");
    EXPECT_FALSE(mixed->get_is_visible());
    EXPECT_EQ(gobj::StringArray::wrap(mixed->get_columns()).to_vector(),
              (std::vector<std::string>{"tier(8)", "(`balance` * 2) DESC"}));

    provider().answer_rows("SELECT EVENT_OBJECT_TABLE, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, ACTION_ORIENTATION, "
                           "ACTION_STATEMENT FROM information_schema.triggers WHERE TRIGGER_SCHEMA = 'shop' AND "
                           "TRIGGER_NAME = 'orders_bi';",
                           {{"EVENT_OBJECT_TABLE", kString}, {"DEFINER", kString}, {"ACTION_TIMING", kString},
                            {"EVENT_MANIPULATION", kString}, {"ACTION_ORIENTATION", kString},
                            {"ACTION_STATEMENT", kString}},
                           {{"orders", "ann@localhost", "BEFORE", "INSERT", "ROW", "  begin SET NEW.a = 1; END  "}});
    auto trigger = MetaTrigger::create_with_names(MetaTrigger::gtype(), "shop", "shop", "orders_bi");
    EXPECT_EQ(fill(adapter, *trigger), "(none)");
    EXPECT_STREQ(trigger->get_body(), "SET NEW.a = 1;");
    EXPECT_STREQ(trigger->get_target(), "orders");

    auto event = MetaEvent::create_with_names(MetaEvent::gtype(), "shop", "shop", "purge");
    EXPECT_EQ(fill(adapter, *event), "(none)");
    EXPECT_EQ(fill(adapter, *event), "(none)");
    EXPECT_EQ(provider().calls("execute_model"), 5);  // two indexes, a trigger, the event twice
    EXPECT_FALSE(filled(*event));
    EXPECT_STREQ(event->get_schedule(), "EVERY 1 DAY STARTS '2030-01-01 03:00:00'");
}

TEST_F(ScriptedReader, KindsWithoutAFillSendNothing) {
    open(Server::mysql80);
    auto column = MetaColumn::create_with_type(MetaColumn::gtype(), "c", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "INT");
    EXPECT_EQ(fill(adapter, *column), "(none)");
    EXPECT_TRUE(provider().statements().empty());
}

// A hostile table and schema name reaches the server only inside its quotes.
TEST_F(ScriptedReader, HostileNamesStayInsideTheirQuotes) {
    open(Server::mysql80);
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "s`x", "s`x", "it's\\");
    provider().answer_rows(columns_query("s`x", "it''s\\\\"), {{"COLUMN_NAME", kString}}, {});
    provider().answer_rows("SHOW INDEX FROM `s``x`.`it's\\`", {{"Key_name", kString}}, {});
    provider().answer_rows(triggers_query("s`x", "it''s\\\\"), {{"TRIGGER_NAME", kString}}, {});
    provider().answer_rows(foreign_keys_query("s`x", "it''s\\\\"), {{"CONSTRAINT_NAME", kString}}, {});
    provider().answer_rows(checks_query("s`x", "it''s\\\\"), {{"CONSTRAINT_NAME", kString}}, {});
    provider().answer_rows("SHOW TABLE STATUS FROM `s``x` WHERE Name = 'it''s\\\\';", table_status_columns(), {});
    EXPECT_EQ(fill(adapter, *table), "(none)");
    EXPECT_EQ(provider().statements().size(), 6u);
    EXPECT_TRUE(filled(*table));

    auto user = MetaUser::create_with_names(MetaUser::gtype(), "d", "d", "o'x@h`", "");
    provider().answer_rows("SELECT `Host`, `User`, `authentication_string`, `plugin`, `password_expired`, `ssl_type`, "
                           "`ssl_cipher`, `x509_issuer`, `x509_subject`, `max_questions`, `max_updates`, "
                           "`max_connections`, `max_user_connections`, `password_last_changed`, `password_lifetime`, "
                           "`account_locked` FROM mysql.user WHERE HOST = 'h`' AND USER='o''x';",
                           {{"Host", kString}}, {});
    provider().answer_rows(role_edges_query("o''x", "h`"), {{"user_from", kString}}, {});
    provider().answer_rows("SHOW GRANTS FOR `o'x`@`h```;", {{"Grants", kString}}, {});
    EXPECT_EQ(fill(adapter, *user), "(none)");
    EXPECT_TRUE(filled(*user));
}

TEST_F(ScriptedReader, TheReadersOwnOperationsThroughTheirCFace) {
    open(Server::mysql80);
    auto* v8 = reinterpret_cast<TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x*>(adapter.gobj());
    auto customers = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "customers");
    auto* table = reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(customers.gobj());
    GError* error = nullptr;
    auto* same = tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_options(v8, table, &error);
    EXPECT_EQ(same, table);
    g_object_unref(same);
    EXPECT_STREQ(customers->get_comment(), "people");
    same = tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_check(v8, table, &error);
    EXPECT_EQ(same, table);
    g_object_unref(same);
    EXPECT_EQ(gobj::GeeArray<MetaConstraint>::wrap(customers->get_constraints()).size(), 2);

    provider().answer_error(checks_query("shop", "customers"), gobj::Error("MySQL", 1109, "Unknown table"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_check(v8, table, &error),
              nullptr);
    EXPECT_EQ(test::describe(error), "MySQL 1109 Unknown table");
    error = nullptr;

    auto ann = MetaUser::create_with_names(MetaUser::gtype(), "shop", "shop", "ann@localhost", "");
    tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_load_relation(
        v8, reinterpret_cast<TarvelinRezezadovuMetaModelMetaUser*>(ann.gobj()), &error);
    EXPECT_EQ(test::describe(error), "(none)");
    EXPECT_EQ(entries(ann->get_relations()), std::vector<std::string>{"reader@%=ann@localhost=false"});

    test::LogCapture log;
    tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_load_relation(nullptr, nullptr, &error);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'self != NULL'"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_options(v8, nullptr, &error),
              nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'table != NULL'"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'connection != NULL'"));
    EXPECT_EQ(error, nullptr);
}

}  // namespace
}  // namespace mysql_dialect_test
