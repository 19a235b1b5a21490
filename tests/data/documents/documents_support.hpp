// What the structure-document suites share: a two-schema database built in the metadata
// model, the document texts, produce through the C face, and readers of the index
// numbers and anchors of a written report.
#pragma once

#include "data_fixture.hpp"
#include "rezezadovu/model/meta_database.hpp"

namespace data_test {

// Schemas "sales" (tables orders and items, view order_view) and "it's" (table log), with
// comments, defaults and names that need escaping.
Ref<rezezadovu::meta_model::MetaDatabase> two_schema_database();

struct Texts {
    std::string title = "Shop <model>", data_version = "1.0", description = "A & B", footer_text = "made here",
                footer_url = "https://example.org/?a=1&b=\"2\"";
    TarvelinRezezadovuContractsDataConfiguration cfg() {
        return {title.data(), data_version.data(), description.data(), footer_text.data(), footer_url.data()};
    }
};

Rendered produce(gpointer document, rezezadovu::meta_model::MetaDatabase& database, const std::string& filename,
                 TarvelinRezezadovuContractsDataConfiguration cfg);
// The numbers of the index rows, in order.
std::vector<int> index_numbers(const std::string& report);
// Every occurrence of `from` in `text` replaced by `to`.
std::string replace(std::string text, const std::string& from, const std::string& to);
// True when the index links and the section anchors name the same keys, in the same order.
bool anchors_match(const std::string& report);

}  // namespace data_test
