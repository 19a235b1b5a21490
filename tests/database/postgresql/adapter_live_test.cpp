// The PostgreSQL readers on the PostgreSQL 15 test server: a fixture schema (and one of
// hostile names) built in a fresh database, read deep and checked value by value and
// against a golden JSON form.
#include <gtest/gtest.h>

#include <json-glib/json-glib.h>

#include <fstream>
#include <sstream>

#include "fixture.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "support/facade_log.hpp"

namespace tarvelin::test {
namespace {

using namespace rezezadovu::meta_model;
using Texts = std::vector<std::string>;

template <class T>
gobj::Ref<T> find(GeeArrayList* list, const std::string& name) {
    for (auto item : gobj::GeeArray<T>::wrap(list))
        if (name == item->get_name()) return item;
    ADD_FAILURE() << "no " << name;
    return {};
}

template <class T>
Texts names(GeeArrayList* list) {
    Texts out;
    for (auto item : gobj::GeeArray<T>::wrap(list)) out.emplace_back(item->get_name());
    return out;
}

std::string attribute(MetaObject& object, const std::string& key) {
    return gobj::StringMap::wrap(GEE_MAP(object.get_attributes())).get_or(key, "(none)");
}
std::string option(MetaTable& table, const std::string& key) {
    return gobj::StringMap::wrap(GEE_MAP(table.get_options())).get_or(key, "(none)");
}
Texts texts(GeeArrayList* list) { return gobj::StringArray::wrap(list).to_vector(); }

bool filled(MetaObject& object) { return g_object_get_data(object.gobj(), kFilled) != nullptr; }

template <class T>
gobj::Ref<T> constraint(MetaTable& table, const std::string& name) {
    auto c = find<MetaConstraint>(table.get_constraints(), name);
    auto typed = gobj::Ref<T>::retain(c && gobj::checked_cast<T>(c->gobj()) ? c->gobj() : nullptr);
    EXPECT_TRUE(typed) << name << " is not of the expected class";
    return typed;
}

class PostgresqlReader : public ::testing::Test {
protected:
    void SetUp() override {
        pg = pg_server();
        TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
        db = std::make_unique<ScratchDatabase>(*pg);
        // gist over an integer key needs btree_gist, which postgres installs.
        db->run_as_superuser("CREATE EXTENSION btree_gist SCHEMA public");
        db->run_as_user(read_file(data_file("shop_fixture.sql")));
        db->run_as_superuser(read_file(data_file("shop_superuser.sql")));
        connection = db->open_as_user();
        adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(iconnection(connection));
    }
    void TearDown() override {
        g_clear_object(&adapter);
        if (connection) tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
        g_clear_object(&connection);
        db.reset();
    }

    void fill_table(MetaTable& table, bool deep) {
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
            adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(table.gobj()), deep, &error);
        ASSERT_EQ(error, nullptr) << error->message;
    }
    void fill_object(MetaObject& object, bool deep = false) {
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
            adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaObject*>(object.gobj()), deep, &error);
        ASSERT_EQ(error, nullptr) << error->message;
    }
    gobj::Ref<MetaSchema> read_shop() {
        auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), db->name().c_str());
        auto schema = database->append("shop");
        fill_object(*schema, true);
        return schema;
    }
    int statements() const { return log.count("SQL: "); }

    FacadeLog log;
    std::optional<PgAddress> pg;
    std::unique_ptr<ScratchDatabase> db;
    TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* connection = nullptr;
    CAdaptable* adapter = nullptr;
};

TEST_F(PostgresqlReader, SchemaListsAndRoutines) {
    auto shop = read_shop();
    EXPECT_EQ(attribute(*shop, "OWNER"), pg->user);
    EXPECT_EQ(names<MetaTable>(shop->get_tables()),
              (Texts{"audit_log", "base", "child", "item", "line", "part", "part_2024", "scratch"}));
    EXPECT_EQ(names<MetaView>(shop->get_views()), (Texts{"cheap", "notes"}));
    // Routines of postgres are read; the aggregate is not (no fill can read it).
    EXPECT_EQ(names<MetaFunction>(shop->get_functions()), (Texts{"audit", "owned_by_postgres", "pair", "plain", "total"}));
    EXPECT_EQ(names<MetaFunction>(shop->get_procedures()), (Texts{"postgres_proc", "restock"}));
    EXPECT_TRUE(filled(*shop));

    auto totals = find<Materialized>(shop->get_miews(), "totals");
    EXPECT_EQ(attribute(*totals, "OWNER"), pg->user);
    EXPECT_STREQ(totals->get_comment(), "per b");
    EXPECT_NE(std::string(totals->get_definition()).find("sum(item.price) AS total"), std::string::npos);
    EXPECT_TRUE(filled(*totals));

    auto cheap = find<MetaView>(shop->get_views(), "cheap");
    EXPECT_EQ(attribute(*cheap, "WITH_OPTION"), "check_option=cascaded");
    EXPECT_STREQ(cheap->get_comment(), "cheap things");
    EXPECT_EQ(attribute(*find<MetaView>(shop->get_views(), "notes"), "WITH_OPTION"), "(none)");

    auto pair = find<MetaFunction>(shop->get_functions(), "pair");
    EXPECT_EQ(texts(pair->get_parameters()),
              (Texts{"IN a pg_catalog.int4", "INOUT b pg_catalog.text = 'x,y'::text", "OUT c pg_catalog.int4"}));
    EXPECT_STREQ(pair->get_return_type(), "pg_catalog.record");
    // Every parameter IN: the types come from proargtypes, the defaults go to the last ones.
    auto plain = find<MetaFunction>(shop->get_functions(), "plain");
    EXPECT_EQ(texts(plain->get_parameters()),
              (Texts{"IN x pg_catalog.int4", "IN y pg_catalog.text = 'x,y'::text", "IN z pg_catalog.int4 = 3"}));
    EXPECT_EQ(attribute(*plain, "RESULT DEPEND"), "IMMUTABLE");
    EXPECT_STREQ(plain->get_comment(), "adds");
    auto total = find<MetaFunction>(shop->get_functions(), "total");
    EXPECT_EQ(texts(total->get_parameters()), (Texts{"VARIADIC nums pg_catalog._int4"}));
    EXPECT_EQ(attribute(*total, "EXTERNAL SECURITY"), "DEFINER");
    EXPECT_EQ(attribute(*total, "RESULT DEPEND"), "STABLE");
    EXPECT_EQ(attribute(*total, "LANGUAGE"), "plpgsql");
    EXPECT_EQ(attribute(*total, "RESULT SET"), "false");
    EXPECT_EQ(attribute(*find<MetaFunction>(shop->get_functions(), "owned_by_postgres"), "OWNER"), "postgres");
    // A deep schema fill leaves procedures alone.
    EXPECT_FALSE(filled(*find<MetaFunction>(shop->get_procedures(), "restock")));
}

TEST_F(PostgresqlReader, TableColumnsKeysAndIndexes) {
    auto item = find<MetaTable>(read_shop()->get_tables(), "item");
    struct Col {
        const char* name;
        const char* raw;
        DataType type;
        gint64 length;
        guint scale;
        bool not_null;
        const char* collation;
        const char* identity;
        guint8 primary;
    } columns[] = {
        {"b", "integer", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 0, 0, true, "", "", 1},
        {"a", "integer", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 0, 0, true, "", "", 2},
        {"price", "numeric", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, 10, 2, false, "", "", 0},
        {"tags", "integer[]", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, 0, 0, false, "", "", 0},
        {"feeling", "\"shop\".\"mood\"", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, 0, 0, false, "", "", 0},
        {"serial_no", "integer", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 0, 0, true, "", "GENERATED BY DEFAULT", 0},
        {"code", "integer", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 0, 0, true, "", "GENERATED ALWAYS", 0},
        {"label", "text", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 0, 0, false, "pg_catalog.C", "", 0},
        {"note", "text", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 0, 0, false, "pg_catalog.default", "", 0},
        {"name", "character varying", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 40, 0, false, "pg_catalog.default", "", 0},
        {"during", "tsrange", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, 0, 0, false, "", "", 0},
        {"valid", "boolean", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, 0, 0, false, "", "", 0},
    };
    for (const auto& c : columns) {
        auto column = item->get_column(c.name);
        ASSERT_TRUE(column) << c.name;
        EXPECT_STREQ(column->get_raw_type(), c.raw) << c.name;
        EXPECT_EQ(column->get_data_type(), c.type) << c.name;
        EXPECT_EQ(column->get_length(), c.length) << c.name;
        EXPECT_EQ(column->get_scale(), c.scale) << c.name;
        EXPECT_EQ(column->get_not_null(), c.not_null) << c.name;
        EXPECT_STREQ(column->get_collation(), c.collation) << c.name;
        EXPECT_STREQ(column->get_identity(), c.identity) << c.name;
        EXPECT_EQ(column->get_is_primary_key(), c.primary > 0) << c.name;
        EXPECT_EQ(column->get_primary_ordinal(), c.primary) << c.name;
    }
    auto price = item->get_column("price");
    EXPECT_STREQ(price->get_default_value(), "1.50");
    EXPECT_STREQ(price->get_comment(), "in euro");
    EXPECT_EQ(price->get_ordinal(), 3);
    EXPECT_STREQ(price->get_after(), "a");
    EXPECT_STREQ(item->get_column("b")->get_after(), "");

    EXPECT_EQ(names<MetaIndex>(item->get_indexes()),
              (Texts{"Item Label", "item_c_a", "item_during", "item_id_note", "item_name", "item_note_ff"}));
    struct Idx {
        const char* name;
        const char* method;
        const char* kind;
        Texts columns;
        const char* with;
    } indexes[] = {
        // Key order kept, each key with the order it differs from the default by.
        {"item_c_a", "BTREE", "", {"c DESC", "a"}, ""},
        {"item_id_note", "BTREE", "", {"id", "note DESC NULLS LAST"}, ""},
        {"item_note_ff", "BTREE", "", {"note NULLS FIRST"}, "fillfactor=70"},
        {"item_name", "BTREE", "UNIQUE", {"name"}, ""},
        {"item_during", "GIST", "", {"during"}, ""},
        {"Item Label", "BTREE", "", {"label"}, ""},
    };
    for (const auto& i : indexes) {
        auto index = find<MetaIndex>(item->get_indexes(), i.name);
        ASSERT_TRUE(index);
        EXPECT_STREQ(index->get_method(), i.method) << i.name;
        EXPECT_STREQ(index->get_kind(), i.kind) << i.name;
        EXPECT_EQ(texts(index->get_columns()), i.columns) << i.name;
        EXPECT_STREQ(index->get_with(), i.with) << i.name;
        EXPECT_STREQ(index->get_entity(), "item");
    }
    EXPECT_STREQ(find<MetaIndex>(item->get_indexes(), "item_c_a")->get_comment(), "by c");
}

TEST_F(PostgresqlReader, TableConstraintsOptionsTriggersAndRules) {
    auto shop = read_shop();
    auto item = find<MetaTable>(shop->get_tables(), "item");
    EXPECT_EQ(names<MetaConstraint>(item->get_constraints()),
              (Texts{"price_positive", "item_region", "item_ba", "item_no_overlap"}));

    auto check = constraint<MetaCheck>(*item, "price_positive");
    // The expression alone, as the builders take it.
    EXPECT_STREQ(check->get_check(), "(price > (0)::numeric)");
    EXPECT_TRUE(check->get_no_inherit());
    EXPECT_STREQ(check->get_deferrable(), "");
    EXPECT_STREQ(check->get_comment(), "never free");

    auto region = constraint<MetaForeignKey>(*item, "item_region");
    EXPECT_STREQ(region->get_refer_schema(), "other");
    EXPECT_STREQ(region->get_refer_table(), "region");
    EXPECT_STREQ(region->get_local_columns(), "rx, ry");
    EXPECT_STREQ(region->get_refer_columns(), "x, y");
    EXPECT_STREQ(region->get_update_action(), "SET NULL");
    EXPECT_STREQ(region->get_delete_action(), "CASCADE");
    EXPECT_STREQ(region->get_match_method(), "NONE");

    auto unique = constraint<MetaUnique>(*item, "item_ba");
    EXPECT_STREQ(unique->get_columns(), "b, a");
    EXPECT_STREQ(unique->get_deferrable(), "INITIALLY DEFERRED");
    EXPECT_STREQ(unique->get_comment(), "one per pair");

    auto exclude = constraint<MetaExclude>(*item, "item_no_overlap");
    EXPECT_STREQ(exclude->get_index_method(), "gist");
    EXPECT_STREQ(exclude->get_elements(), "room WITH =, during WITH &&");
    // The index's own options, not the table's fillfactor=80.
    EXPECT_STREQ(exclude->get_with(), "fillfactor=70");

    EXPECT_EQ(option(*item, "OWNER"), pg->user);
    EXPECT_EQ(option(*item, "WITH_ARGUMENTS"), "fillfactor=80");
    EXPECT_EQ(option(*item, "FLAG"), "PERMANENT");
    EXPECT_EQ(option(*item, "PARTITION"), "false");
    EXPECT_EQ(option(*item, "TABLESPACE"), "(none)");
    EXPECT_EQ(option(*item, "INHERITS"), "(none)");
    EXPECT_STREQ(item->get_comment(), "things for sale");
    EXPECT_EQ(option(*find<MetaTable>(shop->get_tables(), "child"), "INHERITS"), "\"shop\".\"base\"");
    auto partition = find<MetaTable>(shop->get_tables(), "part_2024");
    EXPECT_EQ(option(*partition, "PARTITION"), "true");
    EXPECT_EQ(option(*partition, "INHERITS"), "(none)");
    EXPECT_EQ(option(*find<MetaTable>(shop->get_tables(), "scratch"), "FLAG"), "UNLOGGED");

    EXPECT_EQ(names<MetaTrigger>(item->get_triggers()), (Texts{"item_changed", "item_gone"}));
    auto changed = find<MetaTrigger>(item->get_triggers(), "item_changed");
    EXPECT_STREQ(changed->get_timing(), "BEFORE");
    EXPECT_STREQ(changed->get_event(), "INSERT,UPDATE");
    EXPECT_STREQ(changed->get_columns(), "valid,id");
    EXPECT_STREQ(changed->get_when(), "(new.id > 0)");
    EXPECT_STREQ(changed->get_function(), "shop.audit");
    EXPECT_STREQ(changed->get_arguments(), "'x', '2'");
    EXPECT_STREQ(changed->get_body(), "EXECUTE FUNCTION shop.audit('x', '2')");
    EXPECT_STREQ(changed->get_for_each(), "ROW");
    EXPECT_STREQ(changed->get_apply(), "ORIGIN");
    EXPECT_TRUE(changed->get_enable());
    EXPECT_FALSE(changed->get_constraint());
    EXPECT_STREQ(changed->get_comment(), "audit");
    auto gone = find<MetaTrigger>(item->get_triggers(), "item_gone");
    EXPECT_STREQ(gone->get_apply(), "DISABLED");
    EXPECT_FALSE(gone->get_enable());
    EXPECT_STREQ(gone->get_for_each(), "STATEMENT");
    EXPECT_STREQ(gone->get_timing(), "AFTER");
    EXPECT_STREQ(gone->get_event(), "DELETE");
    EXPECT_STREQ(gone->get_arguments(), "");

    auto line = find<MetaTable>(shop->get_tables(), "line");
    auto line_item = constraint<MetaForeignKey>(*line, "line_item");
    EXPECT_STREQ(line_item->get_refer_schema(), "shop");
    EXPECT_STREQ(line_item->get_local_columns(), "item_b, item_a");
    EXPECT_STREQ(line_item->get_refer_columns(), "b, a");
    EXPECT_STREQ(line_item->get_update_action(), "NO ACTION");
    auto line_region = constraint<MetaForeignKey>(*line, "line_region");
    EXPECT_STREQ(line_region->get_refer_schema(), "other");
    EXPECT_STREQ(line_region->get_refer_columns(), "code");
    EXPECT_STREQ(line_region->get_match_method(), "FULL");
    EXPECT_STREQ(line_region->get_delete_action(), "RESTRICT");
    auto checked = find<MetaTrigger>(line->get_triggers(), "line_checked");
    EXPECT_TRUE(checked->get_constraint());
    EXPECT_STREQ(checked->get_deferrable(), "INITIALLY DEFERRED");
    EXPECT_STREQ(checked->get_refer_table(), "other.region");

    EXPECT_EQ(names<MetaRule>(line->get_rules()), (Texts{"line_log", "line_keep"}));
    auto logged = find<MetaRule>(line->get_rules(), "line_log");
    EXPECT_STREQ(logged->get_event(), "INSERT");
    EXPECT_STREQ(logged->get_action(), "ALSO");
    EXPECT_STREQ(logged->get_where(), "new.qty > 0");
    EXPECT_STREQ(logged->get_commands(), "INSERT INTO shop.audit_log (msg)  VALUES ('x'::text);");
    EXPECT_STREQ(logged->get_apply(), "ORIGIN");
    auto keep = find<MetaRule>(line->get_rules(), "line_keep");
    EXPECT_STREQ(keep->get_event(), "DELETE");
    EXPECT_STREQ(keep->get_action(), "INSTEAD");
    EXPECT_STREQ(keep->get_where(), "");
    EXPECT_STREQ(keep->get_commands(), "NOTHING;");
    EXPECT_STREQ(keep->get_comment(), "never delete");
}

// The whole schema as the model writes it, names of the run replaced.
TEST_F(PostgresqlReader, SchemaMatchesItsGoldenForm) {
    auto shop = read_shop();
    JsonNode* node = json_gobject_serialize(shop->gobj());
    gchar* text = json_to_string(node, TRUE);
    std::string json(text);
    g_free(text);
    json_node_unref(node);
    auto replace_all = [&](const std::string& from, const std::string& to) {
        for (size_t at = json.find(from); at != std::string::npos; at = json.find(from, at + to.size()))
            json.replace(at, from.size(), to);
    };
    replace_all("\"" + db->name() + "\"", "\"<database>\"");
    replace_all("\"" + pg->user + "\"", "\"<user>\"");
    const std::string golden = data_file("shop_schema.json");
    if (g_getenv("TARVELIN_WRITE_GOLDEN")) std::ofstream(golden) << json << "\n";
    EXPECT_EQ(json + "\n", read_file(golden));
}

TEST_F(PostgresqlReader, APlainFillMarksTheTable) {
    auto item = MetaTable::create_with_names(MetaTable::gtype(), db->name().c_str(), "shop", "item");
    fill_table(*item, false);
    EXPECT_TRUE(filled(*item));
    EXPECT_EQ(gobj::GeeArray<MetaColumn>::wrap(item->get_columns()).size(), 17);
    EXPECT_TRUE(item->get_column("b")->get_is_primary_key());
    int before = statements();
    fill_table(*item, true);
    EXPECT_EQ(statements(), before) << "a marked table is not read again";
    EXPECT_EQ(gobj::GeeArray<MetaIndex>::wrap(item->get_indexes()).size(), 0);
    EXPECT_EQ(gobj::GeeArray<MetaConstraint>::wrap(item->get_constraints()).size(), 0);
    EXPECT_EQ(option(*item, "OWNER"), "(none)");
    item->reset();
    fill_table(*item, true);
    EXPECT_EQ(gobj::GeeArray<MetaIndex>::wrap(item->get_indexes()).size(), 6);
}

TEST_F(PostgresqlReader, OneIndexWithCollationsClassesAndOrders) {
    struct Case {
        const char* name;
        Texts columns;
    } cases[] = {
        // COLLATE only on keys that have a collation, in key position.
        {"item_id_note", {"id pg_catalog.int4_ops ASC NULLS LAST",
                          "note COLLATE pg_catalog.\"default\" pg_catalog.text_ops DESC NULLS LAST"}},
        {"item_c_a", {"c COLLATE pg_catalog.\"default\" pg_catalog.text_ops DESC NULLS FIRST",
                      "a pg_catalog.int4_ops ASC NULLS LAST"}},
        // gist does not order its keys.
        {"item_during", {"during pg_catalog.range_ops"}},
        // Found by its oid, whatever its name.
        {"Item Label", {"label COLLATE pg_catalog.\"C\" pg_catalog.text_ops ASC NULLS LAST"}},
    };
    for (const auto& c : cases) {
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), db->name().c_str(), "shop", "item", c.name);
        fill_object(*index);
        EXPECT_EQ(texts(index->get_columns()), c.columns) << c.name;
        EXPECT_TRUE(filled(*index));
    }
    auto ff = MetaIndex::create_with_names(MetaIndex::gtype(), db->name().c_str(), "shop", "item", "item_note_ff");
    fill_object(*ff);
    EXPECT_STREQ(ff->get_with(), "fillfactor=70");
    EXPECT_STREQ(ff->get_method(), "BTREE");
    EXPECT_FALSE(ff->get_is_clustered());
}

TEST_F(PostgresqlReader, OneTriggerAndOneRoutine) {
    auto view_trigger = MetaTrigger::create_with_names(MetaTrigger::gtype(), db->name().c_str(), "shop", "notes_write");
    fill_object(*view_trigger);
    EXPECT_STREQ(view_trigger->get_timing(), "INSTEAD OF");
    EXPECT_STREQ(view_trigger->get_kind(), "VIEW");
    EXPECT_STREQ(view_trigger->get_target(), "notes");
    EXPECT_STREQ(view_trigger->get_event(), "INSERT");
    EXPECT_STREQ(view_trigger->get_body(), "EXECUTE FUNCTION shop.audit()");

    auto changed = MetaTrigger::create_with_names(MetaTrigger::gtype(), db->name().c_str(), "shop", "item_changed");
    fill_object(*changed);
    EXPECT_STREQ(changed->get_kind(), "TABLE");
    EXPECT_STREQ(changed->get_when(), "(new.id > 0)");
    EXPECT_STREQ(changed->get_columns(), "valid,id");

    auto restock = MetaFunction::create_with_names(MetaFunction::gtype(), db->name().c_str(), "shop", "restock");
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(
        adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaFunction*>(restock->gobj()), &error);
    ASSERT_EQ(error, nullptr);
    EXPECT_FALSE(restock->get_is_function());
    EXPECT_EQ(texts(restock->get_parameters()), (Texts{"IN qty pg_catalog.int4"}));
}

TEST_F(PostgresqlReader, DatabaseAttributesAndSchemas) {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), db->name().c_str());
    fill_object(*database);
    EXPECT_EQ(attribute(*database, "OWNER"), pg->user);
    EXPECT_EQ(attribute(*database, "ENCODING"), "UTF8");
    EXPECT_EQ(attribute(*database, "ALLOW_CONNECTIONS"), "true");
    EXPECT_EQ(attribute(*database, "CONNECTION LIMIT"), "-1");
    EXPECT_EQ(attribute(*database, "TABLESPACE"), "pg_default");
    EXPECT_EQ(attribute(*database, "EXTENSION").rfind("btree_gist=", 0), 0u);
    EXPECT_NE(attribute(*database, "EXTENSION").find(",plpgsql="), std::string::npos);
    auto schemas = names<MetaSchema>(database->get_schemas());
    for (const char* s : {"shop", "other", "public", "pg_catalog", "information_schema"})
        EXPECT_NE(std::find(schemas.begin(), schemas.end(), s), schemas.end()) << s;
    for (const auto& s : schemas) EXPECT_NE(s.rfind("pg_toast", 0), 0u) << s;
    // Extension members are no routines of the schema.
    auto publics = database->append("public");
    fill_object(*publics);
    EXPECT_EQ(names<MetaFunction>(publics->get_functions()), Texts{});
}

// The table builder runs the first COLLATION choice: its first column lists the names.
TEST_F(PostgresqlReader, TheFirstCollationChoiceListsCollationNames) {
    auto* inspector = tarvelin_rezezadovu_contracts_database_iconnection_inspector(iconnection(connection));
    gchar** choices = tarvelin_rezezadovu_contracts_database_iinspectable_support(
        inspector, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION, nullptr);
    GError* error = nullptr;
    auto* model = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(iconnection(connection),
                                                                                     choices[0], FALSE, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    Texts collations;
    for (const auto& row : cells(*gobj::cast<providers::contracts::TableModel>(model))) collations.push_back(row[0]);
    EXPECT_NE(std::find(collations.begin(), collations.end(), "ValueString=C"), collations.end());
    EXPECT_NE(std::find(collations.begin(), collations.end(), "ValueString=default"), collations.end());
    g_object_unref(model);
    g_strfreev(choices);
    g_object_unref(inspector);
}

// Names holding a double quote, a single quote and a blank.
TEST_F(PostgresqlReader, HostileNamesAreReadCorrectly) {
    db->run_as_user(
        "CREATE SCHEMA \"we\"\"ird s'ch\";"
        "CREATE TABLE \"we\"\"ird s'ch\".\"ta\"\"b l'e\" (\"co\"\"l u'mn\" int, k int,"
        " CONSTRAINT \"co\"\"n s'tr\" CHECK (\"co\"\"l u'mn\" > 0));"
        "CREATE INDEX \"in\"\"d e'x\" ON \"we\"\"ird s'ch\".\"ta\"\"b l'e\" (\"co\"\"l u'mn\" DESC);"
        "CREATE FUNCTION \"we\"\"ird s'ch\".t() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RETURN NEW; END$$;"
        "CREATE TRIGGER \"tr\"\"i g'ger\" BEFORE UPDATE OF \"co\"\"l u'mn\" ON \"we\"\"ird s'ch\".\"ta\"\"b l'e\""
        " FOR EACH ROW EXECUTE FUNCTION \"we\"\"ird s'ch\".t();");
    const char* schema = "we\"ird s'ch";
    auto table = MetaTable::create_with_names(MetaTable::gtype(), db->name().c_str(), schema, "ta\"b l'e");
    fill_table(*table, true);
    EXPECT_EQ(names<MetaColumn>(table->get_columns()), (Texts{"co\"l u'mn", "k"}));
    EXPECT_EQ(names<MetaConstraint>(table->get_constraints()), (Texts{"co\"n s'tr"}));
    auto index = find<MetaIndex>(table->get_indexes(), "in\"d e'x");
    // Key columns by their names as they are: quoting them is the builders' part.
    EXPECT_EQ(texts(index->get_columns()), (Texts{"co\"l u'mn DESC"}));
    auto trigger = find<MetaTrigger>(table->get_triggers(), "tr\"i g'ger");
    // Written as SQL names, so a name holding a comma or a quote stays one.
    EXPECT_STREQ(trigger->get_columns(), "\"co\"\"l u'mn\"");
    EXPECT_STREQ(trigger->get_body(), "EXECUTE FUNCTION \"we\"\"ird s'ch\".t()");
    EXPECT_STREQ(trigger->get_function(), "\"we\"\"ird s'ch\".t");
    EXPECT_EQ(option(*table, "OWNER"), pg->user);

    auto one = MetaIndex::create_with_names(MetaIndex::gtype(), db->name().c_str(), schema, "ta\"b l'e", "in\"d e'x");
    fill_object(*one);
    EXPECT_EQ(texts(one->get_columns()), (Texts{"co\"l u'mn pg_catalog.int4_ops DESC NULLS FIRST"}));
    auto alone = MetaTrigger::create_with_names(MetaTrigger::gtype(), db->name().c_str(), schema, "tr\"i g'ger");
    fill_object(*alone);
    EXPECT_STREQ(alone->get_target(), "ta\"b l'e");
}

// A query the server rejects reaches the caller as the driver gives it.
TEST_F(PostgresqlReader, ServerErrorsReachTheCaller) {
    auto* v9 = tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_new(iconnection(connection));
    auto item = MetaTable::create_with_names(MetaTable::gtype(), db->name().c_str(), "shop", "item");
    GError* error = nullptr;
    // 15 has no relhasoids.
    auto* result = tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_options(
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_POSTGRE_SQL_ADAPTER_V11X(v9),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(item->gobj()), &error);
    EXPECT_EQ(result, nullptr);
    ASSERT_NE(error, nullptr);
    EXPECT_STREQ(g_quark_to_string(error->domain), "PostgreSQL");
    EXPECT_EQ(error->code, -2);
    EXPECT_NE(std::string(error->message).find("column c.relhasoids does not exist"), std::string::npos)
        << error->message;
    g_error_free(error);
    g_object_unref(v9);
}

// The 12.x reader's queries also run on 15.
TEST_F(PostgresqlReader, TheV12xReaderReadsTheSameKeys) {
    auto* v12 = tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_new(iconnection(connection));
    auto line = MetaTable::create_with_names(MetaTable::gtype(), db->name().c_str(), "shop", "line");
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IADAPTABLE(v12),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaObject*>(line->gobj()), TRUE, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    auto key = constraint<MetaForeignKey>(*line, "line_item");
    EXPECT_STREQ(key->get_refer_schema(), "shop");
    EXPECT_STREQ(key->get_refer_table(), "item");
    EXPECT_STREQ(key->get_local_columns(), "item_b, item_a");
    EXPECT_STREQ(key->get_refer_columns(), "b, a");
    EXPECT_EQ(option(*line, "PARTITION"), "false");
    g_object_unref(v12);
}

}  // namespace
}  // namespace tarvelin::test
