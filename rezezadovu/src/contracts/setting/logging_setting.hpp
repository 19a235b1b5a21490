// The logging preferences, read only by the host.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "rezezadovu/contracts/setting/setting_field.hpp"

// clang-format off
#define TARVELIN_LOGGING_SETTING_FIELDS(X) \
    X(UInt, file_size_max, "file-size-max", 0, 0) \
    X(UInt, logger_level, "logger-level", 0, 0)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT LoggingSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<LoggingSetting>& c);
    static gobj::Ref<LoggingSetting> create(GType type = gtype());

    TARVELIN_LOGGING_SETTING_FIELDS(TARVELIN_SETTING_ACCESSORS)

private:
    TARVELIN_LOGGING_SETTING_FIELDS(TARVELIN_SETTING_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting
