// Bridge forms the result tables, the server record and the reader contract need:
// optional texts, unsigned longs, vectors of texts and typed lists as property rows,
// construct properties, rows whose accessors the class writes, never-NULL byte buffers,
// structures filled through an out pointer, default bodies for implementers written in
// C, and the empty result a call gives for an empty slot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "providers/gobj/args.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/gee.hpp"
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

namespace {

// ---------------------------------------------------------------- an interface with the reader's forms

struct TestIShelfInterface {
    GTypeInterface parent_iface;
    void (*fill_date)(GObject* self, guint16 day, GDate* result, GError** error);
    guint8* (*bytes)(GObject* self, guint16 n, gint* result_length1, GError** error);
    gint32 (*count)(GObject* self, GError** error);
    gchar* (*label)(GObject* self, guint16 n, GError** error);
    gint64 (*weigh)(GObject* self, guint16 n, GError** error);
};

std::string default_label(gpointer self, guint16 n) {
    if (n == 99) throw gobj::Error("Shelf", 99, "no label 99");
    return std::string(G_OBJECT_TYPE_NAME(self)) + "#" + std::to_string(n);
}
std::vector<guint8> default_bytes(gpointer, guint16 n) { return std::vector<guint8>(n, 7); }

class IShelf : public gobj::Interface {
public:
    using Vtable = TestIShelfInterface;
    static GType gtype();
    virtual void fill_date(guint16 day, GDate& result) = 0;
    virtual std::vector<guint8> bytes(guint16 n) = 0;
    virtual gint32 count() = 0;
    virtual gint64 weigh(guint16 n) = 0;
    virtual std::string label(guint16 n) { return default_label(nullptr, n); }
    static void defaults(Vtable* vt) {
        vt->label = gobj::slot<&default_label>(vt->label);
        vt->bytes = gobj::slot<&default_bytes, gobj::never_null>(vt->bytes);
    }
    template <class T>
    static void fill(Vtable* vt) {
        vt->fill_date = gobj::slot<T, &IShelf::fill_date>(vt->fill_date);
        vt->bytes = gobj::slot<T, &IShelf::bytes, gobj::never_null>(vt->bytes);
        vt->count = gobj::slot<T, &IShelf::count>(vt->count);
        vt->weigh = gobj::slot<T, &IShelf::weigh, gobj::empty_value<-1>>(vt->weigh);
    }
};
TARVELIN_INTERFACE_GTYPE(IShelf, "TestContractsIShelf", G_TYPE_OBJECT)

// ---------------------------------------------------------------- a class with the new row kinds

class Shelf;

}  // namespace

namespace tarvelin::gobj::prop {
using TestShelfList = Array<Shelf>;
}

namespace {

// clang-format off
#define TEST_SHELF_PROPERTIES(P, X) \
    P(OptionalText, title, "title", nullptr, RW, "", OnChange) \
    P(OptionalText, note, "note", nullptr, RWConstruct, nullptr, OnChange) \
    P(ULong, size, "size", 0, RWConstruct, 0, OnChange) \
    P(Strv, tags, "tags", nullptr, RW, nullptr, OnChange) \
    X(Int, spare, "spare", 0, RW, 0, OnChange) \
    P(TestShelfList, shelves, "shelves", nullptr, RW, gobj::prop::empty_list, OnChange)
// clang-format on
#define TEST_SHELF_SKIP(...)

class Shelf : public gobj::Object, public IShelf {
public:
    using Self = Shelf;
    static GType gtype();
    static void describe(gobj::ClassSpec<Shelf>& c) {
        TEST_SHELF_PROPERTIES(TARVELIN_PROPERTY_INSTALL, TARVELIN_PROPERTY_INSTALL)
    }
    TEST_SHELF_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS, TARVELIN_PROPERTY_PSPEC)
    // The row written by hand: stored doubled, read halved.
    gint32 get_spare() const { return doubled_ / 2; }
    void set_spare(gint32 v) {
        doubled_ = 2 * v;
        notify(spare_pspec);
    }

    void fill_date(guint16 day, GDate& result) override {
        if (day == 0) throw gobj::Error("Shelf", 1, "no day 0");
        g_date_set_dmy(&result, static_cast<GDateDay>(day), G_DATE_MARCH, 2024);
    }
    std::vector<guint8> bytes(guint16 n) override { return std::vector<guint8>(n, 1); }
    gint32 count() override { return 3; }
    gint64 weigh(guint16 n) override {
        if (n == 0) throw gobj::Error("Shelf", 2, "nothing to weigh");
        return 10 * n;
    }
    bool find(gint key, gint& position) const {
        position = key > 0 ? key - 1 : 0;
        return key > 0;
    }
    // A native handle of an incomplete type, handed on as const.
    static gint probe(const struct TestOpaque* handle) { return handle ? 1 : 0; }

private:
    TEST_SHELF_PROPERTIES(TARVELIN_PROPERTY_STORAGE, TEST_SHELF_SKIP)
    gint32 doubled_ = 0;
};
TARVELIN_GTYPE(Shelf, "TestContractsShelf", gobj::Object, IShelf)

}  // namespace

TARVELIN_BIND_C_TYPE(TestIShelfInterface, IShelf)

extern "C" {
typedef struct _TestContractsShelf TestContractsShelf;
#define TARVELIN_CAPI_CLASS Shelf
#define TARVELIN_CAPI_CTYPE TestContractsShelf
#define TARVELIN_CAPI_PREFIX test_contracts_shelf
TEST_SHELF_PROPERTIES(TARVELIN_PROPERTY_CAPI, TEST_SHELF_SKIP)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

static gboolean test_contracts_shelf_find(TestContractsShelf* self, gint key, gint* position) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::invoke<&Shelf::find>(G_STRFUNC, self, key, position);
}
static gint test_contracts_shelf_probe(struct TestOpaque* handle) {
    return gobj::invoke<&Shelf::probe>(G_STRFUNC, handle);
}
}

namespace {

// A host's shelf in C: only fill_date and count are its own; bytes and label keep the
// interface's default bodies.
void host_fill_date(GObject*, guint16 day, GDate* result, GError**) {
    g_date_set_dmy(result, static_cast<GDateDay>(day), G_DATE_JULY, 1999);
}
gint32 host_count(GObject*, GError**) { return 8; }
void host_shelf_init_iface(gpointer g_iface, gpointer) {
    auto* vt = static_cast<TestIShelfInterface*>(g_iface);
    vt->fill_date = host_fill_date;
    vt->count = host_count;
}
// A plain GObject type implementing IShelf with `init`'s slots.
GType register_shelf(const char* name, GInterfaceInitFunc init) {
    GTypeInfo info{};
    info.class_size = sizeof(GObjectClass);
    info.instance_size = sizeof(GObject);
    GType type = g_type_register_static(G_TYPE_OBJECT, name, &info, GTypeFlags(0));
    GInterfaceInfo iface{init, nullptr, nullptr};
    g_type_add_interface_static(type, IShelf::gtype(), &iface);
    return type;
}
GType host_shelf_get_type() {
    static const GType t = register_shelf("TestContractsHostShelf", host_shelf_init_iface);
    return t;
}
// A host's shelf that fills nothing.
GType bare_shelf_get_type() {
    static const GType t = register_shelf("TestContractsBareShelf", [](gpointer g_iface, gpointer) {
        auto* vt = static_cast<TestIShelfInterface*>(g_iface);
        vt->count = nullptr;
        vt->label = nullptr;
    });
    return t;
}

int notifications(GObject* o, const char* property, const std::function<void()>& f) {
    int n = 0;
    std::string signal = std::string("notify::") + property;
    gulong id = g_signal_connect_swapped(o, signal.c_str(), G_CALLBACK(+[](int* p) { ++*p; }), &n);
    f();
    g_signal_handler_disconnect(o, id);
    return n;
}

}  // namespace

TEST(ContractsForms, RowKindsDeclareTheirParamSpecs) {
    auto s = gobj::create<Shelf>();
    GObjectClass* k = G_OBJECT_GET_CLASS(s.gobj());
    struct Case {
        const char* name;
        GType type;
        bool construct;
    } cases[] = {{"title", G_TYPE_STRING, false},         {"note", G_TYPE_STRING, true},
                 {"size", G_TYPE_ULONG, true},            {"tags", G_TYPE_STRV, false},
                 {"spare", G_TYPE_INT, false},            {"shelves", GEE_TYPE_ARRAY_LIST, false}};
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(k, &n);
    ASSERT_EQ(n, G_N_ELEMENTS(cases));
    for (guint i = 0; i < n; ++i) {
        EXPECT_STREQ(specs[i]->name, cases[i].name) << "installation order is the row order";
        EXPECT_EQ(specs[i]->value_type, cases[i].type) << cases[i].name;
        EXPECT_EQ((specs[i]->flags & G_PARAM_CONSTRUCT) != 0, cases[i].construct) << cases[i].name;
        EXPECT_TRUE(specs[i]->flags & G_PARAM_WRITABLE) << cases[i].name;
    }
    g_free(specs);
    EXPECT_EQ(Shelf::spare_pspec, g_object_class_find_property(k, "spare")) << "a hand-written row keeps its pspec";
}

TEST(ContractsForms, OptionalTextsAndLongsThroughCAndCpp) {
    auto s = gobj::create<Shelf>();
    auto* c = reinterpret_cast<TestContractsShelf*>(s.gobj());
    EXPECT_EQ(s->get_title(), std::optional<std::string>(""));
    EXPECT_EQ(s->get_note(), std::nullopt) << "a construct property starts at its declared default";
    EXPECT_EQ(test_contracts_shelf_get_title(c), s->get_title()->c_str()) << "borrowed";
    // "" -> "a" -> "a" -> NULL -> NULL -> "": NULL is a value of its own.
    const char* titles[] = {"a", "a", nullptr, nullptr, ""};
    EXPECT_EQ(notifications(s.gobj(), "title", [&] {
                  for (const char* t : titles) test_contracts_shelf_set_title(c, t);
              }),
              3);
    EXPECT_EQ(s->get_title(), std::optional<std::string>(""));
    s->set_title(std::string("cpp"));
    EXPECT_STREQ(test_contracts_shelf_get_title(c), "cpp");

    test_contracts_shelf_set_size(c, G_MAXULONG);
    gulong size = 0;
    g_object_get(s.gobj(), "size", &size, nullptr);
    EXPECT_EQ(size, G_MAXULONG);
    EXPECT_EQ(test_contracts_shelf_get_size(c), G_MAXULONG);
}

TEST(ContractsForms, VectorsOfTextsAreCopiesComparedByIdentity) {
    auto s = gobj::create<Shelf>();
    auto* c = reinterpret_cast<TestContractsShelf*>(s.gobj());
    EXPECT_EQ(test_contracts_shelf_get_tags(c), nullptr);
    const gchar* tags[] = {"x", "y", nullptr};
    int n = notifications(s.gobj(), "tags", [&] {
        test_contracts_shelf_set_tags(c, const_cast<gchar**>(tags));
        test_contracts_shelf_set_tags(c, test_contracts_shelf_get_tags(c));  // the very vector: no change
        g_object_set(s.gobj(), "tags", tags, nullptr);                       // equal texts, another vector
    });
    EXPECT_EQ(n, 2);
    gchar** stored = test_contracts_shelf_get_tags(c);
    ASSERT_NE(stored, nullptr);
    EXPECT_NE(stored, const_cast<gchar**>(tags));
    EXPECT_EQ(g_strv_length(stored), 2u);
    EXPECT_STREQ(stored[1], "y");
}

TEST(ContractsForms, HandWrittenRowsNotifyThroughTheirPspec) {
    auto s = gobj::create<Shelf>();
    EXPECT_EQ(notifications(s.gobj(), "spare", [&] { g_object_set(s.gobj(), "spare", 21, nullptr); }), 1);
    gint spare = 0;
    g_object_get(s.gobj(), "spare", &spare, nullptr);
    EXPECT_EQ(spare, 21);
}

TEST(ContractsForms, TypedListsAreHandedOutAsTheListItself) {
    auto s = gobj::create<Shelf>();
    auto* c = reinterpret_cast<TestContractsShelf*>(s.gobj());
    GeeArrayList* list = test_contracts_shelf_get_shelves(c);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list, s->get_shelves().list());
    GeeArrayList* through_property = nullptr;
    g_object_get(s.gobj(), "shelves", &through_property, nullptr);
    EXPECT_EQ(through_property, list);
    g_object_unref(through_property);
    s->get_shelves().append(gobj::create<Shelf>());
    EXPECT_EQ(gee_collection_get_size(GEE_COLLECTION(list)), 1);

    GeeArrayList* other = gee_array_list_new(Shelf::gtype(), (GBoxedCopyFunc)g_object_ref, g_object_unref, nullptr,
                                             nullptr, nullptr);
    LogCapture log;
    int n = notifications(s.gobj(), "shelves", [&] {
        test_contracts_shelf_set_shelves(c, list);     // the list held: no change
        test_contracts_shelf_set_shelves(c, nullptr);  // refused
        test_contracts_shelf_set_shelves(c, other);
    });
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "value != NULL"));
    EXPECT_EQ(test_contracts_shelf_get_shelves(c), other) << "shared, not copied";
    EXPECT_EQ(s->get_shelves().size(), 0);
    g_object_unref(other);
}

TEST(ContractsForms, StructuresBytesAndDefaultsOursAndAHosts) {
    auto ours = gobj::create<Shelf>();
    GObject* host = static_cast<GObject*>(g_object_new(host_shelf_get_type(), nullptr));
    struct Case {
        gpointer instance;
        GDateMonth month;
        std::vector<guint8> bytes;
        std::string label;
        gint32 count;
    } cases[] = {
        {ours.gobj(), G_DATE_MARCH, {1, 1}, "TestContractsShelf#4", 3},
        {host, G_DATE_JULY, {7, 7}, "TestContractsHostShelf#4", 8},
    };
    for (const auto& k : cases) {
        GDate date;
        g_date_clear(&date, 1);
        gobj::call<&TestIShelfInterface::fill_date>(k.instance, guint16(5), date);
        ASSERT_TRUE(g_date_valid(&date));
        EXPECT_EQ(g_date_get_month(&date), k.month);
        EXPECT_EQ(g_date_get_day(&date), 5);
        EXPECT_EQ(gobj::call<&TestIShelfInterface::bytes>(k.instance, guint16(2)), k.bytes);
        EXPECT_EQ(gobj::call<&TestIShelfInterface::count>(k.instance), k.count);

        // Through the C slots: an empty buffer is a buffer, never NULL.
        auto* vt = static_cast<TestIShelfInterface*>(
            g_type_interface_peek(G_TYPE_INSTANCE_GET_CLASS(k.instance, GTypeInstance, GTypeClass), IShelf::gtype()));
        gint length = -1;
        GError* error = nullptr;
        guint8* empty = vt->bytes(static_cast<GObject*>(k.instance), 0, &length, &error);
        EXPECT_NE(empty, nullptr);
        EXPECT_EQ(length, 0);
        g_free(empty);
        // label is the interface's default body for both.
        gchar* label = vt->label(static_cast<GObject*>(k.instance), 4, &error);
        EXPECT_STREQ(label, k.label.c_str());
        g_free(label);
        EXPECT_EQ(vt->label(static_cast<GObject*>(k.instance), 99, &error), nullptr);
        ASSERT_NE(error, nullptr) << "a default body's error reaches the caller";
        EXPECT_EQ(error->code, 99);
        g_clear_error(&error);
    }

    // A failing fill writes nothing into the caller's structure.
    GDate untouched;
    g_date_set_dmy(&untouched, 1, G_DATE_JANUARY, 2000);
    EXPECT_THROW(gobj::call<&TestIShelfInterface::fill_date>(ours, guint16(0), untouched), gobj::Error);
    EXPECT_EQ(g_date_get_year(&untouched), 2000);
    g_object_unref(host);
}

TEST(ContractsForms, EmptySlotsGiveTheEmptyResultOrTheOneAsked) {
    GObject* bare = static_cast<GObject*>(g_object_new(bare_shelf_get_type(), nullptr));
    EXPECT_EQ(gobj::call<&TestIShelfInterface::count>(bare), 0);
    EXPECT_EQ((gobj::call<&TestIShelfInterface::count, gobj::empty_value<-1>>(bare)), -1);
    auto ours = gobj::create<Shelf>();
    EXPECT_EQ((gobj::call<&TestIShelfInterface::count, gobj::empty_value<-1>>(ours)), 3) << "only for an empty slot";
    EXPECT_EQ(gobj::call<&TestIShelfInterface::label>(bare, guint16(1)), "");
    g_object_unref(bare);
}

TEST(ContractsForms, FailedSlotsOutNumbersAndConstHandles) {
    auto s = gobj::create<Shelf>();
    auto* vt = static_cast<TestIShelfInterface*>(g_type_interface_peek(G_OBJECT_GET_CLASS(s.gobj()), IShelf::gtype()));
    struct Case {
        guint16 n;
        gint64 result;
        bool error;
    } cases[] = {{2, 20, false}, {0, -1, true}};
    for (const auto& k : cases) {
        GError* error = nullptr;
        EXPECT_EQ(vt->weigh(s.gobj(), k.n, &error), k.result) << "a failure gives the declared empty value";
        EXPECT_EQ(error != nullptr, k.error);
        g_clear_error(&error);
    }

    auto* c = reinterpret_cast<TestContractsShelf*>(s.gobj());
    gint position = 42;
    EXPECT_TRUE(test_contracts_shelf_find(c, 3, &position));
    EXPECT_EQ(position, 2) << "an out number through invoke";
    EXPECT_FALSE(test_contracts_shelf_find(c, 0, &position));
    EXPECT_EQ(position, 0);
    EXPECT_FALSE(test_contracts_shelf_find(c, 5, nullptr) == FALSE) << "no place for the number: the result alone";

    EXPECT_EQ(test_contracts_shelf_probe(reinterpret_cast<struct TestOpaque*>(s.gobj())), 1);
    EXPECT_EQ(test_contracts_shelf_probe(nullptr), 0);
}
