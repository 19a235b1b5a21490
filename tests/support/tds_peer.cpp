#include "support/tds_peer.hpp"

#include <arpa/inet.h>
#include <glib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <variant>

namespace tarvelin::test {

// ---------------------------------------------------------------- response items

namespace {
struct ResultItem {
    std::vector<TdsColumn> columns;
    std::vector<TdsRow> rows;
};
struct DoneItem {
    std::uint16_t status = 0;
    std::uint64_t count = 0;
};
struct MessageItem {
    bool error = false;
    int number = 0, state = 1, severity = 0, line = 1;
    std::string text;
};
struct DisconnectItem {};

// TDS token and flag values (MS-TDS 2.2.7).
constexpr std::uint8_t kColMetadata = 0x81, kError = 0xAA, kInfo = 0xAB, kLoginAck = 0xAD, kRow = 0xD1,
                       kEnvChange = 0xE3, kDone = 0xFD;
constexpr std::uint16_t kDoneMore = 0x01, kDoneError = 0x02, kDoneCount = 0x10, kDoneAttn = 0x20;
constexpr std::uint8_t kPacketBatch = 0x01, kPacketReply = 0x04, kPacketAttention = 0x06, kPacketLogin7 = 0x10,
                       kPacketPrelogin = 0x12;
}  // namespace

struct TdsResponse::Item {
    std::variant<ResultItem, DoneItem, MessageItem, DisconnectItem> v;
};

TdsResponse& TdsResponse::result(std::vector<TdsColumn> columns, std::vector<TdsRow> rows) {
    for (const TdsRow& row : rows) {
        if (row.size() != columns.size()) throw std::invalid_argument("TdsResponse: a row has the wrong width");
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (!row[i] && !columns[i].nullable)
                throw std::invalid_argument("TdsResponse: NULL in the NOT NULL column " + columns[i].name);
        }
    }
    items_.push_back(std::make_shared<Item>(Item{ResultItem{std::move(columns), std::move(rows)}}));
    return *this;
}
TdsResponse& TdsResponse::count(std::uint64_t rows) {
    items_.push_back(std::make_shared<Item>(Item{DoneItem{kDoneCount, rows}}));
    return *this;
}
TdsResponse& TdsResponse::done() {
    items_.push_back(std::make_shared<Item>(Item{DoneItem{0, 0}}));
    return *this;
}
TdsResponse& TdsResponse::info(int number, std::string text, int severity, int state) {
    items_.push_back(std::make_shared<Item>(Item{MessageItem{false, number, state, severity, 1, std::move(text)}}));
    return *this;
}
TdsResponse& TdsResponse::error(int number, int severity, std::string text, int state, int line) {
    items_.push_back(std::make_shared<Item>(Item{MessageItem{true, number, state, severity, line, std::move(text)}}));
    return *this;
}
TdsResponse& TdsResponse::fail() {
    items_.push_back(std::make_shared<Item>(Item{DoneItem{kDoneError, 0}}));
    return *this;
}
TdsResponse& TdsResponse::disconnect() {
    items_.push_back(std::make_shared<Item>(Item{DisconnectItem{}}));
    return *this;
}

// ---------------------------------------------------------------- wire encoding

namespace {

class Buf {
public:
    std::string data;
    void u8(unsigned v) { data.push_back(static_cast<char>(v & 0xFF)); }
    void u16(unsigned v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void u64(std::uint64_t v) {
        u32(static_cast<std::uint32_t>(v));
        u32(static_cast<std::uint32_t>(v >> 32));
    }
    void le(std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) u8(static_cast<unsigned>(v >> (8 * i)));
    }
    void raw(const std::string& s) { data += s; }
    // UTF-8 -> UTF-16LE, no length.
    void ucs2(const std::string& utf8) { raw(to_ucs2(utf8)); }
    // B_VARCHAR / US_VARCHAR: a count of UTF-16 units, then the units.
    void b_varchar(const std::string& utf8) {
        std::string u = to_ucs2(utf8);
        u8(static_cast<unsigned>(u.size() / 2));
        raw(u);
    }
    void us_varchar(const std::string& utf8) {
        std::string u = to_ucs2(utf8);
        u16(static_cast<unsigned>(u.size() / 2));
        raw(u);
    }
    // A token whose body follows a 16-bit length.
    void token(std::uint8_t type, const Buf& body) {
        u8(type);
        u16(static_cast<unsigned>(body.data.size()));
        raw(body.data);
    }

    static std::string to_ucs2(const std::string& utf8) {
        glong n = 0;
        gunichar2* w = g_utf8_to_utf16(utf8.data(), static_cast<glong>(utf8.size()), nullptr, &n, nullptr);
        if (!w) throw std::invalid_argument("TdsPeer: text is not UTF-8");
        std::string out;
        for (glong i = 0; i < n; ++i) {
            out.push_back(static_cast<char>(w[i] & 0xFF));
            out.push_back(static_cast<char>(w[i] >> 8));
        }
        g_free(w);
        return out;
    }
};

std::string from_ucs2(const char* p, std::size_t units) {
    if (units == 0) return {};
    std::vector<gunichar2> w(units);
    for (std::size_t i = 0; i < units; ++i) {
        w[i] = static_cast<gunichar2>(static_cast<unsigned char>(p[2 * i]) |
                                      (static_cast<unsigned char>(p[2 * i + 1]) << 8));
    }
    gchar* s = g_utf16_to_utf8(w.data(), static_cast<glong>(units), nullptr, nullptr, nullptr);
    std::string out = s ? s : "";
    g_free(s);
    return out;
}

// SQL_Latin1_General_CP1_CI_AS: code page 1252 for varchar data.
const std::string kCollation("\x09\x04\xD0\x00\x34", 5);

struct Version {
    std::uint32_t v;
    bool at_least_71() const { return v >= 0x71000000 || v == 0x07010000; }
    bool at_least_72() const { return v >= 0x72000000; }
    bool at_least_73() const { return v >= 0x73000000; }
};

// A parsed "YYYY-MM-DD hh:mm:ss.fffffff +hh:mm" (any part may be missing).
struct Stamp {
    int year = 1900, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    std::int64_t nanos = 0;
    int offset_minutes = 0;
};

Stamp parse_stamp(const std::string& text, bool with_date, bool with_time) {
    Stamp s;
    const char* p = text.c_str();
    char* end = nullptr;
    auto number = [&](int& out) {
        long v = std::strtol(p, &end, 10);
        if (end == p) throw std::invalid_argument("TdsPeer: bad date or time: " + text);
        out = static_cast<int>(v);
        p = end;
    };
    auto expect = [&](char c) {
        if (*p != c) throw std::invalid_argument("TdsPeer: bad date or time: " + text);
        ++p;
    };
    if (with_date) {
        number(s.year);
        expect('-');
        number(s.month);
        expect('-');
        number(s.day);
        while (*p == ' ' || *p == 'T') ++p;
    }
    if (with_time && *p) {
        number(s.hour);
        expect(':');
        number(s.minute);
        expect(':');
        number(s.second);
        if (*p == '.') {
            ++p;
            std::int64_t scale = 100000000;
            while (g_ascii_isdigit(*p)) {
                s.nanos += (*p - '0') * scale;
                scale /= 10;
                ++p;
            }
        }
        while (*p == ' ') ++p;
        if (*p == '+' || *p == '-') {
            int sign = *p == '-' ? -1 : 1;
            ++p;
            int h = 0, m = 0;
            number(h);
            expect(':');
            number(m);
            s.offset_minutes = sign * (h * 60 + m);
        }
    }
    return s;
}

std::int64_t days_since(int year, int month, int day, int base_year) {
    GDate* d = g_date_new_dmy(static_cast<GDateDay>(day), static_cast<GDateMonth>(month),
                              static_cast<GDateYear>(year));
    GDate* b = g_date_new_dmy(1, G_DATE_JANUARY, static_cast<GDateYear>(base_year));
    std::int64_t n = static_cast<std::int64_t>(g_date_get_julian(d)) - g_date_get_julian(b);
    g_date_free(d);
    g_date_free(b);
    return n;
}

// "-12.345" scaled by 10^scale, as a sign and a magnitude.
std::pair<bool, unsigned __int128> parse_scaled(const std::string& text, int scale) {
    const char* p = text.c_str();
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    unsigned __int128 v = 0;
    int decimals = -1;
    for (; *p; ++p) {
        if (*p == '.') {
            decimals = 0;
            continue;
        }
        if (!g_ascii_isdigit(*p)) throw std::invalid_argument("TdsPeer: bad number: " + text);
        if (decimals >= scale) continue;  // truncate extra digits
        v = v * 10 + static_cast<unsigned>(*p - '0');
        if (decimals >= 0) ++decimals;
    }
    for (int d = decimals < 0 ? 0 : decimals; d < scale; ++d) v *= 10;
    return {negative, v};
}

int time_bytes(int scale) { return scale <= 2 ? 3 : scale <= 4 ? 4 : 5; }

std::uint64_t time_units(const Stamp& s, int scale) {
    std::uint64_t pow = 1;
    for (int i = 0; i < scale; ++i) pow *= 10;
    std::uint64_t frac = static_cast<std::uint64_t>(s.nanos) * pow / 1000000000ULL;
    return (static_cast<std::uint64_t>(s.hour) * 3600 + s.minute * 60 + s.second) * pow + frac;
}

int decimal_bytes(int precision) { return precision <= 9 ? 5 : precision <= 19 ? 9 : precision <= 28 ? 13 : 17; }

bool is_new_date_type(TdsType t) {
    return t == TdsType::Date || t == TdsType::Time || t == TdsType::DateTime2 || t == TdsType::DateTimeOffset;
}

// The type actually sent: before TDS 7.3 the newer date types travel as nvarchar.
TdsColumn wire_column(const TdsColumn& c, Version ver) {
    if (is_new_date_type(c.type) && !ver.at_least_73()) {
        TdsColumn w = c;
        w.type = TdsType::NVarChar;
        w.length = 2 * 34;
        return w;
    }
    return c;
}

void put_type_info(Buf& b, const TdsColumn& c, Version ver) {
    auto fixed_or_n = [&](unsigned fixed, unsigned ntype, unsigned size) {
        if (c.nullable) {
            b.u8(ntype);
            b.u8(size);
        } else {
            b.u8(fixed);
        }
    };
    int varlen = c.length > 0 ? c.length : 8000;
    switch (c.type) {
        case TdsType::TinyInt: fixed_or_n(0x30, 0x26, 1); break;
        case TdsType::SmallInt: fixed_or_n(0x34, 0x26, 2); break;
        case TdsType::Int: fixed_or_n(0x38, 0x26, 4); break;
        case TdsType::BigInt: fixed_or_n(0x7F, 0x26, 8); break;
        case TdsType::Bit: fixed_or_n(0x32, 0x68, 1); break;
        case TdsType::Real: fixed_or_n(0x3B, 0x6D, 4); break;
        case TdsType::Float: fixed_or_n(0x3E, 0x6D, 8); break;
        case TdsType::SmallMoney: fixed_or_n(0x7A, 0x6E, 4); break;
        case TdsType::Money: fixed_or_n(0x3C, 0x6E, 8); break;
        case TdsType::SmallDateTime: fixed_or_n(0x3A, 0x6F, 4); break;
        case TdsType::DateTime: fixed_or_n(0x3D, 0x6F, 8); break;
        case TdsType::Decimal:
            b.u8(0x6A);
            b.u8(static_cast<unsigned>(decimal_bytes(c.precision)));
            b.u8(static_cast<unsigned>(c.precision));
            b.u8(static_cast<unsigned>(c.scale));
            break;
        case TdsType::UniqueIdentifier:
            b.u8(0x24);
            b.u8(16);
            break;
        case TdsType::VarChar:
        case TdsType::NVarChar:
            b.u8(c.type == TdsType::VarChar ? 0xA7 : 0xE7);
            b.u16(static_cast<unsigned>(varlen));
            if (ver.at_least_71()) b.raw(kCollation);
            break;
        case TdsType::VarBinary:
            b.u8(0xA5);
            b.u16(static_cast<unsigned>(varlen));
            break;
        case TdsType::Date: b.u8(0x28); break;
        case TdsType::Time:
            b.u8(0x29);
            b.u8(static_cast<unsigned>(c.scale));
            break;
        case TdsType::DateTime2:
            b.u8(0x2A);
            b.u8(static_cast<unsigned>(c.scale));
            break;
        case TdsType::DateTimeOffset:
            b.u8(0x2B);
            b.u8(static_cast<unsigned>(c.scale));
            break;
    }
}

// The value bytes of a non-NULL cell (without any length prefix).
std::string encode_value(const TdsColumn& c, const std::string& text) {
    Buf b;
    auto integer = [&] { return g_ascii_strtoll(text.c_str(), nullptr, 10); };
    switch (c.type) {
        case TdsType::TinyInt: b.le(static_cast<std::uint64_t>(integer()), 1); break;
        case TdsType::SmallInt: b.le(static_cast<std::uint64_t>(integer()), 2); break;
        case TdsType::Int: b.le(static_cast<std::uint64_t>(integer()), 4); break;
        case TdsType::BigInt: b.le(static_cast<std::uint64_t>(integer()), 8); break;
        case TdsType::Bit: b.u8(integer() != 0 ? 1 : 0); break;
        case TdsType::Real: {
            float f = static_cast<float>(g_ascii_strtod(text.c_str(), nullptr));
            std::uint32_t u;
            std::memcpy(&u, &f, 4);
            b.u32(u);
            break;
        }
        case TdsType::Float: {
            double d = g_ascii_strtod(text.c_str(), nullptr);
            std::uint64_t u;
            std::memcpy(&u, &d, 8);
            b.u64(u);
            break;
        }
        case TdsType::SmallMoney:
        case TdsType::Money: {
            auto [neg, mag] = parse_scaled(text, 4);
            std::int64_t v = static_cast<std::int64_t>(mag);
            if (neg) v = -v;
            if (c.type == TdsType::SmallMoney) {
                b.u32(static_cast<std::uint32_t>(static_cast<std::int32_t>(v)));
            } else {
                // High 32 bits first, then the low 32 bits.
                b.u32(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v) >> 32));
                b.u32(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v) & 0xFFFFFFFFu));
            }
            break;
        }
        case TdsType::SmallDateTime: {
            Stamp s = parse_stamp(text, true, true);
            b.u16(static_cast<unsigned>(days_since(s.year, s.month, s.day, 1900)));
            b.u16(static_cast<unsigned>(s.hour * 60 + s.minute));
            break;
        }
        case TdsType::DateTime: {
            Stamp s = parse_stamp(text, true, true);
            std::int64_t ticks = (static_cast<std::int64_t>(s.hour) * 3600 + s.minute * 60 + s.second) * 300 +
                                 (s.nanos * 300 + 500000000) / 1000000000;
            b.u32(static_cast<std::uint32_t>(static_cast<std::int32_t>(days_since(s.year, s.month, s.day, 1900))));
            b.u32(static_cast<std::uint32_t>(ticks));
            break;
        }
        case TdsType::Decimal: {
            auto [neg, mag] = parse_scaled(text, c.scale);
            b.u8(neg ? 0 : 1);
            for (int i = 0; i < decimal_bytes(c.precision) - 1; ++i) {
                b.u8(static_cast<unsigned>(mag & 0xFF));
                mag >>= 8;
            }
            break;
        }
        case TdsType::UniqueIdentifier: {
            std::string hex;
            for (char ch : text)
                if (g_ascii_isxdigit(ch)) hex.push_back(ch);
            if (hex.size() != 32) throw std::invalid_argument("TdsPeer: bad GUID: " + text);
            auto byte = [&](int i) { return static_cast<unsigned>(std::stoul(hex.substr(2 * i, 2), nullptr, 16)); };
            // Data1, Data2 and Data3 little-endian, Data4 as written.
            for (int i : {3, 2, 1, 0, 5, 4, 7, 6}) b.u8(byte(i));
            for (int i = 8; i < 16; ++i) b.u8(byte(i));
            break;
        }
        case TdsType::VarChar: {
            gsize n = 0;
            gchar* cp = g_convert(text.data(), static_cast<gssize>(text.size()), "WINDOWS-1252", "UTF-8", nullptr, &n,
                                  nullptr);
            if (!cp) throw std::invalid_argument("TdsPeer: not a Windows-1252 text: " + text);
            b.data.assign(cp, n);
            g_free(cp);
            break;
        }
        case TdsType::NVarChar: b.ucs2(text); break;
        case TdsType::VarBinary: b.raw(text); break;
        case TdsType::Date: {
            Stamp s = parse_stamp(text, true, false);
            b.le(static_cast<std::uint64_t>(days_since(s.year, s.month, s.day, 1)), 3);
            break;
        }
        case TdsType::Time: {
            Stamp s = parse_stamp(text, false, true);
            b.le(time_units(s, c.scale), time_bytes(c.scale));
            break;
        }
        case TdsType::DateTime2: {
            Stamp s = parse_stamp(text, true, true);
            b.le(time_units(s, c.scale), time_bytes(c.scale));
            b.le(static_cast<std::uint64_t>(days_since(s.year, s.month, s.day, 1)), 3);
            break;
        }
        case TdsType::DateTimeOffset: {
            Stamp s = parse_stamp(text, true, true);
            GDateTime* local = g_date_time_new_utc(s.year, s.month, s.day, s.hour, s.minute, s.second);
            GDateTime* utc = g_date_time_add_minutes(local, -s.offset_minutes);
            Stamp u = s;
            u.year = g_date_time_get_year(utc);
            u.month = g_date_time_get_month(utc);
            u.day = g_date_time_get_day_of_month(utc);
            u.hour = g_date_time_get_hour(utc);
            u.minute = g_date_time_get_minute(utc);
            u.second = g_date_time_get_second(utc);
            g_date_time_unref(utc);
            g_date_time_unref(local);
            b.le(time_units(u, c.scale), time_bytes(c.scale));
            b.le(static_cast<std::uint64_t>(days_since(u.year, u.month, u.day, 1)), 3);
            b.u16(static_cast<unsigned>(static_cast<std::int16_t>(s.offset_minutes)));
            break;
        }
    }
    return b.data;
}

void put_cell(Buf& b, const TdsColumn& c, const TdsCell& cell) {
    switch (c.type) {
        case TdsType::VarChar:
        case TdsType::NVarChar:
        case TdsType::VarBinary:
            if (!cell) {
                b.u16(0xFFFF);
            } else {
                std::string v = encode_value(c, *cell);
                b.u16(static_cast<unsigned>(v.size()));
                b.raw(v);
            }
            return;
        case TdsType::Decimal:
        case TdsType::UniqueIdentifier:
        case TdsType::Date:
        case TdsType::Time:
        case TdsType::DateTime2:
        case TdsType::DateTimeOffset:
            break;  // always the length-prefixed form
        default:
            if (!c.nullable) {
                b.raw(encode_value(c, *cell));
                return;
            }
    }
    if (!cell) {
        b.u8(0);
        return;
    }
    std::string v = encode_value(c, *cell);
    b.u8(static_cast<unsigned>(v.size()));
    b.raw(v);
}

void put_done(Buf& b, std::uint16_t status, std::uint16_t curcmd, std::uint64_t count, Version ver) {
    b.u8(kDone);
    b.u16(status);
    b.u16(curcmd);
    if (ver.at_least_72()) {
        b.u64(count);
    } else {
        b.u32(static_cast<std::uint32_t>(count));
    }
}

void put_message(Buf& b, const MessageItem& m, Version ver) {
    Buf body;
    body.u32(static_cast<std::uint32_t>(m.number));
    body.u8(static_cast<unsigned>(m.state));
    body.u8(static_cast<unsigned>(m.severity));
    body.us_varchar(m.text);
    body.b_varchar("TDSPEER");
    body.b_varchar("");
    if (ver.at_least_72()) {
        body.u32(static_cast<std::uint32_t>(m.line));
    } else {
        body.u16(static_cast<unsigned>(m.line));
    }
    b.token(m.error ? kError : kInfo, body);
}

void put_env(Buf& b, unsigned type, const std::string& now, const std::string& before) {
    Buf body;
    body.u8(type);
    body.b_varchar(now);
    body.b_varchar(before);
    b.token(kEnvChange, body);
}

// The tokens of a scripted response, and whether the connection is dropped after them.
struct Encoded {
    std::string tokens;
    bool disconnect = false;
};

Encoded encode_response(const TdsResponse& r, Version ver) {
    // DONE tokens all carry "more" but the last; the token stream always ends with one.
    struct Piece {
        std::string bytes;
        bool done = false;
        std::uint16_t status = 0, curcmd = 0;
        std::uint64_t count = 0;
    };
    std::vector<Piece> pieces;
    Encoded out;
    for (const auto& item : r.items()) {
        if (const auto* res = std::get_if<ResultItem>(&item->v)) {
            std::vector<TdsColumn> cols;
            for (const TdsColumn& c : res->columns) cols.push_back(wire_column(c, ver));
            Buf b;
            b.u8(kColMetadata);
            b.u16(static_cast<unsigned>(cols.size()));
            for (const TdsColumn& c : cols) {
                if (ver.at_least_72()) {
                    b.u32(0);
                } else {
                    b.u16(0);
                }
                b.u16(c.nullable ? 0x0001 : 0x0000);
                put_type_info(b, c, ver);
                b.b_varchar(c.name);
            }
            for (const TdsRow& row : res->rows) {
                b.u8(kRow);
                for (std::size_t i = 0; i < cols.size(); ++i) put_cell(b, cols[i], row[i]);
            }
            pieces.push_back({b.data});
            pieces.push_back({"", true, kDoneCount, 0xC1, res->rows.size()});
        } else if (const auto* done = std::get_if<DoneItem>(&item->v)) {
            pieces.push_back({"", true, done->status, 0, done->count});
        } else if (const auto* msg = std::get_if<MessageItem>(&item->v)) {
            Buf b;
            put_message(b, *msg, ver);
            pieces.push_back({b.data});
        } else {
            out.disconnect = true;
            break;
        }
    }
    if (out.disconnect) {
        for (const Piece& p : pieces) out.tokens += p.bytes;  // partial answer, no DONE
        return out;
    }
    if (pieces.empty() || !pieces.back().done) pieces.push_back({"", true, 0, 0, 0});
    std::size_t last = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (pieces[i].done) last = i;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (!p.done) {
            out.tokens += p.bytes;
            continue;
        }
        Buf b;
        put_done(b, static_cast<std::uint16_t>(p.status | (i == last ? 0 : kDoneMore)), p.curcmd, p.count, ver);
        out.tokens += b.data;
    }
    return out;
}

std::string trim(const std::string& s) {
    std::size_t a = s.find_first_not_of(" \t\r\n;"), b = s.find_last_not_of(" \t\r\n;");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool starts_with_word(const std::string& s, const char* word) {
    std::size_t n = std::strlen(word);
    return s.size() >= n && g_ascii_strncasecmp(s.c_str(), word, n) == 0 &&
           (s.size() == n || g_ascii_isspace(s[n]));
}

}  // namespace

// ---------------------------------------------------------------- the peer

struct TdsPeer::State {
    int listen_fd = -1;
    int port = 0;
    std::atomic<bool> stopping{false};
    std::thread acceptor;

    mutable std::mutex mutex;  // guards everything below
    std::map<std::string, TdsResponse> script;
    std::optional<std::pair<std::string, std::string>> credentials;
    std::string default_database = "master";
    std::vector<std::string> batches;
    std::vector<TdsLogin> logins;
    int attentions = 0;
    std::vector<int> connections;  // open sockets, shut down on stop
    std::vector<std::thread> workers;
    int next_spid = 51;

    void accept_loop();
    void serve(int fd, int spid);
    TdsResponse response_for(const std::string& sql);
};

namespace {

bool read_exact(int fd, char* p, std::size_t n) {
    while (n > 0) {
        ssize_t r = ::recv(fd, p, n, 0);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        p += r;
        n -= static_cast<std::size_t>(r);
    }
    return true;
}

bool write_all(int fd, const std::string& data) {
    std::size_t off = 0;
    while (off < data.size()) {
        ssize_t r = ::send(fd, data.data() + off, data.size() - off, MSG_NOSIGNAL);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        off += static_cast<std::size_t>(r);
    }
    return true;
}

// One client message (the payloads of its packets up to end-of-message).
bool read_message(int fd, std::uint8_t& type, std::string& payload) {
    payload.clear();
    for (;;) {
        char h[8];
        if (!read_exact(fd, h, 8)) return false;
        type = static_cast<std::uint8_t>(h[0]);
        std::size_t len = (static_cast<unsigned char>(h[2]) << 8) | static_cast<unsigned char>(h[3]);
        if (len < 8) return false;
        std::string part(len - 8, '\0');
        if (!read_exact(fd, part.data(), part.size())) return false;
        payload += part;
        if (h[1] & 0x01) return true;
    }
}

// Sends a reply message split into packets of at most `packet_size` bytes.
bool send_reply(int fd, const std::string& tokens, std::size_t packet_size, int spid, std::uint8_t& packet_id) {
    std::size_t room = packet_size - 8, off = 0;
    std::string wire;
    do {
        std::size_t n = std::min(room, tokens.size() - off);
        bool last = off + n == tokens.size();
        std::size_t len = n + 8;
        wire.push_back(static_cast<char>(kPacketReply));
        wire.push_back(static_cast<char>(last ? 0x01 : 0x00));
        wire.push_back(static_cast<char>(len >> 8));
        wire.push_back(static_cast<char>(len & 0xFF));
        wire.push_back(static_cast<char>(spid >> 8));
        wire.push_back(static_cast<char>(spid & 0xFF));
        wire.push_back(static_cast<char>(++packet_id));
        wire.push_back(0);
        wire.append(tokens, off, n);
        off += n;
    } while (off < tokens.size());
    return write_all(fd, wire);
}

std::uint32_t rd32(const std::string& s, std::size_t at) {
    if (at + 4 > s.size()) return 0;
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8) |
                                      (static_cast<unsigned char>(s[at + 2]) << 16) |
                                      (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3])) << 24));
}
unsigned rd16(const std::string& s, std::size_t at) {
    if (at + 2 > s.size()) return 0;
    return static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8);
}

// A text field of the login record: offset and length (in UTF-16 units) at `at`.
std::string login_text(const std::string& p, std::size_t at, bool password) {
    std::size_t off = rd16(p, at), units = rd16(p, at + 2);
    if (off + 2 * units > p.size()) return {};
    std::string raw = p.substr(off, 2 * units);
    if (password) {
        // Each byte was nibble-swapped and then XORed with 0xA5.
        for (char& ch : raw) {
            auto b = static_cast<unsigned char>(ch ^ 0xA5);
            ch = static_cast<char>(((b << 4) | (b >> 4)) & 0xFF);
        }
    }
    return from_ucs2(raw.data(), units);
}

TdsLogin parse_login(const std::string& p) {
    TdsLogin l;
    l.tds_version = rd32(p, 4);
    l.integrated_security = p.size() > 25 && (static_cast<unsigned char>(p[25]) & 0x80) != 0;
    l.host_name = login_text(p, 36, false);
    l.user_name = login_text(p, 40, false);
    l.password = login_text(p, 44, true);
    l.app_name = login_text(p, 48, false);
    l.server_name = login_text(p, 52, false);
    l.library_name = login_text(p, 60, false);
    l.language = login_text(p, 64, false);
    l.database = login_text(p, 68, false);
    return l;
}

std::string prelogin_reply() {
    // Options: VERSION, ENCRYPTION (2: not supported), INSTOPT, THREADID (empty), MARS.
    struct Opt {
        std::uint8_t token;
        std::string data;
    };
    const Opt opts[] = {
        {0x00, std::string("\x10\x00\x07\xD0\x00\x00", 6)},
        {0x01, std::string("\x02", 1)},
        {0x02, std::string("\x00", 1)},
        {0x03, std::string()},
        {0x04, std::string("\x00", 1)},
    };
    std::size_t offset = std::size(opts) * 5 + 1;
    std::string head, body;
    for (const Opt& o : opts) {
        head.push_back(static_cast<char>(o.token));
        head.push_back(static_cast<char>((offset + body.size()) >> 8));
        head.push_back(static_cast<char>((offset + body.size()) & 0xFF));
        head.push_back(static_cast<char>(o.data.size() >> 8));
        head.push_back(static_cast<char>(o.data.size() & 0xFF));
        body += o.data;
    }
    head.push_back(static_cast<char>(0xFF));
    return head + body;
}

}  // namespace

TdsResponse TdsPeer::State::response_for(const std::string& sql) {
    std::lock_guard lock(mutex);
    batches.push_back(sql);
    auto it = script.find(sql);
    if (it == script.end()) it = script.find(trim(sql));
    if (it != script.end()) return it->second;
    std::string t = trim(sql);
    if (starts_with_word(t, "SET") || starts_with_word(t, "USE")) return TdsResponse().done();
    return TdsResponse().error(2812, 16, "Unscripted statement: " + sql).fail();
}

void TdsPeer::State::serve(int fd, int spid) {
    Version ver{0x74000004};
    std::size_t packet_size = 4096;
    std::uint8_t packet_id = 0;
    std::uint8_t type = 0;
    std::string payload;
    while (!stopping && read_message(fd, type, payload)) {
        Buf out;
        bool drop = false;
        if (type == kPacketPrelogin) {
            out.raw(prelogin_reply());
        } else if (type == kPacketLogin7) {
            TdsLogin login = parse_login(payload);
            std::uint32_t asked = rd32(payload, 8);
            if (asked >= 512 && asked <= 32767) packet_size = asked;
            ver.v = login.tds_version;
            bool refused;
            std::string database;
            {
                std::lock_guard lock(mutex);
                logins.push_back(login);
                refused = credentials &&
                          (login.user_name != credentials->first || login.password != credentials->second);
                database = login.database.empty() ? default_database : login.database;
            }
            if (refused) {
                put_message(out, MessageItem{true, 18456, 1, 14, 1, "Login failed for user '" + login.user_name + "'."},
                            ver);
                put_done(out, kDoneError, 0, 0, ver);
            } else {
                put_env(out, 1, database, "master");
                put_message(out, MessageItem{false, 5701, 2, 0, 1, "Changed database context to '" + database + "'."},
                            ver);
                if (ver.at_least_71()) {
                    Buf body;
                    body.u8(7);
                    body.u8(5);
                    body.raw(kCollation);
                    body.u8(0);
                    out.token(kEnvChange, body);
                }
                put_env(out, 2, "us_english", "");
                put_message(out, MessageItem{false, 5703, 1, 0, 1, "Changed language setting to us_english."}, ver);
                Buf ack;
                ack.u8(1);
                // The version goes back in network order; TDS 7.0 answers 7.0 as 0x07000000.
                std::uint32_t v = ver.v == 0x70000000 ? 0x07000000 : ver.v;
                ack.u8(v >> 24);
                ack.u8((v >> 16) & 0xFF);
                ack.u8((v >> 8) & 0xFF);
                ack.u8(v & 0xFF);
                ack.b_varchar("Microsoft SQL Server");
                ack.u8(16);
                ack.u8(0);
                ack.u8(0x07);
                ack.u8(0xD0);
                out.token(kLoginAck, ack);
                std::string size = std::to_string(packet_size);
                put_env(out, 4, size, size);
                put_done(out, 0, 0, 0, ver);
            }
        } else if (type == kPacketBatch) {
            std::size_t start = 0;
            // TDS 7.2+ batches start with ALL_HEADERS (its total length first).
            if (ver.at_least_72() && payload.size() >= 4) {
                std::uint32_t total = rd32(payload, 0);
                if (total >= 4 && total <= payload.size()) start = total;
            }
            std::string sql = from_ucs2(payload.data() + start, (payload.size() - start) / 2);
            Encoded e = encode_response(response_for(sql), ver);
            out.raw(e.tokens);
            drop = e.disconnect;
        } else if (type == kPacketAttention) {
            {
                std::lock_guard lock(mutex);
                ++attentions;
            }
            put_done(out, kDoneAttn, 0, 0, ver);
        } else {
            MessageItem m{true, 16, 1, 16, 1, "The scripted TDS peer does not handle packet type " +
                                                  std::to_string(static_cast<int>(type))};
            put_message(out, m, ver);
            put_done(out, kDoneError, 0, 0, ver);
        }
        if (drop) {
            if (!out.data.empty()) send_reply(fd, out.data, packet_size, spid, packet_id);
            break;
        }
        if (!send_reply(fd, out.data, packet_size, spid, packet_id)) break;
    }
    std::lock_guard lock(mutex);
    connections.erase(std::remove(connections.begin(), connections.end(), fd), connections.end());
    ::close(fd);
}

void TdsPeer::State::accept_loop() {
    for (;;) {
        int fd = ::accept(listen_fd, nullptr, nullptr);
        if (stopping) {
            if (fd >= 0) ::close(fd);
            return;
        }
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return;
        }
        std::lock_guard lock(mutex);
        connections.push_back(fd);
        int spid = next_spid++;
        workers.emplace_back([this, fd, spid] { serve(fd, spid); });
    }
}

TdsPeer::TdsPeer() : state_(std::make_shared<State>()) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error("TdsPeer: socket failed");
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 16) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(fd);
        throw std::runtime_error("TdsPeer: cannot listen on 127.0.0.1");
    }
    state_->listen_fd = fd;
    state_->port = ntohs(addr.sin_port);
    state_->acceptor = std::thread([s = state_.get()] { s->accept_loop(); });
}

TdsPeer::~TdsPeer() {
    state_->stopping = true;
    ::shutdown(state_->listen_fd, SHUT_RDWR);
    state_->acceptor.join();
    ::close(state_->listen_fd);
    std::vector<std::thread> workers;
    {
        std::lock_guard lock(state_->mutex);
        for (int fd : state_->connections) ::shutdown(fd, SHUT_RDWR);
        workers.swap(state_->workers);
    }
    for (std::thread& t : workers) t.join();
}

int TdsPeer::port() const { return state_->port; }
std::string TdsPeer::server_name() const { return "127.0.0.1:" + std::to_string(state_->port); }

void TdsPeer::set_credentials(std::string user, std::string password) {
    std::lock_guard lock(state_->mutex);
    state_->credentials = std::make_pair(std::move(user), std::move(password));
}
void TdsPeer::set_default_database(std::string name) {
    std::lock_guard lock(state_->mutex);
    state_->default_database = std::move(name);
}
void TdsPeer::script(std::string sql, TdsResponse response) {
    std::lock_guard lock(state_->mutex);
    state_->script.insert_or_assign(std::move(sql), std::move(response));
}
std::vector<std::string> TdsPeer::batches() const {
    std::lock_guard lock(state_->mutex);
    return state_->batches;
}
std::vector<TdsLogin> TdsPeer::logins() const {
    std::lock_guard lock(state_->mutex);
    return state_->logins;
}
int TdsPeer::attentions() const {
    std::lock_guard lock(state_->mutex);
    return state_->attentions;
}
void TdsPeer::clear_history() {
    std::lock_guard lock(state_->mutex);
    state_->batches.clear();
    state_->logins.clear();
    state_->attentions = 0;
}

}  // namespace tarvelin::test
