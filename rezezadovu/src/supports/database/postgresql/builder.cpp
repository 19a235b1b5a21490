#include "rezezadovu/supports/database/postgresql/builder.hpp"

#include <algorithm>
#include <set>
#include <string_view>

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/helpers/helper_string.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"
#include "rezezadovu/supports/database/postgresql/connection.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

TARVELIN_LOG_TAG("postgres_builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using helpers::StringHelper;
using Sql = PostgreSQLStatement;
using Text = PostgreSQLBuilder::Text;
using Collations = PostgreSQLBuilder::Collations;

TARVELIN_GTYPE(PostgreSQLBuilder, "TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder", SqlBuilder)

gobj::Ref<PostgreSQLBuilder> PostgreSQLBuilder::create(GType type, CConnection* connection) {
    return create_linked<PostgreSQLBuilder>(type, connection);
}

namespace {

using IInspectableSlots = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

// ---------------------------------------------------------------- texts

std::string text(const char* s) { return s ? s : ""; }
void cut(std::string& s, size_t n) { s.erase(s.size() - std::min(n, s.size())); }

// An object of a schema, or its bare quoted name when the schema is not known.
std::string qualified_if(std::string_view schema, std::string_view n) {
    return schema.empty() ? Sql::quoted(n) : Sql::qualified(schema, n);
}

std::string trimmed(std::string_view t) {
    size_t b = 0, e = t.size();
    while (b < e && g_ascii_isspace(t[b])) ++b;
    while (e > b && g_ascii_isspace(t[e - 1])) --e;
    return std::string(t.substr(b, e - b));
}

bool starts_with_word(std::string_view t, std::string_view word) {
    return t.size() >= word.size() && g_ascii_strncasecmp(t.data(), word.data(), word.size()) == 0 &&
           (t.size() == word.size() || !(g_ascii_isalnum(t[word.size()]) || t[word.size()] == '_'));
}

// "-- " lines end at a line break: one inside a value would start SQL.
std::string one_line(std::string t) {
    std::replace_if(t.begin(), t.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return t;
}

// A value written unquoted (a number, true, false): anything else is left out.
bool plain_word(std::string_view t) {
    if (t.empty()) return false;
    size_t i = t[0] == '-' ? 1 : 0;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i)
        if (!(g_ascii_isalnum(t[i]) || t[i] == '_')) return false;
    return true;
}

bool is_integer(std::string_view t) {
    size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i)
        if (!g_ascii_isdigit(t[i])) return false;
    return true;
}

// A type text upper-cased outside its quoted identifiers ("shop"."mood" stays).
std::string upper_type(std::string_view type) {
    std::string out;
    bool quoted = false;
    for (char c : type) {
        if (c == '"') quoted = !quoted;
        out += quoted ? c : g_ascii_toupper(c);
    }
    return out;
}

constexpr std::string_view kSizableTypes[] = {"VARBIT", "CHAR", "VARCHAR", "CHARACTER VARYING", "CHARACTER",
                                              "BIT VARYING"};

// "(length) ", "(length, scale) " or " " after a type, from its upper-cased raw type. A
// numeric of scale 0 keeps its precision.
std::string size_text(const std::string& upper, gint64 length, guint scale) {
    if (length > 0 && std::find(std::begin(kSizableTypes), std::end(kSizableTypes), upper) != std::end(kSizableTypes))
        return gobj::take_string(g_strdup_printf("(%llu) ", static_cast<unsigned long long>(length)));
    if (length > 0 && (upper == "NUMERIC" || upper == "DECIMAL")) {
        if (scale != 0)
            return gobj::take_string(g_strdup_printf("(%llu, %hu) ", static_cast<unsigned long long>(length),
                                                     static_cast<unsigned short>(scale)));
        return gobj::take_string(g_strdup_printf("(%llu) ", static_cast<unsigned long long>(length)));
    }
    return " ";
}

// A type as read, with the size its name does not carry already ("varchar" and length
// 20, where the server's own reading gives "character varying(20)").
std::string sized(const std::string& type, MetaColumn& column) {
    std::string out = type + size_text(upper_type(type), column.get_length(), column.get_scale());
    cut(out, 1);
    return out;
}

// The server's longest varchar and highest numeric precision.
constexpr gint64 kLongestVarchar = 10485760, kHighestPrecision = 1000;

// The type of a column from another product, by the type its data reads as: never
// narrower than the source. Text keeps its length, or is unbounded without one; a
// numeric keeps its precision and scale.
std::string target_type(const std::string& sql_type, MetaColumn& column) {
    const gint64 length = column.get_length();
    if (sql_type == "VARCHAR")
        return length > 0 && length <= kLongestVarchar ? sql_type + "(" + std::to_string(length) + ")" : "TEXT";
    if (sql_type == "NUMERIC" && length > 0 && length <= kHighestPrecision)
        return sql_type + "(" + std::to_string(length) + ", " + std::to_string(column.get_scale()) + ")";
    return sql_type;
}

// A column list kept as names ("a, b", "\"x,y\", c", "valid,id"): one quoted name each.
// Items are split at commas outside double quotes and trimmed; a double-quoted item is
// read as a quoted identifier, a single- or back-quoted one loses its quotes.
std::string name_list(std::string_view stored) {
    std::vector<std::string> names;
    std::string item;
    bool quoted = false;
    auto flush = [&] {
        std::string t = trimmed(item);
        item.clear();
        if (t.size() >= 2 && t.front() == '"' && t.back() == '"') {
            std::string bare;
            for (size_t i = 1; i + 1 < t.size(); ++i) {
                bare += t[i];
                if (t[i] == '"' && i + 2 < t.size() && t[i + 1] == '"') ++i;
            }
            t = bare;
        } else if (t.size() >= 2 && (t.front() == '\'' || t.front() == '`') && t.back() == t.front()) {
            t = t.substr(1, t.size() - 2);
        }
        if (!t.empty()) names.push_back(Sql::quoted(t));
    };
    for (char c : stored) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted)
            flush();
        else
            item += c;
    }
    flush();
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

// ---------------------------------------------------------------- index keys

// The characters of names and key words outside double quotes.
bool word_char(char c) {
    return g_ascii_isalnum(c) || c == '_' || c == '$' || c == '.' || c == ' ' || static_cast<unsigned char>(c) >= 0x80;
}

// What may follow a key's column: collation, operator class and order words, that is
// names (quoted ones too) and blanks.
bool key_words(std::string_view rest) {
    bool quoted = false;
    for (char c : rest) {
        if (c == '"') quoted = !quoted;
        else if (!quoted && !word_char(c)) return false;
    }
    return !quoted && !trimmed(rest).empty();
}

// Where the words of a key without a known column begin: at COLLATE, ASC, DESC or
// NULLS standing as a word of their own, else at a qualified operator class after the
// name (id pg_catalog.int4_ops), else nowhere.
size_t key_words_start(std::string_view entry) {
    size_t lead = entry.size();
    for (size_t i = 1; i < entry.size() && lead == entry.size(); ++i) {
        std::string_view rest = entry.substr(i);
        if (entry[i - 1] == ' ' && (starts_with_word(rest, "COLLATE") || starts_with_word(rest, "ASC") ||
                                    starts_with_word(rest, "DESC") || starts_with_word(rest, "NULLS")))
            lead = i - 1;
    }
    size_t blank = entry.substr(0, lead).find_last_of(' ');
    if (blank != std::string_view::npos && entry.substr(blank + 1, lead - blank - 1).find('.') != std::string_view::npos)
        return blank;
    return lead;
}

// An expression as an index key takes one: in parentheses, holding an operator, or a
// call (a word, then parentheses that close at its end). Anything else reads as a name,
// parentheses, semicolons and quotes in it included.
bool is_expression(std::string_view key) {
    if (key.front() == '(') return true;
    bool quoted = false;
    int depth = 0;
    size_t open = std::string_view::npos;
    for (size_t i = 0; i < key.size(); ++i) {
        char c = key[i];
        if (c == '"') quoted = !quoted;
        if (quoted || c == '"') continue;
        if (std::string_view("+-*/<>=~!@#%^&|?").find(c) != std::string_view::npos) return true;
        if (c == '(' && depth++ == 0 && open == std::string_view::npos) open = i;
        if (c == ')' && --depth < 0) return false;
    }
    return open != std::string_view::npos && depth == 0 && key.back() == ')' &&
           key.substr(0, open).find(' ') == std::string_view::npos;
}

// An index key as CREATE INDEX takes it. An entry naming a column of the table, alone or
// followed by its key words, gets that name quoted. Without such a column an entry is
// taken apart into a name and key words unless it is an expression or a name quoted
// already, which stay as written.
std::string index_key(const std::string& entry, const std::vector<std::string>& columns) {
    const std::string* column = nullptr;
    for (const auto& c : columns) {
        if (c == entry) return Sql::quoted(c);
        if (entry.size() > c.size() && entry.compare(0, c.size(), c) == 0 && entry[c.size()] == ' ' &&
            key_words(std::string_view(entry).substr(c.size())) && (!column || c.size() > column->size()))
            column = &c;
    }
    if (column) return Sql::quoted(*column) + entry.substr(column->size());
    const size_t lead = key_words_start(entry);
    const std::string head = trimmed(std::string_view(entry).substr(0, lead));
    if (head.empty() || head.front() == '"' || is_expression(head)) return entry;
    return Sql::quoted(head) + entry.substr(lead);
}

// A collation as COLLATE takes it: the stored text (a bare name or schema.name, as the
// reader keeps it) resolved against the server's names, "schema"."name" or "name". With
// `listed_only` a collation the server does not list gives none; otherwise it is split
// at its first full stop.
std::optional<std::string> collation_clause(const std::string& stored, const Collations& collations,
                                            bool listed_only) {
    if (stored.empty()) return std::nullopt;
    auto listed = [&](std::string_view n) {
        return std::find(collations.begin(), collations.end(), n) != collations.end();
    };
    if (listed(stored)) return Sql::quoted(stored);
    for (size_t dot = stored.find('.'); dot != std::string::npos; dot = stored.find('.', dot + 1))
        if (listed(std::string_view(stored).substr(dot + 1)))
            return Sql::qualified(std::string_view(stored).substr(0, dot), std::string_view(stored).substr(dot + 1));
    if (listed_only) return std::nullopt;
    size_t dot = stored.find('.');
    if (dot == std::string::npos) return Sql::quoted(stored);
    return Sql::qualified(std::string_view(stored).substr(0, dot), std::string_view(stored).substr(dot + 1));
}

// "DEFERRABLE <text>" from a deferral text kept as INITIALLY DEFERRED or INITIALLY
// IMMEDIATE (or already written out), "NOT DEFERRABLE" without one.
std::string deferral_words(std::string_view deferrable, std::string_view deferred = {}) {
    std::string words = trimmed(deferrable);
    if (words.empty()) return "NOT DEFERRABLE";
    if (!starts_with_word(words, "DEFERRABLE") && !starts_with_word(words, "NOT")) words = "DEFERRABLE " + words;
    std::string initially = trimmed(deferred);
    if (!initially.empty() && words.find("INITIALLY") == std::string::npos) words += " " + initially;
    return words;
}

// A trigger's events as CREATE TRIGGER takes them: INSERT OR UPDATE OF "a", "b". The
// stored text may join them by "," (as read) or by OR.
std::string trigger_events(MetaTrigger& trigger) {
    std::string stored = text(trigger.get_event());
    std::vector<std::string> events;
    std::string word, piece;
    auto flush = [&] {
        if (auto t = trimmed(piece); !t.empty()) events.push_back(t);
        piece.clear();
    };
    // Split at commas and at the word OR.
    for (size_t i = 0; i <= stored.size(); ++i) {
        char c = i < stored.size() ? stored[i] : ',';
        if (c == ',') {
            flush();
        } else if (g_ascii_isspace(c) && starts_with_word(std::string_view(stored).substr(i + 1), "OR") &&
                   (i + 3 >= stored.size() || g_ascii_isspace(stored[i + 3]))) {
            flush();
            i += 2;
        } else {
            piece += c;
        }
    }
    std::string columns = name_list(text(trigger.get_columns()));
    std::string out;
    for (const auto& e : events) {
        out += out.empty() ? "" : " OR ";
        out += e;
        if (!columns.empty() && g_ascii_strcasecmp(e.c_str(), "UPDATE") == 0) out += " OF " + columns;
    }
    return out;
}

// The ALTER TABLE that gives a trigger or rule its firing state: PostgreSQL creates both
// enabled for origin sessions.
std::string firing_statement(const std::string& table, const char* what, const std::string& object,
                             std::string_view apply) {
    const char* action = apply == "DISABLED" ? "DISABLE"
                         : apply == "REPLICA"  ? "ENABLE REPLICA"
                         : apply == "ALWAYS"   ? "ENABLE ALWAYS"
                                               : nullptr;
    if (!action) return {};
    return "ALTER TABLE " + table + " " + action + " " + what + " " + Sql::quoted(object) + ";\n";
}

// A body between dollar quotes whose tag the body does not hold.
std::string dollar_tag(const std::string& body, const std::string& base) {
    std::string tag = "$" + base + "$";
    for (int n = 1; body.find(tag) != std::string::npos; ++n) tag = "$" + base + std::to_string(n) + "$";
    return tag;
}

// A parameter declaration without its default ("IN b text = 'x'" -> "IN b text"):
// ALTER and COMMENT signatures take none.
std::string without_default(const std::string& parameter) {
    int depth = 0;
    char quote = 0;
    for (size_t i = 0; i < parameter.size(); ++i) {
        char c = parameter[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') quote = c;
        else if (c == '(') ++depth;
        else if (c == ')') --depth;
        else if (depth == 0 && c == '=') return trimmed(std::string_view(parameter).substr(0, i));
        else if (depth == 0 && g_ascii_isspace(c) && starts_with_word(std::string_view(parameter).substr(i + 1), "DEFAULT"))
            return trimmed(std::string_view(parameter).substr(0, i));
    }
    return trimmed(parameter);
}

// The identity a column is written with: its own, or for a column that counts by itself
// without calling a sequence (as other products' auto-increment columns do), an identity
// that still takes the values a copy writes into it.
std::string identity_of(MetaColumn& column) {
    std::string identity = text(column.get_identity());
    if (identity.empty() && column.get_auto_increment() && text(column.get_default_value()).empty())
        return "GENERATED BY DEFAULT";
    return identity;
}
// The clause from an identity text: GENERATED ... alone gets its AS IDENTITY here; a
// text kept with its sequence options already has it.
std::string identity_clause(const std::string& identity) {
    return upper_type(identity).find(" AS IDENTITY") == std::string::npos ? identity + " AS IDENTITY" : identity;
}

// ---------------------------------------------------------------- model access

template <class T>
gobj::GeeArray<T> list(GeeArrayList* items) {
    return gobj::GeeArray<T>::wrap(items);
}
gobj::StringMap attributes(MetaObject& object) { return gobj::StringMap::wrap(GEE_MAP(object.get_attributes())); }
gobj::StringMap options(MetaTable& table) { return gobj::StringMap::wrap(GEE_MAP(table.get_options())); }
// A present, non-empty entry.
std::optional<std::string> given(const gobj::StringMap& map, const std::string& key) {
    auto v = map.get(key);
    if (!v || v->empty()) return std::nullopt;
    return v;
}

template <class T>
T* as(MetaObject* object) {
    return dynamic_cast<T*>(object);
}

// Children a creation script writes: all but those to delete. An alteration script
// writes the INITIAL, INSERT and UPDATE ones.
bool written(MetaObject& child, bool alter) {
    auto v = child.get_version();
    return v != kDelete && (!alter || v != kIdentical);
}
bool dropped(MetaObject& child) { return child.get_version() == kDelete || child.get_version() == kUpdate; }

// The columns of the primary key in key order (primary-ordinal; unnumbered ones after
// the numbered, in list order).
std::vector<gobj::Ref<MetaColumn>> primary_columns(MetaTable& table) {
    std::vector<gobj::Ref<MetaColumn>> keys;
    for (auto c : list<MetaColumn>(table.get_columns()))
        if (c->get_is_primary_key() && c->get_version() != kDelete) keys.push_back(c);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        auto rank = [](const auto& c) { return c->get_primary_ordinal() ? c->get_primary_ordinal() : 256; };
        return rank(a) < rank(b);
    });
    return keys;
}
std::string primary_list(MetaTable& table) {
    std::string out;
    for (const auto& c : primary_columns(table)) out += (out.empty() ? "" : ", ") + Sql::quoted(text(c->get_name()));
    return out;
}

// The schema an index lives in: its table's (PostgreSQL keeps them together).
std::string index_schema(MetaIndex& index, std::string_view table_schema) {
    std::string own = text(index.get_schema());
    return own.empty() ? std::string(table_schema) : own;
}

std::string comment_on(const std::string& what, const std::string& comment, bool null_when_empty) {
    if (comment.empty()) return null_when_empty ? "COMMENT ON " + what + " IS NULL;\n" : std::string();
    return "COMMENT ON " + what + " IS " + Sql::literal(comment) + ";\n";
}

}  // namespace

// ---------------------------------------------------------------- dispatch

Text PostgreSQLBuilder::build_create(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return create_database(as<MetaDatabase>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return build_event(as<MetaEvent>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return build_function(as<MetaFunction>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return build_index(as<MetaIndex>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return build_role(as<MetaRole>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return build_schema(as<MetaSchema>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return build_table(as<MetaTable>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return build_trigger(as<MetaTrigger>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return build_user(as<MetaUser>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return build_view(as<MetaView>(meta_object));
        default: return std::string();
    }
}

Text PostgreSQLBuilder::build_delete(MetaObject* meta_object) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    const std::string schema = text(meta_object->get_schema()), object = text(meta_object->get_name());
    auto drop = [&](const char* what) { return std::string("DROP ") + what + " IF EXISTS " + Sql::qualified(schema, object) + ";"; };
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return "DROP DATABASE IF EXISTS " + Sql::quoted(object) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return drop("EVENT");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return drop("FUNCTION");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return drop("INDEX");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE: return drop("PROCEDURE");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return "DROP SCHEMA IF EXISTS " + Sql::quoted(object) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return drop("TABLE");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: {
            auto* trigger = as<MetaTrigger>(meta_object);
            std::string target = trigger ? text(trigger->get_target()) : std::string();
            return "DROP TRIGGER IF EXISTS " + Sql::quoted(object) + " ON " + qualified_if(schema, target) + ";";
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return "DROP USER IF EXISTS " + Sql::quoted(object) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return drop(as<Materialized>(meta_object) ? "MATERIALIZED VIEW" : "VIEW");
        default: return std::string();
    }
}

Text PostgreSQLBuilder::build_patch(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    const auto state = meta_object->get_version();
    auto by_state = [&](auto create, auto update) -> Text {
        if (state == kInsert) return create();
        if (state == kUpdate) return update();
        if (state == kDelete) return build_delete(meta_object);
        return std::string();
    };
    auto drop_and = [&](auto create) {
        return [=, this]() -> Text { return build_delete(meta_object).value_or("") + "\n" + create().value_or(""); };
    };
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: {
            auto create = [&] { return build_event(as<MetaEvent>(meta_object)); };
            return by_state(create, drop_and(create));
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: {
            auto create = [&] { return build_function(as<MetaFunction>(meta_object)); };
            return by_state(create, drop_and(create));
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return by_state([&] { return build_table(as<MetaTable>(meta_object), raw_types); },
                            [&] { return patch_table(as<MetaTable>(meta_object)); });
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return by_state([&] { return build_view(as<MetaView>(meta_object)); },
                            [&] { return patch_view(as<MetaView>(meta_object)); });
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return build_role(as<MetaRole>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return build_user(as<MetaUser>(meta_object));
        default: return std::string();
    }
}

// ---------------------------------------------------------------- collations

Collations PostgreSQLBuilder::load_collations() {
    Collations names;
    try {
        auto inspector = PostgreSQLConnection::inspector_of(*this);
        std::vector<std::string> choices =
            inspector ? gobj::call<&IInspectableSlots::support>(inspector,
                                                                 TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION)
                      : std::vector<std::string>();
        if (choices.empty()) return names;
        for (auto row : dialect::CatalogRows(PostgreSQLConnection::model_of(*this, choices[0])))
            names.push_back(row.text("collname"));
    } catch (const gobj::Error& e) {
        TARVELIN_UNCAUGHT(e);
        names.clear();
    }
    return names;
}

// ---------------------------------------------------------------- table scripts

Text PostgreSQLBuilder::build_table(MetaTable* table, bool raw_types) {
    if (!TARVELIN_GIVEN(table)) return {};
    std::set<std::string> made;
    std::string out = build_table_statement(*table, raw_types, made) + build_table_indexes(*table, false) +
                      build_table_triggers(*table, false) + build_table_rules(*table, false);
    cut(out, 1);
    return out + "\n";
}

std::string PostgreSQLBuilder::build_table_statement(MetaTable& table, bool raw_types, std::set<std::string>& made) {
    auto opts = options(table);
    const std::string schema = text(table.get_schema()), table_name = text(table.get_name());
    std::string kind = opts.get_or("FLAG", "");
    if (kind == "PERMANENT" || !plain_word(kind)) kind.clear();
    // The types the columns are of; a database that has one already keeps it.
    std::string types;
    if (raw_types) {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const auto& key : opts.keys()) pairs.emplace_back(key, opts.get_or(key, ""));
        for (const auto& type : postgresql::user_types(pairs)) {
            if (!made.insert(type.name).second) continue;
            const std::string tag = dollar_tag(type.statement, "");
            types += "DO " + tag + "BEGIN " + type.statement + "; EXCEPTION WHEN duplicate_object THEN NULL; END" + tag +
                     ";\n";
            if (!type.comment.empty()) types += type.comment + ";\n";
        }
    }
    // The sequences the defaults call come first; those a column owns are tied to it
    // once the table is there (before the owner changes, which they then follow).
    std::string sequences, owned_by;
    for (auto c : list<MetaColumn>(table.get_columns())) {
        if (c->get_version() == kDelete) continue;
        const std::string column = text(c->get_name());
        auto stored = given(opts, postgresql::sequence_option_key(column));
        auto sequence = stored ? postgresql::parse_sequence_option(*stored) : std::nullopt;
        if (!sequence) continue;
        const std::string target = Sql::qualified(sequence->schema.empty() ? schema : sequence->schema, sequence->name);
        sequences += "CREATE SEQUENCE IF NOT EXISTS " + target +
                     (sequence->parameters.empty() ? std::string() : " " + sequence->parameters) + ";\n";
        if (c->get_auto_increment())
            owned_by += "ALTER SEQUENCE " + target + " OWNED BY " + Sql::qualified(schema, table_name) + "." + Sql::quoted(column) + ";\n";
    }
    std::string out = types + sequences + "CREATE " + kind + " TABLE IF NOT EXISTS " + Sql::qualified(schema, table_name) + " (\n";
    const size_t entries = out.size();
    out += build_table_columns(table, raw_types, load_collations());
    out += build_table_checks(table, false) + build_table_uniques(table, false) + build_table_excludes(table, false) +
           build_table_foreigns(table, false);
    if (out.size() > entries) cut(out, 2);
    out += "\n) \n";
    std::string options_text = build_table_options(table, false);
    if (options_text.size() < 5) {
        cut(out, 2);
        out += ";\n";
    } else {
        out += options_text;
    }
    out += owned_by;
    // The columns' own statistics targets.
    for (auto c : list<MetaColumn>(table.get_columns()))
        if (auto target = given(opts, postgresql::statistics_option_key(text(c->get_name()))); target && is_integer(*target))
            out += "ALTER TABLE " + Sql::qualified(schema, table_name) + " ALTER COLUMN " + Sql::quoted(text(c->get_name())) +
                   " SET STATISTICS " + *target + ";\n";
    // The owner, as the view and routine scripts give theirs.
    if (auto owner = given(opts, "OWNER"))
        out += "ALTER TABLE " + Sql::qualified(schema, table_name) + " OWNER TO " + Sql::quoted(*owner) + ";\n";
    out += build_comment_for_columns(table, false) + build_comment_for_constraints(table, false) + "\n";
    return out;
}

std::string PostgreSQLBuilder::build_table_columns(MetaTable& table, bool raw_types, const Collations& collations) {
    gobj::Ref<contracts::database::IInspectable> inspector;
    if (!raw_types) {
        try {
            inspector = PostgreSQLConnection::inspector_of(*this);
        } catch (const gobj::Error& e) {
            TARVELIN_UNCAUGHT(e);
        }
    }
    std::string out;
    for (auto c : list<MetaColumn>(table.get_columns())) {
        if (c->get_version() == kDelete) continue;
        std::string type = sized(text(c->get_raw_type()), *c);
        if (!raw_types)
            type = inspector ? target_type(gobj::call<&IInspectableSlots::get_sql_type>(inspector, c->get_data_type()), *c)
                             : "";
        out += "    " + Sql::quoted(text(c->get_name())) + " " + type + build_column_body(*c, collations);
    }
    if (auto keys = primary_list(table); !keys.empty()) {
        auto name = given(options(table), postgresql::primary_name_key());
        out += "    " + (name ? "CONSTRAINT " + Sql::quoted(*name) + " " : std::string()) + "PRIMARY KEY (" + keys + "),\n";
    }
    return out;
}

std::string PostgreSQLBuilder::build_column_body(MetaColumn& column, const Collations& collations) {
    std::string out = " ";
    if (auto collate = collation_clause(text(column.get_collation()), collations, true))
        out += "COLLATE " + *collate + " ";
    // An identity is never null; NULL beside it is refused (SQLite's counting key reads as nullable).
    const std::string identity = identity_of(column);
    out += column.get_not_null() || !identity.empty() ? "NOT NULL " : "NULL ";
    if (std::string fallback = text(column.get_default_value()); !fallback.empty())
        out += fallback == "EMPYT STRING" ? std::string("DEFAULT '' ") : "DEFAULT " + fallback + " ";
    if (!identity.empty()) out += identity_clause(identity) + " ";
    cut(out, 1);
    return out + ",\n";
}

namespace {
// The entries of one constraint class: "    [ADD ]<clause> <deferral>,\n" each.
template <class C, class Clause>
std::string constraint_entries(MetaTable& table, bool alter, Clause clause) {
    std::string out;
    for (auto constraint : list<MetaConstraint>(table.get_constraints())) {
        auto* typed = dynamic_cast<C*>(constraint.get());
        if (!typed || !written(*typed, alter)) continue;
        out += std::string("    ") + (alter ? "ADD " : "") + clause(*typed) +
               deferral_words(text(typed->get_deferrable())) + ",\n";
    }
    return out;
}

std::string optional_clause(const char* format_head, const std::string& value, const char* tail = ") ") {
    return value.empty() ? std::string() : format_head + value + tail;
}
}  // namespace

std::string PostgreSQLBuilder::build_table_checks(MetaTable& table, bool alter) {
    return constraint_entries<MetaCheck>(table, alter, [](MetaCheck& c) {
        return "CONSTRAINT " + Sql::quoted(text(c.get_name())) + " CHECK (" + text(c.get_check()) + ") " +
               (c.get_no_inherit() ? "NO INHERIT " : "");
    });
}

std::string PostgreSQLBuilder::build_table_uniques(MetaTable& table, bool alter) {
    return constraint_entries<MetaUnique>(table, alter, [](MetaUnique& u) {
        std::string space = text(u.get_table_space());
        return "CONSTRAINT " + Sql::quoted(text(u.get_name())) + " UNIQUE (" + name_list(text(u.get_columns())) + ") " +
               optional_clause("INCLUDE (", text(u.get_include())) + optional_clause("WITH (", text(u.get_with())) +
               (space.empty() ? std::string() : "USING INDEX TABLESPACE " + Sql::quoted(space) + " ");
    });
}

std::string PostgreSQLBuilder::build_table_excludes(MetaTable& table, bool alter) {
    return constraint_entries<MetaExclude>(table, alter, [](MetaExclude& x) {
        std::string space = text(x.get_table_space());
        return "CONSTRAINT " + Sql::quoted(text(x.get_name())) + " EXCLUDE " +
               optional_clause("USING  ", text(x.get_index_method()), " ") + "(" + text(x.get_elements()) + ") " +
               optional_clause("INCLUDE (", text(x.get_include())) + optional_clause("WITH (", text(x.get_with())) +
               (space.empty() ? std::string() : "USING INDEX TABLESPACE " + Sql::quoted(space) + " ") +
               optional_clause("WHERE (", text(x.get_where()));
    });
}

std::string PostgreSQLBuilder::build_table_foreigns(MetaTable& table, bool alter) {
    return constraint_entries<MetaForeignKey>(table, alter, [](MetaForeignKey& f) {
        std::string match = text(f.get_match_method());
        return "CONSTRAINT " + Sql::quoted(text(f.get_name())) + " FOREIGN KEY(" + name_list(text(f.get_local_columns())) +
               ") REFERENCES " + Sql::qualified(text(f.get_refer_schema()), text(f.get_refer_table())) + "(" +
               name_list(text(f.get_refer_columns())) + ") " +
               (match.empty() || match == "NONE" ? std::string() : "MATCH " + match + " ") +
               optional_clause("ON UPDATE ", text(f.get_update_action()), " ") +
               optional_clause("ON DELETE ", text(f.get_delete_action()), " ");
    });
}

std::string PostgreSQLBuilder::build_table_options(MetaTable& table, bool alter) {
    auto opts = options(table);
    std::string out;
    if (alter) {
        if (auto owner = given(opts, "OWNER")) out += "    OWNER TO " + Sql::quoted(*owner) + ",\n";
        // No inheritance line: neither INHERIT nor NO INHERIT can be repeated, and the
        // stored parents may be the current ones.
        if (auto with = given(opts, "WITH_ARGUMENTS"))
            out += "    SET (" + *with + "),\n";
        else if (auto oids = opts.get("WITH_OIDS"))
            out += *oids == "true" ? "    SET WITH OIDS,\n" : "    SET WITHOUT OIDS,\n";
        if (auto space = given(opts, "TABLESPACE")) out += "    SET TABLESPACE " + Sql::quoted(*space) + ",\n";
    } else {
        if (auto parents = given(opts, "INHERITS")) out += "INHERITS (" + *parents + ") \n";
        auto partition = given(opts, "PARTITION"), keys = given(opts, "PARTITION_KEYS");
        if (partition && keys) out += "PARTITION BY " + *partition + " (" + *keys + ") \n";
        if (auto with = given(opts, "WITH_ARGUMENTS"))
            out += "WITH (" + *with + ") \n";
        else if (auto oids = opts.get("WITH_OIDS"))
            out += *oids == "true" ? "WITH OIDS \n" : "WITHOUT OIDS \n";
        if (auto commit = given(opts, "COMMIT")) out += "ON COMMIT " + *commit + " \n";
        if (auto space = given(opts, "TABLESPACE")) out += "TABLESPACE " + Sql::quoted(*space) + " \n";
    }
    if (!out.empty()) {
        cut(out, 2);
        out += ";\n";
    }
    return out;
}

std::string PostgreSQLBuilder::build_comment_for_columns(MetaTable& table, bool alter) {
    const std::string schema = text(table.get_schema()), table_name = text(table.get_name());
    std::string out;
    for (auto c : list<MetaColumn>(table.get_columns())) {
        if (!written(*c, alter)) continue;
        out += comment_on("COLUMN " + Sql::qualified(schema, table_name) + "." + Sql::quoted(text(c->get_name())),
                          text(c->get_comment()), alter);
    }
    return out + comment_on("TABLE " + Sql::qualified(schema, table_name), text(table.get_comment()), alter);
}

std::string PostgreSQLBuilder::build_comment_for_constraints(MetaTable& table, bool alter) {
    const std::string on = " ON " + Sql::qualified(text(table.get_schema()), text(table.get_name()));
    const bool has_key = !primary_columns(table).empty();
    std::string out;
    for (auto c : list<MetaConstraint>(table.get_constraints())) {
        if (!written(*c, alter)) continue;
        // A key is written from its columns' flags: without them there is none to comment.
        if (dynamic_cast<PrimaryKey*>(c.get()) && !has_key) continue;
        out += comment_on("CONSTRAINT " + Sql::quoted(text(c->get_name())) + on, text(c->get_comment()), alter);
    }
    return out;
}

// ---------------------------------------------------------------- table patches

Text PostgreSQLBuilder::patch_table(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    const std::string target = Sql::qualified(text(table->get_schema()), text(table->get_name()));
    const Collations collations = load_collations();

    // PostgreSQL takes RENAME COLUMN only as an ALTER TABLE of its own.
    std::string renames;
    for (auto c : list<MetaColumn>(table->get_columns())) {
        std::string before = text(c->get_original()), now = text(c->get_name());
        if (c->get_version() == kUpdate && !before.empty() && before != now)
            renames += "ALTER TABLE IF EXISTS " + target + " RENAME COLUMN " + Sql::quoted(before) + " TO " + Sql::quoted(now) + ";\n";
    }

    std::string out = "ALTER TABLE IF EXISTS " + target + "\n";
    const size_t header = out.size();
    out += build_patch_columns(*table, collations) + build_constraint_drop_sql(*table);
    out += build_table_checks(*table, true) + build_table_uniques(*table, true) + build_table_excludes(*table, true) +
           build_table_foreigns(*table, true);
    // A key being changed or made is added back from the flagged columns, under its name.
    for (auto c : list<MetaConstraint>(table->get_constraints())) {
        auto* key = dynamic_cast<PrimaryKey*>(c.get());
        if (!key || !written(*key, true)) continue;
        std::string columns = primary_list(*table);
        if (columns.empty()) break;
        std::string key_name = text(key->get_name());
        out += "    ADD " + (key_name.empty() ? std::string() : "CONSTRAINT " + Sql::quoted(key_name) + " ") + "PRIMARY KEY (" +
               columns + "),\n";
        break;
    }
    std::string options_text = build_table_options(*table, true);
    if (options_text.size() < 5) {
        if (out.size() == header) {
            out.clear();
        } else {
            cut(out, 2);
            out += ";\n\n";
        }
    } else {
        out += options_text;
    }
    out = renames + out + build_comment_for_columns(*table, true) + build_comment_for_constraints(*table, true);
    return out + build_table_indexes(*table, true) + build_table_triggers(*table, true) + build_table_rules(*table, true);
}

std::string PostgreSQLBuilder::build_patch_columns(MetaTable& table, const Collations& collations) {
    auto columns = list<MetaColumn>(table.get_columns());
    std::string out;
    for (auto c : columns)
        if (c->get_version() == kDelete) out += "    DROP COLUMN IF EXISTS " + Sql::quoted(text(c->get_name())) + ",\n";
    for (auto c : columns) {
        const std::string column = Sql::quoted(text(c->get_name())), type = upper_type(text(c->get_raw_type()));
        if (c->get_version() == kUpdate) {
            const std::string alter = "    ALTER COLUMN " + column;
            out += alter + " TYPE " + type + size_text(type, c->get_length(), c->get_scale());
            if (auto collate = collation_clause(text(c->get_collation()), collations, false))
                out += "COLLATE " + *collate + " ";
            out += "USING " + column + "::" + type + ",\n";
            const std::string fallback = text(c->get_default_value()), identity = identity_of(*c);
            // An identity column has no default to drop or set.
            if (identity.empty()) {
                if (fallback.empty())
                    out += alter + " DROP DEFAULT,\n";
                else if (fallback == "EMPYT STRING")
                    out += alter + " SET DEFAULT '',\n";
                else
                    out += alter + " SET DEFAULT " + fallback + ",\n";
            }
            out += alter + (c->get_not_null() ? " SET NOT NULL,\n" : " DROP NOT NULL,\n");
            if (identity.empty()) out += alter + " DROP IDENTITY IF EXISTS,\n";
        } else if (c->get_version() == kInsert) {
            out += "    ADD COLUMN IF NOT EXISTS " + column + " " + sized(type, *c) + build_column_body(*c, collations);
        }
    }
    return out;
}

std::string PostgreSQLBuilder::build_constraint_drop_sql(MetaTable& table) {
    std::string out;
    for (auto c : list<MetaConstraint>(table.get_constraints()))
        if (dropped(*c)) out += "    DROP CONSTRAINT IF EXISTS " + Sql::quoted(text(c->get_name())) + ",\n";
    return out;
}

// ---------------------------------------------------------------- indexes, triggers, rules of a table

std::string PostgreSQLBuilder::build_table_indexes(MetaTable& table, bool alter) {
    const std::string schema = text(table.get_schema()), table_name = text(table.get_name());
    std::vector<std::string> columns;
    for (auto c : list<MetaColumn>(table.get_columns())) columns.push_back(text(c->get_name()));
    std::string out;
    auto indexes = list<MetaIndex>(table.get_indexes());
    for (auto index : indexes)
        if (dropped(*index))
            out += "DROP INDEX IF EXISTS " + Sql::qualified(index_schema(*index, schema), text(index->get_name())) + ";\n";
    for (auto index : indexes)
        if (written(*index, alter) && gobj::StringArray::wrap(index->get_columns()).size() > 0)
            out += build_index_body(*index, index_schema(*index, schema), table_name, columns);
    return out;
}

std::string PostgreSQLBuilder::build_index_body(MetaIndex& index, const std::string& schema,
                                                const std::string& table_name, const std::vector<std::string>& columns) {
    const std::string kind = text(index.get_kind()), method = text(index.get_method());
    std::string out = "CREATE" + (kind.empty() ? std::string() : " " + kind) + " INDEX" +
                      (index.get_is_concurrent() ? " CONCURRENTLY" : "") + " ";
    out += "IF NOT EXISTS " + Sql::quoted(text(index.get_name())) + " ON" + (index.get_is_only() ? " ONLY" : "") + " " +
           Sql::qualified(schema, table_name) + " ";
    if (!method.empty()) out += "USING " + method + " ";
    auto keys = gobj::StringArray::wrap(index.get_columns()).to_vector();
    for (auto& key : keys) key = index_key(key, columns);
    if (keys.size() <= 1) {
        out += "(" + (keys.empty() ? std::string() : keys[0]) + ")\n";
    } else {
        out += "(\n";
        for (const auto& c : keys) out += "    " + c + ", \n";
        cut(out, 3);
        out += "\n)\n";
    }
    auto line = [&](const char* head, const std::string& value, const char* tail) {
        if (!value.empty()) out += head + value + tail;
    };
    line("INCLUDE (", name_list(text(index.get_include())), ")\n");
    line("WITH (", text(index.get_with()), ")\n");
    if (std::string space = text(index.get_table_space()); !space.empty()) out += "TABLESPACE " + Sql::quoted(space) + "\n";
    line("WHERE ", text(index.get_where()), "\n");
    cut(out, 1);
    out += ";\n";
    std::string comment = text(index.get_comment());
    out += comment.empty() ? std::string("\n")
                           : comment_on("INDEX " + Sql::qualified(schema, text(index.get_name())), comment, false) + "\n";
    return out;
}

std::string PostgreSQLBuilder::build_table_triggers(MetaTable& table, bool alter) {
    const std::string target = Sql::qualified(text(table.get_schema()), text(table.get_name()));
    std::string out;
    auto triggers = list<MetaTrigger>(table.get_triggers());
    for (auto t : triggers)
        if (dropped(*t)) out += "DROP TRIGGER IF EXISTS " + Sql::quoted(text(t->get_name())) + " ON " + target + ";\n";
    for (auto t : triggers) {
        if (!written(*t, alter)) continue;
        const std::string trigger = text(t->get_name());
        if (std::string events = trigger_events(*t); !events.empty()) {
            out += std::string("CREATE ") + (t->get_constraint() ? "CONSTRAINT " : "") + "TRIGGER " + Sql::quoted(trigger) +
                   " " + text(t->get_timing()) + " " + events + " ON " + target + "\n";
            if (t->get_constraint()) {
                if (std::string refer = text(t->get_refer_table()); !refer.empty()) out += "    FROM " + refer + "\n";
                out += "    " + deferral_words(text(t->get_deferrable()), text(t->get_deferred())) + "\n";
            }
            if (std::string each = text(t->get_for_each()); !each.empty()) out += "    FOR EACH " + each + "\n";
            if (std::string when = text(t->get_when()); !when.empty()) out += "    WHEN (" + when + ")\n";
            out += "    EXECUTE PROCEDURE " + text(t->get_function()) + "(" + text(t->get_arguments()) + ");\n\n";
            out += firing_statement(target, "TRIGGER", trigger, text(t->get_apply()));
        }
        if (std::string comment = text(t->get_comment()); !comment.empty())
            out += comment_on("TRIGGER " + Sql::quoted(trigger) + " ON " + target, comment, false) + "\n";
    }
    return out;
}

std::string PostgreSQLBuilder::build_table_rules(MetaTable& table, bool alter) {
    const std::string target = Sql::qualified(text(table.get_schema()), text(table.get_name()));
    std::string out;
    auto rules = list<MetaRule>(table.get_rules());
    for (auto r : rules)
        if (dropped(*r)) out += "DROP RULE IF EXISTS " + Sql::quoted(text(r->get_name())) + " ON " + target + ";\n";
    for (auto r : rules) {
        if (!written(*r, alter)) continue;
        const std::string rule = text(r->get_name()), where = text(r->get_where());
        // The commands as read end with their own semicolon.
        std::string commands = trimmed(text(r->get_commands()));
        while (!commands.empty() && commands.back() == ';') commands = trimmed(commands.substr(0, commands.size() - 1));
        out += "CREATE RULE " + Sql::quoted(rule) + " AS ON " + text(r->get_event()) + "\n";
        out += "    TO " + target + (where.empty() ? std::string() : " WHERE " + where) + "\n";
        out += "    DO " + text(r->get_action()) + " " + commands + ";\n";
        out += firing_statement(target, "RULE", rule, text(r->get_apply()));
        std::string comment = text(r->get_comment());
        out += comment.empty() ? std::string("\n")
                               : comment_on("RULE " + Sql::quoted(rule) + " ON " + target, comment, false) + "\n";
    }
    return out;
}

// ---------------------------------------------------------------- schemas and views

Text PostgreSQLBuilder::build_schema(MetaSchema* schema, bool raw_types) {
    if (!TARVELIN_GIVEN(schema)) return {};
    const std::string schema_name = text(schema->get_name());
    std::string out = "CREATE SCHEMA IF NOT EXISTS " + Sql::quoted(schema_name) + " ";
    if (auto owner = given(attributes(*schema), "OWNER")) out += "AUTHORIZATION " + Sql::quoted(*owner) + " ";
    cut(out, 1);
    out += ";\n";
    // Only a comment that was read: an empty one would erase the target schema's.
    if (std::string comment = text(schema->get_comment()); !comment.empty())
        out += "COMMENT ON SCHEMA " + Sql::quoted(schema_name) + " IS " + Sql::literal(comment) + ";\n";
    order_with_dependence(schema, 0);
    auto tables = list<MetaTable>(schema->get_tables());
    std::set<std::string> made;
    for (auto table : tables) {
        std::string script = build_table_statement(*table, raw_types, made) + build_table_indexes(*table, false);
        cut(script, 1);
        out += script + "\n";
    }
    for (auto view : list<MetaView>(schema->get_views())) out += build_view(view.get()).value_or("");
    for (auto function : list<MetaFunction>(schema->get_functions())) out += build_function(function.get()).value_or("");
    for (auto table : tables) out += build_table_triggers(*table, false) + build_table_rules(*table, false);
    return out;
}

Text PostgreSQLBuilder::alter_schema(MetaSchema* schema_old, MetaSchema* schema_new) {
    if (!TARVELIN_GIVEN(schema_old, schema_new)) return {};
    const std::string before = text(schema_old->get_name()), now = text(schema_new->get_name());
    std::string out;
    if (before != now) out += "ALTER SCHEMA " + Sql::quoted(before) + " RENAME TO " + Sql::quoted(now) + ";\n";
    auto owner = attributes(*schema_new).get("OWNER");
    if (owner && !owner->empty() && owner != attributes(*schema_old).get("OWNER"))
        out += "ALTER SCHEMA " + Sql::quoted(now) + " OWNER TO " + Sql::quoted(*owner) + ";\n";
    if (std::string comment = text(schema_new->get_comment()); comment != text(schema_old->get_comment()))
        out += "COMMENT ON SCHEMA " + Sql::quoted(now) + " IS " + (comment.empty() ? "NULL" : Sql::literal(comment)) + ";\n";
    return out;
}

Text PostgreSQLBuilder::build_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return build_view_script(*view, false);
}

Text PostgreSQLBuilder::patch_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    // A materialized view has no replacing form.
    if (as<Materialized>(view)) return build_delete(view).value_or("") + "\n" + build_view_script(*view, false);
    return build_view_script(*view, true);
}

std::string PostgreSQLBuilder::build_view_script(MetaView& view, bool replace) {
    auto attrs = attributes(view);
    const std::string target = Sql::qualified(text(view.get_schema()), text(view.get_name()));
    // The definition as the server prints it ends with a semicolon of its own.
    std::string definition = text(view.get_definition());
    while (!definition.empty() && (g_ascii_isspace(definition.back()) || definition.back() == ';')) definition.pop_back();
    auto* materialized = as<Materialized>(&view);
    std::string out;
    if (materialized) {
        out = "CREATE MATERIALIZED VIEW " + target + " ";
        if (auto with = given(attrs, "WITH_OPTION")) out += "WITH (" + *with + ") ";
        if (std::string space = text(materialized->get_table_space()); !space.empty())
            out += "TABLESPACE " + Sql::quoted(space) + " ";
        out += "AS \n" + definition + (materialized->get_with_data() ? "\nWITH DATA" : "\nWITH NO DATA") + ";\n";
    } else {
        out = replace ? "CREATE OR REPLACE " : "CREATE ";
        if (auto algorithm = given(attrs, "ALGORITHM")) out += *algorithm + " ";
        out += "VIEW " + target + " ";
        if (auto with = given(attrs, "WITH_OPTION")) out += "WITH (" + *with + ") ";
        out += "AS \n" + definition;
        if (auto check = given(attrs, "CHECK")) out += "\nWITH " + *check + " CHECK OPTION";
        out += ";\n";
    }
    const char* what = materialized ? "MATERIALIZED VIEW " : "VIEW ";
    if (auto owner = given(attrs, "OWNER"))
        out += std::string(materialized ? "ALTER MATERIALIZED VIEW " : "ALTER TABLE ") + target + " OWNER TO " +
               Sql::quoted(*owner) + ";\n\n";
    return out + comment_on(what + target, text(view.get_comment()), true) + "\n";
}

// ---------------------------------------------------------------- indexes and triggers on their own

Text PostgreSQLBuilder::build_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return {};
    const std::string schema = text(index->get_schema()), table = text(index->get_entity());
    // Without the table's own list its columns are asked of the server, so that a key
    // naming one (even "a+b") is told from an expression.
    std::vector<std::string> columns;
    try {
        for (auto row : dialect::CatalogRows(PostgreSQLConnection::model_of(*this, postgresql::column_names_query(schema, table))))
            columns.push_back(row.text("column_name"));
    } catch (const gobj::Error& e) {
        TARVELIN_UNCAUGHT(e);
    }
    return build_index_body(*index, schema, table, columns);
}

Text PostgreSQLBuilder::build_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return {};
    const std::string trigger_name = text(trigger->get_name());
    const std::string target = qualified_if(text(trigger->get_schema()), text(trigger->get_target()));
    std::string out = std::string("CREATE ") + (trigger->get_constraint() ? "CONSTRAINT " : "") + "TRIGGER " +
                      Sql::quoted(trigger_name) + " " + text(trigger->get_timing()) + " " + trigger_events(*trigger) + " ";
    out += "\n  ON " + target + " ";
    if (trigger->get_constraint()) {
        if (std::string refer = text(trigger->get_refer_table()); !refer.empty()) out += "\n  FROM " + refer + " ";
        out += "\n  " + deferral_words(text(trigger->get_deferrable()), text(trigger->get_deferred())) + " ";
    }
    if (std::string each = text(trigger->get_for_each()); !each.empty()) out += "\n  FOR EACH " + each + " ";
    if (std::string when = text(trigger->get_when()); !when.empty()) out += "\n  WHEN (" + when + ") \n";
    out += "\n  EXECUTE PROCEDURE " + text(trigger->get_function()) + "(" + text(trigger->get_arguments()) + ");";
    out += "\n" + firing_statement(target, "TRIGGER", trigger_name, text(trigger->get_apply()));
    return out + "COMMENT ON TRIGGER " + Sql::quoted(trigger_name) + " ON " + target + " IS " +
           Sql::literal(text(trigger->get_comment())) + ";\n";
}

// ---------------------------------------------------------------- routines

Text PostgreSQLBuilder::build_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    auto attrs = attributes(*function);
    const bool is_function = function->get_is_function();
    const std::string word = is_function ? "FUNCTION" : "PROCEDURE";
    const std::string target = Sql::qualified(text(function->get_schema()), text(function->get_name()));
    auto parameters = gobj::StringArray::wrap(function->get_parameters()).to_vector();
    std::string declared, signature;
    for (const auto& p : parameters) {
        declared += (declared.empty() ? "" : ", ") + p;
        signature += (signature.empty() ? "" : ", ") + without_default(p);
    }
    declared = "(" + declared + ") ";
    signature = "(" + signature + ") ";

    std::string out = "CREATE " + word + " " + target + declared;
    if (is_function)
        out += "RETURNS " + std::string(attrs.get_or("RESULT SET", "") == "true" ? "SETOF " : "") +
               text(function->get_return_type()) + " ";
    auto language = given(attrs, "LANGUAGE");
    if (language) out += "LANGUAGE " + *language + " ";
    if (auto security = given(attrs, "EXTERNAL SECURITY")) out += "EXTERNAL SECURITY " + *security + " ";
    if (auto volatility = given(attrs, "RESULT DEPEND"); volatility && is_function) out += *volatility + " ";
    cut(out, 1);
    out += "\n";

    const std::string body = text(function->get_body()), tag = dollar_tag(body, "BODY");
    const std::string bare = trimmed(body);
    if (language && g_ascii_strcasecmp(language->c_str(), "plpgsql") != 0)
        out += "AS " + tag + body + tag + ";\n\n";
    else if (bare.starts_with("DECLARE") || bare.starts_with("BEGIN"))
        out += "AS " + tag + "\n" + body + "\n" + tag + ";\n\n";
    else
        out += "AS " + tag + "BEGIN\n  " + body + "\nEND" + tag + ";\n\n";

    if (auto owner = given(attrs, "OWNER"))
        out += "ALTER " + word + " " + target + " " + signature + " OWNER TO " + Sql::quoted(*owner) + ";\n\n";
    const std::string comment = text(function->get_comment());
    out += "COMMENT ON " + word + " " + target + " " + signature + (comment.empty() ? " IS NULL;\n\n" : " IS " + Sql::literal(comment) + ";\n\n");
    return out;
}

namespace {
// A parameter declaration: [mode] name [type] [=> value]. The mode must stand apart, so
// a name such as "input" stays a name.
GRegex* caller_pattern() {
    static GRegex* pattern = g_regex_new(
        "(?:(?<mode>INOUT|OUT|IN|VARIADIC)\\s+)?(?<name>[\\w\\\"'`]+)\\s?(?<type>[\\w\\.,\\\"'`\\(\\)]+)?\\s?"
        "((=>)\\s?(?<value>[\\w']+))?",
        static_cast<GRegexCompileFlags>(G_REGEX_CASELESS | G_REGEX_MULTILINE), static_cast<GRegexMatchFlags>(0),
        nullptr);
    return pattern;
}

std::string group(GMatchInfo* match, const char* group_name) {
    return gobj::take_string(g_match_info_fetch_named(match, group_name));
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& i : items) out += (out.empty() ? "" : ", ") + i;
    return out;
}
}  // namespace

Text PostgreSQLBuilder::build_caller(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    const bool is_function = function->get_is_function();
    const std::string target = Sql::qualified(text(function->get_schema()), text(function->get_name()));
    auto parameters = gobj::StringArray::wrap(function->get_parameters()).to_vector();
    if (parameters.empty()) return (is_function ? "SELECT " : "CALL ") + target + "();";

    std::vector<std::string> arguments, notices;
    std::string declarations;
    for (const auto& p : parameters) {
        GMatchInfo* match = nullptr;
        if (!g_regex_match(caller_pattern(), p.c_str(), static_cast<GRegexMatchFlags>(0), &match)) {
            g_match_info_free(match);
            tlog_warning("Failed to match: %s", p.c_str());
            continue;
        }
        std::string mode = StringHelper::upper(group(match, "mode")), param = group(match, "name"),
                    type = group(match, "type"), value = group(match, "value");
        g_match_info_free(match);
        if (mode.empty()) mode = "IN";
        if (value.empty()) value = "_";
        if (mode == "OUT") {
            if (is_function) continue;
            arguments.push_back(param);
            declarations += "DECLARE " + param + " " + type + ";\n";
            notices.push_back(param);
        } else if (mode == "INOUT") {
            if (is_function) {
                arguments.push_back(value);
                continue;
            }
            arguments.push_back(param);
            declarations += "DECLARE " + param + " " + type + " := " + value + ";\n";
            notices.push_back(param);
        } else {
            arguments.push_back(value);
        }
    }
    if (is_function) return "SELECT * FROM " + target + "(" + joined(arguments) + ");";
    std::string out = "DO $CALLER$\n" + declarations + "BEGIN\n  CALL " + target + "(" + joined(arguments) + ");\n";
    if (!notices.empty()) {
        std::string marks;
        for (size_t i = 0; i < notices.size(); ++i) marks += i ? ", %" : "%";
        out += "  RAISE NOTICE '" + marks + "', " + joined(notices) + ";\n";
    }
    return out + "END; $CALLER$;\n";
}

// ---------------------------------------------------------------- databases

Text PostgreSQLBuilder::create_database(MetaDatabase* database, bool raw_types) {
    if (!TARVELIN_GIVEN(database)) return {};
    auto attrs = attributes(*database);
    const std::string database_name = text(database->get_name());
    std::string out = "CREATE DATABASE " + Sql::quoted(database_name) + "\n";
    for (const char* key : {"OWNER", "TEMPLATE", "ENCODING", "LC_COLLATE", "LC_CTYPE", "TABLESPACE"})
        if (auto value = given(attrs, key)) out += std::string("  ") + key + " = " + Sql::quoted(*value) + "\n";
    for (const char* key : {"ALLOW_CONNECTIONS", "CONNECTION LIMIT", "IS_TEMPLATE"})
        if (auto value = attrs.get(key); value && plain_word(*value))
            out += std::string("  ") + key + " = " + *value + "\n";
    cut(out, 1);
    out += ";\n";
    if (std::string comment = text(database->get_comment()); !comment.empty())
        out += "COMMENT ON DATABASE " + Sql::quoted(database_name) + " IS " + Sql::literal(comment) + ";\n";
    for (const auto& entry : postgresql::split_top_level(attrs.get_or("EXTENSION", ""))) {
        if (entry.empty()) continue;
        size_t equals = entry.find('=');
        out += "CREATE EXTENSION IF NOT EXISTS " + Sql::quoted(trimmed(entry.substr(0, equals)));
        if (equals != std::string::npos) out += " VERSION " + Sql::literal(trimmed(entry.substr(equals + 1)));
        out += ";\n";
    }
    out += "\n";
    for (auto schema : list<MetaSchema>(database->get_schemas())) out += build_schema(schema.get(), raw_types).value_or("");
    return out;
}

Text PostgreSQLBuilder::alter_database(MetaDatabase* database_old, MetaDatabase* database_new) {
    if (!TARVELIN_GIVEN(database_old, database_new)) return {};
    auto before = attributes(*database_old), now = attributes(*database_new);
    const std::string old_name = text(database_old->get_name()), new_name = text(database_new->get_name());
    const std::string target = Sql::quoted(new_name);
    // The new value of an attribute that changed; none when it stayed or the new
    // database lacks it.
    auto changed = [&](const char* key) -> std::optional<std::string> {
        auto value = now.get(key);
        if (!value || value == before.get(key)) return std::nullopt;
        return value;
    };
    std::string out;
    if (old_name != new_name) out += "ALTER DATABASE " + Sql::quoted(old_name) + " RENAME TO " + target + ";\n";
    std::string block;
    for (const char* key : {"ALLOW_CONNECTIONS", "CONNECTION LIMIT", "IS_TEMPLATE"})
        if (auto value = changed(key); value && plain_word(*value)) block += std::string("  ") + key + " " + *value + "\n";
    if (!block.empty()) {
        cut(block, 1);
        out += "ALTER DATABASE " + target + "\n" + block + ";\n";
    }
    if (auto owner = changed("OWNER"); owner && !owner->empty()) out += "ALTER DATABASE " + target + " OWNER TO " + Sql::quoted(*owner) + ";\n";
    // Fixed when a database is made.
    for (const char* key : {"TEMPLATE", "ENCODING", "LC_COLLATE", "LC_CTYPE"})
        if (auto value = changed(key))
            out += one_line("-- ALTER DATABASE " + target + " cannot change " + key + " to " + Sql::quoted(*value)) + "\n";
    if (auto space = changed("TABLESPACE"); space && !space->empty())
        out += "ALTER DATABASE " + target + " SET TABLESPACE " + Sql::quoted(*space) + ";\n";
    if (text(database_old->get_comment()) != text(database_new->get_comment()))
        out += "COMMENT ON DATABASE " + target + " IS " +
               (text(database_new->get_comment()).empty() ? std::string("NULL")
                                                          : Sql::literal(text(database_new->get_comment()))) +
               ";\n";
    if (auto extensions = changed("EXTENSION")) {
        std::vector<std::string> same, removed, added;
        StringHelper::diff_array(postgresql::split_top_level(before.get_or("EXTENSION", "")),
                                 postgresql::split_top_level(*extensions), same, removed, added);
        auto name_of = [](const std::string& entry) { return trimmed(entry.substr(0, entry.find('='))); };
        for (const auto& entry : added) {
            size_t equals = entry.find('=');
            std::string extension = name_of(entry);
            std::string version = equals == std::string::npos ? std::string() : trimmed(entry.substr(equals + 1));
            bool installed = std::any_of(removed.begin(), removed.end(),
                                         [&](const std::string& old) { return name_of(old) == extension; });
            if (installed)
                out += "ALTER EXTENSION " + Sql::quoted(extension) + " UPDATE" +
                       (version.empty() ? std::string() : " TO " + Sql::literal(version)) + ";\n";
            else
                out += "CREATE EXTENSION IF NOT EXISTS " + Sql::quoted(extension) +
                       (equals == std::string::npos ? std::string() : " VERSION " + Sql::literal(version)) + ";\n";
        }
    }
    return out;
}

// ---------------------------------------------------------------- roles and users

Text PostgreSQLBuilder::build_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return {};
    return build_account(*user, user->get_password(), GEE_MAP(user->get_relations()));
}

Text PostgreSQLBuilder::build_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return {};
    return build_account(*role, role->get_password(), GEE_MAP(role->get_relations()));
}

std::string PostgreSQLBuilder::build_account(MetaObject& account, const char* password, GeeMap* relations) {
    auto attrs = attributes(account);
    const std::string self = text(account.get_name());
    std::string out = "CREATE ROLE " + Sql::quoted(self) + " WITH ";
    static constexpr const char* kFlags[][3] = {
        {"SUPER_USER", "SUPERUSER ", "NOSUPERUSER "},    {"CREATE_DATABASE", "CREATEDB ", "NOCREATEDB "},
        {"CREATE_ROLE", "CREATEROLE ", "NOCREATEROLE "}, {"INHERIT", "INHERIT ", "NOINHERIT "},
        {"LOGIN", "LOGIN ", "NOLOGIN "},                 {"REPLICATION", "REPLICATION ", "NOREPLICATION "},
        {"BYPASS", "BYPASSRLS ", "NOBYPASSRLS "}};
    for (const auto& flag : kFlags) {
        auto value = attrs.get(flag[0]);
        TARVELIN_REQUIRE(value.has_value(), "str != NULL");
        out += value == "true" ? flag[1] : flag[2];
    }
    if (auto limit = given(attrs, "CONNECTION_LIMIT"); limit && is_integer(*limit))
        out += "CONNECTION LIMIT " + *limit + " ";
    if (attrs.get("LOGIN") == "true") out += "PASSWORD " + Sql::literal(text(password)) + " ";
    if (auto until = given(attrs, "VALID_UNTIL")) out += "VALID UNTIL " + Sql::literal(*until) + " ";

    // role=member keys, in key order, with the member's admin option.
    struct Membership {
        std::string role, member;
        bool admin, plain;
    };
    std::vector<Membership> memberships;
    auto map = gobj::StringMap::wrap(relations);
    auto keys = map.keys();
    std::sort(keys.begin(), keys.end());
    for (const auto& key : keys) {
        size_t equals = key.find('=');
        std::string value = map.get_or(key, "");
        memberships.push_back({key.substr(0, equals), equals == std::string::npos ? std::string() : key.substr(equals + 1),
                               g_ascii_strcasecmp(value.c_str(), "true") == 0,
                               g_ascii_strcasecmp(value.c_str(), "false") == 0});
    }
    auto collect = [&](auto take) {
        std::string names;
        for (const auto& m : memberships)
            if (auto picked = take(m)) names += (names.empty() ? "" : ", ") + Sql::quoted(*picked);
        return names;
    };
    auto clause = [&](const char* head, const std::string& names) {
        if (!names.empty()) out += head + names + " ";
    };
    using Pick = std::optional<std::string>;
    clause("IN ROLE ", collect([&](const Membership& m) { return m.member == self && m.plain ? Pick(m.role) : Pick(); }));
    clause("ROLE ", collect([&](const Membership& m) { return m.role == self && m.plain ? Pick(m.member) : Pick(); }));
    clause("ADMIN ", collect([&](const Membership& m) { return m.role == self && m.admin ? Pick(m.member) : Pick(); }));
    cut(out, 1);
    out += ";\n";
    if (auto granted = collect([&](const Membership& m) { return m.member == self && m.admin ? Pick(m.role) : Pick(); });
        !granted.empty())
        out += "GRANT " + granted + " TO " + Sql::quoted(self) + " WITH ADMIN OPTION;\n";
    if (auto comment = given(attrs, "COMMENT")) out += "COMMENT ON ROLE " + Sql::quoted(self) + " IS " + Sql::literal(*comment) + ";\n";
    return out;
}

}  // namespace tarvelin::rezezadovu::supports::database
