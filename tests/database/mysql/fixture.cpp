#include "fixture.hpp"

#include <json-glib/json-glib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#include "providers/contracts/value_object.hpp"

namespace mysql_dialect_test {

using providers::contracts::Server;

TARVELIN_GTYPE(ScriptedMySQLConnection, "TarvelinTestScriptedMySQLConnection", MySQLConnection)

Ref<ScriptedMySQLConnection> ScriptedMySQLConnection::create(const Ref<ScriptedProvider>& provider) {
    auto connection = gobj::create<ScriptedMySQLConnection>(gtype());
    connection->set_provider(Ref<IProvider>::retain(provider.instance()));
    return connection;
}

Scripted::Scripted(const std::string& version) : connection(ScriptedMySQLConnection::create(provider)) {
    provider->answer_rows("select version();", {{"version()", kString}}, {{version.c_str()}});
}

void Scripted::open() {
    auto server = Server::create();
    g_object_set(server->gobj(), "uuid", "scripted-mysql", "host", "scripted", nullptr);
    connection->open(server.get(), nullptr);
}

Ref<gobj::Object> Scripted::adapter() {
    return Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c()));
}
Ref<gobj::Object> Scripted::builder() {
    return Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_builder(c()));
}
Ref<gobj::Object> Scripted::explorer() {
    return Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c()));
}

// ---------------------------------------------------------------- live

std::string Live::scratch_name(const std::string& stem) {
    static std::atomic<int> counter{0};
    return "mysql_dialect_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" + stem;
}

void Live::SetUp() {
    auto address = test::mysql_server();
    TARVELIN_REQUIRE_SERVER(address, "MySQL-family (MariaDB)");
    connection = MySQLConnection::create();
    auto server = Server::create();
    g_object_set(server->gobj(), "uuid", "live-mysql", "host", address->host.c_str(), "port", address->port,
                 "username", address->user.c_str(), "password", address->password.c_str(), "initial",
                 address->database.c_str(), nullptr);
    connection->open(server.get(), nullptr);
    database = scratch_name("db");
    run("CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci; USE `" + database + "`;");
    user = rows("SELECT CURRENT_USER();").at(0);
}

void Live::TearDown() {
    if (!connection) return;
    for (const auto& name : extra_databases) run("DROP DATABASE IF EXISTS `" + name + "`;");
    for (const auto& sql : cleanup) run(sql);
    if (!database.empty()) run("DROP DATABASE IF EXISTS `" + database + "`;");
    connection->close();
}

void Live::run(const std::string& sql) {
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

std::vector<std::string> Live::rows(const std::string& sql) {
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

const char* const kLiveCatalogue = R"sql(
CREATE TABLE parent (
  a INT NOT NULL,
  b INT NOT NULL,
  label VARCHAR(40) NOT NULL DEFAULT 'x',
  kind ENUM('small','large') NOT NULL DEFAULT 'small',
  flags SET('red','green') NULL,
  doubled INT GENERATED ALWAYS AS (a * 2) VIRTUAL,
  note TEXT NULL COMMENT 'free text',
  price DECIMAL(10,2) NOT NULL DEFAULT 0.00,
  PRIMARY KEY (b, a),
  UNIQUE KEY uq_label (label),
  KEY ix_price (price),
  FULLTEXT KEY ft_note (note)
) ENGINE=InnoDB COMMENT='parents';
CREATE TABLE child (
  id INT UNSIGNED NOT NULL AUTO_INCREMENT,
  pb INT NOT NULL,
  pa INT NOT NULL,
  qty INT NOT NULL DEFAULT 1,
  PRIMARY KEY (id),
  CONSTRAINT fk_parent FOREIGN KEY (pb, pa) REFERENCES parent (b, a) ON DELETE CASCADE
) ENGINE=InnoDB;
CREATE TRIGGER child_qty BEFORE INSERT ON child FOR EACH ROW BEGIN SET NEW.qty = NEW.qty + 1; END;
CREATE VIEW big_parents AS SELECT a, b, price FROM parent WHERE price > 10 WITH CASCADED CHECK OPTION;
CREATE FUNCTION add_two(x INT, y INT) RETURNS INT DETERMINISTIC COMMENT 'sum' BEGIN RETURN x + y; END;
CREATE PROCEDURE touch(IN p INT, OUT q INT) BEGIN SET q = p + 1; END;
CREATE EVENT nightly ON SCHEDULE EVERY 1 DAY STARTS '2030-01-01 03:00:00' ON COMPLETION PRESERVE ENABLE
  COMMENT 'cleanup' DO DELETE FROM child WHERE qty = 0;
CREATE EVENT once ON SCHEDULE AT '2031-06-01 12:00:00' ON COMPLETION NOT PRESERVE DISABLE DO UPDATE child SET qty = 2;
)sql";

std::string fill(const Ref<gobj::Object>& adapter, MetaObject& object, bool deep) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
        reinterpret_cast<CAdaptable*>(adapter.gobj()), reinterpret_cast<TarvelinRezezadovuMetaModelMetaObject*>(object.gobj()),
        deep, &error);
    return test::describe(error);
}

bool filled(MetaObject& object) { return g_object_get_data(object.gobj(), kFilled) != nullptr; }

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

void LiveCatalogue::SetUp() {
    Live::SetUp();
    if (!connection) return;
    run(kLiveCatalogue);
    using rezezadovu::supports::database::MySQLAdapterV5x;
    reader = MySQLAdapterV5x::create(MySQLAdapterV5x::gtype(), c());
}

std::string LiveCatalogue::renamed_json(MetaObject& object,
                                        const std::vector<std::pair<std::string, std::string>>& names) {
    std::string json = pretty_json_of(object);
    for (const auto& [from, to] : names)
        for (size_t at = json.find(from); at != std::string::npos; at = json.find(from, at + to.size()))
            json.replace(at, from.size(), to);
    return json;
}

// ---------------------------------------------------------------- JSON and goldens

std::string sql_name(const std::string& name) {
    std::string out = "`";
    for (char ch : name) out += ch == '`' ? std::string("``") : std::string(1, ch);
    return out + "`";
}

std::string take(gchar* text) { return text ? gobj::take_string(text) : std::string("(null)"); }

std::string type_name(const Ref<gobj::Object>& object) { return object ? G_OBJECT_TYPE_NAME(object.gobj()) : "(none)"; }

static std::string json_text(MetaObject& object, bool pretty) {
    JsonNode* node = json_gobject_serialize(object.gobj());
    gchar* s = json_to_string(node, pretty);
    json_node_unref(node);
    return take(s);
}
std::string json_of(MetaObject& object) { return json_text(object, false); }
std::string pretty_json_of(MetaObject& object) { return json_text(object, true) + "\n"; }

std::string golden(const std::string& name, const std::string& actual) {
    std::string path = std::string(TARVELIN_MYSQL_TEST_DATA) + "/" + name;
    if (g_getenv("TARVELIN_UPDATE_GOLDEN")) std::ofstream(path) << actual;
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace mysql_dialect_test
