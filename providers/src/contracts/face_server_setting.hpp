// The saved-connections store and its groups, organizations and product-name lists.
#pragma once

#include <tarvelin/providers/face_server_setting.h>

#include <optional>
#include <string>
#include <vector>

#include "providers/contracts/face_server.hpp"
#include "providers/contracts/saved_file.hpp"
#include "providers/contracts/serializable.hpp"
#include "providers/gobj/gee.hpp"

namespace tarvelin::providers::contracts {
class ServerGroup;
class Organization;
}  // namespace tarvelin::providers::contracts

namespace tarvelin::gobj::prop {
using ServerList = Array<providers::contracts::Server>;
using ServerGroupList = Array<providers::contracts::ServerGroup>;
using OrganizationList = Array<providers::contracts::Organization>;
}  // namespace tarvelin::gobj::prop

// The lists of the store are shared, not copied, and never NULL (a critical refuses it):
// every list is walked without checks.
// clang-format off
#define TARVELIN_SERVER_GROUP_PROPERTIES(P) \
    P(OptionalText, name, "name", nullptr, RW, "", OnChange) \
    P(ServerList, servers, "servers", nullptr, RW, gobj::prop::empty_list, OnChange)
#define TARVELIN_ORGANIZATION_PROPERTIES(P) \
    P(OptionalText, name, "name", nullptr, RW, "", OnChange) \
    P(ServerGroupList, groups, "groups", nullptr, RW, gobj::prop::empty_list, OnChange)
#define TARVELIN_SERVER_SETTING_PROPERTIES(P) \
    P(OrganizationList, organizations, "organizations", nullptr, RW, gobj::prop::empty_list, OnChange) \
    P(ServerGroupList, groups, "groups", nullptr, RW, gobj::prop::empty_list, OnChange) \
    P(ServerList, servers, "servers", nullptr, RW, gobj::prop::empty_list, OnChange)
// clang-format on

namespace tarvelin::providers::contracts {

// A named list of records.
// Callers serialise.
class TARVELIN_EXPORT ServerGroup : public gobj::Object, public Serializable {
public:
    using Self = ServerGroup;
    static GType gtype();
    static void describe(gobj::ClassSpec<ServerGroup>& c);
    static gobj::Ref<ServerGroup> create(GType type = gtype());
    static gobj::Ref<ServerGroup> create_with_name(std::string name);
    // The same for any type derived from ServerGroup (the C constructor).
    static gobj::Ref<ServerGroup> construct_with_name(GType type, std::string name);

    TARVELIN_SERVER_GROUP_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    JsonNode* serialize_property(const char* name, const GValue* value, GParamSpec* pspec) override;
    bool deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) override;

private:
    TARVELIN_SERVER_GROUP_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

// A named list of groups.
// Callers serialise.
class TARVELIN_EXPORT Organization : public gobj::Object, public Serializable {
public:
    using Self = Organization;
    static GType gtype();
    static void describe(gobj::ClassSpec<Organization>& c);
    static gobj::Ref<Organization> create(GType type = gtype());
    static gobj::Ref<Organization> create_with_name(std::string name);
    // The same for any type derived from Organization (the C constructor).
    static gobj::Ref<Organization> construct_with_name(GType type, std::string name);

    TARVELIN_ORGANIZATION_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    JsonNode* serialize_property(const char* name, const GValue* value, GParamSpec* pspec) override;
    bool deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) override;

private:
    TARVELIN_ORGANIZATION_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

// The store: organizations, top-level groups and top-level records, kept in one JSON file.
// Callers serialise.
class TARVELIN_EXPORT ServerSetting : public gobj::Object, public Serializable {
public:
    using Self = ServerSetting;
    static GType gtype();
    static void describe(gobj::ClassSpec<ServerSetting>& c);
    static gobj::Ref<ServerSetting> create(GType type = gtype());

    TARVELIN_SERVER_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    // The file the last load named ("" before any load).
    const std::string& file_name() const { return file_name_; }

    // Files the record in the list the names lead to; emits "changed".
    void append(const gobj::Ref<Server>& server, const std::string& group_name, const std::string& org_name);
    // Takes the record (that very object) out of the same list; emits "changed".
    void remove(const gobj::Ref<Server>& server, const std::string& group_name, const std::string& org_name);
    // Organizations' groups, then top-level groups, then top-level records.
    std::vector<gobj::Ref<Server>> unite_servers() const;
    // Replaces the three lists with the file's content; errors are thrown.
    void load(const std::string& filename);
    // Writes the three lists to the file the last load named. After a load that found a
    // file it could not read as a store, or lost any of its members, the first save keeps
    // that file as a backup that is never overwritten ("<name>.bak", "<name>.1.bak", ...).
    void save();

    JsonNode* serialize_property(const char* name, const GValue* value, GParamSpec* pspec) override;
    bool deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) override;

    static guint changed_signal();

private:
    const gobj::GeeArray<Server>& target(const std::string& group_name, const std::string& org_name) const;

    TARVELIN_SERVER_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
    std::string file_name_;
    SavedFile file_;
};

// Carries nothing; the product-name arrays are exported beside it.
// Thread-safe (no state).
class TARVELIN_EXPORT ServerVendors : public gobj::Object {
public:
    static GType gtype();
    static gobj::Ref<ServerVendors> create(GType type = gtype());
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsServerGroup, tarvelin::providers::contracts::ServerGroup)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsOrganization, tarvelin::providers::contracts::Organization)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsServerSetting, tarvelin::providers::contracts::ServerSetting)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsServerVendors, tarvelin::providers::contracts::ServerVendors)
