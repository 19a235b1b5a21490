// Spatial cells: the text the server delivered, unparsed; a geography can read the
// first two numbers of it as latitude and longitude.
// Callers serialise: a value's text changes without a lock.
#pragma once

#include <tarvelin/providers/value_geometry.h>

#include <optional>
#include <string>

#include "providers/contracts/value_object.hpp"

namespace tarvelin::providers::contracts {

class TARVELIN_EXPORT ValueGeometry : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueGeometry>& c);
    static gobj::Ref<ValueGeometry> create(std::string value, GType type = gtype());

    const char* get_itsvalue() const noexcept { return text_ ? text_->c_str() : nullptr; }
    // Stores a copy and announces "itsvalue" on every call.
    void set_itsvalue(std::optional<std::string> text);

    // The text; the empty text when the value holds none.
    std::string to_string() const override;
    void to_value(GValue* result) const override;
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

class TARVELIN_EXPORT ValueGeography : public ValueGeometry {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueGeography>& c);
    static gobj::Ref<ValueGeography> create(std::string value, GType type = gtype());

    // The first and the second number of the first "<number>, <number>" in the text
    // (digits and points only: no sign, no exponent); 0 without one.
    double latitude() const;
    double longitude() const;

    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;

private:
    double coordinate(const char* group) const;
};

}  // namespace tarvelin::providers::contracts
