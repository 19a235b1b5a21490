// Registered names of the value model, and the vocabulary conversions.
#include <tarvelin/providers/providers.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "value_test_support.hpp"

using value_test::text_of;

namespace {

struct TypeCase {
    const char* name;
    GType (*get_type)();
    const char* parent;  // nullptr for interfaces and enumerations
};

const TypeCase kTypes[] = {
    {"TarvelinProvidersContractsDataType", tarvelin_providers_contracts_data_type_get_type, "GEnum"},
    {"TarvelinProvidersContractsDataVersion", tarvelin_providers_contracts_data_version_get_type, "GFlags"},
    {"TarvelinProvidersContractsDBObject", tarvelin_providers_contracts_db_object_get_type, "GEnum"},
    {"TarvelinProvidersContractsIInteger", tarvelin_providers_contracts_iinteger_get_type, "GInterface"},
    {"TarvelinProvidersContractsIUnsigned", tarvelin_providers_contracts_iunsigned_get_type, "GInterface"},
    {"TarvelinProvidersContractsINumeric", tarvelin_providers_contracts_inumeric_get_type, "GInterface"},
    {"TarvelinProvidersContractsValueInt8", tarvelin_providers_contracts_value_int8_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueInt16", tarvelin_providers_contracts_value_int16_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueInt32", tarvelin_providers_contracts_value_int32_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueInt64", tarvelin_providers_contracts_value_int64_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueUInt8", tarvelin_providers_contracts_value_uint8_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueUInt16", tarvelin_providers_contracts_value_uint16_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueUInt32", tarvelin_providers_contracts_value_uint32_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueUInt64", tarvelin_providers_contracts_value_uint64_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueBoolean", tarvelin_providers_contracts_value_boolean_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueFloat", tarvelin_providers_contracts_value_float_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueDouble", tarvelin_providers_contracts_value_double_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueMoney", tarvelin_providers_contracts_value_money_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueDecimal", tarvelin_providers_contracts_value_decimal_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueString", tarvelin_providers_contracts_value_string_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueXml", tarvelin_providers_contracts_value_xml_get_type,
     "TarvelinProvidersContractsValueString"},
    {"TarvelinProvidersContractsValueJson", tarvelin_providers_contracts_value_json_get_type,
     "TarvelinProvidersContractsValueString"},
    {"TarvelinProvidersContractsValueUuid", tarvelin_providers_contracts_value_uuid_get_type,
     "TarvelinProvidersContractsValueString"},
    {"TarvelinProvidersContractsValueUtf16", tarvelin_providers_contracts_value_utf16_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueBinary", tarvelin_providers_contracts_value_binary_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueBlob", tarvelin_providers_contracts_value_blob_get_type,
     "TarvelinProvidersContractsValueBinary"},
    {"TarvelinProvidersContractsValueDateTime", tarvelin_providers_contracts_value_date_time_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueDate", tarvelin_providers_contracts_value_date_get_type,
     "TarvelinProvidersContractsValueDateTime"},
    {"TarvelinProvidersContractsValueTime", tarvelin_providers_contracts_value_time_get_type,
     "TarvelinProvidersContractsValueDateTime"},
    {"TarvelinProvidersContractsValueTimeSpan", tarvelin_providers_contracts_value_time_span_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueEnum", tarvelin_providers_contracts_value_enum_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueFlags", tarvelin_providers_contracts_value_flags_get_type,
     "TarvelinProvidersContractsValueEnum"},
    {"TarvelinProvidersContractsValueSet", tarvelin_providers_contracts_value_set_get_type,
     "TarvelinProvidersContractsValueEnum"},
    {"TarvelinProvidersContractsValueGeometry", tarvelin_providers_contracts_value_geometry_get_type,
     "TarvelinProvidersContractsValueObject"},
    {"TarvelinProvidersContractsValueGeography", tarvelin_providers_contracts_value_geography_get_type,
     "TarvelinProvidersContractsValueGeometry"},
};

}  // namespace

// The names are known from the moment the library is loaded, before any get_type call.
TEST(Vocabulary, EveryTypeIsRegisteredUnderItsNameAndParent) {
    for (const auto& c : kTypes) {
        GType by_name = g_type_from_name(c.name);
        ASSERT_NE(by_name, G_TYPE_INVALID) << c.name;
        EXPECT_EQ(by_name, c.get_type()) << c.name;
        EXPECT_STREQ(g_type_name(g_type_parent(by_name)), c.parent) << c.name;
    }
}

TEST(Vocabulary, InterfacesOfTheValueClasses) {
    GType iinteger = tarvelin_providers_contracts_iinteger_get_type();
    GType iunsigned = tarvelin_providers_contracts_iunsigned_get_type();
    GType inumeric = tarvelin_providers_contracts_inumeric_get_type();
    guint n = 0;
    GType* prereq = g_type_interface_prerequisites(iunsigned, &n);
    std::vector<GType> prerequisites(prereq, prereq + n);
    g_free(prereq);
    EXPECT_NE(std::find(prerequisites.begin(), prerequisites.end(), iinteger), prerequisites.end());

    struct Case {
        const char* name;
        bool integer, unsigned_, numeric;
    } cases[] = {
        {"TarvelinProvidersContractsValueInt8", true, false, false},
        {"TarvelinProvidersContractsValueInt16", true, false, false},
        {"TarvelinProvidersContractsValueInt32", true, false, false},
        {"TarvelinProvidersContractsValueInt64", true, false, false},
        {"TarvelinProvidersContractsValueUInt8", true, true, false},
        {"TarvelinProvidersContractsValueUInt16", true, true, false},
        {"TarvelinProvidersContractsValueUInt32", true, true, false},
        {"TarvelinProvidersContractsValueUInt64", true, true, false},
        {"TarvelinProvidersContractsValueBoolean", true, true, false},
        {"TarvelinProvidersContractsValueFloat", false, false, true},
        {"TarvelinProvidersContractsValueDouble", false, false, true},
        {"TarvelinProvidersContractsValueMoney", false, false, true},
        {"TarvelinProvidersContractsValueDecimal", false, false, true},
        {"TarvelinProvidersContractsValueString", false, false, false},
        {"TarvelinProvidersContractsValueDateTime", false, false, false},
    };
    for (const auto& c : cases) {
        GType t = g_type_from_name(c.name);
        EXPECT_EQ(g_type_is_a(t, iinteger), c.integer) << c.name;
        EXPECT_EQ(g_type_is_a(t, iunsigned), c.unsigned_) << c.name;
        EXPECT_EQ(g_type_is_a(t, inumeric), c.numeric) << c.name;
        EXPECT_TRUE(g_type_is_a(t, tarvelin_providers_contracts_ivalue_get_type())) << c.name;
    }
}

// The C face checks each instance against the class its function belongs to: a sibling
// cell (the same layout around another held type) is never read or written as this one.
TEST(Vocabulary, ACellOfAnotherClassIsRefusedByName) {
    auto* int32 = tarvelin_providers_contracts_value_int32_new(7);
    auto* text = tarvelin_providers_contracts_value_string_new("x");
    struct Case {
        std::function<bool()> gives_the_empty_result;
        const char* type;
    } cases[] = {
        {[&] {
             return tarvelin_providers_contracts_value_int8_get_itsvalue((TarvelinProvidersContractsValueInt8*)int32) ==
                    0;
         },
         "TarvelinProvidersContractsValueInt8"},
        {[&] {
             return tarvelin_providers_contracts_value_uint32_get_uint32(
                        (TarvelinProvidersContractsValueUInt32*)int32) == 0;
         },
         "TarvelinProvidersContractsValueUInt32"},
        {[&] {
             tarvelin_providers_contracts_value_int64_set_itsvalue((TarvelinProvidersContractsValueInt64*)int32,
                                                                   G_MAXINT64);
             return tarvelin_providers_contracts_value_int32_get_itsvalue(int32) == 7;
         },
         "TarvelinProvidersContractsValueInt64"},
        {[&] {
             return tarvelin_providers_contracts_value_float_get_itsvalue(
                        (TarvelinProvidersContractsValueFloat*)int32) == 0.0f;
         },
         "TarvelinProvidersContractsValueFloat"},
        {[&] {
             return tarvelin_providers_contracts_value_geometry_get_itsvalue(
                        (TarvelinProvidersContractsValueGeometry*)text) == nullptr;
         },
         "TarvelinProvidersContractsValueGeometry"},
        {[&] {
             return tarvelin_providers_contracts_value_binary_to_hexadecimal(
                        (TarvelinProvidersContractsValueBinary*)text) == nullptr;
         },
         "TarvelinProvidersContractsValueBinary"},
        {[&] {
             return tarvelin_providers_contracts_value_date_time_format((TarvelinProvidersContractsValueDateTime*)text,
                                                                        "%Y") == nullptr;
         },
         "TarvelinProvidersContractsValueDateTime"},
        {[&] {
             return tarvelin_providers_contracts_iinteger_to_integer((TarvelinProvidersContractsIInteger*)text) == -1;
         },
         "TarvelinProvidersContractsIInteger"},
        {[&] {
             return tarvelin_providers_contracts_inumeric_to_double((TarvelinProvidersContractsINumeric*)int32) == -1.0;
         },
         "TarvelinProvidersContractsINumeric"},
    };
    for (const auto& c : cases) {
        bool empty = false;
        std::string err = value_test::stderr_of([&] { empty = c.gives_the_empty_result(); });
        EXPECT_TRUE(empty) << c.type;
        EXPECT_NE(err.find(std::string("G_TYPE_CHECK_INSTANCE_TYPE (self, ") + c.type + ")"), std::string::npos)
            << c.type << ": " << err;
    }
    g_object_unref(int32);
    g_object_unref(text);
}

TEST(Vocabulary, DataTypeMembers) {
    const char* members[] = {"UNKNOWN",  "DBNULL",   "BOOLEAN",   "INT8",     "INT16",     "INT32",  "INT64",
                             "UINT8",    "UINT16",   "UINT32",    "UINT64",   "ENUM",      "FLAGS",  "SET",
                             "MONEY",    "DECIMAL",  "FLOAT",     "DOUBLE",   "DATE",      "TIME",   "DATETIME",
                             "TIMESPAN", "TIMESTAMP", "STRING",   "WSTRING",  "XML",       "UUID",   "JSON",
                             "GEOMETRY", "GEOGRAPHY", "BINARY",   "BLOB",     "OBJECT",    "POINTER", "VARIANT",
                             "ARRAY",    "ERROR"};
    auto* klass = static_cast<GEnumClass*>(g_type_class_ref(g_type_from_name("TarvelinProvidersContractsDataType")));
    ASSERT_EQ(klass->n_values, G_N_ELEMENTS(members));
    for (gint i = 0; i < gint(G_N_ELEMENTS(members)); ++i) {
        std::string nick = text_of(g_ascii_strdown(members[i], -1));
        GEnumValue* v = g_enum_get_value_by_nick(klass, nick.c_str());
        ASSERT_NE(v, nullptr) << nick;
        EXPECT_EQ(v->value, i) << nick;
        EXPECT_EQ(std::string(v->value_name), std::string("TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_") + members[i]);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_data_type_to_string(TarvelinProvidersContractsDataType(i))),
                  nick);
    }
    g_type_class_unref(klass);
}

TEST(Vocabulary, DataVersionMembers) {
    struct Case {
        guint value;
        const char* member;
        const char* nick;
    } cases[] = {{0, "INITIAL", "initial"}, {1, "IDENTICAL", "identical"}, {2, "DELETE", "delete"},
                 {4, "INSERT", "insert"},   {8, "UPDATE", "update"}};
    auto* klass =
        static_cast<GFlagsClass*>(g_type_class_ref(g_type_from_name("TarvelinProvidersContractsDataVersion")));
    ASSERT_EQ(klass->n_values, G_N_ELEMENTS(cases));
    for (const auto& c : cases) {
        GFlagsValue* v = g_flags_get_value_by_nick(klass, c.nick);
        ASSERT_NE(v, nullptr) << c.nick;
        EXPECT_EQ(v->value, c.value);
        EXPECT_EQ(std::string(v->value_name), std::string("TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_") + c.member);
    }
    g_type_class_unref(klass);
    EXPECT_EQ(tarvelin_providers_contracts_data_version_all(), 15);
}

TEST(Vocabulary, DBObjectMembers) {
    struct Case {
        const char* member;
        const char* nick;
    } cases[] = {
        {"UNKNOWN", "unknown"},       {"AGGREGATE", "aggregate"},
        {"ASSEMBLY", "assembly"},     {"BACKUP", "backup"},
        {"CHECK", "check"},           {"CAST", "cast"},
        {"CLASS", "class"},           {"CLASSIFIER", "classifier"},
        {"COLUMN", "column"},         {"CONTRAINT", "contraint"},
        {"CONVERSION", "conversion"}, {"DATABASE", "database"},
        {"DEVICE", "device"},         {"DOMAIN", "domain"},
        {"ENDPOINT", "endpoint"},     {"EVENT", "event"},
        {"EXCLUDE", "exclude"},       {"FOREIGN", "foreign"},
        {"FUNCTION", "function"},     {"INDEX", "index"},
        {"JOB", "job"},               {"LANGUAGE", "language"},
        {"MATERIALIZED", "materialized"}, {"OPERATOR", "operator"},
        {"PACKAGE", "package"},       {"PARTITION_FUNCTION", "partition-function"},
        {"PARTITION_SCHEME", "partition-scheme"}, {"PRIMARY", "primary"},
        {"PROCEDURE", "procedure"},   {"QUERY", "query"},
        {"REPORT", "report"},         {"ROLE", "role"},
        {"ROUTINE", "routine"},       {"RULE", "rule"},
        {"SCHEMA", "schema"},         {"SEQUENCE", "sequence"},
        {"SERVER", "server"},         {"STATISTICS", "statistics"},
        {"SYNONYM", "synonym"},       {"TABLE", "table"},
        {"TABLESPACE", "tablespace"}, {"TRIGGER", "trigger"},
        {"TYPE", "type"},             {"UNIQUE", "unique"},
        {"USER", "user"},             {"VIEW", "view"},
    };
    auto* klass = static_cast<GEnumClass*>(g_type_class_ref(g_type_from_name("TarvelinProvidersContractsDBObject")));
    ASSERT_EQ(klass->n_values, G_N_ELEMENTS(cases));
    for (gint i = 0; i < gint(G_N_ELEMENTS(cases)); ++i) {
        GEnumValue* v = g_enum_get_value_by_nick(klass, cases[i].nick);
        ASSERT_NE(v, nullptr) << cases[i].nick;
        EXPECT_EQ(v->value, i) << cases[i].nick;
        EXPECT_EQ(std::string(v->value_name), std::string("TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_") + cases[i].member);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_db_object_to_string(TarvelinProvidersContractsDBObject(i))),
                  cases[i].nick);
    }
    g_type_class_unref(klass);
}

TEST(Vocabulary, DataVersionTextIsTheFirstMemberSet) {
    struct Case {
        guint value;
        const char* text;
    } cases[] = {
        {0, "INITIAL"}, {15, "IDENTICAL"}, {8, "UPDATE"}, {4 | 8, "INSERT"}, {2 | 4, "DELETE"}, {1, "IDENTICAL"},
        {16, "(null)"},  // no known bit: no text
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text_of(tarvelin_providers_contracts_data_version_to_string(
                      TarvelinProvidersContractsDataVersion(c.value))),
                  c.text)
            << c.value;
    }
}

TEST(Vocabulary, TextOfANumberOutsideTheEnumerationIsNull) {
    EXPECT_EQ(tarvelin_providers_contracts_data_type_to_string(TarvelinProvidersContractsDataType(37)), nullptr);
    EXPECT_EQ(tarvelin_providers_contracts_db_object_to_string(TarvelinProvidersContractsDBObject(-1)), nullptr);
}

TEST(Vocabulary, GlibTypeOfEachDataType) {
    const GType expected[] = {
        G_TYPE_STRING,  // UNKNOWN
        tarvelin_providers_contracts_value_null_get_type(),
        G_TYPE_BOOLEAN, G_TYPE_CHAR,  G_TYPE_INT,    G_TYPE_INT,       G_TYPE_INT64,  // .. INT64
        G_TYPE_UCHAR,   G_TYPE_UINT,  G_TYPE_INT,    G_TYPE_INT64,                     // UINT8 .. UINT64
        G_TYPE_ENUM,    G_TYPE_FLAGS, G_TYPE_ENUM,                                      // ENUM FLAGS SET
        G_TYPE_DOUBLE,  G_TYPE_DOUBLE, G_TYPE_FLOAT, G_TYPE_DOUBLE,                     // MONEY .. DOUBLE
        G_TYPE_DATE,    G_TYPE_POINTER, G_TYPE_DATE_TIME, G_TYPE_INT64, G_TYPE_STRING,  // DATE .. TIMESTAMP
        G_TYPE_STRING,  G_TYPE_STRING, G_TYPE_STRING, G_TYPE_STRING, G_TYPE_STRING,     // STRING .. JSON
        G_TYPE_STRING,  G_TYPE_STRING,                                                  // GEOMETRY GEOGRAPHY
        G_TYPE_BYTES,   G_TYPE_BYTES, G_TYPE_OBJECT, G_TYPE_STRING, G_TYPE_VARIANT,     // BINARY .. VARIANT
        G_TYPE_ARRAY,   G_TYPE_STRING,                                                  // ARRAY ERROR
    };
    static_assert(G_N_ELEMENTS(expected) == 37);
    for (gint i = 0; i < 37; ++i) {
        EXPECT_EQ(tarvelin_providers_contracts_data_type_get_glib_type(TarvelinProvidersContractsDataType(i)),
                  expected[i])
            << i;
    }
    EXPECT_EQ(tarvelin_providers_contracts_data_type_get_glib_type(TarvelinProvidersContractsDataType(99)),
              G_TYPE_STRING);
}

TEST(Vocabulary, DataTypeOfAGlibType) {
    auto named = [](const char* name) {
        GType t = g_type_from_name(name);
        if (!t) t = g_type_register_static_simple(G_TYPE_OBJECT, name, sizeof(GObjectClass), nullptr,
                                                  sizeof(GObject), nullptr, GTypeFlags(0));
        return t;
    };
    struct Case {
        GType type;
        TarvelinProvidersContractsDataType expected;
    } cases[] = {
        {G_TYPE_CHAR, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8},
        {G_TYPE_UCHAR, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8},
        {G_TYPE_BOOLEAN, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
        {G_TYPE_INT, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
        {G_TYPE_LONG, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
        {G_TYPE_UINT, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32},
        {G_TYPE_ULONG, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32},
        {G_TYPE_INT64, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
        {G_TYPE_UINT64, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64},
        {G_TYPE_ENUM, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM},
        {G_TYPE_FLAGS, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS},
        {G_TYPE_FLOAT, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT},
        {G_TYPE_DOUBLE, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE},
        {G_TYPE_STRING, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
        {G_TYPE_DATE, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
        {G_TYPE_DATE_TIME, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
        {G_TYPE_OBJECT, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT},
        {named("GTimeStamp"), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
        {named("GNull"), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL},
        {named("Uuid"), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
        {named("GInt16"), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
        {G_TYPE_BYTES, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN},
        {G_TYPE_ARRAY, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN},
        {tarvelin_providers_contracts_data_type_get_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN},
        {tarvelin_providers_contracts_value_null_get_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN},
        {G_TYPE_INVALID, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tarvelin_providers_contracts_data_type_get_data_type(c.type), c.expected)
            << (c.type ? g_type_name(c.type) : "invalid");
    }
}
