/* The user's preferences: the settings root, its seven groups and the settings file. */
#pragma once

#include <tarvelin/providers/base.h>
#include <json-glib/json-glib.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_CONTRACTS_SETTING_TYPE_USER_SETTING (tarvelin_rezezadovu_contracts_setting_user_setting_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_SETTING_TYPE_GENERAL_SETTING \
    (tarvelin_rezezadovu_contracts_setting_general_setting_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_SETTING_TYPE_EDITOR_SETTING \
    (tarvelin_rezezadovu_contracts_setting_editor_setting_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_SETTING_TYPE_DATA_GRID_SETTING \
    (tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_SETTING_TYPE_NETWORK_SETTING \
    (tarvelin_rezezadovu_contracts_setting_network_setting_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_SETTING_TYPE_LOGGING_SETTING \
    (tarvelin_rezezadovu_contracts_setting_logging_setting_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_SETTING_TYPE_DATA_TOOL_SETTING \
    (tarvelin_rezezadovu_contracts_setting_data_tool_setting_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_SETTING_TYPE_EXTENSION_SETTING \
    (tarvelin_rezezadovu_contracts_setting_extension_setting_get_type())

TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuContractsSettingUserSetting, tarvelin_rezezadovu_contracts_setting_user_setting,
                           TARVELIN_REZEZADOVU_CONTRACTS_SETTING, USER_SETTING)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuContractsSettingGeneralSetting,
                           tarvelin_rezezadovu_contracts_setting_general_setting, TARVELIN_REZEZADOVU_CONTRACTS_SETTING,
                           GENERAL_SETTING)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuContractsSettingEditorSetting,
                           tarvelin_rezezadovu_contracts_setting_editor_setting, TARVELIN_REZEZADOVU_CONTRACTS_SETTING,
                           EDITOR_SETTING)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuContractsSettingDataGridSetting,
                           tarvelin_rezezadovu_contracts_setting_data_grid_setting, TARVELIN_REZEZADOVU_CONTRACTS_SETTING,
                           DATA_GRID_SETTING)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuContractsSettingNetworkSetting,
                           tarvelin_rezezadovu_contracts_setting_network_setting, TARVELIN_REZEZADOVU_CONTRACTS_SETTING,
                           NETWORK_SETTING)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuContractsSettingLoggingSetting,
                           tarvelin_rezezadovu_contracts_setting_logging_setting, TARVELIN_REZEZADOVU_CONTRACTS_SETTING,
                           LOGGING_SETTING)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuContractsSettingDataToolSetting,
                           tarvelin_rezezadovu_contracts_setting_data_tool_setting, TARVELIN_REZEZADOVU_CONTRACTS_SETTING,
                           DATA_TOOL_SETTING)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuContractsSettingExtensionSetting,
                           tarvelin_rezezadovu_contracts_setting_extension_setting, TARVELIN_REZEZADOVU_CONTRACTS_SETTING,
                           EXTENSION_SETTING)

/* UserSetting: getters return the group without a new reference; setters take one. */
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingUserSetting *tarvelin_rezezadovu_contracts_setting_user_setting_new(void);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingUserSetting *tarvelin_rezezadovu_contracts_setting_user_setting_construct(
    GType object_type);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_load:
 * @self: (not nullable): the instance
 * @filename: (not nullable): a text
 *
 * Reads `filename` into the seven groups; the name is kept for save even when loading fails.
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_load(TarvelinRezezadovuContractsSettingUserSetting *self,
                                                                          const gchar *filename, GError **error);
/* Writes the groups to the file name of the last load; without one it fails. */
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_save:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_save(TarvelinRezezadovuContractsSettingUserSetting *self,
                                                                          GError **error);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_get_general:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsSettingGeneralSetting *tarvelin_rezezadovu_contracts_setting_user_setting_get_general(
    TarvelinRezezadovuContractsSettingUserSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_set_general:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsSettingGeneralSetting
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_set_general(TarvelinRezezadovuContractsSettingUserSetting *self,
    TarvelinRezezadovuContractsSettingGeneralSetting *value);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_get_editor:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsSettingEditorSetting *tarvelin_rezezadovu_contracts_setting_user_setting_get_editor(
    TarvelinRezezadovuContractsSettingUserSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_set_editor:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsSettingEditorSetting
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_set_editor(TarvelinRezezadovuContractsSettingUserSetting *self,
    TarvelinRezezadovuContractsSettingEditorSetting *value);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_get_datagrid:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsSettingDataGridSetting *tarvelin_rezezadovu_contracts_setting_user_setting_get_datagrid(
    TarvelinRezezadovuContractsSettingUserSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_set_datagrid:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsSettingDataGridSetting
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_set_datagrid(TarvelinRezezadovuContractsSettingUserSetting *self,
    TarvelinRezezadovuContractsSettingDataGridSetting *value);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_get_network:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsSettingNetworkSetting *tarvelin_rezezadovu_contracts_setting_user_setting_get_network(
    TarvelinRezezadovuContractsSettingUserSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_set_network:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsSettingNetworkSetting
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_set_network(TarvelinRezezadovuContractsSettingUserSetting *self,
    TarvelinRezezadovuContractsSettingNetworkSetting *value);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_get_logging:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsSettingLoggingSetting *tarvelin_rezezadovu_contracts_setting_user_setting_get_logging(
    TarvelinRezezadovuContractsSettingUserSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_set_logging:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsSettingLoggingSetting
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_set_logging(TarvelinRezezadovuContractsSettingUserSetting *self,
    TarvelinRezezadovuContractsSettingLoggingSetting *value);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_get_datatool:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsSettingDataToolSetting *tarvelin_rezezadovu_contracts_setting_user_setting_get_datatool(
    TarvelinRezezadovuContractsSettingUserSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_set_datatool:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsSettingDataToolSetting
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_set_datatool(TarvelinRezezadovuContractsSettingUserSetting *self,
    TarvelinRezezadovuContractsSettingDataToolSetting *value);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_get_extension:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsSettingExtensionSetting *tarvelin_rezezadovu_contracts_setting_user_setting_get_extension(
    TarvelinRezezadovuContractsSettingUserSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_user_setting_set_extension:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsSettingExtensionSetting
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_user_setting_set_extension(TarvelinRezezadovuContractsSettingUserSetting *self,
    TarvelinRezezadovuContractsSettingExtensionSetting *value);

/* The groups: string and date-time getters return the stored value without a new reference. */
/* GeneralSetting */
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingGeneralSetting *tarvelin_rezezadovu_contracts_setting_general_setting_new(void);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingGeneralSetting *tarvelin_rezezadovu_contracts_setting_general_setting_construct(GType object_type);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_window_left:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_window_left(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_window_left:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_window_left(TarvelinRezezadovuContractsSettingGeneralSetting *self, gint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_window_top:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_window_top(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_window_top:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_window_top(TarvelinRezezadovuContractsSettingGeneralSetting *self, gint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_window_width:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_window_width(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_window_width:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_window_width(TarvelinRezezadovuContractsSettingGeneralSetting *self, gint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_window_height:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_window_height(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_window_height:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_window_height(TarvelinRezezadovuContractsSettingGeneralSetting *self, gint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_window_state:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_window_state(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_window_state:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_window_state(TarvelinRezezadovuContractsSettingGeneralSetting *self, gint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_user_locale:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_user_locale(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_user_locale:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_user_locale(TarvelinRezezadovuContractsSettingGeneralSetting *self, guint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_color_scheme:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_color_scheme(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_color_scheme:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_color_scheme(TarvelinRezezadovuContractsSettingGeneralSetting *self, guint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_broadcasting:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GDateTime *tarvelin_rezezadovu_contracts_setting_general_setting_get_broadcasting(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_broadcasting:
 * @self: (not nullable): the instance
 * @value: (nullable): a #GDateTime
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_broadcasting(TarvelinRezezadovuContractsSettingGeneralSetting *self, GDateTime *value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_titlebar_background:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_general_setting_get_titlebar_background(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_titlebar_background:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_titlebar_background(TarvelinRezezadovuContractsSettingGeneralSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_toolbar_main_icon:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_general_setting_get_toolbar_main_icon(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_toolbar_main_icon:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_toolbar_main_icon(TarvelinRezezadovuContractsSettingGeneralSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_toolbar_main_text:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_general_setting_get_toolbar_main_text(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_toolbar_main_text:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_toolbar_main_text(TarvelinRezezadovuContractsSettingGeneralSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_toolbar_minor_text:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_general_setting_get_toolbar_minor_text(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_toolbar_minor_text:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_toolbar_minor_text(TarvelinRezezadovuContractsSettingGeneralSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_starter_page:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_starter_page(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_starter_page:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_starter_page(TarvelinRezezadovuContractsSettingGeneralSetting *self, guint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_connecton_icon_size:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_rezezadovu_contracts_setting_general_setting_get_connecton_icon_size(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_connecton_icon_size:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_connecton_icon_size(TarvelinRezezadovuContractsSettingGeneralSetting *self, gdouble value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_snippet_mode:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_rezezadovu_contracts_setting_general_setting_get_snippet_mode(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_snippet_mode:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_snippet_mode(TarvelinRezezadovuContractsSettingGeneralSetting *self, guint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_get_check_updates_on_startup:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_general_setting_get_check_updates_on_startup(TarvelinRezezadovuContractsSettingGeneralSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_general_setting_set_check_updates_on_startup:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_general_setting_set_check_updates_on_startup(TarvelinRezezadovuContractsSettingGeneralSetting *self, gboolean value);

/* EditorSetting */
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingEditorSetting *tarvelin_rezezadovu_contracts_setting_editor_setting_new(void);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingEditorSetting *tarvelin_rezezadovu_contracts_setting_editor_setting_construct(GType object_type);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_highlight_syntax:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_highlight_syntax(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_highlight_syntax:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_highlight_syntax(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_highlight_matching_brackets:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_highlight_matching_brackets(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_highlight_matching_brackets:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_highlight_matching_brackets(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_highlight_current_line:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_highlight_current_line(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_highlight_current_line:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_highlight_current_line(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_autocompletion:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_autocompletion(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_autocompletion:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_autocompletion(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_code_fold:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_code_fold(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_code_fold:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_code_fold(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_text_wrap:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_text_wrap(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_text_wrap:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_text_wrap(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_display_line_numbers:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_display_line_numbers(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_display_line_numbers:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_display_line_numbers(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_insert_tab_as_spaces:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_insert_tab_as_spaces(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_insert_tab_as_spaces:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_insert_tab_as_spaces(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_auto_indent:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_auto_indent(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_auto_indent:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_auto_indent(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_indent_width:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_rezezadovu_contracts_setting_editor_setting_get_indent_width(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_indent_width:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_indent_width(TarvelinRezezadovuContractsSettingEditorSetting *self, gint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_tab_width:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_rezezadovu_contracts_setting_editor_setting_get_tab_width(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_tab_width:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_tab_width(TarvelinRezezadovuContractsSettingEditorSetting *self, gint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_font_with_size:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_editor_setting_get_font_with_size(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_font_with_size:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_font_with_size(TarvelinRezezadovuContractsSettingEditorSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_overview_map:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_editor_setting_get_overview_map(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_overview_map:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_overview_map(TarvelinRezezadovuContractsSettingEditorSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_get_style_scheme:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_editor_setting_get_style_scheme(TarvelinRezezadovuContractsSettingEditorSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_editor_setting_set_style_scheme:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_editor_setting_set_style_scheme(TarvelinRezezadovuContractsSettingEditorSetting *self, const gchar *value);

/* DataGridSetting */
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingDataGridSetting *tarvelin_rezezadovu_contracts_setting_data_grid_setting_new(void);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingDataGridSetting *tarvelin_rezezadovu_contracts_setting_data_grid_setting_construct(GType object_type);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_submit_mode:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_submit_mode(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_submit_mode:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_submit_mode(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_records_limit:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_records_limit(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_records_limit:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_records_limit(TarvelinRezezadovuContractsSettingDataGridSetting *self, gint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_font_with_size:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_font_with_size(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_font_with_size:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_font_with_size(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_bg_dark:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_bg_dark(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_bg_dark:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_bg_dark(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_bg_light:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_bg_light(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_bg_light:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_bg_light(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_bg_dirty:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_bg_dirty(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_bg_dirty:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_bg_dirty(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_text:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_text(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_text:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_text(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_integer:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_integer(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_integer:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_integer(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_float:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_float(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_float:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_float(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_datetime:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_datetime(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_datetime:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_datetime(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_binary:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_binary(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_binary:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_binary(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_spatial:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_spatial(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_spatial:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_spatial(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_compute:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_compute(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_compute:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_compute(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_others:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_others(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_others:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_others(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_dbnull:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_dbnull(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_dbnull:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_dbnull(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_current:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_grid_setting_get_color_current(TarvelinRezezadovuContractsSettingDataGridSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_current:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_grid_setting_set_color_current(TarvelinRezezadovuContractsSettingDataGridSetting *self, const gchar *value);

/* NetworkSetting */
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingNetworkSetting *tarvelin_rezezadovu_contracts_setting_network_setting_new(void);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingNetworkSetting *tarvelin_rezezadovu_contracts_setting_network_setting_construct(GType object_type);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_using:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_using(TarvelinRezezadovuContractsSettingNetworkSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_using:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_using(TarvelinRezezadovuContractsSettingNetworkSetting *self, gboolean value);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_type(TarvelinRezezadovuContractsSettingNetworkSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_type(TarvelinRezezadovuContractsSettingNetworkSetting *self, guint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_host:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_host(TarvelinRezezadovuContractsSettingNetworkSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_host:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_host(TarvelinRezezadovuContractsSettingNetworkSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_port:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint16 tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_port(TarvelinRezezadovuContractsSettingNetworkSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_port:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_port(TarvelinRezezadovuContractsSettingNetworkSetting *self, guint16 value);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_username:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_username(TarvelinRezezadovuContractsSettingNetworkSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_username:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_username(TarvelinRezezadovuContractsSettingNetworkSetting *self, const gchar *value);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_password:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_network_setting_get_proxy_password(TarvelinRezezadovuContractsSettingNetworkSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_password:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_network_setting_set_proxy_password(TarvelinRezezadovuContractsSettingNetworkSetting *self, const gchar *value);

/* LoggingSetting */
/**
 * tarvelin_rezezadovu_contracts_setting_logging_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingLoggingSetting *tarvelin_rezezadovu_contracts_setting_logging_setting_new(void);
/**
 * tarvelin_rezezadovu_contracts_setting_logging_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingLoggingSetting *tarvelin_rezezadovu_contracts_setting_logging_setting_construct(GType object_type);
/**
 * tarvelin_rezezadovu_contracts_setting_logging_setting_get_file_size_max:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_rezezadovu_contracts_setting_logging_setting_get_file_size_max(TarvelinRezezadovuContractsSettingLoggingSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_logging_setting_set_file_size_max:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_logging_setting_set_file_size_max(TarvelinRezezadovuContractsSettingLoggingSetting *self, guint32 value);
/**
 * tarvelin_rezezadovu_contracts_setting_logging_setting_get_logger_level:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_rezezadovu_contracts_setting_logging_setting_get_logger_level(TarvelinRezezadovuContractsSettingLoggingSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_logging_setting_set_logger_level:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_logging_setting_set_logger_level(TarvelinRezezadovuContractsSettingLoggingSetting *self, guint32 value);

/* DataToolSetting */
/**
 * tarvelin_rezezadovu_contracts_setting_data_tool_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingDataToolSetting *tarvelin_rezezadovu_contracts_setting_data_tool_setting_new(void);
/**
 * tarvelin_rezezadovu_contracts_setting_data_tool_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingDataToolSetting *tarvelin_rezezadovu_contracts_setting_data_tool_setting_construct(GType object_type);
/**
 * tarvelin_rezezadovu_contracts_setting_data_tool_setting_get_external_editor:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_data_tool_setting_get_external_editor(TarvelinRezezadovuContractsSettingDataToolSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_data_tool_setting_set_external_editor:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_data_tool_setting_set_external_editor(TarvelinRezezadovuContractsSettingDataToolSetting *self, const gchar *value);

/* ExtensionSetting */
/**
 * tarvelin_rezezadovu_contracts_setting_extension_setting_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingExtensionSetting *tarvelin_rezezadovu_contracts_setting_extension_setting_new(void);
/**
 * tarvelin_rezezadovu_contracts_setting_extension_setting_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingExtensionSetting *tarvelin_rezezadovu_contracts_setting_extension_setting_construct(GType object_type);
/**
 * tarvelin_rezezadovu_contracts_setting_extension_setting_get_loaded_plugins:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_setting_extension_setting_get_loaded_plugins(TarvelinRezezadovuContractsSettingExtensionSetting *self);
/**
 * tarvelin_rezezadovu_contracts_setting_extension_setting_set_loaded_plugins:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_setting_extension_setting_set_loaded_plugins(TarvelinRezezadovuContractsSettingExtensionSetting *self, const gchar *value);

G_END_DECLS
