// Principals of the SQL Server builder: database users and server logins, created and
// patched from their change maps, their permissions, and roles.
#include <algorithm>

#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/sqlserver/builder.hpp"
#include "rezezadovu/supports/database/sqlserver/builder_parts.hpp"

TARVELIN_LOG_TAG("builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using namespace sqlserver;
using Text = SQLServerBuilder::Text;

namespace {

bool is_login(MetaUser& user) { return g_strcmp0(user.get_scope(), "server") == 0; }

gobj::StringMap privileges_of(MetaUser& user) { return gobj::StringMap::wrap(GEE_MAP(user.get_privileges())); }

// An option list "a, b, c" from items each written with a trailing ", ".
std::string options_text(std::string options) {
    chop(options, 2);
    return options;
}

// A security identifier goes in unquoted, so only its hexadecimal form is accepted.
bool is_sid(const std::string& sid) {
    return sid.size() > 2 && (sid.compare(0, 2, "0x") == 0 || sid.compare(0, 2, "0X") == 0) &&
           std::all_of(sid.begin() + 2, sid.end(), [](char c) { return g_ascii_isxdigit(c); });
}
void add_sid(const MetaUser& user, std::string& options) {
    std::string sid = attribute_or_empty(user, "SID");
    if (sid.empty()) return;
    if (is_sid(sid)) {
        options += "SID = " + sid + ", ";
    } else {
        tlog_warning("The SID of %s is not a hexadecimal number; it is not written.",
                     text_or_empty(user.get_name()).c_str());
    }
}

// "KEY = [value], " when the attribute is not empty.
void add_named(const MetaUser& user, const char* key, std::string& options) {
    std::string value = attribute_or_empty(user, key);
    if (!value.empty()) options += std::string(key) + " = " + SQLServerStatement::quoted(value) + ", ";
}

// ---------------------------------------------------------------- privilege lists

struct Permission {
    std::string name;
    char state;
    bool operator==(const Permission&) const = default;
};

// The well-formed "NAME=S" entries of a list (S one of G, W, D); others are skipped.
std::vector<Permission> permissions_in(std::string_view list) {
    std::vector<Permission> out;
    for (const auto& entry : items(list)) {
        auto eq = entry.find('=');
        if (eq == std::string::npos) continue;
        std::string name = trimmed(entry.substr(0, eq));
        std::string state = trimmed(entry.substr(eq + 1));
        if (name.empty() || (state != "G" && state != "W" && state != "D")) continue;
        out.push_back({name, state[0]});
    }
    return out;
}

bool has_name(const std::vector<Permission>& list, const std::string& name) {
    return std::any_of(list.begin(), list.end(), [&](const Permission& p) { return p.name == name; });
}

struct Statements {
    std::vector<std::string> grant_option, grant, deny, revoke, revoke_option;
};

Statements split(const std::vector<Permission>& list) {
    Statements s;
    for (const auto& p : list) (p.state == 'W' ? s.grant_option : p.state == 'G' ? s.grant : s.deny).push_back(p.name);
    return s;
}

// What turns the earlier list into the current one.
Statements compare(std::string_view earlier_list, std::string_view current_list) {
    auto was = permissions_in(earlier_list);
    auto now = permissions_in(current_list);
    Statements s;
    for (const auto& p : was)
        if (std::find(now.begin(), now.end(), p) == now.end() && !has_name(now, p.name)) s.revoke.push_back(p.name);
    for (const auto& p : now) {
        if (std::find(was.begin(), was.end(), p) != was.end()) continue;
        if (p.state == 'D') {
            s.deny.push_back(p.name);
        } else if (p.state == 'W') {
            s.grant_option.push_back(p.name);
        } else if (std::find(was.begin(), was.end(), Permission{p.name, 'W'}) != was.end()) {
            s.revoke_option.push_back(p.name);
        } else {
            s.grant.push_back(p.name);
        }
    }
    return s;
}

// The statement texts, with " ON <securable>" where there is one.
struct Forms {
    std::string on, grantee;
    std::string grant(const std::vector<std::string>& names, bool option) const {
        return "GRANT " + joined(names, ", ") + on + " TO " + grantee + (option ? " WITH GRANT OPTION" : "") + ";\n";
    }
    std::string deny(const std::vector<std::string>& names) const {
        return "DENY " + joined(names, ", ") + on + " TO " + grantee + " CASCADE;\n";
    }
    std::string revoke(const std::vector<std::string>& names, bool option) const {
        return std::string("REVOKE ") + (option ? "GRANT OPTION FOR " : "") + joined(names, ", ") + on + " FROM " +
               grantee + " CASCADE;\n";
    }
};

// " ON OBJECT::[s].[o]", " ON OBJECT::[s].[o]([c])" or " ON SCHEMA::[s]" for "s.o", "s.o.c"
// and "s."; " ON CLASS::[name]" for the other classes.
std::string on_securable(std::string_view securable_class, std::string_view fullname) {
    if (securable_class != "OBJECT")
        return " ON " + std::string(securable_class) + "::" + SQLServerStatement::quoted(fullname);
    auto dot = fullname.find('.');
    if (dot == std::string_view::npos) return " ON OBJECT::" + qualified(fullname, fullname);
    std::string_view schema = fullname.substr(0, dot);
    std::string_view rest = fullname.substr(dot + 1);
    if (rest.empty()) return " ON SCHEMA::" + SQLServerStatement::quoted(schema);
    auto column = rest.find('.');
    if (column == std::string_view::npos) return " ON OBJECT::" + qualified(schema, rest);
    return " ON OBJECT::" + qualified(schema, rest.substr(0, column)) + "(" +
           SQLServerStatement::quoted(rest.substr(column + 1)) + ")";
}

// Membership changes of two comma lists, whole items compared.
struct Membership {
    std::vector<std::string> removed, added;
};
Membership membership(const MetaUser& user, const char* attribute_key) {
    auto was = items(earlier(user, std::string("attributes.") + attribute_key).value_or(""));
    auto now = items(attribute(user, attribute_key).value_or(""));
    Membership m;
    for (const auto& item : was)
        if (!has_item(now, item)) m.removed.push_back(item);
    for (const auto& item : now)
        if (!has_item(was, item)) m.added.push_back(item);
    return m;
}

// The name a patch alters: the earlier one when the name changed.
std::string earlier_name(const MetaUser& user) {
    std::string name = text_or_empty(user.get_name());
    if (!Changes(user).has("name")) return name;
    return earlier(user, "name").value_or(name);
}

// What both patches begin with: the new name, then the new password followed by
// `after_password` (a user's OLD_PASSWORD, a login's MUST_CHANGE).
std::string name_and_password(const MetaUser& user, const Changes& changes, const std::string& after_password) {
    std::string options;
    if (changes.has("name")) options += "NAME = " + SQLServerStatement::quoted(text_or_empty(user.get_name())) + ", ";
    std::string password = text_or_empty(user.get_password());
    if (changes.has("password") && !password.empty())
        options += SQLServerStatement::fill("PASSWORD = '%s'", {password}) + after_password + ", ";
    return options;
}

// "ALTER USER|LOGIN [earlier name] WITH options;\n", or nothing without options.
std::string alter_principal(const char* what, const MetaUser& user, const std::string& options) {
    if (options.empty()) return std::string();
    return std::string("ALTER ") + what + " " + SQLServerStatement::quoted(earlier_name(user)) + " WITH " +
           options_text(options) + ";\n";
}

// A new principal's statements: grants with option, grants, denials.
std::string creation_statements(const Forms& forms, const Statements& s) {
    std::string sql;
    if (!s.grant_option.empty()) sql += forms.grant(s.grant_option, true);
    if (!s.grant.empty()) sql += forms.grant(s.grant, false);
    if (!s.deny.empty()) sql += forms.deny(s.deny);
    return sql;
}

}  // namespace

// ---------------------------------------------------------------- permissions

Text SQLServerBuilder::build_standard_permission_sql(MetaUser* user, const char* securable_class) {
    if (!TARVELIN_GIVEN(user, securable_class)) return {};
    Forms forms{"", SQLServerStatement::quoted(text_or_empty(user->get_name()))};
    return creation_statements(forms, split(permissions_in(privileges_of(*user).get_or(securable_class, ""))));
}

Text SQLServerBuilder::build_permission_sql(MetaUser* user, const char* securable_class, const char* fullname) {
    if (!TARVELIN_GIVEN(user, securable_class, fullname)) return {};
    Forms forms{on_securable(securable_class, fullname), SQLServerStatement::quoted(text_or_empty(user->get_name()))};
    return creation_statements(forms, split(permissions_in(privileges_of(*user).get_or(fullname, ""))));
}

Text SQLServerBuilder::build_dynamic_permission_sql(MetaUser* user, const char* securable_class) {
    if (!TARVELIN_GIVEN(user, securable_class)) return {};
    std::string sql;
    for (const auto& securable : items(privileges_of(*user).get_or(securable_class, "")))
        sql += build_permission_sql(user, securable_class, securable.c_str()).value_or("");
    return sql;
}

Text SQLServerBuilder::patch_standard_permission_sql(MetaUser* user, const char* securable_class) {
    if (!TARVELIN_GIVEN(user, securable_class)) return {};
    Forms forms{"", SQLServerStatement::quoted(text_or_empty(user->get_name()))};
    auto s = compare(earlier(*user, std::string("privileges.") + securable_class).value_or(""),
                     privileges_of(*user).get_or(securable_class, ""));
    std::string sql;
    if (!s.revoke.empty()) sql += forms.revoke(s.revoke, false);
    if (!s.revoke_option.empty()) sql += forms.revoke(s.revoke_option, true);
    if (!s.deny.empty()) sql += forms.deny(s.deny);
    if (!s.grant.empty()) sql += forms.grant(s.grant, false);
    if (!s.grant_option.empty()) sql += forms.grant(s.grant_option, true);
    return sql;
}

Text SQLServerBuilder::patch_dynamic_permission_sql(MetaUser* user, const char* securable_class) {
    if (!TARVELIN_GIVEN(user, securable_class)) return {};
    auto privileges = privileges_of(*user);
    std::string grantee = SQLServerStatement::quoted(text_or_empty(user->get_name()));
    auto now = items(privileges.get_or(securable_class, ""));
    auto listed_before = earlier(*user, std::string("privileges.") + securable_class);
    auto was = listed_before ? items(*listed_before) : now;
    std::string sql;
    for (const auto& securable : was) {
        if (has_item(now, securable)) continue;
        std::string list = earlier(*user, "privileges." + securable).value_or(privileges.get_or(securable, ""));
        std::vector<std::string> names;
        for (const auto& p : permissions_in(list))
            if (!has_item(names, p.name)) names.push_back(p.name);
        if (!names.empty()) sql += Forms{on_securable(securable_class, securable), grantee}.revoke(names, false);
    }
    Changes changes(*user);
    for (const auto& securable : now) {
        if (!has_item(was, securable)) {
            sql += build_permission_sql(user, securable_class, securable.c_str()).value_or("");
            continue;
        }
        std::string key = "privileges." + securable;
        if (!changes.has(key)) continue;
        Forms forms{on_securable(securable_class, securable), grantee};
        auto s = compare(earlier(*user, key).value_or(""), privileges.get_or(securable, ""));
        if (!s.revoke.empty()) sql += forms.revoke(s.revoke, false);
        if (!s.revoke_option.empty()) sql += forms.revoke(s.revoke_option, true);
        if (!s.grant.empty()) sql += forms.grant(s.grant, false);
        if (!s.grant_option.empty()) sql += forms.grant(s.grant_option, true);
        if (!s.deny.empty()) sql += forms.deny(s.deny);
    }
    return sql;
}

// ---------------------------------------------------------------- creation

Text SQLServerBuilder::build_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return {};
    return is_login(*user) ? build_meta_login(*user) : build_meta_user(*user);
}

std::string SQLServerBuilder::build_meta_user(MetaUser& user) {
    std::string name = text_or_empty(user.get_name());
    std::string password = text_or_empty(user.get_password());
    std::string authentication = attribute_or_empty(user, "AUTHENTICATION");
    std::string sql = "CREATE USER " + SQLServerStatement::quoted(name) + " ";
    std::string options;
    // A missing companion attribute or password leaves its clause out.
    auto clause = [&](const char* words, const char* key) {
        std::string value = attribute_or_empty(user, key);
        if (!value.empty()) sql += std::string(words) + SQLServerStatement::quoted(value) + " ";
    };
    bool password_written = false;
    if (authentication == "LOGIN") {
        clause("FOR LOGIN ", "LOGIN");
        add_named(user, "DEFAULT_SCHEMA", options);
    } else if (authentication == "WITHOUT LOGIN") {
        sql += "WITHOUT LOGIN ";
        add_named(user, "DEFAULT_SCHEMA", options);
    } else if (authentication == "WINDOWS" || authentication == "PASSWORD") {
        if (authentication == "PASSWORD" && !password.empty()) {
            sql += SQLServerStatement::fill("WITH PASSWORD = '%s' ", {password});
            password_written = true;
        }
        add_named(user, "DEFAULT_SCHEMA", options);
        add_named(user, "DEFAULT_LANGUAGE", options);
        add_sid(user, options);
    } else if (authentication == "CERTIFICATE") {
        clause("FOR CERTIFICATE ", "CERTIFICATE");
    } else if (authentication == "ASYMMETRIC KEY") {
        clause("FOR ASYMMETRIC KEY ", "ASYMMETRIC_KEY");
    } else if (authentication == "EXTERNAL") {
        sql += "FROM EXTERNAL PROVIDER";
    }
    if (authentication == "LOGIN" || authentication == "WITHOUT LOGIN" || authentication == "WINDOWS" ||
        authentication == "PASSWORD") {
        if (attribute(user, "ALLOW_ENCRYPTED_VALUE_MODIFICATIONS"))
            options += std::string("ALLOW_ENCRYPTED_VALUE_MODIFICATIONS = ") +
                       on_off(user, "ALLOW_ENCRYPTED_VALUE_MODIFICATIONS") + ", ";
        if (!options.empty()) sql += (password_written ? ", " : "WITH ") + options_text(options);
    }
    sql += ";\n\n";

    std::string comment = text_or_empty(user.get_comment());
    if (!comment.empty()) sql += Description::user(name).add(comment);
    for (const auto& role : items(attribute_or_empty(user, "ROLES")))
        if (role != "public") sql += SQLServerStatement::fill("EXEC sp_addrolemember N'%s', N'%s';\n", {role, name});
    for (const auto& schema : items(attribute_or_empty(user, "SCHEMAS")))
        sql += "ALTER AUTHORIZATION ON SCHEMA::" + SQLServerStatement::quoted(schema) + " TO " +
               SQLServerStatement::quoted(name) + ";\n";
    sql += build_standard_permission_sql(&user, "DATABASE").value_or("");
    sql += build_dynamic_permission_sql(&user, "OBJECT").value_or("");
    return sql;
}

std::string SQLServerBuilder::build_meta_login(MetaUser& user) {
    std::string name = text_or_empty(user.get_name());
    std::string password = text_or_empty(user.get_password());
    std::string authentication = attribute_or_empty(user, "AUTHENTICATION");
    std::string sql = "CREATE LOGIN " + SQLServerStatement::quoted(name) + " ";
    std::string options;
    auto from = [&](const char* words, const char* key) {
        std::string value = attribute_or_empty(user, key);
        if (!value.empty()) sql += std::string(words) + SQLServerStatement::quoted(value);
    };
    if (authentication == "PASSWORD") {
        if (!password.empty()) {
            options += SQLServerStatement::fill("PASSWORD = '%s' ", {password});
            options += flag(user, "MUST_CHANGE") ? "MUST_CHANGE, " : ", ";
        }
        add_sid(user, options);
        add_named(user, "DEFAULT_DATABASE", options);
        add_named(user, "DEFAULT_LANGUAGE", options);
        for (const char* key : {"CHECK_EXPIRATION", "CHECK_POLICY"})
            if (attribute(user, key)) options += std::string(key) + " = " + on_off(user, key) + ", ";
        if (!options.empty()) sql += "WITH " + options_text(options);
    } else if (authentication == "WINDOWS") {
        add_named(user, "DEFAULT_DATABASE", options);
        add_named(user, "DEFAULT_LANGUAGE", options);
        sql += "FROM WINDOWS";
        if (!options.empty()) sql += " WITH " + options_text(options);
    } else if (authentication == "EXTERNAL") {
        sql += "FROM EXTERNAL PROVIDER";
    } else if (authentication == "ASYMMETRIC KEY") {
        from("FROM ASYMMETRIC KEY ", "ASYMMETRIC_KEY");
    } else if (authentication == "CERTIFICATE") {
        from("FROM CERTIFICATE ", "CERTIFICATE");
    }
    sql += ";\n\n";

    for (const auto& credential : items(attribute_or_empty(user, "CREDENTIAL")))
        sql += "ALTER LOGIN " + SQLServerStatement::quoted(name) + " ADD CREDENTIAL " +
               SQLServerStatement::quoted(credential) + ";\n";
    for (const auto& role : items(attribute_or_empty(user, "ROLES")))
        if (role != "public")
            sql +=
                SQLServerStatement::fill("EXEC sp_addsrvrolemember @loginame='%s', @rolename = N'%s';\n", {name, role});
    for (const auto& entry : items(attribute_or_empty(user, "MAPPING"))) {
        // database=user=schema
        auto first = entry.find('=');
        auto second = first == std::string::npos ? first : entry.find('=', first + 1);
        std::vector<std::string> parts;
        if (second != std::string::npos)
            parts = {trimmed(entry.substr(0, first)), trimmed(entry.substr(first + 1, second - first - 1)),
                     trimmed(entry.substr(second + 1))};
        if (parts.size() < 3 || std::any_of(parts.begin(), parts.end(), [](const auto& p) { return p.empty(); })) {
            tlog_warning("Mapping \"%s\" of login %s does not name a database, a user and a schema; it is skipped.",
                         entry.c_str(), name.c_str());
            continue;
        }
        sql += "USE " + SQLServerStatement::quoted(parts[0]) + ";\n";
        sql += "CREATE USER " + SQLServerStatement::quoted(parts[1]) + " FOR LOGIN " +
               SQLServerStatement::quoted(name) + " WITH DEFAULT_SCHEMA = " + SQLServerStatement::quoted(parts[2]) +
               ";\n";
    }
    std::string permissions = build_standard_permission_sql(&user, "SERVER").value_or("") +
                              build_dynamic_permission_sql(&user, "ENDPOINT").value_or("") +
                              build_dynamic_permission_sql(&user, "LOGIN").value_or("");
    if (!permissions.empty()) sql += "USE master;\n" + permissions;
    return sql;
}

// ---------------------------------------------------------------- patches

Text SQLServerBuilder::patch_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return {};
    return is_login(*user) ? patch_meta_login(user) : patch_meta_user(user);
}

Text SQLServerBuilder::patch_meta_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return {};
    Changes changes(*user);
    tlog_message("Login diffs: %s", changes.listed().c_str());
    std::string name = text_or_empty(user->get_name());
    std::string old_password = attribute_or_empty(*user, "OLD_PASSWORD");
    std::string options = name_and_password(*user, changes,
                                            changes.has("attributes.OLD_PASSWORD") && !old_password.empty()
                                                ? SQLServerStatement::fill(" OLD_PASSWORD = '%s'", {old_password})
                                                : std::string());
    if (changes.has("attributes.LOGIN")) add_named(*user, "LOGIN", options);
    if (changes.has("attributes.DEFAULT_SCHEMA")) add_named(*user, "DEFAULT_SCHEMA", options);
    if (changes.has("attributes.DEFAULT_LANGUAGE")) add_named(*user, "DEFAULT_LANGUAGE", options);
    if (changes.has("attributes.ALLOW_ENCRYPTED_VALUE_MODIFICATIONS"))
        options += std::string("ALLOW_ENCRYPTED_VALUE_MODIFICATIONS = ") +
                   on_off(*user, "ALLOW_ENCRYPTED_VALUE_MODIFICATIONS") + ", ";
    std::string sql = alter_principal("USER", *user, options);

    if (changes.has("comment")) sql += Description::user(name).patch(text_or_empty(user->get_comment()));
    if (changes.has("attributes.ROLES")) {
        auto roles = membership(*user, "ROLES");
        for (const auto& role : roles.removed)
            sql += SQLServerStatement::fill("EXEC sp_droprolemember @rolename = N'%s', @membername = N'%s';\n",
                                            {role, name});
        for (const auto& role : roles.added)
            sql +=
                SQLServerStatement::fill("EXEC sp_addrolemember @rolename='%s', @membername = N'%s';\n", {role, name});
    }
    if (changes.has("attributes.SCHEMAS")) {
        auto schemas = membership(*user, "SCHEMAS");
        for (const auto& schema : schemas.removed)
            sql += "ALTER AUTHORIZATION ON SCHEMA::" + SQLServerStatement::quoted(schema) + " TO [dbo];\n";
        for (const auto& schema : schemas.added)
            sql += "ALTER AUTHORIZATION ON SCHEMA::" + SQLServerStatement::quoted(schema) + " TO " +
                   SQLServerStatement::quoted(name) + ";\n";
    }
    if (changes.has("privileges.DATABASE")) sql += patch_standard_permission_sql(user, "DATABASE").value_or("");
    sql += patch_dynamic_permission_sql(user, "OBJECT").value_or("");
    return sql;
}

Text SQLServerBuilder::patch_meta_login(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return {};
    Changes changes(*user);
    tlog_message("Login diffs: %s", changes.listed().c_str());
    std::string name = text_or_empty(user->get_name());
    std::string options = name_and_password(
        *user, changes,
        changes.has("attributes.MUST_CHANGE") && flag(*user, "MUST_CHANGE") ? " MUST_CHANGE" : "");
    if (changes.has("attributes.DEFAULT_DATABASE")) add_named(*user, "DEFAULT_DATABASE", options);
    if (changes.has("attributes.DEFAULT_LANGUAGE")) add_named(*user, "DEFAULT_LANGUAGE", options);
    for (const char* key : {"CHECK_POLICY", "CHECK_EXPIRATION"})
        if (changes.has(std::string("attributes.") + key)) options += std::string(key) + " = " + on_off(*user, key) + ", ";
    bool credential_list = false;
    if (changes.has("attributes.CREDENTIAL")) {
        auto credentials = items(attribute_or_empty(*user, "CREDENTIAL"));
        credential_list = attribute_or_empty(*user, "CREDENTIAL").find(',') != std::string::npos;
        if (credentials.empty()) {
            options += "NO CREDENTIAL, ";
        } else if (!credential_list) {
            options += "CREDENTIAL = " + SQLServerStatement::quoted(credentials.front()) + ", ";
        }
    }
    std::string sql = alter_principal("LOGIN", *user, options);
    if (credential_list) {
        auto credentials = membership(*user, "CREDENTIAL");
        for (const auto& credential : credentials.removed)
            sql += "ALTER LOGIN " + SQLServerStatement::quoted(name) + " DROP CREDENTIAL " +
                   SQLServerStatement::quoted(credential) + ";\n";
        for (const auto& credential : credentials.added)
            sql += "ALTER LOGIN " + SQLServerStatement::quoted(name) + " ADD CREDENTIAL " +
                   SQLServerStatement::quoted(credential) + ";\n";
    }
    if (changes.has("attributes.ROLES")) {
        auto roles = membership(*user, "ROLES");
        for (const auto& role : roles.removed)
            sql += SQLServerStatement::fill("EXEC sp_dropsrvrolemember @loginame='%s', @rolename = N'%s';\n",
                                            {name, role});
        for (const auto& role : roles.added)
            sql +=
                SQLServerStatement::fill("EXEC sp_addsrvrolemember @loginame='%s', @rolename = N'%s';\n", {name, role});
    }
    std::string permissions;
    if (changes.has("privileges.SERVER")) permissions += patch_standard_permission_sql(user, "SERVER").value_or("");
    permissions += patch_dynamic_permission_sql(user, "ENDPOINT").value_or("");
    permissions += patch_dynamic_permission_sql(user, "LOGIN").value_or("");
    if (!permissions.empty()) sql += "USE master;\n" + permissions;
    return sql;
}

// ---------------------------------------------------------------- roles

Text SQLServerBuilder::build_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return {};
    std::string name = text_or_empty(role->get_name());
    std::string scope = text_or_empty(role->get_scope());
    if (scope == "application") {
        // An application role has no members; it needs its password to be usable.
        std::string password = text_or_empty(role->get_password());
        return "CREATE APPLICATION ROLE " + SQLServerStatement::quoted(name) +
               (password.empty() ? std::string() : SQLServerStatement::fill(" WITH PASSWORD = '%s'", {password})) +
               ";\n";
    }
    const char* kind = scope == "server" ? "SERVER ROLE " : "ROLE ";
    std::string sql = std::string("CREATE ") + kind + SQLServerStatement::quoted(name) + ";\n";
    // Relations are "role=member"; the map's order is not defined, so members are sorted.
    std::vector<std::string> members_of_role;
    for (const auto& key : gobj::StringMap::wrap(GEE_MAP(role->get_relations())).keys()) {
        auto eq = key.find('=');
        if (eq == std::string::npos || key.substr(0, eq) != name || eq + 1 == key.size()) continue;
        members_of_role.push_back(key.substr(eq + 1));
    }
    std::sort(members_of_role.begin(), members_of_role.end());
    for (const auto& member : members_of_role)
        sql += std::string("ALTER ") + kind + SQLServerStatement::quoted(name) + " ADD MEMBER " +
               SQLServerStatement::quoted(member) + ";\n";
    return sql;
}

}  // namespace tarvelin::rezezadovu::supports::database
