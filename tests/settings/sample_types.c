#include "sample_types.h"

enum {
    PROP_0,
    PROP_INT8, PROP_UINT8, PROP_FLAG, PROP_COUNT, PROP_UCOUNT, PROP_LONG, PROP_ULONG, PROP_BIG, PROP_UBIG,
    PROP_RATIO, PROP_PRECISE, PROP_LABEL, PROP_KIND, PROP_BITS, PROP_STAMP, PROP_NAMES, PROP_PAYLOAD,
    PROP_SHARED, PROP_TAGS, PROP_OPTIONS, PROP_FIXED, PROP_SEED, PROP_LEVEL, N_PROPS
};

typedef struct {
    GObject parent;
    GValue values[N_PROPS];
} TestSample;
typedef struct {
    GObjectClass parent;
} TestSampleClass;

static GParamSpec *props[N_PROPS];
static int construct_sets;

int test_sample_construct_sets(void) { return construct_sets; }

static void no_slots(gpointer iface, gpointer data) {}

G_DEFINE_TYPE_WITH_CODE(TestSample, test_sample, G_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(TARVELIN_REZEZADOVU_CONTRACTS_SERIALIZATION_TYPE_IJSON_SERIALIZER, no_slots)
                        G_IMPLEMENT_INTERFACE(TARVELIN_REZEZADOVU_CONTRACTS_TYPE_ICLONABLE, no_slots))

static void test_sample_set_property(GObject *o, guint id, const GValue *v, GParamSpec *p) {
    TestSample *self = (TestSample *)o;
    if (id == PROP_SEED || id == PROP_LEVEL) construct_sets++;
    g_value_copy(v, &self->values[id]);
}

static void test_sample_get_property(GObject *o, guint id, GValue *v, GParamSpec *p) {
    g_value_copy(&((TestSample *)o)->values[id], v);
}

static void test_sample_finalize(GObject *o) {
    TestSample *self = (TestSample *)o;
    for (int i = 1; i < N_PROPS; i++) g_value_unset(&self->values[i]);
    G_OBJECT_CLASS(test_sample_parent_class)->finalize(o);
}

static void test_sample_init(TestSample *self) {
    for (int i = 1; i < N_PROPS; i++) {
        g_value_init(&self->values[i], props[i]->value_type);
        g_param_value_set_default(props[i], &self->values[i]);
    }
    /* The read-only collections belong to the object and start with defaults. */
    GeeArrayList *tags = gee_array_list_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, NULL, NULL, NULL);
    gee_abstract_collection_add((GeeAbstractCollection *)tags, "first");
    gee_abstract_collection_add((GeeAbstractCollection *)tags, "second");
    g_value_take_object(&self->values[PROP_TAGS], tags);
    GeeHashMap *options = gee_hash_map_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, G_TYPE_STRING,
                                           (GBoxedCopyFunc)g_strdup, g_free, NULL, NULL, NULL, NULL, NULL, NULL,
                                           NULL, NULL, NULL);
    gee_abstract_map_set((GeeAbstractMap *)options, "kept", "mine");
    gee_abstract_map_set((GeeAbstractMap *)options, "shared", "mine");
    g_value_take_object(&self->values[PROP_OPTIONS], options);
    g_value_set_int(&self->values[PROP_FIXED], 42);
}

static void test_sample_class_init(TestSampleClass *klass) {
    GObjectClass *oc = G_OBJECT_CLASS(klass);
    oc->set_property = test_sample_set_property;
    oc->get_property = test_sample_get_property;
    oc->finalize = test_sample_finalize;
    GParamFlags rw = G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS;
    GParamFlags ro = G_PARAM_READABLE | G_PARAM_STATIC_STRINGS;
    props[PROP_INT8] = g_param_spec_char("int8", NULL, NULL, G_MININT8, G_MAXINT8, 0, rw);
    props[PROP_UINT8] = g_param_spec_uchar("uint8", NULL, NULL, 0, G_MAXUINT8, 0, rw);
    props[PROP_FLAG] = g_param_spec_boolean("flag", NULL, NULL, FALSE, rw);
    props[PROP_COUNT] = g_param_spec_int("count", NULL, NULL, G_MININT, G_MAXINT, 0, rw);
    props[PROP_UCOUNT] = g_param_spec_uint("ucount", NULL, NULL, 0, G_MAXUINT, 0, rw);
    props[PROP_LONG] = g_param_spec_long("long", NULL, NULL, G_MINLONG, G_MAXLONG, 0, rw);
    props[PROP_ULONG] = g_param_spec_ulong("ulong", NULL, NULL, 0, G_MAXULONG, 0, rw);
    props[PROP_BIG] = g_param_spec_int64("big", NULL, NULL, G_MININT64, G_MAXINT64, 0, rw);
    props[PROP_UBIG] = g_param_spec_uint64("ubig", NULL, NULL, 0, G_MAXUINT64, 0, rw);
    props[PROP_RATIO] = g_param_spec_float("ratio", NULL, NULL, -G_MAXFLOAT, G_MAXFLOAT, 0, rw);
    props[PROP_PRECISE] = g_param_spec_double("precise", NULL, NULL, -G_MAXDOUBLE, G_MAXDOUBLE, 0, rw);
    props[PROP_LABEL] = g_param_spec_string("label", NULL, NULL, NULL, rw);
    props[PROP_KIND] = g_param_spec_enum("kind", NULL, NULL, G_TYPE_FILE_TYPE, G_FILE_TYPE_UNKNOWN, rw);
    props[PROP_BITS] = g_param_spec_flags("bits", NULL, NULL, G_TYPE_BINDING_FLAGS, 0, rw);
    props[PROP_STAMP] = g_param_spec_boxed("stamp", NULL, NULL, G_TYPE_DATE_TIME, rw);
    props[PROP_NAMES] = g_param_spec_boxed("names", NULL, NULL, G_TYPE_STRV, rw);
    props[PROP_PAYLOAD] = g_param_spec_object("payload", NULL, NULL, G_TYPE_OBJECT, rw);
    props[PROP_SHARED] = g_param_spec_object("shared", NULL, NULL, GEE_TYPE_ARRAY_LIST, rw);
    props[PROP_TAGS] = g_param_spec_object("tags", NULL, NULL, GEE_TYPE_ARRAY_LIST, ro);
    props[PROP_OPTIONS] = g_param_spec_object("options", NULL, NULL, GEE_TYPE_HASH_MAP, ro);
    props[PROP_FIXED] = g_param_spec_int("fixed", NULL, NULL, G_MININT, G_MAXINT, 0, ro);
    props[PROP_SEED] = g_param_spec_int("seed", NULL, NULL, G_MININT, G_MAXINT, 0, rw | G_PARAM_CONSTRUCT_ONLY);
    props[PROP_LEVEL] = g_param_spec_int("level", NULL, NULL, G_MININT, G_MAXINT, 0, rw | G_PARAM_CONSTRUCT);
    g_object_class_install_properties(oc, N_PROPS, props);
}

/* ---------------------------------------------------------------- read-only */

typedef struct {
    GObject parent;
} TestReadOnly;
typedef struct {
    GObjectClass parent;
} TestReadOnlyClass;

G_DEFINE_TYPE_WITH_CODE(TestReadOnly, test_read_only, G_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(TARVELIN_REZEZADOVU_CONTRACTS_SERIALIZATION_TYPE_IJSON_SERIALIZER, no_slots))

static void test_read_only_get_property(GObject *o, guint id, GValue *v, GParamSpec *p) { g_value_set_int(v, 5); }

static void test_read_only_init(TestReadOnly *self) {}

static void test_read_only_class_init(TestReadOnlyClass *klass) {
    GObjectClass *oc = G_OBJECT_CLASS(klass);
    oc->get_property = test_read_only_get_property;
    g_object_class_install_property(
        oc, 1, g_param_spec_int("answer", NULL, NULL, 0, 100, 0, G_PARAM_READABLE | G_PARAM_STATIC_STRINGS));
}
