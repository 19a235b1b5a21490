// The SQLite DDL builder: golden texts, names of every spelling run on a real file, the
// round trip of the fixture's main schema, and the table rebuild.
#include "dialect_fixture.hpp"

namespace sqlite_dialect_test {
namespace {

using CObject = TarvelinRezezadovuMetaModelMetaObject;
constexpr auto kInitial = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL;
constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

CObject* c_of(MetaObject& o) { return reinterpret_cast<CObject*>(o.gobj()); }

void set_option(MetaObject& o, GeeHashMap* map, const char* key, const char* value) {
    (void)o;
    gobj::StringMap::wrap(GEE_MAP(map)).set(key, value);
}

Ref<MetaColumn> column(MetaTable& t, const char* name, const char* raw, guint16 ordinal) {
    auto c = t.new_column(name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    c->set_raw_type(raw);
    c->set_ordinal(ordinal);
    return c;
}

class SqliteBuilder : public Catalogue {
protected:
    std::string create(MetaObject& o, bool raw = true) {
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_create(builder(), c_of(o), raw));
    }
    std::string patch(MetaObject& o, bool raw = true) {
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_patch(builder(), c_of(o), raw));
    }
    std::string drop(MetaObject& o) {
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_delete(builder(), c_of(o)));
    }
    std::string schema_script(MetaSchema& s, bool raw = true) {
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
            builder(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(s.gobj()), raw));
    }
    std::string rebuild(MetaTable& t) {
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_patch_table(
            builder(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(t.gobj())));
    }
    Ref<MetaTable> read_table(const std::string& name) {
        auto t = MetaTable::create_with_names(MetaTable::gtype(), "fixture", "main", name.c_str());
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
            adapter(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(t->gobj()), TRUE, &error);
        EXPECT_EQ(test::describe(error), "(none)");
        return t;
    }
    Ref<MetaSchema> read_schema(const std::string& name) {
        auto s = MetaSchema::create_with_names(MetaSchema::gtype(), "fixture", name.c_str());
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
            adapter(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(s->gobj()), TRUE, &error);
        EXPECT_EQ(test::describe(error), "(none)");
        return s;
    }
};

TEST_F(SqliteBuilder, TableText) {
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "fixture", "main", "t");
    auto a = column(*t, "a", "INTEGER", 1);
    a->set_is_primary_key(true);
    a->set_auto_increment(true);
    auto b = column(*t, "b", "VARCHAR", 2);
    b->set_length(20);
    b->set_not_null(true);
    b->set_conflict("ABORT");
    b->set_default_value("'x'");
    b->set_collation("NOCASE");
    auto c = column(*t, "c", "INTEGER", 3);
    c->set_length(11);
    c->set_collation("utf8_bin");
    column(*t, "d", "TEXT", 4)->set_version(kDelete);
    auto fk = MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), "fk", "main", "p");
    fk->set_local_columns("b");
    fk->set_refer_columns("x");
    fk->set_delete_action("CASCADE");
    fk->set_deferrable("INITIALLY DEFERRED");
    auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), "u1");
    unique->set_columns("b, c");
    unique->set_conflict("ABORT");
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints());
    constraints.append(fk);
    constraints.append(unique);
    constraints.append(MetaCheck::create_with_name(MetaCheck::gtype(), "c1", "c > 0"));
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "fixture", "main", "t", "i");
    index->set_kind("UNIQUE");
    index->append("a");
    index->append("b");
    index->set_where("a > 0");
    auto plain = MetaIndex::create_with_names(MetaIndex::gtype(), "fixture", "main", "t", "j");
    plain->append("c");
    gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).append(index);
    gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).append(plain);
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), "tr", "BEGIN SELECT 1; END");
    trigger->set_timing("AFTER");
    trigger->set_event("UPDATE");
    trigger->set_columns("b, c");
    trigger->set_when("NEW.c > 0 ");
    gobj::GeeArray<MetaTrigger>::wrap(t->get_triggers()).append(trigger);
    set_option(*t, t->get_options(), "AUTOINCREMENT_SEED", "7");

    EXPECT_EQ(create(*t),
              "CREATE TABLE IF NOT EXISTS \"t\" (\n"
              "    \"a\" INTEGER PRIMARY KEY AUTOINCREMENT,\n"
              "    \"b\" VARCHAR(20) NOT NULL ON CONFLICT ABORT DEFAULT 'x' COLLATE NOCASE,\n"
              "    \"c\" INTEGER,\n"
              "    CONSTRAINT \"fk\" FOREIGN KEY(\"b\") REFERENCES \"p\"(\"x\") ON DELETE CASCADE DEFERRABLE INITIALLY "
              "DEFERRED,\n"
              "    CONSTRAINT \"u1\" UNIQUE (\"b\", \"c\") ON CONFLICT ABORT,\n"
              "    CONSTRAINT \"c1\" CHECK (c > 0)\n"
              ");\n\n"
              "INSERT INTO \"main\".\"sqlite_sequence\" (name, seq) VALUES ('t', '7');\n\n"
              "CREATE UNIQUE INDEX \"i\"\nON \"t\" (\n    \"a\",\n    \"b\"\n) WHERE a > 0;\n\n"
              "CREATE  INDEX \"j\"\nON \"t\" (\n    \"c\"\n);\n\n"
              "CREATE TRIGGER \"tr\"\nAFTER UPDATE OF \"b\", \"c\"\nON \"t\"\nFOR EACH ROW\nWHEN NEW.c > 0\nBEGIN SELECT 1; END;\n\n");
    EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(t->get_options())).get("AUTOINCREMENT").value_or(""), "true");
}

TEST_F(SqliteBuilder, KeysTypesAndEmptyTables) {
    auto composite = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "k");
    for (const char* n : {"x", "y"}) column(*composite, n, "INTEGER", 1)->set_is_primary_key(true);
    gobj::GeeArray<MetaColumn>::wrap(composite->get_columns()).peek(0)->set_auto_increment(true);
    // SQLite refuses AUTOINCREMENT outside a lone INTEGER PRIMARY KEY: a composite key
    // counts nothing, and its table is still made.
    const std::string composite_text = create(*composite);
    EXPECT_EQ(composite_text,
              "CREATE TABLE IF NOT EXISTS \"k\" (\n    \"x\" INTEGER,\n    \"y\" INTEGER,\n"
              "    PRIMARY KEY (\"x\", \"y\")\n);\n\n");
    run(composite_text);
    EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(composite->get_options())).get("AUTOINCREMENT"), std::nullopt);

    auto typed = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "w");
    auto n = column(*typed, "n", "int(11)", 1);
    n->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    auto s = column(*typed, "s", "varchar", 2);
    s->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    s->set_length(9);
    set_option(*typed, typed->get_options(), "WITHOUTROWID", "true");
    EXPECT_EQ(create(*typed, false),
              "CREATE TABLE IF NOT EXISTS \"w\" (\n    \"n\" INTEGER,\n    \"s\" VARCHAR(9)\n) WITHOUT ROWID;\n\n");

    // Types of another product's columns: unbounded text stays TEXT, sizes travel, an
    // integer's display width does not.
    auto other = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "o");
    auto text = column(*other, "t", "longtext", 1);
    text->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    auto amount = column(*other, "d", "numeric", 2);
    amount->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL);
    amount->set_length(10);
    amount->set_scale(2);
    auto wide = column(*other, "i", "int", 3);
    wide->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    wide->set_length(10);
    EXPECT_EQ(create(*other, false), "CREATE TABLE IF NOT EXISTS \"o\" (\n    \"t\" TEXT,\n    \"d\" NUMERIC(10,2),\n"
                                     "    \"i\" INTEGER\n);\n\n");
    // Raw types keep their sizes: read whole, or given beside them.
    EXPECT_EQ(create(*other), "CREATE TABLE IF NOT EXISTS \"o\" (\n    \"t\" longtext,\n    \"d\" numeric(10,2),\n"
                              "    \"i\" int\n);\n\n");

    // Numbers a double and a 64-bit integer cannot hold keep their digits as text: exact
    // numbers of more than 15 digits or of any number of them, unsigned 64-bit integers.
    auto wider = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "x");
    auto digits = column(*wider, "d", "numeric", 1);
    digits->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY);
    digits->set_length(30);
    digits->set_scale(10);
    column(*wider, "any", "numeric", 2)->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY);
    column(*wider, "u", "bigint unsigned", 3)->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64);
    auto fits = column(*wider, "f", "decimal", 4);
    fits->set_data_type(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL);
    fits->set_length(15);
    fits->set_scale(2);
    EXPECT_EQ(create(*wider, false), "CREATE TABLE IF NOT EXISTS \"x\" (\n    \"d\" DECIMAL_TEXT(30,10),\n"
                                     "    \"any\" DECIMAL_TEXT,\n    \"u\" DECIMAL_TEXT(20),\n    \"f\" NUMERIC(15,2)\n);\n\n");

    // A composite key in key order, whatever the order of its columns.
    auto ordered = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "ko");
    guint8 place = 3;
    for (const char* n : {"a", "b", "c"}) {
        auto c = column(*ordered, n, "INTEGER", 1);
        c->set_is_primary_key(true);
        c->set_primary_ordinal(place--);
    }
    EXPECT_NE(create(*ordered).find("PRIMARY KEY (\"c\", \"b\", \"a\")"), std::string::npos);

    auto empty = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "e");
    EXPECT_EQ(create(*empty), "CREATE TABLE IF NOT EXISTS \"e\" (\n\n);\n\n");
    // A key written "REFERENCES t" (to t's primary key) has no referenced columns.
    auto implicit = MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), "f", "main", "k");
    implicit->set_local_columns("a");
    implicit->set_refer_columns("");
    gobj::GeeArray<MetaConstraint>::wrap(empty->get_constraints()).append(implicit);
    EXPECT_EQ(create(*empty), "CREATE TABLE IF NOT EXISTS \"e\" (\n    CONSTRAINT \"f\" FOREIGN KEY(\"a\") REFERENCES \"k\"\n);\n\n");
}

// Counting key columns as other products' readers leave them: each is written as SQLite's
// INTEGER PRIMARY KEY AUTOINCREMENT, whatever its own type name, and counts from 1.
TEST_F(SqliteBuilder, ACountingKeyOfAnyIntegerTypeBecomesTheRowid) {
    struct Case {
        const char* raw;
        TarvelinProvidersContractsDataType type;
        bool raw_types;
    } cases[] = {
        {"int4", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, true},    // PostgreSQL serial
        {"bigint", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, true},  // bigserial
        {"int(11)", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, true},
        {"serial", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, true},
        {"integer", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        const std::string name = "counted" + std::to_string(n++);
        auto t = MetaTable::create_with_names(MetaTable::gtype(), "", "main", name.c_str());
        auto id = column(*t, "id", c.raw, 1);
        id->set_data_type(c.type);
        id->set_is_primary_key(true);
        id->set_auto_increment(true);
        id->set_not_null(true);
        column(*t, "v", "TEXT", 2);
        const std::string text = create(*t, c.raw_types);
        EXPECT_NE(text.find("    \"id\" INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,\n"), std::string::npos) << text;
        run(text);
        run("INSERT INTO \"" + name + "\" (v) VALUES ('a'), ('b');");
        EXPECT_EQ(rows("SELECT id, v FROM \"" + name + "\" ORDER BY id"), (std::vector<std::string>{"1|a", "2|b"}));
    }
}

TEST_F(SqliteBuilder, StandAloneTexts) {
    auto view = MetaView::create_with_names(MetaView::gtype(), "", "main", "v");
    view->set_definition("SELECT 1;");
    gobj::StringMap::wrap(GEE_MAP(view->get_attributes())).set("TEMPORARY", "true");
    EXPECT_EQ(create(*view), "CREATE TEMPORARY VIEW \"v\" AS SELECT 1;\n\n");
    view->set_definition("SELECT 2");
    gobj::StringMap::wrap(GEE_MAP(view->get_attributes())).set("TEMPORARY", "false");
    EXPECT_EQ(create(*view), "CREATE VIEW \"v\" AS SELECT 2;\n\n");

    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "", "main", "t", "i");
    index->set_kind("anything");
    index->append("a");
    index->append("b");
    EXPECT_EQ(create(*index), "CREATE UNIQUE INDEX \"i\" ON \"t\"( \n    \"a\",\n    \"b\"\n);");
    index->set_where("a > 0");
    EXPECT_EQ(create(*index), "CREATE UNIQUE INDEX \"i\" ON \"t\"( \n    \"a\",\n    \"b\"\n) WHERE a > 0;");

    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), "tr", "  SELECT 1  ");
    trigger->set_timing("AFTER");
    trigger->set_event("UPDATE");
    trigger->set_columns("a");
    trigger->set_target("t");
    trigger->set_when("NEW.a > 0");
    EXPECT_EQ(create(*trigger), "CREATE TRIGGER \"tr\" AFTER UPDATE OF \"a\" ON \"t\" WHEN NEW.a > 0\nBEGIN\n SELECT 1;\nEND;\n");
    trigger->set_body("SELECT 2;");
    trigger->set_when("");
    trigger->set_event("INSERT");
    EXPECT_EQ(create(*trigger), "CREATE TRIGGER \"tr\" AFTER INSERT ON \"t\" BEGIN\n SELECT 2;\nEND;\n");
}

TEST_F(SqliteBuilder, PatchByState) {
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "t");
    column(*table, "a", "INTEGER", 1);
    auto view = MetaView::create_with_names(MetaView::gtype(), "", "main", "v");
    view->set_definition("SELECT 1");
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "", "main", "t", "i");
    struct Case {
        MetaObject* object;
        TarvelinProvidersContractsDataVersion state;
        std::string text;
    } cases[] = {
        {table.get(), kInitial, ""},
        {table.get(), kIdentical, ""},
        {table.get(), kInsert, "CREATE TABLE IF NOT EXISTS \"t\" (\n    \"a\" INTEGER\n);\n\n"},
        {table.get(), kDelete, "DROP TABLE IF EXISTS \"t\";"},
        {view.get(), kInsert, "CREATE VIEW \"v\" AS SELECT 1;\n\n"},
        {view.get(), kUpdate, "DROP VIEW IF EXISTS \"v\";\nCREATE VIEW \"v\" AS SELECT 1;\n\n"},
        {view.get(), kDelete, "DROP VIEW IF EXISTS \"v\";"},
        {view.get(), kIdentical, ""},
        {index.get(), kInsert, ""},
        {index.get(), kDelete, ""},
    };
    for (const auto& c : cases) {
        c.object->set_version(c.state);
        EXPECT_EQ(patch(*c.object), c.text) << c.object->get_name() << " in state " << c.state;
    }
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "", "main");
    for (const char* n : {"t1", "t2"})
        gobj::GeeArray<MetaTable>::wrap(schema->get_tables()).append(
            MetaTable::create_with_names(MetaTable::gtype(), "", "main", n));
    gobj::GeeArray<MetaView>::wrap(schema->get_views()).append(view);
    EXPECT_EQ(drop(*schema), "DROP TABLE IF EXISTS \"t1\";DROP TABLE IF EXISTS \"t2\";DROP VIEW IF EXISTS \"v\";");
}

TEST_F(SqliteBuilder, MissingObjectsAreRefused) {
    test::LogCapture capture;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_ibuildable_build_table(builder(), nullptr, TRUE), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_ibuildable_patch_table(builder(), nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_ibuildable_build_create(builder(), nullptr, TRUE), nullptr);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "table != NULL"), 2);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "meta_object != NULL"), 1);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sq_lite_builder_new(nullptr), nullptr);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "connection != NULL"), 1);
}

// The fixture's main schema, built with raw types on a new file and read back.
TEST_F(SqliteBuilder, RoundTripOfTheFixture) {
    auto original = read_deep();
    auto main = schema_named(*original, "main");
    std::string script = schema_script(*main);
    open("copy.db");
    run(script);
    auto copy = read_deep();
    auto copied = schema_named(*copy, "main");

    // The counter's current value is data: the copy's sqlite_sequence has no row for it
    // until a row goes in.
    auto without_gaps = [](MetaTable& t) {
        gobj::StringMap options = gobj::StringMap::wrap(GEE_MAP(t.get_options()));
        if (std::string(t.get_name()) == "counter") gee_map_unset(options.map(), "AUTOINCREMENT", nullptr);
        return json_of(t);
    };
    std::vector<std::string> names;
    for (auto t : gobj::GeeArray<MetaTable>::wrap(main->get_tables())) {
        SCOPED_TRACE(t->get_name());
        if (std::string(t->get_name()) == "sqlite_sequence") continue;
        auto back = table_named(*copied, t->get_name());
        ASSERT_TRUE(back);
        EXPECT_EQ(without_gaps(*back), without_gaps(*t));
        names.emplace_back(t->get_name());
    }
    EXPECT_EQ(names.size(), 5u);
    // The AUTOINCREMENT table came back as one: SQLite made its own sqlite_sequence.
    EXPECT_TRUE(table_named(*copied, "counter")->get_column("id")->get_auto_increment());
    EXPECT_TRUE(table_named(*copied, "sqlite_sequence"));
    auto views = gobj::GeeArray<MetaView>::wrap(copied->get_views());
    ASSERT_EQ(views.size(), 1);
    EXPECT_EQ(json_of(*views.at(0)), json_of(*gobj::GeeArray<MetaView>::wrap(main->get_views()).at(0)));

    // Kind's UNIQUE (label), written without ON CONFLICT, is carried: SQLite's index for it.
    EXPECT_EQ(rows("SELECT count(*) FROM sqlite_master WHERE tbl_name = 'kind' AND type = 'index'"),
              (std::vector<std::string>{"1"}));

    // Referenced tables come first in the script.
    EXPECT_LT(script.find("\"parent\" ("), script.find("\"child\" ("));
    EXPECT_LT(script.find("\"kind\" ("), script.find("\"child\" ("));
}

TEST_F(SqliteBuilder, NamesOfEverySpellingRoundTrip) {
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "fixture", "main");
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    for (const char* n : kSpellings) {
        auto t = MetaTable::create_with_names(MetaTable::gtype(), "fixture", "main", n);
        auto key = column(*t, n, "INTEGER", 1);
        key->set_is_primary_key(true);
        column(*t, "ref", "INTEGER", 2);
        auto fk = MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), (std::string(n) + " fk").c_str(), "main",
                                                    n);
        fk->set_local_columns("ref");
        fk->set_refer_columns(n);
        gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints()).append(fk);
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), (std::string(n) + " ck").c_str(), "ref > 0");
        gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints()).append(check);
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "fixture", "main", n, (std::string(n) + " i").c_str());
        index->append("ref");
        gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).append(index);
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), (std::string(n) + " t").c_str(),
                                                     "BEGIN SELECT 1; END");
        trigger->set_timing("AFTER");
        trigger->set_event("INSERT");
        gobj::GeeArray<MetaTrigger>::wrap(t->get_triggers()).append(trigger);
        tables.append(t);
        auto view = MetaView::create_with_names(MetaView::gtype(), "fixture", "main", (std::string(n) + " v").c_str());
        view->set_definition("SELECT 1 AS one");
        gobj::GeeArray<MetaView>::wrap(schema->get_views()).append(view);
    }
    run(schema_script(*schema));
    auto back = read_schema("main");
    for (const char* n : kSpellings) {
        SCOPED_TRACE(n);
        auto t = table_named(*back, n);
        ASSERT_TRUE(t);
        EXPECT_STREQ(gobj::GeeArray<MetaColumn>::wrap(t->get_columns()).peek(0)->get_name(), n);
        auto constraints = gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints());
        ASSERT_EQ(constraints.size(), 2);
        auto* fk = dynamic_cast<MetaForeignKey*>(constraints.peek(0));
        ASSERT_TRUE(fk);
        EXPECT_STREQ(fk->get_refer_table(), n);
        EXPECT_STREQ(fk->get_refer_columns(), n);
        EXPECT_EQ(std::string(constraints.peek(1)->get_name()), std::string(n) + " ck");
        EXPECT_EQ(std::string(gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).peek(0)->get_name()),
                  std::string(n) + " i");
        EXPECT_EQ(std::string(gobj::GeeArray<MetaTrigger>::wrap(t->get_triggers()).peek(0)->get_name()),
                  std::string(n) + " t");
        // The stand-alone texts of the same objects run as well.
        auto view = MetaView::create_with_names(MetaView::gtype(), "", "main", (std::string(n) + " w").c_str());
        view->set_definition("SELECT 2");
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "", "main", n, (std::string(n) + " j").c_str());
        index->append("ref");
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), (std::string(n) + " u").c_str(), "SELECT 2");
        trigger->set_timing("BEFORE");
        trigger->set_event("DELETE");
        trigger->set_target(n);
        run(create(*view) + create(*index) + create(*trigger));
        run(drop(*view) + drop(*index) + drop(*trigger) + drop(*t));
    }
}

// Each key part that names a column is written quoted, whatever the name holds; a part
// with COLLATE, ASC or DESC after a column keeps them; an expression, a name already
// quoted and a part that names no column are written as they stand.
TEST_F(SqliteBuilder, KeyPartsThatNameColumnsAreQuoted) {
    const char* const kHostile = "id); DROP TABLE victim; CREATE INDEX zz ON other(a";
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "t");
    guint16 ordinal = 0;
    for (const char* n : {"id", kHostile, "MixedCase", "zürich_表_🙂", "a\"b", "a b", "select", "x DESC"})
        column(*t, n, "TEXT", ++ordinal);
    struct Case {
        const char* part;
        const char* sql;
    } cases[] = {
        {kHostile, "\"id); DROP TABLE victim; CREATE INDEX zz ON other(a\""},
        {"MixedCase", "\"MixedCase\""},
        // SQLite's names ignore ASCII case.
        {"mixedcase", "\"mixedcase\""},
        {"zürich_表_🙂", "\"zürich_表_🙂\""},
        {"a\"b", "\"a\"\"b\""},
        {"a b DESC", "\"a b\" DESC"},
        {"select COLLATE NOCASE ASC", "\"select\" COLLATE NOCASE ASC"},
        {"x DESC", "\"x DESC\""},
        {"lower(id) || 'x'", "lower(id) || 'x'"},
        {"\"a b\" DESC", "\"a b\" DESC"},
        {"nosuch", "nosuch"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.part);
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "", "main", "t", "i");
        index->append(c.part);
        gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).clear();
        gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).append(index);
        const std::string text = create(*t);
        EXPECT_NE(text.find(std::string("ON \"t\" (\n    ") + c.sql + "\n);"), std::string::npos) << text;
    }
}

// A column name made to close the key list and run statements of its own, in an index, a
// unique constraint and an UPDATE OF list: the script makes them on that column, and the
// sentinel table survives.
TEST_F(SqliteBuilder, AHostileColumnNameRunsNothing) {
    const std::string hostile = "id); DROP TABLE victim; CREATE INDEX zz ON other(a";
    open("hostile.db");
    run("CREATE TABLE victim (x INTEGER); CREATE TABLE other (a INTEGER);");
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "t");
    column(*t, "id", "INTEGER", 1);
    column(*t, hostile.c_str(), "TEXT", 2);
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "", "main", "t", "t_hostile");
    index->append(hostile.c_str());
    gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).append(index);
    auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), "u");
    unique->set_columns(hostile.c_str());
    unique->set_conflict("ABORT");
    gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints()).append(unique);
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), "tr", "BEGIN SELECT 1; END");
    trigger->set_timing("AFTER");
    trigger->set_event("UPDATE");
    trigger->set_columns(hostile.c_str());
    gobj::GeeArray<MetaTrigger>::wrap(t->get_triggers()).append(trigger);
    run(create(*t));

    // The stand-alone index, on the table now there.
    auto alone = MetaIndex::create_with_names(MetaIndex::gtype(), "", "main", "t", "t_alone");
    alone->append(hostile.c_str());
    alone->append("id DESC");
    run(create(*alone));

    EXPECT_EQ(rows("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"),
              (std::vector<std::string>{"other", "t", "victim"}));
    EXPECT_EQ(rows("SELECT count(*) FROM sqlite_master WHERE name = 'zz'"), (std::vector<std::string>{"0"}));
    EXPECT_EQ(rows("SELECT name FROM pragma_index_info('t_hostile')"), (std::vector<std::string>{hostile}));
    EXPECT_EQ(rows("SELECT name, desc FROM pragma_index_xinfo('t_alone') WHERE key"),
              (std::vector<std::string>{hostile + "|0", "id|1"}));
    // The unique constraint's own index is on the column too.
    EXPECT_EQ(rows("SELECT ii.name FROM pragma_index_list('t') il, pragma_index_info(il.name) ii WHERE il.origin = 'u'"),
              (std::vector<std::string>{hostile}));
    // The trigger fires on an update of that column.
    run("CREATE TABLE log (n INTEGER);");
    auto logged = MetaTrigger::create_with_body(MetaTrigger::gtype(), "logged", "INSERT INTO log VALUES (1)");
    logged->set_timing("AFTER");
    logged->set_event("UPDATE");
    logged->set_columns(hostile.c_str());
    logged->set_target("t");
    run(create(*logged));
    run("INSERT INTO t (id) VALUES (1); UPDATE t SET " + sql_name(hostile) + " = 'x';");
    EXPECT_EQ(rows("SELECT count(*) FROM log"), (std::vector<std::string>{"1"}));
}

// An index stored with bracketed, backquoted and doubled-quote names reads with the names
// unquoted (an expression keeps them, in double quotes), and the table built back from
// what was read has the same index.
TEST_F(SqliteBuilder, StoredKeyPartsReadUnquotedAndBuildTheSameIndex) {
    open("quoted.db");
    run("CREATE TABLE q (\"a b\" TEXT, \"c`d\" TEXT, \"e\"\"f\" TEXT, g TEXT);"
        "CREATE INDEX qi ON q ([a b] DESC, `c``d`, \"e\"\"f\" COLLATE NOCASE, 'g', lower([a b]));");
    auto q = read_table("q");
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(q->get_indexes());
    ASSERT_EQ(indexes.size(), 1);
    EXPECT_EQ(gobj::StringArray::wrap(indexes.peek(0)->get_columns()).to_vector(),
              (std::vector<std::string>{"\"a b\" DESC", "c`d", "\"e\"\"f\" COLLATE NOCASE", "g", "lower(\"a b\")"}));
    const std::string xinfo = "SELECT name, desc, coll, key FROM pragma_index_xinfo('qi')";
    const auto stored = rows(xinfo);
    const std::string script = create(*q);
    open("rebuilt.db");
    run(script);
    EXPECT_EQ(rows(xinfo), stored) << script;
}

// The rebuild of a table whose columns, index and neighbours changed.
TEST_F(SqliteBuilder, Rebuild) {
    open("rebuild.db");
    run("CREATE TABLE t (id INTEGER PRIMARY KEY, a TEXT, old_b TEXT, c TEXT, e TEXT);"
        "CREATE INDEX t_a ON t (a);"
        "CREATE INDEX t_c ON t (c);"
        "CREATE TABLE other (id INTEGER PRIMARY KEY, t_id INTEGER REFERENCES t(id));"
        "CREATE VIEW tv AS SELECT id, a FROM t;"
        "CREATE TABLE log (msg TEXT);"
        "CREATE TRIGGER other_ins AFTER INSERT ON other BEGIN INSERT INTO log SELECT a FROM t WHERE id = NEW.t_id; END;"
        "INSERT INTO t VALUES (1, 'a1', 'b1', 'c1', 'e1'), (2, 'a2', 'b2', 'c2', 'e2');"
        "INSERT INTO other VALUES (10, 1);");
    std::vector<std::string> neighbours_before =
        rows("SELECT name, sql FROM sqlite_master WHERE name IN ('other', 'tv', 'other_ins') ORDER BY name");

    auto t = read_table("t");
    t->set_version(kUpdate);
    for (auto col : gobj::GeeArray<MetaColumn>::wrap(t->get_columns())) col->set_version(kIdentical);
    auto b = t->get_column("old_b");
    b->set_name("b");
    b->set_original("old_b");
    b->set_version(kUpdate);
    t->get_column("c")->set_version(kDelete);
    t->get_column("e")->set_version(kDelete);
    // f takes over the data of e, the dropped column of its ordinal; d starts empty.
    column(*t, "d", "TEXT", 7)->set_version(kInsert);
    column(*t, "f", "TEXT", 5)->set_version(kInsert);
    for (auto index : gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()))
        index->set_version(std::string(index->get_name()) == "t_c" ? kDelete : kIdentical);

    std::string script = patch(*t);
    const char* backup = static_cast<const char*>(g_object_get_data(t->gobj(), "BACKUP"));
    ASSERT_NE(backup, nullptr);
    std::string stamp = std::string(backup).substr(6);
    EXPECT_EQ(std::string(backup).substr(0, 6), "t_old_");
    EXPECT_TRUE(stamp.size() == 14 && stamp.find_first_not_of("0123456789") == std::string::npos) << backup;
    EXPECT_EQ(script.rfind("PRAGMA foreign_keys = OFF;\nPRAGMA legacy_alter_table = ON;\n", 0), 0u) << script;
    EXPECT_NE(script.find("INSERT INTO \"t\" (\"id\", \"a\", \"b\", \"f\") SELECT \"id\", \"a\", \"old_b\", \"e\" FROM \"" +
                          std::string(backup) + "\";\n"),
              std::string::npos)
        << script;
    EXPECT_EQ(script.size() - script.rfind("PRAGMA legacy_alter_table = OFF;\nPRAGMA foreign_keys = ON;"),
              std::string("PRAGMA legacy_alter_table = OFF;\nPRAGMA foreign_keys = ON;").size());
    run(script);

    EXPECT_EQ(rows("SELECT id, a, b, d, f FROM t ORDER BY id"), (std::vector<std::string>{"1|a1|b1||e1", "2|a2|b2||e2"}));
    EXPECT_EQ(rows("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 't'"),
              (std::vector<std::string>{"t_a"}));
    EXPECT_EQ(rows("SELECT name, sql FROM sqlite_master WHERE name IN ('other', 'tv', 'other_ins') ORDER BY name"),
              neighbours_before);
    EXPECT_EQ(rows("PRAGMA foreign_key_list(other)"), (std::vector<std::string>{"0|0|t|t_id|id|NO ACTION|NO ACTION|NONE"}));
    EXPECT_EQ(rows("SELECT * FROM tv ORDER BY id"), (std::vector<std::string>{"1|a1", "2|a2"}));
    run("INSERT INTO other VALUES (11, 2);");
    EXPECT_EQ(rows("SELECT msg FROM log"), (std::vector<std::string>{"a1", "a2"}));
    // The copy aside goes once the rows are in.
    EXPECT_EQ(rows("SELECT name FROM sqlite_master WHERE name = '" + std::string(backup) + "'"),
              std::vector<std::string>{});
    EXPECT_TRUE(rows("PRAGMA foreign_key_check").empty());
    EXPECT_EQ(scalar("PRAGMA foreign_keys"), "1");

    // Again within the same second: the backup gets a name of its own.
    auto again = read_table("t");
    for (auto col : gobj::GeeArray<MetaColumn>::wrap(again->get_columns())) col->set_version(kIdentical);
    std::string second = rebuild(*again);
    const char* second_backup = static_cast<const char*>(g_object_get_data(again->gobj(), "BACKUP"));
    EXPECT_STRNE(second_backup, backup);
    run(second);
    EXPECT_EQ(rows("SELECT id, a, b, d, f FROM t ORDER BY id"), (std::vector<std::string>{"1|a1|b1||e1", "2|a2|b2||e2"}));
    EXPECT_TRUE(rows("PRAGMA foreign_key_check").empty());
}

TEST_F(SqliteBuilder, RebuildWithNothingToCopy) {
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "", "main", "kind");
    column(*t, "x", "TEXT", 1)->set_version(kInsert);
    std::string script = rebuild(*t);
    EXPECT_EQ(script.find("INSERT INTO"), std::string::npos) << script;
    EXPECT_EQ(script.find("DROP INDEX"), std::string::npos) << script;
    EXPECT_EQ(script.find("DROP TRIGGER"), std::string::npos) << script;
    run(script);
    EXPECT_EQ(rows("PRAGMA table_info(kind)").size(), 1u);
}

}  // namespace
}  // namespace sqlite_dialect_test
