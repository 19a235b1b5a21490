#include "host_contracts.h"

struct _HostReader {
    GObject parent_instance;
};
struct _HostBareReader {
    GObject parent_instance;
};

static gint field_count_two(TarvelinProvidersContractsIDataReader *self) { return 2; }
static gint field_count_one(TarvelinProvidersContractsIDataReader *self) { return 1; }
static gboolean never_null(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
    return FALSE;
}
static TarvelinProvidersContractsDataType type_of(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                  GError **error)
{
    return ordinal == 0 ? TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32 : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}
static gint32 forty_two(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error) { return 42; }
static gchar *bare(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error)
{
    return g_strdup("bare");
}

/* Readers must provide the interface's two properties. */
static void reader_get_property(GObject *o, guint id, GValue *v, GParamSpec *p)
{
    if (id == 1) g_value_set_int(v, tarvelin_providers_contracts_idata_reader_get_field_count(
                                        TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(o)));
    else if (id == 2) g_value_set_boolean(v, FALSE);
}
static void override_properties(GObjectClass *oc)
{
    oc->get_property = reader_get_property;
    g_object_class_override_property(oc, 1, "field-count");
    g_object_class_override_property(oc, 2, "is-closed");
}

static void host_reader_iface_init(TarvelinProvidersContractsIDataReaderInterface *iface)
{
    iface->get_field_count = field_count_two;
    iface->is_null = never_null;
    iface->get_data_type = type_of;
    iface->get_int32 = forty_two;
    iface->get_string = NULL;
}
G_DEFINE_TYPE_WITH_CODE(HostReader, host_reader, G_TYPE_OBJECT,
    G_IMPLEMENT_INTERFACE(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, host_reader_iface_init))
static void host_reader_class_init(HostReaderClass *k) { override_properties(G_OBJECT_CLASS(k)); }
static void host_reader_init(HostReader *self) {}

static void host_bare_reader_iface_init(TarvelinProvidersContractsIDataReaderInterface *iface)
{
    iface->get_field_count = field_count_one;
    iface->get_string = bare;
}
G_DEFINE_TYPE_WITH_CODE(HostBareReader, host_bare_reader, G_TYPE_OBJECT,
    G_IMPLEMENT_INTERFACE(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, host_bare_reader_iface_init))
static void host_bare_reader_class_init(HostBareReaderClass *k) { override_properties(G_OBJECT_CLASS(k)); }
static void host_bare_reader_init(HostBareReader *self) {}

struct _HostEmptyProvider {
    GObject parent_instance;
};
static void provider_get_property(GObject *o, guint id, GValue *v, GParamSpec *p)
{
    if (id == 1) g_value_set_boolean(v, FALSE);
}
static void host_empty_provider_iface_init(TarvelinProvidersContractsIProviderInterface *iface) {}
G_DEFINE_TYPE_WITH_CODE(HostEmptyProvider, host_empty_provider, G_TYPE_OBJECT,
    G_IMPLEMENT_INTERFACE(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IPROVIDER, host_empty_provider_iface_init))
static void host_empty_provider_class_init(HostEmptyProviderClass *k)
{
    GObjectClass *oc = G_OBJECT_CLASS(k);
    oc->get_property = provider_get_property;
    g_object_class_override_property(oc, 1, "is-opened");
}
static void host_empty_provider_init(HostEmptyProvider *self) {}
