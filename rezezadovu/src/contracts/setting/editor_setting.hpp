// The SQL editor preferences.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "providers/gobj/property_row.hpp"
#include "providers/gobj/register.hpp"

// clang-format off
#define TARVELIN_EDITOR_SETTING_PROPERTIES(P) \
    P(Bool, highlight_syntax, "highlight-syntax", true, RW, true, OnChange) \
    P(Bool, highlight_matching_brackets, "highlight-matching-brackets", true, RW, true, OnChange) \
    P(Bool, highlight_current_line, "highlight-current-line", true, RW, true, OnChange) \
    P(Bool, autocompletion, "autocompletion", true, RW, true, OnChange) \
    P(Bool, code_fold, "code-fold", false, RW, false, OnChange) \
    P(Bool, text_wrap, "text-wrap", true, RW, true, OnChange) \
    P(Bool, display_line_numbers, "display-line-numbers", true, RW, true, OnChange) \
    P(Bool, insert_tab_as_spaces, "insert-tab-as-spaces", true, RW, true, OnChange) \
    P(Bool, auto_indent, "auto-indent", true, RW, true, OnChange) \
    P(Int, indent_width, "indent-width", 4, RW, 4, OnChange) \
    P(Int, tab_width, "tab-width", 4, RW, 4, OnChange) \
    P(Text, font_with_size, "font-with-size", nullptr, RW, "", OnChange) \
    P(Bool, overview_map, "overview-map", false, RW, false, OnChange) \
    P(Text, style_scheme, "style-scheme", nullptr, RW, "Adwaita", OnChange)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT EditorSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<EditorSetting>& c);
    static gobj::Ref<EditorSetting> create(GType type = gtype());

    TARVELIN_EDITOR_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // Raised and observed by the host only.
    static inline guint s_changed = 0;

private:
    TARVELIN_EDITOR_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSettingEditorSetting, tarvelin::rezezadovu::contracts::setting::EditorSetting)
