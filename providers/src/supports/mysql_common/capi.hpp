// Bodies of the exported functions both MySQL-family drivers share; each driver's
// C face checks its arguments and calls these.
#pragma once

#include <mysql.h>

#include "providers/gobj/bridge.hpp"
#include "providers/supports/mysql_common/error.hpp"
#include "providers/supports/mysql_common/type.hpp"

namespace tarvelin::providers::supports::mysql_common::capi {

template <class Provider, class C>
C* provider_construct(GType type) {
    return gobj::guarded(
        "provider_construct", [&] { return static_cast<C*>(Provider::create(type).release()); }, (C*)nullptr);
}

template <class Reader, class C>
C* reader_construct(GType type, MYSQL_RES* result) {
    return gobj::guarded(
        "reader_construct", [&] { return static_cast<C*>(Reader::create(result, type).release()); }, (C*)nullptr);
}

template <class Reader>
guint decimals_size(gpointer reader, guint16 ordinal) {
    return gobj::guarded(
        "get_decimals_size", [&] { return gobj::cast<Reader>(reader)->get_decimals_size(ordinal); }, 0u);
}

inline void raise_error(const Product& product, MYSQL* connection, gint result, GError** error) {
    gobj::capi(G_STRFUNC, error, [&] {
        mysql_common::raise_error(product, connection, result);
        return 0;
    });
}

inline gchar* dbms_type(guint field_type) { return gobj::dup_string(map_dbms_type(field_type)); }

}  // namespace tarvelin::providers::supports::mysql_common::capi
