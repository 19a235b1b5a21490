#include "endpoints.hpp"

#include <glib/gstdio.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <optional>

#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/gobj/gee.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mysql/adapter_v5x.hpp"
#include "rezezadovu/supports/database/mysql/connection.hpp"
#include "rezezadovu/transform/transfer.hpp"
#include "support/driver_checks.hpp"

namespace transform_test {

using providers::contracts::ValueBinary;

namespace {

std::string scratch_name() {
    static std::atomic<int> counter{0};
    return "transfer_work_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" +
           std::to_string(g_random_int_range(0, 1 << 20));
}

TarvelinProvidersContractsServer* record(const char* driver, const std::string& host, int port,
                                         const std::string& user, const std::string& password,
                                         const std::string& database) {
    auto* s = tarvelin_providers_contracts_server_new();
    g_object_set(s, "uuid", "TRANSFORM", "driver", driver, "host", host.c_str(), "port", port, "username", user.c_str(),
                 "password", password.c_str(), "initial", database.c_str(), nullptr);
    return s;
}

gobj::Ref<gobj::Object> open(gpointer connection, TarvelinProvidersContractsServer* server) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(static_cast<CConnection*>(connection), server, nullptr,
                                                            &error);
    g_object_unref(server);
    auto owned = gobj::Ref<gobj::Object>::adopt(static_cast<GObject*>(connection));
    EXPECT_EQ(test::describe(error), "(none)");
    return owned;
}

void close(const gobj::Ref<gobj::Object>& connection) {
    if (connection)
        tarvelin_rezezadovu_contracts_database_iconnection_close(
            reinterpret_cast<CConnection*>(connection.instance()));
}

class SqliteEndpoint : public Endpoint {
public:
    ~SqliteEndpoint() override { drop(); }
    void drop() override { close(connection); }
};

class PgEndpoint : public Endpoint {
public:
    ~PgEndpoint() override { drop(); }
    test::PgAddress address;
    void drop() override {
        close(connection);
        connection.reset();
        auto admin = open(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                          record("PostgreSQL", address.host, address.port, address.user, address.password,
                                 address.database));
        tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(
            reinterpret_cast<CConnection*>(admin.instance()),
            ("DROP DATABASE IF EXISTS " + database + " WITH (FORCE)").c_str(), FALSE, nullptr);
        close(admin);
    }
};

// The MySQL-family connection with the catalogue reader MariaDB answers: the connection
// picks the 8.x reader for "10.11.x-MariaDB", which asks for columns MariaDB lacks.
class MariaDbConnection : public rezezadovu::supports::database::MySQLConnection {
public:
    static GType gtype();
    gobj::Ref<IAdaptable> adapter() override {
        if (!reader_)
            reader_ = gobj::Ref<IAdaptable>(rezezadovu::supports::database::MySQLAdapterV5x::create(
                rezezadovu::supports::database::MySQLAdapterV5x::gtype(),
                reinterpret_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(gobj())));
        return reader_;
    }

private:
    gobj::Ref<IAdaptable> reader_;
};
TARVELIN_GTYPE(MariaDbConnection, "TarvelinTestTransformMariaDbConnection", rezezadovu::supports::database::MySQLConnection)

class MariaDbEndpoint : public Endpoint {
public:
    ~MariaDbEndpoint() override { drop(); }
    void drop() override {
        try_run("DROP DATABASE IF EXISTS `" + database + "`");
        close(connection);
    }
};

}  // namespace

Endpoint::~Endpoint() = default;

std::string Endpoint::try_run(const std::string& script) const {
    GError* error = nullptr;
    gint length = 0;
    GObject** results =
        tarvelin_rezezadovu_contracts_database_iconnection_execute(c(), script.c_str(), TRUE, &length, &error);
    std::string failure = error ? error->message : "";
    if (error) g_error_free(error);
    for (gint i = 0; i < length; ++i) {
        if (failure.empty() && G_TYPE_CHECK_INSTANCE_TYPE(results[i], tarvelin_providers_contracts_value_error_get_type()))
            failure = gobj::take_string(tarvelin_providers_contracts_ivalue_to_string(
                reinterpret_cast<TarvelinProvidersContractsIValue*>(results[i])));
        g_object_unref(results[i]);
    }
    g_free(results);
    return failure;
}

void Endpoint::run(const std::string& script) const {
    std::string failure = try_run(script);
    ASSERT_EQ(failure, "") << script;
}

namespace {
// The result table of a query; none (and a failure) when it fails.
gobj::Ref<providers::contracts::TableModel> model_of(CConnection* connection, const std::string& sql) {
    GError* error = nullptr;
    auto* model = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(connection, sql.c_str(), FALSE, &error);
    EXPECT_EQ(test::describe(error), "(none)") << sql;
    return gobj::Ref<providers::contracts::TableModel>::adopt(model);
}
}  // namespace

std::vector<std::string> Endpoint::rows(const std::string& sql) const {
    std::vector<std::string> out;
    auto table = model_of(c(), sql);
    if (!table) return out;
    for (auto row : table->get_rows()) {
        std::string line;
        bool first = true;
        for (auto value : row->get_values()) {
            line += first ? "" : "|";
            first = false;
            if (!value || value->get_is_null())
                line += "NULL";
            else if (auto* bytes = dynamic_cast<ValueBinary*>(value.get()))
                line += bytes->to_hexadecimal();
            else
                line += value->to_string();
        }
        out.push_back(line);
    }
    return out;
}

std::vector<std::vector<Exact>> Endpoint::exact_rows(const std::string& sql) const {
    std::vector<std::vector<Exact>> out;
    auto table = model_of(c(), sql);
    if (!table) return out;
    gint at = 0;
    for (auto row : table->get_rows()) {
        std::vector<Exact> cells;
        for (auto value : row->get_values()) {
            Exact cell;
            if (value && !value->get_is_null()) {
                cell.null = false;
                cell.type = value->get_data_type();
                auto* bytes = dynamic_cast<ValueBinary*>(value.get());
                cell.text = bytes ? bytes->to_hexadecimal()
                                  : table->exact_text(static_cast<gint>(cells.size()), at).value_or("");
            }
            cells.push_back(std::move(cell));
        }
        out.push_back(std::move(cells));
        ++at;
    }
    return out;
}

namespace {

enum class Kind { kTruth, kNumber, kMoment, kOther };

// By the order of the vocabulary: the integers, then money to double, then the dates and times.
Kind kind_of(TarvelinProvidersContractsDataType type) {
    if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN) return Kind::kTruth;
    if ((type >= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8 && type <= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64) ||
        (type >= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY && type <= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE))
        return Kind::kNumber;
    if ((type >= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE && type <= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME) ||
        type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP)
        return Kind::kMoment;
    return Kind::kOther;
}

// A number written in decimal ("-12.50", "1.25e+300", "0.0000000001") as its exact value:
// sign, significant digits and the power of ten after the first of them; none for a text
// that is no such number.
std::optional<std::string> decimal_value(const std::string& text) {
    size_t i = 0;
    const bool negative = i < text.size() && (text[i] == '-' || text[i] == '+') && text[i++] == '-';
    std::string digits;
    long point = -1;
    for (; i < text.size() && (g_ascii_isdigit(text[i]) || (text[i] == '.' && point < 0)); ++i) {
        if (text[i] == '.')
            point = static_cast<long>(digits.size());
        else
            digits += text[i];
    }
    if (digits.empty()) return std::nullopt;
    if (point < 0) point = static_cast<long>(digits.size());
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        char* end = nullptr;
        const gint64 exponent = g_ascii_strtoll(text.c_str() + i + 1, &end, 10);
        if (end == text.c_str() + i + 1) return std::nullopt;
        point += static_cast<long>(exponent);
        i = static_cast<size_t>(end - text.c_str());
    }
    if (i != text.size()) return std::nullopt;
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return std::string("0");
    digits = digits.substr(first, digits.find_last_not_of('0') - first + 1);
    point -= static_cast<long>(first);
    return (negative ? "-" : "") + digits + "e" + std::to_string(point);
}

// A time of day's fraction of a second without the zeros that end it ("10:00:00.500000"
// as "10:00:00.5", "10:00:00.000" as "10:00:00").
std::string without_padded_fraction(std::string text) {
    const size_t colon = text.rfind(':');
    const size_t dot = colon == std::string::npos ? colon : text.find('.', colon);
    if (dot == std::string::npos) return text;
    size_t end = dot + 1;
    while (end < text.size() && g_ascii_isdigit(text[end])) ++end;
    size_t kept = end;
    while (kept > dot + 1 && text[kept - 1] == '0') --kept;
    text.erase(kept == dot + 1 ? dot : kept, end - (kept == dot + 1 ? dot : kept));
    return text;
}

// A truth value as 1 or 0, whichever way a product writes it.
std::string truth(const std::string& text) {
    const std::string t = gobj::take_string(g_ascii_strdown(text.c_str(), -1));
    return t == "true" || t == "t" ? "1" : t == "false" || t == "f" ? "0" : t;
}

}  // namespace

// Exact texts are equal but for what one value legitimately looks like on two products:
// - a truth value against 1 or 0: MariaDB and SQLite have no boolean and keep a number;
// - a number against a number of the same exact value: an exact number's scale pads
//   zeros ("12.5" into a DECIMAL(10,2) reads "12.50"), and a double's shortest text may
//   use an exponent where the source's digits did not;
// - a date-time against one whose fraction of a second only adds zeros: a target's
//   declared fraction digits pad it ("00:00:00" into DATETIME(6) reads "00:00:00.000000").
// A number stored as text (SQLite keeps exact numbers too long for a double as text)
// compares as a number with a number. Texts, bytes and everything else compare as written.
bool same_value(const Exact& held, const Exact& copied) {
    if (held.null || copied.null) return held.null == copied.null;
    if (held.text == copied.text) return true;
    const Kind a = kind_of(held.type), b = kind_of(copied.type);
    if (a == Kind::kTruth || b == Kind::kTruth) return truth(held.text) == truth(copied.text);
    if (a == Kind::kNumber || b == Kind::kNumber) {
        auto x = decimal_value(held.text), y = decimal_value(copied.text);
        return x && y && *x == *y;
    }
    if (a == Kind::kMoment || b == Kind::kMoment)
        return without_padded_fraction(held.text) == without_padded_fraction(copied.text);
    return false;
}

std::string shown(const Exact& cell) {
    if (cell.null) return "NULL";
    return cell.text.size() > 60 ? cell.text.substr(0, 60) + "... (" + std::to_string(cell.text.size()) + " bytes)"
                                 : cell.text;
}

std::string lost_values(const std::vector<std::vector<Exact>>& held, const std::vector<std::vector<Exact>>& copied,
                        const std::vector<std::string>& columns) {
    std::string out;
    size_t lost = 0;
    auto note = [&](const std::string& line) {
        if (++lost <= 20) out += line + "\n";
    };
    if (held.size() != copied.size())
        note(std::to_string(copied.size()) + " rows read back, " + std::to_string(held.size()) + " held");
    for (size_t row = 0; row < std::min(held.size(), copied.size()); ++row) {
        const auto &from = held[row], &to = copied[row];
        if (from.size() != to.size()) note("row " + std::to_string(row + 1) + ": other columns");
        for (size_t column = 0; column < std::min(from.size(), to.size()); ++column)
            if (!same_value(from[column], to[column]))
                note("row " + std::to_string(row + 1) + " " + (column < columns.size() ? columns[column] : "?") + ": " +
                     shown(to[column]) + " read back, " + shown(from[column]) + " held");
    }
    if (lost > 20) out += "... " + std::to_string(lost - 20) + " more\n";
    return out;
}

std::string Endpoint::q(const std::string& name) const {
    auto* statement = tarvelin_rezezadovu_contracts_database_iconnection_statement(c());
    std::string quoted =
        gobj::take_string(tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(statement, name.c_str(), ""));
    g_object_unref(statement);
    return quoted;
}

std::unique_ptr<Endpoint> sqlite_endpoint(const std::string& path) {
    auto e = std::make_unique<SqliteEndpoint>();
    auto* s = tarvelin_providers_contracts_server_new();
    g_object_set(s, "uuid", "TRANSFORM", "driver", "SQLite", "filename", path.c_str(), "initial", "main", nullptr);
    e->connection = open(tarvelin_rezezadovu_supports_database_sq_lite_connection_new(), s);
    e->product = "SQLite";
    e->database = "main";
    e->schema = "main";
    // Thousands of one-row statements: no wait for the disk after each.
    e->run("PRAGMA synchronous = OFF");
    return e;
}

std::unique_ptr<Endpoint> pg_endpoint() {
    auto address = test::pg_server();
    if (!address) return nullptr;
    auto e = std::make_unique<PgEndpoint>();
    e->address = *address;
    e->product = "PostgreSQL";
    e->database = scratch_name();
    e->schema = "public";
    {
        auto admin = open(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                          record("PostgreSQL", address->host, address->port, address->user, address->password,
                                 address->database));
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(
            reinterpret_cast<CConnection*>(admin.instance()), ("CREATE DATABASE " + e->database).c_str(), FALSE,
            &error);
        EXPECT_EQ(test::describe(error), "(none)");
        close(admin);
    }
    e->connection = open(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                         record("PostgreSQL", address->host, address->port, address->user, address->password,
                                e->database));
    return e;
}

class PgSession : public Endpoint {
public:
    ~PgSession() override { drop(); }
    void drop() override { close(connection); }
};

std::unique_ptr<Endpoint> pg_session(const Endpoint& of) {
    auto address = test::pg_server();
    if (!address) return nullptr;
    auto e = std::make_unique<PgSession>();
    e->product = of.product;
    e->database = of.database;
    e->schema = of.schema;
    e->connection = open(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                         record("PostgreSQL", address->host, address->port, address->user, address->password,
                                of.database));
    return e;
}

namespace {
std::unique_ptr<Endpoint> mariadb_over(gpointer connection, const char* driver) {
    auto address = test::mysql_server();
    if (!address) {
        g_object_unref(connection);
        return nullptr;
    }
    auto e = std::make_unique<MariaDbEndpoint>();
    e->product = "MariaDB";
    e->database = scratch_name();
    e->schema = e->database;
    e->connection = open(connection, record(driver, address->host, address->port, address->user, address->password,
                                            address->database));
    e->run("CREATE DATABASE `" + e->database + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci");
    e->run("USE `" + e->database + "`");
    return e;
}
}  // namespace

std::unique_ptr<Endpoint> mariadb_endpoint() { return mariadb_over(gobj::create<MariaDbConnection>().release(), "MySQL"); }

std::unique_ptr<Endpoint> mariadb_dialect_endpoint() {
    return mariadb_over(tarvelin_rezezadovu_supports_database_maria_db_connection_new(), "MariaDB");
}

std::unique_ptr<Endpoint> make_sqlite(TempDir& dir, const char* file) { return sqlite_endpoint(dir.file(file)); }
std::unique_ptr<Endpoint> make_pg(TempDir&, const char*) { return pg_endpoint(); }
std::unique_ptr<Endpoint> make_mariadb(TempDir&, const char*) { return mariadb_endpoint(); }

const Product kProducts[3] = {
    {"SQLite",
     [](TempDir& dir) {
         static std::atomic<int> n{0};
         return sqlite_endpoint(dir.file("product" + std::to_string(++n) + ".db"));
     }},
    {"PostgreSQL", [](TempDir&) { return pg_endpoint(); }},
    {"MariaDB", [](TempDir&) { return mariadb_dialect_endpoint(); }},
};

void PrintTo(const Product& p, std::ostream* os) { *os << p.name; }
void PrintTo(const ProductPair& p, std::ostream* os) { *os << pair_name(p); }
std::string pair_name(const ProductPair& p) { return std::string(p.source.name) + "To" + p.target.name; }

std::vector<ProductPair> all_pairs() {
    std::vector<ProductPair> out;
    for (const auto& s : kProducts)
        for (const auto& t : kProducts)
            if (std::string(s.name) != t.name) out.push_back({s, t});
    return out;
}

std::string int_type(const Endpoint& e) { return e.product == "SQLite" ? "INTEGER" : "BIGINT"; }
std::string text_type(const Endpoint& e, int length) {
    return e.product == "SQLite" ? "TEXT" : "VARCHAR(" + std::to_string(length) + ")";
}
std::string blob_type(const Endpoint& e) { return e.product == "PostgreSQL" ? "BYTEA" : "BLOB"; }
std::string bytes(const Endpoint& e, const std::string& hex) {
    return e.product == "PostgreSQL" ? "'\\x" + hex + "'::bytea" : "X'" + hex + "'";
}

TempDir::TempDir() : path_(gobj::take_string(g_dir_make_tmp("transfer-work-XXXXXX", nullptr))) {}
TempDir::~TempDir() {
    GDir* dir = g_dir_open(path_.c_str(), 0, nullptr);
    if (dir) {
        while (const char* name = g_dir_read_name(dir)) g_unlink(file(name).c_str());
        g_dir_close(dir);
    }
    g_rmdir(path_.c_str());
}

Outcome run_transfer(const gobj::Ref<gobj::Object>& source, const gobj::Ref<gobj::Object>& target,
                     const std::vector<std::pair<std::string, std::string>>& pairs) {
    using rezezadovu::contracts::database::IConnection;
    auto job = rezezadovu::transform::Transfer::create(rezezadovu::transform::Transfer::gtype(), options(pairs).get());
    auto progress = rezezadovu::contracts::ThreadProgress::create();
    job->set_server_source(gobj::Ref<IConnection>::retain(source.instance()));
    job->set_server_target(gobj::Ref<IConnection>::retain(target.instance()));
    job->set_progress(progress);
    job->handle();
    Outcome out{progress->snapshot(), {}};
    while (auto line = progress->pop_message()) out.lines.push_back(*line);
    return out;
}

std::vector<std::pair<std::string, std::string>> copy_options(const Endpoint& source, const std::string& target_schema,
                                                              const std::vector<std::string>& tables) {
    std::vector<std::pair<std::string, std::string>> out = {{key("OPTION", "SOURCE", "DATABASE"), source.database},
                                                            {key("OPTION", "RESULT", "CONTINUE"), "true"},
                                                            {key("schema", source.schema, "MODE"), "true"},
                                                            {key("schema", source.schema, "NAME"), target_schema}};
    for (const auto& t : tables) out.push_back({key("table", t, "MODE"), "true"});
    return out;
}

std::string failures(const Outcome& out) {
    std::string text;
    int shown = 0;
    for (const auto& l : out.lines)
        if (l.find("[done]") == std::string::npos && ++shown <= 20) text += l.substr(0, 600) + "\n-----\n";
    return text;
}

std::string key(const std::string& a, const std::string& b, const std::string& c) { return a + "|" + b + "|" + c; }

gobj::GPtr<GeeHashMap> options(const std::vector<std::pair<std::string, std::string>>& pairs) {
    auto map = gobj::StringMap::create();
    for (const auto& [k, v] : pairs) map.set(k, v);
    return gobj::GPtr<GeeHashMap>::retain(GEE_HASH_MAP(map.map()));
}

}  // namespace transform_test
