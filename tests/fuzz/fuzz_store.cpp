// The saved-connections store's loader under arbitrary files.
#include <cstddef>
#include <cstdint>

#include "providers/contracts/face_server_setting.hpp"
#include "saved_file_fuzz.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::run(data, size, [] { return tarvelin::providers::contracts::ServerSetting::create(); });
}
