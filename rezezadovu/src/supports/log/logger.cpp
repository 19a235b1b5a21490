#include "rezezadovu/supports/log/logger.hpp"

#include "rezezadovu/supports/log/handler_file_temp.hpp"

TARVELIN_LOG_TAG("logger")

namespace tarvelin::rezezadovu::supports::log {

TARVELIN_GTYPE(Logger, "TarvelinRezezadovuSupportsLogLogger", gobj::Object, contracts::log::ILogger)

using Handler = TarvelinRezezadovuContractsLogILogHandler;

namespace {
gpointer object_ref(gpointer p) { return g_object_ref(p); }
}  // namespace

Logger::Logger()
    : handlers_(gobj::GPtr<GeeHashSet>::adopt(gee_hash_set_new(contracts::log::ILogHandler::gtype(), &object_ref,
                                                               g_object_unref, nullptr, nullptr, nullptr, nullptr,
                                                               nullptr, nullptr))) {}

gobj::Ref<Logger> Logger::create(const char* t_uuid, GType type) {
    g_return_val_if_fail(t_uuid != NULL, gobj::Ref<Logger>());
    auto logger = gobj::create<Logger>(type);
    logger->uuid_ = t_uuid;
    return logger;
}

void Logger::initialize(const char* t_server, const char* t_name) {
    g_return_if_fail(t_server != NULL);
    g_return_if_fail(t_name != NULL);
    std::lock_guard guard(lock_);
    server_ = t_server;
    name_ = t_name;
}

std::vector<gobj::GPtr<GObject>> Logger::snapshot() const {
    std::vector<gobj::GPtr<GObject>> out;
    auto it =
        gobj::GPtr<GeeIterator>::adopt(gee_abstract_collection_iterator(GEE_ABSTRACT_COLLECTION(handlers_.get())));
    while (gee_iterator_next(it.get())) out.push_back(gobj::GPtr<GObject>::adopt(G_OBJECT(gee_iterator_get(it.get()))));
    return out;
}

void Logger::publish(LogLevel level, const char* t_server, const char* t_name, const char* format, va_list args) {
    g_return_if_fail(t_server != NULL);
    g_return_if_fail(t_name != NULL);
    g_return_if_fail(format != NULL);
    std::lock_guard guard(lock_);
    // A copy of the set: a handler may add or remove handlers while it publishes.
    for (const auto& handler : snapshot()) {
        va_list copy;
        va_copy(copy, args);
        tarvelin_rezezadovu_contracts_log_ilog_handler_publish(reinterpret_cast<Handler*>(handler.get()), level,
                                                               t_server, t_name, format, copy);
        va_end(copy);
    }
}

void Logger::error(const char* s, const char* n, const char* f, va_list a) {
    publish(contracts::log::kRisky, s, n, f, a);
}
void Logger::critical(const char* s, const char* n, const char* f, va_list a) {
    publish(contracts::log::kRisky, s, n, f, a);
}
void Logger::warning(const char* s, const char* n, const char* f, va_list a) {
    publish(contracts::log::kRisky, s, n, f, a);
}
void Logger::message(const char* s, const char* n, const char* f, va_list a) {
    publish(contracts::log::kPlain, s, n, f, a);
}
void Logger::info(const char* s, const char* n, const char* f, va_list a) {
    publish(contracts::log::kPlain, s, n, f, a);
}
void Logger::debug(const char* s, const char* n, const char* f, va_list a) {
    publish(contracts::log::kDebug, s, n, f, a);
}

void Logger::append_handler(Handler* handler) {
    g_return_if_fail(handler != NULL);
    std::lock_guard guard(lock_);
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(handlers_.get()), handler);
}

void Logger::delete_handler(Handler* handler) {
    g_return_if_fail(handler != NULL);
    std::lock_guard guard(lock_);
    gee_abstract_collection_remove(GEE_ABSTRACT_COLLECTION(handlers_.get()), handler);
}

void Logger::remove_handler_all() {
    std::lock_guard guard(lock_);
    gee_abstract_collection_clear(GEE_ABSTRACT_COLLECTION(handlers_.get()));
}

GeeHashSet* Logger::get_handlers() { return static_cast<GeeHashSet*>(g_object_ref(handlers_.get())); }

std::string Logger::recent(gpointer reserved) {
    std::lock_guard guard(lock_);
    for (const auto& handler : snapshot()) {
        if (G_TYPE_CHECK_INSTANCE_TYPE(handler.get(), TempFileLogHandler::gtype())) {
            return gobj::take_string(tarvelin_rezezadovu_contracts_log_ilog_handler_recent(
                reinterpret_cast<Handler*>(handler.get()), reserved));
        }
    }
    return {};
}

void Logger::close() {
    std::lock_guard guard(lock_);
    for (const auto& handler : snapshot()) {
        tarvelin_rezezadovu_contracts_log_ilog_handler_close(reinterpret_cast<Handler*>(handler.get()));
    }
    gee_abstract_collection_clear(GEE_ABSTRACT_COLLECTION(handlers_.get()));
}

}  // namespace tarvelin::rezezadovu::supports::log
