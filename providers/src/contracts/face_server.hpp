// One saved connection record.
#pragma once

#include <tarvelin/providers/face_server.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "providers/gobj/bridge.hpp"

// The text properties: C++ field, property name, value of a new record. Every text
// property declares NULL as its default, so the JSON file writes texts (even empty ones)
// and leaves out only port 0, ssh-port 22 and false flags.
#define TARVELIN_SERVER_TEXTS(X)                     \
    X(uuid, "uuid", "")                              \
    X(provider, "provider", "UNKNOWN")               \
    X(driver, "driver", "")                          \
    X(title, "title", "")                            \
    X(host, "host", "")                              \
    X(username, "username", "")                      \
    X(password, "password", "")                      \
    X(initial, "initial", "")                        \
    X(filename, "filename", "")                      \
    X(location, "location", "")                      \
    X(extensions, "extensions", "")                  \
    X(options, "options", "")                        \
    X(ssh_process, "ssh-process", "")                \
    X(ssh_host, "ssh-host", "")                      \
    X(ssh_auth_type, "ssh-auth-type", "password")    \
    X(ssh_username, "ssh-username", "")              \
    X(ssh_password, "ssh-password", "")              \
    X(ssh_key_private_file, "ssh-key-private-file", "") \
    X(ssl_ca_file, "ssl-ca-file", "")                \
    X(ssl_cert_file, "ssl-cert-file", "")            \
    X(ssl_key_file, "ssl-key-file", "")              \
    X(ssl_mode, "ssl-mode", "require")               \
    X(ssl_password, "ssl-password", "")

namespace tarvelin::providers::contracts {

// Callers serialise.
class TARVELIN_EXPORT Server : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<Server>& c);

    // new: the initial values.
    static gobj::Ref<Server> create(GType type = gtype());
    // new_with_provider: that provider and a new random identifier.
    static gobj::Ref<Server> create_with_provider(std::string provider, GType type = gtype());
    // A random version-4 UUID in upper case, 36 characters.
    static std::string new_uuid();

    Server();
    ~Server() override;

    enum class Text : int {
#define TARVELIN_SERVER_ENUM(field, name, initial) field,
        TARVELIN_SERVER_TEXTS(TARVELIN_SERVER_ENUM)
#undef TARVELIN_SERVER_ENUM
            count
    };
    const std::optional<std::string>& get_text(Text which) const { return texts_[static_cast<int>(which)]; }
    // Stores a copy and notifies when the text differs (NULL equals only NULL).
    void set_text(Text which, std::optional<std::string> value);
    // The text, or "" for NULL: what the drivers build their parameters from.
    std::string text_or_empty(Text which) const { return get_text(which).value_or(std::string()); }

#define TARVELIN_SERVER_ACCESSORS(field, name, initial)                                              \
    const std::optional<std::string>& get_##field() const { return get_text(Text::field); }         \
    void set_##field(std::optional<std::string> value) { set_text(Text::field, std::move(value)); }
    TARVELIN_SERVER_TEXTS(TARVELIN_SERVER_ACCESSORS)
#undef TARVELIN_SERVER_ACCESSORS

    gint get_port() const { return port_; }
    void set_port(gint value);
    gint get_ssh_port() const { return ssh_port_; }
    void set_ssh_port(gint value);
    bool get_ssh_using() const { return ssh_using_; }
    void set_ssh_using(bool value);
    bool get_ssl_using() const { return ssl_using_; }
    void set_ssl_using(bool value);

    // The stored NULL-terminated array (borrowed; NULL when none) and its count.
    gchar** get_databases() const { return databases_; }
    gint get_databases_length() const { return databases_length_; }
    std::vector<std::string> databases() const;
    // The very stored array: nothing. Otherwise stores copies of the first `length` texts
    // (negative: no array) and notifies, even for equal texts.
    void set_databases(gchar** value, gint length);
    void set_databases(const std::vector<std::string>& value);
    // The generic property interface: the count is the vector's own.
    void set_databases_strv(gchar** value);

    // A new Server holding this record's values; with new_uuid a new identifier.
    gobj::Ref<Server> clone(bool new_uuid) const;

private:
    std::array<std::optional<std::string>, static_cast<int>(Text::count)> texts_;
    gint port_ = 0;
    gint ssh_port_ = 22;
    bool ssh_using_ = false;
    bool ssl_using_ = false;
    gchar** databases_ = nullptr;
    gint databases_length_ = 0;
};

}  // namespace tarvelin::providers::contracts
