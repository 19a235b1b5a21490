// C face of the saved-connections store.
#include "providers/gobj/bridge.hpp"
#include "providers/contracts/face_server_setting.hpp"

TARVELIN_LOG_TAG("face_server_setting_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

static_assert(sizeof(TarvelinProvidersContractsServerGroup) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsOrganization) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsServerSetting) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsServerVendors) == sizeof(gobj::Instance));

extern "C" {

TARVELIN_API extern const gchar* const TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT[5] = {
    "SQLite", "MariaDB", "MySQL", "PostgreSQL", "SQLServer"};
TARVELIN_API extern const gchar* const TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE[5] = {
    "MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer"};
TARVELIN_API extern const gchar* const TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE[8] = {
    "Access", "Excel", "SQLite", "MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer"};
TARVELIN_API extern const gchar* const TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL[3] = {
    "Access", "Excel", "SQLite"};

TARVELIN_API GType tarvelin_providers_contracts_server_group_get_type(void) { return ServerGroup::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_organization_get_type(void) { return Organization::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_server_setting_get_type(void) { return ServerSetting::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_server_vendors_get_type(void) { return ServerVendors::gtype(); }

TarvelinProvidersContractsServerVendors* tarvelin_providers_contracts_server_vendors_construct(GType object_type) {
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersContractsServerVendors*>(ServerVendors::create(object_type).release());
    });
}
TarvelinProvidersContractsServerVendors* tarvelin_providers_contracts_server_vendors_new(void) {
    return tarvelin_providers_contracts_server_vendors_construct(ServerVendors::gtype());
}

// ---------------------------------------------------------------- ServerGroup and Organization

#define NAMED_LIST_CAPI(C, Cpp, prefix, list)                                                                     \
    C* prefix##_construct(GType object_type) {                                                                    \
        return gobj::guarded(__func__, [&] { return static_cast<C*>(Cpp::create(object_type).release()); });      \
    }                                                                                                             \
    C* prefix##_new(void) { return prefix##_construct(Cpp::gtype()); }                                            \
    C* prefix##_construct_with_name(GType object_type, const gchar* _name) {                                      \
        g_return_val_if_fail(_name != NULL, NULL);                                                                \
        return gobj::guarded(__func__,                                                                            \
                             [&] { return static_cast<C*>(Cpp::create_with_name(_name, object_type).release()); }); \
    }                                                                                                             \
    C* prefix##_new_with_name(const gchar* _name) { return prefix##_construct_with_name(Cpp::gtype(), _name); }   \
    const gchar* prefix##_get_name(C* self) {                                                                     \
        g_return_val_if_fail(self != NULL, NULL);                                                                 \
        return gobj::c_str(cast<Cpp>(self)->get_name());                                                          \
    }                                                                                                             \
    void prefix##_set_name(C* self, const gchar* value) {                                                         \
        g_return_if_fail(self != NULL);                                                                           \
        gobj::guarded(__func__, [&] { cast<Cpp>(self)->set_name(gobj::opt(value)); });                       \
    }                                                                                                             \
    GeeArrayList* prefix##_get_##list(C* self) {                                                                  \
        g_return_val_if_fail(self != NULL, NULL);                                                                 \
        return cast<Cpp>(self)->list##_list();                                                                    \
    }                                                                                                             \
    void prefix##_set_##list(C* self, GeeArrayList* value) {                                                      \
        g_return_if_fail(self != NULL);                                                                           \
        gobj::guarded(__func__, [&] { cast<Cpp>(self)->set_##list(value); });                                \
    }

NAMED_LIST_CAPI(TarvelinProvidersContractsServerGroup, ServerGroup, tarvelin_providers_contracts_server_group, servers)
NAMED_LIST_CAPI(TarvelinProvidersContractsOrganization, Organization, tarvelin_providers_contracts_organization,
                groups)
#undef NAMED_LIST_CAPI

// ---------------------------------------------------------------- ServerSetting

TarvelinProvidersContractsServerSetting* tarvelin_providers_contracts_server_setting_construct(GType object_type) {
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersContractsServerSetting*>(ServerSetting::create(object_type).release());
    });
}
TarvelinProvidersContractsServerSetting* tarvelin_providers_contracts_server_setting_new(void) {
    return tarvelin_providers_contracts_server_setting_construct(ServerSetting::gtype());
}

#define SETTING_LIST_CAPI(list)                                                                                  \
    GeeArrayList* tarvelin_providers_contracts_server_setting_get_##list(TarvelinProvidersContractsServerSetting* self) { \
        g_return_val_if_fail(self != NULL, NULL);                                                                \
        return cast<ServerSetting>(self)->list##_list();                                                         \
    }                                                                                                            \
    void tarvelin_providers_contracts_server_setting_set_##list(TarvelinProvidersContractsServerSetting* self,    \
                                                                GeeArrayList* value) {                           \
        g_return_if_fail(self != NULL);                                                                          \
        gobj::guarded(__func__, [&] { cast<ServerSetting>(self)->set_##list(value); });                     \
    }
SETTING_LIST_CAPI(organizations)
SETTING_LIST_CAPI(groups)
SETTING_LIST_CAPI(servers)
#undef SETTING_LIST_CAPI

void tarvelin_providers_contracts_server_setting_append(TarvelinProvidersContractsServerSetting* self,
                                                        TarvelinProvidersContractsServer* server,
                                                        const gchar* group_name, const gchar* org_name) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(server != NULL);
    g_return_if_fail(group_name != NULL);
    g_return_if_fail(org_name != NULL);
    gobj::guarded(__func__, [&] {
        cast<ServerSetting>(self)->append(gobj::Ref<Server>::retain(server), group_name, org_name);
    });
}
void tarvelin_providers_contracts_server_setting_remove(TarvelinProvidersContractsServerSetting* self,
                                                        TarvelinProvidersContractsServer* server,
                                                        const gchar* group_name, const gchar* org_name) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(server != NULL);
    g_return_if_fail(group_name != NULL);
    g_return_if_fail(org_name != NULL);
    gobj::guarded(__func__, [&] {
        cast<ServerSetting>(self)->remove(gobj::Ref<Server>::retain(server), group_name, org_name);
    });
}
TarvelinProvidersContractsServer** tarvelin_providers_contracts_server_setting_unite_servers(
    TarvelinProvidersContractsServerSetting* self, gint* result_length1) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        auto all = cast<ServerSetting>(self)->unite_servers();
        auto** out = g_new0(TarvelinProvidersContractsServer*, all.size() + 1);
        for (size_t i = 0; i < all.size(); ++i) out[i] = static_cast<TarvelinProvidersContractsServer*>(all[i].release());
        if (result_length1) *result_length1 = static_cast<gint>(all.size());
        return out;
    });
}
void tarvelin_providers_contracts_server_setting_load(TarvelinProvidersContractsServerSetting* self,
                                                      const gchar* filename, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<ServerSetting>(self)->load(filename); });
}
void tarvelin_providers_contracts_server_setting_save(TarvelinProvidersContractsServerSetting* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<ServerSetting>(self)->save(); });
}

}  // extern "C"
