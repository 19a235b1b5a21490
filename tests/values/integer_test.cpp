// Integer and boolean cells, IInteger and IUnsigned.
#include <tarvelin/providers/providers.h>

#include <climits>
#include <functional>

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/call.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using value_test::NotifyCounter;
using value_test::stderr_of;
using value_test::text_of;

namespace {

struct IntegerCase {
    const char* label;
    std::function<GObject*()> make;  // new reference
    const char* text;
    gint64 integer;
    bool is_unsigned;
    guint64 unsigned_;
    const char* name;
    TarvelinProvidersContractsDataType type;
    GType gvalue_type;
    const char* gvalue_text;  // the GValue transformed to text
};

GObject* as_object(gpointer p) { return G_OBJECT(p); }

const IntegerCase kCases[] = {
    {"int8 -5", [] { return as_object(tarvelin_providers_contracts_value_int8_new(-5)); }, "-5", -5, false, 0, "byte",
     TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, G_TYPE_CHAR, "-5"},
    {"int16 -32768", [] { return as_object(tarvelin_providers_contracts_value_int16_new(-32768)); }, "-32768", -32768,
     false, 0, "int16", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, G_TYPE_INT, "-32768"},
    {"int32 min", [] { return as_object(tarvelin_providers_contracts_value_int32_new(G_MININT32)); }, "-2147483648",
     G_MININT32, false, 0, "int32", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, G_TYPE_INT, "-2147483648"},
    {"int64 min", [] { return as_object(tarvelin_providers_contracts_value_int64_new(G_MININT64)); },
     "-9223372036854775808", G_MININT64, false, 0, "int64", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64,
     G_TYPE_INT64, "-9223372036854775808"},
    {"uint8 255", [] { return as_object(tarvelin_providers_contracts_value_uint8_new(255)); }, "255", 255, true, 255,
     "uint8", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, G_TYPE_UCHAR, "255"},
    {"uint16 65535", [] { return as_object(tarvelin_providers_contracts_value_uint16_new(65535)); }, "65535", 65535,
     true, 65535, "uint16", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16, G_TYPE_UINT, "65535"},
    {"uint32 max", [] { return as_object(tarvelin_providers_contracts_value_uint32_new(G_MAXUINT32)); }, "4294967295",
     4294967295LL, true, 4294967295ULL, "uint32", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, G_TYPE_UINT,
     "4294967295"},
    {"uint64 max", [] { return as_object(tarvelin_providers_contracts_value_uint64_new(G_MAXUINT64)); },
     "18446744073709551615", G_MAXINT64, true, G_MAXUINT64, "uint64", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64,
     G_TYPE_UINT64, "18446744073709551615"},
    {"uint64 top of signed", [] { return as_object(tarvelin_providers_contracts_value_uint64_new(G_MAXINT64)); },
     "9223372036854775807", G_MAXINT64, true, G_MAXINT64, "uint64", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64,
     G_TYPE_UINT64, "9223372036854775807"},
    {"uint64 just above", [] { return as_object(tarvelin_providers_contracts_value_uint64_new(9223372036854775808ULL)); },
     "9223372036854775808", G_MAXINT64, true, 9223372036854775808ULL, "uint64",
     TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, G_TYPE_UINT64, "9223372036854775808"},
    {"bool true", [] { return as_object(tarvelin_providers_contracts_value_boolean_new(TRUE)); }, "true", 1, true, 1,
     "bool", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, G_TYPE_BOOLEAN, "TRUE"},
    {"bool false", [] { return as_object(tarvelin_providers_contracts_value_boolean_new(FALSE)); }, "false", 0, true, 0,
     "bool", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, G_TYPE_BOOLEAN, "FALSE"},
};

// The declared range of an integer pspec, as text.
std::pair<std::string, std::string> limits(GParamSpec* p) {
    auto text = [](auto lo, auto hi) { return std::make_pair(std::to_string(lo), std::to_string(hi)); };
    if (G_IS_PARAM_SPEC_CHAR(p)) return text(int(G_PARAM_SPEC_CHAR(p)->minimum), int(G_PARAM_SPEC_CHAR(p)->maximum));
    if (G_IS_PARAM_SPEC_UCHAR(p)) return text(unsigned(G_PARAM_SPEC_UCHAR(p)->minimum), unsigned(G_PARAM_SPEC_UCHAR(p)->maximum));
    if (G_IS_PARAM_SPEC_INT(p)) return text(G_PARAM_SPEC_INT(p)->minimum, G_PARAM_SPEC_INT(p)->maximum);
    if (G_IS_PARAM_SPEC_UINT(p)) return text(G_PARAM_SPEC_UINT(p)->minimum, G_PARAM_SPEC_UINT(p)->maximum);
    if (G_IS_PARAM_SPEC_INT64(p)) return text(G_PARAM_SPEC_INT64(p)->minimum, G_PARAM_SPEC_INT64(p)->maximum);
    if (G_IS_PARAM_SPEC_UINT64(p)) return text(G_PARAM_SPEC_UINT64(p)->minimum, G_PARAM_SPEC_UINT64(p)->maximum);
    return {};
}

std::string gvalue_text(const GValue* v) {
    GValue s = G_VALUE_INIT;
    g_value_init(&s, G_TYPE_STRING);
    if (G_VALUE_HOLDS_CHAR(v)) {
        g_value_take_string(&s, g_strdup_printf("%d", g_value_get_schar(v)));
    } else if (G_VALUE_HOLDS_UCHAR(v)) {
        g_value_take_string(&s, g_strdup_printf("%u", g_value_get_uchar(v)));
    } else {
        g_value_transform(v, &s);
    }
    std::string out = g_value_get_string(&s) ? g_value_get_string(&s) : "";
    g_value_unset(&s);
    return out;
}

}  // namespace

TEST(IntegerValues, TextNumbersTypesAndGenericValue) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        GObject* o = c.make();
        auto* v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(o);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), c.text);
        EXPECT_EQ(tarvelin_providers_contracts_iinteger_to_integer(TARVELIN_PROVIDERS_CONTRACTS_IINTEGER(o)), c.integer);
        EXPECT_EQ(G_TYPE_CHECK_INSTANCE_TYPE(o, TARVELIN_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED), c.is_unsigned);
        if (c.is_unsigned) {
            EXPECT_EQ(tarvelin_providers_contracts_iunsigned_to_unsigned(TARVELIN_PROVIDERS_CONTRACTS_IUNSIGNED(o)),
                      c.unsigned_);
        }
        EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(v), c.name);
        EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(v), c.type);
        EXPECT_FALSE(tarvelin_providers_contracts_value_object_get_is_null(v));
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_dump(v)),
                  std::string(G_OBJECT_TYPE_NAME(o)) + " => " + c.text);

        GValue gv = G_VALUE_INIT;
        tarvelin_providers_contracts_value_object_to_value(v, &gv);
        EXPECT_EQ(G_VALUE_TYPE(&gv), c.gvalue_type);
        EXPECT_EQ(gvalue_text(&gv), c.gvalue_text);
        g_value_unset(&gv);

        gchar* name = nullptr;
        int data_type = 0;
        g_object_get(o, "name", &name, "data-type", &data_type, nullptr);
        EXPECT_EQ(text_of(name), c.name);
        EXPECT_EQ(data_type, c.type);

        // The copy is of the same class, holds the same number and shares nothing.
        auto* copy = tarvelin_providers_contracts_value_object_clone(v);
        EXPECT_EQ(G_OBJECT_TYPE(copy), G_OBJECT_TYPE(o));
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), c.text);
        g_object_set(o, "itsvalue", G_VALUE_TYPE(&gv) == G_TYPE_BOOLEAN ? FALSE : 0, nullptr);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), c.text);
        g_object_unref(copy);
        g_object_unref(o);
    }
}

TEST(IntegerValues, PropertiesInstalledInOrderWithTheirRanges) {
    struct Case {
        GType type;
        GType itsvalue_type;
        const char* minimum;
        const char* maximum;
    } cases[] = {
        {ValueInt8::gtype(), G_TYPE_PARAM_CHAR, "-128", "127"},
        {ValueInt16::gtype(), G_TYPE_PARAM_INT, "-2147483648", "2147483647"},
        {ValueInt32::gtype(), G_TYPE_PARAM_INT, "-2147483648", "2147483647"},
        {ValueInt64::gtype(), G_TYPE_PARAM_INT64, "-9223372036854775808", "9223372036854775807"},
        {ValueUInt8::gtype(), G_TYPE_PARAM_UCHAR, "0", "255"},
        {ValueUInt16::gtype(), G_TYPE_PARAM_UINT, "0", "4294967295"},
        {ValueUInt32::gtype(), G_TYPE_PARAM_UINT, "0", "4294967295"},
        {ValueUInt64::gtype(), G_TYPE_PARAM_UINT64, "0", "18446744073709551615"},
        {ValueBoolean::gtype(), G_TYPE_PARAM_BOOLEAN, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(g_type_name(c.type));
        auto* klass = static_cast<GObjectClass*>(g_type_class_ref(c.type));
        guint n = 0;
        GParamSpec** props = g_object_class_list_properties(klass, &n);
        // Own properties first, in installation order; "is-null" comes from the base.
        std::vector<std::string> own;
        for (guint i = 0; i < n; ++i) {
            if (props[i]->owner_type == c.type) own.push_back(props[i]->name);
        }
        EXPECT_EQ(own, (std::vector<std::string>{"name", "itsvalue", "data-type"}));
        g_free(props);
        GParamSpec* its = g_object_class_find_property(klass, "itsvalue");
        EXPECT_EQ(G_PARAM_SPEC_TYPE(its), c.itsvalue_type);
        EXPECT_TRUE(its->flags & G_PARAM_READWRITE);
        EXPECT_STREQ(g_param_spec_get_nick(its), "itsvalue");
        GParamSpec* dt = g_object_class_find_property(klass, "data-type");
        EXPECT_EQ(g_value_get_enum(g_param_spec_get_default_value(dt)), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
        EXPECT_FALSE(g_object_class_find_property(klass, "name")->flags & G_PARAM_WRITABLE);
        if (c.minimum) {
            auto [lo, hi] = limits(its);
            EXPECT_EQ(lo, c.minimum);
            EXPECT_EQ(hi, c.maximum);
        }
        g_type_class_unref(klass);
    }
}

TEST(IntegerValues, SixteenBitPropertyKeepsTheLowBits) {
    auto* v = tarvelin_providers_contracts_value_int16_new(static_cast<gint16>(70000));
    EXPECT_EQ(tarvelin_providers_contracts_value_int16_get_int16(v), 4464);
    g_object_set(v, "itsvalue", 70000, nullptr);
    EXPECT_EQ(tarvelin_providers_contracts_value_int16_get_itsvalue(v), 4464);
    g_object_set(v, "itsvalue", -70000, nullptr);
    EXPECT_EQ(tarvelin_providers_contracts_value_int16_get_itsvalue(v), -4464);
    g_object_unref(v);

    auto* u = tarvelin_providers_contracts_value_uint16_new(1);
    g_object_set(u, "itsvalue", 70000u, nullptr);
    EXPECT_EQ(tarvelin_providers_contracts_value_uint16_get_uint16(u), 4464);
    guint read = 0;
    g_object_get(u, "itsvalue", &read, nullptr);
    EXPECT_EQ(read, 4464u);
    g_object_unref(u);
}

TEST(IntegerValues, ItsvalueNotifiesOnEveryStore) {
    auto i32 = ValueInt32::create(7);
    NotifyCounter n(i32.gobj(), "itsvalue");
    tarvelin_providers_contracts_value_int32_set_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_INT32(i32.gobj()), 7);
    tarvelin_providers_contracts_value_int32_set_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_INT32(i32.gobj()), 7);
    g_object_set(i32.gobj(), "itsvalue", 7, nullptr);
    i32->set_itsvalue(8);
    EXPECT_EQ(n.count, 4);
    EXPECT_EQ(i32->get_int32(), 8);

    auto b = ValueBoolean::create(true);
    NotifyCounter nb(b.gobj(), "itsvalue");
    g_object_set(b.gobj(), "itsvalue", TRUE, nullptr);
    tarvelin_providers_contracts_value_boolean_set_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BOOLEAN(b.gobj()), TRUE);
    EXPECT_EQ(nb.count, 2);
}

TEST(IntegerValues, ValueMadeByGObjectNewStartsAtZero) {
    GObject* o = G_OBJECT(g_object_new(g_type_from_name("TarvelinProvidersContractsValueInt32"), "itsvalue", 42, nullptr));
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(o))),
              "42");
    g_object_unref(o);
    GObject* z = G_OBJECT(g_object_new(ValueUInt64::gtype(), nullptr));
    EXPECT_EQ(tarvelin_providers_contracts_value_uint64_get_uint64(TARVELIN_PROVIDERS_CONTRACTS_VALUE_UINT64(z)), 0u);
    g_object_unref(z);
}

namespace {
// A type a host derives from ValueInt32 in C.
GType host_int32_type() {
    static GType t = g_type_register_static_simple(
        TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_INT32, "HostDerivedInt32", sizeof(TarvelinProvidersContractsValueInt32Class),
        nullptr, sizeof(TarvelinProvidersContractsValueInt32), nullptr, GTypeFlags(0));
    return t;
}

// A host type implementing the integer, unsigned and numeric interfaces with empty slots.
GType host_empty_slots_type() {
    static GType t = [] {
        GType type = g_type_register_static_simple(G_TYPE_OBJECT, "HostEmptySlots", sizeof(GObjectClass), nullptr,
                                                   sizeof(GObject), nullptr, GTypeFlags(0));
        static const GInterfaceInfo empty = {nullptr, nullptr, nullptr};
        g_type_add_interface_static(type, TARVELIN_PROVIDERS_CONTRACTS_TYPE_IINTEGER, &empty);
        g_type_add_interface_static(type, TARVELIN_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED, &empty);
        g_type_add_interface_static(type, TARVELIN_PROVIDERS_CONTRACTS_TYPE_INUMERIC, &empty);
        return type;
    }();
    return t;
}
}  // namespace

TEST(IntegerValues, ConstructMakesTheDerivedType) {
    auto* v = tarvelin_providers_contracts_value_int32_construct(host_int32_type(), 5);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(G_OBJECT_TYPE(v), host_int32_type());
    EXPECT_EQ(tarvelin_providers_contracts_value_int32_get_int32(v), 5);
    EXPECT_EQ(tarvelin_providers_contracts_iinteger_to_integer(TARVELIN_PROVIDERS_CONTRACTS_IINTEGER(v)), 5);
    // A copy is of the value class itself.
    auto* copy = tarvelin_providers_contracts_value_object_clone(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(v));
    EXPECT_EQ(G_OBJECT_TYPE(copy), ValueInt32::gtype());
    g_object_unref(copy);
    g_object_unref(v);
}

TEST(IntegerValues, EmptyInterfaceSlotsGiveTheEmptyResults) {
    GObject* o = G_OBJECT(g_object_new(host_empty_slots_type(), nullptr));
    EXPECT_EQ(tarvelin_providers_contracts_iinteger_to_integer(TARVELIN_PROVIDERS_CONTRACTS_IINTEGER(o)), -1);
    EXPECT_EQ(tarvelin_providers_contracts_iunsigned_to_unsigned(TARVELIN_PROVIDERS_CONTRACTS_IUNSIGNED(o)), 0u);
    EXPECT_EQ(tarvelin_providers_contracts_inumeric_to_double(TARVELIN_PROVIDERS_CONTRACTS_INUMERIC(o)), -1.0);
    EXPECT_EQ(gobj::call<&TarvelinProvidersContractsIIntegerInterface::to_integer>(o), -1);
    g_object_unref(o);
}

TEST(IntegerValues, CppDispatchReachesTheSameSlots) {
    auto u = ValueUInt64::create(G_MAXUINT64);
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(u.gobj(), IInteger::gtype()));
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(u.gobj(), IUnsigned::gtype()));
    EXPECT_EQ(gobj::call<&TarvelinProvidersContractsIIntegerInterface::to_integer>(u), G_MAXINT64);
    EXPECT_EQ(gobj::call<&TarvelinProvidersContractsIUnsignedInterface::to_unsigned>(u), G_MAXUINT64);
    auto s = ValueInt8::create(-1);
    EXPECT_FALSE(G_TYPE_CHECK_INSTANCE_TYPE(s.gobj(), IUnsigned::gtype()));
    EXPECT_EQ(gobj::call<&TarvelinProvidersContractsIIntegerInterface::to_integer>(s), -1);
}

TEST(IntegerValues, MissingSelfLogsTheCondition) {
    std::vector<std::function<void()>> calls = {
        [] { EXPECT_EQ(tarvelin_providers_contracts_iinteger_to_integer(nullptr), 0); },
        [] { EXPECT_EQ(tarvelin_providers_contracts_iunsigned_to_unsigned(nullptr), 0u); },
        [] { EXPECT_EQ(tarvelin_providers_contracts_value_int32_get_int32(nullptr), 0); },
        [] { EXPECT_EQ(tarvelin_providers_contracts_value_uint8_get_itsvalue(nullptr), 0); },
        [] { EXPECT_FALSE(tarvelin_providers_contracts_value_boolean_get_boolean(nullptr)); },
        [] { tarvelin_providers_contracts_value_int64_set_itsvalue(nullptr, 1); },
    };
    for (const auto& call : calls) EXPECT_NE(stderr_of(call).find("self != NULL"), std::string::npos);
}
