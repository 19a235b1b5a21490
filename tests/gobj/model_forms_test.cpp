// Forms the catalogue model brought to the bridge: an object its owner keeps, handed out
// with a new reference (add_ref), and a computed property whose accessors the class
// writes itself while the row keeps its ParamSpec (TARVELIN_PROPERTY_PSPEC).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "providers/gobj/args.hpp"
#include "providers/gobj/invoke.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/register.hpp"
#include "support/driver_checks.hpp"

using namespace tarvelin;

namespace {

// clang-format off
#define TEST_NOTE_TEXT(P) \
    P(Text, text, "text", nullptr, RW, "", Always)
#define TEST_NOTE_PROPERTIES(P) \
    P(UInt, length, "length", 0, RO, 0, OnChange)
// clang-format on

class Note : public gobj::Object {
public:
    using Self = Note;
    static GType gtype();
    static void describe(gobj::ClassSpec<Note>& c) {
        TEST_NOTE_TEXT(TARVELIN_PROPERTY_INSTALL)
        TEST_NOTE_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    }

    TEST_NOTE_TEXT(TARVELIN_PROPERTY_PSPEC)
    const char* get_text() const { return gobj::prop::Text::get(text_); }
    // Keeps "length" in step, and notifies on every set.
    void set_text(const char* text) {
        gobj::prop::Text::put(text_, text);
        set_length(text ? guint32(std::strlen(text)) : 0);
        notify(text_pspec);
    }
    TEST_NOTE_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    GObject* held() const { return held_.get(); }
    GObject* nothing() const { return nullptr; }

private:
    TEST_NOTE_TEXT(TARVELIN_PROPERTY_STORAGE)
    TEST_NOTE_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
    gobj::GPtr<GObject> held_ = gobj::GPtr<GObject>::adopt(G_OBJECT(g_object_new(G_TYPE_OBJECT, nullptr)));
};
TARVELIN_GTYPE(Note, "TestModelFormsNote", gobj::Object)

}  // namespace

extern "C" {
typedef struct _TestNote TestNote;
#define TARVELIN_CAPI_CLASS Note
#define TARVELIN_CAPI_CTYPE TestNote
#define TARVELIN_CAPI_PREFIX test_note
TEST_NOTE_TEXT(TARVELIN_PROPERTY_CAPI)
TEST_NOTE_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

static GObject* test_note_held_new_ref(TestNote* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Note::held, gobj::add_ref>(G_STRFUNC, self);
}
static GObject* test_note_held_borrowed(TestNote* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Note::held, gobj::borrow>(G_STRFUNC, self);
}
static GObject* test_note_nothing_new_ref(TestNote* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Note::nothing, gobj::add_ref>(G_STRFUNC, self);
}
}

TEST(ModelForms, AnObjectTheOwnerKeepsIsHandedOutWithANewReferenceOrBorrowed) {
    auto note = gobj::create<Note>();
    auto* self = reinterpret_cast<TestNote*>(note.gobj());
    GObject* held = note->held();
    struct Case {
        const char* what;
        GObject* (*fn)(TestNote*);
        GObject* result;
        guint refs_after;
    } cases[] = {
        {"add_ref", test_note_held_new_ref, held, 2},
        {"borrow", test_note_held_borrowed, held, 1},
        {"add_ref of NULL", test_note_nothing_new_ref, nullptr, 1},
    };
    for (const auto& c : cases) {
        GObject* r = c.fn(self);
        EXPECT_EQ(r, c.result) << c.what;
        EXPECT_EQ(held->ref_count, c.refs_after) << c.what;
        if (c.refs_after == 2) g_object_unref(r);
    }
    GObject* plain = G_OBJECT(g_object_new(G_TYPE_OBJECT, nullptr));
    tarvelin::test::LogCapture log;
    EXPECT_EQ(test_note_held_new_ref(reinterpret_cast<TestNote*>(plain)), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "G_TYPE_CHECK_INSTANCE_TYPE (self, TestModelFormsNote)"));
    g_object_unref(plain);
}

TEST(ModelForms, AComputedRowKeepsItsSpecOrderAndPolicyWithTheClasssOwnAccessors) {
    auto note = gobj::create<Note>();
    auto* self = reinterpret_cast<TestNote*>(note.gobj());
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(note.gobj()), &n);
    std::vector<std::string> names;
    for (guint i = 0; i < n; ++i) names.emplace_back(specs[i]->name);
    g_free(specs);
    EXPECT_EQ(names, (std::vector<std::string>{"text", "length"}));
    EXPECT_EQ(Note::text_pspec, g_object_class_find_property(G_OBJECT_GET_CLASS(note.gobj()), "text"));
    EXPECT_EQ(G_PARAM_SPEC_STRING(Note::text_pspec)->default_value, nullptr);
    EXPECT_STREQ(test_note_get_text(self), "");

    int notified = 0;
    g_signal_connect_swapped(note.gobj(), "notify::text", G_CALLBACK(+[](int* p) { ++*p; }), &notified);
    struct Step {
        const char* text;
        int notified;
        guint length;
    } steps[] = {{"abc", 1, 3}, {"abc", 2, 3}, {nullptr, 3, 0}};
    for (const auto& s : steps) {
        test_note_set_text(self, s.text);
        EXPECT_EQ(notified, s.notified);
        EXPECT_STREQ(test_note_get_text(self), s.text);
        EXPECT_EQ(test_note_get_length(self), s.length);
    }
    g_object_set(note.gobj(), "text", "through the property", nullptr);
    EXPECT_EQ(notified, 4);
    EXPECT_EQ(note->get_length(), 20u);
}
