#include "providers/supports/mysql_common/client.hpp"

#include <errmsg.h>

#include "providers/gobj/convert.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/log.hpp"
#include "providers/supports/mysql_common/error.hpp"

TARVELIN_LOG_TAG("client")

namespace tarvelin::providers::supports::mysql_common {

namespace {

constexpr const char* kCharset = "utf8mb4";
constexpr const char* kFallbackCharset = "utf8";
// Written for another platform's layout; used only where it exists, since pointing
// the library at a missing folder breaks the authentication plugins it loads.
constexpr const char* kPluginDir = "..\\lib\\mariadb\\plugin";
constexpr unsigned int kTimeoutSeconds = 3600;
constexpr const char* kTlsVersions = "TLSv1,TLSv1.1,TLSv1.2,TLSv1.3";
constexpr unsigned long kCommonClientFlags =
    CLIENT_FOUND_ROWS | CLIENT_CONNECT_WITH_DB | CLIENT_INTERACTIVE | CLIENT_MULTI_STATEMENTS | CLIENT_REMEMBER_OPTIONS;
constexpr unsigned long kOldestServer = 40100;

std::string text_property(GObject* object, const char* name) {
    gchar* value = nullptr;
    g_object_get(object, name, &value, nullptr);
    return gobj::take_string(value);
}

// The library reads "no file" from NULL; an empty text would name a file.
const char* file_or_null(const std::string& path) { return path.empty() ? nullptr : path.c_str(); }

void set_option(const Product& product, MYSQL* handle, mysql_option option, const void* value) {
    raise_error(product, handle, mysql_options(handle, option, value));
}

}  // namespace

void init_library() {
    static const bool done = [] {
        char* no_arguments[] = {nullptr};
        mysql_server_init(0, no_arguments, nullptr);
        return true;
    }();
    (void)done;
}

ConnectParams ConnectParams::from_server(GObject* server) {
    ConnectParams p;
    p.host = text_property(server, "host");
    g_object_get(server, "port", &p.port, nullptr);
    p.username = text_property(server, "username");
    p.password = text_property(server, "password");
    p.initial = text_property(server, "initial");
    gboolean ssl_using = FALSE;
    g_object_get(server, "ssl-using", &ssl_using, nullptr);
    p.ssl_using = ssl_using != FALSE;
    p.ssl_key_file = text_property(server, "ssl-key-file");
    p.ssl_cert_file = text_property(server, "ssl-cert-file");
    p.ssl_ca_file = text_property(server, "ssl-ca-file");
    p.ssl_password = text_property(server, "ssl-password");
    return p;
}

unsigned long client_flags(const Product& product, const ConnectParams& params) {
    unsigned long flags = kCommonClientFlags | product.extra_client_flags;
    if (params.ssl_using && product.ssl_client_flag) flags |= CLIENT_SSL;
    return flags;
}

void configure(const Product& product, MYSQL* handle, const ConnectParams& params) {
    set_option(product, handle, MYSQL_SET_CHARSET_NAME, kCharset);
    if (product.announce_program) {
        raise_error(product, handle, mysql_options4(handle, MYSQL_OPT_CONNECT_ATTR_ADD, "program_name", "tarvelin"));
    }
    // Nothing here loads client files, and the option would let a server ask for any of them.
    const unsigned int local_infile = 0;
    set_option(product, handle, MYSQL_OPT_LOCAL_INFILE, &local_infile);
    if (g_file_test(kPluginDir, G_FILE_TEST_IS_DIR)) set_option(product, handle, MYSQL_PLUGIN_DIR, kPluginDir);
    set_option(product, handle, MYSQL_OPT_CONNECT_TIMEOUT, &kTimeoutSeconds);
    set_option(product, handle, MYSQL_OPT_READ_TIMEOUT, &kTimeoutSeconds);
    set_option(product, handle, MYSQL_OPT_WRITE_TIMEOUT, &kTimeoutSeconds);
    // The library reads this option as a size_t. The network buffer length keeps the
    // library's default: it is process-wide and every connection allocates it whole.
    const size_t max_packet = 0xFFFFFFFFu;
    set_option(product, handle, MYSQL_OPT_MAX_ALLOWED_PACKET, &max_packet);
    const unsigned int default_protocol = 0;
    set_option(product, handle, MYSQL_OPT_PROTOCOL, &default_protocol);
    if (product.tls_versions) set_option(product, handle, MYSQL_OPT_TLS_VERSION, kTlsVersions);

    // Any call of the TLS set-up turns TLS on, so it is made only when asked for.
    if (params.ssl_using) {
        mysql_ssl_set(handle, file_or_null(params.ssl_key_file), file_or_null(params.ssl_cert_file),
                      file_or_null(params.ssl_ca_file), nullptr, nullptr);
        if (!params.ssl_password.empty()) {
            set_option(product, handle, MARIADB_OPT_TLS_PASSPHRASE, params.ssl_password.c_str());
        }
    }
}

const char* connect(const Product& product, MYSQL* handle, const ConnectParams& params) {
    const std::string database = params.database();
    const unsigned long flags = client_flags(product, params);
    auto attempt = [&] {
        return mysql_real_connect(handle, params.host.c_str(), params.username.c_str(), params.password.c_str(),
                                  database.c_str(), static_cast<unsigned int>(params.port), nullptr, flags) !=
               nullptr;
    };
    const char* charset = kCharset;
    if (product.charset_fallback) mysql_options(handle, MYSQL_SET_CHARSET_NAME, kCharset);
    if (!attempt()) {
        if (!product.charset_fallback || mysql_errno(handle) != CR_CANT_READ_CHARSET) raise_error(product, handle, -1);
        mysql_options(handle, MYSQL_SET_CHARSET_NAME, kFallbackCharset);
        charset = kFallbackCharset;
        if (!attempt()) raise_error(product, handle, -2);
    }
    if (product.charset_fallback && mysql_get_server_version(handle) < kOldestServer) {
        fail(product, -2, _("Servers older than 4.1 are not supported."));
    }
    const my_bool reconnect = 1;
    set_option(product, handle, MYSQL_OPT_RECONNECT, &reconnect);
    return charset;
}

}  // namespace tarvelin::providers::supports::mysql_common
