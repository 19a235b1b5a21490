#include "rezezadovu/supports/database/postgresql/adapter.hpp"

#include <algorithm>
#include <map>

#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"
#include "rezezadovu/supports/database/postgresql/connection.hpp"

TARVELIN_LOG_TAG("postgres_adapter")

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using Text = PostgreSQLAdapterV11x::Text;

TARVELIN_GTYPE(PostgreSQLAdapterV11x, "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x", Adapter)

// ---------------------------------------------------------------- catalogue results

CatalogResult::CatalogResult(gobj::Ref<TableModel> model) : model_(std::move(model)) {
    rows_ = model_ ? static_cast<int>(g_list_model_get_n_items(G_LIST_MODEL(model_.gobj()))) : 0;
}

gobj::Ref<ValueObject> CatalogResult::cell(int row, int column) const {
    return model_ ? model_->get_value_at(column, row) : gobj::Ref<ValueObject>();
}

std::string CatalogResult::text(int row, int column) const {
    auto v = cell(row, column);
    return v ? v->to_string() : std::string();
}

bool CatalogResult::is_boolean(int row, int column) const {
    auto v = cell(row, column);
    return v && G_TYPE_CHECK_INSTANCE_TYPE(v.gobj(), providers::contracts::ValueBoolean::gtype());
}

bool CatalogResult::boolean(int row, int column) const {
    auto v = cell(row, column);
    if (!v) return false;
    GValue value = G_VALUE_INIT;
    v->to_value(&value);
    bool truth = G_VALUE_HOLDS_BOOLEAN(&value) && g_value_get_boolean(&value);
    if (G_IS_VALUE(&value)) g_value_unset(&value);
    return truth;
}

std::optional<gint64> CatalogResult::integer(int row, int column) const {
    auto v = cell(row, column);
    if (!v || !G_TYPE_CHECK_INSTANCE_TYPE(v.gobj(), providers::contracts::IInteger::gtype())) return std::nullopt;
    return tarvelin_providers_contracts_iinteger_to_integer(
        reinterpret_cast<TarvelinProvidersContractsIInteger*>(v.gobj()));
}

bool CatalogResult::is_text(int row, int column) const {
    auto v = cell(row, column);
    return v && G_TYPE_CHECK_INSTANCE_TYPE(v.gobj(), providers::contracts::ValueString::gtype());
}

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

// The trigger columns both trigger readers share (positions of triggers_query).
void read_trigger(const CatalogResult& rows, int r, MetaTrigger& trigger) {
    auto parts = postgresql::parse_trigger_definition(rows.text(r, 12));
    trigger.set_body(parts.body.c_str());
    trigger.set_for_each(stripped(rows.text(r, 13)).c_str());
    trigger.set_timing(rows.text(r, 14).c_str());
    // Names as DDL takes them: the builders write them as they are.
    if (rows.is_text(r, 7)) trigger.set_refer_table(postgresql::ddl_name(rows.text(r, 6), rows.text(r, 7)).c_str());
    if (rows.boolean(r, 8)) trigger.set_deferrable(deferral(rows.boolean(r, 9)));
    trigger.set_function(postgresql::ddl_name(rows.text(r, 10), rows.text(r, 11)).c_str());
    if (parts.arguments) trigger.set_arguments(parts.arguments->c_str());
    trigger.set_constraint(rows.integer_or_zero(r, 17) > 0);
    trigger.set_when(parts.when.c_str());
    trigger.set_comment(rows.text(r, 18).c_str());
    if (auto f = firing(rows.text(r, 15))) {
        trigger.set_apply(f->apply);
        trigger.set_enable(f->enable);
    }
    if (auto columns = rows.text(r, 16); !columns.empty()) trigger.set_columns(columns.c_str());
    if (auto events = rows.text(r, 4); !events.empty()) trigger.set_event(events.c_str());
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

CatalogResult PostgreSQLAdapterV11x::query(const std::string& sql) {
    return CatalogResult(PostgreSQLConnection::model_of(*this, sql));
}

std::string PostgreSQLAdapterV11x::server_version() { return PostgreSQLConnection::version_of(*this); }

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
    static constexpr const char* kKeys[] = {"OWNER",     "ENCODING",          "LC_COLLATE",       "LC_CTYPE",
                                            "IS_TEMPLATE", "ALLOW_CONNECTIONS", "CONNECTION LIMIT", "TABLESPACE"};
    for (int c = 0; c < 8; ++c) attrs.set(kKeys[c], props.text(0, c));
    database->set_comment(props.text(0, 8).c_str());

    auto extensions = query(postgresql::extensions_query());
    std::string list_text;
    for (int r = 0; r < extensions.size(); ++r)
        list_text += (list_text.empty() ? "" : ",") + extensions.text(r, 0) + "=" + extensions.text(r, 1);
    attrs.set("EXTENSION", list_text);

    auto names = query(postgresql::schemas_query(name));
    for (int r = 0; r < names.size(); ++r) database->append(names.text(r, 0).c_str());

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
    if (owner.size() > 0) attributes(*schema).set("OWNER", owner.text(0, 0));
    read_schema_lists(*schema);
    if (deep) descend(*schema);
    mark_filled(*schema);
}

void PostgreSQLAdapterV11x::read_schema_lists(MetaSchema& schema) {
    const std::string database = text_of(schema.get_database()), name = text_of(schema.get_name());

    auto relations = query(postgresql::schema_tables_query(database, name));
    for (int r = 0; r < relations.size(); ++r) {
        std::string relation = relations.text(r, 0), type = relations.text(r, 1);
        if (type == "BASE TABLE")
            list<MetaTable>(schema.get_tables())
                .append(MetaTable::create_with_names(MetaTable::gtype(), database.c_str(), name.c_str(),
                                                     relation.c_str()));
        else if (type == "VIEW")
            list<MetaView>(schema.get_views())
                .append(MetaView::create_with_names(MetaView::gtype(), database.c_str(), name.c_str(),
                                                    relation.c_str()));
    }

    auto routines =
        query(postgresql::schema_routines_query(name, !postgresql::before_routine_kinds(server_version())));
    for (int r = 0; r < routines.size(); ++r) {
        auto routine =
            MetaFunction::create_with_names(MetaFunction::gtype(), database.c_str(), name.c_str(), routines.text(r, 0).c_str());
        routine->set_is_function(routines.text(r, 1) != "p");
        list<MetaFunction>(routine->get_is_function() ? schema.get_functions() : schema.get_procedures()).append(routine);
    }

    auto materialized = query(postgresql::schema_materialized_query(name));
    for (int r = 0; r < materialized.size(); ++r) {
        auto view = Materialized::create_with_names(Materialized::gtype(), database.c_str(), name.c_str(),
                                                    materialized.text(r, 2).c_str());
        attributes(*view).set("OWNER", materialized.text(r, 6));
        view->set_table_space(materialized.text(r, 7).c_str());
        view->set_definition(materialized.text(r, 8).c_str());
        view->set_comment(materialized.text(r, 9).c_str());
        mark_filled(*view);
        list<Materialized>(schema.get_miews()).append(view);
    }
}

void PostgreSQLAdapterV11x::descend(MetaSchema& schema) {
    for (auto table : list<MetaTable>(schema.get_tables())) fill_meta_table(table.get(), true);
    for (auto view : list<MetaView>(schema.get_views())) fill_meta_view(view.get());
    for (auto function : list<MetaFunction>(schema.get_functions())) fill_meta_function(function.get());
}

void PostgreSQLAdapterV11x::fill_meta_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return;
    if (filled(*view)) return;
    auto rows = query(postgresql::view_query(text_of(view->get_schema()), text_of(view->get_name())));
    if (!TARVELIN_REQUIRE(rows.size() >= 1, "result.size() >= 1")) return;
    if (auto options = stripped(postgresql::without_braces(rows.text(0, 1))); !options.empty())
        attributes(*view).set("WITH_OPTION", options);
    attributes(*view).set("OWNER", rows.text(0, 2));
    view->set_comment(rows.text(0, 3).c_str());
    view->set_definition(rows.text(0, 4).c_str());
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
    auto rows = query(postgresql::columns_query(text_of(table.get_schema()), text_of(table.get_name())));
    if (rows.size() == 0) return;
    auto inspector = PostgreSQLConnection::inspector_of(*this);
    std::string previous;
    std::vector<Identity> identities;
    bool calls_sequence = false;
    for (int k = 0; k < rows.size(); ++k) {
        const std::string type = rows.text(k, 11), name = rows.text(k, 2);
        DataType data_type = inspector ? gobj::call<&IInspectableSlots::get_data_type>(inspector, type)
                                       : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        auto column = table.new_column(name.c_str(), data_type);
        // "ARRAY" and "USER-DEFINED" name no type: the element or the user type does.
        std::string raw = type;
        if (type == "ARRAY" && rows.is_text(k, 16))
            raw = postgresql::qualified_name(rows.text(k, 15), rows.text(k, 16)) + "[]";
        else if (type == "USER-DEFINED" && rows.is_text(k, 19))
            raw = postgresql::qualified_name(rows.text(k, 18), rows.text(k, 19));
        column->set_raw_type(raw.c_str());
        column->set_ordinal(static_cast<guint16>(rows.integer_or_zero(k, 8)));
        if (k > 0) column->set_after(previous.c_str());
        // A numeric column's size is its precision.
        column->set_length(type == "numeric" ? rows.integer_or_zero(k, 5) : rows.integer_or_zero(k, 3));
        column->set_scale(static_cast<guint8>(rows.integer_or_zero(k, 6)));
        column->set_not_null(rows.text(k, 4) == "NO");
        column->set_default_value(rows.text(k, 24).c_str());
        column->set_comment(rows.text(k, 23).c_str());
        std::string collation = rows.text(k, 34);
        if (!collation.empty() && !rows.text(k, 33).empty()) collation = rows.text(k, 33) + "." + collation;
        column->set_collation(collation.c_str());
        if (rows.text(k, 25) == "YES") {
            column->set_identity(("GENERATED " + rows.text(k, 26)).c_str());
            column->set_auto_increment(true);
            identities.push_back({column, rows.text(k, 26),
                                  {type, rows.text(k, 27), rows.text(k, 30), rows.text(k, 29), rows.text(k, 28),
                                   rows.text(k, 31)}});
        }
        calls_sequence = calls_sequence || rows.text(k, 24).find("nextval(") != std::string::npos;
        previous = name;
    }
    // Most tables call no sequence: they cost no further query.
    if (calls_sequence || !identities.empty()) read_sequences(table, identities);
}

void PostgreSQLAdapterV11x::read_sequences(MetaTable& table, const std::vector<Identity>& identities) {
    const std::string schema = text_of(table.get_schema()), table_name = text_of(table.get_name());
    auto rows = query(postgresql::sequences_query(schema, table_name));
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    std::map<std::string, std::string> identity_sequences;
    for (int r = 0; r < rows.size(); ++r) {
        const std::string name = rows.text(r, 0), link = rows.text(r, 3);
        auto column = table.get_column(name.c_str());
        if (!column) continue;
        if (link == "i") {
            identity_sequences[name] = rows.text(r, 2);
            continue;
        }
        // A default calling two sequences keeps the first; the owned one comes first.
        const std::string key = postgresql::sequence_option_key(name);
        if (options.get(key)) continue;
        if (link == "a") column->set_auto_increment(true);
        std::string parameters;
        if (rows.is_text(r, 4))
            parameters = postgresql::sequence_parameters(
                {rows.text(r, 4), rows.text(r, 5), rows.text(r, 6), rows.text(r, 7), rows.text(r, 8), rows.text(r, 9)});
        options.set(key, postgresql::sequence_option(schema, rows.text(r, 1), rows.text(r, 2), parameters));
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
    auto rows = query(postgresql::primary_query(text_of(table.get_schema()), text_of(table.get_name())));
    for (int r = 0; r < rows.size(); ++r) {
        auto column = table.get_column(rows.text(r, 4).c_str());
        if (!column) continue;
        column->set_is_primary_key(true);
        column->set_primary_ordinal(static_cast<guint8>(rows.integer_or_zero(r, 3)));
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_index(MetaTable& table) {
    auto rows = query(postgresql::table_indexes_query(text_of(table.get_schema()), text_of(table.get_name())));
    for (int r = 0; r < rows.size(); ++r) {
        if (rows.boolean(r, 8)) continue;
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                  table.get_name(), rows.text(r, 0).c_str());
        list<MetaIndex>(table.get_indexes()).append(index);
        index->set_method(upper(rows.text(r, 5)).c_str());
        if (rows.is_boolean(r, 6)) index->set_kind(rows.boolean(r, 6) ? "UNIQUE" : "");
        auto keys = query(postgresql::table_index_keys_query(static_cast<guint64>(rows.integer_or_zero(r, 2))));
        for (int k = 0; k < keys.size(); ++k) {
            std::string key = keys.text(k, 0);
            if (auto order = keys.text(k, 1); !order.empty()) key += " " + order;
            index->append(key.c_str());
        }
        index->set_with(postgresql::without_braces(rows.text(r, 12)).c_str());
        index->set_comment(rows.text(r, 19).c_str());
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_trigger(MetaTable& table) {
    auto rows = query(postgresql::triggers_query(text_of(table.get_schema()), text_of(table.get_name())));
    for (int r = 0; r < rows.size(); ++r) {
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), rows.text(r, 2).c_str(), "");
        list<MetaTrigger>(table.get_triggers()).append(trigger);
        read_trigger(rows, r, *trigger);
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_rule(MetaTable& table) {
    static const std::map<std::string, const char*> kEvents = {
        {"1", "SELECT"}, {"2", "UPDATE"}, {"3", "INSERT"}, {"4", "DELETE"}};
    auto rows = query(postgresql::rules_query(text_of(table.get_schema()), text_of(table.get_name())));
    for (int r = 0; r < rows.size(); ++r) {
        auto rule = MetaRule::create_with_name(MetaRule::gtype(), rows.text(r, 2).c_str());
        if (auto e = kEvents.find(rows.text(r, 4)); e != kEvents.end()) rule->set_event(e->second);
        rule->set_action(rows.boolean(r, 5) ? "INSTEAD" : "ALSO");
        if (auto f = firing(rows.text(r, 6))) {
            rule->set_apply(f->apply);
            rule->set_enable(f->enable);
        }
        auto parts = postgresql::parse_rule_definition(without_line_breaks(rows.text(r, 7)));
        if (parts.where) rule->set_where(parts.where->c_str());
        if (parts.commands) rule->set_commands(parts.commands->c_str());
        rule->set_comment(rows.text(r, 8).c_str());
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
    auto rows = query(postgresql::constraints_query(text_of(table.get_schema()), text_of(table.get_name()), 'c', true));
    auto constraints = list<MetaConstraint>(table.get_constraints());
    for (int r = 0; r < rows.size(); ++r) {
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), rows.text(r, 1).c_str(), rows.text(r, 9).c_str());
        constraints.append(check);
        if (rows.boolean(r, 3)) check->set_deferrable(deferral(rows.boolean(r, 4)));
        check->set_comment(rows.text(r, 13).c_str());
        check->set_no_inherit(rows.boolean(r, 20));
    }
}

void PostgreSQLAdapterV11x::read_foreign_keys(MetaTable& table, bool with_check_source) {
    auto rows = query(postgresql::constraints_query(text_of(table.get_schema()), text_of(table.get_name()), 'f', with_check_source));
    // Without the check-source column, everything after confmatchtype stands one lower.
    const int at = with_check_source ? 0 : -1;
    auto constraints = list<MetaConstraint>(table.get_constraints());
    for (int r = 0; r < rows.size(); ++r) {
        auto key = MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), rows.text(r, 1).c_str(),
                                                     rows.text(r, 11 + at).c_str(), rows.text(r, 12 + at).c_str());
        std::string match = rows.text(r, 8);
        key->set_match_method(match == "f" ? "FULL" : match == "p" ? "PARTIAL" : match == "u" ? "SIMPLE" : "NONE");
        key->set_update_action(get_full_action_name(rows.text(r, 6).c_str()).value_or("").c_str());
        key->set_delete_action(get_full_action_name(rows.text(r, 7).c_str()).value_or("").c_str());
        key->set_local_columns(rows.text(r, 21 + at).c_str());
        key->set_refer_columns(rows.text(r, 22 + at).c_str());
        constraints.append(key);
    }
}

void PostgreSQLAdapterV11x::read_uniques(MetaTable& table) {
    auto rows = query(postgresql::uniques_query(text_of(table.get_schema()), text_of(table.get_name())));
    auto constraints = list<MetaConstraint>(table.get_constraints());
    for (int r = 0; r < rows.size(); ++r) {
        auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), rows.text(r, 1).c_str());
        constraints.append(unique);
        if (rows.boolean(r, 3)) unique->set_deferrable(deferral(rows.boolean(r, 4)));
        unique->set_columns(rows.text(r, 22).c_str());
        unique->set_comment(rows.text(r, 13).c_str());
    }
}

void PostgreSQLAdapterV11x::fill_schema_table_exclude(MetaTable& table) {
    auto rows = query(postgresql::exclusions_query(text_of(table.get_schema()), text_of(table.get_name())));
    auto constraints = list<MetaConstraint>(table.get_constraints());
    for (int r = 0; r < rows.size(); ++r) {
        auto exclude = MetaExclude::create_with_name(MetaExclude::gtype(), rows.text(r, 1).c_str());
        constraints.append(exclude);
        if (rows.boolean(r, 4)) exclude->set_deferrable(deferral(rows.boolean(r, 5)));
        exclude->set_with(postgresql::without_braces(rows.text(r, 6)).c_str());
        auto parts = postgresql::parse_exclusion_definition(rows.text(r, 8));
        if (parts.method) exclude->set_index_method(parts.method->c_str());
        if (parts.elements) exclude->set_elements(parts.elements->c_str());
        exclude->set_comment(rows.text(r, 9).c_str());
    }
}

void PostgreSQLAdapterV11x::read_options(MetaTable& table, bool with_oids) {
    auto rows = query(postgresql::options_query(text_of(table.get_schema()), text_of(table.get_name()), with_oids));
    if (rows.size() == 0) return;
    // Positions of the two query forms: 9.x has relhasoids and no partition columns.
    struct At {
        int owner, description, oids, tablespace, param, persistence, partition, parent_schema, parent_name;
    };
    const At at = with_oids ? At{4, 5, 8, 11, 12, 14, -1, 19, 20} : At{4, 5, -1, 10, 11, 13, 16, 20, 21};
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    options.set("OWNER", rows.text(0, at.owner));
    table.set_comment(rows.text(0, at.description).c_str());
    if (with_oids) options.set("WITH_OIDS", rows.text(0, at.oids));
    if (auto param = postgresql::without_braces(rows.text(0, at.param)); !param.empty()) options.set("WITH_ARGUMENTS", param);
    if (auto space = rows.text(0, at.tablespace); !space.empty()) options.set("TABLESPACE", space);
    std::string persistence = rows.text(0, at.persistence);
    options.set("FLAG", persistence == "u" ? "UNLOGGED" : persistence == "t" ? "TEMPORARY" : "PERMANENT");
    bool partition = !with_oids && rows.boolean(0, at.partition);
    if (!with_oids) options.set("PARTITION", rows.text(0, at.partition));
    // A partition's parent is its partitioned table, not an INHERITS parent.
    if (std::string parent = rows.text(0, at.parent_name); !parent.empty() && !partition)
        options.set("INHERITS", postgresql::qualified_name(rows.text(0, at.parent_schema), parent));
}

// ---------------------------------------------------------------- indexes, triggers, routines

void PostgreSQLAdapterV11x::fill_meta_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return;
    if (filled(*index)) return;
    auto rows = query(postgresql::index_query(text_of(index->get_schema()), text_of(index->get_name())));
    if (!TARVELIN_REQUIRE(rows.size() >= 1, "result.size() >= 1")) return;
    index->set_method(upper(rows.text(0, 3)).c_str());
    if (rows.is_boolean(0, 4)) index->set_kind(rows.boolean(0, 4) ? "UNIQUE" : "");
    index->set_is_clustered(rows.boolean(0, 5));
    index->set_table_space(rows.text(0, 8).c_str());
    index->set_with(postgresql::without_braces(rows.text(0, 10)).c_str());
    index->set_comment(rows.text(0, 16).c_str());

    // Each key with its own collation and operator class, and its order where the access
    // method orders.
    auto keys = query(postgresql::index_keys_query(static_cast<guint64>(rows.integer_or_zero(0, 0))));
    std::vector<std::string> texts;
    for (int k = 0; k < keys.size(); ++k) {
        std::string text = keys.text(k, 0);
        if (auto collation = keys.text(k, 2); !collation.empty())
            text += " COLLATE " + postgresql::ddl_name(keys.text(k, 1), collation);
        if (auto klass = keys.text(k, 4); !klass.empty()) text += " " + postgresql::ddl_name(keys.text(k, 3), klass);
        if (auto order = keys.text(k, 5); !order.empty()) text += " " + order + " NULLS " + keys.text(k, 6);
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
    trigger->set_target(rows.text(0, 3).c_str());
    if (auto kind = kKinds.find(rows.text(0, 5)); kind != kKinds.end()) trigger->set_kind(kind->second);
    read_trigger(rows, 0, *trigger);
    mark_filled(*trigger);
}

void PostgreSQLAdapterV11x::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    if (filled(*function)) return;
    const bool kinds = !postgresql::before_routine_kinds(server_version());
    auto rows = query(postgresql::routine_query(text_of(function->get_schema()), text_of(function->get_name()), kinds));
    if (!TARVELIN_REQUIRE(rows.size() >= 1, "result.size() >= 1")) return;
    auto attrs = attributes(*function);
    function->set_is_function(rows.text(0, 0) != "p");
    attrs.set("OWNER", rows.text(0, 1));
    function->set_return_type(postgresql::ddl_name(rows.text(0, 2), rows.text(0, 3)).c_str());
    attrs.set("LANGUAGE", rows.text(0, 4));
    attrs.set("EXTERNAL SECURITY", rows.boolean(0, 5) ? "DEFINER" : "INVOKER");
    attrs.set("RESULT SET", rows.text(0, 7));
    std::string volatility = rows.text(0, 8);
    if (volatility == "i") attrs.set("RESULT DEPEND", "IMMUTABLE");
    if (volatility == "s") attrs.set("RESULT DEPEND", "STABLE");
    if (volatility == "v") attrs.set("RESULT DEPEND", "VOLATILE");
    function->set_body(rows.text(0, 9).c_str());
    function->set_comment(rows.text(0, 16).c_str());

    const auto names = postgresql::parse_array(rows.text(0, 11));
    auto modes = postgresql::parse_array(rows.text(0, 12));
    auto types = postgresql::parse_array(rows.text(0, 13));
    const auto defaults = postgresql::split_top_level(rows.text(0, 15));
    // Without OUT-like parameters the server leaves modes and all-types empty: every
    // parameter is IN and its type is in proargtypes.
    if (types.empty()) types = postgresql::split_words(rows.text(0, 17));
    if (modes.empty()) modes.assign(types.size(), "i");

    std::map<std::string, std::string> type_names;
    if (auto sql = postgresql::type_names_query(types); !sql.empty()) {
        auto found = query(sql);
        for (int r = 0; r < found.size(); ++r) type_names[found.text(r, 0)] = found.text(r, 1);
    }

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
        if (k < names.size() && !names[k].empty()) text += postgresql::ddl_identifier(names[k]) + " ";
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
    if (rows.size() > 0) {
        auto attrs = attributes(account);
        static constexpr std::pair<int, const char*> kFlags[] = {
            {0, "OID"},         {2, "SUPER_USER"},  {3, "INHERIT"}, {4, "CREATE_ROLE"},      {5, "CREATE_DATABASE"},
            {6, "BYPASS"},      {7, "REPLICATION"}, {8, "LOGIN"},   {9, "CONNECTION_LIMIT"},
        };
        for (const auto& [column, key] : kFlags) attrs.set(key, rows.text(0, column));
        set_password(rows.text(0, 10));
        std::string until;
        if (auto cell = rows.cell(0, 11);
            cell && G_TYPE_CHECK_INSTANCE_TYPE(cell.gobj(), providers::contracts::ValueDateTime::gtype()))
            until = static_cast<providers::contracts::ValueDateTime*>(cell.get())->format("%Y-%m-%d").value_or("");
        attrs.set("VALID_UNTIL", until);
        attrs.set("COMMENT", rows.text(0, 12));
    }

    auto memberships = query(postgresql::memberships_query(name));
    auto relation_map = gobj::StringMap::wrap(relations);
    for (int r = 0; r < memberships.size(); ++r)
        relation_map.set(memberships.text(r, 0) + "=" + memberships.text(r, 1), memberships.text(r, 2));

    // Key of a row of each privilege query (in their order), and the access-list column.
    using KeyOf = std::function<std::string(const CatalogResult&, int)>;
    auto first = [](const char* kind) {
        return KeyOf([kind](const CatalogResult& rows, int r) { return std::string(kind) + rows.text(r, 0); });
    };
    const std::pair<KeyOf, int> readers[] = {
        {first("DATABASE="), 1},
        {first("TABLESPACE="), 1},
        {first("SCHEMA="), 1},
        {[](const CatalogResult& rows, int r) {
             return std::string(rows.text(r, 2) == "S" ? "SEQUENCE=" : "TABLE=") + rows.text(r, 1) + "." + rows.text(r, 0);
         },
         3},
        {[](const CatalogResult& rows, int r) {
             return "COLUMN=" + rows.text(r, 0) + "." + rows.text(r, 1) + "." + rows.text(r, 2);
         },
         3},
        {[](const CatalogResult& rows, int r) {
             std::string kind = rows.text(r, 5);
             return std::string(kind == "a" ? "AGGREGATE=" : kind == "p" ? "PROCEDURE=" : "FUNCTION=") +
                    rows.text(r, 6) + "." + rows.text(r, 0);
         },
         8},
        {first("LANGUAGE="), 1},
        {first("FOREIGN SERVER="), 1},
        {first("FOREIGN DATA WRAPPER="), 1},
    };
    auto queries = postgresql::privilege_queries(name, !postgresql::before_routine_kinds(server_version()));
    auto privilege_map = gobj::StringMap::wrap(privileges);
    for (size_t q = 0; q < queries.size(); ++q) {
        auto found = query(queries[q]);
        const auto& [key_of, acl] = readers[q];
        for (int r = 0; r < found.size(); ++r) {
            std::string rights = extract_and_translate_privilege(found.text(r, acl).c_str(), name.c_str()).value_or("");
            if (!rights.empty()) privilege_map.set(key_of(found, r), rights);
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
