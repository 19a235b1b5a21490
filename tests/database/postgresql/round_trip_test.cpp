// Round trips on the PostgreSQL 15 test server: the reader suite's fixture (and a schema
// of hostile names) read deep, scripted by create_database into a fresh database and
// read again; a table script with translated types; and a table altered by patch_table
// and read again. What the scripts write must read back as it was.
#include <gtest/gtest.h>

#include <json-glib/json-glib.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>

#include "builder_fixture.hpp"
#include "rezezadovu/supports/database/postgresql/adapter.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

namespace tarvelin::test {
namespace {

using namespace rezezadovu::meta_model;
namespace postgresql = rezezadovu::supports::database::postgresql;
using rezezadovu::supports::database::PostgreSQLStatement;
using Texts = std::vector<std::string>;
using DataVersion = TarvelinProvidersContractsDataVersion;

constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

const char* kHostileSchema = "we\"ird s'ch\\x";

void replace_all(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The JSON form of one object; routine bodies compared without surrounding white space.
std::string json_of(gobj::Object& object) {
    JsonNode* node = json_gobject_serialize(object.gobj());
    if (JSON_NODE_HOLDS_OBJECT(node)) {
        JsonObject* members = json_node_get_object(node);
        if (json_object_has_member(members, "body") && G_TYPE_CHECK_INSTANCE_TYPE(object.gobj(), MetaFunction::gtype())) {
            gchar* body = g_strdup(json_object_get_string_member(members, "body"));
            json_object_set_string_member(members, "body", g_strstrip(body));
            g_free(body);
        }
    }
    gchar* text = json_to_string(node, TRUE);
    std::string out(text);
    g_free(text);
    json_node_unref(node);
    return out;
}

// In name order: a schema script puts its tables in foreign-key order.
template <class T>
std::string list_json(GeeArrayList* list) {
    std::map<std::string, std::string> forms;
    for (auto item : gobj::GeeArray<T>::wrap(list)) forms[item->get_name()] = json_of(*item);
    std::string out;
    for (const auto& [name, form] : forms) out += form + "\n";
    return out;
}

// Every row of a query on an opened connection, its first `width` cells as texts joined by "|".
Texts rows_of(TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* connection, const std::string& sql,
              int width = 1) {
    GError* error = nullptr;
    auto* model = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(iconnection(connection),
                                                                                     sql.c_str(), FALSE, &error);
    EXPECT_EQ(error, nullptr) << sql << ": " << (error ? error->message : "");
    if (error) g_error_free(error);
    Texts out;
    if (!model) return out;
    auto table = gobj::Ref<providers::contracts::TableModel>::adopt(model);
    for (int r = 0; r < static_cast<int>(table->list_n_items()); ++r) {
        std::string row;
        for (int c = 0; c < width; ++c) {
            auto value = table->get_value_at(c, r);
            row += (c ? "|" : "") + (!value || value->get_is_null() ? std::string() : value->to_string());
        }
        out.push_back(row);
    }
    return out;
}

bool is_error(GObject* result) {
    return G_TYPE_CHECK_INSTANCE_TYPE(result, tarvelin_providers_contracts_value_error_get_type());
}

class PostgresqlRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        pg = pg_server();
        TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
        source = std::make_unique<ScratchDatabase>(*pg);
    }
    void TearDown() override {
        if (pg && !target.empty()) run_on_server(*pg, "DROP DATABASE IF EXISTS \"" + target + "\" WITH (FORCE)");
        source.reset();
    }

    // The database of `connection` as the reader reads it, with the schemas asked for
    // (in that order) read deep.
    gobj::Ref<MetaDatabase> read_database(TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* connection,
                                          const std::string& name, const Texts& schemas) {
        auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(iconnection(connection));
        auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), name.c_str());
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
            adapter, c_of<TarvelinRezezadovuMetaModelMetaDatabase>(*database), FALSE, &error);
        EXPECT_EQ(error, nullptr) << error->message;
        // The reader lists the system schemas too: only the fixture's own are scripted.
        gobj::GeeArray<MetaSchema>::wrap(database->get_schemas()).clear();
        for (const auto& s : schemas) {
            auto schema = database->append(s.c_str());
            tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
                adapter, c_of<TarvelinRezezadovuMetaModelMetaSchema>(*schema), TRUE, &error);
            EXPECT_EQ(error, nullptr) << s << ": " << (error ? error->message : "");
        }
        g_object_unref(adapter);
        return database;
    }

    // What a schema script writes (tables, views, functions), names of the run replaced.
    std::string scripted_parts(MetaDatabase& database) {
        std::string out;
        for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas()))
            out += list_json<MetaTable>(schema->get_tables()) + list_json<MetaView>(schema->get_views()) +
                   list_json<MetaFunction>(schema->get_functions());
        replace_all(out, "\"" + std::string(database.get_name()) + "\"", "\"<database>\"");
        return out;
    }

    // Runs a script in one call on `connection`; the statements that failed, with their errors.
    std::string run_script(TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* connection, const std::string& sql) {
        GError* error = nullptr;
        gint length = 0;
        GObject** results = tarvelin_rezezadovu_contracts_database_iconnection_execute(iconnection(connection),
                                                                                     sql.c_str(), TRUE, &length, &error);
        std::string failures;
        if (error) {
            failures = error->message;
            g_error_free(error);
        }
        for (gint i = 0; i < length; ++i) {
            if (is_error(results[i]))
                failures += std::to_string(i) + ": " +
                            take_text(tarvelin_providers_contracts_ivalue_to_string(
                                reinterpret_cast<TarvelinProvidersContractsIValue*>(results[i]))) +
                            "\n";
            g_object_unref(results[i]);
        }
        g_free(results);
        return failures;
    }

    // The schemas of the source database read deep, and the scripts build_schema makes of them.
    std::pair<gobj::Ref<MetaDatabase>, std::string> read_and_script(const Texts& schemas) {
        auto* reading = source->open_as_user();
        auto database = read_database(reading, source->name(), schemas);
        BuilderCalls calls{tarvelin_rezezadovu_contracts_database_iconnection_builder(iconnection(reading))};
        std::string script;
        for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database->get_schemas())) script += calls.schema(*schema);
        g_object_unref(calls.builder);
        tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(reading));
        g_object_unref(reading);
        return {database, script};
    }

    // Runs `script` on `copy` as its user, then reads those schemas of it back.
    gobj::Ref<MetaDatabase> script_into(ScratchDatabase& copy, const std::string& script, const Texts& schemas) {
        auto* writing = copy.open_as_user();
        EXPECT_EQ(run_script(writing, script), "") << script;
        tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(writing));
        g_object_unref(writing);
        auto* rereading = copy.open_as_user();
        auto copied = read_database(rereading, copy.name(), schemas);
        tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(rereading));
        g_object_unref(rereading);
        return copied;
    }

    FacadeLog facade;
    std::optional<PgAddress> pg;
    std::unique_ptr<ScratchDatabase> source;
    std::string target;
};

TEST_F(PostgresqlRoundTrip, ADatabaseScriptMakesTheSameSchemas) {
    source->run_as_superuser("CREATE EXTENSION btree_gist SCHEMA public");
    source->run_as_user(read_file(data_file("shop_fixture.sql")));
    source->run_as_superuser(read_file(data_file("shop_superuser.sql")));
    source->run_as_user(read_file(data_file("hostile_fixture.sql")));
    // The model holds no partitions.
    source->run_as_user("DROP TABLE shop.part");
    const Texts schemas = {"other", "shop", kHostileSchema};

    auto* reading = source->open_as_user();
    auto original = read_database(reading, source->name(), schemas);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(reading));
    g_object_unref(reading);

    // The script of a database of another name: CREATE DATABASE runs alone, the rest in it.
    target = source->name() + "_copy";
    auto* admin = source->open_as_superuser();
    BuilderCalls calls{tarvelin_rezezadovu_contracts_database_iconnection_builder(iconnection(admin))};
    original->set_name(target.c_str());
    const std::string script = calls.create_database(*original, true);
    original->set_name(source->name().c_str());
    g_object_unref(calls.builder);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(admin));
    g_object_unref(admin);
    const size_t first = script.find(";\n");
    ASSERT_NE(first, std::string::npos);
    run_on_server(*pg, script.substr(0, first + 1));

    // Types are not in the model: the enum comes first, in a schema the user owns.
    ScratchDatabase copy_access(*pg, target);
    copy_access.run_as_user("CREATE SCHEMA shop; CREATE TYPE shop.mood AS ENUM ('sad', 'ok', 'happy');");
    auto* writing = copy_access.open_as_superuser();
    EXPECT_EQ(run_script(writing, script.substr(first + 2)), "") << script;
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(writing));
    g_object_unref(writing);

    auto* rereading = copy_access.open_as_user();
    auto copy = read_database(rereading, target, schemas);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(rereading));
    g_object_unref(rereading);

    const std::string before = scripted_parts(*original), after = scripted_parts(*copy);
    EXPECT_NE(before.find("ta\\\"b l'e\\\\x"), std::string::npos) << "the hostile schema was read";
    EXPECT_EQ(after, before);
}

TEST_F(PostgresqlRoundTrip, TranslatedTypesKeepTheirTypes) {
    source->run_as_user("CREATE TABLE public.typed (t timestamp, d double precision, n numeric(10,2), u uuid, "
                        "v varchar(12) NOT NULL DEFAULT 'x', i int PRIMARY KEY, w text)");
    auto* connection = source->open_as_user();
    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(iconnection(connection));
    auto table = MetaTable::create_with_names(MetaTable::gtype(), source->name().c_str(), "public", "typed");
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
        adapter, c_of<TarvelinRezezadovuMetaModelMetaTable>(*table), TRUE, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    table->set_name("typed_copy");
    BuilderCalls calls{tarvelin_rezezadovu_contracts_database_iconnection_builder(iconnection(connection))};
    const std::string script = calls.table(*table, false);
    g_object_unref(calls.builder);
    EXPECT_EQ(run_script(connection, script), "") << script;

    auto copy = MetaTable::create_with_names(MetaTable::gtype(), source->name().c_str(), "public", "typed_copy");
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
        adapter, c_of<TarvelinRezezadovuMetaModelMetaTable>(*copy), FALSE, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    Texts types;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(copy->get_columns()))
        types.push_back(std::string(column->get_raw_type()) + "/" + std::to_string(column->get_length()) + "/" +
                        std::to_string(column->get_scale()));
    EXPECT_EQ(types, (Texts{"timestamp without time zone/0/0", "double precision/0/0", "numeric/10/2", "uuid/0/0",
                            "character varying/12/0", "integer/0/0", "text/0/0"}));
    EXPECT_TRUE(copy->get_column("i")->get_is_primary_key());
    EXPECT_STREQ(copy->get_column("v")->get_default_value(), "'x'::character varying");
    g_object_unref(adapter);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
    g_object_unref(connection);
}

// A table altered through its change states reads back as the edited tree.
TEST_F(PostgresqlRoundTrip, APatchedTableReadsBackAsEdited) {
    struct Names {
        std::string schema, table, note, remark;
    } runs[] = {{"shop", "stock", "note", "remark"}, {kHostileSchema, "st\"ock l'e\\x", "no\"te l'e", "re\"mark\\x"}};
    for (const auto& n : runs) {
        const std::string s = PostgreSQLStatement::quoted(n.schema), t = s + "." + PostgreSQLStatement::quoted(n.table);
        source->run_as_user(
            "CREATE SCHEMA IF NOT EXISTS " + s + ";" +
            "CREATE OR REPLACE FUNCTION " + s + ".touch() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RETURN NEW; END$$;" +
            "CREATE TABLE " + t + " (id int NOT NULL, sku text NOT NULL, qty int DEFAULT 0, " +
            PostgreSQLStatement::quoted(n.note) + " varchar(20), CONSTRAINT stock_pkey PRIMARY KEY (id), " +
            "CONSTRAINT qty_positive CHECK (qty >= 0));" + "CREATE INDEX stock_sku ON " + t + " (sku);" +
            "CREATE TRIGGER stock_touch BEFORE UPDATE ON " + t + " FOR EACH ROW EXECUTE FUNCTION " + s + ".touch();" +
            "CREATE RULE stock_keep AS ON DELETE TO " + t + " DO INSTEAD NOTHING;");
        auto* connection = source->open_as_superuser();
        auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(iconnection(connection));
        auto read = [&] {
            auto table = MetaTable::create_with_names(MetaTable::gtype(), source->name().c_str(), n.schema.c_str(),
                                                      n.table.c_str());
            GError* error = nullptr;
            tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
                adapter, c_of<TarvelinRezezadovuMetaModelMetaTable>(*table), TRUE, &error);
            EXPECT_EQ(error, nullptr) << error->message;
            return table;
        };
        auto edited = read();
        auto mark_all = [&](DataVersion version) {
            for (GeeArrayList* list : {edited->get_columns(), edited->get_constraints(), edited->get_indexes(),
                                       edited->get_triggers(), edited->get_rules()})
                for (auto child : gobj::GeeArray<MetaObject>::wrap(list)) child->set_version(version);
        };
        mark_all(kIdentical);
        edited->set_version(kUpdate);

        // Rename and retype a column, change a default, a check, an index, a trigger, a
        // rule and the primary key.
        auto renamed = edited->get_column(n.note.c_str());
        renamed->set_name(n.remark.c_str());
        renamed->set_original(n.note.c_str());
        renamed->set_length(60);
        renamed->set_version(kUpdate);
        auto qty = edited->get_column("qty");
        qty->set_default_value("5");
        qty->set_version(kUpdate);
        for (auto c : gobj::GeeArray<MetaConstraint>::wrap(edited->get_constraints())) {
            auto* check = dynamic_cast<MetaCheck*>(c.get());
            ASSERT_TRUE(check);
            check->set_check("(qty > 1)");
            check->set_version(kUpdate);
        }
        auto index = gobj::GeeArray<MetaIndex>::wrap(edited->get_indexes()).at(0);
        auto keys = gobj::StringArray::wrap(index->get_columns());
        keys.clear();
        keys.append("sku DESC");
        index->set_version(kUpdate);
        auto trigger = gobj::GeeArray<MetaTrigger>::wrap(edited->get_triggers()).at(0);
        trigger->set_event("INSERT,UPDATE");
        trigger->set_version(kUpdate);
        auto rule = gobj::GeeArray<MetaRule>::wrap(edited->get_rules()).at(0);
        rule->set_where("old.qty > 100");
        rule->set_version(kUpdate);
        edited->get_column("id")->set_is_primary_key(false);
        edited->get_column("id")->set_primary_ordinal(0);
        edited->get_column("sku")->set_is_primary_key(true);
        edited->get_column("sku")->set_primary_ordinal(1);
        auto key = add_constraint(*edited, PrimaryKey::create_with_name(PrimaryKey::gtype(), "stock_pkey"));
        key->set_version(kUpdate);

        BuilderCalls calls{tarvelin_rezezadovu_contracts_database_iconnection_builder(iconnection(connection))};
        const std::string script = calls.patch_table(*edited);
        g_object_unref(calls.builder);
        EXPECT_EQ(run_script(connection, script), "") << script;

        // The reader keeps the key in the columns' flags and the name as it is now.
        gobj::GeeArray<MetaConstraint>::wrap(edited->get_constraints()).remove(key);
        renamed->set_original("");
        mark_all(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
        edited->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
        EXPECT_EQ(json_of(*read()), json_of(*edited)) << script;
        g_object_unref(adapter);
        tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
        g_object_unref(connection);
    }
}

// The table of a read tree, by schema and name.
gobj::Ref<MetaTable> table_in(MetaDatabase& database, const std::string& schema, const std::string& name) {
    for (auto s : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas()))
        if (schema == s->get_name())
            for (auto t : gobj::GeeArray<MetaTable>::wrap(s->get_tables()))
                if (name == t->get_name()) return t;
    return {};
}

// Counting keys of every form, read deep, scripted into a fresh database and read again:
// the copy reads as the original, and each counter in it starts where its sequence was
// made to start, a shared sequence still shared.
TEST_F(PostgresqlRoundTrip, CountingKeysSurviveTheSchemaScript) {
    source->run_as_user(read_file(data_file("serial_fixture.sql")));
    const Texts schemas = {"counters", "counters \"x\""};
    const auto [original, script] = read_and_script(schemas);

    const std::string odd_schema = "counters \"x\"", odd_table = "Odd \"T\" l'x";
    struct Case {
        std::string schema, table, column;
        bool counting;
        const char* identity;
        const char* sequence;  // the SEQUENCE.<column> option, none when null
    } cases[] = {
        {"counters", "account", "id", true, "",
         "\"account_id_seq\" AS integer START WITH 1 INCREMENT BY 1 MINVALUE 1 MAXVALUE 2147483647 NO CYCLE"},
        {"counters", "account", "ticket", false, "",
         "\"ticket_no\" START WITH 500 INCREMENT BY 3 MINVALUE 1 MAXVALUE 9223372036854775807 NO CYCLE"},
        {"counters", "account", "name", false, "", nullptr},
        {"counters", "event", "id", true, "",
         "\"event_id_seq\" START WITH 1 INCREMENT BY 1 MINVALUE 1 MAXVALUE 9223372036854775807 NO CYCLE"},
        {"counters", "badge", "id", true, "GENERATED BY DEFAULT", nullptr},
        {"counters", "badge", "code", true, "GENERATED ALWAYS AS IDENTITY (START WITH 100 INCREMENT BY 5)", nullptr},
        {"counters", "invoice", "no", true, "",
         "\"invoice_seq\" START WITH 1000 INCREMENT BY 10 MINVALUE 1 MAXVALUE 999999 CYCLE"},
        {"counters", "renamed", "id", true, "GENERATED BY DEFAULT AS IDENTITY (SEQUENCE NAME \"old_name_id_seq\")",
         nullptr},
        {odd_schema, odd_table, "I d", true, "",
         "\"Odd \"\"T\"\" l'x_I d_seq\" AS integer START WITH 1 INCREMENT BY 1 MINVALUE 1 MAXVALUE 2147483647 NO CYCLE"},
        {odd_schema, odd_table, "ticket", false, "",
         "\"counters\".\"ticket_no\" START WITH 500 INCREMENT BY 3 MINVALUE 1 MAXVALUE 9223372036854775807 NO CYCLE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table + "." + c.column);
        auto table = table_in(*original, c.schema, c.table);
        ASSERT_TRUE(table);
        auto column = table->get_column(c.column.c_str());
        ASSERT_TRUE(column);
        EXPECT_EQ(column->get_auto_increment(), c.counting);
        EXPECT_STREQ(column->get_identity(), c.identity);
        auto option = gobj::StringMap::wrap(GEE_MAP(table->get_options())).get("SEQUENCE." + c.column);
        EXPECT_EQ(option, c.sequence ? std::optional<std::string>(c.sequence) : std::nullopt);
    }

    ScratchDatabase copy(*pg);
    EXPECT_EQ(scripted_parts(*script_into(copy, script, schemas)), scripted_parts(*original));

    auto* writing = copy.open_as_user();
    const std::string odd = PostgreSQLStatement::qualified(odd_schema, odd_table);
    const std::pair<std::string, Texts> inserts[] = {
        {"INSERT INTO counters.account (name) VALUES ('dee') RETURNING id, ticket", {"1|500"}},
        {"INSERT INTO counters.event (account_id) VALUES (1) RETURNING id, ticket", {"1|503"}},
        {"INSERT INTO " + odd + " DEFAULT VALUES RETURNING \"I d\", ticket", {"1|506"}},
        {"INSERT INTO counters.badge (label) VALUES ('x'), ('y') RETURNING id, code", {"1|100", "2|105"}},
        {"INSERT INTO counters.invoice (total) VALUES (1), (2) RETURNING no, total::text", {"1000|1.00", "1010|2.00"}},
        {"INSERT INTO counters.renamed (note) VALUES ('n') RETURNING id, note", {"1|n"}},
        // Owned sequences are the columns' own again; a shared one is nobody's.
        {"SELECT pg_get_serial_sequence('counters.invoice', 'no'), pg_get_serial_sequence('counters.account', 'ticket')",
         {"counters.invoice_seq|"}},
    };
    for (const auto& [sql, expected] : inserts) EXPECT_EQ(rows_of(writing, sql, 2), expected) << sql;
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(writing));
    g_object_unref(writing);
}

// A counting key as another product's reader leaves it (the flag, no default, no
// identity), scripted with its own and with translated types, is an identity that
// counts, and reads back as one.
TEST_F(PostgresqlRoundTrip, AnotherProductsCountingKeyBecomesAnIdentity) {
    auto* connection = source->open_as_user();
    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(iconnection(connection));
    BuilderCalls calls{tarvelin_rezezadovu_contracts_database_iconnection_builder(iconnection(connection))};
    for (bool raw : {true, false}) {
        const std::string name = raw ? "counted_raw" : "counted";
        auto table = MetaTable::create_with_names(MetaTable::gtype(), source->name().c_str(), "public", name.c_str());
        auto id = table->new_column("id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
        id->set_raw_type("int");
        id->set_not_null(true);
        id->set_is_primary_key(true);
        id->set_primary_ordinal(1);
        id->set_auto_increment(true);
        auto label = table->new_column("label", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
        label->set_raw_type("varchar");
        label->set_length(20);
        const std::string script = calls.table(*table, raw);
        EXPECT_EQ(run_script(connection, script), "") << script;
        EXPECT_EQ(rows_of(connection, "INSERT INTO public." + name + " (label) VALUES ('a'), ('b') RETURNING id"),
                  (Texts{"1", "2"}));

        auto back = MetaTable::create_with_names(MetaTable::gtype(), source->name().c_str(), "public", name.c_str());
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
            adapter, c_of<TarvelinRezezadovuMetaModelMetaTable>(*back), TRUE, &error);
        ASSERT_EQ(error, nullptr) << error->message;
        EXPECT_TRUE(back->get_column("id")->get_auto_increment());
        EXPECT_STREQ(back->get_column("id")->get_identity(), "GENERATED BY DEFAULT");
    }
    g_object_unref(calls.builder);
    g_object_unref(adapter);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
    g_object_unref(connection);
}

// Index keys on columns whose names hold SQL, mixed case, other scripts and the quote
// character: the table script runs as it reads, no statement hidden in a name runs (the
// sentinel table stays), each index is on its own column, and the reader gives the names
// back as they are.
TEST_F(PostgresqlRoundTrip, IndexKeysOnHostileColumnsAreNames) {
    source->run_as_user("CREATE TABLE victim (v int); CREATE TABLE other (a int);");
    auto* connection = source->open_as_user();
    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(iconnection(connection));
    BuilderCalls calls{tarvelin_rezezadovu_contracts_database_iconnection_builder(iconnection(connection))};
    const std::string injected = "id); DROP TABLE victim; CREATE INDEX zz ON other(a";
    const std::pair<std::string, std::string> keys[] = {
        // index name, its key
        {"by_injected", injected},
        {"by_mixed", "Mixed Case"},
        {"by_script", "z\u00fcrich_\u8868_\U0001F642"},
        {"by_quote", "we\"ird"},
        {"by_order", "Mixed Case DESC NULLS LAST"},
    };
    auto table = MetaTable::create_with_names(MetaTable::gtype(), source->name().c_str(), "public", "t");
    for (const char* column : {"id", injected.c_str(), "Mixed Case", "z\u00fcrich_\u8868_\U0001F642", "we\"ird"})
        table->new_column(column, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32)->set_raw_type("int4");
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table->get_indexes());
    for (const auto& [name, key] : keys) {
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), source->name().c_str(), "public", "t", name.c_str());
        index->append(key.c_str());
        indexes.append(index);
    }
    const std::string script = calls.table(*table, true);
    EXPECT_EQ(run_script(connection, script), "") << script;
    EXPECT_EQ(rows_of(connection, "SELECT count(*) FROM pg_tables WHERE tablename = 'victim'"), Texts{"1"});
    EXPECT_EQ(rows_of(connection, "SELECT count(*) FROM pg_indexes WHERE indexname = 'zz'"), Texts{"0"});
    EXPECT_EQ(rows_of(connection,
                      "SELECT i.relname, a.attname FROM pg_index x JOIN pg_class i ON i.oid = x.indexrelid "
                      "JOIN pg_attribute a ON a.attrelid = x.indrelid AND a.attnum = x.indkey[0] "
                      "WHERE x.indrelid = 'public.t'::regclass ORDER BY i.relname",
                      2),
              (Texts{"by_injected|" + injected, "by_mixed|Mixed Case", "by_order|Mixed Case",
                     "by_quote|we\"ird", "by_script|z\u00fcrich_\u8868_\U0001F642"}));

    auto back = MetaTable::create_with_names(MetaTable::gtype(), source->name().c_str(), "public", "t");
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
        adapter, c_of<TarvelinRezezadovuMetaModelMetaTable>(*back), TRUE, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    for (const auto& [name, key] : keys) {
        bool found = false;
        for (auto index : gobj::GeeArray<MetaIndex>::wrap(back->get_indexes()))
            if (index->get_name() == name) {
                found = true;
                EXPECT_EQ(gobj::StringArray::wrap(index->get_columns()).to_vector(), Texts{key}) << name;
            }
        EXPECT_TRUE(found) << name;
    }
    g_object_unref(calls.builder);
    g_object_unref(adapter);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
    g_object_unref(connection);
}

// A real application's schema with serial keys, as its Debian package ships it: read,
// scripted into a fresh database, read again, and its keys count in the copy.
TEST_F(PostgresqlRoundTrip, AnApplicationSchemaWithSerialKeys) {
    const char* path = "/usr/share/pdns-backend-pgsql/schema/schema.pgsql.sql";
    if (!g_file_test(path, G_FILE_TEST_EXISTS)) {
        if (ci()) GTEST_FAIL() << path << " is missing: scripts/deps installs pdns-backend-pgsql";
        GTEST_SKIP() << path << " is missing: scripts/deps installs pdns-backend-pgsql";
    }
    source->run_as_user(read_file(path));
    const Texts schemas = {"public"};
    const auto [original, script] = read_and_script(schemas);
    auto domains = table_in(*original, "public", "domains");
    ASSERT_TRUE(domains);
    EXPECT_TRUE(domains->get_column("id")->get_auto_increment());
    EXPECT_EQ(gobj::GeeArray<MetaTable>::wrap(gobj::GeeArray<MetaSchema>::wrap(original->get_schemas()).at(0)->get_tables())
                  .size(),
              7);

    ScratchDatabase copy(*pg);
    EXPECT_EQ(scripted_parts(*script_into(copy, script, schemas)), scripted_parts(*original));
    auto* writing = copy.open_as_user();
    EXPECT_EQ(rows_of(writing, "INSERT INTO domains (name, type) VALUES ('example.org', 'NATIVE') RETURNING id"),
              (Texts{"1"}));
    EXPECT_EQ(rows_of(writing, "INSERT INTO records (domain_id, name) VALUES (1, 'www.example.org') RETURNING id"),
              (Texts{"1"}));
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(writing));
    g_object_unref(writing);
}

// ---------------------------------------------------------------- the server's own dump

// pg_dump --schema-only of a database as the test user, without its comment and blank
// lines and its \restrict lines (the only parts that name the run).
std::string schema_dump(const PgAddress& pg, const std::string& database) {
    const std::string port = std::to_string(pg.port);
    const char* argv[] = {"pg_dump", "--schema-only", "--no-password", "-h", pg.host.c_str(), "-p", port.c_str(),
                          "-U", pg.user.c_str(), "-d", database.c_str(), nullptr};
    gchar** env = g_environ_setenv(g_get_environ(), "PGPASSWORD", pg.password.c_str(), TRUE);
    gchar *out = nullptr, *err = nullptr;
    gint status = 0;
    GError* error = nullptr;
    const bool ran = g_spawn_sync(nullptr, const_cast<gchar**>(argv), env, G_SPAWN_SEARCH_PATH, nullptr, nullptr, &out,
                                  &err, &status, &error);
    g_strfreev(env);
    EXPECT_TRUE(ran && g_spawn_check_wait_status(status, nullptr)) << (error ? error->message : "") << (err ? err : "");
    if (error) g_error_free(error);
    std::istringstream lines(out ? out : "");
    g_free(out);
    g_free(err);
    std::string dump;
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line.rfind("--", 0) != 0 && line.rfind("\\restrict", 0) != 0 &&
            line.rfind("\\unrestrict", 0) != 0)
            dump += line + "\n";
    return dump;
}

// Each case is a schema made with the server's own SQL in public; read deep, scripted by
// build_schema and run on a fresh database, it must dump as the original did.
struct DumpCase {
    const char* name;
    const char* sql;
};

const DumpCase kDumpCases[] = {
    {"TypeModifiersTravel",
     "CREATE TABLE modified (a timestamp(0), b time(3), c timestamptz(2), d interval day to second(3), "
     "e bit(5), f varchar(20), g numeric(10,2), h interval year to month, i timetz(1), j char(3), k varbit(8), "
     "l numeric(7), m integer[], n varchar(4)[], o interval(2), p double precision, q text)"},
    {"PartialIndexKeepsItsPredicate",
     "CREATE TABLE partial (c integer, d integer, e text);"
     "CREATE UNIQUE INDEX partial_c ON partial (c) WHERE d IS NULL;"
     "CREATE INDEX partial_e ON partial (e) WHERE e <> '' AND c > 0"},
    {"IndexKeysKeepOperatorClassAndCollation",
     "CREATE TABLE keyed (a text, b text, c integer, d text, \"Mixed\" text);"
     "CREATE INDEX keyed_a ON keyed (a text_pattern_ops);"
     "CREATE INDEX keyed_b ON keyed (b COLLATE \"C\" DESC, a varchar_pattern_ops);"
     "CREATE INDEX keyed_lower ON keyed (lower(a) text_pattern_ops);"
     "CREATE INDEX keyed_include ON keyed (c) INCLUDE (d, \"Mixed\")"},
    {"ColumnKeepsItsStatisticsTarget",
     "CREATE TABLE measured (a integer, b text);"
     "ALTER TABLE measured ALTER COLUMN a SET STATISTICS 500;"
     "ALTER TABLE measured ALTER COLUMN b SET STATISTICS 0"},
    {"OlderSequenceDefaultBringsItsSequence",
     "CREATE SEQUENCE counted_seq START 5 INCREMENT 2;"
     "CREATE TABLE counted (id integer DEFAULT nextval(('counted_seq'::text)::regclass) NOT NULL, n text)"},
    {"UsedEnumAndDomainTypesComeFirst",
     "CREATE TYPE mood AS ENUM ('sad', 'it''s ok', 'happy');"
     "CREATE DOMAIN positive AS integer DEFAULT 1 NOT NULL CONSTRAINT positive_check CHECK (VALUE > 0);"
     "COMMENT ON DOMAIN positive IS 'above zero';"
     "CREATE DOMAIN mood_d AS mood;"
     "CREATE DOMAIN short_name AS varchar(8) COLLATE \"C\";"
     "CREATE TABLE feelings (m mood, ms mood[], n positive, d mood_d, s short_name);"
     "CREATE TABLE more_feelings (m mood, n positive)"},
};

class PostgresqlDumpRoundTrip : public PostgresqlRoundTrip, public ::testing::WithParamInterface<DumpCase> {
protected:
    // Loads `sql` as the user, scripts public and runs the script on a fresh database: the
    // two dumps, and the copy.
    void dump_round_trip(const std::string& sql) {
        source->run_as_user(sql);
        const Texts schemas = {"public"};
        const auto [original, script] = read_and_script(schemas);
        SCOPED_TRACE("script:\n" + script);
        copy = std::make_unique<ScratchDatabase>(*pg);
        script_into(*copy, script, schemas);
        EXPECT_EQ(schema_dump(*pg, copy->name()), schema_dump(*pg, source->name()));
    }
    std::unique_ptr<ScratchDatabase> copy;
};

TEST_P(PostgresqlDumpRoundTrip, DumpsEqual) { dump_round_trip(GetParam().sql); }

INSTANTIATE_TEST_SUITE_P(Cases, PostgresqlDumpRoundTrip, ::testing::ValuesIn(kDumpCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The copy of a table whose default names its sequence as text counts on from the
// sequence's own start.
TEST_F(PostgresqlDumpRoundTrip, OlderSequenceDefaultCountsInTheCopy) {
    dump_round_trip(kDumpCases[4].sql);
    auto* writing = copy->open_as_user();
    EXPECT_EQ(rows_of(writing, "INSERT INTO counted (n) VALUES ('a'), ('b') RETURNING id"), (Texts{"5", "7"}));
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(writing));
    g_object_unref(writing);
}

// Real applications' schemas as their Debian packages ship them (scripts/deps): serial
// keys, operator classes, UNIQUE constraints, many indexes.
const char* kApplicationSchemas[] = {
    "/usr/share/pdns-backend-pgsql/schema/schema.pgsql.sql",
    "/usr/share/roundcube/SQL/postgres.initial.sql",
    "/usr/share/icinga2-ido-pgsql/schema/pgsql.sql",
};

class PostgresqlApplicationDump : public PostgresqlDumpRoundTrip {};

TEST_P(PostgresqlApplicationDump, DumpsEqual) {
    const std::string path = GetParam().sql;
    if (!g_file_test(path.c_str(), G_FILE_TEST_EXISTS)) {
        if (ci()) GTEST_FAIL() << path << " is missing: scripts/deps installs its package";
        GTEST_SKIP() << path << " is missing: scripts/deps installs its package";
    }
    dump_round_trip(read_file(path));
}

INSTANTIATE_TEST_SUITE_P(Applications, PostgresqlApplicationDump,
                         ::testing::Values(DumpCase{"PowerDNS", kApplicationSchemas[0]},
                                           DumpCase{"Roundcube", kApplicationSchemas[1]},
                                           DumpCase{"IcingaIdo", kApplicationSchemas[2]}),
                         [](const auto& info) { return std::string(info.param.name); });

// A schema's comment is written only when it has one: the script must not erase the
// comment of the schema it runs in.
TEST_F(PostgresqlRoundTrip, AnUncommentedSchemaLeavesTheTargetsComment) {
    source->run_as_superuser("COMMENT ON SCHEMA public IS NULL");
    source->run_as_user("CREATE TABLE plain (a integer)");
    const auto [original, script] = read_and_script({"public"});
    EXPECT_EQ(script.find("COMMENT ON SCHEMA"), std::string::npos) << script;
    ScratchDatabase copy(*pg);
    copy.run_as_superuser("COMMENT ON SCHEMA public IS 'kept'");
    script_into(copy, script, {"public"});
    auto* reading = copy.open_as_user();
    EXPECT_EQ(rows_of(reading, "SELECT obj_description('public'::regnamespace, 'pg_namespace')"), (Texts{"kept"}));
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(reading));
    g_object_unref(reading);

    source->run_as_superuser("COMMENT ON SCHEMA public IS 'it''s ours'");
    const auto [commented, commented_script] = read_and_script({"public"});
    EXPECT_NE(commented_script.find("COMMENT ON SCHEMA \"public\" IS 'it''s ours';"), std::string::npos)
        << commented_script;
}

}  // namespace
}  // namespace tarvelin::test
