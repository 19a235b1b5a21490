// Round trips on the MariaDB test server (10.11): the catalogue fixture read deep, dropped,
// rebuilt from the builder's texts and read again gives the same catalogue; hostile
// names and comments survive it; a copied account keeps its password.
#include "fixture.hpp"

#include <json-glib/json-glib.h>

#include "providers/contracts/face_server.hpp"
#include "support/driver_checks.hpp"

namespace mariadb_dialect_test {
namespace {

using V = std::vector<std::string>;

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

// A table and its columns named with a backquote, a quote and a blank, a composite key to
// them, and comments holding a quote and a backslash.
TEST_F(LiveRoundTrip, HostileNamesAndCommentsSurvive) {
    run("CREATE TABLE `we``ird 'tab le` (`c``1 'x` INT NOT NULL, `c``2 'y` INT NOT NULL, "
        "note VARCHAR(10) NULL COMMENT 'it''s \\\\ x', PRIMARY KEY (`c``2 'y`, `c``1 'x`), "
        "KEY `ix ``'` (`c``1 'x`, note)) COMMENT 'tab''s \\\\ comment';"
        "CREATE TABLE `ch``ild 'x` (id INT PRIMARY KEY, `r``1 'a` INT NULL, `r``2 'b` INT NULL, "
        "CONSTRAINT `fk ``'x` FOREIGN KEY (`r``2 'b`, `r``1 'a`) REFERENCES `we``ird 'tab le` (`c``2 'y`, `c``1 'x`));");
    auto before = read_all();
    std::string expected = comparable_json(*before);
    auto schema = gobj::GeeArray<MetaSchema>::wrap(before->get_schemas()).at(0);
    auto weird = named<MetaTable>(schema->get_tables(), "we`ird 'tab le");
    ASSERT_TRUE(weird);
    EXPECT_STREQ(weird->get_comment(), "tab's \\ comment");
    EXPECT_STREQ(weird->get_column("note")->get_comment(), "it's \\ x");
    auto child = named<MetaTable>(schema->get_tables(), "ch`ild 'x");
    auto* key = dynamic_cast<MetaForeignKey*>(gobj::GeeArray<MetaConstraint>::wrap(child->get_constraints()).at(0).get());
    ASSERT_NE(key, nullptr);
    EXPECT_STREQ(key->get_name(), "fk `'x");
    EXPECT_STREQ(key->get_local_columns(), "r`2 'b, r`1 'a");
    rebuild(*before);
    auto after = read_all();
    EXPECT_EQ(comparable_json(*after), expected);
}

class LiveAccountCopy : public LiveAccounts {};

TEST_F(LiveAccountCopy, ACopiedAccountLogsInWithItsOriginalPassword) {
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "", "", account.c_str(), "");
    ASSERT_EQ(fill(adapter(), *user), "(none)");
    auto reader = MetaRole::create_with_names(MetaRole::gtype(), "", "", role_plain.c_str(), "");
    auto builder = this->builder();
    std::string create_user = build(builder, "build_user", *user);
    std::string create_role = build(builder, "build_create", *reader);
    std::string name = account.substr(0, account.find('@'));
    run("DROP USER " + sql_name(name) + "@'%';");
    run("DROP ROLE " + sql_name(role_plain) + ";");
    SCOPED_TRACE(create_user + create_role);
    run(create_user);
    run(create_role);
    EXPECT_EQ(rows("SELECT COUNT(*) FROM mysql.user WHERE User = '" + role_plain + "' AND is_role = 'Y';"), V{"1"});

    auto address = test::mysql_server();
    auto copy = MariaDBConnection::create();
    auto server = providers::contracts::Server::create();
    g_object_set(server->gobj(), "uuid", "copied", "host", address->host.c_str(), "port", address->port, "username",
                 name.c_str(), "password", "pw's \\ secret", "initial", "information_schema", nullptr);
    try {
        copy->open(server.get(), nullptr);
    } catch (const gobj::Error& e) {
        FAIL() << e.message();
    }
    auto value = copy->execute_as_scalar("SELECT CURRENT_USER();", false);
    EXPECT_EQ(value->to_string(), name + "@%");
    copy->close();
}

}  // namespace
}  // namespace mariadb_dialect_test
