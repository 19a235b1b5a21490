// CREATE TABLE scripts of the SQL Server builder: golden scripts of hand-built tables
// (every column clause, keys, constraints, inline indexes, triggers, descriptions and
// states), the storage and WITH variants, types mapped from each value type, a table
// read from the 2019 catalogue written back, and the collation query.
#include "builder_support.hpp"
#include "rezezadovu/helpers/helper_date_time.hpp"
#include "support/driver_checks.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;

namespace {

class SqlServerBuildTable : public ::testing::Test, public BuilderFixture {
protected:
    std::string build(const gobj::Ref<MetaTable>& t, bool raw_types = true) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_build_table(
            c(), c_of<TarvelinRezezadovuMetaModelMetaTable>(t), raw_types));
    }
};

// One column for every clause of a column line, and the sizes of the types written.
gobj::Ref<MetaTable> every_column() {
    auto t = table("dbo", "every");
    auto id = column(*t, "id", "INT");
    id->set_identity("(1,1)");
    id->set_not_null(true);
    id->set_is_primary_key(true);
    set_attribute(*id, "REPLICATION", "true");
    auto code = column(*t, "code", "varchar", 50);
    code->set_collation("Latin1_General_CI_AS");
    code->set_default_value("('x')");
    code->set_not_null(true);
    auto note = column(*t, "note", "VARCHAR", -1);
    note->set_collation("Klingon_CI_AS");  // not listed by the server: no COLLATE
    column(*t, "no_length", "VARCHAR", 0);
    auto wide = column(*t, "wide", "NVARCHAR", 50);
    wide->set_default_value("EMPYT STRING");
    column(*t, "huge", "NVARCHAR", 5000);
    column(*t, "fixed", "NCHAR", 3);
    column(*t, "bare_char", "CHAR", 0);
    column(*t, "amount", "DECIMAL", 10, 0);
    column(*t, "price", "numeric", 12, 2);
    column(*t, "no_precision", "DECIMAL", 0, 0);
    auto doc = column(*t, "doc", "VARBINARY", 0);
    set_attribute(*doc, "FILESTREAM", "true");
    column(*t, "hash", "BINARY", 16);
    auto sparse = column(*t, "sparse_col", "INT");
    set_attribute(*sparse, "SPARSE", "true");
    auto secret = column(*t, "secret", "NVARCHAR", 100);
    set_attribute(*secret, "MASKED", "partial(1,\"XXXX\",0)");
    auto from = column(*t, "valid_from", "DATETIME2");
    set_attribute(*from, "VERSION_METHOD", "ROW START");
    set_attribute(*from, "VERSION_POSITION", "HIDDEN");
    from->set_not_null(true);
    auto to = column(*t, "valid_to", "DATETIME2");
    set_attribute(*to, "VERSION_METHOD", "ROW END");
    to->set_not_null(true);
    auto guid = column(*t, "guid", "UNIQUEIDENTIFIER");
    set_attribute(*guid, "ROWGUIDCOL", "true");
    set_attribute(*guid, "SPARSE", "false");
    guid->set_default_value("(newid())");
    guid->set_not_null(true);
    guid->set_comment("Row identity");
    t->set_comment("Every clause");
    set_option(*t, "SYSTEM_VERSIONING", "true");
    set_option(*t, "HISTORY_TABLE_SCHEMA", "history");
    set_option(*t, "HISTORY_TABLE_NAME", "every_history");
    set_option(*t, "DATA_CONSISTENCY_CHECK", "true");
    return t;
}

// Keys, constraints, inline indexes, triggers, descriptions and disabled states.
gobj::Ref<MetaTable> orders() {
    auto t = table("sales", "orders");
    // Key columns go in column order, whatever their ordinals.
    auto region = column(*t, "region", "NCHAR", 2);
    region->set_is_primary_key(true);
    region->set_primary_ordinal(2);
    region->set_not_null(true);
    auto number = column(*t, "number", "INT");
    number->set_is_primary_key(true);
    number->set_primary_ordinal(1);
    number->set_not_null(true);
    column(*t, "amount", "DECIMAL", 10, 2)->set_comment("Gross amount");
    column(*t, "customer", "INT");

    auto positive = add_check(*t, "ck_amount", "[amount]>=(0)");
    set_attribute(*positive, "REPLICATION", "true");
    positive->set_comment("No negative amounts");
    auto disabled = add_check(*t, "ck_customer", "[customer] IS NOT NULL");
    set_attribute(*disabled, "STATE", "true");
    auto unique = add_unique(*t, "uq_number", "number ASC");
    set_attribute(*unique, "CLUSTERED", "true");
    set_attribute(*unique, "WITH_FILLFACTOR", "80");
    set_attribute(*unique, "STATE", "true");  // no state statement for a unique constraint
    unique->set_table_space("[PRIMARY]");
    auto plain_unique = add_unique(*t, "uq_customer", "customer DESC");
    set_attribute(*plain_unique, "WITH_INDEX_OPTIONS", "IGNORE_DUP_KEY = ON");
    auto fk = add_foreign_key(*t, "fk_customer", "customer", "sales", "customers", "id");
    fk->set_delete_action("SET_NULL");
    fk->set_update_action("CASCADE");
    set_attribute(*fk, "REPLICATION", "true");
    set_attribute(*fk, "STATE", "true");
    fk->set_comment("Who ordered");
    auto pk = PrimaryKey::create_with_name(PrimaryKey::gtype(), "PK_orders");
    pk->set_comment("not written: the key takes its name from the columns");
    gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints()).append(pk);

    auto columnstore = add_index(*t, "cci_orders", {"region ASC", "number ASC"});
    columnstore->set_kind("COLUMNSTORE");
    columnstore->set_is_clustered(true);
    set_attribute(*columnstore, "UNIQUE", "true");
    auto covering = add_index(*t, "ix_amount", {"amount DESC"});
    covering->set_include("customer");
    covering->set_where("amount > 0");
    covering->set_with("FILLFACTOR = 90");
    covering->set_table_space("[INDEXES]");
    set_attribute(*covering, "FILESTREAM", "[STREAMS]");
    set_attribute(*covering, "STATE", "true");
    covering->set_comment("By amount");
    add_index(*t, "ix_nothing", {});  // no columns: left out with a warning

    auto audit = add_trigger(*t, "trg_audit", "AFTER", "INSERT,UPDATE", "BEGIN\n  SET NOCOUNT ON;\nEND");
    set_attribute(*audit, "ENCRYPTION", "true");
    set_attribute(*audit, "EXECUTOR_USER", "audit'or");
    set_attribute(*audit, "WITH_APPEND", "true");
    set_attribute(*audit, "REPLICATION", "true");
    audit->set_comment("Audits changes");
    auto clr = add_trigger(*t, "trg_clr", "INSTEAD OF", "DELETE", "");
    set_attribute(*clr, "DEFINITION_TYPE", "EXTERNAL");
    set_attribute(*clr, "EXECUTOR", "owner");
    set_attribute(*clr, "STATE", "true");
    clr->set_function("AuditLib.[AuditLib.Triggers].OnDelete");
    return t;
}

}  // namespace

TEST_F(SqlServerBuildTable, EveryColumnClause) {
    std::string script = build(every_column());
    expect_script(mask_keys(script), "table_every_column");
    EXPECT_EQ(server.provider->statements(), std::vector<std::string>{query("collations")});
}

TEST_F(SqlServerBuildTable, KeysConstraintsIndexesTriggersAndStates) {
    LogCapture log;
    expect_script(mask_keys(build(orders())), "table_orders");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "Index ix_nothing has no columns"));
}

// The key's name is the HMAC of the second the script is written in, keyed by the table.
TEST_F(SqlServerBuildTable, PrimaryKeyNameIsTheHmacOfTheSecond) {
    EXPECT_EQ(SQLServerBuilder::primary_key_name("orders", "20240102030405"), "PK__orders__A3A348FF547F1BBB6B9E");
    auto t = table("dbo", "t");
    column(*t, "id", "INT")->set_is_primary_key(true);
    std::string before = rezezadovu::helpers::DateTimeHelper::datetime_as_compact();
    std::string script = build(t);
    std::string after = rezezadovu::helpers::DateTimeHelper::datetime_as_compact();
    std::string key_before = SQLServerBuilder::primary_key_name("t", before);
    std::string key_after = SQLServerBuilder::primary_key_name("t", after);
    EXPECT_TRUE(script.find(key_before) != std::string::npos || script.find(key_after) != std::string::npos) << script;
}

TEST_F(SqlServerBuildTable, StorageAndWithVariants) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> options;
        const char* tail;  // what follows the column line
        bool sort = false;
    };
    const std::vector<Case> cases = {
        {"no options", {}, "\n  );\n"},
        {"filegroup only", {{"FILEGROUP_ON", "g"}}, "\n  ) \n  ON [g];\n"},
        {"every place",
         {{"FILEGROUP_ON", "g"}, {"TEXTIMAGE_ON", "t"}, {"FILESTREAM_ON", "f"}},
         "\n  ) \n  ON [g] \n  TEXTIMAGE_ON [t] \n  FILESTREAM_ON [f];\n"},
        {"partition scheme",
         {{"PARTITION_SCHEMA", "ps_orders"}, {"PARTITION_COLUMN", "id"}, {"PARTITION_STREAM", "ps_stream"}},
         "\n  ) \n  ON [ps_orders]([id]) \n  FILESTREAM_ON [ps_stream];\n"},
        {"scheme without its column", {{"PARTITION_SCHEMA", "ps_orders"}}, "\n  );\n"},
        {"data compression alone", {{"DATA_COMPRESSION", "PAGE"}}, "\n  ) \n  WITH (\n    DATA_COMPRESSION = PAGE\n  );\n"},
        {"catalogue codes by partition",
         {{"DATA_COMPRESSION", "ROW"}, {"DATA_COMPRESSION_PARTITIONS", "1=2,2=2,3=1,4=0"}},
         "\n  ) \n  WITH (\n    DATA_COMPRESSION = PAGE ON PARTITIONS (1,2),\n    DATA_COMPRESSION = ROW ON PARTITIONS "
         "(3),\n    DATA_COMPRESSION = NONE ON PARTITIONS (4)\n  );\n",
         true},
        {"xml compression by partition",
         {{"XML_COMPRESSION_PARTITIONS", "1=true,2=false"}, {"FILEGROUP_ON", "g"}},
         "\n  ) \n  ON [g] \n  WITH (\n    XML_COMPRESSION = ON ON PARTITIONS (1),\n    XML_COMPRESSION = OFF ON "
         "PARTITIONS (2)\n  );\n",
         true},
        {"versioning without history", {{"SYSTEM_VERSIONING", ""}}, "\n  ) \n  WITH (\n    SYSTEM_VERSIONING = ON\n  );\n"},
        {"versioning with history",
         {{"SYSTEM_VERSIONING", "true"}, {"HISTORY_TABLE_SCHEMA", "s"}, {"HISTORY_TABLE_NAME", "h"}},
         "\n  ) \n  WITH (\n    SYSTEM_VERSIONING = ON ( HISTORY_TABLE = [s].[h] )\n  );\n"},
        {"versioning with history and check",
         {{"SYSTEM_VERSIONING", "true"}, {"HISTORY_TABLE_SCHEMA", "s"}, {"HISTORY_TABLE_NAME", "h"},
          {"DATA_CONSISTENCY_CHECK", "yes"}, {"XML_COMPRESSION", "true"}},
         "\n  ) \n  WITH (\n    XML_COMPRESSION = ON,\n    SYSTEM_VERSIONING = ON ( HISTORY_TABLE = [s].[h], "
         "DATA_CONSISTENCY_CHECK = OFF )\n  );\n"},
    };
    for (const auto& k : cases) {
        auto t = table("dbo", "t");
        column(*t, "id", "INT");
        for (const auto& [key, value] : k.options) set_option(*t, key, value);
        std::string want = std::string("CREATE TABLE [dbo].[t] (\n    [id] INT NULL") + k.tail;
        std::string got = build(t);
        if (k.sort) {
            EXPECT_EQ(sorted_lines(got), sorted_lines(want)) << k.what << "\n" << got;
        } else {
            EXPECT_EQ(got, want) << k.what;
        }
    }
}

// Without raw types a column takes the inspector's type for its value type, and the size
// follows that type: a text without length becomes (MAX), not a one-character text.
TEST_F(SqlServerBuildTable, TypesFromEveryValueType) {
    auto t = table("dbo", "mapped");
    for (int type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN; type <= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR;
         ++type) {
        gchar* name = g_strdup_printf("c%02d", type);
        column(*t, name, "text", 0, 0, static_cast<DataType>(type));
        g_free(name);
    }
    column(*t, "s50", "character varying", 50, 0, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    column(*t, "w20", "varchar", 20, 0, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING);
    column(*t, "w9000", "nvarchar", 9000, 0, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING);
    column(*t, "d10_2", "numeric", 10, 2, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL);
    column(*t, "b16", "bytea", 16, 0, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY);
    expect_script(build(t, false), "table_mapped_types");
}

// A table read from the 2019 catalogue and written back keeps its column types and its
// constraints.
TEST(SqlServerBuildTableRoundTrip, TableFromThe2019CatalogueWrittenBack) {
    Scripted server("15.0.2000.5", "shop_2019");
    load_scenario(*server.provider, "collations_2019");
    auto orders = table("dbo", "orders");
    GError* error = nullptr;
    auto adapter = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(server.c()));
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
        reinterpret_cast<TarvelinRezezadovuContractsDatabaseIAdaptable*>(adapter.gobj()),
        c_of<TarvelinRezezadovuMetaModelMetaTable>(orders), TRUE, &error);
    ASSERT_EQ(describe(error), "(none)");
    auto builder = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_builder(server.c()));
    std::string script = mask_keys(take(tarvelin_rezezadovu_supports_database_sql_builder_build_table(
        reinterpret_cast<CBuilder*>(builder.gobj()), c_of<TarvelinRezezadovuMetaModelMetaTable>(orders), TRUE)));
    expect_script(script, "table_2019_orders");
    for (const char* line : {
             "    [region_country] NCHAR(2) COLLATE Latin1_General_CI_AS NOT NULL,\n",
             "    [order_no] INT NOT NULL,\n",
             "    [region_code] NVARCHAR(10) COLLATE Latin1_General_CI_AS NOT NULL,\n",
             "    [amount] DECIMAL(10, 2) DEFAULT ((0)) NOT NULL,\n",
             "    [created] DATETIME2 DEFAULT (sysdatetime()) NULL,\n",
             "    CONSTRAINT [PK__orders__<HMAC>] PRIMARY KEY ([order_no]),\n",
             "    CONSTRAINT [ck_orders_amount] NOT FOR REPLICATION CHECK ([amount]>=(0)),\n",
             "    CONSTRAINT [fk_orders_region] FOREIGN KEY([region_country],[region_code]) REFERENCES "
             "[dbo].[regions]([country],[code]) ON DELETE NO ACTION ON UPDATE CASCADE,\n",
             "    CONSTRAINT [uq_orders_ship] UNIQUE NONCLUSTERED ([ship_country] ASC,[ship_code] DESC),\n",
             "ALTER TABLE [dbo].[orders] NOCHECK CONSTRAINT [ck_orders_ship];\n",
         })
        EXPECT_NE(script.find(line), std::string::npos) << line;

    auto cases = table("dbo", "CASES");
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
        reinterpret_cast<TarvelinRezezadovuContractsDatabaseIAdaptable*>(adapter.gobj()),
        c_of<TarvelinRezezadovuMetaModelMetaTable>(cases), TRUE, &error);
    ASSERT_EQ(describe(error), "(none)");
    script = mask_keys(take(tarvelin_rezezadovu_supports_database_sql_builder_build_table(
        reinterpret_cast<CBuilder*>(builder.gobj()), c_of<TarvelinRezezadovuMetaModelMetaTable>(cases), TRUE)));
    expect_script(script, "table_2019_cases");
    EXPECT_NE(script.find("    [body] NVARCHAR(MAX) NULL,\n"), std::string::npos);
    EXPECT_NE(script.find("    [code] NCHAR(5) DEFAULT (N'NEW') NULL,\n"), std::string::npos);
}

TEST_F(SqlServerBuildTable, FailingCollationQueryWritesNoCollateAndLogs) {
    server.provider->answer_error(query("collations"), gobj::Error("TDSDB", 229, "The SELECT permission was denied."));
    auto t = table("dbo", "t");
    column(*t, "name", "NVARCHAR", 20)->set_collation("Latin1_General_CI_AS");
    LogCapture log;
    EXPECT_EQ(build(t), "CREATE TABLE [dbo].[t] (\n    [name] NVARCHAR(20) NULL\n  );\n");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "uncaught error: The SELECT permission was denied. (TDSDB, 229)"));
}

// A counting column read by another product carries the flag, not SQL Server's identity
// text: it becomes IDENTITY(1,1); a column with its own identity text keeps that, and one
// with a default (which SQL Server takes on no identity column) gets none. An identity is
// NOT NULL even where the column read as nullable (SQLite's counting key does).
TEST_F(SqlServerBuildTable, CountingColumnsOfOtherProductsBecomeIdentities) {
    struct Case {
        const char* identity;
        const char* fallback;
        bool counting;
        const char* line;
        bool not_null = true;
    } cases[] = {
        {"", "", true, "    [id] INT IDENTITY(1,1) NOT NULL\n"},
        {"(100,5)", "", true, "    [id] INT IDENTITY (100,5) NOT NULL\n"},
        {"", "((7))", true, "    [id] INT DEFAULT ((7)) NOT NULL\n"},
        {"", "", false, "    [id] INT NOT NULL\n"},
        {"", "", true, "    [id] INT IDENTITY(1,1) NOT NULL\n", false},
        {"(100,5)", "", false, "    [id] INT IDENTITY (100,5) NOT NULL\n", false},
        {"", "((7))", true, "    [id] INT DEFAULT ((7)) NULL\n", false},
    };
    for (const auto& c : cases) {
        auto t = table("dbo", "t");
        auto id = column(*t, "id", "INT");
        id->set_identity(c.identity);
        id->set_default_value(c.fallback);
        id->set_auto_increment(c.counting);
        id->set_not_null(c.not_null);
        EXPECT_EQ(build(t), std::string("CREATE TABLE [dbo].[t] (\n") + c.line + "  );\n") << c.line;
    }
}

TEST_F(SqlServerBuildTable, TableWithoutAnythingIsTheStatementAlone) {
    auto t = table("dbo", "t");
    column(*t, "id", "INT");
    EXPECT_EQ(build(t), "CREATE TABLE [dbo].[t] (\n    [id] INT NULL\n  );\n");
}

// ---------------------------------------------------------------- indexes

TEST_F(SqlServerBuildTable, IndexInItsThreeForms) {
    auto t = table("dbo", "t");
    column(*t, "c", "INT");
    auto one = add_index(*t, "i", {"c ASC"});
    auto columnstore = add_index(*t, "cs", {"c ASC", "d DESC"});
    columnstore->set_kind("COLUMNSTORE");
    columnstore->set_is_clustered(true);
    set_attribute(*columnstore, "UNIQUE", "true");
    set_attribute(*columnstore, "STATE", "true");
    columnstore->set_with("DROP_EXISTING = ON");

    // Standalone: one column a line, WITH as stored.
    auto standalone = [&](const gobj::Ref<MetaIndex>& index) {
        return take(tarvelin_rezezadovu_supports_database_sql_builder_build_index(
            c(), c_of<TarvelinRezezadovuMetaModelMetaIndex>(index)));
    };
    EXPECT_EQ(standalone(one), "CREATE INDEX [i] ON [dbo].[t]( \n    [c] ASC\n);");
    EXPECT_EQ(standalone(columnstore),
              "CREATE UNIQUE CLUSTERED COLUMNSTORE INDEX [cs] ON [dbo].[t]( \n    [c] ASC,\n    [d] DESC\n) WITH DROP_EXISTING = ON;");

    // Inline: in parentheses, no disable statement within CREATE TABLE.
    std::string created = build(t);
    EXPECT_NE(created.find("    INDEX [i] NONCLUSTERED ([c] ASC),\n"), std::string::npos) << created;
    EXPECT_NE(created.find("    INDEX [cs] UNIQUE CLUSTERED COLUMNSTORE ([c] ASC, [d] DESC) WITH (DROP_EXISTING = ON)\n"),
              std::string::npos)
        << created;

    // Patch: a new index with its disable statement, named with its table's schema.
    changed(*t, "indexes.cs", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_sql_builder_patch_table(c(), c_of<TarvelinRezezadovuMetaModelMetaTable>(t))),
              "CREATE UNIQUE CLUSTERED COLUMNSTORE INDEX [cs] ON [dbo].[t] ([c] ASC, [d] DESC) WITH (DROP_EXISTING = ON);\n"
              "ALTER INDEX [cs] ON [dbo].[t] DISABLE;\n");
}

// What is left of a script once every bracketed name and every quoted text is taken out:
// the SQL the builder wrote itself.
std::string outside_quotes(const std::string& script) {
    std::string out;
    for (std::size_t i = 0; i < script.size(); ++i) {
        char close = script[i] == '[' ? ']' : script[i] == '\'' ? '\'' : '\0';
        if (!close) {
            out += script[i];
            continue;
        }
        for (++i; i < script.size(); ++i) {
            if (script[i] != close) continue;
            if (i + 1 < script.size() && script[i + 1] == close) {
                ++i;
                continue;
            }
            break;
        }
        out += "?";
    }
    return out;
}

// Every index, unique and foreign-key entry is a quoted column, with its order after
// the name; a name that tries to close its entry and run a statement stays inside it.
TEST_F(SqlServerBuildTable, KeyEntriesAreQuotedColumnNames) {
    const std::string hostile = "id); DROP TABLE victim; CREATE INDEX zz ON other(a";
    struct Entry {
        std::string column;  // also the name of the index on it
        std::string quoted;
    } entries[] = {
        {hostile, "[" + hostile + "]"},
        {"MixedCase", "[MixedCase]"},
        {"zürich_表_🙂", "[zürich_表_🙂]"},
        {"co]l", "[co]]l]"},
        {"a, b", "[a, b]"},  // a comma inside a name keeps it one entry
        {"sort DESC", "[sort DESC]"},
    };
    for (const auto& e : entries) {
        SCOPED_TRACE(e.column);
        auto t = table("dbo", "t");
        column(*t, "id", "INT");
        column(*t, e.column.c_str(), "INT");
        auto index = add_index(*t, "ix", {e.column + " DESC"});
        index->set_include(e.column.c_str());
        add_unique(*t, "uq", (e.column + " ASC,id DESC").c_str());
        add_foreign_key(*t, "fk", ("id," + e.column).c_str(), "dbo", "other", ("id," + e.column).c_str());

        std::string created = build(t);
        EXPECT_NE(created.find("    CONSTRAINT [uq] UNIQUE NONCLUSTERED (" + e.quoted + " ASC,[id] DESC),\n"),
                  std::string::npos)
            << created;
        EXPECT_NE(created.find("FOREIGN KEY([id]," + e.quoted + ") REFERENCES [dbo].[other]([id],"), std::string::npos)
            << created;
        EXPECT_NE(created.find("    INDEX [ix] NONCLUSTERED (" + e.quoted + " DESC) INCLUDE (" + e.quoted + ")\n"),
                  std::string::npos)
            << created;
        EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_sql_builder_build_index(
                           c(), c_of<TarvelinRezezadovuMetaModelMetaIndex>(index)))
                      .find("    " + e.quoted + " DESC\n"),
                  std::string("CREATE INDEX [ix] ON [dbo].[t]( \n").size())
            << e.quoted;
        changed(*t, "indexes.ix", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
        changed(*t, "constraints.uq", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
        std::string patched = take(tarvelin_rezezadovu_supports_database_sql_builder_patch_table(
            c(), c_of<TarvelinRezezadovuMetaModelMetaTable>(t)));
        EXPECT_NE(patched.find("CREATE NONCLUSTERED INDEX [ix] ON [dbo].[t] (" + e.quoted + " DESC) INCLUDE (" +
                               e.quoted + ");\n"),
                  std::string::npos)
            << patched;
        for (const auto& script : {created, patched}) {
            EXPECT_EQ(outside_quotes(script).find("DROP"), std::string::npos) << script;
            EXPECT_EQ(outside_quotes(script).find("victim"), std::string::npos) << script;
        }
    }
}

TEST_F(SqlServerBuildTable, IndexWithoutColumnsGivesNothing) {
    auto t = table("dbo", "t");
    auto index = add_index(*t, "empty", {});
    LogCapture log;
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_sql_builder_build_index(c(), c_of<TarvelinRezezadovuMetaModelMetaIndex>(index))),
              "");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "Index empty has no columns; it is not written."));
}
