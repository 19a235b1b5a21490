/* The saved-connections store: records at the top level, in named groups, and in groups
 * of named organizations, loaded from and saved to one JSON file. Lists are GeeArrayLists
 * handed out borrowed; their setters share the list they are given. */
#pragma once

#include <tarvelin/providers/face_server.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP (tarvelin_providers_contracts_server_group_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION (tarvelin_providers_contracts_organization_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING (tarvelin_providers_contracts_server_setting_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER_VENDORS (tarvelin_providers_contracts_server_vendors_get_type())

TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsServerGroup, tarvelin_providers_contracts_server_group,
                           TARVELIN_PROVIDERS_CONTRACTS, SERVER_GROUP)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsOrganization, tarvelin_providers_contracts_organization,
                           TARVELIN_PROVIDERS_CONTRACTS, ORGANIZATION)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsServerSetting, tarvelin_providers_contracts_server_setting,
                           TARVELIN_PROVIDERS_CONTRACTS, SERVER_SETTING)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsServerVendors, tarvelin_providers_contracts_server_vendors,
                           TARVELIN_PROVIDERS_CONTRACTS, SERVER_VENDORS)

/* Product names, fixed length, no terminating entry. */
TARVELIN_API extern const gchar *const TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT[5];
TARVELIN_API extern const gchar *const TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE[5];
TARVELIN_API extern const gchar *const TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE[8];
TARVELIN_API extern const gchar *const TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL[3];

TARVELIN_API TarvelinProvidersContractsServerVendors *tarvelin_providers_contracts_server_vendors_new(void);
TARVELIN_API TarvelinProvidersContractsServerVendors *tarvelin_providers_contracts_server_vendors_construct(
    GType object_type);

TARVELIN_API TarvelinProvidersContractsServerGroup *tarvelin_providers_contracts_server_group_new(void);
TARVELIN_API TarvelinProvidersContractsServerGroup *tarvelin_providers_contracts_server_group_construct(
    GType object_type);
TARVELIN_API TarvelinProvidersContractsServerGroup *tarvelin_providers_contracts_server_group_new_with_name(
    const gchar *_name);
TARVELIN_API TarvelinProvidersContractsServerGroup *tarvelin_providers_contracts_server_group_construct_with_name(
    GType object_type, const gchar *_name);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_group_get_name(TarvelinProvidersContractsServerGroup *self);
TARVELIN_API void tarvelin_providers_contracts_server_group_set_name(TarvelinProvidersContractsServerGroup *self,
                                                                     const gchar *value);
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_server_group_get_servers(
    TarvelinProvidersContractsServerGroup *self);
TARVELIN_API void tarvelin_providers_contracts_server_group_set_servers(TarvelinProvidersContractsServerGroup *self,
                                                                        GeeArrayList *value);

TARVELIN_API TarvelinProvidersContractsOrganization *tarvelin_providers_contracts_organization_new(void);
TARVELIN_API TarvelinProvidersContractsOrganization *tarvelin_providers_contracts_organization_construct(
    GType object_type);
TARVELIN_API TarvelinProvidersContractsOrganization *tarvelin_providers_contracts_organization_new_with_name(
    const gchar *_name);
TARVELIN_API TarvelinProvidersContractsOrganization *tarvelin_providers_contracts_organization_construct_with_name(
    GType object_type, const gchar *_name);
TARVELIN_API const gchar *tarvelin_providers_contracts_organization_get_name(
    TarvelinProvidersContractsOrganization *self);
TARVELIN_API void tarvelin_providers_contracts_organization_set_name(TarvelinProvidersContractsOrganization *self,
                                                                     const gchar *value);
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_organization_get_groups(
    TarvelinProvidersContractsOrganization *self);
TARVELIN_API void tarvelin_providers_contracts_organization_set_groups(TarvelinProvidersContractsOrganization *self,
                                                                       GeeArrayList *value);

TARVELIN_API TarvelinProvidersContractsServerSetting *tarvelin_providers_contracts_server_setting_new(void);
TARVELIN_API TarvelinProvidersContractsServerSetting *tarvelin_providers_contracts_server_setting_construct(
    GType object_type);
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_server_setting_get_organizations(
    TarvelinProvidersContractsServerSetting *self);
TARVELIN_API void tarvelin_providers_contracts_server_setting_set_organizations(
    TarvelinProvidersContractsServerSetting *self, GeeArrayList *value);
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_server_setting_get_groups(
    TarvelinProvidersContractsServerSetting *self);
TARVELIN_API void tarvelin_providers_contracts_server_setting_set_groups(TarvelinProvidersContractsServerSetting *self,
                                                                         GeeArrayList *value);
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_server_setting_get_servers(
    TarvelinProvidersContractsServerSetting *self);
TARVELIN_API void tarvelin_providers_contracts_server_setting_set_servers(TarvelinProvidersContractsServerSetting *self,
                                                                          GeeArrayList *value);
/* Files the record by group and organization name; emits "changed". */
TARVELIN_API void tarvelin_providers_contracts_server_setting_append(TarvelinProvidersContractsServerSetting *self,
                                                                     TarvelinProvidersContractsServer *server,
                                                                     const gchar *group_name, const gchar *org_name);
TARVELIN_API void tarvelin_providers_contracts_server_setting_remove(TarvelinProvidersContractsServerSetting *self,
                                                                     TarvelinProvidersContractsServer *server,
                                                                     const gchar *group_name, const gchar *org_name);
/* Every record, organizations' groups first, then top-level groups, then the top level. */
TARVELIN_API TarvelinProvidersContractsServer **tarvelin_providers_contracts_server_setting_unite_servers(
    TarvelinProvidersContractsServerSetting *self, gint *result_length1);
TARVELIN_API void tarvelin_providers_contracts_server_setting_load(TarvelinProvidersContractsServerSetting *self,
                                                                   const gchar *filename, GError **error);
TARVELIN_API void tarvelin_providers_contracts_server_setting_save(TarvelinProvidersContractsServerSetting *self,
                                                                   GError **error);

G_END_DECLS
