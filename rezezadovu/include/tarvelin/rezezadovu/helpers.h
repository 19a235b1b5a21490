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

/**
 * tarvelin_rezezadovu_helpers_string_helper_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_string_helper_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
/**
 * tarvelin_rezezadovu_helpers_value_set_string_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_take_string_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_get_string_helper:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_helpers_param_spec_string_helper:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_string_helper_new:
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_string_helper_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersStringHelper, string_helper, STRING_HELPER)

/**
 * tarvelin_rezezadovu_helpers_encoding_helper_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_encoding_helper_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
/**
 * tarvelin_rezezadovu_helpers_value_set_encoding_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_take_encoding_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_get_encoding_helper:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_helpers_param_spec_encoding_helper:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_encoding_helper_new:
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_encoding_helper_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersEncodingHelper, encoding_helper, ENCODING_HELPER)

/**
 * tarvelin_rezezadovu_helpers_file_type_helper_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_file_type_helper_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
/**
 * tarvelin_rezezadovu_helpers_value_set_file_type_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_take_file_type_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_get_file_type_helper:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_helpers_param_spec_file_type_helper:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_file_type_helper_new:
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_file_type_helper_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersFileTypeHelper, file_type_helper, FILE_TYPE_HELPER)

/**
 * tarvelin_rezezadovu_helpers_location_helper_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_location_helper_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
/**
 * tarvelin_rezezadovu_helpers_value_set_location_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_take_location_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_get_location_helper:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_helpers_param_spec_location_helper:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_location_helper_new:
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_location_helper_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersLocationHelper, location_helper, LOCATION_HELPER)

/* StringHelper. Arrays are NULL or hold `_length1` texts (a negative length counts up to
 * a NULL entry). Case-insensitive matching upper-cases both sides, except search_array,
 * which folds ASCII letters only. Every returned text, map and array is new. */
/**
 * tarvelin_rezezadovu_helpers_string_helper_stringify_data:
 * @data: (not nullable) (element-type utf8 utf8): a #GeeHashMap
 * @delimiter: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_string_helper_stringify_data(GeeHashMap *data, const gchar *delimiter);
/**
 * tarvelin_rezezadovu_helpers_string_helper_arraify_data:
 * @connection: (not nullable): a text
 * @delimiter: (not nullable): a text
 *
 * Returns: (transfer full) (element-type utf8 utf8) (nullable): a new reference
 */
TARVELIN_API GeeHashMap *tarvelin_rezezadovu_helpers_string_helper_arraify_data(const gchar *connection,
                                                                               const gchar *delimiter);
/**
 * tarvelin_rezezadovu_helpers_string_helper_contains_array:
 * @text: (not nullable): a text
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_string_helper_contains_array(const gchar *text, gchar **array,
                                                                              gint array_length1,
                                                                              gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_index_with_array:
 * @text: (not nullable): a text
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 */
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_index_with_array(const gchar *text, gchar **array,
                                                                            gint array_length1, gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_search_array:
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 * @needle: (not nullable): a text
 */
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array(gchar **array, gint array_length1,
                                                                        const gchar *needle, gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_search_array_prefix:
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 * @needle: (not nullable): a text
 */
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array_prefix(gchar **array, gint array_length1,
                                                                               const gchar *needle,
                                                                               gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_search_array_prefix_count:
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 * @needle: (not nullable): a text
 */
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array_prefix_count(gchar **array, gint array_length1,
                                                                                     const gchar *needle,
                                                                                     gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_search_array_suffix:
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 * @needle: (not nullable): a text
 */
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array_suffix(gchar **array, gint array_length1,
                                                                               const gchar *needle,
                                                                               gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_search_array_suffix_count:
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 * @needle: (not nullable): a text
 */
TARVELIN_API gint tarvelin_rezezadovu_helpers_string_helper_search_array_suffix_count(gchar **array, gint array_length1,
                                                                                     const gchar *needle,
                                                                                     gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_prefix_with_array:
 * @content: (not nullable): a text
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_string_helper_prefix_with_array(const gchar *content, gchar **array,
                                                                                 gint array_length1,
                                                                                 gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_suffix_with_array:
 * @content: (not nullable): a text
 * @array: (array length=array_length1) (element-type utf8) (nullable): the items
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_string_helper_suffix_with_array(const gchar *content, gchar **array,
                                                                                 gint array_length1,
                                                                                 gboolean case_sensitive);
/**
 * tarvelin_rezezadovu_helpers_string_helper_replace_array:
 * @plain: (not nullable): a text
 * @old_texts: (array length=old_texts_length1) (element-type utf8) (nullable): the items
 * @new_texts: (array length=new_texts_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_string_helper_replace_array(const gchar *plain, gchar **old_texts,
                                                                           gint old_texts_length1, gchar **new_texts,
                                                                           gint new_texts_length1);
/**
 * tarvelin_rezezadovu_helpers_string_helper_diff_array:
 * @old_array: (array length=old_array_length1) (element-type utf8) (nullable): the items
 * @new_array: (array length=new_array_length1) (element-type utf8) (nullable): the items
 * @same: (array length=same_length1) (element-type utf8) (nullable): the items
 * @same_length1: (out): return location for the number of items
 * @removed: (array length=removed_length1) (element-type utf8) (nullable): the items
 * @removed_length1: (out): return location for the number of items
 * @added: (array length=added_length1) (element-type utf8) (nullable): the items
 * @added_length1: (out): return location for the number of items
 *
 * Each out array is NULL-terminated; free with g_strfreev.
 */
TARVELIN_API void tarvelin_rezezadovu_helpers_string_helper_diff_array(gchar **old_array, gint old_array_length1,
                                                                      gchar **new_array, gint new_array_length1,
                                                                      gchar ***same, gint *same_length1,
                                                                      gchar ***removed, gint *removed_length1,
                                                                      gchar ***added, gint *added_length1);
/* `chars` is the body of a regular-expression character class. */
/**
 * tarvelin_rezezadovu_helpers_string_helper_trim_chars:
 * @str: (not nullable): a text
 * @chars: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_string_helper_trim_chars(const gchar *str, const gchar *chars);
/**
 * tarvelin_rezezadovu_helpers_string_helper_proper_case:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_string_helper_proper_case(const gchar *text);

/**
 * tarvelin_rezezadovu_helpers_encoding_helper_get_singleton:
 *
 * EncodingHelper: one process-wide instance, borrowed.
 *
 * Returns: (transfer none): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuHelpersEncodingHelper *tarvelin_rezezadovu_helpers_encoding_helper_get_singleton(void);
/**
 * tarvelin_rezezadovu_helpers_encoding_helper_detect_buffer:
 * @self: (not nullable): the instance
 * @buffer: (array length=buffer_length1) (not nullable): the items
 *
 * The charset name uchardet reports, "" when it cannot tell.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_encoding_helper_detect_buffer(TarvelinRezezadovuHelpersEncodingHelper *self,
                                                                             const guint8 *buffer, gint buffer_length1);
/* These read nothing and answer "". */
/**
 * tarvelin_rezezadovu_helpers_encoding_helper_detect_file:
 * @self: (not nullable): the instance
 * @filename: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_encoding_helper_detect_file(TarvelinRezezadovuHelpersEncodingHelper *self,
                                                                           const gchar *filename);
/**
 * tarvelin_rezezadovu_helpers_encoding_helper_detect_stream:
 * @self: (not nullable): the instance
 * @stream: (not nullable): a #GInputStream
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_encoding_helper_detect_stream(TarvelinRezezadovuHelpersEncodingHelper *self,
                                                                             GInputStream *stream);

/**
 * tarvelin_rezezadovu_helpers_file_type_helper_get_singleton:
 *
 * FileTypeHelper: one process-wide instance, borrowed, its signature table read from the
 * resource "/org/gnome/Vorarode/settings/extensions.json" of the host's bundle.
 *
 * Returns: (transfer none): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuHelpersFileTypeHelper *tarvelin_rezezadovu_helpers_file_type_helper_get_singleton(void);
/**
 * tarvelin_rezezadovu_helpers_file_type_helper_guess_file_type:
 * @self: (not nullable): the instance
 * @buffer: (array length=buffer_length1) (not nullable): the items
 *
 * The MIME type of the first matching signature, else "unknown/unknown".
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_file_type_helper_guess_file_type(
    TarvelinRezezadovuHelpersFileTypeHelper *self, const guint8 *buffer, gint buffer_length1);

/* LocationHelper: degrees, longitude first; conversions return a new array of two. */
/**
 * tarvelin_rezezadovu_helpers_location_helper_fabs:
 */
TARVELIN_API gdouble tarvelin_rezezadovu_helpers_location_helper_fabs(gdouble x);
/**
 * tarvelin_rezezadovu_helpers_location_helper_out_of_china:
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_location_helper_out_of_china(gdouble longitude, gdouble latitude);
/**
 * tarvelin_rezezadovu_helpers_location_helper_transform_latitude:
 */
TARVELIN_API gdouble tarvelin_rezezadovu_helpers_location_helper_transform_latitude(gdouble x, gdouble y);
/**
 * tarvelin_rezezadovu_helpers_location_helper_transform_longitude:
 */
TARVELIN_API gdouble tarvelin_rezezadovu_helpers_location_helper_transform_longitude(gdouble x, gdouble y);
/**
 * tarvelin_rezezadovu_helpers_location_helper_delta:
 * @d_longitude: (out): return location
 * @d_latitude: (out): return location
 */
TARVELIN_API void tarvelin_rezezadovu_helpers_location_helper_delta(gdouble longitude, gdouble latitude,
                                                                   gdouble *d_longitude, gdouble *d_latitude);
/**
 * tarvelin_rezezadovu_helpers_location_helper_wgs84_to_gcj02:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_wgs84_to_gcj02(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_gcj02_to_wgs84:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_gcj02_to_wgs84(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_gcj02_to_bd09:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_gcj02_to_bd09(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_bd09_to_gcj02:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_bd09_to_gcj02(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_wgs84_to_bd09:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_wgs84_to_bd09(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_bd09_to_wgs84:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_bd09_to_wgs84(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_transform:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_transform(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_wgs84_to_epsg3857:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_wgs84_to_epsg3857(gdouble longitude, gdouble latitude,
                                                                 gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_espg3857_to_wgs84:
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API gdouble *tarvelin_rezezadovu_helpers_location_helper_espg3857_to_wgs84(gdouble x, gdouble y,
                                                                                  gint *result_length1);
/**
 * tarvelin_rezezadovu_helpers_location_helper_distance:
 *
 * Great-circle distance in metres.
 */
TARVELIN_API gdouble tarvelin_rezezadovu_helpers_location_helper_distance(gdouble longitude1, gdouble latitude1,
                                                                         gdouble longitude2, gdouble latitude2);

/* DatabaseHelper: static conversions and SQL texts; every returned text is new.
 * Literals never let a value out of its quotes (single quotes doubled; bare kinds bare
 * only for number literals). Row texts refuse an empty column list (and, for INSERT, an
 * empty value list) and fewer values than columns with a critical and NULL. */
#define TARVELIN_REZEZADOVU_HELPERS_TYPE_DATABASE_HELPER (tarvelin_rezezadovu_helpers_database_helper_get_type())
/**
 * tarvelin_rezezadovu_helpers_database_helper_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_database_helper_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
/**
 * tarvelin_rezezadovu_helpers_value_set_database_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_take_database_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_get_database_helper:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_helpers_param_spec_database_helper:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_database_helper_new:
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_database_helper_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersDatabaseHelper, database_helper, DATABASE_HELPER)

/**
 * tarvelin_rezezadovu_helpers_database_helper_glib_value_to_text:
 * @value: (not nullable): a #GValue
 * @null_value: (not nullable): a text
 *
 * The text of a value by the name of its type; null_value where the value does not hold
 * what that name promises.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_glib_value_to_text(GValue *value,
                                                                                  const gchar *null_value);
/**
 * tarvelin_rezezadovu_helpers_database_helper_string_to_glib_value:
 * @text: (not nullable): a text
 * @result: (out caller-allocates): a zero-filled value to initialise
 *
 * Initialises `result` (zero-filled) to `type` and stores the text read as that type.
 */
TARVELIN_API void tarvelin_rezezadovu_helpers_database_helper_string_to_glib_value(GType type, const gchar *text,
                                                                                  GValue *result);
/* FALSE (and 0) when the value holds no type the conversion reads. */
/**
 * tarvelin_rezezadovu_helpers_database_helper_glib_value_to_int64:
 * @value: (not nullable): a #GValue
 * @result: (out): return location
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_int64(GValue *value, gint64 *result);
/**
 * tarvelin_rezezadovu_helpers_database_helper_glib_value_to_uint64:
 * @value: (not nullable): a #GValue
 * @result: (out): return location
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_uint64(GValue *value,
                                                                                      guint64 *result);
/**
 * tarvelin_rezezadovu_helpers_database_helper_glib_value_to_double:
 * @value: (not nullable): a #GValue
 * @result: (out): return location
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_database_helper_glib_value_to_double(GValue *value,
                                                                                      gdouble *result);
/**
 * tarvelin_rezezadovu_helpers_database_helper_format_sql_value:
 * @data_value: (not nullable): a #TarvelinProvidersContractsValueObject
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_format_sql_value(
    TarvelinProvidersContractsDataType kind, TarvelinProvidersContractsValueObject *data_value);
/**
 * tarvelin_rezezadovu_helpers_database_helper_update_schema_with_model:
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 * @model: (not nullable): a #TarvelinProvidersContractsTableModel
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_database_helper_update_schema_with_model(
    TarvelinRezezadovuMetaModelMetaTable *table, TarvelinProvidersContractsTableModel *model);
/**
 * tarvelin_rezezadovu_helpers_database_helper_format_size:
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_format_size(guint64 size);
/* null_value is required and never part of the result. */
/**
 * tarvelin_rezezadovu_helpers_database_helper_summary:
 * @value: (not nullable): a #TarvelinProvidersContractsValueBinary
 * @null_value: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_summary(TarvelinProvidersContractsValueBinary *value,
                                                                       const gchar *null_value);
/**
 * tarvelin_rezezadovu_helpers_database_helper_make_fullname_mysql:
 * @username: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_make_fullname_mysql(const gchar *username);
/**
 * tarvelin_rezezadovu_helpers_database_helper_format_object_name:
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_format_object_name(const gchar *schema,
                                                                                  const gchar *table);
/**
 * tarvelin_rezezadovu_helpers_database_helper_build_sql_update:
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @columns: (array length=columns_length1) (element-type utf8) (nullable): the items
 * @values: (array length=values_length1) (element-type utf8) (nullable): the items
 * @where_columns: (array length=where_columns_length1) (element-type utf8) (nullable): the items
 * @where_values: (array length=where_values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_build_sql_update(
    const gchar *schema, const gchar *table, gchar **columns, gint columns_length1, gchar **values,
    gint values_length1, gchar **where_columns, gint where_columns_length1, gchar **where_values,
    gint where_values_length1);
/**
 * tarvelin_rezezadovu_helpers_database_helper_build_sql_insert:
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @columns: (array length=columns_length1) (element-type utf8) (nullable): the items
 * @values: (array length=values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_build_sql_insert(const gchar *schema,
                                                                                const gchar *table, gchar **columns,
                                                                                gint columns_length1, gchar **values,
                                                                                gint values_length1);
/**
 * tarvelin_rezezadovu_helpers_database_helper_build_sql_delete:
 * @schema: (not nullable): a text
 * @table: (not nullable): a text
 * @where_columns: (array length=where_columns_length1) (element-type utf8) (nullable): the items
 * @where_values: (array length=where_values_length1) (element-type utf8) (nullable): the items
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_database_helper_build_sql_delete(const gchar *schema,
                                                                                const gchar *table,
                                                                                gchar **where_columns,
                                                                                gint where_columns_length1,
                                                                                gchar **where_values,
                                                                                gint where_values_length1);

G_END_DECLS
