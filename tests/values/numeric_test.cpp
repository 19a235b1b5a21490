// Floating-point cells and INumeric.
#include <tarvelin/providers/providers.h>

#include <cfloat>

#include "providers/contracts/value_numeric.hpp"
#include "providers/gobj/call.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using value_test::NotifyCounter;
using value_test::text_of;

TEST(NumericValues, FixedSixDigitText) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {1.5, "1.500000"},
        {0, "0.000000"},
        {-2.25, "-2.250000"},
        {19.99, "19.990000"},
        {1e20, "100000000000000000000.000000"},
        {4e-7, "0.000000"},
        {-4e-7, "-0.000000"},
        {6e-7, "0.000001"},
        {-1234567.125, "-1234567.125000"},
    };
    for (const auto& c : cases) {
        auto* v = tarvelin_providers_contracts_value_double_new(c.value);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(v))),
                  c.text)
            << c.value;
        g_object_unref(v);
    }
    // Every integer digit of the largest double, then the point and six zeros.
    std::string largest = ValueDecimal::create(DBL_MAX)->to_string();
    EXPECT_EQ(largest.size(), 309u + 7u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
    EXPECT_EQ(largest.substr(largest.size() - 7), ".000000");
}

TEST(NumericValues, FourClasses) {
    struct Case {
        gpointer value;  // new reference
        const char* name;
        TarvelinProvidersContractsDataType type;
        GType gvalue_type;
        double number;
        const char* text;
    } cases[] = {
        {tarvelin_providers_contracts_value_float_new(0.1f), "float", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT,
         G_TYPE_FLOAT, 0.10000000149011612, "0.100000"},
        {tarvelin_providers_contracts_value_double_new(0.1), "double", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE,
         G_TYPE_DOUBLE, 0.1, "0.100000"},
        {tarvelin_providers_contracts_value_money_new(12.5), "money", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY,
         G_TYPE_DOUBLE, 12.5, "12.500000"},
        {tarvelin_providers_contracts_value_decimal_new(-3.75), "decimal",
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, G_TYPE_DOUBLE, -3.75, "-3.750000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(c.value);
        EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(v), c.name);
        EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(v), c.type);
        EXPECT_EQ(tarvelin_providers_contracts_inumeric_to_double(TARVELIN_PROVIDERS_CONTRACTS_INUMERIC(v)), c.number);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), c.text);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_dump(v)),
                  std::string(G_OBJECT_TYPE_NAME(v)) + " => " + c.text);
        GValue gv = G_VALUE_INIT;
        tarvelin_providers_contracts_value_object_to_value(v, &gv);
        EXPECT_EQ(G_VALUE_TYPE(&gv), c.gvalue_type);
        double held = G_VALUE_HOLDS_FLOAT(&gv) ? g_value_get_float(&gv) : g_value_get_double(&gv);
        EXPECT_EQ(held, c.number);
        g_value_unset(&gv);

        auto* copy = tarvelin_providers_contracts_value_object_clone(v);
        EXPECT_EQ(G_OBJECT_TYPE(copy), G_OBJECT_TYPE(v));
        EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(copy), c.name);
        EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(copy), c.type);
        if (c.gvalue_type == G_TYPE_FLOAT) {
            g_object_set(v, "itsvalue", 7.0f, nullptr);
        } else {
            g_object_set(v, "itsvalue", 7.0, nullptr);
        }
        EXPECT_EQ(tarvelin_providers_contracts_inumeric_to_double(TARVELIN_PROVIDERS_CONTRACTS_INUMERIC(copy)), c.number);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), "7.000000");
        g_object_unref(copy);
        g_object_unref(v);
    }
}

TEST(NumericValues, ItsvalueDeclarationAndNotification) {
    auto f = ValueFloat::create(1.0f);
    auto* fk = G_OBJECT_GET_CLASS(f.gobj());
    auto* fs = G_PARAM_SPEC_FLOAT(g_object_class_find_property(fk, "itsvalue"));
    EXPECT_EQ(fs->maximum, FLT_MAX);
    EXPECT_EQ(fs->minimum, -FLT_MAX);
    auto m = ValueMoney::create(19.99);
    auto* ms = G_PARAM_SPEC_DOUBLE(g_object_class_find_property(G_OBJECT_GET_CLASS(m.gobj()), "itsvalue"));
    EXPECT_EQ(ms->maximum, DBL_MAX);
    EXPECT_EQ(ms->minimum, -DBL_MAX);
    EXPECT_EQ(ms->default_value, 0.0);

    NotifyCounter n(m.gobj(), "itsvalue");
    tarvelin_providers_contracts_value_money_set_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_MONEY(m.gobj()), 19.99);
    g_object_set(m.gobj(), "itsvalue", 19.99, nullptr);
    EXPECT_EQ(n.count, 2);
    EXPECT_EQ(tarvelin_providers_contracts_value_money_get_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_MONEY(m.gobj())),
              19.99);

    GObject* plain = G_OBJECT(g_object_new(ValueDecimal::gtype(), nullptr));
    EXPECT_EQ(gobj::call<&TarvelinProvidersContractsINumericInterface::to_double>(plain), 0.0);
    g_object_unref(plain);
}
