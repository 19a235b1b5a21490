// Routines, views and standalone triggers of the SQL Server builder, and call texts.
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/sqlserver/builder.hpp"
#include "rezezadovu/supports/database/sqlserver/builder_parts.hpp"

TARVELIN_LOG_TAG("builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using namespace sqlserver;
using Text = SQLServerBuilder::Text;

namespace {

// Routines read from a server carry ENCRYPTION as the catalogue's 1 or 0.
bool encrypted(const MetaObject& object) { return flag(object, "ENCRYPTION") || attribute(object, "ENCRYPTION") == "1"; }

// The description statements of a view or routine. A CREATE or ALTER of one must be the
// only statement of its batch, so they follow a line "GO".
std::string descriptions(MetaObject& object, const char* kind, bool alter) {
    std::string schema = text_or_empty(object.get_schema());
    std::string name = text_or_empty(object.get_name());
    std::string comment = text_or_empty(object.get_comment());
    Description description = Description::object(schema, kind, name);
    std::string sql;
    if (!alter) {
        if (!comment.empty()) sql = description.add(comment);
    } else {
        DataVersion version = object.get_version();
        if (version != TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL &&
            version != TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE)
            sql = description.patch(comment);
    }
    return sql.empty() ? sql : "GO\n" + sql;
}

// "  WITH a,b" from the set options, or nothing.
std::string with_options(const std::vector<std::string>& options) {
    return options.empty() ? std::string() : "  WITH " + joined(options, ",");
}

std::vector<std::string> parameters_of(MetaFunction& function) {
    return gobj::StringArray::wrap(function.get_parameters()).to_vector();
}

// One parameter text as a call reads it.
struct Parameter {
    std::string mode;   // IN, OUT or INOUT
    std::string name;   // without "@"
    std::string type;   // the rest of the text, for a declaration
    std::string value;  // the "=>" default, or "_"
};

// A mode word counts only when white space follows it, and not inside a name
// ("@outer int" is an input named outer).
const GRegex* parameter_pattern() {
    static GRegex* pattern = g_regex_new(
        "(?:(?<![@\\w])(?<mode>IN|OUT|INOUT)\\s+)?\\s?@?(?<name>[\\w\"'`]+)\\s?(?<type>[\\w.,\"'`()]+)?"
        "\\s?(?:=>\\s?(?<value>[\\w']+))?",
        static_cast<GRegexCompileFlags>(G_REGEX_CASELESS | G_REGEX_MULTILINE | G_REGEX_OPTIMIZE),
        static_cast<GRegexMatchFlags>(0), nullptr);
    return pattern;
}

std::optional<Parameter> parse_parameter(const std::string& text) {
    GMatchInfo* info = nullptr;
    bool matched = g_regex_match(parameter_pattern(), text.c_str(), static_cast<GRegexMatchFlags>(0), &info);
    std::optional<Parameter> out;
    if (matched) {
        auto group = [&](const char* name) { return gobj::take_string(g_match_info_fetch_named(info, name)); };
        Parameter p{upper(group("mode")), group("name"), std::string(), group("value")};
        if (p.mode.empty()) p.mode = "IN";
        if (p.value.empty()) p.value = "_";
        // The type is what follows the name, up to a default or an OUTPUT mark; SQL Server
        // writes output parameters as "@x int OUTPUT".
        gint end = 0;
        g_match_info_fetch_named_pos(info, "name", nullptr, &end);
        std::string rest = trimmed(std::string_view(text).substr(static_cast<std::size_t>(std::max(end, 0))));
        if (auto arrow = rest.find("=>"); arrow != std::string::npos) {
            // A type with a blank ("decimal(10, 2)") ends the expression's match early.
            std::string value = trimmed(rest.substr(arrow + 2));
            if (!value.empty()) p.value = value;
            rest = trimmed(rest.substr(0, arrow));
        }
        for (const char* mark : {"OUTPUT", "OUT"}) {
            std::string word = std::string(" ") + mark;
            if (ends_with(upper(rest), word) || upper(rest) == mark) {
                rest = trimmed(rest.substr(0, rest.size() - std::string(mark).size()));
                if (p.mode == "IN") p.mode = "OUT";
                break;
            }
        }
        p.type = rest;
        out = p;
    }
    g_match_info_free(info);
    return out;
}

}  // namespace

// ---------------------------------------------------------------- functions and procedures

std::string SQLServerBuilder::build_function_script(MetaFunction& function, bool alter) {
    std::string body = text_or_empty(function.get_body());
    std::string returns = text_or_empty(function.get_return_type());
    if (body.empty() || returns.empty()) return std::string();
    auto parameters = parameters_of(function);
    std::string sql = std::string(alter ? "ALTER" : "CREATE") + " FUNCTION " +
                      qualified(text_or_empty(function.get_schema()), text_or_empty(function.get_name())) +
                      (parameters.empty() ? "() " : "(" + joined(parameters, ", ") + ") ") + "RETURNS " + returns + "\n";
    std::vector<std::string> options;
    if (encrypted(function)) options.push_back("ENCRYPTION");
    if (flag(function, "SCHEMABINDING")) options.push_back("SCHEMABINDING");
    if (flag(function, "NULL_INPUT")) options.push_back("RETURNS NULL ON NULL INPUT");
    if (auto executor = execute_as(function); !executor.empty()) options.push_back(executor);
    if (attribute(function, "INLINE")) options.push_back(std::string("INLINE = ") + on_off(function, "INLINE"));
    sql += with_options(options) + "  AS\n" + body + ";\n";
    return sql + descriptions(function, "FUNCTION", alter);
}

std::string SQLServerBuilder::build_procedure_script(MetaFunction& function, bool alter) {
    std::string body = text_or_empty(function.get_body());
    if (body.empty()) return std::string();
    auto parameters = parameters_of(function);
    std::string sql = std::string(alter ? "ALTER" : "CREATE") + " PROCEDURE " +
                      qualified(text_or_empty(function.get_schema()), text_or_empty(function.get_name())) +
                      (parameters.empty() ? "" : " " + joined(parameters, ", ")) + "\n";
    std::vector<std::string> options;
    if (encrypted(function)) options.push_back("ENCRYPTION");
    if (flag(function, "NATIVE_COMPILATION")) options.push_back("NATIVE_COMPILATION");
    if (flag(function, "SCHEMABINDING")) options.push_back("SCHEMABINDING");
    if (flag(function, "RECOMPILE")) options.push_back("RECOMPILE");
    if (auto executor = execute_as(function); !executor.empty()) options.push_back(executor);
    sql += with_options(options) + "  AS\n" + body + ";\n";
    return sql + descriptions(function, "PROCEDURE", alter);
}

Text SQLServerBuilder::build_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    return function->get_is_function() ? build_function_script(*function, false)
                                       : build_procedure_script(*function, false);
}

Text SQLServerBuilder::patch_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    return function->get_is_function() ? build_function_script(*function, true)
                                       : build_procedure_script(*function, true);
}

// ---------------------------------------------------------------- views

std::string SQLServerBuilder::build_view_script(MetaView& view, bool alter) {
    std::string definition = trimmed(text_or_empty(view.get_definition()));
    if (definition.empty()) return std::string();
    std::string sql = std::string(alter ? "ALTER" : "CREATE") + " VIEW " +
                      qualified(text_or_empty(view.get_schema()), text_or_empty(view.get_name())) + " ";
    std::vector<std::string> options;
    if (encrypted(view)) options.push_back("ENCRYPTION");
    if (flag(view, "SCHEMABINDING")) options.push_back("SCHEMABINDING");
    if (flag(view, "VIEW_METADATA")) options.push_back("VIEW_METADATA");
    sql += options.empty() ? "AS " : "WITH " + joined(options, ",") + " AS ";
    sql += definition;
    if (ends_with(sql, ";")) chop(sql, 1);
    if (flag(view, "WITH CHECK OPTION")) sql += "\n  WITH CHECK OPTION";
    sql += ";\n\n";
    return sql + descriptions(view, "VIEW", alter);
}

Text SQLServerBuilder::build_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return build_view_script(*view, false);
}

Text SQLServerBuilder::patch_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return build_view_script(*view, true);
}

// ---------------------------------------------------------------- triggers

Text SQLServerBuilder::build_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return {};
    std::string body = trimmed(text_or_empty(trigger->get_body()));
    if (body.empty()) return std::string();
    std::string schema = text_or_empty(trigger->get_schema());
    std::string sql = "CREATE TRIGGER " + qualified(schema, text_or_empty(trigger->get_name())) + " ON " +
                      qualified(schema, text_or_empty(trigger->get_target())) + " " +
                      text_or_empty(trigger->get_timing()) + " " + text_or_empty(trigger->get_event()) + " AS\n";
    sql += ends_with(body, ";") ? body : body + ";";
    return sql + "\n";
}

// ---------------------------------------------------------------- calls

Text SQLServerBuilder::build_caller(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    std::string target = qualified(text_or_empty(function->get_schema()), text_or_empty(function->get_name()));
    auto parameters = parameters_of(*function);
    std::vector<Parameter> parsed;
    for (const auto& text : parameters) {
        if (auto p = parse_parameter(text)) {
            parsed.push_back(*p);
        } else {
            tlog_warning("Failed to match: %s", text.c_str());
        }
    }

    if (function->get_is_function()) {
        if (parameters.empty()) return "SELECT " + target + "();";
        std::vector<std::string> arguments;
        for (const auto& p : parsed)
            if (p.mode != "OUT") arguments.push_back(p.value);
        return "SELECT * FROM " + target + "(" + joined(arguments, ", ") + ");";
    }

    // A procedure: output variables declared, the call, then the outputs selected.
    std::string declarations;
    std::vector<std::string> arguments, outputs;
    for (const auto& p : parsed) {
        if (p.mode == "IN") {
            arguments.push_back(p.value);
            continue;
        }
        std::string variable = "@" + p.name;
        declarations += "DECLARE " + variable + " " + p.type + (p.mode == "INOUT" ? " = " + p.value : "") + ";\n";
        arguments.push_back(variable + " OUTPUT");
        outputs.push_back(variable + " AS " + SQLServerStatement::quoted(p.name));
    }
    std::string sql = declarations + "EXEC " + target + (arguments.empty() ? "" : " " + joined(arguments, ", ")) + ";";
    if (!outputs.empty()) sql += "\nSELECT " + joined(outputs, ", ") + ";";
    return sql;
}

}  // namespace tarvelin::rezezadovu::supports::database
