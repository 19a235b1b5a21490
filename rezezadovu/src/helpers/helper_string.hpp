// Text and text-array operations shared by the dialects, the model and the host.
#pragma once

#include <tarvelin/rezezadovu/helpers.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "providers/gobj/fundamental.hpp"

namespace tarvelin::rezezadovu::helpers {

class TARVELIN_EXPORT StringHelper : public gobj::Fundamental {
public:
    using Texts = std::span<const std::string>;

    static GType gtype();
    static gobj::Ref<StringHelper> create(GType type = gtype());

    // key=value entries in the map's order, joined by the delimiter.
    static std::string stringify_data(GeeMap* data, std::string_view delimiter);
    // A new map of texts from "k=v<delimiter>k=v..."; a piece without "=" has no value.
    static gobj::GPtr<GeeHashMap> arraify_data(const std::string& connection, const std::string& delimiter);

    static bool contains_array(std::string_view text, Texts array, bool case_sensitive);
    // Byte offset of the first element, in array order, that occurs; -1 for none.
    static int index_with_array(std::string_view text, Texts array, bool case_sensitive);
    // Insensitive comparison folds ASCII letters only.
    static int search_array(Texts array, std::string_view needle, bool case_sensitive);
    static int search_array_prefix(Texts array, std::string_view needle, bool case_sensitive);
    static int search_array_prefix_count(Texts array, std::string_view needle, bool case_sensitive);
    static int search_array_suffix(Texts array, std::string_view needle, bool case_sensitive);
    static int search_array_suffix_count(Texts array, std::string_view needle, bool case_sensitive);
    static bool prefix_with_array(std::string_view content, Texts array, bool case_sensitive);
    static bool suffix_with_array(std::string_view content, Texts array, bool case_sensitive);
    // Literal replacement pair by pair, each on the previous result; none for arrays of
    // different lengths.
    static std::optional<std::string> replace_array(std::string_view plain, Texts old_texts, Texts new_texts);

    // Trimmed entries compared with trimmed entries; blank entries are ignored.
    static void diff_array(Texts old_array, Texts new_array, std::vector<std::string>& same,
                           std::vector<std::string>& removed, std::vector<std::string>& added);
    // Strips leading and trailing runs of the character class `chars`.
    static std::string trim_chars(const std::string& text, const std::string& chars);
    // Capitalises every word ("o'neil" -> "O'neil").
    static std::string proper_case(const std::string& text);

    // Upper case by Unicode mapping (ASCII only for text that is not UTF-8).
    static std::string upper(std::string_view text);
};

}  // namespace tarvelin::rezezadovu::helpers

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuHelpersStringHelper, tarvelin::rezezadovu::helpers::StringHelper)
