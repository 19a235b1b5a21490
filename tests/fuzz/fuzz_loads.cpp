// The three loads under arbitrary input: the first byte picks the format (delimited text,
// JSON, XML) and, for delimited text, the header and quoting options; the rest is the
// text. A table that loads is exported by the same extractor and loaded again: what comes
// back must be the same table (every loaded cell is a text, which the formats carry).
#include <glib-object.h>
#include <tarvelin/rezezadovu/data.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_common.hpp"

namespace {

using Cells = std::vector<std::vector<std::string>>;

Cells cells_of(TarvelinProvidersContractsTableModel* table) {
    Cells out;
    GeeArrayList* columns = tarvelin_providers_contracts_table_model_get_columns(table);
    std::vector<std::string> names;
    for (gint i = 0; i < gee_abstract_collection_get_size(GEE_ABSTRACT_COLLECTION(columns)); ++i) {
        auto* column = static_cast<TarvelinProvidersContractsColumnModel*>(gee_abstract_list_get(GEE_ABSTRACT_LIST(columns), i));
        const char* name = tarvelin_providers_contracts_column_model_get_name(column);
        names.emplace_back(name ? name : "");
        g_object_unref(column);
    }
    out.push_back(names);
    guint rows = g_list_model_get_n_items(G_LIST_MODEL(table));
    for (guint r = 0; r < rows; ++r) {
        std::vector<std::string> line;
        for (gint c = 0; c < gint(names.size()); ++c) {
            auto* value = tarvelin_providers_contracts_table_model_get_value_at(table, c, gint(r));
            gchar* text = value ? tarvelin_providers_contracts_value_object_to_string(value) : nullptr;
            line.emplace_back(text ? text : "");
            g_free(text);
            if (value) g_object_unref(value);
        }
        out.push_back(line);
    }
    return out;
}

TarvelinProvidersContractsTableModel* load(GObject* extractor, const std::string& text) {
    GError* error = nullptr;
    auto* table = tarvelin_rezezadovu_contracts_data_iimporter_load_from_text(
        TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(extractor), text.c_str(), nullptr, nullptr, &error);
    if (error) {
        if (table) __builtin_trap();  // a table comes without an error, never with one
        g_error_free(error);
    }
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::quiet();
    if (size < 1) return 0;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (text.find('\0') != std::string::npos) return 0;  // a C text ends at its first zero
    GObject* extractor = nullptr;
    GeeHashMap* options = nullptr;
    switch (data[0] % 3) {
        case 0:
            extractor = G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv"));
            options = tarvelin_rezezadovu_contracts_data_iexporter_get_options(
                TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(extractor));
            if (data[0] & 8) gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "HAS_HEADER", "false");
            if (data[0] & 16) gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "DELIMITER_COLUMN", ";;");
            if (data[0] & 32) gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "QUOTATION_LIST", "[-]-[[-]]");
            if (data[0] & 64) gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "DELIMITER_ROWNEW", "\r\n");
            break;
        case 1:
            extractor = G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json"));
            break;
        default:
            extractor = G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml"));
            break;
    }
    if (auto* table = load(extractor, text)) {
        gchar* written = g_strdup("");
        GError* error = nullptr;
        gint rows = tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(
            TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(extractor), table, &written, nullptr, nullptr, &error);
        if (rows >= 0) {
            auto* again = load(extractor, written);
            // A table without rows and without a header line has nothing to come back from.
            if (again && cells_of(again) != cells_of(table)) __builtin_trap();
            if (again) g_object_unref(again);
        } else {
            g_clear_error(&error);  // XML refuses names and texts it cannot carry
        }
        g_free(written);
        g_object_unref(table);
    }
    g_object_unref(extractor);
    return 0;
}
