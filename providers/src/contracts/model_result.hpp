// Statement results: the IResult mark and its two small forms.
#pragma once

#include <tarvelin/providers/model_table.h>

#include <optional>
#include <string>

#include "providers/contracts/model_column.hpp"
#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/ref.hpp"

// Construct properties, as the result forms were declared.
// clang-format off
#define TARVELIN_INVALID_RESULT_PROPERTIES(P) \
    P(OptionalText, code, "code", nullptr, RWConstruct, nullptr, OnChange) \
    P(OptionalText, message, "message", nullptr, RWConstruct, nullptr, OnChange)
#define TARVELIN_SCALAR_RESULT_PROPERTIES(P) \
    P(Int, rows, "rows", 0, RWConstruct, 0, OnChange)
// clang-format on

namespace tarvelin::providers::contracts {

// Marks objects that are statement results; no operations, no properties.
// Thread-safe (no state).
class TARVELIN_EXPORT IResult : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIResultInterface;
    static GType gtype();
};

// An error as two texts; nothing inside the system makes one.
// Callers serialise.
class TARVELIN_EXPORT InvalidResult : public gobj::Object, public IResult {
public:
    using Self = InvalidResult;
    static GType gtype();
    static void describe(gobj::ClassSpec<InvalidResult>& c);
    static gobj::Ref<InvalidResult> create(GType type, std::string error_code, std::string error_message);

    TARVELIN_INVALID_RESULT_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_INVALID_RESULT_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

// A row count; nothing inside the system makes one.
// Callers serialise.
class TARVELIN_EXPORT ScalarResult : public gobj::Object, public IResult {
public:
    using Self = ScalarResult;
    static GType gtype();
    static void describe(gobj::ClassSpec<ScalarResult>& c);
    static gobj::Ref<ScalarResult> create(GType type, gint rows);

    TARVELIN_SCALAR_RESULT_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_SCALAR_RESULT_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIResultInterface, tarvelin::providers::contracts::IResult)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsInvalidResult, tarvelin::providers::contracts::InvalidResult)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsScalarResult, tarvelin::providers::contracts::ScalarResult)
