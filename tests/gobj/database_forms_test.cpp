// The form the database contracts add: an operation whose empty result is not 0 (a
// statement count, a position), declared once with gobj::empty_value for the slot that
// serves our implementation and for call, which also reaches a host's.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "providers/gobj/args.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/invoke.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/register.hpp"
#include "providers/gobj/slot.hpp"
#include "support/driver_checks.hpp"

using namespace tarvelin;
using tarvelin::test::LogCapture;

namespace {

struct TestICounterInterface {
    GTypeInterface parent_iface;
    gint64 (*count)(GObject* self, const gchar* what, GError** error);
    gint (*position)(GObject* self, const gchar* what);
};

class ICounter : public gobj::Interface {
public:
    using Vtable = TestICounterInterface;
    static GType gtype();
    virtual gint64 count(const std::string& what) = 0;
    virtual gint position(const std::string& what) = 0;
    template <class T>
    static void fill(Vtable* vt) {
        vt->count = gobj::slot<T, &ICounter::count, gobj::empty_value<-1>>(vt->count);
        vt->position = gobj::slot<T, &ICounter::position, gobj::empty_value<-1>>(vt->position);
    }
};
TARVELIN_INTERFACE_GTYPE(ICounter, "TestRowCounterIface", G_TYPE_OBJECT)

// Fails by the word it is given: "error" with an Error, "other" with another exception.
class Counter : public gobj::Object, public ICounter {
public:
    static GType gtype();
    gint64 count(const std::string& what) override {
        fail_on(what);
        return static_cast<gint64>(what.size());
    }
    gint position(const std::string& what) override {
        fail_on(what);
        return static_cast<gint>(what.find('x'));
    }

private:
    static void fail_on(const std::string& what) {
        if (what == "error") throw gobj::Error("Test", 7, "cannot count");
        if (what == "other") throw std::runtime_error("not an error");
    }
};
TARVELIN_GTYPE(Counter, "TestRowCounter", gobj::Object, ICounter)

// A host's implementation in C that fills neither slot.
GType host_counter_get_type() {
    static const GType t = [] {
        GTypeInfo info{};
        info.class_size = sizeof(GObjectClass);
        info.instance_size = sizeof(GObject);
        GType type = g_type_register_static(G_TYPE_OBJECT, "TestHostRowCounter", &info, GTypeFlags(0));
        GInterfaceInfo iface{};
        g_type_add_interface_static(type, ICounter::gtype(), &iface);
        return type;
    }();
    return t;
}

}  // namespace

TARVELIN_BIND_C_TYPE(TestICounterInterface, ICounter)

extern "C" {
static gint64 test_icounter_count(GObject* self, const gchar* what, GError** error) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::dispatch<&TestICounterInterface::count>(G_STRFUNC, self, what, error);
}
static gint test_icounter_position(GObject* self, const gchar* what) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::dispatch<&TestICounterInterface::position, -1>(G_STRFUNC, self, what);
}
}

TEST(DatabaseForms, AFailedSlotGivesItsDeclaredEmptyResult) {
    auto counter = gobj::create<Counter>();
    GObject* self = counter.gobj();
    struct Case {
        const char* what;
        gint64 count;
        gint position;
        const char* error;  // of the count
        int criticals;      // of the position, which has no GError to take a failure
    } cases[] = {
        {"xyz", 3, 0, "(none)", 0},
        {"", 0, -1, "(none)", 0},  // a real 0 and a real -1 come through as they are
        {"error", -1, -1, "Test 7 cannot count", 1},
        {"other", -1, -1, "g-io-error-quark 0 not an error", 2},
    };
    for (const auto& c : cases) {
        LogCapture log;
        GError* error = nullptr;
        EXPECT_EQ(test_icounter_count(self, c.what, &error), c.count) << c.what;
        EXPECT_EQ(tarvelin::test::describe(error), c.error) << c.what;
        EXPECT_EQ(test_icounter_position(self, c.what), c.position) << c.what;
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL), c.criticals) << c.what;
    }
}

TEST(DatabaseForms, CallGivesTheDeclaredEmptyResultForAnEmptySlot) {
    auto counter = gobj::create<Counter>();
    EXPECT_EQ(gobj::call<&TestICounterInterface::count>(counter, "four"), 4);
    EXPECT_EQ((gobj::call<&TestICounterInterface::position, gobj::empty_value<-1>>(counter, "box")), 2);
    gobj::Error e = tarvelin::test::error_of([&] { gobj::call<&TestICounterInterface::count>(counter, "error"); });
    EXPECT_EQ(e.code(), 7);
    EXPECT_EQ(e.message(), "cannot count");

    GObject* host = static_cast<GObject*>(g_object_new(host_counter_get_type(), nullptr));
    LogCapture log;
    EXPECT_EQ((gobj::call<&TestICounterInterface::position, gobj::empty_value<-1>>(host, "box")), -1);
    EXPECT_EQ(gobj::call<&TestICounterInterface::position>(host, "box"), 0) << "without the policy: 0";
    EXPECT_EQ(test_icounter_position(host, "box"), -1);
    EXPECT_EQ(test_icounter_count(host, "box", nullptr), -1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL), 0) << "an empty slot is not a failure";
    g_object_unref(host);
}
