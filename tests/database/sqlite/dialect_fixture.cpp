#include "dialect_fixture.hpp"

#include <json-glib/json-glib.h>

#include <fstream>
#include <sstream>

namespace sqlite_dialect_test {

std::string take(gchar* text) {
    if (!text) return "(null)";
    std::string s(text);
    g_free(text);
    return s;
}

std::string sql_name(std::string name) {
    for (size_t at = name.find('"'); at != std::string::npos; at = name.find('"', at + 2)) name.insert(at, "\"");
    return "\"" + name + "\"";
}

void Dialect::SetUp() { open(); }

void Dialect::TearDown() { close(); }

void Dialect::open(const std::string& file) {
    close();
    conn = tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    record = tarvelin_providers_contracts_server_new();
    g_object_set(record, "uuid", "SQLITE-DIALECT", "driver", "SQLite", "filename", path(file).c_str(), "initial",
                 "main", nullptr);
    GError* error = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c(), record, nullptr, &error);
    ASSERT_EQ(test::describe(error), "(none)");
}

void Dialect::close() {
    for (GObject* o : kept_) g_object_unref(o);
    kept_.clear();
    if (conn) {
        tarvelin_rezezadovu_supports_database_connection_impl_close(c());
        g_object_unref(conn);
        conn = nullptr;
    }
    if (record) g_object_unref(record);
    record = nullptr;
}

GObject* Dialect::keep(gpointer object) {
    if (object) kept_.push_back(G_OBJECT(object));
    return G_OBJECT(object);
}

IStatement* Dialect::statement() {
    return reinterpret_cast<IStatement*>(keep(tarvelin_rezezadovu_contracts_database_iconnection_statement(i())));
}
IAdaptable* Dialect::adapter() {
    return reinterpret_cast<IAdaptable*>(keep(tarvelin_rezezadovu_contracts_database_iconnection_adapter(i())));
}
IBuildable* Dialect::builder() {
    return reinterpret_cast<IBuildable*>(keep(tarvelin_rezezadovu_contracts_database_iconnection_builder(i())));
}
IExplorable* Dialect::explorer() {
    return reinterpret_cast<IExplorable*>(keep(tarvelin_rezezadovu_contracts_database_iconnection_explorer(i())));
}
IInspectable* Dialect::inspector() {
    return reinterpret_cast<IInspectable*>(keep(tarvelin_rezezadovu_contracts_database_iconnection_inspector(i())));
}

void Dialect::run(const std::string& script) {
    GError* error = nullptr;
    gint length = 0;
    GObject** results =
        tarvelin_rezezadovu_contracts_database_iconnection_execute(i(), script.c_str(), TRUE, &length, &error);
    ASSERT_EQ(test::describe(error), "(none)") << script;
    for (gint k = 0; k < length; ++k) {
        if (G_TYPE_CHECK_INSTANCE_TYPE(results[k], tarvelin_providers_contracts_value_error_get_type())) {
            gchar* text = tarvelin_providers_contracts_value_object_to_string(
                reinterpret_cast<TarvelinProvidersContractsValueObject*>(results[k]));
            ADD_FAILURE() << "statement " << k << " failed: " << take(text) << "\nin script:\n" << script;
        }
        g_object_unref(results[k]);
    }
    g_free(results);
}

std::string Dialect::scalar(const std::string& sql) {
    GError* error = nullptr;
    auto* value = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(i(), sql.c_str(), TRUE, &error);
    EXPECT_EQ(test::describe(error), "(none)") << sql;
    if (!value) return "(none)";
    std::string text = take(tarvelin_providers_contracts_value_object_to_string(value));
    g_object_unref(value);
    return text;
}

std::vector<std::string> Dialect::rows(const std::string& sql) {
    GError* error = nullptr;
    auto* table = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(i(), sql.c_str(), TRUE, &error);
    EXPECT_EQ(test::describe(error), "(none)") << sql;
    std::vector<std::string> out;
    if (!table) return out;
    auto model = Ref<providers::contracts::TableModel>::adopt(table);
    for (auto row : model->get_rows()) {
        std::string line;
        for (auto value : row->get_values()) line += (line.empty() ? "" : "|") + value->to_string();
        out.push_back(line);
    }
    return out;
}

namespace {
const char* const kCatalogue = R"sql(
CREATE TABLE parent (a INTEGER, b TEXT, name VARCHAR(40) NOT NULL DEFAULT 'x', PRIMARY KEY (a, b));
CREATE TABLE kind (id INTEGER PRIMARY KEY, label TEXT COLLATE NOCASE, CONSTRAINT u_label UNIQUE (label));
CREATE TABLE IF NOT EXISTS "child" (
    "id" INTEGER PRIMARY KEY,
    "pa" INTEGER,
    "pb" TEXT,
    "kind_id" INTEGER,
    "qty" NUMERIC,
    "price" DECIMAL(10,2),
    CONSTRAINT "fk_parent" FOREIGN KEY("pa", "pb") REFERENCES "parent"("a", "b") ON DELETE CASCADE,
    CONSTRAINT "fk_kind" FOREIGN KEY("kind_id") REFERENCES "kind"("id"),
    CONSTRAINT "u_pair" UNIQUE (pa, kind_id) ON CONFLICT ABORT,
    CONSTRAINT "c_qty" CHECK (qty > 0)
);
CREATE TABLE tags (tag TEXT PRIMARY KEY, weight REAL) WITHOUT ROWID;
CREATE TABLE counter (id INTEGER PRIMARY KEY AUTOINCREMENT, note TEXT);
INSERT INTO counter (id, note) VALUES (42, 'start');
CREATE UNIQUE INDEX child_kind ON child (kind_id, id);
CREATE INDEX "child_multi"
ON "child" (
    "pa",
    "pb"
);
CREATE INDEX child_partial ON child (qty) WHERE qty > 10;
CREATE TRIGGER child_price AFTER UPDATE OF qty, price ON child FOR EACH ROW WHEN NEW.qty > 0
BEGIN UPDATE counter SET note = 'changed' WHERE id = 42; END;
CREATE TRIGGER child_case BEFORE INSERT ON child
BEGIN SELECT CASE WHEN NEW.qty IS NULL THEN RAISE(ABORT, 'no qty') END; END;
CREATE VIEW child_view AS SELECT id, qty FROM child;
CREATE TRIGGER child_view_insert INSTEAD OF INSERT ON child_view
BEGIN INSERT INTO child (id, qty) VALUES (NEW.id, NEW.qty); END;
)sql";
}  // namespace

void Catalogue::SetUp() {
    Dialect::SetUp();
    run(kCatalogue);
    run("ATTACH DATABASE '" + path("aux.db") + "' AS aux; CREATE TABLE aux.kind (code TEXT, description TEXT);");
    reopen();
}

void Catalogue::reopen() {
    open("main.db");
    run("ATTACH DATABASE '" + path("aux.db") + "' AS aux; CREATE TEMP VIEW recent AS SELECT id FROM child;");
}

Ref<MetaDatabase> Catalogue::read_deep() {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "fixture");
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
        adapter(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(database.gobj()), TRUE, &error);
    EXPECT_EQ(test::describe(error), "(none)");
    return database;
}

Ref<MetaSchema> schema_named(MetaDatabase& database, const std::string& name) {
    for (auto s : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas()))
        if (name == (s->get_name() ? s->get_name() : "")) return s;
    return {};
}

Ref<MetaTable> table_named(MetaSchema& schema, const std::string& name) {
    for (auto t : gobj::GeeArray<MetaTable>::wrap(schema.get_tables()))
        if (name == (t->get_name() ? t->get_name() : "")) return t;
    return {};
}

std::string json_of(MetaObject& object) {
    JsonNode* node = json_gobject_serialize(object.gobj());
    gchar* s = json_to_string(node, FALSE);
    json_node_unref(node);
    return take(s);
}

std::string pretty_json_of(MetaObject& object) {
    JsonNode* node = json_gobject_serialize(object.gobj());
    gchar* s = json_to_string(node, TRUE);
    json_node_unref(node);
    return take(s) + "\n";
}

std::string golden(const std::string& name, const std::string& actual) {
    std::string path = std::string(TARVELIN_SQLITE_TEST_DATA) + "/" + name;
    if (g_getenv("TARVELIN_UPDATE_GOLDEN")) std::ofstream(path) << actual;
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace sqlite_dialect_test
