#include "rezezadovu/supports/database/mysql_family/adapter.hpp"

#include <map>

#include "providers/gobj/call.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"

TARVELIN_LOG_TAG("mysql_adapter_support")

namespace tarvelin::rezezadovu::supports::database::mysql_family {

using namespace meta_model;
using StatementVtable = TarvelinRezezadovuContractsDatabaseIStatementInterface;
using InspectorVtable = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

namespace {

GRegex* pattern(const char* text, int flags) {
    return g_regex_new(text, GRegexCompileFlags(flags), GRegexMatchFlags(0), nullptr);
}
GRegex* view_pattern() {
    static GRegex* const p = pattern(
        R"(CREATE\s(ALGORITHM\s?=\s?(?<algo>\w+))?\s?(DEFINER\s?=\s?(?<user>[\w\.`@%]+))?\s?(SQL\sSECURITY\s(?<sec>[\w]+))?\s?VIEW\s(?<name>[\w`'"\.]+)\sAS\s(?<sql>SELECT[\s\S]+))",
        G_REGEX_CASELESS | G_REGEX_MULTILINE);
    return p;
}
GRegex* check_option_pattern() {
    static GRegex* const p =
        pattern(R"(WITH\s(?<check>LOCAL|CASCADED)\sCHECK\sOPTION)", G_REGEX_CASELESS | G_REGEX_MULTILINE);
    return p;
}
GRegex* enum_pattern() {
    static GRegex* const p = pattern(R"((enum|set)\((?<values>[\w\',\-\s]+)\))", 0);
    return p;
}
GRegex* grant_pattern() {
    static GRegex* const p = pattern(R"(GRANT\s(?<rights>[\w,\s]+)\sON\s(?<object>[\w\.\*`]+)\sTO)",
                                     G_REGEX_CASELESS | G_REGEX_MULTILINE);
    return p;
}

std::string without(std::string text, const std::string& characters) {
    std::erase_if(text, [&](char c) { return characters.find(c) != std::string::npos; });
    return text;
}

const std::vector<std::string> kTypeListNumeric = {"DECIMAL", "DOUBLE", "FLOAT", "NUMERIC", "REAL"};
const std::vector<std::string> kTypeListDatetime = {"DATE", "TIME", "DATETIME", "TIMESTAMP"};

// The enum or set values of a COLUMN_TYPE such as "enum('a','b.c')": by the pattern, or
// (MariaDB) the whole text between the first "(" and the last ")".
std::optional<std::string> enum_values(const std::string& column_type, bool between_parentheses) {
    if (!between_parentheses) {
        RegexMatch values(enum_pattern(), column_type);
        if (values) return values.named("values");
        return std::nullopt;
    }
    std::string lower = column_type;
    for (char& c : lower) c = g_ascii_tolower(c);
    size_t open = lower.find('('), close = lower.rfind(')');
    if (!(starts_with(lower, "enum(") || starts_with(lower, "set(")) || close == std::string::npos || close < open)
        return std::nullopt;
    return column_type.substr(open + 1, close - open - 1);
}

}  // namespace

// ---------------------------------------------------------------- marks and maps

bool is_filled(MetaObject& object) { return g_object_get_data(object.gobj(), kFilled) != nullptr; }
void mark_filled(MetaObject& object) { g_object_set_data(object.gobj(), kFilled, GINT_TO_POINTER(1)); }

void set_attribute(MetaObject& object, const std::string& key, const std::string& value) {
    gobj::StringMap::wrap(GEE_MAP(object.get_attributes())).set(key, value);
}

void clear_map(GeeHashMap* map) { gee_map_clear(GEE_MAP(map)); }

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? separator : "") + parts[i];
    return out;
}

// ---------------------------------------------------------------- texts

std::string index_kind(const std::string& non_unique, const std::string& index_type, const std::string& otherwise) {
    if (non_unique == "0") return "UNIQUE";
    std::string type = ascii_upper(index_type);
    if (contains(type, "FULLTEXT")) return "FULLTEXT";
    if (contains(type, "SPATIAL")) return "SPATIAL";
    return otherwise;
}

std::string trigger_body(const std::string& statement) {
    std::string body = trimmed(statement);
    if (starts_with(ascii_upper(body), "BEGIN")) {
        body.erase(0, 5);
        cut(body, 3);
        body = trimmed(body);
    }
    return body;
}

std::string routine_body(const std::string& definition) {
    std::string body = definition;
    if (starts_with(body, "BEGIN")) body.erase(0, 5);
    if (ends_with(body, "END")) cut(body, 3);
    return body;
}

void set_view_statement(MetaView& view, const std::string& statement) {
    RegexMatch match(view_pattern(), statement);
    if (!match) {
        view.set_definition(statement.c_str());
        return;
    }
    std::string definition = trimmed(match.named("sql"));
    if (ends_with(definition, "CHECK OPTION")) {
        RegexMatch check(check_option_pattern(), definition);
        if (check) {
            std::string value = check.named("check");
            set_attribute(view, "CHECK", value);
            // The blank before WITH stays with the definition.
            cut(definition, std::string("WITH " + value + " CHECK OPTION").size());
        }
    }
    view.set_definition(definition.c_str());
    if (std::string algo = match.named("algo"); !algo.empty()) set_attribute(view, "ALGORITHM", algo);
    if (std::string user = match.named("user"); !user.empty()) set_attribute(view, "DEFINER", without(user, "`'\""));
    if (std::string sec = match.named("sec"); !sec.empty()) set_attribute(view, "SECURITY", sec);
}

void set_create_options(GeeHashMap* options, const std::string& create_options) {
    for (const auto& part : split(ascii_upper(create_options), ' ')) {
        if (part.empty()) continue;
        size_t at = part.find('=');
        if (at == std::string::npos) {
            gee_map_set(GEE_MAP(options), part.c_str(), nullptr);
            continue;
        }
        std::string value = part.substr(at + 1);
        value = value.substr(0, value.find('='));
        gee_map_set(GEE_MAP(options), part.substr(0, at).c_str(), value.c_str());
    }
}

void set_table_status(MetaTable& table, const TableModel& status, bool with_create_options) {
    GeeHashMap* options = table.get_options();
    auto map = gobj::StringMap::wrap(GEE_MAP(options));
    map.set("ENGINE", cell(status, 1, 0));
    map.set("ROW_FORMAT", cell(status, 3, 0));
    map.set("AVG_ROW_LENGTH", cell(status, 5, 0));
    std::string collation = cell(status, 14, 0);
    map.set("COLLATE", collation);
    if (collation.empty())
        gee_map_set(GEE_MAP(options), "CHARACTER SET", nullptr);
    else
        map.set("CHARACTER SET", collation.substr(0, collation.find('_')));
    if (with_create_options) set_create_options(options, cell(status, 16, 0));
    table.set_comment(cell(status, 17, 0).c_str());
}

void set_user_detail(MetaUser& user, const TableModel& detail, bool with_statement_time) {
    auto at = [&](int column) { return cell(detail, column, 0); };
    int columns = column_count(detail);
    user.set_password(at(2).c_str());
    // The hash kept apart too: the builder recreates an account with it when the password
    // is still the stored hash, instead of taking the hash as a new clear-text password.
    set_attribute(user, "AUTHENTICATION_STRING", at(2));
    set_attribute(user, "PLUGIN", at(3));
    set_attribute(user, "PASSWORD_POLICY", at(4));
    set_attribute(user, "SSL_TYPE", at(5));
    set_attribute(user, "X509_CIPHER", at(6));
    set_attribute(user, "X509_ISSUER", at(7));
    set_attribute(user, "X509_SUBJECT", at(8));
    set_attribute(user, "MAX_QUERIES", at(9));
    set_attribute(user, "MAX_UPDATES", at(10));
    set_attribute(user, "MAX_CONNECTIONS", at(11));
    set_attribute(user, "USER_CONNECTIONS", at(12));
    int next = 13;
    if (with_statement_time) set_attribute(user, "MAX_STATEMENT_TIME", at(next++));
    set_attribute(user, "PASSWORD_CHANGED", columns > next ? at(next) : "NULL");
    set_attribute(user, "PASSWORD_LIFETIME", columns > next + 1 ? at(next + 1) : "NULL");
    set_attribute(user, "ACCOUNT_STATE", columns > next + 2 ? at(next + 2) : "N");
}

void add_grants(GeeHashMap* privileges, const std::vector<std::string>& lines) {
    auto map = gobj::StringMap::wrap(GEE_MAP(privileges));
    for (const auto& line : lines) {
        for (RegexMatch match(grant_pattern(), line); match; match.next()) {
            std::string rights = match.named("rights");
            std::string object = without(match.named("object"), "`");
            if (contains(line, "GRANT OPTION")) rights += ", GRANT OPTION";
            auto held = map.get(object);
            map.set(object, held ? *held + ", " + rights : rights);
        }
    }
}

// ---------------------------------------------------------------- account queries

std::string account_text(const gobj::Ref<contracts::database::IStatement>& statement, AccountText which,
                         MetaObject& account) {
    if (!statement)
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED, _("the connection has no statement texts"));
    const char* database = account.get_database();
    const char* schema = account.get_schema();
    const char* name = account.get_name();
    switch (which) {
        case AccountText::user_detail:
            return gobj::call<&StatementVtable::show_user_detail>(statement, database, schema, name);
        case AccountText::role_detail:
            return gobj::call<&StatementVtable::show_role_detail>(statement, database, schema, name);
        case AccountText::role_rights:
            return gobj::call<&StatementVtable::show_role_rights>(statement, database, schema, name);
        case AccountText::rights: break;
    }
    return gobj::call<&StatementVtable::show_user_rights>(statement, database, schema, name);
}

void read_role_edges(const gobj::Ref<IConnection>& connection, const std::string& name, GeeHashMap* relations) {
    Account a = split_account(name);
    std::string user = quoted(a.user), host = quoted(a.host);
    auto edges = query_model(connection, "SELECT CONCAT(FROM_USER, '@', FROM_HOST) user_from, CONCAT(TO_USER, '@', "
                                         "TO_HOST) user_to , WITH_ADMIN_OPTION FROM `mysql`.`role_edges` WHERE "
                                         "(FROM_USER = " + user + " AND FROM_HOST = " + host + ") OR (TO_USER = " +
                                             user + " AND TO_HOST = " + host + ");");
    auto map = gobj::StringMap::wrap(GEE_MAP(relations));
    for (int r = 0; r < row_count(*edges); ++r)
        map.set(cell(*edges, 0, r) + "=" + cell(*edges, 1, r), cell(*edges, 2, r) == "Y" ? "true" : "false");
}

void read_privileges(const gobj::Ref<IConnection>& connection, const std::string& sql, GeeHashMap* privileges) {
    auto grants = query_model(connection, sql);
    std::vector<std::string> lines;
    for (int r = 0; r < row_count(*grants); ++r) lines.push_back(cell(*grants, 0, r));
    add_grants(privileges, lines);
}

// ---------------------------------------------------------------- catalogue reads

void list_schema(const gobj::Ref<IConnection>& connection, MetaSchema& schema) {
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema.get_tables());
    auto views = gobj::GeeArray<MetaView>::wrap(schema.get_views());
    auto functions = gobj::GeeArray<MetaFunction>::wrap(schema.get_functions());
    auto procedures = gobj::GeeArray<MetaFunction>::wrap(schema.get_procedures());
    auto events = gobj::GeeArray<MetaEvent>::wrap(schema.get_events());
    const char* database = schema.get_database();
    const char* name = schema.get_name();
    std::string literal = quoted(text(name));

    auto listed_tables = query_model(connection, "SELECT TABLE_NAME, TABLE_TYPE FROM `information_schema`.`TABLES` "
                                                 "WHERE TABLE_SCHEMA = " + literal +
                                                     " AND (TABLE_TYPE IN ('BASE TABLE', 'VIEW', 'SYSTEM VIEW')) "
                                                     "ORDER BY TABLE_NAME ASC;");
    for (int r = 0; r < row_count(*listed_tables); ++r) {
        std::string table = cell(*listed_tables, 0, r);
        if (cell(*listed_tables, 1, r) == "VIEW")
            views.append(MetaView::create_with_names(MetaView::gtype(), database, name, table.c_str()));
        else
            tables.append(MetaTable::create_with_names(MetaTable::gtype(), database, name, table.c_str()));
    }

    auto routines = query_model(connection, "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.`DEFINER` FROM "
                                            "information_schema.ROUTINES r WHERE DEFINER NOT LIKE '%mysql%' AND "
                                            "ROUTINE_SCHEMA = " + literal +
                                                " AND ROUTINE_TYPE IN ('FUNCTION', 'PROCEDURE') ORDER BY "
                                                "ROUTINE_NAME ASC;");
    for (int r = 0; r < row_count(*routines); ++r) {
        auto routine =
            MetaFunction::create_with_names(MetaFunction::gtype(), database, name, cell(*routines, 0, r).c_str());
        bool is_function = cell(*routines, 1, r) == "FUNCTION";
        routine->set_is_function(is_function);
        (is_function ? functions : procedures).append(routine);
    }

    auto listed_events = query_model(connection, "SELECT EVENT_NAME, EVENT_TYPE FROM `information_schema`.`EVENTS` "
                                                 "WHERE EVENT_SCHEMA = " + literal + " ORDER BY EVENT_NAME ASC;");
    for (int r = 0; r < row_count(*listed_events); ++r)
        events.append(
            MetaEvent::create_with_names(MetaEvent::gtype(), database, name, cell(*listed_events, 0, r).c_str()));
}

void read_columns(const gobj::Ref<IConnection>& connection, MetaTable& table, ColumnRules rules) {
    auto result = query_model(
        connection,
        "SELECT COLUMN_NAME, ORDINAL_POSITION, COLUMN_DEFAULT, IS_NULLABLE, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, "
        "NUMERIC_PRECISION, NUMERIC_SCALE, DATETIME_PRECISION, CHARACTER_SET_NAME, COLLATION_NAME, COLUMN_TYPE, "
        "COLUMN_KEY, EXTRA, COLUMN_COMMENT, GENERATION_EXPRESSION FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_SCHEMA = " +
            quoted(text(table.get_schema())) + " and TABLE_NAME = " + quoted(text(table.get_name())) +
            " ORDER BY ORDINAL_POSITION ASC;");
    auto inspector = inspector_of(connection);
    guint8 primary_ordinal = 1;
    std::string previous;
    for (int r = 0; r < row_count(*result); ++r) {
        auto at = [&](int column) { return cell(*result, column, r); };
        std::string raw_type = ascii_upper(at(4));
        DataType data_type = inspector ? gobj::call<&InspectorVtable::get_data_type>(inspector, raw_type)
                                       : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        std::string name = at(0);
        auto column = table.new_column(name.c_str(), data_type);
        column->set_ordinal(static_cast<guint16>(cell_unsigned(*result, 1, r)));
        column->set_default_value(at(2).c_str());
        column->set_not_null(at(3) == "NO");
        column->set_raw_type(raw_type.c_str());
        column->set_length(static_cast<gint64>(cell_unsigned(*result, 5, r)));
        if (listed(kTypeListNumeric, raw_type) || (rules.mariadb && raw_type == "BIT")) {
            column->set_length(static_cast<gint64>(cell_unsigned(*result, 6, r)));
            if (raw_type != "BIT") column->set_scale(static_cast<guint8>(cell_unsigned(*result, 7, r)));
        } else if (listed(kTypeListDatetime, raw_type)) {
            column->set_scale(static_cast<guint8>(cell_unsigned(*result, 8, r)));
        }
        column->set_charset(at(9).c_str());
        column->set_collation(at(10).c_str());

        std::string column_type = at(11);
        if (auto values = enum_values(column_type, rules.mariadb)) column->set_enum_values(values->c_str());
        column->set_is_unsigned(contains(column_type, "unsigned"));
        if (rules.mariadb) column->set_is_fill_zero(contains(column_type, "zerofill"));

        if (contains(at(12), "PRI")) {
            column->set_is_primary_key(true);
            column->set_primary_ordinal(primary_ordinal++);
        }
        std::string extra = at(13);
        column->set_auto_increment(contains(extra, "auto_increment"));
        // MariaDB writes "on update current_timestamp()".
        column->set_update_timestamp(contains(rules.mariadb ? extra : ascii_upper(extra), "CURRENT_TIMESTAMP"));
        column->set_comment(at(14).c_str());
        std::string expression = at(15);
        column->set_expression(expression.c_str());
        if (!expression.empty()) {
            column->set_is_virtual(true);
            column->set_is_generated_always(true);
            std::string storage = ascii_upper(extra);
            column->set_virtual_type(contains(storage, "STORED") || contains(storage, "PERSISTENT") ? "STORED"
                                                                                                   : "VIRTUAL");
        }
        if (r > 0) column->set_after(previous.c_str());
        previous = name;
    }
}

void read_indexes(const gobj::Ref<IConnection>& connection, MetaTable& table) {
    auto result = query_model(connection, "SHOW INDEX FROM " + qualified(text(table.get_schema()), text(table.get_name())));
    // Visibility: MySQL 8 says "Visible", MariaDB "Ignored"; older servers have neither
    // and every index is visible.
    int visible = column_named(*result, "Visible");
    int ignored = column_named(*result, "Ignored");
    int expression = column_named(*result, "Expression");
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
    gobj::Ref<MetaIndex> current;
    std::string previous;
    for (int r = 0; r < row_count(*result); ++r) {
        std::string key = cell(*result, 2, r);
        if (ascii_upper(trimmed(key)) == "PRIMARY") {
            // The key's own order, which may differ from the columns' order.
            if (auto column = table.get_column(cell(*result, 4, r).c_str()))
                column->set_primary_ordinal(static_cast<guint8>(cell_unsigned(*result, 3, r)));
            continue;
        }
        if (!current || key != previous) {
            if (current) indexes.append(current);
            current = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                   table.get_name(), key.c_str());
            previous = key;
            current->set_method(cell(*result, 10, r).c_str());
            current->set_comment(cell(*result, 12, r).c_str());
            current->set_kind(index_kind(cell(*result, 1, r), cell(*result, 10, r), "").c_str());
            current->set_is_visible(visible >= 0   ? cell(*result, visible, r) == "YES"
                                    : ignored >= 0 ? cell(*result, ignored, r) != "YES"
                                                   : true);
        }
        if (!cell_is_null(*result, 4, r) || expression < 0)
            current->append(cell(*result, 4, r).c_str());
        else
            current->append(cell(*result, expression, r).c_str());
    }
    if (current) indexes.append(current);
}

void read_table_triggers(const gobj::Ref<IConnection>& connection, MetaTable& table, bool owned) {
    // The plain comparisons let the server look the table up; BINARY keeps them exact.
    std::string schema = quoted(text(table.get_schema())), name = quoted(text(table.get_name()));
    auto result = query_model(connection, "SELECT TRIGGER_NAME, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, "
                                          "ACTION_ORIENTATION, ACTION_STATEMENT FROM information_schema.triggers "
                                          "WHERE event_object_schema = " + schema + " AND event_object_table = " +
                                              name + " AND BINARY event_object_schema = " + schema +
                                              " AND BINARY event_object_table = " + name + ";");
    auto triggers = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
    for (int r = 0; r < row_count(*result); ++r) {
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), cell(*result, 0, r).c_str(),
                                                     cell(*result, 5, r).c_str());
        if (owned) {
            trigger->set_database(table.get_database());
            trigger->set_schema(table.get_schema());
            trigger->set_target(table.get_name());
            trigger->set_definer(cell(*result, 1, r).c_str());
        }
        trigger->set_timing(cell(*result, 2, r).c_str());
        trigger->set_event(cell(*result, 3, r).c_str());
        trigger->set_for_each(trimmed(cell(*result, 4, r)).c_str());
        triggers.append(trigger);
    }
}

void read_foreign_keys(const gobj::Ref<IConnection>& connection, MetaTable& table) {
    // The key's columns belong to the key's own table: another table may have a unique
    // key of the same name. Each side is restricted to the table in its own derived
    // table, so that the server opens that table alone: joined directly, it opens every
    // table of the schema for one side (eight times the time on 1,000 tables).
    std::string schema = quoted(text(table.get_schema())), name = quoted(text(table.get_name()));
    auto result = query_model(
        connection,
        "SELECT fk.CONSTRAINT_SCHEMA, fk.CONSTRAINT_NAME, fk.MATCH_OPTION, fk.UPDATE_RULE, fk.DELETE_RULE, "
        "refer.COLUMN_NAME, refer.ORDINAL_POSITION, refer.REFERENCED_TABLE_SCHEMA, refer.REFERENCED_TABLE_NAME, "
        "refer.REFERENCED_COLUMN_NAME FROM (SELECT * FROM information_schema.REFERENTIAL_CONSTRAINTS WHERE "
        "CONSTRAINT_SCHEMA=" + schema + " AND TABLE_NAME=" + name + ") AS fk INNER JOIN (SELECT * FROM "
        "information_schema.KEY_COLUMN_USAGE WHERE TABLE_SCHEMA=" + schema + " AND TABLE_NAME=" + name +
            ") AS refer ON fk.CONSTRAINT_NAME = refer.CONSTRAINT_NAME AND fk.CONSTRAINT_SCHEMA=refer.CONSTRAINT_SCHEMA "
            "ORDER BY refer.ORDINAL_POSITION ASC");
    // One constraint per key, in order of first appearance; the rows come in key order,
    // so each key's columns are joined in that order.
    struct Key {
        gobj::Ref<MetaForeignKey> constraint;
        std::vector<std::string> local, refer;
    };
    std::vector<Key> keys;
    std::map<std::string, size_t> position;
    for (int r = 0; r < row_count(*result); ++r) {
        std::string key_name = cell(*result, 1, r);
        auto [found, added] = position.emplace(key_name, keys.size());
        if (added) {
            auto key = MetaForeignKey::create_with_name(MetaForeignKey::gtype(), key_name.c_str());
            std::string match = cell(*result, 2, r);
            key->set_match_method(match == "NONE" ? "" : match.c_str());
            key->set_update_action(cell(*result, 3, r).c_str());
            key->set_delete_action(cell(*result, 4, r).c_str());
            key->set_refer_schema(cell(*result, 7, r).c_str());
            key->set_refer_table(cell(*result, 8, r).c_str());
            keys.push_back({key, {}, {}});
        }
        keys[found->second].local.push_back(cell(*result, 5, r));
        keys[found->second].refer.push_back(cell(*result, 9, r));
    }
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    for (auto& key : keys) {
        key.constraint->set_local_columns(joined(key.local, ", ").c_str());
        key.constraint->set_refer_columns(joined(key.refer, ", ").c_str());
        constraints.append(key.constraint);
    }
}

bool read_view(const gobj::Ref<IConnection>& connection, MetaView& view) {
    auto result =
        query_model(connection, "SHOW CREATE VIEW " + qualified(text(view.get_schema()), text(view.get_name())) + ";");
    if (!TARVELIN_REQUIRE(row_count(*result) == 1, "rows == 1")) return false;
    set_view_statement(view, cell(*result, 1, 0));
    return true;
}

bool read_trigger(const gobj::Ref<IConnection>& connection, MetaTrigger& trigger) {
    auto result = query_model(connection, "SELECT EVENT_OBJECT_TABLE, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, "
                                          "ACTION_ORIENTATION, ACTION_STATEMENT FROM information_schema.triggers WHERE "
                                          "TRIGGER_SCHEMA = " + quoted(text(trigger.get_schema())) +
                                              " AND TRIGGER_NAME = " + quoted(text(trigger.get_name())) + ";");
    if (!TARVELIN_REQUIRE(row_count(*result) >= 1, "rows >= 1")) return false;
    trigger.set_target(cell(*result, 0, 0).c_str());
    trigger.set_definer(cell(*result, 1, 0).c_str());
    trigger.set_timing(cell(*result, 2, 0).c_str());
    trigger.set_event(cell(*result, 3, 0).c_str());
    trigger.set_for_each(trimmed(cell(*result, 4, 0)).c_str());
    trigger.set_body(trigger_body(cell(*result, 5, 0)).c_str());
    return true;
}

bool read_routine(const gobj::Ref<IConnection>& connection, MetaFunction& function) {
    std::string schema = quoted(text(function.get_schema()));
    std::string name = quoted(text(function.get_name()));
    auto result = query_model(connection, "SELECT ROUTINE_TYPE, DATA_TYPE, DTD_IDENTIFIER, ROUTINE_BODY, "
                                          "IS_DETERMINISTIC, SQL_DATA_ACCESS, SECURITY_TYPE, DEFINER, ROUTINE_COMMENT, "
                                          "ROUTINE_DEFINITION FROM `information_schema`.`ROUTINES` WHERE "
                                          "ROUTINE_SCHEMA = " + schema + " AND ROUTINE_NAME = " + name + ";");
    if (!TARVELIN_REQUIRE(row_count(*result) >= 1, "rows >= 1")) return false;
    function.set_is_function(cell(*result, 0, 0) == "FUNCTION");
    function.set_return_type(cell(*result, 2, 0).c_str());
    set_attribute(function, "LANGUAGE", cell(*result, 3, 0));
    set_attribute(function, "DETERMINISTIC", cell(*result, 4, 0));
    set_attribute(function, "DATA_ACCESS", cell(*result, 5, 0));
    set_attribute(function, "SQL SECURITY", cell(*result, 6, 0));
    set_attribute(function, "DEFINER", cell(*result, 7, 0));
    set_attribute(function, "COMMENT", cell(*result, 8, 0));
    function.set_body(routine_body(cell(*result, 9, 0)).c_str());

    // A routine without parameters has an empty list here, and is read all the same.
    auto listed = query_model(connection, "SELECT PARAMETER_MODE, PARAMETER_NAME, DATA_TYPE, DTD_IDENTIFIER FROM "
                                          "`information_schema`.`PARAMETERS` WHERE SPECIFIC_SCHEMA = " + schema +
                                              " AND SPECIFIC_NAME = " + name +
                                              " AND PARAMETER_NAME != '' ORDER BY ORDINAL_POSITION ASC;");
    auto parameters = gobj::StringArray::wrap(function.get_parameters());
    for (int r = 0; r < row_count(*listed); ++r)
        parameters.append(cell(*listed, 0, r) + " " + cell(*listed, 1, r) + " " + cell(*listed, 3, r));
    return true;
}

bool read_event(const gobj::Ref<IConnection>& connection, MetaEvent& event, bool unwrap) {
    auto result = query_model(connection, "SELECT DEFINER, EVENT_DEFINITION, EVENT_TYPE, EXECUTE_AT, INTERVAL_VALUE, "
                                          "INTERVAL_FIELD, STARTS, ENDS, STATUS, ON_COMPLETION, EVENT_COMMENT FROM "
                                          "`information_schema`.`EVENTS` where EVENT_SCHEMA = " +
                                              quoted(text(event.get_schema())) + " and EVENT_NAME = " +
                                              quoted(text(event.get_name())) + ";");
    if (!TARVELIN_REQUIRE(row_count(*result) >= 1, "rows >= 1")) return false;
    event.set_definer(cell(*result, 0, 0).c_str());
    std::string body = cell(*result, 1, 0);
    if (unwrap && starts_with(body, "BEGIN") && ends_with(body, "END")) body = body.substr(5, body.size() - 8);
    event.set_body(body.c_str());
    event.set_kind(cell(*result, 2, 0).c_str());
    std::string schedule;
    if (cell_is_null(*result, 3, 0)) {
        schedule = "EVERY " + cell(*result, 4, 0) + " " + cell(*result, 5, 0);
        if (!cell_is_null(*result, 6, 0)) schedule += " STARTS " + quoted(cell(*result, 6, 0));
        if (!cell_is_null(*result, 7, 0)) schedule += " ENDS " + quoted(cell(*result, 7, 0));
    } else {
        schedule = "AT " + quoted(cell(*result, 3, 0));
    }
    event.set_schedule(schedule.c_str());
    event.set_state(cell(*result, 8, 0).c_str());
    event.set_completion(cell(*result, 9, 0).c_str());
    event.set_comment(cell(*result, 10, 0).c_str());
    return true;
}

void fill_by_kind(contracts::database::IAdaptable& reader, MetaObject& object, bool deep, bool with_procedures) {
    switch (object.character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return reader.fill_meta_database(dynamic_cast<MetaDatabase*>(&object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return reader.fill_meta_event(dynamic_cast<MetaEvent*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            if (!with_procedures) return;
            [[fallthrough]];
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
            return reader.fill_meta_function(dynamic_cast<MetaFunction*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return reader.fill_meta_index(dynamic_cast<MetaIndex*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return reader.fill_meta_role(dynamic_cast<MetaRole*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return reader.fill_meta_schema(dynamic_cast<MetaSchema*>(&object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return reader.fill_meta_table(dynamic_cast<MetaTable*>(&object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return reader.fill_meta_trigger(dynamic_cast<MetaTrigger*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return reader.fill_meta_user(dynamic_cast<MetaUser*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return reader.fill_meta_view(dynamic_cast<MetaView*>(&object));
        default: return;
    }
}

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
