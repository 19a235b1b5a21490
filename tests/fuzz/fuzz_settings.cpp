// The settings file's loader under arbitrary files.
#include <cstddef>
#include <cstdint>

#include "rezezadovu/contracts/setting/user_setting.hpp"
#include "saved_file_fuzz.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::run(data, size, [] { return tarvelin::rezezadovu::contracts::setting::UserSetting::create(); });
}
