// Text cells: UTF-8 text (with its XML, JSON and UUID flavours) and wide text.
// Callers serialise: a value's text changes without a lock.
#pragma once

#include <tarvelin/providers/value_string.h>

#include <optional>
#include <string>

#include "providers/contracts/value_object.hpp"

namespace tarvelin::providers::contracts {

// A UTF-8 text, or none after "itsvalue" was set to none. Nothing validates it.
class TARVELIN_EXPORT ValueString : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueString>& c);
    static gobj::Ref<ValueString> create(std::string text, GType type = gtype());

    // Borrowed; nullptr when the value holds none.
    const char* get_itsvalue() const noexcept { return text_ ? text_->c_str() : nullptr; }
    const std::optional<std::string>& text() const noexcept { return text_; }
    // Stores a copy and announces "itsvalue" on every call.
    void set_itsvalue(std::optional<std::string> text);

    // Replaces the text with a file's content, one "line\n" per line; a missing file
    // changes nothing. Runs on the caller's main context; no notification.
    void load(const char* filename, GAsyncReadyCallback callback, gpointer user_data);
    // Throws the file error of the operation.
    void load_finish(GAsyncResult* result);
    // Writes the text to a file (created or replaced).
    void save(const char* filename, GAsyncReadyCallback callback, gpointer user_data);
    void save_finish(GAsyncResult* result);

    void to_value(GValue* result) const override;
    // The text; the empty text when the value holds none.
    std::string to_string() const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;

    static inline GParamSpec* itsvalue_pspec = nullptr;

protected:
    template <class T>
    static gobj::Ref<T> make(std::string text, GType type) {
        auto v = gobj::create<T>(type);
        if (v) v->text_ = std::move(text);
        return v;
    }
    std::optional<std::string> text_ = std::string();
};

class TARVELIN_EXPORT ValueXml : public ValueString {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueXml>& c);
    static gobj::Ref<ValueXml> create(std::string text, GType type = gtype());

    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
};

class TARVELIN_EXPORT ValueJson : public ValueString {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueJson>& c);
    static gobj::Ref<ValueJson> create(std::string text, GType type = gtype());

    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
};

class TARVELIN_EXPORT ValueUuid : public ValueString {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueUuid>& c);
    // A new random version 4 UUID.
    static gobj::Ref<ValueUuid> create(GType type = gtype());
    // The given text, unchecked.
    static gobj::Ref<ValueUuid> create_uuid(std::string uuid, GType type = gtype());

    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
};

// A wide text: an owned, zero-terminated buffer of UTF-16 code units (machine order).
class TARVELIN_EXPORT ValueUtf16 : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueUtf16>& c);
    // Takes over `buffer` (g_malloc'd, zero-terminated).
    static gobj::Ref<ValueUtf16> create(gunichar2* buffer, GType type = gtype());
    // The UTF-8 text converted; invalid UTF-8 gives a value without a buffer.
    static gobj::Ref<ValueUtf16> create_string(const std::string& text, GType type = gtype());

    ~ValueUtf16() override;

    gunichar2* get_itsvalue() const noexcept { return buffer_; }
    // Takes over `buffer` and announces "itsvalue" on every call.
    void set_itsvalue(gunichar2* buffer);
    // The buffer as UTF-8; none when there is no buffer or it is not valid UTF-16.
    std::optional<std::string> to_utf8() const;

    void to_value(GValue* result) const override;
    std::string to_string() const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;

    static inline GParamSpec* itsvalue_pspec = nullptr;

private:
    gunichar2* buffer_ = nullptr;
};

}  // namespace tarvelin::providers::contracts
