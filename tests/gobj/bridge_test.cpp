// The bridge on its own: a small C++ class, an interface, a fundamental class, and
// types a C host derives or implements.
#include <gtest/gtest.h>
#include <json-glib/json-glib.h>

#include <atomic>
#include <barrier>
#include <thread>
#include <vector>

#include "providers/gobj/args.hpp"
#include "providers/gobj/barrier.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/gee.hpp"
#include "providers/gobj/list_model.hpp"
#include "providers/gobj/log.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/register.hpp"
#include "providers/gobj/slot.hpp"

extern "C" {
#include "host_types.h"
}

using namespace tarvelin;
using gobj::Ref;

namespace {

// ---- an interface with a C structure of its own, as a public header would declare it
struct TestIMeterInterface {
    GTypeInterface parent_iface;
    gint64 (*measure)(GObject* self, gint32 factor);
    gchar* (*label)(GObject* self);
    gboolean (*check)(GObject* self, const gchar* why, GError** error);
};

class IMeter : public gobj::Interface {
public:
    using Vtable = TestIMeterInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<IMeter>& spec) {
        spec.property<&IMeter::ready>(gobj::pspec::boolean("ready", gobj::kRead));
    }
    virtual gint64 measure(gint32 factor) = 0;
    virtual std::string label() = 0;
    virtual bool check(std::string_view why) = 0;
    virtual bool ready() const = 0;
    template <class T>
    static void fill(Vtable* vt) {
        vt->measure = gobj::slot<T, &IMeter::measure>(vt->measure);
        vt->label = gobj::slot<T, &IMeter::label>(vt->label);
        vt->check = gobj::slot<T, &IMeter::check>(vt->check);
    }
};
TARVELIN_INTERFACE_GTYPE(IMeter, "TestIMeter", G_TYPE_OBJECT)

}  // namespace

TARVELIN_BIND_C_TYPE(TestIMeterInterface, IMeter)

namespace {

std::atomic<int> gadgets_alive{0};

class Gadget : public gobj::Object, public IMeter, public gobj::ListModel {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<Gadget>& c) {
        s_title = c.property<&Gadget::title, &Gadget::set_title>(gobj::pspec::text("title", gobj::kReadWrite));
        s_count = c.property<&Gadget::count, &Gadget::set_count>(
            gobj::pspec::int32("count", 0, 1000, 0, gobj::kReadWrite));
        s_size = c.property<&Gadget::size, &Gadget::set_size>(
            gobj::pspec::int64("size", -1, G_MAXINT64, -1, gobj::kReadWrite));
        s_kind = c.property<&Gadget::kind, &Gadget::set_kind>(gobj::pspec::text("kind", gobj::kReadWrite, "plain"));
        s_changed = c.signal("changed", G_SIGNAL_RUN_LAST, G_TYPE_NONE, {G_TYPE_INT, G_TYPE_STRING});
    }
    Gadget() { ++gadgets_alive; }
    ~Gadget() override { --gadgets_alive; }

    const std::string& title() const { return title_; }
    void set_title(std::string v) {
        if (gobj::assign(title_, std::move(v))) notify(s_title);
    }
    gint32 count() const { return count_; }
    void set_count(gint32 v) {  // notifies always
        count_ = v;
        notify(s_count);
    }
    gint64 size() const { return size_; }
    void set_size(gint64 v) {
        if (gobj::assign(size_, v)) notify(s_size);
    }
    std::optional<std::string> kind() const { return kind_; }
    void set_kind(std::optional<std::string> v) {
        if (gobj::assign(kind_, std::move(v))) notify(s_kind);
    }
    void fire(int n, const char* s) { emit(s_changed, n, s); }

    gint64 measure(gint32 factor) override { return gint64(count_) * factor; }
    std::string label() override { return "gadget:" + title_; }
    bool check(std::string_view why) override {
        if (why == "bad") throw gobj::Error("Test", 7, "bad reason");
        if (why == "odd") throw std::runtime_error("odd");
        return true;
    }
    bool ready() const override { return count_ > 0; }

    GType list_item_type() const override { return gtype(); }
    guint list_n_items() const override { return static_cast<guint>(items_.size()); }
    gpointer list_item(guint i) const override { return i < items_.size() ? items_[i].dup() : nullptr; }
    void add(Ref<Gadget> g) {
        items_.push_back(std::move(g));
        gobj::items_changed(*this, static_cast<guint>(items_.size() - 1), 0, 1);
    }
    void dispose() override { items_.clear(); }

    static inline GParamSpec* s_title;
    static inline GParamSpec* s_count;
    static inline GParamSpec* s_size;
    static inline GParamSpec* s_kind;
    static inline guint s_changed;

private:
    std::string title_;  // starts "" although the declared default is NULL
    gint32 count_ = 0;
    gint64 size_ = -1;
    std::optional<std::string> kind_ = "plain";
    std::vector<Ref<Gadget>> items_;
};
TARVELIN_GTYPE(Gadget, "TestGadget", gobj::Object, IMeter, gobj::ListModel)

class SubGadget : public Gadget {
public:
    static GType gtype();
    gint64 measure(gint32 factor) override { return -factor; }
};
TARVELIN_GTYPE(SubGadget, "TestSubGadget", Gadget)

std::atomic<int> counters_alive{0};
class Counter : public gobj::Fundamental {
public:
    static GType gtype();
    Counter() { ++counters_alive; }
    ~Counter() override { --counters_alive; }
    int n = 3;
};
TARVELIN_FUNDAMENTAL_GTYPE(Counter, "TestCounter", "ParamSpecTestCounter")

int notifications(GObject* o, const char* prop, const std::function<void()>& action) {
    int n = 0;
    std::string sig = std::string("notify::") + prop;
    gulong id = g_signal_connect_swapped(o, sig.c_str(), G_CALLBACK(+[](int* p) { ++*p; }), &n);
    action();
    g_signal_handler_disconnect(o, id);
    return n;
}

}  // namespace

TEST(Bridge, TypesAreKnownByNameFromLoad) {
    GType t = g_type_from_name("TestGadget");
    ASSERT_NE(t, G_TYPE_INVALID);
    EXPECT_EQ(g_type_parent(t), G_TYPE_OBJECT);
    EXPECT_TRUE(g_type_is_a(t, IMeter::gtype()));
    EXPECT_TRUE(g_type_is_a(t, G_TYPE_LIST_MODEL));
    EXPECT_EQ(g_type_parent(SubGadget::gtype()), t);
    EXPECT_STREQ(g_type_name(Counter::gtype()), "TestCounter");
    EXPECT_TRUE(G_TYPE_IS_FUNDAMENTAL(Counter::gtype()));
}

TEST(Bridge, NotifyOnChangeOnlyUnlessAlways) {
    auto g = gobj::create<Gadget>();
    struct Case {
        const char* title;
        int expected;
    } cases[] = {{"", 0}, {"a", 1}, {"a", 0}, {"b", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(notifications(g.gobj(), "title", [&] { g_object_set(g.gobj(), "title", c.title, nullptr); }),
                  c.expected)
            << c.title;
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(notifications(g.gobj(), "count", [&] { g->set_count(5); }), 1);
    }
    EXPECT_EQ(notifications(g.gobj(), "count", [&] { g_object_set(g.gobj(), "count", 5, nullptr); }), 1);
}

TEST(Bridge, StartingValuesDifferFromDeclaredDefaults) {
    auto g = gobj::create<Gadget>();
    GParamSpec* p = g_object_class_find_property(G_OBJECT_GET_CLASS(g.gobj()), "title");
    EXPECT_EQ(G_PARAM_SPEC_STRING(p)->default_value, nullptr);
    EXPECT_STREQ(g_param_spec_get_nick(p), "title");
    EXPECT_STREQ(g_param_spec_get_blurb(p), "title");
    gchar* title = nullptr;
    g_object_get(g.gobj(), "title", &title, nullptr);
    EXPECT_STREQ(title, "");
    g_free(title);
}

TEST(Bridge, JsonSerialisationOmitsDeclaredDefaults) {
    auto g = gobj::create<Gadget>();
    auto to_json = [&] {
        JsonNode* node = json_gobject_serialize(g.gobj());
        gchar* text = json_to_string(node, FALSE);
        json_node_unref(node);
        return gobj::take_string(text);
    };
    // "" differs from the declared NULL; count 0, size -1 and kind "plain" are defaults.
    EXPECT_EQ(to_json(), R"({"title":""})");
    g->set_title("T");
    g->set_count(3);
    g->set_kind("other");
    EXPECT_EQ(to_json(), R"({"ready":true,"title":"T","count":3,"kind":"other"})");

    GObject* back = json_gobject_from_data(Gadget::gtype(), R"({"title":"X","size":12})", -1, nullptr);
    ASSERT_NE(back, nullptr);
    Gadget* b = gobj::cast<Gadget>(back);
    EXPECT_EQ(b->title(), "X");
    EXPECT_EQ(b->size(), 12);
    EXPECT_EQ(b->count(), 0);
    g_object_unref(back);
}

TEST(Bridge, ObjectNewFromCGivesWorkingObject) {
    GObject* o = static_cast<GObject*>(g_object_new(g_type_from_name("TestGadget"), "title", "t", "count", 4, nullptr));
    Gadget* g = gobj::cast<Gadget>(o);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->title(), "t");
    EXPECT_EQ(g->count(), 4);
    g_object_unref(o);
}

TEST(Bridge, FinalizeDeletesOnceAndDisposeIsRepeatable) {
    int before = gadgets_alive;
    GObject* o = static_cast<GObject*>(g_object_new(Gadget::gtype(), nullptr));
    auto inner = gobj::create<Gadget>();
    gobj::cast<Gadget>(o)->add(inner);
    EXPECT_EQ(gadgets_alive, before + 2);
    g_object_run_dispose(o);
    g_object_run_dispose(o);
    g_object_unref(o);
    EXPECT_EQ(gadgets_alive, before + 1);
    inner.reset();
    EXPECT_EQ(gadgets_alive, before);
}

TEST(Bridge, SubclassOverridesReachInterfaceSlots) {
    auto s = gobj::create<SubGadget>();
    s->set_count(3);
    auto* vt = static_cast<TestIMeterInterface*>(g_type_interface_peek(G_OBJECT_GET_CLASS(s.gobj()), IMeter::gtype()));
    EXPECT_EQ(vt->measure(s.gobj(), 5), -5);
    auto g = gobj::create<Gadget>();
    g->set_count(3);
    EXPECT_EQ(vt->measure(g.gobj(), 5), 15);
}

TEST(Bridge, SlotThunksConvertTextsAndErrors) {
    auto g = gobj::create<Gadget>();
    g->set_title("x");
    auto* vt = static_cast<TestIMeterInterface*>(g_type_interface_peek(G_OBJECT_GET_CLASS(g.gobj()), IMeter::gtype()));
    EXPECT_EQ(gobj::take_string(vt->label(g.gobj())), "gadget:x");

    GError* error = nullptr;
    EXPECT_TRUE(vt->check(g.gobj(), "fine", &error));
    EXPECT_EQ(error, nullptr);
    EXPECT_FALSE(vt->check(g.gobj(), "bad", &error));
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->domain, g_quark_from_string("Test"));
    EXPECT_EQ(error->code, 7);
    EXPECT_STREQ(error->message, "bad reason");
    g_clear_error(&error);
    // Anything but an Error stops at the barrier as a critical, and the empty result comes
    // with an error all the same.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(vt->check(g.gobj(), "odd", &error));
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(g_error_matches(error, G_IO_ERROR, G_IO_ERROR_FAILED));
    EXPECT_STREQ(error->message, "odd");
    g_clear_error(&error);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("uncaught C++ exception: odd"), std::string::npos);
}

TEST(Bridge, InterfacePropertyReachesVirtual) {
    auto g = gobj::create<Gadget>();
    gboolean ready = TRUE;
    g_object_get(g.gobj(), "ready", &ready, nullptr);
    EXPECT_FALSE(ready);
    g->set_count(2);
    g_object_get(g.gobj(), "ready", &ready, nullptr);
    EXPECT_TRUE(ready);
}

TEST(Bridge, SignalsCarryParameters) {
    auto g = gobj::create<Gadget>();
    struct Seen {
        int n = 0;
        std::string s;
    } seen;
    g_signal_connect(g.gobj(), "changed", G_CALLBACK(+[](GObject*, int n, const char* s, Seen* out) {
                         out->n = n;
                         out->s = s;
                     }),
                     &seen);
    g->fire(42, "hello");
    EXPECT_EQ(seen.n, 42);
    EXPECT_EQ(seen.s, "hello");
}

TEST(Bridge, ListModelAnnouncesAndHandsOutNewReferences) {
    auto g = gobj::create<Gadget>();
    std::vector<std::array<guint, 3>> log;
    g_signal_connect(g.gobj(), "items-changed",
                     G_CALLBACK(+[](GListModel*, guint p, guint r, guint a, decltype(log)* out) {
                         out->push_back({p, r, a});
                     }),
                     &log);
    auto child = gobj::create<Gadget>();
    g->add(child);
    g->add(gobj::create<Gadget>());
    EXPECT_EQ(log, (std::vector<std::array<guint, 3>>{{0, 0, 1}, {1, 0, 1}}));
    GListModel* m = G_LIST_MODEL(g.gobj());
    EXPECT_EQ(g_list_model_get_n_items(m), 2u);
    EXPECT_EQ(g_list_model_get_item_type(m), Gadget::gtype());
    GObject* item = static_cast<GObject*>(g_list_model_get_item(m, 0));
    EXPECT_EQ(item, child.gobj());
    EXPECT_EQ(item->ref_count, 3u);  // child, the list, and ours
    g_object_unref(item);
    EXPECT_EQ(g_list_model_get_item(m, 2), nullptr);
}

// A host may implement an interface in C: a Ref to one gives no C++ pointer to call through.
template <class R>
concept Dereferenceable = requires(const R& r) { r.get(); } || requires(const R& r) { r.operator->(); } ||
                          requires(const R& r) { *r; };
static_assert(!Dereferenceable<Ref<IMeter>>);
static_assert(Dereferenceable<Ref<Gadget>>);

TEST(Bridge, RefCopiesMovesAndCasts) {
    auto g = gobj::create<SubGadget>();
    EXPECT_EQ(g.gobj()->ref_count, 1u);
    {
        Ref<Gadget> up = g;  // implicit upcast adds a reference
        EXPECT_EQ(g.gobj()->ref_count, 2u);
        Ref<IMeter> meter = up;
        EXPECT_EQ(gobj::call<&TestIMeterInterface::measure>(meter, 2), -2);
        Ref<Gadget> moved = std::move(up);
        EXPECT_FALSE(up);
        EXPECT_EQ(g.gobj()->ref_count, 3u);
        moved = moved;
        EXPECT_EQ(g.gobj()->ref_count, 3u);
        EXPECT_TRUE(gobj::ref_cast<SubGadget>(moved));
    }
    EXPECT_EQ(g.gobj()->ref_count, 1u);
    auto plain = gobj::create<Gadget>();
    EXPECT_FALSE(gobj::ref_cast<SubGadget>(plain));
    gpointer raw = plain.release();
    auto back = Ref<Gadget>::adopt(raw);
    EXPECT_EQ(back.gobj()->ref_count, 1u);
}

TEST(Bridge, FundamentalClassCountsAndTravelsInValues) {
    int before = counters_alive;
    {
        auto c = gobj::create<Counter>();
        EXPECT_EQ(c->n, 3);
        auto* inst = static_cast<gobj::FundamentalInstance*>(c.instance());
        EXPECT_EQ(inst->ref_count, 1);
        GValue v = G_VALUE_INIT;
        g_value_init(&v, Counter::gtype());
        gobj::fundamental_value_set(&v, Counter::gtype(), c.instance());
        EXPECT_EQ(inst->ref_count, 2);
        GValue copy = G_VALUE_INIT;
        g_value_init(&copy, Counter::gtype());
        g_value_copy(&v, &copy);
        EXPECT_EQ(inst->ref_count, 3);
        EXPECT_EQ(gobj::fundamental_value_get(&copy, Counter::gtype()), c.instance());
        g_value_unset(&copy);
        g_value_unset(&v);
        EXPECT_EQ(inst->ref_count, 1);

        GParamSpec* p = gobj::fundamental_param_spec(Counter::gtype(), "counter", "counter", "counter",
                                                     Counter::gtype(), G_PARAM_READWRITE);
        ASSERT_NE(p, nullptr);
        EXPECT_STREQ(G_PARAM_SPEC_TYPE_NAME(p), "ParamSpecTestCounter");
        EXPECT_EQ(p->value_type, Counter::gtype());
        g_param_spec_ref_sink(p);
        g_param_spec_unref(p);
    }
    EXPECT_EQ(counters_alive, before);
}

TEST(Bridge, CHostSubclassKeepsParentBehaviour) {
    int finalized = host_null_finalized_count();
    GObject* o = static_cast<GObject*>(g_object_new(HOST_TYPE_NULL, "extra", 9, nullptr));
    EXPECT_EQ(host_null_get_extra(HOST_NULL(o)), 9);
    auto* v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(o);
    EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(v), "NULL");
    EXPECT_TRUE(tarvelin_providers_contracts_ivalue_get_is_null(TARVELIN_PROVIDERS_CONTRACTS_IVALUE(o)));
    gchar* dump = tarvelin_providers_contracts_value_object_dump(v);
    EXPECT_STREQ(dump, "HostNull => ");
    g_free(dump);
    auto* clone = tarvelin_providers_contracts_value_object_clone(v);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(clone), "TarvelinProvidersContractsValueNull");
    g_object_unref(clone);
    g_object_unref(o);
    EXPECT_EQ(host_null_finalized_count(), finalized + 1);
    // construct() with the host type.
    auto* made = tarvelin_providers_contracts_value_null_construct(HOST_TYPE_NULL);
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(made, HOST_TYPE_NULL));
    EXPECT_EQ(host_null_get_extra(HOST_NULL(made)), 7);
    g_object_unref(made);
}

TEST(Bridge, CHostInterfaceWithEmptySlotsGivesEmptyResults) {
    GObject* o = static_cast<GObject*>(g_object_new(HOST_TYPE_PARTIAL_VALUE, nullptr));
    auto* iv = TARVELIN_PROVIDERS_CONTRACTS_IVALUE(o);
    gchar* s = tarvelin_providers_contracts_ivalue_to_string(iv);
    EXPECT_STREQ(s, "from C");
    g_free(s);
    EXPECT_EQ(tarvelin_providers_contracts_ivalue_dump(iv), nullptr);
    EXPECT_EQ(tarvelin_providers_contracts_ivalue_get_name(iv), nullptr);
    EXPECT_FALSE(tarvelin_providers_contracts_ivalue_get_is_null(iv));
    g_object_unref(o);
}

TEST(Bridge, ErrorsBecomeGErrorsAtTheCBoundary) {
    GError* error = nullptr;
    int r = gobj::capi(G_STRFUNC, &error, [] () -> int { throw gobj::Error("SQLite", 21, "bad 50% done"); }, -1);
    EXPECT_EQ(r, -1);
    ASSERT_NE(error, nullptr);
    EXPECT_STREQ(g_quark_to_string(error->domain), "SQLite");
    EXPECT_EQ(error->code, 21);
    EXPECT_STREQ(error->message, "bad 50% done");
    try {
        gobj::check(error);
        FAIL() << "no throw";
    } catch (const gobj::Error& e) {
        EXPECT_TRUE(e.matches("SQLite"));
        EXPECT_EQ(e.code(), 21);
    }
    EXPECT_EQ(gobj::source_tag("/a/b/provider.cpp", 67), "provider:67");
}

TEST(Bridge, GeeViewsHoldReferences) {
    auto list = gobj::GeeArray<Gadget>::create();
    auto g = gobj::create<Gadget>();
    list.append(g);
    EXPECT_EQ(g.gobj()->ref_count, 2u);
    EXPECT_EQ(list.size(), 1);
    EXPECT_EQ(list.at(0), g);
    int n = 0;
    for (Ref<Gadget> item : list) n += item == g;
    EXPECT_EQ(n, 1);
    list.clear();
    EXPECT_EQ(g.gobj()->ref_count, 1u);

    auto map = gobj::StringMap::create();
    map.set("DELIMITER_COLUMN", ",");
    EXPECT_EQ(map.get_or("DELIMITER_COLUMN", "?"), ",");
    EXPECT_FALSE(map.get("MISSING"));
}

TEST(Bridge, EightThreadsShareObjectsSafely) {
    auto shared = gobj::create<Gadget>();
    int before = gadgets_alive;
    std::barrier start(8);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            for (int i = 0; i < 2000; ++i) {
                Ref<Gadget> copy = shared;
                Ref<IMeter> meter = copy;
                auto own = gobj::create<Gadget>();
                g_object_set(own.gobj(), "count", t + 1, nullptr);
                if (gobj::call<&TestIMeterInterface::measure>(meter, 1) != shared->count()) std::abort();
                auto c = gobj::create<Counter>();
                gobj::fundamental_ref(c.instance());
                gobj::fundamental_unref(c.instance());
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(shared.gobj()->ref_count, 1u);
    EXPECT_EQ(gadgets_alive, before);
}

TEST(Bridge, BarriersTakeVoidOperations) {
    GError* error = nullptr;
    gobj::capi(G_STRFUNC, &error, [] { throw gobj::Error("Crypto", 2, "no key"); });
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->code, 2);
    g_clear_error(&error);
    bool ran = false;
    gobj::guarded("test", [&] { ran = true; });
    EXPECT_TRUE(ran);
}
