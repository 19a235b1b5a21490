// The SQL editor preferences.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "rezezadovu/contracts/setting/setting_field.hpp"

// clang-format off
#define TARVELIN_EDITOR_SETTING_FIELDS(X) \
    X(Bool, highlight_syntax, "highlight-syntax", true, true) \
    X(Bool, highlight_matching_brackets, "highlight-matching-brackets", true, true) \
    X(Bool, highlight_current_line, "highlight-current-line", true, true) \
    X(Bool, autocompletion, "autocompletion", true, true) \
    X(Bool, code_fold, "code-fold", false, false) \
    X(Bool, text_wrap, "text-wrap", true, true) \
    X(Bool, display_line_numbers, "display-line-numbers", true, true) \
    X(Bool, insert_tab_as_spaces, "insert-tab-as-spaces", true, true) \
    X(Bool, auto_indent, "auto-indent", true, true) \
    X(Int, indent_width, "indent-width", 4, 4) \
    X(Int, tab_width, "tab-width", 4, 4) \
    X(Text, font_with_size, "font-with-size", "", nullptr) \
    X(Bool, overview_map, "overview-map", false, false) \
    X(Text, style_scheme, "style-scheme", "Adwaita", nullptr)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT EditorSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<EditorSetting>& c);
    static gobj::Ref<EditorSetting> create(GType type = gtype());

    TARVELIN_EDITOR_SETTING_FIELDS(TARVELIN_SETTING_ACCESSORS)

    // Raised and observed by the host only.
    static inline guint s_changed = 0;

private:
    TARVELIN_EDITOR_SETTING_FIELDS(TARVELIN_SETTING_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting
