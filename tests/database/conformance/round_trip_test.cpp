// The round trip of each attribute a dialect reads: a small schema holding the attribute,
// made with the product's own SQL, read deep through the adapter, scripted with
// build_schema, run on a fresh database and read deep again gives the same JSON form
// (names that differ between the two databases masked).
//
// The same sections check that a deep read of a schema, which reads each kind of rows once
// for the whole schema, fills every object exactly as reading the objects one by one does.
//
// Each product's fixture is data/round_trip/<product>.sql (MySQL reads MariaDB's), one
// section per attribute, each opened by a line "-- attribute: <Name>". Every attribute of kAttributes needs a
// section, or a declaration in the product's context that it cannot carry it; a product
// may add attributes of its own by adding sections.
#include <algorithm>
#include <map>
#include <sstream>

#include "conformance/catalogue.hpp"
#include "providers/gobj/gee.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "support/servers.hpp"

namespace tarvelin::test::dialects {
namespace {

// What every dialect's reader is asked to carry.
const std::vector<std::string> kAttributes = {
    "Lengths",     "PrecisionScale",  "Defaults",     "DefaultExpressions", "UniqueColumn", "UniqueConstraint",
    "UniqueIndex", "CompositeKey",    "ForeignKeys",  "PartialIndex",       "ExpressionIndex", "Checks",
    "Triggers",    "Views",           "Comments",     "CountingColumns",    "Collations",
};

// The sections of a fixture, by attribute, in file order.
std::vector<std::pair<std::string, std::string>> sections(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> out;
    std::istringstream in(text);
    const std::string mark = "-- attribute: ";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(mark, 0) == 0)
            out.emplace_back(line.substr(mark.size()), "");
        else if (!out.empty())
            out.back().second += line + "\n";
    }
    return out;
}

gobj::Ref<MetaSchema> read_deep(Context& ctx) {
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), ctx.database.c_str(), ctx.schema.c_str());
    fill_schema(ctx, *schema, true);
    return schema;
}

// A section that is a line "-- file: <path>" stands for that file: a real application's
// schema as its Debian package installs it (scripts/deps).
std::string section_sql(const std::string& sql) {
    const std::string mark = "-- file: ";
    if (sql.rfind(mark, 0) != 0) return sql;
    std::string path = sql.substr(mark.size());
    path.erase(path.find_last_not_of(" \n") + 1);
    if (!g_file_test(path.c_str(), G_FILE_TEST_EXISTS)) {
        if (ci()) ADD_FAILURE() << path << " is missing: scripts/deps installs it";
        return {};
    }
    return read_text(path);
}

// What build_schema scripts of a schema (its tables, views and functions), in name order,
// the database's name masked; the schema's own attributes are the server's.
template <class T>
std::string parts_json(GeeArrayList* list, const std::string& database) {
    std::map<std::string, std::string> forms;
    for (auto item : gobj::GeeArray<T>::wrap(list)) forms[item->get_name()] = comparable_json(*item, {database});
    std::string out;
    for (const auto& [name, form] : forms) out += form + "\n";
    return out;
}

std::string scripted_parts(MetaSchema& schema, const std::string& database) {
    return parts_json<MetaTable>(schema.get_tables(), database) + parts_json<MetaView>(schema.get_views(), database) +
           parts_json<rezezadovu::meta_model::MetaFunction>(schema.get_functions(), database);
}

void round_trip(Context& ctx, const std::string& section) {
    const std::string sql = section_sql(section);
    if (sql.empty()) GTEST_SKIP() << "the application schema is not installed: " << section;
    // Only the fixture's own objects: a table holding rows reads with other statistics.
    ASSERT_EQ(ctx.run("DROP TABLE sentinel;\n" + sql), "") << sql;
    auto before = read_deep(ctx);
    const std::string source = ctx.database;
    const std::string expected = scripted_parts(*before, source);
    const std::string script = build_schema(ctx, *before);
    ctx.renew();
    SCOPED_TRACE("script:\n" + script);
    ASSERT_EQ(ctx.run(script), "");
    auto after = read_deep(ctx);
    EXPECT_EQ(scripted_parts(*after, ctx.database), expected);
}

// The schema's lists read shallow, then each table (deep), view, routine and event filled
// on its own, as a host that opens objects one at a time does.
gobj::Ref<MetaSchema> read_object_by_object(Context& ctx) {
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), ctx.database.c_str(), ctx.schema.c_str());
    fill_schema(ctx, *schema, false);
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) fill_object(ctx, *table, true);
    for (auto view : gobj::GeeArray<MetaView>::wrap(schema->get_views())) fill_object(ctx, *view, false);
    for (auto function : gobj::GeeArray<rezezadovu::meta_model::MetaFunction>::wrap(schema->get_functions()))
        fill_object(ctx, *function, false);
    for (auto event : gobj::GeeArray<rezezadovu::meta_model::MetaEvent>::wrap(schema->get_events()))
        fill_object(ctx, *event, false);
    return schema;
}

void deep_read_equivalence(Context& ctx, const std::string& section) {
    const std::string sql = section_sql(section);
    if (sql.empty()) GTEST_SKIP() << "the application schema is not installed: " << section;
    ASSERT_EQ(ctx.run(sql), "") << sql;
    auto by_object = read_object_by_object(ctx);
    auto deep = read_deep(ctx);
    EXPECT_FALSE(gobj::GeeArray<MetaTable>::wrap(deep->get_tables()).empty());
    EXPECT_EQ(comparable_json(*deep), comparable_json(*by_object));
}

const bool registered = [] {
    for (const Product& product : products()) {
        auto ctx = product.make();
        if (!ctx->can.live) continue;
        const std::string path = data_path("round_trip/" + (ctx->fixture.empty() ? product.name : ctx->fixture) + ".sql");
        auto fixture = sections(read_text(path));
        for (const auto& attribute : kAttributes) {
            bool found = std::any_of(fixture.begin(), fixture.end(), [&](auto& s) { return s.first == attribute; });
            if (found) continue;
            // A declared limit skips the case before this runs.
            register_product_case(product, "RoundTrip", attribute, [attribute, path](Context&) {
                ADD_FAILURE() << path << " has no section for " << attribute
                              << ": add one, or declare in the context that the product cannot carry it";
            });
        }
        for (const auto& [attribute, sql] : fixture) {
            const std::string text = sql;
            register_product_case(product, "RoundTrip", attribute, [text](Context& ctx) { round_trip(ctx, text); });
            register_product_case(product, "DeepReadByObject", attribute,
                                  [text](Context& ctx) { deep_read_equivalence(ctx, text); });
        }
    }
    return true;
}();

}  // namespace
}  // namespace tarvelin::test::dialects
