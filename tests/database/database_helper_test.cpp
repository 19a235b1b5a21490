// DatabaseHelper: generic values and text, literals, sizes, summaries, names, row texts.
#include <gtest/gtest.h>

#include <tarvelin/providers/value_binary.h>
#include <tarvelin/providers/value_integer.h>
#include <tarvelin/providers/value_numeric.h>
#include <tarvelin/providers/value_string.h>
#include <tarvelin/rezezadovu/helpers.h>

#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "support/driver_checks.hpp"
#include "support/resource_bundle.hpp"

using namespace tarvelin;
using rezezadovu::helpers::DatabaseHelper;
using rezezadovu::meta_model::MetaColumn;
using rezezadovu::meta_model::MetaTable;

namespace {

// The file-type table comes from the test bundle, registered before anything asks for it.
[[maybe_unused]] testing::Environment* const bundle =
    testing::AddGlobalTestEnvironment(new test::ResourceBundle(TARVELIN_TEST_BUNDLE));

std::string take(gchar* text) { return text ? gobj::take_string(text) : std::string("(null)"); }

// A GValue that unsets itself.
struct Value {
    GValue v = G_VALUE_INIT;
    explicit Value(GType type) { g_value_init(&v, type); }
    Value() = default;
    ~Value() {
        if (G_IS_VALUE(&v)) g_value_unset(&v);
    }
    GValue* operator&() { return &v; }
};

// Types under the names GLib leaves free, as a host would register them.
GType time_type() {
    static GType t = g_boxed_type_register_static(
        "GTime", [](gpointer p) -> gpointer { return g_memdup2(p, sizeof(struct tm)); }, g_free);
    return t;
}
GType null_type() {
    static GType t = g_boxed_type_register_static(
        "GNull", [](gpointer p) { return p; }, [](gpointer) {});
    return t;
}
GType genum_type() {
    static const GEnumValue values[] = {{3, "GENUM_THREE", "three"}, {0, nullptr, nullptr}};
    static GType t = g_enum_register_static("genum", values);
    return t;
}

std::string text_of(GValue* value) {
    return take(tarvelin_rezezadovu_helpers_database_helper_glib_value_to_text(value, "<null>"));
}

}  // namespace

TEST(DatabaseHelper, FormatSize) {
    struct Case {
        guint64 size;
        const char* expected;
    } cases[] = {
        {0, "0 Byte"},           {1000, "1000 Byte"},       {1001, "1 KB"},
        {1500, "1 KB"},          {999999, "999 KB"},        {1000000, "1,000 KB"},
        {1234567, "1,234 KB"},   {5000000000ULL, "5,000,000 KB"},
        {G_MAXUINT64, "18,446,744,073,709,551 KB"},
    };
    for (const Case& c : cases) EXPECT_EQ(take(tarvelin_rezezadovu_helpers_database_helper_format_size(c.size)), c.expected);
}

// Each type name of the dispatch with a value that holds what it promises.
TEST(DatabaseHelper, ValueToTextByTypeName) {
    struct Case {
        const char* what;
        std::function<void(GValue*)> fill;
        GType type;
        const char* expected;
    } cases[] = {
        {"gchararray", [](GValue* v) { g_value_set_string(v, "abc"); }, G_TYPE_STRING, "abc"},
        {"gchararray without a string", [](GValue*) {}, G_TYPE_STRING, "<null>"},
        {"gchar", [](GValue* v) { g_value_set_schar(v, -5); }, G_TYPE_CHAR, "-5"},
        {"gint", [](GValue* v) { g_value_set_int(v, -42); }, G_TYPE_INT, "-42"},
        {"glong", [](GValue* v) { g_value_set_long(v, -7); }, G_TYPE_LONG, "-7"},
        {"gint64", [](GValue* v) { g_value_set_int64(v, G_MININT64); }, G_TYPE_INT64, "-9223372036854775808"},
        {"guchar", [](GValue* v) { g_value_set_uchar(v, 200); }, G_TYPE_UCHAR, "200"},
        {"guint", [](GValue* v) { g_value_set_uint(v, 4000000000u); }, G_TYPE_UINT, "4000000000"},
        {"gulong", [](GValue* v) { g_value_set_ulong(v, 9); }, G_TYPE_ULONG, "9"},
        {"guint64", [](GValue* v) { g_value_set_uint64(v, G_MAXUINT64); }, G_TYPE_UINT64, "18446744073709551615"},
        {"gfloat", [](GValue* v) { g_value_set_float(v, 1.5f); }, G_TYPE_FLOAT, "1.5"},
        {"gdouble", [](GValue* v) { g_value_set_double(v, 0.1); }, G_TYPE_DOUBLE, "0.10000000000000001"},
        {"gdouble large", [](GValue* v) { g_value_set_double(v, -2.5e300); }, G_TYPE_DOUBLE, "-2.5000000000000001e+300"},
        {"gboolean", [](GValue* v) { g_value_set_boolean(v, TRUE); }, G_TYPE_BOOLEAN, "TRUE"},
        {"gboolean false", [](GValue*) {}, G_TYPE_BOOLEAN, "FALSE"},
        {"GDate", [](GValue* v) { g_value_take_boxed(v, g_date_new_dmy(5, G_DATE_MARCH, 2024)); }, G_TYPE_DATE,
         "2024-3-5"},
        {"GDate invalid", [](GValue* v) { g_value_take_boxed(v, g_date_new()); }, G_TYPE_DATE, "<null>"},
        {"GDateTime",
         [](GValue* v) { g_value_take_boxed(v, g_date_time_new_utc(2024, 3, 5, 7, 8, 9)); }, G_TYPE_DATE_TIME,
         "2024-03-05 07:08:09"},
        {"GDateTime absent", [](GValue*) {}, G_TYPE_DATE_TIME, "<null>"},
        {"genum", [](GValue* v) { g_value_set_enum(v, 3); }, genum_type(), "3"},
        {"GTime",
         [](GValue* v) {
             struct tm record {};
             record.tm_hour = 7, record.tm_min = 8, record.tm_sec = 9;
             g_value_set_boxed(v, &record);
         },
         time_type(), "07:08:09"},
        {"GTime absent", [](GValue*) {}, time_type(), "<null>"},
        {"GNull", [](GValue*) {}, null_type(), "<null>"},
        {"any other name", [](GValue*) {}, G_TYPE_OBJECT, "NULL"},
    };
    for (const Case& c : cases) {
        Value v(c.type);
        c.fill(&v);
        EXPECT_EQ(text_of(&v), c.expected) << c.what;
    }
}

// Names no GLib type can carry while holding their value are read through the name given
// beside the value; a value that does not hold what the name promises gives null_value.
TEST(DatabaseHelper, ValueTextAsUnregisteredNames) {
    Value integer(G_TYPE_INT), unsigned_integer(G_TYPE_UINT), real(G_TYPE_FLOAT), text(G_TYPE_STRING),
        stamp(G_TYPE_DATE_TIME);
    g_value_set_int(&integer, -12);
    g_value_set_uint(&unsigned_integer, 12);
    g_value_set_float(&real, 0.25f);
    g_value_set_string(&text, "12");
    g_value_take_boxed(&stamp, g_date_time_new_utc(2001, 2, 3, 4, 5, 6));
    struct Case {
        const char* name;
        GValue* value;
        const char* expected;
    } cases[] = {
        {"int16", &integer, "-12"},   {"gint16", &integer, "-12"},  {"uint16", &unsigned_integer, "12"},
        {"guint16", &unsigned_integer, "12"}, {"numeric", &real, "0.25"}, {"gnumeric", &real, "0.25"},
        {"GTimestamp", &stamp, "2001-02-03 04:05:06"},
        // Holding the wrong thing.
        {"gint", &text, "-"}, {"gdouble", &integer, "-"}, {"gboolean", &text, "-"}, {"genum", &integer, "-"},
        {"GDate", &stamp, "-"}, {"GTime", &integer, "-"}, {"gchararray", &integer, "-"},
    };
    for (const Case& c : cases) EXPECT_EQ(DatabaseHelper::value_text_as(c.name, c.value, "-"), c.expected) << c.name;
}

TEST(DatabaseHelper, TextToValue) {
    auto read = [](GType type, const char* text) {
        auto v = std::make_unique<Value>();
        tarvelin_rezezadovu_helpers_database_helper_string_to_glib_value(type, text, &*v);
        return v;
    };
    EXPECT_FALSE(g_value_get_boolean(&*read(G_TYPE_BOOLEAN, "TRUE")));
    EXPECT_TRUE(g_value_get_boolean(&*read(G_TYPE_BOOLEAN, "true")));
    EXPECT_EQ(g_value_get_int(&*read(G_TYPE_INT, "42")), 42);
    EXPECT_EQ(g_value_get_int(&*read(G_TYPE_INT, "abc")), 0);
    EXPECT_EQ(g_value_get_schar(&*read(G_TYPE_CHAR, "300")), 44);
    EXPECT_EQ(g_value_get_long(&*read(G_TYPE_LONG, "0x10")), 16);
    EXPECT_EQ(g_value_get_int64(&*read(G_TYPE_INT64, "-010")), -8);
    EXPECT_EQ(g_value_get_uchar(&*read(G_TYPE_UCHAR, "0x1FF")), 255);
    EXPECT_EQ(g_value_get_uint(&*read(G_TYPE_UINT, "4294967297")), 1u);
    EXPECT_EQ(g_value_get_ulong(&*read(G_TYPE_ULONG, "4294967297")), 1ul);
    EXPECT_EQ(g_value_get_uint64(&*read(G_TYPE_UINT64, "18446744073709551615")), G_MAXUINT64);
    EXPECT_FLOAT_EQ(g_value_get_float(&*read(G_TYPE_FLOAT, "1.5")), 1.5f);
    EXPECT_DOUBLE_EQ(g_value_get_double(&*read(G_TYPE_DOUBLE, "2.5e3")), 2500.0);
    EXPECT_DOUBLE_EQ(g_value_get_double(&*read(G_TYPE_DOUBLE, "x")), 0.0);
    EXPECT_STREQ(g_value_get_string(&*read(G_TYPE_STRING, "x")), "x");
    EXPECT_FALSE(g_date_valid(static_cast<GDate*>(g_value_get_boxed(&*read(G_TYPE_DATE, "2024-01-01")))));
    auto stamp = read(G_TYPE_DATE_TIME, "2024-03-05T07:08:09");
    ASSERT_NE(g_value_get_boxed(&*stamp), nullptr);
    EXPECT_EQ(text_of(&*stamp), "2024-03-05 07:08:09");
    EXPECT_EQ(g_value_get_boxed(&*read(G_TYPE_DATE_TIME, "nope")), nullptr);
    auto time = read(time_type(), "07:08:09");
    auto* record = static_cast<struct tm*>(g_value_get_boxed(&*time));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->tm_hour * 10000 + record->tm_min * 100 + record->tm_sec, 70809);
    EXPECT_EQ(record->tm_year + record->tm_mday, 0);
    EXPECT_EQ(text_of(&*read(time_type(), "23:59:58")), "23:59:58");
    // "genum" holds a text only where that type can: an enum type stays at its default.
    EXPECT_EQ(g_value_get_enum(&*read(genum_type(), "3")), 0);
    EXPECT_EQ(g_value_get_boxed(&*read(null_type(), "x")), nullptr);
    EXPECT_EQ(g_value_get_object(&*read(G_TYPE_OBJECT, "x")), nullptr);

    test::LogCapture log;
    Value untouched;
    tarvelin_rezezadovu_helpers_database_helper_string_to_glib_value(G_TYPE_INT, nullptr, &untouched);
    EXPECT_FALSE(G_IS_VALUE(&untouched));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'text != NULL'"));
}

TEST(DatabaseHelper, NumberConversions) {
    struct Case {
        GType type;
        std::function<void(GValue*)> fill;
        bool as_int64, as_uint64;
        double number;
    } cases[] = {
        {G_TYPE_INT64, [](GValue* v) { g_value_set_int64(v, -5); }, true, false, -5},
        {G_TYPE_LONG, [](GValue* v) { g_value_set_long(v, -6); }, true, false, -6},
        {G_TYPE_INT, [](GValue* v) { g_value_set_int(v, -7); }, true, false, -7},
        {G_TYPE_CHAR, [](GValue* v) { g_value_set_schar(v, -8); }, true, false, -8},
        {G_TYPE_UINT64, [](GValue* v) { g_value_set_uint64(v, 5); }, false, true, 5},
        {G_TYPE_ULONG, [](GValue* v) { g_value_set_ulong(v, 6); }, false, true, 6},
        {G_TYPE_UINT, [](GValue* v) { g_value_set_uint(v, 7); }, false, true, 7},
        {G_TYPE_UCHAR, [](GValue* v) { g_value_set_uchar(v, 8); }, false, true, 8},
        {genum_type(), [](GValue* v) { g_value_set_enum(v, 3); }, false, true, 3},
        {G_TYPE_DOUBLE, [](GValue* v) { g_value_set_double(v, 1.25); }, false, false, 1.25},
        {G_TYPE_FLOAT, [](GValue* v) { g_value_set_float(v, 0.5f); }, false, false, 0.5},
    };
    for (const Case& c : cases) {
        Value v(c.type);
        c.fill(&v);
        gint64 i = 99;
        guint64 u = 99;
        double d = 99;
        EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_glib_value_to_int64(&v, &i), c.as_int64) << g_type_name(c.type);
        EXPECT_EQ(i, c.as_int64 ? static_cast<gint64>(c.number) : 0);
        EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_glib_value_to_uint64(&v, &u), c.as_uint64);
        EXPECT_EQ(u, c.as_uint64 ? static_cast<guint64>(c.number) : 0u);
        EXPECT_TRUE(tarvelin_rezezadovu_helpers_database_helper_glib_value_to_double(&v, &d));
        EXPECT_DOUBLE_EQ(d, c.number);
    }
    Value text(G_TYPE_STRING);
    double d = 99;
    EXPECT_FALSE(tarvelin_rezezadovu_helpers_database_helper_glib_value_to_double(&text, &d));
    EXPECT_EQ(d, 0.0);
    test::LogCapture log;
    EXPECT_FALSE(tarvelin_rezezadovu_helpers_database_helper_glib_value_to_int64(nullptr, nullptr));
    EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_glib_value_to_text(nullptr, "x"), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'boxed != NULL'"), 2);
}

// Cells as literals: NULL for a null cell, numbers bare only when they are numbers, every
// quoted kind with its quotes doubled.
TEST(DatabaseHelper, FormatSqlValue) {
    using V = TarvelinProvidersContractsValueObject;
    auto value = [](auto* made) { return gobj::Ref<providers::contracts::ValueObject>::adopt(made); };
    struct Case {
        TarvelinProvidersContractsDataType kind;
        gobj::Ref<providers::contracts::ValueObject> cell;
        const char* expected;
    } cases[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, value(tarvelin_providers_contracts_value_null_new()), "NULL"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, value(tarvelin_providers_contracts_value_null_new()), "NULL"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, value(tarvelin_providers_contracts_value_string_new("O'Neil")),
         "'O''Neil'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, value(tarvelin_providers_contracts_value_string_new("O'Neil")),
         "'O''Neil'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, value(tarvelin_providers_contracts_value_int32_new(42)), "42"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, value(tarvelin_providers_contracts_value_boolean_new(TRUE)),
         "true"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, value(tarvelin_providers_contracts_value_decimal_new(1.5)),
         "'1.5'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, value(tarvelin_providers_contracts_value_double_new(1e-9)),
         "1e-09"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, value(tarvelin_providers_contracts_value_string_new("red")),
         "'red'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, value(tarvelin_providers_contracts_value_string_new("1 OR 1=1")),
         "'1 OR 1=1'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING,
         value(tarvelin_providers_contracts_value_string_new("x'); DROP TABLE t; --")), "'x''); DROP TABLE t; --'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON, value(tarvelin_providers_contracts_value_string_new("{\"a\":'b'}")),
         "'{\"a\":''b''}'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(take(tarvelin_rezezadovu_helpers_database_helper_format_sql_value(c.kind,
                                                                                    static_cast<V*>(c.cell.instance()))),
                  c.expected)
            << c.expected;
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_format_sql_value(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING,
                                                                          nullptr),
              nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'data_value != NULL'"));
}

TEST(DatabaseHelper, UpdateSchemaWithModel) {
    using DT = providers::contracts::DataType;
    const DT types[] = {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING};
    auto model = providers::contracts::TableModel::create_with_types(types);
    model->get_columns().at(0)->set_name("id");
    model->get_columns().at(1)->set_name("name");
    auto* m = static_cast<TarvelinProvidersContractsTableModel*>(model.instance());

    auto table = MetaTable::create();
    EXPECT_TRUE(tarvelin_rezezadovu_helpers_database_helper_update_schema_with_model(
        static_cast<TarvelinRezezadovuMetaModelMetaTable*>(table.instance()), m));
    auto columns = gobj::GeeArray<MetaColumn>::wrap(table->get_columns());
    ASSERT_EQ(columns.size(), 2);
    EXPECT_STREQ(columns.at(0)->get_name(), "id");
    EXPECT_EQ(columns.at(0)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    EXPECT_STREQ(columns.at(1)->get_name(), "name");
    EXPECT_EQ(columns.at(1)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);

    // A table that had columns already ends with more than the result: false.
    EXPECT_FALSE(tarvelin_rezezadovu_helpers_database_helper_update_schema_with_model(
        static_cast<TarvelinRezezadovuMetaModelMetaTable*>(table.instance()), m));
    EXPECT_EQ(columns.size(), 4);
}

TEST(DatabaseHelper, Names) {
    struct Case {
        const char* username;
        const char* expected;
    } accounts[] = {
        {"a@b", "`a`@`b`"}, {"a", "`a`"}, {"a@", "`a`@``"}, {"a@b@c", "`a`@`b`"}, {"a`b@h`x", "`a``b`@`h``x`"},
        {"x`@`y` OR 1", "`x```@```y`` OR 1`"},
    };
    for (const Case& c : accounts)
        EXPECT_EQ(take(tarvelin_rezezadovu_helpers_database_helper_make_fullname_mysql(c.username)), c.expected);
    struct Object {
        const char* schema;
        const char* table;
        const char* expected;
    } objects[] = {
        {"s", "t", "s.t"}, {"", "t", "\"t\""}, {"s", "", "s.\"\""}, {"", "", "\"\""}, {"", "a\"b", "\"a\"\"b\""},
    };
    for (const Object& o : objects)
        EXPECT_EQ(take(tarvelin_rezezadovu_helpers_database_helper_format_object_name(o.schema, o.table)), o.expected);
}

TEST(DatabaseHelper, RowTexts) {
    gchar* columns[] = {(gchar*)"a", (gchar*)"b"};
    gchar* values[] = {(gchar*)"1", (gchar*)"'x'"};
    gchar* keys[] = {(gchar*)"id", (gchar*)"k"};
    gchar* key_values[] = {(gchar*)"5", (gchar*)"NULL"};
    EXPECT_EQ(take(tarvelin_rezezadovu_helpers_database_helper_build_sql_insert("s", "t", columns, 2, values, 2)),
              "INSERT INTO s.t(a, b) VALUES(1, 'x');");
    EXPECT_EQ(take(tarvelin_rezezadovu_helpers_database_helper_build_sql_update("", "t", columns, 2, values, 2, keys, 2,
                                                                               key_values, 2)),
              "UPDATE \"t\" SET a=1, b='x' WHERE id=5 AND k=NULL;");
    EXPECT_EQ(take(tarvelin_rezezadovu_helpers_database_helper_build_sql_delete("", "t", nullptr, 0, nullptr, 0)),
              "DELETE FROM \"t\";");
    EXPECT_EQ(take(tarvelin_rezezadovu_helpers_database_helper_build_sql_delete("s", "t", keys, 1, key_values, 1)),
              "DELETE FROM s.t WHERE id=5;");

    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_build_sql_insert("", "t", columns, 0, values, 2), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_build_sql_insert("", "t", columns, 2, nullptr, 0), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_build_sql_update("", "t", nullptr, 0, values, 2, nullptr, 0,
                                                                          nullptr, 0),
              nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_build_sql_update(nullptr, "t", columns, 2, values, 2, nullptr,
                                                                          0, nullptr, 0),
              nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'columns_length > 0'"), 2);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'values_length > 0'"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'schema != NULL'"), 1);
}

TEST(DatabaseHelper, Summary) {
    auto summary = [](const std::string& bytes) {
        auto value = gobj::Ref<providers::contracts::ValueObject>::adopt(tarvelin_providers_contracts_value_binary_new(
            reinterpret_cast<const guint8*>(bytes.data()), static_cast<gint>(bytes.size())));
        return take(tarvelin_rezezadovu_helpers_database_helper_summary(
            static_cast<TarvelinProvidersContractsValueBinary*>(value.instance()), "<null>"));
    };
    EXPECT_EQ(summary(""), "");
    EXPECT_EQ(summary("h\xc3\xa9llo w\xc3\xb6rld"), "h\xc3\xa9llo w\xc3\xb6rld");
    EXPECT_EQ(summary(std::string("text\0\0\0", 7)), "text");
    // The text ends at the first zero byte, whatever follows it.
    EXPECT_EQ(summary(std::string("abc\0def", 7)), "abc");
    EXPECT_EQ(summary(std::string("abc\0\xff\xfe", 6)), "abc");
    std::string png("\x89PNG\r\n\x1a\n", 8);
    png.resize(2048, '\x01');
    EXPECT_EQ(summary(png), "image/png(2 KB)");
    // Bytes that begin with a zero byte are summarised by their type, not as an empty text.
    std::string mp4("\0\0\0\x18" "ftypisom", 12);
    mp4.resize(5000, '\0');
    EXPECT_EQ(summary(mp4), "video/mp4(5 KB)");
    EXPECT_EQ(summary(std::string("\xff\xfe\x01", 3)), "unknown/unknown(3 Byte)");

    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_helpers_database_helper_summary(nullptr, "x"), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'value != NULL'"));
}

TEST(DatabaseHelper, Instance) {
    EXPECT_STREQ(g_type_name(tarvelin_rezezadovu_helpers_database_helper_get_type()),
                 "TarvelinRezezadovuHelpersDatabaseHelper");
    auto* helper = tarvelin_rezezadovu_helpers_database_helper_new();
    GParamSpec* spec = tarvelin_rezezadovu_helpers_param_spec_database_helper(
        "helper", "helper", "helper", tarvelin_rezezadovu_helpers_database_helper_get_type(), G_PARAM_READWRITE);
    ASSERT_NE(spec, nullptr);
    EXPECT_EQ(spec->value_type, tarvelin_rezezadovu_helpers_database_helper_get_type());
    g_param_spec_unref(g_param_spec_ref_sink(spec));
    Value v(tarvelin_rezezadovu_helpers_database_helper_get_type());
    tarvelin_rezezadovu_helpers_value_set_database_helper(&v, helper);
    EXPECT_EQ(helper->ref_count, 2);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_value_get_database_helper(&v), helper);
    tarvelin_rezezadovu_helpers_database_helper_unref(helper);
    EXPECT_EQ(helper->ref_count, 1);
}
