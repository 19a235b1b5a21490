#include "providers/gobj/call.hpp"

#include <cstdarg>
#include <string>

TARVELIN_LOG_TAG("invoke")

namespace tarvelin::gobj::detail {

void instance_type_failed(const char* where, GType expected) noexcept {
    std::string condition = "G_TYPE_CHECK_INSTANCE_TYPE (self, ";
    condition += g_type_name(expected);
    condition += ")";
    g_return_if_fail_warning(nullptr, where, condition.c_str());
}

void call_without_interface(GType iface, gpointer instance) noexcept {
    if (!instance) {
        g_critical("call: no instance to call %s on", g_type_name(iface));
    } else {
        g_critical("call: %s does not implement %s", G_OBJECT_TYPE_NAME(instance), g_type_name(iface));
    }
}

void with_va_list(void (*body)(void* context, va_list args), void* context, ...) {
    va_list args;
    va_start(args, context);
    body(context, args);
    va_end(args);
}

}  // namespace tarvelin::gobj::detail
