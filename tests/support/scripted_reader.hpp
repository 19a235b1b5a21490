// A scripted test implementation of the reader contract (IDataReader).
//
// It holds a result given by the test: columns (name, DataType, native type name, size)
// and rows of cells. Each typed getter converts the current cell the way a driver would
// (a cell given as a number reads as text through get_string, a text reads as a number
// through get_int32, ...), so one prepared result serves every DataType. It keeps every
// default the contract gives (get_timestamp, get_enum ... get_object, get_value,
// get_values), so tests of those defaults run through it.
//
//   auto r = ScriptedReader::create({{"id", DATA_TYPE_INT32}, {"name", DATA_TYPE_STRING}},
//                                   {{1, "one"}, {2, nullptr}});
//   r->read();                        // starts before the first row, like most drivers
//   auto v = r->get_value(1);         // ValueString "one"
//
// Test hooks: `calls()` lists every operation the reader ran, in order ("is_null",
// "get_data_type", "get_int32", ...); `fail(op, error)` makes that operation raise the
// error each time it runs; `clear_calls()` forgets the list.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "providers/contracts/face_reader.hpp"

namespace tarvelin::test {

using providers::contracts::DataType;

// One cell as the test gives it: NULL, a number, a text, bytes, a date or a date-time.
class Cell {
public:
    Cell() : null_(true) {}
    Cell(std::nullptr_t) : null_(true) {}
    Cell(const char* text) : null_(text == nullptr), kind_(Kind::text), text_(text ? text : "") {}
    Cell(std::string text) : kind_(Kind::text), text_(std::move(text)) {}
    Cell(bool b) : kind_(Kind::integer), int_(b ? 1 : 0) {}
    Cell(int v) : kind_(Kind::integer), int_(v) {}
    Cell(long v) : kind_(Kind::integer), int_(v) {}
    Cell(long long v) : kind_(Kind::integer), int_(v) {}
    Cell(unsigned v) : kind_(Kind::unsigned_integer), uint_(v) {}
    Cell(unsigned long v) : kind_(Kind::unsigned_integer), uint_(v) {}
    Cell(unsigned long long v) : kind_(Kind::unsigned_integer), uint_(v) {}
    Cell(double v) : kind_(Kind::real), real_(v) {}
    static Cell bytes(std::vector<guint8> b);
    // Takes a reference to `dt`; a NULL date-time gives a cell whose date-time getters
    // return none (without raising).
    static Cell date_time(GDateTime* dt);
    static Cell date(GDateYear y, GDateMonth m, GDateDay d);

    bool is_null() const { return null_; }
    gint64 as_int() const;
    guint64 as_uint() const;
    double as_double() const;
    std::string as_text() const;
    std::vector<guint8> as_bytes() const;
    gobj::DateTime as_date_time() const;
    GDate as_date() const;

private:
    enum class Kind { text, integer, unsigned_integer, real, bytes, date_time, date };
    bool null_ = false;
    Kind kind_ = Kind::text;
    std::string text_;
    gint64 int_ = 0;
    guint64 uint_ = 0;
    double real_ = 0;
    std::vector<guint8> bytes_;
    std::shared_ptr<GDateTime> date_time_;
    GDate date_{};
};

struct ScriptedColumn {
    std::string name;
    DataType type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    std::string dbms_type = "TEXT";
    guint64 size = 0;
    ScriptedColumn(std::string n, DataType t, std::string dbms = "TEXT", guint64 s = 0)
        : name(std::move(n)), type(t), dbms_type(std::move(dbms)), size(s) {}
};

using ScriptedRow = std::vector<Cell>;

class ScriptedReader : public gobj::Object, public providers::contracts::IDataReader {
public:
    static GType gtype();
    static gobj::Ref<ScriptedReader> create(std::vector<ScriptedColumn> columns, std::vector<ScriptedRow> rows);

    // Operations that ran, in order; with fail(), operations that raise.
    const std::vector<std::string>& calls() const { return calls_; }
    void clear_calls() { calls_.clear(); }
    void fail(const std::string& op, gobj::Error error) { failures_.insert_or_assign(op, std::move(error)); }
    // Makes row `index` current without going through read().
    void seek(int index) { current_ = index; }

    bool bulk() override;
    bool read() override;
    void close() override;
    std::string get_name(guint16 ordinal) override;
    std::string get_dbms_type(guint16 ordinal) override;
    DataType get_data_type(guint16 ordinal) override;
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
    void get_date(guint16 ordinal, GDate& result) override;
    gobj::DateTime get_time(guint16 ordinal) override;
    gobj::DateTime get_datetime(guint16 ordinal) override;
    gint64 get_timespan(guint16 ordinal) override;
    std::optional<std::string> get_string(guint16 ordinal) override;
    std::optional<std::string> get_string16(guint16 ordinal) override;
    std::optional<std::string> get_guid(guint16 ordinal) override;
    std::vector<guint8> get_binary(guint16 ordinal) override;
    gint get_field_count() override;
    bool get_is_closed() override;

private:
    // Logs the operation, raises a scripted failure, and gives the current cell.
    const Cell& cell(const char* op, guint16 ordinal);
    const ScriptedColumn& column(const char* op, guint16 ordinal);
    void enter(const char* op);

    std::vector<ScriptedColumn> columns_;
    std::vector<ScriptedRow> rows_;
    int current_ = -1;
    bool closed_ = false;
    std::vector<std::string> calls_;
    std::map<std::string, gobj::Error> failures_;
};

}  // namespace tarvelin::test
