/* The settings, serialisation, code-generation, cipher and helper families from C. */
#include "chost.h"

#include <tarvelin/rezezadovu/codegen.h>
#include <tarvelin/rezezadovu/crypto.h>
#include <tarvelin/rezezadovu/exceptions.h>
#include <tarvelin/rezezadovu/helpers.h>
#include <tarvelin/rezezadovu/serialization.h>
#include <tarvelin/rezezadovu/service_helpers.h>
#include <tarvelin/rezezadovu/settings.h>

/* A host type implementing the SQL code contract in C, with one body installed. */
typedef struct { GObject parent; } HostBuilder;
typedef struct { GObjectClass parent; } HostBuilderClass;
static gchar *host_build_select(TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source)
{
    return g_strdup_printf("SELECT * FROM %s", (const char *)source);
}
static void host_builder_iface_init(TarvelinRezezadovuContractsCodeGenISqlCodeBuildableInterface *iface)
{
    iface->build_select = host_build_select;
}
G_DEFINE_TYPE_WITH_CODE(HostBuilder, host_builder, G_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(TARVELIN_REZEZADOVU_CONTRACTS_CODE_GEN_TYPE_ISQL_CODE_BUILDABLE,
                                              host_builder_iface_init))
static void host_builder_init(HostBuilder *self) {}
static void host_builder_class_init(HostBuilderClass *klass) {}

static int check_settings(void)
{
    int failures = 0;
    TarvelinRezezadovuContractsSettingUserSetting *root = tarvelin_rezezadovu_contracts_setting_user_setting_new();
    TarvelinRezezadovuContractsSettingNetworkSetting *network =
        tarvelin_rezezadovu_contracts_setting_user_setting_get_network(root);
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_port(network) == 8080);
    g_object_set(network, "proxy-port", 70000u, NULL);
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_port(network) == 4464);
    TarvelinRezezadovuContractsSettingGeneralSetting *general =
        tarvelin_rezezadovu_contracts_setting_user_setting_get_general(root);
    CHOST_CHECK_STR(failures, tarvelin_rezezadovu_contracts_setting_general_setting_get_titlebar_background(general),
                    "none");
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_setting_general_setting_get_connecton_icon_size(general) == 96.0);
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_setting_general_setting_get_broadcasting(general) != NULL);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_CONTRACTS_SETTING_IS_USER_SETTING(root));
    GError *error = NULL;
    tarvelin_rezezadovu_contracts_setting_user_setting_save(root, &error);
    CHOST_CHECK(failures, error != NULL);
    g_clear_error(&error);
    tarvelin_rezezadovu_contracts_setting_user_setting_load(root, "/nonexistent/settings.json", &error);
    CHOST_CHECK(failures, g_error_matches(error, G_FILE_ERROR, G_FILE_ERROR_NOENT));
    g_clear_error(&error);
    g_object_unref(root);
    return failures;
}

static int check_serialization_and_codegen(void)
{
    int failures = 0;
    GObject *builder_object = g_object_new(host_builder_get_type(), NULL);
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *b =
        (TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *)builder_object;
    gchar *sql = tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_select(b, "t");
    CHOST_CHECK_STR(failures, sql, "SELECT * FROM t");
    g_free(sql);
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_insert(b, "t") == NULL);
    g_object_unref(builder_object);

    CHOST_CHECK(failures, tarvelin_rezezadovu_exceptions_sql_error_quark() ==
                              g_quark_from_string("tarvelin-rezezadovu-exceptions-sql-error-quark"));
    GEnumClass *codes = g_type_class_ref(TARVELIN_REZEZADOVU_EXCEPTIONS_TYPE_SQL_ERROR);
    GEnumValue *v = g_enum_get_value(codes, TARVELIN_REZEZADOVU_EXCEPTIONS_SQL_ERROR_NOTADB);
    CHOST_CHECK(failures, v != NULL && v->value == 30027);
    if (v) CHOST_CHECK_STR(failures, v->value_nick, "notadb");
    g_type_class_unref(codes);
    CHOST_CHECK_STR(failures, g_type_name(TARVELIN_REZEZADOVU_CONTRACTS_SERIALIZATION_TYPE_IJSON_SERIALIZER),
                    "TarvelinRezezadovuContractsSerializationIJsonSerializer");
    CHOST_CHECK_STR(failures, g_type_name(TARVELIN_REZEZADOVU_CONTRACTS_TYPE_ICLONABLE),
                    "TarvelinRezezadovuContractsIClonable");
    CHOST_CHECK_STR(failures, g_type_name(TARVELIN_REZEZADOVU_CONTRACTS_STORAGE_TYPE_ISTORABLE),
                    "TarvelinRezezadovuContractsStorageIStorable");
    return failures;
}

static int check_crypto(void)
{
    int failures = 0;
    TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher *c =
        tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_new();
    TarvelinRezezadovuContractsCryptoISymmetricCipher *iface = (TarvelinRezezadovuContractsCryptoISymmetricCipher *)c;
    GError *error = NULL;
    tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_initialize(iface, "user", "host", &error);
    guint8 *sealed = NULL, *plain = NULL;
    gint length = 0, count = 0, plain_length = 0, plain_count = 0;
    tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_encrypt(iface, (const guint8 *)"secret", 6, &sealed, &length,
                                                                   &count, &error);
    CHOST_CHECK(failures, error == NULL && count == 16 && length == 22);
    tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_decrypt(iface, sealed, count, &plain, &plain_length,
                                                                   &plain_count, &error);
    CHOST_CHECK(failures, plain_count == 6);
    CHOST_CHECK_STR(failures, (const char *)plain, "secret");
    g_free(sealed);
    g_free(plain);
    g_object_unref(c);

    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher *rsa =
        tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_new();
    gint sign_length = -1;
    CHOST_CHECK(failures,
                tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_sign(rsa, NULL, 0, &sign_length) == NULL);
    CHOST_CHECK(failures, sign_length == 0);
    tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_encrypt(
        (TarvelinRezezadovuContractsCryptoIAsymmetricCipher *)rsa, (const guint8 *)"x", 1, &sealed, &length, &count,
        &error);
    CHOST_CHECK(failures, error != NULL && error->code == -1);
    g_clear_error(&error);
    g_object_unref(rsa);
    return failures;
}

static int check_helpers(void)
{
    int failures = 0;
    gchar *names[] = {"columns.a", "indexes.b", "indexes.c", NULL};
    CHOST_CHECK(failures, tarvelin_rezezadovu_helpers_string_helper_search_array_prefix_count(names, 3, "indexes.", TRUE) == 2);
    gchar *proper = tarvelin_rezezadovu_helpers_string_helper_proper_case("hello WORLD it's");
    CHOST_CHECK_STR(failures, proper, "Hello World It's");
    g_free(proper);
    GeeHashMap *map = tarvelin_rezezadovu_helpers_string_helper_arraify_data("host=h", ";");
    gchar *text = tarvelin_rezezadovu_helpers_string_helper_stringify_data(map, ";");
    CHOST_CHECK_STR(failures, text, "host=h");
    g_free(text);
    g_object_unref(map);

    gint n = 0;
    gdouble *p = tarvelin_rezezadovu_helpers_location_helper_wgs84_to_gcj02(116.397128, 39.916527, &n);
    CHOST_CHECK(failures, n == 2 && p[0] > 116.4033 && p[0] < 116.4034);
    g_free(p);

    TarvelinRezezadovuHelpersEncodingHelper *enc = tarvelin_rezezadovu_helpers_encoding_helper_get_singleton();
    CHOST_CHECK(failures, enc == tarvelin_rezezadovu_helpers_encoding_helper_get_singleton());
    gchar *charset = tarvelin_rezezadovu_helpers_encoding_helper_detect_buffer(enc, (const guint8 *)"", 0);
    CHOST_CHECK(failures, charset != NULL);
    g_free(charset);

    /* A helper travels in a GValue and a property spec. */
    TarvelinRezezadovuHelpersStringHelper *helper = tarvelin_rezezadovu_helpers_string_helper_new();
    GValue value = G_VALUE_INIT;
    g_value_init(&value, TARVELIN_REZEZADOVU_HELPERS_TYPE_STRING_HELPER);
    tarvelin_rezezadovu_helpers_value_set_string_helper(&value, helper);
    CHOST_CHECK(failures, tarvelin_rezezadovu_helpers_value_get_string_helper(&value) == helper);
    g_value_unset(&value);
    GParamSpec *spec = tarvelin_rezezadovu_helpers_param_spec_string_helper(
        "helper", "helper", "helper", TARVELIN_REZEZADOVU_HELPERS_TYPE_STRING_HELPER, G_PARAM_READWRITE);
    CHOST_CHECK(failures, spec != NULL);
    g_param_spec_ref_sink(spec);
    g_param_spec_unref(spec);
    tarvelin_rezezadovu_helpers_string_helper_unref(helper);

    gchar *generated = tarvelin_rezezadovu_helpers_password_helper_generate_password(12);
    CHOST_CHECK(failures, generated != NULL && strlen(generated) == 12);
    g_free(generated);
    return failures;
}

int chost_settings(void)
{
    return check_settings() + check_serialization_and_codegen() + check_crypto() + check_helpers();
}
