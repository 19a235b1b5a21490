// An optional fast path beside the reader contract: a reader of ours whose library hands
// out a row's cells ready (a pointer and a length, a number) gives the whole row in one
// call, and the cells of a result table are kept from it without a call per cell.
#pragma once

#include <cstddef>

#include "providers/contracts/vocabulary.hpp"

namespace tarvelin::providers::contracts {

class RowPeek {
public:
    // One cell: what the getter its DataType picks would give, unmade.
    struct Cell {
        // kGetters: the cell is left to the getters.
        enum Kind : unsigned char { kNull, kInteger, kReal, kText, kBytes, kGetters };
        Kind kind;
        DataType type;
        union {
            gint64 integer;
            double real;
            const char* data;  // kText, kBytes: borrowed until the reader moves on
        };
        std::size_t length;
    };
    // Every cell of the current row into `count` cells, each as the getters of get_value
    // read it (a text or bytes cell its bytes, a number its number); false when the reader
    // cannot now, and then each cell goes through the getters.
    virtual bool peek_row(Cell* cells, guint16 count) = 0;

protected:
    ~RowPeek() = default;
};

}  // namespace tarvelin::providers::contracts
