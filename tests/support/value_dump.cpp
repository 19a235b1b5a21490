#include "support/value_dump.hpp"

#include <tarvelin/providers/providers.h>

namespace tarvelin::test {

namespace {
// Boxed contents shown by what they hold, not by address.
std::string contents(const GValue* v) {
    if (G_VALUE_HOLDS(v, G_TYPE_DATE_TIME)) {
        auto* dt = static_cast<GDateTime*>(g_value_get_boxed(v));
        if (!dt) return "NULL";
        gchar* text = g_date_time_format(dt, "%Y-%m-%d %H:%M:%S.%f %z %Z");
        std::string s = text ? text : "(unformattable)";
        g_free(text);
        return s;
    }
    if (G_VALUE_HOLDS(v, G_TYPE_DATE)) {
        auto* d = static_cast<GDate*>(g_value_get_boxed(v));
        if (!d) return "NULL";
        if (!g_date_valid(d)) return "(invalid date)";
        return std::to_string(g_date_get_year(d)) + "-" + std::to_string(g_date_get_month(d)) + "-" +
               std::to_string(g_date_get_day(d));
    }
    if (G_VALUE_HOLDS(v, G_TYPE_BYTES)) {
        auto* b = static_cast<GBytes*>(g_value_get_boxed(v));
        if (!b) return "NULL";
        gsize size = 0;
        const auto* data = static_cast<const guint8*>(g_bytes_get_data(b, &size));
        std::string s = "bytes:";
        for (gsize i = 0; i < size; ++i) s += " " + std::to_string(data[i]);
        return s;
    }
    if (G_VALUE_HOLDS_POINTER(v)) return g_value_get_pointer(v) ? "(pointer)" : "NULL";
    gchar* text = g_strdup_value_contents(v);
    std::string s = text;
    g_free(text);
    return s;
}
}  // namespace

std::string value_dump(gpointer value) {
    if (!value) return "(no value)";
    auto* v = TARVELIN_PROVIDERS_CONTRACTS_IVALUE(value);
    gchar* dump = tarvelin_providers_contracts_ivalue_dump(v);
    std::string line = std::string(G_OBJECT_TYPE_NAME(value)) + " | " + (dump ? dump : "(null)");
    g_free(dump);
    GValue out = G_VALUE_INIT;
    tarvelin_providers_contracts_ivalue_to_value(v, &out);
    line += std::string(" | to_value ") + (G_IS_VALUE(&out) ? G_VALUE_TYPE_NAME(&out) + (" " + contents(&out)) : "-");
    if (G_IS_VALUE(&out)) g_value_unset(&out);
    // Every property, "itsvalue" with its zone included.
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(value), &n);
    for (guint i = 0; i < n; ++i) {
        if (!(specs[i]->flags & G_PARAM_READABLE)) continue;
        GValue p = G_VALUE_INIT;
        g_value_init(&p, specs[i]->value_type);
        g_object_get_property(G_OBJECT(value), specs[i]->name, &p);
        line += std::string(" | ") + specs[i]->name + "=" + contents(&p);
        g_value_unset(&p);
    }
    g_free(specs);
    return line;
}

std::vector<std::string> table_dump(GListModel* rows) {
    std::vector<std::string> lines;
    for (guint i = 0, n = g_list_model_get_n_items(rows); i < n; ++i) {
        auto* row = G_LIST_MODEL(g_list_model_get_item(rows, i));
        for (guint j = 0, m = g_list_model_get_n_items(row); j < m; ++j) {
            gpointer v = g_list_model_get_item(row, j);
            lines.push_back(std::to_string(i) + "." + std::to_string(j) + " " + value_dump(v));
            if (v) g_object_unref(v);
        }
        g_object_unref(row);
    }
    return lines;
}

}  // namespace tarvelin::test
