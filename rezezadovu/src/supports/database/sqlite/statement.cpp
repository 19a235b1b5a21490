#include "rezezadovu/supports/database/sqlite/statement.hpp"

#include <cerrno>
#include <map>

#include "providers/contracts/face_server.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/sqlite/provider.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlite/catalog.hpp"

TARVELIN_LOG_TAG("sqlite_statement")

namespace tarvelin::rezezadovu::supports::database {

using namespace sqlite;
using namespace dialect;
using helpers::DatabaseHelper;
using Text = SQLiteStatement::Text;

TARVELIN_GTYPE(SQLiteStatement, "TarvelinRezezadovuSupportsDatabaseSQLiteStatement", Statement)

gobj::Ref<SQLiteStatement> SQLiteStatement::create(GType type, CConnection* connection) {
    return create_linked<SQLiteStatement>(type, connection);
}

namespace {

Text listing(gint* name_column, gint column, std::string text) {
    if (name_column) *name_column = column;
    return text;
}

// "<schema>".sqlite_master.
std::string master(const char* schema) { return SQLiteStatement::quoted(schema) + ".sqlite_master"; }

// A view's stored name: one quoted form (its quote doubled inside) or a bare word, then
// an optional column list, then AS. SQLite stores every view as "CREATE VIEW <name> ...",
// without TEMP, IF NOT EXISTS or schema.
constexpr const char* kRenamePattern =
    R"re(\A(?<lead>\s*)CREATE\s+VIEW\s+)re"
    R"re((?<name>"(?:[^"]|"")*"|`(?:[^`]|``)*`|\[[^\]]*\]|'(?:[^']|'')*'|[^\s("`'\[\];]+(?=[\s(])))re"
    R"re((?<columns>\s*\((?:"(?:[^"]|"")*"|`(?:[^`]|``)*`|\[[^\]]*\]|'(?:[^']|'')*'|[^()"`'\[])*\))?)re"
    R"re(\s*AS\b)re";

GRegex* rename_pattern() {
    static GRegex* pattern = [] {
        GError* error = nullptr;
        GRegex* r = g_regex_new(kRenamePattern, GRegexCompileFlags(G_REGEX_CASELESS | G_REGEX_MULTILINE),
                                GRegexMatchFlags(0), &error);
        if (error) g_error_free(error);
        return r;
    }();
    return pattern;
}

std::string group(GMatchInfo* match, const char* name) {
    return gobj::take_string(g_match_info_fetch_named(match, name));
}

}  // namespace

// ---------------------------------------------------------------- connection text

Text SQLiteStatement::build_connection_string(Server* server) {
    if (!TARVELIN_GIVEN(server)) return {};
    using T = Server::Text;
    std::string text = "DRIVER={" + server->text_or_empty(T::driver) + "};";
    text += "DATABASE=" + server->text_or_empty(T::filename) + ";";
    std::string password = server->text_or_empty(T::password);
    if (!password.empty()) text += "PWD=" + password + ";";
    std::string extensions = server->text_or_empty(T::extensions);
    if (!extensions.empty()) text += "LoadExt=" + extensions;
    return text;
}

// ---------------------------------------------------------------- listings

Text SQLiteStatement::show_databases(gint* name_column) {
    auto record = server_of(connection());
    std::string initial = record ? record->text_or_empty(Server::Text::initial) : std::string();
    return listing(name_column, 0, "SELECT " + literal(initial) + " as database;");
}

Text SQLiteStatement::show_tables(const char* database, const char* object_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema)) return {};
    return listing(name_column, 0, "SELECT name, type FROM " + master(object_schema) +
                                       " WHERE type='table' ORDER BY name;");
}

Text SQLiteStatement::show_views(const char* database, const char* object_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema)) return {};
    return listing(name_column, 0, "SELECT name, type FROM " + master(object_schema) +
                                       " WHERE type='view' ORDER BY name;");
}

Text SQLiteStatement::show_table_spaces(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing(name_column, 0, "SELECT 'main' as name;");
}

Text SQLiteStatement::show_table_schemas(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing(name_column, 1, "PRAGMA database_list;");
}

Text SQLiteStatement::show_indexes(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, "SELECT name FROM " + master(user_schema) + " WHERE type = 'index';");
}

Text SQLiteStatement::show_triggers(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, "SELECT name FROM " + master(user_schema) + " WHERE type = 'trigger';");
}

Text SQLiteStatement::show_functions(const char* database, const char* object_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema)) return {};
    return listing(name_column, 0, "PRAGMA function_list;");
}

Text SQLiteStatement::show_procedures(const char* database, const char* object_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema)) return {};
    return listing(name_column, 0, "PRAGMA function_list;");
}

Text SQLiteStatement::call_function(const char* database, const char* user_schema, const char* function,
                                    const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, function, parameters)) return {};
    return "SELECT " + quoted(user_schema) + "." + quoted(function) + parameters + ";";
}

Text SQLiteStatement::call_procedure(const char* database, const char* user_schema, const char* procedure,
                                     const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, procedure, parameters)) return {};
    return "CALL " + quoted(user_schema) + "." + quoted(procedure) + parameters + ";";
}

Text SQLiteStatement::show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                                  gint* source_column) {
    if (!TARVELIN_GIVEN(database, user_schema, name)) return {};
    const char* kind = nullptr;
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: kind = "index"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: kind = "table"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: kind = "trigger"; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: kind = "view"; break;
        default: return listing(source_column, 0, "");
    }
    return listing(
        source_column, 0,
        "SELECT sql FROM " + master(user_schema) + " WHERE type = '" + kind + "' and name = " + literal(name) + ";");
}

Text SQLiteStatement::show_structure(const char* database, const char* object_schema, const char* table,
                                     gint* name_column) {
    if (!TARVELIN_GIVEN(database, object_schema, table)) return {};
    return listing(name_column, 1, "PRAGMA table_info(" + quoted(table) + ");");
}

Text SQLiteStatement::show_content(const char* database, const char* object_schema, const char* table,
                                   const char* columns, const char* where, const char* order, gint64 offset,
                                   gint limit) {
    if (!TARVELIN_GIVEN(database, object_schema, table, columns, where, order)) return {};
    std::string text = std::string("SELECT ") + columns + " FROM " + quoted(object_schema) + "." + quoted(table) + " ";
    if (*where) text += std::string("WHERE ") + where + " ";
    if (*order) text += std::string("ORDER BY ") + order + " ";
    if (limit > 0)
        text += "LIMIT " + std::to_string(limit) + " OFFSET " + std::to_string(offset) + ";";
    return text;
}

Text SQLiteStatement::show_privileges(gint* name_column, gint* context_column) {
    if (context_column) *context_column = 0;
    return listing(name_column, 0, "");
}

Text SQLiteStatement::show_effected(const char* database, const char* object_schema, const char* table,
                                    const char* where) {
    if (!TARVELIN_GIVEN(database, object_schema, table, where)) return {};
    std::string text = "SELECT count(*) FROM " + quoted(object_schema) + "." + quoted(table);
    return *where ? text + " WHERE " + where + ";" : text + ";";
}

Text SQLiteStatement::show_relations(const char* database, const char* object_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, object_schema, table)) return {};
    return "PRAGMA foreign_key_list(" + quoted(table) + ");";
}

// ---------------------------------------------------------------- object texts

Text SQLiteStatement::rename_object(DBObject type, const char* database, const char* object_schema,
                                    const char* old_name, const char* new_name) {
    if (!TARVELIN_GIVEN(database, object_schema, old_name, new_name)) return {};
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return "ALTER TABLE " + quoted(old_name) + " RENAME TO " + quoted(new_name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return build_sql_for_view(object_schema, old_name, new_name);
        default:
            return std::string();
    }
}

std::string SQLiteStatement::build_sql_for_view(const char* schema, const char* old_name, const char* new_name) {
    std::optional<CatalogRows> rows;
    try {
        rows.emplace(query_model(connection(), view_sql_query(schema, old_name)));
    } catch (const gobj::Error&) {
        // A view that cannot be read has no statement to run.
        return {};
    }
    if (rows->empty()) return {};
    return renamed_view(rows->text(0, "sql"), new_name);
}

std::string SQLiteStatement::renamed_view(const std::string& stored, const std::string& new_name) {
    const std::string name = quoted(new_name);
    GMatchInfo* info = nullptr;
    GRegex* pattern = rename_pattern();
    std::string result = stored;
    if (pattern && g_regex_match(pattern, stored.c_str(), GRegexMatchFlags(0), &info)) {
        gint start = 0, end = 0;
        g_match_info_fetch_pos(info, 0, &start, &end);
        result = stored.substr(0, start) + group(info, "lead") + "CREATE VIEW " + name + group(info, "columns") +
                 " as" + stored.substr(end);
    }
    g_match_info_free(info);
    return result + ";";
}

Text SQLiteStatement::drop_object(DBObject type, const char* database, const char* object_schema,
                                  const char* object_name, const char* object_target) {
    if (!TARVELIN_GIVEN(database, object_schema, object_name, object_target)) return {};
    const char* prefix = nullptr;
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: prefix = "DROP INDEX IF EXISTS "; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: prefix = "DETACH DATABASE "; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: prefix = "DROP TABLE IF EXISTS "; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: prefix = "DROP TRIGGER IF EXISTS "; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: prefix = "DROP VIEW IF EXISTS "; break;
        default: return std::string();
    }
    return prefix + quoted(object_name) + ";";
}

Text SQLiteStatement::empty_table(const char* database, const char* object_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, object_schema, table)) return {};
    return "DELETE FROM " + quoted(table) + ";\nUPDATE sqlite_sequence SET seq=0 WHERE name=" + literal(table) + ";";
}

Text SQLiteStatement::transaction(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("BEGIN TRANSACTION;");
}
Text SQLiteStatement::rollback(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("ROLLBACK;");
}
Text SQLiteStatement::commit(const char* name) {
    if (!TARVELIN_GIVEN(name)) return {};
    return std::string("COMMIT;");
}

Text SQLiteStatement::pack_value(DataType type, const char* value) {
    if (!TARVELIN_GIVEN(value)) return {};
    return literal(type, value);
}

Text SQLiteStatement::quote_identifier(const char* identifier, const char* schema) {
    if (!TARVELIN_GIVEN(identifier, schema)) return {};
    // An attached database is a schema: a name in one must carry it.
    return *schema ? quoted(schema) + "." + quoted(identifier) : quoted(identifier);
}

int SQLiteStatement::copy_rows_per_insert(const CopyTarget&) { return 1000; }

namespace {

using Bound = providers::supports::sqlite::SQLiteProvider::Bound;

// The value a literal of ours stands for, as SQLite's parser reads it: NULL, a quoted
// text, X'..' bytes, TRUE and FALSE, an integer that fits 64 bits; a real (or an integer
// too large, which SQLite reads as a real) is its text, for CAST(? AS REAL), which reads it
// as the parser would. False for any other text.
bool bound_of(std::string_view literal, Bound& out, bool& real) {
    real = false;
    out = Bound();
    auto word = [&](std::string_view w) {
        return literal.size() == w.size() && g_ascii_strncasecmp(literal.data(), w.data(), w.size()) == 0;
    };
    if (word("NULL")) return true;
    if (word("TRUE") || word("FALSE")) {
        out.kind = Bound::kInteger;
        out.integer = word("TRUE") ? 1 : 0;
        return true;
    }
    auto quoted_body = [&](std::string_view body, std::string& into) {
        for (size_t i = 0; i < body.size(); ++i) {
            if (body[i] == '\'') {
                if (i + 1 >= body.size() || body[i + 1] != '\'') return false;
                ++i;
            }
            into += body[i];
        }
        return true;
    };
    if (literal.size() >= 2 && literal.front() == '\'' && literal.back() == '\'') {
        out.kind = Bound::kText;
        return quoted_body(literal.substr(1, literal.size() - 2), out.bytes);
    }
    if (literal.size() >= 3 && (literal[0] == 'X' || literal[0] == 'x') && literal[1] == '\'' && literal.back() == '\'') {
        const std::string_view hex = literal.substr(2, literal.size() - 3);
        if (hex.size() % 2) return false;
        out.kind = Bound::kBlob;
        for (size_t i = 0; i < hex.size(); i += 2) {
            const int hi = g_ascii_xdigit_value(hex[i]), lo = g_ascii_xdigit_value(hex[i + 1]);
            if (hi < 0 || lo < 0) return false;
            out.bytes += char(hi * 16 + lo);
        }
        return true;
    }
    if (!DatabaseHelper::is_number_literal(literal)) return false;
    const bool negative = literal.front() == '-';
    const std::string_view digits = literal.substr(literal.front() == '-' || literal.front() == '+' ? 1 : 0);
    if (digits.find_first_not_of("0123456789") == std::string_view::npos) {
        guint64 magnitude = 0;
        bool fits = true;
        for (char c : digits) {
            const guint64 d = guint64(c - '0');
            if (magnitude > (G_MAXUINT64 - d) / 10) {
                fits = false;
                break;
            }
            magnitude = magnitude * 10 + d;
        }
        const guint64 limit = guint64(G_MAXINT64) + (negative ? 1 : 0);
        if (fits && magnitude <= limit) {
            out.kind = Bound::kInteger;
            out.integer = negative ? gint64(0 - magnitude) : gint64(magnitude);
            return true;
        }
    }
    out.kind = Bound::kText;
    out.bytes = std::string(literal);
    real = true;
    return true;
}

}  // namespace

gint64 SQLiteStatement::copy_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                                  const std::vector<std::vector<std::string>>& rows, const std::string& clause) {
    using providers::supports::sqlite::SQLiteProvider;
    auto link = connection();
    if (!link || columns.empty()) return -1;
    auto provider = gobj::call<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::get_provider, gobj::borrow>(link);
    auto* engine = gobj::checked_cast<SQLiteProvider>(gobj::detail::instance_arg(provider));
    if (!engine) return -1;
    // One statement text for each pattern of real values among the columns.
    std::string head = "INSERT INTO " + row_name(target.schema.c_str(), target.table.c_str()) + "(";
    for (size_t i = 0; i < columns.size(); ++i) (head += i ? ", " : "") += columns[i];
    head += clause.empty() ? ") VALUES(" : ") " + clause + " VALUES(";
    std::map<std::vector<bool>, size_t> patterns;
    std::vector<std::string> statements;
    std::vector<SQLiteProvider::BoundRow> bound(rows.size());
    std::vector<bool> reals(columns.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() != columns.size()) return -1;
        bound[r].values.resize(columns.size());
        for (size_t i = 0; i < columns.size(); ++i) {
            bool real = false;
            if (!bound_of(rows[r][i], bound[r].values[i], real)) return -1;
            reals[i] = real;
        }
        auto [at, added] = patterns.try_emplace(reals, statements.size());
        if (added) {
            std::string sql = head;
            for (size_t i = 0; i < columns.size(); ++i) {
                const std::string parameter = "?" + std::to_string(i + 1);
                (sql += i ? ", " : "") += reals[i] ? "CAST(" + parameter + " AS REAL)" : parameter;
            }
            statements.push_back(sql + ")");
        }
        bound[r].statement = at->second;
    }
    return engine->insert_rows(statements, bound);
}

std::string SQLiteStatement::quoted(std::string_view name) { return DatabaseHelper::quote(name, '"'); }

std::string SQLiteStatement::literal(std::string_view text) { return DatabaseHelper::quote(text, '\''); }

namespace {
// Whether SQLite reads the number literal as the number it writes: an integer of 64 bits,
// or a number of no more significant digits than a double keeps.
bool read_whole(std::string_view number) {
    const bool fraction = number.find_first_of(".eE") != std::string_view::npos;
    if (!fraction) {
        errno = 0;
        const std::string digits(number);
        g_ascii_strtoll(digits.c_str(), nullptr, 10);
        return errno == 0;
    }
    const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
    std::string significant;
    for (char c : mantissa)
        if (g_ascii_isdigit(c) && (c != '0' || !significant.empty())) significant += c;
    while (!significant.empty() && significant.back() == '0') significant.pop_back();
    return significant.size() <= 15;
}
}  // namespace

std::string SQLiteStatement::literal(DataType type, std::string_view value) {
    std::string packed = DatabaseHelper::pack_value(type, value);
    // A number SQLite would read as a double that rounds it (an integer past 64 bits, more
    // digits than a double keeps) goes as its text: a column of numeric affinity makes the
    // same number of it, one of text affinity keeps every digit.
    if (packed == value && DatabaseHelper::is_number_literal(value) && !read_whole(value)) return literal(value);
    return packed;
}

}  // namespace tarvelin::rezezadovu::supports::database
