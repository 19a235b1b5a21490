// The provider of the MariaDB driver.
#pragma once

#include "providers/supports/mariadb/error.hpp"
#include "providers/supports/mariadb/reader.hpp"
#include "providers/supports/mysql_common/provider.hpp"

namespace tarvelin::providers::supports::mariadb {

// What sets the MariaDB driver apart: its domain, the "program_name" attribute, the
// TLS version list, CLIENT_PROTOCOL_41 (and CLIENT_SSL with TLS) and the "utf8"
// fall-back with its "SET NAMES".
inline constexpr mysql_common::Product kProduct{
    .domain = "MariaDB",
    .reader_type = &MariaDBReader::gtype,
    .announce_program = true,
    .tls_versions = true,
    .extra_client_flags = CLIENT_PROTOCOL_41,
    .ssl_client_flag = true,
    .charset_fallback = true,
};

class TARVELIN_EXPORT MariaDBProvider final : public mysql_common::Provider, public IMariaDBError {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<MariaDBProvider>& c);
    static gobj::Ref<MariaDBProvider> create(GType type = gtype());

    MariaDBProvider() noexcept : Provider(kProduct) {}
};

}  // namespace tarvelin::providers::supports::mariadb

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsMariaDBProvider, tarvelin::providers::supports::mariadb::MariaDBProvider)
