#include "providers/supports/sqlserver/tds_user_data.hpp"

#include <utility>

#include "providers/gobj/gee.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/sqlserver/tds_message.hpp"

TARVELIN_LOG_TAG("tds_user_data")

namespace tarvelin::providers::supports::sqlserver {

GType tds_user_data_gtype() {
    static const GType t = gobj::register_boxed(
        "TarvelinProvidersSupportsTdsUserData",
        reinterpret_cast<GBoxedCopyFunc>(&dup_user_data), reinterpret_cast<GBoxedFreeFunc>(&free_user_data));
    return t;
}

void copy_user_data(const TdsUserData* self, TdsUserData* dest) {
    // Take the new reference before dropping the old one: self and dest may share the queue.
    GeeArrayQueue* shared = self->messages ? static_cast<GeeArrayQueue*>(g_object_ref(self->messages)) : nullptr;
    GeeArrayQueue* old = dest->messages;
    *dest = *self;
    dest->messages = shared;
    if (old) g_object_unref(old);
}

TdsUserData* dup_user_data(const TdsUserData* self) {
    auto* dup = static_cast<TdsUserData*>(g_malloc0(sizeof(TdsUserData)));
    copy_user_data(self, dup);
    return dup;
}

void destroy_user_data(TdsUserData* self) {
    if (self->messages) g_object_unref(std::exchange(self->messages, nullptr));
}

void free_user_data(TdsUserData* self) {
    destroy_user_data(self);
    g_free(self);
}
[[maybe_unused]] static const GType tarvelin_registered_TdsUserData = tds_user_data_gtype();

void reset_user_data(TdsUserData& data) {
    GeeArrayQueue* old = data.messages;
    data = TdsUserData{};
    data.messages = gee_array_queue_new(TdsMessage::gtype(), &gobj::detail::fundamental_dup,
                                        &gobj::fundamental_unref, nullptr, nullptr, nullptr);
    if (old) g_object_unref(old);
}

void queue_message(TdsUserData& data, gint32 error, gint32 severity, const char* source, const char* text) {
    if (!data.messages) return;
    auto m = TdsMessage::create();
    m->set_error(error);
    m->set_severity(severity);
    m->set_source(source);
    m->set_message(text);
    gee_queue_offer(GEE_QUEUE(data.messages), m.instance());
}

void clear_messages(TdsUserData& data) {
    if (data.messages) gee_collection_clear(GEE_COLLECTION(data.messages));
}

int message_count(const TdsUserData& data) {
    return data.messages ? gee_collection_get_size(GEE_COLLECTION(data.messages)) : 0;
}

}  // namespace tarvelin::providers::supports::sqlserver
