// A schema as a user sees it, read from the product's own catalogue (not through the
// library's readers, so that a fault there does not hide one in what was written):
// tables, columns with type, NOT NULL and default, keys, indexes and foreign keys with
// where they point. The endpoint's own database or schema name reads "<own>", so two
// schemas of different names compare equal when they hold the same things, and a
// reference into another schema shows.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "endpoints.hpp"
#include "rezezadovu/transform/structure_synchronizer.hpp"

namespace transform_test {

struct Shape {
    // Sorted lines, one per column, key, index and foreign key.
    std::vector<std::string> lines;
    // Each table's column names in their order.
    std::map<std::string, std::vector<std::string>> columns;
    std::string text() const;
};

Shape shape_of(const Endpoint& e);

// For each table both sides hold, a query of the target's columns the source keeps too,
// with the target's rows as they are now.
std::vector<std::pair<std::string, std::vector<std::string>>> kept_rows(const Endpoint& source, const Endpoint& target);

// A structure synchronisation from `source` to `target` selecting `tables`, going on past
// a failed statement, initialised.
gobj::Ref<rezezadovu::transform::StructureSynchronizer> structure_job(
    const Endpoint& source, const Endpoint& target, const std::vector<std::string>& tables,
    const gobj::Ref<rezezadovu::contracts::ThreadProgress>& progress);

}  // namespace transform_test
