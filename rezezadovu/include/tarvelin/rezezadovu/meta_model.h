/* The catalogue object tree: databases, schemas, tables, views, columns, indexes,
 * constraints, rules, routines, events, triggers, users, roles, synonyms and grouping
 * nodes. Getters return borrowed values (texts and containers are the object's own);
 * constructors and clone return new references. Texts given to setters are copied;
 * containers given to setters are referenced, not copied. */
#pragma once

#include <tarvelin/providers/base.h>
#include <tarvelin/providers/vocabulary.h>
#include <json-glib/json-glib.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_IMETA_DATA (tarvelin_rezezadovu_meta_model_imeta_data_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_OBJECT (tarvelin_rezezadovu_meta_model_meta_object_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_DATABASE (tarvelin_rezezadovu_meta_model_meta_database_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_SCHEMA (tarvelin_rezezadovu_meta_model_meta_schema_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_TABLE (tarvelin_rezezadovu_meta_model_meta_table_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_VIEW (tarvelin_rezezadovu_meta_model_meta_view_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_MATERIALIZED (tarvelin_rezezadovu_meta_model_materialized_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_CLASSIFY (tarvelin_rezezadovu_meta_model_meta_classify_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_SYNONYM (tarvelin_rezezadovu_meta_model_meta_synonym_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_COLUMN (tarvelin_rezezadovu_meta_model_meta_column_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_INDEX (tarvelin_rezezadovu_meta_model_meta_index_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_CONSTRAINT (tarvelin_rezezadovu_meta_model_meta_constraint_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_PRIMARY_KEY (tarvelin_rezezadovu_meta_model_primary_key_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_CHECK (tarvelin_rezezadovu_meta_model_meta_check_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_UNIQUE (tarvelin_rezezadovu_meta_model_meta_unique_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_FOREIGN_KEY (tarvelin_rezezadovu_meta_model_meta_foreign_key_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_EXCLUDE (tarvelin_rezezadovu_meta_model_meta_exclude_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_RULE (tarvelin_rezezadovu_meta_model_meta_rule_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_FUNCTION (tarvelin_rezezadovu_meta_model_meta_function_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_EVENT (tarvelin_rezezadovu_meta_model_meta_event_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_TRIGGER (tarvelin_rezezadovu_meta_model_meta_trigger_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_ROLE (tarvelin_rezezadovu_meta_model_meta_role_get_type())
#define TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_USER (tarvelin_rezezadovu_meta_model_meta_user_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuMetaModelIMetaData, tarvelin_rezezadovu_meta_model_imeta_data, TARVELIN_REZEZADOVU_META_MODEL, IMETA_DATA)

struct _TarvelinRezezadovuMetaModelIMetaDataInterface {
    GTypeInterface parent_iface;
    TarvelinRezezadovuMetaModelIMetaData *(*clone)(TarvelinRezezadovuMetaModelIMetaData *self);
    void (*reset)(TarvelinRezezadovuMetaModelIMetaData *self);
};

TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuMetaModelMetaObject, tarvelin_rezezadovu_meta_model_meta_object, TARVELIN_REZEZADOVU_META_MODEL, META_OBJECT)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaDatabase, tarvelin_rezezadovu_meta_model_meta_database, TARVELIN_REZEZADOVU_META_MODEL, META_DATABASE, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaSchema, tarvelin_rezezadovu_meta_model_meta_schema, TARVELIN_REZEZADOVU_META_MODEL, META_SCHEMA, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaTable, tarvelin_rezezadovu_meta_model_meta_table, TARVELIN_REZEZADOVU_META_MODEL, META_TABLE, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaView, tarvelin_rezezadovu_meta_model_meta_view, TARVELIN_REZEZADOVU_META_MODEL, META_VIEW, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMaterialized, tarvelin_rezezadovu_meta_model_materialized, TARVELIN_REZEZADOVU_META_MODEL, MATERIALIZED, TarvelinRezezadovuMetaModelMetaView)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaClassify, tarvelin_rezezadovu_meta_model_meta_classify, TARVELIN_REZEZADOVU_META_MODEL, META_CLASSIFY, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaSynonym, tarvelin_rezezadovu_meta_model_meta_synonym, TARVELIN_REZEZADOVU_META_MODEL, META_SYNONYM, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaColumn, tarvelin_rezezadovu_meta_model_meta_column, TARVELIN_REZEZADOVU_META_MODEL, META_COLUMN, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaIndex, tarvelin_rezezadovu_meta_model_meta_index, TARVELIN_REZEZADOVU_META_MODEL, META_INDEX, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaConstraint, tarvelin_rezezadovu_meta_model_meta_constraint, TARVELIN_REZEZADOVU_META_MODEL, META_CONSTRAINT, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelPrimaryKey, tarvelin_rezezadovu_meta_model_primary_key, TARVELIN_REZEZADOVU_META_MODEL, PRIMARY_KEY, TarvelinRezezadovuMetaModelMetaConstraint)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaCheck, tarvelin_rezezadovu_meta_model_meta_check, TARVELIN_REZEZADOVU_META_MODEL, META_CHECK, TarvelinRezezadovuMetaModelMetaConstraint)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaUnique, tarvelin_rezezadovu_meta_model_meta_unique, TARVELIN_REZEZADOVU_META_MODEL, META_UNIQUE, TarvelinRezezadovuMetaModelMetaConstraint)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaForeignKey, tarvelin_rezezadovu_meta_model_meta_foreign_key, TARVELIN_REZEZADOVU_META_MODEL, META_FOREIGN_KEY, TarvelinRezezadovuMetaModelMetaConstraint)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaExclude, tarvelin_rezezadovu_meta_model_meta_exclude, TARVELIN_REZEZADOVU_META_MODEL, META_EXCLUDE, TarvelinRezezadovuMetaModelMetaConstraint)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaRule, tarvelin_rezezadovu_meta_model_meta_rule, TARVELIN_REZEZADOVU_META_MODEL, META_RULE, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaFunction, tarvelin_rezezadovu_meta_model_meta_function, TARVELIN_REZEZADOVU_META_MODEL, META_FUNCTION, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaEvent, tarvelin_rezezadovu_meta_model_meta_event, TARVELIN_REZEZADOVU_META_MODEL, META_EVENT, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaTrigger, tarvelin_rezezadovu_meta_model_meta_trigger, TARVELIN_REZEZADOVU_META_MODEL, META_TRIGGER, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaRole, tarvelin_rezezadovu_meta_model_meta_role, TARVELIN_REZEZADOVU_META_MODEL, META_ROLE, TarvelinRezezadovuMetaModelMetaObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuMetaModelMetaUser, tarvelin_rezezadovu_meta_model_meta_user, TARVELIN_REZEZADOVU_META_MODEL, META_USER, TarvelinRezezadovuMetaModelMetaObject)

/**
 * tarvelin_rezezadovu_meta_model_imeta_data_clone:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelIMetaData* tarvelin_rezezadovu_meta_model_imeta_data_clone(TarvelinRezezadovuMetaModelIMetaData* self);
/**
 * tarvelin_rezezadovu_meta_model_imeta_data_reset:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_imeta_data_reset(TarvelinRezezadovuMetaModelIMetaData* self);

/* MetaObject */
/**
 * tarvelin_rezezadovu_meta_model_meta_object_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaObject* tarvelin_rezezadovu_meta_model_meta_object_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaObject* tarvelin_rezezadovu_meta_model_meta_object_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_get_database:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_database(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_set_database:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_set_database(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_get_schema:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_schema(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_set_schema:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_set_schema(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_get_name:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_name(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_set_name:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_set_name(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_get_comment:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_comment(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_set_comment:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_set_comment(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_get_attributes:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap* tarvelin_rezezadovu_meta_model_meta_object_get_attributes(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_set_attributes:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type utf8 utf8): a #GeeHashMap
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_set_attributes(TarvelinRezezadovuMetaModelMetaObject* self, GeeHashMap* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_get_original:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_original(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_set_original:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_set_original(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_get_version:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_meta_model_meta_object_get_version(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_set_version:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_set_version(TarvelinRezezadovuMetaModelMetaObject* self, TarvelinProvidersContractsDataVersion value);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_clone:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaObject* tarvelin_rezezadovu_meta_model_meta_object_clone(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_reset:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_reset(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_character:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDBObject tarvelin_rezezadovu_meta_model_meta_object_character(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_serialize_property:
 * @self: (not nullable): the instance
 * @property_name: (not nullable): a text
 * @value: (not nullable): a #GValue
 * @pspec: (not nullable): a #GParamSpec
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API JsonNode* tarvelin_rezezadovu_meta_model_meta_object_serialize_property(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* property_name, const GValue* value, GParamSpec* pspec);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_deserialize_property:
 * @self: (not nullable): the instance
 * @property_name: (not nullable): a text
 * @value: (not nullable): a #GValue
 * @pspec: (not nullable): a #GParamSpec
 * @property_node: (not nullable): a #JsonNode
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_object_deserialize_property(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* property_name, GValue* value, GParamSpec* pspec, JsonNode* property_node);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_diff:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 TarvelinProvidersContractsDataVersion) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap* tarvelin_rezezadovu_meta_model_meta_object_diff(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_slice:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap* tarvelin_rezezadovu_meta_model_meta_object_slice(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_append_diff:
 * @self: (not nullable): the instance
 * @key: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_append_diff(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* key, TarvelinProvidersContractsDataVersion version);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_append_slice:
 * @self: (not nullable): the instance
 * @key: (not nullable): a text
 * @value: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_append_slice(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* key, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_clear_diff:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_clear_diff(TarvelinRezezadovuMetaModelMetaObject* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_object_clear_slice:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_object_clear_slice(TarvelinRezezadovuMetaModelMetaObject* self);

/* MetaDatabase */
/**
 * tarvelin_rezezadovu_meta_model_meta_database_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_database_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_database_new_with_name:
 * @database: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_new_with_name(const gchar* database);
/**
 * tarvelin_rezezadovu_meta_model_meta_database_construct_with_name:
 * @database: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_construct_with_name(GType object_type, const gchar* database);
/**
 * tarvelin_rezezadovu_meta_model_meta_database_get_schemas:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaSchema) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_database_get_schemas(TarvelinRezezadovuMetaModelMetaDatabase* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_database_set_schemas:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaSchema): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_database_set_schemas(TarvelinRezezadovuMetaModelMetaDatabase* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_database_append:
 * @self: (not nullable): the instance
 * @schema_name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_database_append(TarvelinRezezadovuMetaModelMetaDatabase* self, const gchar* schema_name);

/* MetaSchema */
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_new_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_new_with_names(const gchar* database, const gchar* schema);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_construct_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_construct_with_names(GType object_type, const gchar* database, const gchar* schema);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_get_events:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaEvent) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_events(TarvelinRezezadovuMetaModelMetaSchema* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_set_events:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaEvent): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_schema_set_events(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_get_functions:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaFunction) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_functions(TarvelinRezezadovuMetaModelMetaSchema* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_set_functions:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaFunction): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_schema_set_functions(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_get_procedures:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaFunction) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_procedures(TarvelinRezezadovuMetaModelMetaSchema* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_set_procedures:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaFunction): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_schema_set_procedures(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_get_tables:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaTable) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_tables(TarvelinRezezadovuMetaModelMetaSchema* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_set_tables:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaTable): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_schema_set_tables(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_get_miews:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMaterialized) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_miews(TarvelinRezezadovuMetaModelMetaSchema* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_set_miews:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMaterialized): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_schema_set_miews(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_get_views:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaView) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_views(TarvelinRezezadovuMetaModelMetaSchema* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_schema_set_views:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaView): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_schema_set_views(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value);

/* MetaTable */
/**
 * tarvelin_rezezadovu_meta_model_meta_table_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_new_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_new_with_names(const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_construct_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_get_constraints:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaConstraint) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_constraints(TarvelinRezezadovuMetaModelMetaTable* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_set_constraints:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaConstraint): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_table_set_constraints(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_get_columns:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaColumn) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_columns(TarvelinRezezadovuMetaModelMetaTable* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_set_columns:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaColumn): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_table_set_columns(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_get_indexes:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaIndex) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_indexes(TarvelinRezezadovuMetaModelMetaTable* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_set_indexes:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaIndex): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_table_set_indexes(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_get_rules:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaRule) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_rules(TarvelinRezezadovuMetaModelMetaTable* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_set_rules:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaRule): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_table_set_rules(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_get_triggers:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaTrigger) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_triggers(TarvelinRezezadovuMetaModelMetaTable* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_set_triggers:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type TarvelinRezezadovuMetaModelMetaTrigger): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_table_set_triggers(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_get_options:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap* tarvelin_rezezadovu_meta_model_meta_table_get_options(TarvelinRezezadovuMetaModelMetaTable* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_set_options:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type utf8 utf8): a #GeeHashMap
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_table_set_options(TarvelinRezezadovuMetaModelMetaTable* self, GeeHashMap* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_get_column:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_table_get_column(TarvelinRezezadovuMetaModelMetaTable* self, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_new_column:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_table_new_column(TarvelinRezezadovuMetaModelMetaTable* self, const gchar* name, TarvelinProvidersContractsDataType data_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_table_reset_partial:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_table_reset_partial(TarvelinRezezadovuMetaModelMetaTable* self, TarvelinProvidersContractsDBObject kind);

/* MetaView */
/**
 * tarvelin_rezezadovu_meta_model_meta_view_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_view_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_view_new_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_new_with_names(const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_view_construct_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_view_get_definition:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_view_get_definition(TarvelinRezezadovuMetaModelMetaView* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_view_set_definition:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_view_set_definition(TarvelinRezezadovuMetaModelMetaView* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_view_get_columns:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type TarvelinRezezadovuMetaModelMetaColumn) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_view_get_columns(TarvelinRezezadovuMetaModelMetaView* self);

/* Materialized */
/**
 * tarvelin_rezezadovu_meta_model_materialized_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_new(void);
/**
 * tarvelin_rezezadovu_meta_model_materialized_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_materialized_new_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_new_with_names(const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_materialized_construct_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_materialized_get_table_space:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_materialized_get_table_space(TarvelinRezezadovuMetaModelMaterialized* self);
/**
 * tarvelin_rezezadovu_meta_model_materialized_set_table_space:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_materialized_set_table_space(TarvelinRezezadovuMetaModelMaterialized* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_materialized_get_definer:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_materialized_get_definer(TarvelinRezezadovuMetaModelMaterialized* self);
/**
 * tarvelin_rezezadovu_meta_model_materialized_set_definer:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_materialized_set_definer(TarvelinRezezadovuMetaModelMaterialized* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_materialized_get_fill_factor:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_materialized_get_fill_factor(TarvelinRezezadovuMetaModelMaterialized* self);
/**
 * tarvelin_rezezadovu_meta_model_materialized_set_fill_factor:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_materialized_set_fill_factor(TarvelinRezezadovuMetaModelMaterialized* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_materialized_get_with_data:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_materialized_get_with_data(TarvelinRezezadovuMetaModelMaterialized* self);
/**
 * tarvelin_rezezadovu_meta_model_materialized_set_with_data:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_materialized_set_with_data(TarvelinRezezadovuMetaModelMaterialized* self, gboolean value);

/* MetaClassify */
/**
 * tarvelin_rezezadovu_meta_model_meta_classify_new:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @label: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new(TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label);
/**
 * tarvelin_rezezadovu_meta_model_meta_classify_construct:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @label: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct(GType object_type, TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label);
/**
 * tarvelin_rezezadovu_meta_model_meta_classify_new_with_model:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @label: (not nullable): a text
 * @list_model: (not nullable): a #GListModel
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new_with_model(TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label, GListModel* list_model);
/**
 * tarvelin_rezezadovu_meta_model_meta_classify_construct_with_model:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @label: (not nullable): a text
 * @list_model: (not nullable): a #GListModel
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct_with_model(GType object_type, TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label, GListModel* list_model);
/**
 * tarvelin_rezezadovu_meta_model_meta_classify_new_with_array:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @label: (not nullable): a text
 * @array: (array length=array_length1) (nullable): the items
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new_with_array(TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label, TarvelinRezezadovuMetaModelMetaObject** array, gint array_length1);
/**
 * tarvelin_rezezadovu_meta_model_meta_classify_construct_with_array:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @label: (not nullable): a text
 * @array: (array length=array_length1) (nullable): the items
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct_with_array(GType object_type, TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label, TarvelinRezezadovuMetaModelMetaObject** array, gint array_length1);
/**
 * tarvelin_rezezadovu_meta_model_meta_classify_get_children:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GListModel* tarvelin_rezezadovu_meta_model_meta_classify_get_children(TarvelinRezezadovuMetaModelMetaClassify* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_classify_set_children:
 * @self: (not nullable): the instance
 * @value: (nullable): a #GListModel
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_classify_set_children(TarvelinRezezadovuMetaModelMetaClassify* self, GListModel* value);

/* MetaSynonym */
/**
 * tarvelin_rezezadovu_meta_model_meta_synonym_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_synonym_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_synonym_new_with_names:
 * @_schema: (not nullable): a text
 * @_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_new_with_names(const gchar* _schema, const gchar* _name);
/**
 * tarvelin_rezezadovu_meta_model_meta_synonym_construct_with_names:
 * @_schema: (not nullable): a text
 * @_name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_construct_with_names(GType object_type, const gchar* _schema, const gchar* _name);
/**
 * tarvelin_rezezadovu_meta_model_meta_synonym_get_target:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_synonym_get_target(TarvelinRezezadovuMetaModelMetaSynonym* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_synonym_set_target:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_synonym_set_target(TarvelinRezezadovuMetaModelMetaSynonym* self, const gchar* value);

/* MetaColumn */
/**
 * tarvelin_rezezadovu_meta_model_meta_column_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_new_with_type:
 * @name: (not nullable): a text
 * @native_type: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_new_with_type(const gchar* name, TarvelinProvidersContractsDataType data_type, const gchar* native_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_construct_with_type:
 * @name: (not nullable): a text
 * @native_type: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_column_construct_with_type(GType object_type, const gchar* name, TarvelinProvidersContractsDataType data_type, const gchar* native_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_ordinal:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint16 tarvelin_rezezadovu_meta_model_meta_column_get_ordinal(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_ordinal:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_ordinal(TarvelinRezezadovuMetaModelMetaColumn* self, guint16 value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_alias:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_alias(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_alias:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_alias(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_after:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_after(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_after:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_after(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_raw_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_raw_type(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_raw_type:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_raw_type(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_rezezadovu_meta_model_meta_column_get_data_type(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_data_type(TarvelinRezezadovuMetaModelMetaColumn* self, TarvelinProvidersContractsDataType value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_length:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint64 tarvelin_rezezadovu_meta_model_meta_column_get_length(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_length:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_length(TarvelinRezezadovuMetaModelMetaColumn* self, gint64 value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_scale:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint8 tarvelin_rezezadovu_meta_model_meta_column_get_scale(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_scale:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_scale(TarvelinRezezadovuMetaModelMetaColumn* self, guint8 value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_dimension:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint8 tarvelin_rezezadovu_meta_model_meta_column_get_dimension(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_dimension:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_dimension(TarvelinRezezadovuMetaModelMetaColumn* self, guint8 value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_is_unsigned:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_unsigned(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_is_unsigned:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_is_unsigned(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_auto_increment:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_auto_increment(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_auto_increment:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_auto_increment(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_auto_increment_seed:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_rezezadovu_meta_model_meta_column_get_auto_increment_seed(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_auto_increment_seed:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_auto_increment_seed(TarvelinRezezadovuMetaModelMetaColumn* self, guint64 value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_identity:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_identity(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_identity:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_identity(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_default_value:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_default_value(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_default_value:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_default_value(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_virtual_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_virtual_type(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_virtual_type:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_virtual_type(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_expression:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_expression(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_expression:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_expression(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_not_null:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_not_null(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_not_null:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_not_null(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_is_selected:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_selected(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_is_selected:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_is_selected(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_is_virtual:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_virtual(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_is_virtual:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_is_virtual(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_is_user_defined:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_user_defined(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_is_user_defined:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_is_user_defined(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_is_primary_key:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_primary_key(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_is_primary_key:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_is_primary_key(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_primary_ordinal:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint8 tarvelin_rezezadovu_meta_model_meta_column_get_primary_ordinal(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_primary_ordinal:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_primary_ordinal(TarvelinRezezadovuMetaModelMetaColumn* self, guint8 value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_primary_length:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_rezezadovu_meta_model_meta_column_get_primary_length(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_primary_length:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_primary_length(TarvelinRezezadovuMetaModelMetaColumn* self, guint64 value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_conflict:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_conflict(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_conflict:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_conflict(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_charset:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_charset(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_charset:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_charset(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_collation:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_collation(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_collation:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_collation(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_enum_values:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_column_get_enum_values(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_enum_values:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_enum_values(TarvelinRezezadovuMetaModelMetaColumn* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_is_binary:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_binary(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_is_binary:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_is_binary(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_is_fill_zero:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_fill_zero(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_is_fill_zero:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_is_fill_zero(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_update_timestamp:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_update_timestamp(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_update_timestamp:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_update_timestamp(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_get_is_generated_always:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_column_get_is_generated_always(TarvelinRezezadovuMetaModelMetaColumn* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_column_set_is_generated_always:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_column_set_is_generated_always(TarvelinRezezadovuMetaModelMetaColumn* self, gboolean value);

/* MetaIndex */
/**
 * tarvelin_rezezadovu_meta_model_meta_index_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_new_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @entity: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_new_with_names(const gchar* database, const gchar* schema, const gchar* entity, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_construct_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @entity: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* entity, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_entity:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_entity(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_entity:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_entity(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_class:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_class(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_class:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_class(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_method:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_method(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_method:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_method(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_parser:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_parser(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_parser:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_parser(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_algorithm:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_algorithm(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_algorithm:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_algorithm(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_lock:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_lock(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_lock:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_lock(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_where:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_where(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_where:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_where(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_table_space:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_table_space(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_table_space:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_table_space(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_with:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_with(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_with:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_with(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_include:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_include(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_include:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_include(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_kind:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_kind(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_kind:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_kind(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_is_concurrent:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_index_get_is_concurrent(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_is_concurrent:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_is_concurrent(TarvelinRezezadovuMetaModelMetaIndex* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_is_only:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_index_get_is_only(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_is_only:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_is_only(TarvelinRezezadovuMetaModelMetaIndex* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_is_visible:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_index_get_is_visible(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_is_visible:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_is_visible(TarvelinRezezadovuMetaModelMetaIndex* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_is_clustered:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_index_get_is_clustered(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_is_clustered:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_is_clustered(TarvelinRezezadovuMetaModelMetaIndex* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_key_block_size:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_rezezadovu_meta_model_meta_index_get_key_block_size(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_key_block_size:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_key_block_size(TarvelinRezezadovuMetaModelMetaIndex* self, guint64 value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_get_columns:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_index_get_columns(TarvelinRezezadovuMetaModelMetaIndex* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_set_columns:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type utf8): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_set_columns(TarvelinRezezadovuMetaModelMetaIndex* self, GeeArrayList* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_index_append:
 * @self: (not nullable): the instance
 * @column: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_index_append(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* column);

/* MetaConstraint */
/**
 * tarvelin_rezezadovu_meta_model_meta_constraint_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_constraint_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_constraint_new_with_names:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_new_with_names(const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_constraint_construct_with_names:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_construct_with_names(GType object_type, const gchar* name);

/* PrimaryKey */
/**
 * tarvelin_rezezadovu_meta_model_primary_key_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_new(void);
/**
 * tarvelin_rezezadovu_meta_model_primary_key_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_primary_key_new_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_new_with_name(const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_primary_key_construct_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_construct_with_name(GType object_type, const gchar* name);

/* MetaCheck */
/**
 * tarvelin_rezezadovu_meta_model_meta_check_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_new_with_name:
 * @name: (not nullable): a text
 * @expr: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_new_with_name(const gchar* name, const gchar* expr);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_construct_with_name:
 * @name: (not nullable): a text
 * @expr: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_construct_with_name(GType object_type, const gchar* name, const gchar* expr);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_get_enforced:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_check_get_enforced(TarvelinRezezadovuMetaModelMetaCheck* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_set_enforced:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_check_set_enforced(TarvelinRezezadovuMetaModelMetaCheck* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_get_no_inherit:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_check_get_no_inherit(TarvelinRezezadovuMetaModelMetaCheck* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_set_no_inherit:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_check_set_no_inherit(TarvelinRezezadovuMetaModelMetaCheck* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_get_check:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_check_get_check(TarvelinRezezadovuMetaModelMetaCheck* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_set_check:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_check_set_check(TarvelinRezezadovuMetaModelMetaCheck* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_get_deferrable:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_check_get_deferrable(TarvelinRezezadovuMetaModelMetaCheck* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_check_set_deferrable:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_check_set_deferrable(TarvelinRezezadovuMetaModelMetaCheck* self, const gchar* value);

/* MetaUnique */
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_new_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_new_with_name(const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_construct_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_construct_with_name(GType object_type, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_get_columns:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_columns(TarvelinRezezadovuMetaModelMetaUnique* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_set_columns:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_unique_set_columns(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_get_conflict:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_conflict(TarvelinRezezadovuMetaModelMetaUnique* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_set_conflict:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_unique_set_conflict(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_get_is_primary_key:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_unique_get_is_primary_key(TarvelinRezezadovuMetaModelMetaUnique* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_set_is_primary_key:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_unique_set_is_primary_key(TarvelinRezezadovuMetaModelMetaUnique* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_get_table_space:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_table_space(TarvelinRezezadovuMetaModelMetaUnique* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_set_table_space:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_unique_set_table_space(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_get_with:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_with(TarvelinRezezadovuMetaModelMetaUnique* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_set_with:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_unique_set_with(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_get_include:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_include(TarvelinRezezadovuMetaModelMetaUnique* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_set_include:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_unique_set_include(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_get_deferrable:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_deferrable(TarvelinRezezadovuMetaModelMetaUnique* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_unique_set_deferrable:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_unique_set_deferrable(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value);

/* MetaForeignKey */
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_name(const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_name(GType object_type, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_refer:
 * @name: (not nullable): a text
 * @refer_schema: (not nullable): a text
 * @refere_table: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_refer(const gchar* name, const gchar* refer_schema, const gchar* refere_table);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_refer:
 * @name: (not nullable): a text
 * @refer_schema: (not nullable): a text
 * @refere_table: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_refer(GType object_type, const gchar* name, const gchar* refer_schema, const gchar* refere_table);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_database:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_database(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_database:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_database(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_schema:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_schema(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_schema:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_schema(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_table:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_table(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_table:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_table(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_local_columns:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_local_columns(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_local_columns:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_local_columns(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_columns:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_columns(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_columns:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_columns(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_match_method:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_match_method(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_match_method:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_match_method(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_delete_action:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_delete_action(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_delete_action:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_delete_action(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_update_action:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_update_action(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_update_action:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_update_action(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_get_deferrable:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_deferrable(TarvelinRezezadovuMetaModelMetaForeignKey* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_foreign_key_set_deferrable:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_deferrable(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value);

/* MetaExclude */
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_new_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_new_with_name(const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_construct_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_construct_with_name(GType object_type, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_get_index_method:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_index_method(TarvelinRezezadovuMetaModelMetaExclude* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_set_index_method:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_exclude_set_index_method(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_get_table_space:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_table_space(TarvelinRezezadovuMetaModelMetaExclude* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_set_table_space:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_exclude_set_table_space(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_get_with:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_with(TarvelinRezezadovuMetaModelMetaExclude* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_set_with:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_exclude_set_with(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_get_include:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_include(TarvelinRezezadovuMetaModelMetaExclude* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_set_include:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_exclude_set_include(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_get_where:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_where(TarvelinRezezadovuMetaModelMetaExclude* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_set_where:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_exclude_set_where(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_get_deferrable:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_deferrable(TarvelinRezezadovuMetaModelMetaExclude* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_set_deferrable:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_exclude_set_deferrable(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_get_elements:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_elements(TarvelinRezezadovuMetaModelMetaExclude* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_exclude_set_elements:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_exclude_set_elements(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value);

/* MetaRule */
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_new_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_new_with_name(const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_construct_with_name:
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_construct_with_name(GType object_type, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_get_commands:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_commands(TarvelinRezezadovuMetaModelMetaRule* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_set_commands:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_rule_set_commands(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_get_action:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_action(TarvelinRezezadovuMetaModelMetaRule* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_set_action:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_rule_set_action(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_get_event:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_event(TarvelinRezezadovuMetaModelMetaRule* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_set_event:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_rule_set_event(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_get_where:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_where(TarvelinRezezadovuMetaModelMetaRule* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_set_where:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_rule_set_where(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_get_apply:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_apply(TarvelinRezezadovuMetaModelMetaRule* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_set_apply:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_rule_set_apply(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_get_enable:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_rule_get_enable(TarvelinRezezadovuMetaModelMetaRule* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_rule_set_enable:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_rule_set_enable(TarvelinRezezadovuMetaModelMetaRule* self, gboolean value);

/* MetaFunction */
/**
 * tarvelin_rezezadovu_meta_model_meta_function_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_new_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_new_with_names(const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_construct_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_get_is_function:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_function_get_is_function(TarvelinRezezadovuMetaModelMetaFunction* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_set_is_function:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_function_set_is_function(TarvelinRezezadovuMetaModelMetaFunction* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_get_return_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_function_get_return_type(TarvelinRezezadovuMetaModelMetaFunction* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_set_return_type:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_function_set_return_type(TarvelinRezezadovuMetaModelMetaFunction* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_get_body:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_function_get_body(TarvelinRezezadovuMetaModelMetaFunction* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_set_body:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_function_set_body(TarvelinRezezadovuMetaModelMetaFunction* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_get_parameters:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeArrayList* tarvelin_rezezadovu_meta_model_meta_function_get_parameters(TarvelinRezezadovuMetaModelMetaFunction* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_function_set_parameters:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type utf8): a #GeeArrayList
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_function_set_parameters(TarvelinRezezadovuMetaModelMetaFunction* self, GeeArrayList* value);

/* MetaEvent */
/**
 * tarvelin_rezezadovu_meta_model_meta_event_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_new_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_new_with_names(const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_construct_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_get_kind:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_kind(TarvelinRezezadovuMetaModelMetaEvent* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_set_kind:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_event_set_kind(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_get_body:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_body(TarvelinRezezadovuMetaModelMetaEvent* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_set_body:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_event_set_body(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_get_definer:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_definer(TarvelinRezezadovuMetaModelMetaEvent* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_set_definer:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_event_set_definer(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_get_state:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_state(TarvelinRezezadovuMetaModelMetaEvent* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_set_state:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_event_set_state(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_get_schedule:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_schedule(TarvelinRezezadovuMetaModelMetaEvent* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_set_schedule:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_event_set_schedule(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_get_completion:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_completion(TarvelinRezezadovuMetaModelMetaEvent* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_event_set_completion:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_event_set_completion(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value);

/* MetaTrigger */
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_new_with_body:
 * @name: (not nullable): a text
 * @body: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_new_with_body(const gchar* name, const gchar* body);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_body:
 * @name: (not nullable): a text
 * @body: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_body(GType object_type, const gchar* name, const gchar* body);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_new_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_new_with_names(const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_names:
 * @database: (not nullable): a text
 * @schema: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_kind:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_kind(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_kind:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_kind(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_target:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_target(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_target:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_target(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_body:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_body(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_body:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_body(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_definer:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_definer(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_definer:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_definer(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_timing:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_timing(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_timing:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_timing(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_event:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_event(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_event:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_event(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_when:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_when(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_when:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_when(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_order:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_order(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_order:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_order(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_trigger:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_trigger(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_trigger:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_trigger(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_columns:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_columns(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_columns:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_columns(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_deferrable:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_deferrable(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_deferrable:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_deferrable(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_deferred:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_deferred(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_deferred:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_deferred(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_function:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_function(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_function:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_function(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_arguments:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_arguments(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_arguments:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_arguments(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_for_each:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_for_each(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_for_each:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_for_each(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_refer_table:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_refer_table(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_refer_table:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_refer_table(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_constraint:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_trigger_get_constraint(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_constraint:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_constraint(TarvelinRezezadovuMetaModelMetaTrigger* self, gboolean value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_apply:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_apply(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_apply:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_apply(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_get_enable:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_rezezadovu_meta_model_meta_trigger_get_enable(TarvelinRezezadovuMetaModelMetaTrigger* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_trigger_set_enable:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_trigger_set_enable(TarvelinRezezadovuMetaModelMetaTrigger* self, gboolean value);

/* MetaRole */
/**
 * tarvelin_rezezadovu_meta_model_meta_role_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_new_with_names:
 * @_database: (not nullable): a text
 * @_schema: (not nullable): a text
 * @_name: (not nullable): a text
 * @_scope: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_new_with_names(const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_construct_with_names:
 * @_database: (not nullable): a text
 * @_schema: (not nullable): a text
 * @_name: (not nullable): a text
 * @_scope: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_construct_with_names(GType object_type, const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_get_scope:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_role_get_scope(TarvelinRezezadovuMetaModelMetaRole* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_set_scope:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_role_set_scope(TarvelinRezezadovuMetaModelMetaRole* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_get_password:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_role_get_password(TarvelinRezezadovuMetaModelMetaRole* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_set_password:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_role_set_password(TarvelinRezezadovuMetaModelMetaRole* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_get_relations:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap* tarvelin_rezezadovu_meta_model_meta_role_get_relations(TarvelinRezezadovuMetaModelMetaRole* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_set_relations:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type utf8 utf8): a #GeeHashMap
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_role_set_relations(TarvelinRezezadovuMetaModelMetaRole* self, GeeHashMap* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_get_privileges:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap* tarvelin_rezezadovu_meta_model_meta_role_get_privileges(TarvelinRezezadovuMetaModelMetaRole* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_role_set_privileges:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type utf8 utf8): a #GeeHashMap
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_role_set_privileges(TarvelinRezezadovuMetaModelMetaRole* self, GeeHashMap* value);

/* MetaUser */
/**
 * tarvelin_rezezadovu_meta_model_meta_user_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_new(void);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_construct(GType object_type);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_new_with_names:
 * @_database: (not nullable): a text
 * @_schema: (not nullable): a text
 * @_name: (not nullable): a text
 * @_scope: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_new_with_names(const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_construct_with_names:
 * @_database: (not nullable): a text
 * @_schema: (not nullable): a text
 * @_name: (not nullable): a text
 * @_scope: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_construct_with_names(GType object_type, const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_get_scope:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_user_get_scope(TarvelinRezezadovuMetaModelMetaUser* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_set_scope:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_user_set_scope(TarvelinRezezadovuMetaModelMetaUser* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_get_default_schema:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_user_get_default_schema(TarvelinRezezadovuMetaModelMetaUser* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_set_default_schema:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_user_set_default_schema(TarvelinRezezadovuMetaModelMetaUser* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_get_password:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar* tarvelin_rezezadovu_meta_model_meta_user_get_password(TarvelinRezezadovuMetaModelMetaUser* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_set_password:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_user_set_password(TarvelinRezezadovuMetaModelMetaUser* self, const gchar* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_get_relations:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap* tarvelin_rezezadovu_meta_model_meta_user_get_relations(TarvelinRezezadovuMetaModelMetaUser* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_set_relations:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type utf8 utf8): a #GeeHashMap
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_user_set_relations(TarvelinRezezadovuMetaModelMetaUser* self, GeeHashMap* value);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_get_privileges:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (element-type utf8 utf8) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GeeHashMap* tarvelin_rezezadovu_meta_model_meta_user_get_privileges(TarvelinRezezadovuMetaModelMetaUser* self);
/**
 * tarvelin_rezezadovu_meta_model_meta_user_set_privileges:
 * @self: (not nullable): the instance
 * @value: (nullable) (element-type utf8 utf8): a #GeeHashMap
 */
TARVELIN_API void tarvelin_rezezadovu_meta_model_meta_user_set_privileges(TarvelinRezezadovuMetaModelMetaUser* self, GeeHashMap* value);

G_END_DECLS
