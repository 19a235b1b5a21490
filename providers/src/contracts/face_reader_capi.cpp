// C face of the reader contract: the dispatchers through the interface structure. An
// empty slot gives -1 for the signed numbers (not the time span) and the column count,
// else 0, NULL or FALSE.
#include "providers/contracts/face_reader.hpp"

TARVELIN_LOG_TAG("face_reader_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using V = TarvelinProvidersContractsIDataReaderInterface;

extern "C" {

GType tarvelin_providers_contracts_idata_reader_get_type(void) { return IDataReader::gtype(); }

gboolean tarvelin_providers_contracts_idata_reader_bulk(TarvelinProvidersContractsIDataReader *self, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::bulk>(G_STRFUNC, self, error);
}
gboolean tarvelin_providers_contracts_idata_reader_read(TarvelinProvidersContractsIDataReader *self, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::read>(G_STRFUNC, self, error);
}
void tarvelin_providers_contracts_idata_reader_close(TarvelinProvidersContractsIDataReader *self, GError **error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&V::close>(G_STRFUNC, self, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_name(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_name>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_dbms_type(TarvelinProvidersContractsIDataReader *self,
                                                               guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_dbms_type>(G_STRFUNC, self, ordinal, error);
}
TarvelinProvidersContractsDataType tarvelin_providers_contracts_idata_reader_get_data_type(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::dispatch<&V::get_data_type>(G_STRFUNC, self, ordinal, error);
}
guint64 tarvelin_providers_contracts_idata_reader_get_size(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_size>(G_STRFUNC, self, ordinal, error);
}
gboolean tarvelin_providers_contracts_idata_reader_is_null(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::is_null>(G_STRFUNC, self, ordinal, error);
}
gboolean tarvelin_providers_contracts_idata_reader_get_boolean(TarvelinProvidersContractsIDataReader *self,
                                                               guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_boolean>(G_STRFUNC, self, ordinal, error);
}
gint8 tarvelin_providers_contracts_idata_reader_get_int8(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                         GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_int8>(G_STRFUNC, self, ordinal, error);
}
guint8 tarvelin_providers_contracts_idata_reader_get_uint8(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_uint8>(G_STRFUNC, self, ordinal, error);
}
gint16 tarvelin_providers_contracts_idata_reader_get_int16(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_int16>(G_STRFUNC, self, ordinal, error);
}
guint16 tarvelin_providers_contracts_idata_reader_get_uint16(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_uint16>(G_STRFUNC, self, ordinal, error);
}
gint32 tarvelin_providers_contracts_idata_reader_get_int32(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_int32, -1>(G_STRFUNC, self, ordinal, error);
}
guint32 tarvelin_providers_contracts_idata_reader_get_uint32(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_uint32>(G_STRFUNC, self, ordinal, error);
}
gint64 tarvelin_providers_contracts_idata_reader_get_int64(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_int64>(G_STRFUNC, self, ordinal, error);
}
guint64 tarvelin_providers_contracts_idata_reader_get_uint64(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_uint64>(G_STRFUNC, self, ordinal, error);
}
gdouble tarvelin_providers_contracts_idata_reader_get_decimal(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_decimal>(G_STRFUNC, self, ordinal, error);
}
gdouble tarvelin_providers_contracts_idata_reader_get_money(TarvelinProvidersContractsIDataReader *self,
                                                            guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_money>(G_STRFUNC, self, ordinal, error);
}
gfloat tarvelin_providers_contracts_idata_reader_get_float(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_float>(G_STRFUNC, self, ordinal, error);
}
gdouble tarvelin_providers_contracts_idata_reader_get_double(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_double>(G_STRFUNC, self, ordinal, error);
}
void tarvelin_providers_contracts_idata_reader_get_date(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                        GDate *result, GError **error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&V::get_date>(G_STRFUNC, self, ordinal, result, error);
}
GDateTime *tarvelin_providers_contracts_idata_reader_get_time(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_time>(G_STRFUNC, self, ordinal, error);
}
GDateTime *tarvelin_providers_contracts_idata_reader_get_datetime(TarvelinProvidersContractsIDataReader *self,
                                                                  guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_datetime>(G_STRFUNC, self, ordinal, error);
}
gint64 tarvelin_providers_contracts_idata_reader_get_timespan(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_timespan, 0>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_string(TarvelinProvidersContractsIDataReader *self,
                                                            guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_string>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_string16(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_string16>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_guid(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_guid>(G_STRFUNC, self, ordinal, error);
}
guint8 *tarvelin_providers_contracts_idata_reader_get_binary(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, gint *result_length1, GError **error) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_binary>(G_STRFUNC, self, ordinal, result_length1, error);
}
GDateTime *tarvelin_providers_contracts_idata_reader_get_timestamp(TarvelinProvidersContractsIDataReader *self,
                                                                   guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_timestamp>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_enum(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_enum>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_flag(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_flag>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_set(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                         GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_set>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_xml(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                         GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_xml>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_json(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_json>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_geometry(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_geometry>(G_STRFUNC, self, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_geography(TarvelinProvidersContractsIDataReader *self,
                                                               guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_geography>(G_STRFUNC, self, ordinal, error);
}
TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_idata_reader_get_variant(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_variant>(G_STRFUNC, self, ordinal, error);
}
guint8 *tarvelin_providers_contracts_idata_reader_get_object(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, gint *result_length1, GError **error) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_object>(G_STRFUNC, self, ordinal, result_length1, error);
}
TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_idata_reader_get_value(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_value>(G_STRFUNC, self, ordinal, error);
}
TarvelinProvidersContractsValueObject **tarvelin_providers_contracts_idata_reader_get_values(
    TarvelinProvidersContractsIDataReader *self, gint *result_length1, GError **error) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&V::get_values>(G_STRFUNC, self, result_length1, error);
}
gint tarvelin_providers_contracts_idata_reader_get_field_count(TarvelinProvidersContractsIDataReader *self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_field_count, -1>(G_STRFUNC, self);
}
gboolean tarvelin_providers_contracts_idata_reader_get_is_closed(TarvelinProvidersContractsIDataReader *self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&V::get_is_closed>(G_STRFUNC, self);
}

}  // extern "C"
