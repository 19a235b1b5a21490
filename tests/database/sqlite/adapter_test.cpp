// The SQLite catalogue reader on the fixture file: a deep fill against a golden JSON, the
// stand-alone fills, the marks, failures, and names of every spelling.
#include "dialect_fixture.hpp"

namespace sqlite_dialect_test {
namespace {

using CDatabase = TarvelinRezezadovuMetaModelMetaDatabase;
using CSchema = TarvelinRezezadovuMetaModelMetaSchema;
using CTable = TarvelinRezezadovuMetaModelMetaTable;

class SqliteAdapter : public Catalogue {
protected:
    std::string fill(MetaObject& object, bool deep) {
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
            adapter(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaObject*>(object.gobj()), deep, &error);
        return test::describe(error);
    }
    static bool marked(MetaObject& o) { return g_object_get_data(o.gobj(), "FILLED") != nullptr; }
    static std::vector<std::string> names(GeeArrayList* list) {
        std::vector<std::string> out;
        for (auto o : gobj::GeeArray<MetaObject>::wrap(list)) out.emplace_back(o->get_name());
        return out;
    }
    static std::string option(MetaTable& t, const char* key) {
        return gobj::StringMap::wrap(GEE_MAP(t.get_options())).get(key).value_or("(none)");
    }
};

TEST_F(SqliteAdapter, DeepFillMatchesTheGolden) {
    auto database = read_deep();
    std::string text = pretty_json_of(*database);
    EXPECT_EQ(text, golden("catalogue.json", text));
    EXPECT_TRUE(marked(*database));
    EXPECT_EQ(names(database->get_schemas()), (std::vector<std::string>{"main", "temp", "aux"}));
}

TEST_F(SqliteAdapter, TablesAreReadInTheirOwnSchema) {
    auto database = read_deep();
    auto main_kind = table_named(*schema_named(*database, "main"), "kind");
    auto aux_kind = table_named(*schema_named(*database, "aux"), "kind");
    ASSERT_TRUE(main_kind && aux_kind);
    EXPECT_EQ(names(main_kind->get_columns()), (std::vector<std::string>{"id", "label"}));
    EXPECT_EQ(names(aux_kind->get_columns()), (std::vector<std::string>{"code", "description"}));
    // Main's kind is referenced; aux's has no key, constraint or option of main's.
    EXPECT_EQ(gobj::GeeArray<MetaObject>::wrap(aux_kind->get_constraints()).size(), 0);
    EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(aux_kind->get_options())).size(), 0);
}

TEST_F(SqliteAdapter, ColumnsKeysAndOptions) {
    auto database = read_deep();
    auto main = schema_named(*database, "main");
    auto parent = table_named(*main, "parent");
    auto a = parent->get_column("a"), b = parent->get_column("b"), name = parent->get_column("name");
    EXPECT_TRUE(a->get_is_primary_key() && b->get_is_primary_key() && !name->get_is_primary_key());
    EXPECT_EQ(a->get_primary_ordinal(), 1);
    EXPECT_EQ(b->get_primary_ordinal(), 2);
    EXPECT_STREQ(name->get_raw_type(), "VARCHAR(40)");
    EXPECT_EQ(name->get_length(), 40);
    EXPECT_STREQ(name->get_default_value(), "'x'");
    EXPECT_TRUE(name->get_not_null());
    EXPECT_EQ(name->get_ordinal(), 3);
    auto price = table_named(*main, "child")->get_column("price");
    EXPECT_STREQ(price->get_raw_type(), "DECIMAL(10,2)");
    EXPECT_EQ(price->get_length(), 10);
    EXPECT_EQ(price->get_scale(), 2);

    EXPECT_EQ(option(*table_named(*main, "tags"), "WITHOUTROWID"), "true");
    EXPECT_EQ(option(*table_named(*main, "counter"), "AUTOINCREMENT"), "42");
    EXPECT_EQ(option(*table_named(*main, "child"), "AUTOINCREMENT"), "(none)");

    // Two foreign keys in SQLite's id order: it numbers them from the last declared, so
    // 0 (kind), then 1 (parent). Then the unique and check constraints.
    auto child = table_named(*main, "child");
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(child->get_constraints());
    ASSERT_EQ(constraints.size(), 4);
    auto* fk0 = dynamic_cast<MetaForeignKey*>(constraints.peek(0));
    auto* fk1 = dynamic_cast<MetaForeignKey*>(constraints.peek(1));
    ASSERT_TRUE(fk1 && fk0);
    EXPECT_STREQ(fk0->get_name(), "foreign_key_00");
    EXPECT_STREQ(fk0->get_local_columns(), "kind_id");
    EXPECT_STREQ(fk0->get_refer_table(), "kind");
    EXPECT_STREQ(fk1->get_name(), "foreign_key_01");
    EXPECT_STREQ(fk1->get_local_columns(), "pa, pb");
    EXPECT_STREQ(fk1->get_refer_columns(), "a, b");
    EXPECT_STREQ(fk1->get_refer_table(), "parent");
    EXPECT_STREQ(fk1->get_refer_schema(), "main");
    EXPECT_STREQ(fk1->get_delete_action(), "CASCADE");
    EXPECT_STREQ(fk1->get_update_action(), "NO ACTION");
    auto* unique = dynamic_cast<MetaUnique*>(constraints.peek(2));
    auto* check = dynamic_cast<MetaCheck*>(constraints.peek(3));
    ASSERT_TRUE(unique && check);
    EXPECT_STREQ(unique->get_name(), "u_pair");
    EXPECT_STREQ(unique->get_columns(), "pa, kind_id");
    EXPECT_STREQ(unique->get_conflict(), "ABORT");
    EXPECT_STREQ(check->get_name(), "c_qty");
    EXPECT_STREQ(check->get_check(), "qty > 0");
}

TEST_F(SqliteAdapter, StandAloneFills) {
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "fixture", "main", "child", "child_multi");
    EXPECT_EQ(fill(*index, false), "(none)");
    EXPECT_EQ(gobj::StringArray::wrap(index->get_columns()).to_vector(), (std::vector<std::string>{"pa", "pb"}));
    EXPECT_STREQ(index->get_kind(), "");
    auto unique = MetaIndex::create_with_names(MetaIndex::gtype(), "fixture", "main", "child", "child_kind");
    EXPECT_EQ(fill(*unique, false), "(none)");
    EXPECT_STREQ(unique->get_kind(), "UNIQUE");
    EXPECT_EQ(gobj::StringArray::wrap(unique->get_columns()).to_vector(), (std::vector<std::string>{"kind_id", "id"}));
    auto partial = MetaIndex::create_with_names(MetaIndex::gtype(), "fixture", "main", "child", "child_partial");
    EXPECT_EQ(fill(*partial, false), "(none)");
    EXPECT_EQ(gobj::StringArray::wrap(partial->get_columns()).to_vector(), (std::vector<std::string>{"qty"}));
    EXPECT_STREQ(partial->get_where(), "qty > 10");

    auto price = MetaTrigger::create_with_names(MetaTrigger::gtype(), "fixture", "main", "child_price");
    EXPECT_EQ(fill(*price, false), "(none)");
    EXPECT_STREQ(price->get_timing(), "AFTER");
    EXPECT_STREQ(price->get_event(), "UPDATE");
    EXPECT_STREQ(price->get_columns(), "qty, price");
    EXPECT_STREQ(price->get_for_each(), "ROW");
    EXPECT_STREQ(price->get_when(), "NEW.qty > 0");
    EXPECT_STREQ(price->get_body(), " UPDATE counter SET note = 'changed' WHERE id = 42; ");
    EXPECT_STREQ(price->get_target(), "child");
    EXPECT_STREQ(price->get_kind(), "TABLE");

    auto with_case = MetaTrigger::create_with_names(MetaTrigger::gtype(), "fixture", "main", "child_case");
    EXPECT_EQ(fill(*with_case, false), "(none)");
    EXPECT_STREQ(with_case->get_body(), " SELECT CASE WHEN NEW.qty IS NULL THEN RAISE(ABORT, 'no qty') END; ");
    EXPECT_STREQ(with_case->get_timing(), "BEFORE");
    EXPECT_STREQ(with_case->get_event(), "INSERT");

    auto instead = MetaTrigger::create_with_names(MetaTrigger::gtype(), "fixture", "main", "child_view_insert");
    EXPECT_EQ(fill(*instead, false), "(none)");
    EXPECT_STREQ(instead->get_timing(), "INSTEAD OF");
    EXPECT_STREQ(instead->get_kind(), "VIEW");
    EXPECT_STREQ(instead->get_target(), "child_view");

    auto view = MetaView::create_with_names(MetaView::gtype(), "fixture", "main", "child_view");
    EXPECT_EQ(fill(*view, false), "(none)");
    EXPECT_STREQ(view->get_definition(), "SELECT id, qty FROM child");
    EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(view->get_attributes())).get("TEMPORARY").value_or(""), "false");
    auto temporary = MetaView::create_with_names(MetaView::gtype(), "fixture", "temp", "recent");
    EXPECT_EQ(fill(*temporary, false), "(none)");
    EXPECT_STREQ(temporary->get_definition(), "SELECT id FROM child");
    EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(temporary->get_attributes())).get("TEMPORARY").value_or(""), "true");
    for (MetaObject* o : {static_cast<MetaObject*>(index.get()), static_cast<MetaObject*>(price.get()),
                          static_cast<MetaObject*>(view.get())})
        EXPECT_TRUE(marked(*o));
}

TEST_F(SqliteAdapter, AMissingTriggerIsReportedAndLeftUnmarked) {
    auto missing = MetaTrigger::create_with_names(MetaTrigger::gtype(), "fixture", "main", "nothing");
    test::LogCapture capture;
    EXPECT_EQ(fill(*missing, false), "(none)");
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "table.rows.size > 0"), 1);
    EXPECT_FALSE(marked(*missing));
}

TEST_F(SqliteAdapter, MarksDecideWhatIsReadAgain) {
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "fixture", "main");
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "fixture", "main", "child");
    // A table filled without the deep flag stays without indexes after a deep fill.
    EXPECT_EQ(fill(*table, false), "(none)");
    EXPECT_TRUE(marked(*table));
    EXPECT_EQ(fill(*table, true), "(none)");
    EXPECT_EQ(gobj::GeeArray<MetaIndex>::wrap(table->get_indexes()).size(), 0);
    EXPECT_EQ(gobj::GeeArray<MetaColumn>::wrap(table->get_columns()).size(), 6);

    // A marked schema is not listed again, but a deep fill still descends.
    EXPECT_EQ(fill(*schema, false), "(none)");
    int listings = log.count("type in ('table', 'view')");
    EXPECT_EQ(fill(*schema, true), "(none)");
    EXPECT_EQ(log.count("type in ('table', 'view')"), listings);
    EXPECT_EQ(gobj::GeeArray<MetaIndex>::wrap(table_named(*schema, "child")->get_indexes()).size(), 3);

    // After a reset everything is read again, without duplicates.
    schema->reset();
    EXPECT_EQ(fill(*schema, true), "(none)");
    EXPECT_EQ(names(schema->get_tables()), (std::vector<std::string>{"child", "counter", "kind", "parent",
                                                                     "sqlite_sequence", "tags"}));
    EXPECT_EQ(names(schema->get_views()), (std::vector<std::string>{"child_view"}));
}

TEST_F(SqliteAdapter, AFailedFillReportsTheErrorAndIsDoneAgainCleanly) {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "fixture");
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "fixture", "main", "child");
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "fixture", "main", "child", "child_kind");
    EXPECT_EQ(fill(*database, false), "(none)");
    tarvelin_rezezadovu_supports_database_connection_impl_close(c());
    for (MetaObject* o : {static_cast<MetaObject*>(database.get()), static_cast<MetaObject*>(table.get()),
                          static_cast<MetaObject*>(index.get())}) {
        std::string error = fill(*o, true);
        EXPECT_EQ(error.rfind("SQLite ", 0), 0u) << error;
    }
    EXPECT_FALSE(marked(*table));
    EXPECT_FALSE(marked(*index));
    EXPECT_FALSE(marked(*schema_named(*database, "main")));

    reopen();
    EXPECT_EQ(fill(*database, true), "(none)");
    std::string text = pretty_json_of(*database);
    EXPECT_EQ(text, golden("catalogue.json", text));
    EXPECT_EQ(fill(*table, true), "(none)");
    EXPECT_EQ(json_of(*table), json_of(*table_named(*schema_named(*database, "main"), "child")));
}

TEST_F(SqliteAdapter, MissingObjectsAreRefused) {
    test::LogCapture capture;
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(adapter(), nullptr, TRUE, &error);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(adapter(), nullptr, TRUE, &error);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "table != NULL"), 1);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "meta_object != NULL"), 1);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sq_lite_adapter_new(nullptr), nullptr);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "connection != NULL"), 1);
}

TEST_F(SqliteAdapter, NamesOfEverySpelling) {
    // Each hostile name is a table with a key to another, an index, a trigger and a view.
    std::string script;
    for (std::string n : kSpellings) {
        std::string q = sql_name(n);
        script += "CREATE TABLE " + q + " (" + q + " INTEGER PRIMARY KEY, ref INTEGER REFERENCES kind(id));";
        script += "CREATE INDEX " + sql_name(n + " i") + " ON " + q + " (" + q + ");";
        script += "CREATE TRIGGER " + sql_name(n + " t") + " AFTER UPDATE OF " + q + " ON " + q + " BEGIN SELECT 1; END;";
        script += "CREATE VIEW " + sql_name(n + " v") + " AS SELECT " + q + " FROM " + q + ";";
    }
    run(script);
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "fixture", "main");
    EXPECT_EQ(fill(*schema, true), "(none)");
    for (const char* n : kSpellings) {
        SCOPED_TRACE(n);
        auto table = table_named(*schema, n);
        ASSERT_TRUE(table);
        EXPECT_EQ(names(table->get_columns()), std::vector<std::string>({n, "ref"}));
        auto indexes = gobj::GeeArray<MetaIndex>::wrap(table->get_indexes());
        ASSERT_EQ(indexes.size(), 1);
        EXPECT_EQ(std::string(indexes.peek(0)->get_name()), std::string(n) + " i");
        auto triggers = gobj::GeeArray<MetaTrigger>::wrap(table->get_triggers());
        ASSERT_EQ(triggers.size(), 1);
        EXPECT_STREQ(triggers.peek(0)->get_event(), "UPDATE");
        EXPECT_EQ(gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints()).size(), 1);
    }
    EXPECT_EQ(gobj::GeeArray<MetaView>::wrap(schema->get_views()).size(), 7);
}

}  // namespace
}  // namespace sqlite_dialect_test
