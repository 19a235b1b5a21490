#include "rezezadovu/transform/transfer.hpp"

#include <algorithm>
#include <map>
#include <set>

#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"
#include "rezezadovu/transform/statement_splitter.hpp"

TARVELIN_LOG_TAG("transfer")

namespace tarvelin::rezezadovu::transform {

using namespace meta_model;
using supports::database::SqlBuilder;
namespace dialect = supports::database::dialect;

TARVELIN_GTYPE(Transfer, "TarvelinRezezadovuTransformTransfer", gobj::Object, ITransform)

gobj::Ref<Transfer> Transfer::create(GType type, GeeHashMap* options) {
    auto job = gobj::create<Transfer>(type);
    if (job) job->set_options(options);
    return job;
}

namespace {

std::string text(const char* s) { return s ? s : ""; }

std::string trim(std::string s) {
    auto blank = [](char c) { return g_ascii_isspace(c); };
    s.erase(s.begin(), std::find_if_not(s.begin(), s.end(), blank));
    s.erase(std::find_if_not(s.rbegin(), s.rend(), blank).base(), s.end());
    return s;
}

std::vector<std::string> split(const std::string& s, char at) {
    std::vector<std::string> out;
    size_t begin = 0;
    for (size_t end; (end = s.find(at, begin)) != std::string::npos; begin = end + 1) out.push_back(s.substr(begin, end - begin));
    out.push_back(s.substr(begin));
    return out;
}

std::string lookup(const std::vector<std::pair<std::string, std::string>>& pairs, const std::string& name, bool& found) {
    for (const auto& [from, to] : pairs)
        if (from == name) {
            found = true;
            return to;
        }
    found = false;
    return name;
}

// A comma-separated column list with each name renamed by `pairs`; empty when one of
// them is no longer copied.
std::optional<std::string> renamed_list(const std::string& columns, const std::vector<std::pair<std::string, std::string>>& pairs) {
    if (trim(columns).empty()) return columns;
    std::string out;
    for (const auto& piece : split(columns, ',')) {
        bool found = false;
        std::string name = lookup(pairs, trim(piece), found);
        if (!found) return std::nullopt;
        out += (out.empty() ? "" : ",") + name;
    }
    return out;
}

// After FIELDS renamed or left out columns of `table`: indexes and keys follow the new
// names, and those naming a column no longer copied are left out, so that the CREATE
// script names only columns the table has.
void follow_fields(MetaTable& table, const std::vector<std::pair<std::string, std::string>>& pairs) {
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
    for (int i = indexes.size() - 1; i >= 0; --i) {
        auto index = indexes.at(i);
        auto columns = gobj::StringArray::wrap(index->get_columns());
        auto names = columns.to_vector();
        std::vector<std::string> renamed;
        bool kept = true;
        for (const auto& name : names) {
            bool found = false;
            renamed.push_back(lookup(pairs, name, found));
            kept = kept && found;
        }
        if (!kept) {
            indexes.remove_at(i);
            continue;
        }
        columns.clear();
        for (const auto& name : renamed) columns.append(name);
    }
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    for (int i = constraints.size() - 1; i >= 0; --i) {
        auto constraint = constraints.at(i);
        std::optional<std::string> columns;
        if (auto* key = dynamic_cast<MetaForeignKey*>(constraint.get())) {
            columns = renamed_list(text(key->get_local_columns()), pairs);
            if (columns) key->set_local_columns(columns->c_str());
        } else if (auto* unique = dynamic_cast<MetaUnique*>(constraint.get())) {
            columns = renamed_list(text(unique->get_columns()), pairs);
            if (columns) unique->set_columns(columns->c_str());
        } else {
            continue;
        }
        if (!columns) constraints.remove_at(i);
    }
}

// Sets the schema of a schema's objects and of their members; foreign keys that
// referenced the old schema reference the new one.
void move_to_schema(MetaSchema& schema, const std::string& old_name, const std::string& name) {
    auto set = [&](GeeArrayList* list) {
        for (auto object : gobj::GeeArray<MetaObject>::wrap(list)) object->set_schema(name.c_str());
    };
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema.get_tables())) {
        table->set_schema(name.c_str());
        for (GeeArrayList* members :
             {table->get_columns(), table->get_indexes(), table->get_constraints(), table->get_triggers(), table->get_rules()})
            set(members);
        for (auto constraint : gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints()))
            if (auto* key = dynamic_cast<MetaForeignKey*>(constraint.get()); key && text(key->get_refer_schema()) == old_name)
                key->set_refer_schema(name.c_str());
    }
    for (auto view : gobj::GeeArray<MetaView>::wrap(schema.get_views())) {
        view->set_schema(name.c_str());
        set(view->get_columns());
    }
    for (GeeArrayList* routines : {schema.get_functions(), schema.get_procedures(), schema.get_events()}) set(routines);
}

// A table renamed on the target: its indexes and triggers name it, and so do the
// foreign keys of the schema's tables that reference it.
void follow_table_name(MetaSchema& schema, MetaTable& table, const std::string& old_name) {
    std::string name = text(table.get_name());
    for (auto index : gobj::GeeArray<MetaIndex>::wrap(table.get_indexes()))
        if (text(index->get_entity()) == old_name) index->set_entity(name.c_str());
    for (auto trigger : gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers()))
        if (text(trigger->get_target()) == old_name) trigger->set_target(name.c_str());
    for (auto other : gobj::GeeArray<MetaTable>::wrap(schema.get_tables()))
        for (auto constraint : gobj::GeeArray<MetaConstraint>::wrap(other->get_constraints()))
            if (auto* key = dynamic_cast<MetaForeignKey*>(constraint.get()); key && text(key->get_refer_table()) == old_name)
                key->set_refer_table(name.c_str());
}

// Foreign keys of the schema's tables that reference `table` follow its renamed columns.
void follow_column_names(MetaSchema& schema, MetaTable& table, const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::string name = text(table.get_name());
    for (auto other : gobj::GeeArray<MetaTable>::wrap(schema.get_tables()))
        for (auto constraint : gobj::GeeArray<MetaConstraint>::wrap(other->get_constraints()))
            if (auto* key = dynamic_cast<MetaForeignKey*>(constraint.get()); key && text(key->get_refer_table()) == name)
                if (auto columns = renamed_list(text(key->get_refer_columns()), pairs))
                    key->set_refer_columns(columns->c_str());
}

// A default as another product reads it: PostgreSQL's catalogue writes a cast after the
// value ('a'::character varying), which no other product parses.
std::string without_cast(const std::string& value) {
    static GRegex* cast = g_regex_new(R"((?<=['")0-9])::[A-Za-z_][A-Za-z0-9_ ]*(\[\])?$)", G_REGEX_OPTIMIZE,
                                      GRegexMatchFlags(0), nullptr);
    return gobj::take_string(g_regex_replace_literal(cast, value.c_str(), -1, 0, "", GRegexMatchFlags(0), nullptr));
}

// A default giving the time of the insert: PostgreSQL's now(), MariaDB's current_timestamp()
// or current_timestamp(6); only the bare keyword is every product's.
bool current_time(const std::string& value) {
    const std::string lower = gobj::take_string(g_ascii_strdown(value.c_str(), -1));
    return lower == "now()" || lower.rfind("current_timestamp(", 0) == 0;
}

// MySQL's zero date ('0000-00-00', with or without a time), which no other product holds.
bool zero_date(const std::string& value) {
    std::string v = value;
    v.erase(std::remove(v.begin(), v.end(), '\''), v.end());
    return v.rfind("0000-00-00", 0) == 0 && v.find_first_not_of("0-: .") == std::string::npos;
}

// A default drawing on a sequence: the target has neither the sequence nor the call.
bool calls_sequence(const std::string& value) {
    return gobj::take_string(g_ascii_strdown(value.c_str(), -1)).find("nextval(") != std::string::npos;
}

bool integer_type(DataType type) {
    return type >= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8 && type <= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64;
}

// A column that counts in its product without the flag: an integer drawing on a sequence
// (in any spelling of nextval), or one the product counts by itself (SQLite's rowid). The
// target writes its own counting form for it.
void mark_counting(MetaColumn& column) {
    const bool counts_itself =
        gobj::StringMap::wrap(GEE_MAP(column.get_attributes())).get(dialect::kCountsItself).value_or("") == "true";
    if (counts_itself || (calls_sequence(text(column.get_default_value())) && integer_type(column.get_data_type())))
        column.set_auto_increment(true);
}

// Other products count one column a table: the flag stays on the key's counting column,
// else on the first one.
void keep_one_counting_column(MetaTable& table) {
    gobj::Ref<MetaColumn> kept;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
        if (column->get_auto_increment() && (!kept || (column->get_is_primary_key() && !kept->get_is_primary_key())))
            kept = column;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
        if (column.get() != kept.get()) column->set_auto_increment(false);
}

// ---------------------------------------------------------------- member names across products

// A name as names compare without case.
std::string folded(const std::string& name) { return gobj::take_string(g_utf8_casefold(name.c_str(), -1)); }

// The shortest identifier limit of the products (PostgreSQL's 63 bytes).
constexpr size_t kLongestName = 63;

// `name` within the identifier limit; a cut name ends with a hash of the whole, so that two
// long names alike in their first bytes stay apart.
std::string bounded_name(const std::string& name) {
    if (name.size() <= kLongestName) return name;
    const std::string hash = gobj::take_string(g_strdup_printf("_%08x", g_str_hash(name.c_str())));
    std::string head = name.substr(0, kLongestName - hash.size());
    // No UTF-8 sequence cut in two.
    while (!head.empty() && (static_cast<unsigned char>(head.back()) & 0xC0) == 0x80) head.pop_back();
    if (!head.empty() && (static_cast<unsigned char>(head.back()) & 0xC0) == 0xC0) head.pop_back();
    return head + hash;
}

// Index and key names unique in the schema. Products name these members in namespaces of
// different widths (MariaDB indexes per table and foreign keys per database, PostgreSQL
// and SQLite indexes per schema, SQL Server every constraint per schema, SQLite leaves
// foreign keys unnamed): a name several tables of the source share would be refused or,
// worse, skipped on the target. Each shared name becomes "<table>_<name>"; names no other
// member shares stay. Names compare without case, as MariaDB compares them.
void unique_member_names(MetaSchema& schema) {
    struct Member {
        gobj::Ref<MetaObject> object;
        std::string table;
    };
    std::vector<Member> members;
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema.get_tables())) {
        const std::string name = text(table->get_name());
        for (auto index : gobj::GeeArray<MetaIndex>::wrap(table->get_indexes())) members.push_back({index, name});
        for (auto constraint : gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints())) {
            auto* unique = dynamic_cast<MetaUnique*>(constraint.get());
            // A primary key's name is the product's own matter (MariaDB calls each one PRIMARY).
            if (!(unique && unique->get_is_primary_key())) members.push_back({constraint, name});
        }
    }
    std::map<std::string, int> uses;
    for (const auto& m : members) ++uses[folded(text(m.object->get_name()))];
    std::set<std::string> taken;
    for (const auto& m : members)
        if (uses[folded(text(m.object->get_name()))] == 1) taken.insert(folded(text(m.object->get_name())));
    for (const auto& m : members) {
        const std::string name = text(m.object->get_name());
        if (uses[folded(name)] == 1) continue;
        std::string wanted = bounded_name(m.table + "_" + name), chosen = wanted;
        for (int n = 2; taken.count(folded(chosen)); ++n) chosen = bounded_name(wanted + "_" + std::to_string(n));
        taken.insert(folded(chosen));
        tlog_warning("Member %s of %s named %s on the target: its name is shared", name.c_str(), m.table.c_str(),
                     chosen.c_str());
        m.object->set_name(chosen.c_str());
    }
}

// ---------------------------------------------------------------- column types across products

// A declared type as the source wrote it: its words in upper case without the parameters
// ("character varying(20)" is CHARACTER VARYING with the parameter 20), and whether it
// said UNSIGNED.
struct DeclaredType {
    std::string name;
    std::vector<std::string> parameters;
    bool is_unsigned = false;
};

DeclaredType declared_type(const std::string& raw) {
    DeclaredType out;
    std::string words;
    size_t open = raw.find('(');
    if (open != std::string::npos) {
        size_t close = raw.find(')', open);
        std::string inside = raw.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
        for (const auto& piece : split(inside, ',')) out.parameters.push_back(trim(piece));
        words = raw.substr(0, open) + " " + (close == std::string::npos ? "" : raw.substr(close + 1));
    } else {
        words = raw;
    }
    for (const auto& word : split(gobj::take_string(g_ascii_strup(words.c_str(), -1)), ' ')) {
        if (word.empty()) continue;
        if (word == "UNSIGNED") {
            out.is_unsigned = true;
        } else if (word != "ZEROFILL" && word != "SIGNED") {
            out.name += (out.name.empty() ? "" : " ") + word;
        }
    }
    return out;
}

bool named(const std::string& name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

// The value type a declared type name stands for in any of the products, for a column
// whose own dialect left it unknown; SQLite's rules by the letters the name holds last,
// and text, which holds every value in its written form, for a name nothing knows.
DataType data_type_by_name(const std::string& name) {
    struct Row {
        std::initializer_list<const char*> names;
        DataType type;
    };
    static const Row rows[] = {
        {{"BOOL", "BOOLEAN"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
        {{"TINYINT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8},
        {{"SMALLINT", "INT2", "SMALLSERIAL", "SERIAL2", "YEAR"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
        {{"MEDIUMINT", "INT", "INTEGER", "INT4", "SERIAL", "SERIAL4"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
        {{"BIGINT", "INT8", "BIGSERIAL", "SERIAL8"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
        {{"DECIMAL", "NUMERIC", "DEC", "FIXED", "NUMBER"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY},
        {{"FLOAT4", "REAL"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT},
        {{"FLOAT", "FLOAT8", "DOUBLE", "DOUBLE PRECISION"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE},
        {{"DATE"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
        {{"TIME", "TIMETZ", "TIME WITHOUT TIME ZONE", "TIME WITH TIME ZONE"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
        {{"DATETIME", "DATETIME2", "SMALLDATETIME", "DATETIMEOFFSET", "TIMESTAMP", "TIMESTAMPTZ",
          "TIMESTAMP WITHOUT TIME ZONE", "TIMESTAMP WITH TIME ZONE"},
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
        {{"INTERVAL"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN},
        {{"UUID", "UNIQUEIDENTIFIER"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
        {{"XML"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML},
        {{"JSON", "JSONB"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
    };
    for (const auto& row : rows)
        if (named(name, row.names)) return row.type;
    auto has = [&](const char* part) { return name.find(part) != std::string::npos; };
    if (has("INT")) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
    if (has("BLOB") || has("BINARY") || has("BYTEA") || name.empty()) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB;
    if (has("REAL") || has("FLOA") || has("DOUB")) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
    return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}

// Texts and byte strings with no limit of their own in their product (a length the
// catalogue gives them is the product's ceiling, not the column's).
bool unbounded_text(const std::string& name) {
    return named(name, {"TEXT", "TINYTEXT", "MEDIUMTEXT", "LONGTEXT", "CLOB", "NTEXT", "NCLOB", "JSON", "JSONB"});
}
bool unbounded_bytes(const std::string& name) {
    return named(name, {"BLOB", "TINYBLOB", "MEDIUMBLOB", "LONGBLOB", "BYTEA", "IMAGE"});
}
bool variable_text(const std::string& name) {
    return named(name, {"VARCHAR", "CHARACTER VARYING", "CHAR VARYING", "NVARCHAR", "NATIONAL CHARACTER VARYING",
                        "VARCHAR2", "NVARCHAR2"});
}

gint64 number_in(const std::string& text) { return g_ascii_strtoll(text.c_str(), nullptr, 10); }

// The column as every target reads it: its value type, and a length (characters, bytes or
// digits; 0 for none) and scale that say what the source holds. A target maps these to
// its own types; none of them may hold less than the source column.
void neutral_type(MetaColumn& column) {
    DeclaredType declared = declared_type(text(column.get_raw_type()));
    DataType type = column.get_data_type();
    if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN) type = data_type_by_name(declared.name);
    gint64 length = column.get_length();
    guint8 scale = column.get_scale();

    // Parameters the reader left in the declared text.
    const bool max = !declared.parameters.empty() && g_ascii_strcasecmp(declared.parameters[0].c_str(), "MAX") == 0;
    if (length <= 0 && !declared.parameters.empty() && !max) length = number_in(declared.parameters[0]);
    if (scale == 0 && declared.parameters.size() > 1) scale = static_cast<guint8>(number_in(declared.parameters[1]));

    if (unbounded_text(declared.name) || (variable_text(declared.name) && (max || length < 0))) length = 0;
    if (unbounded_bytes(declared.name) || (named(declared.name, {"VARBINARY"}) && (max || length < 0))) {
        type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB;
        length = 0;
    }
    // Another product's text form of a UUID has 36 characters.
    if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID && length <= 0) length = 36;

    // An unsigned integer needs the next wider signed one; the widest, 20 digits.
    if (declared.is_unsigned || column.get_is_unsigned()) {
        switch (type) {
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8: type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8; break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16: type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16; break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32: type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32; break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64: type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64; break;
            default: break;
        }
    }
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8: type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16: type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32: type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64; break;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY;
            declared.name = "NUMERIC";
            length = 20;
            scale = 0;
            break;
        default: break;
    }
    // The raw type keeps the name alone: its parameters now travel as length and scale, and
    // a target sizing by the raw type finds a name it knows.
    column.set_raw_type(declared.name.c_str());
    column.set_data_type(type);
    column.set_length(length);
    column.set_scale(scale);
}

// For a target of another product: what only the source product understands (collations,
// storage options and the sequences named there, casts in defaults, defaults calling a
// sequence, MySQL's zero date as a default, identity texts, the product's spelling of the
// current time, foreign-key match and deferral clauses) stays behind, and each column's
// type is described so that the target's inspector and builder choose one that holds every
// value. A counting column keeps its flag (a column drawing on a sequence, or counted by
// its product unasked, gets it), so the target's builder writes its own counting form;
// index and key names become unique in the schema.
void neutralise(MetaDatabase& database) {
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas())) {
        unique_member_names(*schema);
        for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) {
            gee_map_clear(GEE_MAP(table->get_options()));
            for (auto column : gobj::GeeArray<MetaColumn>::wrap(table->get_columns())) mark_counting(*column);
            keep_one_counting_column(*table);
            for (auto column : gobj::GeeArray<MetaColumn>::wrap(table->get_columns())) {
                neutral_type(*column);
                column->set_collation("");
                column->set_identity("");
                const std::string value = text(column->get_default_value());
                if (calls_sequence(value) || zero_date(value))
                    column->set_default_value("");
                else if (current_time(value))
                    column->set_default_value("CURRENT_TIMESTAMP");  // the spelling every product takes
                else
                    column->set_default_value(without_cast(value).c_str());
            }
            for (auto constraint : gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints()))
                if (auto* key = dynamic_cast<MetaForeignKey*>(constraint.get())) {
                    key->set_match_method("");
                    key->set_deferrable("");
                }
        }
    }
}

}  // namespace

std::vector<std::pair<std::string, std::string>> Transfer::field_pairs(const std::string& fields,
                                                                       std::vector<std::string>* ignored) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto& entry : split(fields, ';')) {
        size_t at = entry.find('=');
        if (at == std::string::npos) {
            if (ignored && !trim(entry).empty()) ignored->push_back(entry);
            continue;
        }
        pairs.emplace_back(trim(entry.substr(0, at)), trim(entry.substr(at + 1)));
    }
    return pairs;
}

std::vector<std::pair<std::string, std::string>> Transfer::fields_of(const Run& run, const std::string& key,
                                                                     const std::string& object) {
    std::string fields = option_or(key, "ALL");
    if (fields == "ALL") return {};
    std::vector<std::string> ignored;
    auto pairs = field_pairs(fields, &ignored);
    for (const auto& entry : ignored) {
        tlog_warning("FIELDS entry without '=' ignored: %s -> %s", object.c_str(), entry.c_str());
        note(run, time_stamp() + " FIELDS entry without '=' ignored: " + object + " -> " + entry);
    }
    if (pairs.empty()) {
        tlog_warning("FIELDS of %s name no column: all columns copied", object.c_str());
        note(run, time_stamp() + " FIELDS of " + object + " name no column: all columns copied");
    }
    return pairs;
}

// ---------------------------------------------------------------- handle

void Transfer::handle() {
    auto run = begin(G_STRFUNC);
    if (!run) return;
    start_clock();
    {
        std::lock_guard guard(mutex_);
        if (run->progress) run->progress->reset_counters();
    }
    const bool go_on = option_true(option_key("OPTION", "RESULT", "CONTINUE"));
    tlog_warning("Process continue: %s", go_on ? "true" : "false");
    try {
        auto tree = load_meta_data(*run, go_on);
        do_restructure(*run, *tree);
        auto source_kind = statement_of(run->source), target_kind = statement_of(run->target);
        const bool across = source_kind && target_kind && G_OBJECT_TYPE(source_kind.gobj()) != G_OBJECT_TYPE(target_kind.gobj());
        if (across) neutralise(*tree);
        if (option_true(option_key("OPTION", "RESULT", "DROP_OBJECT"))) drop_objects(*run, *tree, go_on);
        create_objects(*run, *tree, go_on);
        tree.reset();
        tree = load_meta_data(*run, go_on);
        // The data step sees the columns as the target was made from them.
        if (across) neutralise(*tree);
        transfer_user_data(*run, *tree, go_on);
    } catch (const gobj::Error& e) {
        tlog_warning("Process is broken: %s", e.message().c_str());
    } catch (const std::exception& e) {
        tlog_warning("Process is broken: %s", e.what());
    }
    tlog_warning("Handle finished.");
    finish(*run);
}

gobj::Ref<MetaDatabase> Transfer::load_meta_data(const Run& run, bool go_on) {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(),
                                                   option_or(option_key("OPTION", "SOURCE", "DATABASE"), "").c_str());
    try {
        auto adapter = adapter_of(run.source);
        if (!adapter) throw gobj::Error("default", -1, _("The source connection gives no catalogue adapter."));
        gobj::call<&CAdaptableVt::fill_meta_database>(adapter, database, true);
        count(run, true, time_stamp() + " Load meta data......[done]");
    } catch (const gobj::Error& e) {
        count(run, false, time_stamp() + " Load meta data......\n" + e.message());
        if (!go_on) throw;
    }
    return database;
}

// ---------------------------------------------------------------- trimming

void Transfer::do_restructure(const Run& run, MetaDatabase& database) {
    auto schemas = gobj::GeeArray<MetaSchema>::wrap(database.get_schemas());
    for (int i = schemas.size() - 1; i >= 0; --i) {
        auto schema = schemas.at(i);
        const std::string source_name = text(schema->get_name());
        const std::string key = option_key("schema", source_name, "MODE");
        auto mode = option(key);
        tlog_warning("Handle schema: %s ==> %s", key.c_str(), mode ? mode->c_str() : "NULL");
        if (!mode) {
            schemas.remove_at(i);
            continue;
        }
        tlog_warning("Handle schema: %s.%s......", text(schema->get_database()).c_str(), source_name.c_str());
        std::string name = source_name;
        if (*mode == "true") {
            name = option_or(option_key("schema", source_name, "NAME"), source_name);
            if (name != source_name) {
                schema->set_name(name.c_str());
                schema->set_schema(name.c_str());
            }
        }
        trim_tables(run, *schema);
        trim_views(run, *schema);
        // The objects move with their schema: builders name them through their own schema field.
        if (name != source_name) move_to_schema(*schema, source_name, name);
        tlog_warning("Handle schema: %s.%s......[done]", text(schema->get_database()).c_str(),
                     text(schema->get_name()).c_str());
    }
}

void Transfer::trim_tables(const Run& run, MetaSchema& schema) {
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema.get_tables());
    for (int i = tables.size() - 1; i >= 0; --i) {
        auto table = tables.at(i);
        const std::string source_name = text(table->get_name());
        auto mode = option(option_key("table", source_name, "MODE"));
        if (!mode) {
            tables.remove_at(i);
            continue;
        }
        tlog_warning("Handle table: %s.%s.%s......", text(schema.get_database()).c_str(), text(schema.get_name()).c_str(),
                     source_name.c_str());
        if (*mode == "true") {
            std::string name = option_or(option_key("table", source_name, "NAME"), source_name);
            if (name != source_name) {
                table->set_name(name.c_str());
                follow_table_name(schema, *table, source_name);
            }
            auto pairs = fields_of(run, option_key("table", source_name, "FIELDS"),
                                   text(schema.get_name()) + "." + source_name);
            if (!pairs.empty()) {
                auto columns = gobj::GeeArray<MetaColumn>::wrap(table->get_columns());
                for (int c = columns.size() - 1; c >= 0; --c) {
                    bool found = false;
                    lookup(pairs, text(columns.at(c)->get_name()), found);
                    if (!found) columns.remove_at(c);
                }
                for (auto column : columns) {
                    bool found = false;
                    std::string renamed = lookup(pairs, text(column->get_name()), found);
                    if (found && renamed != text(column->get_name())) column->set_name(renamed.c_str());
                }
                follow_fields(*table, pairs);
                follow_column_names(schema, *table, pairs);
            }
        }
        count(run, true,
              time_stamp() + " tidy table: " + text(schema.get_database()) + "." + text(schema.get_name()) + "." +
                  text(table->get_name()) + "......[done]");
    }
}

void Transfer::trim_views(const Run& run, MetaSchema& schema) {
    auto views = gobj::GeeArray<MetaView>::wrap(schema.get_views());
    for (int i = views.size() - 1; i >= 0; --i) {
        auto view = views.at(i);
        const std::string source_name = text(view->get_name());
        auto mode = option(option_key("table", source_name, "MODE"));
        if (!mode) {
            views.remove_at(i);
            continue;
        }
        tlog_warning("Handle view: %s.%s.%s......", text(schema.get_database()).c_str(), text(schema.get_name()).c_str(),
                     source_name.c_str());
        bool to_table = false;
        if (*mode == "true") {
            std::string name = option_or(option_key("table", source_name, "NAME"), source_name);
            if (name != source_name) view->set_name(name.c_str());
            to_table = option_true(option_key("table", source_name, "VIEW2TABLE"));
            if (to_table) {
                auto table = MetaTable::create_with_names(MetaTable::gtype(), view->get_database(), view->get_schema(),
                                                          view->get_name());
                auto pairs = fields_of(run, option_key("view", source_name, "FIELDS"),
                                       text(schema.get_name()) + "." + source_name);
                auto into = gobj::GeeArray<MetaColumn>::wrap(table->get_columns());
                for (auto column : gobj::GeeArray<MetaColumn>::wrap(view->get_columns())) {
                    bool found = pairs.empty();
                    std::string renamed = pairs.empty() ? text(column->get_name()) : lookup(pairs, text(column->get_name()), found);
                    if (!found) continue;
                    if (renamed != text(column->get_name())) column->set_name(renamed.c_str());
                    into.append(column);
                }
                gobj::GeeArray<MetaTable>::wrap(schema.get_tables()).append(table);
            }
        }
        count(run, true,
              time_stamp() + " tidy view: " + text(schema.get_database()) + "." + text(schema.get_name()) + "." +
                  text(view->get_name()) + "......[done]");
        // The target gets the table in the view's place, not a view and a table of one name.
        if (to_table) views.remove_at(i);
    }
}

// ---------------------------------------------------------------- drop and create

void Transfer::run_script(const Run& run, bool go_on, const std::string& script, const char* what) {
    SplitOptions lexing{backslash_escapes(statement_of(run.target))};
    for (const auto& piece : split_statements(script, lexing)) {
        tlog_warning("transfer_structure: %s", piece.c_str());
        try {
            run_statement(run.target, piece);
            count(run, true, time_stamp() + " " + what + "......[done]\n" + piece);
        } catch (const gobj::Error& e) {
            count(run, false, time_stamp() + " " + what + "......" + e.message() + "\n" + piece);
            if (!go_on) throw;
        }
    }
}

void Transfer::drop_objects(const Run& run, MetaDatabase& database, bool go_on) {
    auto builder = builder_of(run.target);
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas())) {
        // Tables that others reference are dropped after them.
        SqlBuilder::order_by_dependence(*schema, 0);
        auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
        std::vector<gobj::Ref<MetaTable>> order;
        for (auto table : tables) order.push_back(table);
        for (size_t i = 0; i < order.size(); ++i) tables.set(static_cast<int>(i), order[order.size() - 1 - i]);
        std::string script = gobj::call<&CBuildableVt::build_delete>(builder, schema);
        run_script(run, go_on, script, "drop object");
    }
}

void Transfer::create_objects(const Run& run, MetaDatabase& database, bool go_on) {
    auto builder = builder_of(run.target);
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas())) {
        std::string script = gobj::call<&CBuildableVt::build_schema>(builder, schema, false);
        tlog_warning("Transfer schema: %s.%s......\n%s", text(schema->get_database()).c_str(),
                     text(schema->get_name()).c_str(), script.c_str());
        run_script(run, go_on, script, "create table");
        check_indexes(run, *schema, go_on);
        tlog_warning("Transfer schema: %s.%s......[done]", text(schema->get_database()).c_str(),
                     text(schema->get_name()).c_str());
    }
    tlog_warning("Call transfer_structure...[done]");
}

// A CREATE INDEX IF NOT EXISTS that meets another object of its name does nothing and says
// so only in a notice: each copied index is looked for on its table, and one missing there
// is a failed step.
void Transfer::check_indexes(const Run& run, MetaSchema& schema, bool go_on) {
    auto adapter = adapter_of(run.target);
    if (!adapter) return;
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema.get_tables())) {
        auto indexes = gobj::GeeArray<MetaIndex>::wrap(table->get_indexes());
        if (indexes.size() == 0) continue;
        auto made = MetaTable::create_with_names(MetaTable::gtype(), table->get_database(), table->get_schema(),
                                                 table->get_name());
        try {
            gobj::call<&CAdaptableVt::fill_meta_table>(adapter, made, true);
        } catch (const gobj::Error& e) {
            tlog_warning("Indexes of %s not checked: %s", text(table->get_name()).c_str(), e.message().c_str());
            continue;
        }
        // A target that cannot read its tables back (none found) is not second-guessed.
        if (gobj::GeeArray<MetaColumn>::wrap(made->get_columns()).size() == 0) continue;
        auto there = gobj::GeeArray<MetaIndex>::wrap(made->get_indexes());
        for (auto index : indexes) {
            const std::string name = text(index->get_name());
            bool found = false;
            for (auto other : there) found = found || folded(text(other->get_name())) == folded(name);
            if (found) continue;
            const std::string message = time_stamp() + " create index " + name + " on " + text(table->get_name()) +
                                        "......" + _("not created: another object of that name exists");
            count(run, false, message);
            if (!go_on) throw gobj::Error("Transfer", -1, message);
        }
    }
}

}  // namespace tarvelin::rezezadovu::transform
