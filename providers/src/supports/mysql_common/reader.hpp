// The reader both MySQL-family drivers share: a forward-only walk over a result
// stored on the client, whose cells all arrive as text.
// Holds no Ref to its provider: a stored result is read without the connection.
#pragma once

#include <mysql.h>

#include "providers/contracts/face_reader.hpp"
#include "providers/contracts/row_peek.hpp"
#include "providers/supports/mysql_common/product.hpp"

namespace tarvelin::providers::supports::mysql_common {

class TARVELIN_EXPORT Reader : public gobj::Object, public contracts::IDataReader, public contracts::RowPeek {
public:
    // Any reader class of the family; each product registers its own.
    static GType gtype() { return contracts::IDataReader::gtype(); }
    ~Reader() override;

    // Reads `result`, which must outlive the reader unless the reader owns it (then the
    // reader frees it when finalised).
    void attach(const Product& product, MYSQL_RES* result, bool owns);

    bool bulk() override { return false; }
    bool read() override;
    // Fetches and drops the rows that are left.
    void close() override;
    // The empty text for a column without a name.
    std::string get_name(guint16 ordinal) override;
    std::string get_dbms_type(guint16 ordinal) override;
    contracts::DataType get_data_type(guint16 ordinal) override;
    guint64 get_size(guint16 ordinal) override;
    // Also TRUE for a date that names no calendar day ("0000-00-00").
    bool is_null(guint16 ordinal) override;
    // A text cell holds every byte, an embedded NUL included; other cells as the contract says.
    gobj::Ref<contracts::ValueObject> get_value(guint16 ordinal) override;
    // That is what the default gives through the C++ getters, so tables read those directly.
    static constexpr bool kValueFromGetters = true;
    bool peek_string(guint16 ordinal, const char*& data, std::size_t& length) override;
    bool peek_date_time(guint16 ordinal, contracts::DataType type, gint64& microseconds) override;
    // DECIMAL cells: the server's digits, which the double of get_decimal may not hold.
    bool peek_number_text(guint16 ordinal, const char*& data, std::size_t& length) override;
    // TIME(n), DATETIME(n) and TIMESTAMP(n): n, which the server writes as many digits of.
    gint fraction_digits(guint16 ordinal) override;
    // Numbers, except DECIMAL, and texts parsed as their getters parse them; the rest
    // (dates, DECIMAL, bytes ...) left to the getters.
    bool peek_row(Cell* cells, guint16 count) override;
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
    void get_date(guint16 ordinal, GDate& result) override;
    gobj::DateTime get_time(guint16 ordinal) override;
    gobj::DateTime get_datetime(guint16 ordinal) override;
    gint64 get_timespan(guint16 ordinal) override;
    std::optional<std::string> get_string(guint16 ordinal) override;
    std::optional<std::string> get_string16(guint16 ordinal) override;
    std::optional<std::string> get_guid(guint16 ordinal) override;
    std::vector<guint8> get_binary(guint16 ordinal) override;
    gobj::DateTime get_timestamp(guint16 ordinal) override;
    std::optional<std::string> get_enum(guint16 ordinal) override;
    std::optional<std::string> get_set(guint16 ordinal) override;
    // The document's text.
    std::optional<std::string> get_json(guint16 ordinal) override;
    // The stored bytes (SRID and WKB) as hexadecimal digits, which keep every bit.
    std::optional<std::string> get_geometry(guint16 ordinal) override;
    gint get_field_count() override;
    // TRUE once every row of the result has been fetched.
    bool get_is_closed() override;

    guint get_decimals_size(guint16 ordinal);

protected:
    Reader() = default;

private:
    const Product& product() const;
    const MYSQL_FIELD& field(guint16 ordinal) const;
    // The current row's cell (NULL for SQL NULL) and its length in bytes.
    const char* cell(guint16 ordinal, std::size_t* length = nullptr) const;
    // The cell's bytes up to the first NUL.
    std::string text(guint16 ordinal) const;
    gobj::DateTime date_time(guint16 ordinal, GDateTime* parsed) const;

    const Product* product_ = nullptr;
    MYSQL_RES* result_ = nullptr;
    bool owns_ = false;
    MYSQL_FIELD* fields_ = nullptr;
    unsigned int field_count_ = 0;
    std::vector<contracts::DataType> data_types_;
    MYSQL_ROW row_ = nullptr;
    unsigned long* lengths_ = nullptr;
    my_ulonglong fetched_ = 0;
};

}  // namespace tarvelin::providers::supports::mysql_common
