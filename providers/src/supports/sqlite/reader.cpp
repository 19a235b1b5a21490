#include "providers/supports/sqlite/reader.hpp"

#include <sqlite3.h>

#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/register.hpp"
TARVELIN_LOG_TAG("reader")

namespace tarvelin::providers::supports::sqlite {

using namespace contracts;

TARVELIN_GTYPE(SQLiteReader, "TarvelinProvidersSupportsSQLiteReader", gobj::Object, IDataReader, ISQLiteType,
               ISQLiteError)

gobj::Ref<SQLiteReader> SQLiteReader::create(sqlite3* connection, sqlite3_stmt* stmt, bool owns, bool has_row,
                                             gobj::Ref<gobj::Object> owner) {
    auto r = construct(gtype(), connection, stmt);
    r->owns_ = owns;
    r->closed_ = !has_row;
    r->owner_ = std::move(owner);
    return r;
}

gobj::Ref<SQLiteReader> SQLiteReader::construct(GType type, sqlite3* connection, sqlite3_stmt* stmt) {
    auto r = gobj::create<SQLiteReader>(type);
    if (!r) return r;
    r->db_ = connection;
    r->stmt_ = stmt;
    return r;
}

SQLiteReader::~SQLiteReader() { release(); }

void SQLiteReader::release() {
    if (owns_ && stmt_) sqlite3_finalize(stmt_);
    stmt_ = nullptr;
}

bool SQLiteReader::read() {
    // Stepping a finished statement again would run it from the start.
    if (closed_ || !stmt_) return false;
    int rc = sqlite3_step(stmt_);
    raise_error(db_, rc);
    if (rc == SQLITE_ROW) return true;
    closed_ = true;
    return false;
}

void SQLiteReader::close() {
    closed_ = true;
    release();
}

gint SQLiteReader::get_field_count() { return stmt_ ? sqlite3_column_count(stmt_) : 0; }

sqlite3_stmt* SQLiteReader::at(guint16 ordinal) const {
    if (!stmt_) throw gobj::Error(kDomain, -1, _("The reader is closed."));
    if (ordinal >= sqlite3_column_count(stmt_)) throw gobj::Error(kDomain, SQLITE_RANGE, sqlite3_errstr(SQLITE_RANGE));
    return stmt_;
}

const char* SQLiteReader::text(guint16 ordinal) const {
    return reinterpret_cast<const char*>(sqlite3_column_text(at(ordinal), ordinal));
}

std::string SQLiteReader::get_name(guint16 ordinal) {
    const char* name = sqlite3_column_name(at(ordinal), ordinal);
    return name ? name : "";
}
std::string SQLiteReader::get_dbms_type(guint16 ordinal) { return map_dbms_type(sqlite3_column_type(at(ordinal), ordinal)); }
DataType SQLiteReader::get_data_type(guint16 ordinal) { return map_data_type(sqlite3_column_type(at(ordinal), ordinal)); }
guint64 SQLiteReader::get_size(guint16 ordinal) { return guint64(sqlite3_column_bytes(at(ordinal), ordinal)); }
bool SQLiteReader::is_null(guint16 ordinal) { return sqlite3_column_type(at(ordinal), ordinal) == SQLITE_NULL; }

bool SQLiteReader::get_boolean(guint16 ordinal) { return sqlite3_column_int64(at(ordinal), ordinal) != 0; }
gint8 SQLiteReader::get_int8(guint16 ordinal) { return gint8(sqlite3_column_int(at(ordinal), ordinal)); }
guint8 SQLiteReader::get_uint8(guint16 ordinal) { return guint8(sqlite3_column_int(at(ordinal), ordinal)); }
gint16 SQLiteReader::get_int16(guint16 ordinal) { return gint16(sqlite3_column_int(at(ordinal), ordinal)); }
guint16 SQLiteReader::get_uint16(guint16 ordinal) { return guint16(sqlite3_column_int(at(ordinal), ordinal)); }
gint32 SQLiteReader::get_int32(guint16 ordinal) { return gint32(sqlite3_column_int64(at(ordinal), ordinal)); }
guint32 SQLiteReader::get_uint32(guint16 ordinal) { return guint32(sqlite3_column_int64(at(ordinal), ordinal)); }
gint64 SQLiteReader::get_int64(guint16 ordinal) { return sqlite3_column_int64(at(ordinal), ordinal); }
guint64 SQLiteReader::get_uint64(guint16 ordinal) { return guint64(sqlite3_column_int64(at(ordinal), ordinal)); }
float SQLiteReader::get_float(guint16 ordinal) { return float(sqlite3_column_double(at(ordinal), ordinal)); }
double SQLiteReader::get_double(guint16 ordinal) { return sqlite3_column_double(at(ordinal), ordinal); }
double SQLiteReader::get_decimal(guint16 ordinal) { return get_double(ordinal); }
double SQLiteReader::get_money(guint16 ordinal) { return get_double(ordinal); }

void SQLiteReader::get_date(guint16 ordinal, GDate& result) {
    if (const char* t = text(ordinal)) g_date_set_parse(&result, t);
}

gobj::DateTime SQLiteReader::date_time(guint16 ordinal) const {
    const char* t = text(ordinal);
    if (!t) return {};
    GTimeZone* utc = g_time_zone_new_utc();
    gobj::DateTime d(g_date_time_new_from_iso8601(t, utc));
    g_time_zone_unref(utc);
    return d;
}
gobj::DateTime SQLiteReader::get_time(guint16 ordinal) { return date_time(ordinal); }
gobj::DateTime SQLiteReader::get_datetime(guint16 ordinal) { return date_time(ordinal); }
gobj::DateTime SQLiteReader::get_timestamp(guint16 ordinal) { return date_time(ordinal); }

gint64 SQLiteReader::get_timespan(guint16 ordinal) {
    const char* t = text(ordinal);
    return t ? g_ascii_strtoll(t, nullptr, 0) : 0;
}

std::optional<std::string> SQLiteReader::get_string(guint16 ordinal) {
    sqlite3_stmt* stmt = at(ordinal);
    const char* t = text(ordinal);
    if (!t) return std::nullopt;
    // Length-aware: a text may hold a NUL, and the cell must keep what follows it.
    return std::string(t, static_cast<std::size_t>(sqlite3_column_bytes(stmt, ordinal)));
}

gobj::Ref<ValueObject> SQLiteReader::get_value(guint16 ordinal) {
    sqlite3_stmt* stmt = at(ordinal);
    if (sqlite3_column_type(stmt, ordinal) != SQLITE_TEXT) return IDataReader::get_value(ordinal);
    // Straight from the statement: the interface's C text would end at a NUL.
    auto t = get_string(ordinal);
    if (!t) return ValueNull::create();
    return ValueString::create(std::move(*t));
}
bool SQLiteReader::peek_string(guint16 ordinal, const char*& data, std::size_t& length) {
    sqlite3_stmt* stmt = at(ordinal);
    data = text(ordinal);
    if (!data) return false;
    length = static_cast<std::size_t>(sqlite3_column_bytes(stmt, ordinal));
    return true;
}
bool SQLiteReader::peek_row(Cell* cells, guint16 count) {
    if (!stmt_ || count != sqlite3_column_count(stmt_)) return false;
    for (guint16 i = 0; i < count; ++i) {
        Cell& c = cells[i];
        const int storage = sqlite3_column_type(stmt_, i);
        c.type = map_data_type(storage);
        c.length = 0;
        switch (storage) {
            case SQLITE_NULL:
                c.kind = Cell::kNull;
                break;
            case SQLITE_INTEGER:
                c.kind = Cell::kInteger;
                c.integer = sqlite3_column_int64(stmt_, i);
                break;
            case SQLITE_FLOAT:
                c.kind = Cell::kReal;
                c.real = sqlite3_column_double(stmt_, i);
                break;
            case SQLITE_BLOB: {
                // As get_binary: no bytes for an empty blob.
                c.kind = Cell::kBytes;
                c.data = static_cast<const char*>(sqlite3_column_blob(stmt_, i));
                const int length = sqlite3_column_bytes(stmt_, i);
                c.length = c.data && length > 0 ? std::size_t(length) : 0;
                break;
            }
            default:
                // A text the library could not give (out of memory) goes through the getters.
                c.data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
                c.kind = c.data ? Cell::kText : Cell::kGetters;
                c.length = c.data ? std::size_t(sqlite3_column_bytes(stmt_, i)) : 0;
                break;
        }
    }
    return true;
}
std::optional<std::string> SQLiteReader::get_string16(guint16 ordinal) { return get_string(ordinal); }
std::optional<std::string> SQLiteReader::get_guid(guint16 ordinal) { return get_string(ordinal); }

std::vector<guint8> SQLiteReader::get_binary(guint16 ordinal) {
    sqlite3_stmt* stmt = at(ordinal);
    auto* data = static_cast<const guint8*>(sqlite3_column_blob(stmt, ordinal));
    int length = sqlite3_column_bytes(stmt, ordinal);
    if (!data || length <= 0) return {};
    return std::vector<guint8>(data, data + length);
}

}  // namespace tarvelin::providers::supports::sqlite
