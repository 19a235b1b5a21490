#include "rezezadovu/supports/database/mysql/adapter_support.hpp"

#include "providers/gobj/call.hpp"
#include "providers/gobj/i18n.hpp"

TARVELIN_LOG_TAG("mysql_adapter_support")

namespace tarvelin::rezezadovu::supports::database::mysql {

using namespace meta_model;
using StatementVtable = TarvelinRezezadovuContractsDatabaseIStatementInterface;

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
GRegex* grant_pattern() {
    static GRegex* const p = pattern(R"(GRANT\s(?<rights>[\w,\s]+)\sON\s(?<object>[\w\.\*`]+)\sTO)",
                                     G_REGEX_CASELESS | G_REGEX_MULTILINE);
    return p;
}

std::string without(std::string text, const std::string& characters) {
    std::erase_if(text, [&](char c) { return characters.find(c) != std::string::npos; });
    return text;
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

void set_table_status(MetaTable& table, const TableModel& status) {
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
    set_create_options(options, cell(status, 16, 0));
    table.set_comment(cell(status, 17, 0).c_str());
}

void set_user_detail(MetaUser& user, const TableModel& detail) {
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
    set_attribute(user, "PASSWORD_CHANGED", columns >= 14 ? at(13) : "NULL");
    set_attribute(user, "PASSWORD_LIFETIME", columns >= 15 ? at(14) : "NULL");
    set_attribute(user, "ACCOUNT_STATE", columns >= 16 ? at(15) : "N");
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

}  // namespace tarvelin::rezezadovu::supports::database::mysql
