#include "rezezadovu/supports/database/postgresql/adapter.hpp"

#include <algorithm>
#include <map>

#include "providers/contracts/value_datetime.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"
#include "rezezadovu/supports/database/postgresql/connection.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

TARVELIN_LOG_TAG("postgres_adapter")

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using dialect::CatalogRows;
using Sql = PostgreSQLStatement;
using Text = PostgreSQLAdapterV11x::Text;

TARVELIN_GTYPE(PostgreSQLAdapterV11x, "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x", Adapter)

// ---------------------------------------------------------------- helpers

namespace {

bool filled(MetaObject& object) { return g_object_get_data(object.gobj(), kFilled) != nullptr; }
void mark_filled(MetaObject& object) { g_object_set_data(object.gobj(), kFilled, GINT_TO_POINTER(1)); }

gobj::StringMap attributes(MetaObject& object) { return gobj::StringMap::wrap(GEE_MAP(object.get_attributes())); }

template <class T>
gobj::GeeArray<T> list(GeeArrayList* items) {
    return gobj::GeeArray<T>::wrap(items);
}

std::string upper(const std::string& text) { return gobj::take_string(g_utf8_strup(text.c_str(), -1)); }

std::string stripped(std::string text) {
    gchar* copy = g_strdup(text.c_str());
    std::string out = g_strstrip(copy);
    g_free(copy);
    return out;
}

const char* deferral(bool initially_deferred) {
    return initially_deferred ? "INITIALLY DEFERRED" : "INITIALLY IMMEDIATE";
}

// The firing state letter of triggers and rules: apply text and whether it fires.
struct Firing {
    const char* apply;
    bool enable;
};
std::optional<Firing> firing(const std::string& letter) {
    if (letter == "O") return Firing{"ORIGIN", true};
    if (letter == "D") return Firing{"DISABLED", false};
    if (letter == "R") return Firing{"REPLICA", true};
    if (letter == "A") return Firing{"ALWAYS", true};
    return std::nullopt;
}

// A property text as read through its getter, "" for NULL.
std::string text_of(const char* text) { return text ? text : ""; }

std::string without_line_breaks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

// The trigger columns both trigger readers share (the columns of triggers_query).
void read_trigger(const CatalogRows::Row& row, MetaTrigger& trigger) {
    auto parts = postgresql::parse_trigger_definition(row.text("definition"));
    trigger.set_body(parts.body.c_str());
    trigger.set_for_each(stripped(row.text("for_each")).c_str());
    trigger.set_timing(row.text("fire_time").c_str());
    // Names as DDL takes them: the builders write them as they are.
    if (row.is_text("referenced_table"))
        trigger.set_refer_table(
            Sql::printed(row.text("referenced_table_schema"), row.text("referenced_table")).c_str());
    if (row.boolean("is_deferrable")) trigger.set_deferrable(deferral(row.boolean("is_deferred")));
    trigger.set_function(Sql::printed(row.text("function_schema"), row.text("function_name")).c_str());
    if (parts.arguments) trigger.set_arguments(parts.arguments->c_str());
    trigger.set_constraint(row.integer_or_zero("tgconstraint") > 0);
    trigger.set_when(parts.when.c_str());
    trigger.set_comment(row.text("comment").c_str());
    if (auto f = firing(row.text("enabled"))) {
        trigger.set_apply(f->apply);
        trigger.set_enable(f->enable);
    }
    if (auto columns = row.text("update_columns"); !columns.empty()) trigger.set_columns(columns.c_str());
    if (auto events = row.text("event_manipulation"); !events.empty()) trigger.set_event(events.c_str());
}

const char* mode_word(const std::string& letter) {
    if (letter == "i") return "IN";
    if (letter == "o") return "OUT";
    if (letter == "b") return "INOUT";
    if (letter == "t") return "TABLE";
    if (letter == "v") return "VARIADIC";
    return "";
}

bool input_mode(const std::string& letter) { return letter == "i" || letter == "b" || letter == "v"; }

}  // namespace

gobj::Ref<PostgreSQLAdapterV11x> PostgreSQLAdapterV11x::create(GType type, CConnection* connection) {
    return create_linked<PostgreSQLAdapterV11x>(type, connection);
}

namespace {
using IInspectableSlots = TarvelinRezezadovuContractsDatabaseIInspectableInterface;
}  // namespace

CatalogRows PostgreSQLAdapterV11x::query(const std::string& sql) {
    return CatalogRows(PostgreSQLConnection::model_of(*this, sql));
}

std::string PostgreSQLAdapterV11x::server_version() { return PostgreSQLConnection::version_of(*this); }

dialect::ObjectRows PostgreSQLAdapterV11x::rows_of(const std::string& schema, const std::string& key,
                                                   std::string_view kind, std::string_view key_column,
                                                   const std::function<std::string()>& one,
                                                   const std::function<std::string()>& all) {
    return dialect::SchemaRows::of(
        reading_.get(), schema, key, kind, key_column, [&] { return query(one()); }, [&] { return query(all()); });
}

dialect::ObjectRows PostgreSQLAdapterV11x::table_rows(MetaTable& table, std::string_view kind,
                                                      std::string_view key_column, const TableQuery& sql) {
    const std::string name = text_of(table.get_name());
    return rows_of(
        text_of(table.get_schema()), name, kind, key_column, [&] { return sql(name); },
        [&] { return sql(std::nullopt); });
}

std::map<std::string, std::string> PostgreSQLAdapterV11x::type_names(const std::string& schema,
                                                                     const std::vector<std::string>& oids) {
    std::map<std::string, std::string> names;
    if (reading_ && reading_->schema() == schema) {
        auto all = [&] { return query(postgresql::schema_type_names_query(schema)); };
        for (const auto& oid : oids)
            for (auto found : reading_->rows("type_names", oid, "oid", all)) names[oid] = found.text("tname");
    } else if (auto sql = postgresql::type_names_query(oids); !sql.empty()) {
        for (auto found : query(sql)) names[found.text("oid")] = found.text("tname");
    }
    return names;
}

Text PostgreSQLAdapterV11x::get_full_action_name(const char* action) {
    if (!TARVELIN_GIVEN(action)) return {};
    std::string code(action);
    if (code == "a") return "NO ACTION";
    if (code == "c") return "CASCADE";
    if (code == "d") return "SET DEFAULT";
    if (code == "n") return "SET NULL";
    if (code == "r") return "RESTRICT";
    return std::string();
}

// ---------------------------------------------------------------- dispatch by kind

void PostgreSQLAdapterV11x::fill_meta_object(MetaObject* meta_object, bool deep) {
    if (!TARVELIN_GIVEN(meta_object)) return;
    gpointer object = meta_object->gobj();
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return fill_meta_database(gobj::checked_cast<MetaDatabase>(object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT:
            return fill_meta_event(gobj::checked_cast<MetaEvent>(object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
            return fill_meta_function(gobj::checked_cast<MetaFunction>(object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX:
            return fill_meta_index(gobj::checked_cast<MetaIndex>(object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE:
            return fill_meta_role(gobj::checked_cast<MetaRole>(object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return fill_meta_schema(gobj::checked_cast<MetaSchema>(object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return fill_meta_table(gobj::checked_cast<MetaTable>(object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return fill_meta_trigger(gobj::checked_cast<MetaTrigger>(object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER:
            return fill_meta_user(gobj::checked_cast<MetaUser>(object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return fill_meta_view(gobj::checked_cast<MetaView>(object));
        default:
            return;
    }
}

// ---------------------------------------------------------------- databases and schemas

void PostgreSQLAdapterV11x::fill_meta_database(MetaDatabase* database, bool deep) {
    if (!TARVELIN_GIVEN(database)) return;
    auto schemas = list<MetaSchema>(database->get_schemas());
    auto descend_all = [&] {
        for (auto schema : schemas) fill_meta_schema(schema.get(), true);
    };
    if (filled(*database)) {
        if (deep) descend_all();
        return;
    }
    const std::string name = text_of(database->get_name());
    auto props = query(postgresql::database_query(name));
    if (!TARVELIN_REQUIRE(props.size() == 1, "result.size() == 1")) return;
    auto attrs = attributes(*database);
    static constexpr std::pair<const char*, const char*> kAttributes[] = {
        {"owner", "OWNER"},           {"charset", "ENCODING"},
        {"datcollate", "LC_COLLATE"}, {"datctype", "LC_CTYPE"},
        {"datistemplate", "IS_TEMPLATE"}, {"datallowconn", "ALLOW_CONNECTIONS"},
        {"datconnlimit", "CONNECTION LIMIT"}, {"spcname", "TABLESPACE"}};
    for (const auto& [column, key] : kAttributes) attrs.set(key, props.text(0, column));
    database->set_comment(props.text(0, "description").c_str());

    std::string list_text;
    for (auto row : query(postgresql::extensions_query()))
        list_text += (list_text.empty() ? "" : ",") + row.text("extname") + "=" + row.text("extversion");
    attrs.set("EXTENSION", list_text);

    for (auto row : query(postgresql::schemas_query(name))) database->append(row.text("schema_name").c_str());

    if (deep) descend_all();
    mark_filled(*database);
}

void PostgreSQLAdapterV11x::fill_meta_schema(MetaSchema* schema, bool deep) {
    if (!TARVELIN_GIVEN(schema)) return;
    if (filled(*schema)) {
        if (deep) descend(*schema);
        return;
    }
    auto owner = query(postgresql::schema_owner_query(text_of(schema->get_database()), text_of(schema->get_name())));
    if (!owner.empty()) {
        attributes(*schema).set("OWNER", owner.text(0, "schema_owner"));
        if (owner.has("comment")) schema->set_comment(owner.text(0, "comment").c_str());
    }
    read_schema_lists(*schema);
    if (deep) descend(*schema);
    mark_filled(*schema);
}

void PostgreSQLAdapterV11x::read_schema_lists(MetaSchema& schema) {
    const std::string database = text_of(schema.get_database()), name = text_of(schema.get_name());

    for (auto row : query(postgresql::schema_tables_query(database, name))) {
        std::string relation = row.text("table_name"), type = row.text("table_type");
        if (type == "BASE TABLE")
            list<MetaTable>(schema.get_tables())
                .append(MetaTable::create_with_names(MetaTable::gtype(), database.c_str(), name.c_str(),
                                                     relation.c_str()));
        else if (type == "VIEW")
            list<MetaView>(schema.get_views())
                .append(MetaView::create_with_names(MetaView::gtype(), database.c_str(), name.c_str(),
                                                    relation.c_str()));
    }

    for (auto row :
         query(postgresql::schema_routines_query(name, !postgresql::before_routine_kinds(server_version())))) {
        auto routine = MetaFunction::create_with_names(MetaFunction::gtype(), database.c_str(), name.c_str(),
                                                       row.text("proname").c_str());
        routine->set_is_function(row.text("prokind") != "p");
        list<MetaFunction>(routine->get_is_function() ? schema.get_functions() : schema.get_procedures()).append(routine);
    }

    for (auto row : query(postgresql::schema_materialized_query(name))) {
        auto view = Materialized::create_with_names(Materialized::gtype(), database.c_str(), name.c_str(),
                                                    row.text("mviewname").c_str());
        attributes(*view).set("OWNER", row.text("mviewowner"));
        view->set_table_space(row.text("tablespace").c_str());
        view->set_definition(row.text("definition").c_str());
        view->set_comment(row.text("comment").c_str());
        mark_filled(*view);
        list<Materialized>(schema.get_miews()).append(view);
    }
}

void PostgreSQLAdapterV11x::descend(MetaSchema& schema) {
    dialect::SchemaReading reading(reading_, text_of(schema.get_name()));
    for (auto table : list<MetaTable>(schema.get_tables())) fill_meta_table(table.get(), true);
    for (auto view : list<MetaView>(schema.get_views())) fill_meta_view(view.get());
    for (auto function : list<MetaFunction>(schema.get_functions())) fill_meta_function(function.get());
}

void PostgreSQLAdapterV11x::fill_meta_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return;
    if (filled(*view)) return;
    const std::string schema = text_of(view->get_schema()), name = text_of(view->get_name());
    auto rows = rows_of(
        schema, name, "views", "view_name", [&] { return postgresql::view_query(schema, name); },
        [&] { return postgresql::view_query(schema, std::nullopt); });
    if (!TARVELIN_REQUIRE(rows.size() >= 1, "result.size() >= 1")) return;
    auto row = rows[0];
    if (auto options = stripped(postgresql::without_braces(row.text("options"))); !options.empty())
        attributes(*view).set("WITH_OPTION", options);
    attributes(*view).set("OWNER", row.text("viewowner"));
    view->set_comment(row.text("description").c_str());
    view->set_definition(row.text("definition").c_str());
    mark_filled(*view);
}

// ---------------------------------------------------------------- tables

void PostgreSQLAdapterV11x::fill_meta_table(MetaTable* table, bool deep) {
    if (!TARVELIN_GIVEN(table)) return;
    if (filled(*table)) return;
    fill_schema_table_columns(*table);
    fill_schema_table_primary(*table);
    if (deep) {
        fill_schema_table_index(*table);
        fill_schema_table_trigger(*table);
        fill_schema_table_check(table);
        fill_schema_table_foreign(table);
        fill_schema_table_unique(table);
        fill_schema_table_exclude(*table);
        fill_schema_table_rule(*table);
        fill_schema_table_options(table);
    }
    mark_filled(*table);
}

void PostgreSQLAdapterV11x::fill_schema_table_columns(MetaTable& table) {
    const std::string schema = text_of(table.get_schema());
    const std::string name = text_of(table.get_name());
    auto rows = rows_of(
        schema, name, "columns", "table_name", [&] { return postgresql::columns_query(schema, name); },
        [&] { return postgresql::schema_columns_query(schema); });
    if (rows.empty()) return;
    auto inspector = PostgreSQLConnection::inspector_of(*this);
    std::string previous;
    std::vector<Identity> identities;
    bool calls_sequence = false, uses_types = false;
    for (auto row : rows) {
        const std::string type = row.text("col_type"), name = row.text("column_name");
        DataType data_type = inspector ? gobj::call<&IInspectableSlots::get_data_type>(inspector, type)
                                       : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        auto column = table.new_column(name.c_str(), data_type);
        // The type as DDL takes it: a built-in one with its modifiers (character
        // varying(20), timestamp(0) without time zone, numeric(10,2), interval day to
        // second(3), integer[]), a domain, an enum and an array of one by their
        // qualified names.
        std::string raw = type;
        // Types whose length, precision or scale the column keeps apart stay bare, so that
        // an edited length is written.
        auto given = [&](const char* c) { return row.has(c) ? row.text(c) : std::string(); };
        const std::string domain = given("domain_name"), type_schema = given("type_schema");
        uses_types = uses_types || !domain.empty() ||
                     ((type == "ARRAY" || type == "USER-DEFINED") && !type_schema.empty() && type_schema != "pg_catalog");
        if (!domain.empty())
            raw = Sql::qualified(row.text("domain_schema"), domain);
        else if (type == "ARRAY" && row.is_text("elem_name") && row.text("elem_schema") != "pg_catalog")
            raw = Sql::qualified(row.text("elem_schema"), row.text("elem_name")) + "[]";
        else if (type == "USER-DEFINED" && row.is_text("udt_name") && row.text("udt_schema") != "pg_catalog")
            raw = Sql::qualified(row.text("udt_schema"), row.text("udt_name"));
        else if (type_schema == "pg_catalog" && !postgresql::sized_apart(type) && !given("type_text").empty())
            raw = given("type_text");
        column->set_raw_type(raw.c_str());
        column->set_ordinal(static_cast<guint16>(row.integer_or_zero("ordinal_position")));
        if (!previous.empty()) column->set_after(previous.c_str());
        // A numeric column's size is its precision.
        column->set_length(row.integer_or_zero(type == "numeric" ? "numeric_precision" : "character_maximum_length"));
        column->set_scale(static_cast<guint8>(row.integer_or_zero("numeric_scale")));
        // The column's own NOT NULL: a domain's is the domain's (is_nullable holds both).
        column->set_not_null(row.has("not_null") ? row.boolean("not_null") : row.text("is_nullable") == "NO");
        const std::string fallback = row.text("col_default");
        column->set_default_value(fallback.c_str());
        column->set_comment(row.text("comment").c_str());
        std::string collation = row.text("collname"), collation_schema = row.text("collation_schema_name");
        if (!collation.empty() && !collation_schema.empty()) collation = collation_schema + "." + collation;
        column->set_collation(collation.c_str());
        if (row.text("is_identity") == "YES") {
            const std::string generation = row.text("identity_generation");
            column->set_identity(("GENERATED " + generation).c_str());
            column->set_auto_increment(true);
            identities.push_back({column, generation,
                                  {type, row.text("identity_start"), row.text("identity_minimum"),
                                   row.text("identity_maximum"), row.text("identity_increment"),
                                   row.text("identity_cycle")}});
        }
        // A statistics target of its own (the default is -1).
        if (std::string target = given("statistics"); !target.empty() && target != "-1")
            gobj::StringMap::wrap(GEE_MAP(table.get_options())).set(postgresql::statistics_option_key(name), target);
        calls_sequence = calls_sequence || fallback.find("nextval(") != std::string::npos;
        previous = name;
    }
    // Most tables call no sequence: they cost no further query.
    if (calls_sequence || !identities.empty()) read_sequences(table, identities);
    if (uses_types) read_user_types(table);
}

void PostgreSQLAdapterV11x::read_user_types(MetaTable& table) {
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    int position = 0;
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "user_types", "table_name",
                               [&](auto name) { return postgresql::user_types_query(schema, name); })) {
        std::string definition;
        if (row.text("typtype") == "e") {
            definition = "ENUM (" + row.text("labels") + ")";
        } else {
            definition = "DOMAIN " + row.text("base_type");
            if (auto collation = row.text("collation"); !collation.empty()) definition += " COLLATE " + collation;
            if (auto fallback = row.text("default_value"); !fallback.empty()) definition += " DEFAULT " + fallback;
            if (row.boolean("not_null")) definition += " NOT NULL";
            if (auto checks = row.text("checks"); !checks.empty()) definition += " " + checks;
        }
        options.set(postgresql::type_option_key(++position, row.text("type_schema"), row.text("type_name")), definition);
        if (auto comment = row.text("comment"); !comment.empty())
            options.set(postgresql::type_comment_key(row.text("type_schema"), row.text("type_name")), comment);
    }
}

void PostgreSQLAdapterV11x::read_sequences(MetaTable& table, const std::vector<Identity>& identities) {
    const std::string schema = text_of(table.get_schema()), table_name = text_of(table.get_name());
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    std::map<std::string, std::string> identity_sequences;
    for (auto row : table_rows(table, "sequences", "table_name",
                               [&](auto name) { return postgresql::sequences_query(schema, name); })) {
        const std::string name = row.text("column_name"), link = row.text("link");
        auto column = table.get_column(name.c_str());
        if (!column) continue;
        if (link == "i") {
            identity_sequences[name] = row.text("sequence_name");
            continue;
        }
        // A default calling two sequences keeps the first; the owned one comes first.
        const std::string key = postgresql::sequence_option_key(name);
        if (options.get(key)) continue;
        if (link == "a") column->set_auto_increment(true);
        std::string parameters;
        if (row.is_text("data_type"))
            parameters = postgresql::sequence_parameters({row.text("data_type"), row.text("start_value"),
                                                          row.text("minimum_value"), row.text("maximum_value"),
                                                          row.text("increment"), row.text("cycle_option")});
        options.set(key, postgresql::sequence_option(schema, row.text("sequence_schema"), row.text("sequence_name"),
                                                     parameters));
    }
    // A default that names its sequence as text (nextval(('s'::text)::regclass), the
    // older form) leaves the server no link to it: the sequence is found by its name.
    std::vector<std::pair<std::string, std::string>> named;
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> callers;
    for (auto column : list<MetaColumn>(table.get_columns())) {
        const std::string name = text_of(column->get_name());
        if (options.get(postgresql::sequence_option_key(name))) continue;
        auto called = postgresql::sequence_called(text_of(column->get_default_value()));
        if (!called) continue;
        std::pair<std::string, std::string> key{called->schema.empty() ? schema : called->schema, called->name};
        if (callers[key].empty()) named.push_back(key);
        callers[key].push_back(name);
    }
    auto take = [&](const CatalogRows::Row& row) {
        const std::string sequence_schema = row.text("sequence_schema"), sequence = row.text("sequence_name");
        const std::string parameters = postgresql::sequence_parameters(
            {row.text("data_type"), row.text("start_value"), row.text("minimum_value"), row.text("maximum_value"),
             row.text("increment"), row.text("cycle_option")});
        for (const auto& name : callers[{sequence_schema, sequence}])
            options.set(postgresql::sequence_option_key(name),
                        postgresql::sequence_option(schema, sequence_schema, sequence, parameters));
    };
    if (!named.empty() && reading_ && reading_->schema() == schema) {
        // A deep read asks for every sequence once; the rows come in the order the query
        // for one table gives them.
        std::sort(named.begin(), named.end());
        auto all = [&] { return query(postgresql::every_sequence_query()); };
        for (const auto& [sequence_schema, sequence] : named)
            for (auto row : reading_->rows("named_sequences", sequence, "sequence_name", all))
                if (row.text("sequence_schema") == sequence_schema) take(row);
    } else if (!named.empty()) {
        for (auto row : query(postgresql::named_sequences_query(named))) take(row);
    }
    for (const auto& identity : identities) {
        const std::string name = text_of(identity.column->get_name());
        auto sequence = identity_sequences.find(name);
        identity.column->set_identity(
            postgresql::identity_text(identity.generation, table_name, name,
                                   sequence == identity_sequences.end() ? std::string() : sequence->second,
                                   identity.parameters)
                .c_str());
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_primary(MetaTable& table) {
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "primary", "table_name",
                               [&](auto name) { return postgresql::primary_query(schema, name); })) {
        auto column = table.get_column(row.text("column_name").c_str());
        if (!column) continue;
        // A name of its own; the server's default one (<table>_pkey) follows the table, so
        // that a copy under another name gets its own.
        if (row.has("constraint_name") && row.text("constraint_name") != text_of(table.get_name()) + "_pkey")
            gobj::StringMap::wrap(GEE_MAP(table.get_options())).set(postgresql::primary_name_key(), row.text("constraint_name"));
        column->set_is_primary_key(true);
        column->set_primary_ordinal(static_cast<guint8>(row.integer_or_zero("ordinal_position")));
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_index(MetaTable& table) {
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "indexes", "table_name",
                               [&](auto name) { return postgresql::table_indexes_query(schema, name); })) {
        if (row.boolean("is_primary")) continue;
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                  table.get_name(), row.text("index_name").c_str());
        list<MetaIndex>(table.get_indexes()).append(index);
        index->set_method(upper(row.text("index_type")).c_str());
        if (row.is_boolean("is_unique")) index->set_kind(row.boolean("is_unique") ? "UNIQUE" : "");
        std::string include;
        const auto oid = static_cast<guint64>(row.integer_or_zero("oid"));
        auto keys = rows_of(
            schema, std::to_string(oid), "index_keys", "index_oid",
            [&] { return postgresql::table_index_keys_query(oid); },
            [&] { return postgresql::schema_index_keys_query(schema); });
        for (auto key : keys) {
            std::string text = key.text("column_definition");
            if (key.boolean("included")) {
                include += (include.empty() ? "" : ", ") + Sql::printed(text);
                continue;
            }
            if (auto collation = key.text("column_collation"); !collation.empty()) text += " COLLATE " + collation;
            if (auto klass = key.text("column_class"); !klass.empty()) text += " " + klass;
            if (auto order = key.text("column_order"); !order.empty()) text += " " + order;
            index->append(text.c_str());
        }
        index->set_include(include.c_str());
        // A partial index's predicate.
        index->set_where(row.text("constraint").c_str());
        index->set_with(postgresql::without_braces(row.text("reloptions")).c_str());
        index->set_comment(row.text("comment").c_str());
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_trigger(MetaTable& table) {
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "triggers", "trigger_table_name",
                               [&](auto name) { return postgresql::triggers_query(schema, name); })) {
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), row.text("trigger_name").c_str(), "");
        list<MetaTrigger>(table.get_triggers()).append(trigger);
        read_trigger(row, *trigger);
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_rule(MetaTable& table) {
    static const std::map<std::string, const char*> kEvents = {
        {"1", "SELECT"}, {"2", "UPDATE"}, {"3", "INSERT"}, {"4", "DELETE"}};
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "rules", "relname",
                               [&](auto name) { return postgresql::rules_query(schema, name); })) {
        auto rule = MetaRule::create_with_name(MetaRule::gtype(), row.text("rulename").c_str());
        if (auto e = kEvents.find(row.text("ev_type")); e != kEvents.end()) rule->set_event(e->second);
        rule->set_action(row.boolean("is_instead") ? "INSTEAD" : "ALSO");
        if (auto f = firing(row.text("ev_enabled"))) {
            rule->set_apply(f->apply);
            rule->set_enable(f->enable);
        }
        auto parts = postgresql::parse_rule_definition(without_line_breaks(row.text("definition")));
        if (parts.where) rule->set_where(parts.where->c_str());
        if (parts.commands) rule->set_commands(parts.commands->c_str());
        rule->set_comment(row.text("comment").c_str());
        list<MetaRule>(table.get_rules()).append(rule);
    }
}

// ---------------------------------------------------------------- constraints and options

gobj::Ref<MetaTable> PostgreSQLAdapterV11x::fill_schema_table_check(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_checks(t); });
}

gobj::Ref<MetaTable> PostgreSQLAdapterV11x::fill_schema_table_foreign(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_foreign_keys(t, true); });
}

gobj::Ref<MetaTable> PostgreSQLAdapterV11x::fill_schema_table_unique(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_uniques(t); });
}

gobj::Ref<MetaTable> PostgreSQLAdapterV11x::fill_schema_table_options(MetaTable* table) {
    return read_into(table, [&](MetaTable& t) { read_options(t, false); });
}

void PostgreSQLAdapterV11x::read_checks(MetaTable& table) {
    auto constraints = list<MetaConstraint>(table.get_constraints());
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "checks", "tablename",
                               [&](auto name) { return postgresql::constraints_query(schema, name, 'c', true); })) {
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), row.text("conname").c_str(),
                                                 row.text("consrc").c_str());
        constraints.append(check);
        if (row.boolean("condeferrable")) check->set_deferrable(deferral(row.boolean("condeferred")));
        check->set_comment(row.text("comment").c_str());
        check->set_no_inherit(row.boolean("connoinherit"));
    }
}

void PostgreSQLAdapterV11x::read_foreign_keys(MetaTable& table, bool with_check_source) {
    auto constraints = list<MetaConstraint>(table.get_constraints());
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "foreign_keys", "tablename", [&](auto name) {
             return postgresql::constraints_query(schema, name, 'f', with_check_source);
         })) {
        auto key = MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), row.text("conname").c_str(),
                                                     row.text("foreign_schema").c_str(),
                                                     row.text("foreign_table").c_str());
        std::string match = row.text("confmatchtype");
        key->set_match_method(match == "f" ? "FULL" : match == "p" ? "PARTIAL" : match == "u" ? "SIMPLE" : "NONE");
        key->set_update_action(get_full_action_name(row.text("confupdtype").c_str()).value_or("").c_str());
        key->set_delete_action(get_full_action_name(row.text("confdeltype").c_str()).value_or("").c_str());
        key->set_local_columns(row.text("local_columns").c_str());
        key->set_refer_columns(row.text("refer_columns").c_str());
        constraints.append(key);
    }
}

void PostgreSQLAdapterV11x::read_uniques(MetaTable& table) {
    auto constraints = list<MetaConstraint>(table.get_constraints());
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "uniques", "tablename",
                               [&](auto name) { return postgresql::uniques_query(schema, name); })) {
        auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), row.text("conname").c_str());
        constraints.append(unique);
        if (row.boolean("condeferrable")) unique->set_deferrable(deferral(row.boolean("condeferred")));
        unique->set_columns(row.text("key_columns").c_str());
        unique->set_comment(row.text("comment").c_str());
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_exclude(MetaTable& table) {
    auto constraints = list<MetaConstraint>(table.get_constraints());
    const std::string schema = text_of(table.get_schema());
    for (auto row : table_rows(table, "exclusions", "table_name",
                               [&](auto name) { return postgresql::exclusions_query(schema, name); })) {
        auto exclude = MetaExclude::create_with_name(MetaExclude::gtype(), row.text("conname").c_str());
        constraints.append(exclude);
        if (row.boolean("condeferrable")) exclude->set_deferrable(deferral(row.boolean("condeferred")));
        exclude->set_with(postgresql::without_braces(row.text("reloptions")).c_str());
        auto parts = postgresql::parse_exclusion_definition(row.text("con_ddl"));
        if (parts.method) exclude->set_index_method(parts.method->c_str());
        if (parts.elements) exclude->set_elements(parts.elements->c_str());
        exclude->set_comment(row.text("comment").c_str());
    }
}

void PostgreSQLAdapterV11x::read_options(MetaTable& table, bool with_oids) {
    const std::string schema = text_of(table.get_schema());
    auto rows = table_rows(table, "options", "tablename",
                           [&](auto name) { return postgresql::options_query(schema, name, with_oids); });
    if (rows.empty()) return;
    // 9.x has relhasoids and no partition columns.
    auto row = rows[0];
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    options.set("OWNER", row.text("tableowner"));
    table.set_comment(row.text("description").c_str());
    if (with_oids) options.set("WITH_OIDS", row.text("hasoids"));
    if (auto param = postgresql::without_braces(row.text("param")); !param.empty()) options.set("WITH_ARGUMENTS", param);
    if (auto space = row.text("tablespace"); !space.empty()) options.set("TABLESPACE", space);
    std::string persistence = row.text("unlogged");
    options.set("FLAG", persistence == "u" ? "UNLOGGED" : persistence == "t" ? "TEMPORARY" : "PERMANENT");
    bool partition = !with_oids && row.boolean("relispartition");
    if (!with_oids) options.set("PARTITION", row.text("relispartition"));
    // A partition's parent is its partitioned table, not an INHERITS parent.
    if (std::string parent = row.text("inhtablename"); !parent.empty() && !partition)
        options.set("INHERITS", Sql::qualified(row.text("inhschemaname"), parent));
}

// ---------------------------------------------------------------- indexes, triggers, routines

void PostgreSQLAdapterV11x::fill_meta_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return;
    if (filled(*index)) return;
    auto rows = query(postgresql::index_query(text_of(index->get_schema()), text_of(index->get_name())));
    if (!TARVELIN_REQUIRE(rows.size() >= 1, "result.size() >= 1")) return;
    auto row = rows[0];
    index->set_method(upper(row.text("index_type")).c_str());
    if (row.is_boolean("is_unique")) index->set_kind(row.boolean("is_unique") ? "UNIQUE" : "");
    index->set_is_clustered(row.boolean("is_clustered"));
    index->set_table_space(row.text("tablespace_name").c_str());
    index->set_with(postgresql::without_braces(row.text("reloptions")).c_str());
    index->set_comment(row.text("comment").c_str());

    // Each key with its own collation and operator class, and its order where the access
    // method orders.
    std::vector<std::string> texts;
    for (auto key : query(postgresql::index_keys_query(static_cast<guint64>(row.integer_or_zero("oid"))))) {
        std::string text = key.text("column_definition");
        if (auto collation = key.text("collation_name"); !collation.empty())
            text += " COLLATE " + Sql::printed(key.text("collation_schema"), collation);
        if (auto klass = key.text("class_name"); !klass.empty())
            text += " " + Sql::printed(key.text("class_schema"), klass);
        if (auto order = key.text("corder"); !order.empty()) text += " " + order + " NULLS " + key.text("nulls_order");
        texts.push_back(std::move(text));
    }
    for (const auto& text : texts) index->append(text.c_str());
    mark_filled(*index);
}

void PostgreSQLAdapterV11x::fill_meta_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return;
    if (filled(*trigger)) return;
    auto rows = query(postgresql::trigger_query(text_of(trigger->get_schema()), text_of(trigger->get_name())));
    if (!TARVELIN_REQUIRE(rows.size() >= 1, "result.size() >= 1")) return;
    static const std::map<std::string, const char*> kKinds = {{"r", "TABLE"},
                                                              {"m", "MATERIALIZED VIEW"},
                                                              {"f", "FOREIGN TABLE"},
                                                              {"p", "PARTITIONED TABLE"},
                                                              {"v", "VIEW"}};
    auto row = rows[0];
    trigger->set_target(row.text("trigger_table_name").c_str());
    if (auto kind = kKinds.find(row.text("trigger_table_type")); kind != kKinds.end()) trigger->set_kind(kind->second);
    read_trigger(row, *trigger);
    mark_filled(*trigger);
}

void PostgreSQLAdapterV11x::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    if (filled(*function)) return;
    const bool kinds = !postgresql::before_routine_kinds(server_version());
    const std::string schema = text_of(function->get_schema()), name = text_of(function->get_name());
    auto rows = rows_of(
        schema, name, "routines", "routine_name", [&] { return postgresql::routine_query(schema, name, kinds); },
        [&] { return postgresql::routine_query(schema, std::nullopt, kinds); });
    if (!TARVELIN_REQUIRE(rows.size() >= 1, "result.size() >= 1")) return;
    auto row = rows[0];
    auto attrs = attributes(*function);
    function->set_is_function(row.text("prokind") != "p");
    attrs.set("OWNER", row.text("funcowner"));
    function->set_return_type(Sql::printed(row.text("rettypeschema"), row.text("rettypname")).c_str());
    attrs.set("LANGUAGE", row.text("lang"));
    attrs.set("EXTERNAL SECURITY", row.boolean("securitydefiner") ? "DEFINER" : "INVOKER");
    attrs.set("RESULT SET", row.text("returnset"));
    std::string volatility = row.text("volatile");
    if (volatility == "i") attrs.set("RESULT DEPEND", "IMMUTABLE");
    if (volatility == "s") attrs.set("RESULT DEPEND", "STABLE");
    if (volatility == "v") attrs.set("RESULT DEPEND", "VOLATILE");
    function->set_body(row.text("definition").c_str());
    function->set_comment(row.text("comment").c_str());

    const auto names = postgresql::parse_array(row.text("paramnames"));
    auto modes = postgresql::parse_array(row.text("parammodes"));
    auto types = postgresql::parse_array(row.text("paramalltypes"));
    const auto defaults = postgresql::split_top_level(row.text("defaultvalues"));
    // Without OUT-like parameters the server leaves modes and all-types empty: every
    // parameter is IN and its type is in proargtypes.
    if (types.empty()) types = postgresql::split_words(row.text("paramtypes"));
    if (modes.empty()) modes.assign(types.size(), "i");

    const auto type_names = this->type_names(schema, types);

    // Defaults belong to the last input parameters.
    const size_t count = std::max(names.size(), types.size());
    std::vector<std::optional<std::string>> given(count);
    size_t pending = defaults.size();
    for (size_t k = count; k-- > 0 && pending > 0;)
        if (k < modes.size() && input_mode(modes[k])) given[k] = defaults[--pending];

    auto parameters = gobj::StringArray::wrap(function->get_parameters());
    for (size_t k = 0; k < count; ++k) {
        std::string text;
        if (k < modes.size()) text += std::string(mode_word(modes[k])) + " ";
        if (k < names.size() && !names[k].empty()) text += Sql::printed(names[k]) + " ";
        if (k < types.size()) {
            auto name = type_names.find(types[k]);
            text += (name == type_names.end() ? std::string() : name->second) + " ";
        }
        if (given[k]) text += "= " + *given[k] + " ";
        if (!text.empty()) text.pop_back();
        parameters.append(text);
    }
    mark_filled(*function);
}

// ---------------------------------------------------------------- roles and users

const std::array<std::pair<const char*, const char*>, 12> PostgreSQLAdapterV11x::PRIVILEGE_SIMPLE = {{
    {"r", "SELECT"},
    {"a", "INSERT"},
    {"w", "UPDATE"},
    {"d", "DELETE"},
    {"D", "TRUNCATE"},
    {"x", "REFERENCES"},
    {"t", "TRIGGER"},
    {"C", "CREATE"},
    {"c", "CONNECT"},
    {"T", "TEMPORARY"},
    {"X", "EXECUTE"},
    {"U", "USAGE"},
}};

void PostgreSQLAdapterV11x::fill_meta_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    fill_account(*user, GEE_MAP(user->get_relations()), GEE_MAP(user->get_privileges()),
                 [&](const std::string& password) { user->set_password(password.c_str()); });
}

void PostgreSQLAdapterV11x::fill_meta_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return;
    fill_account(*role, GEE_MAP(role->get_relations()), GEE_MAP(role->get_privileges()),
                 [&](const std::string& password) { role->set_password(password.c_str()); });
}

void PostgreSQLAdapterV11x::fill_account(MetaObject& account, GeeMap* relations, GeeMap* privileges,
                                         const std::function<void(const std::string&)>& set_password) {
    if (filled(account)) return;
    const std::string name = text_of(account.get_name());
    auto statement = PostgreSQLConnection::statement_of(*this);
    std::string detail = statement ? gobj::call<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_user_detail>(
                                         statement, text_of(account.get_database()), text_of(account.get_schema()), name)
                                   : std::string();
    auto rows = query(detail);
    if (!rows.empty()) {
        auto row = rows[0];
        auto attrs = attributes(account);
        static constexpr std::pair<const char*, const char*> kFlags[] = {
            {"oids", "OID"},
            {"rolsuper", "SUPER_USER"},
            {"rolinherit", "INHERIT"},
            {"rolcreaterole", "CREATE_ROLE"},
            {"rolcreatedb", "CREATE_DATABASE"},
            {"rolbypassrls", "BYPASS"},
            {"rolreplication", "REPLICATION"},
            {"rolcanlogin", "LOGIN"},
            {"rolconnlimit", "CONNECTION_LIMIT"},
        };
        for (const auto& [column, key] : kFlags) attrs.set(key, row.text(column));
        set_password(row.text("rolpassword"));
        std::string until;
        if (auto cell = row.cell("rolvaliduntil");
            cell && G_TYPE_CHECK_INSTANCE_TYPE(cell.gobj(), providers::contracts::ValueDateTime::gtype()))
            until = static_cast<providers::contracts::ValueDateTime*>(cell.get())->format("%Y-%m-%d").value_or("");
        attrs.set("VALID_UNTIL", until);
        attrs.set("COMMENT", row.text("comment"));
    }

    auto relation_map = gobj::StringMap::wrap(relations);
    for (auto row : query(postgresql::memberships_query(name)))
        relation_map.set(row.text("role") + "=" + row.text("member_name"), row.text("admin_option"));

    // Key of a row of each privilege query (in their order), and the access-list column.
    using Row = CatalogRows::Row;
    using KeyOf = std::function<std::string(const Row&)>;
    auto first = [](const char* kind, const char* column) {
        return KeyOf([kind, column](const Row& row) { return std::string(kind) + row.text(column); });
    };
    const std::pair<KeyOf, const char*> readers[] = {
        {first("DATABASE=", "name"), "acl"},
        {first("TABLESPACE=", "spcname"), "spcacl"},
        {first("SCHEMA=", "name"), "acl"},
        {[](const Row& row) {
             return std::string(row.text("relkind") == "S" ? "SEQUENCE=" : "TABLE=") + row.text("nspname") + "." +
                    row.text("relname");
         },
         "relacl"},
        {[](const Row& row) {
             return "COLUMN=" + row.text("nspname") + "." + row.text("relname") + "." + row.text("attname");
         },
         "attacl"},
        {[](const Row& row) {
             std::string kind = row.text("prokind");
             return std::string(kind == "a" ? "AGGREGATE=" : kind == "p" ? "PROCEDURE=" : "FUNCTION=") +
                    row.text("nspname") + "." + row.text("proname");
         },
         "proacl"},
        {first("LANGUAGE=", "lanname"), "lanacl"},
        {first("FOREIGN SERVER=", "name"), "acl"},
        {first("FOREIGN DATA WRAPPER=", "name"), "acl"},
    };
    auto queries = postgresql::privilege_queries(name, !postgresql::before_routine_kinds(server_version()));
    auto privilege_map = gobj::StringMap::wrap(privileges);
    for (size_t q = 0; q < queries.size(); ++q) {
        const auto& [key_of, acl] = readers[q];
        for (auto row : query(queries[q])) {
            std::string rights = extract_and_translate_privilege(row.text(acl).c_str(), name.c_str()).value_or("");
            if (!rights.empty()) privilege_map.set(key_of(row), rights);
        }
    }
    mark_filled(account);
}

Text PostgreSQLAdapterV11x::extract_and_translate_privilege(const char* privileges, const char* username) {
    if (!TARVELIN_GIVEN(privileges, username)) return {};
    std::string list = privileges;
    if (list.empty() || list.front() != '{') list = "{" + list + "}";
    const std::string prefix = postgresql::acl_name(username) + "=";
    std::string letters;
    bool found = false;
    for (const auto& item : postgresql::parse_array(list)) {
        if (!item.starts_with(prefix)) continue;
        letters = item.substr(prefix.size(), item.find('/', prefix.size()) - prefix.size());
        found = true;
        break;
    }
    if (!found || letters.empty()) return std::string();
    std::string out;
    for (const auto& [letter, privilege] : PRIVILEGE_SIMPLE) {
        size_t at = letters.find(letter);
        if (at == std::string::npos) continue;
        out += std::string(privilege) + (at + 1 < letters.size() && letters[at + 1] == '*' ? "=true," : "=false,");
    }
    if (!out.empty()) out.pop_back();
    return out;
}

}  // namespace tarvelin::rezezadovu::supports::database
