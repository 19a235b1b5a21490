// The provider of the MySQL driver.
#pragma once

#include "providers/supports/mysql/error.hpp"
#include "providers/supports/mysql/reader.hpp"
#include "providers/supports/mysql_common/provider.hpp"

namespace tarvelin::providers::supports::mysql {

// What sets the MySQL driver apart: its domain and the plainer connect.
inline constexpr mysql_common::Product kProduct{
    .domain = "MySQL",
    .reader_type = &MySQLReader::gtype,
    .announce_program = false,
    .tls_versions = false,
    .extra_client_flags = 0,
    .ssl_client_flag = false,
    .charset_fallback = false,
};

class TARVELIN_EXPORT MySQLProvider final : public mysql_common::Provider, public IMySQLError {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<MySQLProvider>& c);
    static gobj::Ref<MySQLProvider> create(GType type = gtype());

    MySQLProvider() noexcept : Provider(kProduct) {}
};

}  // namespace tarvelin::providers::supports::mysql

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsMySQLProvider, tarvelin::providers::supports::mysql::MySQLProvider)
