#include "rezezadovu/supports/database/mysql_family/adapter.hpp"

#include <map>

#include "providers/contracts/model_column.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/mysql_family/catalog.hpp"

TARVELIN_LOG_TAG("mysql_adapter_support")

namespace tarvelin::rezezadovu::supports::database::mysql_family {

using namespace meta_model;
using dialect::CatalogRows;
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
const std::vector<std::string> kTypeListInteger = {"TINYINT", "SMALLINT", "MEDIUMINT", "INT", "INTEGER", "BIGINT"};

// The display width of an integer COLUMN_TYPE ("tinyint(1)", "int(5) unsigned zerofill"),
// 0 without one: it carries meaning for tinyint(1) and zerofill columns, and MySQL 8
// reports it only there.
gint64 display_width(const std::string& column_type) {
    size_t open = column_type.find('('), close = column_type.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return 0;
    return g_ascii_strtoll(column_type.substr(open + 1, close - open - 1).c_str(), nullptr, 10);
}

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

namespace {
// Each attribute of the pairs set to the row's text of its column.
void set_attributes(MetaObject& object, const CatalogRows::Row& row,
                    std::initializer_list<std::pair<const char*, const char*>> pairs) {
    for (auto [attribute, column] : pairs) set_attribute(object, attribute, row.text(column));
}
}  // namespace

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

void set_table_status(MetaTable& table, const CatalogRows::Row& row) {
    GeeHashMap* options = table.get_options();
    auto map = gobj::StringMap::wrap(GEE_MAP(options));
    // Only what the table was made with: Row_format and Avg_row_length are what the server
    // chose or measured (the row format every table gets, the average after ANALYZE), and
    // written back they would fix figures the table never asked for. An explicit row
    // format is among the create options.
    map.set("ENGINE", row.text("Engine"));
    std::string collation = row.text("Collation");
    map.set("COLLATE", collation);
    if (collation.empty())
        gee_map_set(GEE_MAP(options), "CHARACTER SET", nullptr);
    else
        map.set("CHARACTER SET", collation.substr(0, collation.find('_')));
    set_create_options(options, row.text("Create_options"));
    table.set_comment(row.text("Comment").c_str());
}

void set_user_detail(MetaUser& user, const CatalogRows& detail) {
    auto row = detail[0];
    std::string password = row.text("authentication_string");
    user.set_password(password.c_str());
    // The hash kept apart too: the builder recreates an account with it when the password
    // is still the stored hash, instead of taking the hash as a new clear-text password.
    set_attribute(user, "AUTHENTICATION_STRING", password);
    set_attributes(user, row, {{"PLUGIN", "plugin"},
                               {"PASSWORD_POLICY", "password_expired"},
                               {"SSL_TYPE", "ssl_type"},
                               {"X509_CIPHER", "ssl_cipher"},
                               {"X509_ISSUER", "x509_issuer"},
                               {"X509_SUBJECT", "x509_subject"},
                               {"MAX_QUERIES", "max_questions"},
                               {"MAX_UPDATES", "max_updates"},
                               {"MAX_CONNECTIONS", "max_connections"},
                               {"USER_CONNECTIONS", "max_user_connections"}});
    // MariaDB's detail has max_statement_time; older servers lack the last three.
    if (row.has("max_statement_time")) set_attribute(user, "MAX_STATEMENT_TIME", row.text("max_statement_time"));
    auto optional = [&](const char* column, const char* otherwise) {
        return row.has(column) ? row.text(column) : std::string(otherwise);
    };
    set_attribute(user, "PASSWORD_CHANGED", optional("password_last_changed", "NULL"));
    set_attribute(user, "PASSWORD_LIFETIME", optional("password_lifetime", "NULL"));
    set_attribute(user, "ACCOUNT_STATE", optional("account_locked", "N"));
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

void read_privileges(const gobj::Ref<IConnection>& connection, const std::string& sql, GeeHashMap* privileges) {
    CatalogRows grants(query_model(connection, sql));
    std::vector<std::string> lines;
    // SHOW GRANTS names its one column after the account ("Grants for app@%").
    std::string column = "Grants";
    for (auto named : grants.table()->get_columns())
        if (named->get_name() && starts_with(*named->get_name(), "Grants")) {
            column = *named->get_name();
            break;
        }
    for (auto row : grants) lines.push_back(row.text(column));
    add_grants(privileges, lines);
}

// ---------------------------------------------------------------- catalogue reads

dialect::ObjectRows object_rows(const gobj::Ref<IConnection>& connection, dialect::SchemaRows* reading,
                                const std::string& schema, const std::string& key, std::string_view kind,
                                std::string_view key_column, const std::string& one,
                                const std::function<std::string()>& all) {
    return dialect::SchemaRows::of(
        reading, schema, key, kind, key_column, [&] { return CatalogRows(query_model(connection, one)); },
        [&] { return CatalogRows(query_model(connection, all())); });
}

namespace {
dialect::ObjectRows table_rows(const gobj::Ref<IConnection>& connection, dialect::SchemaRows* reading,
                               MetaTable& table, std::string_view kind, std::string_view key_column,
                               std::string (*one)(std::string_view, std::string_view),
                               std::string (*all)(std::string_view)) {
    const std::string schema = text(table.get_schema()), name = text(table.get_name());
    return object_rows(connection, reading, schema, name, kind, key_column, one(schema, name),
                       [&] { return all(schema); });
}
}  // namespace

void list_schema(const gobj::Ref<IConnection>& connection, MetaSchema& schema) {
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema.get_tables());
    auto views = gobj::GeeArray<MetaView>::wrap(schema.get_views());
    auto functions = gobj::GeeArray<MetaFunction>::wrap(schema.get_functions());
    auto procedures = gobj::GeeArray<MetaFunction>::wrap(schema.get_procedures());
    auto events = gobj::GeeArray<MetaEvent>::wrap(schema.get_events());
    const char* database = schema.get_database();
    const char* name = schema.get_name();

    for (auto row : CatalogRows(query_model(connection, tables_query(text(name))))) {
        std::string table = row.text("TABLE_NAME");
        if (row.text("TABLE_TYPE") == "VIEW")
            views.append(MetaView::create_with_names(MetaView::gtype(), database, name, table.c_str()));
        else
            tables.append(MetaTable::create_with_names(MetaTable::gtype(), database, name, table.c_str()));
    }

    for (auto row : CatalogRows(query_model(connection, routines_query(text(name))))) {
        auto routine =
            MetaFunction::create_with_names(MetaFunction::gtype(), database, name, row.text("ROUTINE_NAME").c_str());
        bool is_function = row.text("ROUTINE_TYPE") == "FUNCTION";
        routine->set_is_function(is_function);
        (is_function ? functions : procedures).append(routine);
    }

    for (auto row : CatalogRows(query_model(connection, events_query(text(name)))))
        events.append(MetaEvent::create_with_names(MetaEvent::gtype(), database, name, row.text("EVENT_NAME").c_str()));
}

void read_columns(const gobj::Ref<IConnection>& connection, MetaTable& table, ColumnRules rules,
                  dialect::SchemaRows* reading) {
    auto result = table_rows(connection, reading, table, "columns", "TABLE_NAME", &columns_query, &schema_columns_query);
    auto inspector = inspector_of(connection);
    guint8 primary_ordinal = 1;
    std::string previous;
    for (auto row : result) {
        std::string raw_type = ascii_upper(row.text("DATA_TYPE"));
        DataType data_type = inspector ? gobj::call<&InspectorVtable::get_data_type>(inspector, raw_type)
                                       : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        std::string name = row.text("COLUMN_NAME");
        auto column = table.new_column(name.c_str(), data_type);
        column->set_ordinal(static_cast<guint16>(row.unsigned_number("ORDINAL_POSITION")));
        column->set_default_value(row.text("COLUMN_DEFAULT").c_str());
        column->set_not_null(row.text("IS_NULLABLE") == "NO");
        column->set_raw_type(raw_type.c_str());
        column->set_length(static_cast<gint64>(row.unsigned_number("CHARACTER_MAXIMUM_LENGTH")));
        if (listed(kTypeListInteger, raw_type)) column->set_length(display_width(row.text("COLUMN_TYPE")));
        if (listed(kTypeListNumeric, raw_type) || raw_type == "BIT") {
            column->set_length(static_cast<gint64>(row.unsigned_number("NUMERIC_PRECISION")));
            if (raw_type != "BIT") column->set_scale(static_cast<guint8>(row.unsigned_number("NUMERIC_SCALE")));
        } else if (listed(kTypeListDatetime, raw_type)) {
            column->set_scale(static_cast<guint8>(row.unsigned_number("DATETIME_PRECISION")));
        }
        column->set_charset(row.text("CHARACTER_SET_NAME").c_str());
        column->set_collation(row.text("COLLATION_NAME").c_str());

        std::string column_type = row.text("COLUMN_TYPE");
        if (auto values = enum_values(column_type, rules.mariadb)) column->set_enum_values(values->c_str());
        column->set_is_unsigned(contains(column_type, "unsigned"));
        column->set_is_fill_zero(contains(column_type, "zerofill"));

        // The key's own order where the catalogue joins it; COLUMN_KEY alone says "PRI"
        // also for a unique key standing in for a missing primary key.
        if (row.has("PRIMARY_POSITION")) {
            if (!row.is_null("PRIMARY_POSITION")) {
                column->set_is_primary_key(true);
                column->set_primary_ordinal(static_cast<guint8>(row.unsigned_number("PRIMARY_POSITION")));
            }
        } else if (contains(row.text("COLUMN_KEY"), "PRI")) {
            column->set_is_primary_key(true);
            column->set_primary_ordinal(primary_ordinal++);
        }
        std::string extra = row.text("EXTRA");
        column->set_auto_increment(contains(extra, "auto_increment"));
        // MariaDB writes "on update current_timestamp(6)" in lower case, MySQL in upper case.
        column->set_update_timestamp(contains(ascii_upper(extra), "ON UPDATE CURRENT_TIMESTAMP"));
        column->set_comment(row.text("COLUMN_COMMENT").c_str());
        std::string expression = row.text("GENERATION_EXPRESSION");
        column->set_expression(expression.c_str());
        if (!expression.empty()) {
            column->set_is_virtual(true);
            column->set_is_generated_always(true);
            std::string storage = ascii_upper(extra);
            column->set_virtual_type(contains(storage, "STORED") || contains(storage, "PERSISTENT") ? "STORED"
                                                                                                   : "VIRTUAL");
        }
        if (!previous.empty()) column->set_after(previous.c_str());
        previous = name;
    }
}

void read_indexes(const gobj::Ref<IConnection>& connection, MetaTable& table, dialect::SchemaRows* reading) {
    auto result = table_rows(connection, reading, table, "indexes", "TABLE_NAME", &show_index_query, &schema_index_query);
    // Visibility: MySQL 8 says "Visible", MariaDB "Ignored"; older servers have neither
    // and every index is visible. A key part on an expression has its text in
    // "Expression" (MySQL 8) and no column name.
    const bool visible = result.has("Visible"), ignored = result.has("Ignored");
    const bool expression = result.has("Expression");
    const bool prefixes = result.has("Sub_part"), orders = result.has("Collation");
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
    gobj::Ref<MetaIndex> current;
    std::string previous;
    for (auto row : result) {
        std::string key = row.text("Key_name");
        if (ascii_upper(trimmed(key)) == "PRIMARY") {
            // The key's own order, which may differ from the columns' order.
            if (auto column = table.get_column(row.text("Column_name").c_str())) {
                column->set_primary_ordinal(static_cast<guint8>(row.unsigned_number("Seq_in_index")));
                // A key on a BLOB or TEXT column holds only its prefix.
                if (prefixes && !row.is_null("Sub_part")) set_attribute(*column, kPrimaryPrefix, row.text("Sub_part"));
            }
            continue;
        }
        if (!current || key != previous) {
            if (current) indexes.append(current);
            current = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                   table.get_name(), key.c_str());
            previous = key;
            std::string type = row.text("Index_type");
            current->set_method(type.c_str());
            current->set_comment(row.text("Index_comment").c_str());
            current->set_kind(index_kind(row.text("Non_unique"), type, "").c_str());
            current->set_is_visible(visible   ? row.text("Visible") == "YES"
                                    : ignored ? row.text("Ignored") != "YES"
                                              : true);
        }
        if (!row.is_null("Column_name") || !expression)
            current->append(key_entry(row.text("Column_name"), prefixes ? row.text("Sub_part") : "",
                                      orders ? row.text("Collation") : "")
                                .c_str());
        else
            current->append(functional_entry(row.text("Expression"), orders ? row.text("Collation") : "").c_str());
    }
    if (current) indexes.append(current);
}

std::string key_entry(const std::string& column, const std::string& prefix, const std::string& collation) {
    std::string out = column;
    if (!prefix.empty()) out += "(" + prefix + ")";
    return collation == "D" ? out + " DESC" : out;
}

std::string functional_entry(const std::string& expression, const std::string& collation) {
    std::string out = trimmed(expression);
    // A functional key part is written in parentheses of its own.
    if (!(starts_with(out, "(") && ends_with(out, ")"))) out = "(" + out + ")";
    return collation == "D" ? out + " DESC" : out;
}

void read_table_triggers(const gobj::Ref<IConnection>& connection, MetaTable& table, bool owned,
                         dialect::SchemaRows* reading) {
    auto result = table_rows(connection, reading, table, "triggers", "EVENT_OBJECT_TABLE", &table_triggers_query,
                             &schema_triggers_query);
    auto triggers = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
    for (auto row : result) {
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), row.text("TRIGGER_NAME").c_str(),
                                                     row.text("ACTION_STATEMENT").c_str());
        if (owned) {
            trigger->set_database(table.get_database());
            trigger->set_schema(table.get_schema());
            trigger->set_target(table.get_name());
            trigger->set_definer(row.text("DEFINER").c_str());
        }
        trigger->set_timing(row.text("ACTION_TIMING").c_str());
        trigger->set_event(row.text("EVENT_MANIPULATION").c_str());
        trigger->set_for_each(trimmed(row.text("ACTION_ORIENTATION")).c_str());
        triggers.append(trigger);
    }
}

void read_foreign_keys(const gobj::Ref<IConnection>& connection, MetaTable& table, dialect::SchemaRows* reading) {
    auto result = table_rows(connection, reading, table, "foreign_keys", "TABLE_NAME", &foreign_keys_query,
                             &schema_foreign_keys_query);
    // One constraint per key, in order of first appearance; the rows come in key order,
    // so each key's columns are joined in that order.
    struct Key {
        gobj::Ref<MetaForeignKey> constraint;
        std::vector<std::string> local, refer;
    };
    std::vector<Key> keys;
    std::map<std::string, size_t> position;
    for (auto row : result) {
        std::string key_name = row.text("CONSTRAINT_NAME");
        auto [found, added] = position.emplace(key_name, keys.size());
        if (added) {
            auto key = MetaForeignKey::create_with_name(MetaForeignKey::gtype(), key_name.c_str());
            std::string match = row.text("MATCH_OPTION");
            key->set_match_method(match == "NONE" ? "" : match.c_str());
            key->set_update_action(row.text("UPDATE_RULE").c_str());
            key->set_delete_action(row.text("DELETE_RULE").c_str());
            key->set_refer_schema(row.text("REFERENCED_TABLE_SCHEMA").c_str());
            key->set_refer_table(row.text("REFERENCED_TABLE_NAME").c_str());
            keys.push_back({key, {}, {}});
        }
        keys[found->second].local.push_back(row.text("COLUMN_NAME"));
        keys[found->second].refer.push_back(row.text("REFERENCED_COLUMN_NAME"));
    }
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    for (auto& key : keys) {
        key.constraint->set_local_columns(joined(key.local, ", ").c_str());
        key.constraint->set_refer_columns(joined(key.refer, ", ").c_str());
        constraints.append(key.constraint);
    }
}

bool read_view(const gobj::Ref<IConnection>& connection, MetaView& view) {
    CatalogRows result(query_model(connection, view_source_query(text(view.get_schema()), text(view.get_name()))));
    if (!TARVELIN_REQUIRE(result.size() == 1, "rows == 1")) return false;
    set_view_statement(view, result[0].text("Create View"));
    return true;
}

bool read_trigger(const gobj::Ref<IConnection>& connection, MetaTrigger& trigger) {
    CatalogRows result(query_model(connection, trigger_query(text(trigger.get_schema()), text(trigger.get_name()))));
    if (!TARVELIN_REQUIRE(result.size() >= 1, "rows >= 1")) return false;
    auto row = result[0];
    trigger.set_target(row.text("EVENT_OBJECT_TABLE").c_str());
    trigger.set_definer(row.text("DEFINER").c_str());
    trigger.set_timing(row.text("ACTION_TIMING").c_str());
    trigger.set_event(row.text("EVENT_MANIPULATION").c_str());
    trigger.set_for_each(trimmed(row.text("ACTION_ORIENTATION")).c_str());
    trigger.set_body(trigger_body(row.text("ACTION_STATEMENT")).c_str());
    return true;
}

bool read_routine(const gobj::Ref<IConnection>& connection, MetaFunction& function, dialect::SchemaRows* reading) {
    std::string schema = text(function.get_schema()), name = text(function.get_name());
    auto result = object_rows(connection, reading, schema, name, "routines", "ROUTINE_NAME", routine_query(schema, name),
                              [&] { return schema_routines_query(schema); });
    if (!TARVELIN_REQUIRE(result.size() >= 1, "rows >= 1")) return false;
    auto row = result[0];
    function.set_is_function(row.text("ROUTINE_TYPE") == "FUNCTION");
    function.set_return_type(row.text("DTD_IDENTIFIER").c_str());
    set_attributes(function, row, {{"LANGUAGE", "ROUTINE_BODY"},
                                   {"DETERMINISTIC", "IS_DETERMINISTIC"},
                                   {"DATA_ACCESS", "SQL_DATA_ACCESS"},
                                   {"SQL SECURITY", "SECURITY_TYPE"},
                                   {"DEFINER", "DEFINER"},
                                   {"COMMENT", "ROUTINE_COMMENT"}});
    function.set_body(routine_body(row.text("ROUTINE_DEFINITION")).c_str());

    // A routine without parameters has an empty list here, and is read all the same.
    auto parameters = gobj::StringArray::wrap(function.get_parameters());
    for (auto parameter : object_rows(connection, reading, schema, name, "parameters", "SPECIFIC_NAME",
                                      parameters_query(schema, name),
                                      [&] { return schema_parameters_query(schema); }))
        parameters.append(parameter.text("PARAMETER_MODE") + " " + parameter.text("PARAMETER_NAME") + " " +
                          parameter.text("DTD_IDENTIFIER"));
    return true;
}

bool read_event(const gobj::Ref<IConnection>& connection, MetaEvent& event, bool unwrap,
                dialect::SchemaRows* reading) {
    const std::string schema = text(event.get_schema()), name = text(event.get_name());
    auto result = object_rows(connection, reading, schema, name, "events", "EVENT_NAME", event_query(schema, name),
                              [&] { return schema_events_query(schema); });
    if (!TARVELIN_REQUIRE(result.size() >= 1, "rows >= 1")) return false;
    auto row = result[0];
    event.set_definer(row.text("DEFINER").c_str());
    std::string body = row.text("EVENT_DEFINITION");
    if (unwrap && starts_with(body, "BEGIN") && ends_with(body, "END")) body = body.substr(5, body.size() - 8);
    event.set_body(body.c_str());
    event.set_kind(row.text("EVENT_TYPE").c_str());
    std::string schedule;
    if (row.is_null("EXECUTE_AT")) {
        schedule = "EVERY " + row.text("INTERVAL_VALUE") + " " + row.text("INTERVAL_FIELD");
        if (!row.is_null("STARTS")) schedule += " STARTS " + MySQLFamilyStatement::literal(row.text("STARTS"));
        if (!row.is_null("ENDS")) schedule += " ENDS " + MySQLFamilyStatement::literal(row.text("ENDS"));
    } else {
        schedule = "AT " + MySQLFamilyStatement::literal(row.text("EXECUTE_AT"));
    }
    event.set_schedule(schedule.c_str());
    event.set_state(row.text("STATUS").c_str());
    event.set_completion(row.text("ON_COMPLETION").c_str());
    event.set_comment(row.text("EVENT_COMMENT").c_str());
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
