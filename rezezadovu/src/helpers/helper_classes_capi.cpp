// C face of the string, encoding, file-type and location helpers. TARVELIN_FUNDAMENTAL_CLASS_CAPI makes
//   tarvelin_rezezadovu_helpers_string_helper_get_type
//   tarvelin_rezezadovu_helpers_string_helper_ref
//   tarvelin_rezezadovu_helpers_string_helper_unref
//   tarvelin_rezezadovu_helpers_param_spec_string_helper
//   tarvelin_rezezadovu_helpers_value_set_string_helper
//   tarvelin_rezezadovu_helpers_value_take_string_helper
//   tarvelin_rezezadovu_helpers_value_get_string_helper
//   tarvelin_rezezadovu_helpers_string_helper_construct
//   tarvelin_rezezadovu_helpers_string_helper_new
//   tarvelin_rezezadovu_helpers_encoding_helper_get_type
//   tarvelin_rezezadovu_helpers_encoding_helper_ref
//   tarvelin_rezezadovu_helpers_encoding_helper_unref
//   tarvelin_rezezadovu_helpers_param_spec_encoding_helper
//   tarvelin_rezezadovu_helpers_value_set_encoding_helper
//   tarvelin_rezezadovu_helpers_value_take_encoding_helper
//   tarvelin_rezezadovu_helpers_value_get_encoding_helper
//   tarvelin_rezezadovu_helpers_encoding_helper_construct
//   tarvelin_rezezadovu_helpers_encoding_helper_new
//   tarvelin_rezezadovu_helpers_file_type_helper_get_type
//   tarvelin_rezezadovu_helpers_file_type_helper_ref
//   tarvelin_rezezadovu_helpers_file_type_helper_unref
//   tarvelin_rezezadovu_helpers_param_spec_file_type_helper
//   tarvelin_rezezadovu_helpers_value_set_file_type_helper
//   tarvelin_rezezadovu_helpers_value_take_file_type_helper
//   tarvelin_rezezadovu_helpers_value_get_file_type_helper
//   tarvelin_rezezadovu_helpers_file_type_helper_construct
//   tarvelin_rezezadovu_helpers_file_type_helper_new
//   tarvelin_rezezadovu_helpers_location_helper_get_type
//   tarvelin_rezezadovu_helpers_location_helper_ref
//   tarvelin_rezezadovu_helpers_location_helper_unref
//   tarvelin_rezezadovu_helpers_param_spec_location_helper
//   tarvelin_rezezadovu_helpers_value_set_location_helper
//   tarvelin_rezezadovu_helpers_value_take_location_helper
//   tarvelin_rezezadovu_helpers_value_get_location_helper
//   tarvelin_rezezadovu_helpers_location_helper_construct
//   tarvelin_rezezadovu_helpers_location_helper_new
#include "providers/gobj/fundamental_capi.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/helpers/helper_encoding.hpp"
#include "rezezadovu/helpers/helper_file_type.hpp"
#include "rezezadovu/helpers/helper_location.hpp"
#include "rezezadovu/helpers/helper_string.hpp"

TARVELIN_LOG_TAG("helper_classes_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::helpers;

namespace {
// The length of a C array of texts: 0 for none, up to its NULL entry for a negative length.
gint length_of(gchar** array, gint length) {
    if (!array) return 0;
    return length < 0 ? static_cast<gint>(g_strv_length(array)) : length;
}
}  // namespace

extern "C" {

TARVELIN_FUNDAMENTAL_CLASS_CAPI(StringHelper, TarvelinRezezadovuHelpersStringHelper,
                                tarvelin_rezezadovu_helpers_, string_helper)
TARVELIN_FUNDAMENTAL_CLASS_CAPI(EncodingHelper, TarvelinRezezadovuHelpersEncodingHelper,
                                tarvelin_rezezadovu_helpers_, encoding_helper)
TARVELIN_FUNDAMENTAL_CLASS_CAPI(FileTypeHelper, TarvelinRezezadovuHelpersFileTypeHelper,
                                tarvelin_rezezadovu_helpers_, file_type_helper)
TARVELIN_FUNDAMENTAL_CLASS_CAPI(LocationHelper, TarvelinRezezadovuHelpersLocationHelper,
                                tarvelin_rezezadovu_helpers_, location_helper)

// ---------------------------------------------------------------- StringHelper

gchar* tarvelin_rezezadovu_helpers_string_helper_stringify_data(GeeHashMap* data, const gchar* delimiter) {
    g_return_val_if_fail(data != NULL, NULL);
    g_return_val_if_fail(delimiter != NULL, NULL);
    return gobj::invoke<&StringHelper::stringify_data>(G_STRFUNC, data, delimiter);
}

GeeHashMap* tarvelin_rezezadovu_helpers_string_helper_arraify_data(const gchar* connection, const gchar* delimiter) {
    g_return_val_if_fail(connection != NULL, NULL);
    g_return_val_if_fail(delimiter != NULL, NULL);
    return gobj::invoke<&StringHelper::arraify_data>(G_STRFUNC, connection, delimiter);
}

gboolean tarvelin_rezezadovu_helpers_string_helper_contains_array(const gchar* text, gchar** array, gint array_length1,
                                                                 gboolean case_sensitive) {
    g_return_val_if_fail(text != NULL, FALSE);
    return gobj::invoke<&StringHelper::contains_array>(G_STRFUNC, text, array, array_length1, case_sensitive);
}

gint tarvelin_rezezadovu_helpers_string_helper_index_with_array(const gchar* text, gchar** array, gint array_length1,
                                                               gboolean case_sensitive) {
    g_return_val_if_fail(text != NULL, 0);
    return gobj::invoke<&StringHelper::index_with_array>(G_STRFUNC, text, array, array_length1, case_sensitive);
}

gint tarvelin_rezezadovu_helpers_string_helper_search_array(gchar** array, gint array_length1, const gchar* needle,
                                                           gboolean case_sensitive) {
    g_return_val_if_fail(needle != NULL, 0);
    return gobj::invoke<&StringHelper::search_array>(G_STRFUNC, array, array_length1, needle, case_sensitive);
}

gint tarvelin_rezezadovu_helpers_string_helper_search_array_prefix(gchar** array, gint array_length1,
                                                                  const gchar* needle, gboolean case_sensitive) {
    g_return_val_if_fail(needle != NULL, 0);
    return gobj::invoke<&StringHelper::search_array_prefix>(G_STRFUNC, array, array_length1, needle, case_sensitive);
}

gint tarvelin_rezezadovu_helpers_string_helper_search_array_prefix_count(gchar** array, gint array_length1,
                                                                        const gchar* needle, gboolean case_sensitive) {
    g_return_val_if_fail(needle != NULL, 0);
    return gobj::invoke<&StringHelper::search_array_prefix_count>(G_STRFUNC, array, array_length1, needle,
                                                                  case_sensitive);
}

gint tarvelin_rezezadovu_helpers_string_helper_search_array_suffix(gchar** array, gint array_length1,
                                                                  const gchar* needle, gboolean case_sensitive) {
    g_return_val_if_fail(needle != NULL, 0);
    return gobj::invoke<&StringHelper::search_array_suffix>(G_STRFUNC, array, array_length1, needle, case_sensitive);
}

gint tarvelin_rezezadovu_helpers_string_helper_search_array_suffix_count(gchar** array, gint array_length1,
                                                                        const gchar* needle, gboolean case_sensitive) {
    g_return_val_if_fail(needle != NULL, 0);
    return gobj::invoke<&StringHelper::search_array_suffix_count>(G_STRFUNC, array, array_length1, needle,
                                                                  case_sensitive);
}

gboolean tarvelin_rezezadovu_helpers_string_helper_prefix_with_array(const gchar* content, gchar** array,
                                                                    gint array_length1, gboolean case_sensitive) {
    g_return_val_if_fail(content != NULL, FALSE);
    return gobj::invoke<&StringHelper::prefix_with_array>(G_STRFUNC, content, array, array_length1, case_sensitive);
}

gboolean tarvelin_rezezadovu_helpers_string_helper_suffix_with_array(const gchar* content, gchar** array,
                                                                    gint array_length1, gboolean case_sensitive) {
    g_return_val_if_fail(content != NULL, FALSE);
    return gobj::invoke<&StringHelper::suffix_with_array>(G_STRFUNC, content, array, array_length1, case_sensitive);
}

gchar* tarvelin_rezezadovu_helpers_string_helper_replace_array(const gchar* plain, gchar** old_texts,
                                                              gint old_texts_length1, gchar** new_texts,
                                                              gint new_texts_length1) {
    g_return_val_if_fail(plain != NULL, NULL);
    if (!TARVELIN_REQUIRE(length_of(old_texts, old_texts_length1) == length_of(new_texts, new_texts_length1),
                          "old_texts.length == new_texts.length")) {
        return nullptr;
    }
    return gobj::invoke<&StringHelper::replace_array>(G_STRFUNC, plain, old_texts, old_texts_length1, new_texts,
                                                      new_texts_length1);
}

void tarvelin_rezezadovu_helpers_string_helper_diff_array(gchar** old_array, gint old_array_length1,
                                                         gchar** new_array, gint new_array_length1, gchar*** same,
                                                         gint* same_length1, gchar*** removed, gint* removed_length1,
                                                         gchar*** added, gint* added_length1) {
    gobj::invoke<&StringHelper::diff_array>(G_STRFUNC, old_array, old_array_length1, new_array, new_array_length1, same,
                                            same_length1, removed, removed_length1, added, added_length1);
}

gchar* tarvelin_rezezadovu_helpers_string_helper_trim_chars(const gchar* str, const gchar* chars) {
    g_return_val_if_fail(str != NULL, NULL);
    g_return_val_if_fail(chars != NULL, NULL);
    return gobj::invoke<&StringHelper::trim_chars>(G_STRFUNC, str, chars);
}

gchar* tarvelin_rezezadovu_helpers_string_helper_proper_case(const gchar* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return gobj::invoke<&StringHelper::proper_case>(G_STRFUNC, text);
}

// ---------------------------------------------------------------- EncodingHelper

TarvelinRezezadovuHelpersEncodingHelper* tarvelin_rezezadovu_helpers_encoding_helper_get_singleton(void) {
    return gobj::invoke<&EncodingHelper::get_singleton, gobj::borrow>(G_STRFUNC);
}

gchar* tarvelin_rezezadovu_helpers_encoding_helper_detect_buffer(TarvelinRezezadovuHelpersEncodingHelper* self,
                                                                const guint8* buffer, gint buffer_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(buffer != NULL || buffer_length1 <= 0, NULL);
    return gobj::invoke<&EncodingHelper::detect_buffer>(G_STRFUNC, self, buffer, buffer_length1);
}

gchar* tarvelin_rezezadovu_helpers_encoding_helper_detect_file(TarvelinRezezadovuHelpersEncodingHelper* self,
                                                              const gchar* filename) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(filename != NULL, NULL);
    return gobj::invoke<&EncodingHelper::detect_file>(G_STRFUNC, self, filename);
}

gchar* tarvelin_rezezadovu_helpers_encoding_helper_detect_stream(TarvelinRezezadovuHelpersEncodingHelper* self,
                                                                GInputStream* stream) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(stream != NULL, NULL);
    return gobj::invoke<&EncodingHelper::detect_stream>(G_STRFUNC, self, stream);
}

// ---------------------------------------------------------------- FileTypeHelper

TarvelinRezezadovuHelpersFileTypeHelper* tarvelin_rezezadovu_helpers_file_type_helper_get_singleton(void) {
    return gobj::invoke<&FileTypeHelper::get_singleton, gobj::borrow>(G_STRFUNC);
}

gchar* tarvelin_rezezadovu_helpers_file_type_helper_guess_file_type(TarvelinRezezadovuHelpersFileTypeHelper* self,
                                                                   const guint8* buffer, gint buffer_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(buffer != NULL || buffer_length1 <= 0, NULL);
    return gobj::invoke<&FileTypeHelper::guess_file_type>(G_STRFUNC, self, buffer, buffer_length1);
}

// ---------------------------------------------------------------- LocationHelper

gdouble tarvelin_rezezadovu_helpers_location_helper_fabs(gdouble x) {
    return gobj::invoke<&LocationHelper::fabs>(G_STRFUNC, x);
}
gboolean tarvelin_rezezadovu_helpers_location_helper_out_of_china(gdouble longitude, gdouble latitude) {
    return gobj::invoke<&LocationHelper::out_of_china>(G_STRFUNC, longitude, latitude);
}
gdouble tarvelin_rezezadovu_helpers_location_helper_transform_latitude(gdouble x, gdouble y) {
    return gobj::invoke<&LocationHelper::transform_latitude>(G_STRFUNC, x, y);
}
gdouble tarvelin_rezezadovu_helpers_location_helper_transform_longitude(gdouble x, gdouble y) {
    return gobj::invoke<&LocationHelper::transform_longitude>(G_STRFUNC, x, y);
}
void tarvelin_rezezadovu_helpers_location_helper_delta(gdouble longitude, gdouble latitude, gdouble* d_longitude,
                                                      gdouble* d_latitude) {
    gobj::invoke<&LocationHelper::delta>(G_STRFUNC, longitude, latitude, d_longitude, d_latitude);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_wgs84_to_gcj02(gdouble longitude, gdouble latitude,
                                                                   gint* result_length1) {
    return gobj::invoke<&LocationHelper::wgs84_to_gcj02>(G_STRFUNC, longitude, latitude, result_length1);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_gcj02_to_wgs84(gdouble longitude, gdouble latitude,
                                                                   gint* result_length1) {
    return gobj::invoke<&LocationHelper::gcj02_to_wgs84>(G_STRFUNC, longitude, latitude, result_length1);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_gcj02_to_bd09(gdouble longitude, gdouble latitude,
                                                                  gint* result_length1) {
    return gobj::invoke<&LocationHelper::gcj02_to_bd09>(G_STRFUNC, longitude, latitude, result_length1);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_bd09_to_gcj02(gdouble longitude, gdouble latitude,
                                                                  gint* result_length1) {
    return gobj::invoke<&LocationHelper::bd09_to_gcj02>(G_STRFUNC, longitude, latitude, result_length1);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_wgs84_to_bd09(gdouble longitude, gdouble latitude,
                                                                  gint* result_length1) {
    return gobj::invoke<&LocationHelper::wgs84_to_bd09>(G_STRFUNC, longitude, latitude, result_length1);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_bd09_to_wgs84(gdouble longitude, gdouble latitude,
                                                                  gint* result_length1) {
    return gobj::invoke<&LocationHelper::bd09_to_wgs84>(G_STRFUNC, longitude, latitude, result_length1);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_transform(gdouble longitude, gdouble latitude,
                                                              gint* result_length1) {
    return gobj::invoke<&LocationHelper::transform>(G_STRFUNC, longitude, latitude, result_length1);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_wgs84_to_epsg3857(gdouble longitude, gdouble latitude,
                                                                      gint* result_length1) {
    return gobj::invoke<&LocationHelper::wgs84_to_epsg3857>(G_STRFUNC, longitude, latitude, result_length1);
}
gdouble* tarvelin_rezezadovu_helpers_location_helper_espg3857_to_wgs84(gdouble x, gdouble y, gint* result_length1) {
    return gobj::invoke<&LocationHelper::espg3857_to_wgs84>(G_STRFUNC, x, y, result_length1);
}

gdouble tarvelin_rezezadovu_helpers_location_helper_distance(gdouble longitude1, gdouble latitude1, gdouble longitude2,
                                                            gdouble latitude2) {
    return gobj::invoke<&LocationHelper::distance>(G_STRFUNC, longitude1, latitude1, longitude2, latitude2);
}

}  // extern "C"
