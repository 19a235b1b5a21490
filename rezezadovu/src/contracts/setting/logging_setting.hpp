// The logging preferences, read only by the host.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "providers/gobj/property_row.hpp"
#include "providers/gobj/register.hpp"

// clang-format off
#define TARVELIN_LOGGING_SETTING_PROPERTIES(P) \
    P(UInt, file_size_max, "file-size-max", 0, RW, 0, OnChange) \
    P(UInt, logger_level, "logger-level", 0, RW, 0, OnChange)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT LoggingSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<LoggingSetting>& c);
    static gobj::Ref<LoggingSetting> create(GType type = gtype());

    TARVELIN_LOGGING_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_LOGGING_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSettingLoggingSetting, tarvelin::rezezadovu::contracts::setting::LoggingSetting)
