/* Transfer and synchronisation from C: a progress record through a GValue, a transfer
 * between two SQLite files, a comparison, and constructors refusing a missing map. */
#include "chost.h"

#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/rezezadovu.h>

static TarvelinRezezadovuSupportsDatabaseSQLiteConnection *open_file(const gchar *file, int *failures)
{
    TarvelinRezezadovuSupportsDatabaseSQLiteConnection *c = tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new();
    GError *error = NULL;
    tarvelin_providers_contracts_server_set_filename(server, file);
    tarvelin_rezezadovu_supports_database_connection_impl_open(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(c),
                                                               server, NULL, &error);
    CHOST_CHECK(*failures, error == NULL);
    g_clear_error(&error);
    g_object_unref(server);
    return c;
}

int chost_transform(void)
{
    int failures = 0;
    GError *error = NULL;
    gchar *dir = g_dir_make_tmp("chost-transform-XXXXXX", NULL);
    gchar *source_file = g_build_filename(dir, "s.db", NULL), *target_file = g_build_filename(dir, "t.db", NULL);
    TarvelinRezezadovuSupportsDatabaseSQLiteConnection *source = open_file(source_file, &failures);
    TarvelinRezezadovuSupportsDatabaseSQLiteConnection *target = open_file(target_file, &failures);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(source), "CREATE TABLE t (a INTEGER)", TRUE, &error);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(source), "INSERT INTO t VALUES (7)", TRUE, &error);
    CHOST_CHECK(failures, error == NULL);

    GeeHashMap *options = gee_hash_map_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, G_TYPE_STRING,
                                           (GBoxedCopyFunc)g_strdup, g_free, NULL, NULL, NULL, NULL, NULL, NULL,
                                           NULL, NULL, NULL);
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "schema|main|MODE", "false");
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "table|t|MODE", "false");
    TarvelinRezezadovuTransformTransfer *transfer = tarvelin_rezezadovu_transform_transfer_new(options);
    TarvelinRezezadovuTransformITransform *job = (TarvelinRezezadovuTransformITransform *)transfer;
    TarvelinRezezadovuContractsThreadProgress *progress = tarvelin_rezezadovu_contracts_thread_progress_new();

    GValue value = G_VALUE_INIT;
    g_value_init(&value, TARVELIN_REZEZADOVU_CONTRACTS_TYPE_THREAD_PROGRESS);
    tarvelin_rezezadovu_contracts_value_set_thread_progress(&value, progress);
    g_object_set_property(G_OBJECT(transfer), "progress", &value);
    g_value_unset(&value);
    CHOST_CHECK(failures, tarvelin_rezezadovu_transform_itransform_get_progress(job) == progress);

    tarvelin_rezezadovu_transform_itransform_set_server_source(job, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(source));
    tarvelin_rezezadovu_transform_itransform_set_server_target(job, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(target));
    tarvelin_rezezadovu_transform_itransform_initialize(job, &error);
    CHOST_CHECK(failures, error == NULL);
    tarvelin_rezezadovu_transform_itransform_handle(job);

    gint64 processed = 0, succeeded = 0, failed = -1;
    gboolean finished = FALSE;
    tarvelin_rezezadovu_contracts_thread_progress_snapshot(progress, &processed, &succeeded, &failed, NULL, &finished);
    CHOST_CHECK(failures, finished && failed == 0 && processed == succeeded && processed >= 5);
    gchar *first = tarvelin_rezezadovu_contracts_thread_progress_pop_message(progress);
    CHOST_CHECK(failures, first != NULL && strstr(first, " Load meta data......[done]") != NULL);
    g_free(first);
    TarvelinProvidersContractsValueObject *copied = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(target), "SELECT a FROM t", TRUE, &error);
    gchar *text = copied ? tarvelin_providers_contracts_value_object_to_string(copied) : NULL;
    CHOST_CHECK_STR(failures, text, "7");
    g_free(text);
    g_clear_object(&copied);

    TarvelinRezezadovuTransformPatcher *patcher = tarvelin_rezezadovu_transform_patcher_new();
    TarvelinRezezadovuMetaModelMetaTable *a = tarvelin_rezezadovu_meta_model_meta_table_new_with_names("d", "s", "t");
    TarvelinRezezadovuMetaModelMetaTable *b = tarvelin_rezezadovu_meta_model_meta_table_new_with_names("d", "x", "t");
    TarvelinRezezadovuMetaModelMetaTable *patched = NULL;
    CHOST_CHECK(failures, tarvelin_rezezadovu_transform_patcher_diff_meta_table(patcher, a, b, FALSE, &patched) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL);
    CHOST_CHECK(failures, tarvelin_rezezadovu_transform_patcher_diff_meta_table(patcher, a, b, TRUE, &patched) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_META_MODEL_IS_META_TABLE(patched));
    g_clear_object(&patched);

    TarvelinRezezadovuTransformStructureSynchronizer *sync = tarvelin_rezezadovu_transform_structure_synchronizer_new(options);
    CHOST_CHECK(failures, tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_source(sync) == NULL);
    TarvelinRezezadovuTransformUserdataSynchronizer *data = tarvelin_rezezadovu_transform_userdata_synchronizer_new(options);
    CHOST_CHECK(failures, tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_target(data) == NULL);

    g_object_unref(data);
    g_object_unref(sync);
    g_object_unref(a);
    g_object_unref(b);
    g_object_unref(patcher);
    g_object_unref(transfer);
    tarvelin_rezezadovu_contracts_thread_progress_unref(progress);
    g_object_unref(options);
    tarvelin_rezezadovu_supports_database_connection_impl_close(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(source));
    tarvelin_rezezadovu_supports_database_connection_impl_close(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(target));
    g_object_unref(source);
    g_object_unref(target);
    g_unlink(source_file);
    g_unlink(target_file);
    g_rmdir(dir);
    g_free(source_file);
    g_free(target_file);
    g_free(dir);
    return failures;
}
