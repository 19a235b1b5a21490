// The data grid preferences: submit mode, records limit, font and colours.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "providers/gobj/property_row.hpp"
#include "providers/gobj/register.hpp"

// clang-format off
#define TARVELIN_DATA_GRID_SETTING_PROPERTIES(P) \
    P(Text, submit_mode, "submit-mode", nullptr, RW, "live", OnChange) \
    P(Int, records_limit, "records-limit", 1000, RW, 1000, OnChange) \
    P(Text, font_with_size, "font-with-size", nullptr, RW, "monospace 10", OnChange) \
    P(Text, color_bg_dark, "color-bg-dark", nullptr, RW, "rgba(0, 0, 0, 0.05)", OnChange) \
    P(Text, color_bg_light, "color-bg-light", nullptr, RW, "rgba(255, 255, 255, 0.05)", OnChange) \
    P(Text, color_bg_dirty, "color-bg-dirty", nullptr, RW, "rgba(245, 108, 108, 0.3)", OnChange) \
    P(Text, color_text, "color-text", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_integer, "color-integer", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_float, "color-float", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_datetime, "color-datetime", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_binary, "color-binary", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_spatial, "color-spatial", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_compute, "color-compute", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_others, "color-others", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_dbnull, "color-dbnull", nullptr, RW, "rgba(0, 0, 0, 1.0)", OnChange) \
    P(Text, color_current, "color-current", nullptr, RW, "rgba(204, 204, 204, 0.8)", OnChange)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT DataGridSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<DataGridSetting>& c);
    static gobj::Ref<DataGridSetting> create(GType type = gtype());

    TARVELIN_DATA_GRID_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_DATA_GRID_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSettingDataGridSetting, tarvelin::rezezadovu::contracts::setting::DataGridSetting)
