// MariaDBBuilder texts, written out here: tables and their change scripts, databases,
// schemas, views, indexes, triggers, events, routines and their callers, accounts and
// roles, drops and the dispatch by kind. No server (roundtrip_live_test.cpp runs them).
#include "fixture.hpp"

#include "rezezadovu/supports/database/mariadb/builder.hpp"

namespace mariadb_dialect_test {
namespace {

using rezezadovu::supports::database::MariaDBBuilder;
using test::add_column;
using test::add_foreign;
using test::add_index;
using test::Col;

constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

void set_entry(GeeHashMap* map, const char* key, const char* value) { gee_map_set(GEE_MAP(map), key, value); }

Ref<MetaCheck> add_check(MetaTable& table, const char* name, const char* expression,
                         DataVersion version = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL) {
    auto check = MetaCheck::create_with_name(MetaCheck::gtype(), name, expression);
    check->set_enforced(true);
    check->set_version(version);
    gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints()).append(check);
    return check;
}

Ref<MetaTrigger> add_trigger(MetaTable& table, const char* name, const char* body,
                             DataVersion version = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL) {
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), name, body);
    trigger->set_timing("BEFORE");
    trigger->set_event("INSERT");
    trigger->set_version(version);
    gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers()).append(trigger);
    return trigger;
}

class MariaDBBuilderTexts : public ::testing::Test {
protected:
    MariaDBBuilderTexts() { scripted.open(); }
    Scripted scripted;
    Ref<MariaDBBuilder> builder = MariaDBBuilder::create(MariaDBBuilder::gtype(), scripted.c());
    Ref<MetaTable> table = MetaTable::create_with_names(MetaTable::gtype(), "s", "s", "t");
    static std::string text(const MariaDBBuilder::Text& t) { return t.value_or("(none)"); }
    std::string create(MetaTable& t) { return text(builder->build_table(&t, true)); }
    std::string alter(MetaTable& t) { return text(builder->patch_table(&t)); }
};

// ---------------------------------------------------------------- tables

TEST_F(MariaDBBuilderTexts, AnUnsignedCountingKeyInACreateScript) {
    auto id = add_column(*table, {"id", "int", 11, 0, true});
    id->set_is_unsigned(true);
    id->set_is_primary_key(true);
    id->set_auto_increment(true);
    set_entry(table->get_options(), "ENGINE", "InnoDB");
    EXPECT_EQ(create(*table),
              "CREATE TABLE IF NOT EXISTS `s`.`t` (\n"
              "    `id` int(11) UNSIGNED PRIMARY KEY NOT NULL AUTO_INCREMENT\n"
              ") ENGINE = InnoDB;");
}

TEST_F(MariaDBBuilderTexts, ColumnSizesByType) {
    struct Case {
        Col column;
        const char* written;
    };
    const Case cases[] = {
        {{"a", "varchar", 0}, "`a` varchar(32) NULL"},
        {{"a", "BINARY", -1}, "`a` BINARY(32) NULL"},
        {{"a", "text", 0}, "`a` text NULL"},
        {{"a", "TEXT", 65535}, "`a` TEXT NULL"},
        {{"a", "LONGTEXT", 4294967295}, "`a` LONGTEXT NULL"},
        {{"a", "BLOB", 65535}, "`a` BLOB NULL"},
        {{"a", "tinyblob", 255}, "`a` tinyblob NULL"},
        {{"a", "JSON", 4294967295}, "`a` JSON NULL"},
        {{"a", "VARCHAR", 65535}, "`a` VARCHAR(255) NULL"},
        {{"a", "VARCHAR", 16777215}, "`a` VARCHAR(255) NULL"},
        {{"a", "VARBINARY", 4294967295}, "`a` VARBINARY(255) NULL"},
        {{"a", "VARCHAR", 65536}, "`a` VARCHAR(65536) NULL"},
        {{"a", "decimal", 10, 2}, "`a` decimal(10, 2) NULL"},
        {{"a", "NUMERIC", 0, 0}, "`a` NUMERIC(0, 0) NULL"},
        {{"a", "FLOAT", 12, 4}, "`a` FLOAT(12, 4) NULL"},
        {{"a", "FLOAT", 0, 0}, "`a` FLOAT NULL"},
        {{"a", "DOUBLE", 22, 0}, "`a` DOUBLE NULL"},
        {{"a", "DATETIME", 0, 3}, "`a` DATETIME(3) NULL"},
        {{"a", "time", 0, 6}, "`a` time(6) NULL"},
        {{"a", "TIMESTAMP", 0, 0}, "`a` TIMESTAMP NULL"},
        {{"a", "DATE", 0, 0}, "`a` DATE NULL"},
        {{"a", "BIT", 8}, "`a` BIT(8) NULL"},
        {{"a", "INT", 0}, "`a` INT NULL"},
        {{"a", "CHAR", 4, 0, true, "'x'"}, "`a` CHAR(4) NOT NULL DEFAULT 'x'"},
        {{"a", "VARCHAR", 10, 0, false, "EMPYT STRING"}, "`a` VARCHAR(10) NULL DEFAULT ''"},
        {{"a", "INT", 0, 0, false, "NULL"}, "`a` INT NULL DEFAULT NULL"},
    };
    for (const auto& c : cases) {
        auto t = MetaTable::create_with_names(MetaTable::gtype(), "s", "s", "t");
        add_column(*t, c.column);
        EXPECT_EQ(create(*t), std::string("CREATE TABLE IF NOT EXISTS `s`.`t` (\n    ") + c.written + "\n) ;")
            << c.column.raw;
    }
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "s", "s", "t");
    auto kind = add_column(*t, {"k", "ENUM", 5});
    kind->set_enum_values("'a.b','c/d'");
    EXPECT_EQ(create(*t), "CREATE TABLE IF NOT EXISTS `s`.`t` (\n    `k` ENUM('a.b','c/d') NULL\n) ;");
}

TEST_F(MariaDBBuilderTexts, ColumnClausesInOrder) {
    auto code = add_column(*table, {"code", "INT", 0, 0, true, "7"});
    code->set_is_unsigned(true);
    code->set_is_fill_zero(true);
    code->set_comment("it's a \\ code");
    auto label = add_column(*table, {"label", "VARCHAR", 40});
    label->set_collation("utf8mb4_bin");
    label->set_charset("utf8mb4");
    auto doubled = add_column(*table, {"doubled", "INT", 0, 0, true, "3"});
    doubled->set_is_virtual(true);
    doubled->set_is_generated_always(true);
    doubled->set_expression("`code` * 2");
    doubled->set_virtual_type("VIRTUAL");
    auto stored = add_column(*table, {"stored", "INT"});
    stored->set_is_virtual(true);
    stored->set_expression("1");
    stored->set_virtual_type("STORED");
    EXPECT_EQ(create(*table),
              "CREATE TABLE IF NOT EXISTS `s`.`t` (\n"
              "    `code` INT UNSIGNED ZEROFILL NOT NULL DEFAULT 7 COMMENT 'it''s a \\\\ code',\n"
              "    `label` VARCHAR(40) NULL COLLATE `utf8mb4_bin`,\n"
              "    `doubled` INT GENERATED ALWAYS AS (`code` * 2) VIRTUAL,\n"
              "    `stored` INT AS (1) STORED\n"
              ") ;");
    // Mapped types through the inspector.
    auto mapped = MetaTable::create_with_names(MetaTable::gtype(), "s", "s", "m");
    auto money = mapped->new_column("c", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY);
    money->set_length(8);
    money->set_scale(3);
    mapped->new_column("s", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    mapped->new_column("b", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN);
    EXPECT_EQ(text(builder->build_table(mapped.get(), false)),
              "CREATE TABLE IF NOT EXISTS `s`.`m` (\n    `c` DECIMAL(8, 3) NULL,\n    `s` VARCHAR(32) NULL,\n    `b` "
              "BOOLEAN NULL\n) ;");
}

TEST_F(MariaDBBuilderTexts, APrimaryKeyOverSeveralColumnsIsOneEntryInKeyOrder) {
    auto a = add_column(*table, {"a", "INT", 0, 0, true});
    auto b = add_column(*table, {"b", "INT", 0, 0, true});
    add_column(*table, {"c", "INT"});
    a->set_is_primary_key(true);
    a->set_primary_ordinal(2);
    b->set_is_primary_key(true);
    b->set_primary_ordinal(1);
    EXPECT_EQ(create(*table),
              "CREATE TABLE IF NOT EXISTS `s`.`t` (\n"
              "    `a` INT NOT NULL,\n"
              "    `b` INT NOT NULL,\n"
              "    `c` INT NULL,\n"
              "    PRIMARY KEY (`b`, `a`)\n"
              ") ;");
    // A key column being deleted leaves the other one inline.
    b->set_version(kDelete);
    EXPECT_EQ(create(*table),
              "CREATE TABLE IF NOT EXISTS `s`.`t` (\n    `a` INT PRIMARY KEY NOT NULL,\n    `c` INT NULL\n) ;");
}

TEST_F(MariaDBBuilderTexts, IndexesKeysChecksAndTriggers) {
    add_column(*table, {"id", "INT", 0, 0, true});
    add_column(*table, {"we`ird 'name", "VARCHAR", 20});
    add_index(*table, "ix", "", {"id", "we`ird 'name"}, "BTREE");
    auto unique = add_index(*table, "uq", "UNIQUE", {"id"}, "HASH");
    unique->set_comment("one's");
    add_index(*table, "ft", "FULLTEXT", {"we`ird 'name"}, "FULLTEXT");
    auto expression = add_index(*table, "ex", "", {"(id + 1)", "we`ird 'name(4)"}, "BTREE");
    expression->set_key_block_size(8);
    auto key = add_foreign(*table, "fk`1", "id, we`ird 'name", "p", "x, y");
    key->set_match_method("FULL");
    key->set_update_action("CASCADE");
    key->set_delete_action("SET NULL");
    key->set_refer_schema("s");
    auto other = add_foreign(*table, "fk2", "id", "q", "id");
    other->set_refer_schema("elsewhere");
    add_check(*table, "positive", "`id` > 0");
    add_trigger(*table, "tr", "SET NEW.id = 1");
    add_trigger(*table, "tr2", "BEGIN SET NEW.id = 2; END;");
    EXPECT_EQ(create(*table),
              "CREATE TABLE IF NOT EXISTS `s`.`t` (\n"
              "    `id` INT NOT NULL,\n"
              "    `we``ird 'name` VARCHAR(20) NULL,\n"
              "    INDEX `ix` USING BTREE (`id`, `we``ird 'name`),\n"
              "    UNIQUE INDEX `uq` (`id`) COMMENT 'one''s',\n"
              "    FULLTEXT INDEX `ft` (`we``ird 'name`),\n"
              "    INDEX `ex` USING BTREE ((id + 1), we`ird 'name(4)) KEY_BLOCK_SIZE = 8,\n"
              "    CONSTRAINT FOREIGN KEY `fk``1`(`id`, `we``ird 'name`) REFERENCES `p`(`x`, `y`) MATCH FULL ON UPDATE "
              "CASCADE ON DELETE SET NULL,\n"
              "    CONSTRAINT FOREIGN KEY `fk2`(`id`) REFERENCES `elsewhere`.`q`(`id`),\n"
              "    CONSTRAINT `positive` CHECK (`id` > 0)\n"
              ") ;\n"
              "CREATE TRIGGER `s`.`tr`\nBEFORE INSERT\nON `s`.`t` FOR EACH ROW\nSET NEW.id = 1;\n\n"
              "CREATE TRIGGER `s`.`tr2`\nBEFORE INSERT\nON `s`.`t` FOR EACH ROW\nBEGIN SET NEW.id = 2; END;\n\n");
}

TEST_F(MariaDBBuilderTexts, IndexMethodsByEngine) {
    add_column(*table, {"a", "INT"});
    add_index(*table, "b", "", {"a"}, "BTREE");
    add_index(*table, "h", "", {"a"}, "HASH");
    auto engine = [&](const char* name) {
        set_entry(table->get_options(), "ENGINE", name);
        return create(*table);
    };
    EXPECT_EQ(engine("MEMORY"), "CREATE TABLE IF NOT EXISTS `s`.`t` (\n    `a` INT NULL,\n    INDEX `b` USING BTREE (`a`),\n"
                                "    INDEX `h` USING HASH (`a`)\n) ENGINE = MEMORY;");
    EXPECT_EQ(engine("innodb"), "CREATE TABLE IF NOT EXISTS `s`.`t` (\n    `a` INT NULL,\n    INDEX `b` (`a`),\n"
                                "    INDEX `h` (`a`)\n) ENGINE = innodb;");
    EXPECT_EQ(engine("InnoDB"), "CREATE TABLE IF NOT EXISTS `s`.`t` (\n    `a` INT NULL,\n    INDEX `b` USING BTREE (`a`),\n"
                                "    INDEX `h` (`a`)\n) ENGINE = InnoDB;");
}

TEST_F(MariaDBBuilderTexts, TableOptions) {
    add_column(*table, {"a", "INT"});
    set_entry(table->get_options(), "DATA DIRECTORY", "/var/lib/x'y");
    set_entry(table->get_options(), "COMMENT", "ignored in create texts");
    set_entry(table->get_options(), "EMPTY", "");
    table->set_comment("the table's \\ comment");
    EXPECT_EQ(create(*table), "CREATE TABLE IF NOT EXISTS `s`.`t` (\n    `a` INT NULL\n) DATA DIRECTORY = '/var/lib/x''y' "
                              "COMMENT = 'the table''s \\\\ comment';");
    // An alter text takes the "COMMENT" option, not the table's comment.
    EXPECT_EQ(alter(*table), "ALTER TABLE `s`.`t`\nDATA DIRECTORY = '/var/lib/x''y', COMMENT = 'ignored in create texts';\n");
    const std::pair<const char*, const char*> formats[] = {
        {"ENCRYPTION", "'Y'"}, {"COMPRESSION", "'zlib'"}, {"INDEX DIRECTORY", "'/d'"}, {"ENGINE", "InnoDB"},
        {"ROW_FORMAT", "DYNAMIC"}};
    for (auto [key, want] : formats) {
        std::string value = want[0] == '\'' ? std::string(want).substr(1, strlen(want) - 2) : want;
        EXPECT_EQ(text(builder->option_format(key, value.c_str())), want) << key;
    }
    EXPECT_EQ(text(builder->option_format("ENCRYPTION", "'N'")), "'N'");
}

TEST_F(MariaDBBuilderTexts, AnAddedColumnAfterAnotherInAChangeScript) {
    add_column(*table, {"id", "int", 11, 0, true, "", kIdentical});
    auto c = add_column(*table, {"c", "varchar", 20, 0, false, "", kInsert});
    c->set_after("id");
    set_entry(table->get_options(), "ENGINE", "InnoDB");
    EXPECT_EQ(alter(*table), "ALTER TABLE `s`.`t`\n    ADD COLUMN `c` varchar(20) NULL AFTER `id`,\nENGINE = InnoDB;\n");
}

TEST_F(MariaDBBuilderTexts, AChangeScriptDropsThenWritesWhatChanged) {
    auto id = add_column(*table, {"id", "INT", 0, 0, true, "", kIdentical});
    id->set_is_primary_key(true);
    add_column(*table, {"gone", "INT", 0, 0, false, "", kDelete});
    auto renamed = add_column(*table, {"label", "VARCHAR", 40, 0, true, "", kUpdate});
    renamed->set_original("title");
    renamed->set_is_primary_key(true);
    auto first = add_column(*table, {"first", "INT", 0, 0, false, "", kInsert});
    (void)first;
    add_column(*table, {"untouched", "INT"});  // never compared: not written
    add_index(*table, "old", "", {"id"}, "", kDelete);
    add_index(*table, "changed", "UNIQUE", {"label"}, "", kUpdate);
    add_index(*table, "same", "", {"id"}, "", kIdentical);
    add_foreign(*table, "fk_old", "id", "p", "id", kDelete);
    add_foreign(*table, "fk_new", "id", "p", "id", kInsert);
    add_check(*table, "chk`old", "1", kUpdate);
    add_trigger(*table, "tr_old", "SET NEW.id = 1", kDelete);
    add_trigger(*table, "tr_new", "SET NEW.id = 2", kInsert);
    EXPECT_EQ(alter(*table),
              "ALTER TABLE `s`.`t`\n"
              "    DROP COLUMN `gone`,\n"
              "    CHANGE COLUMN `title` `label` VARCHAR(40) NOT NULL FIRST,\n"
              "    ADD COLUMN `first` INT NULL FIRST,\n"
              "    DROP INDEX `old`,\n"
              "    DROP INDEX `changed`,\n"
              "    ADD UNIQUE INDEX `changed` (`label`),\n"
              "    DROP FOREIGN KEY `fk_old`,\n"
              "    ADD CONSTRAINT FOREIGN KEY `fk_new`(`id`) REFERENCES `p`(`id`),\n"
              "    DROP CHECK `chk``old`,\n"
              "    ADD CONSTRAINT `chk``old` CHECK (1);\n"
              "DROP TRIGGER IF EXISTS `s`.`tr_old`;\n"
              "CREATE TRIGGER `s`.`tr_new`\nBEFORE INSERT\nON `s`.`t` FOR EACH ROW\nSET NEW.id = 2;\n\n\n");
    // A create text writes every member not being deleted, and drops nothing.
    EXPECT_EQ(create(*table),
              "CREATE TABLE IF NOT EXISTS `s`.`t` (\n"
              "    `id` INT NOT NULL,\n"
              "    `label` VARCHAR(40) NOT NULL,\n"
              "    `first` INT NULL,\n"
              "    `untouched` INT NULL,\n"
              "    PRIMARY KEY (`id`, `label`),\n"
              "    UNIQUE INDEX `changed` (`label`),\n"
              "    INDEX `same` (`id`),\n"
              "    CONSTRAINT FOREIGN KEY `fk_new`(`id`) REFERENCES `p`(`id`),\n"
              "    CONSTRAINT `chk``old` CHECK (1)\n"
              ") ;\n"
              "CREATE TRIGGER `s`.`tr_new`\nBEFORE INSERT\nON `s`.`t` FOR EACH ROW\nSET NEW.id = 2;\n\n");
}

TEST_F(MariaDBBuilderTexts, AChangeScriptWithNothingToWriteIsEmpty) {
    add_column(*table, {"id", "INT", 0, 0, true, "", kIdentical});
    add_column(*table, {"x", "INT"});
    EXPECT_EQ(alter(*table), "");
    set_entry(table->get_options(), "ENGINE", "InnoDB");
    EXPECT_EQ(alter(*table), "ALTER TABLE `s`.`t`\nENGINE = InnoDB;\n");
}

// ---------------------------------------------------------------- databases and schemas

TEST_F(MariaDBBuilderTexts, Databases) {
    auto d = MetaDatabase::create_with_name(MetaDatabase::gtype(), "d");
    EXPECT_EQ(text(builder->create_database(d.get(), true)), "CREATE DATABASE IF NOT EXISTS `d`;\n");
    set_entry(d->get_attributes(), "CHARACTER SET", "utf8mb4");
    set_entry(d->get_attributes(), "COLLATE", "utf8mb4_bin");
    d->set_comment("d's \\ db");
    auto schema = d->append("d");
    EXPECT_EQ(text(builder->create_database(d.get(), true)),
              "CREATE DATABASE IF NOT EXISTS `d`\n  CHARACTER SET = 'utf8mb4'\n  COLLATE = 'utf8mb4_bin'\n  COMMENT = "
              "'d''s \\\\ db';\n\n");
    EXPECT_EQ(text(builder->build_schema(schema.get(), true)), "\n");

    auto changed = MetaDatabase::create_with_name(MetaDatabase::gtype(), "d");
    set_entry(changed->get_attributes(), "CHARACTER SET", "utf8mb4");
    set_entry(changed->get_attributes(), "COLLATE", "utf8mb4_bin");
    changed->set_comment("d's \\ db");
    EXPECT_EQ(text(builder->alter_database(d.get(), changed.get())), "");
    changed->set_comment("x");
    EXPECT_EQ(text(builder->alter_database(d.get(), changed.get())), "ALTER DATABASE `d`\n  COMMENT = 'x';");
    set_entry(changed->get_attributes(), "COLLATE", "utf8mb4_general_ci");
    gee_map_unset(GEE_MAP(changed->get_attributes()), "CHARACTER SET", nullptr);
    EXPECT_EQ(text(builder->alter_database(d.get(), changed.get())),
              "ALTER DATABASE `d`\n  COLLATE = 'utf8mb4_general_ci'\n  COMMENT = 'x';");
}

TEST_F(MariaDBBuilderTexts, ASchemaWritesTablesInDependenceOrderThenViewsAndFunctions) {
    auto d = MetaDatabase::create_with_name(MetaDatabase::gtype(), "d");
    auto schema = d->append("d");
    auto child = MetaTable::create_with_names(MetaTable::gtype(), "d", "d", "child");
    add_column(*child, {"p", "INT"});
    add_foreign(*child, "fk", "p", "parent", "id");
    auto parent = MetaTable::create_with_names(MetaTable::gtype(), "d", "d", "parent");
    add_column(*parent, {"id", "INT"});
    gobj::GeeArray<MetaTable>::wrap(schema->get_tables()).append(child);
    gobj::GeeArray<MetaTable>::wrap(schema->get_tables()).append(parent);
    auto view = MetaView::create_with_names(MetaView::gtype(), "d", "d", "v");
    view->set_definition("SELECT 1");
    gobj::GeeArray<MetaView>::wrap(schema->get_views()).append(view);
    auto function = MetaFunction::create_with_names(MetaFunction::gtype(), "d", "d", "f");
    function->set_is_function(true);
    function->set_return_type("INT");
    function->set_body("RETURN 1");
    gobj::GeeArray<MetaFunction>::wrap(schema->get_functions()).append(function);
    auto procedure = MetaFunction::create_with_names(MetaFunction::gtype(), "d", "d", "p");
    gobj::GeeArray<MetaFunction>::wrap(schema->get_procedures()).append(procedure);
    gobj::GeeArray<MetaEvent>::wrap(schema->get_events()).append(
        MetaEvent::create_with_names(MetaEvent::gtype(), "d", "d", "e"));
    EXPECT_EQ(text(builder->build_schema(schema.get(), true)),
              "CREATE TABLE IF NOT EXISTS `d`.`parent` (\n    `id` INT NULL\n) ;\n"
              "CREATE TABLE IF NOT EXISTS `d`.`child` (\n    `p` INT NULL,\n    CONSTRAINT FOREIGN KEY `fk`(`p`) "
              "REFERENCES `parent`(`id`)\n) ;\n"
              "CREATE VIEW `d`.`v` AS SELECT 1\n;\n"
              "CREATE FUNCTION `f`() RETURNS INT\nBEGIN\n  RETURN 1;\nEND;\n\n");
    EXPECT_EQ(text(builder->build_delete(schema.get())),
              "DROP TABLE IF EXISTS `parent`;DROP TABLE IF EXISTS `child`;DROP VIEW IF EXISTS `v`;DROP FUNCTION IF "
              "EXISTS `f`;DROP PROCEDURE IF EXISTS `p`;DROP EVENT IF EXISTS `e`;");
}

// ---------------------------------------------------------------- other objects

TEST_F(MariaDBBuilderTexts, Views) {
    auto view = MetaView::create_with_names(MetaView::gtype(), "d", "s", "v");
    view->set_definition("select `a` from `t`");
    EXPECT_EQ(text(builder->build_view(view.get())), "CREATE VIEW `s`.`v` AS select `a` from `t`\n;");
    set_entry(view->get_attributes(), "ALGORITHM", "MERGE");
    set_entry(view->get_attributes(), "DEFINER", "ann@10.0.0.%");
    set_entry(view->get_attributes(), "SECURITY", "INVOKER");
    set_entry(view->get_attributes(), "CHECK", "LOCAL");
    EXPECT_EQ(text(builder->patch_view(view.get())),
              "ALTER ALGORITHM = MERGE DEFINER = `ann`@`10.0.0.%` SQL SECURITY INVOKER VIEW `s`.`v` AS select `a` from "
              "`t`\nWITH LOCAL CHECK OPTION;");
    auto ended = MetaView::create_with_names(MetaView::gtype(), "d", "s", "w");
    ended->set_definition("select 1;");
    set_entry(ended->get_attributes(), "DEFINER", "ann");
    EXPECT_EQ(text(builder->build_view(ended.get())), "CREATE DEFINER = `ann`@`%` VIEW `s`.`w` AS select 1;\n");
}

TEST_F(MariaDBBuilderTexts, StandAloneIndexes) {
    auto index = add_index(*table, "i", "UNIQUE", {"a", "b"});
    EXPECT_EQ(text(builder->build_index(index.get())), "CREATE UNIQUE INDEX `i` ON `t`( \n    `a`,\n    `b`\n);");
    index->set_kind("");
    index->set_algorithm("INPLACE");
    index->set_lock("NONE");
    index->set_with("COMMENT 'x'");
    EXPECT_EQ(text(builder->build_index(index.get())),
              "CREATE INDEX `i` ON `t`( \n    `a`,\n    `b`\n)\nCOMMENT 'x'\nALGORITHM = INPLACE;");
    index->set_algorithm("");
    EXPECT_EQ(text(builder->build_index(index.get())), "CREATE INDEX `i` ON `t`( \n    `a`,\n    `b`\n)\nCOMMENT 'x'\nLOCK = NONE;");
}

TEST_F(MariaDBBuilderTexts, Triggers) {
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), "tr`1", "  \n SET NEW.a = 1 \n");
    trigger->set_timing("AFTER");
    trigger->set_event("UPDATE");
    trigger->set_target("t'x");
    EXPECT_EQ(text(builder->build_trigger(trigger.get())),
              "CREATE TRIGGER `tr``1` AFTER UPDATE ON `t'x` FOR EACH ROW \nBEGIN\n SET NEW.a = 1;\nEND;\n");
    trigger->set_definer("ann@localhost");
    trigger->set_order("FOLLOWS");
    trigger->set_trigger("other");
    trigger->set_body("SET NEW.a = 2;");
    EXPECT_EQ(text(builder->build_trigger(trigger.get())),
              "CREATE DEFINER = `ann`@`localhost` TRIGGER `tr``1` AFTER UPDATE ON `t'x` FOR EACH ROW FOLLOWS "
              "`other`\nBEGIN\n SET NEW.a = 2;\nEND;\n");
    trigger->set_definer("ann");
    EXPECT_EQ(text(builder->build_trigger(trigger.get())).substr(0, 34), "CREATE DEFINER = `ann`@`%` TRIGGER");
}

TEST_F(MariaDBBuilderTexts, Events) {
    auto event = MetaEvent::create_with_names(MetaEvent::gtype(), "d", "s", "e");
    event->set_schedule("EVERY 1 DAY STARTS '2030-01-01 03:00:00'");
    event->set_completion("NOT PRESERVE");
    event->set_state("ENABLED");
    event->set_body("DELETE FROM t");
    EXPECT_EQ(text(builder->build_event(event.get())),
              "CREATE EVENT IF NOT EXISTS`s`.`e`\n\tON SCHEDULE EVERY 1 DAY STARTS '2030-01-01 03:00:00' ON COMPLETION "
              "NOT PRESERVE ENABLE\n\tDO BEGIN\n\t\tDELETE FROM t;\n\tEND\n");
    event->set_definer("ann@%");
    event->set_comment("it's");
    event->set_state("SLAVESIDE_DISABLED");
    EXPECT_EQ(text(builder->patch_event(event.get())),
              "ALTER DEFINER = `ann`@`%` EVENT `s`.`e`\n\tON SCHEDULE EVERY 1 DAY STARTS '2030-01-01 03:00:00' ON "
              "COMPLETION NOT PRESERVE DISABLE ON SLAVE\n\tCOMMENT 'it''s'\n\tDO BEGIN\n\t\tDELETE FROM t;\n\tEND\n");
    event->set_state("DISABLED");
    event->set_definer("ann");
    event->set_body("BEGIN DELETE FROM t; END;");
    EXPECT_EQ(text(builder->build_event(event.get())),
              "CREATE DEFINER = `ann`@`%` EVENT IF NOT EXISTS `s`.`e`\n\tON SCHEDULE EVERY 1 DAY STARTS '2030-01-01 "
              "03:00:00' ON COMPLETION NOT PRESERVE DISABLE\n\tCOMMENT 'it''s'\n\tDO BEGIN\n\t\tBEGIN DELETE FROM t; "
              "END;\n\tEND\n");
}

TEST_F(MariaDBBuilderTexts, Routines) {
    auto function = MetaFunction::create_with_names(MetaFunction::gtype(), "d", "s", "f`x");
    function->set_is_function(true);
    function->set_return_type("int(11)");
    function->set_body(" RETURN a + b ");
    gobj::StringArray::wrap(function->get_parameters()).append("IN a int(11)");
    gobj::StringArray::wrap(function->get_parameters()).append("IN b int(11)");
    set_entry(function->get_attributes(), "DEFINER", "ann@%");
    set_entry(function->get_attributes(), "DETERMINISTIC", "yes");
    EXPECT_EQ(text(builder->build_function(function.get())),
              "CREATE DEFINER = `ann`@`%` FUNCTION `f``x`(IN a int(11), IN b int(11)) RETURNS int(11) NOT "
              "DETERMINISTIC\nBEGIN\n   RETURN a + b ;\nEND;");
    auto procedure = MetaFunction::create_with_names(MetaFunction::gtype(), "d", "s", "p");
    procedure->set_body("SELECT 1;");
    set_entry(procedure->get_attributes(), "COMMENT", "it's \\");
    EXPECT_EQ(text(builder->build_function(procedure.get())),
              "CREATE PROCEDURE `p`() COMMENT 'it''s \\\\'\nBEGIN\n  SELECT 1;\nEND;");
    gee_map_clear(GEE_MAP(procedure->get_attributes()));
    set_entry(procedure->get_attributes(), "DETERMINISTIC", "YES");
    set_entry(procedure->get_attributes(), "SQL SECURITY", "INVOKER");
    std::string text = MariaDBBuilderTexts::text(builder->build_function(procedure.get()));
    EXPECT_NE(text.find(" DETERMINISTIC"), std::string::npos) << text;
    EXPECT_EQ(text.find("NOT DETERMINISTIC"), std::string::npos) << text;
    EXPECT_NE(text.find("SQL SECURITY INVOKER"), std::string::npos) << text;
}

TEST_F(MariaDBBuilderTexts, Callers) {
    auto procedure = MetaFunction::create_with_names(MetaFunction::gtype(), "d", "s", "p");
    EXPECT_EQ(text(builder->build_caller(procedure.get())), "CALL `s`.`p`()");
    auto function = MetaFunction::create_with_names(MetaFunction::gtype(), "d", "s", "f");
    function->set_is_function(true);
    EXPECT_EQ(text(builder->build_caller(function.get())), "SELECT `s`.`f`()");
    auto parameters = gobj::StringArray::wrap(procedure->get_parameters());
    for (const char* p : {"IN a INT", "OUT b INT", "INOUT c INT => 5", "d INT => 'x'"}) parameters.append(p);
    EXPECT_EQ(text(builder->build_caller(procedure.get())), "SET @c = 5;\nCALL `s`.`p`(_, @b, @c, 'x')");
    // A declaration the pattern cannot read is called with "_" and logged.
    auto odd = MetaFunction::create_with_names(MetaFunction::gtype(), "d", "s", "odd");
    gobj::StringArray::wrap(odd->get_parameters()).append("!!");
    test::LogCapture log;
    EXPECT_EQ(text(builder->build_caller(odd.get())), "CALL `s`.`odd`(_)");
    ASSERT_EQ(log.count(G_LOG_LEVEL_WARNING, "Failed to match: !!"), 1);
    EXPECT_EQ(log.records().at(0).message.rfind("mariadb_builder:", 0), 0u) << log.records().at(0).message;
}

// ---------------------------------------------------------------- accounts

TEST_F(MariaDBBuilderTexts, Users) {
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "d", "d", "app@%", "");
    auto attributes = user->get_attributes();
    set_entry(attributes, "PLUGIN", "unix_socket");
    set_entry(attributes, "SSL_TYPE", "ANY");
    for (const char* limit : {"MAX_QUERIES", "MAX_UPDATES", "MAX_CONNECTIONS", "USER_CONNECTIONS", "MAX_STATEMENT_TIME"})
        set_entry(attributes, limit, "0");
    set_entry(attributes, "PASSWORD_POLICY", "NEVER");
    EXPECT_EQ(text(builder->build_user(user.get())),
              "CREATE USER `app`@`%` IDENTIFIED WITH unix_socket \n  REQUIRE SSL \n  WITH MAX_QUERIES_PER_HOUR 0 "
              "MAX_UPDATES_PER_HOUR 0 MAX_CONNECTIONS_PER_HOUR 0 MAX_USER_CONNECTIONS 0 MAX_STATEMENT_TIME 0\n  PASSWORD "
              "EXPIRE NEVER;\n");

    // The stored authentication string keeps the password; empty limits are left out.
    user->set_password("*2470C0C06DEE42FD1618BB99005ADCA2EC9D1E19");
    set_entry(attributes, "PLUGIN", "mysql_native_password");
    set_entry(attributes, "SSL_TYPE", "SPECIFIED");
    set_entry(attributes, "X509_CIPHER", "AES256-SHA");
    set_entry(attributes, "MAX_QUERIES", "7");
    set_entry(attributes, "MAX_STATEMENT_TIME", "2.500000");
    for (const char* limit : {"MAX_UPDATES", "MAX_CONNECTIONS", "USER_CONNECTIONS"}) set_entry(attributes, limit, "");
    set_entry(attributes, "PASSWORD_POLICY", "INTERVAL");
    set_entry(attributes, "PASSWORD_LIFETIME", "90");
    EXPECT_EQ(text(builder->build_user(user.get())),
              "CREATE USER `app`@`%` IDENTIFIED WITH mysql_native_password AS "
              "'*2470C0C06DEE42FD1618BB99005ADCA2EC9D1E19' \n  REQUIRE CIPHER 'AES256-SHA' \n  WITH "
              "MAX_QUERIES_PER_HOUR 7 MAX_STATEMENT_TIME 2.500000\n  PASSWORD EXPIRE INTERVAL 90 DAY;\n");

    // No limit at all: no WITH; a policy of its own words: no expiry clause.
    set_entry(attributes, "X509_ISSUER", "/CN=ca's");
    set_entry(attributes, "X509_SUBJECT", "/CN=app");
    for (const char* limit : {"MAX_QUERIES", "MAX_STATEMENT_TIME"}) set_entry(attributes, limit, "");
    set_entry(attributes, "MAX_UPDATES", "1; DROP USER root");
    set_entry(attributes, "PASSWORD_POLICY", "N");
    set_entry(attributes, "PLUGIN", "default");
    user->set_password("pw's \\");
    EXPECT_EQ(text(builder->build_user(user.get())),
              "CREATE USER `app`@`%` IDENTIFIED BY 'pw''s \\\\' \n  REQUIRE ISSUER '/CN=ca''s' AND SUBJECT '/CN=app' "
              "AND CIPHER 'AES256-SHA' \n ;\n");

    const std::pair<const char*, const char*> names[] = {
        {"app", "CREATE USER `app`@`` "}, {"", "CREATE USER ``@`` "}, {"a@b@c", "CREATE USER `a`@`b` "},
        {"a`b@h'", "CREATE USER `a``b`@`h'` "}};
    for (auto [name, head] : names) {
        auto plain = MetaUser::create_with_names(MetaUser::gtype(), "d", "d", name, "");
        set_entry(plain->get_attributes(), "SSL_TYPE", "any");
        EXPECT_EQ(text(builder->build_user(plain.get())), std::string(head) + "IDENTIFIED BY '' \n  \n ;\n") << name;
    }
}

TEST_F(MariaDBBuilderTexts, Roles) {
    auto role = MetaRole::create_with_names(MetaRole::gtype(), "d", "d", "reader", "");
    EXPECT_EQ(text(builder->build_role(role.get())), "CREATE ROLE `reader`;");
    set_entry(role->get_attributes(), "WITH ADMIN", "root@%");
    EXPECT_EQ(text(builder->build_role(role.get())), "CREATE ROLE `reader` WITH ADMIN `root`@`%`;");
    set_entry(role->get_attributes(), "WITH ADMIN", "boss");
    EXPECT_EQ(text(builder->build_role(role.get())), "CREATE ROLE `reader` WITH ADMIN `boss`;");
}

// ---------------------------------------------------------------- dispatch

TEST_F(MariaDBBuilderTexts, CreateDeleteAndPatchByKindAndState) {
    auto procedure = MetaFunction::create_with_names(MetaFunction::gtype(), "d", "s", "p");
    procedure->set_body("SELECT 1");
    auto role = MetaRole::create_with_names(MetaRole::gtype(), "d", "d", "r@%", "");
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "d", "d", "u@h", "");
    auto view = MetaView::create_with_names(MetaView::gtype(), "d", "s", "v");
    view->set_definition("select 1");
    auto index = add_index(*table, "i", "", {"a"});
    add_column(*table, {"a", "INT"});

    const std::string procedure_text = "CREATE PROCEDURE `p`()\nBEGIN\n  SELECT 1;\nEND;";
    EXPECT_EQ(text(builder->build_create(procedure.get(), true)), procedure_text);
    EXPECT_EQ(text(builder->build_delete(procedure.get())), "DROP PROCEDURE IF EXISTS `p`;");
    EXPECT_EQ(text(builder->build_delete(role.get())), "DROP ROLE IF EXISTS `r`@`%`;");
    EXPECT_EQ(text(builder->build_delete(user.get())), "DROP USER IF EXISTS `u`@`h`;");
    EXPECT_EQ(text(builder->build_delete(index.get())), "DROP INDEX `i` ON `t`;");
    EXPECT_EQ(text(builder->build_delete(table.get())), "DROP TABLE IF EXISTS `t`;");
    EXPECT_EQ(text(builder->build_create(table.get(), true)), create(*table));

    procedure->set_version(kUpdate);
    EXPECT_EQ(text(builder->build_patch(procedure.get(), true)), "DROP PROCEDURE IF EXISTS `p`;\n" + procedure_text);
    procedure->set_version(kInsert);
    EXPECT_EQ(text(builder->build_patch(procedure.get(), true)), procedure_text);
    for (auto version : {TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, kIdentical}) {
        view->set_version(version);
        EXPECT_EQ(text(builder->build_patch(view.get(), true)), "") << version;
    }
    view->set_version(kUpdate);
    EXPECT_EQ(text(builder->build_patch(view.get(), true)), "ALTER VIEW `s`.`v` AS select 1\n;");
    view->set_version(kDelete);
    EXPECT_EQ(text(builder->build_patch(view.get(), true)), "DROP VIEW IF EXISTS `v`;");
    role->set_version(kDelete);
    EXPECT_EQ(text(builder->build_patch(role.get(), true)), "CREATE ROLE `r`@`%`;");
    table->set_version(kUpdate);
    EXPECT_EQ(text(builder->build_patch(table.get(), true)), "");
    EXPECT_EQ(text(builder->build_patch(index.get(), true)), "");
}

TEST_F(MariaDBBuilderTexts, MissingArgumentsAreNamed) {
    test::LogCapture log;
    EXPECT_FALSE(builder->build_table(nullptr, true));
    EXPECT_FALSE(builder->build_user(nullptr));
    EXPECT_FALSE(builder->build_create(nullptr, true));
    EXPECT_FALSE(builder->option_format("ENGINE", nullptr));
    EXPECT_FALSE(builder->alter_database(nullptr, nullptr));
    for (const char* condition : {"table != NULL", "user != NULL", "meta_object != NULL", "value != NULL",
                                  "database_old != NULL"})
        EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, condition)) << condition;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_maria_db_builder_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'connection != NULL'"));
}

}  // namespace
}  // namespace mariadb_dialect_test
