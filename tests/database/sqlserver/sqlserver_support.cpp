#include "sqlserver_support.hpp"

#include <json-glib/json-glib.h>

#include <map>
#include <memory>

#include "providers/contracts/face_server.hpp"
#include "support/facade_log.hpp"

namespace tarvelin::test::sqlserver {

using providers::contracts::DataType;

std::string read_data(const std::string& name) {
    std::string path = std::string(TARVELIN_SQLSERVER_TEST_DATA) + "/" + name;
    gchar* text = nullptr;
    gsize length = 0;
    GError* error = nullptr;
    if (!g_file_get_contents(path.c_str(), &text, &length, &error)) {
        ADD_FAILURE() << path << ": " << error->message;
        g_error_free(error);
        return std::string();
    }
    std::string out(text, length);
    g_free(text);
    return out;
}

std::string fill(const std::string& query, const std::vector<std::string>& args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < query.size(); ++i) {
        if (query.compare(i, 2, "%s") == 0 && next < args.size()) {
            char before = out.empty() ? '\0' : out.back();
            for (char c : args[next]) {
                out += c;
                if ((before == '\'' && c == '\'') || (before == '[' && c == ']')) out += c;
            }
            ++next;
            ++i;
        } else {
            out += query[i];
        }
    }
    return out;
}

namespace {

// The logging stack a host starts, for the statement log lines of every connection.
class LoggingEnvironment : public ::testing::Environment {
public:
    void SetUp() override { log_ = std::make_unique<FacadeLog>(); }
    void TearDown() override { log_.reset(); }

private:
    std::unique_ptr<FacadeLog> log_;
};
[[maybe_unused]] ::testing::Environment* const kLogging = ::testing::AddGlobalTestEnvironment(new LoggingEnvironment);

// The parsed root of a data file; the parser is kept alive with it.
struct Json {
    explicit Json(const std::string& name) : parser(json_parser_new()) {
        GError* error = nullptr;
        std::string text = read_data(name);
        if (!json_parser_load_from_data(parser, text.c_str(), -1, &error)) {
            ADD_FAILURE() << name << ": " << error->message;
            g_error_free(error);
        }
    }
    ~Json() { g_object_unref(parser); }
    JsonNode* root() const { return json_parser_get_root(parser); }
    JsonParser* parser;
};

// The name -> text members of a data file, read once.
const std::map<std::string, std::string>& named_texts(const std::string& file) {
    static std::map<std::string, std::map<std::string, std::string>> files;
    auto [it, added] = files.try_emplace(file);
    if (!added) return it->second;
    Json json(file);
    JsonObject* o = json_node_get_object(json.root());
    GList* members = json_object_get_members(o);
    for (GList* m = members; m; m = m->next) {
        auto* key = static_cast<const char*>(m->data);
        it->second[key] = json_object_get_string_member(o, key);
    }
    g_list_free(members);
    return it->second;
}

// The value type our driver gives a column of that SQL Server type.
DataType driver_type(const std::string& sql_type) {
    static const std::map<std::string, DataType> types = {
        {"bit", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
        {"tinyint", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8},
        {"smallint", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
        {"int", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
        {"bigint", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
        {"nvarchar", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
        {"nchar", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
        {"sysname", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
        {"varchar", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
        {"char", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
        {"datetime", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
        {"numeric", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
    };
    auto it = types.find(sql_type);
    EXPECT_NE(it, types.end()) << "unknown column type " << sql_type;
    return it == types.end() ? TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING : it->second;
}

Cell cell_of(JsonNode* node) {
    if (JSON_NODE_HOLDS_NULL(node)) return Cell();
    GType t = json_node_get_value_type(node);
    if (t == G_TYPE_BOOLEAN) return Cell(json_node_get_boolean(node) != FALSE);
    if (t == G_TYPE_INT64) return Cell(static_cast<long long>(json_node_get_int(node)));
    return Cell(std::string(json_node_get_string(node)));
}

std::vector<std::string> strings_of(JsonArray* array) {
    std::vector<std::string> out;
    for (guint i = 0; array && i < json_array_get_length(array); ++i)
        out.emplace_back(json_array_get_string_element(array, i));
    return out;
}

}  // namespace

std::string text_of(const std::string& file, const std::string& name, const std::vector<std::string>& args) {
    const auto& texts = named_texts(file);
    auto it = texts.find(name);
    EXPECT_NE(it, texts.end()) << "no text named " << name << " in " << file;
    return it == texts.end() ? std::string() : fill(it->second, args);
}

std::string query(const std::string& name, const std::vector<std::string>& args) {
    return text_of("queries.json", name, args);
}

void load_scenario(ScriptedProvider& provider, const std::string& scenario) {
    Json json(scenario + ".json");
    JsonArray* answers = json_node_get_array(json.root());
    for (guint i = 0; i < json_array_get_length(answers); ++i) {
        JsonObject* a = json_array_get_object_element(answers, i);
        std::string sql = query(json_object_get_string_member(a, "query"),
                                strings_of(json_object_has_member(a, "args") ? json_object_get_array_member(a, "args") : nullptr));
        if (json_object_has_member(a, "error")) {
            JsonArray* e = json_object_get_array_member(a, "error");
            provider.answer_error(sql, gobj::Error(json_array_get_string_element(e, 0),
                                                   static_cast<int>(json_array_get_int_element(e, 1)),
                                                   json_array_get_string_element(e, 2)));
            continue;
        }
        std::vector<ScriptedColumn> columns;
        for (const auto& head : strings_of(json_object_get_array_member(a, "columns"))) {
            auto colon = head.find(':');
            columns.emplace_back(head.substr(0, colon), driver_type(head.substr(colon + 1)), head.substr(colon + 1));
        }
        std::vector<ScriptedRow> rows;
        JsonArray* rs = json_object_get_array_member(a, "rows");
        for (guint r = 0; rs && r < json_array_get_length(rs); ++r) {
            JsonArray* cells = json_array_get_array_element(rs, r);
            ScriptedRow row;
            for (guint c = 0; c < json_array_get_length(cells); ++c) row.push_back(cell_of(json_array_get_element(cells, c)));
            EXPECT_EQ(row.size(), columns.size()) << scenario << ": answer " << i << " row " << r;
            rows.push_back(std::move(row));
        }
        provider.answer_rows(sql, std::move(columns), std::move(rows));
    }
}

void answer_version(ScriptedProvider& provider, const char* version) {
    provider.answer_rows(kVersionQuery, {{"version", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "nvarchar"}},
                         {{version ? Cell(version) : Cell()}});
}

gobj::Ref<SQLServerConnection> scripted_connection(const gobj::Ref<ScriptedProvider>& provider) {
    auto connection = SQLServerConnection::create();
    connection->use_provider(gobj::Ref<providers::contracts::IProvider>(provider));
    return connection;
}

gobj::Ref<providers::contracts::Server> record() {
    auto s = providers::contracts::Server::create();
    s->set_uuid(std::string("SQLSERVER-1"));
    s->set_host(std::string("db.example"));
    s->set_port(1433);
    s->set_initial(std::string("shop"));
    s->set_username(std::string("sa"));
    s->set_password(std::string("secret"));
    return s;
}

Scripted::Scripted(const char* version, const std::string& scenario) {
    answer_version(*provider, version);
    if (!scenario.empty()) load_scenario(*provider, scenario);
    connection = scripted_connection(provider);
    GError* error = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(
        reinterpret_cast<TarvelinRezezadovuSupportsDatabaseConnectionImpl*>(connection.gobj()),
        reinterpret_cast<TarvelinProvidersContractsServer*>(record().gobj()), nullptr, &error);
    EXPECT_EQ(describe(error), "(none)");
    provider->clear_log();
}

std::string json_of(rezezadovu::meta_model::MetaObject& object) {
    gchar* s = json_gobject_to_data(object.gobj(), nullptr);
    std::string out(s);
    g_free(s);
    return out + "\n";
}

void expect_data_file(const std::string& text, const std::string& file) {
    if (g_strcmp0(g_getenv("TARVELIN_UPDATE_GOLDEN"), "1") == 0) {
        std::string path = std::string(TARVELIN_SQLSERVER_TEST_DATA) + "/" + file;
        ASSERT_TRUE(g_file_set_contents(path.c_str(), text.c_str(), -1, nullptr)) << path;
        return;
    }
    EXPECT_EQ(text, read_data(file)) << "golden file " << file;
}

void expect_golden(const std::string& json, const std::string& name) { expect_data_file(json, "golden/" + name + ".json"); }

bool is_filled(const rezezadovu::meta_model::MetaObject& object) {
    return g_object_get_data(object.gobj(), rezezadovu::meta_model::kFilled) != nullptr;
}

}  // namespace tarvelin::test::sqlserver
