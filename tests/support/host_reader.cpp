#include "support/host_reader.hpp"

#include <tarvelin/providers/face_reader.h>

namespace tarvelin::test {

namespace {

struct HostReader {
    GObject parent;
    gint row;  // 0 before the first row, 1..3 on a row, 4 after the last
};
struct HostReaderClass {
    GObjectClass parent;
};

using CReader = TarvelinProvidersContractsIDataReader;
constexpr gint kRows = 3;

gint row_of(CReader* self) { return reinterpret_cast<HostReader*>(self)->row; }

gboolean reader_read(CReader* self, GError**) {
    auto* r = reinterpret_cast<HostReader*>(self);
    if (r->row <= kRows) ++r->row;
    return r->row <= kRows;
}
void reader_close(CReader*, GError**) {}
gchar* reader_name(CReader*, guint16 ordinal, GError**) { return g_strdup(ordinal == 0 ? "n" : "label"); }
gchar* reader_dbms_type(CReader*, guint16 ordinal, GError**) { return g_strdup(ordinal == 0 ? "int4" : "text"); }
TarvelinProvidersContractsDataType reader_data_type(CReader*, guint16 ordinal, GError**) {
    return ordinal == 0 ? TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32 : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}
guint64 reader_size(CReader*, guint16 ordinal, GError**) { return ordinal == 0 ? 4 : 16; }
gboolean check_row(CReader* self, GError** error) {
    if (row_of(self) >= 1 && row_of(self) <= kRows) return TRUE;
    g_set_error_literal(error, g_quark_from_static_string("Host"), 1, "no current row");
    return FALSE;
}
gboolean reader_is_null(CReader* self, guint16 ordinal, GError** error) {
    return check_row(self, error) && ordinal == 1 && row_of(self) == 3;
}
gint32 reader_int32(CReader* self, guint16, GError** error) { return check_row(self, error) ? row_of(self) : 0; }
gchar* reader_string(CReader* self, guint16, GError** error) {
    if (!check_row(self, error)) return nullptr;
    return g_strdup(row_of(self) == 1 ? "one" : "two");
}
gint reader_field_count(CReader*) { return 2; }
gboolean reader_is_closed(CReader* self) { return row_of(self) > kRows; }

void iface_init(gpointer g_iface, gpointer) {
    auto* vt = static_cast<TarvelinProvidersContractsIDataReaderInterface*>(g_iface);
    vt->read = reader_read;
    vt->close = reader_close;
    vt->get_name = reader_name;
    vt->get_dbms_type = reader_dbms_type;
    vt->get_data_type = reader_data_type;
    vt->get_size = reader_size;
    vt->is_null = reader_is_null;
    vt->get_int32 = reader_int32;
    vt->get_string = reader_string;
    vt->get_field_count = reader_field_count;
    vt->get_is_closed = reader_is_closed;
}

// A reader provides the interface's two properties.
void get_property(GObject* o, guint id, GValue* value, GParamSpec*) {
    auto* self = reinterpret_cast<CReader*>(o);
    if (id == 1) g_value_set_int(value, reader_field_count(self));
    if (id == 2) g_value_set_boolean(value, reader_is_closed(self));
}
void class_init(gpointer klass, gpointer) {
    auto* oc = G_OBJECT_CLASS(klass);
    oc->get_property = get_property;
    g_object_class_override_property(oc, 1, "field-count");
    g_object_class_override_property(oc, 2, "is-closed");
}

GType host_reader_type() {
    static const GType t = [] {
        GTypeInfo info{};
        info.class_size = sizeof(HostReaderClass);
        info.class_init = class_init;
        info.instance_size = sizeof(HostReader);
        GType type = g_type_register_static(G_TYPE_OBJECT, "TarvelinTestHostRowsReader", &info, GTypeFlags(0));
        GInterfaceInfo iface{iface_init, nullptr, nullptr};
        g_type_add_interface_static(type, TARVELIN_PROVIDERS_CONTRACTS_TYPE_IDATA_READER, &iface);
        return type;
    }();
    return t;
}

}  // namespace

GObject* new_host_reader() { return static_cast<GObject*>(g_object_new(host_reader_type(), nullptr)); }

}  // namespace tarvelin::test
