#include "providers/contracts/face_server.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("face_server")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(Server, "TarvelinProvidersContractsServer", gobj::Object)

void Server::describe(gobj::ClassSpec<Server>& c) {
    TARVELIN_SERVER_PROPERTIES(TARVELIN_PROPERTY_INSTALL, TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<Server> Server::create(GType type) { return gobj::create<Server>(type); }

gobj::Ref<Server> Server::create_with_provider(std::string provider) {
    return construct_with_provider(gtype(), std::move(provider));
}

gobj::Ref<Server> Server::construct_with_provider(GType type, std::string provider) {
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

const std::optional<std::string>& Server::get_text(Text which) const {
    static constexpr std::optional<std::string> Server::*fields[] = {
        TARVELIN_SERVER_PROPERTIES(TARVELIN_SERVER_TEXT_MEMBER, TARVELIN_SERVER_SKIP)};
    return this->*fields[static_cast<int>(which)];
}

void Server::set_text(Text which, std::optional<std::string> value) {
    static constexpr void (Server::*setters[])(std::optional<std::string>) = {
        TARVELIN_SERVER_PROPERTIES(TARVELIN_SERVER_TEXT_SETTER, TARVELIN_SERVER_SKIP)};
    (this->*setters[static_cast<int>(which)])(std::move(value));
}

gchar** Server::databases_with_length(gint& length) const {
    length = databases_length_;
    return databases_.get();
}

std::vector<std::string> Server::databases() const {
    std::vector<std::string> out;
    gchar** stored = databases_.get();
    for (gint i = 0; stored && i < databases_length_; ++i) out.emplace_back(stored[i] ? stored[i] : "");
    return out;
}

void Server::copy_databases(gchar** value, gint length) {
    if (value == databases_.get()) return;
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
    databases_.reset(copy);
    databases_length_ = length < 0 ? 0 : length;
    notify(databases_pspec);
}

void Server::set_databases(gchar** value) {
    copy_databases(value, value ? static_cast<gint>(g_strv_length(value)) : 0);
}

void Server::set_database_names(const std::vector<std::string>& value) {
    std::vector<gchar*> texts;
    for (const auto& s : value) texts.push_back(const_cast<gchar*>(s.c_str()));
    texts.push_back(nullptr);
    copy_databases(texts.data(), static_cast<gint>(value.size()));
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
    copy->unprotected_ = unprotected_;
    return copy;
}

void Server::mark_unprotected(const std::vector<Text>& fields) {
    for (Text f : fields) unprotected_ |= 1u << static_cast<int>(f);
}

std::vector<Server::Text> Server::unprotected() const {
    std::vector<Text> fields;
    for (int i = 0; i < static_cast<int>(Text::count); ++i) {
        const auto& text = get_text(static_cast<Text>(i));
        if ((unprotected_ & (1u << i)) && text && !text->empty()) fields.push_back(static_cast<Text>(i));
    }
    return fields;
}

}  // namespace tarvelin::providers::contracts
