// Table patches of the SQL Server builder, with change maps set the way a comparison sets
// them (append_diff, append_slice): the order of a whole script, and the cases one at a
// time; then the enable/disable state statements.
#include <algorithm>

#include "builder_support.hpp"
#include "support/driver_checks.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;

namespace {

constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;

class SqlServerPatchTable : public ::testing::Test, public BuilderFixture {
protected:
    // dbo.t: [a] INT, the key; [b] NVARCHAR(20).
    void SetUp() override {
        t = table("dbo", "t");
        a = column(*t, "a", "INT");
        a->set_is_primary_key(true);
        a->set_not_null(true);
        b = column(*t, "b", "NVARCHAR", 20);
    }
    std::string patch(const gobj::Ref<MetaTable>& which) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_patch_table(
            c(), c_of<TarvelinRezezadovuMetaModelMetaTable>(which)));
    }
    std::string patch() { return patch(t); }
    gobj::Ref<MetaTable> t;
    gobj::Ref<MetaColumn> a, b;
};

}  // namespace

// Every kind of change at once gives the script in its running order: drops, columns,
// the new key, constraints, options, index creations, triggers, then descriptions and
// states. A second patch of the same table writes nothing.
TEST_F(SqlServerPatchTable, WholeScriptInRunningOrder) {
    auto orders = table("sales", "orders");
    set_attribute(*orders, "PRIMARY_KEY_NAME", "PK_orders");
    orders->set_comment("Orders of customers");
    changed(*orders, "comment", kUpdate);
    auto id = column(*orders, "id", "INT");
    id->set_is_primary_key(true);
    id->set_not_null(true);
    auto code = column(*orders, "code", "NVARCHAR", 10);
    code->set_is_primary_key(true);
    code->set_not_null(true);
    changed(*orders, "columns.code", kUpdate, code.get(), {"is-primary-key", "primary-ordinal", "not-null"});
    auto note = column(*orders, "note", "NVARCHAR", 100);
    note->set_comment("Free text");
    changed(*orders, "columns.note", kUpdate, note.get(), {"comment"});
    auto extra = column(*orders, "extra", "INT");
    extra->set_comment("Added");
    changed(*orders, "columns.extra", kInsert);
    changed(*orders, "columns.old", kDelete);

    auto check = add_check(*orders, "ck_amount", "[extra]>=(0)");
    check->set_comment("Positive");
    changed(*orders, "constraints.ck_amount", kUpdate, check.get(), {"check"});
    changed(*orders, "constraints.ck_gone", kDelete);
    auto fk = add_foreign_key(*orders, "fk_customer", "id", "sales", "customers", "id");
    set_attribute(*fk, "STATE", "false");
    changed(*orders, "constraints.fk_customer", kUpdate, fk.get(), {"attributes.STATE"});
    auto unique = add_unique(*orders, "uq_code", "code");
    unique->set_comment("One per code");
    changed(*orders, "constraints.uq_code", kUpdate, unique.get(), {"comment"});

    auto by_note = add_index(*orders, "ix_note", {"note ASC"});
    by_note->set_where("note IS NOT NULL");
    changed(*orders, "indexes.ix_note", kUpdate, by_note.get(), {"where"});
    changed(*orders, "indexes.ix_old", kDelete);
    auto by_code = add_index(*orders, "ix_code", {"code ASC"});
    by_code->set_comment("");
    changed(*orders, "indexes.ix_code", kUpdate, by_code.get(), {"comment"});
    auto fresh = add_index(*orders, "ix_new", {"extra DESC"});
    set_attribute(*fresh, "UNIQUE", "true");
    changed(*orders, "indexes.ix_new", kInsert);

    set_option(*orders, "LOCK_ESCALATION", "TABLE");
    changed(*orders, "options.LOCK_ESCALATION", kUpdate);

    add_trigger(*orders, "trg_new", "AFTER", "INSERT", "SELECT 1;")->set_comment("New one");
    changed(*orders, "triggers.trg_new", kInsert);
    auto body = add_trigger(*orders, "trg_body", "AFTER", "UPDATE", "SELECT 2;");
    changed(*orders, "triggers.trg_body", kUpdate, body.get(), {"body"});
    changed(*orders, "triggers.trg_gone", kDelete);

    LogCapture log;
    expect_script(mask_keys(patch(orders)), "patch_orders");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_MESSAGE, "Column diffs: code -> not-null"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_MESSAGE, "indexes.ix_note => UPDATE"));
    EXPECT_EQ(patch(orders), "");
}

TEST_F(SqlServerPatchTable, ColumnDescriptionOnly) {
    b->set_comment("Short name");
    changed(*t, "columns.b", kUpdate, b.get(), {"comment"});
    EXPECT_EQ(patch(),
              "IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', N'dbo', 'TABLE', N't', "
              "'COLUMN', N'b')) > 0)\n"
              "\tEXEC sp_updateextendedproperty 'MS_Description', N'Short name', 'SCHEMA', N'dbo', 'TABLE', N't', "
              "'COLUMN', N'b'\n"
              "ELSE\n"
              "\tEXEC sp_addextendedproperty 'MS_Description', N'Short name', 'SCHEMA', N'dbo', 'TABLE', N't', "
              "'COLUMN', N'b';\n");
    b->set_comment("");
    changed(*t, "columns.b", kUpdate, b.get(), {"comment"});
    EXPECT_EQ(patch(), "EXEC sp_dropextendedproperty 'MS_Description', 'SCHEMA', N'dbo', 'TABLE', N't', 'COLUMN', N'b';\n");
    // A column key at the start reads the collation list, once per patch.
    EXPECT_EQ(server.provider->statements(), (std::vector<std::string>{query("collations"), query("collations")}));
}

TEST_F(SqlServerPatchTable, ColumnJoiningTheKey) {
    b->set_is_primary_key(true);
    changed(*t, "columns.b", kUpdate, b.get(), {"is-primary-key", "primary-ordinal"});
    set_attribute(*t, "PRIMARY_KEY_NAME", "PK_t");
    EXPECT_EQ(mask_keys(patch()), "ALTER TABLE [dbo].[t] DROP CONSTRAINT [PK_t];\n"
                                  "ALTER TABLE [dbo].[t] ADD CONSTRAINT [PK__t__<HMAC>] PRIMARY KEY ([a], [b]);\n");
    // The collation list is still read: a column key was there at the start.
    EXPECT_EQ(server.provider->statements(), std::vector<std::string>{query("collations")});

    // Without the key's name there is nothing to drop.
    gobj::StringMap::wrap(GEE_MAP(t->get_attributes())).set("PRIMARY_KEY_NAME", "");
    changed(*t, "columns.b", kUpdate, b.get(), {"is-primary-key"});
    EXPECT_EQ(mask_keys(patch()), "ALTER TABLE [dbo].[t] ADD CONSTRAINT [PK__t__<HMAC>] PRIMARY KEY ([a], [b]);\n");
}

TEST_F(SqlServerPatchTable, NewColumnInTheKey) {
    auto c = column(*t, "c", "INT");
    c->set_is_primary_key(true);
    c->set_not_null(true);
    changed(*t, "columns.c", kInsert);
    set_attribute(*t, "PRIMARY_KEY_NAME", "PK_t");
    EXPECT_EQ(mask_keys(patch()), "ALTER TABLE [dbo].[t] DROP CONSTRAINT [PK_t];\n"
                                  "ALTER TABLE [dbo].[t] ADD [c] INT NOT NULL;\n"
                                  "ALTER TABLE [dbo].[t] ADD CONSTRAINT [PK__t__<HMAC>] PRIMARY KEY ([a], [c]);\n");
}

TEST_F(SqlServerPatchTable, DroppedAndAddedColumns) {
    changed(*t, "columns.x", kDelete);
    changed(*t, "columns.y", kDelete);
    changed(*t, "columns.b", kInsert);
    std::string script = patch();
    auto line_end = script.find(";\n");
    std::string drop = script.substr(0, line_end + 2);
    EXPECT_TRUE(drop == "ALTER TABLE [dbo].[t] DROP COLUMN [x], [y];\n" ||
                drop == "ALTER TABLE [dbo].[t] DROP COLUMN [y], [x];\n")
        << script;
    EXPECT_EQ(script.substr(line_end + 2), "ALTER TABLE [dbo].[t] ADD [b] NVARCHAR(20) NULL;\n");
}

TEST_F(SqlServerPatchTable, AddedColumnClauses) {
    auto c = column(*t, "c", "VARCHAR", 0);
    c->set_default_value("'none'");
    c->set_collation("Latin1_General_CI_AS");
    set_attribute(*c, "WITH_VALUES", "true");
    auto d = column(*t, "d", "INT");
    d->set_default_value("0");  // without WITH_VALUES
    changed(*t, "columns.c", kInsert);
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] ADD [c] VARCHAR(MAX) COLLATE Latin1_General_CI_AS DEFAULT 'none' WITH "
                       "VALUES NULL;\n");
    changed(*t, "columns.d", kInsert);
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] ADD [d] INT DEFAULT 0 NULL;\n");
}

TEST_F(SqlServerPatchTable, UpdatedColumn) {
    // The nullability is always written: ALTER COLUMN without it makes a column nullable.
    b->set_not_null(true);
    changed(*t, "columns.b", kUpdate, b.get(), {"not-null"});
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] ALTER COLUMN [b] NVARCHAR(20) NOT NULL ;\n");

    b->set_not_null(false);
    b->set_collation("Japanese_CI_AS");
    set_attribute(*b, "ROWGUIDCOL", "true");
    set_attribute(*b, "REPLICATION", "false");
    set_attribute(*b, "MASKED", "email()");
    changed(*t, "columns.b", kUpdate, b.get(),
            {"collation", "attributes.ROWGUIDCOL", "attributes.REPLICATION", "attributes.MASKED"});
    b->append_diff("attributes.SPARSE", kDelete);
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] ALTER COLUMN [b] NVARCHAR(20) COLLATE Japanese_CI_AS NULL ;\n"
                       "ALTER TABLE [dbo].[t] ALTER COLUMN [b] ADD ROWGUIDCOL;\n"
                       "ALTER TABLE [dbo].[t] ALTER COLUMN [b] DROP NOT FOR REPLICATION;\n"
                       "ALTER TABLE [dbo].[t] ALTER COLUMN [b] DROP SPARSE;\n"
                       "ALTER TABLE [dbo].[t] ALTER COLUMN [b] ADD MASKED WITH (FUNCTION = 'email()');\n");

    b->append_diff("attributes.MASKED", kDelete);
    changed(*t, "columns.b", kUpdate);
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] ALTER COLUMN [b] NVARCHAR(20) NULL ;\n"
                       "ALTER TABLE [dbo].[t] ALTER COLUMN [b] DROP MASKED;\n");
}

// A changed default replaces the column's default constraint, whatever the server named
// it; the change is found under either spelling of the key.
TEST_F(SqlServerPatchTable, DefaultChangeUnderBothSpellings) {
    auto quoted = column(*t, "o'k", "INT");
    quoted->set_default_value("((1))");
    const std::string want =
        "DECLARE @default_1 nvarchar(max) = (SELECT N'ALTER TABLE [dbo].[t] DROP CONSTRAINT ' + QUOTENAME(name) FROM "
        "sys.default_constraints WHERE parent_object_id = OBJECT_ID(N'[dbo].[t]') AND parent_column_id = "
        "COLUMNPROPERTY(OBJECT_ID(N'[dbo].[t]'), N'o''k', 'ColumnId'));\n"
        "IF @default_1 IS NOT NULL EXEC sp_executesql @default_1;\n"
        "ALTER TABLE [dbo].[t] ALTER COLUMN [o'k] INT NULL ;\n"
        "ALTER TABLE [dbo].[t] ADD DEFAULT ((1)) FOR [o'k];\n";
    for (const char* key : {"default_value", "default-value"}) {
        changed(*t, "columns.o'k", kUpdate, quoted.get(), {key});
        EXPECT_EQ(patch(), want) << key;
    }
    // A default removed is only dropped; two columns use two variables.
    quoted->set_default_value("");
    b->set_default_value("EMPYT STRING");
    changed(*t, "columns.o'k", kUpdate, quoted.get(), {"default_value"});
    changed(*t, "columns.b", kUpdate, b.get(), {"default_value"});
    std::string script = patch();
    EXPECT_NE(script.find("@default_1"), std::string::npos);
    EXPECT_NE(script.find("@default_2"), std::string::npos);
    EXPECT_EQ(script.find("ADD DEFAULT ((1))"), std::string::npos);
    EXPECT_NE(script.find("ALTER TABLE [dbo].[t] ADD DEFAULT '' FOR [b];\n"), std::string::npos);
}

TEST_F(SqlServerPatchTable, ColumnNamedWithAFullStop) {
    auto dotted = column(*t, "a.b", "INT");
    dotted->set_not_null(true);
    changed(*t, "columns.a.b", kUpdate, dotted.get(), {"not-null"});
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] ALTER COLUMN [a.b] INT NOT NULL ;\n");
}

TEST_F(SqlServerPatchTable, ConstraintDescriptionOrStateOnlyIsNotRecreated) {
    auto check = add_check(*t, "ck", "[a]>(0)");
    check->set_comment("Positive");
    set_attribute(*check, "STATE", "true");
    const std::string description =
        "IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', N'dbo', 'TABLE', N't', "
        "'CONSTRAINT', N'ck')) > 0)\n"
        "\tEXEC sp_updateextendedproperty 'MS_Description', N'Positive', 'SCHEMA', N'dbo', 'TABLE', N't', "
        "'CONSTRAINT', N'ck'\n"
        "ELSE\n"
        "\tEXEC sp_addextendedproperty 'MS_Description', N'Positive', 'SCHEMA', N'dbo', 'TABLE', N't', 'CONSTRAINT', "
        "N'ck';\n";
    const std::string state = "ALTER TABLE [dbo].[t] NOCHECK CONSTRAINT [ck];\n";
    changed(*t, "constraints.ck", kUpdate, check.get(), {"comment"});
    EXPECT_EQ(patch(), description);
    changed(*t, "constraints.ck", kUpdate, check.get(), {"attributes.STATE"});
    EXPECT_EQ(patch(), state);
    changed(*t, "constraints.ck", kUpdate, check.get(), {"comment", "attributes.STATE"});
    EXPECT_EQ(patch(), description + state);
}

TEST_F(SqlServerPatchTable, UpdatedCheckIsDroppedFirstAndAddedAfterTheColumns) {
    auto check = add_check(*t, "ck", "[b]<>N''");
    set_attribute(*check, "REPLICATION", "true");
    changed(*t, "constraints.ck", kUpdate, check.get(), {"check"});
    changed(*t, "columns.b", kUpdate, b.get(), {"not-null"});
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] DROP CONSTRAINT [ck];\n"
                       "ALTER TABLE [dbo].[t] ALTER COLUMN [b] NVARCHAR(20) NULL ;\n"
                       "ALTER TABLE [dbo].[t] ADD CONSTRAINT [ck] NOT FOR REPLICATION CHECK ([b]<>N'');\n"
                       "ALTER TABLE [dbo].[t] CHECK CONSTRAINT [ck];\n");
}

TEST_F(SqlServerPatchTable, Options) {
    changed(*t, "options.LOCK_ESCALATION", kDelete);
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] SET (LOCK_ESCALATION = AUTO );\n");

    set_option(*t, "CHANGE_TRACKING", "true");
    set_option(*t, "TRACK_COLUMNS_UPDATED", "true");
    set_option(*t, "LOCK_ESCALATION", "TABLE");
    changed(*t, "options.CHANGE_TRACKING", kUpdate);
    changed(*t, "options.LOCK_ESCALATION", kUpdate);
    changed(*t, "options.FILEGROUP_ON", kUpdate);  // written by no patch
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] ENABLE CHANGE_TRACKING WITH ( TRACK_COLUMNS_UPDATED = ON );\n"
                       "ALTER TABLE [dbo].[t] SET (LOCK_ESCALATION = TABLE );\n");

    gobj::StringMap::wrap(GEE_MAP(t->get_options())).set("CHANGE_TRACKING", "false");
    changed(*t, "options.CHANGE_TRACKING", kUpdate);
    EXPECT_EQ(patch(), "ALTER TABLE [dbo].[t] DISABLE CHANGE_TRACKING;\n");
}

TEST_F(SqlServerPatchTable, Indexes) {
    auto kept = add_index(*t, "ix_kept", {"b ASC"});
    kept->set_comment("By name");
    changed(*t, "indexes.ix_kept", kUpdate, kept.get(), {"comment"});
    changed(*t, "indexes.ix_gone", kDelete);
    EXPECT_EQ(patch(), "DROP INDEX IF EXISTS [ix_gone] ON [dbo].[t];\n"
                       "IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', N'dbo', 'TABLE', "
                       "N't', 'INDEX', N'ix_kept')) > 0)\n"
                       "\tEXEC sp_updateextendedproperty 'MS_Description', N'By name', 'SCHEMA', N'dbo', 'TABLE', N't', "
                       "'INDEX', N'ix_kept'\n"
                       "ELSE\n"
                       "\tEXEC sp_addextendedproperty 'MS_Description', N'By name', 'SCHEMA', N'dbo', 'TABLE', N't', "
                       "'INDEX', N'ix_kept';\n");

    // Any other change re-creates the index, with its description; it is rebuilt as enabled.
    kept->set_include("a");
    changed(*t, "indexes.ix_kept", kUpdate, kept.get(), {"include"});
    LogCapture log;
    EXPECT_EQ(patch(), "DROP INDEX IF EXISTS [ix_kept] ON [dbo].[t];\n"
                       "CREATE NONCLUSTERED INDEX [ix_kept] ON [dbo].[t] ([b] ASC) INCLUDE ([a]);\n"
                       "EXEC sp_addextendedproperty 'MS_Description', N'By name', 'SCHEMA', N'dbo', 'TABLE', N't', "
                       "'INDEX', N'ix_kept';\n"
                       "ALTER INDEX [ix_kept] ON [dbo].[t] REBUILD;\n");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_MESSAGE, "indexes.ix_kept => UPDATE"));
}

TEST_F(SqlServerPatchTable, Triggers) {
    changed(*t, "triggers.trg_gone", kDelete);
    EXPECT_EQ(patch(), "DROP TRIGGER IF EXISTS [dbo].[trg_gone];\n");

    auto trigger = add_trigger(*t, "trg", "AFTER", "INSERT", "SELECT 1;");
    trigger->set_comment("Counts");
    changed(*t, "triggers.trg", kUpdate, trigger.get(), {"comment"});
    EXPECT_EQ(patch(), "IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', N'dbo', 'TABLE', "
                       "N't', 'TRIGGER', N'trg')) > 0)\n"
                       "\tEXEC sp_updateextendedproperty 'MS_Description', N'Counts', 'SCHEMA', N'dbo', 'TABLE', N't', "
                       "'TRIGGER', N'trg'\n"
                       "ELSE\n"
                       "\tEXEC sp_addextendedproperty 'MS_Description', N'Counts', 'SCHEMA', N'dbo', 'TABLE', N't', "
                       "'TRIGGER', N'trg';\n");

    // A changed body is altered in a batch of its own; a changed description with it is
    // written too.
    trigger->set_comment("");
    changed(*t, "triggers.trg", kUpdate, trigger.get(), {"body", "comment"});
    EXPECT_EQ(patch(), "GO\nALTER TRIGGER [trg] ON [dbo].[t]\n  AFTER INSERT\n  AS SELECT 1;\nGO\n"
                       "EXEC sp_dropextendedproperty 'MS_Description', 'SCHEMA', N'dbo', 'TABLE', N't', 'TRIGGER', "
                       "N'trg';\n");
}

// ALTER TRIGGER keeps the trigger's extended properties: a description changed with the
// body would stay the old one unless the patch writes it too, after the trigger's batch.
TEST_F(SqlServerPatchTable, AlteredTriggerKeepsItsNewDescription) {
    auto trigger = add_trigger(*t, "trg", "AFTER", "INSERT", "SELECT 2;");
    trigger->set_comment("Counts twice");
    changed(*t, "triggers.trg", kUpdate, trigger.get(), {"body", "comment"});
    EXPECT_EQ(patch(), "GO\nALTER TRIGGER [trg] ON [dbo].[t]\n  AFTER INSERT\n  AS SELECT 2;\nGO\n"
                       "IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', N'dbo', 'TABLE', "
                       "N't', 'TRIGGER', N'trg')) > 0)\n"
                       "\tEXEC sp_updateextendedproperty 'MS_Description', N'Counts twice', 'SCHEMA', N'dbo', 'TABLE', "
                       "N't', 'TRIGGER', N'trg'\n"
                       "ELSE\n"
                       "\tEXEC sp_addextendedproperty 'MS_Description', N'Counts twice', 'SCHEMA', N'dbo', 'TABLE', "
                       "N't', 'TRIGGER', N'trg';\n");
}

// ---------------------------------------------------------------- states

// The foreign key fk_customer changed only its state from "true" to "false": it is
// checked again, neither dropped nor added.
TEST_F(SqlServerPatchTable, ForeignKeyOnlyEnabledAgain) {
    auto orders = table("dbo", "orders");
    column(*orders, "customer", "INT");
    auto fk = add_foreign_key(*orders, "fk_customer", "customer", "dbo", "customers", "id");
    set_attribute(*fk, "STATE", "false");
    orders->append_diff("constraints.fk_customer", kUpdate);
    fk->append_diff("attributes.STATE", kUpdate);
    fk->append_slice("attributes.STATE", "true");
    EXPECT_EQ(patch(orders), "ALTER TABLE [dbo].[orders] CHECK CONSTRAINT [fk_customer];\n");
}

TEST_F(SqlServerPatchTable, StateCases) {
    auto ix = add_index(*t, "ix", {"b ASC"});
    auto ck = add_check(*t, "ck", "[a]>(0)");
    auto uq = add_unique(*t, "uq", "b");
    auto trg = add_trigger(*t, "trg", "AFTER", "UPDATE", "SELECT 1;");
    for (MetaObject* o : {static_cast<MetaObject*>(ix.get()), static_cast<MetaObject*>(ck.get()),
                          static_cast<MetaObject*>(uq.get()), static_cast<MetaObject*>(trg.get())})
        set_attribute(*o, "STATE", "True");  // only exactly "true" disables
    std::string created = take(tarvelin_rezezadovu_supports_database_sql_builder_build_table(
        c(), c_of<TarvelinRezezadovuMetaModelMetaTable>(t), TRUE));
    EXPECT_EQ(created.find("DISABLE"), std::string::npos);
    EXPECT_EQ(created.find("NOCHECK"), std::string::npos);

    // An update that did not touch the state still rebuilds the index and checks the
    // constraint; a trigger needs its state key; a unique constraint has no state.
    set_attribute(*uq, "STATE", "true");
    changed(*t, "indexes.ix", kUpdate);
    changed(*t, "constraints.ck", kUpdate);
    changed(*t, "constraints.uq", kUpdate, uq.get(), {"attributes.STATE"});
    changed(*t, "triggers.trg", kUpdate, trg.get(), {"event"});
    std::string script = patch();
    EXPECT_NE(script.find("ALTER INDEX [ix] ON [dbo].[t] REBUILD;\n"), std::string::npos) << script;
    EXPECT_NE(script.find("ALTER TABLE [dbo].[t] CHECK CONSTRAINT [ck];\n"), std::string::npos) << script;
    EXPECT_EQ(script.find("ENABLE TRIGGER"), std::string::npos) << script;
    EXPECT_EQ(script.find("CHECK CONSTRAINT [uq]"), std::string::npos) << script;

    // A disabled trigger and a deleted index.
    set_attribute(*trg, "STATE", "true");
    changed(*t, "triggers.trg", kUpdate, trg.get(), {"attributes.STATE"});
    changed(*t, "indexes.ix", kDelete);
    EXPECT_EQ(patch(), "DROP INDEX IF EXISTS [ix] ON [dbo].[t];\nDISABLE TRIGGER [dbo].[trg] ON [dbo].[t];\n");
}

TEST_F(SqlServerPatchTable, NothingToDo) {
    auto bare = table("dbo", "bare");
    LogCapture log;
    EXPECT_EQ(patch(bare), "");
    EXPECT_FALSE(log.contains(G_LOG_LEVEL_MESSAGE, "=>"));
}
