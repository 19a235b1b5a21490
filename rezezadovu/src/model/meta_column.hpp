// One column of a table or view: the union of what the dialects read and write. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_COLUMN_PROPERTIES(P) \
    P(Ordinal, ordinal, "ordinal", 0) \
    P(Text, alias, "alias", "") \
    P(Text, after, "after", "") \
    P(Text, raw_type, "raw-type", "") \
    P(DataType, data_type, "data-type", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN) \
    P(Int64, length, "length", 0) \
    P(UInt8, scale, "scale", 0) \
    P(UInt8, dimension, "dimension", 0) \
    P(Bool, is_unsigned, "is-unsigned", false) \
    P(Bool, auto_increment, "auto-increment", false) \
    P(UInt64, auto_increment_seed, "auto-increment-seed", 0) \
    P(Text, identity, "identity", "") \
    P(Text, default_value, "default-value", "") \
    P(Text, virtual_type, "virtual-type", "") \
    P(Text, expression, "expression", "") \
    P(Bool, not_null, "not-null", false) \
    P(Bool, is_selected, "is-selected", false) \
    P(Bool, is_virtual, "is-virtual", false) \
    P(Bool, is_user_defined, "is-user-defined", false) \
    P(Bool, is_primary_key, "is-primary-key", false) \
    P(UInt8, primary_ordinal, "primary-ordinal", 0) \
    P(UInt64, primary_length, "primary-length", 0) \
    P(Text, conflict, "conflict", "") \
    P(Text, charset, "charset", "") \
    P(Text, collation, "collation", "") \
    P(Text, enum_values, "enum-values", "") \
    P(Bool, is_binary, "is-binary", false) \
    P(Bool, is_fill_zero, "is-fill-zero", false) \
    P(Bool, update_timestamp, "update-timestamp", false) \
    P(Bool, is_generated_always, "is-generated-always", false)
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
    TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_META_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_META_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model
