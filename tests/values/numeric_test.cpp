// Floating-point cells and INumeric.
#include <tarvelin/providers/providers.h>

#include <cfloat>
#include <cstring>

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

// What leaves as text: the shortest text that reads back to the very number, where the
// display text keeps six decimals; a value read with the server's digits gives those.
TEST(NumericValues, ExactTextReadsBackToTheNumber) {
    const double doubles[] = {0.1, 1e-9, 1e300, -0.0, 0.0, 5e-324, DBL_MAX, 123456789012.0, 0.30000000000000004, -2.5};
    const char* double_texts[] = {"0.1", "1e-09", "1e+300", "-0", "0", "5e-324", "1.7976931348623157e+308",
                                  "123456789012", "0.30000000000000004", "-2.5"};
    for (size_t i = 0; i < G_N_ELEMENTS(doubles); ++i) {
        for (gobj::Ref<ValueObject> v : {gobj::Ref<ValueObject>(ValueDouble::create(doubles[i])),
                                         gobj::Ref<ValueObject>(ValueMoney::create(doubles[i])),
                                         gobj::Ref<ValueObject>(ValueDecimal::create(doubles[i]))}) {
            std::string text = v->exact_text();
            EXPECT_EQ(text, double_texts[i]);
            double back = g_ascii_strtod(text.c_str(), nullptr);
            EXPECT_EQ(std::memcmp(&back, &doubles[i], sizeof back), 0) << text;
        }
    }
    // A float by its own shortest text: 0.1, not 0.10000000149011612.
    EXPECT_EQ(ValueFloat::create(0.1f)->exact_text(), "0.1");
    EXPECT_EQ(ValueFloat::create(FLT_MAX)->exact_text(), "3.4028235e+38");
    EXPECT_EQ(ValueFloat::create(0.1f)->to_string(), "0.100000");

    auto exact = ValueDecimal::create_exact(0.1, "0.10000000000000000000001");
    EXPECT_EQ(exact->exact_text(), "0.10000000000000000000001");
    EXPECT_EQ(exact->to_string(), "0.100000");
    EXPECT_EQ(exact->clone()->exact_text(), "0.10000000000000000000001");
    exact->set_itsvalue(0.25);
    EXPECT_EQ(exact->exact_text(), "0.25");
}
