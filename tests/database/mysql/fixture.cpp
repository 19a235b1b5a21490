#include "fixture.hpp"

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

Live::Live()
    : ScratchDatabase("mysql_dialect", [] { return Ref<test::ConnectionImpl>(MySQLConnection::create()); }) {}

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

std::string golden(const std::string& name, const std::string& actual) {
    return test::golden(TARVELIN_MYSQL_TEST_DATA, name, actual);
}

}  // namespace mysql_dialect_test
