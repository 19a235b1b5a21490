// The network preferences: the optional proxy.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "rezezadovu/contracts/setting/setting_field.hpp"

// clang-format off
#define TARVELIN_NETWORK_SETTING_FIELDS(X) \
    X(Bool, proxy_using, "proxy-using", false, false) \
    X(UInt, proxy_type, "proxy-type", 0, 0) \
    X(Text, proxy_host, "proxy-host", "", nullptr) \
    X(Port, proxy_port, "proxy-port", 8080, 8080) \
    X(Text, proxy_username, "proxy-username", "", nullptr) \
    X(Text, proxy_password, "proxy-password", "", nullptr)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT NetworkSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<NetworkSetting>& c);
    static gobj::Ref<NetworkSetting> create(GType type = gtype());

    TARVELIN_NETWORK_SETTING_FIELDS(TARVELIN_SETTING_ACCESSORS)

private:
    TARVELIN_NETWORK_SETTING_FIELDS(TARVELIN_SETTING_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting
