// The catalogue tree at scale: a schema of 1,000 tables x 20 columns, 2 indexes and 3
// constraints each. Times building, clone, writing JSON and reading it back, with the
// peak resident memory above the start of each step, per table.
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "rezezadovu/model/meta_database.hpp"

using namespace tarvelin::rezezadovu::meta_model;
using tarvelin::gobj::Ref;

namespace {

constexpr int kTables = 1000;
constexpr int kColumns = 20;

long status_kb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
    }
    return 0;
}

bool reset_peak() {
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return bool(out);
}

void measure(const char* step, const std::function<void()>& f) {
    malloc_trim(0);
    long before = status_kb("VmRSS:");
    bool peak_ok = reset_peak();
    auto start = std::chrono::steady_clock::now();
    f();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double peak = peak_ok ? double(status_kb("VmHWM:") - before) * 1024.0 : -1;
    std::printf("%-12s %9.1f ms %9.1f us/table %10.0f B/table\n", step, seconds * 1e3, seconds * 1e6 / kTables,
                peak / kTables);
}

void add(GeeArrayList* list, MetaObject& o) { gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(list), o.gobj()); }

Ref<MetaDatabase> build() {
    auto db = MetaDatabase::create_with_name(MetaDatabase::gtype(), "bench");
    auto schema = db->append("public");
    for (int t = 0; t < kTables; ++t) {
        std::string name = "table_" + std::to_string(t);
        auto table = MetaTable::create_with_names(MetaTable::gtype(), "bench", "public", name.c_str());
        for (int c = 0; c < kColumns; ++c) {
            std::string column = "column_" + std::to_string(c);
            auto col = table->new_column(column.c_str(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
            col->set_raw_type("INTEGER");
            col->set_ordinal(guint16(c + 1));
            col->set_not_null(c == 0);
        }
        for (int i = 0; i < 2; ++i) {
            std::string index = name + "_ix" + std::to_string(i);
            auto ix = MetaIndex::create_with_names(MetaIndex::gtype(), "bench", "public", name.c_str(), index.c_str());
            ix->append("column_1");
            ix->append("column_2");
            add(table->get_indexes(), *ix);
        }
        auto pk = PrimaryKey::create_with_name(PrimaryKey::gtype(), (name + "_pk").c_str());
        add(table->get_constraints(), *pk);
        auto ck = MetaCheck::create_with_name(MetaCheck::gtype(), (name + "_ck").c_str(), "column_3 > 0");
        add(table->get_constraints(), *ck);
        auto fk = MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), (name + "_fk").c_str(), "public",
                                                    "table_0");
        fk->set_local_columns("column_4");
        fk->set_refer_columns("column_0");
        add(table->get_constraints(), *fk);
        add(schema->get_tables(), *table);
    }
    return db;
}

}  // namespace

int main() {
    std::printf("%d tables x %d columns, 2 indexes, 3 constraints each\n", kTables, kColumns);
    Ref<MetaDatabase> db;
    measure("build", [&] { db = build(); });
    Ref<MetaObject> copy;
    measure("clone", [&] { copy = db->clone(); });
    copy = {};
    gchar* text = nullptr;
    gsize length = 0;
    measure("to_data", [&] { text = json_gobject_to_data(db->gobj(), &length); });
    GObject* back = nullptr;
    measure("from_data", [&] { back = json_gobject_from_data(MetaDatabase::gtype(), text, gssize(length), nullptr); });
    gchar* again = json_gobject_to_data(back, nullptr);
    std::printf("JSON: %zu bytes (%.0f B/table); round trip %s\n", size_t(length), double(length) / kTables,
                g_strcmp0(text, again) == 0 ? "identical" : "DIFFERS");
    g_free(again);
    g_free(text);
    g_object_unref(back);
    std::printf("B/table: peak resident bytes above the start of the step.\n");
    return 0;
}
