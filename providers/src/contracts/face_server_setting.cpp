#include "providers/contracts/face_server_setting.hpp"
#include "providers/gobj/register.hpp"

#include <glib/gstdio.h>

#include <cerrno>

TARVELIN_LOG_TAG("face_server_setting")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(ServerGroup, "TarvelinProvidersContractsServerGroup", gobj::Object, Serializable)
TARVELIN_GTYPE(Organization, "TarvelinProvidersContractsOrganization", gobj::Object, Serializable)
TARVELIN_GTYPE(ServerSetting, "TarvelinProvidersContractsServerSetting", gobj::Object, Serializable)
TARVELIN_GTYPE(ServerVendors, "TarvelinProvidersContractsServerVendors", gobj::Object)

namespace {

guint s_changed;

// A JSON array with json-glib's object serialisation of each element, in list order.
JsonNode* list_to_json(const GValue* value) {
    JsonArray* array = json_array_new();
    auto* list = static_cast<GeeList*>(g_value_get_object(value));
    gint n = list ? gee_collection_get_size(GEE_COLLECTION(list)) : 0;
    for (gint i = 0; i < n; ++i) {
        gpointer element = gee_list_get(list, i);
        if (!element) continue;
        json_array_add_element(array, json_gobject_serialize(G_OBJECT(element)));
        g_object_unref(element);
    }
    JsonNode* node = json_node_new(JSON_NODE_ARRAY);
    json_node_take_array(node, array);
    return node;
}

// A new list of E from a JSON array; members that are no array give an empty list and
// elements that are no object are skipped (they would make no record).
template <class E>
void list_from_json(GValue* value, JsonNode* node) {
    auto list = gobj::GeeArray<E>::create();
    if (node && JSON_NODE_HOLDS_ARRAY(node)) {
        JsonArray* array = json_node_get_array(node);
        for (guint i = 0, n = json_array_get_length(array); i < n; ++i) {
            JsonNode* element = json_array_get_element(array, i);
            if (!JSON_NODE_HOLDS_OBJECT(element)) continue;
            auto object = gobj::Ref<E>::adopt(json_gobject_deserialize(E::gtype(), element));
            if (object) list.append(object);
        }
    }
    g_value_set_object(value, list.list());
}

bool is(const char* a, const char* b) { return g_strcmp0(a, b) == 0; }

}  // namespace

// ---------------------------------------------------------------- ServerGroup

void ServerGroup::describe(gobj::ClassSpec<ServerGroup>& c) {
    TARVELIN_SERVER_GROUP_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}
gobj::Ref<ServerGroup> ServerGroup::create(GType type) { return gobj::create<ServerGroup>(type); }
gobj::Ref<ServerGroup> ServerGroup::create_with_name(std::string name) {
    return construct_with_name(gtype(), std::move(name));
}
gobj::Ref<ServerGroup> ServerGroup::construct_with_name(GType type, std::string name) {
    auto g = create(type);
    if (g) g->set_name(std::move(name));
    return g;
}
JsonNode* ServerGroup::serialize_property(const char* name, const GValue* value, GParamSpec* pspec) {
    if (is(name, "servers")) return list_to_json(value);
    return Serializable::serialize_property(name, value, pspec);
}
bool ServerGroup::deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) {
    if (!is(name, "servers")) return Serializable::deserialize_property(name, value, pspec, node);
    list_from_json<Server>(value, node);
    return true;
}

// ---------------------------------------------------------------- Organization

void Organization::describe(gobj::ClassSpec<Organization>& c) {
    TARVELIN_ORGANIZATION_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}
gobj::Ref<Organization> Organization::create(GType type) { return gobj::create<Organization>(type); }
gobj::Ref<Organization> Organization::create_with_name(std::string name) {
    return construct_with_name(gtype(), std::move(name));
}
gobj::Ref<Organization> Organization::construct_with_name(GType type, std::string name) {
    auto o = create(type);
    if (o) o->set_name(std::move(name));
    return o;
}
JsonNode* Organization::serialize_property(const char* name, const GValue* value, GParamSpec* pspec) {
    if (is(name, "groups")) return list_to_json(value);
    return Serializable::serialize_property(name, value, pspec);
}
bool Organization::deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) {
    if (!is(name, "groups")) return Serializable::deserialize_property(name, value, pspec, node);
    list_from_json<ServerGroup>(value, node);
    return true;
}

// ---------------------------------------------------------------- ServerSetting

void ServerSetting::describe(gobj::ClassSpec<ServerSetting>& c) {
    TARVELIN_SERVER_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    s_changed = c.signal("changed", G_SIGNAL_RUN_LAST);
}
guint ServerSetting::changed_signal() { return s_changed; }

gobj::Ref<ServerSetting> ServerSetting::create(GType type) { return gobj::create<ServerSetting>(type); }

const gobj::GeeArray<Server>& ServerSetting::target(const std::string& group_name, const std::string& org_name) const {
    const Organization* org = nullptr;
    if (!org_name.empty()) {
        for (int i = 0, n = organizations_.size(); i < n && !org; ++i) {
            Organization* o = organizations_.peek(i);
            if (o && o->get_name() == org_name) org = o;
        }
    }
    if (group_name.empty()) return servers_;
    // An organization without that group sends the record to the top level, not to a
    // top-level group of the same name.
    const gobj::GeeArray<ServerGroup>& groups = org ? org->get_groups() : groups_;
    for (int i = 0, n = groups.size(); i < n; ++i) {
        ServerGroup* g = groups.peek(i);
        if (g && g->get_name() == group_name) return g->get_servers();
    }
    return servers_;
}

void ServerSetting::append(const gobj::Ref<Server>& server, const std::string& group_name,
                           const std::string& org_name) {
    target(group_name, org_name).append(server);
    emit(s_changed);
}

void ServerSetting::remove(const gobj::Ref<Server>& server, const std::string& group_name,
                           const std::string& org_name) {
    const auto& list = target(group_name, org_name);
    gint index = list.index_of(server);
    if (index >= 0) list.remove_at(index);
    emit(s_changed);
}

std::vector<gobj::Ref<Server>> ServerSetting::unite_servers() const {
    std::vector<gobj::Ref<Server>> all;
    auto add_list = [&](const gobj::GeeArray<Server>& list) {
        for (auto s : list)
            if (s) all.push_back(std::move(s));
    };
    for (const auto& org : organizations_)
        if (org)
            for (const auto& group : org->get_groups())
                if (group) add_list(group->get_servers());
    for (const auto& group : groups_)
        if (group) add_list(group->get_servers());
    add_list(servers_);
    return all;
}

void ServerSetting::load(const std::string& filename) {
    file_name_ = filename;
    auto parser = file_.parse(filename);
    JsonNode* root = json_parser_get_root(parser.get());
    gobj::Ref<ServerSetting> loaded;
    if (root && JSON_NODE_HOLDS_OBJECT(root))
        loaded = gobj::Ref<ServerSetting>::adopt(json_gobject_deserialize(gtype(), root));
    if (!loaded || !G_TYPE_CHECK_INSTANCE_TYPE(loaded.gobj(), gtype())) {
        // A file that exists but is no store is the user's: save must not lose it.
        file_.refuse();
        throw gobj::Error("ServerSetting", -2, _("Failed to load database setting file."));
    }
    file_.audit(root, G_OBJECT(loaded.gobj()));
    set_groups(loaded->get_groups().list());
    set_servers(loaded->get_servers().list());
    set_organizations(loaded->get_organizations().list());
}

void ServerSetting::save() {
    // A password the host asked to protect and that is still clear stays out of the file:
    // the save refuses before writing, so the file keeps what it held and the record keeps
    // its password for the next save, once a cipher protects it.
    for (const auto& server : unite_servers()) {
        if (server->unprotected().empty()) continue;
        auto name = server->get_title().value_or("");
        if (name.empty()) name = server->get_uuid().value_or("");
        throw gobj::Error("ServerSetting", -3,
                          gobj::take_string(g_strdup_printf(
                              _("the saved connection \"%s\" holds a password that was to be protected and is "
                                "not: register a symmetric cipher and encrypt its passwords before saving"),
                              name.c_str())));
    }
    JsonNode* root = json_gobject_serialize(gobj());
    try {
        file_.write(file_name_, root);
    } catch (...) {
        json_node_unref(root);
        throw;
    }
    json_node_unref(root);
}

JsonNode* ServerSetting::serialize_property(const char* name, const GValue* value, GParamSpec* pspec) {
    if (is(name, "organizations") || is(name, "groups") || is(name, "servers")) return list_to_json(value);
    return Serializable::serialize_property(name, value, pspec);
}
bool ServerSetting::deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) {
    if (is(name, "organizations")) {
        list_from_json<Organization>(value, node);
    } else if (is(name, "groups")) {
        list_from_json<ServerGroup>(value, node);
    } else if (is(name, "servers")) {
        list_from_json<Server>(value, node);
    } else {
        return Serializable::deserialize_property(name, value, pspec, node);
    }
    return true;
}

// ---------------------------------------------------------------- ServerVendors

gobj::Ref<ServerVendors> ServerVendors::create(GType type) { return gobj::create<ServerVendors>(type); }

}  // namespace tarvelin::providers::contracts
