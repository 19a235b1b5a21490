// The MariaDB readers over the scripted provider, for what the live server cannot show:
// a 10.4 server (the reader before 10.5 and its three-column database query), the marks,
// the criticals of absent objects, query errors, role and grant texts, and the log lines.
// Each answer has the shape MariaDB 10.11 gives (column types included).
#include <map>

#include "fixture.hpp"
#include "support/mysql_family_queries.hpp"

namespace mariadb_dialect_test {
namespace {

using test::Cell;
using test::mysql_family::columns_query;
using test::mysql_family::foreign_keys_query;
using test::mysql_family::show_index_query;
using test::mysql_family::triggers_query;
using test::mysql_family::SchemaWide;
using test::mysql_family::schema_events_query;
using test::mysql_family::schema_parameters_query;
using test::mysql_family::schema_routines_query;
using test::mysql_family::schema_status_query;
namespace family = test::mysql_family;
using Cols = std::vector<ScriptedColumn>;
using Rows = std::vector<ScriptedRow>;
using V = std::vector<std::string>;

std::string q(const std::string& text) { return "'" + text + "'"; }

std::string schemata_query(const std::string& name, bool with_comment) {
    return std::string("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME") +
           (with_comment ? ", SCHEMA_COMMENT" : "") + " FROM `information_schema`.`SCHEMATA` WHERE SCHEMA_NAME = " +
           q(name) + " ORDER BY SCHEMA_NAME ASC;";
}
std::string tables_query(const std::string& schema) {
    return "SELECT TABLE_NAME, TABLE_TYPE FROM `information_schema`.`TABLES` WHERE TABLE_SCHEMA = " + q(schema) +
           " AND (TABLE_TYPE IN ('BASE TABLE', 'VIEW', 'SYSTEM VIEW')) ORDER BY TABLE_NAME ASC;";
}
std::string routines_query(const std::string& schema) {
    return "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.`DEFINER` FROM information_schema.ROUTINES r WHERE DEFINER NOT "
           "LIKE '%mysql%' AND ROUTINE_SCHEMA = " + q(schema) +
           " AND ROUTINE_TYPE IN ('FUNCTION', 'PROCEDURE') ORDER BY ROUTINE_NAME ASC;";
}
std::string events_query(const std::string& schema) {
    return "SELECT EVENT_NAME, EVENT_TYPE FROM `information_schema`.`EVENTS` WHERE EVENT_SCHEMA = " + q(schema) +
           " ORDER BY EVENT_NAME ASC;";
}
std::string checks_query(const std::string& schema, const std::string& table) {
    return "SELECT CONSTRAINT_NAME, CHECK_CLAUSE FROM information_schema.CHECK_CONSTRAINTS WHERE CONSTRAINT_SCHEMA=" +
           q(schema) + " AND TABLE_NAME=" + q(table) + ";";
}
std::string status_query(const std::string& schema, const std::string& table) {
    return "SHOW TABLE STATUS FROM `" + schema + "` WHERE `Name` = " + q(table) + ";";
}
std::string routine_query(const std::string& schema, const std::string& name) {
    return "SELECT ROUTINE_TYPE, DATA_TYPE, DTD_IDENTIFIER, ROUTINE_BODY, IS_DETERMINISTIC, SQL_DATA_ACCESS, "
           "SECURITY_TYPE, DEFINER, ROUTINE_COMMENT, ROUTINE_DEFINITION FROM `information_schema`.`ROUTINES` WHERE "
           "ROUTINE_SCHEMA = " + q(schema) + " AND ROUTINE_NAME = " + q(name) + ";";
}
std::string parameters_query(const std::string& schema, const std::string& name) {
    return "SELECT PARAMETER_MODE, PARAMETER_NAME, DATA_TYPE, DTD_IDENTIFIER FROM `information_schema`.`PARAMETERS` "
           "WHERE SPECIFIC_SCHEMA = " + q(schema) + " AND SPECIFIC_NAME = " + q(name) +
           " AND PARAMETER_NAME != '' ORDER BY ORDINAL_POSITION ASC;";
}
std::string event_query(const std::string& schema, const std::string& name) {
    return "SELECT DEFINER, EVENT_DEFINITION, EVENT_TYPE, EXECUTE_AT, INTERVAL_VALUE, INTERVAL_FIELD, STARTS, ENDS, "
           "STATUS, ON_COMPLETION, EVENT_COMMENT FROM `information_schema`.`EVENTS` where EVENT_SCHEMA = " + q(schema) +
           " and EVENT_NAME = " + q(name) + ";";
}
// The deep read's schema-wide forms, each row naming its object first.
std::string schema_checks_query(const std::string& schema) {
    return "SELECT TABLE_NAME, CONSTRAINT_NAME, CHECK_CLAUSE FROM information_schema.CHECK_CONSTRAINTS WHERE "
           "CONSTRAINT_SCHEMA=" + q(schema) + ";";
}
std::string view_query(const std::string& schema, const std::string& name) {
    return "SHOW CREATE VIEW `" + schema + "`.`" + name + "`;";
}
std::string index_query(const std::string& schema, const std::string& table, const std::string& name) {
    return "SELECT TABLE_NAME, NON_UNIQUE, INDEX_TYPE, INDEX_COMMENT, SEQ_IN_INDEX, COLUMN_NAME, SUB_PART, COLLATION FROM "
           "`information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = " + q(schema) + " AND TABLE_NAME = " + q(table) +
           " AND INDEX_NAME = " + q(name) + " ORDER BY SEQ_IN_INDEX ASC;";
}
std::string trigger_query(const std::string& schema, const std::string& name) {
    return "SELECT EVENT_OBJECT_TABLE, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, ACTION_ORIENTATION, ACTION_STATEMENT "
           "FROM information_schema.triggers WHERE TRIGGER_SCHEMA = " + q(schema) + " AND TRIGGER_NAME = " + q(name) +
           ";";
}
std::string roles_mapping(const std::string& where) {
    return "SELECT Role, CONCAT(USER, '@', HOST) username, Admin_option FROM `mysql`.`roles_mapping` WHERE " + where +
           ";";
}

const Cols kSchemata = {{"SCHEMA_NAME", kString}, {"DEFAULT_CHARACTER_SET_NAME", kString},
                        {"DEFAULT_COLLATION_NAME", kString}, {"SCHEMA_COMMENT", kString}};
const Cols kColumns = {{"COLUMN_NAME", kString},        {"ORDINAL_POSITION", kUInt64},  {"COLUMN_DEFAULT", kString},
                       {"IS_NULLABLE", kString},        {"DATA_TYPE", kString},         {"CHARACTER_MAXIMUM_LENGTH", kUInt64},
                       {"NUMERIC_PRECISION", kUInt64},  {"NUMERIC_SCALE", kUInt64},     {"DATETIME_PRECISION", kUInt64},
                       {"CHARACTER_SET_NAME", kString}, {"COLLATION_NAME", kString},    {"COLUMN_TYPE", kString},
                       {"COLUMN_KEY", kString},         {"EXTRA", kString},             {"COLUMN_COMMENT", kString},
                       {"GENERATION_EXPRESSION", kString}};
const Cols kShowIndex = {{"Table", kString},       {"Non_unique", kInt64},   {"Key_name", kString},
                         {"Seq_in_index", kUInt32}, {"Column_name", kString}, {"Collation", kString},
                         {"Cardinality", kInt64},  {"Sub_part", kInt64},     {"Packed", kString},
                         {"Null", kString},        {"Index_type", kString},  {"Comment", kString},
                         {"Index_comment", kString}, {"Ignored", kString}};
const Cols kTriggers = {{"TRIGGER_NAME", kString},       {"DEFINER", kString},           {"ACTION_TIMING", kString},
                        {"EVENT_MANIPULATION", kString}, {"ACTION_ORIENTATION", kString}, {"ACTION_STATEMENT", kString}};
const Cols kForeign = {{"CONSTRAINT_SCHEMA", kString}, {"CONSTRAINT_NAME", kString},        {"MATCH_OPTION", kString},
                       {"UPDATE_RULE", kString},       {"DELETE_RULE", kString},            {"COLUMN_NAME", kString},
                       {"ORDINAL_POSITION", kInt64},   {"REFERENCED_TABLE_SCHEMA", kString}, {"REFERENCED_TABLE_NAME", kString},
                       {"REFERENCED_COLUMN_NAME", kString}};
const Cols kChecks = {{"CONSTRAINT_NAME", kString}, {"CHECK_CLAUSE", kString}};
const Cols kStatus = {{"Name", kString},          {"Engine", kString},         {"Version", kUInt64},
                      {"Row_format", kString},    {"Rows", kUInt64},           {"Avg_row_length", kUInt64},
                      {"Data_length", kUInt64},   {"Max_data_length", kUInt64}, {"Index_length", kUInt64},
                      {"Data_free", kUInt64},     {"Auto_increment", kUInt64}, {"Create_time", kString},
                      {"Update_time", kString},   {"Check_time", kString},     {"Collation", kString},
                      {"Checksum", kUInt64},      {"Create_options", kString}, {"Comment", kString},
                      {"Max_index_length", kUInt64}, {"Temporary", kString}};
const Cols kRoutine = {{"ROUTINE_TYPE", kString},   {"DATA_TYPE", kString},      {"DTD_IDENTIFIER", kString},
                       {"ROUTINE_BODY", kString},   {"IS_DETERMINISTIC", kString}, {"SQL_DATA_ACCESS", kString},
                       {"SECURITY_TYPE", kString},  {"DEFINER", kString},        {"ROUTINE_COMMENT", kString},
                       {"ROUTINE_DEFINITION", kString}};
const Cols kParameters = {{"PARAMETER_MODE", kString}, {"PARAMETER_NAME", kString}, {"DATA_TYPE", kString},
                          {"DTD_IDENTIFIER", kString}};
const Cols kEvent = {{"DEFINER", kString},    {"EVENT_DEFINITION", kString}, {"EVENT_TYPE", kString},
                     {"EXECUTE_AT", kString}, {"INTERVAL_VALUE", kString},   {"INTERVAL_FIELD", kString},
                     {"STARTS", kString},     {"ENDS", kString},             {"STATUS", kString},
                     {"ON_COMPLETION", kString}, {"EVENT_COMMENT", kString}};
const Cols kRolesMapping = {{"Role", kString}, {"username", kString}, {"Admin_option", kString}};
const Cols kGrants = {{"Grants for x", kString}};

ScriptedRow status_row(const char* name, const char* collation, const char* comment) {
    return {name, "InnoDB", 10, "Dynamic", 0, 0, 16384, 0, 0, 0, Cell(), "2024-05-01 10:00:00", Cell(), Cell(),
            collation, Cell(), "row_format=DYNAMIC", comment, 0, "N"};
}

// A 10.4 server's database "shop": table t (key (b, a) against column order (a, b), an
// index, a trigger, a foreign key over two columns, a check), a view, a function with two
// parameters, a procedure without any, and a recurring event.
void script_shop(ScriptedProvider& p) {
    SchemaWide wide;
    // The object's own query, and its share of the schema-wide one.
    auto both = [&](const std::string& one, const std::string& all, const char* key, const std::string& name,
                    const Cols& cols, Rows rows) {
        p.answer_rows(one, cols, rows);
        wide.add(all, key, name, cols, std::move(rows));
    };
    p.answer_rows(schemata_query("shop", false), Cols(kSchemata.begin(), kSchemata.end() - 1),
                  {{"shop", "utf8mb4", "utf8mb4_general_ci"}});
    p.answer_rows(tables_query("shop"), {{"TABLE_NAME", kString}, {"TABLE_TYPE", kString}},
                  {{"t", "BASE TABLE"}, {"v", "VIEW"}});
    p.answer_rows(routines_query("shop"), {{"ROUTINE_NAME", kString}, {"ROUTINE_TYPE", kString}, {"DEFINER", kString}},
                  {{"f", "FUNCTION", "ann@%"}, {"p", "PROCEDURE", "ann@%"}});
    p.answer_rows(events_query("shop"), {{"EVENT_NAME", kString}, {"EVENT_TYPE", kString}}, {{"e", "RECURRING"}});
    both(columns_query("shop", "t"), family::schema_columns_query("shop"), "TABLE_NAME", "t", kColumns,
                  {{"a", 1, Cell(), "NO", "int", Cell(), 10, 0, Cell(), Cell(), Cell(), "int(11)", "PRI", "", "", Cell()},
                   {"b", 2, Cell(), "NO", "int", Cell(), 10, 0, Cell(), Cell(), Cell(), "int(11)", "PRI", "", "", Cell()},
                   {"d", 3, "NULL", "YES", "datetime", Cell(), Cell(), Cell(), 3, Cell(), Cell(), "datetime(3)", "",
                    "on update current_timestamp()", "", Cell()},
                   {"k", 4, "'x.y'", "NO", "enum", 3, Cell(), Cell(), Cell(), "utf8mb4", "utf8mb4_general_ci",
                    "enum('x.y','a/b')", "", "", "kind's", Cell()}});
    both(show_index_query("shop", "t"), family::schema_index_query("shop"), "TABLE_NAME", "t", kShowIndex,
                  {{"t", 0, "PRIMARY", 1, "b", "A", 0, Cell(), Cell(), "", "BTREE", "", "", "NO"},
                   {"t", 0, "PRIMARY", 2, "a", "A", 0, Cell(), Cell(), "", "BTREE", "", "", "NO"},
                   {"t", 1, "ix", 1, "k", "A", 0, Cell(), Cell(), "", "BTREE", "", "by kind", "NO"},
                   {"t", 1, "ix", 2, "d", "A", 0, Cell(), Cell(), "YES", "BTREE", "", "by kind", "NO"}});
    both(triggers_query("shop", "t"), family::schema_triggers_query("shop"), "EVENT_OBJECT_TABLE", "t", kTriggers,
                  {{"tr", "ann@%", "BEFORE", "INSERT", "ROW ", "BEGIN SET NEW.k = 'x.y'; END"}});
    both(foreign_keys_query("shop", "t"), family::schema_foreign_keys_query("shop"), "TABLE_NAME", "t", kForeign,
                  {{"shop", "fk", "NONE", "RESTRICT", "CASCADE", "b", 1, "shop", "p", "y"},
                   {"shop", "fk", "NONE", "RESTRICT", "CASCADE", "a", 2, "shop", "p", "x"}});
    both(checks_query("shop", "t"), schema_checks_query("shop"), "TABLE_NAME", "t", kChecks, {{"positive", "`a` > 0"}});
    both(status_query("shop", "t"), schema_status_query("shop"), nullptr, "t", kStatus, {status_row("t", "utf8mb4_general_ci", "the t")});
    p.answer_rows(view_query("shop", "v"),
                  {{"View", kString}, {"Create View", kString}, {"character_set_client", kString},
                   {"collation_connection", kString}},
                  {{"v",
                    "CREATE ALGORITHM=UNDEFINED DEFINER=`ann`@`%` SQL SECURITY DEFINER VIEW `v` AS select `t`.`a` AS "
                    "`a` from `t` WITH LOCAL CHECK OPTION",
                    "utf8mb4", "utf8mb4_general_ci"}});
    both(event_query("shop", "e"), schema_events_query("shop"), "EVENT_NAME", "e", kEvent,
                  {{"ann@%", "BEGIN DELETE FROM t; END", "RECURRING", Cell(), "1", "DAY", "2030-01-01 03:00:00", Cell(),
                    "ENABLED", "PRESERVE", "nightly"}});
    both(routine_query("shop", "f"), schema_routines_query("shop"), "ROUTINE_NAME", "f", kRoutine,
                  {{"FUNCTION", "int", "int(11)", "SQL", "YES", "CONTAINS SQL", "DEFINER", "ann@%", "sum",
                    "BEGIN RETURN x + y; END"}});
    both(parameters_query("shop", "f"), schema_parameters_query("shop"), "SPECIFIC_NAME", "f", kParameters,
                  {{"IN", "x", "int", "int(11)"}, {"IN", "y", "int", "int(11)"}});
    both(routine_query("shop", "p"), schema_routines_query("shop"), "ROUTINE_NAME", "p", kRoutine,
                  {{"PROCEDURE", Cell(), "", "SQL", "NO", "CONTAINS SQL", "DEFINER", "ann@%", "", "begin select 1; end"}});
    both(parameters_query("shop", "p"), schema_parameters_query("shop"), "SPECIFIC_NAME", "p", kParameters, {});
    wide.answer(p);
}

std::string fill_database(const Ref<gobj::Object>& adapter, MetaDatabase& database, bool deep) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
        reinterpret_cast<CAdaptable*>(adapter.gobj()), reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(database.gobj()),
        deep, &error);
    return test::describe(error);
}

class MariaDBReaderScripted : public ::testing::Test {
protected:
    explicit MariaDBReaderScripted(const char* version = "10.4.32-MariaDB") : s(version) {
        script_shop(*s.provider);
        s.open();
        s.provider->clear_log();
    }
    Scripted s;
    Ref<MetaDatabase> shop = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    Ref<MetaSchema> schema() { return gobj::GeeArray<MetaSchema>::wrap(shop->get_schemas()).at(0); }
    Ref<MetaTable> table() { return named<MetaTable>(schema()->get_tables(), "t"); }
};

TEST_F(MariaDBReaderScripted, A10_4ServerIsReadDeepWithoutDatabaseComments) {
    EXPECT_EQ(type_name(s.adapter()), kAdapterBelowV105);
    shop->set_comment("kept");
    ASSERT_EQ(fill_database(s.adapter(), *shop, true), "(none)");
    EXPECT_EQ(shop->get_comment(), std::string("kept"));
    EXPECT_EQ(entries(shop->get_attributes()), (V{"CHARACTER SET=utf8mb4", "COLLATE=utf8mb4_general_ci"}));
    EXPECT_TRUE(filled(*shop));

    auto t = table();
    ASSERT_TRUE(t);
    // The key's own order, not the columns'.
    auto a = t->get_column("a"), b = t->get_column("b"), d = t->get_column("d"), k = t->get_column("k");
    EXPECT_EQ(a->get_primary_ordinal(), 2);
    EXPECT_EQ(b->get_primary_ordinal(), 1);
    EXPECT_EQ(d->get_scale(), 3);
    EXPECT_TRUE(d->get_update_timestamp());  // MariaDB reports the stamp in lower case
    EXPECT_STREQ(k->get_enum_values(), "'x.y','a/b'");
    EXPECT_EQ(k->get_length(), 3);
    EXPECT_STREQ(k->get_comment(), "kind's");

    auto indexes = gobj::GeeArray<MetaIndex>::wrap(t->get_indexes());
    ASSERT_EQ(indexes.size(), 1);
    EXPECT_EQ(gobj::StringArray::wrap(indexes.at(0)->get_columns()).to_vector(), (V{"k", "d"}));
    EXPECT_STREQ(indexes.at(0)->get_comment(), "by kind");

    auto triggers = gobj::GeeArray<MetaTrigger>::wrap(t->get_triggers());
    ASSERT_EQ(triggers.size(), 1);
    EXPECT_STREQ(triggers.at(0)->get_database(), "shop");
    EXPECT_STREQ(triggers.at(0)->get_schema(), "shop");
    EXPECT_STREQ(triggers.at(0)->get_target(), "t");
    EXPECT_STREQ(triggers.at(0)->get_definer(), "ann@%");
    EXPECT_STREQ(triggers.at(0)->get_for_each(), "ROW");

    V constraints;
    for (auto c : gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints())) {
        if (auto* key = dynamic_cast<MetaForeignKey*>(c.get()))
            constraints.push_back(std::string("FK ") + key->get_name() + " (" + key->get_local_columns() + ") -> " +
                                  key->get_refer_table() + " (" + key->get_refer_columns() + ") " +
                                  key->get_delete_action() + " match=" + key->get_match_method());
        if (auto* check = dynamic_cast<MetaCheck*>(c.get()))
            constraints.push_back(std::string("CHECK ") + check->get_name() + " " + check->get_check() +
                                  (check->get_enforced() ? " enforced" : ""));
    }
    EXPECT_EQ(constraints, (V{"FK fk (b, a) -> p (y, x) CASCADE match=", "CHECK positive `a` > 0 enforced"}));
    // The options it was made with, not the row format and average length the server reports.
    EXPECT_EQ(entries(t->get_options()),
              (V{"CHARACTER SET=utf8mb4", "COLLATE=utf8mb4_general_ci", "ENGINE=InnoDB", "ROW_FORMAT=DYNAMIC"}));
    EXPECT_STREQ(t->get_comment(), "the t");

    auto view = named<MetaView>(schema()->get_views(), "v");
    EXPECT_STREQ(view->get_definition(), "select `t`.`a` AS `a` from `t` ");
    EXPECT_EQ(entries(view->get_attributes()),
              (V{"ALGORITHM=UNDEFINED", "CHECK=LOCAL", "DEFINER=ann@%", "SECURITY=DEFINER"}));

    auto f = named<MetaFunction>(schema()->get_functions(), "f");
    EXPECT_EQ(gobj::StringArray::wrap(f->get_parameters()).to_vector(), (V{"IN x int(11)", "IN y int(11)"}));
    EXPECT_STREQ(f->get_body(), " RETURN x + y; ");
    EXPECT_TRUE(filled(*f));
    // A deep read leaves procedures alone.
    auto p = named<MetaFunction>(schema()->get_procedures(), "p");
    EXPECT_FALSE(filled(*p));
    EXPECT_EQ(s.provider->calls("execute_model"), 14);

    auto e = named<MetaEvent>(schema()->get_events(), "e");
    EXPECT_STREQ(e->get_schedule(), "EVERY 1 DAY STARTS '2030-01-01 03:00:00'");
    EXPECT_STREQ(e->get_body(), " DELETE FROM t; ");
    EXPECT_STREQ(e->get_comment(), "nightly");
}

TEST_F(MariaDBReaderScripted, TheNewerReaderReplacesTheComment) {
    s.provider->answer_rows(schemata_query("shop", true), kSchemata, {{"shop", "utf8mb4", "utf8mb4_general_ci", Cell()}});
    auto reader = Ref<gobj::Object>::adopt(
        reinterpret_cast<GObject*>(tarvelin_rezezadovu_supports_database_maria_db_adapter_new(s.c())));
    shop->set_comment("old");
    ASSERT_EQ(fill_database(reader, *shop, false), "(none)");
    EXPECT_STREQ(shop->get_comment(), "");
    // A database the catalogue does not have still gets its schema and its mark.
    auto missing = MetaDatabase::create_with_name(MetaDatabase::gtype(), "gone");
    s.provider->answer_rows(schemata_query("gone", true), kSchemata, {});
    missing->set_comment("as it was");
    ASSERT_EQ(fill_database(reader, *missing, false), "(none)");
    EXPECT_EQ(gobj::GeeArray<MetaSchema>::wrap(missing->get_schemas()).size(), 1);
    EXPECT_STREQ(missing->get_comment(), "as it was");
    EXPECT_TRUE(filled(*missing));
}

TEST_F(MariaDBReaderScripted, MarksDecideWhatIsReadAgain) {
    ASSERT_EQ(fill_database(s.adapter(), *shop, false), "(none)");
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "t");
    // Without the deep flag the columns only, then marked: a deep read adds nothing.
    ASSERT_EQ(fill(s.adapter(), *t, false), "(none)");
    EXPECT_EQ(gobj::GeeArray<MetaColumn>::wrap(t->get_columns()).size(), 4);
    EXPECT_TRUE(filled(*t));
    s.provider->clear_log();
    ASSERT_EQ(fill(s.adapter(), *t, true), "(none)");
    EXPECT_EQ(s.provider->statements(), V{});
    EXPECT_EQ(gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).size(), 0);

    // A marked database filled deep still visits its schema; events are read every time
    // (in a deep read, with one query for the schema).
    ASSERT_EQ(fill_database(s.adapter(), *shop, true), "(none)");
    s.provider->clear_log();
    ASSERT_EQ(fill_database(s.adapter(), *shop, true), "(none)");
    EXPECT_EQ(s.provider->statements(), V{schema_events_query("shop")});
    ASSERT_EQ(fill_database(s.adapter(), *shop, false), "(none)");
    EXPECT_EQ(s.provider->statements(), V{schema_events_query("shop")});
}

TEST_F(MariaDBReaderScripted, ByKindProceduresAreLeftAndARoutineWithoutParametersIsComplete) {
    auto p = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "shop", "p");
    ASSERT_EQ(fill(s.adapter(), *p), "(none)");
    EXPECT_EQ(s.provider->statements(), V{});
    EXPECT_FALSE(filled(*p));

    test::LogCapture log;
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(
        reinterpret_cast<CAdaptable*>(s.adapter().gobj()), reinterpret_cast<TarvelinRezezadovuMetaModelMetaFunction*>(p.gobj()),
        &error);
    ASSERT_EQ(test::describe(error), "(none)");
    EXPECT_TRUE(filled(*p));
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL), 0);
    EXPECT_FALSE(p->get_is_function());
    EXPECT_STREQ(p->get_body(), "begin select 1; end");  // lower case is not trimmed
    EXPECT_EQ(entries(p->get_attributes()),
              (V{"COMMENT=", "DATA_ACCESS=CONTAINS SQL", "DEFINER=ann@%", "DETERMINISTIC=NO", "LANGUAGE=SQL",
                 "SQL SECURITY=DEFINER"}));
}

TEST_F(MariaDBReaderScripted, AbsentObjectsLogACriticalAndStayUnmarked) {
    s.provider->answer_rows(view_query("shop", "nov"), {{"View", kString}, {"Create View", kString}}, {});
    s.provider->answer_rows(index_query("shop", "t", "noi"),
                            {{"TABLE_NAME", kString}, {"NON_UNIQUE", kInt64}, {"INDEX_TYPE", kString},
                             {"INDEX_COMMENT", kString}, {"SEQ_IN_INDEX", kUInt32}, {"COLUMN_NAME", kString}},
                            {});
    s.provider->answer_rows(trigger_query("", "tr"), kTriggers, {});
    s.provider->answer_rows(event_query("shop", "noe"), kEvent, {});
    s.provider->answer_rows(routine_query("shop", "nor"), kRoutine, {});
    Ref<MetaObject> objects[] = {
        MetaView::create_with_names(MetaView::gtype(), "shop", "shop", "nov"),
        MetaIndex::create_with_names(MetaIndex::gtype(), "shop", "shop", "t", "noi"),
        MetaTrigger::create_with_body(MetaTrigger::gtype(), "tr", "x"),  // as the table reading leaves none: no schema
        MetaEvent::create_with_names(MetaEvent::gtype(), "shop", "shop", "noe"),
        [] {
            auto f = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "shop", "nor");
            f->set_is_function(true);
            return Ref<MetaObject>(f);
        }(),
    };
    for (auto& object : objects) {
        test::LogCapture log;
        EXPECT_EQ(fill(s.adapter(), *object), "(none)") << object->get_name();
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL), 1) << object->get_name();
        EXPECT_FALSE(filled(*object)) << object->get_name();
    }
}

TEST_F(MariaDBReaderScripted, AQueryErrorEndsTheReadWithTheServersError) {
    s.provider->answer_error(foreign_keys_query("shop", "t"),
                             gobj::Error("MariaDB", 1146, "Table 'information_schema.x' doesn't exist"));
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "t");
    test::LogCapture log;
    EXPECT_EQ(fill(s.adapter(), *t, true), "MariaDB 1146 Table 'information_schema.x' doesn't exist");
    EXPECT_FALSE(filled(*t));
    // What was read before stays; the steps after do not run.
    EXPECT_EQ(gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).size(), 1);
    EXPECT_EQ(gobj::GeeArray<MetaTrigger>::wrap(t->get_triggers()).size(), 1);
    EXPECT_EQ(gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints()).size(), 0);
    V steps;
    for (const auto& r : log.records())
        if (r.message.find("...[done]") != std::string::npos) steps.push_back(r.message.substr(r.message.find(": ") + 2));
    EXPECT_EQ(steps, (V{"fill_schema_table_columns...[done]", "fill_schema_table_index...[done]",
                        "fill_schema_table_trigger...[done]"}));
    for (const auto& r : log.records())
        if (r.message.find("...[done]") != std::string::npos) {
            EXPECT_EQ(r.message.rfind("mariadb_adapter:", 0), 0u);
        }
}

TEST_F(MariaDBReaderScripted, TheTableOperationsOfTheCFace) {
    auto* reader = tarvelin_rezezadovu_supports_database_maria_db_adapter_new(s.c());
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", "t");
    auto* c_table = reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(t.gobj());
    GError* error = nullptr;
    for (int i = 0; i < 2; ++i) {
        auto* same = tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_check(reader, c_table, &error);
        EXPECT_EQ(same, c_table);
        if (same) g_object_unref(same);
    }
    EXPECT_EQ(gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints()).size(), 2);  // appended twice

    // SHOW TABLE STATUS of the exact name; anything but one row sets nothing.
    s.provider->answer_rows(status_query("shop", "t"), kStatus,
                            {status_row("t", "", "one"), status_row("t", "", "two")});
    auto* same = tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_options(reader, c_table, &error);
    EXPECT_EQ(same, c_table);
    g_object_unref(same);
    EXPECT_EQ(entries(t->get_options()), V{});
    s.provider->answer_rows(status_query("shop", "t"), kStatus, {status_row("t", "", "one")});
    g_object_unref(
        tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_options(reader, c_table, &error));
    EXPECT_EQ(entries(t->get_options()), (V{"CHARACTER SET=(null)", "COLLATE=", "ENGINE=InnoDB", "ROW_FORMAT=DYNAMIC"}));
    EXPECT_STREQ(t->get_comment(), "one");
    EXPECT_EQ(error, nullptr);

    s.provider->answer_error(checks_query("shop", "t"), gobj::Error("MariaDB", 1045, "denied"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_check(reader, c_table, &error),
              nullptr);
    EXPECT_EQ(test::describe(error), "MariaDB 1045 denied");
    error = nullptr;

    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_check(nullptr, c_table, &error),
              nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_options(reader, nullptr, &error),
              nullptr);
    tarvelin_rezezadovu_supports_database_maria_db_adapter_load_relation(reader, nullptr, &error);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "self != NULL"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "table != NULL"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "user != NULL"));
    EXPECT_EQ(error, nullptr);
    g_object_unref(reader);
}

// ---------------------------------------------------------------- accounts

const char* const kUserDetail =
    "SELECT mu.Host, mu.User, authentication_string, plugin, password_expired, ssl_type, ssl_cipher, x509_issuer, "
    "x509_subject, max_questions, max_updates, max_connections, max_user_connections, max_statement_time, "
    "JSON_VALUE(mgp.priv, '$.password_last_changed') as password_last_changed, JSON_VALUE(mgp.priv, "
    "'$.password_lifetime') as password_lifetime, JSON_VALUE(mgp.priv, '$.account_locked') as account_locked FROM "
    "mysql.user mu, mysql.global_priv mgp WHERE mu.host = mgp.host AND mu.user = mgp.user AND mu.HOST = '%' AND "
    "mu.USER ='app';";

void script_app(ScriptedProvider& p) {
    p.answer_rows(kUserDetail,
                  {{"Host", kString}, {"User", kString}, {"authentication_string", kString}, {"plugin", kString},
                   {"password_expired", kString}, {"ssl_type", kString}, {"ssl_cipher", kString},
                   {"x509_issuer", kString}, {"x509_subject", kString}, {"max_questions", kUInt64},
                   {"max_updates", kUInt64}, {"max_connections", kUInt64}, {"max_user_connections", kInt64},
                   {"max_statement_time", kString}, {"password_last_changed", kString},
                   {"password_lifetime", kString}, {"account_locked", kString}},
                  {{"%", "app", "*ABC", "mysql_native_password", "N", "", "", "", "", 7, 0, 0, 0, "2.500000",
                    "1714550400", "-1", "false"}});
    p.answer_rows(roles_mapping("USER = 'app' AND HOST = '%'"), kRolesMapping,
                  {{"reader", "app@%", "N"}, {"admin", "app@%", "Y"}});
    p.answer_rows("SHOW GRANTS FOR `app`@`%`;", kGrants,
                  {{"GRANT USAGE ON *.* TO `app`@`%` IDENTIFIED BY PASSWORD '*ABC'"},
                   {"GRANT SELECT, INSERT ON `shop`.* TO `app`@`%` WITH GRANT OPTION"},
                   {"GRANT UPDATE ON `shop`.* TO `app`@`%`"},
                   {"GRANT `reader` TO `app`@`%`"}});
}

TEST_F(MariaDBReaderScripted, AUserWithItsDetailRolesAndGrants) {
    script_app(*s.provider);
    auto app = MetaUser::create_with_names(MetaUser::gtype(), "shop", "shop", "app", "");
    ASSERT_EQ(fill(s.adapter(), *app), "(none)");
    EXPECT_STREQ(app->get_password(), "*ABC");
    EXPECT_EQ(entries(app->get_attributes()),
              (V{"ACCOUNT_STATE=false", "AUTHENTICATION_STRING=*ABC", "MAX_CONNECTIONS=0", "MAX_QUERIES=7",
                 "MAX_STATEMENT_TIME=2.500000", "MAX_UPDATES=0", "PASSWORD_CHANGED=1714550400", "PASSWORD_LIFETIME=-1",
                 "PASSWORD_POLICY=N", "PLUGIN=mysql_native_password", "SSL_TYPE=", "USER_CONNECTIONS=0",
                 "X509_CIPHER=", "X509_ISSUER=", "X509_SUBJECT="}));
    EXPECT_EQ(entries(app->get_relations()), (V{"admin=app@%=true", "reader=app@%=false"}));
    EXPECT_EQ(entries(app->get_privileges()), (V{"*.*=USAGE", "shop.*=SELECT, INSERT, GRANT OPTION, UPDATE"}));
    EXPECT_TRUE(filled(*app));
}

TEST_F(MariaDBReaderScripted, AnAccountWithoutRolesIsCompleteWithoutACritical) {
    script_app(*s.provider);
    s.provider->answer_rows(roles_mapping("USER = 'app' AND HOST = '%'"), kRolesMapping, {});
    auto app = MetaUser::create_with_names(MetaUser::gtype(), "shop", "shop", "app@%", "");
    test::LogCapture log;
    GError* error = nullptr;
    auto reader = s.adapter();
    tarvelin_rezezadovu_supports_database_maria_db_adapter_load_relation(
        reinterpret_cast<TarvelinRezezadovuSupportsDatabaseMariaDBAdapter*>(reader.gobj()),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaUser*>(app.gobj()), &error);
    EXPECT_EQ(test::describe(error), "(none)");
    EXPECT_EQ(fill(reader, *app), "(none)");
    EXPECT_TRUE(filled(*app));
    EXPECT_EQ(entries(app->get_relations()), V{});
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL), 0);
}

TEST_F(MariaDBReaderScripted, ARoleWithItsGranteesAndGrants) {
    s.provider->answer_rows(
        "SELECT `Host`, `User` FROM mysql.global_priv WHERE JSON_VALUE(Priv, '$.is_role') = true AND USER='r1';",
        {{"Host", kString}, {"User", kString}}, {{"", "r1"}});
    s.provider->answer_rows(roles_mapping("Role = 'r1'"), kRolesMapping, {{"r1", "app@%", "N"}, {"r1", "ops@%", "Y"}});
    s.provider->answer_rows("SHOW GRANTS FOR `r1`;", kGrants,
                            {{"GRANT USAGE ON *.* TO `r1`"}, {"GRANT SELECT ON `shop`.`t` TO `r1`"}});
    auto role = MetaRole::create_with_names(MetaRole::gtype(), "shop", "shop", "r1@%", "");
    test::LogCapture log;
    ASSERT_EQ(fill(s.adapter(), *role), "(none)");
    EXPECT_EQ(entries(role->get_relations()), (V{"r1=app@%=false", "r1=ops@%=true"}));
    EXPECT_EQ(entries(role->get_privileges()), (V{"*.*=USAGE", "shop.t=SELECT"}));
    ASSERT_EQ(log.count(G_LOG_LEVEL_WARNING, "Row count: 1"), 1);
    EXPECT_EQ(log.records().at(0).message.rfind("mariadb_adapter:", 0), 0u);
    EXPECT_TRUE(filled(*role));
}

TEST_F(MariaDBReaderScripted, HostileNamesAreValuesInTheQueries) {
    const std::string name = "o'k\\";
    s.provider->answer_rows(columns_query("shop", "o''k\\\\"), kColumns, {});
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "shop", "shop", name.c_str());
    EXPECT_EQ(fill(s.adapter(), *t, false), "(none)");
    EXPECT_EQ(s.provider->statements(), V{columns_query("shop", "o''k\\\\")});
}

}  // namespace
}  // namespace mariadb_dialect_test
