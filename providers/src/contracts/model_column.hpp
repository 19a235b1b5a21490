// One result column: name, display title, data type and declared size.
#pragma once

#include <tarvelin/providers/model_table.h>

#include <optional>
#include <string>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/ref.hpp"

namespace tarvelin::gobj::prop {
using DataTypeKind = Enum<TarvelinProvidersContractsDataType, &providers::contracts::data_type_gtype>;
using DataVersionKind = Flags<TarvelinProvidersContractsDataVersion, &providers::contracts::data_version_gtype>;
}  // namespace tarvelin::gobj::prop

// Construct properties: g_object_new stores each declared default, so the starting
// values are the declared defaults. "data-size" is an unsigned long to the property
// system, as the size was always declared.
// clang-format off
#define TARVELIN_COLUMN_MODEL_PROPERTIES(P) \
    P(OptionalText, name, "name", nullptr, RWConstruct, nullptr, OnChange) \
    P(OptionalText, title, "title", nullptr, RWConstruct, nullptr, OnChange) \
    P(DataTypeKind, data_type, "data-type", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, RWConstruct, \
      TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, OnChange) \
    P(ULong, data_size, "data-size", 0, RWConstruct, 0, OnChange)
// clang-format on

namespace tarvelin::providers::contracts {

// Callers serialise.
class TARVELIN_EXPORT ColumnModel : public gobj::Object {
public:
    using Self = ColumnModel;
    static GType gtype();
    static void describe(gobj::ClassSpec<ColumnModel>& c);

    // new: name "", UNKNOWN, size 0.
    static gobj::Ref<ColumnModel> create(GType type = gtype());
    static gobj::Ref<ColumnModel> create_with_type(DataType data_type);
    static gobj::Ref<ColumnModel> create_full(std::string column_name, DataType data_type);
    // What the drivers use: name, type and the size the native library reports.
    static gobj::Ref<ColumnModel> create_full_size(std::string column_name, DataType data_type, guint64 data_size);
    // The same for any type derived from ColumnModel (the C constructors).
    static gobj::Ref<ColumnModel> construct_with_type(GType type, DataType data_type);
    static gobj::Ref<ColumnModel> construct_full(GType type, std::string column_name, DataType data_type);
    static gobj::Ref<ColumnModel> construct_full_size(GType type, std::string column_name, DataType data_type,
                                                      guint64 data_size);

    TARVELIN_COLUMN_MODEL_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_COLUMN_MODEL_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsColumnModel, tarvelin::providers::contracts::ColumnModel)
