/*
 * Declaration helpers shared by every public header of both libraries.
 *
 * Types come in four shapes:
 *  - a root class (parent GObject): its instance carries one hidden pointer to the
 *    object's C++ side, so it cannot use G_DECLARE_DERIVABLE_TYPE;
 *  - a derived class: an ordinary G_DECLARE_DERIVABLE_TYPE whose class structure adds
 *    nothing (behaviour lives behind the exported functions);
 *  - an interface: G_DECLARE_INTERFACE; the header then defines the interface
 *    structure with one function pointer per operation;
 *  - a fundamental, reference-counted class without a GObject parent.
 */
#pragma once

#include <glib-object.h>
#include <gio/gio.h>
#include <gee.h>

G_BEGIN_DECLS

#define TARVELIN_API __attribute__((visibility("default")))

#define TARVELIN_DECLARE_ROOT_TYPE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME)                 \
    TARVELIN_API GType module_obj_name##_get_type(void);                                               \
    typedef struct _##ModuleObjName ModuleObjName;                                                     \
    typedef struct _##ModuleObjName##Class ModuleObjName##Class;                                       \
    struct _##ModuleObjName {                                                                          \
        GObject parent_instance;                                                                       \
        gpointer _bridge;                                                                              \
    };                                                                                                 \
    struct _##ModuleObjName##Class {                                                                   \
        GObjectClass parent_class;                                                                     \
        gpointer _bridge[4];                                                                           \
    };                                                                                                 \
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS                                                                   \
    G_DEFINE_AUTOPTR_CLEANUP_FUNC(ModuleObjName, g_object_unref)                                       \
    G_GNUC_UNUSED static inline ModuleObjName *MODULE##_##OBJ_NAME(gpointer ptr)                       \
    {                                                                                                  \
        return G_TYPE_CHECK_INSTANCE_CAST(ptr, module_obj_name##_get_type(), ModuleObjName);           \
    }                                                                                                  \
    G_GNUC_UNUSED static inline ModuleObjName##Class *MODULE##_##OBJ_NAME##_CLASS(gpointer ptr)        \
    {                                                                                                  \
        return G_TYPE_CHECK_CLASS_CAST(ptr, module_obj_name##_get_type(), ModuleObjName##Class);       \
    }                                                                                                  \
    G_GNUC_UNUSED static inline gboolean MODULE##_IS_##OBJ_NAME(gpointer ptr)                          \
    {                                                                                                  \
        return G_TYPE_CHECK_INSTANCE_TYPE(ptr, module_obj_name##_get_type());                          \
    }                                                                                                  \
    G_GNUC_UNUSED static inline ModuleObjName##Class *MODULE##_##OBJ_NAME##_GET_CLASS(gpointer ptr)    \
    {                                                                                                  \
        return G_TYPE_INSTANCE_GET_CLASS(ptr, module_obj_name##_get_type(), ModuleObjName##Class);     \
    }                                                                                                  \
    G_GNUC_END_IGNORE_DEPRECATIONS

#define TARVELIN_DECLARE_DERIVED_TYPE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, ParentName)  \
    TARVELIN_API GType module_obj_name##_get_type(void);                                               \
    G_DECLARE_DERIVABLE_TYPE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, ParentName)             \
    struct _##ModuleObjName##Class {                                                                   \
        ParentName##Class parent_class;                                                                \
    };

#define TARVELIN_DECLARE_INTERFACE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME)                 \
    TARVELIN_API GType module_obj_name##_get_type(void);                                               \
    G_DECLARE_INTERFACE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, GObject)

/* A fundamental class: reference counted, no GObject parent. Also declare by hand its
 * ref/unref and the value_set/value_take/value_get/param_spec functions. */
#define TARVELIN_DECLARE_FUNDAMENTAL_TYPE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME)          \
    TARVELIN_API GType module_obj_name##_get_type(void);                                               \
    typedef struct _##ModuleObjName ModuleObjName;                                                     \
    typedef struct _##ModuleObjName##Class ModuleObjName##Class;                                       \
    struct _##ModuleObjName {                                                                          \
        GTypeInstance parent_instance;                                                                 \
        volatile int ref_count;                                                                        \
        gpointer _bridge;                                                                              \
    };                                                                                                 \
    struct _##ModuleObjName##Class {                                                                   \
        GTypeClass parent_class;                                                                       \
        void (*finalize)(ModuleObjName * self);                                                        \
        gpointer _bridge[4];                                                                           \
    };                                                                                                 \
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS                                                                   \
    G_GNUC_UNUSED static inline ModuleObjName *MODULE##_##OBJ_NAME(gpointer ptr)                       \
    {                                                                                                  \
        return G_TYPE_CHECK_INSTANCE_CAST(ptr, module_obj_name##_get_type(), ModuleObjName);           \
    }                                                                                                  \
    G_GNUC_UNUSED static inline gboolean MODULE##_IS_##OBJ_NAME(gpointer ptr)                          \
    {                                                                                                  \
        return G_TYPE_CHECK_INSTANCE_TYPE(ptr, module_obj_name##_get_type());                          \
    }                                                                                                  \
    G_GNUC_END_IGNORE_DEPRECATIONS

G_END_DECLS
