// Text cells: UTF-8 text (with its XML, JSON and UUID flavours) and wide text.
// Callers serialise: a value's text changes without a lock.
#pragma once

#include <tarvelin/providers/value_string.h>

#include <optional>
#include <string>

#include "providers/contracts/value_object.hpp"
#include "providers/gobj/property_row.hpp"

namespace tarvelin::gobj::prop {

// An owned, zero-terminated UTF-16 buffer behind a pointer property, taken over by a set.
using Utf16Buffer = Handle<gunichar2, &g_free, &take_over<gunichar2>>;

}  // namespace tarvelin::gobj::prop

// A UTF-8 text or none (NULL and "" differ); every set announces it.
#define TARVELIN_VALUE_STRING_PROPERTIES(P) P(Text, itsvalue, "itsvalue", nullptr, RW, "", Always)
// The wide text's buffer; every set announces it.
#define TARVELIN_VALUE_UTF16_PROPERTIES(P) P(Utf16Buffer, itsvalue, "itsvalue", nullptr, RW, nullptr, Always)

namespace tarvelin::providers::contracts {

// A UTF-8 text, or none after "itsvalue" was set to none. Nothing validates it.
class TARVELIN_EXPORT ValueString : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueString>& c);
    static gobj::Ref<ValueString> create(std::string text, GType type = gtype());

    // get_itsvalue: borrowed, nullptr when the value holds none; set_itsvalue stores a copy.
    TARVELIN_VALUE_STRING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    // The text with any zero bytes it holds.
    const std::optional<std::string>& text() const noexcept { return itsvalue_; }

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

protected:
    template <class T>
    static gobj::Ref<T> make(std::string text, GType type) {
        auto v = gobj::create<T>(type);
        if (v) v->itsvalue_ = std::move(text);
        return v;
    }
    TARVELIN_VALUE_STRING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
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

    TARVELIN_VALUE_UTF16_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    // The buffer as UTF-8; none when there is no buffer or it is not valid UTF-16.
    std::optional<std::string> to_utf8() const;

    void to_value(GValue* result) const override;
    std::string to_string() const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;

private:
    TARVELIN_VALUE_UTF16_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueString, tarvelin::providers::contracts::ValueString)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueXml, tarvelin::providers::contracts::ValueXml)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueJson, tarvelin::providers::contracts::ValueJson)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueUuid, tarvelin::providers::contracts::ValueUuid)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueUtf16, tarvelin::providers::contracts::ValueUtf16)
