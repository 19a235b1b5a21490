// The bridge form the import and export family adds: a vector of texts handed to an
// interface slot as (gchar** items, gint length), the array NULL-terminated, reaching an
// implementation written in C.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "providers/gobj/args.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/register.hpp"

using namespace tarvelin;

namespace {

struct TestIJoinerInterface {
    GTypeInterface parent_iface;
    gchar* (*join)(GObject* self, const gchar* separator, gchar** items, gint items_length);
};

class IJoiner : public gobj::Interface {
public:
    using Vtable = TestIJoinerInterface;
    static GType gtype();
};
TARVELIN_INTERFACE_GTYPE(IJoiner, "TestDataIJoiner", G_TYPE_OBJECT)

}  // namespace

TARVELIN_BIND_C_TYPE(TestIJoinerInterface, IJoiner)

namespace {

// A host's implementation in C: joins the texts and marks a missing terminator.
gchar* host_join(GObject*, const gchar* separator, gchar** items, gint items_length) {
    GString* out = g_string_new(nullptr);
    for (gint i = 0; i < items_length; ++i) {
        if (i > 0) g_string_append(out, separator);
        g_string_append(out, items[i]);
    }
    if (items && items[items_length] != nullptr) g_string_append(out, "<not terminated>");
    return g_string_free(out, FALSE);
}

void host_init(gpointer iface, gpointer) { static_cast<TestIJoinerInterface*>(iface)->join = host_join; }

GType host_joiner_type() {
    static GType type = [] {
        GType t = g_type_register_static_simple(G_TYPE_OBJECT, "TestDataHostJoiner", sizeof(GObjectClass), nullptr,
                                                sizeof(GObject), nullptr, GTypeFlags(0));
        GInterfaceInfo info{host_init, nullptr, nullptr};
        g_type_add_interface_static(t, IJoiner::gtype(), &info);
        return t;
    }();
    return type;
}

TEST(DataForms, VectorsOfTextsReachASlotWithTheirLength) {
    GObject* joiner = G_OBJECT(g_object_new(host_joiner_type(), nullptr));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, ""},
        {{""}, ""},
        {{"a"}, "a"},
        {{"a", "", "b,c", "日本"}, "a||b,c|日本"},
    };
    for (const auto& [items, joined] : cases)
        EXPECT_EQ(gobj::call<&TestIJoinerInterface::join>(joiner, "|", items), joined);
    g_object_unref(joiner);
}

}  // namespace
