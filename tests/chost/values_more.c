/* The integer, numeric, text, binary, date-time, enumerated and spatial cells seen from C. */
#include <tarvelin/providers/providers.h>

#include "chost.h"

static int check_text(TarvelinProvidersContractsValueObject *v, const char *want)
{
    int failures = 0;
    gchar *text = tarvelin_providers_contracts_value_object_to_string(v);
    CHOST_CHECK_STR(failures, text, want);
    g_free(text);
    return failures;
}

int chost_values_more(void)
{
    int failures = 0;

    /* Integers: text, clone, IInteger and IUnsigned dispatch, the typed getter. */
    TarvelinProvidersContractsValueUInt64 *big = tarvelin_providers_contracts_value_uint64_new(G_MAXUINT64);
    TarvelinProvidersContractsValueObject *v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(big);
    failures += check_text(v, "18446744073709551615");
    CHOST_CHECK(failures, tarvelin_providers_contracts_iinteger_to_integer(TARVELIN_PROVIDERS_CONTRACTS_IINTEGER(big)) ==
                              G_MAXINT64);
    CHOST_CHECK(failures, tarvelin_providers_contracts_iunsigned_to_unsigned(TARVELIN_PROVIDERS_CONTRACTS_IUNSIGNED(big)) ==
                              G_MAXUINT64);
    TarvelinProvidersContractsValueObject *copy = tarvelin_providers_contracts_value_object_clone(v);
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_CONTRACTS_IS_VALUE_UINT64(copy));
    g_object_unref(copy);
    g_object_unref(big);

    TarvelinProvidersContractsValueInt32 *i32 = tarvelin_providers_contracts_value_int32_new(-7);
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_CONTRACTS_IS_IINTEGER(i32));
    CHOST_CHECK(failures, !TARVELIN_PROVIDERS_CONTRACTS_IS_IUNSIGNED(i32));
    CHOST_CHECK(failures, tarvelin_providers_contracts_iinteger_to_integer(TARVELIN_PROVIDERS_CONTRACTS_IINTEGER(i32)) == -7);
    g_object_set(i32, "itsvalue", 12, NULL);
    gint held = 0;
    gchar *name = NULL;
    TarvelinProvidersContractsDataType data_type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    g_object_get(i32, "itsvalue", &held, "name", &name, "data-type", &data_type, NULL);
    CHOST_CHECK(failures, held == 12);
    CHOST_CHECK(failures, tarvelin_providers_contracts_value_int32_get_int32(i32) == 12);
    CHOST_CHECK_STR(failures, name, "int32");
    CHOST_CHECK(failures, data_type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    g_free(name);
    g_object_unref(i32);

    /* A floating-point cell through INumeric. */
    TarvelinProvidersContractsValueFloat *f = tarvelin_providers_contracts_value_float_new(0.1f);
    failures += check_text(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(f), "0.100000");
    CHOST_CHECK(failures, tarvelin_providers_contracts_inumeric_to_double(TARVELIN_PROVIDERS_CONTRACTS_INUMERIC(f)) ==
                              (double)0.1f);
    g_object_unref(f);

    /* Text, bytes, date-time, enumerated and spatial cells. */
    TarvelinProvidersContractsValueXml *xml = tarvelin_providers_contracts_value_xml_new("<a/>");
    copy = tarvelin_providers_contracts_ivalue_clone(TARVELIN_PROVIDERS_CONTRACTS_IVALUE(xml));
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_CONTRACTS_IS_VALUE_XML(copy));
    failures += check_text(copy, "<a/>");
    g_object_unref(copy);
    gchar *its = NULL;
    g_object_get(xml, "itsvalue", &its, NULL);
    CHOST_CHECK_STR(failures, its, "<a/>");
    g_free(its);
    g_object_unref(xml);

    const guint8 bytes[] = { 0x01, 0xFE };
    TarvelinProvidersContractsValueBlob *blob = tarvelin_providers_contracts_value_blob_new(bytes, 2);
    gchar *hex = tarvelin_providers_contracts_value_binary_to_hexadecimal(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(blob));
    CHOST_CHECK_STR(failures, hex, "01FE");
    g_free(hex);
    GBytes *held_bytes = NULL;
    g_object_get(blob, "itsvalue", &held_bytes, NULL);
    CHOST_CHECK(failures, held_bytes != NULL && g_bytes_get_size(held_bytes) == 2);
    g_bytes_unref(held_bytes);
    g_object_unref(blob);

    TarvelinProvidersContractsValueDateTime *dt = tarvelin_providers_contracts_value_date_time_new_utc(2024, 2, 29, 23, 59, 59);
    failures += check_text(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(dt), "2024-02-29 23:59:59");
    gchar *formatted = tarvelin_providers_contracts_value_date_time_format(dt, "%Y-%m-%d");
    CHOST_CHECK_STR(failures, formatted, "2024-02-29");
    g_free(formatted);
    g_object_unref(dt);

    TarvelinProvidersContractsValueFlags *flags = tarvelin_providers_contracts_value_flags_new("a,b");
    gchar *dump = tarvelin_providers_contracts_value_object_dump(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(flags));
    CHOST_CHECK_STR(failures, dump, "TarvelinProvidersContractsValueFlags => a,b");
    g_free(dump);
    g_object_unref(flags);

    TarvelinProvidersContractsValueGeography *geo = tarvelin_providers_contracts_value_geography_new("52.52, 13.40");
    CHOST_CHECK(failures, tarvelin_providers_contracts_value_geography_latitude(geo) == 52.52);
    CHOST_CHECK(failures, tarvelin_providers_contracts_value_geography_longitude(geo) == 13.40);
    g_object_unref(geo);

    /* The factory, and the vocabularies. */
    TarvelinProvidersContractsValueObject *made =
        tarvelin_providers_contracts_ivalue_factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, "-1");
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_CONTRACTS_IS_VALUE_UINT8(made));
    failures += check_text(made, "255");
    g_object_unref(made);
    gchar *nick = tarvelin_providers_contracts_db_object_to_string(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_SCHEME);
    CHOST_CHECK_STR(failures, nick, "partition-scheme");
    g_free(nick);
    gchar *version = tarvelin_providers_contracts_data_version_to_string(
        TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT | TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    CHOST_CHECK_STR(failures, version, "INSERT");
    g_free(version);
    return failures;
}
