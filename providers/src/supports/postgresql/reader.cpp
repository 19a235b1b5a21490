#include "providers/supports/postgresql/reader.hpp"

#include "providers/contracts/reader_cells.hpp"

#include <libpq-fe.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "providers/gobj/register.hpp"
#include "providers/supports/postgresql/cell.hpp"
#include "providers/supports/postgresql/error.hpp"

TARVELIN_LOG_TAG("reader")

namespace tarvelin::providers::supports::postgresql {

using namespace contracts;

TARVELIN_GTYPE(PostgreSQLReader, "TarvelinProvidersSupportsPostgreSQLReader", gobj::Object, IDataReader,
               IPostgreSQLType)

namespace {
constexpr Oid kByteaOid = 17;
constexpr Oid kDateOid = 1082;
constexpr Oid kTimestampOid = 1114;
constexpr Oid kTimestampTzOid = 1184;
constexpr Oid kTimeOid = 1083;
constexpr Oid kTimeTzOid = 1266;
constexpr Oid kNumericOid = 1700;

}  // namespace

void PostgreSQLReader::unreadable_date(guint16 ordinal, const char* what) const {
    // Never a value near it: a BC year, a year past 9999 or an infinity has no date of ours.
    throw gobj::Error(kDomain, -1,
                      gobj::take_string(g_strdup_printf(
                          _("Cannot read \"%s\" of column %u as a %s: it holds the years 1 to 9999 of the common era "
                            "in the ISO style."),
                          cell_string(ordinal).c_str(), unsigned(ordinal), what)));
}

gobj::DateTime PostgreSQLReader::stamp(guint16 ordinal) const {
    gobj::DateTime d(stamp_date_time(parse_stamp(cell_string(ordinal))));
    if (!d) unreadable_date(ordinal, _("date and time"));
    return d;
}

gobj::Ref<PostgreSQLReader> PostgreSQLReader::create(PGresult* result, bool owns) {
    auto r = construct(gtype(), result);
    r->owns_ = owns;
    return r;
}

gobj::Ref<PostgreSQLReader> PostgreSQLReader::construct(GType type, PGresult* result) {
    auto r = gobj::create<PostgreSQLReader>(type);
    if (!r) return r;
    r->result_ = result;
    r->rows_ = PQntuples(result);
    int fields = PQnfields(result);
    r->types_.reserve(fields);
    for (int i = 0; i < fields; ++i) r->types_.push_back(map_data_type(PQftype(result, i)));
    return r;
}

PostgreSQLReader::~PostgreSQLReader() {
    if (owns_ && result_) PQclear(result_);
}

bool PostgreSQLReader::read() {
    if (row_ < rows_) ++row_;
    return row_ < rows_;
}

gint PostgreSQLReader::get_field_count() { return PQnfields(result_); }

void PostgreSQLReader::check_column(guint16 ordinal) const {
    if (ordinal >= types_.size()) {
        throw gobj::Error(kDomain, -1,
                          gobj::take_string(g_strdup_printf(_("Column %u is out of range."), unsigned(ordinal))));
    }
}

const char* PostgreSQLReader::cell(guint16 ordinal) const {
    check_column(ordinal);
    if (row_ < 0 || row_ >= rows_) throw gobj::Error(kDomain, -1, _("There is no current row."));
    return PQgetvalue(result_, row_, ordinal);
}

std::string PostgreSQLReader::cell_string(guint16 ordinal) const {
    const char* text = cell(ordinal);
    int length = PQgetlength(result_, row_, ordinal);
    if (length < 1) return {};
    return std::string(text, strnlen(text, std::size_t(length)));
}

std::string PostgreSQLReader::get_name(guint16 ordinal) {
    check_column(ordinal);
    return PQfname(result_, ordinal);
}
std::string PostgreSQLReader::get_dbms_type(guint16 ordinal) {
    check_column(ordinal);
    return map_dbms_type(PQftype(result_, ordinal));
}
DataType PostgreSQLReader::get_data_type(guint16 ordinal) {
    check_column(ordinal);
    return types_[ordinal];
}
guint64 PostgreSQLReader::get_size(guint16 ordinal) {
    check_column(ordinal);
    // -1 (variable length) widens with its sign.
    return guint64(gint64(PQfsize(result_, ordinal)));
}
bool PostgreSQLReader::is_null(guint16 ordinal) {
    check_column(ordinal);
    return PQgetisnull(result_, row_, ordinal) != 0;
}

bool PostgreSQLReader::get_boolean(guint16 ordinal) { return parse_truth(cell(ordinal)); }
gint8 PostgreSQLReader::get_int8(guint16 ordinal) { return gint8(strtol(cell(ordinal), nullptr, 0)); }
guint8 PostgreSQLReader::get_uint8(guint16 ordinal) { return guint8(strtoul(cell(ordinal), nullptr, 0)); }
gint16 PostgreSQLReader::get_int16(guint16 ordinal) { return gint16(strtol(cell(ordinal), nullptr, 0)); }
guint16 PostgreSQLReader::get_uint16(guint16 ordinal) { return guint16(strtoul(cell(ordinal), nullptr, 0)); }
gint32 PostgreSQLReader::get_int32(guint16 ordinal) { return gint32(strtol(cell(ordinal), nullptr, 0)); }
guint32 PostgreSQLReader::get_uint32(guint16 ordinal) { return guint32(strtol(cell(ordinal), nullptr, 0)); }
gint64 PostgreSQLReader::get_int64(guint16 ordinal) { return g_ascii_strtoll(cell(ordinal), nullptr, 0); }
guint64 PostgreSQLReader::get_uint64(guint16 ordinal) { return g_ascii_strtoull(cell(ordinal), nullptr, 0); }
gint64 PostgreSQLReader::get_timespan(guint16 ordinal) { return g_ascii_strtoll(cell(ordinal), nullptr, 0); }
// Floats go through GLib's parser too: strtof would read "1.5" as 1 under a locale
// whose decimal separator is a comma.
float PostgreSQLReader::get_float(guint16 ordinal) { return float(g_ascii_strtod(cell(ordinal), nullptr)); }
double PostgreSQLReader::get_double(guint16 ordinal) { return g_ascii_strtod(cell(ordinal), nullptr); }
double PostgreSQLReader::get_decimal(guint16 ordinal) { return get_double(ordinal); }
double PostgreSQLReader::get_money(guint16 ordinal) { return parse_money(cell_string(ordinal)); }

void PostgreSQLReader::get_date(guint16 ordinal, GDate& result) {
    const Stamp s = parse_stamp(cell_string(ordinal));
    if (!s.fits() || !g_date_valid_dmy(static_cast<GDateDay>(s.day), static_cast<GDateMonth>(s.month),
                                       static_cast<GDateYear>(s.year)))
        unreadable_date(ordinal, _("date"));
    g_date_set_dmy(&result, static_cast<GDateDay>(s.day), static_cast<GDateMonth>(s.month),
                   static_cast<GDateYear>(s.year));
}

gobj::DateTime PostgreSQLReader::get_time(guint16 ordinal) {
    const char* text = cell(ordinal);
    Oid type = PQftype(result_, ordinal);
    if (type == kTimeOid || type == kTimeTzOid) return gobj::DateTime(parse_time_of_day(text));
    return stamp(ordinal);
}
bool PostgreSQLReader::holds_text_of_no_date(guint16 ordinal) {
    const Oid type = PQftype(result_, ordinal);
    if (type != kDateOid && type != kTimestampOid && type != kTimestampTzOid) return false;
    const char* data = nullptr;
    std::size_t length = 0;
    peek_string(ordinal, data, length);
    return beyond_dates(std::string_view(data, length));
}

gobj::DateTime PostgreSQLReader::get_datetime(guint16 ordinal) { return stamp(ordinal); }
gobj::DateTime PostgreSQLReader::get_timestamp(guint16 ordinal) { return stamp(ordinal); }

std::optional<std::string> PostgreSQLReader::get_string(guint16 ordinal) { return cell_string(ordinal); }
bool PostgreSQLReader::peek_string(guint16 ordinal, const char*& data, std::size_t& length) {
    // What cell_string copies.
    data = cell(ordinal);
    int n = PQgetlength(result_, row_, ordinal);
    length = n < 1 ? 0 : strnlen(data, std::size_t(n));
    return true;
}
bool PostgreSQLReader::peek_number_text(guint16 ordinal, const char*& data, std::size_t& length) {
    if (PQftype(result_, ordinal) != kNumericOid || PQgetisnull(result_, row_, ordinal)) return false;
    return peek_string(ordinal, data, length);
}
bool PostgreSQLReader::peek_date_time(guint16 ordinal, contracts::DataType, gint64& microseconds) {
    // get_datetime and get_timestamp read the same text as UTC.
    const char* data = cell(ordinal);
    int n = PQgetlength(result_, row_, ordinal);
    return n > 0 && contracts::cells::plain_utc_microseconds(data, std::size_t(n), microseconds);
}
bool PostgreSQLReader::peek_row(Cell* out, guint16 count) {
    if (row_ < 0 || row_ >= rows_ || count != types_.size()) return false;
    for (guint16 i = 0; i < count; ++i) {
        Cell& c = out[i];
        c.type = types_[i];
        c.length = 0;
        if (PQgetisnull(result_, row_, i)) {
            c.kind = Cell::kNull;
            continue;
        }
        c.kind = Cell::kInteger;
        // The getters themselves, called straight: the parse is theirs.
        switch (c.type) {
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
                c.integer = PostgreSQLReader::get_boolean(i) ? 1 : 0;
                break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16: c.integer = PostgreSQLReader::get_int16(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32: c.integer = PostgreSQLReader::get_int32(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64: c.integer = PostgreSQLReader::get_int64(i); break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
                // numeric's digits travel beside its double: the getters keep them.
                if (PQftype(result_, i) == kNumericOid) {
                    c.kind = Cell::kGetters;
                    break;
                }
                c.kind = Cell::kReal;
                c.real = c.type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT ? PostgreSQLReader::get_float(i)
                                                                                : PostgreSQLReader::get_double(i);
                break;
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING:
            case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN:
                c.kind = Cell::kText;
                PostgreSQLReader::peek_string(i, c.data, c.length);
                break;
            default:
                c.kind = Cell::kGetters;
                break;
        }
    }
    return true;
}
std::optional<std::string> PostgreSQLReader::get_string16(guint16 ordinal) { return cell_string(ordinal); }
std::optional<std::string> PostgreSQLReader::get_guid(guint16 ordinal) { return cell_string(ordinal); }
std::optional<std::string> PostgreSQLReader::get_xml(guint16 ordinal) { return cell_string(ordinal); }
std::optional<std::string> PostgreSQLReader::get_json(guint16 ordinal) { return cell_string(ordinal); }
std::optional<std::string> PostgreSQLReader::get_geometry(guint16 ordinal) { return cell_string(ordinal); }
std::optional<std::string> PostgreSQLReader::get_geography(guint16 ordinal) { return cell_string(ordinal); }

// bytea arrives escaped (hex or the older escape format) and is decoded by libpq; the
// other types read as bytes (inet, interval, box ...) keep their text.
std::vector<guint8> PostgreSQLReader::get_binary(guint16 ordinal) {
    const char* text = cell(ordinal);
    int length = PQgetlength(result_, row_, ordinal);
    if (PQftype(result_, ordinal) != kByteaOid) {
        auto* bytes = reinterpret_cast<const guint8*>(text);
        return std::vector<guint8>(bytes, bytes + std::max(length, 0));
    }
    std::size_t size = 0;
    unsigned char* decoded = PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
    if (!decoded) throw gobj::Error(kDomain, -1, _("Out of memory decoding a bytea cell."));
    std::vector<guint8> out(decoded, decoded + size);
    PQfreemem(decoded);
    return out;
}

}  // namespace tarvelin::providers::supports::postgresql
