/* Helper classes: reference-counted, without a GObject parent; their operations are
 * static. Text helpers, charset and file-type detection, and geographic conversions. */
#pragma once

#include <tarvelin/providers/base.h>
#include <tarvelin/providers/model_table.h>
#include <tarvelin/providers/value_binary.h>
#include <tarvelin/rezezadovu/meta_model.h>

G_BEGIN_DECLS

/* A helper class: its type, reference counting, GValue and property-spec functions,
 * and new/construct (an instance is never needed to use the operations). */
#define TARVELIN_REZEZADOVU_DECLARE_HELPER(TypeName, snake, UPPER)                                                  \
    TARVELIN_DECLARE_FUNDAMENTAL_TYPE(TypeName, tarvelin_rezezadovu_helpers_##snake, TARVELIN_REZEZADOVU_HELPERS, UPPER) \
    TARVELIN_API gpointer tarvelin_rezezadovu_helpers_##snake##_ref(gpointer instance);                             \
    TARVELIN_API void tarvelin_rezezadovu_helpers_##snake##_unref(gpointer instance);                               \
    TARVELIN_API void tarvelin_rezezadovu_helpers_value_set_##snake(GValue *value, gpointer v_object);              \
    TARVELIN_API void tarvelin_rezezadovu_helpers_value_take_##snake(GValue *value, gpointer v_object);             \
    TARVELIN_API gpointer tarvelin_rezezadovu_helpers_value_get_##snake(const GValue *value);                       \
    TARVELIN_API GParamSpec *tarvelin_rezezadovu_helpers_param_spec_##snake(                                        \
        const gchar *name, const gchar *nick, const gchar *blurb, GType object_type, GParamFlags flags);           \
    TARVELIN_API TypeName *tarvelin_rezezadovu_helpers_##snake##_new(void);                                         \
    TARVELIN_API TypeName *tarvelin_rezezadovu_helpers_##snake##_construct(GType object_type);

#define TARVELIN_REZEZADOVU_HELPERS_TYPE_STRING_HELPER (tarvelin_rezezadovu_helpers_string_helper_get_type())
#define TARVELIN_REZEZADOVU_HELPERS_TYPE_ENCODING_HELPER (tarvelin_rezezadovu_helpers_encoding_helper_get_type())
#define TARVELIN_REZEZADOVU_HELPERS_TYPE_FILE_TYPE_HELPER (tarvelin_rezezadovu_helpers_file_type_helper_get_type())
#define TARVELIN_REZEZADOVU_HELPERS_TYPE_LOCATION_HELPER (tarvelin_rezezadovu_helpers_location_helper_get_type())

TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersStringHelper, string_helper, STRING_HELPER)

TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersEncodingHelper, encoding_helper, ENCODING_HELPER)

TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersFileTypeHelper, file_type_helper, FILE_TYPE_HELPER)

TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersLocationHelper, location_helper, LOCATION_HELPER)

/* StringHelper. Arrays are NULL or hold `_length1` texts (a negative length counts up to
 * a NULL entry). Case-insensitive matching upper-cases both sides, except search_array,
 * which folds ASCII letters only. Every returned text, map and array is new. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_string_helper_stringify_data(GeeHashMap *data, const gchar *delimiter);
TARVELIN_API GeeHashMap *tarvelin_rezezadovu_helpers_string_helper_arraify_data(const gchar *connection,
                                                                               const gchar *delimiter);
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_string_helper_contains_array(const gchar *text, gchar **array,
                                                                              gint array_length1,
                                                                              gboolean case_sensitive);
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_index_with_array(const gchar *text, gchar **array,
                                                                            gint array_length1, gboolean case_sensitive);
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array(gchar **array, gint array_length1,
                                                                        const gchar *needle, gboolean case_sensitive);
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array_prefix(gchar **array, gint array_length1,
                                                                               const gchar *needle,
                                                                               gboolean case_sensitive);
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array_prefix_count(gchar **array, gint array_length1,
                                                                                     const gchar *needle,
                                                                                     gboolean case_sensitive);
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array_suffix(gchar **array, gint array_length1,
                                                                               const gchar *needle,
                                                                               gboolean case_sensitive);
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array_suffix_count(gchar **array, gint array_length1,
                                                                                     const gchar *needle,
                                                                                     gboolean case_sensitive);
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_string_helper_prefix_with_array(const gchar *content, gchar **array,
                                                                                 gint array_length1,
                                                                                 gboolean case_sensitive);
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_string_helper_suffix_with_array(const gchar *content, gchar **array,
                                                                                 gint array_length1,
                                                                                 gboolean case_sensitive);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_string_helper_replace_array(const gchar *plain, gchar **old_texts,
                                                                           gint old_texts_length1, gchar **new_texts,
                                                                           gint new_texts_length1);
/* Each out array is NULL-terminated; free with g_strfreev. */
TARVELIN_API void tarvelin_rezezadovu_helpers_string_helper_diff_array(gchar **old_array, gint old_array_length1,
                                                                      gchar **new_array, gint new_array_length1,
                                                                      gchar ***same, gint *same_length1,
                                                                      gchar ***removed, gint *removed_length1,
                                                                      gchar ***added, gint *added_length1);
/* `chars` is the body of a regular-expression character class. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_string_helper_trim_chars(const gchar *str, const gchar *chars);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_string_helper_proper_case(const gchar *text);

/* EncodingHelper: one process-wide instance, borrowed. */
TARVELIN_API TarvelinRezezadovuHelpersEncodingHelper *tarvelin_rezezadovu_helpers_encoding_helper_get_singleton(void);
/* The charset name uchardet reports, "" when it cannot tell. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_encoding_helper_detect_buffer(TarvelinRezezadovuHelpersEncodingHelper *self,
                                                                             const guint8 *buffer, gint buffer_length1);
/* These read nothing and answer "". */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_encoding_helper_detect_file(TarvelinRezezadovuHelpersEncodingHelper *self,
                                                                           const gchar *filename);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_encoding_helper_detect_stream(TarvelinRezezadovuHelpersEncodingHelper *self,
                                                                             GInputStream *stream);

/* FileTypeHelper: one process-wide instance, borrowed, its signature table read from the
 * resource "/org/gnome/Vorarode/settings/extensions.json" of the host's bundle. */
TARVELIN_API TarvelinRezezadovuHelpersFileTypeHelper *tarvelin_rezezadovu_helpers_file_type_helper_get_singleton(void);
/* The MIME type of the first matching signature, else "unknown/unknown". */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_file_type_helper_guess_file_type(
    TarvelinRezezadovuHelpersFileTypeHelper *self, const guint8 *buffer, gint buffer_length1);

/* LocationHelper: degrees, longitude first; conversions return a new array of two. */
TARVELIN_API gdouble tarvelin_rezezadovu_helpers_location_helper_fabs(gdouble x);
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_location_helper_out_of_china(gdouble longitude, gdouble latitude);
TARVELIN_API gdouble tarvelin_rezezadovu_helpers_location_helper_transform_latitude(gdouble x, gdouble y);
TARVELIN_API gdouble tarvelin_rezezadovu_helpers_location_helper_transform_longitude(gdouble x, gdouble y);
TARVELIN_API void tarvelin_rezezadovu_helpers_location_helper_delta(gdouble longitude, gdouble latitude,
                                                                   gdouble *d_longitude, gdouble *d_latitude);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_wgs84_to_gcj02(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_gcj02_to_wgs84(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_gcj02_to_bd09(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_bd09_to_gcj02(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_wgs84_to_bd09(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_bd09_to_wgs84(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_transform(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_wgs84_to_epsg3857(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_espg3857_to_wgs84(gdouble x, gdouble y,
                                                                                  gint *result_length1);
/* Great-circle distance in metres. */
TARVELIN_API gdouble tarvelin_rezezadovu_helpers_location_helper_distance(gdouble longitude1, gdouble latitude1,
                                                                         gdouble longitude2, gdouble latitude2);

/* DatabaseHelper: static conversions and SQL texts; every returned text is new.
 * Literals never let a value out of its quotes (single quotes doubled; bare kinds bare
 * only for number literals). Row texts refuse an empty column list (and, for INSERT, an
 * empty value list) and fewer values than columns with a critical and NULL. */
#define TARVELIN_REZEZADOVU_HELPERS_TYPE_DATABASE_HELPER (tarvelin_rezezadovu_helpers_database_helper_get_type())
TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersDatabaseHelper, database_helper, DATABASE_HELPER)

/* The text of a value by the name of its type; null_value where the value does not hold
 * what that name promises. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_glib_value_to_text(GValue *value,
                                                                                  const gchar *null_value);
/* Initialises `result` (zero-filled) to `type` and stores the text read as that type. */
TARVELIN_API void tarvelin_rezezadovu_helpers_database_helper_string_to_glib_value(GType type, const gchar *text,
                                                                                  GValue *result);
/* FALSE (and 0) when the value holds no type the conversion reads. */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_int64(GValue *value, gint64 *result);
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_uint64(GValue *value,
                                                                                      guint64 *result);
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_double(GValue *value,
                                                                                      gdouble *result);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_format_sql_value(
    TarvelinProvidersContractsDataType kind, TarvelinProvidersContractsValueObject *data_value);
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_database_helper_update_schema_with_model(
    TarvelinRezezadovuMetaModelMetaTable *table, TarvelinProvidersContractsTableModel *model);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_format_size(guint64 size);
/* null_value is required and never part of the result. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_summary(TarvelinProvidersContractsValueBinary *value,
                                                                       const gchar *null_value);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_make_fullname_mysql(const gchar *username);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_format_object_name(const gchar *schema,
                                                                                  const gchar *table);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_build_sql_update(
    const gchar *schema, const gchar *table, gchar **columns, gint columns_length1, gchar **values,
    gint values_length1, gchar **where_columns, gint where_columns_length1, gchar **where_values,
    gint where_values_length1);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_build_sql_insert(const gchar *schema,
                                                                                const gchar *table, gchar **columns,
                                                                                gint columns_length1, gchar **values,
                                                                                gint values_length1);
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_build_sql_delete(const gchar *schema,
                                                                                const gchar *table,
                                                                                gchar **where_columns,
                                                                                gint where_columns_length1,
                                                                                gchar **where_values,
                                                                                gint where_values_length1);

G_END_DECLS
