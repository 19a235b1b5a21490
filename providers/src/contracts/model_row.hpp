// One result row: its cell values in column order and its change state.
#pragma once

#include <tarvelin/providers/model_table.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "providers/contracts/model_column.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/gee.hpp"
#include "providers/gobj/list_model.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/ref.hpp"

namespace tarvelin::gobj::prop {
using ValueList = Array<providers::contracts::ValueObject>;
}

// "values" is computed: the list is made on its first read (see RowModel).
#define TARVELIN_ROW_MODEL_LIST_PROPERTIES(P) P(ValueList, values, "values", nullptr, RO, nullptr, OnChange)
// clang-format off
#define TARVELIN_ROW_MODEL_PROPERTIES(P) \
    P(DataVersionKind, version, "version", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, RW, \
      TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, OnChange)
// clang-format on

namespace tarvelin::providers::contracts {

// Also a GListModel of its values. It never announces changes: the list ("values", the
// row's own) is edited directly by drivers and importers.
// A row made from a result keeps its values in a vector until "values" is first read;
// that one-time switch to the list is guarded, so readers on several threads may share a
// row. Callers serialise edits.
class TARVELIN_EXPORT RowModel : public gobj::Object, public gobj::ListModel {
public:
    using Self = RowModel;
    static GType gtype();
    static void describe(gobj::ClassSpec<RowModel>& c);
    static gobj::Ref<RowModel> create(GType type = gtype());
    ~RowModel() override;

    // A row in state INITIAL holding `values` (none empty), the list not made yet.
    static gobj::Ref<RowModel> create_with_values(std::vector<gobj::Ref<ValueObject>> values);

    TARVELIN_ROW_MODEL_LIST_PROPERTIES(TARVELIN_PROPERTY_PSPEC)
    const gobj::GeeArray<ValueObject>& get_values() const;
    void set_values(GeeArrayList* values);
    TARVELIN_ROW_MODEL_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // Empty when the position is outside the row.
    gobj::Ref<ValueObject> get_value_at(gint position) const;
    // Replaces a cell; no notification, the version stays. Outside the row: a critical,
    // nothing changed.
    void set_value_at(gint position, const gobj::Ref<ValueObject>& value);
    // The same without the critical; false when the position is outside the row.
    bool replace_value(gint position, const gobj::Ref<ValueObject>& value);

    // A deep copy: every value is cloned, the version copied.
    virtual gobj::Ref<RowModel> clone() const;

    GType list_item_type() const override;
    guint list_n_items() const override;
    gpointer list_item(guint position) const override;

private:
    // The list, made from `pending_` on first need.
    void ensure_list() const;
    // Whether the list is made; while it is not, `pending` holds the stripe's lock.
    bool listed(std::unique_lock<std::mutex>& pending) const;

    mutable gobj::GeeArray<ValueObject> values_;
    // The values before the list is made, one reference each: an array, not a vector of
    // Refs, as a table may hold millions of rows.
    mutable std::unique_ptr<gpointer[]> pending_;
    mutable guint pending_count_ = 0;
    mutable std::atomic<bool> listed_{false};
    TARVELIN_ROW_MODEL_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsRowModel, tarvelin::providers::contracts::RowModel)
