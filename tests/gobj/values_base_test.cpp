// The general value classes through both faces.
#include <gtest/gtest.h>

#include "providers/contracts/value_object.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

namespace {
std::string text_of(gchar* s) { return gobj::take_string(s); }
}  // namespace

TEST(ValueBase, PlainValueObjectDefaults) {
    auto* v = tarvelin_providers_contracts_value_object_new();
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), "");
    EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(v), "UNKNOWN");
    EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(v), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_FALSE(tarvelin_providers_contracts_value_object_get_is_null(v));
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_dump(v)), "TarvelinProvidersContractsValueObject => ");
    GValue gv = G_VALUE_INIT;
    tarvelin_providers_contracts_value_object_to_value(v, &gv);
    ASSERT_TRUE(G_VALUE_HOLDS_STRING(&gv));
    EXPECT_STREQ(g_value_get_string(&gv), "");
    g_value_unset(&gv);
    g_object_unref(v);
}

TEST(ValueBase, NullValue) {
    auto n = ValueNull::create();
    EXPECT_EQ(n->to_string(), "");
    EXPECT_TRUE(n->get_is_null());
    EXPECT_EQ(n->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL);
    GValue gv = G_VALUE_INIT;
    n->to_value(&gv);
    EXPECT_STREQ(g_value_get_string(&gv), "NULL");
    g_value_unset(&gv);
    gchar* its = nullptr;
    gchar* name = nullptr;
    gboolean is_null = FALSE;
    int dt = 0;
    g_object_get(n.gobj(), "itsvalue", &its, "name", &name, "is-null", &is_null, "data-type", &dt, nullptr);
    EXPECT_STREQ(its, "NULL");
    EXPECT_STREQ(name, "NULL");
    EXPECT_TRUE(is_null);
    EXPECT_EQ(dt, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL);
    g_free(its);
    g_free(name);
    auto c = n->clone();
    EXPECT_EQ(c->type(), ValueNull::gtype());
    EXPECT_NE(c.gobj(), n.gobj());
}

TEST(ValueBase, ErrorValueKeepsPercentSigns) {
    struct Case {
        gint32 code;
        const char* message;
        const char* text;
    } cases[] = {{-1, "No data returned.", "-1:No data returned."}, {5, "50%s done", "5:50%s done"}, {0, "", "0:"}};
    for (const auto& c : cases) {
        auto* e = tarvelin_providers_contracts_value_error_new(c.code, c.message);
        auto* v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(e);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), c.text);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_error_get_itsvalue(e)), c.text);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_dump(v)),
                  std::string("TarvelinProvidersContractsValueError => ") + c.text);
        GValue gv = G_VALUE_INIT;
        tarvelin_providers_contracts_value_object_to_value(v, &gv);
        auto* err = static_cast<GError*>(g_value_get_boxed(&gv));
        EXPECT_EQ(err->domain, g_quark_from_string("SQL"));
        EXPECT_EQ(err->code, c.code);
        EXPECT_STREQ(err->message, c.message);
        g_value_unset(&gv);
        auto* copy = tarvelin_providers_contracts_value_object_clone(v);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), c.text);
        g_object_unref(copy);
        g_object_unref(e);
    }
}

TEST(ValueBase, MissingArgumentsLogTheCondition) {
    struct Case {
        std::function<void()> call;
        const char* condition;
    } cases[] = {
        {[] { EXPECT_EQ(tarvelin_providers_contracts_value_error_new(1, nullptr), nullptr); }, "message != NULL"},
        {[] { EXPECT_EQ(tarvelin_providers_contracts_value_object_to_string(nullptr), nullptr); }, "self != NULL"},
        {[] { EXPECT_FALSE(tarvelin_providers_contracts_ivalue_get_is_null(nullptr)); }, "self != NULL"},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        c.call();
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(c.condition), std::string::npos) << err;
    }
}

TEST(ValueBase, InterfaceDispatchMatchesClassOperations) {
    auto e = ValueError::create(3, "x");
    auto* iv = TARVELIN_PROVIDERS_CONTRACTS_IVALUE(e.gobj());
    EXPECT_EQ(text_of(tarvelin_providers_contracts_ivalue_to_string(iv)), "3:x");
    EXPECT_STREQ(tarvelin_providers_contracts_ivalue_get_name(iv), "error");
    EXPECT_EQ(tarvelin_providers_contracts_ivalue_get_data_type(iv), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR);
    auto* c = tarvelin_providers_contracts_ivalue_clone(iv);
    EXPECT_EQ(G_OBJECT_TYPE(c), ValueError::gtype());
    g_object_unref(c);
}
