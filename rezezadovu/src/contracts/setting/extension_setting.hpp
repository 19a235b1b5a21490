// The the loaded plug-ins, as one text.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "rezezadovu/contracts/setting/setting_field.hpp"

// clang-format off
#define TARVELIN_EXTENSION_SETTING_FIELDS(X) \
    X(Text, loaded_plugins, "loaded-plugins", "", nullptr)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT ExtensionSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ExtensionSetting>& c);
    static gobj::Ref<ExtensionSetting> create(GType type = gtype());

    TARVELIN_EXTENSION_SETTING_FIELDS(TARVELIN_SETTING_ACCESSORS)

private:
    TARVELIN_EXTENSION_SETTING_FIELDS(TARVELIN_SETTING_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting
