// TdsMessage (a fundamental type), TdsUserData (boxed) and the "TDSDB" error a failing
// db-lib return code becomes, through the C face.
#include <gtest/gtest.h>

#include <tarvelin/providers/sqlserver.h>

#include "providers/supports/sqlserver/provider.hpp"
#include "providers/supports/sqlserver/tds_message.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::supports::sqlserver;

TEST(TdsMessage, IsAReferenceCountedFundamentalWithCopiedTexts) {
    GType t = g_type_from_name("TarvelinProvidersSupportsTdsMessage");
    ASSERT_EQ(t, TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_MESSAGE);
    EXPECT_TRUE(G_TYPE_IS_FUNDAMENTAL(t));
    EXPECT_TRUE(G_TYPE_IS_CLASSED(t));
    EXPECT_TRUE(G_TYPE_IS_INSTANTIATABLE(t));
    EXPECT_TRUE(G_TYPE_IS_DERIVABLE(t));
    EXPECT_TRUE(G_TYPE_IS_DEEP_DERIVABLE(t));

    TarvelinProvidersSupportsTdsMessage* m = tarvelin_providers_supports_tds_message_new();
    EXPECT_EQ(m->ref_count, 1);
    EXPECT_EQ(tarvelin_providers_supports_tds_message_get_error(m), 0);
    EXPECT_EQ(tarvelin_providers_supports_tds_message_get_severity(m), 0);
    EXPECT_STREQ(tarvelin_providers_supports_tds_message_get_source(m), "");
    EXPECT_STREQ(tarvelin_providers_supports_tds_message_get_message(m), "");

    char text[] = "Invalid object name";
    tarvelin_providers_supports_tds_message_set_error(m, 208);
    tarvelin_providers_supports_tds_message_set_severity(m, 16);
    tarvelin_providers_supports_tds_message_set_source(m, "message");
    tarvelin_providers_supports_tds_message_set_message(m, text);
    text[0] = 'X';  // the message holds its own copy
    EXPECT_EQ(tarvelin_providers_supports_tds_message_get_error(m), 208);
    EXPECT_EQ(tarvelin_providers_supports_tds_message_get_severity(m), 16);
    EXPECT_STREQ(tarvelin_providers_supports_tds_message_get_source(m), "message");
    EXPECT_STREQ(tarvelin_providers_supports_tds_message_get_message(m), "Invalid object name");
    tarvelin_providers_supports_tds_message_set_message(m, nullptr);
    EXPECT_EQ(tarvelin_providers_supports_tds_message_get_message(m), nullptr);

    EXPECT_EQ(tarvelin_providers_supports_tds_message_ref(m), m);
    EXPECT_EQ(m->ref_count, 2);
    tarvelin_providers_supports_tds_message_unref(m);
    EXPECT_EQ(m->ref_count, 1);

    // In a GValue: set adds a reference, take adopts one, get borrows.
    GValue v = G_VALUE_INIT;
    g_value_init(&v, t);
    tarvelin_providers_supports_value_set_tds_message(&v, m);
    EXPECT_EQ(m->ref_count, 2);
    EXPECT_EQ(tarvelin_providers_supports_value_get_tds_message(&v), m);
    tarvelin_providers_supports_value_take_tds_message(&v, tarvelin_providers_supports_tds_message_ref(m));
    EXPECT_EQ(m->ref_count, 2);
    g_value_unset(&v);
    EXPECT_EQ(m->ref_count, 1);

    GParamSpec* spec = tarvelin_providers_supports_param_spec_tds_message("message", "message", "message", t,
                                                                            G_PARAM_READWRITE);
    ASSERT_NE(spec, nullptr);
    EXPECT_EQ(spec->value_type, t);
    g_param_spec_ref_sink(spec);
    g_param_spec_unref(spec);
    tarvelin_providers_supports_tds_message_unref(m);

    auto* derived = tarvelin_providers_supports_tds_message_construct(t);
    EXPECT_TRUE(TARVELIN_PROVIDERS_SUPPORTS_IS_TDS_MESSAGE(derived));
    tarvelin_providers_supports_tds_message_unref(derived);
}

TEST(TdsUserData, CopiesShareTheQueueAndDropTheOldOne) {
    auto provider = SQLServerProvider::create();
    TdsUserData* own = provider->get_userdata();
    ASSERT_NE(own->messages, nullptr);
    EXPECT_EQ(G_OBJECT(own->messages)->ref_count, 1u);
    own->failed = TRUE;
    own->dead = TRUE;

    // Through the boxed type, as a host would copy it.
    auto* dup = static_cast<TdsUserData*>(g_boxed_copy(TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_USER_DATA, own));
    EXPECT_EQ(dup->messages, own->messages);
    EXPECT_EQ(G_OBJECT(own->messages)->ref_count, 2u);
    EXPECT_TRUE(dup->failed);
    EXPECT_TRUE(dup->dead);
    EXPECT_FALSE(dup->timed_out);

    TdsUserData other{};
    reset_user_data(other);
    GeeArrayQueue* old = other.messages;
    g_object_ref(old);
    tarvelin_providers_supports_tds_user_data_copy(own, &other);
    EXPECT_EQ(other.messages, own->messages);
    EXPECT_EQ(G_OBJECT(old)->ref_count, 1u);  // the queue it held before was dropped
    g_object_unref(old);
    EXPECT_EQ(G_OBJECT(own->messages)->ref_count, 3u);
    tarvelin_providers_supports_tds_user_data_copy(own, own);  // onto itself: nothing lost
    EXPECT_EQ(G_OBJECT(own->messages)->ref_count, 3u);

    tarvelin_providers_supports_tds_user_data_destroy(&other);
    EXPECT_EQ(other.messages, nullptr);
    g_boxed_free(TARVELIN_PROVIDERS_SUPPORTS_TYPE_TDS_USER_DATA, dup);
    EXPECT_EQ(G_OBJECT(own->messages)->ref_count, 1u);
}

TEST(ISQLServerError, FailingCodesBecomeTdsdbErrors) {
    auto provider = SQLServerProvider::create();
    auto* self = reinterpret_cast<TarvelinProvidersSupportsISQLServerError*>(provider.instance());
    TdsUserData& data = *provider->get_userdata();
    EXPECT_EQ(tarvelin_providers_supports_isql_server_error_get_userdata(self), &data);
    gpointer property = nullptr;
    g_object_get(provider.gobj(), "userdata", &property, nullptr);
    EXPECT_EQ(property, &data);

    auto raise = [&](int code) -> std::optional<std::tuple<std::string, int, std::string>> {
        GError* e = nullptr;
        tarvelin_providers_supports_isql_server_error_raise_error(self, code, &e);
        if (!e) return std::nullopt;
        std::tuple<std::string, int, std::string> r{g_quark_to_string(e->domain), e->code, e->message};
        g_error_free(e);
        return r;
    };
    using R = std::tuple<std::string, int, std::string>;
    // Success codes and anything but FAIL and BUF_FULL set nothing.
    for (int code : {1, 2, -1, -2, 4}) EXPECT_EQ(raise(code), std::nullopt) << code;
    // A failure with nothing queued still says what happened.
    EXPECT_EQ(raise(0), (R{"TDSDB", -1, "Fail occured"}));
    EXPECT_EQ(raise(-3), (R{"TDSDB", -1, "the buffer exceeded"}));

    queue_message(data, 547, 16, "message", "first");
    queue_message(data, 20018, 16, "SQL", nullptr);  // a NULL text adds nothing
    queue_message(data, 3621, 16, "message", "second");
    EXPECT_EQ(raise(0), (R{"TDSDB", 547, "first\nsecond\n"}));
    EXPECT_EQ(raise(-3), (R{"TDSDB", 547, "first\nsecond\n"}));
    EXPECT_EQ(message_count(data), 3);  // raising leaves the queue as it was

    // Without user data: code -1 and the fallback text.
    EXPECT_THROW(ISQLServerError::raise_error_for(nullptr, 0), gobj::Error);
    try {
        ISQLServerError::raise_error_for(nullptr, -3);
    } catch (const gobj::Error& e) {
        EXPECT_EQ(e.code(), -1);
        EXPECT_EQ(e.message(), "the buffer exceeded");
    }
}
