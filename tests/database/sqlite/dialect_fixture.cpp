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

std::string data_file(const std::string& name) {
    const char* root = g_getenv("TARVELIN_SQLITE_DATA");
    return std::string(root ? root : ".") + "/" + name;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace sqlite_dialect_test
