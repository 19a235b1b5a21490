// The data tool preferences: the external editor.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "providers/gobj/property_row.hpp"
#include "providers/gobj/register.hpp"

// clang-format off
#define TARVELIN_DATA_TOOL_SETTING_PROPERTIES(P) \
    P(Text, external_editor, "external-editor", nullptr, RW, "", OnChange)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT DataToolSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<DataToolSetting>& c);
    static gobj::Ref<DataToolSetting> create(GType type = gtype());

    TARVELIN_DATA_TOOL_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_DATA_TOOL_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSettingDataToolSetting, tarvelin::rezezadovu::contracts::setting::DataToolSetting)
