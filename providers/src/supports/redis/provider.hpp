// The Redis provider over hiredis. Thread-safe: one lock serialises every use of the
// context (hiredis is not thread-safe); get_is_opened answers without it.
#pragma once

#include <hiredis/hiredis.h>

#include <atomic>
#include <mutex>

#include "providers/contracts/face_provider.hpp"
#include "providers/supports/redis/error.hpp"

namespace tarvelin::providers::supports::redis {

using ReplyPtr = gobj::Owned<redisReply, &freeReplyObject>;

class TARVELIN_EXPORT RedisProvider : public gobj::Object, public IRedisError, public contracts::IProvider {
public:
    static GType gtype();
    static gobj::Ref<RedisProvider> create(GType type = gtype());
    ~RedisProvider() override;

    void open(contracts::Server& server, const std::string& connection_string) override;
    void close() override;
    gobj::Ref<contracts::TableModel> execute_model(const std::string& statement, bool flag) override;
    // The integer of an integer reply, the element count of an array, 0 for nil, else 1.
    gint64 execute_affect(const std::string& statement, bool flag) override;
    // The reply's value; of an array, its first simple element (ValueNull when none).
    gobj::Ref<contracts::ValueObject> execute_scalar(const std::string& statement, bool flag) override;
    // One element: the reply's value, or a GeeArrayList of the values of its elements.
    std::vector<gobj::Ref<gobj::Object>> execute_statements(const std::string& statements, bool flag) override;
    // A RedisReader; nothing is sent.
    gobj::Ref<contracts::IDataReader> execute_reader(const std::string& statement) override;
    // Redis has no transactions of this kind: FALSE, and nothing to commit or roll back.
    bool transaction() override { return false; }
    void commit() override {}
    void rollback() override {}
    // TRUE while there is a context without an error.
    bool get_is_opened() override;

    // Only while the caller keeps other threads off the provider.
    redisContext* context() const { return context_; }

private:
    // Sends the command and returns its reply; an error reply is raised.
    ReplyPtr send(const std::string& statement);

    std::recursive_mutex mutex_;
    redisContext* context_ = nullptr;
    // Kept by open, close and failed commands, so a poll never waits for a command.
    std::atomic<bool> opened_ = false;
};

}  // namespace tarvelin::providers::supports::redis

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsRedisProvider, tarvelin::providers::supports::redis::RedisProvider)
