#include "providers/gobj/register.hpp"
#include "support/scripted_reader.hpp"

#include <cstring>

namespace tarvelin::test {

using namespace providers::contracts;

TARVELIN_GTYPE(ScriptedReader, "TarvelinTestScriptedReader", gobj::Object, IDataReader)

// ---------------------------------------------------------------- Cell

Cell Cell::bytes(std::vector<guint8> b) {
    Cell c("");
    c.kind_ = Kind::bytes;
    c.bytes_ = std::move(b);
    return c;
}
Cell Cell::date_time(GDateTime* dt) {
    Cell c("");
    c.kind_ = Kind::date_time;
    if (dt) c.date_time_ = std::shared_ptr<GDateTime>(g_date_time_ref(dt), g_date_time_unref);
    return c;
}
Cell Cell::date(GDateYear y, GDateMonth m, GDateDay d) {
    Cell c("");
    c.kind_ = Kind::date;
    g_date_clear(&c.date_, 1);
    g_date_set_dmy(&c.date_, d, m, y);
    return c;
}

gint64 Cell::as_int() const {
    switch (kind_) {
        case Kind::integer: return int_;
        case Kind::unsigned_integer: return static_cast<gint64>(uint_);
        case Kind::real: return static_cast<gint64>(real_);
        default: return g_ascii_strtoll(text_.c_str(), nullptr, 10);
    }
}
guint64 Cell::as_uint() const {
    switch (kind_) {
        case Kind::unsigned_integer: return uint_;
        case Kind::integer: return static_cast<guint64>(int_);
        case Kind::real: return static_cast<guint64>(real_);
        default: return g_ascii_strtoull(text_.c_str(), nullptr, 10);
    }
}
double Cell::as_double() const {
    switch (kind_) {
        case Kind::real: return real_;
        case Kind::integer: return static_cast<double>(int_);
        case Kind::unsigned_integer: return static_cast<double>(uint_);
        default: return g_ascii_strtod(text_.c_str(), nullptr);
    }
}
std::string Cell::as_text() const {
    switch (kind_) {
        case Kind::integer: return gobj::take_string(g_strdup_printf("%" G_GINT64_FORMAT, int_));
        case Kind::unsigned_integer: return gobj::take_string(g_strdup_printf("%" G_GUINT64_FORMAT, uint_));
        case Kind::real: {
            gchar buf[G_ASCII_DTOSTR_BUF_SIZE];
            return g_ascii_dtostr(buf, sizeof buf, real_);
        }
        case Kind::bytes: return std::string(bytes_.begin(), bytes_.end());
        case Kind::date_time: return date_time_ ? gobj::take_string(g_date_time_format_iso8601(date_time_.get())) : "";
        default: return text_;
    }
}
std::vector<guint8> Cell::as_bytes() const {
    if (kind_ == Kind::bytes) return bytes_;
    std::string t = as_text();
    return std::vector<guint8>(t.begin(), t.end());
}
gobj::DateTime Cell::as_date_time() const {
    if (kind_ == Kind::date_time) return gobj::DateTime(date_time_ ? g_date_time_ref(date_time_.get()) : nullptr);
    GTimeZone* utc = g_time_zone_new_utc();
    gobj::DateTime dt(g_date_time_new_from_iso8601(text_.c_str(), utc));
    g_time_zone_unref(utc);
    return dt;
}
GDate Cell::as_date() const {
    if (kind_ == Kind::date) return date_;
    GDate d;
    g_date_clear(&d, 1);
    if (kind_ == Kind::text) g_date_set_parse(&d, text_.c_str());
    return d;
}

// ---------------------------------------------------------------- ScriptedReader

gobj::Ref<ScriptedReader> ScriptedReader::create(std::vector<ScriptedColumn> columns, std::vector<ScriptedRow> rows,
                                                 GType type) {
    auto r = gobj::create<ScriptedReader>(type);
    r->columns_ = std::move(columns);
    r->rows_ = std::move(rows);
    return r;
}

void ScriptedReader::enter(const char* op) {
    calls_.emplace_back(op);
    auto it = failures_.find(op);
    if (it != failures_.end()) throw it->second;
}

const ScriptedColumn& ScriptedReader::column(const char* op, guint16 ordinal) {
    enter(op);
    if (ordinal >= columns_.size()) throw gobj::Error("Scripted", -1, "column out of range");
    return columns_[ordinal];
}

const Cell& ScriptedReader::cell(const char* op, guint16 ordinal) {
    enter(op);
    if (current_ < 0 || current_ >= static_cast<int>(rows_.size())) throw gobj::Error("Scripted", -1, "no current row");
    const ScriptedRow& row = rows_[static_cast<size_t>(current_)];
    if (ordinal >= row.size()) throw gobj::Error("Scripted", -1, "column out of range");
    return row[ordinal];
}

bool ScriptedReader::bulk() {
    enter("bulk");
    return false;
}
bool ScriptedReader::read() {
    enter("read");
    if (closed_) return false;
    ++current_;
    if (current_ >= static_cast<int>(rows_.size())) {
        closed_ = true;
        return false;
    }
    return true;
}
void ScriptedReader::close() {
    enter("close");
    closed_ = true;
}
std::string ScriptedReader::get_name(guint16 o) { return column("get_name", o).name; }
std::string ScriptedReader::get_dbms_type(guint16 o) { return column("get_dbms_type", o).dbms_type; }
DataType ScriptedReader::get_data_type(guint16 o) { return column("get_data_type", o).type; }
guint64 ScriptedReader::get_size(guint16 o) { return column("get_size", o).size; }
bool ScriptedReader::is_null(guint16 o) { return cell("is_null", o).is_null(); }
bool ScriptedReader::get_boolean(guint16 o) { return cell("get_boolean", o).as_int() != 0; }
gint8 ScriptedReader::get_int8(guint16 o) { return static_cast<gint8>(cell("get_int8", o).as_int()); }
guint8 ScriptedReader::get_uint8(guint16 o) { return static_cast<guint8>(cell("get_uint8", o).as_uint()); }
gint16 ScriptedReader::get_int16(guint16 o) { return static_cast<gint16>(cell("get_int16", o).as_int()); }
guint16 ScriptedReader::get_uint16(guint16 o) { return static_cast<guint16>(cell("get_uint16", o).as_uint()); }
gint32 ScriptedReader::get_int32(guint16 o) { return static_cast<gint32>(cell("get_int32", o).as_int()); }
guint32 ScriptedReader::get_uint32(guint16 o) { return static_cast<guint32>(cell("get_uint32", o).as_uint()); }
gint64 ScriptedReader::get_int64(guint16 o) { return cell("get_int64", o).as_int(); }
guint64 ScriptedReader::get_uint64(guint16 o) { return cell("get_uint64", o).as_uint(); }
double ScriptedReader::get_decimal(guint16 o) { return cell("get_decimal", o).as_double(); }
double ScriptedReader::get_money(guint16 o) { return cell("get_money", o).as_double(); }
float ScriptedReader::get_float(guint16 o) { return static_cast<float>(cell("get_float", o).as_double()); }
double ScriptedReader::get_double(guint16 o) { return cell("get_double", o).as_double(); }
void ScriptedReader::get_date(guint16 o, GDate& result) { result = cell("get_date", o).as_date(); }
gobj::DateTime ScriptedReader::get_time(guint16 o) { return cell("get_time", o).as_date_time(); }
gobj::DateTime ScriptedReader::get_datetime(guint16 o) { return cell("get_datetime", o).as_date_time(); }
gint64 ScriptedReader::get_timespan(guint16 o) { return cell("get_timespan", o).as_int(); }
std::optional<std::string> ScriptedReader::get_string(guint16 o) { return cell("get_string", o).as_text(); }
std::optional<std::string> ScriptedReader::get_string16(guint16 o) { return cell("get_string16", o).as_text(); }
std::optional<std::string> ScriptedReader::get_guid(guint16 o) { return cell("get_guid", o).as_text(); }
std::vector<guint8> ScriptedReader::get_binary(guint16 o) { return cell("get_binary", o).as_bytes(); }
gint ScriptedReader::get_field_count() { return static_cast<gint>(columns_.size()); }
bool ScriptedReader::get_is_closed() { return closed_; }

}  // namespace tarvelin::test
