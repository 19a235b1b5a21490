#include <gtest/gtest.h>

#include "providers/supports/postgresql/type.hpp"

using namespace tarvelin::providers::supports::postgresql;

TEST(PostgresqlType, EnumerationIsRegisteredWithItsValueNamesAndNicks) {
    GType t = g_type_from_name("TarvelinProvidersSupportsPostgreSQLType");
    ASSERT_NE(t, G_TYPE_INVALID);
    EXPECT_EQ(t, tarvelin_providers_supports_postgre_sql_type_get_type());
    auto* klass = static_cast<GEnumClass*>(g_type_class_ref(t));
    EXPECT_EQ(klass->n_values, 73u);
    struct Case {
        int oid;
        const char* name;
        const char* nick;
    } cases[] = {
        {0, "TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_UNSPECIFIED", "unspecified"},
        {1790, "TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_REF_CURSOR", "ref-cursor"},
        {2201, "TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_REF_CURSOR_ARRAY", "ref-cursor-array"},
        {774, "TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_MACADDR8", "macaddr8"},
        {143, "TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_XML_ARRAY", "xml-array"},
    };
    for (const Case& c : cases) {
        GEnumValue* v = g_enum_get_value_by_nick(klass, c.nick);
        ASSERT_NE(v, nullptr) << c.nick;
        EXPECT_EQ(v->value, c.oid);
        EXPECT_STREQ(v->value_name, c.name);
    }
    // Registration order is the table's: the second member is BIT.
    EXPECT_STREQ(klass->values[1].value_nick, "bit");
    EXPECT_EQ(klass->values[72].value, 143);
    g_type_class_unref(klass);
}

TEST(PostgresqlType, MapsOidsToDataTypesAndNames) {
    struct Case {
        guint oid;
        TarvelinProvidersContractsDataType type;
        const char* name;
    } cases[] = {
        {18, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "CHAR"},  // one-byte "char" is text
        {1700, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "NUMERIC"},
        {26, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "OID"},
        {1560, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "BIT"},
        {1562, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, "VARBIT"},
        {2278, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_POINTER, "VOID"},
        {1184, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, "TIMESTAMPTZ"},
        {1266, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "TIMETZ"},
        {1790, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, "REFCURSOR"},
        {1007, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY, "ARRAY"},
        {3802, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON, "JSONB"},
        {600, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, "POINT"},
        {0, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, ""},
        {4242, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IPostgreSQLType::map_data_type(c.oid), c.type) << c.oid;
        EXPECT_EQ(IPostgreSQLType::map_dbms_type(c.oid), c.name) << c.oid;
    }
}
