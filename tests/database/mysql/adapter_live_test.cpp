// The MySQL catalogue reader on the MariaDB test server (live). MariaDB reports
// "10.11.x-MariaDB", which selects the 8.x reader, but lacks what that reader asks of
// SCHEMATA, TABLE_CONSTRAINTS, STATISTICS and mysql.role_edges: so the fills here go
// through a MySQLAdapterV5x made on the MariaDB-connected MySQLConnection, which runs all
// of its table, view, routine and event queries there. What only MySQL answers is in
// adapter_scripted_test.cpp.
#include "fixture.hpp"

namespace mysql_dialect_test {
namespace {

class LiveReader : public LiveCatalogue {
protected:
    // The fixture's JSON with the run's own names replaced.
    std::string normalised(MetaObject& object) {
        return renamed_json(object, {{database, "fixture"}, {user, "USER@HOST"}});
    }
};

TEST_F(LiveReader, TheConnectionChoosesThe8xReaderForMariaDB) {
    EXPECT_NE(std::string(connection->get_version()).find("MariaDB"), std::string::npos);
    auto adapter = Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c()));
    EXPECT_EQ(type_name(adapter), "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x");
}

TEST_F(LiveReader, ADeepDatabaseFill) {
    auto db = MetaDatabase::create_with_name(MetaDatabase::gtype(), database.c_str());
    ASSERT_EQ(fill(Ref<gobj::Object>(*reader), *db), "(none)");
    EXPECT_EQ(normalised(*db), golden("mariadb_fixture.json", normalised(*db)));

    auto schema = named<MetaSchema>(db->get_schemas(), database);
    auto parent = named<MetaTable>(schema->get_tables(), "parent");
    // The key is (b, a): SHOW INDEX gives the key's order.
    EXPECT_EQ(named<MetaColumn>(parent->get_columns(), "b")->get_primary_ordinal(), 1);
    EXPECT_EQ(named<MetaColumn>(parent->get_columns(), "a")->get_primary_ordinal(), 2);
    std::vector<std::string> indexes;
    for (auto index : gobj::GeeArray<MetaIndex>::wrap(parent->get_indexes()))
        indexes.push_back(std::string(index->get_name()) + ":" + index->get_kind());
    EXPECT_EQ(indexes, (std::vector<std::string>{"uq_label:UNIQUE", "ix_price:", "ft_note:FULLTEXT"}));
    auto doubled = named<MetaColumn>(parent->get_columns(), "doubled");
    EXPECT_TRUE(doubled->get_is_virtual());
    EXPECT_STREQ(doubled->get_virtual_type(), "VIRTUAL");
    EXPECT_STREQ(named<MetaColumn>(parent->get_columns(), "kind")->get_enum_values(), "'small','large'");
    EXPECT_STREQ(named<MetaColumn>(parent->get_columns(), "flags")->get_enum_values(), "'red','green'");

    auto child = named<MetaTable>(schema->get_tables(), "child");
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(child->get_constraints());
    ASSERT_EQ(constraints.size(), 1);
    auto* key = dynamic_cast<MetaForeignKey*>(constraints.peek(0));
    ASSERT_TRUE(key);
    EXPECT_STREQ(key->get_local_columns(), "pb, pa");
    EXPECT_STREQ(key->get_refer_columns(), "b, a");
    EXPECT_STREQ(key->get_delete_action(), "CASCADE");

    auto view = named<MetaView>(schema->get_views(), "big_parents");
    EXPECT_EQ(entries(view->get_attributes()),
              (std::vector<std::string>{"ALGORITHM=UNDEFINED", "CHECK=CASCADED", "DEFINER=" + user, "SECURITY=DEFINER"}));
    EXPECT_EQ(std::string(view->get_definition()).back(), ' ');
    EXPECT_EQ(gobj::StringArray::wrap(named<MetaFunction>(schema->get_procedures(), "touch")->get_parameters()).to_vector(),
              (std::vector<std::string>{"IN p int(11)", "OUT q int(11)"}));
    EXPECT_TRUE(filled(*named<MetaFunction>(schema->get_procedures(), "touch")));
}

TEST_F(LiveReader, StandAloneTriggerFunctionAndEventFills) {
    auto trigger = MetaTrigger::create_with_names(MetaTrigger::gtype(), database.c_str(), database.c_str(), "child_qty");
    auto function = MetaFunction::create_with_names(MetaFunction::gtype(), database.c_str(), database.c_str(), "add_two");
    auto nightly = MetaEvent::create_with_names(MetaEvent::gtype(), database.c_str(), database.c_str(), "nightly");
    auto once = MetaEvent::create_with_names(MetaEvent::gtype(), database.c_str(), database.c_str(), "once");
    for (MetaObject* o : std::initializer_list<MetaObject*>{trigger.get(), function.get(), nightly.get(), once.get()})
        EXPECT_EQ(fill(Ref<gobj::Object>(*reader), *o), "(none)");
    EXPECT_STREQ(trigger->get_body(), "SET NEW.qty = NEW.qty + 1;");
    EXPECT_STREQ(trigger->get_target(), "child");
    EXPECT_EQ(std::string(trigger->get_definer()), user);
    EXPECT_TRUE(function->get_is_function());
    EXPECT_STREQ(function->get_body(), " RETURN x + y; ");
    EXPECT_EQ(gobj::StringArray::wrap(function->get_parameters()).to_vector(),
              (std::vector<std::string>{"IN x int(11)", "IN y int(11)"}));
    EXPECT_EQ(entries(function->get_attributes()),
              (std::vector<std::string>{"COMMENT=sum", "DATA_ACCESS=CONTAINS SQL", "DEFINER=" + user,
                                        "DETERMINISTIC=YES", "LANGUAGE=SQL", "SQL SECURITY=DEFINER"}));
    EXPECT_STREQ(nightly->get_schedule(), "EVERY 1 DAY STARTS '2030-01-01 03:00:00'");
    EXPECT_STREQ(nightly->get_state(), "ENABLED");
    EXPECT_STREQ(nightly->get_completion(), "PRESERVE");
    EXPECT_STREQ(nightly->get_comment(), "cleanup");
    EXPECT_STREQ(once->get_schedule(), "AT '2031-06-01 12:00:00'");
    EXPECT_STREQ(once->get_state(), "DISABLED");
    EXPECT_STREQ(once->get_kind(), "ONE TIME");
}

// An 8.x query MariaDB cannot answer: the server's error reaches the caller unchanged.
TEST_F(LiveReader, AServerErrorReachesTheCallerAndLeavesTheObjectUnmarked) {
    test::LogCapture quiet;  // the driver's own report of the failed query
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), database.c_str(), database.c_str(), "parent", "uq_label");
    auto adapter = Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c()));
    std::string error = fill(adapter, *index);
    EXPECT_EQ(error.rfind("MySQL 1054 ", 0), 0u) << error;  // Unknown column 'IS_VISIBLE'
    EXPECT_FALSE(filled(*index));
}

TEST_F(LiveReader, HostileTableNamesAreReadBack) {
    for (const char* name : kHostile) {
        run("CREATE TABLE " + sql_name(name) + " (id INT PRIMARY KEY, KEY k (id)) COMMENT 'c';");
        auto table = MetaTable::create_with_names(MetaTable::gtype(), database.c_str(), database.c_str(), name);
        EXPECT_EQ(fill(Ref<gobj::Object>(*reader), *table), "(none)") << name;
        EXPECT_EQ(gobj::GeeArray<MetaColumn>::wrap(table->get_columns()).size(), 1) << name;
        EXPECT_EQ(gobj::GeeArray<MetaIndex>::wrap(table->get_indexes()).size(), 1) << name;
        EXPECT_STREQ(table->get_comment(), "c") << name;
    }
}

}  // namespace
}  // namespace mysql_dialect_test
