#include "builder_fixture.hpp"

namespace tarvelin::test {

using namespace rezezadovu::meta_model;

std::string BuilderCalls::create(MetaObject& o, bool raw) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_create(
        builder, c_of<TarvelinRezezadovuMetaModelMetaObject>(o), raw));
}
std::string BuilderCalls::drop(MetaObject& o) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_delete(
        builder, c_of<TarvelinRezezadovuMetaModelMetaObject>(o)));
}
std::string BuilderCalls::patch(MetaObject& o, bool raw) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_patch(
        builder, c_of<TarvelinRezezadovuMetaModelMetaObject>(o), raw));
}
std::string BuilderCalls::table(MetaTable& t, bool raw) const {
    return take_text(
        tarvelin_rezezadovu_contracts_database_ibuildable_build_table(builder, c_of<TarvelinRezezadovuMetaModelMetaTable>(t), raw));
}
std::string BuilderCalls::patch_table(MetaTable& t) const {
    return take_text(
        tarvelin_rezezadovu_contracts_database_ibuildable_patch_table(builder, c_of<TarvelinRezezadovuMetaModelMetaTable>(t)));
}
std::string BuilderCalls::schema(MetaSchema& s, bool raw) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
        builder, c_of<TarvelinRezezadovuMetaModelMetaSchema>(s), raw));
}
std::string BuilderCalls::view(MetaView& v) const {
    return take_text(
        tarvelin_rezezadovu_contracts_database_ibuildable_build_view(builder, c_of<TarvelinRezezadovuMetaModelMetaView>(v)));
}
std::string BuilderCalls::patch_view(MetaView& v) const {
    return take_text(
        tarvelin_rezezadovu_contracts_database_ibuildable_patch_view(builder, c_of<TarvelinRezezadovuMetaModelMetaView>(v)));
}
std::string BuilderCalls::index(MetaIndex& i) const {
    return take_text(
        tarvelin_rezezadovu_contracts_database_ibuildable_build_index(builder, c_of<TarvelinRezezadovuMetaModelMetaIndex>(i)));
}
std::string BuilderCalls::trigger(MetaTrigger& t) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_trigger(
        builder, c_of<TarvelinRezezadovuMetaModelMetaTrigger>(t)));
}
std::string BuilderCalls::function(MetaFunction& f) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_function(
        builder, c_of<TarvelinRezezadovuMetaModelMetaFunction>(f)));
}
std::string BuilderCalls::caller(MetaFunction& f) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_caller(
        builder, c_of<TarvelinRezezadovuMetaModelMetaFunction>(f)));
}
std::string BuilderCalls::role(MetaRole& r) const {
    return take_text(
        tarvelin_rezezadovu_contracts_database_ibuildable_build_role(builder, c_of<TarvelinRezezadovuMetaModelMetaRole>(r)));
}
std::string BuilderCalls::user(MetaUser& u) const {
    return take_text(
        tarvelin_rezezadovu_contracts_database_ibuildable_build_user(builder, c_of<TarvelinRezezadovuMetaModelMetaUser>(u)));
}
std::string BuilderCalls::create_database(MetaDatabase& d, bool raw) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_create_database(
        builder, c_of<TarvelinRezezadovuMetaModelMetaDatabase>(d), raw));
}
std::string BuilderCalls::alter_database(MetaDatabase& before, MetaDatabase& now) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_alter_database(
        builder, c_of<TarvelinRezezadovuMetaModelMetaDatabase>(before), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(now)));
}
std::string BuilderCalls::alter_schema(MetaSchema& before, MetaSchema& now) const {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_alter_schema(
        builder, c_of<TarvelinRezezadovuMetaModelMetaSchema>(before), c_of<TarvelinRezezadovuMetaModelMetaSchema>(now)));
}

ScriptedBuilder::ScriptedBuilder() {
    auto provider = ScriptedProvider::create();
    provider->answer_rows("SHOW SERVER_VERSION;", {text_col("server_version")}, {{"15.5"}});
    provider->answer_rows(kCollationQuery, {text_col("collname")}, {{"C"}, {"POSIX"}, {"default"}, {"en_US.utf8"}});
    connection = ScriptedPostgres::create(provider);
    connection->open_scripted();
    builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(connection->c());
}

ScriptedBuilder::~ScriptedBuilder() { g_clear_object(&builder); }

gobj::Ref<MetaTable> new_table(const char* schema, const char* name) {
    return MetaTable::create_with_names(MetaTable::gtype(), "db", schema, name);
}

gobj::Ref<MetaColumn> add_column(MetaTable& table, const char* name, const char* raw_type,
                                 providers::contracts::DataType type) {
    auto column = table.new_column(name, type);
    column->set_raw_type(raw_type);
    return column;
}

gobj::Ref<MetaIndex> add_index(MetaTable& table, const char* name, std::vector<std::string> columns) {
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                              table.get_name(), name);
    for (const auto& c : columns) index->append(c.c_str());
    gobj::GeeArray<MetaIndex>::wrap(table.get_indexes()).append(index);
    return index;
}

gobj::Ref<MetaTrigger> add_trigger(MetaTable& table, const char* name, const char* timing, const char* event,
                                   const char* function) {
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), name, "");
    trigger->set_timing(timing);
    trigger->set_event(event);
    trigger->set_function(function);
    gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers()).append(trigger);
    return trigger;
}

gobj::Ref<MetaRule> add_rule(MetaTable& table, const char* name, const char* event, const char* action,
                             const char* commands) {
    auto rule = MetaRule::create_with_name(MetaRule::gtype(), name);
    rule->set_event(event);
    rule->set_action(action);
    rule->set_commands(commands);
    gobj::GeeArray<MetaRule>::wrap(table.get_rules()).append(rule);
    return rule;
}

void set_entry(gpointer map, const std::string& key, const std::string& value) {
    gobj::StringMap::wrap(GEE_MAP(map)).set(key, value);
}
void set_attribute(MetaObject& object, const std::string& key, const std::string& value) {
    set_entry(object.get_attributes(), key, value);
}
void set_option(MetaTable& table, const std::string& key, const std::string& value) {
    set_entry(table.get_options(), key, value);
}
void add_parameter(MetaFunction& function, const std::string& parameter) {
    gobj::StringArray::wrap(function.get_parameters()).append(parameter);
}

}  // namespace tarvelin::test
