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

// A named list of records.
// Callers serialise.
class TARVELIN_EXPORT ServerGroup : public gobj::Object, public Serializable {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ServerGroup>& c);
    static gobj::Ref<ServerGroup> create(GType type = gtype());
    static gobj::Ref<ServerGroup> create_with_name(std::string name, GType type = gtype());

    ServerGroup();

    const std::optional<std::string>& get_name() const { return name_; }
    void set_name(std::optional<std::string> value);
    const gobj::GeeArray<Server>& get_servers() const { return servers_; }
    GeeArrayList* servers_list() const { return servers_.list(); }
    // Shares the list; NULL is refused (a critical) so the group always has one.
    void set_servers(GeeArrayList* value);

    JsonNode* serialize_property(const char* name, const GValue* value, GParamSpec* pspec) override;
    bool deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) override;

private:
    std::optional<std::string> name_ = std::string();
    gobj::GeeArray<Server> servers_;
};

// A named list of groups.
// Callers serialise.
class TARVELIN_EXPORT Organization : public gobj::Object, public Serializable {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<Organization>& c);
    static gobj::Ref<Organization> create(GType type = gtype());
    static gobj::Ref<Organization> create_with_name(std::string name, GType type = gtype());

    Organization();

    const std::optional<std::string>& get_name() const { return name_; }
    void set_name(std::optional<std::string> value);
    const gobj::GeeArray<ServerGroup>& get_groups() const { return groups_; }
    GeeArrayList* groups_list() const { return groups_.list(); }
    void set_groups(GeeArrayList* value);

    JsonNode* serialize_property(const char* name, const GValue* value, GParamSpec* pspec) override;
    bool deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) override;

private:
    std::optional<std::string> name_ = std::string();
    gobj::GeeArray<ServerGroup> groups_;
};

// The store: organizations, top-level groups and top-level records, kept in one JSON file.
// Callers serialise.
class TARVELIN_EXPORT ServerSetting : public gobj::Object, public Serializable {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ServerSetting>& c);
    static gobj::Ref<ServerSetting> create(GType type = gtype());

    ServerSetting();

    const gobj::GeeArray<Organization>& get_organizations() const { return organizations_; }
    const gobj::GeeArray<ServerGroup>& get_groups() const { return groups_; }
    const gobj::GeeArray<Server>& get_servers() const { return servers_; }
    GeeArrayList* organizations_list() const { return organizations_.list(); }
    GeeArrayList* groups_list() const { return groups_.list(); }
    GeeArrayList* servers_list() const { return servers_.list(); }
    void set_organizations(GeeArrayList* value);
    void set_groups(GeeArrayList* value);
    void set_servers(GeeArrayList* value);
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

    gobj::GeeArray<Organization> organizations_;
    gobj::GeeArray<ServerGroup> groups_;
    gobj::GeeArray<Server> servers_;
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
