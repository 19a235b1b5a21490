// Byte cells: binary and blob, over an immutable GBytes.
// Callers serialise: a value's bytes change without a lock.
#pragma once

#include <tarvelin/providers/value_binary.h>

#include <string>
#include <vector>

#include "providers/contracts/value_object.hpp"
#include "providers/gobj/property_row.hpp"

namespace tarvelin::gobj::prop {

// Immutable bytes behind a boxed property, shared by a set.
using Bytes = Handle<GBytes, &g_bytes_unref, &g_bytes_ref, &g_bytes_get_type>;

}  // namespace tarvelin::gobj::prop

// The bytes, or none; a set shares them, and every set announces it.
#define TARVELIN_VALUE_BINARY_PROPERTIES(P) P(Bytes, itsvalue, "itsvalue", nullptr, RW, nullptr, Always)

namespace tarvelin::providers::contracts {

class TARVELIN_EXPORT ValueBinary : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueBinary>& c);
    // A copy of the first `length` bytes of `data`.
    static gobj::Ref<ValueBinary> create(const void* data, gint32 length, GType type = gtype());
    // Shares `bytes` (a new reference; nullptr holds none).
    static gobj::Ref<ValueBinary> create_bytes(GBytes* bytes, GType type = gtype());

    // get_itsvalue: borrowed, nullptr when the value holds none.
    TARVELIN_VALUE_BINARY_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // The bytes, or nothing for an empty or missing buffer.
    std::vector<guint8> to_bytes() const;
    // Two upper-case hexadecimal digits per byte.
    std::string to_hexadecimal() const;
    // Writes the bytes with one request; throws the stream's error.
    void write(GOutputStream* stream) const;

    // Replaces the bytes with a file's content; a missing file changes nothing. Runs on
    // the caller's main context; no notification.
    void load(const char* filename, GAsyncReadyCallback callback, gpointer user_data);
    void load_finish(GAsyncResult* result);
    void save(const char* filename, GAsyncReadyCallback callback, gpointer user_data);
    void save_finish(GAsyncResult* result);

    void to_value(GValue* result) const override;
    // The bytes up to the first zero when they are UTF-8, otherwise their hexadecimal form.
    std::string to_string() const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;

protected:
    template <class T>
    static gobj::Ref<T> make(GBytes* adopted, GType type) {
        auto v = gobj::create<T>(type);
        if (v) {
            v->itsvalue_.reset(adopted);
        } else if (adopted) {
            g_bytes_unref(adopted);
        }
        return v;
    }

    TARVELIN_VALUE_BINARY_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

class TARVELIN_EXPORT ValueBlob : public ValueBinary {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueBlob>& c);
    static gobj::Ref<ValueBlob> create(const void* data, gint32 length, GType type = gtype());
    static gobj::Ref<ValueBlob> create_bytes(GBytes* bytes, GType type = gtype());

    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueBinary, tarvelin::providers::contracts::ValueBinary)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueBlob, tarvelin::providers::contracts::ValueBlob)
