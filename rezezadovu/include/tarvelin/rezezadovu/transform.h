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
TARVELIN_API TarvelinRezezadovuContractsThreadProgress *tarvelin_rezezadovu_contracts_thread_progress_new(void);
TARVELIN_API TarvelinRezezadovuContractsThreadProgress *tarvelin_rezezadovu_contracts_thread_progress_construct(
    GType object_type);
TARVELIN_API gpointer tarvelin_rezezadovu_contracts_thread_progress_ref(gpointer instance);
TARVELIN_API void tarvelin_rezezadovu_contracts_thread_progress_unref(gpointer instance);
/* A consistent reading of the counters, elapsed and finished, taken under the record's
 * lock; any out pointer may be NULL. */
TARVELIN_API void tarvelin_rezezadovu_contracts_thread_progress_snapshot(
    TarvelinRezezadovuContractsThreadProgress *self, gint64 *processed, gint64 *succeeded, gint64 *failed,
    gint64 *elapsed, gboolean *finished);
/* The oldest line taken from the queue under the record's lock (new), or NULL when empty. */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_thread_progress_pop_message(
    TarvelinRezezadovuContractsThreadProgress *self);

TARVELIN_API GParamSpec *tarvelin_rezezadovu_contracts_param_spec_thread_progress(const gchar *name,
                                                                                  const gchar *nick,
                                                                                  const gchar *blurb,
                                                                                  GType object_type,
                                                                                  GParamFlags flags);
TARVELIN_API void tarvelin_rezezadovu_contracts_value_set_thread_progress(GValue *value, gpointer v_object);
TARVELIN_API void tarvelin_rezezadovu_contracts_value_take_thread_progress(GValue *value, gpointer v_object);
/* The held record, borrowed. */
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
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_initialize(TarvelinRezezadovuTransformITransform *self,
                                                                      GError **error);
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_handle(TarvelinRezezadovuTransformITransform *self);
TARVELIN_API TarvelinRezezadovuContractsDatabaseIConnection *tarvelin_rezezadovu_transform_itransform_get_server_source(
    TarvelinRezezadovuTransformITransform *self);
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_set_server_source(
    TarvelinRezezadovuTransformITransform *self, TarvelinRezezadovuContractsDatabaseIConnection *value);
TARVELIN_API TarvelinRezezadovuContractsDatabaseIConnection *tarvelin_rezezadovu_transform_itransform_get_server_target(
    TarvelinRezezadovuTransformITransform *self);
TARVELIN_API void tarvelin_rezezadovu_transform_itransform_set_server_target(
    TarvelinRezezadovuTransformITransform *self, TarvelinRezezadovuContractsDatabaseIConnection *value);
TARVELIN_API TarvelinRezezadovuContractsThreadProgress *tarvelin_rezezadovu_transform_itransform_get_progress(
    TarvelinRezezadovuTransformITransform *self);
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
TARVELIN_API GObject *tarvelin_rezezadovu_transform_isynchronize_preview(TarvelinRezezadovuTransformISynchronize *self,
                                                                         GError **error);
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
 * target; keys are "OPTION|RESULT|CONTINUE", "schema|S|MODE", "table|T|FIELDS", ... The
 * job keeps a reference to the option map. */
TARVELIN_API TarvelinRezezadovuTransformTransfer *tarvelin_rezezadovu_transform_transfer_new(GeeHashMap *_options);
TARVELIN_API TarvelinRezezadovuTransformTransfer *tarvelin_rezezadovu_transform_transfer_construct(
    GType object_type, GeeHashMap *_options);

/* Makes one schema of the target like one schema of the source for the selected tables,
 * views, functions and events. The schemas are borrowed (NULL before initialize). */
TARVELIN_API TarvelinRezezadovuTransformStructureSynchronizer *tarvelin_rezezadovu_transform_structure_synchronizer_new(
    GeeHashMap *_options);
TARVELIN_API TarvelinRezezadovuTransformStructureSynchronizer *
tarvelin_rezezadovu_transform_structure_synchronizer_construct(GType object_type, GeeHashMap *_options);
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema *tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_source(
    TarvelinRezezadovuTransformStructureSynchronizer *self);
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema *tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_target(
    TarvelinRezezadovuTransformStructureSynchronizer *self);

/* Compares two data sets row by row and runs the target builder's patch text of each
 * changed table. The sets are borrowed (NULL before initialize); a host may add tables. */
TARVELIN_API TarvelinRezezadovuTransformUserdataSynchronizer *tarvelin_rezezadovu_transform_userdata_synchronizer_new(
    GeeHashMap *_options);
TARVELIN_API TarvelinRezezadovuTransformUserdataSynchronizer *
tarvelin_rezezadovu_transform_userdata_synchronizer_construct(GType object_type, GeeHashMap *_options);
TARVELIN_API TarvelinProvidersContractsDataSetModel *tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_source(
    TarvelinRezezadovuTransformUserdataSynchronizer *self);
TARVELIN_API TarvelinProvidersContractsDataSetModel *tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_target(
    TarvelinRezezadovuTransformUserdataSynchronizer *self);

/* The comparison engine: IDENTICAL or UPDATE (INITIAL for a missing argument). The
 * structure comparisons mark members with what the target needs (INSERT create, DELETE
 * drop, UPDATE change) and hand out a new patched container when the result is UPDATE;
 * `patched` may be NULL. With with_names FALSE the target's database and schema names
 * count as the source's. */
TARVELIN_API TarvelinRezezadovuTransformPatcher *tarvelin_rezezadovu_transform_patcher_new(void);
TARVELIN_API TarvelinRezezadovuTransformPatcher *tarvelin_rezezadovu_transform_patcher_construct(GType object_type);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_object(
    TarvelinRezezadovuTransformPatcher *self, GObject *source, GObject *target);
/* Fills the target's difference and slice maps: an entry only the source has is DELETE,
 * one only the target has INSERT. */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_model(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaObject *object_source,
    TarvelinRezezadovuMetaModelMetaObject *object_target);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_view(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaView *source,
    TarvelinRezezadovuMetaModelMetaView *target, gboolean with_names, TarvelinRezezadovuMetaModelMetaView **patched);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_function(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaFunction *source,
    TarvelinRezezadovuMetaModelMetaFunction *target, gboolean with_names,
    TarvelinRezezadovuMetaModelMetaFunction **patched);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_event(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaEvent *source,
    TarvelinRezezadovuMetaModelMetaEvent *target, gboolean with_names, TarvelinRezezadovuMetaModelMetaEvent **patched);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_table(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaTable *source,
    TarvelinRezezadovuMetaModelMetaTable *target, gboolean with_names, TarvelinRezezadovuMetaModelMetaTable **patched);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_schema(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaSchema *source,
    TarvelinRezezadovuMetaModelMetaSchema *target, gboolean with_names,
    TarvelinRezezadovuMetaModelMetaSchema **patched);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_database(
    TarvelinRezezadovuTransformPatcher *self, TarvelinRezezadovuMetaModelMetaDatabase *source,
    TarvelinRezezadovuMetaModelMetaDatabase *target, gboolean with_names,
    TarvelinRezezadovuMetaModelMetaDatabase **patched);
/* Rows, tables and data sets pair their entries by position; a target list shorter than
 * the source's counts each missing entry as UPDATE. */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_row(
    TarvelinRezezadovuTransformPatcher *self, TarvelinProvidersContractsRowModel *source,
    TarvelinProvidersContractsRowModel *target, TarvelinProvidersContractsRowModel **patched);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_table(
    TarvelinRezezadovuTransformPatcher *self, TarvelinProvidersContractsTableModel *source,
    TarvelinProvidersContractsTableModel *target, TarvelinProvidersContractsTableModel **patched);
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_set(
    TarvelinRezezadovuTransformPatcher *self, TarvelinProvidersContractsDataSetModel *source,
    TarvelinProvidersContractsDataSetModel *target, TarvelinProvidersContractsDataSetModel **patched);

G_END_DECLS
