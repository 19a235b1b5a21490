/* The dialect bases from C: a base statement's texts, the formatter, the statement kinds,
 * and a DatabaseHelper instance through its references and a GValue. */
#include "chost.h"

#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/helpers.h>

int chost_dialect_bases(void)
{
    int failures = 0;
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *c = tarvelin_rezezadovu_supports_database_connection_impl_new();
    TarvelinRezezadovuContractsDatabaseIConnection *conn = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(c);

    TarvelinRezezadovuSupportsDatabaseStatement *s = tarvelin_rezezadovu_supports_database_statement_new(conn);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IS_ISTATEMENT(s));
    gchar *columns[] = {"a", "b"};
    gchar *values[] = {"1", "'x'"};
    gchar *text = tarvelin_rezezadovu_supports_database_statement_build_sql_insert(s, "s", "t", columns, 2, values, 2);
    CHOST_CHECK_STR(failures, text, "INSERT INTO \"s\".\"t\"(a, b) VALUES(1, 'x');");
    g_free(text);
    text = tarvelin_rezezadovu_contracts_database_istatement_pack_value(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ISTATEMENT(s), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "O'Brien");
    CHOST_CHECK_STR(failures, text, "'O''Brien'");
    g_free(text);
    gint column = 7;
    text = tarvelin_rezezadovu_supports_database_statement_show_tables(s, "db", "main", &column);
    CHOST_CHECK_STR(failures, text, "");
    CHOST_CHECK(failures, column == 0);
    g_free(text);
    g_object_unref(s);

    TarvelinRezezadovuContractsDatabaseIFormattable *f = tarvelin_rezezadovu_contracts_database_iconnection_formatter(conn);
    text = tarvelin_rezezadovu_contracts_database_iformattable_minify(f, "SELECT  a\nFROM t ( x )");
    CHOST_CHECK_STR(failures, text, "SELECT a FROM t( x)");
    g_free(text);
    g_object_unref(f);
    g_object_unref(c);

    text = tarvelin_rezezadovu_contracts_database_sql_action_to_string(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_DELETE);
    CHOST_CHECK_STR(failures, text, "delete");
    g_free(text);
    GEnumClass *kinds = g_type_class_ref(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_DB_META_TYPE);
    CHOST_CHECK_STR(failures, g_enum_get_value(kinds, 29)->value_nick, "user-language");
    g_type_class_unref(kinds);

    TarvelinRezezadovuHelpersDatabaseHelper *helper = tarvelin_rezezadovu_helpers_database_helper_new();
    CHOST_CHECK(failures, helper->ref_count == 1);
    CHOST_CHECK(failures, tarvelin_rezezadovu_helpers_database_helper_ref(helper) == helper);
    CHOST_CHECK(failures, helper->ref_count == 2);
    tarvelin_rezezadovu_helpers_database_helper_unref(helper);
    GValue value = G_VALUE_INIT;
    g_value_init(&value, TARVELIN_REZEZADOVU_HELPERS_TYPE_DATABASE_HELPER);
    tarvelin_rezezadovu_helpers_value_set_database_helper(&value, helper);
    CHOST_CHECK(failures, helper->ref_count == 2);
    GValue copy = G_VALUE_INIT;
    g_value_init(&copy, TARVELIN_REZEZADOVU_HELPERS_TYPE_DATABASE_HELPER);
    g_value_copy(&value, &copy);
    CHOST_CHECK(failures, tarvelin_rezezadovu_helpers_value_get_database_helper(&copy) == helper);
    CHOST_CHECK(failures, helper->ref_count == 3);
    g_value_unset(&copy);
    /* take keeps the caller's reference instead of adding one */
    tarvelin_rezezadovu_helpers_value_take_database_helper(&value, tarvelin_rezezadovu_helpers_database_helper_ref(helper));
    CHOST_CHECK(failures, helper->ref_count == 2);
    g_value_unset(&value);
    CHOST_CHECK(failures, helper->ref_count == 1);
    tarvelin_rezezadovu_helpers_database_helper_unref(helper);

    text = tarvelin_rezezadovu_helpers_database_helper_format_size(1234567);
    CHOST_CHECK_STR(failures, text, "1,234 KB");
    g_free(text);
    text = tarvelin_rezezadovu_helpers_database_helper_make_fullname_mysql("root@localhost");
    CHOST_CHECK_STR(failures, text, "`root`@`localhost`");
    g_free(text);
    return failures;
}
