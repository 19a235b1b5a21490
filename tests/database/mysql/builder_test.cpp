// MySQLBuilder texts, against goldens written out here (no server; the connection's
// version text comes from the scripted provider). builder_live_test.cpp runs them.
#include <cstring>

#include "fixture.hpp"
#include "rezezadovu/supports/database/mysql/builder.hpp"

namespace mysql_dialect_test {
namespace {

using rezezadovu::supports::database::MySQLBuilder;

constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

using test::add_column;
using test::add_foreign;
using test::add_index;
using test::Col;

void set_option(MetaObject&, GeeHashMap* map, const char* key, const char* value) {
    gee_map_set(GEE_MAP(map), key, value);
}

class MySQLBuilderTexts : public ::testing::Test {
protected:
    explicit MySQLBuilderTexts(const char* version = "8.0.36") : scripted(version) { scripted.open(); }
    Scripted scripted;
    Ref<MySQLBuilder> builder = MySQLBuilder::create(MySQLBuilder::gtype(), scripted.c());
    Ref<MetaTable> table = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "t");
    std::string text(MySQLBuilder::Text t) { return t.value_or("(none)"); }
};

TEST_F(MySQLBuilderTexts, ColumnLinesByType) {
    auto id = add_column(*table, {"id", "INT", 11, 0, true});
    id->set_is_unsigned(true);
    id->set_auto_increment(true);
    id->set_is_primary_key(true);
    add_column(*table, {"price", "DECIMAL", 10, 2, true, "0.00"});
    add_column(*table, {"note", "TEXT", 65535});
    add_column(*table, {"doc", "json", 4294967295});
    add_column(*table, {"code", "VARCHAR", 0});
    add_column(*table, {"big", "varchar", 16777215});
    add_column(*table, {"raw", "VARBINARY", 8});
    auto kind = add_column(*table, {"kind", "ENUM", 5, 0, false, "'a'"});
    kind->set_enum_values("'a','b'");
    auto label = add_column(*table, {"label", "CHAR", 4});
    label->set_comment("it's \\ here");
    label->set_collation("utf8mb4_bin");
    auto twice = add_column(*table, {"twice", "INT"});
    twice->set_is_virtual(true);
    twice->set_is_generated_always(true);
    twice->set_expression("`id` * 2");
    twice->set_virtual_type("STORED");
    auto forced = add_column(*table, {"forced", "INT", 0, 0, true});
    forced->set_is_virtual(true);
    forced->set_expression("1");
    EXPECT_EQ(text(builder->build_table(table.get(), true)),
              "CREATE TABLE IF NOT EXISTS `shop`.`t` (\n"
              "    `id` INT(11) UNSIGNED NOT NULL AUTO_INCREMENT,\n"
              "    `price` DECIMAL(10, 2) NOT NULL DEFAULT 0.00,\n"
              "    `note` TEXT NULL,\n"
              "    `doc` json NULL,\n"
              "    `code` LONGTEXT NULL,\n"
              "    `big` LONGTEXT NULL,\n"
              "    `raw` VARBINARY(8) NULL,\n"
              "    `kind` ENUM('a','b') NULL DEFAULT 'a',\n"
              "    `label` CHAR(4) NULL COMMENT 'it''s \\\\ here' COLLATE `utf8mb4_bin`,\n"
              "    `twice` INT GENERATED ALWAYS AS (`id` * 2) STORED,\n"
              "    `forced` INT AS (1) NOT NULL,\n"
              "    PRIMARY KEY (`id`)\n"
              ") ;");
    // Mapped types through the inspector.
    auto mapped = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "m");
    auto c = mapped->new_column("c", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY);
    c->set_length(8);
    c->set_scale(3);
    mapped->new_column("s", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    EXPECT_EQ(text(builder->build_table(mapped.get(), false)),
              "CREATE TABLE IF NOT EXISTS `shop`.`m` (\n    `c` DECIMAL(8, 3) NULL,\n    `s` LONGTEXT NULL\n) ;");
}

void counting(MetaTable& t, std::initializer_list<const char*> names) {
    for (auto name : names) t.get_column(name)->set_auto_increment(true);
}
void key(MetaTable& t, const char* name, int ordinal) {
    t.get_column(name)->set_is_primary_key(true);
    t.get_column(name)->set_primary_ordinal(ordinal);
}

// AUTO_INCREMENT goes on one column a table, and only on one leading a key: counting
// columns of other products (two identities, one outside any key) would make the server
// refuse the table.
TEST_F(MySQLBuilderTexts, OneCountingColumnLeadingAKey) {
    struct Case {
        const char* name;
        void (*shape)(MetaTable&);
        const char* counts;  // the column written AUTO_INCREMENT, "" for none
    };
    const Case cases[] = {
        {"the key and a second counting column", [](MetaTable& t) { key(t, "a", 1); counting(t, {"a", "b"}); }, "a"},
        {"a second counting column that is the key",
         [](MetaTable& t) { key(t, "b", 1); counting(t, {"a", "b"}); }, ""},
        {"no key at all", [](MetaTable& t) { counting(t, {"a"}); }, ""},
        {"second column of the primary key",
         [](MetaTable& t) { key(t, "b", 1); key(t, "a", 2); counting(t, {"a"}); }, ""},
        {"leads a unique index written quoted",
         [](MetaTable& t) { add_index(t, "u", "UNIQUE", {"`a`", "b"}); counting(t, {"a"}); }, "a"},
        {"leads an index with an order", [](MetaTable& t) { add_index(t, "i", "", {"a DESC"}); counting(t, {"a"}); }, "a"},
        {"second in an index", [](MetaTable& t) { add_index(t, "i", "", {"b", "a"}); counting(t, {"a"}); }, ""},
        {"leads a unique constraint",
         [](MetaTable& t) {
             auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), "uq");
             unique->set_columns("a, b");
             gobj::GeeArray<MetaConstraint>::wrap(t.get_constraints()).append(unique);
             counting(t, {"a"});
         },
         "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "t");
        add_column(*t, {"a", "INT", 0, 0, true});
        add_column(*t, {"b", "INT", 0, 0, true});
        c.shape(*t);
        std::string script = text(builder->build_table(t.get(), true));
        for (const char* column : {"a", "b"}) {
            const bool written = script.find("`" + std::string(column) + "` INT NOT NULL AUTO_INCREMENT") != std::string::npos;
            EXPECT_EQ(written, std::string(column) == c.counts) << column << "\n" << script;
        }
    }
}

// The whole create form: the key in its own order, indexes with USING by engine, a
// two-column foreign key, checks, options in map order, the comment last, triggers.
TEST_F(MySQLBuilderTexts, ATableInItsCreateForm) {
    auto a = add_column(*table, {"a", "INT", 0, 0, true});
    auto b = add_column(*table, {"b", "INT", 0, 0, true, "", kIdentical});
    add_column(*table, {"gone", "INT", 0, 0, false, "", kDelete});
    a->set_is_primary_key(true);
    a->set_primary_ordinal(2);
    b->set_is_primary_key(true);
    b->set_primary_ordinal(1);
    add_index(*table, "uq_a", "UNIQUE", {"a"}, "BTREE");
    add_index(*table, "ix_hash", "", {"b", "a"}, "HASH");
    add_index(*table, "ft", "FULLTEXT", {"note"}, "FULLTEXT")->set_parser("ngram");
    add_index(*table, "old", "", {"a"}, "BTREE", kDelete);
    auto key = add_foreign(*table, "fk_pair", " pb,pa ", "parent", "b, a");
    key->set_update_action("CASCADE");
    key->set_match_method("FULL");
    auto check = MetaCheck::create_with_name(MetaCheck::gtype(), "ck", "a > 0");
    check->set_enforced(true);
    gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints()).append(check);
    gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints())
        .append(MetaCheck::create_with_name(MetaCheck::gtype(), "ck_off", "b > 0"));
    set_option(*table, table->get_options(), "ENGINE", "InnoDB");
    set_option(*table, table->get_options(), "PARTITIONED", nullptr);
    set_option(*table, table->get_options(), "ENCRYPTION", "'Y'");
    table->set_comment("a 'table'");
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), "t_bi", "SET NEW.a = 1");
    trigger->set_timing("BEFORE");
    trigger->set_event("INSERT");
    gobj::GeeArray<MetaTrigger>::wrap(table->get_triggers()).append(trigger);

    // The options' order is the map's: compare the statement with them taken out.
    std::string sql = text(builder->build_table(table.get(), true));
    for (const char* option : {"ENGINE = InnoDB ", "ENCRYPTION = 'Y' "}) {
        size_t at = sql.find(option);
        ASSERT_NE(at, std::string::npos) << option;
        sql.erase(at, std::strlen(option));
    }
    EXPECT_EQ(sql,
              "CREATE TABLE IF NOT EXISTS `shop`.`t` (\n"
              "    `a` INT NOT NULL,\n"
              "    `b` INT NOT NULL,\n"
              "    PRIMARY KEY (`b`, `a`),\n"
              "    UNIQUE INDEX `uq_a`(`a`),\n"
              "    INDEX `ix_hash`(`b`, `a`),\n"
              "    FULLTEXT INDEX `ft`(`note`) WITH PARSER `ngram`,\n"
              "    CONSTRAINT `fk_pair` FOREIGN KEY(`pb`, `pa`) REFERENCES `parent`(`b`, `a`) MATCH FULL ON UPDATE CASCADE,\n"
              "    CONSTRAINT `ck` CHECK (a > 0) ENFORCED,\n"
              "    CONSTRAINT `ck_off` CHECK (b > 0) NOT ENFORCED\n"
              ") COMMENT = 'a ''table''';\n"
              "CREATE TRIGGER `shop`.`t_bi`\nBEFORE INSERT\nON `shop`.`t` FOR EACH ROW\nSET NEW.a = 1;\n\n");
}

TEST_F(MySQLBuilderTexts, AnIndexMethodIsWrittenOnlyForEnginesThatHaveIt) {
    struct Case {
        const char* engine;
        const char* method;
        bool written;
    };
    // The engine's own method is not written: the catalogue names the method of every index.
    const Case cases[] = {{"InnoDB", "BTREE", false},  {"InnoDB", "HASH", false}, {"MEMORY", "HASH", false},
                          {"MEMORY", "BTREE", true},   {"NDB", "HASH", true},     {"Aria", "BTREE", false},
                          {"innodb", "BTREE", false},  {nullptr, "BTREE", false}};
    for (const auto& c : cases) {
        auto t = MetaTable::create_with_names(MetaTable::gtype(), "s", "s", "t");
        add_column(*t, {"a", "INT"});
        add_index(*t, "i", "", {"a"}, c.method);
        if (c.engine) set_option(*t, t->get_options(), "ENGINE", c.engine);
        std::string sql = text(builder->build_table(t.get(), true));
        EXPECT_EQ(sql.find(std::string("USING ") + c.method) != std::string::npos, c.written)
            << (c.engine ? c.engine : "(default)") << " " << c.method;
    }
}

class MySQLBuilderOnOlderServers : public MySQLBuilderTexts {
protected:
    MySQLBuilderOnOlderServers() : MySQLBuilderTexts("10.11.6-MariaDB") {}
};

TEST_F(MySQLBuilderOnOlderServers, ChecksCarryNoEnforcedWord) {
    add_column(*table, {"a", "INT"});
    gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints())
        .append(MetaCheck::create_with_name(MetaCheck::gtype(), "ck", "a > 0"));
    EXPECT_EQ(text(builder->build_table(table.get(), true)),
              "CREATE TABLE IF NOT EXISTS `shop`.`t` (\n    `a` INT NULL,\n    CONSTRAINT `ck` CHECK (a > 0)\n) ;");
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "d");
    set_option(*database, database->get_attributes(), "ENCRYPTION", "Y");
    EXPECT_EQ(text(builder->create_database(database.get(), true)), "CREATE DATABASE IF NOT EXISTS `d`;\n");
}

TEST_F(MySQLBuilderTexts, APatchListsDropsAddsAndChanges) {
    add_column(*table, {"keep", "INT", 0, 0, true, "", kIdentical});
    auto renamed = add_column(*table, {"title", "VARCHAR", 80, 0, true, "''", kUpdate});
    renamed->set_original("name");
    renamed->set_after("keep");
    add_column(*table, {"first", "INT", 0, 0, false, "", kInsert});
    add_column(*table, {"old", "INT", 0, 0, false, "", kDelete});
    add_column(*table, {"untouched", "INT"});  // not compared: no line
    add_index(*table, "ix_title", "", {"title"}, "BTREE", kUpdate);
    add_index(*table, "ix_old", "", {"old"}, "BTREE", kDelete);
    add_index(*table, "ix_same", "", {"keep"}, "BTREE", kIdentical);
    add_foreign(*table, "fk_gone", "keep", "other", "id", kDelete);
    auto check = MetaCheck::create_with_name(MetaCheck::gtype(), "ck_new", "keep > 0");
    check->set_version(kInsert);
    gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints()).append(check);
    set_option(*table, table->get_options(), "COMMENT", "new");
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), "t_bi", "SET NEW.keep = 1;");
    trigger->set_timing("BEFORE");
    trigger->set_event("INSERT");
    trigger->set_version(kUpdate);
    gobj::GeeArray<MetaTrigger>::wrap(table->get_triggers()).append(trigger);
    EXPECT_EQ(text(builder->patch_table(table.get())),
              "ALTER TABLE `shop`.`t`\n"
              "    DROP COLUMN `old`,\n"
              "    CHANGE COLUMN `name` `title` VARCHAR(80) NOT NULL DEFAULT '' AFTER `keep`,\n"
              "    ADD COLUMN `first` INT NULL FIRST,\n"
              "    DROP INDEX `ix_title`,\n"
              "    DROP INDEX `ix_old`,\n"
              "    ADD INDEX `ix_title`(`title`),\n"
              "    DROP FOREIGN KEY `fk_gone`,\n"
              "    ADD CONSTRAINT `ck_new` CHECK (keep > 0) NOT ENFORCED,\n"
              "COMMENT = 'new';\n"
              "DROP TRIGGER IF EXISTS `shop`.`t_bi`;\n"
              "CREATE TRIGGER `shop`.`t_bi`\nBEFORE INSERT\nON `shop`.`t` FOR EACH ROW\nSET NEW.keep = 1;\n\n\n");
}

TEST_F(MySQLBuilderTexts, APatchWithNothingToListIsEmpty) {
    add_column(*table, {"a", "INT", 0, 0, false, "", kIdentical});
    add_index(*table, "i", "", {"a"}, "BTREE", kIdentical);
    EXPECT_EQ(text(builder->patch_table(table.get())), "");
    set_option(*table, table->get_options(), "ENGINE", "InnoDB");
    EXPECT_EQ(text(builder->patch_table(table.get())), "ALTER TABLE `shop`.`t`\nENGINE = InnoDB;\n");
}

TEST_F(MySQLBuilderTexts, StandAloneIndexesAndViews) {
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "shop", "shop", "orders", "ix");
    index->set_kind("UNIQUE");
    index->append("a");
    index->append("b(10)");
    index->set_key_block_size(8);
    index->set_algorithm("INPLACE");
    index->set_lock("NONE");
    EXPECT_EQ(text(builder->build_index(index.get())),
              "CREATE UNIQUE INDEX `ix` ON `shop`.`orders`( \n    `a`,\n    `b`(10)\n)\nKEY_BLOCK_SIZE = 8 ALGORITHM = INPLACE;");

    auto view = MetaView::create_with_names(MetaView::gtype(), "shop", "shop", "v`1");
    view->set_definition("select 1 AS `one` ");
    for (auto [k, v] : {std::pair{"ALGORITHM", "MERGE"}, {"DEFINER", "ann@%"}, {"SECURITY", "INVOKER"}, {"CHECK", "LOCAL"}})
        set_option(*view, view->get_attributes(), k, v);
    EXPECT_EQ(text(builder->build_view(view.get())),
              "CREATE ALGORITHM = MERGE DEFINER = `ann`@`%` SQL SECURITY INVOKER VIEW `shop`.`v``1` AS select 1 AS "
              "`one` \nWITH LOCAL CHECK OPTION;");
    auto plain = MetaView::create_with_names(MetaView::gtype(), "shop", "shop", "p");
    plain->set_definition("SELECT 1;");
    EXPECT_EQ(text(builder->patch_view(plain.get())), "ALTER VIEW `shop`.`p` AS SELECT 1;\n");
}

TEST_F(MySQLBuilderTexts, RoutinesAndTheirCallers) {
    auto f = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "shop", "f");
    f->set_is_function(true);
    f->set_return_type("INT");
    f->set_body("RETURN 1");
    set_option(*f, f->get_attributes(), "DETERMINISTIC", "YES");
    EXPECT_EQ(text(builder->build_function(f.get())),
              "CREATE FUNCTION `f`() RETURNS INT DETERMINISTIC\nBEGIN\n  RETURN 1;\nEND;");
    set_option(*f, f->get_attributes(), "DETERMINISTIC", "NO");
    set_option(*f, f->get_attributes(), "DEFINER", "ann@local`host");
    EXPECT_EQ(text(builder->build_function(f.get())),
              "CREATE DEFINER = `ann`@`local``host` FUNCTION `f`() RETURNS INT NOT DETERMINISTIC\nBEGIN\n  RETURN 1;\nEND;");
    EXPECT_EQ(text(builder->build_caller(f.get())), "SELECT `shop`.`f`()");

    auto p = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "shop", "p");
    auto parameters = gobj::StringArray::wrap(p->get_parameters());
    for (const char* parameter : {"IN a INT => 5", "INOUT b INT => 7", "OUT c INT", "d"}) parameters.append(parameter);
    p->set_body(" SET c = a; ");
    set_option(*p, p->get_attributes(), "COMMENT", "it's");
    EXPECT_EQ(text(builder->build_function(p.get())),
              "CREATE PROCEDURE `p`(IN a INT => 5, INOUT b INT => 7, OUT c INT, d) COMMENT 'it''s'\nBEGIN\n   SET c = a; "
              "\nEND;");
    EXPECT_EQ(text(builder->build_caller(p.get())), "SET @b = 7;\nCALL `shop`.`p`(5, @b, @c, _)");
}

TEST_F(MySQLBuilderTexts, TriggersAndEvents) {
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), "t`1", "  SET NEW.a = 1  ");
    trigger->set_definer("ann@%");
    trigger->set_timing("AFTER");
    trigger->set_event("UPDATE");
    trigger->set_target("orders");
    trigger->set_order("FOLLOWS");
    trigger->set_trigger("t0");
    EXPECT_EQ(text(builder->build_trigger(trigger.get())),
              "CREATE DEFINER = `ann`@`%` TRIGGER `t``1` AFTER UPDATE ON `orders` FOR EACH ROW FOLLOWS `t0`\n"
              "BEGIN\n SET NEW.a = 1;\nEND;\n");

    auto event = MetaEvent::create_with_names(MetaEvent::gtype(), "shop", "shop", "e");
    event->set_schedule("EVERY 1 DAY STARTS '2030-01-01 03:00:00'");
    event->set_completion("NOT PRESERVE");
    event->set_body("DELETE FROM t");
    const std::pair<const char*, const char*> states[] = {
        {"ENABLED", "ENABLE"}, {"DISABLED", "DISABLE"}, {"SLAVESIDE_DISABLED", "DISABLE ON SLAVE"}};
    for (auto [state, word] : states) {
        event->set_state(state);
        EXPECT_EQ(text(builder->build_event(event.get())),
                  std::string("CREATE EVENT IF NOT EXISTS`shop`.`e`\n\tON SCHEDULE EVERY 1 DAY STARTS '2030-01-01 "
                              "03:00:00' ON COMPLETION NOT PRESERVE ") +
                      word + "\n\tDO BEGIN\n\t\tDELETE FROM t;\n\tEND\n");
    }
    event->set_definer("ann@localhost");
    event->set_comment("it's");
    EXPECT_EQ(text(builder->patch_event(event.get())),
              "ALTER DEFINER = `ann`@`localhost` EVENT `shop`.`e`\n\tON SCHEDULE EVERY 1 DAY STARTS '2030-01-01 "
              "03:00:00' ON COMPLETION NOT PRESERVE DISABLE ON SLAVE\n\tCOMMENT 'it''s'\n\tDO BEGIN\n\t\tDELETE FROM "
              "t;\n\tEND\n");
}

TEST_F(MySQLBuilderTexts, Accounts) {
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "", "", "ann@localhost", "");
    user->set_password("pa'ss");
    for (auto [k, v] : {std::pair{"PLUGIN", "default"}, {"SSL_TYPE", "NONE"}, {"PASSWORD_POLICY", "NEVER"},
                        {"MAX_QUERIES", "10"}, {"MAX_UPDATES", "20"}, {"MAX_CONNECTIONS", "30"}})
        set_option(*user, user->get_attributes(), k, v);
    EXPECT_EQ(text(builder->build_user(user.get())),
              "CREATE USER `ann`@`localhost` IDENTIFIED BY 'pa''ss' REQUIRE NONE \n  WITH MAX_QUERIES_PER_HOUR 10 "
              "MAX_UPDATES_PER_HOUR 20 MAX_CONNECTIONS_PER_HOUR 30 MAX_USER_CONNECTIONS 0\n  PASSWORD EXPIRE NEVER;\n");

    // Read from a server: the password is the stored hash and is written as such.
    auto copy = MetaUser::create_with_names(MetaUser::gtype(), "", "", "bob", "");
    copy->set_password("*6BB4837EB74329105EE4568DDA7DC67ED2CA2AD9");
    for (auto [k, v] : {std::pair{"PLUGIN", "mysql_native_password"},
                        {"AUTHENTICATION_STRING", "*6BB4837EB74329105EE4568DDA7DC67ED2CA2AD9"},
                        {"SSL_TYPE", "SPECIFIED"}, {"X509_ISSUER", "/CN=ca"}, {"X509_CIPHER", "AES"},
                        {"PASSWORD_POLICY", "INTERVAL"}, {"PASSWORD_LIFETIME", "90; DROP"}})
        set_option(*copy, copy->get_attributes(), k, v);
    set_option(*copy, copy->get_relations(), "reader@%=bob", "false");
    set_option(*copy, copy->get_relations(), "bob=auditor@%", "false");
    EXPECT_EQ(text(builder->build_user(copy.get())),
              "CREATE USER `bob`@`%` IDENTIFIED WITH mysql_native_password AS "
              "'*6BB4837EB74329105EE4568DDA7DC67ED2CA2AD9' \n  DEFAULT ROLE `reader`@`%`\n  REQUIRE ISSUER '/CN=ca' "
              "AND CIPHER 'AES' \n  WITH MAX_QUERIES_PER_HOUR 0 MAX_UPDATES_PER_HOUR 0 MAX_CONNECTIONS_PER_HOUR 0 "
              "MAX_USER_CONNECTIONS 0\n  PASSWORD EXPIRE INTERVAL 90 DAY;\n");

    // A changed password is clear text again; relations that grant this account nothing add no clause.
    copy->set_password("new");
    gee_map_clear(GEE_MAP(copy->get_relations()));
    set_option(*copy, copy->get_relations(), "bob=auditor@%", "false");
    std::string sql = text(builder->build_user(copy.get()));
    EXPECT_NE(sql.find("IDENTIFIED WITH mysql_native_password BY 'new'"), std::string::npos) << sql;
    EXPECT_EQ(sql.find("DEFAULT ROLE"), std::string::npos) << sql;

    auto role = MetaRole::create_with_names(MetaRole::gtype(), "", "", "reader", "");
    EXPECT_EQ(text(builder->build_role(role.get())), "CREATE ROLE `reader`;");
    role->set_name("re`ader@%");
    EXPECT_EQ(text(builder->build_role(role.get())), "CREATE ROLE `re``ader`@`%`;");
    // build_patch builds accounts whatever their state.
    role->set_version(kDelete);
    EXPECT_EQ(text(builder->build_patch(role.get(), true)), "CREATE ROLE `re``ader`@`%`;");
}

TEST_F(MySQLBuilderTexts, DatabasesSchemasAndDrops) {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    set_option(*database, database->get_attributes(), "CHARACTER SET", "utf8mb4");
    set_option(*database, database->get_attributes(), "COLLATE", "utf8mb4_bin");
    set_option(*database, database->get_attributes(), "ENCRYPTION", "N");
    auto schema = database->append("shop");
    auto child = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "child");
    add_column(*child, {"pid", "INT"});
    add_foreign(*child, "fk", "pid", "parent", "id");
    auto parent = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "parent");
    add_column(*parent, {"id", "INT"});
    gobj::GeeArray<MetaTable>::wrap(schema->get_tables()).append(child);
    gobj::GeeArray<MetaTable>::wrap(schema->get_tables()).append(parent);
    auto proc = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "shop", "p");
    proc->set_body("SELECT 1;");
    gobj::GeeArray<MetaFunction>::wrap(schema->get_procedures()).append(proc);
    EXPECT_EQ(text(builder->create_database(database.get(), true)),
              "CREATE DATABASE IF NOT EXISTS `shop`\n  CHARACTER SET = 'utf8mb4'\n  COLLATE = 'utf8mb4_bin'\n  "
              "ENCRYPTION = 'N';\n"
              "CREATE TABLE IF NOT EXISTS `shop`.`parent` (\n    `id` INT NULL\n) ;\n"
              "CREATE TABLE IF NOT EXISTS `shop`.`child` (\n    `pid` INT NULL,\n    CONSTRAINT `fk` FOREIGN KEY(`pid`) "
              "REFERENCES `parent`(`id`)\n) ;\n"
              "CREATE PROCEDURE `p`()\nBEGIN\n  SELECT 1;\nEND;\n\n");
    EXPECT_EQ(text(builder->build_delete(schema.get())),
              "DROP TABLE IF EXISTS `parent`;DROP TABLE IF EXISTS `child`;DROP PROCEDURE IF EXISTS `p`;");

    auto same = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    json_form::copy_text_map(GEE_MAP(database->get_attributes()), GEE_MAP(same->get_attributes()));
    EXPECT_EQ(text(builder->alter_database(database.get(), same.get())), "");
    set_option(*same, same->get_attributes(), "COLLATE", "utf8mb4_general_ci");
    same->set_comment("it's");
    EXPECT_EQ(text(builder->alter_database(database.get(), same.get())),
              "ALTER DATABASE `shop`\n  COLLATE = 'utf8mb4_general_ci'\n  COMMENT = 'it''s';");

    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "shop", "shop", "or`ders", "i`x");
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "", "", "a`nn@h", "");
    const std::pair<MetaObject*, const char*> drops[] = {
        {database.get(), "DROP DATABASE IF EXISTS `shop`;"},
        {index.get(), "DROP INDEX `i``x` ON `or``ders`;"},
        {proc.get(), "DROP PROCEDURE IF EXISTS `p`;"},
        {user.get(), "DROP USER IF EXISTS `a``nn`@`h`;"},
        {child.get(), "DROP TABLE IF EXISTS `child`;"},
    };
    for (auto [object, sql] : drops) EXPECT_EQ(text(builder->build_delete(object)), sql);
}

TEST_F(MySQLBuilderTexts, PatchesByStateAndKind) {
    auto f = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "shop", "f");
    f->set_is_function(true);
    f->set_return_type("INT");
    f->set_body("RETURN 1;");
    const std::pair<DataVersion, const char*> cases[] = {
        {kInsert, "CREATE FUNCTION `f`() RETURNS INT\nBEGIN\n  RETURN 1;\nEND;"},
        {kUpdate, "DROP FUNCTION IF EXISTS `f`;\nCREATE FUNCTION `f`() RETURNS INT\nBEGIN\n  RETURN 1;\nEND;"},
        {kDelete, "DROP FUNCTION IF EXISTS `f`;"},
        {kIdentical, ""},
    };
    for (auto [version, sql] : cases) {
        f->set_version(version);
        EXPECT_EQ(text(builder->build_patch(f.get(), true)), sql) << version;
    }
    auto procedure = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "shop", "p");
    EXPECT_EQ(text(builder->build_create(procedure.get(), true)), "");
    table->set_version(kDelete);
    EXPECT_EQ(text(builder->build_patch(table.get(), true)), "DROP TABLE IF EXISTS `t`;");
}

TEST_F(MySQLBuilderTexts, MissingArgumentsAreNamed) {
    test::LogCapture log;
    EXPECT_FALSE(builder->build_table(nullptr, true));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'table != NULL'"));
    EXPECT_FALSE(builder->build_create(nullptr, true));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'meta_object != NULL'"));
    EXPECT_FALSE(builder->alter_database(nullptr, nullptr));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'database_old != NULL'"));
    EXPECT_FALSE(builder->option_format("ENGINE", nullptr));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'value != NULL'"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_my_sql_builder_new(nullptr), nullptr);
}

}  // namespace
}  // namespace mysql_dialect_test
