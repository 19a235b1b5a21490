/* The forward-only reader over one native result. The interface gives default bodies
 * for get_timestamp .. get_values; get_value picks the typed getter and the value class
 * by the column's data type. Texts, buffers, date-times, values and arrays returned are
 * new; get_date fills the caller's date. */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_IDATA_READER (tarvelin_providers_contracts_idata_reader_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersContractsIDataReader, tarvelin_providers_contracts_idata_reader,
                           TARVELIN_PROVIDERS_CONTRACTS, IDATA_READER)

struct _TarvelinProvidersContractsIDataReaderInterface {
    GTypeInterface parent_iface;
    gboolean (*bulk)(TarvelinProvidersContractsIDataReader *self, GError **error);
    gboolean (*read)(TarvelinProvidersContractsIDataReader *self, GError **error);
    void (*close)(TarvelinProvidersContractsIDataReader *self, GError **error);
    gchar *(*get_name)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_dbms_type)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    TarvelinProvidersContractsDataType (*get_data_type)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                        GError **error);
    guint64 (*get_size)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gboolean (*is_null)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gboolean (*get_boolean)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gint8 (*get_int8)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    guint8 (*get_uint8)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gint16 (*get_int16)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    guint16 (*get_uint16)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gint32 (*get_int32)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    guint32 (*get_uint32)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gint64 (*get_int64)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    guint64 (*get_uint64)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gdouble (*get_decimal)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gdouble (*get_money)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gfloat (*get_float)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gdouble (*get_double)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    void (*get_date)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GDate *result, GError **error);
    GDateTime *(*get_time)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    GDateTime *(*get_datetime)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gint64 (*get_timespan)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_string)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_string16)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_guid)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    guint8 *(*get_binary)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, gint *result_length1,
                          GError **error);
    GDateTime *(*get_timestamp)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_enum)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_flag)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_set)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_xml)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_json)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_geometry)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    gchar *(*get_geography)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
    TarvelinProvidersContractsValueObject *(*get_variant)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error);
    guint8 *(*get_object)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal, gint *result_length1,
                          GError **error);
    TarvelinProvidersContractsValueObject *(*get_value)(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                        GError **error);
    TarvelinProvidersContractsValueObject **(*get_values)(TarvelinProvidersContractsIDataReader *self,
                                                          gint *result_length1, GError **error);
    gint (*get_field_count)(TarvelinProvidersContractsIDataReader *self);
    gboolean (*get_is_closed)(TarvelinProvidersContractsIDataReader *self);
};

/**
 * tarvelin_providers_contracts_idata_reader_bulk:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_idata_reader_bulk(TarvelinProvidersContractsIDataReader *self,
                                                                     GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_read:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_idata_reader_read(TarvelinProvidersContractsIDataReader *self,
                                                                     GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_close:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_idata_reader_close(TarvelinProvidersContractsIDataReader *self,
                                                                  GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_name:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_name(TarvelinProvidersContractsIDataReader *self,
                                                                       guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_dbms_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_dbms_type(TarvelinProvidersContractsIDataReader *self,
                                                                            guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_contracts_idata_reader_get_data_type(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_size:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_providers_contracts_idata_reader_get_size(TarvelinProvidersContractsIDataReader *self,
                                                                        guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_is_null:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_idata_reader_is_null(TarvelinProvidersContractsIDataReader *self,
                                                                        guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_boolean:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_idata_reader_get_boolean(TarvelinProvidersContractsIDataReader *self,
                                                                            guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_int8:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint8 tarvelin_providers_contracts_idata_reader_get_int8(TarvelinProvidersContractsIDataReader *self,
                                                                      guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_uint8:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint8 tarvelin_providers_contracts_idata_reader_get_uint8(TarvelinProvidersContractsIDataReader *self,
                                                                        guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_int16:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint16 tarvelin_providers_contracts_idata_reader_get_int16(TarvelinProvidersContractsIDataReader *self,
                                                                        guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_uint16:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint16 tarvelin_providers_contracts_idata_reader_get_uint16(TarvelinProvidersContractsIDataReader *self,
                                                                          guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_int32:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_providers_contracts_idata_reader_get_int32(TarvelinProvidersContractsIDataReader *self,
                                                                        guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_uint32:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_providers_contracts_idata_reader_get_uint32(TarvelinProvidersContractsIDataReader *self,
                                                                          guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_int64:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint64 tarvelin_providers_contracts_idata_reader_get_int64(TarvelinProvidersContractsIDataReader *self,
                                                                        guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_uint64:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_providers_contracts_idata_reader_get_uint64(TarvelinProvidersContractsIDataReader *self,
                                                                          guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_decimal:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_idata_reader_get_decimal(TarvelinProvidersContractsIDataReader *self,
                                                                           guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_money:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_idata_reader_get_money(TarvelinProvidersContractsIDataReader *self,
                                                                         guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_float:
 * @self: (not nullable): the instance
 */
TARVELIN_API gfloat tarvelin_providers_contracts_idata_reader_get_float(TarvelinProvidersContractsIDataReader *self,
                                                                        guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_double:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_idata_reader_get_double(TarvelinProvidersContractsIDataReader *self,
                                                                          guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_date:
 * @self: (not nullable): the instance
 * @result: (not nullable): a #GDate
 */
TARVELIN_API void tarvelin_providers_contracts_idata_reader_get_date(TarvelinProvidersContractsIDataReader *self,
                                                                     guint16 ordinal, GDate *result, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_time:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API GDateTime *tarvelin_providers_contracts_idata_reader_get_time(TarvelinProvidersContractsIDataReader *self,
                                                                           guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_datetime:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API GDateTime *tarvelin_providers_contracts_idata_reader_get_datetime(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_timespan:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint64 tarvelin_providers_contracts_idata_reader_get_timespan(TarvelinProvidersContractsIDataReader *self,
                                                                           guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_string:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_string(TarvelinProvidersContractsIDataReader *self,
                                                                         guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_string16:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_string16(TarvelinProvidersContractsIDataReader *self,
                                                                           guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_guid:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_guid(TarvelinProvidersContractsIDataReader *self,
                                                                       guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_binary:
 * @self: (not nullable): the instance
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API guint8 *tarvelin_providers_contracts_idata_reader_get_binary(TarvelinProvidersContractsIDataReader *self,
                                                                          guint16 ordinal, gint *result_length1,
                                                                          GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_timestamp:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API GDateTime *tarvelin_providers_contracts_idata_reader_get_timestamp(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_enum:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_enum(TarvelinProvidersContractsIDataReader *self,
                                                                       guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_flag:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_flag(TarvelinProvidersContractsIDataReader *self,
                                                                       guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_set:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_set(TarvelinProvidersContractsIDataReader *self,
                                                                      guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_xml:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_xml(TarvelinProvidersContractsIDataReader *self,
                                                                      guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_json:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_json(TarvelinProvidersContractsIDataReader *self,
                                                                       guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_geometry:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_geometry(TarvelinProvidersContractsIDataReader *self,
                                                                           guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_geography:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API gchar *tarvelin_providers_contracts_idata_reader_get_geography(TarvelinProvidersContractsIDataReader *self,
                                                                            guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_variant:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_idata_reader_get_variant(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_object:
 * @self: (not nullable): the instance
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free(); %NULL with @error set on failure
 */
TARVELIN_API guint8 *tarvelin_providers_contracts_idata_reader_get_object(TarvelinProvidersContractsIDataReader *self,
                                                                          guint16 ordinal, gint *result_length1,
                                                                          GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_value:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_idata_reader_get_value(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_values:
 * @self: (not nullable): the instance
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new array of new references; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsValueObject **tarvelin_providers_contracts_idata_reader_get_values(
    TarvelinProvidersContractsIDataReader *self, gint *result_length1, GError **error);
/**
 * tarvelin_providers_contracts_idata_reader_get_field_count:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint
tarvelin_providers_contracts_idata_reader_get_field_count(TarvelinProvidersContractsIDataReader *self);
/**
 * tarvelin_providers_contracts_idata_reader_get_is_closed:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean
tarvelin_providers_contracts_idata_reader_get_is_closed(TarvelinProvidersContractsIDataReader *self);

G_END_DECLS
