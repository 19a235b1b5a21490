#include "providers/supports/redis/provider.hpp"

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/redis/command.hpp"
#include "providers/supports/redis/reader.hpp"
#include "providers/supports/redis/reply.hpp"

TARVELIN_LOG_TAG("provider")

namespace tarvelin::providers::supports::redis {

using namespace tarvelin::providers::contracts;
using Lock = std::lock_guard<std::recursive_mutex>;

TARVELIN_GTYPE(RedisProvider, "TarvelinProvidersSupportsRedisProvider", gobj::Object, IRedisError,
               contracts::IProvider)

gobj::Ref<RedisProvider> RedisProvider::create(GType type) { return gobj::create<RedisProvider>(type); }

RedisProvider::~RedisProvider() {
    if (context_) redisFree(std::exchange(context_, nullptr));
}

void RedisProvider::open(Server& server, const std::string&) {
    Lock lock(mutex_);
    opened_ = false;
    redisContext* fresh = redisConnect(server.text_or_empty(Server::Text::host).c_str(), server.get_port());
    if (context_) redisFree(context_);
    context_ = fresh;
    if (!context_) throw gobj::Error("Redis", -1, _("Failed to connect server"));
    if (context_->err != 0) throw gobj::Error("Redis", context_->err, context_->errstr);
    opened_ = true;
}

void RedisProvider::close() {
    Lock lock(mutex_);
    opened_ = false;
    if (context_) redisFree(std::exchange(context_, nullptr));
}

bool RedisProvider::get_is_opened() { return opened_; }

ReplyPtr RedisProvider::send(const std::string& statement) {
    // Callers hold the lock for as long as they read the reply.
    if (!context_) throw gobj::Error("Redis", -1, _("Not connected to a server"));
    // Each argument travels as it is: the text is never a format string.
    std::vector<std::string> args = split_command(statement);
    std::vector<const char*> argv;
    std::vector<size_t> lengths;
    for (const std::string& a : args) {
        argv.push_back(a.data());
        lengths.push_back(a.size());
    }
    ReplyPtr reply(static_cast<redisReply*>(
        redisCommandArgv(context_, static_cast<int>(argv.size()), argv.data(), lengths.data())));
    // A failed context stays failed: the provider reads closed from now on.
    if (context_->err != 0) opened_ = false;
    // No reply: the connection failed (the context says how).
    if (!reply) throw gobj::Error("Redis", context_->err ? context_->err : -1, context_->errstr);
    raise_error_reply(context_, reply.get());
    return reply;
}

gobj::Ref<TableModel> RedisProvider::execute_model(const std::string& statement, bool) {
    Lock lock(mutex_);
    return model_of(*send(statement).get());
}

std::vector<gobj::Ref<gobj::Object>> RedisProvider::execute_statements(const std::string& statements, bool) {
    Lock lock(mutex_);
    ReplyPtr reply = send(statements);
    std::vector<gobj::Ref<gobj::Object>> out;
    if (auto v = simple_value(*reply.get())) {
        out.emplace_back(v->value);
    } else {
        // A GeeArrayList is a plain GObject: the reference is only handed on.
        ElementValues elements = element_values(*reply.get());
        out.push_back(gobj::Ref<gobj::Object>::adopt(g_object_ref(elements.values.list())));
    }
    return out;
}

gint64 RedisProvider::execute_affect(const std::string& statement, bool) {
    Lock lock(mutex_);
    ReplyPtr reply = send(statement);
    switch (reply->type) {
        case kReplyInteger: return reply->integer;
        case kReplyNil: return 0;
        case kReplyArray:
        case kReplyMap:
        case kReplySet:
        case kReplyPush: return static_cast<gint64>(reply->elements);
        default: return 1;
    }
}

gobj::Ref<ValueObject> RedisProvider::execute_scalar(const std::string& statement, bool) {
    Lock lock(mutex_);
    ReplyPtr reply = send(statement);
    if (auto v = simple_value(*reply.get())) return v->value;
    ElementValues elements = element_values(*reply.get());
    if (elements.values.empty()) return ValueNull::create();
    return elements.values.at(0);
}

gobj::Ref<IDataReader> RedisProvider::execute_reader(const std::string&) { return RedisReader::create(); }

}  // namespace tarvelin::providers::supports::redis
