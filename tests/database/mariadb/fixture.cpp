#include "fixture.hpp"

#include <unistd.h>

#include <atomic>

#include "providers/contracts/face_server.hpp"

namespace mariadb_dialect_test {

using providers::contracts::Server;

TARVELIN_GTYPE(ScriptedMariaDBConnection, "TarvelinTestScriptedMariaDBConnection", MariaDBConnection)

Ref<ScriptedMariaDBConnection> ScriptedMariaDBConnection::create(const Ref<ScriptedProvider>& provider) {
    auto connection = gobj::create<ScriptedMariaDBConnection>(gtype());
    connection->use_provider(Ref<IProvider>::retain(provider.instance()));
    return connection;
}

namespace {
Ref<gobj::Object> adopt(gpointer object) { return Ref<gobj::Object>::adopt(static_cast<GObject*>(object)); }
}  // namespace

Scripted::Scripted(const std::string& version) : connection(ScriptedMariaDBConnection::create(provider)) {
    provider->answer_rows("select version();", {{"version()", kString}}, {{version.c_str()}});
}

void Scripted::open() {
    auto server = Server::create();
    g_object_set(server->gobj(), "uuid", "scripted-mariadb", "host", "scripted", nullptr);
    connection->open(server.get(), nullptr);
}

Ref<gobj::Object> Scripted::adapter() { return adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c())); }
Ref<gobj::Object> Scripted::builder() { return adopt(tarvelin_rezezadovu_contracts_database_iconnection_builder(c())); }
Ref<gobj::Object> Scripted::explorer() { return adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c())); }
Ref<gobj::Object> Scripted::statement() {
    return adopt(tarvelin_rezezadovu_contracts_database_iconnection_statement(c()));
}

// ---------------------------------------------------------------- live

Live::Live()
    : ScratchDatabase("mariadb_dialect", [] { return Ref<test::ConnectionImpl>(MariaDBConnection::create()); }) {}

Ref<gobj::Object> Live::adapter() { return adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c())); }
Ref<gobj::Object> Live::builder() { return adopt(tarvelin_rezezadovu_contracts_database_iconnection_builder(c())); }
Ref<gobj::Object> Live::explorer() { return adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c())); }

const char* const kCatalogue = R"sql(
CREATE TABLE parent (
  a INT NOT NULL,
  b INT NOT NULL,
  price DECIMAL(10,2) NOT NULL DEFAULT 0.00,
  seen DATETIME(3) NULL,
  flags BIT(8) NOT NULL DEFAULT b'0',
  doc JSON NULL,
  kind ENUM('a.b','c/d','plain') NOT NULL DEFAULT 'plain',
  code INT(6) UNSIGNED ZEROFILL NULL,
  doubled INT AS (a * 2) VIRTUAL,
  tripled INT AS (a * 3) STORED,
  note TEXT NULL COMMENT 'it''s a \\ note',
  data BLOB NULL,
  label VARCHAR(40) NOT NULL DEFAULT 'x',
  PRIMARY KEY (b, a),
  UNIQUE KEY uq_label (label),
  FULLTEXT KEY ft_note (note),
  CONSTRAINT chk_price CHECK (price >= 0)
) ENGINE=InnoDB COMMENT='parent''s \\ table';
CREATE TABLE child (
  id INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
  pb INT NOT NULL,
  pa INT NOT NULL,
  qty INT NOT NULL DEFAULT 1,
  CONSTRAINT fk_parent FOREIGN KEY (pb, pa) REFERENCES parent (b, a) ON DELETE CASCADE
) ENGINE=InnoDB;
CREATE TRIGGER child_qty BEFORE INSERT ON child FOR EACH ROW BEGIN SET NEW.qty = NEW.qty + 1; END;
CREATE VIEW cheap AS SELECT a, b, price FROM parent WHERE price < 10 WITH LOCAL CHECK OPTION;
CREATE TABLE a_b (x INT) COMMENT 'underscore';
CREATE TABLE axb (x INT) COMMENT 'letter';
CREATE FUNCTION add_two(x INT, y INT) RETURNS INT DETERMINISTIC COMMENT 'sum' BEGIN RETURN x + y; END;
CREATE PROCEDURE touch() BEGIN SELECT 1; END;
CREATE EVENT nightly ON SCHEDULE EVERY 1 DAY STARTS '2030-01-01 03:00:00' ON COMPLETION PRESERVE ENABLE
  COMMENT 'cleanup' DO DELETE FROM child WHERE qty = 0;
CREATE EVENT once ON SCHEDULE AT '2031-06-01 12:00:00' ON COMPLETION PRESERVE DISABLE DO UPDATE child SET qty = 2;
)sql";

void LiveCatalogue::SetUp() {
    Live::SetUp();
    if (!connection) return;
    run(kCatalogue);
}

Ref<MetaDatabase> LiveCatalogue::read_all() {
    auto meta = MetaDatabase::create_with_name(MetaDatabase::gtype(), database.c_str());
    auto reader = adapter();
    EXPECT_EQ(fill(reader, *meta, true), "(none)");
    // A deep read leaves the procedures to be read one by one.
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(meta->get_schemas()))
        for (auto procedure : gobj::GeeArray<MetaFunction>::wrap(schema->get_procedures())) {
            GError* error = nullptr;
            tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(
                reinterpret_cast<CAdaptable*>(reader.gobj()),
                reinterpret_cast<TarvelinRezezadovuMetaModelMetaFunction*>(procedure.gobj()), &error);
            EXPECT_EQ(test::describe(error), "(none)");
        }
    return meta;
}

std::string unique_account(const std::string& stem) {
    static std::atomic<int> counter{0};
    return "md" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" + stem;
}

void LiveAccounts::SetUp() {
    LiveCatalogue::SetUp();
    if (!connection) return;
    bool may_grant = false;
    for (const auto& line : rows("SHOW GRANTS;"))
        may_grant = may_grant || line.find("WITH GRANT OPTION") != std::string::npos;
    if (!may_grant) {
        std::string message = "the test account may not grant (scripts/test-servers gives it WITH GRANT OPTION)";
        if (test::ci()) GTEST_FAIL() << message;
        GTEST_SKIP() << message;
    }
    std::string name = unique_account("user");
    role_plain = unique_account("reader");
    role_admin = unique_account("admin");
    account = name + "@%";
    cleanup = {"DROP USER IF EXISTS `" + name + "`@`%`;", "DROP ROLE IF EXISTS `" + role_plain + "`;",
               "DROP ROLE IF EXISTS `" + role_admin + "`;"};
    run("CREATE USER `" + name + "`@`%` IDENTIFIED BY 'pw''s \\\\ secret' WITH MAX_QUERIES_PER_HOUR 7 "
        "MAX_STATEMENT_TIME 2.5;"
        "GRANT SELECT, INSERT ON `" + database + "`.* TO `" + name + "`@`%` WITH GRANT OPTION;"
        "GRANT UPDATE ON `" + database + "`.`child` TO `" + name + "`@`%`;"
        "CREATE ROLE `" + role_plain + "`; CREATE ROLE `" + role_admin + "`;"
        "GRANT SELECT ON `" + database + "`.* TO `" + role_plain + "`;"
        "GRANT `" + role_plain + "` TO `" + name + "`@`%`;"
        "GRANT `" + role_admin + "` TO `" + name + "`@`%` WITH ADMIN OPTION;");
}

std::string golden(const std::string& name, const std::string& actual) {
    return test::golden(TARVELIN_MARIADB_TEST_DATA, name, actual);
}

}  // namespace mariadb_dialect_test
