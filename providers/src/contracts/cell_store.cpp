#include "providers/contracts/cell_store.hpp"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "providers/contracts/reader_cells.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"

TARVELIN_LOG_TAG("cell_store")

namespace tarvelin::providers::contracts {

namespace {

constexpr guint kCellsPerChunk = 4096;
constexpr std::size_t kBlock = 64 * 1024;
// Past the first blocks and chunks, pieces of whole huge pages.
constexpr std::size_t kHuge = 2 * 1024 * 1024;
constexpr guint kCellsPerBigChunk = kHuge / sizeof(CellStore::Cell);
constexpr std::size_t kSmallBlocks = 32;

// `size` bytes, rounded up to whole huge pages, aligned on one and marked for them;
// `size` receives the bytes taken.
void* take_huge(std::size_t& size) {
    size = (size + kHuge - 1) / kHuge * kHuge;
    // Over-asked, then cut to the aligned part.
    void* p = mmap(nullptr, size + kHuge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    auto start = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t aligned = (start + kHuge - 1) / kHuge * kHuge;
    if (aligned > start) munmap(p, aligned - start);
    if (const std::size_t tail = start + kHuge - aligned) munmap(reinterpret_cast<void*>(aligned + size), tail);
    // Only advice: without huge pages the piece works the same.
    madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

template <class T>
std::unique_ptr<T[], CellStore::Release> allocate(std::size_t count, bool huge) {
    std::size_t size = count * sizeof(T);
    if (huge) {
        void* p = take_huge(size);
        return std::unique_ptr<T[], CellStore::Release>(static_cast<T*>(p), CellStore::Release{size});
    }
    void* p = std::malloc(std::max<std::size_t>(size, 1));
    if (!p) throw std::bad_alloc();
    return std::unique_ptr<T[], CellStore::Release>(static_cast<T*>(p), CellStore::Release{});
}
constexpr gint64 kMicro = G_USEC_PER_SEC;

// The seconds between which every instant has a date-time in every zone: a year's margin
// inside GLib's range (years 1 to 9999), wider than any zone's offset.
gint64 unix_of(gint year) {
    GDateTime* dt = g_date_time_new_utc(year, 1, 1, 0, 0, 0);
    gint64 s = g_date_time_to_unix(dt);
    g_date_time_unref(dt);
    return s;
}
const gint64 kSafeFirst = unix_of(2);
const gint64 kSafeLast = unix_of(9999);

bool in_utc(GDateTime* dt) {
    const char* id = g_time_zone_get_identifier(g_date_time_get_timezone(dt));
    return g_date_time_get_utc_offset(dt) == 0 && id && std::strcmp(id, "UTC") == 0;
}

// The instant in UTC, microseconds included; none outside GLib's range.
gobj::DateTime from_microseconds(gint64 us) {
    gint64 seconds = us / kMicro, rest = us % kMicro;
    if (rest < 0) {
        rest += kMicro;
        --seconds;
    }
    GDateTime* dt = g_date_time_new_from_unix_utc(seconds);
    if (dt && rest) {
        GDateTime* exact = g_date_time_add(dt, rest);
        g_date_time_unref(dt);
        dt = exact;
    }
    return gobj::DateTime(dt);
}

// Writes what a getter gave into one cell.
struct StoreSink {
    using Cell = CellStore::Cell;
    CellStore& store;
    Cell* cell = nullptr;

    void set(CellStore::Kind kind, DataType type) {
        cell->kind = kind;
        cell->type = static_cast<guint16>(type);
        cell->length = 0;
    }
    void object(gobj::Ref<ValueObject> v, DataType type) {
        set(CellStore::kObject, type);
        cell->object = v.release();
    }
    void null() { set(CellStore::kNull, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL); }
    void integer(DataType t, gint64 v) {
        set(CellStore::kInteger, t);
        cell->integer = v;
    }
    void real(DataType t, double v) {
        set(CellStore::kReal, t);
        cell->real = v;
    }
    // The double and the server's digits side by side in the store's bytes.
    void exact_real(DataType t, double v, std::string_view text) {
        // A number's text is short: side by side on the stack, then kept in one copy.
        char both[sizeof v + 120];
        if (text.size() > sizeof both - sizeof v) return object(cells::from_real(t, v, text), t);
        std::memcpy(both, &v, sizeof v);
        std::memcpy(both + sizeof v, text.data(), text.size());
        set(CellStore::kExactReal, t);
        cell->data = store.keep(both, sizeof v + text.size());
        cell->length = static_cast<guint32>(text.size());
    }
    // A text or bytes too long for the cell's length is made into its object now.
    void text(DataType t, std::optional<std::string> v) {
        if (!v) return null();
        if (v->size() > G_MAXUINT32) return object(cells::from_text(t, std::move(*v)), t);
        text_view(t, v->data(), v->size());
    }
    void text_view(DataType t, const char* data, std::size_t length) {
        if (length > G_MAXUINT32) return object(cells::from_text(t, std::string(data, length)), t);
        set(CellStore::kText, t);
        cell->data = store.keep(data, length);
        cell->length = static_cast<guint32>(length);
    }
    // The column's fractional digits ride in the length, one up (0: none declared).
    void microseconds(DataType t, gint64 us, gint digits) {
        set(CellStore::kMicroseconds, t);
        cell->integer = us;
        cell->length = static_cast<guint32>(std::clamp(digits, -1, 6) + 1);
    }
    void bytes(DataType t, const std::vector<guint8>& v) {
        bytes_view(t, reinterpret_cast<const char*>(v.data()), v.size());
    }
    void bytes_view(DataType t, const char* data, std::size_t length) {
        if (length > G_MAXINT32)
            return object(cells::from_bytes(t, reinterpret_cast<const guint8*>(data), static_cast<gint32>(length)), t);
        set(CellStore::kBytes, t);
        cell->data = store.keep(data, length);
        cell->length = static_cast<guint32>(length);
    }
    // A cell the reader gave whole with its row.
    void peeked(const RowPeek::Cell& p) {
        using P = RowPeek::Cell;
        switch (p.kind) {
            case P::kInteger:
                return integer(p.type, p.integer);
            case P::kReal:
                return real(p.type, p.real);
            case P::kText:
                return text_view(p.type, p.data, p.length);
            case P::kBytes:
                return bytes_view(p.type, p.data, p.length);
            default:
                return null();
        }
    }
    void date(const GDate& d) {
        // The day number; 0 for a cleared date.
        integer(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, g_date_valid(&d) ? g_date_get_julian(&d) : 0);
    }
    void date_time(DataType t, const gobj::DateTime& dt, gint digits) {
        if (!dt) return null();
        gint64 seconds = g_date_time_to_unix(dt.get());
        // Near the ends of the range a zone other than UTC may be all that holds the
        // moment: that cell keeps the object made from it.
        if ((seconds < kSafeFirst || seconds >= kSafeLast) && !in_utc(dt.get()))
            return object(cells::from_date_time(t, dt.get(), digits), t);
        microseconds(t, seconds * kMicro + g_date_time_get_microsecond(dt.get()), digits);
    }
    void variant(gobj::Ref<ValueObject> v) {
        if (!v) return null();
        object(std::move(v), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT);
    }
};

double real_of(const CellStore::Cell& c) {
    if (c.kind == CellStore::kReal) return c.real;
    double v;
    std::memcpy(&v, c.data, sizeof v);
    return v;
}
std::string_view server_text_of(const CellStore::Cell& c) {
    return std::string_view(c.data + sizeof(double), c.length);
}

gobj::Ref<ValueObject> make_value(CellStore::Cell& c) {
    const auto type = static_cast<DataType>(c.type);
    switch (c.kind) {
        case CellStore::kInteger:
            if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE) {
                GDate d;
                g_date_clear(&d, 1);
                if (c.integer) g_date_set_julian(&d, static_cast<guint32>(c.integer));
                return cells::from_date(d);
            }
            return cells::from_integer(type, c.integer);
        case CellStore::kReal:
            return cells::from_real(type, c.real);
        case CellStore::kExactReal:
            return cells::from_real(type, real_of(c), server_text_of(c));
        case CellStore::kText:
            return cells::from_text(type, std::string(c.data ? c.data : "", c.length));
        case CellStore::kBytes:
            return cells::from_bytes(type, c.length ? reinterpret_cast<const guint8*>(c.data) : nullptr,
                                     static_cast<gint32>(c.length));
        case CellStore::kMicroseconds:
            return cells::from_date_time(type, from_microseconds(c.integer).get(), static_cast<gint>(c.length) - 1);
        case CellStore::kObject:
            return gobj::Ref<ValueObject>::adopt(std::exchange(c.object, nullptr));
        default:
            return ValueNull::create();
    }
}

}  // namespace

CellStore::CellStore(guint columns)
    : columns_(columns),
      rows_per_chunk_(columns ? std::max(1u, kCellsPerChunk / columns) : 1),
      rows_per_big_(columns ? std::max(1u, kCellsPerBigChunk / columns) : 1),
      small_rows_(kSmallChunks * rows_per_chunk_),
      peeked_(columns) {}

void CellStore::Release::operator()(void* p) const {
    if (size) munmap(p, size);
    else std::free(p);
}

void CellStore::add_chunk() {
    const bool big = chunks_.size() >= kSmallChunks;
    const guint capacity = big ? rows_per_big_ : rows_per_chunk_;
    chunks_.push_back({allocate<Cell>(std::size_t(capacity) * columns_, big), rows_, capacity});
}

CellStore::~CellStore() {
    for (guint r = 0; r < rows_; ++r) {
        if (!chunk_dropped(r)) release(row_cells(r), columns_);
    }
}

void CellStore::release(Cell* cells, guint count) {
    for (guint i = 0; i < count; ++i) {
        if (cells[i].kind == kObject && cells[i].object) g_object_unref(cells[i].object);
    }
}

CellStore::Cell* CellStore::row_cells(guint index) const {
    const Chunk& chunk = chunks_[chunk_of(index)];
    return chunk.cells.get() + std::size_t(index - chunk.first) * columns_;
}

char* CellStore::new_block(std::size_t size) {
    blocks_.push_back({allocate<char>(size, size >= kHuge), rows_, rows_});
    return blocks_.back().bytes.get();
}

const char* CellStore::keep_slow(const char* data, std::size_t length) {
    if (length == 0) return nullptr;
    if (length > kBlock / 4) {
        // A large one gets a block of its own; the current block stays open.
        char* own = new_block(length);
        std::memcpy(own, data, length);
        return own;
    }
    // The block it closes may hold bytes of this row too.
    if (free_) blocks_[open_block_].last_row = rows_;
    const std::size_t size = blocks_.size() < kSmallBlocks ? kBlock : kHuge;
    free_ = new_block(size);
    left_ = size;
    open_block_ = blocks_.size() - 1;
    return keep(data, length);
}

void CellStore::add_row(IDataReader& reader) {
    if (columns_ && (chunks_.empty() || rows_ == chunks_.back().first + chunks_.back().capacity)) add_chunk();
    Cell* cells = columns_ ? row_cells(rows_) : nullptr;
    StoreSink sink{*this};
    guint done = 0;
    const char* open_free = free_;
    try {
        // The row in one call where the reader can; the getters for the cells it leaves.
        if (&reader != reader_) {
            reader_ = &reader;
            peek_ = columns_ <= G_MAXUINT16 ? dynamic_cast<RowPeek*>(&reader) : nullptr;
        }
        const bool peeked = peek_ && peek_->peek_row(peeked_.data(), static_cast<guint16>(columns_));
        for (; done < columns_; ++done) {
            sink.cell = &cells[done];
            if (peeked && peeked_[done].kind != RowPeek::Cell::kGetters)
                sink.peeked(peeked_[done]);
            else
                cells::read_cell(cells::ThroughObject{reader}, static_cast<guint16>(done), sink);
        }
    } catch (...) {
        release(cells, done);
        throw;
    }
    // The open block holds bytes of this row: it stays until the row is made.
    if (free_ != open_free) blocks_[open_block_].last_row = rows_;
    ++rows_;
}

gobj::Ref<RowModel> CellStore::make_row(guint index) {
    std::vector<gobj::Ref<ValueObject>> values;
    values.reserve(columns_);
    Cell* cells = columns_ ? row_cells(index) : nullptr;
    for (guint i = 0; i < columns_; ++i) values.push_back(make_value(cells[i]));
    if (columns_) {
        Chunk& chunk = chunks_[chunk_of(index)];
        if (++chunk.made == std::min(chunk.capacity, rows_ - chunk.first)) {
            // Every object of these rows has moved into its row.
            chunk.cells.reset();
            drop_made_blocks();
        }
    }
    return RowModel::create_with_values(std::move(values));
}

std::optional<std::string> CellStore::exact_text(guint row, guint column, GType* value_type) const {
    const Cell& c = row_cells(row)[column];
    const auto type = static_cast<DataType>(c.type);
    if (value_type) *value_type = G_TYPE_NONE;
    switch (c.kind) {
        case kNull:
            return std::nullopt;
        case kExactReal:
            if (value_type) break;
            return std::string(server_text_of(c));
        case kReal:
            if (value_type) break;
            // As the value class holds it: a FLOAT cell is single precision.
            if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT) return shortest_text(static_cast<float>(c.real));
            return shortest_text(c.real);
        case kText:
            if (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING) {
                if (value_type) *value_type = ValueString::gtype();
                return std::string(c.data ? c.data : "", c.length);
            }
            break;
        case kObject: {
            auto* v = gobj::cast<ValueObject>(c.object);
            if (!v || v->get_is_null()) return std::nullopt;
            if (value_type) *value_type = G_OBJECT_TYPE(c.object);
            return v->exact_text();
        }
        default:
            break;
    }
    // The other kinds (and the class of a number): through a value made for the purpose,
    // the cell left as it is.
    Cell copy = c;
    auto value = make_value(copy);
    if (value->get_is_null()) return std::nullopt;
    if (value_type) *value_type = G_OBJECT_TYPE(value.instance());
    return value->exact_text();
}

void CellStore::drop_made_blocks() {
    while (dropped_blocks_ < blocks_.size()) {
        Block& b = blocks_[dropped_blocks_];
        for (guint r = b.first_row; r <= b.last_row; r += rows_per_chunk_) {
            if (!chunk_dropped(r)) return;
        }
        if (!chunk_dropped(b.last_row)) return;
        b.bytes.reset();
        ++dropped_blocks_;
    }
}

}  // namespace tarvelin::providers::contracts
