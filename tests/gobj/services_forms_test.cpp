// The argument forms the core services need: text arrays in (also as spans, a negative
// length reading up to the NULL entry) and out, arrays of numbers, bytes with their
// trailing zero, a VaText passed on to a (format, va_list) slot, interface default
// bodies, and the C face of a fundamental class.
#include <gtest/gtest.h>
#include <tarvelin/providers/base.h>

#include <cstdarg>
#include <string>
#include <vector>

#include "providers/gobj/args.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/fundamental_capi.hpp"
#include "providers/gobj/invoke.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/register.hpp"
#include "providers/gobj/slot.hpp"

using namespace tarvelin;
using gobj::Ref;

namespace {

// ---------------------------------------------------------------- functions of every new form

struct Forms {
    static std::string join(std::span<const std::string> items) {
        std::string out;
        for (const auto& i : items) out += (out.empty() ? "" : ",") + i;
        return out;
    }
    static void split(const std::string& text, std::vector<std::string>& words, std::vector<std::string>& blanks) {
        std::string word;
        for (char c : text + " ") {
            if (c != ' ') {
                word += c;
                continue;
            }
            (word.empty() ? blanks : words).push_back(word);
            word.clear();
        }
    }
    static std::vector<double> halves(double a, double b) { return {a / 2, b / 2}; }
    static std::vector<guint8> bytes_of(const std::string& text) { return {text.begin(), text.end()}; }
    static void copy(std::span<const guint8> data, std::vector<guint8>& out, gint& count) {
        out.assign(data.begin(), data.end());
        count = static_cast<gint>(data.size());
    }
};

}  // namespace

extern "C" {
static gchar* forms_join(gchar** items, gint n) { return gobj::invoke<&Forms::join>(G_STRFUNC, items, n); }
static void forms_split(const gchar* text, gchar*** words, gint* nwords, gchar*** blanks, gint* nblanks) {
    gobj::invoke<&Forms::split>(G_STRFUNC, text, words, nwords, blanks, nblanks);
}
static gdouble* forms_halves(gdouble a, gdouble b, gint* n) { return gobj::invoke<&Forms::halves>(G_STRFUNC, a, b, n); }
static guint8* forms_bytes_of(const gchar* text, gint* n) { return gobj::invoke<&Forms::bytes_of>(G_STRFUNC, text, n); }
static void forms_copy(const guint8* data, gint n, guint8** out, gint* out_n, gint* count) {
    gobj::invoke<&Forms::copy>(G_STRFUNC, data, n, out, out_n, count);
}
}

TEST(ServicesForms, TextArraysInAndOut) {
    const char* items[] = {"a", "b", "c", nullptr};
    struct Case {
        const char** items;
        gint length;
        const char* joined;
    } cases[] = {
        {items, 2, "a,b"}, {items, -1, "a,b,c"}, {items, 0, ""}, {nullptr, 3, ""}, {nullptr, -1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gobj::take_string(forms_join(const_cast<gchar**>(c.items), c.length)), c.joined) << c.length;
    }

    gchar** words = nullptr;
    gint nwords = -1, nblanks = -1;
    forms_split("to  be", &words, &nwords, nullptr, &nblanks);
    ASSERT_EQ(nwords, 2);
    EXPECT_STREQ(words[0], "to");
    EXPECT_STREQ(words[1], "be");
    EXPECT_EQ(words[2], nullptr) << "NULL-terminated";
    EXPECT_EQ(nblanks, 1) << "a skipped array still has its length";
    g_strfreev(words);
}

TEST(ServicesForms, NumbersAndBytesHandedToC) {
    gint n = 0;
    gdouble* h = forms_halves(3, 5, &n);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(h[0], 1.5);
    EXPECT_EQ(h[1], 2.5);
    g_free(h);

    struct Case {
        std::string text;
    } cases[] = {{"abc"}, {""}};
    for (const auto& c : cases) {
        gint length = -1;
        guint8* bytes = forms_bytes_of(c.text.c_str(), &length);
        guint8* copied = nullptr;
        gint copied_length = -1, count = -1;
        forms_copy(reinterpret_cast<const guint8*>(c.text.data()), static_cast<gint>(c.text.size()), &copied,
                   &copied_length, &count);
        EXPECT_EQ(count, static_cast<gint>(c.text.size()));
        for (auto [buffer, len] : {std::pair{bytes, length}, std::pair{copied, copied_length}}) {
            if (c.text.empty()) {
                EXPECT_EQ(buffer, nullptr);
                EXPECT_EQ(len, 0);
                continue;
            }
            ASSERT_EQ(len, static_cast<gint>(c.text.size()));
            EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), len), c.text);
            EXPECT_EQ(buffer[len], 0) << "one zero byte after the length";
        }
        g_free(bytes);
        g_free(copied);
    }
}

// ---------------------------------------------------------------- VaText through call, default bodies

namespace {

struct TestIRecordsInterface {
    GTypeInterface parent_iface;
    void (*note)(GObject* self, gint level, const gchar* format, va_list args);
    gchar* (*echo)(GObject* self, const gchar* format, va_list args);
    gchar* (*label)(GObject* self, gint n, GError** error);
};

class IRecords : public gobj::Interface {
public:
    using Vtable = TestIRecordsInterface;
    static GType gtype();
    virtual void note(gint level, gobj::VaText text) = 0;
    virtual std::string echo(gobj::VaText text) = 0;
    virtual std::string label(gint n) { return label_of(nullptr, n); }
    // The default body, for any implementer.
    static std::string label_of(GObject* self, gint n) {
        if (n < 0) throw gobj::Error("Test", 2, "no label below zero");
        return std::string(self ? G_OBJECT_TYPE_NAME(self) : "ours") + ":" + std::to_string(n);
    }
    static void defaults(Vtable* vt) { vt->label = gobj::slot<&IRecords::label_of>(vt->label); }
    template <class T>
    static void fill(Vtable* vt) {
        vt->note = gobj::slot<T, &IRecords::note>(vt->note);
        vt->echo = gobj::slot<T, &IRecords::echo>(vt->echo);
        vt->label = gobj::slot<T, &IRecords::label>(vt->label);
    }
};
TARVELIN_INTERFACE_GTYPE(IRecords, "TestIRecords", G_TYPE_OBJECT)

class Recorder : public gobj::Object, public IRecords {
public:
    static GType gtype();
    void note(gint level, gobj::VaText text) override { notes.push_back(std::to_string(level) + " " + text.text); }
    std::string echo(gobj::VaText text) override { return "<" + text.text + ">"; }
    std::vector<std::string> notes;
};
TARVELIN_GTYPE(Recorder, "TestRecorder", gobj::Object, IRecords)

// A host's implementation: expands the format itself and leaves `label` to the default.
struct HostRecorder {
    GObject parent;
    gchar* last;
};
struct HostRecorderClass {
    GObjectClass parent;
};
void host_note(GObject* self, gint, const gchar* format, va_list args) {
    auto* h = reinterpret_cast<HostRecorder*>(self);
    g_free(h->last);
    h->last = g_strdup_vprintf(format, args);
}
gchar* host_echo(GObject*, const gchar* format, va_list args) { return g_strdup_vprintf(format, args); }
void host_finalize(GObject* o) {
    g_free(reinterpret_cast<HostRecorder*>(o)->last);
    G_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(o)))->finalize(o);
}
GType host_recorder_get_type() {
    static const GType t = [] {
        GTypeInfo info{};
        info.class_size = sizeof(HostRecorderClass);
        info.instance_size = sizeof(HostRecorder);
        info.class_init = [](gpointer k, gpointer) { G_OBJECT_CLASS(k)->finalize = host_finalize; };
        GType type = g_type_register_static(G_TYPE_OBJECT, "TestHostRecorder", &info, GTypeFlags(0));
        GInterfaceInfo iface{[](gpointer g_iface, gpointer) {
                                 auto* vt = static_cast<TestIRecordsInterface*>(g_iface);
                                 vt->note = host_note;
                                 vt->echo = host_echo;
                             },
                             nullptr, nullptr};
        g_type_add_interface_static(type, IRecords::gtype(), &iface);
        return type;
    }();
    return t;
}

}  // namespace

TARVELIN_BIND_C_TYPE(TestIRecordsInterface, IRecords)

TEST(ServicesForms, AFormattedTextReachesEveryImplementationAsItsText) {
    auto ours = gobj::create<Recorder>();
    auto host = gobj::GPtr<GObject>::adopt(G_OBJECT(g_object_new(host_recorder_get_type(), nullptr)));
    // Conversions in the text are not read again by the receiver.
    const char* texts[] = {"plain", "100% %s %d", ""};
    for (const char* t : texts) {
        gobj::call<&TestIRecordsInterface::note>(ours, 7, gobj::VaText{t});
        gobj::call<&TestIRecordsInterface::note>(host.get(), 7, gobj::VaText{t});
        EXPECT_EQ(ours->notes.back(), std::string("7 ") + t);
        EXPECT_STREQ(reinterpret_cast<HostRecorder*>(host.get())->last, t);
        EXPECT_EQ(gobj::call<&TestIRecordsInterface::echo>(ours, gobj::VaText{t}), std::string("<") + t + ">");
        EXPECT_EQ(gobj::call<&TestIRecordsInterface::echo>(host.get(), gobj::VaText{t}), t);
    }
}

TEST(ServicesForms, DefaultBodiesServeAHostsImplementation) {
    auto ours = gobj::create<Recorder>();
    auto host = gobj::GPtr<GObject>::adopt(G_OBJECT(g_object_new(host_recorder_get_type(), nullptr)));
    EXPECT_EQ(gobj::call<&TestIRecordsInterface::label>(host.get(), 3), "TestHostRecorder:3");
    EXPECT_EQ(gobj::call<&TestIRecordsInterface::label>(ours, 3), "ours:3") << "a C++ implementer's override";
    try {
        gobj::call<&TestIRecordsInterface::label>(host.get(), -1);
        ADD_FAILURE() << "no error";
    } catch (const gobj::Error& e) {
        EXPECT_EQ(e.message(), "no label below zero");
    }
}

// ---------------------------------------------------------------- a fundamental class's C face

namespace {

class Tally : public gobj::Fundamental {
public:
    static GType gtype();
    static Ref<Tally> create(GType type = gtype()) { return gobj::create<Tally>(type); }
};
TARVELIN_FUNDAMENTAL_GTYPE(Tally, "TestTally", "TestParamSpecTally")

}  // namespace

extern "C" {
typedef struct _TestTally TestTally;
TARVELIN_FUNDAMENTAL_CLASS_CAPI(Tally, TestTally, test_, tally)
}

TEST(ServicesForms, AFundamentalClassMadeFromC) {
    EXPECT_EQ(test_tally_get_type(), Tally::gtype());
    TestTally* made[] = {test_tally_new(), test_tally_construct(Tally::gtype())};
    for (TestTally* c : made) {
        ASSERT_NE(c, nullptr);
        EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(c, Tally::gtype()));
        EXPECT_EQ(reinterpret_cast<gobj::FundamentalInstance*>(c)->ref_count, 1) << "handed over with its one reference";
        GValue v = G_VALUE_INIT;
        g_value_init(&v, Tally::gtype());
        test_value_set_tally(&v, c);
        EXPECT_EQ(test_value_get_tally(&v), c);
        g_value_unset(&v);
        test_tally_unref(c);
    }
}
