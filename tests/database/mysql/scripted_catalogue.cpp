#include "scripted_catalogue.hpp"

namespace mysql_dialect_test {

namespace {

using test::Cell;
namespace family = tarvelin::test::mysql_family;
using Cols = std::vector<ScriptedColumn>;
using Rows = std::vector<ScriptedRow>;

std::string q(const std::string& text) { return "'" + text + "'"; }

Cell at(int y, int mo, int d, int h, int mi, int s) {
    GDateTime* t = g_date_time_new_local(y, mo, d, h, mi, s);
    Cell c = Cell::date_time(t);
    g_date_time_unref(t);
    return c;
}

const Cols kColumnColumns = {
    {"COLUMN_NAME", kString},        {"ORDINAL_POSITION", kUInt32},    {"COLUMN_DEFAULT", kString},
    {"IS_NULLABLE", kString},        {"DATA_TYPE", kString},           {"CHARACTER_MAXIMUM_LENGTH", kInt64},
    {"NUMERIC_PRECISION", kUInt64},  {"NUMERIC_SCALE", kUInt64},       {"DATETIME_PRECISION", kUInt32},
    {"CHARACTER_SET_NAME", kString}, {"COLLATION_NAME", kString},      {"COLUMN_TYPE", kString},
    {"COLUMN_KEY", kString},         {"EXTRA", kString},               {"COLUMN_COMMENT", kString},
    {"GENERATION_EXPRESSION", kString}};

// One COLUMNS row: name, position, default, nullable, data type, char length, precision,
// scale, datetime precision, column type, key, extra, comment, expression.
ScriptedRow column(const char* name, int position, Cell fallback, const char* nullable, const char* type, Cell length,
                   Cell precision, Cell scale, Cell datetime, const char* column_type, const char* key,
                   const char* extra, const char* comment, const char* expression) {
    bool text = !length.is_null();
    return {name,       position,   fallback, nullable,
            type,       length,     precision, scale,
            datetime,   text ? Cell("utf8mb4") : Cell(), text ? Cell("utf8mb4_0900_ai_ci") : Cell(),
            column_type, key,       extra,    comment,
            expression};
}

Cols show_index_columns(Server server) {
    auto non_unique = server == Server::mysql80 ? kInt32 : kInt64;
    Cols c = {{"Table", kString},      {"Non_unique", non_unique}, {"Key_name", kString}, {"Seq_in_index", kUInt32},
              {"Column_name", kString}, {"Collation", kString},     {"Cardinality", kInt64}, {"Sub_part", kInt64},
              {"Packed", kString},      {"Null", kString},          {"Index_type", kString}, {"Comment", kString},
              {"Index_comment", kString}};
    if (server == Server::mysql80) {
        c.push_back({"Visible", kString});
        c.push_back({"Expression", kString});
    }
    return c;
}

// One SHOW INDEX row; 8.0 adds Visible and Expression.
ScriptedRow index_row(Server server, const char* table, int non_unique, const char* key, int seq, Cell column,
                      const char* type, const char* comment, const char* visible = "YES", Cell expression = Cell()) {
    ScriptedRow r = {table, non_unique, key, seq, column, "A", 0, Cell(), Cell(), "", type, "", comment};
    if (server == Server::mysql80) {
        r.push_back(visible);
        r.push_back(expression);
    }
    return r;
}

const Cols kForeignColumns = {{"CONSTRAINT_SCHEMA", kString},       {"CONSTRAINT_NAME", kString},
                              {"MATCH_OPTION", kString},            {"UPDATE_RULE", kString},
                              {"DELETE_RULE", kString},             {"COLUMN_NAME", kString},
                              {"ORDINAL_POSITION", kUInt32},        {"REFERENCED_TABLE_SCHEMA", kString},
                              {"REFERENCED_TABLE_NAME", kString},   {"REFERENCED_COLUMN_NAME", kString}};
const Cols kTriggerColumns = {{"TRIGGER_NAME", kString},     {"DEFINER", kString},
                              {"ACTION_TIMING", kString},    {"EVENT_MANIPULATION", kString},
                              {"ACTION_ORIENTATION", kString}, {"ACTION_STATEMENT", kString}};
const Cols kCheckColumns = {{"CONSTRAINT_NAME", kString}, {"ENFORCED", kString}, {"CHECK_CLAUSE", kString}};

// The table's own queries, and its share of a deep read's schema-wide ones (indexes are
// read table by table either way).
void script_table(ScriptedProvider& p, family::SchemaWide& wide, Server server, const std::string& table,
                  Rows columns, Rows indexes, Rows triggers, Rows foreign, Rows checks, ScriptedRow status) {
    auto both = [&](const std::string& one, const std::string& all, const char* key, const Cols& cols, Rows rows) {
        p.answer_rows(one, cols, rows);
        wide.add(all, key, table, cols, std::move(rows));
    };
    both(columns_query("shop", table), family::schema_columns_query("shop"), "TABLE_NAME", kColumnColumns,
         std::move(columns));
    p.answer_rows(show_index_query("shop", table), show_index_columns(server), std::move(indexes));
    both(triggers_query("shop", table), family::schema_triggers_query("shop"), "EVENT_OBJECT_TABLE", kTriggerColumns,
         std::move(triggers));
    both(foreign_keys_query("shop", table), family::schema_foreign_keys_query("shop"), "TABLE_NAME", kForeignColumns,
         std::move(foreign));
    if (server == Server::mysql80)
        both(checks_query("shop", table), schema_checks_query("shop"), "TABLE_NAME", kCheckColumns, std::move(checks));
    both(table_status_query("shop", table), family::schema_status_query("shop"), nullptr, table_status_columns(),
         {std::move(status)});
}

}  // namespace

std::string checks_query(const std::string& schema, const std::string& table) {
    return "SELECT cons.CONSTRAINT_NAME, cons.ENFORCED, chks.CHECK_CLAUSE FROM information_schema.CHECK_CONSTRAINTS "
           "AS chks INNER JOIN information_schema.TABLE_CONSTRAINTS AS cons ON "
           "cons.CONSTRAINT_CATALOG=chks.CONSTRAINT_CATALOG AND cons.CONSTRAINT_SCHEMA=chks.CONSTRAINT_SCHEMA AND "
           "cons.CONSTRAINT_NAME=chks.CONSTRAINT_NAME WHERE cons.CONSTRAINT_TYPE='CHECK' AND cons.TABLE_SCHEMA=" +
           q(schema) + " AND cons.TABLE_NAME=" + q(table) + ";";
}
std::string schema_checks_query(const std::string& schema) {
    return "SELECT cons.TABLE_NAME, cons.CONSTRAINT_NAME, cons.ENFORCED, chks.CHECK_CLAUSE FROM "
           "information_schema.CHECK_CONSTRAINTS AS chks INNER JOIN information_schema.TABLE_CONSTRAINTS AS cons ON "
           "cons.CONSTRAINT_CATALOG=chks.CONSTRAINT_CATALOG AND cons.CONSTRAINT_SCHEMA=chks.CONSTRAINT_SCHEMA AND "
           "cons.CONSTRAINT_NAME=chks.CONSTRAINT_NAME WHERE cons.CONSTRAINT_TYPE='CHECK' AND cons.TABLE_SCHEMA=" +
           q(schema) + ";";
}
std::string table_status_query(const std::string& schema, const std::string& table) {
    return "SHOW TABLE STATUS FROM `" + schema + "` WHERE Name = " + q(table) + ";";
}
std::string role_edges_query(const std::string& user, const std::string& host) {
    return "SELECT CONCAT(FROM_USER, '@', FROM_HOST) user_from, CONCAT(TO_USER, '@', TO_HOST) user_to , "
           "WITH_ADMIN_OPTION FROM `mysql`.`role_edges` WHERE (FROM_USER = " + q(user) + " AND FROM_HOST = " +
           q(host) + ") OR (TO_USER = " + q(user) + " AND TO_HOST = " + q(host) + ");";
}

std::vector<ScriptedColumn> table_status_columns() {
    return {{"Name", kString},          {"Engine", kString},         {"Version", kUInt64},
            {"Row_format", kString},    {"Rows", kUInt64},           {"Avg_row_length", kUInt64},
            {"Data_length", kUInt64},   {"Max_data_length", kUInt64}, {"Index_length", kUInt64},
            {"Data_free", kUInt64},     {"Auto_increment", kUInt64}, {"Create_time", kDateTime},
            {"Update_time", kDateTime}, {"Check_time", kDateTime},   {"Collation", kString},
            {"Checksum", kInt64},       {"Create_options", kString}, {"Comment", kString}};
}

ScriptedRow table_status_row(const char* name, const char* collation, const char* create_options,
                             const char* comment) {
    return {name,   "InnoDB", 10,     "Dynamic", 0,          0,         16384,     0,         16384,
            0,      Cell(),   at(2024, 5, 1, 10, 0, 0), Cell(), Cell(), collation, Cell(), create_options, comment};
}

void script_shop(ScriptedProvider& p, Server server) {
    bool v8 = server == Server::mysql80;
    family::SchemaWide wide;
    const char* collation = v8 ? "utf8mb4_0900_ai_ci" : "utf8mb4_general_ci";

    if (v8)
        p.answer_rows("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME, DEFAULT_ENCRYPTION FROM "
                      "`information_schema`.`SCHEMATA` WHERE SCHEMA_NAME = 'shop' ORDER BY SCHEMA_NAME ASC;",
                      {{"SCHEMA_NAME", kString}, {"DEFAULT_CHARACTER_SET_NAME", kString},
                       {"DEFAULT_COLLATION_NAME", kString}, {"DEFAULT_ENCRYPTION", kString}},
                      {{"shop", "utf8mb4", collation, "NO"}});
    else
        p.answer_rows("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME FROM "
                      "`information_schema`.`SCHEMATA` WHERE SCHEMA_NAME = 'shop' ORDER BY SCHEMA_NAME ASC;",
                      {{"SCHEMA_NAME", kString}, {"DEFAULT_CHARACTER_SET_NAME", kString},
                       {"DEFAULT_COLLATION_NAME", kString}},
                      {{"shop", "utf8mb4", collation}});

    p.answer_rows("SELECT TABLE_NAME, TABLE_TYPE FROM `information_schema`.`TABLES` WHERE TABLE_SCHEMA = 'shop' AND "
                  "(TABLE_TYPE IN ('BASE TABLE', 'VIEW', 'SYSTEM VIEW')) ORDER BY TABLE_NAME ASC;",
                  {{"TABLE_NAME", kString}, {"TABLE_TYPE", kString}},
                  {{"big_orders", "VIEW"}, {"customers", "BASE TABLE"}, {"order_lines", "BASE TABLE"},
                   {"orders", "BASE TABLE"}});
    p.answer_rows("SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.`DEFINER` FROM information_schema.ROUTINES r WHERE DEFINER "
                  "NOT LIKE '%mysql%' AND ROUTINE_SCHEMA = 'shop' AND ROUTINE_TYPE IN ('FUNCTION', 'PROCEDURE') "
                  "ORDER BY ROUTINE_NAME ASC;",
                  {{"ROUTINE_NAME", kString}, {"ROUTINE_TYPE", kString}, {"DEFINER", kString}},
                  {{"order_total", "FUNCTION", "ann@localhost"}, {"touch", "PROCEDURE", "ann@localhost"}});
    p.answer_rows("SELECT EVENT_NAME, EVENT_TYPE FROM `information_schema`.`EVENTS` WHERE EVENT_SCHEMA = 'shop' ORDER "
                  "BY EVENT_NAME ASC;",
                  {{"EVENT_NAME", kString}, {"EVENT_TYPE", kString}}, {{"purge", "RECURRING"}});

    // customers
    Rows customer_indexes = {
        index_row(server, "customers", 0, "PRIMARY", 1, "id", "BTREE", ""),
        index_row(server, "customers", 0, "uq_email", 1, "email", "BTREE", "one per person"),
        index_row(server, "customers", 1, "ix_tier_seen", 1, "tier", "BTREE", "", "NO"),
        index_row(server, "customers", 1, "ix_tier_seen", 2, "seen", "BTREE", "", "NO"),
    };
    if (v8) customer_indexes.push_back(index_row(server, "customers", 1, "ix_lower", 1, Cell(), "BTREE", "", "YES",
                                                 "lower(`email`)"));
    script_table(
        p, wide, server, "customers",
        {column("id", 1, Cell(), "NO", "int", Cell(), 10, 0, Cell(), "int unsigned", "PRI", "auto_increment", "", ""),
         column("email", 2, Cell(), "NO", "varchar", 128, Cell(), Cell(), Cell(), "varchar(128)", "UNI", "", "contact",
                ""),
         column("tier", 3, "basic", "YES", "enum", 5, Cell(), Cell(), Cell(), "enum('basic','gold')", "MUL", "", "", ""),
         column("balance", 4, "0.00", "NO", "decimal", Cell(), 10, 2, Cell(), "decimal(10,2)", "", "", "", ""),
         column("seen", 5, Cell(), "YES", "datetime", Cell(), Cell(), Cell(), 6, "datetime(6)", "", "", "", ""),
         column("email_lower", 6, Cell(), "YES", "varchar", 128, Cell(), Cell(), Cell(), "varchar(128)", "",
                "VIRTUAL GENERATED", "", "lower(`email`)")},
        customer_indexes, {}, {},
        {{"ck_balance", "YES", "(`balance` >= 0)"}, {"ck_tier", "NO", "(`tier` <> _utf8mb4'gold')"}},
        table_status_row("customers", collation, "stats_persistent=0  row_format=COMPRESSED partitioned", "people"));

    // orders: the key is (region, id) while the columns read id, region
    script_table(
        p, wide, server, "orders",
        {column("id", 1, Cell(), "NO", "int", Cell(), 10, 0, Cell(), "int", "PRI", "", "", ""),
         column("region", 2, Cell(), "NO", "char", 2, Cell(), Cell(), Cell(), "char(2)", "PRI", "", "", ""),
         column("customer_id", 3, Cell(), "NO", "int", Cell(), 10, 0, Cell(), "int unsigned", "MUL", "", "", ""),
         column("total", 4, "0.00", "NO", "decimal", Cell(), 12, 2, Cell(), "decimal(12,2)", "", "", "", "")},
        {index_row(server, "orders", 0, "PRIMARY", 1, "region", "BTREE", ""),
         index_row(server, "orders", 0, "PRIMARY", 2, "id", "BTREE", ""),
         index_row(server, "orders", 1, "fk_customer", 1, "customer_id", "BTREE", "")},
        {{"orders_bi", "ann@localhost", "BEFORE", "INSERT", "ROW ", "SET NEW.total = ROUND(NEW.total, 2)"}},
        {{"shop", "fk_customer", "NONE", "CASCADE", "RESTRICT", "customer_id", 1, "shop", "customers", "id"}}, {},
        table_status_row("orders", collation, "", ""));

    // order_lines: two keys whose rows interleave by position
    script_table(
        p, wide, server, "order_lines",
        {column("region", 1, Cell(), "NO", "char", 2, Cell(), Cell(), Cell(), "char(2)", "PRI", "", "", ""),
         column("order_id", 2, Cell(), "NO", "int", Cell(), 10, 0, Cell(), "int", "PRI", "", "", ""),
         column("line", 3, Cell(), "NO", "int", Cell(), 10, 0, Cell(), "int", "PRI", "", "", ""),
         column("buyer", 4, Cell(), "YES", "int", Cell(), 10, 0, Cell(), "int unsigned", "MUL", "", "", "")},
        {index_row(server, "order_lines", 0, "PRIMARY", 1, "region", "BTREE", ""),
         index_row(server, "order_lines", 0, "PRIMARY", 2, "order_id", "BTREE", ""),
         index_row(server, "order_lines", 0, "PRIMARY", 3, "line", "BTREE", ""),
         index_row(server, "order_lines", 1, "fk_line_buyer", 1, "buyer", "BTREE", "")},
        {},
        {{"shop", "fk_line_order", "NONE", "NO ACTION", "CASCADE", "region", 1, "shop", "orders", "region"},
         {"shop", "fk_line_buyer", "NONE", "NO ACTION", "SET NULL", "buyer", 1, "shop", "customers", "id"},
         {"shop", "fk_line_order", "NONE", "NO ACTION", "CASCADE", "order_id", 2, "shop", "orders", "id"}},
        {}, table_status_row("order_lines", collation, "", "lines of orders"));

    p.answer_rows("SHOW CREATE VIEW `shop`.`big_orders`;",
                  {{"View", kString}, {"Create View", kString}, {"character_set_client", kString},
                   {"collation_connection", kString}},
                  {{"big_orders",
                    "CREATE ALGORITHM=UNDEFINED DEFINER=`ann`@`localhost` SQL SECURITY DEFINER VIEW `big_orders` AS "
                    "select `orders`.`id` AS `id`,`orders`.`total` AS `total` from `orders` where (`orders`.`total` > "
                    "100) WITH CASCADED CHECK OPTION",
                    "utf8mb4", "utf8mb4_0900_ai_ci"}});

    const Cols event_columns = {{"DEFINER", kString}, {"EVENT_DEFINITION", kString}, {"EVENT_TYPE", kString},
                   {"EXECUTE_AT", kDateTime}, {"INTERVAL_VALUE", kString}, {"INTERVAL_FIELD", kString},
                   {"STARTS", kDateTime}, {"ENDS", kDateTime}, {"STATUS", kString}, {"ON_COMPLETION", kString},
                   {"EVENT_COMMENT", kString}};
    const Rows purge = {{"ann@localhost", "DELETE FROM orders WHERE total = 0", "RECURRING", Cell(), "1", "DAY",
                         at(2030, 1, 1, 3, 0, 0), Cell(), "ENABLED", "NOT PRESERVE", "nightly"}};
    p.answer_rows("SELECT DEFINER, EVENT_DEFINITION, EVENT_TYPE, EXECUTE_AT, INTERVAL_VALUE, INTERVAL_FIELD, STARTS, "
                  "ENDS, STATUS, ON_COMPLETION, EVENT_COMMENT FROM `information_schema`.`EVENTS` where EVENT_SCHEMA = "
                  "'shop' and EVENT_NAME = 'purge';",
                  event_columns, purge);
    wide.add(family::schema_events_query("shop"), "EVENT_NAME", "purge", event_columns, purge);

    const Cols routine_columns = {{"ROUTINE_TYPE", kString},    {"DATA_TYPE", kString},     {"DTD_IDENTIFIER", kString},
                                  {"ROUTINE_BODY", kString},    {"IS_DETERMINISTIC", kString},
                                  {"SQL_DATA_ACCESS", kString}, {"SECURITY_TYPE", kString}, {"DEFINER", kString},
                                  {"ROUTINE_COMMENT", kString}, {"ROUTINE_DEFINITION", kString}};
    const Cols parameter_columns = {{"PARAMETER_MODE", kString}, {"PARAMETER_NAME", kString},
                                    {"DATA_TYPE", kString},      {"DTD_IDENTIFIER", kString}};
    auto routine = [&](const char* name, ScriptedRow row, Rows parameters) {
        p.answer_rows(std::string("SELECT ROUTINE_TYPE, DATA_TYPE, DTD_IDENTIFIER, ROUTINE_BODY, IS_DETERMINISTIC, "
                                  "SQL_DATA_ACCESS, SECURITY_TYPE, DEFINER, ROUTINE_COMMENT, ROUTINE_DEFINITION FROM "
                                  "`information_schema`.`ROUTINES` WHERE ROUTINE_SCHEMA = 'shop' AND ROUTINE_NAME = '") +
                          name + "';",
                      routine_columns, {row});
        wide.add(family::schema_routines_query("shop"), "ROUTINE_NAME", name, routine_columns, {std::move(row)});
        p.answer_rows(std::string("SELECT PARAMETER_MODE, PARAMETER_NAME, DATA_TYPE, DTD_IDENTIFIER FROM "
                                  "`information_schema`.`PARAMETERS` WHERE SPECIFIC_SCHEMA = 'shop' AND SPECIFIC_NAME = '") +
                          name + "' AND PARAMETER_NAME != '' ORDER BY ORDINAL_POSITION ASC;",
                      parameter_columns, parameters);
        wide.add(family::schema_parameters_query("shop"), "SPECIFIC_NAME", name, parameter_columns,
                 std::move(parameters));
    };
    routine("order_total",
            {"FUNCTION", "decimal", "decimal(12,2)", "SQL", "YES", "READS SQL DATA", "DEFINER", "ann@localhost", "sum",
             "BEGIN\n  RETURN (SELECT SUM(total) FROM orders WHERE customer_id = c);\nEND"},
            {{Cell(), "c", "int", "int unsigned"}});
    routine("touch",
            {"PROCEDURE", "", "", "SQL", "NO", "MODIFIES SQL DATA", "INVOKER", "ann@localhost", "",
             "BEGIN\n  UPDATE orders SET total = total WHERE id = p;\n  SET n = ROW_COUNT();\nEND"},
            {{"IN", "p", "int", "int"}, {"OUT", "n", "int", "int"}});
    wide.answer(p);

    // Accounts
    Cols detail_columns = {{"Host", kString},          {"User", kString},         {"authentication_string", kString},
                           {"plugin", kString},        {"password_expired", kString}, {"ssl_type", kString},
                           {"ssl_cipher", kString},    {"x509_issuer", kString},  {"x509_subject", kString},
                           {"max_questions", kUInt32}, {"max_updates", kUInt32},  {"max_connections", kUInt32},
                           {"max_user_connections", kUInt32}, {"password_last_changed", kDateTime},
                           {"password_lifetime", kUInt32}, {"account_locked", kString}};
    const char* hash = "*6BB4837EB74329105EE4568DDA7DC67ED2CA2AD9";
    p.answer_rows("SELECT `Host`, `User`, `authentication_string`, `plugin`, `password_expired`, `ssl_type`, "
                  "`ssl_cipher`, `x509_issuer`, `x509_subject`, `max_questions`, `max_updates`, `max_connections`, "
                  "`max_user_connections`, `password_last_changed`, `password_lifetime`, `account_locked` FROM "
                  "mysql.user WHERE HOST = 'localhost' AND USER='ann';",
                  detail_columns,
                  {{"localhost", "ann", hash, "mysql_native_password", "N", "", "", "", "", 100, 0, 10, 2,
                    at(2024, 2, 3, 4, 5, 6), Cell(), "N"}});
    p.answer_rows("SHOW GRANTS FOR `ann`@`localhost`;", {{"Grants for ann@localhost", kString}},
                  {{"GRANT USAGE ON *.* TO `ann`@`localhost`"},
                   {"GRANT SELECT, INSERT ON `shop`.* TO `ann`@`localhost`"},
                   {"GRANT UPDATE ON `shop`.* TO `ann`@`localhost` WITH GRANT OPTION"},
                   {"GRANT SELECT (`email`) ON `shop`.`customers` TO `ann`@`localhost`"},
                   {"GRANT `reader`@`%` TO `ann`@`localhost`"}});
    p.answer_rows("SELECT `Host`, `User` FROM mysql.user WHERE  account_locked='Y' AND password_expired='Y' AND "
                  "authentication_string='' AND HOST = '%' AND USER='reader';",
                  {{"Host", kString}, {"User", kString}}, {{"%", "reader"}});
    p.answer_rows("SHOW GRANTS FOR `reader`@`%`;", {{"Grants for reader@%", kString}},
                  {{"GRANT USAGE ON *.* TO `reader`@`%`"}, {"GRANT SELECT ON `shop`.* TO `reader`@`%`"}});
    if (v8) {
        const Cols edge_columns = {{"user_from", kString}, {"user_to", kString}, {"WITH_ADMIN_OPTION", kString}};
        p.answer_rows(role_edges_query("ann", "localhost"), edge_columns, {{"reader@%", "ann@localhost", "N"}});
        p.answer_rows(role_edges_query("reader", "%"), edge_columns,
                      {{"reader@%", "ann@localhost", "N"}, {"reader@%", "auditor@%", "Y"}});
    } else {
        p.answer_error(role_edges_query("reader", "%"),
                       gobj::Error("MySQL", 1146, "Table 'mysql.role_edges' doesn't exist"));
    }
}

}  // namespace mysql_dialect_test
