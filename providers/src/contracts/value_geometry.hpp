// Spatial cells: the text the server delivered, unparsed; a geography can read the
// first two numbers of it as latitude and longitude.
// Callers serialise: a value's text changes without a lock.
#pragma once

#include <tarvelin/providers/value_geometry.h>

#include <optional>
#include <string>

#include "providers/contracts/value_object.hpp"
#include "providers/gobj/property_row.hpp"

// The delivered text, or none; every set announces it.
#define TARVELIN_VALUE_GEOMETRY_PROPERTIES(P) P(Text, itsvalue, "itsvalue", nullptr, RW, "", Always)

namespace tarvelin::providers::contracts {

class TARVELIN_EXPORT ValueGeometry : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueGeometry>& c);
    static gobj::Ref<ValueGeometry> create(std::string value, GType type = gtype());

    TARVELIN_VALUE_GEOMETRY_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // The text; the empty text when the value holds none.
    std::string to_string() const override;
    void to_value(GValue* result) const override;
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

    TARVELIN_VALUE_GEOMETRY_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
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

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueGeometry, tarvelin::providers::contracts::ValueGeometry)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueGeography, tarvelin::providers::contracts::ValueGeography)
