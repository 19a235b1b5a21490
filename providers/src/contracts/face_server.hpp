// One saved connection record.
#pragma once

#include <tarvelin/providers/face_server.h>

#include <optional>
#include <string>
#include <vector>

#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/ref.hpp"

// The record's properties in installation order, which is the JSON member order. Every
// text declares NULL as its default, so the JSON file writes texts (even empty ones) and
// leaves out only port 0, ssh-port 22 and false flags. "databases" is written by the
// record itself (X): its C face hands the vector out with its length.
// clang-format off
#define TARVELIN_SERVER_PROPERTIES(P, X) \
    P(OptionalText, uuid, "uuid", nullptr, RW, "", OnChange) \
    P(OptionalText, provider, "provider", nullptr, RW, "UNKNOWN", OnChange) \
    P(OptionalText, driver, "driver", nullptr, RW, "", OnChange) \
    P(OptionalText, title, "title", nullptr, RW, "", OnChange) \
    P(OptionalText, host, "host", nullptr, RW, "", OnChange) \
    P(Int, port, "port", 0, RW, 0, OnChange) \
    P(OptionalText, username, "username", nullptr, RW, "", OnChange) \
    P(OptionalText, password, "password", nullptr, RW, "", OnChange) \
    P(OptionalText, initial, "initial", nullptr, RW, "", OnChange) \
    P(OptionalText, filename, "filename", nullptr, RW, "", OnChange) \
    P(OptionalText, location, "location", nullptr, RW, "", OnChange) \
    P(OptionalText, extensions, "extensions", nullptr, RW, "", OnChange) \
    X(Strv, databases, "databases", nullptr, RW, nullptr, Always) \
    P(OptionalText, options, "options", nullptr, RW, "", OnChange) \
    P(Bool, ssh_using, "ssh-using", false, RW, false, OnChange) \
    P(OptionalText, ssh_process, "ssh-process", nullptr, RW, "", OnChange) \
    P(OptionalText, ssh_host, "ssh-host", nullptr, RW, "", OnChange) \
    P(Int, ssh_port, "ssh-port", 22, RW, 22, OnChange) \
    P(OptionalText, ssh_auth_type, "ssh-auth-type", nullptr, RW, "password", OnChange) \
    P(OptionalText, ssh_username, "ssh-username", nullptr, RW, "", OnChange) \
    P(OptionalText, ssh_password, "ssh-password", nullptr, RW, "", OnChange) \
    P(OptionalText, ssh_key_private_file, "ssh-key-private-file", nullptr, RW, "", OnChange) \
    P(Bool, ssl_using, "ssl-using", false, RW, false, OnChange) \
    P(OptionalText, ssl_ca_file, "ssl-ca-file", nullptr, RW, "", OnChange) \
    P(OptionalText, ssl_cert_file, "ssl-cert-file", nullptr, RW, "", OnChange) \
    P(OptionalText, ssl_key_file, "ssl-key-file", nullptr, RW, "", OnChange) \
    P(OptionalText, ssl_mode, "ssl-mode", nullptr, RW, "require", OnChange) \
    P(OptionalText, ssl_password, "ssl-password", nullptr, RW, "", OnChange)
// clang-format on

// The text rows alone, for the record's access to a text by field (Server::Text).
#define TARVELIN_SERVER_IF_TEXT_OptionalText(...) __VA_ARGS__
#define TARVELIN_SERVER_IF_TEXT_Int(...)
#define TARVELIN_SERVER_IF_TEXT_Bool(...)
#define TARVELIN_SERVER_TEXT_FIELD(K, M, ...) TARVELIN_SERVER_IF_TEXT_##K(M, )
#define TARVELIN_SERVER_TEXT_MEMBER(K, M, ...) TARVELIN_SERVER_IF_TEXT_##K(&Server::M##_, )
#define TARVELIN_SERVER_TEXT_SETTER(K, M, ...) TARVELIN_SERVER_IF_TEXT_##K(&Server::set_##M, )
#define TARVELIN_SERVER_SKIP(...)

namespace tarvelin::providers::contracts {

// Callers serialise.
class TARVELIN_EXPORT Server : public gobj::Object {
public:
    using Self = Server;
    static GType gtype();
    static void describe(gobj::ClassSpec<Server>& c);

    // new: the initial values.
    static gobj::Ref<Server> create(GType type = gtype());
    // new_with_provider: that provider and a new random identifier.
    static gobj::Ref<Server> create_with_provider(std::string provider);
    // The same for any type derived from Server (the C constructor).
    static gobj::Ref<Server> construct_with_provider(GType type, std::string provider);
    // A random version-4 UUID in upper case, 36 characters.
    static std::string new_uuid();

    TARVELIN_SERVER_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS, TARVELIN_PROPERTY_PSPEC)

    // The text fields by name.
    enum class Text : int { TARVELIN_SERVER_PROPERTIES(TARVELIN_SERVER_TEXT_FIELD, TARVELIN_SERVER_SKIP) count };
    const std::optional<std::string>& get_text(Text which) const;
    // Stores a copy and notifies when the text differs (NULL equals only NULL).
    void set_text(Text which, std::optional<std::string> value);
    // The text, or "" for NULL: what the drivers build their parameters from.
    std::string text_or_empty(Text which) const { return get_text(which).value_or(std::string()); }

    // "databases": the stored NULL-terminated vector (borrowed; NULL when none) and its count.
    gchar** get_databases() const { return databases_.get(); }
    gint get_databases_length() const { return databases_length_; }
    // The vector with its count, as the C face hands it out.
    gchar** databases_with_length(gint& length) const;
    std::vector<std::string> databases() const;
    // The property system's setter: the count is the vector's own, NULL stores an empty one.
    void set_databases(gchar** value);
    // The very stored vector: nothing. Otherwise stores copies of the first `length`
    // texts (negative: no vector) and notifies, even for equal texts.
    void copy_databases(gchar** value, gint length);
    void set_database_names(const std::vector<std::string>& value);

    // A new Server holding this record's values; with new_uuid a new identifier.
    gobj::Ref<Server> clone(bool new_uuid) const;

    // The secret fields a host asked to protect while no protection could be applied: they
    // still hold clear text, which a save of the store must not write. The password
    // protection sets them when it fails and clears them when it succeeds.
    void mark_unprotected(const std::vector<Text>& fields);
    void clear_unprotected() { unprotected_ = 0; }
    // Of the marked fields, those that still hold a text.
    std::vector<Text> unprotected() const;

private:
    TARVELIN_SERVER_PROPERTIES(TARVELIN_PROPERTY_STORAGE, TARVELIN_SERVER_SKIP)
    gobj::Owned<gchar*, &g_strfreev> databases_{static_cast<gchar**>(g_malloc0(sizeof(gchar*)))};
    gint databases_length_ = 0;
    unsigned unprotected_ = 0;  // one bit per Text field
    static_assert(static_cast<int>(Text::count) <= 32);
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsServer, tarvelin::providers::contracts::Server)
