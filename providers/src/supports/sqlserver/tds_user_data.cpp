#include "providers/supports/sqlserver/tds_user_data.hpp"

#include "providers/gobj/gee.hpp"
#include "providers/supports/sqlserver/tds_message.hpp"

TARVELIN_LOG_TAG("tds_user_data")

namespace tarvelin::providers::supports::sqlserver {

GType tds_user_data_gtype() {
    static const GType t = gobj::register_boxed(
        "TarvelinProvidersSupportsTdsUserData",
        reinterpret_cast<GBoxedCopyFunc>(&tarvelin_providers_supports_tds_user_data_dup),
        reinterpret_cast<GBoxedFreeFunc>(&tarvelin_providers_supports_tds_user_data_free));
    return t;
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
