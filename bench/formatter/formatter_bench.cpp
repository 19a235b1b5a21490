// Throughput of the SQL formatter on a 1 MB script of mixed statements (beautify and
// minify, MB/s), and the time to put a schema of 2,000 tables with foreign-key chains in
// dependency order (ms). Best of several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/supports/database/formatter.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;
using supports::database::Formatter;
using supports::database::SqlBuilder;

namespace {

double best_ms(int runs, const std::function<void()>& f) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        f();
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

std::string script(size_t bytes) {
    const char* statements[] = {
        "select a.id, a.name, b.total from accounts a left join (select account_id, sum(amount) total from orders "
        "where status = 'paid, shipped' group by account_id) b on a.id = b.account_id where a.region in ('north', "
        "'south') and a.created > '2024-01-01' order by b.total desc;\n",
        "INSERT INTO audit (id, who, what, at) VALUES (%d, 'O''Brien', 'login  from   10.0.0.1', NOW());\n",
        "UPDATE stock SET qty = qty - 1, updated = CURRENT_TIMESTAMP WHERE sku = 'A-%d' AND qty > 0 OR reserved "
        "BETWEEN 1 AND 5;\n",
        "SELECT CASE WHEN x > 10 THEN 'big' WHEN x > 5 THEN 'mid' ELSE 'small' END AS size, COUNT(*) FROM t%d "
        "INNER JOIN u ON t.id = u.id WHERE NOT EXISTS (SELECT 1 FROM v WHERE v.t = t.id) GROUP BY size HAVING "
        "COUNT(*) > 1;\n",
        "CREATE TABLE t%d (id INTEGER PRIMARY KEY, name TEXT NOT NULL, ref INTEGER REFERENCES parent(id));\n",
        "SELECT a FROM t UNION ALL (SELECT b FROM u WHERE c LIKE '%%x%%') ORDER   BY 1;\n",
    };
    std::string out;
    for (int i = 0; out.size() < bytes; ++i) {
        char line[1024];
        g_snprintf(line, sizeof line, statements[i % G_N_ELEMENTS(statements)], i);
        out += line;
    }
    return out;
}

// Tables t0..t(n-1): each of the first three quarters references the next one, so the
// whole chain must be reversed; every tenth also references a table near the end, and
// every fiftieth references itself.
gobj::Ref<meta_model::MetaSchema> schema_of(int n) {
    using namespace meta_model;
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    for (int i = 0; i < n; ++i) {
        auto t = MetaTable::create_with_names(MetaTable::gtype(), "db", "s", ("t" + std::to_string(i)).c_str());
        auto constraints = gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints());
        auto fk = [&](int target) {
            std::string name = "t" + std::to_string(target);
            constraints.append(MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), ("fk_" + name).c_str(), "s",
                                                                 name.c_str()));
        };
        if (i < n * 3 / 4) fk(i + 1);
        if (i % 10 == 0) fk(n - 1 - i % 7);
        if (i % 50 == 0) fk(i);
        tables.append(t);
    }
    return schema;
}

}  // namespace

int main() {
    auto formatter = Formatter::create();
    const std::string sql = script(1 << 20);
    const double mb = static_cast<double>(sql.size()) / (1 << 20);
    size_t laid_out = 0, compact = 0;
    double beautify = best_ms(3, [&] { laid_out = formatter->beautify(sql.c_str())->size(); });
    double minify = best_ms(5, [&] { compact = formatter->minify(sql.c_str())->size(); });
    std::printf("script: %zu bytes (%.2f MB), beautified %zu bytes, minified %zu bytes\n", sql.size(), mb, laid_out,
                compact);
    std::printf("beautify: %.1f ms, %.2f MB/s\n", beautify, mb / (beautify / 1000));
    std::printf("minify:   %.1f ms, %.2f MB/s\n", minify, mb / (minify / 1000));

    auto builder = SqlBuilder::create(SqlBuilder::gtype(), nullptr);
    const int tables = 2000;
    double order = 1e300;
    for (int run = 0; run < 5; ++run) {
        auto schema = schema_of(tables);
        order = std::min(order, best_ms(1, [&] { builder->order_with_dependence(schema.get(), 0); }));
    }
    std::printf("order_with_dependence: %d tables, %.2f ms\n", tables, order);
    return 0;
}
