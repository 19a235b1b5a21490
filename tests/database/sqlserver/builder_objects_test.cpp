// The SQL Server builder's dispatch by kind, databases, schemas, synonyms, routines,
// views, triggers and call texts, and what it does with missing objects and hostile
// names.
#include "builder_support.hpp"
#include "support/driver_checks.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;

namespace {

using CObject = TarvelinRezezadovuMetaModelMetaObject;

class SqlServerBuilderObjects : public ::testing::Test, public BuilderFixture {
protected:
    std::string create(const gobj::Ref<MetaObject>& o, bool raw = true) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_build_create(c(), c_of<CObject>(o), raw));
    }
    std::string drop(const gobj::Ref<MetaObject>& o) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_build_delete(c(), c_of<CObject>(o)));
    }
    std::string patch(const gobj::Ref<MetaObject>& o) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_build_patch(c(), c_of<CObject>(o), TRUE));
    }
    std::string caller(const gobj::Ref<MetaFunction>& f) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_build_caller(
            c(), c_of<TarvelinRezezadovuMetaModelMetaFunction>(f)));
    }
};

gobj::Ref<MetaFunction> routine(const char* name, bool is_function, std::vector<std::string> parameters,
                                const char* body = "RETURN 1", const char* returns = "int") {
    auto f = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "dbo", name);
    f->set_is_function(is_function);
    f->set_body(body);
    f->set_return_type(returns);
    for (const auto& p : parameters) gobj::StringArray::wrap(f->get_parameters()).append(p);
    return f;
}

gobj::Ref<MetaView> view(const char* name, const char* definition) {
    auto v = MetaView::create_with_names(MetaView::gtype(), "shop", "dbo", name);
    v->set_definition(definition);
    return v;
}

template <class T>
gobj::Ref<MetaObject> object(gobj::Ref<T> o) {
    return gobj::Ref<MetaObject>(std::move(o));
}

}  // namespace

// ---------------------------------------------------------------- dispatch

TEST_F(SqlServerBuilderObjects, CreateDeleteAndPatchByKind) {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "shop", "sales");
    auto t = table("sales", "orders");
    column(*t, "id", "INT");
    auto index = add_index(*t, "ix_id", {"id ASC"});
    auto trigger = add_trigger(*t, "trg", "AFTER", "INSERT", "SELECT 1");
    trigger->set_schema("sales");
    auto function = routine("f", true, {});
    auto procedure = routine("p", false, {});
    auto v = view("v", "SELECT 1 AS one");
    auto synonym = MetaSynonym::create_with_names(MetaSynonym::gtype(), "dbo", "s_orders");
    synonym->set_target("[shop].[sales].[orders]");
    synonym->set_comment("Shortcut");
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "shop", "dbo", "clerk", "database");
    auto login = MetaUser::create_with_names(MetaUser::gtype(), "", "", "appl", "server");
    auto role = MetaRole::create_with_names(MetaRole::gtype(), "shop", "dbo", "readers", "database");
    auto event = MetaEvent::create_with_names(MetaEvent::gtype(), "shop", "dbo", "nightly");

    struct Case {
        const char* what;
        gobj::Ref<MetaObject> o;
        std::string created;  // a prefix
        std::string dropped;
        std::string patched;  // a prefix
    };
    const std::string synonym_text =
        "CREATE SYNONYM [dbo].[s_orders] FOR [shop].[sales].[orders];\n"
        "EXEC sp_addextendedproperty 'MS_Description', N'Shortcut', 'SCHEMA', N'dbo', 'SYNONYM', N's_orders';\n";
    const std::vector<Case> cases = {
        {"database", object(database), "CREATE DATABASE [shop];", "DROP DATABASE IF EXISTS [shop];", ""},
        {"schema", object(schema), "CREATE SCHEMA [sales];", "DROP SCHEMA IF EXISTS [sales];", ""},
        {"table", object(t), "CREATE TABLE [sales].[orders] (", "DROP TABLE IF EXISTS [sales].[orders];", ""},
        {"index", object(index), "CREATE INDEX [ix_id] ON [sales].[orders](", "DROP INDEX [ix_id] ON [sales].[orders];",
         ""},
        {"trigger", object(trigger), "CREATE TRIGGER [sales].[trg] ON [sales].[orders] AFTER INSERT AS",
         "DROP TRIGGER IF EXISTS [sales].[trg];", ""},
        {"function", object(function), "CREATE FUNCTION [dbo].[f]() RETURNS int",
         "DROP FUNCTION IF EXISTS [dbo].[f];", "ALTER FUNCTION [dbo].[f]() RETURNS int"},
        {"procedure", object(procedure), "", "DROP PROCEDURE IF EXISTS [dbo].[p];", ""},
        {"view", object(v), "CREATE VIEW [dbo].[v] AS SELECT 1 AS one;", "DROP VIEW IF EXISTS [dbo].[v];",
         "ALTER VIEW [dbo].[v] AS SELECT 1 AS one;"},
        {"synonym", object(synonym), synonym_text, "DROP SYNONYM IF EXISTS [dbo].[s_orders];",
         "DROP SYNONYM IF EXISTS [dbo].[s_orders];\n" + synonym_text},
        {"user", object(user), "CREATE USER [clerk] ;", "DROP USER IF EXISTS [clerk];", ""},
        {"login", object(login), "CREATE LOGIN [appl] ;", "DROP LOGIN [appl];", ""},
        {"role", object(role), "CREATE ROLE [readers];\n", "DROP ROLE IF EXISTS [readers];", "CREATE ROLE [readers];\n"},
        {"event", object(event), "", "", "\n"},
    };
    for (const auto& k : cases) {
        std::string created = create(k.o);
        EXPECT_EQ(created.substr(0, k.created.size()), k.created) << k.what << ": " << created;
        if (k.created.empty()) {
            EXPECT_EQ(created, "") << k.what;
        }
        EXPECT_EQ(drop(k.o), k.dropped) << k.what;
        std::string patched = patch(k.o);
        EXPECT_EQ(patched.substr(0, k.patched.size()), k.patched) << k.what << ": " << patched;
        if (k.patched.empty()) {
            EXPECT_EQ(patched, "") << k.what;
        }
    }
    // A table patch is the table's patch; a user's the user patch.
    t->append_diff("options.LOCK_ESCALATION", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    EXPECT_EQ(patch(object(t)), "ALTER TABLE [sales].[orders] SET (LOCK_ESCALATION = AUTO );\n");
    user->append_diff("name", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    user->append_slice("name", "clerk0");
    EXPECT_EQ(patch(object(user)), "ALTER USER [clerk0] WITH NAME = [clerk];\n");
    // A kind without a text.
    auto column_object = gobj::Ref<MetaObject>(t->get_column("id"));
    EXPECT_EQ(create(column_object), "");
    EXPECT_EQ(drop(column_object), "");
    EXPECT_EQ(patch(column_object), "");
}

// ---------------------------------------------------------------- databases and schemas

TEST_F(SqlServerBuilderObjects, Databases) {
    auto bare = MetaDatabase::create_with_name(MetaDatabase::gtype(), "sa]les");
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_sql_builder_create_database(
                  c(), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(bare), TRUE)),
              "CREATE DATABASE [sa]]les];\n\n");

    // Other dialects' keys and the comment are not written; the schemas follow in the
    // new database, each in a batch of its own.
    auto sales = MetaDatabase::create_with_name(MetaDatabase::gtype(), "sales");
    set_attribute(*sales, "ENCODING", "UTF8");
    sales->set_comment("Sales");
    sales->append("dbo");
    auto audit = sales->append("audit");
    set_attribute(*audit, "OWNER", "auditor");
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_sql_builder_create_database(
                  c(), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(sales), TRUE)),
              "CREATE DATABASE [sales];\n\nGO\nUSE [sales];\nGO\nCREATE SCHEMA [dbo];\nGO\n"
              "CREATE SCHEMA [audit] AUTHORIZATION [auditor];\n");

    auto alter = [&](const gobj::Ref<MetaDatabase>& a, const gobj::Ref<MetaDatabase>& b) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_alter_database(
            c(), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(a), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(b)));
    };
    EXPECT_EQ(alter(sales, MetaDatabase::create_with_name(MetaDatabase::gtype(), "sales")), "");
    EXPECT_EQ(alter(sales, bare), "ALTER DATABASE [sales] MODIFY NAME = [sa]]les];\n");
}

// The first table references a later one: that one is written first, and the schema's
// list keeps the new order. A foreign-key cycle ends.
TEST_F(SqlServerBuilderObjects, SchemaScript) {
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "shop", "sales");
    set_attribute(*schema, "OWNER", "dbo");
    schema->set_comment("Sales data");
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    auto orders = table("sales", "orders");
    column(*orders, "customer", "INT");
    add_foreign_key(*orders, "fk_customer", "customer", "sales", "customers", "id");
    auto customers = table("sales", "customers");
    column(*customers, "id", "INT");
    tables.append(orders);
    tables.append(customers);
    gobj::GeeArray<MetaView>::wrap(schema->get_views()).append(view("v_orders", "SELECT customer FROM sales.orders;"));
    gobj::GeeArray<MetaFunction>::wrap(schema->get_functions()).append(routine("f", true, {}));
    gobj::GeeArray<MetaFunction>::wrap(schema->get_procedures()).append(routine("p", false, {}));  // not written
    std::string script = take(tarvelin_rezezadovu_supports_database_sql_builder_build_schema(
        c(), c_of<TarvelinRezezadovuMetaModelMetaSchema>(schema), TRUE));
    expect_script(script, "schema_sales");
    EXPECT_STREQ(tables.at(0)->get_name(), "customers");
    EXPECT_STREQ(tables.at(1)->get_name(), "orders");

    auto cycle = MetaSchema::create_with_names(MetaSchema::gtype(), "shop", "cycle");
    auto a = table("cycle", "a");
    column(*a, "b_id", "INT");
    add_foreign_key(*a, "fk_b", "b_id", "cycle", "b", "id");
    auto b = table("cycle", "b");
    column(*b, "a_id", "INT");
    add_foreign_key(*b, "fk_a", "a_id", "cycle", "a", "id");
    gobj::GeeArray<MetaTable>::wrap(cycle->get_tables()).append(a);
    gobj::GeeArray<MetaTable>::wrap(cycle->get_tables()).append(b);
    script = take(tarvelin_rezezadovu_supports_database_sql_builder_build_schema(
        c(), c_of<TarvelinRezezadovuMetaModelMetaSchema>(cycle), TRUE));
    EXPECT_NE(script.find("CREATE TABLE [cycle].[a]"), std::string::npos);
    EXPECT_NE(script.find("CREATE TABLE [cycle].[b]"), std::string::npos);
    EXPECT_EQ(gobj::GeeArray<MetaTable>::wrap(cycle->get_tables()).size(), 2);

    auto empty = MetaSchema::create_with_names(MetaSchema::gtype(), "shop", "s");
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_sql_builder_build_schema(
                  c(), c_of<TarvelinRezezadovuMetaModelMetaSchema>(empty), TRUE)),
              "CREATE SCHEMA [s];\n");
}

TEST_F(SqlServerBuilderObjects, AlterSchema) {
    auto before = MetaSchema::create_with_names(MetaSchema::gtype(), "shop", "sales");
    auto after = MetaSchema::create_with_names(MetaSchema::gtype(), "shop", "sales");
    auto alter = [&] {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_alter_schema(
            c(), c_of<TarvelinRezezadovuMetaModelMetaSchema>(before), c_of<TarvelinRezezadovuMetaModelMetaSchema>(after)));
    };
    EXPECT_EQ(alter(), "");
    set_attribute(*before, "OWNER", "old");
    before->set_comment("Old");
    EXPECT_EQ(alter(), "ALTER AUTHORIZATION ON SCHEMA::[sales] TO [dbo];\n"
                       "IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', 'sales', NULL, "
                       "NULL, NULL, NULL)) > 0)\n"
                       "\tEXEC sp_updateextendedproperty 'MS_Description', N'', 'SCHEMA', N'sales'\n"
                       "ELSE\n"
                       "\tEXEC sp_addextendedproperty 'MS_Description', N'', 'SCHEMA', N'sales';\n");
    set_attribute(*after, "OWNER", "new");
    after->set_comment("Old");
    EXPECT_EQ(alter(), "ALTER AUTHORIZATION ON SCHEMA::[sales] TO [new];\n");
}

// ---------------------------------------------------------------- routines, views, triggers

TEST_F(SqlServerBuilderObjects, FunctionsAndProcedures) {
    auto f = routine("f", true, {"@a int", "@b int"}, "RETURN @a + @b");
    set_attribute(*f, "ENCRYPTION", "true");
    EXPECT_EQ(create(object(f)), "CREATE FUNCTION [dbo].[f](@a int, @b int) RETURNS int\n  WITH ENCRYPTION  AS\nRETURN @a + @b;\n");

    auto every = routine("g", true, {}, "BEGIN RETURN 1 END");
    set_attribute(*every, "ENCRYPTION", "1");  // as read from a server
    set_attribute(*every, "SCHEMABINDING", "true");
    set_attribute(*every, "NULL_INPUT", "true");
    set_attribute(*every, "EXECUTOR", "caller");
    set_attribute(*every, "INLINE", "false");
    every->set_comment("Sums");
    EXPECT_EQ(create(object(every)),
              "CREATE FUNCTION [dbo].[g]() RETURNS int\n"
              "  WITH ENCRYPTION,SCHEMABINDING,RETURNS NULL ON NULL INPUT,EXECUTE AS CALLER,INLINE = OFF  AS\n"
              "BEGIN RETURN 1 END;\nGO\n"
              "EXEC sp_addextendedproperty 'MS_Description', N'Sums', 'SCHEMA', N'dbo', 'FUNCTION', N'g';\n");

    auto p = routine("p", false, {"@id int", "@total money OUTPUT"}, "SELECT @total = 1");
    set_attribute(*p, "NATIVE_COMPILATION", "true");
    set_attribute(*p, "RECOMPILE", "true");
    set_attribute(*p, "EXECUTOR_USER", "o'brien");
    set_attribute(*p, "EXECUTOR", "USER");
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_sql_builder_build_function(
                  c(), c_of<TarvelinRezezadovuMetaModelMetaFunction>(p))),
              "CREATE PROCEDURE [dbo].[p] @id int, @total money OUTPUT\n"
              "  WITH NATIVE_COMPILATION,RECOMPILE,EXECUTE AS 'o''brien'  AS\nSELECT @total = 1;\n");
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_sql_builder_build_function(
                  c(), c_of<TarvelinRezezadovuMetaModelMetaFunction>(routine("q", false, {}, "SELECT 1")))),
              "CREATE PROCEDURE [dbo].[q]\n  AS\nSELECT 1;\n");

    // Altering: the description follows the object's change state.
    auto patch_function = [&](const gobj::Ref<MetaFunction>& fn) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_patch_function(
            c(), c_of<TarvelinRezezadovuMetaModelMetaFunction>(fn)));
    };
    auto changed_routine = routine("h", true, {}, "BEGIN RETURN 2 END");
    changed_routine->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    EXPECT_EQ(patch_function(changed_routine),
              "ALTER FUNCTION [dbo].[h]() RETURNS int\n  AS\nBEGIN RETURN 2 END;\nGO\n"
              "EXEC sp_dropextendedproperty 'MS_Description', 'SCHEMA', N'dbo', 'FUNCTION', N'h';\n");
    changed_routine->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL);
    EXPECT_EQ(patch_function(changed_routine), "ALTER FUNCTION [dbo].[h]() RETURNS int\n  AS\nBEGIN RETURN 2 END;\n");

    // Nothing to write without a body or a return type.
    EXPECT_EQ(create(object(routine("nobody", true, {}, ""))), "");
    EXPECT_EQ(create(object(routine("noreturn", true, {}, "RETURN 1", ""))), "");
}

TEST_F(SqlServerBuilderObjects, Views) {
    auto plain = view("v", "  SELECT 1 AS one;  \n");
    EXPECT_EQ(create(object(plain)), "CREATE VIEW [dbo].[v] AS SELECT 1 AS one;\n\n");
    auto checked = view("w", "SELECT a FROM t WHERE a > 0;");
    set_attribute(*checked, "SCHEMABINDING", "true");
    set_attribute(*checked, "VIEW_METADATA", "true");
    set_attribute(*checked, "WITH CHECK OPTION", "true");
    checked->set_comment("Positive");
    EXPECT_EQ(create(object(checked)),
              "CREATE VIEW [dbo].[w] WITH SCHEMABINDING,VIEW_METADATA AS SELECT a FROM t WHERE a > 0\n"
              "  WITH CHECK OPTION;\n\nGO\n"
              "EXEC sp_addextendedproperty 'MS_Description', N'Positive', 'SCHEMA', N'dbo', 'VIEW', N'w';\n");
    checked->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    std::string altered = take(tarvelin_rezezadovu_supports_database_sql_builder_patch_view(
        c(), c_of<TarvelinRezezadovuMetaModelMetaView>(checked)));
    EXPECT_EQ(altered.substr(0, 31), "ALTER VIEW [dbo].[w] WITH SCHEM");
    EXPECT_NE(altered.find("GO\nIF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', "
                           "N'dbo', 'VIEW', N'w', NULL, NULL)) > 0)\n"),
              std::string::npos)
        << altered;
    checked->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE);
    altered = take(tarvelin_rezezadovu_supports_database_sql_builder_patch_view(
        c(), c_of<TarvelinRezezadovuMetaModelMetaView>(checked)));
    EXPECT_EQ(altered.find("MS_Description"), std::string::npos);
    EXPECT_EQ(create(object(view("empty", ""))), "");
}

TEST_F(SqlServerBuilderObjects, StandaloneTrigger) {
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), "trg", "  UPDATE t SET n = n + 1;\n");
    trigger->set_schema("dbo");
    trigger->set_target("t");
    trigger->set_timing("INSTEAD OF");
    trigger->set_event("DELETE");
    auto build = [&] {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_build_trigger(
            c(), c_of<TarvelinRezezadovuMetaModelMetaTrigger>(trigger)));
    };
    EXPECT_EQ(build(), "CREATE TRIGGER [dbo].[trg] ON [dbo].[t] INSTEAD OF DELETE AS\nUPDATE t SET n = n + 1;\n");
    trigger->set_body("SELECT 1");
    EXPECT_EQ(build(), "CREATE TRIGGER [dbo].[trg] ON [dbo].[t] INSTEAD OF DELETE AS\nSELECT 1;\n");
}

TEST_F(SqlServerBuilderObjects, CallTexts) {
    EXPECT_EQ(caller(routine("top_n", true, {"@n int => 10", "@kind nvarchar(20)"})),
              "SELECT * FROM [dbo].[top_n](10, _);");
    EXPECT_EQ(caller(routine("now", true, {})), "SELECT [dbo].[now]();");
    // A mode word counts only when white space follows it.
    EXPECT_EQ(caller(routine("f", true, {"@outer int", "@input varchar(5) => 'x'", "OUT @r int", "@out int"})),
              "SELECT * FROM [dbo].[f](_, 'x', _);");
    LogCapture log;
    EXPECT_EQ(caller(routine("g", true, {"@@", "@a int"})), "SELECT * FROM [dbo].[g](_);");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "Failed to match: @@"));

    EXPECT_EQ(caller(routine("p", false, {})), "EXEC [dbo].[p];");
    EXPECT_EQ(caller(routine("usp_place_order", false,
                             {"@region_code nvarchar(10)", "@amount decimal(10, 2) => 5", "@order_no int OUTPUT",
                              "INOUT @state varchar(8) => 'new'"})),
              "DECLARE @order_no int;\n"
              "DECLARE @state varchar(8) = 'new';\n"
              "EXEC [dbo].[usp_place_order] _, 5, @order_no OUTPUT, @state OUTPUT;\n"
              "SELECT @order_no AS [order_no], @state AS [state];");
}

// ---------------------------------------------------------------- bad input

TEST_F(SqlServerBuilderObjects, MissingObjectsAreRefusedWithTheirNames) {
    LogCapture log;
    struct Case {
        std::string got;
        const char* condition;
    };
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "", "", "u", "");
    const std::vector<Case> cases = {
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_create(c(), nullptr, TRUE)), "meta_object != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_delete(c(), nullptr)), "meta_object != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_patch(c(), nullptr, TRUE)), "meta_object != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_table(c(), nullptr, TRUE)), "table != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_patch_table(c(), nullptr)), "table != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_schema(c(), nullptr, TRUE)), "schema != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_alter_schema(c(), nullptr, nullptr)), "schema_old != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_create_database(c(), nullptr, TRUE)), "database != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_alter_database(c(), nullptr, nullptr)),
         "database_old != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_index(c(), nullptr)), "index != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_view(c(), nullptr)), "view != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_patch_view(c(), nullptr)), "view != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_trigger(c(), nullptr)), "trigger != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_function(c(), nullptr)), "function != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_caller(c(), nullptr)), "function != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_user(c(), nullptr)), "user != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_builder_build_role(c(), nullptr)), "role != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_server_builder_patch_user(sqlserver(), nullptr)), "user != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_server_builder_patch_user(nullptr, nullptr)), "self != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_server_builder_build_permission_sql(
             sqlserver(), c_of<TarvelinRezezadovuMetaModelMetaUser>(user), "OBJECT", nullptr)),
         "fullname != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_server_builder_build_standard_permission_sql(
             sqlserver(), c_of<TarvelinRezezadovuMetaModelMetaUser>(user), nullptr)),
         "securable_class != NULL"},
        {take(tarvelin_rezezadovu_supports_database_sql_server_builder_new(nullptr) ? g_strdup("made") : nullptr),
         "connection != NULL"},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(k.got, "(null)") << k.condition;
        EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, std::string("'") + k.condition + "'")) << k.condition;
    }
    // An object whose class does not match its kind reaches the operation as no object.
    log.clear();
    auto odd = MetaClassify::create(MetaClassify::gtype(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "shop", "dbo",
                                    "Tables");
    EXPECT_EQ(create(gobj::Ref<MetaObject>(odd)), "(null)");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'table != NULL'"));
}

// Names and texts holding "]", "'", "." or line breaks come out as the server reads them.
TEST_F(SqlServerBuilderObjects, HostileNamesAndTexts) {
    auto t = table("s'c]h", "ta]b.le\nx");
    t->set_comment("it's\nnew");
    auto col = column(*t, "co]l'", "NVARCHAR", 10);
    col->set_comment("O'Brien's");
    set_attribute(*col, "MASKED", "partial(0,'X',0)");
    auto index = add_index(*t, "i]x", {"co]l' ASC"});
    set_attribute(*index, "STATE", "true");
    auto trigger = add_trigger(*t, "tr]g", "AFTER", "INSERT", "SELECT 1");
    set_attribute(*trigger, "STATE", "true");
    set_attribute(*trigger, "EXECUTOR_USER", "o'neil");
    expect_script(create(object(t)), "table_hostile_names");

    auto user = MetaUser::create_with_names(MetaUser::gtype(), "", "", "us]er'", "");
    user->set_password("p'w]");
    set_attribute(*user, "AUTHENTICATION", "PASSWORD");
    set_attribute(*user, "ROLES", "ro'le]");
    EXPECT_EQ(create(object(user)), "CREATE USER [us]]er'] WITH PASSWORD = 'p''w]' ;\n\n"
                                    "EXEC sp_addrolemember N'ro''le]', N'us]er''';\n");
    auto synonym = MetaSynonym::create_with_names(MetaSynonym::gtype(), "d]bo", "s'yn");
    synonym->set_target("[dbo].[t]");
    EXPECT_EQ(drop(object(synonym)), "DROP SYNONYM IF EXISTS [d]]bo].[s'yn];");
}
