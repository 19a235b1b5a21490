#include "providers/contracts/value_binary.hpp"

#include <cstring>

#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_file.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("value_binary")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(ValueBinary, "TarvelinProvidersContractsValueBinary", ValueObject)
TARVELIN_GTYPE(ValueBlob, "TarvelinProvidersContractsValueBlob", ValueBinary)

namespace {
GBytes* copy_bytes(const void* data, gint32 length) {
    return g_bytes_new(data, length > 0 ? static_cast<gsize>(length) : 0);
}
}  // namespace

void ValueBinary::describe(gobj::ClassSpec<ValueBinary>& c) {
    using Self = ValueBinary;
    install_name(c);
    TARVELIN_VALUE_BINARY_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    install_data_type(c);
}
gobj::Ref<ValueBinary> ValueBinary::create(const void* data, gint32 length, GType type) {
    return make<ValueBinary>(copy_bytes(data, length), type);
}
gobj::Ref<ValueBinary> ValueBinary::create_bytes(GBytes* bytes, GType type) {
    return make<ValueBinary>(bytes ? g_bytes_ref(bytes) : nullptr, type);
}
std::vector<guint8> ValueBinary::to_bytes() const {
    gsize size = 0;
    const auto* data = itsvalue_ ? static_cast<const guint8*>(g_bytes_get_data(itsvalue_.get(), &size)) : nullptr;
    return data ? std::vector<guint8>(data, data + size) : std::vector<guint8>();
}

std::string ValueBinary::to_hexadecimal() const {
    if (!itsvalue_) {
        precondition_failed(G_STRFUNC, "self != NULL");
        return {};
    }
    static constexpr char digits[] = "0123456789ABCDEF";
    gsize size = 0;
    const auto* data = static_cast<const guint8*>(g_bytes_get_data(itsvalue_.get(), &size));
    std::string hex(size * 2, '0');
    for (gsize i = 0; i < size; ++i) {
        hex[2 * i] = digits[data[i] >> 4];
        hex[2 * i + 1] = digits[data[i] & 0x0F];
    }
    return hex;
}

void ValueBinary::write(GOutputStream* stream) const {
    gsize size = 0;
    const void* data = itsvalue_ ? g_bytes_get_data(itsvalue_.get(), &size) : nullptr;
    GError* error = nullptr;
    g_output_stream_write(stream, data, size, nullptr, &error);
    gobj::check(error);
}

void ValueBinary::load(const char* filename, GAsyncReadyCallback callback, gpointer user_data) {
    value_file::load_bytes(
        gobj(), filename, [this](GBytes* bytes) { gobj::prop::Bytes::put(itsvalue_, bytes); }, callback, user_data);
}
void ValueBinary::load_finish(GAsyncResult* result) { value_file::finish(gobj(), result); }
void ValueBinary::save(const char* filename, GAsyncReadyCallback callback, gpointer user_data) {
    value_file::save_bytes(gobj(), filename, itsvalue_.get(), callback, user_data);
}
void ValueBinary::save_finish(GAsyncResult* result) { value_file::finish(gobj(), result); }

void ValueBinary::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_BYTES);
    g_value_set_boxed(result, itsvalue_.get());
}

std::string ValueBinary::to_string() const {
    if (!itsvalue_) {
        precondition_failed(G_STRFUNC, "self != NULL");
        return {};
    }
    gsize size = 0;
    const auto* data = static_cast<const char*>(g_bytes_get_data(itsvalue_.get(), &size));
    if (size == 0) return {};
    const void* zero = std::memchr(data, 0, size);
    gsize shown = zero ? static_cast<gsize>(static_cast<const char*>(zero) - data) : size;
    if (g_utf8_validate(data, static_cast<gssize>(shown), nullptr)) return std::string(data, shown);
    return to_hexadecimal();
}

gobj::Ref<ValueObject> ValueBinary::clone() const {
    auto copy = to_bytes();
    return create(copy.data(), static_cast<gint32>(copy.size()));
}
const char* ValueBinary::get_name() const { return "binary"; }
DataType ValueBinary::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY; }

// ---------------------------------------------------------------- ValueBlob

void ValueBlob::describe(gobj::ClassSpec<ValueBlob>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueBlob> ValueBlob::create(const void* data, gint32 length, GType type) {
    return make<ValueBlob>(copy_bytes(data, length), type);
}
gobj::Ref<ValueBlob> ValueBlob::create_bytes(GBytes* bytes, GType type) {
    return make<ValueBlob>(bytes ? g_bytes_ref(bytes) : nullptr, type);
}
gobj::Ref<ValueObject> ValueBlob::clone() const {
    auto copy = to_bytes();
    return create(copy.data(), static_cast<gint32>(copy.size()));
}
const char* ValueBlob::get_name() const { return "blob"; }
DataType ValueBlob::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB; }

}  // namespace tarvelin::providers::contracts
