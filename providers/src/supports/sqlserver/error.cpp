#include "providers/supports/sqlserver/error.hpp"

#include <gee.h>

#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/sqlserver/tds_message.hpp"

TARVELIN_LOG_TAG("sql_server_error")

namespace tarvelin::providers::supports::sqlserver {

TARVELIN_INTERFACE_GTYPE(ISQLServerError, "TarvelinProvidersSupportsISQLServerError", G_TYPE_OBJECT)

void ISQLServerError::describe(gobj::InterfaceSpec<ISQLServerError>& spec) {
    spec.property<&ISQLServerError::get_userdata>(gobj::pspec::pointer("userdata", gobj::kRead));
}

void raise_no_connection() { throw gobj::Error("TDSDB", 20109, "NULL DBPROCESS pointer passed to DB-Library."); }

void ISQLServerError::raise_error_of(gpointer instance, int code) {
    raise_error_for(gobj::call<&Vtable::get_userdata>(instance), code);
}

void ISQLServerError::raise_error_for(const TdsUserData* data, int code) {
    if (code != kDbFail && code != kDbBufFull) return;
    const char* fallback = code == kDbFail ? "Fail occured" : "the buffer exceeded";
    // Without reports the failure still says what happened.
    if (!data || message_count(*data) == 0) throw gobj::Error("TDSDB", -1, fallback);

    std::string text;
    gint32 first = 0;
    bool have_first = false;
    GeeIterator* it = gee_iterable_iterator(GEE_ITERABLE(data->messages));
    while (gee_iterator_next(it)) {
        auto m = gobj::Ref<TdsMessage>::adopt(gee_iterator_get(it));
        if (!m) continue;
        if (!have_first) {
            first = m->get_error();
            have_first = true;
        }
        if (const char* t = m->get_message()) {
            text += t;
            text += '\n';
        }
    }
    g_object_unref(it);
    throw gobj::Error("TDSDB", first, std::move(text));
}

}  // namespace tarvelin::providers::supports::sqlserver
