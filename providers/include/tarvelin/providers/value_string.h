/* Text cells: UTF-8 text, its XML, JSON and UUID flavours, and wide (UTF-16) text. */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING (tarvelin_providers_contracts_value_string_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_XML (tarvelin_providers_contracts_value_xml_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_JSON (tarvelin_providers_contracts_value_json_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID (tarvelin_providers_contracts_value_uuid_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_UTF16 (tarvelin_providers_contracts_value_utf16_get_type())

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueString, tarvelin_providers_contracts_value_string,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_STRING, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueXml, tarvelin_providers_contracts_value_xml,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_XML, TarvelinProvidersContractsValueString)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueJson, tarvelin_providers_contracts_value_json,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_JSON, TarvelinProvidersContractsValueString)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueUuid, tarvelin_providers_contracts_value_uuid,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_UUID, TarvelinProvidersContractsValueString)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueUtf16, tarvelin_providers_contracts_value_utf16,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_UTF16, TarvelinProvidersContractsValueObject)

/**
 * tarvelin_providers_contracts_value_string_new:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueString *tarvelin_providers_contracts_value_string_new(const gchar *text);
/**
 * tarvelin_providers_contracts_value_string_construct:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueString *tarvelin_providers_contracts_value_string_construct(
    GType object_type, const gchar *text);
/* Borrowed; NULL when the value holds no text. */
/**
 * tarvelin_providers_contracts_value_string_get_itsvalue:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_value_string_get_itsvalue(
    TarvelinProvidersContractsValueString *self);
/**
 * tarvelin_providers_contracts_value_string_set_itsvalue:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_value_string_set_itsvalue(TarvelinProvidersContractsValueString *self,
                                                                        const gchar *value);
/* Asynchronous, on the caller's thread-default main context. */
/**
 * tarvelin_providers_contracts_value_string_load:
 * @self: (not nullable): the instance
 * @filename: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_providers_contracts_value_string_load(TarvelinProvidersContractsValueString *self,
                                                                const gchar *filename, GAsyncReadyCallback _callback_,
                                                                gpointer _user_data_);
/**
 * tarvelin_providers_contracts_value_string_load_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API void tarvelin_providers_contracts_value_string_load_finish(TarvelinProvidersContractsValueString *self,
                                                                       GAsyncResult *_res_, GError **error);
/**
 * tarvelin_providers_contracts_value_string_save:
 * @self: (not nullable): the instance
 * @filename: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_providers_contracts_value_string_save(TarvelinProvidersContractsValueString *self,
                                                                const gchar *filename, GAsyncReadyCallback _callback_,
                                                                gpointer _user_data_);
/**
 * tarvelin_providers_contracts_value_string_save_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API void tarvelin_providers_contracts_value_string_save_finish(TarvelinProvidersContractsValueString *self,
                                                                       GAsyncResult *_res_, GError **error);

/**
 * tarvelin_providers_contracts_value_xml_new:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueXml *tarvelin_providers_contracts_value_xml_new(const gchar *text);
/**
 * tarvelin_providers_contracts_value_xml_construct:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueXml *tarvelin_providers_contracts_value_xml_construct(GType object_type,
                                                                                                 const gchar *text);

/**
 * tarvelin_providers_contracts_value_json_new:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueJson *tarvelin_providers_contracts_value_json_new(const gchar *text);
/**
 * tarvelin_providers_contracts_value_json_construct:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueJson *tarvelin_providers_contracts_value_json_construct(GType object_type,
                                                                                                   const gchar *text);

/* new: a random version 4 UUID; new_uuid: the given text, unchecked. */
/**
 * tarvelin_providers_contracts_value_uuid_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUuid *tarvelin_providers_contracts_value_uuid_new(void);
/**
 * tarvelin_providers_contracts_value_uuid_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUuid *tarvelin_providers_contracts_value_uuid_construct(GType object_type);
/**
 * tarvelin_providers_contracts_value_uuid_new_uuid:
 * @uuid: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUuid *tarvelin_providers_contracts_value_uuid_new_uuid(const gchar *uuid);
/**
 * tarvelin_providers_contracts_value_uuid_construct_uuid:
 * @uuid: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUuid *tarvelin_providers_contracts_value_uuid_construct_uuid(
    GType object_type, const gchar *uuid);

/* new takes over the zero-terminated buffer; new_string converts UTF-8. */
/**
 * tarvelin_providers_contracts_value_utf16_new:
 * @text: (array zero-terminated=1) (transfer full) (not nullable): a zero-terminated UTF-16 buffer, taken over
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUtf16 *tarvelin_providers_contracts_value_utf16_new(gunichar2 *text);
/**
 * tarvelin_providers_contracts_value_utf16_construct:
 * @text: (array zero-terminated=1) (transfer full) (not nullable): a zero-terminated UTF-16 buffer, taken over
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUtf16 *tarvelin_providers_contracts_value_utf16_construct(
    GType object_type, gunichar2 *text);
/**
 * tarvelin_providers_contracts_value_utf16_new_string:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUtf16 *tarvelin_providers_contracts_value_utf16_new_string(
    const gchar *text);
/**
 * tarvelin_providers_contracts_value_utf16_construct_string:
 * @text: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUtf16 *tarvelin_providers_contracts_value_utf16_construct_string(
    GType object_type, const gchar *text);
/**
 * tarvelin_providers_contracts_value_utf16_get_itsvalue:
 * @self: (not nullable): the instance
 *
 * Borrowed.
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API gunichar2 *tarvelin_providers_contracts_value_utf16_get_itsvalue(TarvelinProvidersContractsValueUtf16 *self);
/**
 * tarvelin_providers_contracts_value_utf16_set_itsvalue:
 * @self: (not nullable): the instance
 * @value: (array zero-terminated=1) (transfer full) (nullable): a zero-terminated UTF-16 buffer, taken over
 *
 * Takes over the buffer.
 */
TARVELIN_API void tarvelin_providers_contracts_value_utf16_set_itsvalue(TarvelinProvidersContractsValueUtf16 *self,
                                                                       gunichar2 *value);

G_END_DECLS
