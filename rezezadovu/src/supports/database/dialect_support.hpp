// What the dialect objects of every product share: running catalogue queries through the
// connection that made the object, reaching that connection's other dialect objects, and
// reading catalogue results by column name. The SQL itself (quoting, texts) is each
// product's own.
//
//   dialect::CatalogRows rows(dialect::query_model(connection(), "SELECT name, size FROM t;"));
//   for (auto row : rows) use(row.text("name"));
//
// Thread-safe: stateless.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "providers/contracts/face_server.hpp"
#include "providers/contracts/model_table.hpp"
#include "rezezadovu/contracts/database/iconnection.hpp"

namespace tarvelin::rezezadovu::supports::database::dialect {

using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using IConnection = contracts::database::IConnection;

// Attribute of a column its product counts without being told (SQLite's rowid): another
// product writes its own counting form for it.
inline constexpr const char* kCountsItself = "COUNTS_ITSELF";

// ---- the connection

// The connection, or the error that it is gone.
gobj::Ref<IConnection> require(gobj::Ref<IConnection> connection);
// Synchronous queries through the connection's own execution (so each is logged), with
// the flag FALSE. A failure is thrown as the connection reported it (domain, code,
// message); a connection that is gone is an error of its own.
gobj::Ref<TableModel> query_model(const gobj::Ref<IConnection>& connection, const std::string& sql);
gobj::Ref<ValueObject> query_scalar(const gobj::Ref<IConnection>& connection, const std::string& sql);
// Runs a script; one result object per statement (tables, counts, or errors as values).
std::vector<gobj::GPtr<GObject>> run_script(const gobj::Ref<IConnection>& connection, const std::string& sql);
// The connection's server record, statement and inspector (new references), or none.
gobj::Ref<providers::contracts::Server> server_of(const gobj::Ref<IConnection>& connection);
gobj::Ref<contracts::database::IStatement> statement_of(const gobj::Ref<IConnection>& connection);
gobj::Ref<contracts::database::IInspectable> inspector_of(const gobj::Ref<IConnection>& connection);
// The connection's version text ("" before any, or without a connection).
std::string version_of(const gobj::Ref<IConnection>& connection);
// Whether the connection's provider is still open; after a failed statement, false means
// the session is gone (server down, session ended). True for a connection without a
// provider of ours, which cannot say: its statements' errors stand.
bool is_open(const gobj::Ref<IConnection>& connection);

// ---- results

// The text form of a value; "" for none and for an SQL NULL.
std::string text_of(const gobj::Ref<ValueObject>& value);

// ---- catalogue rows

// The rows of one catalogue result, read by column name, as every dialect reads its
// catalogue: the query text and the code that reads it then cannot drift apart by a
// position. A name is matched exactly, else ignoring ASCII case (the MySQL family spells
// information_schema columns in capitals); it is resolved once per result. A name the
// result lacks is a fault of the query beside the reader and is thrown as an error naming
// it. Cells of a row outside the result read as NULL.
//
//   CatalogRows rows(dialect::query_model(connection(), "SELECT relname AS name, ..."));
//   for (auto row : rows) table->set_name(row.text("name"));
//
// Single thread.
class TARVELIN_EXPORT CatalogRows {
public:
    explicit CatalogRows(gobj::Ref<TableModel> table);

    class Row;
    int size() const { return rows_; }
    bool empty() const { return rows_ == 0; }
    // Whether the result has that column (for queries whose columns differ by version).
    bool has(std::string_view column) const;

    gobj::Ref<ValueObject> cell(int row, std::string_view column) const;
    // The text form; "" for an SQL NULL.
    std::string text(int row, std::string_view column) const;
    bool is_null(int row, std::string_view column) const;
    // A text cell that is not NULL.
    bool is_text(int row, std::string_view column) const;
    bool is_boolean(int row, std::string_view column) const;
    // A boolean cell holding true; any other cell reads as false.
    bool boolean(int row, std::string_view column) const;
    // The number of an integer cell of any width; none for NULL and every other kind.
    std::optional<gint64> integer(int row, std::string_view column) const;
    gint64 integer_or_zero(int row, std::string_view column) const { return integer(row, column).value_or(0); }
    // The cell's text read as a decimal number; 0 when it is none.
    gint64 number(int row, std::string_view column) const;
    guint64 unsigned_number(int row, std::string_view column) const;

    Row operator[](int row) const;
    class Iterator;
    Iterator begin() const;
    Iterator end() const;

    const gobj::Ref<TableModel>& table() const { return table_; }

private:
    int position(std::string_view column) const;
    // How the column's cells are read without a row object: a result keeps every row it
    // hands out, so a schema-wide result read through rows would hold an object per cell
    // until the read ends. Texts, integers and booleans read from the cells give what
    // their value objects would; other kinds go through the row.
    enum class Direct { none, text, integer, boolean };
    static Direct direct_kind(providers::contracts::DataType type);
    Direct direct(int at) const { return directs_[static_cast<size_t>(at)]; }
    // The cell's text as its value's to_string gives it, for a column read directly;
    // none for an SQL NULL.
    std::optional<std::string> direct_text(int row, int at) const;

    gobj::Ref<TableModel> table_;
    int rows_ = 0;
    std::vector<std::string> names_;
    std::vector<Direct> directs_;
    // Names already resolved: most readers ask for the same few literals row after row.
    mutable std::vector<std::pair<std::string, int>> resolved_;
};

// One row of a CatalogRows: the same readers without the row number.
class CatalogRows::Row {
public:
    Row(const CatalogRows& rows, int index) : rows_(&rows), index_(index) {}
    int index() const { return index_; }
    bool has(std::string_view c) const { return rows_->has(c); }
    gobj::Ref<ValueObject> cell(std::string_view c) const { return rows_->cell(index_, c); }
    std::string text(std::string_view c) const { return rows_->text(index_, c); }
    bool is_null(std::string_view c) const { return rows_->is_null(index_, c); }
    bool is_text(std::string_view c) const { return rows_->is_text(index_, c); }
    bool is_boolean(std::string_view c) const { return rows_->is_boolean(index_, c); }
    bool boolean(std::string_view c) const { return rows_->boolean(index_, c); }
    std::optional<gint64> integer(std::string_view c) const { return rows_->integer(index_, c); }
    gint64 integer_or_zero(std::string_view c) const { return rows_->integer_or_zero(index_, c); }
    gint64 number(std::string_view c) const { return rows_->number(index_, c); }
    guint64 unsigned_number(std::string_view c) const { return rows_->unsigned_number(index_, c); }

private:
    const CatalogRows* rows_;
    int index_;
};

class CatalogRows::Iterator {
public:
    Iterator(const CatalogRows& rows, int index) : rows_(&rows), index_(index) {}
    Row operator*() const { return Row(*rows_, index_); }
    Iterator& operator++() {
        ++index_;
        return *this;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

private:
    const CatalogRows* rows_;
    int index_;
};

inline CatalogRows::Row CatalogRows::operator[](int row) const { return Row(*this, row); }
inline CatalogRows::Iterator CatalogRows::begin() const { return Iterator(*this, 0); }
inline CatalogRows::Iterator CatalogRows::end() const { return Iterator(*this, rows_); }

// The rows of one object out of a catalogue result: the whole result of a query for that
// object alone, or the object's share of a result read for a whole schema, in result
// order. It keeps the result alive; Row::index() is the row's place in the whole result.
class TARVELIN_EXPORT ObjectRows {
public:
    ObjectRows() = default;
    explicit ObjectRows(CatalogRows rows);
    ObjectRows(std::shared_ptr<const CatalogRows> rows, std::vector<int> indexes);

    int size() const { return static_cast<int>(indexes_.size()); }
    bool empty() const { return indexes_.empty(); }
    // Whether the result has that column (false for no result at all).
    bool has(std::string_view column) const { return rows_ && rows_->has(column); }
    CatalogRows::Row operator[](int k) const { return (*rows_)[indexes_[static_cast<size_t>(k)]]; }

    class Iterator {
    public:
        Iterator(const ObjectRows& rows, int k) : rows_(&rows), k_(k) {}
        CatalogRows::Row operator*() const { return (*rows_)[k_]; }
        Iterator& operator++() {
            ++k_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return k_ == other.k_; }

    private:
        const ObjectRows* rows_;
        int k_;
    };
    Iterator begin() const { return Iterator(*this, 0); }
    Iterator end() const { return Iterator(*this, size()); }

private:
    std::shared_ptr<const CatalogRows> rows_;
    std::vector<int> indexes_;
};

// The schema-wide results of a deep read, one per kind of catalogue rows, each run the
// first time a kind is asked for and handed out object by object: the rows whose
// `key_column` holds the object's key. Kinds nobody asks for cost no query.
//
//   SchemaRows reading("public");
//   for (auto row : reading.rows("columns", "t1", "table_name", [&] { return query(all_columns); })) ...
class TARVELIN_EXPORT SchemaRows {
public:
    explicit SchemaRows(std::string schema) : schema_(std::move(schema)) {}
    const std::string& schema() const { return schema_; }
    ObjectRows rows(std::string_view kind, const std::string& key, std::string_view key_column,
                    const std::function<CatalogRows()>& all);

    // The object's rows of `kind`: its share of the result of `all` while `reading` reads
    // `schema`, else the result of `one`.
    static ObjectRows of(SchemaRows* reading, const std::string& schema, const std::string& key,
                         std::string_view kind, std::string_view key_column, const std::function<CatalogRows()>& one,
                         const std::function<CatalogRows()>& all);

private:
    struct Grouped {
        std::shared_ptr<const CatalogRows> rows;
        std::unordered_map<std::string, std::vector<int>> by_key;
    };
    std::string schema_;
    std::map<std::string, Grouped, std::less<>> kinds_;
};

// A deep read of one schema for the life of the scope: `slot` holds its SchemaRows, and
// is emptied again when the scope ends, however it ends.
//
//   dialect::SchemaReading reading(reading_, "public");
//   for (auto table : tables) fill_meta_table(table, true);
class TARVELIN_EXPORT SchemaReading {
public:
    SchemaReading(std::unique_ptr<SchemaRows>& slot, std::string schema) : slot_(slot) {
        slot_ = std::make_unique<SchemaRows>(std::move(schema));
    }
    ~SchemaReading() { slot_.reset(); }
    SchemaReading(const SchemaReading&) = delete;
    SchemaReading& operator=(const SchemaReading&) = delete;

private:
    std::unique_ptr<SchemaRows>& slot_;
};

// ---- texts

// The text with only a-z made A-Z, so that positions found in it hold for the text as
// stored (UTF-8 upper-casing changes lengths: "ß" becomes "SS").
std::string ascii_upper(std::string_view text);

}  // namespace tarvelin::rezezadovu::supports::database::dialect
