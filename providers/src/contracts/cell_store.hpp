// The cells of a result table as the reader gave them, before any value object is made.
// Internal to the table: cells are 16 bytes in row-major chunks, texts and bytes are
// copied into blocks that never move (a large result's in huge pages: a page fault per
// 4 KiB was most of a fill's own time), and a row's value objects are made from its cells
// with the classes and constructors get_value uses (reader_cells.hpp).
// Single thread: the table serialises access.
#pragma once

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "providers/contracts/model_row.hpp"
#include "providers/contracts/row_peek.hpp"

namespace tarvelin::providers::contracts {

class IDataReader;

class CellStore {
public:
    explicit CellStore(guint columns);
    ~CellStore();
    CellStore(const CellStore&) = delete;
    CellStore& operator=(const CellStore&) = delete;

    guint columns() const noexcept { return columns_; }
    guint rows() const noexcept { return rows_; }

    // Reads the reader's current row, cell by cell, through the getters get_value
    // would pick, called on the reader's C++ object. A getter's error leaves the store
    // as it was.
    void add_row(IDataReader& reader);
    // Row `index`, made now with new value objects. The objects made at fill time move
    // into the row, so each row is made once; the memory of rows all made is given back.
    gobj::Ref<RowModel> make_row(guint index);
    // Whether row `index` still has its cells (it has not been made yet).
    bool holds_row(guint index) const { return index < rows_ && !chunk_dropped(index); }
    // The text that loses nothing of cell (row, column), read from the cell without making
    // a value: what exact_text of its value object gives; none for SQL NULL. The row must
    // be held and the column inside the table. `value_type`, when given, receives the class
    // of the value the cell is made with (G_TYPE_NONE for SQL NULL).
    std::optional<std::string> exact_text(guint row, guint column, GType* value_type = nullptr) const;

    // kExactReal: `data` points at the double (unaligned) followed by the server's text
    // of `length` bytes.
    enum Kind : guint8 { kNull, kInteger, kReal, kText, kBytes, kMicroseconds, kObject, kExactReal };
    struct Cell {
        union {
            gint64 integer;
            double real;
            const char* data;
            gpointer object;  // one reference
        };
        guint32 length;
        guint16 type;
        guint8 kind;
    };
    static_assert(sizeof(Cell) == 16);

    // Frees what the store took: from malloc, or a piece of `size` bytes (huge pages) from
    // the kernel.
    struct Release {
        std::size_t size = 0;
        void operator()(void* p) const;
    };

    // For the filling sink: a copy of `length` bytes that lives as long as the store.
    // Bumps the open block; a new block, or a large copy's own, out of line.
    const char* keep(const char* data, std::size_t length) {
        if (length == 0 || length > left_) return keep_slow(data, length);
        char* out = free_;
        std::memcpy(out, data, length);
        free_ += length;
        left_ -= length;
        return out;
    }

private:
    // Cells of the rows first to first + capacity - 1; dropped once each of its rows is made.
    struct Chunk {
        std::unique_ptr<Cell[], Release> cells;
        guint first, capacity;
        guint made = 0;
    };
    // Copied texts and bytes of the rows first_row to last_row.
    struct Block {
        std::unique_ptr<char[], Release> bytes;
        guint first_row, last_row;
    };

    Cell* row_cells(guint index) const;
    void release(Cell* cells, guint count);
    char* new_block(std::size_t size);
    const char* keep_slow(const char* data, std::size_t length);
    // Drops the blocks, in order, whose rows are all made.
    void drop_made_blocks();
    // The chunk of a row: small ones first, so a small result stays small, then ones of
    // huge pages.
    std::size_t chunk_of(guint row) const {
        return row < small_rows_ ? row / rows_per_chunk_ : kSmallChunks + (row - small_rows_) / rows_per_big_;
    }
    bool chunk_dropped(guint row) const { return !chunks_[chunk_of(row)].cells; }
    void add_chunk();

    static constexpr guint kSmallChunks = 32;

    guint columns_;
    guint rows_ = 0;
    guint rows_per_chunk_;  // of a small chunk
    guint rows_per_big_;
    guint small_rows_;  // the rows the small chunks hold
    std::vector<Chunk> chunks_;
    std::vector<Block> blocks_;
    std::size_t dropped_blocks_ = 0;
    std::size_t open_block_ = 0;  // the block `free_` points into
    char* free_ = nullptr;
    std::size_t left_ = 0;
    // The reader of the last row and its row fast path (none when it has none).
    const IDataReader* reader_ = nullptr;
    RowPeek* peek_ = nullptr;
    std::vector<RowPeek::Cell> peeked_;  // the row peek_row fills
};

}  // namespace tarvelin::providers::contracts
