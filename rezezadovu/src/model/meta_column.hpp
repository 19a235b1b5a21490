// One column of a table or view: the union of what the dialects read and write. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_COLUMN_PROPERTIES(P) \
    P(UInt16, ordinal, "ordinal", 0, RW, 0, OnChange) \
    P(Text, alias, "alias", nullptr, RW, "", OnChange) \
    P(Text, after, "after", nullptr, RW, "", OnChange) \
    P(Text, raw_type, "raw-type", nullptr, RW, "", OnChange) \
    P(DataType, data_type, "data-type", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, RW, \
      TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, OnChange) \
    P(Int64, length, "length", 0, RW, 0, OnChange) \
    P(UInt8, scale, "scale", 0, RW, 0, OnChange) \
    P(UInt8, dimension, "dimension", 0, RW, 0, OnChange) \
    P(Bool, is_unsigned, "is-unsigned", false, RW, false, OnChange) \
    P(Bool, auto_increment, "auto-increment", false, RW, false, OnChange) \
    P(UInt64, auto_increment_seed, "auto-increment-seed", 0, RW, 0, OnChange) \
    P(Text, identity, "identity", nullptr, RW, "", OnChange) \
    P(Text, default_value, "default-value", nullptr, RW, "", OnChange) \
    P(Text, virtual_type, "virtual-type", nullptr, RW, "", OnChange) \
    P(Text, expression, "expression", nullptr, RW, "", OnChange) \
    P(Bool, not_null, "not-null", false, RW, false, OnChange) \
    P(Bool, is_selected, "is-selected", false, RW, false, OnChange) \
    P(Bool, is_virtual, "is-virtual", false, RW, false, OnChange) \
    P(Bool, is_user_defined, "is-user-defined", false, RW, false, OnChange) \
    P(Bool, is_primary_key, "is-primary-key", false, RW, false, OnChange) \
    P(UInt8, primary_ordinal, "primary-ordinal", 0, RW, 0, OnChange) \
    P(UInt64, primary_length, "primary-length", 0, RW, 0, OnChange) \
    P(Text, conflict, "conflict", nullptr, RW, "", OnChange) \
    P(Text, charset, "charset", nullptr, RW, "", OnChange) \
    P(Text, collation, "collation", nullptr, RW, "", OnChange) \
    P(Text, enum_values, "enum-values", nullptr, RW, "", OnChange) \
    P(Bool, is_binary, "is-binary", false, RW, false, OnChange) \
    P(Bool, is_fill_zero, "is-fill-zero", false, RW, false, OnChange) \
    P(Bool, update_timestamp, "update-timestamp", false, RW, false, OnChange) \
    P(Bool, is_generated_always, "is-generated-always", false, RW, false, OnChange)
// clang-format on

class TARVELIN_EXPORT MetaColumn : public MetaObject {
public:
    using Self = MetaColumn;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaColumn>& c);
    static gobj::Ref<MetaColumn> create(GType type = gtype());
    // Sets "name", then "data-type", then "raw-type".
    static gobj::Ref<MetaColumn> create_with_type(GType type, const char* name, DataType data_type,
                                                  const char* native_type);
    TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaColumn, tarvelin::rezezadovu::meta_model::MetaColumn)
