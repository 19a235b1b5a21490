#include "providers/supports/mysql_common/error.hpp"

#include <glib/gprintf.h>

#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("error")

namespace tarvelin::providers::supports::mysql_common {

namespace {

const char* text_option(MYSQL* connection, mysql_option option) {
    const char* value = nullptr;
    if (mysql_get_option(connection, option, &value) != 0) return nullptr;
    return value;
}

// Some numeric options are stored as unsigned long, others as unsigned int: a zeroed
// 64-bit slot reads both.
unsigned long long number_option(MYSQL* connection, mysql_option option) {
    unsigned long value = 0;
    if (mysql_get_option(connection, option, &value) != 0) return 0;
    return value;
}

}  // namespace

std::string dump_text(MYSQL* connection) {
    if (connection == nullptr) return {};
    my_bool reconnect = 0;
    mysql_get_option(connection, MYSQL_OPT_RECONNECT, &reconnect);
    auto text_line = [&](const char* format, mysql_option option) {
        return gobj::take_string(g_strdup_printf(format, text_option(connection, option)));
    };
    auto number_line = [&](const char* format, mysql_option option) {
        return gobj::take_string(g_strdup_printf(format, number_option(connection, option)));
    };
    auto timeout_line = [&](const char* format, mysql_option option) {
        return gobj::take_string(
            g_strdup_printf(format, static_cast<unsigned>(number_option(connection, option))));
    };
    std::string text;
    text += text_line("Default options file: %s\n", MYSQL_READ_DEFAULT_FILE);
    text += text_line("Default options group: %s\n", MYSQL_READ_DEFAULT_GROUP);
    text += text_line("Charset name: %s\n", MYSQL_SET_CHARSET_NAME);
    text += text_line("Plugin path: %s\n", MYSQL_PLUGIN_DIR);
    text += text_line("Default auth: %s\n", MYSQL_DEFAULT_AUTH);
    text += text_line("Public key: %s\n", MYSQL_SERVER_PUBLIC_KEY);
    text += gobj::take_string(g_strdup_printf("Auto reconnect: %d\n", static_cast<int>(reconnect)));
    text += number_line("Max packet size: %llu\n", MYSQL_OPT_MAX_ALLOWED_PACKET);
    text += number_line("Net buffer size: %llu\n", MYSQL_OPT_NET_BUFFER_LENGTH);
    text += timeout_line("Connect timeout: %u\n", MYSQL_OPT_CONNECT_TIMEOUT);
    text += timeout_line("Read timeout: %u\n", MYSQL_OPT_READ_TIMEOUT);
    text += timeout_line("Write timeout: %u\n", MYSQL_OPT_WRITE_TIMEOUT);
    return text;
}

void dump(MYSQL* connection) {
    std::string text = dump_text(connection);
    tlog_warning("Connection options:\n%s", text.c_str());
}

void fail(const Product& product, int code, const std::string& message) {
    throw gobj::Error(product.domain, code, message);
}

void raise_error(const Product& product, MYSQL* connection, int result) {
    if (result == 0) return;
    unsigned int number = connection ? mysql_errno(connection) : 0;
    if (number == 0) {
        // A failure must not pass for a success just because the library kept no number.
        fail(product, -1, _("The client library reported a failure without an error number."));
    }
    std::string message = mysql_error(connection);
    dump(connection);
    fail(product, static_cast<int>(number), message);
}

}  // namespace tarvelin::providers::supports::mysql_common
