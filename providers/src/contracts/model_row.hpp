// One result row: its cell values in column order and its change state.
#pragma once

#include <tarvelin/providers/model_table.h>

#include "providers/contracts/value_object.hpp"
#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/bridge.hpp"
#include "providers/gobj/gee.hpp"

namespace tarvelin::providers::contracts {

// Also a GListModel of its values. It never announces changes: the list is edited
// directly by drivers and importers.
// Callers serialise.
class TARVELIN_EXPORT RowModel : public gobj::Object, public gobj::ListModel {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<RowModel>& c);
    static gobj::Ref<RowModel> create(GType type = gtype());

    RowModel();

    // The row's own list; drivers append their values to it.
    const gobj::GeeArray<ValueObject>& get_values() const { return values_; }
    GeeArrayList* values_list() const { return values_.list(); }
    // Empty when the position is outside the row.
    gobj::Ref<ValueObject> get_value_at(gint position) const;
    // Replaces a cell; no notification, the version stays. False when the position is
    // outside the row (nothing changed).
    bool set_value_at(gint position, const gobj::Ref<ValueObject>& value);
    DataVersion get_version() const { return version_; }
    void set_version(DataVersion value);

    // A deep copy: every value is cloned, the version copied.
    virtual gobj::Ref<RowModel> clone() const;

    GType list_item_type() const override;
    guint list_n_items() const override;
    gpointer list_item(guint position) const override;

private:
    gobj::GeeArray<ValueObject> values_;
    DataVersion version_ = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL;
};

}  // namespace tarvelin::providers::contracts
