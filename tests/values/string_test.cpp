// Text cells: string, XML, JSON, UUID and wide text.
#include <tarvelin/providers/providers.h>

#include "providers/contracts/value_string.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using value_test::NotifyCounter;
using value_test::stderr_of;
using value_test::text_of;

namespace {
TarvelinProvidersContractsValueObject* as_value(gpointer p) { return TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(p); }
}  // namespace

TEST(TextValues, FourFlavoursOfUtf8Text) {
    struct Case {
        gpointer value;
        const char* name;
        TarvelinProvidersContractsDataType type;
    } cases[] = {
        {tarvelin_providers_contracts_value_string_new("<a/>"), "string", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
        {tarvelin_providers_contracts_value_xml_new("<a/>"), "xml", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML},
        {tarvelin_providers_contracts_value_json_new("<a/>"), "json", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
        {tarvelin_providers_contracts_value_uuid_new_uuid("<a/>"), "uuid", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* v = as_value(c.value);
        EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(v), c.name);
        EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(v), c.type);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), "<a/>");
        EXPECT_STREQ(tarvelin_providers_contracts_value_string_get_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_STRING(v)),
                     "<a/>");
        GValue gv = G_VALUE_INIT;
        tarvelin_providers_contracts_value_object_to_value(v, &gv);
        EXPECT_STREQ(g_value_get_string(&gv), "<a/>");
        g_value_unset(&gv);
        // The copy is of the same class and owns its own text.
        auto* copy = tarvelin_providers_contracts_value_object_clone(v);
        EXPECT_EQ(G_OBJECT_TYPE(copy), G_OBJECT_TYPE(v));
        g_object_set(v, "itsvalue", "changed", nullptr);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), "<a/>");
        gchar* name = nullptr;
        g_object_get(copy, "name", &name, nullptr);
        EXPECT_EQ(text_of(name), c.name);
        g_object_unref(copy);
        g_object_unref(v);
    }
}

TEST(TextValues, PropertyOrderAndInheritedItsvalue) {
    struct Case {
        GType type;
        std::vector<std::string> own;
    } cases[] = {
        {ValueString::gtype(), {"name", "itsvalue", "data-type"}},
        {ValueXml::gtype(), {"name", "data-type"}},
        {ValueJson::gtype(), {"name", "data-type"}},
        {ValueUuid::gtype(), {"name", "data-type"}},
        {ValueUtf16::gtype(), {"name", "itsvalue", "data-type"}},
    };
    for (const auto& c : cases) {
        auto* klass = static_cast<GObjectClass*>(g_type_class_ref(c.type));
        guint n = 0;
        GParamSpec** props = g_object_class_list_properties(klass, &n);
        std::vector<std::string> own;
        for (guint i = 0; i < n; ++i) {
            if (props[i]->owner_type == c.type) own.push_back(props[i]->name);
        }
        g_free(props);
        EXPECT_EQ(own, c.own) << g_type_name(c.type);
        EXPECT_NE(g_object_class_find_property(klass, "itsvalue"), nullptr);
        g_type_class_unref(klass);
    }
    auto* klass = static_cast<GObjectClass*>(g_type_class_ref(ValueString::gtype()));
    EXPECT_EQ(G_PARAM_SPEC_STRING(g_object_class_find_property(klass, "itsvalue"))->default_value, nullptr);
    g_type_class_unref(klass);
}

TEST(TextValues, NoTextAtAll) {
    auto s = ValueString::create("x");
    NotifyCounter n(s.gobj(), "itsvalue");
    g_object_set(s.gobj(), "itsvalue", nullptr, nullptr);
    EXPECT_EQ(n.count, 1);
    EXPECT_EQ(s->get_itsvalue(), nullptr);
    // The C++ text form cannot be null: it is the empty text.
    EXPECT_EQ(s->to_string(), "");
    GValue gv = G_VALUE_INIT;
    s->to_value(&gv);
    EXPECT_EQ(g_value_get_string(&gv), nullptr);
    g_value_unset(&gv);
    gobj::Ref<ValueObject> copy;
    EXPECT_NE(stderr_of([&] { copy = s->clone(); }).find("text != NULL"), std::string::npos);
    EXPECT_FALSE(copy);

    auto u = ValueUuid::create_uuid("abc");
    u->set_itsvalue(nullptr);
    EXPECT_NE(stderr_of([&] { EXPECT_FALSE(u->clone()); }).find("uuid != NULL"), std::string::npos);
}

TEST(TextValues, ItsvalueNotifiesOnEveryStore) {
    auto* s = tarvelin_providers_contracts_value_string_new("same");
    NotifyCounter n(s, "itsvalue");
    tarvelin_providers_contracts_value_string_set_itsvalue(s, "same");
    g_object_set(s, "itsvalue", "same", nullptr);
    EXPECT_EQ(n.count, 2);
    g_object_unref(s);
}

TEST(TextValues, RandomUuids) {
    auto* a = tarvelin_providers_contracts_value_uuid_new();
    auto* b = tarvelin_providers_contracts_value_uuid_new();
    std::string ta = text_of(tarvelin_providers_contracts_value_object_to_string(as_value(a)));
    std::string tb = text_of(tarvelin_providers_contracts_value_object_to_string(as_value(b)));
    EXPECT_NE(ta, tb);
    for (const auto& t : {ta, tb}) {
        EXPECT_TRUE(g_regex_match_simple("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$", t.c_str(),
                                         GRegexCompileFlags(0), GRegexMatchFlags(0)))
            << t;
    }
    auto* copy = tarvelin_providers_contracts_value_object_clone(as_value(a));
    EXPECT_EQ(G_OBJECT_TYPE(copy), ValueUuid::gtype());
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), ta);
    g_object_unref(copy);
    g_object_unref(a);
    g_object_unref(b);
}

TEST(TextValues, NullArgumentsFailTheirPreconditions) {
    value_test::PreconditionCase cases[] = {
        {[] { return gpointer(tarvelin_providers_contracts_value_string_new(nullptr)); }, "text != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_xml_new(nullptr)); }, "text != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_json_construct(ValueJson::gtype(), nullptr)); },
         "text != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_uuid_new_uuid(nullptr)); }, "uuid != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_utf16_new(nullptr)); }, "text != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_utf16_new_string(nullptr)); }, "text != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_string_get_itsvalue(nullptr)); }, "self != NULL"},
    };
    for (const auto& c : cases) value_test::expect_precondition(c.call, c.condition);
}

TEST(TextValues, WideText) {
    auto* w = tarvelin_providers_contracts_value_utf16_new_string("h\xC3\xA9llo");
    gunichar2* units = tarvelin_providers_contracts_value_utf16_get_itsvalue(w);
    ASSERT_NE(units, nullptr);
    int n = 0;
    while (units[n]) ++n;
    EXPECT_EQ(n + 1, 6);  // five characters and the zero unit
    EXPECT_EQ(units[1], 0xE9);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(as_value(w))), "h\xC3\xA9llo");
    EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(as_value(w)), "wstring");
    EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(as_value(w)),
              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING);
    GValue gv = G_VALUE_INIT;
    tarvelin_providers_contracts_value_object_to_value(as_value(w), &gv);
    EXPECT_STREQ(g_value_get_string(&gv), "h\xC3\xA9llo");
    g_value_unset(&gv);

    auto* copy = tarvelin_providers_contracts_value_object_clone(as_value(w));
    EXPECT_NE(tarvelin_providers_contracts_value_utf16_get_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_UTF16(copy)),
              units);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), "h\xC3\xA9llo");
    g_object_unref(copy);

    // The setter takes the buffer over; storing the one already held keeps it alive.
    NotifyCounter notes(w, "itsvalue");
    tarvelin_providers_contracts_value_utf16_set_itsvalue(w, units);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(as_value(w))), "h\xC3\xA9llo");
    gunichar2* other = g_utf8_to_utf16("ok", -1, nullptr, nullptr, nullptr);
    g_object_set(w, "itsvalue", other, nullptr);
    EXPECT_EQ(notes.count, 2);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(as_value(w))), "ok");
    g_object_unref(w);
}

TEST(TextValues, InvalidWideText) {
    // Invalid UTF-8 gives a value without a buffer; its text logs and is empty.
    auto bad = ValueUtf16::create_string("\xFF\xFE");
    EXPECT_EQ(bad->get_itsvalue(), nullptr);
    EXPECT_NE(stderr_of([&] { EXPECT_EQ(bad->to_string(), ""); }).find("self != NULL"), std::string::npos);

    // An unpaired surrogate: no text, and a clone fails its precondition.
    auto* units = static_cast<gunichar2*>(g_malloc0(3 * sizeof(gunichar2)));
    units[0] = 'a';
    units[1] = 0xD800;
    auto w = ValueUtf16::create(units);
    EXPECT_FALSE(w->to_utf8());
    GValue gv = G_VALUE_INIT;
    w->to_value(&gv);
    EXPECT_EQ(g_value_get_string(&gv), nullptr);
    g_value_unset(&gv);
    EXPECT_NE(stderr_of([&] { EXPECT_FALSE(w->clone()); }).find("text != NULL"), std::string::npos);
}
