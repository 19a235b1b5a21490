#include "rezezadovu/supports/log/logger.hpp"

#include "rezezadovu/supports/log/handler_file_temp.hpp"

TARVELIN_LOG_TAG("logger")

namespace tarvelin::rezezadovu::supports::log {

TARVELIN_GTYPE(Logger, "TarvelinRezezadovuSupportsLogLogger", gobj::Object, contracts::log::ILogger)

using Handler = TarvelinRezezadovuContractsLogILogHandler;
using HandlerVtable = TarvelinRezezadovuContractsLogILogHandlerInterface;

namespace {
gpointer object_ref(gpointer p) { return g_object_ref(p); }
}  // namespace

Logger::Logger()
    : handlers_(gobj::GPtr<GeeHashSet>::adopt(gee_hash_set_new(contracts::log::ILogHandler::gtype(), &object_ref,
                                                               g_object_unref, nullptr, nullptr, nullptr, nullptr,
                                                               nullptr, nullptr))) {}

gobj::Ref<Logger> Logger::construct(GType type, const std::string& t_uuid) {
    auto logger = gobj::create<Logger>(type);
    logger->uuid_ = t_uuid;
    return logger;
}

void Logger::initialize(const char* t_server, const char* t_name) {
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

void Logger::publish(LogLevel level, const char* t_server, const char* t_name, const gobj::VaText& text) {
    std::lock_guard guard(lock_);
    // A copy of the set: a handler may add or remove handlers while it publishes.
    for (const auto& handler : snapshot()) gobj::call<&HandlerVtable::publish>(handler.get(), level, t_server, t_name, text);
}

void Logger::error(const char* s, const char* n, gobj::VaText t) { publish(contracts::log::kRisky, s, n, t); }
void Logger::critical(const char* s, const char* n, gobj::VaText t) { publish(contracts::log::kRisky, s, n, t); }
void Logger::warning(const char* s, const char* n, gobj::VaText t) { publish(contracts::log::kRisky, s, n, t); }
void Logger::message(const char* s, const char* n, gobj::VaText t) { publish(contracts::log::kPlain, s, n, t); }
void Logger::info(const char* s, const char* n, gobj::VaText t) { publish(contracts::log::kPlain, s, n, t); }
void Logger::debug(const char* s, const char* n, gobj::VaText t) { publish(contracts::log::kDebug, s, n, t); }

void Logger::append_handler(Handler* handler) {
    std::lock_guard guard(lock_);
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(handlers_.get()), handler);
}

void Logger::delete_handler(Handler* handler) {
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
            return gobj::call<&HandlerVtable::recent>(handler.get(), reserved);
        }
    }
    return {};
}

void Logger::close() {
    std::lock_guard guard(lock_);
    for (const auto& handler : snapshot()) gobj::call<&HandlerVtable::close>(handler.get());
    gee_abstract_collection_clear(GEE_ABSTRACT_COLLECTION(handlers_.get()));
}

}  // namespace tarvelin::rezezadovu::supports::log
