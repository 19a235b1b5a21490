// Handle rows: a C handle held once behind a boxed or pointer property, compared by
// identity, shared (a new reference) or taken over by a set.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "providers/gobj/convert.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/register.hpp"

using namespace tarvelin;

namespace {
int bytes_freed = 0;
}  // namespace

namespace tarvelin::gobj::prop {
using TestBytes = Handle<GBytes, &g_bytes_unref, &g_bytes_ref, &g_bytes_get_type>;
using TestBuffer = Handle<gchar, &g_free, &take_over<gchar>>;
}  // namespace tarvelin::gobj::prop

namespace {

// clang-format off
#define TEST_HOLDER_PROPERTIES(P) \
    P(TestBytes, bytes, "bytes", nullptr, RW, nullptr, Always) \
    P(TestBuffer, buffer, "buffer", nullptr, RW, nullptr, OnChange)
// clang-format on

class Holder : public gobj::Object {
public:
    using Self = Holder;
    static GType gtype();
    static void describe(gobj::ClassSpec<Holder>& c) { TEST_HOLDER_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
    TEST_HOLDER_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TEST_HOLDER_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};
TARVELIN_GTYPE(Holder, "TestHandleHolder", gobj::Object)

}  // namespace

extern "C" {
typedef struct _TestHandleHolder TestHandleHolder;
#define TARVELIN_CAPI_CLASS Holder
#define TARVELIN_CAPI_CTYPE TestHandleHolder
#define TARVELIN_CAPI_PREFIX test_handle_holder
TEST_HOLDER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX
}

TEST(HandleRows, HeldOnceComparedByIdentityAndReleasedOnce) {
    struct Case {
        const char* property;
        GType type;
        std::function<gpointer()> make;     // a new handle, one reference ours
        std::function<void(gpointer)> drop;  // gives our reference up (a taken-over handle has none)
        std::function<gpointer(TestHandleHolder*)> get;
        std::function<const void*(gpointer)> data;  // what the handle holds
        int notified[3];  // after setting the handle, the same handle again, then NULL
    } cases[] = {
        {"bytes", G_TYPE_BYTES,
         [] {
             return gpointer(g_bytes_new_with_free_func("ab", 2, [](gpointer) { ++bytes_freed; }, nullptr));
         },
         [](gpointer h) { g_bytes_unref(static_cast<GBytes*>(h)); },
         [](TestHandleHolder* self) { return gpointer(test_handle_holder_get_bytes(self)); },
         [](gpointer h) { return g_bytes_get_data(static_cast<GBytes*>(h), nullptr); }, {1, 2, 3}},
        {"buffer", G_TYPE_POINTER, [] { return gpointer(g_strdup("ab")); }, [](gpointer) {},
         [](TestHandleHolder* self) { return gpointer(test_handle_holder_get_buffer(self)); },
         [](gpointer h) { return static_cast<const void*>(h); }, {1, 1, 2}},
    };
    bytes_freed = 0;
    for (const auto& c : cases) {
        auto holder = gobj::create<Holder>();
        auto* self = reinterpret_cast<TestHandleHolder*>(holder.gobj());
        GParamSpec* spec = g_object_class_find_property(G_OBJECT_GET_CLASS(holder.gobj()), c.property);
        ASSERT_NE(spec, nullptr) << c.property;
        EXPECT_EQ(spec->value_type, c.type) << c.property;

        int notified = 0;
        std::string signal = std::string("notify::") + c.property;
        g_signal_connect_swapped(holder.gobj(), signal.c_str(), G_CALLBACK(+[](int* n) { ++*n; }), &notified);
        gpointer handle = c.make();
        g_object_set(holder.gobj(), c.property, handle, nullptr);
        EXPECT_EQ(notified, c.notified[0]) << c.property;
        c.drop(handle);
        EXPECT_EQ(c.get(self), handle) << c.property << ": the handle itself, still alive";
        EXPECT_EQ(memcmp(c.data(c.get(self)), "ab", 2), 0) << c.property;
        g_object_set(holder.gobj(), c.property, handle, nullptr);
        EXPECT_EQ(notified, c.notified[1]) << c.property;
        EXPECT_EQ(memcmp(c.data(c.get(self)), "ab", 2), 0) << c.property << ": storing it again keeps it";
        g_object_set(holder.gobj(), c.property, nullptr, nullptr);
        EXPECT_EQ(notified, c.notified[2]) << c.property;
        EXPECT_EQ(c.get(self), nullptr) << c.property;
    }
    EXPECT_EQ(bytes_freed, 1) << "the bytes' last reference went with the holder's";
}

TEST(HandleRows, TheCSetterSharesOrTakesOver) {
    auto holder = gobj::create<Holder>();
    auto* self = reinterpret_cast<TestHandleHolder*>(holder.gobj());
    bytes_freed = 0;
    GBytes* bytes = g_bytes_new_with_free_func("x", 1, [](gpointer) { ++bytes_freed; }, nullptr);
    test_handle_holder_set_bytes(self, bytes);
    g_bytes_unref(bytes);
    EXPECT_EQ(bytes_freed, 0);
    test_handle_holder_set_buffer(self, g_strdup("kept"));
    EXPECT_STREQ(test_handle_holder_get_buffer(self), "kept");
    holder = nullptr;
    EXPECT_EQ(bytes_freed, 1) << "released with the holder";
}
