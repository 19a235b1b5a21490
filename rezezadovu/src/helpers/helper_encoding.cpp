#include "rezezadovu/helpers/helper_encoding.hpp"

#include <uchardet.h>

TARVELIN_LOG_TAG("helper_encoding")

namespace tarvelin::rezezadovu::helpers {

TARVELIN_FUNDAMENTAL_GTYPE(EncodingHelper, "TarvelinRezezadovuHelpersEncodingHelper", "TarvelinRezezadovuHelpersParamSpecEncodingHelper")

gobj::Ref<EncodingHelper> EncodingHelper::create(GType type) { return gobj::create<EncodingHelper>(type); }

EncodingHelper::EncodingHelper() : detector_(uchardet_new()) {}

EncodingHelper::~EncodingHelper() {
    if (detector_) uchardet_delete(detector_);
}

EncodingHelper& EncodingHelper::get_singleton() {
    static gsize once = 0;
    static EncodingHelper* instance = nullptr;
    if (g_once_init_enter(&once)) {
        instance = gobj::cast<EncodingHelper>(create().release());
        g_once_init_leave(&once, 1);
    }
    return *instance;
}

std::string EncodingHelper::detect_buffer(std::span<const guint8> buffer) {
    std::lock_guard<std::mutex> guard(lock_);
    if (!detector_) return {};
    uchardet_reset(detector_);
    if (!buffer.empty()) {
        uchardet_handle_data(detector_, reinterpret_cast<const char*>(buffer.data()), buffer.size());
    }
    uchardet_data_end(detector_);
    const char* charset = uchardet_get_charset(detector_);
    return charset ? charset : "";
}

std::string EncodingHelper::detect_file(const char*) const { return {}; }

std::string EncodingHelper::detect_stream(GInputStream*) const { return {}; }

}  // namespace tarvelin::rezezadovu::helpers
