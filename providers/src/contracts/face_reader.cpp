#include "providers/contracts/face_reader.hpp"

#include <algorithm>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "providers/contracts/cell_store.hpp"
#include "providers/contracts/model_table.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/local_zone.hpp"
#include "providers/gobj/register.hpp"

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

gobj::DateTime IDataReader::default_timestamp(gpointer, guint16) { return gobj::DateTime(gobj::date_time_now_local()); }
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
bool IDataReader::peek_string(guint16, const char*&, std::size_t&) { return false; }
bool IDataReader::peek_date_time(guint16, DataType, gint64&) { return false; }
bool IDataReader::peek_number_text(guint16, const char*&, std::size_t&) { return false; }
gint IDataReader::fraction_digits(guint16) { return -1; }
bool IDataReader::holds_text_of_no_date(guint16) { return false; }

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

namespace {
std::mutex& noted_mutex() {
    static std::mutex m;
    return m;
}
// Interface structures with the get_value slot they had when noted.
std::vector<std::pair<const V*, decltype(V::get_value)>>& noted() {
    static auto* list = new std::vector<std::pair<const V*, decltype(V::get_value)>>();
    return *list;
}
}  // namespace

void IDataReader::note_value_from_getters(const Vtable* vt) {
    std::lock_guard lock(noted_mutex());
    noted().emplace_back(vt, vt->get_value);
}

IDataReader* IDataReader::cells_from_getters(const gobj::Ref<IDataReader>& reader) {
    // The fill reads cells straight from our own readers' C++ objects; a host's reader has none.
    auto* self = reader ? gobj::cast<IDataReader>(reader.instance()) : nullptr;
    if (!self) return nullptr;
    // The instance's own class structure: a type a host derives gets a copy of it, which
    // is not among the noted ones, and a host that replaced the slot is not either.
    const auto* vt = static_cast<const V*>(g_type_interface_peek(G_OBJECT_GET_CLASS(reader.gobj()), gtype()));
    std::lock_guard lock(noted_mutex());
    for (const auto& [noted_vt, get_value] : noted()) {
        if (noted_vt == vt && vt->get_value == get_value) return self;
    }
    return nullptr;
}

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
    std::function<void()> append_row;
    std::unique_ptr<CellStore> cells;
    if (IDataReader* direct = IDataReader::cells_from_getters(reader)) {
        // Each cell is kept as its getter gave it; value objects are made on first access.
        cells = std::make_unique<CellStore>(static_cast<guint>(std::max(count, 0)));
        append_row = [&cells, direct, type = G_OBJECT_TYPE(reader.gobj())] {
            try {
                cells->add_row(*direct);
            } catch (const gobj::Error&) {
                throw;
            } catch (...) {
                // As the getter's slot would have reported it.
                GError* error = nullptr;
                gobj::detail::report_exception(g_type_name(type), &error);
                throw gobj::Error(error);
            }
        };
    } else {
        const auto& rows = model->get_rows();
        append_row = [&rows, &reader, count] {
            auto row = RowModel::create();
            const auto& values = row->get_values();
            for (gint i = 0; i < count; ++i) values.append(gobj::call<&V::get_value>(reader, static_cast<guint16>(i)));
            rows.append(row);
        };
    }
    if (on_first_row) {
        do append_row();
        while (gobj::call<&V::read>(reader));
    } else {
        while (gobj::call<&V::read>(reader)) append_row();
    }
    gobj::call<&V::close>(reader);
    if (cells) model->adopt_cells(std::move(cells));
    return model;
}

}  // namespace tarvelin::providers::contracts
