// The reader of the result current on a db-lib connection, read through the connection.
// The reader the provider hands out holds a Ref to the provider: the connection outlives
// the reader.
#pragma once

#include <optional>

#include "providers/contracts/face_reader.hpp"
#include "providers/supports/sqlserver/cell.hpp"
#include "providers/supports/sqlserver/dblib.hpp"
#include "providers/supports/sqlserver/error.hpp"
#include "providers/supports/sqlserver/type.hpp"

namespace tarvelin::providers::supports::sqlserver {

class TARVELIN_EXPORT SQLServerReader : public gobj::Object,
                                        public contracts::IDataReader,
                                        public ISQLServerType,
                                        public ISQLServerError {
public:
    static GType gtype();
    // `connection` is borrowed; `owner`, when given, is kept alive with the reader so the
    // connection outlives it.
    static gobj::Ref<SQLServerReader> create(DBPROCESS* connection, gobj::Ref<gobj::Object> owner = {});
    // The C constructor: a reader of any type derived from SQLServerReader.
    static gobj::Ref<SQLServerReader> construct(GType type, DBPROCESS* connection);

    bool bulk() override { return false; }
    bool read() override;
    void close() override {}
    std::string get_name(guint16 ordinal) override;
    std::string get_dbms_type(guint16 ordinal) override;
    contracts::DataType get_data_type(guint16 ordinal) override;
    guint64 get_size(guint16 ordinal) override;
    bool is_null(guint16 ordinal) override;
    // A text cell holds every byte, an embedded NUL included; other cells as the contract says.
    gobj::Ref<contracts::ValueObject> get_value(guint16 ordinal) override;
    // That is what the default gives through the C++ getters, so tables read those directly.
    static constexpr bool kValueFromGetters = true;
    bool get_boolean(guint16 ordinal) override;
    gint8 get_int8(guint16 ordinal) override;
    guint8 get_uint8(guint16 ordinal) override;
    gint16 get_int16(guint16 ordinal) override;
    guint16 get_uint16(guint16 ordinal) override;
    gint32 get_int32(guint16 ordinal) override;
    guint32 get_uint32(guint16 ordinal) override;
    gint64 get_int64(guint16 ordinal) override;
    guint64 get_uint64(guint16 ordinal) override;
    double get_decimal(guint16 ordinal) override;
    double get_money(guint16 ordinal) override;
    float get_float(guint16 ordinal) override;
    double get_double(guint16 ordinal) override;
    // decimal and numeric cells: the digits db-lib converts them to, which the double of
    // get_decimal may not hold.
    bool peek_number_text(guint16 ordinal, const char*& data, std::size_t& length) override;
    void get_date(guint16 ordinal, GDate& result) override;
    gobj::DateTime get_time(guint16 ordinal) override;
    gobj::DateTime get_datetime(guint16 ordinal) override;
    gint64 get_timespan(guint16 ordinal) override;
    std::optional<std::string> get_string(guint16 ordinal) override;
    std::optional<std::string> get_string16(guint16 ordinal) override;
    std::optional<std::string> get_guid(guint16 ordinal) override;
    std::vector<guint8> get_binary(guint16 ordinal) override;
    std::optional<std::string> get_xml(guint16 ordinal) override;
    gobj::Ref<contracts::ValueObject> get_variant(guint16 ordinal) override;
    gint get_field_count() override;
    bool get_is_closed() override;

    TdsUserData* get_userdata() override;

    // A value of an sql_variant cell, chosen by its length.
    static gobj::Ref<contracts::ValueObject> variant_value(const guint8* data, int length);

private:
    // The connection; without one, db-lib would be handed NULL.
    DBPROCESS* connection();
    // db-lib's column number of an ordinal, checked against the result.
    int column(guint16 ordinal);
    struct Cell {
        const guint8* data;
        int length;
    };
    Cell cell_at(guint16 ordinal);
    std::optional<cell::DateParts> crack(guint16 ordinal);
    // Text of a dbconvert to varchar (decimals and unique identifiers).
    std::string converted(guint16 ordinal);
    bool old_protocol();

    DBPROCESS* connection_ = nullptr;
    gobj::Ref<gobj::Object> owner_;
    // What peek_number_text hands out, until it is asked again.
    std::string number_text_;
};

}  // namespace tarvelin::providers::supports::sqlserver

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsSQLServerReader,
                     tarvelin::providers::supports::sqlserver::SQLServerReader)
