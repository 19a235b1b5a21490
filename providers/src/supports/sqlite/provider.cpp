#include "providers/supports/sqlite/provider.hpp"

#include <sqlite3.h>

#include <string_view>

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/sqlite/key_option.hpp"
#include "providers/supports/sqlite/reader.hpp"

TARVELIN_LOG_TAG("provider")

namespace tarvelin::providers::supports::sqlite {

using namespace contracts;

TARVELIN_GTYPE(SQLiteProvider, "TarvelinProvidersSupportsSQLiteProvider", gobj::Object, ISQLiteError, IProvider)

namespace {

using StmtPtr = gobj::Owned<sqlite3_stmt, &sqlite3_finalize>;

using Lock = std::lock_guard<std::recursive_mutex>;

// How long a statement waits for a lock another connection holds on the file.
constexpr int kBusyTimeoutMs = 5000;

// close_v2 rather than close: a reader handed out by execute_reader may still hold a
// statement, and the plain close would then fail and leave the connection open for good.
// With close_v2 the connection goes when its last statement is finalized.
void close_handle(sqlite3*& db) {
    if (db) sqlite3_close_v2(db);
    db = nullptr;
}

std::string strip(std::string_view text) {
    auto blank = [](char c) { return g_ascii_isspace(c) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

// One statement prepared and stepped once.
struct Stepped {
    StmtPtr stmt;
    int step = SQLITE_DONE;
    // Rows the step changed: 0 when it changed none, so that a statement that is not an
    // INSERT, UPDATE or DELETE does not report the count of an earlier one.
    gint64 changes = 0;
};

// Only the first statement of the text runs; the rest is ignored.
Stepped prepare_and_step(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &raw, nullptr);
    Stepped s{StmtPtr(raw)};
    ISQLiteError::raise_error(db, rc);
    if (!raw) throw gobj::Error(kDomain, -1, _("The text holds no statement."));
    sqlite3_int64 before = sqlite3_total_changes64(db);
    s.step = sqlite3_step(raw);
    ISQLiteError::raise_error(db, s.step);
    if (sqlite3_total_changes64(db) != before) s.changes = sqlite3_changes64(db);
    return s;
}

// The table of a statement stepped once: its columns (types and sizes of the first
// row's cells) and every row, converted cell by cell.
gobj::Ref<TableModel> fill_model(sqlite3* db, sqlite3_stmt* stmt, bool has_row) {
    return contracts::fill_table(SQLiteReader::create(db, stmt, false, has_row), has_row);
}

}  // namespace

void SQLiteProvider::describe(gobj::ClassSpec<SQLiteProvider>& c) {
    c.property<&SQLiteProvider::get_engine>(gobj::pspec::pointer("engine", gobj::kRead));
}

gobj::Ref<SQLiteProvider> SQLiteProvider::create(GType type) { return gobj::create<SQLiteProvider>(type); }

SQLiteProvider::SQLiteProvider() {
    static const int initialized = sqlite3_initialize();
    (void)initialized;
}

SQLiteProvider::~SQLiteProvider() { close_handle(db_); }

sqlite3* SQLiteProvider::handle() const {
    if (!db_) raise_not_open();
    return db_;
}

sqlite3* SQLiteProvider::get_engine() {
    Lock lock(mutex_);
    return db_;
}

bool SQLiteProvider::get_is_opened() {
    return opened_;
}

void SQLiteProvider::open(Server& server, const std::string&) {
    Lock lock(mutex_);
    close_handle(db_);
    opened_ = false;
    sqlite3* db = nullptr;
    int rc = sqlite3_open(server.text_or_empty(Server::Text::filename).c_str(), &db);
    // A connection that failed any step is closed at once: the provider then reads
    // closed and refuses every operation, instead of holding a half-set-up handle.
    try {
        raise_error(db, rc);
        // Another connection (a reader in another process) may hold the file for a
        // moment: a statement waits for it instead of failing at once as locked.
        raise_error(db, sqlite3_busy_timeout(db, kBusyTimeoutMs));
        std::string key = key_from_options(server.text_or_empty(Server::Text::options));
        if (!key.empty()) raise_error(db, sqlite3_key(db, key.data(), int(key.size())));
        std::string user = server.text_or_empty(Server::Text::username);
        std::string password = server.text_or_empty(Server::Text::password);
        if (!user.empty() && !password.empty()) {
            raise_error(db, sqlite3_user_authenticate(db, user.c_str(), password.data(), int(password.size())));
        }
    } catch (...) {
        close_handle(db);
        throw;
    }
    db_ = db;
    opened_ = true;
}

void SQLiteProvider::close() {
    Lock lock(mutex_);
    close_handle(db_);
    opened_ = false;
}

gobj::Ref<TableModel> SQLiteProvider::execute_model(const std::string& statement, bool) {
    Lock lock(mutex_);
    sqlite3* db = handle();
    Stepped s = prepare_and_step(db, statement);
    if (sqlite3_column_count(s.stmt.get()) < 1) throw gobj::Error(kDomain, -1, _("No data returned."));
    return fill_model(db, s.stmt.get(), s.step == SQLITE_ROW);
}

gint64 SQLiteProvider::execute_affect(const std::string& statement, bool) {
    Lock lock(mutex_);
    sqlite3* db = handle();
    Stepped s = prepare_and_step(db, statement);
    if (s.step != SQLITE_ROW) return s.changes;
    gint64 rows = 1;
    for (;;) {
        int rc = sqlite3_step(s.stmt.get());
        raise_error(db, rc);
        if (rc != SQLITE_ROW) return rows;
        ++rows;
    }
}

gobj::Ref<ValueObject> SQLiteProvider::execute_scalar(const std::string& statement, bool) {
    Lock lock(mutex_);
    sqlite3* db = handle();
    Stepped s = prepare_and_step(db, statement);
    if (s.step == SQLITE_ROW) {
        auto reader = SQLiteReader::create(db, s.stmt.get());
        auto value = reader->get_value(0);
        reader->close();
        return value;
    }
    // A query that matched no rows has no value; only a statement without result
    // columns answers with its count of changed rows.
    if (sqlite3_column_count(s.stmt.get()) > 0) return ValueNull::create();
    return ValueUInt64::create(guint64(s.changes));
}

std::vector<gobj::Ref<gobj::Object>> SQLiteProvider::execute_statements(const std::string& statements, bool) {
    Lock lock(mutex_);
    sqlite3* db = handle();
    std::vector<gobj::Ref<gobj::Object>> results;
    std::string text = strip(statements);
    do {
        tlog_warning("Prepare: %s", without_keys(text).c_str());
        sqlite3_stmt* raw = nullptr;
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db, text.c_str(), int(text.size()), &raw, &tail);
        StmtPtr stmt(raw);
        if (rc != SQLITE_OK || !raw) {
            results.emplace_back(ValueError::create(sqlite3_errcode(db), sqlite3_errmsg(db)));
        } else {
            sqlite3_int64 before = sqlite3_total_changes64(db);
            int step = sqlite3_step(raw);
            // A query that matched no rows is still a table (its columns, no rows).
            if (step == SQLITE_ROW || (step == SQLITE_DONE && sqlite3_column_count(raw) > 0)) {
                results.emplace_back(fill_model(db, raw, step == SQLITE_ROW));
            } else if (step == SQLITE_DONE) {
                gint64 changes = sqlite3_total_changes64(db) != before ? sqlite3_changes64(db) : 0;
                results.emplace_back(ValueUInt64::create(guint64(changes)));
            } else {
                results.emplace_back(ValueError::create(sqlite3_errcode(db), sqlite3_errmsg(db)));
            }
        }
        // A text the library could not take a step into would be prepared again for ever.
        if (!tail || tail == text.c_str()) break;
        text = strip(tail);
    } while (!text.empty());
    return results;
}

gobj::Ref<IDataReader> SQLiteProvider::execute_reader(const std::string& statement) {
    Lock lock(mutex_);
    sqlite3* db = handle();
    Stepped s = prepare_and_step(db, statement);
    // A query that matched no rows still gives a reader: one that is closed already.
    if (s.step != SQLITE_ROW && sqlite3_column_count(s.stmt.get()) < 1) {
        throw gobj::Error(kDomain, -1, "No data return by non-select statement");
    }
    bool has_row = s.step == SQLITE_ROW;
    return SQLiteReader::create(db, s.stmt.release(), true, has_row, gobj::Ref<gobj::Object>(*this));
}

void SQLiteProvider::run_transaction_statement(const char* sql, bool only_inside) {
    Lock lock(mutex_);
    sqlite3* db = handle();
    bool inside = sqlite3_get_autocommit(db) == 0;
    if (inside != only_inside) return;
    char* message = nullptr;
    int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    raise_error(db, rc);
}

gint64 SQLiteProvider::insert_rows(const std::vector<std::string>& statements, const std::vector<BoundRow>& rows) {
    Lock lock(mutex_);
    sqlite3* db = handle();
    auto exec = [&](const char* sql) {
        char* message = nullptr;
        const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
        sqlite3_free(message);
        return rc;
    };
    raise_error(db, exec("SAVEPOINT tarvelin_rows"));
    gint64 changed = 0;
    try {
        std::vector<StmtPtr> prepared(statements.size());
        for (const auto& row : rows) {
            auto& stmt = prepared.at(row.statement);
            if (!stmt) {
                const std::string& text = statements[row.statement];
                sqlite3_stmt* raw = nullptr;
                const int rc = sqlite3_prepare_v2(db, text.c_str(), int(text.size()), &raw, nullptr);
                stmt = StmtPtr(raw);
                raise_error(db, rc);
            }
            sqlite3_stmt* st = stmt.get();
            for (std::size_t i = 0; i < row.values.size(); ++i) {
                const Bound& v = row.values[i];
                const int at = int(i) + 1;
                int rc = SQLITE_OK;
                switch (v.kind) {
                    case Bound::kNull: rc = sqlite3_bind_null(st, at); break;
                    case Bound::kInteger: rc = sqlite3_bind_int64(st, at, v.integer); break;
                    case Bound::kText:
                        rc = sqlite3_bind_text64(st, at, v.bytes.data(), v.bytes.size(), SQLITE_STATIC, SQLITE_UTF8);
                        break;
                    case Bound::kBlob: rc = sqlite3_bind_blob64(st, at, v.bytes.data(), v.bytes.size(), SQLITE_STATIC); break;
                }
                raise_error(db, rc);
            }
            int rc = sqlite3_step(st);
            while (rc == SQLITE_ROW) rc = sqlite3_step(st);
            raise_error(db, rc);
            sqlite3_reset(st);
            changed += sqlite3_changes64(db);
        }
    } catch (...) {
        exec("ROLLBACK TO tarvelin_rows");
        exec("RELEASE tarvelin_rows");
        throw;
    }
    raise_error(db, exec("RELEASE tarvelin_rows"));
    return changed;
}

bool SQLiteProvider::transaction() {
    run_transaction_statement("BEGIN", false);
    return true;
}
void SQLiteProvider::commit() { run_transaction_statement("COMMIT", true); }
void SQLiteProvider::rollback() { run_transaction_statement("ROLLBACK", true); }

}  // namespace tarvelin::providers::supports::sqlite
