#include "providers/supports/sqlserver/reader.hpp"

#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("reader")

namespace tarvelin::providers::supports::sqlserver {

using gobj::DateTime;

TARVELIN_GTYPE(SQLServerReader, "TarvelinProvidersSupportsSQLServerReader", gobj::Object, contracts::IDataReader,
               ISQLServerType, ISQLServerError)

gobj::Ref<SQLServerReader> SQLServerReader::create(DBPROCESS* connection, gobj::Ref<gobj::Object> owner) {
    auto r = construct(gtype(), connection);
    r->owner_ = std::move(owner);
    return r;
}

gobj::Ref<SQLServerReader> SQLServerReader::construct(GType type, DBPROCESS* connection) {
    auto r = gobj::create<SQLServerReader>(type);
    if (r) r->connection_ = connection;
    return r;
}

DBPROCESS* SQLServerReader::connection() {
    if (!connection_) raise_no_connection();
    return connection_;
}

int SQLServerReader::column(guint16 ordinal) {
    DBPROCESS* p = connection();
    if (ordinal >= dbnumcols(p)) throw gobj::Error("TDSDB", SYBECNOR, "Column number out of range.");
    return ordinal + 1;  // db-lib counts columns from 1
}

SQLServerReader::Cell SQLServerReader::cell_at(guint16 ordinal) {
    int c = column(ordinal);
    return {dbdata(connection_, c), dbdatlen(connection_, c)};
}

bool SQLServerReader::old_protocol() { return dbtds(connection()) <= DBTDS_7_2; }

TdsUserData* SQLServerReader::get_userdata() {
    return connection_ ? reinterpret_cast<TdsUserData*>(dbgetuserdata(connection_)) : nullptr;
}

bool SQLServerReader::read() {
    int r = dbnextrow(connection());
    raise_error(r);
    return r != NO_MORE_ROWS;
}

gint SQLServerReader::get_field_count() { return connection_ ? dbnumcols(connection_) : 0; }
bool SQLServerReader::get_is_closed() { return !connection_ || dbdead(connection_); }

std::string SQLServerReader::get_name(guint16 ordinal) {
    const char* name = dbcolname(connection_, column(ordinal));
    return name ? name : "";
}
std::string SQLServerReader::get_dbms_type(guint16 ordinal) {
    int c = column(ordinal);
    return map_dbms_type(dbcoltype(connection_, c), dbcollen(connection_, c));
}
contracts::DataType SQLServerReader::get_data_type(guint16 ordinal) {
    int c = column(ordinal);
    return map_data_type(dbcoltype(connection_, c), dbcollen(connection_, c));
}
guint64 SQLServerReader::get_size(guint16 ordinal) {
    DBINT n = dbcollen(connection_, column(ordinal));
    return n > 0 ? static_cast<guint64>(n) : 0;
}

bool SQLServerReader::is_null(guint16 ordinal) {
    Cell c = cell_at(ordinal);
    return !c.data && c.length == 0;
}

bool SQLServerReader::get_boolean(guint16 ordinal) {
    Cell c = cell_at(ordinal);
    return cell::boolean(c.data, c.length);
}

#define SQLSERVER_NUMBER_GETTER(name, T)           \
    T SQLServerReader::name(guint16 ordinal) {    \
        Cell c = cell_at(ordinal);                \
        return cell::number<T>(c.data, c.length); \
    }
SQLSERVER_NUMBER_GETTER(get_int8, gint8)
SQLSERVER_NUMBER_GETTER(get_uint8, guint8)
SQLSERVER_NUMBER_GETTER(get_int16, gint16)
SQLSERVER_NUMBER_GETTER(get_uint16, guint16)
SQLSERVER_NUMBER_GETTER(get_int32, gint32)
SQLSERVER_NUMBER_GETTER(get_uint32, guint32)
SQLSERVER_NUMBER_GETTER(get_int64, gint64)
SQLSERVER_NUMBER_GETTER(get_uint64, guint64)
SQLSERVER_NUMBER_GETTER(get_float, float)
SQLSERVER_NUMBER_GETTER(get_double, double)
#undef SQLSERVER_NUMBER_GETTER

double SQLServerReader::get_money(guint16 ordinal) {
    Cell c = cell_at(ordinal);
    return cell::money(c.data, c.length);
}

std::string SQLServerReader::converted(guint16 ordinal) {
    int col = column(ordinal);
    Cell c = cell_at(ordinal);
    if (!c.data || c.length < 1) return {};
    const int capacity = dbprcollen(connection_, col);
    if (capacity < 1) return {};
    // db-lib pads to the capacity and writes no terminator: the buffer is zeroed and
    // one longer, and only the converted length is kept.
    std::string buffer(static_cast<std::size_t>(capacity) + 1, '\0');
    DBINT n = dbconvert(connection_, dbcoltype(connection_, col), c.data, c.length, SYBVARCHAR,
                        reinterpret_cast<BYTE*>(buffer.data()), capacity);
    return cell::converted_text(buffer.data(), capacity, n);
}

double SQLServerReader::get_decimal(guint16 ordinal) { return g_ascii_strtod(converted(ordinal).c_str(), nullptr); }

bool SQLServerReader::peek_number_text(guint16 ordinal, const char*& data, std::size_t& length) {
    const int type = dbcoltype(connection(), column(ordinal));
    if (type != SYBDECIMAL && type != SYBNUMERIC) return false;
    number_text_ = converted(ordinal);
    if (number_text_.empty()) return false;
    data = number_text_.data();
    length = number_text_.size();
    return true;
}

std::optional<std::string> SQLServerReader::get_guid(guint16 ordinal) { return converted(ordinal); }

std::optional<std::string> SQLServerReader::get_string(guint16 ordinal) {
    // The login asked for UTF-8: db-lib has converted every text already. Length-aware:
    // a text may hold a NUL, and the cell must keep what follows it.
    Cell c = cell_at(ordinal);
    if (!c.data || c.length < 1) return std::string();
    return std::string(reinterpret_cast<const char*>(c.data), static_cast<std::size_t>(c.length));
}

gobj::Ref<contracts::ValueObject> SQLServerReader::get_value(guint16 ordinal) {
    if (get_data_type(ordinal) != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING || is_null(ordinal))
        return IDataReader::get_value(ordinal);
    // Straight from the row: the interface's C text would end at a NUL.
    return contracts::ValueString::create(*get_string(ordinal));
}
std::optional<std::string> SQLServerReader::get_string16(guint16 ordinal) { return get_string(ordinal); }
std::optional<std::string> SQLServerReader::get_xml(guint16 ordinal) { return get_string(ordinal); }

std::vector<guint8> SQLServerReader::get_binary(guint16 ordinal) {
    Cell c = cell_at(ordinal);
    return cell::bytes(c.data, c.length);
}

gobj::Ref<contracts::ValueObject> SQLServerReader::variant_value(const guint8* data, int length) {
    switch (length) {
        case 1: return contracts::ValueUInt8::create(cell::number<guint8>(data, length));
        case 2: return contracts::ValueInt16::create(cell::number<gint16>(data, length));
        case 4: return contracts::ValueInt32::create(cell::number<gint32>(data, length));
        case 8: return contracts::ValueInt64::create(cell::number<gint64>(data, length));
        default: return contracts::ValueString::create(cell::text(data, length));
    }
}

gobj::Ref<contracts::ValueObject> SQLServerReader::get_variant(guint16 ordinal) {
    Cell c = cell_at(ordinal);
    return variant_value(c.data, c.length);
}

std::optional<cell::DateParts> SQLServerReader::crack(guint16 ordinal) {
    int col = column(ordinal);
    Cell c = cell_at(ordinal);
    if (!c.data) return std::nullopt;
    DBDATEREC2 parts{};
    if (dbanydatecrack(connection_, &parts, dbcoltype(connection_, col), c.data) != SUCCEED) return std::nullopt;
    return cell::DateParts{parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second,
                           parts.nanosecond};
}

void SQLServerReader::get_date(guint16 ordinal, GDate& result) {
    // db-lib splits the date of every protocol; old ones only send fewer date types.
    cell::date(crack(ordinal), &result);
}

gobj::DateTime SQLServerReader::get_time(guint16 ordinal) {
    tlog_warning("get_time: %d", ordinal);
    if (old_protocol()) {
        Cell c = cell_at(ordinal);
        return gobj::DateTime(cell::time(std::nullopt, true, cell::text(c.data, c.length)));
    }
    return gobj::DateTime(cell::time(crack(ordinal), false, {}));
}

gobj::DateTime SQLServerReader::get_datetime(guint16 ordinal) { return gobj::DateTime(cell::datetime(crack(ordinal))); }

gint64 SQLServerReader::get_timespan(guint16 ordinal) {
    tlog_warning("get_timespan: %d", ordinal);
    if (old_protocol()) return 0;
    return cell::timespan(crack(ordinal), false);
}

}  // namespace tarvelin::providers::supports::sqlserver
