/* Result models, the provider and reader contracts, server records and the store, seen
 * from C: every exported function is reached once. The provider and reader are written
 * here in C, as a host would. */
#include <tarvelin/providers/providers.h>

#include <glib/gstdio.h>

#include "chost.h"

#define P(name) tarvelin_providers_contracts_##name
#define VO(x) ((TarvelinProvidersContractsValueObject *)(x))

/* ---------------------------------------------------------------- a reader in C */

typedef struct {
    GObject parent_instance;
    int row;
} ChostReader;
typedef GObjectClass ChostReaderClass;
static void chost_reader_iface_init(TarvelinProvidersContractsIDataReaderInterface *iface);
G_DEFINE_TYPE_WITH_CODE(ChostReader, chost_reader, G_TYPE_OBJECT,
    G_IMPLEMENT_INTERFACE(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, chost_reader_iface_init))

/* One INT32 column "n" and one row holding 7. */
static gboolean r_read(TarvelinProvidersContractsIDataReader *self, GError **error)
{
    return ++((ChostReader *)self)->row == 1;
}
static gchar *r_name(TarvelinProvidersContractsIDataReader *self, guint16 o, GError **error) { return g_strdup("n"); }
static TarvelinProvidersContractsDataType r_type(TarvelinProvidersContractsIDataReader *self, guint16 o, GError **error)
{
    return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
}
static gint32 r_int32(TarvelinProvidersContractsIDataReader *self, guint16 o, GError **error) { return 7; }
static gint r_count(TarvelinProvidersContractsIDataReader *self) { return 1; }
static gboolean r_closed(TarvelinProvidersContractsIDataReader *self) { return ((ChostReader *)self)->row > 1; }
static void chost_reader_iface_init(TarvelinProvidersContractsIDataReaderInterface *iface)
{
    iface->read = r_read;
    iface->get_name = r_name;
    iface->get_data_type = r_type;
    iface->get_int32 = r_int32;
    iface->get_field_count = r_count;
    iface->get_is_closed = r_closed;
}
static void chost_reader_get_property(GObject *o, guint id, GValue *v, GParamSpec *p)
{
    TarvelinProvidersContractsIDataReader *r = TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(o);
    if (id == 1) g_value_set_int(v, P(idata_reader_get_field_count)(r));
    else g_value_set_boolean(v, P(idata_reader_get_is_closed)(r));
}
static void chost_reader_class_init(ChostReaderClass *k)
{
    k->get_property = chost_reader_get_property;
    g_object_class_override_property(k, 1, "field-count");
    g_object_class_override_property(k, 2, "is-closed");
}
static void chost_reader_init(ChostReader *self) {}

/* ---------------------------------------------------------------- a provider in C */

typedef struct {
    GObject parent_instance;
    gboolean opened;
} ChostProvider;
typedef GObjectClass ChostProviderClass;
static void chost_provider_iface_init(TarvelinProvidersContractsIProviderInterface *iface);
G_DEFINE_TYPE_WITH_CODE(ChostProvider, chost_provider, G_TYPE_OBJECT,
    G_IMPLEMENT_INTERFACE(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IPROVIDER, chost_provider_iface_init))

static void p_open(TarvelinProvidersContractsIProvider *self, TarvelinProvidersContractsServer *server,
                   const gchar *cs, GError **error)
{
    ((ChostProvider *)self)->opened = TRUE;
}
static void p_close(TarvelinProvidersContractsIProvider *self, GError **error) { ((ChostProvider *)self)->opened = FALSE; }
static TarvelinProvidersContractsTableModel *p_model(TarvelinProvidersContractsIProvider *self, const gchar *sql,
                                                     gboolean flag, GError **error)
{
    g_set_error_literal(error, g_quark_from_string("Chost"), -1, "No data returned.");
    return NULL;
}
static gint64 p_affect(TarvelinProvidersContractsIProvider *self, const gchar *sql, gboolean flag, GError **error)
{
    return 3;
}
static TarvelinProvidersContractsIDataReader *p_reader(TarvelinProvidersContractsIProvider *self, const gchar *sql,
                                                      GError **error)
{
    return g_object_new(chost_reader_get_type(), NULL);
}
static gboolean p_transaction(TarvelinProvidersContractsIProvider *self, GError **error) { return TRUE; }
static gboolean p_opened(TarvelinProvidersContractsIProvider *self) { return ((ChostProvider *)self)->opened; }
static void chost_provider_iface_init(TarvelinProvidersContractsIProviderInterface *iface)
{
    iface->open = p_open;
    iface->close = p_close;
    iface->execute_model = p_model;
    iface->execute_affect = p_affect;
    iface->execute_reader = p_reader;
    iface->transaction = p_transaction;
    iface->get_is_opened = p_opened;
}
static void chost_provider_get_property(GObject *o, guint id, GValue *v, GParamSpec *p)
{
    g_value_set_boolean(v, ((ChostProvider *)o)->opened);
}
static void chost_provider_class_init(ChostProviderClass *k)
{
    k->get_property = chost_provider_get_property;
    g_object_class_override_property(k, 1, "is-opened");
}
static void chost_provider_init(ChostProvider *self) {}

/* ---------------------------------------------------------------- the parts */

static int models(void)
{
    int failures = 0;
    TarvelinProvidersContractsColumnModel *cols[8];
    cols[0] = P(column_model_new)();
    cols[1] = P(column_model_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL);
    cols[2] = P(column_model_new_with_type)(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    cols[3] = P(column_model_construct_with_type)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL,
                                                  TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    cols[4] = P(column_model_new_full)("a", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    cols[5] = P(column_model_construct_full)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL, "b",
                                             TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    cols[6] = P(column_model_new_full_size)("c", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, 8);
    cols[7] = P(column_model_construct_full_size)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_COLUMN_MODEL, "d",
                                                  TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, 8);
    CHOST_CHECK_STR(failures, P(column_model_get_name)(cols[0]), "");
    P(column_model_set_name)(cols[0], "id");
    P(column_model_set_title)(cols[0], "Identifier");
    CHOST_CHECK_STR(failures, P(column_model_get_title)(cols[0]), "Identifier");
    P(column_model_set_data_type)(cols[0], TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    CHOST_CHECK(failures, P(column_model_get_data_type)(cols[0]) == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    P(column_model_set_data_size)(cols[0], 4);
    CHOST_CHECK(failures, P(column_model_get_data_size)(cols[6]) == 8);

    const TarvelinProvidersContractsDataType types[] = {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32,
                                                         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING};
    TarvelinProvidersContractsTableModel *t = P(table_model_new_with_types)(types, 2);
    TarvelinProvidersContractsTableModel *t2 = P(table_model_construct_with_types)(
        TARVELIN_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL, types, 1);
    TarvelinProvidersContractsTableModel *t3 = P(table_model_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_TABLE_MODEL);
    TarvelinProvidersContractsTableModel *t4 = P(table_model_new)();
    gee_collection_add(GEE_COLLECTION(P(table_model_get_columns)(t4)), cols[0]);
    TarvelinProvidersContractsRowModel *row = P(table_model_new_row)(t);
    CHOST_CHECK(failures, P(row_model_get_version)(row) == TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
    CHOST_CHECK(failures, P(table_model_append)(t, row) == 0);
    TarvelinProvidersContractsRowModel *read = P(row_model_new)();
    TarvelinProvidersContractsRowModel *other = P(row_model_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL);
    TarvelinProvidersContractsValueNull *null_value = P(value_null_new)();
    gee_collection_add(GEE_COLLECTION(P(row_model_get_values)(read)), null_value);
    gee_collection_add(GEE_COLLECTION(P(row_model_get_values)(read)), null_value);
    P(row_model_set_value_at)(read, 1, VO(null_value));
    TarvelinProvidersContractsValueObject *v = P(row_model_get_value_at)(read, 0);
    CHOST_CHECK(failures, v == VO(null_value));
    g_object_unref(v);
    P(row_model_set_version)(read, TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
    TarvelinProvidersContractsRowModel *copy = P(row_model_clone)(read);
    CHOST_CHECK(failures, g_list_model_get_n_items(G_LIST_MODEL(copy)) == 2);
    CHOST_CHECK(failures, P(table_model_insert)(t, 0, read) == 0);
    P(table_model_set_value_at)(t, 0, 0, VO(null_value));
    v = P(table_model_get_value_at)(t, 1, 0);
    CHOST_CHECK(failures, v == VO(null_value));
    g_object_unref(v);
    gint position = -1;
    CHOST_CHECK(failures, P(table_model_find)(t, row, &position) && position == 1);
    P(table_model_update_row_version)(t, 0, TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    CHOST_CHECK(failures, P(row_model_get_version)(read) == TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    P(table_model_delete)(t, read);
    TarvelinProvidersContractsRowModel *gone = P(table_model_delete_at)(t, 0);
    CHOST_CHECK(failures, gone == row);
    g_object_unref(gone);
    CHOST_CHECK(failures, gee_collection_get_size(GEE_COLLECTION(P(table_model_get_rows)(t))) == 0);
    P(table_model_clear)(t, TRUE);
    CHOST_CHECK(failures, g_list_model_get_n_items(G_LIST_MODEL(t)) == 0);

    TarvelinProvidersContractsDataSetModel *set = P(data_set_model_new)();
    TarvelinProvidersContractsDataSetModel *set2 = P(data_set_model_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_DATA_SET_MODEL);
    gee_collection_add(GEE_COLLECTION(P(data_set_model_get_tables)(set)), t);
    CHOST_CHECK(failures, g_list_model_get_n_items(G_LIST_MODEL(set)) == 1);

    TarvelinProvidersContractsInvalidResult *inv = P(invalid_result_new)("1", "m");
    TarvelinProvidersContractsInvalidResult *inv2 = P(invalid_result_construct)(
        TARVELIN_PROVIDERS_CONTRACTS_TYPE_INVALID_RESULT, "2", "n");
    P(invalid_result_set_code)(inv, "3");
    P(invalid_result_set_message)(inv, "o");
    CHOST_CHECK_STR(failures, P(invalid_result_get_code)(inv), "3");
    CHOST_CHECK_STR(failures, P(invalid_result_get_message)(inv), "o");
    CHOST_CHECK(failures, TARVELIN_PROVIDERS_CONTRACTS_IS_IRESULT(inv) && g_type_name(P(iresult_get_type)()));
    TarvelinProvidersContractsScalarResult *sc = P(scalar_result_new)(1);
    TarvelinProvidersContractsScalarResult *sc2 = P(scalar_result_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_SCALAR_RESULT, 2);
    P(scalar_result_set_rows)(sc, 5);
    CHOST_CHECK(failures, P(scalar_result_get_rows)(sc) == 5);

    gpointer all[] = {t, t2, t3, t4, row, read, other, null_value, copy, set, set2, inv, inv2, sc, sc2};
    for (size_t i = 0; i < G_N_ELEMENTS(all); i++) g_object_unref(all[i]);
    for (int i = 0; i < 8; i++) g_object_unref(cols[i]);
    return failures;
}

static int contracts(void)
{
    int failures = 0;
    GError *error = NULL;
    TarvelinProvidersContractsServer *server = P(server_new)();
    TarvelinProvidersContractsIProvider *p = g_object_new(chost_provider_get_type(), NULL);
    CHOST_CHECK(failures, g_type_is_a(chost_provider_get_type(), P(iprovider_get_type)()));
    P(iprovider_open)(p, server, "", &error);
    CHOST_CHECK(failures, P(iprovider_get_is_opened)(p));
    CHOST_CHECK(failures, P(iprovider_execute_model)(p, "UPDATE t", TRUE, &error) == NULL && error && error->code == -1);
    g_clear_error(&error);
    CHOST_CHECK(failures, P(iprovider_execute_affect)(p, "UPDATE t", TRUE, &error) == 3);
    CHOST_CHECK(failures, P(iprovider_execute_scalar)(p, "x", TRUE, &error) == NULL);  /* empty slot */
    gint length = 5;
    CHOST_CHECK(failures, P(iprovider_execute_statements)(p, "x", TRUE, &length, &error) == NULL && length == 0);
    CHOST_CHECK(failures, P(iprovider_transaction)(p, &error));
    P(iprovider_commit)(p, &error);
    P(iprovider_rollback)(p, &error);

    TarvelinProvidersContractsIDataReader *r = P(iprovider_execute_reader)(p, "SELECT n", &error);
    CHOST_CHECK(failures, r != NULL && error == NULL);
    CHOST_CHECK(failures, g_type_is_a(chost_reader_get_type(), P(idata_reader_get_type)()));
    gchar *name = P(idata_reader_get_name)(r, 0, &error);
    CHOST_CHECK_STR(failures, name, "n");
    g_free(name);
    CHOST_CHECK(failures, P(idata_reader_get_field_count)(r) == 1);
    CHOST_CHECK(failures, P(idata_reader_read)(r, &error));
    CHOST_CHECK(failures, P(idata_reader_get_data_type)(r, 0, &error) == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    CHOST_CHECK(failures, P(idata_reader_get_int32)(r, 0, &error) == 7);
    TarvelinProvidersContractsValueObject *v = P(idata_reader_get_value)(r, 0, &error);
    gchar *text = v ? P(value_object_to_string)(v) : NULL;
    CHOST_CHECK_STR(failures, text, "7");
    g_free(text);
    if (v) g_object_unref(v);
    TarvelinProvidersContractsValueObject **values = P(idata_reader_get_values)(r, &length, &error);
    CHOST_CHECK(failures, values && length == 1 && values[1] == NULL);
    for (gint i = 0; i < length; i++) g_object_unref(values[i]);
    g_free(values);

    /* The slots this reader leaves empty, and the interface's defaults. */
    CHOST_CHECK(failures, !P(idata_reader_bulk)(r, &error));
    CHOST_CHECK(failures, P(idata_reader_get_int8)(r, 0, &error) == -1);
    CHOST_CHECK(failures, P(idata_reader_get_int16)(r, 0, &error) == -1);
    CHOST_CHECK(failures, P(idata_reader_get_int64)(r, 0, &error) == -1);
    CHOST_CHECK(failures, P(idata_reader_get_decimal)(r, 0, &error) == -1);
    CHOST_CHECK(failures, P(idata_reader_get_money)(r, 0, &error) == -1);
    CHOST_CHECK(failures, P(idata_reader_get_float)(r, 0, &error) == -1);
    CHOST_CHECK(failures, P(idata_reader_get_double)(r, 0, &error) == -1);
    CHOST_CHECK(failures, P(idata_reader_get_uint8)(r, 0, &error) == 0);
    CHOST_CHECK(failures, P(idata_reader_get_uint16)(r, 0, &error) == 0);
    CHOST_CHECK(failures, P(idata_reader_get_uint32)(r, 0, &error) == 0);
    CHOST_CHECK(failures, P(idata_reader_get_uint64)(r, 0, &error) == 0);
    CHOST_CHECK(failures, P(idata_reader_get_size)(r, 0, &error) == 0);
    CHOST_CHECK(failures, !P(idata_reader_is_null)(r, 0, &error));
    CHOST_CHECK(failures, !P(idata_reader_get_boolean)(r, 0, &error));
    CHOST_CHECK(failures, P(idata_reader_get_timespan)(r, 0, &error) == 0);
    CHOST_CHECK(failures, P(idata_reader_get_time)(r, 0, &error) == NULL);
    CHOST_CHECK(failures, P(idata_reader_get_datetime)(r, 0, &error) == NULL);
    CHOST_CHECK(failures, P(idata_reader_get_string)(r, 0, &error) == NULL);
    CHOST_CHECK(failures, P(idata_reader_get_string16)(r, 0, &error) == NULL);
    CHOST_CHECK(failures, P(idata_reader_get_guid)(r, 0, &error) == NULL);
    CHOST_CHECK(failures, P(idata_reader_get_dbms_type)(r, 0, &error) == NULL);
    CHOST_CHECK(failures, P(idata_reader_get_binary)(r, 0, &length, &error) == NULL && length == 0);
    GDate date;
    g_date_clear(&date, 1);
    P(idata_reader_get_date)(r, 0, &date, &error);
    CHOST_CHECK(failures, !g_date_valid(&date));
    GDateTime *now = P(idata_reader_get_timestamp)(r, 0, &error);
    CHOST_CHECK(failures, now != NULL);
    if (now) g_date_time_unref(now);
    gchar *(*texts[])(TarvelinProvidersContractsIDataReader *, guint16, GError **) = {
        P(idata_reader_get_enum), P(idata_reader_get_flag), P(idata_reader_get_set), P(idata_reader_get_xml),
        P(idata_reader_get_json), P(idata_reader_get_geometry), P(idata_reader_get_geography)};
    for (size_t i = 0; i < G_N_ELEMENTS(texts); i++) {
        gchar *t = texts[i](r, 0, &error);
        CHOST_CHECK_STR(failures, t, "");
        g_free(t);
    }
    v = P(idata_reader_get_variant)(r, 0, &error);
    CHOST_CHECK(failures, v && P(value_object_get_is_null)(v));
    if (v) g_object_unref(v);
    guint8 *bytes = P(idata_reader_get_object)(r, 0, &length, &error);
    CHOST_CHECK(failures, bytes != NULL && length == 0);
    g_free(bytes);
    CHOST_CHECK(failures, !P(idata_reader_read)(r, &error));
    CHOST_CHECK(failures, P(idata_reader_get_is_closed)(r));
    P(idata_reader_close)(r, &error);
    CHOST_CHECK(failures, error == NULL);
    g_object_unref(r);

    P(iprovider_close)(p, &error);
    CHOST_CHECK(failures, !P(iprovider_get_is_opened)(p));
    g_object_unref(p);
    g_object_unref(server);
    return failures;
}

#define SERVER_TEXT(field)                                                     \
    do {                                                                       \
        P(server_set_##field)(s, "v-" #field);                                 \
        CHOST_CHECK_STR(failures, P(server_get_##field)(s), "v-" #field);      \
    } while (0)

static int servers(void)
{
    int failures = 0;
    TarvelinProvidersContractsServer *s = P(server_new_with_provider)("SQLite");
    TarvelinProvidersContractsServer *s2 = P(server_construct_with_provider)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER, "MySQL");
    TarvelinProvidersContractsServer *s3 = P(server_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER);
    CHOST_CHECK(failures, strlen(P(server_get_uuid)(s)) == 36);
    SERVER_TEXT(uuid); SERVER_TEXT(provider); SERVER_TEXT(driver); SERVER_TEXT(title); SERVER_TEXT(host);
    SERVER_TEXT(username); SERVER_TEXT(password); SERVER_TEXT(initial); SERVER_TEXT(filename);
    SERVER_TEXT(location); SERVER_TEXT(extensions); SERVER_TEXT(options); SERVER_TEXT(ssh_process);
    SERVER_TEXT(ssh_host); SERVER_TEXT(ssh_auth_type); SERVER_TEXT(ssh_username); SERVER_TEXT(ssh_password);
    SERVER_TEXT(ssh_key_private_file); SERVER_TEXT(ssl_ca_file); SERVER_TEXT(ssl_cert_file);
    SERVER_TEXT(ssl_key_file); SERVER_TEXT(ssl_mode); SERVER_TEXT(ssl_password);
    P(server_set_port)(s, 5432);
    P(server_set_ssh_port)(s, 2222);
    P(server_set_ssh_using)(s, TRUE);
    P(server_set_ssl_using)(s, TRUE);
    CHOST_CHECK(failures, P(server_get_port)(s) == 5432 && P(server_get_ssh_port)(s) == 2222);
    CHOST_CHECK(failures, P(server_get_ssh_using)(s) && P(server_get_ssl_using)(s));
    gchar *dbs[] = {"a", "b", NULL};
    P(server_set_databases)(s, dbs, 2);
    gint n = 0;
    gchar **stored = P(server_get_databases)(s, &n);
    CHOST_CHECK(failures, n == 2 && stored != dbs && g_strcmp0(stored[1], "b") == 0);
    TarvelinProvidersContractsServer *c = P(server_clone)(s, TRUE);
    CHOST_CHECK(failures, P(server_get_port)(c) == 5432 && g_strcmp0(P(server_get_uuid)(c), "v-uuid") != 0);

    /* The store, in a file of its own. */
    TarvelinProvidersContractsServerSetting *st = P(server_setting_new)();
    TarvelinProvidersContractsServerSetting *st2 = P(server_setting_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING);
    TarvelinProvidersContractsOrganization *o = P(organization_new_with_name)("O");
    TarvelinProvidersContractsOrganization *o2 = P(organization_new)();
    TarvelinProvidersContractsOrganization *o3 = P(organization_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION);
    TarvelinProvidersContractsOrganization *o4 = P(organization_construct_with_name)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION, "P");
    TarvelinProvidersContractsServerGroup *g = P(server_group_new_with_name)("G");
    TarvelinProvidersContractsServerGroup *g2 = P(server_group_new)();
    TarvelinProvidersContractsServerGroup *g3 = P(server_group_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP);
    TarvelinProvidersContractsServerGroup *g4 = P(server_group_construct_with_name)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, "H");
    P(organization_set_name)(o2, "Q");
    CHOST_CHECK_STR(failures, P(organization_get_name)(o2), "Q");
    P(server_group_set_name)(g2, "K");
    CHOST_CHECK_STR(failures, P(server_group_get_name)(g2), "K");
    P(server_group_set_servers)(g2, P(server_group_get_servers)(g3));
    P(organization_set_groups)(o3, P(organization_get_groups)(o4));
    gee_collection_add(GEE_COLLECTION(P(organization_get_groups)(o)), g);
    gee_collection_add(GEE_COLLECTION(P(server_setting_get_organizations)(st)), o);
    P(server_setting_set_organizations)(st2, P(server_setting_get_organizations)(st));
    P(server_setting_set_groups)(st2, P(server_setting_get_groups)(st));
    P(server_setting_set_servers)(st2, P(server_setting_get_servers)(st));
    P(server_setting_append)(st, s, "G", "O");
    P(server_setting_append)(st, c, "", "");
    gint count = 0;
    TarvelinProvidersContractsServer **all = P(server_setting_unite_servers)(st, &count);
    CHOST_CHECK(failures, count == 2 && all[0] == s);
    for (gint i = 0; i < count; i++) g_object_unref(all[i]);
    g_free(all);
    P(server_setting_remove)(st, c, "", "");

    gchar *dir = g_dir_make_tmp("chost-store-XXXXXX", NULL);
    gchar *file = g_build_filename(dir, "servers.json", NULL);
    GError *error = NULL;
    P(server_setting_load)(st, file, &error);  /* no file yet: an error, then save creates it */
    CHOST_CHECK(failures, error != NULL);
    g_clear_error(&error);
    P(server_setting_save)(st, &error);
    CHOST_CHECK(failures, error == NULL);
    TarvelinProvidersContractsServerSetting *back = P(server_setting_new)();
    P(server_setting_load)(back, file, &error);
    CHOST_CHECK(failures, error == NULL);
    all = P(server_setting_unite_servers)(back, &count);
    CHOST_CHECK(failures, count == 1 && P(server_get_port)(all[0]) == 5432);
    for (gint i = 0; i < count; i++) g_object_unref(all[i]);
    g_free(all);
    g_remove(file);
    g_rmdir(dir);
    g_free(file);
    g_free(dir);

    TarvelinProvidersContractsServerVendors *vendors = P(server_vendors_new)();
    TarvelinProvidersContractsServerVendors *vendors2 = P(server_vendors_construct)(TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER_VENDORS);
    CHOST_CHECK_STR(failures, TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT[4], "SQLServer");
    CHOST_CHECK_STR(failures, TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE[2], "Oracle");
    CHOST_CHECK_STR(failures, TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE[7], "SQLServer");
    CHOST_CHECK_STR(failures, TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL[0], "Access");

    gpointer objects[] = {s, s2, s3, c, st, st2, o, o2, o3, o4, g, g2, g3, g4, back, vendors, vendors2};
    for (size_t i = 0; i < G_N_ELEMENTS(objects); i++) g_object_unref(objects[i]);
    return failures;
}

int chost_contracts(void)
{
    return models() + contracts() + servers();
}
