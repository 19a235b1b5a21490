// The data tool preferences: the external editor.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "rezezadovu/contracts/setting/setting_field.hpp"

// clang-format off
#define TARVELIN_DATA_TOOL_SETTING_FIELDS(X) \
    X(Text, external_editor, "external-editor", "", nullptr)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT DataToolSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<DataToolSetting>& c);
    static gobj::Ref<DataToolSetting> create(GType type = gtype());

    TARVELIN_DATA_TOOL_SETTING_FIELDS(TARVELIN_SETTING_ACCESSORS)

private:
    TARVELIN_DATA_TOOL_SETTING_FIELDS(TARVELIN_SETTING_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting
