#include "providers/contracts/face_reader.hpp"

#include "providers/contracts/model_table.hpp"

#include <cstring>

TARVELIN_LOG_TAG("face_reader")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(IDataReader, "TarvelinProvidersContractsIDataReader", G_TYPE_OBJECT)

void IDataReader::describe(gobj::InterfaceSpec<IDataReader>& spec) {
    spec.property<&IDataReader::get_field_count>(
        gobj::pspec::int32("field-count", G_MININT32, G_MAXINT32, 0, gobj::kRead));
    spec.property<&IDataReader::get_is_closed>(gobj::pspec::boolean("is-closed", gobj::kRead));
}

guint8* dup_bytes(const std::vector<guint8>& bytes, gint* length) {
    auto* out = static_cast<guint8*>(g_malloc0(bytes.empty() ? 1 : bytes.size()));
    if (!bytes.empty()) memcpy(out, bytes.data(), bytes.size());
    if (length) *length = static_cast<gint>(bytes.size());
    return out;
}

TarvelinProvidersContractsValueObject** dup_values(std::vector<gobj::Ref<ValueObject>> values, gint* length) {
    auto** out = g_new0(TarvelinProvidersContractsValueObject*, values.size() + 1);
    for (size_t i = 0; i < values.size(); ++i)
        out[i] = static_cast<TarvelinProvidersContractsValueObject*>(values[i].release());
    if (length) *length = static_cast<gint>(values.size());
    return out;
}

gpointer IDataReader::reader_instance() const { return dynamic_cast<const gobj::Object&>(*this).gobj(); }

// ---------------------------------------------------------------- default bodies

DateTimePtr IDataReader::get_timestamp(guint16) { return DateTimePtr(g_date_time_new_now_local()); }
std::optional<std::string> IDataReader::get_enum(guint16) { return std::string(); }
std::optional<std::string> IDataReader::get_flag(guint16) { return std::string(); }
std::optional<std::string> IDataReader::get_set(guint16) { return std::string(); }
std::optional<std::string> IDataReader::get_xml(guint16) { return std::string(); }
std::optional<std::string> IDataReader::get_json(guint16) { return std::string(); }
std::optional<std::string> IDataReader::get_geometry(guint16) { return std::string(); }
std::optional<std::string> IDataReader::get_geography(guint16) { return std::string(); }
gobj::Ref<ValueObject> IDataReader::get_variant(guint16) { return ValueNull::create(); }
std::vector<guint8> IDataReader::get_object(guint16) { return {}; }
gobj::Ref<ValueObject> IDataReader::get_value(guint16 ordinal) { return value_of(reader_instance(), ordinal); }
std::vector<gobj::Ref<ValueObject>> IDataReader::get_values() { return values_of(reader_instance()); }

std::vector<gobj::Ref<ValueObject>> IDataReader::values_of(gpointer reader) {
    std::vector<gobj::Ref<ValueObject>> values;
    // A full-width counter: every ordinal a reader can address is served.
    gint count = idata_reader::get_field_count(reader);
    for (gint i = 0; i < count && i <= G_MAXUINT16; ++i)
        values.push_back(idata_reader::get_value(reader, static_cast<guint16>(i)));
    return values;
}

// The interface's own slots, for readers written in C that leave them as they are.
void IDataReader::defaults(Vtable* vt) {
    using S = CSelf;
    vt->get_timestamp = [](S*, guint16, GError**) { return g_date_time_new_now_local(); };
    vt->get_enum = [](S*, guint16, GError**) { return g_strdup(""); };
    vt->get_flag = [](S*, guint16, GError**) { return g_strdup(""); };
    vt->get_set = [](S*, guint16, GError**) { return g_strdup(""); };
    vt->get_xml = [](S*, guint16, GError**) { return g_strdup(""); };
    vt->get_json = [](S*, guint16, GError**) { return g_strdup(""); };
    vt->get_geometry = [](S*, guint16, GError**) { return g_strdup(""); };
    vt->get_geography = [](S*, guint16, GError**) { return g_strdup(""); };
    vt->get_variant = [](S*, guint16, GError**) {
        return static_cast<TarvelinProvidersContractsValueObject*>(ValueNull::create().release());
    };
    vt->get_object = [](S*, guint16, gint* length, GError**) { return dup_bytes({}, length); };
    vt->get_value = [](S* s, guint16 ordinal, GError** error) {
        return gobj::capi(
            G_STRFUNC, error,
            [&] { return static_cast<TarvelinProvidersContractsValueObject*>(value_of(s, ordinal).release()); },
            (TarvelinProvidersContractsValueObject*)nullptr);
    };
    vt->get_values = [](S* s, gint* length, GError** error) {
        if (length) *length = 0;
        return gobj::capi(
            G_STRFUNC, error, [&] { return dup_values(values_of(s), length); }, (TarvelinProvidersContractsValueObject**)nullptr);
    };
}

gobj::Ref<TableModel> fill_table(IDataReader& reader, bool on_first_row) {
    auto model = TableModel::create();
    const gint count = reader.get_field_count();
    for (gint i = 0; i < count; ++i) {
        auto ordinal = static_cast<guint16>(i);
        model->get_columns().append(
            ColumnModel::create_full_size(reader.get_name(ordinal), reader.get_data_type(ordinal), reader.get_size(ordinal)));
    }
    auto append_row = [&] {
        auto row = RowModel::create();
        for (gint i = 0; i < count; ++i) row->get_values().append(reader.get_value(static_cast<guint16>(i)));
        model->get_rows().append(row);
    };
    if (on_first_row) {
        do append_row();
        while (reader.read());
    } else {
        while (reader.read()) append_row();
    }
    reader.close();
    return model;
}

}  // namespace tarvelin::providers::contracts
