#include "documents_support.hpp"

#include <regex>

#include "rezezadovu/model/meta_view.hpp"

namespace data_test {

using namespace rezezadovu::meta_model;

namespace {

void column(GeeArrayList* columns, guint16 ordinal, const char* name, const char* raw_type, gint64 length,
            guint8 scale, bool not_null, bool key, const char* fallback, const char* comment) {
    auto c = MetaColumn::create();
    c->set_name(name);
    c->set_ordinal(ordinal);
    c->set_raw_type(raw_type);
    c->set_length(length);
    c->set_scale(scale);
    c->set_not_null(not_null);
    c->set_is_primary_key(key);
    c->set_default_value(fallback);
    c->set_comment(comment);
    gobj::GeeArray<MetaColumn>::wrap(columns).append(c);
}

Ref<MetaTable> table(MetaSchema& schema, const char* name, const char* comment) {
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "shop", schema.get_name(), name);
    t->set_comment(comment);
    gobj::GeeArray<MetaTable>::wrap(schema.get_tables()).append(t);
    return t;
}

std::string decoded(std::string text) {
    for (auto [from, to] : {std::pair{"&#39;", "'"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
        for (size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, strlen(from), to);
    }
    return text;
}

std::vector<std::string> all(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> out;
    for (std::sregex_iterator i(text.begin(), text.end(), pattern), end; i != end; ++i) out.push_back(decoded((*i)[1]));
    return out;
}

}  // namespace

Ref<MetaDatabase> two_schema_database() {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    auto sales = database->append("sales");
    auto orders = table(*sales, "orders", "one row per <order>");
    column(orders->get_columns(), 1, "id", "integer", 32, 0, true, true, "nextval('orders_id_seq')", "key & id");
    column(orders->get_columns(), 2, "note", "character varying(80)", 80, 0, false, false, "'n/a'",
           "has | pipe\nand a line");
    auto items = table(*sales, "items", "");
    column(items->get_columns(), 1, "price", "numeric(10,2)", 10, 2, true, false, "", "");
    auto view = MetaView::create_with_names(MetaView::gtype(), "shop", "sales", "order_view");
    view->set_comment("orders, \"viewed\"");
    column(view->get_columns(), 1, "id", "integer", 32, 0, false, false, "", "");
    gobj::GeeArray<MetaView>::wrap(sales->get_views()).append(view);
    auto other = database->append("it's");
    auto log = table(*other, "log", "<script>alert(1)</script>");
    column(log->get_columns(), 1, "at", "timestamp", 8, 6, true, false, "now()", "");
    return database;
}

Rendered produce(gpointer document, MetaDatabase& database, const std::string& filename,
                 TarvelinRezezadovuContractsDataConfiguration cfg) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_data_idocument_produce(
        reinterpret_cast<TarvelinRezezadovuContractsDataIDocument*>(document),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(database.gobj()), filename.c_str(), &cfg, nullptr,
        nullptr, &error);
    Rendered r;
    r.error = test::describe(error);
    if (exists(filename)) r.text = read_text(filename);
    return r;
}

std::vector<int> index_numbers(const std::string& report) {
    std::regex row(report.starts_with("<!DOCTYPE") ? "<td style='text-align:center;'>(\\d+)</td><td><a href"
                                                   : "\n\\| (\\d+) \\| \\[");
    std::vector<int> numbers;
    for (const auto& n : all(report, row)) numbers.push_back(std::stoi(n));
    return numbers;
}

std::string replace(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    return text;
}

bool anchors_match(const std::string& report) {
    bool html = report.starts_with("<!DOCTYPE");
    auto links = all(report, std::regex(html ? "<a href='#([^']*)'>" : "\\]\\(#([^)]*)\\)"));
    auto anchors = all(report, std::regex(html ? "<a id='([^']*)'>" : "<a id='([^']*)'>"));
    return !links.empty() && links == anchors;
}

}  // namespace data_test
