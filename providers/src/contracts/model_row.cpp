#include "providers/contracts/model_row.hpp"
#include "providers/gobj/register.hpp"

#include <array>
#include <functional>

TARVELIN_LOG_TAG("model_row")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(RowModel, "TarvelinProvidersContractsRowModel", gobj::Object, gobj::ListModel)

namespace {
// The one-time switch from vector to list is rare and short: rows share a few locks,
// chosen by address, instead of carrying one each.
std::mutex& stripe(const void* row) {
    static std::array<std::mutex, 64> locks;
    return locks[(std::hash<const void*>{}(row) >> 4) % locks.size()];
}
}  // namespace

void RowModel::describe(gobj::ClassSpec<RowModel>& c) {
    TARVELIN_ROW_MODEL_LIST_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    TARVELIN_ROW_MODEL_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<RowModel> RowModel::create(GType type) { return gobj::create<RowModel>(type); }

gobj::Ref<RowModel> RowModel::create_with_values(std::vector<gobj::Ref<ValueObject>> values) {
    auto row = create();
    row->pending_ = std::make_unique<gpointer[]>(values.size());
    for (auto& v : values) row->pending_[row->pending_count_++] = v.release();
    return row;
}

RowModel::~RowModel() {
    for (guint i = 0; i < pending_count_; ++i) {
        if (pending_[i]) g_object_unref(pending_[i]);
    }
}

bool RowModel::listed(std::unique_lock<std::mutex>& pending) const {
    if (listed_.load(std::memory_order_acquire)) return true;
    pending = std::unique_lock(stripe(this));
    if (!listed_.load(std::memory_order_relaxed)) return false;
    pending.unlock();
    return true;
}

void RowModel::ensure_list() const {
    std::unique_lock<std::mutex> pending;
    if (listed(pending)) return;
    auto list = gobj::GeeArray<ValueObject>::create();
    for (guint i = 0; i < pending_count_; ++i) list.append(gobj::Ref<ValueObject>::adopt(pending_[i]));
    values_ = std::move(list);
    pending_.reset();
    pending_count_ = 0;
    listed_.store(true, std::memory_order_release);
}

const gobj::GeeArray<ValueObject>& RowModel::get_values() const {
    ensure_list();
    return values_;
}

void RowModel::set_values(GeeArrayList* values) {
    ensure_list();
    if (gobj::prop::ValueList::put(values_, values)) notify(values_pspec);
}

gobj::Ref<ValueObject> RowModel::get_value_at(gint position) const {
    std::unique_lock<std::mutex> pending;
    if (!listed(pending)) {
        if (position < 0 || static_cast<guint>(position) >= pending_count_) return {};
        return gobj::Ref<ValueObject>::retain(pending_[position]);
    }
    if (position < 0 || position >= values_.size()) return {};
    return values_.at(position);
}

bool RowModel::replace_value(gint position, const gobj::Ref<ValueObject>& value) {
    const auto& values = get_values();
    if (position < 0 || position >= values.size()) return false;
    values.set(position, value);
    return true;
}

void RowModel::set_value_at(gint position, const gobj::Ref<ValueObject>& value) {
    if (!replace_value(position, value))
        g_return_if_fail_warning(nullptr, G_STRFUNC, "0 <= position && position < m_values.size");
}

gobj::Ref<RowModel> RowModel::clone() const {
    auto copy = create();
    copy->set_version(version_);
    std::vector<gobj::Ref<ValueObject>> values;
    {
        std::unique_lock<std::mutex> pending;
        if (!listed(pending)) {
            for (guint i = 0; i < pending_count_; ++i) values.push_back(gobj::Ref<ValueObject>::retain(pending_[i]));
        } else {
            for (const auto& v : values_) values.push_back(v);
        }
    }
    const auto& list = copy->get_values();
    for (const auto& v : values) list.append(v ? v->clone() : gobj::Ref<ValueObject>());
    return copy;
}

GType RowModel::list_item_type() const { return ValueObject::gtype(); }

guint RowModel::list_n_items() const {
    std::unique_lock<std::mutex> pending;
    if (!listed(pending)) return pending_count_;
    return static_cast<guint>(values_.size());
}

gpointer RowModel::list_item(guint position) const {
    return get_value_at(position > static_cast<guint>(G_MAXINT) ? -1 : static_cast<gint>(position)).release();
}

}  // namespace tarvelin::providers::contracts
