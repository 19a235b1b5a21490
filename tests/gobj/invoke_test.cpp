// The one way each: exported functions through invoke, interface operations through
// slot, dispatch and call (ours and a host's implementation alike), and property rows.
#include <gtest/gtest.h>

#include <cstdarg>
#include <string>
#include <vector>

#include "providers/gobj/args.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/invoke.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/register.hpp"
#include "providers/gobj/slot.hpp"
#include "support/driver_checks.hpp"

using namespace tarvelin;
using gobj::Ref;
using tarvelin::test::LogCapture;
constexpr GLogLevelFlags kCritical = G_LOG_LEVEL_CRITICAL;

namespace {

// ---------------------------------------------------------------- an interface of every form

struct TestIFormsInterface {
    GTypeInterface parent_iface;
    gchar* (*describe)(GObject* self, const gchar* what, gboolean loud, GError** error);
    const gchar* (*name)(GObject* self);
    guint8* (*digest)(GObject* self, const guint8* data, gint data_length1, gint* result_length1);
    void (*split)(GObject* self, const guint8* data, gint data_length1, guint8** head, gint* head_length1,
                  gint* rest, GError** error);
    GObject** (*children)(GObject* self, gint* result_length1, GError** error);
    GDateTime* (*stamp)(GObject* self);
    gint64 (*total)(GObject* self, GObject** items, gint items_length1);
    gchar* (*format)(GObject* self, const gchar* format, va_list args);
};

class IForms : public gobj::Interface {
public:
    using Vtable = TestIFormsInterface;
    static GType gtype();
    virtual std::string describe(const std::string& what, bool loud) = 0;
    virtual const char* name() = 0;
    virtual std::vector<guint8> digest(std::span<const guint8> data) = 0;
    virtual void split(std::span<const guint8> data, std::vector<guint8>& head, gint& rest) = 0;
    virtual std::vector<Ref<gobj::Object>> children() = 0;
    virtual gobj::DateTime stamp() = 0;
    virtual gint64 total(const std::vector<Ref<gobj::Object>>& items) = 0;
    virtual std::string format(gobj::VaText text) = 0;
    template <class T>
    static void fill(Vtable* vt) {
        vt->describe = gobj::slot<T, &IForms::describe>(vt->describe);
        vt->name = gobj::slot<T, &IForms::name>(vt->name);
        vt->digest = gobj::slot<T, &IForms::digest>(vt->digest);
        vt->split = gobj::slot<T, &IForms::split>(vt->split);
        vt->children = gobj::slot<T, &IForms::children>(vt->children);
        vt->stamp = gobj::slot<T, &IForms::stamp>(vt->stamp);
        vt->total = gobj::slot<T, &IForms::total>(vt->total);
        vt->format = gobj::slot<T, &IForms::format>(vt->format);
    }
};
TARVELIN_INTERFACE_GTYPE(IForms, "TestIForms", G_TYPE_OBJECT)

// ---------------------------------------------------------------- a class with property rows

GType test_level_gtype() {
    static const GEnumValue values[] = {{0, "TEST_LEVEL_LOW", "low"}, {1, "TEST_LEVEL_HIGH", "high"}, {0, nullptr, nullptr}};
    static const GType t = gobj::register_enum("TestLevel", values);
    return t;
}
enum TestLevel { TEST_LEVEL_LOW, TEST_LEVEL_HIGH };

}  // namespace

namespace tarvelin::gobj::prop {
using TestLevelKind = Enum<TestLevel, &test_level_gtype>;
}

namespace {

class Widget;
using WidgetKind = gobj::prop::ObjectRef<Widget, GObject>;

// clang-format off
#define TEST_WIDGET_PROPERTIES(P) \
    P(Text, title, "title", nullptr, RW, "", OnChange) \
    P(Text, kind, "kind", "plain", RW, "plain", OnChange) \
    P(Bool, enabled, "enabled", true, RW, true, OnChange) \
    P(UInt16, ordinal, "ordinal", 0, RW, 0, OnChange) \
    P(Int64, size, "size", -1, RW, -1, Always) \
    P(TestLevelKind, level, "level", TEST_LEVEL_LOW, RW, TEST_LEVEL_LOW, OnChange) \
    P(List, items, "items", nullptr, RW, gee_array_list_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, nullptr, nullptr, nullptr), Always) \
    P(Map, options, "options", nullptr, RW, nullptr, OnChange) \
    P(Text, code, "code", nullptr, RO, "x1", OnChange)
// clang-format on

std::atomic<int> widgets_made{0};

class Widget : public gobj::Object, public IForms {
public:
    using Self = Widget;
    static GType gtype();
    static void describe(gobj::ClassSpec<Widget>& c) { TEST_WIDGET_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
    TEST_WIDGET_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    static Ref<Widget> create(GType type = gtype()) { return gobj::create<Widget>(type); }
    static Ref<Widget> create_titled(GType type, const char* title) {
        if (std::string_view(title) == "boom") throw std::runtime_error("cannot make boom");
        auto w = gobj::create<Widget>(type);
        w->set_title(title);
        return w;
    }
    static gint32 twice(gint32 n) { return 2 * n; }
    Ref<Widget> child() const { return child_; }
    const Ref<Widget>& child_ref() const { return child_; }
    void adopt(Ref<Widget> w) { child_ = std::move(w); }
    const std::string& label() const { return label_; }
    gint64 checked(const std::string& what) {
        if (what == "error") throw gobj::Error("Test", 3, "checked failed");
        if (what == "other") throw std::runtime_error("not an error");
        return static_cast<gint64>(what.size());
    }
    std::vector<std::string> words() const { return {"a", "bc"}; }

    std::string describe(const std::string& what, bool loud) override {
        if (what == "fail") throw gobj::Error("Test", 9, "cannot describe");
        return loud ? what + "!" : what;
    }
    const char* name() override { return "widget"; }
    std::vector<guint8> digest(std::span<const guint8> data) override {
        std::vector<guint8> r(data.begin(), data.end());
        for (auto& b : r) b ^= 0xFF;
        return r;
    }
    void split(std::span<const guint8> data, std::vector<guint8>& head, gint& rest) override {
        if (data.empty()) throw gobj::Error("Test", 4, "nothing to split");
        head.assign(data.begin(), data.begin() + 1);
        rest = static_cast<gint>(data.size() - 1);
    }
    std::vector<Ref<gobj::Object>> children() override {
        std::vector<Ref<gobj::Object>> r;
        if (child_) r.push_back(child_);
        return r;
    }
    gobj::DateTime stamp() override { return gobj::DateTime(g_date_time_new_utc(2024, 2, 29, 12, 0, 0)); }
    gint64 total(const std::vector<Ref<gobj::Object>>& items) override { return static_cast<gint64>(items.size()); }
    std::string format(gobj::VaText text) override { return "[" + text.text + "]"; }

    Widget() { ++widgets_made; }

private:
    TEST_WIDGET_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
    Ref<Widget> child_;
    std::string label_ = "lbl";
};
TARVELIN_GTYPE(Widget, "TestWidget", gobj::Object, IForms)

}  // namespace

TARVELIN_BIND_C_TYPE(TestIFormsInterface, IForms)

// ---------------------------------------------------------------- the C face of Widget

extern "C" {
typedef struct _TestWidget TestWidget;
#define TARVELIN_CAPI_CLASS Widget
#define TARVELIN_CAPI_CTYPE TestWidget
#define TARVELIN_CAPI_PREFIX test_widget
TEST_WIDGET_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

static TestWidget* test_widget_construct_titled(GType type, const gchar* title) {
    g_return_val_if_fail(title != NULL, NULL);
    return gobj::invoke<&Widget::create_titled>(G_STRFUNC, type, title);
}
static gint32 test_widget_twice(gint32 n) { return gobj::invoke<&Widget::twice>(G_STRFUNC, n); }
static TestWidget* test_widget_child(TestWidget* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Widget::child>(G_STRFUNC, self);
}
static TestWidget* test_widget_child_ref(TestWidget* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Widget::child_ref, gobj::borrow>(G_STRFUNC, self);
}
static void test_widget_adopt(TestWidget* self, TestWidget* child) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Widget::adopt>(G_STRFUNC, self, child);
}
static gchar* test_widget_label(TestWidget* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Widget::label>(G_STRFUNC, self);
}
static const gchar* test_widget_label_borrowed(TestWidget* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Widget::label, gobj::borrow>(G_STRFUNC, self);
}
static gint64 test_widget_checked(TestWidget* self, const gchar* what, GError** error) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::invoke<&Widget::checked>(G_STRFUNC, self, what, error).value_or(gint64(-1));
}
static gint64 test_widget_checked_quiet(TestWidget* self, const gchar* what) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::invoke<&Widget::checked>(G_STRFUNC, self, what).value_or(gint64(-1));
}
static gchar** test_widget_words(TestWidget* self, gint* result_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Widget::words>(G_STRFUNC, self, result_length1);
}
static gchar* test_iforms_describe(GObject* self, const gchar* what, gboolean loud, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(what != NULL, NULL);
    return gobj::dispatch<&TestIFormsInterface::describe>(G_STRFUNC, self, what, loud, error);
}
static gint64 test_iforms_total(GObject* self, GObject** items, gint n) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::dispatch<&TestIFormsInterface::total>(G_STRFUNC, self, items, n);
}
}

namespace {

// ---------------------------------------------------------------- a host's implementation in C

struct HostForms {
    GObject parent;
    gint calls;
};
struct HostFormsClass {
    GObjectClass parent;
};

gchar* host_describe(GObject* self, const gchar* what, gboolean loud, GError** error) {
    reinterpret_cast<HostForms*>(self)->calls++;
    if (g_str_equal(what, "fail")) {
        g_set_error_literal(error, g_quark_from_static_string("Host"), 5, "host refuses");
        return nullptr;
    }
    return g_strdup_printf("host:%s%s", what, loud ? "!" : "");
}
const gchar* host_name(GObject*) { return "host"; }
guint8* host_digest(GObject*, const guint8* data, gint n, gint* length) {
    *length = n + 1;
    auto* r = static_cast<guint8*>(g_malloc(n + 1));
    memcpy(r, data, n);
    r[n] = 0x2A;
    return r;
}
GDateTime* host_stamp(GObject*) { return g_date_time_new_utc(2000, 1, 1, 0, 0, 0); }

void host_forms_init_iface(gpointer g_iface, gpointer) {
    auto* vt = static_cast<TestIFormsInterface*>(g_iface);
    vt->describe = host_describe;
    vt->name = host_name;
    vt->digest = host_digest;
    vt->stamp = host_stamp;
    // split, children, total and format left empty
}

GType host_forms_get_type() {
    static const GType t = [] {
        GTypeInfo info{};
        info.class_size = sizeof(HostFormsClass);
        info.instance_size = sizeof(HostForms);
        GType type = g_type_register_static(G_TYPE_OBJECT, "TestHostForms", &info, GTypeFlags(0));
        GInterfaceInfo iface{host_forms_init_iface, nullptr, nullptr};
        g_type_add_interface_static(type, IForms::gtype(), &iface);
        return type;
    }();
    return t;
}

GObject* new_host() { return static_cast<GObject*>(g_object_new(host_forms_get_type(), nullptr)); }

}  // namespace

// ---------------------------------------------------------------- invoke

TEST(Invoke, ConstructorsAndStaticMembers) {
    int before = widgets_made;
    TestWidget* w = test_widget_construct_titled(Widget::gtype(), "t1");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(G_OBJECT(w)->ref_count, 1u) << "a new object is handed over with its one reference";
    EXPECT_STREQ(test_widget_get_title(w), "t1");
    EXPECT_EQ(widgets_made, before + 1);
    g_object_unref(w);
    EXPECT_EQ(test_widget_twice(21), 42);

    LogCapture log;
    EXPECT_EQ(test_widget_construct_titled(Widget::gtype(), "boom"), nullptr);
    EXPECT_TRUE(log.contains(kCritical, "cannot make boom"));
}

TEST(Invoke, ResultsAreFullUnlessBorrowed) {
    auto w = gobj::create<Widget>();
    auto c = gobj::create<Widget>();
    auto* self = reinterpret_cast<TestWidget*>(w.gobj());
    test_widget_adopt(self, reinterpret_cast<TestWidget*>(c.gobj()));
    EXPECT_EQ(c.gobj()->ref_count, 2u);

    TestWidget* full = test_widget_child(self);
    EXPECT_EQ(c.gobj()->ref_count, 3u);
    g_object_unref(full);
    TestWidget* borrowed = test_widget_child_ref(self);
    EXPECT_EQ(reinterpret_cast<GObject*>(borrowed), c.gobj());
    EXPECT_EQ(c.gobj()->ref_count, 2u);

    gchar* label = test_widget_label(self);
    EXPECT_STREQ(label, "lbl");
    EXPECT_NE(label, test_widget_label_borrowed(self));
    g_free(label);
    EXPECT_STREQ(test_widget_label_borrowed(self), "lbl");

    gint n = -5;
    gchar** words = test_widget_words(self, &n);
    ASSERT_EQ(n, 2);
    EXPECT_STREQ(words[0], "a");
    EXPECT_STREQ(words[1], "bc");
    EXPECT_EQ(words[2], nullptr);
    g_strfreev(words);
}

TEST(Invoke, ErrorsReachTheCaller) {
    auto w = gobj::create<Widget>();
    auto* self = reinterpret_cast<TestWidget*>(w.gobj());
    struct Case {
        const char* what;
        gint64 result;
        const char* domain;
        int code;
        const char* message;
    } cases[] = {
        {"four", 4, nullptr, 0, nullptr},
        {"error", -1, "Test", 3, "checked failed"},
        // Not an Error: the caller still gets one, so a NULL/-1 result never comes alone.
        {"other", -1, "g-io-error-quark", G_IO_ERROR_FAILED, "not an error"},
    };
    for (const auto& c : cases) {
        LogCapture log;
        GError* error = nullptr;
        EXPECT_EQ(test_widget_checked(self, c.what, &error), c.result) << c.what;
        if (!c.domain) {
            EXPECT_EQ(error, nullptr);
            continue;
        }
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_STREQ(g_quark_to_string(error->domain), c.domain);
        EXPECT_EQ(error->code, c.code);
        EXPECT_STREQ(error->message, c.message);
        g_error_free(error);
    }
    LogCapture log;
    EXPECT_EQ(test_widget_checked_quiet(self, "error"), -1);
    EXPECT_TRUE(log.contains(kCritical, "checked failed")) << "without GError** the error is logged";
}

TEST(Invoke, AWrongTypedInstanceGivesACriticalAndTheEmptyResult) {
    GObject* other = static_cast<GObject*>(g_object_new(G_TYPE_OBJECT, nullptr));
    auto* self = reinterpret_cast<TestWidget*>(other);
    LogCapture log;
    EXPECT_EQ(test_widget_get_title(self), nullptr);
    EXPECT_EQ(test_widget_checked(self, "four", nullptr), -1);
    test_widget_set_title(self, "x");
    EXPECT_TRUE(log.contains(kCritical, "G_TYPE_CHECK_INSTANCE_TYPE (self, TestWidget)"));
    EXPECT_EQ(log.count(kCritical, "G_TYPE_CHECK_INSTANCE_TYPE"), 3);
    g_object_unref(other);
}

// ---------------------------------------------------------------- property rows

TEST(PropertyRows, StartingValuesDeclaredDefaultsAndFlags) {
    auto w = gobj::create<Widget>();
    auto* self = reinterpret_cast<TestWidget*>(w.gobj());
    GObjectClass* k = G_OBJECT_GET_CLASS(w.gobj());
    struct Case {
        const char* name;
        GType type;
        bool writable;
    } cases[] = {{"title", G_TYPE_STRING, true},     {"kind", G_TYPE_STRING, true},
                 {"enabled", G_TYPE_BOOLEAN, true},  {"ordinal", G_TYPE_UINT, true},
                 {"size", G_TYPE_INT64, true},       {"level", test_level_gtype(), true},
                 {"items", GEE_TYPE_ARRAY_LIST, true}, {"options", GEE_TYPE_HASH_MAP, true},
                 {"code", G_TYPE_STRING, false}};
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(k, &n);
    ASSERT_GE(n, G_N_ELEMENTS(cases));
    for (guint i = 0; i < G_N_ELEMENTS(cases); ++i) {
        EXPECT_STREQ(specs[i]->name, cases[i].name) << "installation order is the row order";
        EXPECT_EQ(specs[i]->value_type, cases[i].type) << cases[i].name;
        EXPECT_EQ((specs[i]->flags & G_PARAM_WRITABLE) != 0, cases[i].writable) << cases[i].name;
        EXPECT_STREQ(g_param_spec_get_nick(specs[i]), cases[i].name);
    }
    g_free(specs);
    EXPECT_EQ(G_PARAM_SPEC_STRING(g_object_class_find_property(k, "title"))->default_value, nullptr);
    EXPECT_STREQ(G_PARAM_SPEC_STRING(g_object_class_find_property(k, "kind"))->default_value, "plain");
    EXPECT_STREQ(test_widget_get_title(self), "");
    EXPECT_TRUE(test_widget_get_enabled(self));
    EXPECT_EQ(test_widget_get_size(self), -1);
    EXPECT_NE(test_widget_get_items(self), nullptr);
    EXPECT_EQ(test_widget_get_options(self), nullptr);
    EXPECT_STREQ(test_widget_get_code(self), "x1");
}

TEST(PropertyRows, NotifyOnChangeOrAlways) {
    auto w = gobj::create<Widget>();
    auto* self = reinterpret_cast<TestWidget*>(w.gobj());
    int title = 0, size = 0, items = 0, options = 0, level = 0;
    auto count = [&](const char* sig, int* n) {
        g_signal_connect_swapped(w.gobj(), sig, G_CALLBACK(+[](int* p) { ++*p; }), n);
    };
    count("notify::title", &title);
    count("notify::size", &size);
    count("notify::items", &items);
    count("notify::options", &options);
    count("notify::level", &level);

    // Title: "" (same), "a", "a" (same), NULL, NULL (same), "" : NULL is a value of its own.
    const char* titles[] = {"", "a", "a", nullptr, nullptr, ""};
    int expected[] = {0, 1, 1, 2, 2, 3};
    for (size_t i = 0; i < G_N_ELEMENTS(titles); ++i) {
        test_widget_set_title(self, titles[i]);
        EXPECT_EQ(title, expected[i]) << i;
    }
    test_widget_set_size(self, -1);
    test_widget_set_size(self, -1);
    EXPECT_EQ(size, 2) << "an Always row notifies every set";
    GeeArrayList* list = test_widget_get_items(self);
    test_widget_set_items(self, list);
    EXPECT_EQ(items, 1);
    EXPECT_EQ(test_widget_get_items(self), list) << "the list itself";
    GeeHashMap* map = gee_hash_map_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, G_TYPE_STRING,
                                       (GBoxedCopyFunc)g_strdup, g_free, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, nullptr);
    test_widget_set_options(self, map);
    test_widget_set_options(self, map);
    EXPECT_EQ(options, 1) << "the map already held is not a change";
    EXPECT_EQ(G_OBJECT(map)->ref_count, 2u);
    g_object_unref(map);
    g_object_set(w.gobj(), "level", TEST_LEVEL_HIGH, nullptr);
    g_object_set(w.gobj(), "level", TEST_LEVEL_HIGH, nullptr);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(test_widget_get_level(self), TEST_LEVEL_HIGH);
}

TEST(PropertyRows, SixteenBitsBehindAnUnsignedProperty) {
    auto w = gobj::create<Widget>();
    g_object_set(w.gobj(), "ordinal", 70000u, nullptr);
    guint read = 0;
    g_object_get(w.gobj(), "ordinal", &read, nullptr);
    EXPECT_EQ(read, 4464u);
}

// ---------------------------------------------------------------- slots, dispatch and call

TEST(Interfaces, CallReachesOursAndAHostsImplementationAlike) {
    auto w = gobj::create<Widget>();
    GObject* host = new_host();
    const guint8 bytes[] = {1, 2, 3};
    struct Case {
        gpointer instance;
        std::string described;
        std::vector<guint8> digest;
        std::string name;
        gint year;
    } cases[] = {
        {w.gobj(), "hi!", {0xFE, 0xFD, 0xFC}, "widget", 2024},
        {host, "host:hi!", {1, 2, 3, 0x2A}, "host", 2000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gobj::call<&TestIFormsInterface::describe>(c.instance, std::string("hi"), true), c.described);
        EXPECT_EQ(gobj::call<&TestIFormsInterface::digest>(c.instance, std::span<const guint8>(bytes)), c.digest);
        EXPECT_STREQ(gobj::call<&TestIFormsInterface::name>(c.instance), c.name.c_str());
        gobj::DateTime stamp = gobj::call<&TestIFormsInterface::stamp>(c.instance);
        ASSERT_TRUE(stamp);
        EXPECT_EQ(g_date_time_get_year(stamp.get()), c.year);
    }
    EXPECT_EQ(reinterpret_cast<HostForms*>(host)->calls, 1);
    g_object_unref(host);
}

TEST(Interfaces, ErrorsAreThrownAndEmptySlotsGiveTheEmptyResult) {
    auto w = gobj::create<Widget>();
    GObject* host = new_host();
    for (gpointer instance : {static_cast<gpointer>(w.gobj()), static_cast<gpointer>(host)}) {
        try {
            gobj::call<&TestIFormsInterface::describe>(instance, std::string("fail"), false);
            ADD_FAILURE() << "no error";
        } catch (const gobj::Error& e) {
            EXPECT_TRUE(e.matches(instance == host ? "Host" : "Test")) << e.domain_name();
        }
    }
    std::vector<guint8> head{9};
    gint rest = 7;
    EXPECT_NO_THROW(gobj::call<&TestIFormsInterface::split>(host, std::span<const guint8>(), head, rest));
    EXPECT_EQ(rest, 7) << "an empty slot writes nothing";
    EXPECT_TRUE(gobj::call<&TestIFormsInterface::children>(host).empty());
    LogCapture quiet;
    EXPECT_EQ(test_iforms_total(host, nullptr, 0), -1) << "an empty gint64 slot gives -1";
    EXPECT_EQ(quiet.count(kCritical, ""), 0);
    g_object_unref(host);
}

TEST(Interfaces, OutParametersArraysAndLengths) {
    auto w = gobj::create<Widget>();
    auto child = gobj::create<Widget>();
    w->adopt(child);
    const std::vector<guint8> data{5, 6, 7};
    std::vector<guint8> head;
    gint rest = 0;
    gobj::call<&TestIFormsInterface::split>(w, data, head, rest);
    EXPECT_EQ(head, std::vector<guint8>{5});
    EXPECT_EQ(rest, 2);
    EXPECT_THROW(gobj::call<&TestIFormsInterface::split>(w, std::vector<guint8>(), head, rest), gobj::Error);

    auto kids = gobj::call<&TestIFormsInterface::children>(w);
    ASSERT_EQ(kids.size(), 1u);
    EXPECT_EQ(static_cast<gpointer>(kids[0].get()), child.instance());
    EXPECT_EQ(child.gobj()->ref_count, 3u) << "the array's reference was adopted, not leaked";
    kids.clear();
    EXPECT_EQ(child.gobj()->ref_count, 2u);

    std::vector<Ref<gobj::Object>> items{Ref<gobj::Object>(child), Ref<gobj::Object>(*w)};
    EXPECT_EQ(gobj::call<&TestIFormsInterface::total>(w, items), 2);
    GObject* raw[] = {child.gobj(), w.gobj()};
    EXPECT_EQ(test_iforms_total(w.gobj(), raw, 2), 2);
}

TEST(Interfaces, FormattedTextFromAVaList) {
    auto w = gobj::create<Widget>();
    auto format = [&](const char* fmt, ...) {
        va_list ap;
        va_start(ap, fmt);
        auto* vt = static_cast<TestIFormsInterface*>(g_type_interface_peek(G_OBJECT_GET_CLASS(w.gobj()), IForms::gtype()));
        gchar* r = vt->format(w.gobj(), fmt, ap);
        va_end(ap);
        return gobj::take_string(r);
    };
    EXPECT_EQ(format("%s=%d", "n", 42), "[n=42]");
}

TEST(Interfaces, DispatchChecksTheInstance) {
    GObject* plain = static_cast<GObject*>(g_object_new(G_TYPE_OBJECT, nullptr));
    LogCapture log;
    GError* error = nullptr;
    EXPECT_EQ(test_iforms_describe(plain, "x", FALSE, &error), nullptr);
    EXPECT_EQ(error, nullptr);
    EXPECT_TRUE(log.contains(kCritical, "G_TYPE_CHECK_INSTANCE_TYPE (self, TestIForms)"));
    EXPECT_EQ(gobj::call<&TestIFormsInterface::name>(plain), nullptr);
    EXPECT_TRUE(log.contains(kCritical, "GObject does not implement TestIForms"));
    g_object_unref(plain);
}

extern "C" {
TARVELIN_CLASS_CAPI(Widget, TestWidget, test_widget_plain)
}

TEST(Invoke, ClassMacroMakesTypeConstructAndNew) {
    EXPECT_EQ(test_widget_plain_get_type(), Widget::gtype());
    TestWidget* w = test_widget_plain_new();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(w, Widget::gtype()));
    g_object_unref(w);
    LogCapture log;
    EXPECT_EQ(test_widget_plain_construct(G_TYPE_OBJECT), nullptr) << "not a type of the class";
    EXPECT_TRUE(log.contains(kCritical, "g_type_is_a"));
}
