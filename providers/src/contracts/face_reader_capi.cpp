// C face of the reader contract: dispatchers through the interface structure.
#include "providers/contracts/face_reader.hpp"

TARVELIN_LOG_TAG("face_reader_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

// An empty slot gives `empty`: -1 for the signed numbers and the column count, else 0.
#define READER_DISPATCH(slot, empty, ...) \
    gobj::dispatch(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, self, &IDataReader::Vtable::slot, empty __VA_OPT__(, ) __VA_ARGS__)
#define READER_DISPATCH_VOID(slot, ...) \
    gobj::dispatch_void(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, self, &IDataReader::Vtable::slot, __VA_ARGS__)

extern "C" {

TARVELIN_API GType tarvelin_providers_contracts_idata_reader_get_type(void) { return IDataReader::gtype(); }

gboolean tarvelin_providers_contracts_idata_reader_bulk(TarvelinProvidersContractsIDataReader *self, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(bulk, gboolean(0), error);
}
gboolean tarvelin_providers_contracts_idata_reader_read(TarvelinProvidersContractsIDataReader *self, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(read, gboolean(0), error);
}
void tarvelin_providers_contracts_idata_reader_close(TarvelinProvidersContractsIDataReader *self, GError **error) {
    g_return_if_fail(self != NULL);
    READER_DISPATCH_VOID(close, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_name(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_name, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_dbms_type(TarvelinProvidersContractsIDataReader *self,
                                                               guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_dbms_type, nullptr, ordinal, error);
}
TarvelinProvidersContractsDataType tarvelin_providers_contracts_idata_reader_get_data_type(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return READER_DISPATCH(get_data_type, TarvelinProvidersContractsDataType(0), ordinal, error);
}
guint64 tarvelin_providers_contracts_idata_reader_get_size(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_size, guint64(0), ordinal, error);
}
gboolean tarvelin_providers_contracts_idata_reader_is_null(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(is_null, gboolean(0), ordinal, error);
}
gboolean tarvelin_providers_contracts_idata_reader_get_boolean(TarvelinProvidersContractsIDataReader *self,
                                                               guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_boolean, gboolean(0), ordinal, error);
}
gint8 tarvelin_providers_contracts_idata_reader_get_int8(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                         GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_int8, gint8(-1), ordinal, error);
}
guint8 tarvelin_providers_contracts_idata_reader_get_uint8(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_uint8, guint8(0), ordinal, error);
}
gint16 tarvelin_providers_contracts_idata_reader_get_int16(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_int16, gint16(-1), ordinal, error);
}
guint16 tarvelin_providers_contracts_idata_reader_get_uint16(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_uint16, guint16(0), ordinal, error);
}
gint32 tarvelin_providers_contracts_idata_reader_get_int32(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_int32, gint32(-1), ordinal, error);
}
guint32 tarvelin_providers_contracts_idata_reader_get_uint32(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_uint32, guint32(0), ordinal, error);
}
gint64 tarvelin_providers_contracts_idata_reader_get_int64(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_int64, gint64(-1), ordinal, error);
}
guint64 tarvelin_providers_contracts_idata_reader_get_uint64(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_uint64, guint64(0), ordinal, error);
}
gdouble tarvelin_providers_contracts_idata_reader_get_decimal(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_decimal, gdouble(-1), ordinal, error);
}
gdouble tarvelin_providers_contracts_idata_reader_get_money(TarvelinProvidersContractsIDataReader *self,
                                                            guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_money, gdouble(-1), ordinal, error);
}
gfloat tarvelin_providers_contracts_idata_reader_get_float(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                           GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_float, gfloat(-1), ordinal, error);
}
gdouble tarvelin_providers_contracts_idata_reader_get_double(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_double, gdouble(-1), ordinal, error);
}
void tarvelin_providers_contracts_idata_reader_get_date(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                        GDate *result, GError **error) {
    g_return_if_fail(self != NULL);
    READER_DISPATCH_VOID(get_date, ordinal, result, error);
}
GDateTime *tarvelin_providers_contracts_idata_reader_get_time(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_time, nullptr, ordinal, error);
}
GDateTime *tarvelin_providers_contracts_idata_reader_get_datetime(TarvelinProvidersContractsIDataReader *self,
                                                                  guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_datetime, nullptr, ordinal, error);
}
gint64 tarvelin_providers_contracts_idata_reader_get_timespan(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_timespan, gint64(0), ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_string(TarvelinProvidersContractsIDataReader *self,
                                                            guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_string, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_string16(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_string16, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_guid(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_guid, nullptr, ordinal, error);
}
guint8 *tarvelin_providers_contracts_idata_reader_get_binary(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, gint *result_length1, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    if (result_length1) *result_length1 = 0;
    return READER_DISPATCH(get_binary, nullptr, ordinal, result_length1, error);
}
GDateTime *tarvelin_providers_contracts_idata_reader_get_timestamp(TarvelinProvidersContractsIDataReader *self,
                                                                   guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_timestamp, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_enum(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_enum, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_flag(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_flag, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_set(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                         GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_set, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_xml(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                         GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_xml, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_json(TarvelinProvidersContractsIDataReader *self, guint16 ordinal,
                                                          GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_json, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_geometry(TarvelinProvidersContractsIDataReader *self,
                                                              guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_geometry, nullptr, ordinal, error);
}
gchar *tarvelin_providers_contracts_idata_reader_get_geography(TarvelinProvidersContractsIDataReader *self,
                                                               guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_geography, nullptr, ordinal, error);
}
TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_idata_reader_get_variant(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_variant, nullptr, ordinal, error);
}
guint8 *tarvelin_providers_contracts_idata_reader_get_object(TarvelinProvidersContractsIDataReader *self,
                                                             guint16 ordinal, gint *result_length1, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    if (result_length1) *result_length1 = 0;
    return READER_DISPATCH(get_object, nullptr, ordinal, result_length1, error);
}
TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_idata_reader_get_value(
    TarvelinProvidersContractsIDataReader *self, guint16 ordinal, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    return READER_DISPATCH(get_value, nullptr, ordinal, error);
}
TarvelinProvidersContractsValueObject **tarvelin_providers_contracts_idata_reader_get_values(
    TarvelinProvidersContractsIDataReader *self, gint *result_length1, GError **error) {
    g_return_val_if_fail(self != NULL, NULL);
    if (result_length1) *result_length1 = 0;
    return READER_DISPATCH(get_values, nullptr, result_length1, error);
}
gint tarvelin_providers_contracts_idata_reader_get_field_count(TarvelinProvidersContractsIDataReader *self) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_field_count, gint(-1));
}
gboolean tarvelin_providers_contracts_idata_reader_get_is_closed(TarvelinProvidersContractsIDataReader *self) {
    g_return_val_if_fail(self != NULL, 0);
    return READER_DISPATCH(get_is_closed, gboolean(0));
}

}  // extern "C"
