// The Redis reader: fixed answers, no rows.
// Holds no Ref to its provider: it reads nothing through the connection.
#pragma once

#include <tarvelin/providers/redis.h>

#include "providers/contracts/face_reader.hpp"

namespace tarvelin::providers::supports::redis {

class TARVELIN_EXPORT RedisReader : public gobj::Object, public contracts::IDataReader {
public:
    static GType gtype();
    static gobj::Ref<RedisReader> create(GType type = gtype());

    bool bulk() override { return false; }
    bool read() override { return false; }
    void close() override {}
    std::string get_name(guint16) override { return {}; }
    std::string get_dbms_type(guint16) override { return {}; }
    contracts::DataType get_data_type(guint16) override { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN; }
    guint64 get_size(guint16) override { return 0; }
    bool is_null(guint16) override { return false; }
    bool get_boolean(guint16) override { return false; }
    gint8 get_int8(guint16) override { return 0; }
    guint8 get_uint8(guint16) override { return 0; }
    gint16 get_int16(guint16) override { return 0; }
    guint16 get_uint16(guint16) override { return 0; }
    gint32 get_int32(guint16) override { return 0; }
    guint32 get_uint32(guint16) override { return 0; }
    gint64 get_int64(guint16) override { return 0; }
    guint64 get_uint64(guint16) override { return 0; }
    double get_decimal(guint16) override { return 0.0; }
    double get_money(guint16) override { return 0.0; }
    float get_float(guint16) override { return 0.0f; }
    double get_double(guint16) override { return 0.0; }
    void get_date(guint16, GDate& result) override;
    gobj::DateTime get_time(guint16) override;
    gobj::DateTime get_datetime(guint16) override;
    gint64 get_timespan(guint16) override { return 0; }
    std::optional<std::string> get_string(guint16) override { return std::string(); }
    std::optional<std::string> get_string16(guint16) override { return std::string(); }
    std::optional<std::string> get_guid(guint16) override { return std::string(); }
    std::vector<guint8> get_binary(guint16) override { return {}; }
    gint get_field_count() override { return 0; }
    bool get_is_closed() override { return false; }
};

}  // namespace tarvelin::providers::supports::redis

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsRedisReader, tarvelin::providers::supports::redis::RedisReader)
