// The MariaDB readers on the MariaDB test server (10.11): the catalogue fixture read deep
// through the connection's reader (compared with a golden JSON, and value by value where
// the reading has rules of its own), the marks, stand-alone reads, accounts and roles,
// hostile names and server errors.
#include "fixture.hpp"

#include <algorithm>

namespace mariadb_dialect_test {
namespace {

using V = std::vector<std::string>;

class LiveReader : public LiveCatalogue {
protected:
    // The pretty JSON with this run's database name replaced by "DB".
    std::string stable_json(MetaObject& object) {
        std::string json = pretty_json_of(object);
        for (size_t at = json.find(database); at != std::string::npos; at = json.find(database, at + 2))
            json.replace(at, database.size(), "DB");
        return json;
    }
};

TEST_F(LiveReader, TheConnectionPicksTheReaderForItsVersionAndLogsIt) {
    EXPECT_EQ(type_name(adapter()), kAdapter);
    EXPECT_EQ(log.count("update_version: 10.11"), 1);
}

TEST_F(LiveReader, ADeepReadOfTheFixtureMatchesItsGolden) {
    auto meta = read_all();
    std::string json = stable_json(*meta);
    EXPECT_EQ(json, golden("live_catalogue.json", json));
}

TEST_F(LiveReader, TheReadingRulesOnTheFixture) {
    auto meta = read_all();
    auto schema = gobj::GeeArray<MetaSchema>::wrap(meta->get_schemas()).at(0);
    auto parent = named<MetaTable>(schema->get_tables(), "parent");
    ASSERT_TRUE(parent);
    auto column = [&](const char* name) { return parent->get_column(name); };
    // The key is (b, a): its own order, not the columns'.
    EXPECT_EQ(column("a")->get_primary_ordinal(), 2);
    EXPECT_EQ(column("b")->get_primary_ordinal(), 1);
    EXPECT_EQ(column("price")->get_length(), 10);
    EXPECT_EQ(column("price")->get_scale(), 2);
    EXPECT_EQ(column("seen")->get_scale(), 3);
    EXPECT_EQ(column("seen")->get_length(), 0);
    EXPECT_EQ(column("flags")->get_length(), 8);
    EXPECT_EQ(column("flags")->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN);
    EXPECT_STREQ(column("doc")->get_raw_type(), "LONGTEXT");  // MariaDB's JSON is LONGTEXT with a check
    EXPECT_STREQ(column("kind")->get_enum_values(), "'a.b','c/d','plain'");
    EXPECT_TRUE(column("code")->get_is_unsigned());
    EXPECT_TRUE(column("code")->get_is_fill_zero());
    EXPECT_TRUE(column("doubled")->get_is_virtual());
    EXPECT_STREQ(column("doubled")->get_virtual_type(), "VIRTUAL");
    EXPECT_STREQ(column("tripled")->get_virtual_type(), "STORED");
    EXPECT_TRUE(column("tripled")->get_is_generated_always());
    EXPECT_STREQ(column("note")->get_comment(), "it's a \\ note");
    EXPECT_STREQ(parent->get_comment(), "parent's \\ table");

    V kinds;
    for (auto index : gobj::GeeArray<MetaIndex>::wrap(parent->get_indexes()))
        kinds.push_back(std::string(index->get_name()) + ":" + index->get_kind());
    EXPECT_EQ(kinds, (V{"uq_label:UNIQUE", "ft_note:FULLTEXT"}));
    V checks;
    for (auto c : gobj::GeeArray<MetaConstraint>::wrap(parent->get_constraints()))
        if (auto* check = dynamic_cast<MetaCheck*>(c.get()))
            checks.push_back(std::string(check->get_name()) + (check->get_enforced() ? " enforced" : ""));
    EXPECT_EQ(checks, (V{"doc enforced", "chk_price enforced"}));

    auto child = named<MetaTable>(schema->get_tables(), "child");
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(child->get_constraints());
    ASSERT_EQ(constraints.size(), 1);  // one key over two columns
    auto* key = dynamic_cast<MetaForeignKey*>(constraints.at(0).get());
    ASSERT_NE(key, nullptr);
    EXPECT_STREQ(key->get_local_columns(), "pb, pa");
    EXPECT_STREQ(key->get_refer_columns(), "b, a");
    auto trigger = gobj::GeeArray<MetaTrigger>::wrap(child->get_triggers()).at(0);
    EXPECT_STREQ(trigger->get_schema(), database.c_str());
    EXPECT_STREQ(trigger->get_target(), "child");
    EXPECT_EQ(std::string(trigger->get_definer()), user);

    // Each table of a pair whose names a LIKE pattern would confuse gets its own comment.
    EXPECT_STREQ(named<MetaTable>(schema->get_tables(), "a_b")->get_comment(), "underscore");
    EXPECT_STREQ(named<MetaTable>(schema->get_tables(), "axb")->get_comment(), "letter");

    auto view = named<MetaView>(schema->get_views(), "cheap");
    EXPECT_EQ(entries(view->get_attributes()).at(1), "CHECK=LOCAL");
    EXPECT_EQ(std::string(view->get_definition()).back(), ' ');

    auto procedure = named<MetaFunction>(schema->get_procedures(), "touch");
    EXPECT_TRUE(filled(*procedure));
    EXPECT_EQ(gobj::StringArray::wrap(procedure->get_parameters()).size(), 0);
    auto once = named<MetaEvent>(schema->get_events(), "once");
    EXPECT_STREQ(once->get_schedule(), "AT '2031-06-01 12:00:00'");
    EXPECT_STREQ(once->get_state(), "DISABLED");
}

TEST_F(LiveReader, TablesWhoseChecksShareANameEachGetTheirOwn) {
    run("CREATE TABLE low (v INT, CONSTRAINT c CHECK (v > 1)); CREATE TABLE high (v INT, CONSTRAINT c CHECK (v < 5));");
    for (auto [name, clause] : {std::pair{"low", "`v` > 1"}, {"high", "`v` < 5"}}) {
        auto table = MetaTable::create_with_names(MetaTable::gtype(), database.c_str(), database.c_str(), name);
        ASSERT_EQ(fill(adapter(), *table), "(none)");
        V checks;
        for (auto c : gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints()))
            if (auto* check = dynamic_cast<MetaCheck*>(c.get()))
                checks.push_back(std::string(check->get_name()) + ": " + check->get_check());
        EXPECT_EQ(checks, V{std::string("c: ") + clause}) << name;
    }
}

TEST_F(LiveReader, AServerErrorReachesTheCallerWithTheDriversDomainCodeAndMessage) {
    auto view = MetaView::create_with_names(MetaView::gtype(), database.c_str(), database.c_str(), "nope");
    std::string error = fill(adapter(), *view);
    EXPECT_EQ(error.rfind("MariaDB 1146 ", 0), 0u) << error;
    EXPECT_NE(error.find("nope"), std::string::npos) << error;
    EXPECT_FALSE(filled(*view));
}

class LiveAccountReader : public LiveAccounts {};

TEST_F(LiveAccountReader, AUserWithGrantsAndRoles) {
    auto account = MetaUser::create_with_names(MetaUser::gtype(), "", "", this->account.c_str(), "");
    ASSERT_EQ(fill(adapter(), *account), "(none)");
    EXPECT_TRUE(filled(*account));
    auto attributes = entries(account->get_attributes());
    auto has = [&](const std::string& entry) {
        return std::find(attributes.begin(), attributes.end(), entry) != attributes.end();
    };
    EXPECT_TRUE(has("PLUGIN=mysql_native_password")) << testing::PrintToString(attributes);
    EXPECT_TRUE(has("MAX_QUERIES=7"));
    EXPECT_TRUE(has("MAX_STATEMENT_TIME=2.500000"));
    EXPECT_EQ(std::string(account->get_password()).size(), 41u);
    std::string name = this->account.substr(0, this->account.find('@'));
    V relations = {role_admin + "=" + name + "@%=true", role_plain + "=" + name + "@%=false"};
    std::sort(relations.begin(), relations.end());
    EXPECT_EQ(entries(account->get_relations()), relations);
    EXPECT_EQ(entries(account->get_privileges()),
              (V{"*.*=USAGE", database + ".*=SELECT, INSERT, GRANT OPTION", database + ".child=UPDATE"}));
}

TEST_F(LiveAccountReader, ARoleWithItsGranteesAndGrants) {
    auto role = MetaRole::create_with_names(MetaRole::gtype(), "", "", role_plain.c_str(), "");
    test::LogCapture log;
    ASSERT_EQ(fill(adapter(), *role), "(none)");
    std::string name = account.substr(0, account.find('@'));
    auto relations = entries(role->get_relations());
    EXPECT_NE(std::find(relations.begin(), relations.end(), role_plain + "=" + name + "@%=false"), relations.end())
        << testing::PrintToString(relations);
    EXPECT_EQ(entries(role->get_privileges()), (V{"*.*=USAGE", database + ".*=SELECT"}));
    EXPECT_EQ(log.count(G_LOG_LEVEL_WARNING, "Row count: 1"), 1);
}

}  // namespace
}  // namespace mariadb_dialect_test
