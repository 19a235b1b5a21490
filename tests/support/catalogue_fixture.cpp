#include "support/catalogue_fixture.hpp"

#include <json-glib/json-glib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#include "providers/contracts/face_server.hpp"
#include "providers/contracts/value_object.hpp"
#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "support/driver_checks.hpp"
#include "support/servers.hpp"

namespace tarvelin::test {

using providers::contracts::Server;

ScratchDatabase::ScratchDatabase(std::string prefix, std::function<gobj::Ref<ConnectionImpl>()> make)
    : prefix_(std::move(prefix)), make_(std::move(make)) {}

std::string ScratchDatabase::scratch_name(const std::string& stem) const {
    static std::atomic<int> counter{0};
    return prefix_ + "_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" + stem;
}

void ScratchDatabase::SetUp() {
    auto address = mysql_server();
    TARVELIN_REQUIRE_SERVER(address, "MySQL-family (MariaDB)");
    connection = make_();
    auto server = Server::create();
    g_object_set(server->gobj(), "uuid", ("live-" + prefix_).c_str(), "host", address->host.c_str(), "port",
                 address->port, "username", address->user.c_str(), "password", address->password.c_str(), "initial",
                 address->database.c_str(), nullptr);
    connection->open(server.get(), nullptr);
    database = scratch_name("db");
    run("CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci; USE `" + database + "`;");
    user = rows("SELECT CURRENT_USER();").at(0);
}

void ScratchDatabase::TearDown() {
    if (!connection) return;
    for (const auto& name : extra_databases) run("DROP DATABASE IF EXISTS `" + name + "`;");
    for (const auto& sql : cleanup) run(sql);
    if (!database.empty()) run("DROP DATABASE IF EXISTS `" + database + "`;");
    connection->close();
}

void ScratchDatabase::run(const std::string& sql) {
    gint length = 0;
    GObject** results = nullptr;
    try {
        results = connection->execute(sql.c_str(), false, &length);
    } catch (const gobj::Error& e) {
        ADD_FAILURE() << e.message() << "\n" << sql;
        return;
    }
    for (gint i = 0; i < length; ++i) {
        if (G_TYPE_CHECK_INSTANCE_TYPE(results[i], providers::contracts::ValueError::gtype()))
            ADD_FAILURE() << "statement " << i << ": "
                          << take(tarvelin_providers_contracts_value_object_to_string(
                                 reinterpret_cast<TarvelinProvidersContractsValueObject*>(results[i])))
                          << "\n" << sql;
        g_object_unref(results[i]);
    }
    g_free(results);
}

std::vector<std::string> ScratchDatabase::rows(const std::string& sql) {
    std::vector<std::string> out;
    auto table = connection->execute_as_model(sql.c_str(), false);
    for (auto row : table->get_rows()) {
        std::string line;
        bool first = true;
        for (auto value : row->get_values()) {
            line += (first ? "" : "|") + (value->get_is_null() ? std::string() : value->to_string());
            first = false;
        }
        out.push_back(line);
    }
    return out;
}

std::string fill(const gobj::Ref<gobj::Object>& adapter, rezezadovu::meta_model::MetaObject& object, bool deep) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
        reinterpret_cast<TarvelinRezezadovuContractsDatabaseIAdaptable*>(adapter.gobj()),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaObject*>(object.gobj()), deep, &error);
    return describe(error);
}

bool filled(rezezadovu::meta_model::MetaObject& object) {
    return g_object_get_data(object.gobj(), rezezadovu::meta_model::kFilled) != nullptr;
}

std::vector<std::string> entries(GeeHashMap* map) {
    std::vector<std::string> out;
    GeeMapIterator* it = gee_abstract_map_map_iterator(GEE_ABSTRACT_MAP(map));
    while (gee_map_iterator_next(it)) {
        auto* key = static_cast<gchar*>(gee_map_iterator_get_key(it));
        auto* value = static_cast<gchar*>(gee_map_iterator_get_value(it));
        out.push_back(std::string(key) + "=" + (value ? value : "(null)"));
        g_free(key);
        g_free(value);
    }
    g_object_unref(it);
    std::sort(out.begin(), out.end());
    return out;
}

std::string sql_name(const std::string& name) {
    std::string out = "`";
    for (char ch : name) out += ch == '`' ? std::string("``") : std::string(1, ch);
    return out + "`";
}

std::string take(gchar* text) { return text ? gobj::take_string(text) : std::string("(null)"); }

std::string type_name(const gobj::Ref<gobj::Object>& object) { return object ? G_OBJECT_TYPE_NAME(object.gobj()) : "(none)"; }

static std::string json_text(rezezadovu::meta_model::MetaObject& object, bool pretty) {
    JsonNode* node = json_gobject_serialize(object.gobj());
    gchar* s = json_to_string(node, pretty);
    json_node_unref(node);
    return take(s);
}
std::string json_of(rezezadovu::meta_model::MetaObject& object) { return json_text(object, false); }
std::string pretty_json_of(rezezadovu::meta_model::MetaObject& object) { return json_text(object, true) + "\n"; }

std::string golden(const std::string& dir, const std::string& name, const std::string& actual) {
    std::string path = dir + "/" + name;
    if (g_getenv("TARVELIN_UPDATE_GOLDEN")) std::ofstream(path) << actual;
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

using namespace rezezadovu::meta_model;

gobj::Ref<MetaColumn> add_column(MetaTable& table, const Col& c) {
    auto column = table.new_column(c.name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    column->set_raw_type(c.raw);
    column->set_length(c.length);
    column->set_scale(c.scale);
    column->set_not_null(c.not_null);
    column->set_default_value(c.fallback);
    column->set_version(c.version);
    return column;
}

gobj::Ref<MetaIndex> add_index(MetaTable& table, const char* name, const char* kind, std::vector<std::string> columns,
                               const char* method, DataVersion version) {
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                              table.get_name(), name);
    index->set_kind(kind);
    index->set_method(method);
    index->set_version(version);
    for (const auto& c : columns) index->append(c.c_str());
    gobj::GeeArray<MetaIndex>::wrap(table.get_indexes()).append(index);
    return index;
}

gobj::Ref<MetaForeignKey> add_foreign(MetaTable& table, const char* name, const char* local, const char* refer_table,
                                      const char* refer, DataVersion version) {
    auto key = MetaForeignKey::create_with_name(MetaForeignKey::gtype(), name);
    key->set_local_columns(local);
    key->set_refer_table(refer_table);
    key->set_refer_columns(refer);
    key->set_version(version);
    gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints()).append(key);
    return key;
}

}  // namespace tarvelin::test
