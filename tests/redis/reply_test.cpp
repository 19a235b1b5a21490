// Reply conversion on hand-built replies (RESP3 types included: hiredis 0.14 never
// produces them), command splitting, the error interface and the reader's answers.
#include <gtest/gtest.h>

#include <tarvelin/providers/redis.h>

#include <cstring>

#include "providers/contracts/face_reader.hpp"
#include "support/driver_checks.hpp"
#include "providers/supports/redis/command.hpp"
#include "providers/supports/redis/provider.hpp"
#include "providers/supports/redis/reader.hpp"
#include "providers/supports/redis/reply.hpp"
#include "providers/gobj/call.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using RV = providers::contracts::IDataReader::Vtable;
using namespace tarvelin::providers::supports::redis;

namespace {

// A reply of a type and text or integer; elements are borrowed.
redisReply make(int type, const char* text = nullptr, long long integer = 0) {
    redisReply r{};
    r.type = type;
    r.integer = integer;
    r.str = const_cast<char*>(text);
    r.len = text ? std::strlen(text) : 0;
    return r;
}

std::string dump(const std::optional<SimpleValue>& v) { return v ? v->value->dump() : "(not simple)"; }

}  // namespace

TEST(RedisReply, SimpleValuesOfEveryReplyType) {
    struct Case {
        redisReply reply;
        const char* dump;
        DataType type;
    } cases[] = {
        {make(kReplyString, "text"), "TarvelinProvidersContractsValueString => text",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
        {make(kReplyStatus, "OK"), "TarvelinProvidersContractsValueString => OK",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
        {make(kReplyBigNumber, "3492890328409238509324850943850943825024385"),
         "TarvelinProvidersContractsValueString => 3492890328409238509324850943850943825024385",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
        {make(kReplyVerbatim, "txt:Some string"), "TarvelinProvidersContractsValueString => txt:Some string",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
        {make(kReplyInteger, nullptr, -7), "TarvelinProvidersContractsValueInt64 => -7",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64},
        {make(kReplyNil), "TarvelinProvidersContractsValueNull => ", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL},
        {make(kReplyDouble, "3.25"), "TarvelinProvidersContractsValueDouble => 3.250000",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE},
        {make(kReplyBool, nullptr, 1), "TarvelinProvidersContractsValueBoolean => true",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
        {make(kReplyBool, nullptr, 0), "TarvelinProvidersContractsValueBoolean => false",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
    };
    for (const Case& c : cases) {
        auto v = simple_value(c.reply);
        EXPECT_EQ(dump(v), c.dump);
        if (v) {
            EXPECT_EQ(v->data_type, c.type) << c.dump;
        }
    }
    // A bulk string keeps embedded NUL bytes.
    redisReply binary = make(kReplyString, "a\0b");
    binary.len = 3;
    auto v = simple_value(binary);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->value->to_string(), std::string("a\0b", 3));
    for (int type : {kReplyArray, kReplyError, kReplyMap, kReplySet, kReplyAttribute, kReplyPush, 99})
        EXPECT_FALSE(simple_value(make(type, "x"))) << type;
}

TEST(RedisReply, AggregatesGiveOneRowPerSimpleElement) {
    test::LogCapture log;
    redisReply key = make(kReplyString, "key"), number = make(kReplyInteger, nullptr, 5),
               flag = make(kReplyBool, nullptr, 1), nested = make(kReplyArray);
    redisReply* map_elements[] = {&key, &number, &nested, nullptr, &flag};
    for (int type : {kReplyArray, kReplyMap, kReplySet, kReplyPush}) {
        SCOPED_TRACE(type);
        log.clear();
        redisReply aggregate = make(type);
        aggregate.elements = std::size(map_elements);
        aggregate.element = map_elements;
        auto model = model_of(aggregate);
        ASSERT_EQ(model->get_columns().size(), 1);
        EXPECT_EQ(model->get_columns().at(0)->get_name().value_or(""), "values");
        // The last converted element decides the type; nested and missing ones are skipped.
        EXPECT_EQ(model->get_columns().at(0)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN);
        ASSERT_EQ(model->get_rows().size(), 3);
        EXPECT_EQ(model->get_value_at(0, 1)->dump(), "TarvelinProvidersContractsValueInt64 => 5");
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "reply != NULL"), 1);
    }
    redisReply empty = make(kReplyArray);
    auto model = model_of(empty);
    EXPECT_EQ(model->get_columns().at(0)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_EQ(model->get_rows().size(), 0);
}

TEST(RedisCommand, SplitsLikeTheCommandLineClient) {
    struct Case {
        const char* text;
        std::vector<std::string> args;
    } cases[] = {
        {"PING", {"PING"}},
        {"  SET  k   v  ", {"SET", "k", "v"}},
        {"SET k \"two words\"", {"SET", "k", "two words"}},
        {"SET k 'it\\'s'", {"SET", "k", "it's"}},
        {"SET k \"a\\\"b\\\\c\\n\\x41\"", {"SET", "k", "a\"b\\c\nA"}},
        {"SET k \"%s%n\"", {"SET", "k", "%s%n"}},
        {"SET k \"\"", {"SET", "k", ""}},
        {"a\"b c\"", {"ab c"}},
    };
    for (const Case& c : cases) EXPECT_EQ(split_command(c.text), c.args) << c.text;
    for (const char* bad : {"", "  \t ", "GET \"open", "GET 'open", "GET \"a\"b"}) {
        try {
            split_command(bad);
            ADD_FAILURE() << "no error for [" << bad << "]";
        } catch (const gobj::Error& e) {
            EXPECT_TRUE(e.matches("Redis"));
            EXPECT_EQ(e.code(), -1);
        }
    }
}

TEST(IRedisError, RaisesForFailedContextsAndErrorReplies) {
    test::LogCapture log;
    auto provider = RedisProvider::create();
    auto* self = reinterpret_cast<TarvelinProvidersSupportsIRedisError*>(provider.instance());
    redisContext context{};
    context.err = REDIS_ERR_IO;
    std::strcpy(context.errstr, "Connection refused");

    auto response = [&](redisContext* c, int code) {
        GError* e = nullptr;
        tarvelin_providers_supports_iredis_error_raise_error_response(self, c, code, &e);
        return test::describe(e);
    };
    EXPECT_EQ(response(&context, -1), "Redis -1 1 : Connection refused");
    EXPECT_EQ(response(&context, 0), "(none)");
    EXPECT_EQ(response(&context, -2), "(none)");
    EXPECT_EQ(response(nullptr, -1), "(none)");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "context != NULL"));

    auto reply_error = [&](redisContext* c, redisReply* r) {
        GError* e = nullptr;
        tarvelin_providers_supports_iredis_error_raise_error_reply(self, c, r, &e);
        return test::describe(e);
    };
    redisReply error = make(kReplyError, "ERR bad"), ok = make(kReplyStatus, "OK");
    EXPECT_EQ(reply_error(&context, &error), "Redis -2 6 : ERR bad");
    EXPECT_EQ(reply_error(&context, &ok), "(none)");
    log.clear();
    EXPECT_EQ(reply_error(&context, nullptr), "(none)");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "reply != NULL"));
    EXPECT_EQ(reply_error(nullptr, &error), "(none)");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "context != NULL"));
}

TEST(RedisReader, GivesItsFixedAnswers) {
    auto* reader = tarvelin_providers_supports_redis_reader_new();
    ASSERT_NE(reader, nullptr);
    gpointer r = reader;
    auto* c = static_cast<TarvelinProvidersContractsIDataReader*>(r);
    GError* e = nullptr;
    EXPECT_FALSE(gobj::call<&RV::read>(r));
    EXPECT_FALSE(gobj::call<&RV::is_null>(r, 0));
    EXPECT_FALSE(gobj::call<&RV::get_is_closed>(r));
    EXPECT_EQ(gobj::call<&RV::get_field_count>(r), 0);
    EXPECT_EQ(gobj::call<&RV::get_size>(r, 3), 0u);
    EXPECT_EQ(gobj::call<&RV::get_data_type>(r, 0), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_EQ(gobj::call<&RV::get_name>(r, 0), "");
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_int32(c, 0, &e), 0);
    EXPECT_DOUBLE_EQ(tarvelin_providers_contracts_idata_reader_get_double(c, 0, &e), 0.0);
    gchar* text = tarvelin_providers_contracts_idata_reader_get_guid(c, 0, &e);
    EXPECT_STREQ(text, "");
    g_free(text);
    gint length = -1;
    guint8* bytes = tarvelin_providers_contracts_idata_reader_get_binary(c, 0, &length, &e);
    EXPECT_EQ(length, 0);
    g_free(bytes);
    GDate date;
    g_date_set_dmy(&date, 1, G_DATE_JANUARY, 2000);
    tarvelin_providers_contracts_idata_reader_get_date(c, 0, &date, &e);
    EXPECT_FALSE(g_date_valid(&date));
    GDateTime* before = g_date_time_new_now_local();
    GDateTime* now = tarvelin_providers_contracts_idata_reader_get_datetime(c, 0, &e);
    ASSERT_NE(now, nullptr);
    EXPECT_GE(g_date_time_difference(now, before), 0);
    g_date_time_unref(now);
    g_date_time_unref(before);
    // A STRING column of the default get_value reads get_string: the empty text.
    EXPECT_EQ(gobj::call<&RV::get_value>(r, 0)->dump(), "TarvelinProvidersContractsValueString => ");
    EXPECT_EQ(e, nullptr);
    g_object_unref(reader);
}
