// One result row: its cell values in column order and its change state.
#pragma once

#include <tarvelin/providers/model_table.h>

#include "providers/contracts/model_column.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/gobj/bridge.hpp"
#include "providers/gobj/gee.hpp"

namespace tarvelin::gobj::prop {
using ValueList = Array<providers::contracts::ValueObject>;
}

// clang-format off
#define TARVELIN_ROW_MODEL_PROPERTIES(P) \
    P(ValueList, values, "values", nullptr, RO, gobj::prop::empty_list, OnChange) \
    P(DataVersionKind, version, "version", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, RW, \
      TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, OnChange)
// clang-format on

namespace tarvelin::providers::contracts {

// Also a GListModel of its values. It never announces changes: the list ("values", the
// row's own) is edited directly by drivers and importers.
// Callers serialise.
class TARVELIN_EXPORT RowModel : public gobj::Object, public gobj::ListModel {
public:
    using Self = RowModel;
    static GType gtype();
    static void describe(gobj::ClassSpec<RowModel>& c);
    static gobj::Ref<RowModel> create(GType type = gtype());

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
    TARVELIN_ROW_MODEL_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsRowModel, tarvelin::providers::contracts::RowModel)
