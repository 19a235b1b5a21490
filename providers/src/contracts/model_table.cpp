#include "providers/contracts/model_table.hpp"

#include "providers/contracts/cell_store.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("model_table")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(TableModel, "TarvelinProvidersContractsTableModel", gobj::Object, IResult, gobj::ListModel)

void TableModel::describe(gobj::ClassSpec<TableModel>& c) {
    TARVELIN_TABLE_MODEL_ROW_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    TARVELIN_TABLE_MODEL_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

TableModel::~TableModel() = default;

gobj::Ref<TableModel> TableModel::create(GType type) { return gobj::create<TableModel>(type); }

gobj::Ref<TableModel> TableModel::create_with_types(std::span<const DataType> types) {
    return construct_with_types(gtype(), types.data(), static_cast<gint>(types.size()));
}

gobj::Ref<TableModel> TableModel::construct_with_types(GType type, const DataType* types, gint length) {
    auto t = create(type);
    if (!t) return t;
    for (gint i = 0; types && i < length; ++i) t->columns_.append(ColumnModel::create_with_type(types[i]));
    return t;
}

// ---------------------------------------------------------------- rows made on first access

void TableModel::adopt_cells(std::unique_ptr<CellStore> cells) {
    std::lock_guard lock(mutex_);
    cells_ = std::move(cells);
    made_.clear();
    has_cells_.store(cells_ != nullptr, std::memory_order_release);
}

gobj::Ref<RowModel> TableModel::cached_row(guint index) const {
    if (made_.empty()) made_.resize(cells_->rows());
    auto& row = made_[index];
    if (!row) row = cells_->make_row(index);
    return row;
}

void TableModel::settle() const {
    if (!has_cells()) return;
    std::lock_guard lock(mutex_);
    if (!cells_) return;
    // Rows already handed out keep their identity; the rest are made now.
    for (guint i = 0, n = cells_->rows(); i < n; ++i) rows_.append(cached_row(i));
    made_ = {};
    cells_.reset();
    has_cells_.store(false, std::memory_order_release);
}

gobj::Ref<RowModel> TableModel::row_at(gint index) const {
    if (has_cells()) {
        std::lock_guard lock(mutex_);
        if (cells_) {
            if (index < 0 || static_cast<guint>(index) >= cells_->rows()) return {};
            return cached_row(static_cast<guint>(index));
        }
    }
    if (index < 0 || index >= rows_.size()) return {};
    return rows_.at(index);
}

const gobj::GeeArray<RowModel>& TableModel::get_rows() const {
    settle();
    return rows_;
}

void TableModel::set_rows(GeeArrayList* rows) {
    settle();
    if (gobj::prop::RowList::put(rows_, rows)) notify(rows_pspec);
}

// ---------------------------------------------------------------- cells and editing

gobj::Ref<ValueObject> TableModel::get_value_at(gint col, gint row) const {
    auto r = row_at(row);
    return r ? r->get_value_at(col) : gobj::Ref<ValueObject>();
}

std::optional<std::string> TableModel::exact_text(gint col, gint row) const {
    GType unused;
    return exact_text(col, row, unused);
}

std::optional<std::string> TableModel::exact_text(gint col, gint row, GType& value_type) const {
    value_type = G_TYPE_NONE;
    if (row < 0 || col < 0) return std::nullopt;
    if (has_cells()) {
        std::lock_guard lock(mutex_);
        if (cells_ && static_cast<guint>(col) < cells_->columns() &&
            (made_.empty() || static_cast<guint>(row) >= made_.size() || !made_[static_cast<guint>(row)]) &&
            cells_->holds_row(static_cast<guint>(row)))
            return cells_->exact_text(static_cast<guint>(row), static_cast<guint>(col), &value_type);
    }
    auto value = get_value_at(col, row);
    if (!value || value->get_is_null()) return std::nullopt;
    value_type = G_OBJECT_TYPE(value.instance());
    return value->exact_text();
}

void TableModel::set_value_at(gint col, gint row, const gobj::Ref<ValueObject>& value) {
    settle();
    if (row < 0 || row >= rows_.size()) {
        g_return_if_fail_warning(nullptr, G_STRFUNC, "0 <= row && row < m_rows.size");
        return;
    }
    if (!rows_.at(row)->replace_value(col, value))
        g_return_if_fail_warning(nullptr, G_STRFUNC, "0 <= col && col < m_rows[row].values.size");
}

gobj::Ref<RowModel> TableModel::new_row() const {
    auto row = RowModel::create();
    row->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
    for (const auto& column : columns_)
        row->get_values().append(IValue::factory(column ? column->get_data_type() : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, nullptr));
    return row;
}

gint TableModel::announce_added(gint index) {
    gobj::items_changed(*this, static_cast<guint>(index), 0, 1);
    return index;
}

gint TableModel::append(const gobj::Ref<RowModel>& row) {
    settle();
    rows_.append(row);
    return announce_added(rows_.size() - 1);
}

gint TableModel::insert(gint position, const gobj::Ref<RowModel>& row) {
    settle();
    if (position < 0 || position >= rows_.size()) {
        rows_.append(row);
        return announce_added(rows_.size() - 1);
    }
    rows_.insert(position, row);
    return announce_added(position);
}

void TableModel::remove(const gobj::Ref<RowModel>& row) {
    settle();
    gint index = rows_.index_of(row);
    if (index < 0) return;
    rows_.remove_at(index);
    gobj::items_changed(*this, static_cast<guint>(index), 1, 0);
}

gobj::Ref<RowModel> TableModel::delete_at(gint position) {
    settle();
    if (position < 0 || position >= rows_.size()) return {};
    auto row = rows_.remove_at(position);
    gobj::items_changed(*this, static_cast<guint>(position), 1, 0);
    return row;
}

bool TableModel::find(const gobj::Ref<RowModel>& row, gint& position) const {
    settle();
    gint index = rows_.index_of(row);
    position = index < 0 ? 0 : index;
    return index >= 0;
}

void TableModel::clear(bool columns) {
    settle();
    auto removed = static_cast<guint>(rows_.size());
    rows_.clear();
    if (columns) columns_.clear();
    gobj::items_changed(*this, 0, removed, 0);
}

void TableModel::update_row_version(gint position, DataVersion version) {
    settle();
    if (position < 0 || position >= rows_.size()) {
        g_return_if_fail_warning(nullptr, G_STRFUNC, "0 <= position && position < m_rows.size");
        return;
    }
    auto row = rows_.at(position);
    switch (version) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE:
            // A row the user added and deletes again never reached the server: drop it.
            if (row->get_version() == TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT) {
                rows_.remove_at(position);
                gobj::items_changed(*this, static_cast<guint>(position), 1, 0);
            } else {
                row->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE);
            }
            break;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE:
            if (row->get_version() == TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL)
                row->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
            break;
        default:
            break;
    }
}

GType TableModel::list_item_type() const { return RowModel::gtype(); }
guint TableModel::list_n_items() const {
    if (has_cells()) {
        std::lock_guard lock(mutex_);
        if (cells_) return cells_->rows();
    }
    return static_cast<guint>(rows_.size());
}
gpointer TableModel::list_item(guint position) const {
    return row_at(position > static_cast<guint>(G_MAXINT) ? -1 : static_cast<gint>(position)).release();
}

}  // namespace tarvelin::providers::contracts
