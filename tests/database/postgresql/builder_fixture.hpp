// Shortcuts of the PostgreSQL builder suites: a builder on a scripted connection that
// lists a few collations, the builder's operations as texts, and catalogue objects made
// in a line.
#pragma once

#include <string>

#include "fixture.hpp"
#include "support/facade_log.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"

namespace tarvelin::test {

using Buildable = TarvelinRezezadovuContractsDatabaseIBuildable;

// The text a builder operation handed back (freed); "(none)" for NULL.
inline std::string take_text(gchar* text) {
    std::string out = text ? text : "(none)";
    g_free(text);
    return out;
}

template <class C>
C* c_of(rezezadovu::meta_model::MetaObject& object) {
    return reinterpret_cast<C*>(object.gobj());
}

// The builder's operations through the IBuildable dispatchers.
struct BuilderCalls {
    Buildable* builder = nullptr;
    using MetaObject = rezezadovu::meta_model::MetaObject;

    std::string create(MetaObject& o, bool raw = true) const;
    std::string drop(MetaObject& o) const;
    std::string patch(MetaObject& o, bool raw = true) const;
    std::string table(rezezadovu::meta_model::MetaTable& t, bool raw = true) const;
    std::string patch_table(rezezadovu::meta_model::MetaTable& t) const;
    std::string schema(rezezadovu::meta_model::MetaSchema& s, bool raw = true) const;
    std::string view(rezezadovu::meta_model::MetaView& v) const;
    std::string patch_view(rezezadovu::meta_model::MetaView& v) const;
    std::string index(rezezadovu::meta_model::MetaIndex& i) const;
    std::string trigger(rezezadovu::meta_model::MetaTrigger& t) const;
    std::string function(rezezadovu::meta_model::MetaFunction& f) const;
    std::string caller(rezezadovu::meta_model::MetaFunction& f) const;
    std::string role(rezezadovu::meta_model::MetaRole& r) const;
    std::string user(rezezadovu::meta_model::MetaUser& u) const;
    std::string create_database(rezezadovu::meta_model::MetaDatabase& d, bool raw = true) const;
    std::string alter_database(rezezadovu::meta_model::MetaDatabase& before, rezezadovu::meta_model::MetaDatabase& now) const;
    std::string alter_schema(rezezadovu::meta_model::MetaSchema& before, rezezadovu::meta_model::MetaSchema& now) const;
};

// The collation names the scripted server lists.
inline const char* kCollationQuery = "SELECT collname FROM pg_collation ORDER BY collname;";

// A 15.x connection over the scripted provider, its collations answered, and its builder.
class ScriptedBuilder : public BuilderCalls {
public:
    ScriptedBuilder();
    ~ScriptedBuilder();
    ScriptedBuilder(const ScriptedBuilder&) = delete;
    ScriptedBuilder& operator=(const ScriptedBuilder&) = delete;
    // The connection logs its statements through the facade.
    FacadeLog facade;
    gobj::Ref<ScriptedPostgres> connection;
};

// Catalogue objects of the schema "s" of the database "db".
gobj::Ref<rezezadovu::meta_model::MetaTable> new_table(const char* schema = "s", const char* name = "t");
gobj::Ref<rezezadovu::meta_model::MetaColumn> add_column(rezezadovu::meta_model::MetaTable& table, const char* name,
                                                         const char* raw_type,
                                                         providers::contracts::DataType type =
                                                             TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
template <class T>
gobj::Ref<T> add_constraint(rezezadovu::meta_model::MetaTable& table, gobj::Ref<T> constraint) {
    gobj::GeeArray<rezezadovu::meta_model::MetaConstraint>::wrap(table.get_constraints()).append(constraint);
    return constraint;
}
gobj::Ref<rezezadovu::meta_model::MetaIndex> add_index(rezezadovu::meta_model::MetaTable& table, const char* name,
                                                       std::vector<std::string> columns);
gobj::Ref<rezezadovu::meta_model::MetaTrigger> add_trigger(rezezadovu::meta_model::MetaTable& table, const char* name,
                                                           const char* timing, const char* event, const char* function);
gobj::Ref<rezezadovu::meta_model::MetaRule> add_rule(rezezadovu::meta_model::MetaTable& table, const char* name,
                                                     const char* event, const char* action, const char* commands);
void set_attribute(rezezadovu::meta_model::MetaObject& object, const std::string& key, const std::string& value);
void set_option(rezezadovu::meta_model::MetaTable& table, const std::string& key, const std::string& value);
void set_entry(gpointer map, const std::string& key, const std::string& value);
void add_parameter(rezezadovu::meta_model::MetaFunction& function, const std::string& parameter);

}  // namespace tarvelin::test
