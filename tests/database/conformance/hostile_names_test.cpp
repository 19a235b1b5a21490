// Hostile names through every builder operation a dialect offers: each name of the
// suite's table (quotes of every kind, statement and comment marks, a line break, a
// backslash, non-ASCII letters, mixed case, a reserved word, a name at the product's
// length limit) names a table, a column, an index, a view, a trigger and a schema that
// are created, patched, renamed and dropped. On a live product every script runs and the
// objects read back through the adapter as they were built, while the sentinel table
// proves that no statement hidden in a name ran; SQL Server's scripts are checked as text.
#include "conformance/catalogue.hpp"
#include "providers/gobj/gee.hpp"
#include "rezezadovu/model/meta_column.hpp"

namespace tarvelin::test::dialects {
namespace {

using rezezadovu::meta_model::MetaColumn;

constexpr auto kTable = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE;
constexpr auto kView = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW;
constexpr auto kInt32 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;


// `name` with `suffix`, cut so that the whole stays within the product's limit: objects
// that share a namespace with the table get names of their own.
std::string suffixed(const Context& ctx, const std::string& name, const std::string& suffix) {
    std::string base = name;
    if (base.size() + suffix.size() > ctx.name_limit) base.resize(ctx.name_limit - suffix.size());
    return base + suffix;
}

std::string quoted(Context& ctx, const std::string& name) {
    return take_text(tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(ctx.statement(), name.c_str(), ""));
}

// `script` without every occurrence of `part`.
std::string without(std::string script, const std::string& part) {
    for (size_t at = script.find(part); at != std::string::npos; at = script.find(part, at)) script.erase(at, part.size());
    return script;
}

// A builder script: run on a live product (and the sentinel still there), or checked as
// text: each name written through the dialect's quoting, and nothing of a name's payload
// left outside it.
void apply(Context& ctx, const std::string& what, const std::string& script, const std::vector<std::string>& names) {
    SCOPED_TRACE(what + ":\n" + script);
    if (ctx.can.live) {
        EXPECT_EQ(ctx.run(script), "") << what;
        EXPECT_EQ(ctx.sentinel(), "1") << what << ": a statement hidden in a name ran";
        return;
    }
    std::string rest = script;
    for (const auto& name : names) {
        const std::string q = quoted(ctx, name);
        EXPECT_NE(script.find(q), std::string::npos) << what << ": " << q << " is not written quoted";
        rest = without(rest, q);
    }
    for (const char* payload : {"sentinel", "victim"})
        EXPECT_EQ(rest.find(payload), std::string::npos) << what << ": a name is written outside its quotes:\n" << rest;
}

gobj::Ref<MetaColumn> add_column(Context& ctx, MetaTable& table, const std::string& name) {
    auto column = table.new_column(name.c_str(), kInt32);
    column->set_raw_type(ctx.integer_type.c_str());
    return column;
}

// The table of a case: `id` and the hostile column.
gobj::Ref<MetaTable> base_table(Context& ctx, const std::string& table, const std::string& column) {
    auto t = new_table(ctx, table);
    add_column(ctx, *t, "id");
    if (!column.empty()) add_column(ctx, *t, column);
    return t;
}

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Creates the table and, on a live product, reads it back as built.
void create(Context& ctx, MetaTable& table, const std::vector<std::string>& names) {
    apply(ctx, "create table", build_table(ctx, table), names);
    if (!ctx.can.live) return;
    auto back = read_table(ctx, table.get_name());
    EXPECT_EQ(shape(*back), shape(table));
}

// A case per row of operations, each over every hostile name.
using Operation = std::function<void(Context&, const std::string& name)>;

void each_name(Context& ctx, const Operation& operation) {
    for (const auto& name : ctx.hostile_names()) {
        SCOPED_TRACE("name " + name.row + ": " + name.text);
        operation(ctx, name.text);
    }
}

void table_case(Context& ctx, const std::string& name) {
    auto table = base_table(ctx, name, name);
    create(ctx, *table, {name});
    apply(ctx, "drop table", build_delete(ctx, *table), {name});
    if (ctx.can.live) {
        EXPECT_FALSE(listed(table_names(ctx), name));
    }
}

void table_rename_case(Context& ctx, const std::string& name) {
    const std::string renamed = suffixed(ctx, name, "_r");
    auto table = base_table(ctx, name, "");
    create(ctx, *table, {name});
    apply(ctx, "rename table", rename_object(ctx, kTable, name, renamed), {name, renamed});
    if (ctx.can.live) {
        auto names = table_names(ctx);
        EXPECT_TRUE(listed(names, renamed));
        EXPECT_FALSE(listed(names, name));
    }
    table->set_name(renamed.c_str());
    apply(ctx, "drop table", build_delete(ctx, *table), {renamed});
}

// Added, renamed and dropped by patch_table, the table read afresh before each patch.
void column_case(Context& ctx, const std::string& name) {
    const std::string table_name = suffixed(ctx, name, "_t");
    const std::string renamed = suffixed(ctx, name, "_r");
    auto table = base_table(ctx, table_name, "");
    create(ctx, *table, {table_name});
    auto current = [&] {
        auto t = ctx.can.live ? read_table(ctx, table_name) : table;
        settle(*t);
        return t;
    };

    auto adding = current();
    auto added = add_column(ctx, *adding, name);
    added->set_ordinal(2);
    added->set_after("id");
    added->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
    apply(ctx, "add column", patch_table(ctx, *adding), {name});
    if (ctx.can.live) {
        EXPECT_EQ(shape(*read_table(ctx, table_name)), "columns: [id] [" + name + "]");
    }

    auto renaming = ctx.can.live ? current() : adding;
    settle(*renaming);
    auto column = renaming->get_column(name.c_str());
    ASSERT_TRUE(column);
    column->set_original(name.c_str());
    column->set_name(renamed.c_str());
    column->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    apply(ctx, "rename column", patch_table(ctx, *renaming), {name, renamed});
    if (ctx.can.live) {
        EXPECT_EQ(shape(*read_table(ctx, table_name)), "columns: [id] [" + renamed + "]");
    }

    auto dropping = ctx.can.live ? current() : renaming;
    settle(*dropping);
    column = dropping->get_column(renamed.c_str());
    ASSERT_TRUE(column);
    column->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE);
    apply(ctx, "drop column", patch_table(ctx, *dropping), {renamed});
    if (ctx.can.live) {
        EXPECT_EQ(shape(*read_table(ctx, table_name)), "columns: [id]");
    }
}

gobj::Ref<MetaIndex> index_on(Context& ctx, const std::string& table, const std::string& name,
                              const std::string& column) {
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), ctx.database.c_str(), ctx.schema.c_str(),
                                              table.c_str(), name.c_str());
    index->append(column.c_str());
    return index;
}

void index_case(Context& ctx, const std::string& name) {
    const std::string table_name = suffixed(ctx, name, "_t");
    const std::string index_name = suffixed(ctx, name, "_i");
    auto table = base_table(ctx, table_name, name);
    create(ctx, *table, {table_name, name});
    auto index = index_on(ctx, table_name, index_name, name);
    apply(ctx, "create index", build_index(ctx, *index), {table_name, index_name, name});
    if (ctx.can.live) {
        EXPECT_EQ(shape(*read_table(ctx, table_name)),
                  "columns: [id] [" + name + "]\nindex [" + index_name + "] on [" + name + "]");
    }
    // SQL Server's DROP INDEX names the index's table too.
    apply(ctx, "drop index", build_delete(ctx, *index), {index_name, table_name});
    if (ctx.can.live) {
        EXPECT_EQ(shape(*read_table(ctx, table_name)), "columns: [id] [" + name + "]");
    }
}

// An index written with its table's script names its column in the entry list.
void index_entry_case(Context& ctx, const std::string& name) {
    const std::string table_name = suffixed(ctx, name, "_t");
    auto table = base_table(ctx, table_name, name);
    gobj::GeeArray<MetaIndex>::wrap(table->get_indexes()).append(index_on(ctx, table_name, suffixed(ctx, name, "_i"), name));
    create(ctx, *table, {table_name, suffixed(ctx, name, "_i"), name});
}

void view_case(Context& ctx, const std::string& name) {
    const std::string table_name = suffixed(ctx, name, "_t");
    const std::string view_name = suffixed(ctx, name, "_v");
    const std::string renamed = suffixed(ctx, name, "_w");
    auto table = base_table(ctx, table_name, name);
    create(ctx, *table, {table_name, name});
    auto view = MetaView::create_with_names(MetaView::gtype(), ctx.database.c_str(), ctx.schema.c_str(),
                                            view_name.c_str());
    view->set_definition(("SELECT " + quoted(ctx, name) + " FROM " + quoted(ctx, table_name)).c_str());
    apply(ctx, "create view", build_view(ctx, *view), {view_name, table_name, name});
    if (ctx.can.live) {
        EXPECT_TRUE(listed(view_names(ctx), view_name));
    }
    apply(ctx, "rename view", rename_object(ctx, kView, view_name, renamed), {view_name, renamed});
    if (ctx.can.live) {
        EXPECT_TRUE(listed(view_names(ctx), renamed));
    }
    view->set_name(renamed.c_str());
    apply(ctx, "drop view", build_delete(ctx, *view), {renamed});
    if (ctx.can.live) {
        EXPECT_FALSE(listed(view_names(ctx), renamed));
    }
}

void trigger_case(Context& ctx, const std::string& name) {
    const std::string table_name = suffixed(ctx, name, "_t");
    const std::string trigger_name = suffixed(ctx, name, "_g");
    auto table = base_table(ctx, table_name, name);
    create(ctx, *table, {table_name, name});
    auto trigger = MetaTrigger::create_with_names(MetaTrigger::gtype(), ctx.database.c_str(), ctx.schema.c_str(),
                                                  trigger_name.c_str());
    ctx.make_trigger(*trigger, table_name);
    apply(ctx, "create trigger", build_trigger(ctx, *trigger), {trigger_name, table_name});
    if (ctx.can.live) {
        EXPECT_EQ(shape(*read_table(ctx, table_name)),
                  "columns: [id] [" + name + "]\ntrigger [" + trigger_name + "]");
    }
    apply(ctx, "drop trigger", build_delete(ctx, *trigger), {trigger_name});
    if (ctx.can.live) {
        EXPECT_EQ(shape(*read_table(ctx, table_name)), "columns: [id] [" + name + "]");
    }
}

void schema_case(Context& ctx, const std::string& name) {
    const std::string schema_name = suffixed(ctx, name, ctx.schema_suffix);
    const std::string renamed = suffixed(ctx, name, "_r" + ctx.schema_suffix);
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), ctx.database.c_str(), schema_name.c_str());
    const bool is_database = ctx.schema == ctx.database;
    auto exists = [&](const std::string& wanted) { return ctx.schema_exists(wanted); };
    if (is_database) {
        auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), schema_name.c_str());
        apply(ctx, "create database", create_database(ctx, *database), {schema_name});
        if (ctx.can.live) {
        EXPECT_TRUE(exists(schema_name));
    }
        apply(ctx, "drop database", build_delete(ctx, *database), {schema_name});
        if (ctx.can.live) {
        EXPECT_FALSE(exists(schema_name));
    }
        return;
    }
    apply(ctx, "create schema", build_schema(ctx, *schema), {schema_name});
    if (ctx.can.live) {
        EXPECT_TRUE(exists(schema_name));
    }
    if (!ctx.can.schema.rename) {
        apply(ctx, "drop schema", build_delete(ctx, *schema), {schema_name});
        return;
    }
    auto after = MetaSchema::create_with_names(MetaSchema::gtype(), ctx.database.c_str(), renamed.c_str());
    apply(ctx, "rename schema", alter_schema(ctx, *schema, *after), {schema_name, renamed});
    if (ctx.can.live) {
        EXPECT_TRUE(exists(renamed));
        EXPECT_FALSE(exists(schema_name));
    }
    apply(ctx, "drop schema", build_delete(ctx, *after), {renamed});
    if (ctx.can.live) {
        EXPECT_FALSE(exists(renamed));
    }
}

struct Row {
    const char* name;
    Operation operation;
    bool (*offered)(const Capabilities&);
};

const bool registered = [] {
    const Row rows[] = {
        {"Table", table_case, [](const Capabilities& c) { return c.table.create && c.table.drop; }},
        {"TableRename", table_rename_case, [](const Capabilities& c) { return c.table.rename; }},
        {"Column", column_case, [](const Capabilities& c) { return c.table.patch; }},
        {"Index", index_case, [](const Capabilities& c) { return c.index.create; }},
        {"IndexEntry", index_entry_case, [](const Capabilities& c) { return c.index.create; }},
        {"View", view_case, [](const Capabilities& c) { return c.view.create; }},
        {"Trigger", trigger_case, [](const Capabilities& c) { return c.trigger.create; }},
        {"Schema", schema_case, [](const Capabilities& c) { return c.schema.create; }},
    };
    for (const Row& row : rows) {
        Operation operation = row.operation;
        auto offered = row.offered;
        register_case(
            "HostileName", row.name, [operation](Context& ctx) { each_name(ctx, operation); },
            [offered](const Context& ctx) { return offered(ctx.can); });
    }
    return true;
}();

// The reproduction of an index whose column name closes the entry list and drops a table:
// the table script must create the index on that column and nothing else.
const bool injection_registered = [] {
    register_case("Injection", "", [](Context& ctx) {
        const std::string column = "id); DROP TABLE victim; CREATE INDEX zz ON other(a";
        auto table = base_table(ctx, "t", column);
        gobj::GeeArray<MetaIndex>::wrap(table->get_indexes()).append(index_on(ctx, "t", "t_entry", column));
        const std::string script = build_table(ctx, *table);
        if (!ctx.can.live) {
            apply(ctx, "create table", script, {column});
            return;
        }
        ASSERT_EQ(ctx.run("CREATE TABLE victim (n INTEGER); CREATE TABLE other (a INTEGER);"), "");
        SCOPED_TRACE(script);
        EXPECT_EQ(ctx.run(script), "");
        EXPECT_EQ(ctx.rows("SELECT count(*) FROM victim"), std::vector<std::string>{"0"}) << "victim was dropped";
        EXPECT_EQ(shape(*read_table(ctx, "t")), "columns: [id] [" + column + "]\nindex [t_entry] on [" + column + "]");
        EXPECT_EQ(shape(*read_table(ctx, "other")), "columns: [a]");
    });
    return true;
}();

}  // namespace
}  // namespace tarvelin::test::dialects
