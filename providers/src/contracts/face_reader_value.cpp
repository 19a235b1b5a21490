// The default get_value: the column's DataType picks the getter and the value class.
#include "contracts/face_reader.hpp"

namespace tarvelin::providers::contracts {

gobj::Ref<ValueObject> IDataReader::value_of(gpointer reader, guint16 ordinal) {
    using namespace idata_reader::detail;
    if (idata_reader::is_null(reader, ordinal)) return ValueNull::create();
    DataType type = idata_reader::get_data_type(reader, ordinal);
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT:
            return gobj::Ref<ValueObject>::adopt(call(&tarvelin_providers_contracts_idata_reader_get_variant, reader, ordinal));
        default:
            // The typed value classes arrive with the value model; until then a cell reads as its text.
            throw gobj::Error("default", -1, "value classes are not built yet");
    }
}

}  // namespace tarvelin::providers::contracts
