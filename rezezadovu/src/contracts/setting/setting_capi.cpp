// C face of the user settings and their groups.
#include "rezezadovu/contracts/setting/user_setting.hpp"

TARVELIN_LOG_TAG("setting_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::setting;
using gobj::cast;

static_assert(sizeof(TarvelinRezezadovuContractsSettingUserSetting) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuContractsSettingUserSettingClass) == sizeof(gobj::Class));

// get_type, new and construct of one class.
#define SETTING_CLASS_CAPI(Cls, CType, prefix)                                                  \
    TARVELIN_API GType prefix##_get_type(void) { return Cls::gtype(); }                        \
    CType* prefix##_construct(GType object_type) {                                              \
        return static_cast<CType*>(gobj::guarded(#prefix "_construct", [&] {                   \
            return Cls::create(object_type).release();                                          \
        }, (gpointer) nullptr));                                                                \
    }                                                                                           \
    CType* prefix##_new(void) { return prefix##_construct(Cls::gtype()); }

extern "C" {

SETTING_CLASS_CAPI(UserSetting, TarvelinRezezadovuContractsSettingUserSetting,
                   tarvelin_rezezadovu_contracts_setting_user_setting)

void tarvelin_rezezadovu_contracts_setting_user_setting_load(TarvelinRezezadovuContractsSettingUserSetting* self,
                                                             const gchar* filename, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<UserSetting>(self)->load(filename); });
}

void tarvelin_rezezadovu_contracts_setting_user_setting_save(TarvelinRezezadovuContractsSettingUserSetting* self,
                                                             GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<UserSetting>(self)->save(); });
}

#define USER_SETTING_GROUP_CAPI(G, name)                                                                         \
    TarvelinRezezadovuContractsSetting##G* tarvelin_rezezadovu_contracts_setting_user_setting_get_##name(       \
        TarvelinRezezadovuContractsSettingUserSetting* self) {                                                   \
        g_return_val_if_fail(self != NULL, NULL);                                                                \
        return static_cast<TarvelinRezezadovuContractsSetting##G*>(cast<UserSetting>(self)->get_##name().instance()); \
    }                                                                                                            \
    void tarvelin_rezezadovu_contracts_setting_user_setting_set_##name(                                          \
        TarvelinRezezadovuContractsSettingUserSetting* self, TarvelinRezezadovuContractsSetting##G* value) {     \
        g_return_if_fail(self != NULL);                                                                          \
        gobj::guarded(__func__, [&] { cast<UserSetting>(self)->set_##name(gobj::Ref<G>::retain(value)); }); \
    }
TARVELIN_USER_SETTING_GROUPS(USER_SETTING_GROUP_CAPI)

#define FIELD(...)                                                                                     \
    TARVELIN_SETTING_CAPI(GeneralSetting, TarvelinRezezadovuContractsSettingGeneralSetting,                               \
                          tarvelin_rezezadovu_contracts_setting_general_setting, __VA_ARGS__)
SETTING_CLASS_CAPI(GeneralSetting, TarvelinRezezadovuContractsSettingGeneralSetting, tarvelin_rezezadovu_contracts_setting_general_setting)
TARVELIN_GENERAL_SETTING_FIELDS(FIELD)
#undef FIELD

#define FIELD(...)                                                                                     \
    TARVELIN_SETTING_CAPI(EditorSetting, TarvelinRezezadovuContractsSettingEditorSetting,                               \
                          tarvelin_rezezadovu_contracts_setting_editor_setting, __VA_ARGS__)
SETTING_CLASS_CAPI(EditorSetting, TarvelinRezezadovuContractsSettingEditorSetting, tarvelin_rezezadovu_contracts_setting_editor_setting)
TARVELIN_EDITOR_SETTING_FIELDS(FIELD)
#undef FIELD

#define FIELD(...)                                                                                     \
    TARVELIN_SETTING_CAPI(DataGridSetting, TarvelinRezezadovuContractsSettingDataGridSetting,                               \
                          tarvelin_rezezadovu_contracts_setting_data_grid_setting, __VA_ARGS__)
SETTING_CLASS_CAPI(DataGridSetting, TarvelinRezezadovuContractsSettingDataGridSetting, tarvelin_rezezadovu_contracts_setting_data_grid_setting)
TARVELIN_DATA_GRID_SETTING_FIELDS(FIELD)
#undef FIELD

#define FIELD(...)                                                                                     \
    TARVELIN_SETTING_CAPI(NetworkSetting, TarvelinRezezadovuContractsSettingNetworkSetting,                               \
                          tarvelin_rezezadovu_contracts_setting_network_setting, __VA_ARGS__)
SETTING_CLASS_CAPI(NetworkSetting, TarvelinRezezadovuContractsSettingNetworkSetting, tarvelin_rezezadovu_contracts_setting_network_setting)
TARVELIN_NETWORK_SETTING_FIELDS(FIELD)
#undef FIELD

#define FIELD(...)                                                                                     \
    TARVELIN_SETTING_CAPI(LoggingSetting, TarvelinRezezadovuContractsSettingLoggingSetting,                               \
                          tarvelin_rezezadovu_contracts_setting_logging_setting, __VA_ARGS__)
SETTING_CLASS_CAPI(LoggingSetting, TarvelinRezezadovuContractsSettingLoggingSetting, tarvelin_rezezadovu_contracts_setting_logging_setting)
TARVELIN_LOGGING_SETTING_FIELDS(FIELD)
#undef FIELD

#define FIELD(...)                                                                                     \
    TARVELIN_SETTING_CAPI(DataToolSetting, TarvelinRezezadovuContractsSettingDataToolSetting,                               \
                          tarvelin_rezezadovu_contracts_setting_data_tool_setting, __VA_ARGS__)
SETTING_CLASS_CAPI(DataToolSetting, TarvelinRezezadovuContractsSettingDataToolSetting, tarvelin_rezezadovu_contracts_setting_data_tool_setting)
TARVELIN_DATA_TOOL_SETTING_FIELDS(FIELD)
#undef FIELD

#define FIELD(...)                                                                                     \
    TARVELIN_SETTING_CAPI(ExtensionSetting, TarvelinRezezadovuContractsSettingExtensionSetting,                               \
                          tarvelin_rezezadovu_contracts_setting_extension_setting, __VA_ARGS__)
SETTING_CLASS_CAPI(ExtensionSetting, TarvelinRezezadovuContractsSettingExtensionSetting, tarvelin_rezezadovu_contracts_setting_extension_setting)
TARVELIN_EXTENSION_SETTING_FIELDS(FIELD)
#undef FIELD

}  // extern "C"
