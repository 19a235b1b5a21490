#include "providers/contracts/face_server.hpp"

TARVELIN_LOG_TAG("face_server")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(Server, "TarvelinProvidersContractsServer", gobj::Object)

namespace {
std::array<GParamSpec*, static_cast<int>(Server::Text::count)> s_text;
GParamSpec* s_port;
GParamSpec* s_ssh_port;
GParamSpec* s_ssh_using;
GParamSpec* s_ssl_using;
GParamSpec* s_databases;

template <Server::Text F, auto Get, auto Set>
void text_property(gobj::ClassSpec<Server>& c, const char* name) {
    s_text[static_cast<int>(F)] = c.property<Get, Set>(gobj::pspec::text(name, gobj::kReadWrite));
}
}  // namespace

void Server::describe(gobj::ClassSpec<Server>& c) {
    using T = Text;
    // Installation order is the JSON member order.
#define TEXT(field, name) text_property<T::field, &Server::get_##field, &Server::set_##field>(c, name)
    TEXT(uuid, "uuid");
    TEXT(provider, "provider");
    TEXT(driver, "driver");
    TEXT(title, "title");
    TEXT(host, "host");
    s_port = c.property<&Server::get_port, &Server::set_port>(
        gobj::pspec::int32("port", G_MININT32, G_MAXINT32, 0, gobj::kReadWrite));
    TEXT(username, "username");
    TEXT(password, "password");
    TEXT(initial, "initial");
    TEXT(filename, "filename");
    TEXT(location, "location");
    TEXT(extensions, "extensions");
    s_databases = c.property<&Server::get_databases, &Server::set_databases_strv>(
        gobj::pspec::boxed("databases", G_TYPE_STRV, gobj::kReadWrite));
    TEXT(options, "options");
    s_ssh_using = c.property<&Server::get_ssh_using, &Server::set_ssh_using>(
        gobj::pspec::boolean("ssh-using", gobj::kReadWrite));
    TEXT(ssh_process, "ssh-process");
    TEXT(ssh_host, "ssh-host");
    s_ssh_port = c.property<&Server::get_ssh_port, &Server::set_ssh_port>(
        gobj::pspec::int32("ssh-port", G_MININT32, G_MAXINT32, 22, gobj::kReadWrite));
    TEXT(ssh_auth_type, "ssh-auth-type");
    TEXT(ssh_username, "ssh-username");
    TEXT(ssh_password, "ssh-password");
    TEXT(ssh_key_private_file, "ssh-key-private-file");
    s_ssl_using = c.property<&Server::get_ssl_using, &Server::set_ssl_using>(
        gobj::pspec::boolean("ssl-using", gobj::kReadWrite));
    TEXT(ssl_ca_file, "ssl-ca-file");
    TEXT(ssl_cert_file, "ssl-cert-file");
    TEXT(ssl_key_file, "ssl-key-file");
    TEXT(ssl_mode, "ssl-mode");
    TEXT(ssl_password, "ssl-password");
#undef TEXT
}

Server::Server() : databases_(g_new0(gchar*, 1)) {
#define TARVELIN_SERVER_INITIAL(field, name, initial) texts_[static_cast<int>(Text::field)] = initial;
    TARVELIN_SERVER_TEXTS(TARVELIN_SERVER_INITIAL)
#undef TARVELIN_SERVER_INITIAL
}

Server::~Server() { g_strfreev(databases_); }

gobj::Ref<Server> Server::create(GType type) { return gobj::create<Server>(type); }

gobj::Ref<Server> Server::create_with_provider(std::string provider, GType type) {
    auto s = create(type);
    if (!s) return s;
    s->set_provider(std::move(provider));
    s->set_uuid(new_uuid());
    return s;
}

std::string Server::new_uuid() {
    gchar* lower = g_uuid_string_random();
    std::string upper = gobj::take_string(g_ascii_strup(lower, -1));
    g_free(lower);
    return upper;
}

void Server::set_text(Text which, std::optional<std::string> value) {
    if (gobj::assign(texts_[static_cast<int>(which)], std::move(value))) notify(s_text[static_cast<int>(which)]);
}
void Server::set_port(gint value) {
    if (gobj::assign(port_, value)) notify(s_port);
}
void Server::set_ssh_port(gint value) {
    if (gobj::assign(ssh_port_, value)) notify(s_ssh_port);
}
void Server::set_ssh_using(bool value) {
    if (gobj::assign(ssh_using_, value)) notify(s_ssh_using);
}
void Server::set_ssl_using(bool value) {
    if (gobj::assign(ssl_using_, value)) notify(s_ssl_using);
}

std::vector<std::string> Server::databases() const {
    std::vector<std::string> out;
    for (gint i = 0; databases_ && i < databases_length_; ++i) out.emplace_back(databases_[i] ? databases_[i] : "");
    return out;
}

void Server::set_databases(gchar** value, gint length) {
    if (value == databases_) return;
    // Never copy past the end of what the caller gave.
    if (!value && length > 0) length = 0;
    for (gint i = 0; i < length; ++i) {
        if (!value[i]) {
            length = i;
            break;
        }
    }
    gchar** copy = nullptr;
    if (length >= 0) {
        copy = g_new0(gchar*, length + 1);
        for (gint i = 0; i < length; ++i) copy[i] = g_strdup(value[i]);
    }
    g_strfreev(databases_);
    databases_ = copy;
    databases_length_ = length < 0 ? 0 : length;
    notify(s_databases);
}

void Server::set_databases(const std::vector<std::string>& value) {
    std::vector<gchar*> texts;
    for (const auto& s : value) texts.push_back(const_cast<gchar*>(s.c_str()));
    texts.push_back(nullptr);
    set_databases(texts.data(), static_cast<gint>(value.size()));
}

void Server::set_databases_strv(gchar** value) {
    set_databases(value, value ? static_cast<gint>(g_strv_length(value)) : 0);
}

gobj::Ref<Server> Server::clone(bool new_uuid) const {
    auto copy = create();
    GObjectClass* target = G_OBJECT_GET_CLASS(copy.gobj());
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(gobj()), &n);
    for (guint i = 0; i < n; ++i) {
        GParamSpec* p = specs[i];
        // Only what a Server has: a host subclass's own properties stay behind.
        if (!(p->flags & G_PARAM_WRITABLE) || !(p->flags & G_PARAM_READABLE) ||
            g_object_class_find_property(target, p->name) != p)
            continue;
        GValue v = G_VALUE_INIT;
        g_value_init(&v, p->value_type);
        g_object_get_property(gobj(), p->name, &v);
        g_object_set_property(copy.gobj(), p->name, &v);
        g_value_unset(&v);
    }
    g_free(specs);
    if (new_uuid) copy->set_uuid(Server::new_uuid());
    return copy;
}

}  // namespace tarvelin::providers::contracts
