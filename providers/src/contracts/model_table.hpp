// The tabular result of a query and the editable data table of the system.
#pragma once

#include <tarvelin/providers/model_table.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <span>
#include <vector>

#include "providers/contracts/model_column.hpp"
#include "providers/contracts/model_result.hpp"
#include "providers/contracts/model_row.hpp"
#include "providers/gobj/gee.hpp"

namespace tarvelin::gobj::prop {
using RowList = Array<providers::contracts::RowModel>;
using ColumnList = Array<providers::contracts::ColumnModel>;
}  // namespace tarvelin::gobj::prop

// "rows" is computed: a filled table makes its rows on first access (see TableModel).
#define TARVELIN_TABLE_MODEL_ROW_PROPERTIES(P) P(RowList, rows, "rows", nullptr, RO, gobj::prop::empty_list, OnChange)
#define TARVELIN_TABLE_MODEL_PROPERTIES(P) \
    P(ColumnList, columns, "columns", nullptr, RO, gobj::prop::empty_list, OnChange)

namespace tarvelin::providers::contracts {

class CellStore;

// Columns and rows, with cell access and row editing; a GListModel of its rows whose
// items-changed follows the editing operations (drivers filling "rows" directly
// announce nothing). Every row is expected to hold one value per column.
// A table filled from a reader keeps its cells compact and makes each row object on
// first access (get_item, get_value_at), the same object every time; "rows" and every
// editing operation first move all rows into the list, and the table then works on the
// list alone. Reads (the list model, get_value_at, "rows") may run on several threads
// at once; callers serialise edits; items-changed is emitted on the editing thread.
class TARVELIN_EXPORT TableModel : public gobj::Object, public IResult, public gobj::ListModel {
public:
    ~TableModel() override;

    using Self = TableModel;
    static GType gtype();
    static void describe(gobj::ClassSpec<TableModel>& c);
    static gobj::Ref<TableModel> create(GType type = gtype());
    // One column per type, each with the empty name and size 0.
    static gobj::Ref<TableModel> create_with_types(std::span<const DataType> types);
    // The same for any type derived from TableModel (the C constructor).
    static gobj::Ref<TableModel> construct_with_types(GType type, const DataType* types, gint length);

    TARVELIN_TABLE_MODEL_ROW_PROPERTIES(TARVELIN_PROPERTY_PSPEC)
    const gobj::GeeArray<RowModel>& get_rows() const;
    void set_rows(GeeArrayList* rows);
    TARVELIN_TABLE_MODEL_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // Takes the cells a reader filled; the table must hold no rows yet.
    void adopt_cells(std::unique_ptr<CellStore> cells);

    // Empty outside the table.
    gobj::Ref<ValueObject> get_value_at(gint col, gint row) const;
    // The text of a cell that loses nothing (ValueObject::exact_text): read from the
    // compact cells while its row has not been made, else from its value. None for SQL
    // NULL and outside the table.
    std::optional<std::string> exact_text(gint col, gint row) const;
    // The same with the class of the cell's value (the class it is made with, for a cell
    // not yet made; G_TYPE_NONE for SQL NULL and outside the table), for writers whose
    // form follows the value's class.
    std::optional<std::string> exact_text(gint col, gint row, GType& value_type) const;
    // Replaces a cell without notification; outside the table: a critical, nothing changed.
    void set_value_at(gint col, gint row, const gobj::Ref<ValueObject>& value);
    // A row in state INSERT holding each column's default value, not yet in the table.
    gobj::Ref<RowModel> new_row() const;
    // Adds at the end; returns the row's index (the last one, also for a row the table
    // already holds).
    gint append(const gobj::Ref<RowModel>& row);
    // A negative position (or one past the end) adds at the end.
    gint insert(gint position, const gobj::Ref<RowModel>& row);
    // Removes that row object if the table holds it.
    void remove(const gobj::Ref<RowModel>& row);
    gobj::Ref<RowModel> delete_at(gint position);
    // Whether the table holds that very row object; `position` receives its index (0
    // when it holds none).
    bool find(const gobj::Ref<RowModel>& row, gint& position) const;
    void clear(bool columns);
    void update_row_version(gint position, DataVersion version);

    GType list_item_type() const override;
    guint list_n_items() const override;
    gpointer list_item(guint position) const override;

private:
    // Announces the row just added at `index` (where the new entry went, which a search
    // would get wrong for a row held twice, and in linear time) and returns the index.
    gint announce_added(gint index);
    // Moves every row into the list and drops the cells.
    void settle() const;
    // Row `index` of the cells, made on first use; needs `mutex_` and the cells.
    gobj::Ref<RowModel> cached_row(guint index) const;
    // The row at `index` whichever way the table holds it; empty outside the table.
    gobj::Ref<RowModel> row_at(gint index) const;
    bool has_cells() const noexcept { return has_cells_.load(std::memory_order_acquire); }

    mutable std::mutex mutex_;
    mutable std::unique_ptr<CellStore> cells_;
    mutable std::vector<gobj::Ref<RowModel>> made_;
    mutable std::atomic<bool> has_cells_{false};
    TARVELIN_TABLE_MODEL_ROW_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
    TARVELIN_TABLE_MODEL_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsTableModel, tarvelin::providers::contracts::TableModel)
