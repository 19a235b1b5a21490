// Byte cells: binary and blob, over an immutable GBytes.
// Callers serialise: a value's bytes change without a lock.
#pragma once

#include <tarvelin/providers/value_binary.h>

#include <string>
#include <vector>

#include "providers/contracts/value_object.hpp"

namespace tarvelin::providers::contracts {

class TARVELIN_EXPORT ValueBinary : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueBinary>& c);
    // A copy of the first `length` bytes of `data`.
    static gobj::Ref<ValueBinary> create(const void* data, gint32 length, GType type = gtype());
    // Shares `bytes` (a new reference; nullptr holds none).
    static gobj::Ref<ValueBinary> create_bytes(GBytes* bytes, GType type = gtype());

    ~ValueBinary() override;

    // Borrowed; nullptr when the value holds none.
    GBytes* get_itsvalue() const noexcept { return bytes_; }
    // Shares `bytes` and announces "itsvalue" on every call.
    void set_itsvalue(GBytes* bytes);

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

    static inline GParamSpec* itsvalue_pspec = nullptr;

protected:
    template <class T>
    static gobj::Ref<T> make(GBytes* adopted, GType type) {
        auto v = gobj::create<T>(type);
        if (v) {
            v->bytes_ = adopted;
        } else if (adopted) {
            g_bytes_unref(adopted);
        }
        return v;
    }
    // Replaces the buffer without notification (file loads).
    void store(GBytes* bytes);

    GBytes* bytes_ = nullptr;
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
