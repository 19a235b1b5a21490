// A table from execute_model keeps each cell as the reader's get_value reads it, whatever
// the cell's storage class, size or place in the table's byte blocks.
#include <string>
#include <vector>

#include "sqlite/fixture.hpp"
#include "support/value_dump.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using RV = providers::contracts::IDataReader::Vtable;

namespace {

class SqliteTableFillTest : public SqliteTest {
protected:
    // Each cell through the reader's get_value, one row after another: what a table held
    // when every value was made while filling.
    std::vector<std::string> read_cell_by_cell(const std::string& sql) {
        auto reader = gobj::call<&PV::execute_reader>(p(), sql);
        const gint columns = gobj::call<&RV::get_field_count>(reader);
        std::vector<std::string> dumps;
        int row = 0;
        do {
            for (gint i = 0; i < columns; ++i) {
                auto value = gobj::call<&RV::get_value>(reader, static_cast<guint16>(i));
                dumps.push_back(std::to_string(row) + "." + std::to_string(i) + " " + value_dump(value.gobj()));
            }
            ++row;
        } while (gobj::call<&RV::read>(reader));
        gobj::call<&RV::close>(reader);
        return dumps;
    }
    // Every cell's exact text from a table none of whose rows has been made yet.
    std::vector<std::optional<std::string>> exact_texts(const std::string& sql) {
        auto table = model(sql);
        const auto columns = static_cast<gint>(table->get_columns().size());
        std::vector<std::optional<std::string>> texts;
        for (gint r = 0, n = static_cast<gint>(g_list_model_get_n_items(G_LIST_MODEL(table.gobj()))); r < n; ++r)
            for (gint c = 0; c < columns; ++c) texts.push_back(table->exact_text(c, r));
        return texts;
    }
    std::vector<std::optional<std::string>> exact_texts_of_values(const std::string& sql) {
        auto table = model(sql);
        std::vector<std::optional<std::string>> texts;
        for (const auto& row : table->get_rows()) {
            for (const auto& value : row->get_values()) {
                if (value->get_is_null()) texts.emplace_back();
                else texts.push_back(value->exact_text());
            }
        }
        return texts;
    }
    void expect_same(const std::string& sql) {
        auto table = model(sql);
        EXPECT_EQ(table_dump(G_LIST_MODEL(table.gobj())), read_cell_by_cell(sql)) << sql;
        EXPECT_EQ(exact_texts(sql), exact_texts_of_values(sql)) << sql;
    }
};

}  // namespace

// Storage classes change from row to row within a column; NULLs, empty texts and blobs,
// NULs inside texts and blobs, 64-bit and real extremes, non-ASCII text, and texts long
// enough to need a block of their own.
TEST_F(SqliteTableFillTest, EveryCellReadsAsGetValueReadsIt) {
    affect("CREATE TABLE t (k INTEGER, a, b, c)");
    affect("INSERT INTO t VALUES"
           " (1, 9223372036854775807, 'text', x'00ff00'),"
           " (2, -9223372036854775808, '', x''),"
           " (3, NULL, CAST(x'610062' AS TEXT), zeroblob(5)),"
           " (4, 1.7976931348623157e308, 'Grüße, 東京', NULL),"
           " (5, -0.0, printf('%.*c', 20000, 'x'), randomblob(70000)),"
           " (6, 'now text', printf('%.*c', 70000, 'y'), 42),"
           " (7, x'0102', 4.9e-324, ''),"
           " (8, 0, NULL, printf('%.*c', 16384, 'z'))");
    expect_same("SELECT * FROM t ORDER BY k");
    // The first row decides each column's type; a NULL first makes it DBNULL.
    expect_same("SELECT a, b, c FROM t ORDER BY k DESC");
}

// The table copies texts into blocks of 64 KiB: texts that end exactly at a block's end,
// ones that no longer fit, and large ones with blocks of their own in between.
TEST_F(SqliteTableFillTest, TextsAtTheEdgesOfTheByteBlocksKeepEveryByte) {
    affect("CREATE TABLE t (k INTEGER, s TEXT)");
    const std::vector<int> lengths = {16384, 16384, 16384, 16383, 1, 2, 65535, 16385, 0, 3, 65536, 65534, 2, 1};
    std::vector<std::optional<std::string>> want;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const char c = static_cast<char>('a' + i);
        // One more than wanted, cut: printf writes one even for a width of 0.
        affect("INSERT INTO t VALUES (" + std::to_string(i) + ", substr(printf('%.*c', " +
               std::to_string(lengths[i] + 1) + ", '" + c + "'), 2))");
        want.push_back(std::string(static_cast<std::size_t>(lengths[i]), c));
    }
    const std::string sql = "SELECT s FROM t ORDER BY k";
    EXPECT_EQ(exact_texts(sql), want);
    EXPECT_EQ(exact_texts_of_values(sql), want);
    expect_same(sql);
}

// Rows made one after another give their cells' memory back chunk by chunk; the rows
// not made yet must keep every byte of theirs meanwhile.
TEST_F(SqliteTableFillTest, RowsMadeInOrderLeaveTheRestWhole) {
    affect("CREATE TABLE t (k INTEGER, s TEXT, b BLOB)");
    affect("INSERT INTO t WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9999)"
           " SELECT i, i || ':' || substr(printf('%.*c', (i * 37) % 3000 + 1, char(65 + i % 26)), 2), zeroblob(i % 7)"
           " FROM n");
    auto table = model("SELECT s, b, k FROM t ORDER BY k");
    auto* rows = G_LIST_MODEL(table.gobj());
    ASSERT_EQ(g_list_model_get_n_items(rows), 10000u);
    for (gint i = 0; i < 10000; ++i) {
        const std::string want = std::to_string(i) + ":" +
                                 std::string(static_cast<std::size_t>((i * 37) % 3000), static_cast<char>(65 + i % 26));
        ASSERT_EQ(table->exact_text(0, i), want) << "row " << i;
        auto row = gobj::Ref<providers::contracts::RowModel>::adopt(
            static_cast<providers::contracts::RowModel*>(g_list_model_get_item(rows, static_cast<guint>(i))));
        ASSERT_EQ(row->get_value_at(0)->exact_text(), want) << "row " << i;
        ASSERT_EQ(row->get_value_at(2)->exact_text(), std::to_string(i));
    }
}
