// The base statement: the default of each of its 49 operations with the critical of each
// missing argument, quoting and literals, the row texts through a dialect's own quoting,
// and the way one override serves the interface and the exported class operations.
#include <functional>
#include <string>
#include <vector>

#include "dialect_fixture.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/statement.hpp"

using namespace tarvelin;
using rezezadovu::supports::database::ConnectionImpl;
using rezezadovu::supports::database::Statement;
using providers::contracts::Server;
using St = TarvelinRezezadovuSupportsDatabaseStatement;
using Texts = std::vector<std::string>;
using test::take;

namespace {

// A dialect that quotes names with backquotes and overrides one listing.
class BacktickStatement : public Statement {
public:
    static GType gtype();
    Text quote_identifier(const char* identifier, const char* schema) override {
        if (!TARVELIN_GIVEN(identifier, schema)) return {};
        std::string name = std::string("`") + identifier + "`";
        return *schema ? std::string("`") + schema + "`." + name : name;
    }
    Text show_tables(const char* database, const char* user_schema, gint* name_column) override {
        if (!TARVELIN_GIVEN(database, user_schema)) return {};
        if (name_column) *name_column = 2;
        return std::string("SHOW TABLES FROM ") + user_schema;
    }
};
TARVELIN_GTYPE(BacktickStatement, "TarvelinTestBacktickStatement", Statement)

class StatementTest : public test::DialectFixture {
protected:
    St* base() {
        made_.push_back(gobj::Ref<Statement>::adopt(tarvelin_rezezadovu_supports_database_statement_new(conn())));
        return static_cast<St*>(made_.back().instance());
    }
    St* backticks() {
        made_.push_back(Statement::create(BacktickStatement::gtype(), conn()));
        return static_cast<St*>(made_.back().instance());
    }

private:
    std::vector<gobj::Ref<Statement>> made_;
};

// One operation: its required texts in parameter order (each given the value beside it),
// the call, the text it gives with every argument present, and how many out integers it
// sets to 0.
struct Op {
    const char* name;
    std::vector<std::pair<const char*, const char*>> required;
    std::function<gchar*(St*, const char* const* t, gint* a, gint* b)> call;
    const char* expected;
    int outs;
};

using P = std::vector<std::pair<const char*, const char*>>;
const P kSchema = {{"database", "db"}, {"user_schema", "app"}};
P with(P head, std::initializer_list<std::pair<const char*, const char*>> more) {
    head.insert(head.end(), more);
    return head;
}

#define STMT(op) tarvelin_rezezadovu_supports_database_statement_##op
// A listing over (database, user_schema, out column).
#define LISTING(op) \
    Op { #op, kSchema, [](St* s, auto t, gint* a, gint*) { return STMT(op)(s, t[0], t[1], a); }, "", 1 }

std::vector<Op> operations(Server& server) {
    auto* record = reinterpret_cast<TarvelinProvidersContractsServer*>(server.gobj());
    static gchar* columns[] = {(gchar*)"a", (gchar*)"b"};
    static gchar* values[] = {(gchar*)"1", (gchar*)"'x'"};
    static gchar* keys[] = {(gchar*)"id"};
    static gchar* key_values[] = {(gchar*)"5"};
    const auto db = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE;
    return {
        {"build_connection_string", {{"server", "record"}},
         [record](St* s, auto t, gint*, gint*) { return STMT(build_connection_string)(s, t[0] ? record : nullptr); },
         "DRIVER={QODBC};SERVER=db.local;DATABASE=sales;PORT=0;UID=ann;PWD=;", 0},
        {"show_databases", {}, [](St* s, auto, gint* a, gint*) { return STMT(show_databases)(s, a); }, "", 1},
        LISTING(show_tables),
        LISTING(show_views),
        {"change_database", {{"database", "db"}}, [](St* s, auto t, gint*, gint*) { return STMT(change_database)(s, t[0]); },
         "", 0},
        {"build_explain", {{"statement", "SELECT 1"}, {"format", "json"}},
         [](St* s, auto t, gint*, gint*) { return STMT(build_explain)(s, t[0], t[1]); }, "EXPLAIN SELECT 1;", 0},
        {"build_analyze", {{"statement", "SELECT 1"}, {"format", "json"}},
         [](St* s, auto t, gint*, gint*) { return STMT(build_analyze)(s, t[0], t[1]); }, "ANALYZE SELECT 1;", 0},
        {"show_table_spaces", {{"database", "db"}},
         [](St* s, auto t, gint* a, gint*) { return STMT(show_table_spaces)(s, t[0], a); }, "", 1},
        {"show_table_schemas", {{"database", "db"}},
         [](St* s, auto t, gint* a, gint*) { return STMT(show_table_schemas)(s, t[0], a); }, "", 1},
        LISTING(show_checks),
        LISTING(show_excludes),
        LISTING(show_foreigns),
        LISTING(show_rules),
        LISTING(show_uniques),
        LISTING(show_indexes),
        LISTING(show_triggers),
        LISTING(show_functions),
        LISTING(show_procedures),
        {"call_function", with(kSchema, {{"function", "f"}, {"parameters", "1"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(call_function)(s, t[0], t[1], t[2], t[3]); }, "", 0},
        {"call_procedure", with(kSchema, {{"procedure", "p"}, {"parameters", "1"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(call_procedure)(s, t[0], t[1], t[2], t[3]); }, "", 0},
        {"show_source", with(kSchema, {{"name", "v"}}),
         [db](St* s, auto t, gint* a, gint*) { return STMT(show_source)(s, db, t[0], t[1], t[2], a); }, "", 1},
        {"show_structure", with(kSchema, {{"table", "t"}}),
         [](St* s, auto t, gint* a, gint*) { return STMT(show_structure)(s, t[0], t[1], t[2], a); }, "", 1},
        {"show_content", with(kSchema, {{"table", "t"}, {"columns", "*"}, {"where", ""}, {"order", ""}}),
         [](St* s, auto t, gint*, gint*) { return STMT(show_content)(s, t[0], t[1], t[2], t[3], t[4], t[5], 0, 50); },
         "", 0},
        LISTING(show_users),
        LISTING(show_roles),
        {"show_user_detail", with(kSchema, {{"username", "u"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(show_user_detail)(s, t[0], t[1], t[2]); }, "", 0},
        {"show_role_detail", with(kSchema, {{"rolename", "r"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(show_role_detail)(s, t[0], t[1], t[2]); }, "", 0},
        {"show_user_rights", with(kSchema, {{"username", "u"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(show_user_rights)(s, t[0], t[1], t[2]); }, "", 0},
        {"show_role_rights", with(kSchema, {{"rolename", "r"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(show_role_rights)(s, t[0], t[1], t[2]); }, "", 0},
        {"grant_user_rights", with(kSchema, {{"username", "u"}, {"object", "t"}, {"rights", "ALL"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(grant_user_rights)(s, t[0], t[1], t[2], t[3], t[4]); }, "", 0},
        {"revoke_user_rights", with(kSchema, {{"username", "u"}, {"object", "t"}, {"rights", "ALL"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(revoke_user_rights)(s, t[0], t[1], t[2], t[3], t[4]); }, "", 0},
        // The base names a missing role "username".
        {"grant_role_rights", with(kSchema, {{"username", "r"}, {"object", "t"}, {"rights", "ALL"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(grant_role_rights)(s, t[0], t[1], t[2], t[3], t[4]); }, "", 0},
        {"revoke_role_rights", with(kSchema, {{"username", "r"}, {"object", "t"}, {"rights", "ALL"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(revoke_role_rights)(s, t[0], t[1], t[2], t[3], t[4]); }, "", 0},
        {"show_privileges", {}, [](St* s, auto, gint* a, gint* b) { return STMT(show_privileges)(s, a, b); }, "", 2},
        {"flush_privileges", {}, [](St* s, auto, gint*, gint*) { return STMT(flush_privileges)(s); }, "", 0},
        {"show_effected", with(kSchema, {{"table", "t"}, {"where", "a = 1"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(show_effected)(s, t[0], t[1], t[2], t[3]); }, "", 0},
        {"show_relations", with(kSchema, {{"table", "t"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(show_relations)(s, t[0], t[1], t[2]); }, "", 0},
        {"rename_object", with(kSchema, {{"old_name", "a"}, {"new_name", "b"}}),
         [db](St* s, auto t, gint*, gint*) { return STMT(rename_object)(s, db, t[0], t[1], t[2], t[3]); }, "", 0},
        {"drop_object", with(kSchema, {{"object_name", "t"}, {"object_target", ""}}),
         [db](St* s, auto t, gint*, gint*) { return STMT(drop_object)(s, db, t[0], t[1], t[2], t[3]); }, "", 0},
        {"empty_table", with(kSchema, {{"object_name", "t"}}),
         [](St* s, auto t, gint*, gint*) { return STMT(empty_table)(s, t[0], t[1], t[2]); }, "", 0},
        {"transaction", {{"name", "tx"}}, [](St* s, auto t, gint*, gint*) { return STMT(transaction)(s, t[0]); },
         "START TRANSACTION;", 0},
        {"rollback", {{"name", "tx"}}, [](St* s, auto t, gint*, gint*) { return STMT(rollback)(s, t[0]); }, "ROLLBACK;",
         0},
        {"commit", {{"name", "tx"}}, [](St* s, auto t, gint*, gint*) { return STMT(commit)(s, t[0]); }, "COMMIT;", 0},
        {"pack_value", {{"value", "42"}},
         [](St* s, auto t, gint*, gint*) { return STMT(pack_value)(s, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, t[0]); },
         "42", 0},
        {"quote_identifier", {{"identifier", "orders"}, {"schema", "app"}},
         [](St* s, auto t, gint*, gint*) { return STMT(quote_identifier)(s, t[0], t[1]); }, "\"app\".\"orders\"", 0},
        {"build_sql_update", {{"schema", ""}, {"table", "t"}},
         [](St* s, auto t, gint*, gint*) {
             return STMT(build_sql_update)(s, t[0], t[1], columns, 1, values, 1, keys, 1, key_values, 1);
         },
         "UPDATE \"t\" SET a=1 WHERE id=5;", 0},
        {"build_sql_insert", {{"schema", "s"}, {"table", "t"}},
         [](St* s, auto t, gint*, gint*) { return STMT(build_sql_insert)(s, t[0], t[1], columns, 2, values, 2); },
         "INSERT INTO \"s\".\"t\"(a, b) VALUES(1, 'x');", 0},
        {"build_sql_delete", {{"schema", ""}, {"table", "t"}},
         [](St* s, auto t, gint*, gint*) { return STMT(build_sql_delete)(s, t[0], t[1], nullptr, 0, nullptr, 0); },
         "DELETE FROM \"t\";", 0},
        {"build_sql_view", {{"user_schema", ""}, {"view_name", "v"}, {"statements", "SELECT 1"}},
         [](St* s, auto t, gint*, gint*) { return STMT(build_sql_view)(s, t[0], t[1], t[2]); },
         "CREATE VIEW `v` AS SELECT 1", 0},
    };
}

}  // namespace

// Every operation with all arguments, then with each required one missing in turn: the
// critical names that argument, the result is NULL and no out integer is written.
TEST_F(StatementTest, DefaultsAndMissingArguments) {
    auto server = Server::create();
    server->set_driver("QODBC");
    server->set_host("db.local");
    server->set_initial("sales");
    server->set_username("ann");
    server->set_password("");
    server->set_port(0);
    St* s = base();
    for (const Op& op : operations(*server)) {
        SCOPED_TRACE(op.name);
        std::vector<const char*> given;
        for (const auto& r : op.required) given.push_back(r.second);
        gint a = 7, b = 7;
        EXPECT_EQ(take(op.call(s, given.data(), &a, &b)), op.expected);
        EXPECT_EQ(a, op.outs >= 1 ? 0 : 7);
        EXPECT_EQ(b, op.outs >= 2 ? 0 : 7);
        // Out integers may be left out altogether.
        EXPECT_EQ(take(op.call(s, given.data(), nullptr, nullptr)), op.expected);

        for (size_t missing = 0; missing < op.required.size(); ++missing) {
            SCOPED_TRACE(op.required[missing].first);
            std::vector<const char*> args = given;
            args[missing] = nullptr;
            // Every later argument is missing too: only the first is named.
            for (size_t later = missing + 1; later < args.size(); ++later) args[later] = nullptr;
            test::LogCapture log;
            gint x = 7, y = 7;
            EXPECT_EQ(op.call(s, args.data(), &x, &y), nullptr);
            EXPECT_EQ(x, 7);
            EXPECT_EQ(y, 7);
            EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "!= NULL"), 1);
            EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, std::string("'") + op.required[missing].first + " != NULL'"), 1);
        }
    }
}

TEST_F(StatementTest, NoStatementAndNoConnection) {
    test::LogCapture log;
    gint column = 7;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_statement_show_tables(nullptr, "d", "s", &column), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_istatement_show_tables(nullptr, "d", "s", &column), nullptr);
    EXPECT_EQ(column, 7);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'self != NULL'"), 2);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_statement_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_statement_construct(BacktickStatement::gtype(), nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'connection != NULL'"), 2);
}

TEST_F(StatementTest, QuotingDoublesTheQuoteCharacter) {
    St* s = base();
    struct Case {
        const char* identifier;
        const char* schema;
        const char* expected;
    } cases[] = {
        {"orders", "", "\"orders\""},
        {"orders", "app", "\"app\".\"orders\""},
        {"", "app", "\"app\".\"\""},
        {"", "", "\"\""},
        {"a\"b", "", "\"a\"\"b\""},
        {"t\"; DROP TABLE x; --", "s\"", "\"s\"\"\".\"t\"\"; DROP TABLE x; --\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_statement_quote_identifier(s, c.identifier, c.schema)),
                  c.expected)
            << c.identifier << " / " << c.schema;
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_statement_build_sql_view(s, "app", "v", "SELECT 1")),
              "CREATE VIEW `app`.`v` AS SELECT 1");
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_statement_build_sql_view(s, "a`p", "v`x", "SELECT 1")),
              "CREATE VIEW `a``p`.`v``x` AS SELECT 1");
}

// Literals of every kind of value: numbers bare only when they are numbers, everything
// else quoted with its quotes doubled, bytes as hexadecimal only when they are.
TEST_F(StatementTest, PackValue) {
    St* s = base();
    using DT = providers::contracts::DataType;
    struct Case {
        DT type;
        const char* value;
        const char* expected;
    } cases[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "42", "42"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "-7", "-7"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "1.5", "'1.5'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "1.5", "1.5"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "-1.5e3", "-1.5e3"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, ".5", ".5"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "true", "true"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "0", "0"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "yes", "'yes'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, "7", "7"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "O'Brien", "'O''Brien'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "", "''"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "00FF", "X'00FF'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "", "X''"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL, "NULL", "'NULL'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS, "a", "'a'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, "x", "'x'"},
        // ENUM and SET members are text.
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, "red", "'red'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET, "a,b", "'a,b'"},
        // Hostile values stay inside their literal.
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "x'); DROP TABLE t; --", "'x''); DROP TABLE t; --'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "1 OR 1=1", "'1 OR 1=1'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "", "''"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "1e", "'1e'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, "a' OR 'b", "'a'' OR ''b'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "00FF'", "'00FF'''"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "0G", "'0G'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "ABC", "'ABC'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_statement_pack_value(s, c.type, c.value)), c.expected)
            << c.type << " " << c.value;
}

// The row texts name the table through the object's own quoting, so a dialect that quotes
// with backquotes gets backquotes without overriding them.
TEST_F(StatementTest, RowTextsUseTheDialectsQuoting) {
    gobj::Ref<Statement> dialect = Statement::create(BacktickStatement::gtype(), conn());
    auto* iface = static_cast<TarvelinRezezadovuContractsDatabaseIStatement*>(dialect.instance());
    gchar* columns[] = {(gchar*)"a", (gchar*)"b"};
    gchar* values[] = {(gchar*)"1", (gchar*)"'x'"};
    gchar* keys[] = {(gchar*)"id", (gchar*)"k"};
    gchar* key_values[] = {(gchar*)"5", (gchar*)"'z'"};
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_istatement_build_sql_insert(iface, "s", "t", columns, 2,
                                                                                    values, 2)),
              "INSERT INTO `s`.`t`(a, b) VALUES(1, 'x');");
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_istatement_build_sql_update(iface, "", "t", columns, 2, values,
                                                                                    2, keys, 2, key_values, 2)),
              "UPDATE `t` SET a=1, b='x' WHERE id=5 AND k='z';");
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_istatement_build_sql_update(iface, "", "t", columns, 1, values,
                                                                                    1, nullptr, 0, nullptr, 0)),
              "UPDATE `t` SET a=1;");
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_istatement_build_sql_delete(iface, "s", "t", keys, 1,
                                                                                    key_values, 1)),
              "DELETE FROM `s`.`t` WHERE id=5;");
    // C++ callers pass lists.
    EXPECT_EQ(dialect->build_sql_insert("", "t", Texts{"a"}, Texts{"NULL"}), "INSERT INTO `t`(a) VALUES(NULL);");
}

// Lists that would leave no usable SQL are refused instead of cutting fixed text.
TEST_F(StatementTest, RowTextsRefuseMissingColumnsAndValues) {
    St* s = base();
    gchar* columns[] = {(gchar*)"a", (gchar*)"b"};
    gchar* values[] = {(gchar*)"1"};
    struct Case {
        const char* what;
        std::function<gchar*()> call;
        const char* condition;
    } cases[] = {
        {"insert without columns",
         [&] { return tarvelin_rezezadovu_supports_database_statement_build_sql_insert(s, "", "t", nullptr, 0, values, 1); },
         "columns_length > 0"},
        {"insert without values",
         [&] { return tarvelin_rezezadovu_supports_database_statement_build_sql_insert(s, "", "t", columns, 2, values, 0); },
         "values_length > 0"},
        {"update without columns",
         [&] {
             return tarvelin_rezezadovu_supports_database_statement_build_sql_update(s, "", "t", columns, 0, values, 1,
                                                                                   nullptr, 0, nullptr, 0);
         },
         "columns_length > 0"},
        {"update with a value short",
         [&] {
             return tarvelin_rezezadovu_supports_database_statement_build_sql_update(s, "", "t", columns, 2, values, 1,
                                                                                   nullptr, 0, nullptr, 0);
         },
         "values_length >= columns_length"},
        {"delete with a key value short",
         [&] { return tarvelin_rezezadovu_supports_database_statement_build_sql_delete(s, "", "t", columns, 2, values, 1); },
         "where_values_length >= where_columns_length"},
    };
    for (const Case& c : cases) {
        test::LogCapture log;
        EXPECT_EQ(c.call(), nullptr) << c.what;
        EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, c.condition)) << c.what;
    }
}

// One override serves the interface dispatcher and the class operation alike; what it
// does not override stays the base's.
TEST_F(StatementTest, OverrideServesBothFaces) {
    St* s = backticks();
    auto* iface = reinterpret_cast<TarvelinRezezadovuContractsDatabaseIStatement*>(s);
    gint a = 0, b = 0;
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_istatement_show_tables(iface, "d", "main", &a)),
              "SHOW TABLES FROM main");
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_statement_show_tables(s, "d", "main", &b)),
              "SHOW TABLES FROM main");
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_istatement_commit(iface, "x")), "COMMIT;");
    EXPECT_STREQ(g_type_name(tarvelin_rezezadovu_supports_database_statement_get_type()),
                 "TarvelinRezezadovuSupportsDatabaseStatement");
    EXPECT_TRUE(g_type_is_a(BacktickStatement::gtype(), tarvelin_rezezadovu_contracts_database_istatement_get_type()));
}

// The statement holds its connection without a reference, and finds none once the
// connection is gone.
TEST_F(StatementTest, ConnectionIsAWeakBackPointer) {
    auto owner = ConnectionImpl::create();
    auto* c = static_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(owner.instance());
    gobj::Ref<Statement> statement = Statement::create(Statement::gtype(), c);
    EXPECT_EQ(G_OBJECT(owner.gobj())->ref_count, 1u);
    EXPECT_EQ(statement->connection().instance(), owner.instance());
    owner.reset();
    EXPECT_FALSE(statement->connection());
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_statement_commit(
                  static_cast<St*>(statement.instance()), "x")),
              "COMMIT;");
}
