// The string, location, encoding and file-type helpers.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/helpers.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "rezezadovu/helpers/helper_encoding.hpp"
#include "rezezadovu/helpers/helper_file_type.hpp"
#include "rezezadovu/helpers/helper_location.hpp"
#include "rezezadovu/helpers/helper_string.hpp"
#include "support/resource_bundle.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu::helpers;
using Texts = std::vector<std::string>;

namespace {

// The file-type table comes from the test bundle, registered before anything asks for it.
[[maybe_unused]] testing::Environment* const bundle =
    testing::AddGlobalTestEnvironment(new test::ResourceBundle(TARVELIN_TEST_BUNDLE));

std::span<const guint8> bytes_of(const std::string& s) {
    return {reinterpret_cast<const guint8*>(s.data()), s.size()};
}

}  // namespace

TEST(StringHelper, SearchTable) {
    Texts ab = {"a", "B"};
    Texts accented = {"\xc3\x89t\xc3\xa9"};  // "Été"
    Texts keys = {"columns.a", "indexes.b", "indexes.c"};
    struct Case {
        const char* what;
        int got;
        int expected;
    } cases[] = {
        {"empty array", StringHelper::search_array({}, "b", true), -1},
        {"sensitive", StringHelper::search_array(ab, "b", true), -1},
        {"insensitive", StringHelper::search_array(ab, "b", false), 1},
        {"ASCII folding only", StringHelper::search_array(accented, "\xc3\xa9t\xc3\xa9", false), -1},
        {"prefix folds Unicode", StringHelper::search_array_prefix(accented, "\xc3\xa9t", false), 0},
        {"prefix", StringHelper::search_array_prefix(keys, "indexes.", true), 1},
        {"prefix count", StringHelper::search_array_prefix_count(keys, "indexes.", true), 2},
        {"prefix none", StringHelper::search_array_prefix_count(keys, "x", true), 0},
        {"suffix", StringHelper::search_array_suffix(keys, ".C", false), 2},
        {"suffix count", StringHelper::search_array_suffix_count(keys, "b", true), 1},
        {"index: array order wins", StringHelper::index_with_array("a b c", Texts{"c", "a"}, true), 4},
        {"index insensitive", StringHelper::index_with_array("select x from t", Texts{"FROM"}, false), 9},
        {"index empty element", StringHelper::index_with_array("abc", Texts{""}, true), 0},
        {"index empty array", StringHelper::index_with_array("abc", {}, true), -1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;

    EXPECT_TRUE(StringHelper::contains_array("anything", Texts{""}, true));
    EXPECT_TRUE(StringHelper::prefix_with_array("anything", Texts{""}, true));
    EXPECT_TRUE(StringHelper::contains_array("Select", Texts{"x", "LEC"}, false));
    EXPECT_FALSE(StringHelper::contains_array("Select", Texts{"LEC"}, true));
    EXPECT_TRUE(StringHelper::suffix_with_array("table.SQL", Texts{".sql"}, false));
    EXPECT_FALSE(StringHelper::suffix_with_array("table.SQL", Texts{".sql"}, true));
    EXPECT_FALSE(StringHelper::prefix_with_array("abc", {}, true));
}

TEST(StringHelper, ReplaceTrimAndCase) {
    EXPECT_EQ(StringHelper::replace_array("abc", Texts{"a", "b"}, Texts{"b", "c"}), "ccc");
    EXPECT_EQ(StringHelper::replace_array("a.b.c", Texts{"."}, Texts{"\\1$&"}), "a\\1$&b\\1$&c");
    EXPECT_EQ(StringHelper::replace_array("aaa", Texts{"aa"}, Texts{"b"}), "ba");
    EXPECT_EQ(StringHelper::replace_array("abc", Texts{"a"}, Texts{}), std::nullopt);
    struct Case {
        const char* text;
        const char* chars;
        const char* expected;
    } trims[] = {
        {"\"name\"", "\"", "name"},
        {"\r\nline\r\n", "\r\n", "line"},
        {"[x]", "\\[\\]", "x"},
        {"zzaz", "z-a", "zzaz"},  // a reversed range does not compile: unchanged
        {"  keep inner  space ", " ", "keep inner  space"},
    };
    for (const auto& t : trims) EXPECT_EQ(StringHelper::trim_chars(t.text, t.chars), t.expected) << t.text;
    struct Proper {
        const char* text;
        const char* expected;
    } propers[] = {
        {"hello WORLD it's", "Hello World It's"},
        {"o'neil", "O'neil"},
        {"", ""},
        {"\xc3\xa9t\xc3\xa9 ROUGE", "\xc3\x89t\xc3\xa9 Rouge"},
        {"a-b  c", "A-B  C"},
    };
    for (const auto& p : propers) EXPECT_EQ(StringHelper::proper_case(p.text), p.expected) << p.text;
    EXPECT_EQ(StringHelper::proper_case("bad \xff utf8"), "bad \xff utf8");
}

TEST(StringHelper, DiffComparesTrimmedEntries) {
    Texts same, removed, added;
    StringHelper::diff_array(Texts{"a", "b"}, Texts{"b", "c"}, same, removed, added);
    EXPECT_EQ(same, Texts{"b"});
    EXPECT_EQ(removed, Texts{"a"});
    EXPECT_EQ(added, Texts{"c"});
    StringHelper::diff_array(Texts{" b", "", "x"}, Texts{"b ", "  ", "x", "x"}, same, removed, added);
    EXPECT_EQ(same, (Texts{"b", "x", "x"}));
    EXPECT_TRUE(removed.empty());
    EXPECT_TRUE(added.empty());
}

TEST(StringHelper, MapsAndTheCFace) {
    auto map = StringHelper::arraify_data("a=1;b=2=3;c;;=v", ";");
    auto get = [&](const char* k) {
        return gobj::take_optional(static_cast<gchar*>(gee_abstract_map_get(GEE_ABSTRACT_MAP(map.get()), k)));
    };
    EXPECT_EQ(gee_map_get_size(GEE_MAP(map.get())), 4);
    EXPECT_EQ(get("a"), "1");
    EXPECT_EQ(get("b"), "2=3");
    EXPECT_TRUE(gee_abstract_map_has_key(GEE_ABSTRACT_MAP(map.get()), "c"));
    EXPECT_EQ(get("c"), std::nullopt);
    EXPECT_EQ(get(""), "v");
    auto one = StringHelper::arraify_data("host=h", ";");
    EXPECT_EQ(StringHelper::stringify_data(GEE_MAP(one.get()), ";"), "host=h");
    auto empty = StringHelper::arraify_data("", ";");
    EXPECT_EQ(StringHelper::stringify_data(GEE_MAP(empty.get()), ";"), "");

    const char* array[] = {"x", "Y", nullptr};
    EXPECT_EQ(tarvelin_rezezadovu_helpers_string_helper_search_array(const_cast<gchar**>(array), 2, "y", FALSE), 1);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_string_helper_search_array(const_cast<gchar**>(array), -1, "Y", TRUE), 1);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_string_helper_search_array(nullptr, 0, "Y", TRUE), -1);
    gchar** same = nullptr;
    gchar** added = nullptr;
    gint same_len = -1, added_len = -1;
    const char* olds[] = {"x"};
    tarvelin_rezezadovu_helpers_string_helper_diff_array(const_cast<gchar**>(olds), 1, const_cast<gchar**>(array), 2,
                                                         &same, &same_len, nullptr, nullptr, &added, &added_len);
    ASSERT_EQ(same_len, 1);
    EXPECT_STREQ(same[0], "x");
    EXPECT_EQ(same[1], nullptr);
    ASSERT_EQ(added_len, 1);
    EXPECT_STREQ(added[0], "Y");
    g_strfreev(same);
    g_strfreev(added);
    testing::internal::CaptureStderr();
    EXPECT_EQ(tarvelin_rezezadovu_helpers_string_helper_replace_array("abc", const_cast<gchar**>(array), 2, nullptr, 0),
              nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_string_helper_index_with_array(nullptr, nullptr, 0, TRUE), 0);
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("old_texts.length == new_texts.length"), std::string::npos) << log;
    EXPECT_NE(log.find("text != NULL"), std::string::npos) << log;
}

TEST(LocationHelper, ReferencePoints) {
    EXPECT_EQ(LocationHelper::transform_latitude(0, 0), -100.0);
    EXPECT_EQ(LocationHelper::transform_longitude(0, 0), 300.0);
    EXPECT_EQ(LocationHelper::fabs(-2.5), 2.5);
    EXPECT_FALSE(LocationHelper::out_of_china(72.004, 30));
    EXPECT_TRUE(LocationHelper::out_of_china(72.0039, 30));
    for (auto f : {&LocationHelper::wgs84_to_gcj02, &LocationHelper::gcj02_to_wgs84, &LocationHelper::transform}) {
        auto p = f(2.35, 48.85);
        EXPECT_EQ(p[0], 2.35);
        EXPECT_EQ(p[1], 48.85);
    }
    auto g = LocationHelper::wgs84_to_gcj02(116.397128, 39.916527);
    EXPECT_NEAR(g[0], 116.403372, 5e-7);
    EXPECT_NEAR(g[1], 39.917931, 5e-7);
    auto w = LocationHelper::gcj02_to_wgs84(g[0], g[1]);
    EXPECT_NEAR(w[0], 116.397128, 1e-6);
    EXPECT_NEAR(w[1], 39.916527, 1e-6);
    auto bd = LocationHelper::gcj02_to_bd09(g[0], g[1]);
    auto back = LocationHelper::bd09_to_gcj02(bd[0], bd[1]);
    EXPECT_NEAR(back[0], g[0], 1e-6);
    EXPECT_NEAR(back[1], g[1], 1e-6);
    auto w2 = LocationHelper::bd09_to_wgs84(LocationHelper::wgs84_to_bd09(116.397128, 39.916527)[0],
                                            LocationHelper::wgs84_to_bd09(116.397128, 39.916527)[1]);
    EXPECT_NEAR(w2[0], 116.397128, 1e-5);
    EXPECT_NEAR(w2[1], 39.916527, 1e-5);
    double dl = 0, dp = 0;
    tarvelin_rezezadovu_helpers_location_helper_delta(116.397128, 39.916527, &dl, nullptr);
    tarvelin_rezezadovu_helpers_location_helper_delta(116.397128, 39.916527, nullptr, &dp);
    EXPECT_NEAR(116.397128 + dl, g[0], 1e-12);
    EXPECT_NEAR(39.916527 + dp, g[1], 1e-12);
}

TEST(LocationHelper, WebMercatorAndDistance) {
    const double b = 20037508.342789244;
    auto o = LocationHelper::wgs84_to_epsg3857(0, 0);
    EXPECT_EQ(o[0], 0.0);
    EXPECT_NEAR(o[1], 0.0, 1e-9);
    auto e = LocationHelper::wgs84_to_epsg3857(180, 0);
    EXPECT_NEAR(e[0], b, 1e-6);
    EXPECT_EQ(LocationHelper::wgs84_to_epsg3857(0, 90)[1], b);
    EXPECT_EQ(LocationHelper::wgs84_to_epsg3857(190, 0)[0], LocationHelper::wgs84_to_epsg3857(-170, 0)[0]);
    for (double lat : {-85.0, -33.5, 0.0, 12.25, 85.0}) {
        auto m = LocationHelper::wgs84_to_epsg3857(121.5, lat);
        auto back = LocationHelper::espg3857_to_wgs84(m[0], m[1]);
        EXPECT_NEAR(back[0], 121.5, 1e-9);
        EXPECT_NEAR(back[1], lat, 1e-9);
    }
    EXPECT_EQ(LocationHelper::distance(10, 20, 10, 20), 0.0);
    EXPECT_NEAR(LocationHelper::distance(30, 10, 30, 11), 111319.0, 100.0);
    gint len = 0;
    gdouble* p = tarvelin_rezezadovu_helpers_location_helper_espg3857_to_wgs84(0, 0, &len);
    EXPECT_EQ(len, 2);
    gdouble* q = tarvelin_rezezadovu_helpers_location_helper_transform(0, 0, &len);
    EXPECT_NE(p, q);
    g_free(p);
    g_free(q);
}

TEST(EncodingHelper, DetectsRealEncodings) {
    std::string chinese =
        "\xe4\xb8\xad\xe5\x8d\x8e\xe4\xba\xba\xe6\xb0\x91\xe5\x85\xb1\xe5\x92\x8c\xe5\x9b\xbd\xe6\x98\xaf\xe4\xb8\x80"
        "\xe4\xb8\xaa\xe5\xa4\x9a\xe6\xb0\x91\xe6\x97\x8f\xe7\x9a\x84\xe5\x9b\xbd\xe5\xae\xb6\xef\xbc\x8c\xe6\x95\xb0"
        "\xe6\x8d\xae\xe5\xba\x93\xe7\xae\xa1\xe7\x90\x86\xe5\xb7\xa5\xe5\x85\xb7\xe5\x8f\xaf\xe4\xbb\xa5\xe8\xbf\x9e"
        "\xe6\x8e\xa5\xe5\xa4\x9a\xe7\xa7\x8d\xe6\x95\xb0\xe6\x8d\xae\xe5\xba\x93\xe6\x9c\x8d\xe5\x8a\xa1\xe5\x99\xa8"
        "\xe3\x80\x82\xe6\x88\x91\xe4\xbb\xac\xe5\x9c\xa8\xe8\xbf\x99\xe9\x87\x8c\xe6\xb5\x8b\xe8\xaf\x95\xe5\xad\x97"
        "\xe7\xac\xa6\xe9\x9b\x86\xe7\x9a\x84\xe6\xa3\x80\xe6\xb5\x8b\xe3\x80\x82";
    std::string french =
        "Le c\xc5\x93ur de l'\xc3\xa9t\xc3\xa9 : \xc3\xa0 la fen\xc3\xaatre, l'\xc3\xa9l\xc3\xa8ve r\xc3\xaave d'une "
        "ann\xc3\xa9" "e o\xc3\xb9 le caf\xc3\xa9 co\xc3\xbbte 2\xe2\x82\xac ; \xc2\xab d\xc3\xa9j\xc3\xa0 vu \xc2\xbb, "
        "dit-il, tr\xc3\xa8s \xc3\xa9mu, pr\xc3\xa8s de la for\xc3\xaat o\xc3\xb9 na\xc3\xaet la rivi\xc3\xa8re.";
    auto convert = [](const std::string& text, const char* to) {
        gsize written = 0;
        gchar* out = g_convert(text.data(), static_cast<gssize>(text.size()), to, "UTF-8", nullptr, &written, nullptr);
        std::string s(out ? out : "", written);
        g_free(out);
        return s;
    };
    EncodingHelper& helper = EncodingHelper::get_singleton();
    EXPECT_EQ(&helper, &EncodingHelper::get_singleton());
    struct Case {
        const char* what;
        std::string bytes;
        const char* expected;
    } cases[] = {
        {"UTF-8", chinese + " " + french, "UTF-8"},
        {"GB18030", convert(chinese, "GB18030"), "GB18030"},
        {"windows-1252", convert(french, "WINDOWS-1252"), "WINDOWS-1252"},
        {"UTF-8 again (nothing carried over)", french, "UTF-8"},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(c.bytes.empty()) << c.what;
        EXPECT_STRCASEEQ(helper.detect_buffer(bytes_of(c.bytes)).c_str(), c.expected) << c.what;
    }
    auto* self = tarvelin_rezezadovu_helpers_encoding_helper_get_singleton();
    EXPECT_EQ(self, tarvelin_rezezadovu_helpers_encoding_helper_get_singleton());
    EXPECT_EQ(gobj::take_string(tarvelin_rezezadovu_helpers_encoding_helper_detect_file(self, "/etc/hostname")), "");
    GInputStream* stream = g_memory_input_stream_new();
    EXPECT_EQ(gobj::take_string(tarvelin_rezezadovu_helpers_encoding_helper_detect_stream(self, stream)), "");
    g_object_unref(stream);
}

TEST(FileTypeHelper, GuessesFromTheBundle) {
    FileTypeHelper& helper = FileTypeHelper::get_singleton();
    ASSERT_EQ(helper.signatures().size(), 7u);  // the member that is not an object is skipped
    EXPECT_EQ(helper.signatures()[0].name, "png");
    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string zip("PK\x03\x04rest", 8);
    std::string empty_zip("PK\x05\x06", 4);
    std::string mp4("\0\0\0\x18" "ftypisom", 12);
    struct Case {
        const char* what;
        std::string bytes;
        const char* expected;
    } cases[] = {
        {"png", png, "image/png"},
        {"sign ending at the buffer's end", png.substr(0, 4), "image/png"},
        {"too short", png.substr(0, 3), "unknown/unknown"},
        {"first record wins over a later, shorter sign", zip, "application/zip"},
        {"second sign of a record", empty_zip, "application/zip"},
        {"later record", std::string("PK\x07\x08", 4), "application/docx"},
        {"offset", mp4, "video/mp4"},
        {"empty hexadecimal text matches from its offset", std::string(16, 'q'), "any/long"},
        {"nothing", "plain text here", "unknown/unknown"},
        {"empty buffer", "", "unknown/unknown"},
    };
    for (const auto& c : cases) EXPECT_EQ(helper.guess_file_type(bytes_of(c.bytes)), c.expected) << c.what;

    auto* self = tarvelin_rezezadovu_helpers_file_type_helper_get_singleton();
    EXPECT_EQ(self, helper.instance());
    EXPECT_EQ(gobj::take_string(tarvelin_rezezadovu_helpers_file_type_helper_guess_file_type(
                  self, reinterpret_cast<const guint8*>(png.data()), 8)),
              "image/png");
}

TEST(FileTypeHelper, DocumentShapes) {
    auto helper = FileTypeHelper::create();
    auto load = [&](const char* json) {
        JsonNode* root = json_from_string(json, nullptr);
        helper->load_document(root);
        if (root) json_node_unref(root);
    };
    testing::internal::CaptureStderr();
    load("[1]");
    load("{}");
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("Failed to load and get file type json root object."), std::string::npos) << log;
    EXPECT_NE(log.find("Root object is empty object"), std::string::npos) << log;
    EXPECT_TRUE(helper->signatures().empty());
    load(R"({"x": {"mime": "a/b", "signs": ["nocomma", "0,41", 5, "1,4243"]}})");
    ASSERT_EQ(helper->signatures().size(), 1u);
    EXPECT_EQ(helper->signatures()[0].signs.size(), 3u);
    testing::internal::CaptureStderr();
    EXPECT_EQ(helper->guess_file_type(bytes_of("zBC")), "a/b");
    load(R"({"lower": {"mime": "image/png", "signs": ["0,89504e47"]}})");
    EXPECT_EQ(helper->guess_file_type(bytes_of("\x89PNG")), "unknown/unknown");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("signature_hex != NULL"), std::string::npos);
}
