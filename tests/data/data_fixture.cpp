#include "data_fixture.hpp"

#include <glib/gstdio.h>
#include <tarvelin/rezezadovu/mysql.h>
#include <tarvelin/rezezadovu/postgresql.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"
#include "support/main_loop.hpp"

namespace data_test {

using namespace providers::contracts;

// ---------------------------------------------------------------- tables

namespace {

Ref<ValueObject> value_of(const Cell& cell, DataType type) {
    return std::visit(
        [&](const auto& v) -> Ref<ValueObject> {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, Null>) {
                return Ref<ValueObject>(ValueNull::create());
            } else if constexpr (std::is_same_v<V, std::string> || std::is_same_v<V, const char*>) {
                std::string text(v);
                if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING ||
                    type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN)
                    return Ref<ValueObject>(ValueString::create(text));
                return IValue::factory(type, text.c_str());
            } else if constexpr (std::is_same_v<V, gint64>) {
                return Ref<ValueObject>(ValueInt64::create(v));
            } else if constexpr (std::is_same_v<V, guint64>) {
                return Ref<ValueObject>(ValueUInt64::create(v));
            } else if constexpr (std::is_same_v<V, double>) {
                return Ref<ValueObject>(ValueDouble::create(v));
            } else if constexpr (std::is_same_v<V, bool>) {
                return Ref<ValueObject>(ValueBoolean::create(v));
            } else {
                return v;
            }
        },
        cell);
}

}  // namespace

Ref<TableModel> table_of(const std::vector<Column>& columns, const std::vector<std::vector<Cell>>& rows) {
    auto table = TableModel::create();
    for (const auto& c : columns) table->get_columns().append(ColumnModel::create_full(c.name, c.type));
    for (const auto& cells : rows) {
        auto row = RowModel::create();
        for (size_t i = 0; i < cells.size(); ++i) row->get_values().append(value_of(cells[i], columns[i].type));
        table->append(row);
    }
    return table;
}

std::vector<std::vector<std::string>> texts_of(const TableModel& table) {
    std::vector<std::vector<std::string>> out;
    std::vector<std::string> names;
    for (const auto& column : table.get_columns()) names.push_back(column->get_name().value_or("(null)"));
    out.push_back(names);
    for (const auto& row : table.get_rows()) {
        std::vector<std::string> texts;
        for (const auto& value : row->get_values()) texts.push_back(value->get_is_null() ? "NULL" : value->to_string());
        out.push_back(texts);
    }
    return out;
}

// ---------------------------------------------------------------- extractors

Made::Made(gpointer object, const Options& options) : object_(object) {
    if (!options.empty()) set_options(object, options);
}

void set_options(gpointer extractor, const Options& options) {
    GeeHashMap* map = tarvelin_rezezadovu_contracts_data_iexporter_get_options(exporter(extractor));
    for (const auto& [key, value] : options) gee_abstract_map_set(GEE_ABSTRACT_MAP(map), key.c_str(), value.c_str());
}

Rendered export_text(gpointer extractor, TableModel& table) {
    Rendered r;
    gchar* buffer = g_strdup("");
    GError* error = nullptr;
    r.rows = tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(
        exporter(extractor), reinterpret_cast<TarvelinProvidersContractsTableModel*>(table.gobj()), &buffer, nullptr,
        nullptr, &error);
    r.text = buffer ? buffer : "(null)";
    g_free(buffer);
    r.error = test::describe(error);
    return r;
}

Rendered export_file(gpointer extractor, TableModel& table, const std::string& filename) {
    Rendered r;
    GError* error = nullptr;
    r.rows = tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(
        exporter(extractor), reinterpret_cast<TarvelinProvidersContractsTableModel*>(table.gobj()), filename.c_str(),
        nullptr, nullptr, &error);
    r.error = test::describe(error);
    if (exists(filename)) r.text = read_text(filename);
    return r;
}

Loaded load_text(gpointer extractor, const std::string& text) {
    GError* error = nullptr;
    Loaded l;
    l.table = Ref<TableModel>::adopt(
        tarvelin_rezezadovu_contracts_data_iimporter_load_from_text(importer(extractor), text.c_str(), nullptr, nullptr,
                                                                    &error));
    l.error = test::describe(error);
    return l;
}

Loaded load_file(gpointer extractor, gint row_limit) {
    GError* error = nullptr;
    Loaded l;
    l.table = Ref<TableModel>::adopt(tarvelin_rezezadovu_contracts_data_iimporter_load_from_file(
        importer(extractor), row_limit, nullptr, nullptr, &error));
    l.error = test::describe(error);
    return l;
}

void ProgressLog::record(guint total, gint64 progress, const gchar* text, gpointer self) {
    static_cast<ProgressLog*>(self)->calls.emplace_back(total, progress, text ? text : "(null)");
}

namespace {

struct Pending {
    bool done = false;
    bool from_file = false;
    Imported result;
    static void ready(GObject* source, GAsyncResult* res, gpointer data) {
        auto* self = static_cast<Pending*>(data);
        GError* error = nullptr;
        auto* imp = reinterpret_cast<CImporter*>(source);
        self->result.count = self->from_file
                                 ? tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish(imp, res, &error)
                                 : tarvelin_rezezadovu_contracts_data_iimporter_import_from_text_finish(imp, res, &error);
        self->result.error = test::describe(error);
        self->done = true;
    }
};

Imported wait_for(Pending& pending) {
    if (!test::run_until([&] { return pending.done; }, 60000)) ADD_FAILURE() << "the import did not end in time";
    return pending.result;
}

}  // namespace

Imported import_text(gpointer extractor, const std::string& text, gpointer connection, MetaTable& table,
                     ProgressLog* progress) {
    return import_text(extractor, text, connection, table, progress ? &ProgressLog::record : nullptr, progress);
}

Imported import_text(gpointer extractor, const std::string& text, gpointer connection, MetaTable& table,
                     TarvelinRezezadovuContractsDataProgressCallback progress, gpointer progress_data) {
    Pending pending;
    tarvelin_rezezadovu_contracts_data_iimporter_import_from_text(
        importer(extractor), text.c_str(), static_cast<CConnection*>(connection),
        reinterpret_cast<CTable*>(table.gobj()), progress, progress_data, &Pending::ready, &pending);
    return wait_for(pending);
}

Imported import_file(gpointer extractor, gpointer connection, MetaTable& table, ProgressLog* progress) {
    Pending pending;
    pending.from_file = true;
    tarvelin_rezezadovu_contracts_data_iimporter_import_from_file(
        importer(extractor), static_cast<CConnection*>(connection), reinterpret_cast<CTable*>(table.gobj()),
        progress ? &ProgressLog::record : nullptr, progress, &Pending::ready, &pending);
    return wait_for(pending);
}

// ---------------------------------------------------------------- databases

bool QuietScripts::take(GLogLevelFlags level, const char* message) {
    return (level & G_LOG_LEVEL_WARNING) && strstr(message, "Prepare: ") != nullptr;
}

SqliteDatabase::SqliteDatabase() {
    conn_ = tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    record_ = tarvelin_providers_contracts_server_new();
    g_object_set(record_, "uuid", "DATA-TEST", "driver", "SQLite", "filename", path("data.db").c_str(), "initial",
                 "main", nullptr);
    GError* error = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(
        reinterpret_cast<TarvelinRezezadovuSupportsDatabaseConnectionImpl*>(conn_), record_, nullptr, &error);
    EXPECT_EQ(test::describe(error), "(none)");
}

SqliteDatabase::~SqliteDatabase() {
    tarvelin_rezezadovu_supports_database_connection_impl_close(
        reinterpret_cast<TarvelinRezezadovuSupportsDatabaseConnectionImpl*>(conn_));
    g_object_unref(conn_);
    g_object_unref(record_);
}

void Database::run(const std::string& sql) { run_on(connection(), sql); }
std::vector<std::string> Database::rows(const std::string& sql) { return rows_of(connection(), sql); }

namespace {

// As the test user, or as the superuser (trusted without a password) when `superuser`.
CConnection* open_postgres(const test::PgAddress& pg, const std::string& database, bool superuser = false) {
    auto* connection =
        reinterpret_cast<CConnection*>(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new());
    auto* record = tarvelin_providers_contracts_server_new();
    g_object_set(record, "uuid", "DATA-TEST-PG", nullptr);
    tarvelin_providers_contracts_server_set_host(record, pg.host.c_str());
    tarvelin_providers_contracts_server_set_port(record, pg.port);
    tarvelin_providers_contracts_server_set_username(record, (superuser ? pg.superuser : pg.user).c_str());
    tarvelin_providers_contracts_server_set_password(record, superuser ? "" : pg.password.c_str());
    tarvelin_providers_contracts_server_set_initial(record, database.c_str());
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(connection, record, nullptr, &error);
    g_object_unref(record);
    EXPECT_EQ(test::describe(error), "(none)") << "opening " << database;
    return connection;
}

void close_connection(CConnection* connection) {
    tarvelin_rezezadovu_contracts_database_iconnection_close(connection);
    g_object_unref(connection);
}

}  // namespace

PostgresDatabase::PostgresDatabase(const test::PgAddress& pg) : pg_(pg) {
    // A random part keeps what a crashed run left behind from meeting a later one.
    name_ = "data_" + std::to_string(getpid()) + "_" + std::to_string(g_random_int_range(0, 1 << 30));
    CConnection* admin = open_postgres(pg_, pg_.database);
    run_on(admin, "CREATE DATABASE " + name_);
    close_connection(admin);
    conn_ = open_postgres(pg_, name_);
}

PostgresDatabase::~PostgresDatabase() {
    close_connection(conn_);
    // As the superuser: FORCE ends the sessions still on the database, and a session of
    // another role (a superuser's just closed, still ending) only a superuser may end.
    CConnection* admin = open_postgres(pg_, pg_.database, true);
    run_on(admin, "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
    close_connection(admin);
}

namespace {

CConnection* open_mysql(const test::MysqlAddress& address, const std::string& database) {
    auto* connection = reinterpret_cast<CConnection*>(tarvelin_rezezadovu_supports_database_my_sql_connection_new());
    auto* record = tarvelin_providers_contracts_server_new();
    g_object_set(record, "uuid", "DATA-TEST-MARIADB", nullptr);
    tarvelin_providers_contracts_server_set_host(record, address.host.c_str());
    tarvelin_providers_contracts_server_set_port(record, address.port);
    tarvelin_providers_contracts_server_set_username(record, address.user.c_str());
    tarvelin_providers_contracts_server_set_password(record, address.password.c_str());
    tarvelin_providers_contracts_server_set_initial(record, database.c_str());
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(connection, record, nullptr, &error);
    g_object_unref(record);
    EXPECT_EQ(test::describe(error), "(none)") << "opening " << database;
    return connection;
}

}  // namespace

MariaDatabase::MariaDatabase(const test::MysqlAddress& address) {
    name_ = "data_" + std::to_string(getpid()) + "_" + std::to_string(g_random_int_range(0, 1 << 30));
    CConnection* admin = open_mysql(address, address.database);
    run_on(admin, "CREATE DATABASE `" + name_ + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci");
    close_connection(admin);
    conn_ = open_mysql(address, name_);
}

MariaDatabase::~MariaDatabase() {
    run_on(conn_, "DROP DATABASE IF EXISTS `" + name_ + "`");
    close_connection(conn_);
}

void end_session(const std::string& product, const std::string& id) {
    CConnection* admin = product == "PostgreSQL" ? open_postgres(*test::pg_server(), test::pg_server()->database)
                                                 : open_mysql(*test::mysql_server(), test::mysql_server()->database);
    if (product == "PostgreSQL") {
        rows_of(admin, "SELECT pg_terminate_backend(" + id + ")");
    } else {
        run_on(admin, "KILL " + id);
    }
    close_connection(admin);
}

bool server_missing(const std::string& product) {
    if (product == "PostgreSQL") return !test::pg_server();
    if (product == "MariaDB") return !test::mysql_server();
    return false;
}

std::unique_ptr<Database> open_database(const std::string& product) {
    if (product == "SQLite") return std::make_unique<SqliteDatabase>();
    if (product == "PostgreSQL" && test::pg_server()) return std::make_unique<PostgresDatabase>(*test::pg_server());
    if (product == "MariaDB" && test::mysql_server()) return std::make_unique<MariaDatabase>(*test::mysql_server());
    return nullptr;
}

void run_on(CConnection* connection, const std::string& sql) {
    gint length = 0;
    GError* error = nullptr;
    GObject** results =
        tarvelin_rezezadovu_contracts_database_iconnection_execute(connection, sql.c_str(), TRUE, &length, &error);
    ASSERT_EQ(test::describe(error), "(none)") << sql;
    for (gint k = 0; k < length; ++k) {
        if (G_TYPE_CHECK_INSTANCE_TYPE(results[k], tarvelin_providers_contracts_value_error_get_type())) {
            gchar* text = tarvelin_providers_contracts_value_object_to_string(
                reinterpret_cast<TarvelinProvidersContractsValueObject*>(results[k]));
            ADD_FAILURE() << "statement " << k << " failed: " << text << "\n" << sql;
            g_free(text);
        }
        g_object_unref(results[k]);
    }
    g_free(results);
}

std::vector<std::string> rows_of(CConnection* connection, const std::string& sql) {
    GError* error = nullptr;
    auto table = Ref<TableModel>::adopt(
        tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(connection, sql.c_str(), FALSE, &error));
    EXPECT_EQ(test::describe(error), "(none)") << sql;
    std::vector<std::string> out;
    if (!table) return out;
    auto texts = texts_of(*table);
    for (size_t r = 1; r < texts.size(); ++r) {
        std::string line;
        for (size_t c = 0; c < texts[r].size(); ++c) line += (c ? "|" : "") + texts[r][c];
        out.push_back(line);
    }
    return out;
}

Ref<MetaTable> target_table(const std::string& schema, const std::string& name, const std::vector<Target>& columns) {
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "main", schema.c_str(), name.c_str());
    for (const auto& c : columns) {
        auto column = table->new_column(c.name.c_str(), c.type);
        column->set_is_primary_key(c.key);
        if (!c.source.empty()) g_object_set_data_full(column->gobj(), "SOURCE", g_strdup(c.source.c_str()), g_free);
    }
    return table;
}

void feed_by_name(MetaTable& table) {
    for (const auto& column : gobj::GeeArray<rezezadovu::meta_model::MetaColumn>::wrap(table.get_columns()))
        g_object_set_data_full(column->gobj(), "SOURCE", g_strdup(column->get_name()), g_free);
}

// ---------------------------------------------------------------- files

std::string read_text(const std::string& filename) {
    std::ifstream in(filename, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_text(const std::string& filename, const std::string& text) {
    std::ofstream out(filename, std::ios::binary);
    out << text;
}

bool exists(const std::string& filename) { return g_file_test(filename.c_str(), G_FILE_TEST_EXISTS); }

std::string golden(const std::string& name, const std::string& actual) {
    std::string path = std::string(TARVELIN_DATA_TEST_GOLDEN) + "/" + name;
    if (g_getenv("TARVELIN_UPDATE_GOLDEN")) write_text(path, actual);
    return read_text(path);
}

}  // namespace data_test
