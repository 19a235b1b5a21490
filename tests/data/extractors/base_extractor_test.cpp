// BaseExtractor: the literals of cells and imported texts, the row statements of one
// record against an SQLite table, the asynchronous row step, and the default file export.
#include "data_fixture.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"
#include "rezezadovu/supports/data/extractors/base_extractor.hpp"
#include "support/facade_log.hpp"
#include "support/main_loop.hpp"

namespace data_test {
namespace {

using Base = TarvelinRezezadovuSupportsDataExtractorsBaseExtractor;
using rezezadovu::supports::data::extractors::BaseExtractor;
using rezezadovu::supports::data::extractors::SourceValue;

#define T(name) TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_##name

class Extractor {
public:
    Extractor() : e_(tarvelin_rezezadovu_supports_data_extractors_base_extractor_new("txt")) {}
    ~Extractor() { g_object_unref(e_); }
    Base* get() const { return e_; }
    operator gpointer() const { return e_; }

private:
    Base* e_;
};

std::string take(gchar* text) {
    std::string s = text ? text : "(null)";
    g_free(text);
    return s;
}

struct TextCase {
    DataType type;
    const char* text;
    const char* literal;
};

TEST(BaseExtractorLiterals, ImportedTextsTable) {
    const TextCase cases[] = {
        {T(INT64), " 42 ", "42"},
        {T(STRING), " it's ", "' it''s '"},
        {T(DECIMAL), "12.50", "'12.50'"},
        {T(JSON), "{\"a\":\"it's\"}", "'{\"a\":\"it''s\"}'"},  // every quoted class doubles its quotes
        {T(UUID), "x'); DROP TABLE t; --", "'x''); DROP TABLE t; --'"},
        {T(INT64), "1); DROP TABLE t; --", "'1); DROP TABLE t; --'"},
        {T(DOUBLE), "1e3", "1e3"},
        {T(DOUBLE), "NaN", "'NaN'"},
        {T(BOOLEAN), "true", "true"},
        {T(BOOLEAN), "FALSE", "FALSE"},
        {T(BOOLEAN), "1", "1"},
        {T(BOOLEAN), "yes", "'yes'"},
        {T(DATE), "2024-01-02", "'2024-01-02'"},
        {T(STRING), "a\\b", "'a\\b'"},
        {T(UNKNOWN), "x'y", "'x''y'"},
    };
    Extractor e;
    for (const auto& c : cases)
        EXPECT_EQ(take(tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_text(e.get(), c.type,
                                                                                                    c.text)),
                  c.literal)
            << c.text;
    for (DataType type : {T(STRING), T(INT64), T(DECIMAL), T(JSON), T(BOOLEAN), T(BLOB)}) {
        EXPECT_EQ(take(tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_text(e.get(), type, "")),
                  "NULL");
        EXPECT_EQ(take(tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_text(e.get(), type,
                                                                                                    " \t\r\n")),
                  "NULL");
    }
}

TEST(BaseExtractorLiterals, SourceTextsAndBackslashes) {
    // A text the source marked as one stays a text, however blank, in text columns.
    EXPECT_EQ(BaseExtractor::literal(T(STRING), SourceValue{"", true}, false), "''");
    EXPECT_EQ(BaseExtractor::literal(T(STRING), SourceValue{"  ", true}, false), "'  '");
    EXPECT_EQ(BaseExtractor::literal(T(INT64), SourceValue{"", true}, false), "NULL");
    // MySQL-family servers read the backslash as an escape.
    EXPECT_EQ(BaseExtractor::literal(T(STRING), SourceValue{"O'Brien \\", false}, true), "'O''Brien \\\\'");
    EXPECT_EQ(BaseExtractor::literal(T(INT64), SourceValue{"1\\", false}, true), "'1\\\\'");
    EXPECT_EQ(BaseExtractor::literal(T(INT64), SourceValue{"7", false}, true), "7");
}

TEST(BaseExtractorLiterals, CellValues) {
    using namespace providers::contracts;
    Extractor e;
    auto literal = [&](DataType type, const Ref<ValueObject>& value) {
        return take(tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_value(
            e.get(), type, reinterpret_cast<TarvelinProvidersContractsValueObject*>(value.gobj())));
    };
    for (DataType type : {T(STRING), T(INT64), T(BOOLEAN), T(BLOB)})
        EXPECT_EQ(literal(type, Ref<ValueObject>(ValueNull::create())), "NULL");
    EXPECT_EQ(literal(T(BOOLEAN), Ref<ValueObject>(ValueBoolean::create(true))), "true");
    // Every digit of a number, where its display text keeps six decimals.
    EXPECT_EQ(literal(T(DOUBLE), Ref<ValueObject>(ValueDouble::create(2.5))), "2.5");
    EXPECT_EQ(literal(T(DOUBLE), Ref<ValueObject>(ValueDouble::create(1e-9))), "1e-09");
    EXPECT_EQ(literal(T(FLOAT), Ref<ValueObject>(ValueFloat::create(0.1f))), "0.1");
    EXPECT_EQ(literal(T(DECIMAL), Ref<ValueObject>(ValueDecimal::create_exact(1.2345678901234568e18,
                                                                             "1234567890123456789.123456789"))),
              "'1234567890123456789.123456789'");
    EXPECT_EQ(literal(T(STRING), Ref<ValueObject>(ValueString::create("it's"))), "'it''s'");
    EXPECT_EQ(literal(T(INT64), Ref<ValueObject>(ValueString::create("1 OR 1=1"))), "'1 OR 1=1'");
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_supports_data_extractors_base_extractor_format_column_value(e.get(), T(STRING), nullptr),
              nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "data_value != NULL"));
}

// ---------------------------------------------------------------- row statements

class RowStatements : public ::testing::Test {
protected:
    void SetUp() override {
        db.run("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, extra TEXT, dup TEXT)");
        table = target_table("main", "t",
                             {{"id", T(INT64), "id", true},
                              {"name", T(STRING), "name"},
                              {"extra", T(STRING), ""},
                              {"dup", T(STRING), "name"}});
    }
    using Builder = gchar* (*)(Base*, CConnection*, CTable*, gchar**, gint, gchar**, gint);
    std::string build(Builder builder, MetaTable& target, std::vector<const char*> fields,
                      std::vector<const char*> values) {
        return take(builder(e.get(), db.connection(), reinterpret_cast<CTable*>(target.gobj()),
                            const_cast<gchar**>(fields.data()), gint(fields.size()),
                            const_cast<gchar**>(values.data()), gint(values.size())));
    }
    Imported step(const std::string& action, std::vector<const char*> fields, std::vector<const char*> values) {
        set_options(e, {{"ACTION", action}});
        struct Done {
            bool done = false;
            Imported result;
        } done;
        tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table(
            e.get(), db.connection(), reinterpret_cast<CTable*>(table.gobj()), const_cast<gchar**>(fields.data()),
            gint(fields.size()), const_cast<gchar**>(values.data()), gint(values.size()),
            [](GObject* source, GAsyncResult* result, gpointer data) {
                auto* d = static_cast<Done*>(data);
                GError* error = nullptr;
                d->result.count = tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table_finish(
                    reinterpret_cast<Base*>(source), result, &error);
                d->result.error = test::describe(error);
                d->done = true;
            },
            &done);
        EXPECT_TRUE(test::run_until([&] { return done.done; }, 30000));
        return done.result;
    }

    test::FacadeLog log;
    SqliteDatabase db;
    Extractor e;
    Ref<MetaTable> table;
};

TEST_F(RowStatements, FieldsMatchColumnsBySource) {
    const auto insert = tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_insert_data_sql;
    const auto update = tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_update_data_sql;
    const auto remove = tarvelin_rezezadovu_supports_data_extractors_base_extractor_build_delete_data_sql;
    // Two columns fed by one field; a field no column names is ignored; the table's order counts.
    std::vector<const char*> fields = {"ignored", "name", "id"}, values = {"zz", "it's", " 7 "};
    EXPECT_EQ(build(insert, *table, fields, values),
              "INSERT INTO \"t\"(\"id\", \"name\", \"dup\") VALUES(7, 'it''s', 'it''s');");
    EXPECT_EQ(build(update, *table, fields, values),
              "UPDATE \"t\" SET \"id\"=7, \"name\"='it''s', \"dup\"='it''s' WHERE \"id\"=7;");
    EXPECT_EQ(build(remove, *table, fields, values), "DELETE FROM \"t\" WHERE \"id\"=7;");

    // Refusals: a critical with the reason, and no text.
    test::LogCapture log;
    EXPECT_EQ(build(update, *table, {"name"}, {"x"}), "(null)");
    EXPECT_EQ(build(remove, *table, {"name"}, {"x"}), "(null)");
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "feeds no primary-key column of table t"), 2);
    EXPECT_EQ(build(insert, *table, {"other"}, {"x"}), "(null)");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "the record feeds no column of table t"));
    EXPECT_EQ(build(insert, *table, {"id", "name"}, {"1"}), "(null)");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "the record has 1 values for 2 fields"));
    auto unfed = target_table("main", "t", {{"id", T(INT64), ""}});
    EXPECT_EQ(build(insert, *unfed, {"id"}, {"1"}), "(null)");
}

TEST_F(RowStatements, TheStepRunsTheStatementOfItsAction) {
    std::vector<const char*> fields = {"id", "name"};
    EXPECT_EQ(step("append", fields, {"1", "a"}).count, 1);
    EXPECT_EQ(step("merge", fields, {"1", "b"}).count, 1);   // the update changed a row
    EXPECT_EQ(step("merge", fields, {"2", "c"}).count, 1);   // it changed none: the insert ran
    EXPECT_EQ(step("update", fields, {"9", "x"}).count, 0);
    EXPECT_EQ(step("Append", fields, {"3", "d"}).count, 0);  // names no statement
    EXPECT_EQ(step("", fields, {"3", "d"}).count, 0);
    EXPECT_EQ(db.rows("SELECT id, name, dup FROM t ORDER BY id"), (std::vector<std::string>{"1|b|b", "2|c|c"}));
    auto failed = step("append", fields, {"1", "again"});
    EXPECT_EQ(failed.count, 0);
    EXPECT_NE(failed.error.find("UNIQUE"), std::string::npos) << failed.error;
    auto refused = step("delete", {"name"}, {"b"});
    EXPECT_EQ(refused.error,
              "default -1 the record feeds no primary-key column of table t, so its statement would address every row");
    EXPECT_EQ(step("delete", fields, {"1", ""}).count, 1);
    EXPECT_EQ(db.rows("SELECT id FROM t"), (std::vector<std::string>{"2"}));
}

TEST(BaseExtractorExport, RendersNothingAndWritesNoFile) {
    test::TempDir dir;
    std::string file = dir.file("kept.txt");
    write_text(file, "before");
    auto table = table_of({{"a", T(STRING)}}, {{"x"}});
    Extractor e;
    auto r = export_file(e, *table, file);
    EXPECT_EQ(r.rows, 0);
    EXPECT_EQ(r.error, "(none)");
    EXPECT_EQ(read_text(file), "before");
    EXPECT_FALSE(exists(dir.file("never.txt")) || export_file(e, *table, dir.file("never.txt")).rows != 0 ||
                 exists(dir.file("never.txt")));
    auto text = export_text(e, *table);
    EXPECT_EQ(text.rows, 0);
    EXPECT_EQ(text.text, "");
}

// An export that fails once its file is open (refused options, a name or text the format
// cannot carry, found halfway) leaves a file that was there as it was, and no new one.
TEST(BaseExtractorExport, AFailedExportLeavesTheFileAsItWas) {
    struct Case {
        const char* label;
        gpointer extractor;
        Ref<TableModel> table;
    };
    auto rows = table_of({{"a", T(STRING)}}, {{"x"}, {"y"}, {"bell \x07"}});
    const Case cases[] = {
        {"delimited text, short quotation list",
         tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv"), rows},
        {"XML, a name that is not an XML name", tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml"),
         table_of({{"1st", T(STRING)}}, {{"x"}})},
        {"XML, a control character in the last row",
         tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml"), rows},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Made extractor(c.extractor, {{"QUOTATION_LIST", "'-'"}});
        std::string kept = dir.file("kept"), fresh = dir.file("fresh");
        write_text(kept, "before");
        auto r = export_file(extractor, *c.table, kept);
        EXPECT_EQ(r.rows, -1);
        EXPECT_NE(r.error, "(none)");
        EXPECT_EQ(read_text(kept), "before");
        EXPECT_EQ(export_file(extractor, *c.table, fresh).rows, -1);
        EXPECT_FALSE(exists(fresh));
        std::vector<std::string> left;
        GDir* d = g_dir_open(dir.file("").c_str(), 0, nullptr);
        while (const char* name = d ? g_dir_read_name(d) : nullptr) left.emplace_back(name);
        if (d) g_dir_close(d);
        EXPECT_EQ(left, std::vector<std::string>{"kept"});  // no replacement left beside it
    }
}

}  // namespace
}  // namespace data_test
