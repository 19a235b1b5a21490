// The frame of the SQL Server builder: dispatch by kind, databases, schemas and synonyms.
// Tables, indexes and patches are in builder_tables.cpp, principals in
// builder_principals.cpp, routines, views and triggers in builder_routines.cpp.
#include "rezezadovu/supports/database/sqlserver/builder.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/sqlserver/builder_parts.hpp"

TARVELIN_LOG_TAG("builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using namespace sqlserver;
using Text = SQLServerBuilder::Text;

TARVELIN_GTYPE(SQLServerBuilder, "TarvelinRezezadovuSupportsDatabaseSQLServerBuilder", SqlBuilder)

gobj::Ref<SQLServerBuilder> SQLServerBuilder::create(GType type, CConnection* connection) {
    return create_linked<SQLServerBuilder>(type, connection);
}

namespace {
bool is_login(MetaUser& user) { return g_strcmp0(user.get_scope(), "server") == 0; }
}  // namespace

// ---------------------------------------------------------------- dispatch

Text SQLServerBuilder::build_create(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return create_database(as<MetaDatabase>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return build_event(as<MetaEvent>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return build_function(as<MetaFunction>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return build_index(as<MetaIndex>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return build_role(as<MetaRole>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return build_schema(as<MetaSchema>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM: {
            auto* synonym = as<MetaSynonym>(meta_object);
            if (!TARVELIN_GIVEN(synonym)) return {};
            return build_synonym(*synonym);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return build_table(as<MetaTable>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return build_trigger(as<MetaTrigger>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return build_user(as<MetaUser>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return build_view(as<MetaView>(meta_object));
        default: return std::string();
    }
}

Text SQLServerBuilder::build_delete(MetaObject* meta_object) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    std::string schema = text_or_empty(meta_object->get_schema());
    std::string name = text_or_empty(meta_object->get_name());
    auto in_schema = [&](const char* what) { return std::string("DROP ") + what + " IF EXISTS " + qualified(schema, name) + ";"; };
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return "DROP DATABASE IF EXISTS " + SQLServerStatement::quoted(name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return in_schema("FUNCTION");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: {
            auto* index = as<MetaIndex>(meta_object);
            std::string entity = index ? text_or_empty(index->get_entity()) : std::string();
            return "DROP INDEX " + SQLServerStatement::quoted(name) + " ON " + qualified(schema, entity) + ";";
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE: return in_schema("PROCEDURE");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: {
            auto* role = as<MetaRole>(meta_object);
            const char* what = role && g_strcmp0(role->get_scope(), "server") == 0        ? "DROP SERVER ROLE "
                               : role && g_strcmp0(role->get_scope(), "application") == 0 ? "DROP APPLICATION ROLE "
                                                                                          : "DROP ROLE IF EXISTS ";
            return what + SQLServerStatement::quoted(name) + ";";
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return "DROP SCHEMA IF EXISTS " + SQLServerStatement::quoted(name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM: return in_schema("SYNONYM");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return in_schema("TABLE");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return in_schema("TRIGGER");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: {
            // DROP USER would drop a database user of the login's name instead.
            auto* user = as<MetaUser>(meta_object);
            if (user && is_login(*user)) return "DROP LOGIN " + SQLServerStatement::quoted(name) + ";";
            return "DROP USER IF EXISTS " + SQLServerStatement::quoted(name) + ";";
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return in_schema("VIEW");
        default: return std::string();
    }
}

Text SQLServerBuilder::build_patch(MetaObject* meta_object, bool) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: {
            auto* event = as<MetaEvent>(meta_object);
            return build_delete(meta_object).value_or("") + "\n" + build_event(event).value_or("");
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return patch_function(as<MetaFunction>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return build_role(as<MetaRole>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM: {
            auto* synonym = as<MetaSynonym>(meta_object);
            if (!TARVELIN_GIVEN(synonym)) return {};
            return build_delete(meta_object).value_or("") + "\n" + build_synonym(*synonym);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return patch_table(as<MetaTable>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return patch_user(as<MetaUser>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return patch_view(as<MetaView>(meta_object));
        default: return std::string();
    }
}

// ---------------------------------------------------------------- databases

Text SQLServerBuilder::create_database(MetaDatabase* database, bool raw_types) {
    if (!TARVELIN_GIVEN(database)) return {};
    std::string name = text_or_empty(database->get_name());
    std::string sql = "CREATE DATABASE " + SQLServerStatement::quoted(name) + ";\n\n";
    // CREATE SCHEMA must begin a batch, and the schemas belong to the new database.
    bool used = false;
    for (auto schema : members<MetaSchema>(database->get_schemas())) {
        std::string script = build_schema(schema.get(), raw_types).value_or("");
        if (script.empty()) continue;
        if (!used) sql += "GO\nUSE " + SQLServerStatement::quoted(name) + ";\n";
        used = true;
        sql += "GO\n" + script;
    }
    return sql;
}

Text SQLServerBuilder::alter_database(MetaDatabase* database_old, MetaDatabase* database_new) {
    if (!TARVELIN_GIVEN(database_old, database_new)) return {};
    std::string old_name = text_or_empty(database_old->get_name());
    std::string new_name = text_or_empty(database_new->get_name());
    if (old_name == new_name) return std::string();
    return "ALTER DATABASE " + SQLServerStatement::quoted(old_name) +
           " MODIFY NAME = " + SQLServerStatement::quoted(new_name) + ";\n";
}

// ---------------------------------------------------------------- schemas and synonyms

Text SQLServerBuilder::build_schema(MetaSchema* schema, bool raw_types) {
    if (!TARVELIN_GIVEN(schema)) return {};
    std::string name = text_or_empty(schema->get_name());
    std::string sql = "CREATE SCHEMA " + SQLServerStatement::quoted(name);
    if (auto owner = attribute(*schema, "OWNER")) sql += " AUTHORIZATION " + SQLServerStatement::quoted(*owner);
    sql += ";\n";
    std::string comment = text_or_empty(schema->get_comment());
    if (!comment.empty()) sql += Description::schema(name).add(comment);

    order_with_dependence(schema, 0);
    for (auto table : members<MetaTable>(schema->get_tables())) sql += build_table(table.get(), raw_types).value_or("");
    // Views and routines must each begin a batch.
    auto own_batch = [&](const std::string& text) {
        if (!text.empty()) sql += "GO\n" + text;
    };
    for (auto view : members<MetaView>(schema->get_views())) own_batch(build_view(view.get()).value_or(""));
    for (auto function : members<MetaFunction>(schema->get_functions()))
        own_batch(build_function(function.get()).value_or(""));
    return sql;
}

Text SQLServerBuilder::alter_schema(MetaSchema* schema_old, MetaSchema* schema_new) {
    if (!TARVELIN_GIVEN(schema_old, schema_new)) return {};
    std::string name = text_or_empty(schema_new->get_name());
    std::string sql;
    auto owner = attribute(*schema_new, "OWNER");
    if (attribute(*schema_old, "OWNER") != owner)
        sql += "ALTER AUTHORIZATION ON SCHEMA::" + SQLServerStatement::quoted(name) + " TO " +
               SQLServerStatement::quoted(owner.value_or("dbo")) + ";\n";
    std::string comment = text_or_empty(schema_new->get_comment());
    if (text_or_empty(schema_old->get_comment()) != comment) sql += Description::schema(name).update_or_add(comment);
    return sql;
}

std::string SQLServerBuilder::build_synonym(MetaSynonym& synonym) {
    std::string schema = text_or_empty(synonym.get_schema());
    std::string name = text_or_empty(synonym.get_name());
    // The target is a (possibly multi-part) name as stored.
    std::string sql = "CREATE SYNONYM " + qualified(schema, name) + " FOR " + text_or_empty(synonym.get_target()) + ";\n";
    std::string comment = text_or_empty(synonym.get_comment());
    if (!comment.empty()) sql += Description::object(schema, "SYNONYM", name).add(comment);
    return sql;
}

}  // namespace tarvelin::rezezadovu::supports::database
