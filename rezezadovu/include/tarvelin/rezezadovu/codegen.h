/* Code-generation contracts offered to hosts; nothing inside the library implements or
 * calls them. Each operation takes one argument, passed on unchecked, and returns a new
 * text (NULL when the implementer installs no body). */
#pragma once

#include <tarvelin/providers/base.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_CONTRACTS_CODE_GEN_TYPE_IAPP_CODE_BUILDABLE \
    (tarvelin_rezezadovu_contracts_code_gen_iapp_code_buildable_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_CODE_GEN_TYPE_ISQL_CODE_BUILDABLE \
    (tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsCodeGenIAppCodeBuildable,
                           tarvelin_rezezadovu_contracts_code_gen_iapp_code_buildable,
                           TARVELIN_REZEZADOVU_CONTRACTS_CODE_GEN, IAPP_CODE_BUILDABLE)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsCodeGenISqlCodeBuildable,
                           tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable,
                           TARVELIN_REZEZADOVU_CONTRACTS_CODE_GEN, ISQL_CODE_BUILDABLE)

struct _TarvelinRezezadovuContractsCodeGenIAppCodeBuildableInterface {
    GTypeInterface parent_iface;
    gchar *(*build_app_code)(TarvelinRezezadovuContractsCodeGenIAppCodeBuildable *self, gpointer source);
};

struct _TarvelinRezezadovuContractsCodeGenISqlCodeBuildableInterface {
    GTypeInterface parent_iface;
    gchar *(*build_table)(TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
    gchar *(*build_select)(TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
    gchar *(*build_update)(TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
    gchar *(*build_delete)(TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
    gchar *(*build_insert)(TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
};

/**
 * tarvelin_rezezadovu_contracts_code_gen_iapp_code_buildable_build_app_code:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #gpointer
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_code_gen_iapp_code_buildable_build_app_code(
    TarvelinRezezadovuContractsCodeGenIAppCodeBuildable *self, gpointer source);
/**
 * tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_table:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #gpointer
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_table(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
/**
 * tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_select:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #gpointer
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_select(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
/**
 * tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_update:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #gpointer
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_update(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
/**
 * tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_delete:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #gpointer
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_delete(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);
/**
 * tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_insert:
 * @self: (not nullable): the instance
 * @source: (not nullable): a #gpointer
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_insert(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable *self, gpointer source);

G_END_DECLS
