// One result column: name, display title, data type and declared size.
#pragma once

#include <tarvelin/providers/model_table.h>

#include <optional>
#include <string>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/bridge.hpp"

namespace tarvelin::providers::contracts {

// Callers serialise.
class TARVELIN_EXPORT ColumnModel : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ColumnModel>& c);

    // new: name "", UNKNOWN, size 0.
    static gobj::Ref<ColumnModel> create(GType type = gtype());
    static gobj::Ref<ColumnModel> create_with_type(DataType data_type, GType type = gtype());
    static gobj::Ref<ColumnModel> create_full(std::string column_name, DataType data_type, GType type = gtype());
    // What the drivers use: name, type and the size the native library reports.
    static gobj::Ref<ColumnModel> create_full_size(std::string column_name, DataType data_type, guint64 data_size,
                                                   GType type = gtype());

    const std::optional<std::string>& get_name() const { return name_; }
    void set_name(std::optional<std::string> value);
    const std::optional<std::string>& get_title() const { return title_; }
    void set_title(std::optional<std::string> value);
    DataType get_data_type() const { return data_type_; }
    void set_data_type(DataType value);
    guint64 get_data_size() const { return data_size_; }
    void set_data_size(guint64 value);

private:
    // Starting values equal the declared defaults: the properties are construct properties.
    std::optional<std::string> name_;
    std::optional<std::string> title_;
    DataType data_type_ = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    guint64 data_size_ = 0;
};

}  // namespace tarvelin::providers::contracts
