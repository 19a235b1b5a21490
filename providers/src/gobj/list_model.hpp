// GListModel from three C++ members.
#pragma once

#include <gio/gio.h>

#include "providers/gobj/slot.hpp"

namespace tarvelin::gobj {

// ---------------------------------------------------------------- GListModel

// A class lists gobj::ListModel among its interfaces and implements these three.
class TARVELIN_EXPORT ListModel : public Interface {
public:
    using Vtable = GListModelInterface;
    static GType gtype() noexcept { return G_TYPE_LIST_MODEL; }
    virtual GType list_item_type() const = 0;
    virtual guint list_n_items() const = 0;
    virtual gpointer list_item(guint position) const = 0;  // new reference or nullptr

    template <class T>
    static void fill(Vtable* vt) {
        vt->get_item_type = [](GListModel* m) -> GType {
            return guarded("get_item_type", [&] { return static_cast<const ListModel*>(cast<T>(m))->list_item_type(); },
                           G_TYPE_OBJECT);
        };
        vt->get_n_items = [](GListModel* m) -> guint {
            return guarded("get_n_items", [&] { return static_cast<const ListModel*>(cast<T>(m))->list_n_items(); },
                           0u);
        };
        vt->get_item = [](GListModel* m, guint position) -> gpointer {
            return guarded("get_item", [&] { return static_cast<const ListModel*>(cast<T>(m))->list_item(position); },
                           (gpointer) nullptr);
        };
    }
};
TARVELIN_EXPORT void items_changed(const Object& self, guint position, guint removed, guint added);


}  // namespace tarvelin::gobj
