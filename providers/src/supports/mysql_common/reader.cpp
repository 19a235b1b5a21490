#include "providers/supports/mysql_common/reader.hpp"

#include "providers/contracts/reader_cells.hpp"

#include "providers/contracts/value_string.hpp"

#include <cstring>

#include "providers/supports/mysql_common/cell.hpp"
#include "providers/supports/mysql_common/error.hpp"
#include "providers/supports/mysql_common/type.hpp"

TARVELIN_LOG_TAG("reader")

namespace tarvelin::providers::supports::mysql_common {

Reader::~Reader() {
    if (owns_ && result_ != nullptr) mysql_free_result(result_);
}

void Reader::attach(const Product& product, MYSQL_RES* result, bool owns) {
    product_ = &product;
    result_ = result;
    owns_ = owns;
    fields_ = mysql_fetch_fields(result);
    field_count_ = mysql_num_fields(result);
    // get_value asks for every cell; the answer is the column's.
    data_types_.clear();
    for (unsigned int i = 0; i < field_count_; ++i) data_types_.push_back(column_data_type(fields_[i]));
    row_ = nullptr;
    lengths_ = nullptr;
    fetched_ = 0;
}

const Product& Reader::product() const {
    if (product_ == nullptr) throw gobj::Error("default", -1, _("The reader has no result to read."));
    return *product_;
}

const MYSQL_FIELD& Reader::field(guint16 ordinal) const {
    if (ordinal >= field_count_) {
        fail(product(), -1,
             gobj::take_string(g_strdup_printf(_("Column %u is out of range (%u columns)."), unsigned(ordinal),
                                               field_count_)));
    }
    return fields_[ordinal];
}

const char* Reader::cell(guint16 ordinal, std::size_t* length) const {
    field(ordinal);
    if (row_ == nullptr) fail(product(), -1, _("The reader has no current row."));
    if (length) *length = lengths_ ? lengths_[ordinal] : 0;
    return row_[ordinal];
}

std::string Reader::text(guint16 ordinal) const {
    std::size_t length = 0;
    const char* data = cell(ordinal, &length);
    if (data == nullptr || length == 0) return {};
    // Length-aware: a text may hold a NUL, and the cell must keep what follows it.
    return std::string(data, length);
}

bool Reader::read() {
    if (result_ == nullptr) return false;
    row_ = mysql_fetch_row(result_);
    lengths_ = row_ ? mysql_fetch_lengths(result_) : nullptr;
    if (row_ != nullptr) ++fetched_;
    return row_ != nullptr;
}

void Reader::close() {
    if (result_ == nullptr) return;
    while (mysql_fetch_row(result_) != nullptr) ++fetched_;
    row_ = nullptr;
    lengths_ = nullptr;
}

std::string Reader::get_name(guint16 ordinal) {
    const MYSQL_FIELD& f = field(ordinal);
    return f.name ? std::string(f.name, f.name_length) : std::string();
}
std::string Reader::get_dbms_type(guint16 ordinal) { return map_dbms_type(field(ordinal).type); }
contracts::DataType Reader::get_data_type(guint16 ordinal) {
    field(ordinal);
    return data_types_[ordinal];
}
guint64 Reader::get_size(guint16 ordinal) { return field(ordinal).max_length; }
guint Reader::get_decimals_size(guint16 ordinal) { return field(ordinal).decimals; }

bool Reader::is_null(guint16 ordinal) {
    const char* data = cell(ordinal);
    if (data == nullptr) return true;
    switch (field(ordinal).type) {
        case MYSQL_TYPE_DATE:
        case MYSQL_TYPE_NEWDATE:
        case MYSQL_TYPE_DATETIME:
        case MYSQL_TYPE_TIMESTAMP:
            // No date value can hold it, and a missing cell would be worse than NULL.
            return cells::zero_date(data);
        default:
            return false;
    }
}

bool Reader::get_boolean(guint16 ordinal) { return cells::bool_parse(cell(ordinal)); }
gint8 Reader::get_int8(guint16 ordinal) { return static_cast<gint8>(cells::long_parse(cell(ordinal))); }
guint8 Reader::get_uint8(guint16 ordinal) { return static_cast<guint8>(cells::ulong_parse(cell(ordinal))); }
gint16 Reader::get_int16(guint16 ordinal) { return static_cast<gint16>(cells::long_parse(cell(ordinal))); }
guint16 Reader::get_uint16(guint16 ordinal) { return static_cast<guint16>(cells::ulong_parse(cell(ordinal))); }
gint32 Reader::get_int32(guint16 ordinal) { return static_cast<gint32>(cells::long_parse(cell(ordinal))); }
guint32 Reader::get_uint32(guint16 ordinal) { return static_cast<guint32>(cells::ulong_parse(cell(ordinal))); }
gint64 Reader::get_int64(guint16 ordinal) { return cells::int64_parse(cell(ordinal)); }
guint64 Reader::get_uint64(guint16 ordinal) { return cells::uint64_parse(cell(ordinal)); }
double Reader::get_decimal(guint16 ordinal) { return cells::double_parse(cell(ordinal)); }
double Reader::get_money(guint16 ordinal) { return cells::double_parse(cell(ordinal)); }
float Reader::get_float(guint16 ordinal) { return cells::float_parse(cell(ordinal)); }
double Reader::get_double(guint16 ordinal) { return cells::double_parse(cell(ordinal)); }

gint64 Reader::get_timespan(guint16 ordinal) {
    const char* data = cell(ordinal);
    tlog_warning("timespan raw value: %s", data ? data : "(null)");
    return cells::int64_parse(data);
}

void Reader::get_date(guint16 ordinal, GDate& date) {
    auto parts = cells::date_parts(cell(ordinal));
    if (parts && parts->month >= 1 && parts->month <= 12 && parts->year >= 1 && parts->year <= G_MAXUINT16 &&
        g_date_valid_dmy(static_cast<GDateDay>(parts->day), static_cast<GDateMonth>(parts->month),
                         static_cast<GDateYear>(parts->year))) {
        g_date_set_dmy(&date, static_cast<GDateDay>(parts->day), static_cast<GDateMonth>(parts->month),
                       static_cast<GDateYear>(parts->year));
    }
}

gobj::DateTime Reader::date_time(guint16 ordinal, GDateTime* parsed) const {
    if (parsed == nullptr) {
        const char* data = cell(ordinal);
        fail(product(), -1,
             gobj::take_string(g_strdup_printf(_("Cannot read \"%s\" of column %u as a date and time."),
                                               data ? data : "", unsigned(ordinal))));
    }
    return gobj::DateTime(parsed);
}

gobj::DateTime Reader::get_time(guint16 ordinal) {
    const char* data = cell(ordinal);
    GDateTime* parsed = cells::time_parse(data);
    return date_time(ordinal, parsed ? parsed : cells::datetime_parse(data));
}
gobj::DateTime Reader::get_datetime(guint16 ordinal) {
    return date_time(ordinal, cells::datetime_parse(cell(ordinal)));
}
gobj::DateTime Reader::get_timestamp(guint16 ordinal) { return get_datetime(ordinal); }

std::optional<std::string> Reader::get_string(guint16 ordinal) { return text(ordinal); }
bool Reader::peek_string(guint16 ordinal, const char*& data, std::size_t& length) {
    data = cell(ordinal, &length);
    if (data == nullptr) length = 0;
    return true;
}
bool Reader::peek_number_text(guint16 ordinal, const char*& data, std::size_t& length) {
    const enum_field_types type = field(ordinal).type;
    if (type != MYSQL_TYPE_DECIMAL && type != MYSQL_TYPE_NEWDECIMAL) return false;
    data = cell(ordinal, &length);
    return data != nullptr;
}
gint Reader::fraction_digits(guint16 ordinal) {
    const MYSQL_FIELD& f = field(ordinal);
    switch (f.type) {
        case MYSQL_TYPE_TIME:
        case MYSQL_TYPE_DATETIME:
        case MYSQL_TYPE_TIMESTAMP:
            // An expression's column may report 39 (not fixed): no declared precision.
            return f.decimals <= 6 ? static_cast<gint>(f.decimals) : -1;
        default:
            return -1;
    }
}
bool Reader::peek_date_time(guint16 ordinal, contracts::DataType, gint64& microseconds) {
    // get_datetime and get_timestamp read the same text as UTC.
    std::size_t length = 0;
    const char* data = cell(ordinal, &length);
    return contracts::cells::plain_utc_microseconds(data, length, microseconds);
}

bool Reader::peek_row(Cell* out, guint16 count) {
    if (row_ == nullptr || count != field_count_) return false;
    for (guint16 i = 0; i < count; ++i) {
        Cell& c = out[i];
        const char* data = row_[i];
        c.type = data_types_[i];
        c.length = 0;
        c.kind = Cell::kInteger;
        switch (fields_[i].type) {
            case MYSQL_TYPE_DATE:
            case MYSQL_TYPE_NEWDATE:
            case MYSQL_TYPE_DATETIME:
            case MYSQL_TYPE_TIMESTAMP:
                // is_null reads a zero date as NULL.
                c.kind = Cell::kGetters;
                continue;
            default:
                break;
        }
        if (data == nullptr) {
            c.kind = Cell::kNull;
            continue;
        }
        // The getters themselves, called straight: the parse is theirs.
        switch (c.type) {
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN: c.integer = Reader::get_boolean(i) ? 1 : 0; break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8: c.integer = Reader::get_int8(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16: c.integer = Reader::get_int16(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32: c.integer = Reader::get_int32(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64: c.integer = Reader::get_int64(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8: c.integer = Reader::get_uint8(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16: c.integer = Reader::get_uint16(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32: c.integer = Reader::get_uint32(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64: c.integer = gint64(Reader::get_uint64(i)); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
                // A DECIMAL's digits travel beside its double: the getters keep them.
                if (fields_[i].type == MYSQL_TYPE_DECIMAL || fields_[i].type == MYSQL_TYPE_NEWDECIMAL) {
                    c.kind = Cell::kGetters;
                    break;
                }
                c.kind = Cell::kReal;
                c.real = c.type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT ? Reader::get_float(i)
                                                                                : Reader::get_double(i);
                break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING:
                c.kind = Cell::kText;
                Reader::peek_string(i, c.data, c.length);
                break;
            default:
                c.kind = Cell::kGetters;
                break;
        }
    }
    return true;
}

gobj::Ref<contracts::ValueObject> Reader::get_value(guint16 ordinal) {
    if (get_data_type(ordinal) != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING || is_null(ordinal))
        return IDataReader::get_value(ordinal);
    // Straight from the row: the interface's C text would end at a NUL.
    return contracts::ValueString::create(text(ordinal));
}
std::optional<std::string> Reader::get_guid(guint16 ordinal) { return text(ordinal); }
std::optional<std::string> Reader::get_enum(guint16 ordinal) { return text(ordinal); }
std::optional<std::string> Reader::get_set(guint16 ordinal) { return text(ordinal); }
std::optional<std::string> Reader::get_json(guint16 ordinal) { return text(ordinal); }

std::optional<std::string> Reader::get_geometry(guint16 ordinal) {
    std::size_t length = 0;
    const char* data = cell(ordinal, &length);
    return cells::hex(data ? data : "", data ? length : 0);
}

std::optional<std::string> Reader::get_string16(guint16 ordinal) {
    std::size_t length = 0;
    const char* data = cell(ordinal, &length);
    if (data == nullptr || length == 0) return std::string();
    // Copied into aligned storage: the cell's bytes carry no alignment.
    std::vector<gunichar2> units(length / 2);
    std::memcpy(units.data(), data, units.size() * sizeof(gunichar2));
    gchar* utf8 = g_utf16_to_utf8(units.data(), static_cast<glong>(units.size()), nullptr, nullptr, nullptr);
    return gobj::take_optional(utf8);
}

std::vector<guint8> Reader::get_binary(guint16 ordinal) {
    std::size_t length = 0;
    const char* data = cell(ordinal, &length);
    if (data == nullptr) return {};
    return std::vector<guint8>(reinterpret_cast<const guint8*>(data), reinterpret_cast<const guint8*>(data) + length);
}

gint Reader::get_field_count() { return static_cast<gint>(field_count_); }
// The library marks every stored result as at its end from the start, so the rows
// fetched are counted instead.
bool Reader::get_is_closed() { return result_ == nullptr || fetched_ >= mysql_num_rows(result_); }

}  // namespace tarvelin::providers::supports::mysql_common
