// The forward-only reader over one libpq result in text format.
// Holds no Ref to its provider: a PGresult lives apart from the connection that made it.
#pragma once

#include <tarvelin/providers/postgresql.h>

#include <vector>

#include "providers/contracts/face_reader.hpp"
#include "providers/contracts/row_peek.hpp"
#include "providers/supports/postgresql/type.hpp"

namespace tarvelin::providers::supports::postgresql {

// Starts before the first row; every getter reads the current row's cell text straight
// from the result, so the result must outlive the reader.
class TARVELIN_EXPORT PostgreSQLReader : public gobj::Object,
                                         public contracts::IDataReader,
                                         public IPostgreSQLType,
                                         public contracts::RowPeek {
public:
    static GType gtype();
    // `owns`: the reader clears the result when it is finalised (the reader
    // execute_reader hands out); otherwise the result stays the caller's.
    static gobj::Ref<PostgreSQLReader> create(PGresult* result, bool owns = false);
    // The C constructor: a reader of any type derived from PostgreSQLReader over a
    // borrowed result.
    static gobj::Ref<PostgreSQLReader> construct(GType type, PGresult* result);
    ~PostgreSQLReader() override;

    bool bulk() override { return false; }
    bool read() override;
    void close() override {}
    std::string get_name(guint16 ordinal) override;
    std::string get_dbms_type(guint16 ordinal) override;
    contracts::DataType get_data_type(guint16 ordinal) override;
    guint64 get_size(guint16 ordinal) override;
    bool is_null(guint16 ordinal) override;
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
    // Dates and time stamps read exactly, years 1 to 9999 and microseconds; a BC year, a
    // year past 9999 or an infinity raises an error rather than give another value (its
    // cell reads as text: holds_text_of_no_date).
    void get_date(guint16 ordinal, GDate& result) override;
    gobj::DateTime get_time(guint16 ordinal) override;
    gobj::DateTime get_datetime(guint16 ordinal) override;
    gobj::DateTime get_timestamp(guint16 ordinal) override;
    gint64 get_timespan(guint16 ordinal) override;
    std::optional<std::string> get_string(guint16 ordinal) override;
    bool peek_string(guint16 ordinal, const char*& data, std::size_t& length) override;
    bool peek_date_time(guint16 ordinal, contracts::DataType type, gint64& microseconds) override;
    // numeric cells: their digits, which the double of get_double may not hold.
    bool peek_number_text(guint16 ordinal, const char*& data, std::size_t& length) override;
    std::optional<std::string> get_string16(guint16 ordinal) override;
    std::optional<std::string> get_guid(guint16 ordinal) override;
    std::vector<guint8> get_binary(guint16 ordinal) override;
    // XML, JSON and geometric cells read as their text.
    std::optional<std::string> get_xml(guint16 ordinal) override;
    std::optional<std::string> get_json(guint16 ordinal) override;
    std::optional<std::string> get_geometry(guint16 ordinal) override;
    std::optional<std::string> get_geography(guint16 ordinal) override;
    bool holds_text_of_no_date(guint16 ordinal) override;
    // Booleans, integers, floats and texts as their getters read them; the rest (numeric,
    // dates, bytea ...) left to the getters.
    bool peek_row(Cell* cells, guint16 count) override;
    gint get_field_count() override;
    bool get_is_closed() override { return false; }

private:
    void check_column(guint16 ordinal) const;
    // The current row's cell text; throws before the first row and after the last.
    const char* cell(guint16 ordinal) const;
    std::string cell_string(guint16 ordinal) const;
    // The cell's date and time in its own offset (UTC without one).
    gobj::DateTime stamp(guint16 ordinal) const;
    [[noreturn]] void unreadable_date(guint16 ordinal, const char* what) const;

    PGresult* result_ = nullptr;
    bool owns_ = false;
    int row_ = -1;
    int rows_ = 0;
    // Looked up once: get_value asks for a column's type at every cell.
    std::vector<contracts::DataType> types_;
};

}  // namespace tarvelin::providers::supports::postgresql

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsPostgreSQLReader,
                     tarvelin::providers::supports::postgresql::PostgreSQLReader)
