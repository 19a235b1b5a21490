#include "host_types.h"

struct _HostNull {
    TarvelinProvidersContractsValueNull parent_instance;
    int extra;
};
G_DEFINE_TYPE(HostNull, host_null, TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL)

static int finalized;
enum { PROP_EXTRA = 1 };

static void host_null_get_property(GObject *o, guint id, GValue *v, GParamSpec *p)
{
    if (id == PROP_EXTRA) g_value_set_int(v, HOST_NULL(o)->extra);
    else G_OBJECT_WARN_INVALID_PROPERTY_ID(o, id, p);
}
static void host_null_set_property(GObject *o, guint id, const GValue *v, GParamSpec *p)
{
    if (id == PROP_EXTRA) HOST_NULL(o)->extra = g_value_get_int(v);
    else G_OBJECT_WARN_INVALID_PROPERTY_ID(o, id, p);
}
static void host_null_finalize(GObject *o)
{
    finalized++;
    G_OBJECT_CLASS(host_null_parent_class)->finalize(o);
}
static void host_null_class_init(HostNullClass *k)
{
    GObjectClass *oc = G_OBJECT_CLASS(k);
    oc->get_property = host_null_get_property;
    oc->set_property = host_null_set_property;
    oc->finalize = host_null_finalize;
    g_object_class_install_property(oc, PROP_EXTRA,
        g_param_spec_int("extra", "extra", "extra", 0, 100, 7, G_PARAM_READWRITE));
}
static void host_null_init(HostNull *self) { self->extra = 7; }
int host_null_get_extra(HostNull *self) { return self->extra; }
int host_null_finalized_count(void) { return finalized; }

struct _HostPartialValue {
    GObject parent_instance;
};
static gchar *partial_to_string(TarvelinProvidersContractsIValue *self) { return g_strdup("from C"); }
static void partial_get_property(GObject *o, guint id, GValue *v, GParamSpec *p)
{
    if (id == 1) g_value_set_string(v, "partial");
    else if (id == 2) g_value_set_enum(v, 0);
    else if (id == 3) g_value_set_boolean(v, FALSE);
}
static void host_partial_value_iface_init(TarvelinProvidersContractsIValueInterface *iface)
{
    iface->to_string = partial_to_string;
}
G_DEFINE_TYPE_WITH_CODE(HostPartialValue, host_partial_value, G_TYPE_OBJECT,
    G_IMPLEMENT_INTERFACE(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IVALUE, host_partial_value_iface_init))
static void host_partial_value_class_init(HostPartialValueClass *k)
{
    /* An implementer must provide the interface's properties. */
    GObjectClass *oc = G_OBJECT_CLASS(k);
    oc->get_property = partial_get_property;
    g_object_class_override_property(oc, 1, "name");
    g_object_class_override_property(oc, 2, "data-type");
    g_object_class_override_property(oc, 3, "is-null");
}
static void host_partial_value_init(HostPartialValue *self) {}
