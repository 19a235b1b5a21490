// Enumerated and spatial cells.
#include <tarvelin/providers/providers.h>

#include "providers/contracts/value_enum.hpp"
#include "providers/contracts/value_geometry.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using value_test::NotifyCounter;
using value_test::stderr_of;
using value_test::text_of;

TEST(EnumValues, ThreeClasses) {
    struct Case {
        gpointer value;
        const char* name;
        TarvelinProvidersContractsDataType type;
        const char* text;
    } cases[] = {
        {tarvelin_providers_contracts_value_enum_new("small"), "enum", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM,
         "small"},
        {tarvelin_providers_contracts_value_flags_new("a,b"), "flags", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS,
         "a,b"},
        {tarvelin_providers_contracts_value_set_new("x,y,z"), "set", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET, "x,y,z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(c.value);
        EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(v), c.name);
        EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(v), c.type);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), c.text);
        GValue gv = G_VALUE_INIT;
        tarvelin_providers_contracts_value_object_to_value(v, &gv);
        EXPECT_STREQ(g_value_get_string(&gv), c.text);
        g_value_unset(&gv);
        auto* copy = tarvelin_providers_contracts_value_object_clone(v);
        EXPECT_EQ(G_OBJECT_TYPE(copy), G_OBJECT_TYPE(v));
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), c.text);
        g_object_unref(copy);
        g_object_unref(v);
    }
}

TEST(EnumValues, MemberListIsNotCopied) {
    auto* v = tarvelin_providers_contracts_value_enum_new("small");
    const gchar* three[] = {"small", "medium", "large"};
    const gchar* two[] = {"huge", "tiny"};
    tarvelin_providers_contracts_value_enum_initialize(v, const_cast<gchar**>(three), 3);
    tarvelin_providers_contracts_value_enum_initialize(v, const_cast<gchar**>(two), 2);
    tarvelin_providers_contracts_value_enum_initialize(v, const_cast<gchar**>(two), 0);
    auto* self = gobj::cast<ValueEnum>(v);
    EXPECT_EQ(self->members(), (std::vector<std::string>{"small", "medium", "large", "huge", "tiny"}));
    auto copy = self->clone();
    auto* copied = gobj::cast<ValueEnum>(copy.instance());
    EXPECT_TRUE(copied->members().empty());
    EXPECT_EQ(copy->to_string(), "small");
    // The list is no part of the text or generic forms.
    EXPECT_EQ(self->to_string(), "small");
    g_object_unref(v);
}

TEST(EnumValues, NoMemberName) {
    auto f = ValueFlags::create("a");
    NotifyCounter n(f.gobj(), "itsvalue");
    g_object_set(f.gobj(), "itsvalue", "a", nullptr);
    tarvelin_providers_contracts_value_enum_set_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_ENUM(f.gobj()), nullptr);
    EXPECT_EQ(n.count, 2);
    EXPECT_EQ(tarvelin_providers_contracts_value_enum_get_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_ENUM(f.gobj())),
              nullptr);
    EXPECT_NE(stderr_of([&] { EXPECT_EQ(f->to_string(), ""); }).find("self != NULL"), std::string::npos);
    EXPECT_NE(stderr_of([&] { EXPECT_FALSE(f->clone()); }).find("flag_value != NULL"), std::string::npos);
    value_test::PreconditionCase cases[] = {
        {[] { return gpointer(tarvelin_providers_contracts_value_enum_new(nullptr)); }, "enum_value != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_flags_new(nullptr)); }, "flag_value != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_set_new(nullptr)); }, "set_value != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_geometry_new(nullptr)); }, "value != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_geography_new(nullptr)); }, "value != NULL"},
    };
    for (const auto& c : cases) value_test::expect_precondition(c.call, c.condition);
}

TEST(SpatialValues, CoordinatesFromTheFirstPairOfNumbers) {
    struct Case {
        const char* text;
        double latitude;
        double longitude;
    } cases[] = {
        {"52.52, 13.40", 52.52, 13.40},
        {"POINT(52.5,13.4)", 52.5, 13.4},
        {"-33.9, 18.4", 33.9, 18.4},
        {"1.2.3, 4", 1.2, 4},
        {"52.52 13.40", 0, 0},
        {"", 0, 0},
        {"a\n10,\n  20", 10, 20},
        {"1e5, 2", 5, 2},
    };
    for (const auto& c : cases) {
        auto* g = tarvelin_providers_contracts_value_geography_new(c.text);
        EXPECT_DOUBLE_EQ(tarvelin_providers_contracts_value_geography_latitude(g), c.latitude) << c.text;
        EXPECT_DOUBLE_EQ(tarvelin_providers_contracts_value_geography_longitude(g), c.longitude) << c.text;
        g_object_unref(g);
    }
    auto none = ValueGeography::create("1,2");
    none->set_itsvalue(nullptr);
    EXPECT_EQ(none->latitude(), 0);
}

TEST(SpatialValues, TwoClasses) {
    struct Case {
        gpointer value;
        const char* name;
        TarvelinProvidersContractsDataType type;
    } cases[] = {
        {tarvelin_providers_contracts_value_geometry_new("POINT(1 2)"), "geometry",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY},
        {tarvelin_providers_contracts_value_geography_new("POINT(1 2)"), "geography",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY},
    };
    for (const auto& c : cases) {
        auto* v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(c.value);
        EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(v), c.name);
        EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(v), c.type);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), "POINT(1 2)");
        auto* copy = tarvelin_providers_contracts_value_object_clone(v);
        EXPECT_EQ(G_OBJECT_TYPE(copy), G_OBJECT_TYPE(v));
        NotifyCounter n(v, "itsvalue");
        tarvelin_providers_contracts_value_geometry_set_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_GEOMETRY(v),
                                                                 "POINT(1 2)");
        g_object_set(v, "itsvalue", "other", nullptr);
        EXPECT_EQ(n.count, 2);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), "POINT(1 2)");
        g_object_unref(copy);
        g_object_unref(v);
    }
    auto g = ValueGeometry::create("x");
    g->set_itsvalue(nullptr);
    EXPECT_EQ(g->to_string(), "");
    EXPECT_NE(stderr_of([&] { EXPECT_FALSE(g->clone()); }).find("value != NULL"), std::string::npos);
}
