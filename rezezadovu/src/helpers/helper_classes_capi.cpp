// C face of the string, encoding, file-type and location helpers.
#include <gee.h>

#include <algorithm>
#include <vector>

#include "rezezadovu/helpers/helper_capi.hpp"
#include "rezezadovu/helpers/helper_encoding.hpp"
#include "rezezadovu/helpers/helper_file_type.hpp"
#include "rezezadovu/helpers/helper_location.hpp"
#include "rezezadovu/helpers/helper_string.hpp"

TARVELIN_LOG_TAG("helper_classes_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::helpers;
using gobj::cast;

namespace {

// A C array of texts: NULL is empty, a negative length counts up to the NULL entry.
std::vector<std::string> texts_of(gchar** array, gint length) {
    std::vector<std::string> out;
    if (!array) return out;
    for (gint i = 0; length < 0 ? array[i] != nullptr : i < length; ++i) out.emplace_back(array[i] ? array[i] : "");
    return out;
}

// A new NULL-terminated array, its length through `length`; skipped when not asked for.
void hand_out(const std::vector<std::string>& texts, gchar*** out, gint* length) {
    if (out) {
        auto** array = g_new0(gchar*, texts.size() + 1);
        for (size_t i = 0; i < texts.size(); ++i) array[i] = gobj::dup_string(texts[i]);
        *out = array;
    }
    if (length) *length = static_cast<gint>(texts.size());
}

gdouble* point_of(const LocationHelper::Point& p, gint* result_length1) {
    auto* out = g_new(gdouble, 2);
    out[0] = p[0];
    out[1] = p[1];
    if (result_length1) *result_length1 = 2;
    return out;
}

}  // namespace

extern "C" {

TARVELIN_HELPER_CAPI(StringHelper, string_helper)
TARVELIN_HELPER_CAPI(EncodingHelper, encoding_helper)
TARVELIN_HELPER_CAPI(FileTypeHelper, file_type_helper)
TARVELIN_HELPER_CAPI(LocationHelper, location_helper)

// ---------------------------------------------------------------- StringHelper

gchar* tarvelin_rezezadovu_helpers_string_helper_stringify_data(GeeHashMap* data, const gchar* delimiter) {
    g_return_val_if_fail(data != NULL, NULL);
    g_return_val_if_fail(delimiter != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(StringHelper::stringify_data(GEE_MAP(data), delimiter)); });
}

GeeHashMap* tarvelin_rezezadovu_helpers_string_helper_arraify_data(const gchar* connection, const gchar* delimiter) {
    g_return_val_if_fail(connection != NULL, NULL);
    g_return_val_if_fail(delimiter != NULL, NULL);
    return gobj::guarded(__func__, [&] { return StringHelper::arraify_data(connection, delimiter).release(); },
                         (GeeHashMap*)nullptr);
}

gboolean tarvelin_rezezadovu_helpers_string_helper_contains_array(const gchar* text, gchar** array, gint array_length1,
                                                                 gboolean case_sensitive) {
    g_return_val_if_fail(text != NULL, FALSE);
    return StringHelper::contains_array(text, texts_of(array, array_length1), case_sensitive);
}

gint tarvelin_rezezadovu_helpers_string_helper_index_with_array(const gchar* text, gchar** array, gint array_length1,
                                                               gboolean case_sensitive) {
    g_return_val_if_fail(text != NULL, 0);
    return StringHelper::index_with_array(text, texts_of(array, array_length1), case_sensitive);
}

#define SEARCH_CAPI(op)                                                                                           \
    gint tarvelin_rezezadovu_helpers_string_helper_##op(gchar** array, gint array_length1, const gchar* needle,   \
                                                        gboolean case_sensitive) {                                \
        g_return_val_if_fail(needle != NULL, 0);                                                                  \
        return StringHelper::op(texts_of(array, array_length1), needle, case_sensitive);                          \
    }
SEARCH_CAPI(search_array)
SEARCH_CAPI(search_array_prefix)
SEARCH_CAPI(search_array_prefix_count)
SEARCH_CAPI(search_array_suffix)
SEARCH_CAPI(search_array_suffix_count)

gboolean tarvelin_rezezadovu_helpers_string_helper_prefix_with_array(const gchar* content, gchar** array,
                                                                    gint array_length1, gboolean case_sensitive) {
    g_return_val_if_fail(content != NULL, FALSE);
    return StringHelper::prefix_with_array(content, texts_of(array, array_length1), case_sensitive);
}

gboolean tarvelin_rezezadovu_helpers_string_helper_suffix_with_array(const gchar* content, gchar** array,
                                                                    gint array_length1, gboolean case_sensitive) {
    g_return_val_if_fail(content != NULL, FALSE);
    return StringHelper::suffix_with_array(content, texts_of(array, array_length1), case_sensitive);
}

gchar* tarvelin_rezezadovu_helpers_string_helper_replace_array(const gchar* plain, gchar** old_texts,
                                                              gint old_texts_length1, gchar** new_texts,
                                                              gint new_texts_length1) {
    g_return_val_if_fail(plain != NULL, NULL);
    std::vector<std::string> olds = texts_of(old_texts, old_texts_length1);
    std::vector<std::string> news = texts_of(new_texts, new_texts_length1);
    if (olds.size() != news.size()) {
        g_return_if_fail_warning(nullptr, G_STRFUNC, "old_texts.length == new_texts.length");
        return nullptr;
    }
    return gobj::dup_string(StringHelper::replace_array(plain, olds, news));
}

void tarvelin_rezezadovu_helpers_string_helper_diff_array(gchar** old_array, gint old_array_length1,
                                                         gchar** new_array, gint new_array_length1, gchar*** same,
                                                         gint* same_length1, gchar*** removed, gint* removed_length1,
                                                         gchar*** added, gint* added_length1) {
    StringHelper::Diff d =
        StringHelper::diff_array(texts_of(old_array, old_array_length1), texts_of(new_array, new_array_length1));
    hand_out(d.same, same, same_length1);
    hand_out(d.removed, removed, removed_length1);
    hand_out(d.added, added, added_length1);
}

gchar* tarvelin_rezezadovu_helpers_string_helper_trim_chars(const gchar* str, const gchar* chars) {
    g_return_val_if_fail(str != NULL, NULL);
    g_return_val_if_fail(chars != NULL, NULL);
    return gobj::dup_string(StringHelper::trim_chars(str, chars));
}

gchar* tarvelin_rezezadovu_helpers_string_helper_proper_case(const gchar* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return gobj::dup_string(StringHelper::proper_case(text));
}

// ---------------------------------------------------------------- EncodingHelper

TarvelinRezezadovuHelpersEncodingHelper* tarvelin_rezezadovu_helpers_encoding_helper_get_singleton(void) {
    return static_cast<TarvelinRezezadovuHelpersEncodingHelper*>(EncodingHelper::get_singleton().instance());
}

gchar* tarvelin_rezezadovu_helpers_encoding_helper_detect_buffer(TarvelinRezezadovuHelpersEncodingHelper* self,
                                                                const guint8* buffer, gint buffer_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(buffer != NULL || buffer_length1 <= 0, NULL);
    std::span<const guint8> bytes(buffer, buffer && buffer_length1 > 0 ? static_cast<size_t>(buffer_length1) : 0);
    return gobj::dup_string(cast<EncodingHelper>(self)->detect_buffer(bytes));
}

gchar* tarvelin_rezezadovu_helpers_encoding_helper_detect_file(TarvelinRezezadovuHelpersEncodingHelper* self,
                                                              const gchar* filename) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(filename != NULL, NULL);
    return gobj::dup_string(cast<EncodingHelper>(self)->detect_file(filename));
}

gchar* tarvelin_rezezadovu_helpers_encoding_helper_detect_stream(TarvelinRezezadovuHelpersEncodingHelper* self,
                                                                GInputStream* stream) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(stream != NULL, NULL);
    return gobj::dup_string(cast<EncodingHelper>(self)->detect_stream(stream));
}

// ---------------------------------------------------------------- FileTypeHelper

TarvelinRezezadovuHelpersFileTypeHelper* tarvelin_rezezadovu_helpers_file_type_helper_get_singleton(void) {
    return static_cast<TarvelinRezezadovuHelpersFileTypeHelper*>(FileTypeHelper::get_singleton().instance());
}

gchar* tarvelin_rezezadovu_helpers_file_type_helper_guess_file_type(TarvelinRezezadovuHelpersFileTypeHelper* self,
                                                                   const guint8* buffer, gint buffer_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(buffer != NULL || buffer_length1 <= 0, NULL);
    std::span<const guint8> bytes(buffer, buffer && buffer_length1 > 0 ? static_cast<size_t>(buffer_length1) : 0);
    return gobj::dup_string(cast<FileTypeHelper>(self)->guess_file_type(bytes));
}

// ---------------------------------------------------------------- LocationHelper

gdouble tarvelin_rezezadovu_helpers_location_helper_fabs(gdouble x) { return LocationHelper::fabs(x); }
gboolean tarvelin_rezezadovu_helpers_location_helper_out_of_china(gdouble longitude, gdouble latitude) {
    return LocationHelper::out_of_china(longitude, latitude);
}
gdouble tarvelin_rezezadovu_helpers_location_helper_transform_latitude(gdouble x, gdouble y) {
    return LocationHelper::transform_latitude(x, y);
}
gdouble tarvelin_rezezadovu_helpers_location_helper_transform_longitude(gdouble x, gdouble y) {
    return LocationHelper::transform_longitude(x, y);
}
void tarvelin_rezezadovu_helpers_location_helper_delta(gdouble longitude, gdouble latitude, gdouble* d_longitude,
                                                      gdouble* d_latitude) {
    LocationHelper::Point d = LocationHelper::delta(longitude, latitude);
    if (d_longitude) *d_longitude = d[0];
    if (d_latitude) *d_latitude = d[1];
}

#define POINT_CAPI(op, a, b)                                                                                   \
    gdouble* tarvelin_rezezadovu_helpers_location_helper_##op(gdouble a, gdouble b, gint* result_length1) {   \
        return point_of(LocationHelper::op(a, b), result_length1);                                             \
    }
POINT_CAPI(wgs84_to_gcj02, longitude, latitude)
POINT_CAPI(gcj02_to_wgs84, longitude, latitude)
POINT_CAPI(gcj02_to_bd09, longitude, latitude)
POINT_CAPI(bd09_to_gcj02, longitude, latitude)
POINT_CAPI(wgs84_to_bd09, longitude, latitude)
POINT_CAPI(bd09_to_wgs84, longitude, latitude)
POINT_CAPI(transform, longitude, latitude)
POINT_CAPI(wgs84_to_epsg3857, longitude, latitude)
POINT_CAPI(espg3857_to_wgs84, x, y)

gdouble tarvelin_rezezadovu_helpers_location_helper_distance(gdouble longitude1, gdouble latitude1, gdouble longitude2,
                                                            gdouble latitude2) {
    return LocationHelper::distance(longitude1, latitude1, longitude2, latitude2);
}

}  // extern "C"
