// The forward-only reader over one SQLite statement, read through its connection's handle.
// The reader the provider hands out holds a Ref to the provider: the connection outlives
// the statement.
#pragma once

#include <tarvelin/providers/sqlite.h>

#include "providers/contracts/face_reader.hpp"
#include "providers/contracts/row_peek.hpp"
#include "providers/supports/sqlite/error.hpp"
#include "providers/supports/sqlite/type.hpp"

namespace tarvelin::providers::supports::sqlite {

// Made over a statement that has been stepped once, so it stands on the first row as
// soon as it exists. Every getter reads the current row straight from the statement.
class TARVELIN_EXPORT SQLiteReader : public gobj::Object,
                                     public contracts::IDataReader,
                                     public ISQLiteType,
                                     public ISQLiteError,
                                     public contracts::RowPeek {
public:
    static GType gtype();
    // `owns`: the reader finalizes the statement when it is closed or finalised (the
    // reader execute_reader hands out); otherwise the statement stays the caller's.
    // `has_row`: the first step gave a row (false for a query that matched nothing).
    // `owner`, when given, is kept alive with the reader (the provider of `connection`).
    static gobj::Ref<SQLiteReader> create(sqlite3* connection, sqlite3_stmt* stmt, bool owns = false,
                                          bool has_row = true, gobj::Ref<gobj::Object> owner = {});
    // The C constructor: a reader of any type derived from SQLiteReader over a borrowed
    // statement standing on its first row.
    static gobj::Ref<SQLiteReader> construct(GType type, sqlite3* connection, sqlite3_stmt* stmt);
    ~SQLiteReader() override;

    bool bulk() override { return false; }
    bool read() override;
    void close() override;
    std::string get_name(guint16 ordinal) override;
    std::string get_dbms_type(guint16 ordinal) override;
    contracts::DataType get_data_type(guint16 ordinal) override;
    guint64 get_size(guint16 ordinal) override;
    bool is_null(guint16 ordinal) override;
    // A text cell holds every byte, an embedded NUL included; other cells as the contract says.
    gobj::Ref<contracts::ValueObject> get_value(guint16 ordinal) override;
    // That is what the default gives through the C++ getters, so tables read those directly.
    static constexpr bool kValueFromGetters = true;
    bool peek_string(guint16 ordinal, const char*& data, std::size_t& length) override;
    // Each cell by its storage class, as get_data_type and its getter read it.
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
    gobj::DateTime get_timestamp(guint16 ordinal) override;
    gint64 get_timespan(guint16 ordinal) override;
    std::optional<std::string> get_string(guint16 ordinal) override;
    std::optional<std::string> get_string16(guint16 ordinal) override;
    std::optional<std::string> get_guid(guint16 ordinal) override;
    std::vector<guint8> get_binary(guint16 ordinal) override;
    gint get_field_count() override;
    bool get_is_closed() override { return closed_; }

private:
    // The statement, after checking that the reader is open and the ordinal names a column.
    sqlite3_stmt* at(guint16 ordinal) const;
    const char* text(guint16 ordinal) const;
    gobj::DateTime date_time(guint16 ordinal) const;
    void release();

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    bool owns_ = false;
    bool closed_ = false;
    // Released after the statement is finalised (members go after the destructor's body).
    gobj::Ref<gobj::Object> owner_;
};

}  // namespace tarvelin::providers::supports::sqlite

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsSQLiteReader, tarvelin::providers::supports::sqlite::SQLiteReader)
