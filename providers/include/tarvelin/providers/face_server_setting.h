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

/**
 * tarvelin_providers_contracts_server_vendors_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerVendors *tarvelin_providers_contracts_server_vendors_new(void);
/**
 * tarvelin_providers_contracts_server_vendors_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerVendors *tarvelin_providers_contracts_server_vendors_construct(
    GType object_type);

/**
 * tarvelin_providers_contracts_server_group_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerGroup *tarvelin_providers_contracts_server_group_new(void);
/**
 * tarvelin_providers_contracts_server_group_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerGroup *tarvelin_providers_contracts_server_group_construct(
    GType object_type);
/**
 * tarvelin_providers_contracts_server_group_new_with_name:
 * @_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerGroup *tarvelin_providers_contracts_server_group_new_with_name(
    const gchar *_name);
/**
 * tarvelin_providers_contracts_server_group_construct_with_name:
 * @_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerGroup *tarvelin_providers_contracts_server_group_construct_with_name(
    GType object_type, const gchar *_name);
/**
 * tarvelin_providers_contracts_server_group_get_name:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_group_get_name(TarvelinProvidersContractsServerGroup *self);
/**
 * tarvelin_providers_contracts_server_group_set_name:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_group_set_name(TarvelinProvidersContractsServerGroup *self,
                                                                     const gchar *value);
/**
 * tarvelin_providers_contracts_server_group_get_servers:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsServer) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_server_group_get_servers(
    TarvelinProvidersContractsServerGroup *self);
/**
 * tarvelin_providers_contracts_server_group_set_servers:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinProvidersContractsServer): a #GeeArrayList
 */
TARVELIN_API void tarvelin_providers_contracts_server_group_set_servers(TarvelinProvidersContractsServerGroup *self,
                                                                        GeeArrayList *value);

/**
 * tarvelin_providers_contracts_organization_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsOrganization *tarvelin_providers_contracts_organization_new(void);
/**
 * tarvelin_providers_contracts_organization_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsOrganization *tarvelin_providers_contracts_organization_construct(
    GType object_type);
/**
 * tarvelin_providers_contracts_organization_new_with_name:
 * @_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsOrganization *tarvelin_providers_contracts_organization_new_with_name(
    const gchar *_name);
/**
 * tarvelin_providers_contracts_organization_construct_with_name:
 * @_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsOrganization *tarvelin_providers_contracts_organization_construct_with_name(
    GType object_type, const gchar *_name);
/**
 * tarvelin_providers_contracts_organization_get_name:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_organization_get_name(
    TarvelinProvidersContractsOrganization *self);
/**
 * tarvelin_providers_contracts_organization_set_name:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_organization_set_name(TarvelinProvidersContractsOrganization *self,
                                                                     const gchar *value);
/**
 * tarvelin_providers_contracts_organization_get_groups:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsServerGroup) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_organization_get_groups(
    TarvelinProvidersContractsOrganization *self);
/**
 * tarvelin_providers_contracts_organization_set_groups:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinProvidersContractsServerGroup): a #GeeArrayList
 */
TARVELIN_API void tarvelin_providers_contracts_organization_set_groups(TarvelinProvidersContractsOrganization *self,
                                                                       GeeArrayList *value);

/**
 * tarvelin_providers_contracts_server_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerSetting *tarvelin_providers_contracts_server_setting_new(void);
/**
 * tarvelin_providers_contracts_server_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerSetting *tarvelin_providers_contracts_server_setting_construct(
    GType object_type);
/**
 * tarvelin_providers_contracts_server_setting_get_organizations:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsOrganization) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_server_setting_get_organizations(
    TarvelinProvidersContractsServerSetting *self);
/**
 * tarvelin_providers_contracts_server_setting_set_organizations:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinProvidersContractsOrganization): a #GeeArrayList
 */
TARVELIN_API void tarvelin_providers_contracts_server_setting_set_organizations(
    TarvelinProvidersContractsServerSetting *self, GeeArrayList *value);
/**
 * tarvelin_providers_contracts_server_setting_get_groups:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsServerGroup) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_server_setting_get_groups(
    TarvelinProvidersContractsServerSetting *self);
/**
 * tarvelin_providers_contracts_server_setting_set_groups:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinProvidersContractsServerGroup): a #GeeArrayList
 */
TARVELIN_API void tarvelin_providers_contracts_server_setting_set_groups(TarvelinProvidersContractsServerSetting *self,
                                                                         GeeArrayList *value);
/**
 * tarvelin_providers_contracts_server_setting_get_servers:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinProvidersContractsServer) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList *tarvelin_providers_contracts_server_setting_get_servers(
    TarvelinProvidersContractsServerSetting *self);
/**
 * tarvelin_providers_contracts_server_setting_set_servers:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinProvidersContractsServer): a #GeeArrayList
 */
TARVELIN_API void tarvelin_providers_contracts_server_setting_set_servers(TarvelinProvidersContractsServerSetting *self,
                                                                          GeeArrayList *value);
/* Files the record by group and organization name; emits "changed". */
/**
 * tarvelin_providers_contracts_server_setting_append:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @group_name: (not nullable): a text
 * @org_name: (not nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_setting_append(TarvelinProvidersContractsServerSetting *self,
                                                                     TarvelinProvidersContractsServer *server,
                                                                     const gchar *group_name, const gchar *org_name);
/**
 * tarvelin_providers_contracts_server_setting_remove:
 * @self: (not nullable): the instance
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @group_name: (not nullable): a text
 * @org_name: (not nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_setting_remove(TarvelinProvidersContractsServerSetting *self,
                                                                     TarvelinProvidersContractsServer *server,
                                                                     const gchar *group_name, const gchar *org_name);
/* Every record, organizations' groups first, then top-level groups, then the top level. */
/**
 * tarvelin_providers_contracts_server_setting_unite_servers:
 * @self: (not nullable): the instance
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new array of new references
 */
TARVELIN_API TarvelinProvidersContractsServer **tarvelin_providers_contracts_server_setting_unite_servers(
    TarvelinProvidersContractsServerSetting *self, gint *result_length1);
/**
 * tarvelin_providers_contracts_server_setting_load:
 * @self: (not nullable): the instance
 * @filename: (not nullable): the file, which later saves write; a missing one fails (G_FILE_ERROR_NOENT) yet is named
 */
TARVELIN_API void tarvelin_providers_contracts_server_setting_load(TarvelinProvidersContractsServerSetting *self,
                                                                   const gchar *filename, GError **error);
/**
 * tarvelin_providers_contracts_server_setting_save:
 * @self: (not nullable): the store; refused, file untouched ("ServerSetting" -3), while a password to protect is clear
 */
TARVELIN_API void tarvelin_providers_contracts_server_setting_save(TarvelinProvidersContractsServerSetting *self,
                                                                   GError **error);

G_END_DECLS
