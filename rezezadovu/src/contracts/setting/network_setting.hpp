// The network preferences: the optional proxy.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "providers/gobj/property_row.hpp"
#include "providers/gobj/register.hpp"

// clang-format off
#define TARVELIN_NETWORK_SETTING_PROPERTIES(P) \
    P(Bool, proxy_using, "proxy-using", false, RW, false, OnChange) \
    P(UInt, proxy_type, "proxy-type", 0, RW, 0, OnChange) \
    P(Text, proxy_host, "proxy-host", nullptr, RW, "", OnChange) \
    P(UInt16, proxy_port, "proxy-port", 8080, RW, 8080, OnChange) \
    P(Text, proxy_username, "proxy-username", nullptr, RW, "", OnChange) \
    P(Text, proxy_password, "proxy-password", nullptr, RW, "", OnChange)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT NetworkSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<NetworkSetting>& c);
    static gobj::Ref<NetworkSetting> create(GType type = gtype());

    TARVELIN_NETWORK_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_NETWORK_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSettingNetworkSetting, tarvelin::rezezadovu::contracts::setting::NetworkSetting)
