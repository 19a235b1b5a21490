// The data grid preferences: submit mode, records limit, font and colours.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "rezezadovu/contracts/setting/setting_field.hpp"

// clang-format off
#define TARVELIN_DATA_GRID_SETTING_FIELDS(X) \
    X(Text, submit_mode, "submit-mode", "live", nullptr) \
    X(Int, records_limit, "records-limit", 1000, 1000) \
    X(Text, font_with_size, "font-with-size", "monospace 10", nullptr) \
    X(Text, color_bg_dark, "color-bg-dark", "rgba(0, 0, 0, 0.05)", nullptr) \
    X(Text, color_bg_light, "color-bg-light", "rgba(255, 255, 255, 0.05)", nullptr) \
    X(Text, color_bg_dirty, "color-bg-dirty", "rgba(245, 108, 108, 0.3)", nullptr) \
    X(Text, color_text, "color-text", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_integer, "color-integer", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_float, "color-float", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_datetime, "color-datetime", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_binary, "color-binary", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_spatial, "color-spatial", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_compute, "color-compute", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_others, "color-others", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_dbnull, "color-dbnull", "rgba(0, 0, 0, 1.0)", nullptr) \
    X(Text, color_current, "color-current", "rgba(204, 204, 204, 0.8)", nullptr)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT DataGridSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<DataGridSetting>& c);
    static gobj::Ref<DataGridSetting> create(GType type = gtype());

    TARVELIN_DATA_GRID_SETTING_FIELDS(TARVELIN_SETTING_ACCESSORS)

private:
    TARVELIN_DATA_GRID_SETTING_FIELDS(TARVELIN_SETTING_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting
