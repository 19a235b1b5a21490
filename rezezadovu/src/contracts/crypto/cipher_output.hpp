// The byte results of the cipher contracts and their trip across the C boundary.
#pragma once

#include <algorithm>
#include <span>
#include <vector>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::rezezadovu::contracts::crypto {

// `count` meaningful bytes in a buffer whose declared length is `declared`; `bytes`
// holds at least count + 1 bytes, the one after the meaningful bytes being zero.
struct CipherOutput {
    std::vector<guint8> bytes;
    gint declared = 0;
    gint count = 0;
};

// Hands a result to C: a new buffer of declared + 1 bytes (so the zero after a full
// buffer is still inside it). Out pointers the caller left NULL are skipped.
TARVELIN_EXPORT void hand_out(const CipherOutput& out, guint8** result, gint* result_length1, gint* count);

// An input array from C: NULL or a negative length is read as no bytes.
inline std::span<const guint8> input_of(const guint8* data, gint length) {
    return data && length > 0 ? std::span<const guint8>(data, static_cast<size_t>(length)) : std::span<const guint8>();
}

// The interface slot of an encrypt or decrypt operation for the C++ class T: calls the
// member M behind the exception barrier; an Error goes to `error` and nothing is written.
template <class T, auto M, class CSelf>
void crypt_slot(CSelf* self, const guint8* data, gint data_length1, guint8** result, gint* result_length1, gint* count,
                GError** error) {
    using Owner = typename gobj::detail::member_traits<decltype(M)>::klass;
    try {
        auto* owner = static_cast<Owner*>(gobj::cast<T>(self));
        hand_out((owner->*M)(input_of(data, data_length1)), result, result_length1, count);
    } catch (const gobj::Error& e) {
        e.propagate(error);
    } catch (...) {
        gobj::detail::report_exception(g_type_name(T::gtype()));
    }
}

// Calls an exported encrypt or decrypt dispatcher from C++; throws its error.
template <class CSelf>
CipherOutput call_crypt(void (*dispatcher)(CSelf*, const guint8*, gint, guint8**, gint*, gint*, GError**),
                        gpointer self, std::span<const guint8> data) {
    guint8* buffer = nullptr;
    gint declared = 0, count = 0;
    GError* error = nullptr;
    dispatcher(static_cast<CSelf*>(self), data.data(), static_cast<gint>(data.size()), &buffer, &declared, &count,
               &error);
    CipherOutput out;
    if (!error && buffer) {
        out.declared = declared;
        out.count = std::clamp(count, 0, declared);
        out.bytes.assign(buffer, buffer + out.count);
    }
    out.bytes.push_back(0);
    g_free(buffer);
    gobj::check(error);
    return out;
}

}  // namespace tarvelin::rezezadovu::contracts::crypto
