// C face of the progress record. The GValue functions state their checks with the
// record's type macro, as the record's documentation names them, then hand over to the
// bridge's fundamental-value support.
#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/invoke.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"

TARVELIN_LOG_TAG("thread_progress_capi")

using namespace tarvelin;
using tarvelin::rezezadovu::contracts::ThreadProgress;
using CProgress = TarvelinRezezadovuContractsThreadProgress;

static_assert(sizeof(TarvelinRezezadovuContractsThreadProgressClass) == sizeof(gobj::FundamentalClass));

namespace {

bool value_holds_record(const char* where, const GValue* value) {
    if (G_TYPE_CHECK_VALUE_TYPE(value, ThreadProgress::gtype())) return true;
    gobj::precondition_failed(where, "G_TYPE_CHECK_VALUE_TYPE (value, TARVELIN_REZEZADOVU_CONTRACTS_TYPE_THREAD_PROGRESS)");
    return false;
}

// A record given for the value: of the record's type and of one the value can hold.
bool record_fits(const char* where, const GValue* value, gpointer v_object) {
    if (!v_object) return true;
    if (!G_TYPE_CHECK_INSTANCE_TYPE(v_object, ThreadProgress::gtype())) {
        gobj::precondition_failed(where,
                                  "G_TYPE_CHECK_INSTANCE_TYPE (v_object, TARVELIN_REZEZADOVU_CONTRACTS_TYPE_THREAD_PROGRESS)");
        return false;
    }
    if (!g_value_type_compatible(G_TYPE_FROM_INSTANCE(v_object), G_VALUE_TYPE(value))) {
        gobj::precondition_failed(where, "g_value_type_compatible (G_TYPE_FROM_INSTANCE (v_object), G_VALUE_TYPE (value))");
        return false;
    }
    return true;
}

}  // namespace

extern "C" {

GType tarvelin_rezezadovu_contracts_thread_progress_get_type(void) { return ThreadProgress::gtype(); }

CProgress* tarvelin_rezezadovu_contracts_thread_progress_construct(GType object_type) {
    return gobj::invoke<&ThreadProgress::create>(G_STRFUNC, object_type);
}
CProgress* tarvelin_rezezadovu_contracts_thread_progress_new(void) {
    return gobj::invoke<&ThreadProgress::create>(G_STRFUNC, ThreadProgress::gtype());
}
gpointer tarvelin_rezezadovu_contracts_thread_progress_ref(gpointer instance) { return gobj::fundamental_ref(instance); }
void tarvelin_rezezadovu_contracts_thread_progress_unref(gpointer instance) { gobj::fundamental_unref(instance); }

void tarvelin_rezezadovu_contracts_thread_progress_snapshot(CProgress* self, gint64* processed, gint64* succeeded,
                                                            gint64* failed, gint64* elapsed, gboolean* finished) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ThreadProgress::read>(G_STRFUNC, self, processed, succeeded, failed, elapsed, finished);
}
gchar* tarvelin_rezezadovu_contracts_thread_progress_pop_message(CProgress* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ThreadProgress::pop_message>(G_STRFUNC, self);
}

GParamSpec* tarvelin_rezezadovu_contracts_param_spec_thread_progress(const gchar* name, const gchar* nick,
                                                                     const gchar* blurb, GType object_type,
                                                                     GParamFlags flags) {
    if (!TARVELIN_REQUIRE(g_type_is_a(object_type, ThreadProgress::gtype()),
                          "g_type_is_a (object_type, TARVELIN_REZEZADOVU_CONTRACTS_TYPE_THREAD_PROGRESS)"))
        return NULL;
    return gobj::fundamental_param_spec(ThreadProgress::gtype(), name, nick, blurb, object_type, flags);
}

void tarvelin_rezezadovu_contracts_value_set_thread_progress(GValue* value, gpointer v_object) {
    if (!value_holds_record(G_STRFUNC, value) || !record_fits(G_STRFUNC, value, v_object)) return;
    gobj::fundamental_value_set(value, ThreadProgress::gtype(), v_object);
}

void tarvelin_rezezadovu_contracts_value_take_thread_progress(GValue* value, gpointer v_object) {
    if (!value_holds_record(G_STRFUNC, value) || !record_fits(G_STRFUNC, value, v_object)) return;
    gobj::fundamental_value_take(value, ThreadProgress::gtype(), v_object);
}

gpointer tarvelin_rezezadovu_contracts_value_get_thread_progress(const GValue* value) {
    if (!value_holds_record(G_STRFUNC, value)) return NULL;
    return gobj::fundamental_value_get(value, ThreadProgress::gtype());
}

}  // extern "C"
