// Byte cells.
#include <tarvelin/providers/providers.h>

#include <algorithm>

#include "providers/contracts/value_binary.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using value_test::NotifyCounter;
using value_test::stderr_of;
using value_test::text_of;

namespace {
gobj::Ref<ValueBinary> binary(const std::string& bytes) {
    return ValueBinary::create(bytes.data(), static_cast<gint32>(bytes.size()));
}
}  // namespace

TEST(BinaryValues, HexadecimalAndDisplayText) {
    struct Case {
        std::string bytes;
        const char* hex;
        const char* text;
    } cases[] = {
        {std::string("\x00\xAB\x10", 3), "00AB10", ""},
        {"\x01\xFE", "01FE", "01FE"},
        {"", "", ""},
        {"h\xC3\xA9llo", "68C3A96C6C6F", "h\xC3\xA9llo"},
        {"\xC3\x28", "C328", "C328"},
        {std::string("abc\0\xFF\xFF", 6), "616263 00FFFF", "abc"},
        {std::string("\xFF\x00", 2), "FF00", "FF00"},
    };
    for (auto& c : cases) {
        std::string hex = c.hex;
        hex.erase(std::remove(hex.begin(), hex.end(), ' '), hex.end());
        auto v = binary(c.bytes);
        EXPECT_EQ(v->to_hexadecimal(), hex) << hex;
        EXPECT_EQ(v->to_string(), c.text) << hex;
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_binary_to_hexadecimal(
                      TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(v.gobj()))),
                  hex);
    }
}

TEST(BinaryValues, BytesCopiesAndGenericValue) {
    auto v = binary("xyz");
    gint length = -1;
    guint8* bytes = tarvelin_providers_contracts_value_binary_to_bytes(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(v.gobj()),
                                                                       &length);
    ASSERT_EQ(length, 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 3), "xyz");
    g_free(bytes);

    auto empty = binary("");
    length = -1;
    EXPECT_EQ(tarvelin_providers_contracts_value_binary_to_bytes(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(empty.gobj()),
                                                                 &length),
              nullptr);
    EXPECT_EQ(length, 0);

    GValue gv = G_VALUE_INIT;
    v->to_value(&gv);
    EXPECT_EQ(G_VALUE_TYPE(&gv), G_TYPE_BYTES);
    EXPECT_EQ(g_value_get_boxed(&gv), v->get_itsvalue());  // the held buffer, shared
    g_value_unset(&gv);
}

TEST(BinaryValues, NoBuffer) {
    GObject* o = G_OBJECT(g_object_new(ValueBinary::gtype(), nullptr));
    auto* b = TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(o);
    EXPECT_EQ(tarvelin_providers_contracts_value_binary_get_itsvalue(b), nullptr);
    gint length = -1;
    EXPECT_EQ(tarvelin_providers_contracts_value_binary_to_bytes(b, &length), nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_NE(stderr_of([&] { EXPECT_EQ(text_of(tarvelin_providers_contracts_value_binary_to_hexadecimal(b)), ""); })
                  .find("self != NULL"),
              std::string::npos);
    EXPECT_NE(stderr_of([&] {
                  EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(
                                TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(o))),
                            "");
              }).find("self != NULL"),
              std::string::npos);
    GValue gv = G_VALUE_INIT;
    tarvelin_providers_contracts_value_object_to_value(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(o), &gv);
    EXPECT_EQ(g_value_get_boxed(&gv), nullptr);
    g_value_unset(&gv);
    // A copy holds an empty buffer.
    auto* copy = tarvelin_providers_contracts_value_object_clone(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(o));
    GBytes* held = tarvelin_providers_contracts_value_binary_get_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(copy));
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(g_bytes_get_size(held), 0u);
    g_object_unref(copy);
    g_object_unref(o);
}

TEST(BinaryValues, BlobCloneIsIndependent) {
    const guint8 data[] = {1, 2, 3};
    auto* blob = tarvelin_providers_contracts_value_blob_new(data, 3);
    auto* v = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(blob);
    EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(v), "blob");
    EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(v), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB);
    auto* copy = tarvelin_providers_contracts_value_object_clone(v);
    EXPECT_EQ(G_OBJECT_TYPE(copy), ValueBlob::gtype());
    auto* cb = TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(copy);
    EXPECT_NE(tarvelin_providers_contracts_value_binary_get_itsvalue(cb),
              tarvelin_providers_contracts_value_binary_get_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(blob)));

    NotifyCounter n(blob, "itsvalue");
    GBytes* other = g_bytes_new_static("zz", 2);
    g_object_set(blob, "itsvalue", other, nullptr);
    tarvelin_providers_contracts_value_binary_set_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(blob), other);
    g_bytes_unref(other);
    EXPECT_EQ(n.count, 2);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_binary_to_hexadecimal(cb)), "010203");
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), "zz");
    g_object_unref(copy);
    g_object_unref(blob);
}

TEST(BinaryValues, ConstructorPreconditions) {
    EXPECT_NE(stderr_of([] { EXPECT_EQ(tarvelin_providers_contracts_value_binary_new(nullptr, 4), nullptr); })
                  .find("data != NULL"),
              std::string::npos);
    EXPECT_NE(stderr_of([] {
                  const guint8 b[] = {1};
                  EXPECT_EQ(tarvelin_providers_contracts_value_blob_new(b, -1), nullptr);
              }).find("data_length1 >= 0"),
              std::string::npos);
    auto* empty = tarvelin_providers_contracts_value_binary_new(nullptr, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(g_bytes_get_size(tarvelin_providers_contracts_value_binary_get_itsvalue(empty)), 0u);
    g_object_unref(empty);
}

TEST(BinaryValues, WriteToAStream) {
    auto v = binary(std::string("a\0b", 3));
    GOutputStream* out = g_memory_output_stream_new_resizable();
    GError* error = nullptr;
    tarvelin_providers_contracts_value_binary_write(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(v.gobj()), out, &error);
    ASSERT_EQ(error, nullptr);
    auto* mem = G_MEMORY_OUTPUT_STREAM(out);
    EXPECT_EQ(std::string(static_cast<char*>(g_memory_output_stream_get_data(mem)),
                          g_memory_output_stream_get_data_size(mem)),
              std::string("a\0b", 3));

    // The stream's error reaches the caller unchanged.
    g_output_stream_close(out, nullptr, nullptr);
    tarvelin_providers_contracts_value_binary_write(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(v.gobj()), out, &error);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CLOSED));
    g_error_free(error);
    EXPECT_THROW(v->write(out), gobj::Error);
    g_object_unref(out);

    EXPECT_NE(stderr_of([&] {
                  tarvelin_providers_contracts_value_binary_write(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(v.gobj()),
                                                                  nullptr, nullptr);
              }).find("stream != NULL"),
              std::string::npos);
}
