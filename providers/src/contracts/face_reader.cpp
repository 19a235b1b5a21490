#include "providers/contracts/face_reader.hpp"

#include "providers/contracts/model_table.hpp"

TARVELIN_LOG_TAG("face_reader")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(IDataReader, "TarvelinProvidersContractsIDataReader", G_TYPE_OBJECT)

using V = IDataReader::Vtable;

void IDataReader::describe(gobj::InterfaceSpec<IDataReader>& spec) {
    spec.property<&IDataReader::get_field_count>(
        gobj::pspec::int32("field-count", G_MININT32, G_MAXINT32, 0, gobj::kRead));
    spec.property<&IDataReader::get_is_closed>(gobj::pspec::boolean("is-closed", gobj::kRead));
}

gpointer IDataReader::reader_instance() {
    // Looked up once: the default get_value asks for it at every cell.
    if (!instance_) instance_ = dynamic_cast<gobj::Object&>(*this).gobj();
    return instance_;
}

// ---------------------------------------------------------------- default bodies

gobj::DateTime IDataReader::default_timestamp(gpointer, guint16) { return gobj::DateTime(g_date_time_new_now_local()); }
std::optional<std::string> IDataReader::default_text(gpointer, guint16) { return std::string(); }
gobj::Ref<ValueObject> IDataReader::default_variant(gpointer, guint16) { return ValueNull::create(); }
std::vector<guint8> IDataReader::default_object(gpointer, guint16) { return {}; }

std::vector<gobj::Ref<ValueObject>> IDataReader::default_values(gpointer reader) {
    std::vector<gobj::Ref<ValueObject>> values;
    // A full-width counter: every ordinal a reader can address is served.
    gint count = gobj::call<&V::get_field_count>(reader);
    for (gint i = 0; i < count && i <= G_MAXUINT16; ++i)
        values.push_back(gobj::call<&V::get_value>(reader, static_cast<guint16>(i)));
    return values;
}

gobj::DateTime IDataReader::get_timestamp(guint16 ordinal) { return default_timestamp(reader_instance(), ordinal); }
std::optional<std::string> IDataReader::get_enum(guint16 ordinal) { return default_text(reader_instance(), ordinal); }
std::optional<std::string> IDataReader::get_flag(guint16 ordinal) { return default_text(reader_instance(), ordinal); }
std::optional<std::string> IDataReader::get_set(guint16 ordinal) { return default_text(reader_instance(), ordinal); }
std::optional<std::string> IDataReader::get_xml(guint16 ordinal) { return default_text(reader_instance(), ordinal); }
std::optional<std::string> IDataReader::get_json(guint16 ordinal) { return default_text(reader_instance(), ordinal); }
std::optional<std::string> IDataReader::get_geometry(guint16 ordinal) {
    return default_text(reader_instance(), ordinal);
}
std::optional<std::string> IDataReader::get_geography(guint16 ordinal) {
    return default_text(reader_instance(), ordinal);
}
gobj::Ref<ValueObject> IDataReader::get_variant(guint16 ordinal) { return default_variant(reader_instance(), ordinal); }
std::vector<guint8> IDataReader::get_object(guint16 ordinal) { return default_object(reader_instance(), ordinal); }
gobj::Ref<ValueObject> IDataReader::get_value(guint16 ordinal) { return default_value(reader_instance(), ordinal); }
std::vector<gobj::Ref<ValueObject>> IDataReader::get_values() { return default_values(reader_instance()); }

void IDataReader::defaults(Vtable* vt) {
    vt->get_timestamp = gobj::slot<&default_timestamp>(vt->get_timestamp);
    vt->get_enum = gobj::slot<&default_text>(vt->get_enum);
    vt->get_flag = gobj::slot<&default_text>(vt->get_flag);
    vt->get_set = gobj::slot<&default_text>(vt->get_set);
    vt->get_xml = gobj::slot<&default_text>(vt->get_xml);
    vt->get_json = gobj::slot<&default_text>(vt->get_json);
    vt->get_geometry = gobj::slot<&default_text>(vt->get_geometry);
    vt->get_geography = gobj::slot<&default_text>(vt->get_geography);
    vt->get_variant = gobj::slot<&default_variant>(vt->get_variant);
    vt->get_object = gobj::slot<&default_object, gobj::never_null>(vt->get_object);
    vt->get_value = gobj::slot<&default_value>(vt->get_value);
    vt->get_values = gobj::slot<&default_values>(vt->get_values);
}

// ---------------------------------------------------------------- tables

gobj::Ref<TableModel> fill_table(const gobj::Ref<IDataReader>& reader, bool on_first_row) {
    auto model = TableModel::create();
    const gint count = gobj::call<&V::get_field_count>(reader);
    const auto& columns = model->get_columns();
    for (gint i = 0; i < count; ++i) {
        auto ordinal = static_cast<guint16>(i);
        // In this order: the contract lists it so.
        std::string name = gobj::call<&V::get_name>(reader, ordinal);
        DataType type = gobj::call<&V::get_data_type>(reader, ordinal);
        guint64 size = gobj::call<&V::get_size>(reader, ordinal);
        columns.append(ColumnModel::create_full_size(std::move(name), type, size));
    }
    const auto& rows = model->get_rows();
    auto append_row = [&] {
        auto row = RowModel::create();
        const auto& values = row->get_values();
        for (gint i = 0; i < count; ++i) values.append(gobj::call<&V::get_value>(reader, static_cast<guint16>(i)));
        rows.append(row);
    };
    if (on_first_row) {
        do append_row();
        while (gobj::call<&V::read>(reader));
    } else {
        while (gobj::call<&V::read>(reader)) append_row();
    }
    gobj::call<&V::close>(reader);
    return model;
}

}  // namespace tarvelin::providers::contracts
