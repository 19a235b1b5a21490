// C face of the saved-connections store.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_contracts_server_group_get_type,
// tarvelin_providers_contracts_server_group_construct, tarvelin_providers_contracts_server_group_new,
// tarvelin_providers_contracts_organization_get_type, tarvelin_providers_contracts_organization_construct,
// tarvelin_providers_contracts_organization_new, tarvelin_providers_contracts_server_setting_get_type,
// tarvelin_providers_contracts_server_setting_construct, tarvelin_providers_contracts_server_setting_new,
// tarvelin_providers_contracts_server_vendors_get_type, tarvelin_providers_contracts_server_vendors_construct,
// tarvelin_providers_contracts_server_vendors_new.
//
// Made by the property rows: tarvelin_providers_contracts_server_group_get_name,
// tarvelin_providers_contracts_server_group_set_name, tarvelin_providers_contracts_server_group_get_servers,
// tarvelin_providers_contracts_server_group_set_servers, tarvelin_providers_contracts_organization_get_name,
// tarvelin_providers_contracts_organization_set_name, tarvelin_providers_contracts_organization_get_groups,
// tarvelin_providers_contracts_organization_set_groups,
// tarvelin_providers_contracts_server_setting_get_organizations,
// tarvelin_providers_contracts_server_setting_set_organizations,
// tarvelin_providers_contracts_server_setting_get_groups, tarvelin_providers_contracts_server_setting_set_groups,
// tarvelin_providers_contracts_server_setting_get_servers, tarvelin_providers_contracts_server_setting_set_servers.
#include "providers/contracts/face_server_setting.hpp"

TARVELIN_LOG_TAG("face_server_setting_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

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

TARVELIN_CLASS_CAPI(ServerVendors, TarvelinProvidersContractsServerVendors, tarvelin_providers_contracts_server_vendors)

// ---------------------------------------------------------------- ServerGroup

TARVELIN_CLASS_CAPI(ServerGroup, TarvelinProvidersContractsServerGroup, tarvelin_providers_contracts_server_group)

TarvelinProvidersContractsServerGroup* tarvelin_providers_contracts_server_group_construct_with_name(
    GType object_type, const gchar* _name) {
    g_return_val_if_fail(_name != NULL, NULL);
    return gobj::invoke<&ServerGroup::construct_with_name>(G_STRFUNC, object_type, _name);
}
TarvelinProvidersContractsServerGroup* tarvelin_providers_contracts_server_group_new_with_name(const gchar* _name) {
    return tarvelin_providers_contracts_server_group_construct_with_name(ServerGroup::gtype(), _name);
}

#define TARVELIN_CAPI_CLASS ServerGroup
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsServerGroup
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_server_group
TARVELIN_SERVER_GROUP_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

// ---------------------------------------------------------------- Organization

TARVELIN_CLASS_CAPI(Organization, TarvelinProvidersContractsOrganization, tarvelin_providers_contracts_organization)

TarvelinProvidersContractsOrganization* tarvelin_providers_contracts_organization_construct_with_name(
    GType object_type, const gchar* _name) {
    g_return_val_if_fail(_name != NULL, NULL);
    return gobj::invoke<&Organization::construct_with_name>(G_STRFUNC, object_type, _name);
}
TarvelinProvidersContractsOrganization* tarvelin_providers_contracts_organization_new_with_name(const gchar* _name) {
    return tarvelin_providers_contracts_organization_construct_with_name(Organization::gtype(), _name);
}

#define TARVELIN_CAPI_CLASS Organization
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsOrganization
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_organization
TARVELIN_ORGANIZATION_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

// ---------------------------------------------------------------- ServerSetting

TARVELIN_CLASS_CAPI(ServerSetting, TarvelinProvidersContractsServerSetting, tarvelin_providers_contracts_server_setting)

#define TARVELIN_CAPI_CLASS ServerSetting
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsServerSetting
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_server_setting
TARVELIN_SERVER_SETTING_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

void tarvelin_providers_contracts_server_setting_append(TarvelinProvidersContractsServerSetting* self,
                                                        TarvelinProvidersContractsServer* server,
                                                        const gchar* group_name, const gchar* org_name) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(server != NULL);
    g_return_if_fail(group_name != NULL);
    g_return_if_fail(org_name != NULL);
    gobj::invoke<&ServerSetting::append>(G_STRFUNC, self, server, group_name, org_name);
}
void tarvelin_providers_contracts_server_setting_remove(TarvelinProvidersContractsServerSetting* self,
                                                        TarvelinProvidersContractsServer* server,
                                                        const gchar* group_name, const gchar* org_name) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(server != NULL);
    g_return_if_fail(group_name != NULL);
    g_return_if_fail(org_name != NULL);
    gobj::invoke<&ServerSetting::remove>(G_STRFUNC, self, server, group_name, org_name);
}
TarvelinProvidersContractsServer** tarvelin_providers_contracts_server_setting_unite_servers(
    TarvelinProvidersContractsServerSetting* self, gint* result_length1) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ServerSetting::unite_servers>(G_STRFUNC, self, result_length1);
}
void tarvelin_providers_contracts_server_setting_load(TarvelinProvidersContractsServerSetting* self,
                                                      const gchar* filename, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::invoke<&ServerSetting::load>(G_STRFUNC, self, filename, error);
}
void tarvelin_providers_contracts_server_setting_save(TarvelinProvidersContractsServerSetting* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ServerSetting::save>(G_STRFUNC, self, error);
}

}  // extern "C"
