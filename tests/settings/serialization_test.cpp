// The default bodies of the JSON serialiser and of cloning, reached from C objects
// that install no slot of their own, and the storage contract's empty slots.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/serialization.h>

#include <string>
#include <vector>

#include "providers/gobj/convert.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/contracts/iclonable.hpp"
#include "rezezadovu/contracts/serialization/serializer_json.hpp"
#include "rezezadovu/contracts/storage/istorable.hpp"
#include "sample_types.h"

using namespace tarvelin;

namespace {

using Serializer = TarvelinRezezadovuContractsSerializationIJsonSerializer;

std::string to_json(GObject* object) {
    JsonBuilder* b = json_builder_new();
    json_builder_begin_object(b);
    tarvelin_rezezadovu_contracts_serialization_ijson_serializer_serialize(
        reinterpret_cast<Serializer*>(object), b, object);
    json_builder_end_object(b);
    JsonNode* root = json_builder_get_root(b);
    std::string text = gobj::take_string(json_to_string(root, FALSE));
    json_node_unref(root);
    g_object_unref(b);
    return text;
}

void from_json(GObject* object, const char* text) {
    JsonNode* root = json_from_string(text, nullptr);
    ASSERT_NE(root, nullptr) << text;
    tarvelin_rezezadovu_contracts_serialization_ijson_serializer_deserialize(reinterpret_cast<Serializer*>(object),
                                                                             json_node_get_object(root), object);
    json_node_unref(root);
}

GObject* new_sample() { return static_cast<GObject*>(g_object_new(test_sample_get_type(), nullptr)); }

std::vector<std::string> texts(GeeCollection* c) {
    std::vector<std::string> out;
    GeeIterator* it = gee_iterable_iterator(GEE_ITERABLE(c));
    while (gee_iterator_next(it)) out.push_back(gobj::take_string(static_cast<gchar*>(gee_iterator_get(it))));
    g_object_unref(it);
    return out;
}

GeeArrayList* new_text_list(std::initializer_list<const char*> items) {
    GeeArrayList* l = gee_array_list_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, nullptr, nullptr, nullptr);
    for (const char* s : items) gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(l), s);
    return l;
}

}  // namespace

TEST(Serialization, TypesAndPrerequisites) {
    struct Case {
        const char* name;
        GType type;
    } cases[] = {
        {"TarvelinRezezadovuContractsSerializationIJsonSerializer",
         tarvelin_rezezadovu_contracts_serialization_ijson_serializer_get_type()},
        {"TarvelinRezezadovuContractsIClonable", tarvelin_rezezadovu_contracts_iclonable_get_type()},
        {"TarvelinRezezadovuContractsStorageIStorable", tarvelin_rezezadovu_contracts_storage_istorable_get_type()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(g_type_from_name(c.name), c.type);
        EXPECT_TRUE(G_TYPE_IS_INTERFACE(c.type));
        guint n = 0;
        GType* pre = g_type_interface_prerequisites(c.type, &n);
        ASSERT_EQ(n, 1u) << c.name;
        EXPECT_EQ(pre[0], G_TYPE_OBJECT);
        g_free(pre);
    }
}

TEST(Serialization, WritesEveryWritablePropertyByType) {
    GObject* o = new_sample();
    GDateTime* stamp = g_date_time_new_from_iso8601("2024-01-02T03:04:05.000250+02:00", nullptr);
    const char* names[] = {"a", "b c", nullptr};
    g_object_set(o, "int8", -5, "uint8", 250, "flag", TRUE, "count", -7, "ucount", G_MAXUINT, "long", -9L, "ulong",
                 10UL, "big", G_MININT64, "ubig", G_MAXUINT64, "ratio", 0.5f, "precise", 2.25, "kind",
                 G_FILE_TYPE_DIRECTORY, "bits", G_BINDING_BIDIRECTIONAL | G_BINDING_INVERT_BOOLEAN, "stamp", stamp,
                 "names", names, nullptr);
    g_date_time_unref(stamp);
    std::string json = to_json(o);
    // Read-only "tags", "options" and "fixed" never appear; a null text is "", a null
    // list is [], the enumeration and flags are numbers, an unsigned 64-bit above the
    // signed range wraps, another object type is described.
    EXPECT_EQ(json,
              "{\"int8\":-5,\"uint8\":250,\"flag\":true,\"count\":-7,\"ucount\":4294967295,\"long\":-9,"
              "\"ulong\":10,\"big\":-9223372036854775808,\"ubig\":-1,\"ratio\":0.5,\"precise\":2.25,"
              "\"label\":\"\",\"kind\":2,\"bits\":5,\"stamp\":\"2024-01-02T03:04:05.000250+02\","
              "\"names\":[\"a\",\"b c\"],\"payload\":\"NULL\",\"shared\":\"NULL\",\"seed\":0,\"level\":0}");
    g_object_unref(o);

    GObject* ro = static_cast<GObject*>(g_object_new(test_read_only_get_type(), nullptr));
    EXPECT_EQ(to_json(ro), "{}");
    g_object_unref(ro);
}

TEST(Serialization, ReadsBackWhatItWrote) {
    GObject* o = new_sample();
    GDateTime* stamp = g_date_time_new_from_iso8601("2024-01-02T03:04:05Z", nullptr);
    const char* names[] = {"x", "y", nullptr};
    g_object_set(o, "ubig", G_MAXUINT64 - 1, "kind", G_FILE_TYPE_SPECIAL, "ulong", 4000000000UL, "stamp", stamp,
                 "names", names, "ratio", 1.5f, "label", "text", nullptr);
    g_date_time_unref(stamp);
    std::string json = to_json(o);
    GObject* copy = new_sample();
    from_json(copy, json.c_str());
    EXPECT_EQ(to_json(copy), json);
    guint64 ubig = 0;
    GFileType kind = G_FILE_TYPE_UNKNOWN;
    GDateTime* back = nullptr;
    g_object_get(copy, "ubig", &ubig, "kind", &kind, "stamp", &back, nullptr);
    EXPECT_EQ(ubig, G_MAXUINT64 - 1);
    EXPECT_EQ(kind, G_FILE_TYPE_SPECIAL);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(g_date_time_to_unix(back), 1704164645);
    g_date_time_unref(back);
    g_object_unref(copy);
    g_object_unref(o);
}

TEST(Serialization, ReadingRules) {
    GObject* o = new_sample();
    const char* names[] = {"keep", nullptr};
    GDateTime* stamp = g_date_time_new_now_utc();
    g_object_set(o, "names", names, "stamp", stamp, "label", "before", nullptr);
    g_date_time_unref(stamp);
    // "class" is never applied; "_" reaches "-" names; the later of two spellings wins;
    // unknown and read-only members are ignored; a float is truncated for an integer;
    // null gives 0 and no text; a null list keeps the list; "" gives no date-time.
    from_json(o, R"({"class": 1, "uint8": 300, "count": 3.9, "big": 1, "big": 2, "ucount": null, "fixed": 7,
                     "nothing": true, "label": null, "names": null, "stamp": "", "flag": "yes",
                     "precise": 7})");
    gint count = -1;
    guint8 u8 = 0;
    gint64 big = 0;
    gint fixed = 0;
    gchar* label = nullptr;
    gchar** kept = nullptr;
    GDateTime* none = stamp;
    gboolean flag = TRUE;
    double precise = 0;
    g_object_get(o, "count", &count, "uint8", &u8, "big", &big, "fixed", &fixed, "label", &label, "names", &kept,
                 "stamp", &none, "flag", &flag, "precise", &precise, nullptr);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(u8, 300 % 256);
    EXPECT_EQ(big, 2);
    EXPECT_EQ(fixed, 42);
    EXPECT_EQ(label, nullptr);
    ASSERT_NE(kept, nullptr);
    EXPECT_STREQ(kept[0], "keep");
    EXPECT_EQ(none, nullptr);
    EXPECT_FALSE(flag);
    EXPECT_EQ(precise, 7.0);
    g_strfreev(kept);

    // Array elements stop at the first that is not a text.
    from_json(o, R"({"names": ["a", "b", 3, "c"], "stamp": "2024-01-02T03:04:05", "count": "x"})");
    g_object_get(o, "names", &kept, "stamp", &none, "count", &count, nullptr);
    ASSERT_EQ(g_strv_length(kept), 2u);
    EXPECT_STREQ(kept[1], "b");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(g_date_time_get_utc_offset(none), 0);
    EXPECT_EQ(count, 0);
    g_strfreev(kept);
    g_date_time_unref(none);
    g_object_unref(o);
}

TEST(Serialization, UnreadableTypesWarnAndKeepTheirValue) {
    GObject* o = new_sample();
    GObject* payload = static_cast<GObject*>(g_object_new(G_TYPE_OBJECT, nullptr));
    g_object_set(o, "payload", payload, nullptr);
    testing::internal::CaptureStderr();
    from_json(o, R"({"payload": "other", "count": 12})");
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("serializer_json:"), std::string::npos) << log;
    EXPECT_NE(log.find("Type: payload -> GObject"), std::string::npos) << log;
    GObject* still = nullptr;
    gint count = 0;
    g_object_get(o, "payload", &still, "count", &count, nullptr);
    EXPECT_EQ(still, payload);
    EXPECT_EQ(count, 12);
    g_object_unref(still);
    g_object_unref(payload);
    g_object_unref(o);
}

TEST(Serialization, NullArgumentsAreRefused) {
    GObject* o = new_sample();
    JsonBuilder* b = json_builder_new();
    json_builder_begin_object(b);
    testing::internal::CaptureStderr();
    tarvelin_rezezadovu_contracts_serialization_ijson_serializer_serialize(nullptr, b, o);
    tarvelin_rezezadovu_contracts_serialization_ijson_serializer_serialize(reinterpret_cast<Serializer*>(o), nullptr, o);
    tarvelin_rezezadovu_contracts_serialization_ijson_serializer_serialize(reinterpret_cast<Serializer*>(o), b, nullptr);
    tarvelin_rezezadovu_contracts_serialization_ijson_serializer_deserialize(reinterpret_cast<Serializer*>(o), nullptr, o);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_iclonable_clone(nullptr), nullptr);
    std::string log = testing::internal::GetCapturedStderr();
    for (const char* cond : {"self != NULL", "builder != NULL", "object != NULL", "json_object != NULL"}) {
        EXPECT_NE(log.find(cond), std::string::npos) << cond << " in " << log;
    }
    json_builder_end_object(b);
    g_object_unref(b);
    g_object_unref(o);
}

TEST(Clonable, CopiesConstructWritableAndOwnCollections) {
    GObject* src = static_cast<GObject*>(g_object_new(test_sample_get_type(), "seed", 11, "level", 3, nullptr));
    GeeArrayList* shared = new_text_list({"s"});
    g_object_set(src, "label", "copied", "big", G_GINT64_CONSTANT(-12), "shared", shared, nullptr);
    GeeArrayList* tags = nullptr;
    GeeHashMap* options = nullptr;
    g_object_get(src, "tags", &tags, "options", &options, nullptr);
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(tags), "third");  // source: first, second, third
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "shared", "theirs");
    gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "added", "theirs");
    int sets_before = test_sample_construct_sets();

    GObject* copy = tarvelin_rezezadovu_contracts_iclonable_clone(
        reinterpret_cast<TarvelinRezezadovuContractsIClonable*>(src));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(G_OBJECT_TYPE(copy), G_OBJECT_TYPE(src));
    EXPECT_EQ(copy->ref_count, 1u);
    EXPECT_FALSE(g_object_is_floating(copy));
    gint seed = 0, level = 0;
    gint64 big = 0;
    gchar* label = nullptr;
    GeeArrayList* copy_shared = nullptr;
    GeeArrayList* copy_tags = nullptr;
    GeeHashMap* copy_options = nullptr;
    g_object_get(copy, "seed", &seed, "level", &level, "big", &big, "label", &label, "shared", &copy_shared, "tags",
                 &copy_tags, "options", &copy_options, nullptr);
    EXPECT_EQ(seed, 11);
    EXPECT_EQ(level, 3);
    EXPECT_EQ(big, -12);
    EXPECT_STREQ(label, "copied");
    EXPECT_EQ(copy_shared, shared);  // a writable list is shared, not copied
    EXPECT_NE(copy_tags, tags);
    EXPECT_EQ(texts(GEE_COLLECTION(copy_tags)),
              (std::vector<std::string>{"first", "second", "first", "second", "third"}));
    EXPECT_NE(copy_options, options);
    auto get = [&](const char* key) { return gobj::take_string(static_cast<gchar*>(gee_abstract_map_get(
                                          GEE_ABSTRACT_MAP(copy_options), key))); };
    EXPECT_EQ(get("kept"), "mine");
    EXPECT_EQ(get("shared"), "theirs");
    EXPECT_EQ(get("added"), "theirs");
    // "seed" is given once, at creation; "level" at creation and again as a writable property.
    EXPECT_EQ(test_sample_construct_sets() - sets_before, 3);
    g_free(label);
    for (gpointer p : {(gpointer)copy_shared, (gpointer)copy_tags, (gpointer)copy_options, (gpointer)tags,
                       (gpointer)options, (gpointer)shared, (gpointer)copy, (gpointer)src}) {
        g_object_unref(p);
    }
}

namespace {
class Disk : public gobj::Object, public rezezadovu::contracts::storage::IStorable {
public:
    static GType gtype();
    bool load(const std::string& filename) override {
        if (filename.empty()) throw gobj::Error("Disk", 3, "no name");
        return true;
    }
    bool save(const std::string&) override { return false; }
};
TARVELIN_GTYPE(Disk, "TestSettingsDisk", gobj::Object, rezezadovu::contracts::storage::IStorable)

struct Shelf {
    GObject parent;
};
struct ShelfClass {
    GObjectClass parent;
};
GType shelf_get_type() {
    static GType t = [] {
        GType type = g_type_register_static_simple(G_TYPE_OBJECT, "TestSettingsShelf", sizeof(ShelfClass), nullptr,
                                                   sizeof(Shelf), nullptr, GTypeFlags(0));
        static const GInterfaceInfo info = {nullptr, nullptr, nullptr};
        g_type_add_interface_static(type, tarvelin_rezezadovu_contracts_storage_istorable_get_type(), &info);
        return type;
    }();
    return t;
}
}  // namespace

TEST(Storable, DispatchesToTheImplementationOrAnswersFalse) {
    auto disk = gobj::create<Disk>();
    auto* s = reinterpret_cast<TarvelinRezezadovuContractsStorageIStorable*>(disk.gobj());
    GError* error = nullptr;
    EXPECT_TRUE(tarvelin_rezezadovu_contracts_storage_istorable_load(s, "f", &error));
    EXPECT_FALSE(tarvelin_rezezadovu_contracts_storage_istorable_save(s, "f", &error));
    EXPECT_EQ(error, nullptr);
    EXPECT_FALSE(tarvelin_rezezadovu_contracts_storage_istorable_load(s, "", &error));
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->code, 3);
    g_clear_error(&error);

    GObject* shelf = static_cast<GObject*>(g_object_new(shelf_get_type(), nullptr));
    auto* empty = reinterpret_cast<TarvelinRezezadovuContractsStorageIStorable*>(shelf);
    EXPECT_FALSE(tarvelin_rezezadovu_contracts_storage_istorable_load(empty, "f", &error));
    EXPECT_FALSE(tarvelin_rezezadovu_contracts_storage_istorable_save(empty, "f", &error));
    EXPECT_EQ(error, nullptr);
    g_object_unref(shelf);
}
