// The statement kinds and the kinds of choice list: registered names, values and nicks.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/database.h>

#include <string>

#include "providers/gobj/convert.hpp"

using namespace tarvelin;

TEST(DialectEnums, SqlAction) {
    GType type = tarvelin_rezezadovu_contracts_database_sql_action_get_type();
    EXPECT_STREQ(g_type_name(type), "TarvelinRezezadovuContractsDatabaseSqlAction");
    const char* nicks[] = {"nothing", "insert", "update", "delete", "schema", "feature"};
    const char* members[] = {"NOTHING", "INSERT", "UPDATE", "DELETE", "SCHEMA", "FEATURE"};
    auto* klass = static_cast<GEnumClass*>(g_type_class_ref(type));
    EXPECT_EQ(klass->n_values, 6u);
    for (int v = 0; v < 6; ++v) {
        auto action = static_cast<TarvelinRezezadovuContractsDatabaseSqlAction>(v);
        EXPECT_EQ(gobj::take_string(tarvelin_rezezadovu_contracts_database_sql_action_to_string(action)), nicks[v]);
        GEnumValue* value = g_enum_get_value(klass, v);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(std::string(value->value_name), std::string("TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_") + members[v]);
        EXPECT_STREQ(value->value_nick, nicks[v]);
    }
    g_type_class_unref(klass);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_sql_action_to_string(
                  static_cast<TarvelinRezezadovuContractsDatabaseSqlAction>(6)),
              nullptr);
}

// Every member by value: the numbering is the inspectors', not alphabetical.
TEST(DialectEnums, DbMetaType) {
    const char* members[] = {
        "NONE", "AUTHENTICATION", "AUTHENTICATION_LOGIN", "CHARSET", "COLLATION", "COLUMN_DEFAULT", "COLUMN_NAME",
        "COLUMN_TYPE", "COMPRESSION", "COMPRESSION_DATA", "COMPRESSION_XML", "CREDENTIAL", "DATA_TYPE",
        "DATASET_STATEMENT", "DEFERRED_ACTION", "ENDPOINT", "EXPLORABLE", "FOREIGNKEY_ACTION", "FOREIGNKEY_MATCH",
        "IDENTITY_ACTION", "INDEX_ALGORITHM", "INDEX_BUFFERING", "INDEX_FAST_UPDATE", "INDEX_KEY_BLOCK_SIZE",
        "INDEX_LOCK", "INDEX_METHOD", "INDEX_PARSER", "INDEX_TYPE", "INSERT_METHOD", "USER_LANGUAGE",
        "LOCK_ESCALATION", "LOGIN_ASYMMETRIC_KEY", "LOGIN_CERTIFICATE", "LOGIN_NAME", "ONCONFLICT",
        "OPERATOR_CLASS", "ORDER_NORMAL", "ORDER_NULLS", "PERMISSION", "PLUGIN_AUTH", "ROLE_APPLICATION",
        "ROLE_DATABASE", "ROLE_OWNER", "ROLE_SERVER", "ROUTINE_ALL", "ROUTINE_DIRECTION", "ROUTINE_FUNCTION",
        "ROUTINE_LANGUAGE", "ROUTINE_DATA_ACCESS", "ROUTINE_PROCEDURE", "ROUTINE_SECURITY", "ROUTINE_TYPE",
        "ROW_FORMAT", "RULE_ACTION", "RULE_APPLY", "RULE_EVENT", "SYNC_TRANSFER", "SYNC_STRUCTURE", "SYNC_DATA",
        "SERVERS", "TABLE_COMMIT", "TABLE_ENGINE", "TABLE_INHERITS", "TABLE_FLAG", "TABLE_NAME", "TABLE_NAMESPACE",
        "TABLE_OWNER", "TABLE_PARTITION", "TABLE_SCHEMA", "TABLE_STORAGE", "TABLE_TABLESPACE", "TABLE_TEMPLATE",
        "TEMPLATE_FUNCTION", "TEMPLATE_PROCEDURE", "TRIGGER_DEFERRABLE", "TRIGGER_DEFERRED",
        "TRIGGER_DEFINITION_TYPE", "TRIGGER_EXECUTOR", "TRIGGER_FIRE_EVENT", "TRIGGER_FIRE_TIME",
        "TRIGGER_FIRE_TIME_TABLE", "TRIGGER_FIRE_TIME_VIEW", "TRIGGER_FOR_EACH", "TRIGGER_ORDER",
        "TRIGGER_TEMPLATE", "TRIGGER_TYPE", "TYPE_STANDARD", "TYPE_USER_DEFINED", "VERSION_METHOD",
        "VERSION_POSITION", "VIRTUAL_TYPE", "VIEW_ALGORITHM", "VIEW_SECURITY", "VIEW_CHECK_OPTION",
    };
    GType type = tarvelin_rezezadovu_contracts_database_db_meta_type_get_type();
    EXPECT_STREQ(g_type_name(type), "TarvelinRezezadovuContractsDatabaseDbMetaType");
    EXPECT_EQ(g_type_from_name("TarvelinRezezadovuContractsDatabaseDbMetaType"), type);
    auto* klass = static_cast<GEnumClass*>(g_type_class_ref(type));
    const int count = sizeof members / sizeof members[0];
    EXPECT_EQ(klass->n_values, static_cast<guint>(count));
    for (int v = 0; v < count; ++v) {
        GEnumValue* value = g_enum_get_value(klass, v);
        ASSERT_NE(value, nullptr) << v;
        EXPECT_EQ(std::string(value->value_name),
                  std::string("TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_") + members[v]);
        std::string nick = members[v];
        for (char& c : nick) c = c == '_' ? '-' : g_ascii_tolower(c);
        EXPECT_EQ(value->value_nick, nick);
    }
    EXPECT_STREQ(g_enum_get_value(klass, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_FOREIGNKEY_ACTION)->value_nick,
                 "foreignkey-action");
    g_type_class_unref(klass);
}

TEST(DialectEnums, TypeNames) {
    struct Case {
        GType type;
        const char* name;
    } cases[] = {
        {tarvelin_rezezadovu_contracts_database_istatement_get_type(), "TarvelinRezezadovuContractsDatabaseIStatement"},
        {tarvelin_rezezadovu_contracts_database_iadaptable_get_type(), "TarvelinRezezadovuContractsDatabaseIAdaptable"},
        {tarvelin_rezezadovu_contracts_database_ibuildable_get_type(), "TarvelinRezezadovuContractsDatabaseIBuildable"},
        {tarvelin_rezezadovu_contracts_database_iexplorable_get_type(), "TarvelinRezezadovuContractsDatabaseIExplorable"},
        {tarvelin_rezezadovu_contracts_database_iinspectable_get_type(), "TarvelinRezezadovuContractsDatabaseIInspectable"},
        {tarvelin_rezezadovu_contracts_database_iformattable_get_type(), "TarvelinRezezadovuContractsDatabaseIFormattable"},
        {tarvelin_rezezadovu_supports_database_statement_get_type(), "TarvelinRezezadovuSupportsDatabaseStatement"},
        {tarvelin_rezezadovu_supports_database_adapter_get_type(), "TarvelinRezezadovuSupportsDatabaseAdapter"},
        {tarvelin_rezezadovu_supports_database_sql_builder_get_type(), "TarvelinRezezadovuSupportsDatabaseSqlBuilder"},
        {tarvelin_rezezadovu_supports_database_formatter_get_type(), "TarvelinRezezadovuSupportsDatabaseFormatter"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(g_type_name(c.type), c.name);
        EXPECT_EQ(g_type_from_name(c.name), c.type);
    }
    // The bases are instantiable GObjects implementing their contract.
    EXPECT_TRUE(g_type_is_a(tarvelin_rezezadovu_supports_database_adapter_get_type(),
                            tarvelin_rezezadovu_contracts_database_iadaptable_get_type()));
    EXPECT_TRUE(g_type_is_a(tarvelin_rezezadovu_supports_database_sql_builder_get_type(),
                            tarvelin_rezezadovu_contracts_database_ibuildable_get_type()));
    EXPECT_TRUE(g_type_is_a(tarvelin_rezezadovu_supports_database_formatter_get_type(),
                            tarvelin_rezezadovu_contracts_database_iformattable_get_type()));
    EXPECT_FALSE(G_TYPE_IS_ABSTRACT(tarvelin_rezezadovu_supports_database_statement_get_type()));
}
