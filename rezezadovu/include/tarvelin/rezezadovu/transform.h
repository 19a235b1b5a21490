/* Transfer and synchronisation: the progress record, the job contracts, the transfer job,
 * the comparison engine and the two synchronisation jobs.
 *
 * A host creates a job with an option map (texts to texts), sets its "server-source" and
 * "server-target" connections (both opened) and a progress record, calls initialize where
 * the job needs it, then handle. handle runs wholly on the calling thread and starts no
 * thread; a host that shows progress calls handle on a thread of its own and reads the
 * record from another through snapshot and pop_message, which take the record's lock.
 *
 * Results marked new belong to the caller; getters of held objects are borrowed. A missing
 * required argument logs a critical and gives the empty result. */
#pragma once

#include <tarvelin/providers/model_table.h>
#include <tarvelin/providers/vocabulary.h>
#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/meta_model.h>

G_BEGIN_DECLS

/* ---------------------------------------------------------------- ThreadProgress */

#define TARVELIN_REZEZADOVU_CONTRACTS_TYPE_THREAD_PROGRESS (tarvelin_rezezadovu_contracts_thread_progress_get_type())

typedef struct _TarvelinRezezadovuContractsThreadProgress TarvelinRezezadovuContractsThreadProgress;
typedef struct _TarvelinRezezadovuContractsThreadProgressClass TarvelinRezezadovuContractsThreadProgressClass;

/* The counters, elapsed time (microseconds from the start of the job's handle to its last
 * counted step), queue of progress lines (GeeArrayQueue of texts, oldest first) and
 * finished flag of a job. The fields are public; a job writes them under the record's
 * lock, so an observer on another thread reads them through snapshot and pop_message. */
struct _TarvelinRezezadovuContractsThreadProgress {
    GTypeInstance parent_instance;
    volatile int ref_count;
    gpointer _bridge;
    gint64 processed;
    gint64 succeeded;
    gint64 failed;
    gint64 elapsed;
    GeeArrayQueue *messages;
    gboolean finished;
};
struct _TarvelinRezezadovuContractsThreadProgressClass {
    GTypeClass parent_class;
    void (*finalize)(TarvelinRezezadovuContractsThreadProgress *self);
    gpointer _bridge[4];
};

TARVELIN_API GType tarvelin_rezezadovu_contracts_thread_progress_get_type(void);
G_GNUC_BEGIN_IGNORE_DEPRECATIONS
G_GNUC_UNUSED static inline TarvelinRezezadovuContractsThreadProgress *TARVELIN_REZEZADOVU_CONTRACTS_THREAD_PROGRESS(
    gpointer ptr)
{
    return G_TYPE_CHECK_INSTANCE_CAST(ptr, tarvelin_rezezadovu_contracts_thread_progress_get_type(),
                                      TarvelinRezezadovuContractsThreadProgress);
}
G_GNUC_UNUSED static inline gboolean TARVELIN_REZEZADOVU_CONTRACTS_IS_THREAD_PROGRESS(gpointer ptr)
{
    return G_TYPE_CHECK_INSTANCE_TYPE(ptr, tarvelin_rezezadovu_contracts_thread_progress_get_type());
}
G_GNUC_END_IGNORE_DEPRECATIONS

/* A new record: 0, 0, 0, 0, an empty queue and FALSE, with one reference. */
/**
 * tarvelin_rezezadovu_contracts_thread_progress_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsThreadProgress *tarvelin_rezezadovu_contracts_thread_progress_new(void);
/**
 * tarvelin_rezezadovu_contracts_thread_progress_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsThreadProgress *tarvelin_rezezadovu_contracts_thread_progress_construct(
    GType object_type);
/**
 * tarvelin_rezezadovu_contracts_thread_progress_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
TARVELIN_API gpointer tarvelin_rezezadovu_contracts_thread_progress_ref(gpointer instance);
/**
 * tarvelin_rezezadovu_contracts_thread_progress_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_thread_progress_unref(gpointer instance);
/**
 * tarvelin_rezezadovu_contracts_thread_progress_snapshot:
 * @self: (not nullable): the instance
 * @processed: (out) (optional): return location
 * @succeeded: (out) (optional): return location
 * @failed: (out) (optional): return location
 * @elapsed: (out) (optional): return location
 * @finished: (out) (optional): return location
 *
 * A consistent reading of the counters, elapsed and finished, taken under the record's
 * lock; any out pointer may be NULL.
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_thread_progress_snapshot(
    TarvelinRezezadovuContractsThreadProgress *self, gint64 *processed, gint64 *succeeded, gint64 *failed,
    gint64 *elapsed, gboolean *finished);
/**
 * tarvelin_rezezadovu_contracts_thread_progress_pop_message:
 * @self: (not nullable): the instance
 *
 * The oldest line taken from the queue under the record's lock (new), or NULL when empty.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_thread_progress_pop_message(
    TarvelinRezezadovuContractsThreadProgress *self);

/**
 * tarvelin_rezezadovu_contracts_param_spec_thread_progress:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API GParamSpec *tarvelin_rezezadovu_contracts_param_spec_thread_progress(const gchar *name,
                                                                                  const gchar *nick,
                                                                                  const gchar *blurb,
                                                                                  GType object_type,
                                                                                  GParamFlags flags);
/**
 * tarvelin_rezezadovu_contracts_value_set_thread_progress:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_value_set_thread_progress(GValue *value, gpointer v_object);
/**
 * tarvelin_rezezadovu_contracts_value_take_thread_progress:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_value_take_thread_progress(GValue *value, gpointer v_object);
/**
 * tarvelin_rezezadovu_contracts_value_get_thread_progress:
 * @value: (not nullable): a #GValue
 *
 * The held record, borrowed.
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API gpointer tarvelin_rezezadovu_contracts_value_get_thread_progress(const GValue *value);

/* ---------------------------------------------------------------- ITransform, ISynchronize */

#define TARVELIN_REZEZADOVU_TRANSFORM_TYPE_ITRANSFORM (tarvelin_rezezadovu_transform_itransform_get_type())
#define TARVELIN_REZEZADOVU_TRANSFORM_TYPE_ISYNCHRONIZE (tarvelin_rezezadovu_transform_isynchronize_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuTransformITransform, tarvelin_rezezadovu_transform_itransform,
                           TARVELIN_REZEZADOVU_TRANSFORM, ITRANSFORM)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuTransformISynchronize, tarvelin_rezezadovu_transform_isynchronize,
                           TARVELIN_REZEZADOVU_TRANSFORM, ISYNCHRONIZE)

/* A job with a source, a target and a progress record. The getters are borrowed; each
 * setter keeps a reference to the new value and notifies its property every time. */
struct _TarvelinRezezadovuTransformITransformInterface {
    GTypeInterface parent_iface;
    void (*initialize)(TarvelinRezezadovuTransformITransform *self, GError **error);
    void (*handle)(TarvelinRezezadovuTransformITransform *self);
    TarvelinRezezadovuContractsDatabaseIConnection *(*get_server_source)(TarvelinRezezadovuTransformITransform *self);
    void (*set_server_source)(TarvelinRezezadovuTransformITransform *self,
                              TarvelinRezezadovuContractsDatabaseIConnection *value);
    TarvelinRezezadovuContractsDatabaseIConnection *(*get_server_target)(TarvelinRezezadovuTransformITransform *self);
    void (*set_server_target)(TarvelinRezezadovuTransformITransform *self,
                              TarvelinRezezadovuContractsDatabaseIConnection *value);
    TarvelinRezezadovuContractsThreadProgress *(*get_progress)(TarvelinRezezadovuTransformITransform *self);
    void (*set_progress)(TarvelinRezezadovuTransformITransform *self,
                         TarvelinRezezadovuContractsThreadProgress *value);
};
/**
 * tarvelin_rezezadovu_transform_itransform_initialize:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_initialize(TarvelinRezezadovuTransformITransform *self,
                                                                      GError **error);
/**
 * tarvelin_rezezadovu_transform_itransform_handle:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_handle(TarvelinRezezadovuTransformITransform *self);
/**
 * tarvelin_rezezadovu_transform_itransform_get_server_source:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIConnection *tarvelin_rezezadovu_transform_itransform_get_server_source(
    TarvelinRezezadovuTransformITransform *self);
/**
 * tarvelin_rezezadovu_transform_itransform_set_server_source:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 */
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_set_server_source(
    TarvelinRezezadovuTransformITransform *self, TarvelinRezezadovuContractsDatabaseIConnection *value);
/**
 * tarvelin_rezezadovu_transform_itransform_get_server_target:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsDatabaseIConnection *tarvelin_rezezadovu_transform_itransform_get_server_target(
    TarvelinRezezadovuTransformITransform *self);
/**
 * tarvelin_rezezadovu_transform_itransform_set_server_target:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 */
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_set_server_target(
    TarvelinRezezadovuTransformITransform *self, TarvelinRezezadovuContractsDatabaseIConnection *value);
/**
 * tarvelin_rezezadovu_transform_itransform_get_progress:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsThreadProgress *tarvelin_rezezadovu_transform_itransform_get_progress(
    TarvelinRezezadovuTransformITransform *self);
/**
 * tarvelin_rezezadovu_transform_itransform_set_progress:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsThreadProgress
 */
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_set_progress(TarvelinRezezadovuTransformITransform *self,
                                                                        TarvelinRezezadovuContractsThreadProgress *value);

/* A job that also shows its difference (a new patched MetaSchema or DataSetModel, or NULL
 * when both sides are identical) and the statements it would run (a new GeeArrayList of
 * texts, in the order handle runs them). */
struct _TarvelinRezezadovuTransformISynchronizeInterface {
    GTypeInterface parent_iface;
    GObject *(*preview)(TarvelinRezezadovuTransformISynchronize *self, GError **error);
    GeeArrayList *(*generate)(TarvelinRezezadovuTransformISynchronize *self, GError **error);
};
/**
 * tarvelin_rezezadovu_transform_isynchronize_preview:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API GObject *tarvelin_rezezadovu_transform_isynchronize_preview(TarvelinRezezadovuTransformISynchronize *self,
                                                                         GError **error);
/**
 * tarvelin_rezezadovu_transform_isynchronize_generate:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (element-type utf8) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API GeeArrayList *tarvelin_rezezadovu_transform_isynchronize_generate(
    TarvelinRezezadovuTransformISynchronize *self, GError **error);

/* ---------------------------------------------------------------- the jobs and the patcher */

#define TARVELIN_REZEZADOVU_TRANSFORM_TYPE_TRANSFER (tarvelin_rezezadovu_transform_transfer_get_type())
#define TARVELIN_REZEZADOVU_TRANSFORM_TYPE_PATCHER (tarvelin_rezezadovu_transform_patcher_get_type())
#define TARVELIN_REZEZADOVU_TRANSFORM_TYPE_STRUCTURE_SYNCHRONIZER \
    (tarvelin_rezezadovu_transform_structure_synchronizer_get_type())
#define TARVELIN_REZEZADOVU_TRANSFORM_TYPE_USERDATA_SYNCHRONIZER \
    (tarvelin_rezezadovu_transform_userdata_synchronizer_get_type())

TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuTransformTransfer, tarvelin_rezezadovu_transform_transfer,
                           TARVELIN_REZEZADOVU_TRANSFORM, TRANSFER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuTransformPatcher, tarvelin_rezezadovu_transform_patcher,
                           TARVELIN_REZEZADOVU_TRANSFORM, PATCHER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuTransformStructureSynchronizer,
                           tarvelin_rezezadovu_transform_structure_synchronizer, TARVELIN_REZEZADOVU_TRANSFORM,
                           STRUCTURE_SYNCHRONIZER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuTransformUserdataSynchronizer,
                           tarvelin_rezezadovu_transform_userdata_synchronizer, TARVELIN_REZEZADOVU_TRANSFORM,
                           USERDATA_SYNCHRONIZER)

/* Copies the selected schemas, tables and views with their rows from the source to the
 * target. The job keeps a reference to the option map (a GeeHashMap of texts).
 *
 * Options. A key is three fields joined by "|": "OPTION|<group>|<name>" for the job, or
 * "<kind>|<name>|<attribute>" for one object, with the kind "schema" or "table" (views are
 * selected as "table" too) and the object's name as the source catalogue gives it, also
 * after NAME renamed it. A truth value is the text "true"; any other text is false. S, T
 * and V stand for the source names of a schema, a table and a view.
 *
 *   key                        default  meaning
 *   OPTION|SOURCE|DATABASE     empty    the source database whose catalogue is read
 *   OPTION|RESULT|CONTINUE     "false"  "true": a failed load, DROP, CREATE or table copy is
 *                                       counted and the job goes on; else it ends the job
 *   OPTION|RESULT|DROP_OBJECT  "false"  "true": drop the selected objects on the target
 *                                       before creating them
 *   schema|S|MODE              none     present: schema S is copied (absent: left out, with
 *                                       everything in it); "true" lets its NAME apply
 *   schema|S|NAME              S        the schema's name on the target
 *   table|T|MODE               none     present: table T is copied; "true" lets its NAME,
 *                                       FIELDS, BATCH and RECORDS apply
 *   table|T|NAME               T        the table's name on the target
 *   table|T|FIELDS             "ALL"    "ALL", or the copied columns as source=target name
 *                                       pairs separated by ";" ("id=id;title=name")
 *   table|T|BATCH              "1000"   rows read from the source per page
 *   table|T|RECORDS            empty    row filters (WHERE conditions) separated by ";",
 *                                       each copied in turn; empty copies every row
 *   table|V|MODE               none     present: view V is created on the target; "true"
 *                                       lets its NAME and VIEW2TABLE apply
 *   table|V|NAME               V        the view's name on the target
 *   table|V|VIEW2TABLE         "false"  "true": also create a table named like the view
 *   view|V|FIELDS              "ALL"    the columns of that table, as table|T|FIELDS
 *
 * An empty map copies nothing. Functions and events of a copied schema go with it. */
/**
 * tarvelin_rezezadovu_transform_transfer_new:
 * @_options: (not nullable) (element-type utf8 utf8): a #GeeHashMap
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuTransformTransfer *tarvelin_rezezadovu_transform_transfer_new(GeeHashMap *_options);
/**
 * tarvelin_rezezadovu_transform_transfer_construct:
 * @_options: (not nullable) (element-type utf8 utf8): a #GeeHashMap
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuTransformTransfer *tarvelin_rezezadovu_transform_transfer_construct(
    GType object_type, GeeHashMap *_options);

/* Makes one schema of the target like one schema of the source for the selected tables,
 * views, functions and events. The schemas are borrowed (NULL before initialize).
 *
 * Options (keys are three fields joined by "|"; a truth value is the text "true"):
 *
 *   key                     default  meaning
 *   OPTION|SOURCE|DATABASE  empty    database of the source schema
 *   OPTION|SOURCE|SCHEMA    empty    name of the source schema
 *   OPTION|TARGET|DATABASE  empty    database of the target schema
 *   OPTION|TARGET|SCHEMA    empty    name of the target schema
 *   OPTION|RESULT|CONTINUE  "false"  "true": a failed statement is counted and the next one
 *                                    runs; else the first failure ends the run
 *   OPTION|table|N          none     present (any value): table N takes part in the script
 *   OPTION|view|N           none     present: view N takes part
 *   OPTION|function|N       none     present: function or procedure N takes part
 *   OPTION|event|N          none     present: event N takes part
 *
 * A map without any selection key generates no statement. */
/**
 * tarvelin_rezezadovu_transform_structure_synchronizer_new:
 * @_options: (not nullable) (element-type utf8 utf8): a #GeeHashMap
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuTransformStructureSynchronizer *tarvelin_rezezadovu_transform_structure_synchronizer_new(
    GeeHashMap *_options);
/**
 * tarvelin_rezezadovu_transform_structure_synchronizer_construct:
 * @_options: (not nullable) (element-type utf8 utf8): a #GeeHashMap
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuTransformStructureSynchronizer *
tarvelin_rezezadovu_transform_structure_synchronizer_construct(GType object_type, GeeHashMap *_options);
/**
 * tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_source:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema *tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_source(
    TarvelinRezezadovuTransformStructureSynchronizer *self);
/**
 * tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_target:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema *tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_target(
    TarvelinRezezadovuTransformStructureSynchronizer *self);

/* Compares two data sets row by row and runs the target builder's patch text of each
 * changed table. The sets are borrowed (NULL before initialize); a host may add tables.
 *
 * Options:
 *
 *   key                     default  meaning
 *   OPTION|RESULT|CONTINUE  "false"  "true": a failed statement is counted and the next one
 *                                    runs; else the first failure ends the run */
/**
 * tarvelin_rezezadovu_transform_userdata_synchronizer_new:
 * @_options: (not nullable) (element-type utf8 utf8): a #GeeHashMap
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuTransformUserdataSynchronizer *tarvelin_rezezadovu_transform_userdata_synchronizer_new(
    GeeHashMap *_options);
/**
 * tarvelin_rezezadovu_transform_userdata_synchronizer_construct:
 * @_options: (not nullable) (element-type utf8 utf8): a #GeeHashMap
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuTransformUserdataSynchronizer *
tarvelin_rezezadovu_transform_userdata_synchronizer_construct(GType object_type, GeeHashMap *_options);
/**
 * tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_source:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinProvidersContractsDataSetModel *tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_source(
    TarvelinRezezadovuTransformUserdataSynchronizer *self);
/**
 * tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_target:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinProvidersContractsDataSetModel *tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_target(
    TarvelinRezezadovuTransformUserdataSynchronizer *self);

/* The comparison engine: IDENTICAL or UPDATE (INITIAL for a missing argument). The
 * structure comparisons mark members with what the target needs (INSERT create, DELETE
 * drop, UPDATE change) and hand out a new patched container when the result is UPDATE;
 * `patched` may be NULL. With with_names FALSE the target's database and schema names
 * count as the source's. */
/**
 * tarvelin_rezezadovu_transform_patcher_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuTransformPatcher *tarvelin_rezezadovu_transform_patcher_new(void);
/**
 * tarvelin_rezezadovu_transform_patcher_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuTransformPatcher *tarvelin_rezezadovu_transform_patcher_construct(GType object_type);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_object:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #GObject
 * @target: (not nullable): a #GObject
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_object(
    TarvelinRezezadovuTransformPatcher *self, GObject *source, GObject *target);
/* Fills the target's difference and slice maps: an entry only the source has is DELETE,
 * one only the target has INSERT. */
/**
 * tarvelin_rezezadovu_transform_patcher_diff_model:
 * @self: (not nullable): the instance
 * @object_source: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 * @object_target: (not nullable): a #TarvelinRezezadovuMetaModelMetaObject
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_model(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaObject *object_source,
    TarvelinRezezadovuMetaModelMetaObject *object_target);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_meta_view:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 * @target: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 * @patched: (not nullable): a #TarvelinRezezadovuMetaModelMetaView
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_view(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaView *source,
    TarvelinRezezadovuMetaModelMetaView *target, gboolean with_names, TarvelinRezezadovuMetaModelMetaView **patched);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_meta_function:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 * @target: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 * @patched: (not nullable): a #TarvelinRezezadovuMetaModelMetaFunction
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_function(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaFunction *source,
    TarvelinRezezadovuMetaModelMetaFunction *target, gboolean with_names,
    TarvelinRezezadovuMetaModelMetaFunction **patched);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_meta_event:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 * @target: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 * @patched: (not nullable): a #TarvelinRezezadovuMetaModelMetaEvent
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_event(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaEvent *source,
    TarvelinRezezadovuMetaModelMetaEvent *target, gboolean with_names, TarvelinRezezadovuMetaModelMetaEvent **patched);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_meta_table:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @target: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @patched: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_table(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaTable *source,
    TarvelinRezezadovuMetaModelMetaTable *target, gboolean with_names, TarvelinRezezadovuMetaModelMetaTable **patched);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_meta_schema:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 * @target: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 * @patched: (not nullable): a #TarvelinRezezadovuMetaModelMetaSchema
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_schema(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaSchema *source,
    TarvelinRezezadovuMetaModelMetaSchema *target, gboolean with_names,
    TarvelinRezezadovuMetaModelMetaSchema **patched);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_meta_database:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 * @target: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 * @patched: (not nullable): a #TarvelinRezezadovuMetaModelMetaDatabase
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_database(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaDatabase *source,
    TarvelinRezezadovuMetaModelMetaDatabase *target, gboolean with_names,
    TarvelinRezezadovuMetaModelMetaDatabase **patched);
/* Rows, tables and data sets pair their entries by position; a target list shorter than
 * the source's counts each missing entry as UPDATE. */
/**
 * tarvelin_rezezadovu_transform_patcher_diff_data_row:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinProvidersContractsRowModel
 * @target: (not nullable): a #TarvelinProvidersContractsRowModel
 * @patched: (not nullable): a #TarvelinProvidersContractsRowModel
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_row(
    TarvelinRezezadovuTransformPatcher *self, TarvelinProvidersContractsRowModel *source,
    TarvelinProvidersContractsRowModel *target, TarvelinProvidersContractsRowModel **patched);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_data_table:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinProvidersContractsTableModel
 * @target: (not nullable): a #TarvelinProvidersContractsTableModel
 * @patched: (not nullable): a #TarvelinProvidersContractsTableModel
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_table(
    TarvelinRezezadovuTransformPatcher *self, TarvelinProvidersContractsTableModel *source,
    TarvelinProvidersContractsTableModel *target, TarvelinProvidersContractsTableModel **patched);
/**
 * tarvelin_rezezadovu_transform_patcher_diff_data_set:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #TarvelinProvidersContractsDataSetModel
 * @target: (not nullable): a #TarvelinProvidersContractsDataSetModel
 * @patched: (not nullable): a #TarvelinProvidersContractsDataSetModel
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_set(
    TarvelinRezezadovuTransformPatcher *self, TarvelinProvidersContractsDataSetModel *source,
    TarvelinProvidersContractsDataSetModel *target, TarvelinProvidersContractsDataSetModel **patched);

G_END_DECLS
