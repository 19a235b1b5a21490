#include "rezezadovu/supports/database/sql_builder.hpp"

#include <unordered_map>
#include <vector>

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_view.hpp"

TARVELIN_LOG_TAG("sql_builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using contracts::database::empty_text_if;
using Text = SqlBuilder::Text;

TARVELIN_GTYPE(SqlBuilder, "TarvelinRezezadovuSupportsDatabaseSqlBuilder", gobj::Object,
               contracts::database::IBuildable)

gobj::Ref<SqlBuilder> SqlBuilder::create(GType type, CConnection* conn) {
    return create_linked<SqlBuilder>(type, conn);
}

Text SqlBuilder::build_create(MetaObject* meta_object, bool) { return empty_text_if(TARVELIN_GIVEN(meta_object)); }
Text SqlBuilder::build_delete(MetaObject* meta_object) { return empty_text_if(TARVELIN_GIVEN(meta_object)); }
Text SqlBuilder::build_patch(MetaObject* meta_object, bool) { return empty_text_if(TARVELIN_GIVEN(meta_object)); }
Text SqlBuilder::build_normal(TableModel* table, const char* action) {
    return empty_text_if(TARVELIN_GIVEN(table, action));
}
Text SqlBuilder::alter_database(MetaDatabase* database_old, MetaDatabase* database_new) {
    return empty_text_if(TARVELIN_GIVEN(database_old, database_new));
}
Text SqlBuilder::create_database(MetaDatabase* database, bool) { return empty_text_if(TARVELIN_GIVEN(database)); }
Text SqlBuilder::alter_schema(MetaSchema* schema_old, MetaSchema* schema_new) {
    return empty_text_if(TARVELIN_GIVEN(schema_old, schema_new));
}
Text SqlBuilder::build_schema(MetaSchema* schema, bool) { return empty_text_if(TARVELIN_GIVEN(schema)); }
Text SqlBuilder::build_table(MetaTable* table, bool) { return empty_text_if(TARVELIN_GIVEN(table)); }
Text SqlBuilder::build_view(MetaView* view) { return empty_text_if(TARVELIN_GIVEN(view)); }
Text SqlBuilder::build_index(MetaIndex* index) { return empty_text_if(TARVELIN_GIVEN(index)); }
Text SqlBuilder::build_trigger(MetaTrigger* trigger) { return empty_text_if(TARVELIN_GIVEN(trigger)); }
Text SqlBuilder::build_function(MetaFunction* function) { return empty_text_if(TARVELIN_GIVEN(function)); }
Text SqlBuilder::build_user(MetaUser* user) { return empty_text_if(TARVELIN_GIVEN(user)); }
Text SqlBuilder::build_role(MetaRole* role) { return empty_text_if(TARVELIN_GIVEN(role)); }
Text SqlBuilder::build_script(DataSetModel* dataset) { return empty_text_if(TARVELIN_GIVEN(dataset)); }
Text SqlBuilder::build_caller(MetaFunction* function) { return empty_text_if(TARVELIN_GIVEN(function)); }
Text SqlBuilder::build_event(MetaEvent* event) { return empty_text_if(TARVELIN_GIVEN(event)); }
Text SqlBuilder::patch_event(MetaEvent* event) { return empty_text_if(TARVELIN_GIVEN(event)); }
Text SqlBuilder::patch_function(MetaFunction* func) { return empty_text_if(TARVELIN_GIVEN(func)); }
Text SqlBuilder::patch_script(MetaDatabase* database) { return empty_text_if(TARVELIN_GIVEN(database)); }
Text SqlBuilder::patch_table(MetaTable* table) { return empty_text_if(TARVELIN_GIVEN(table)); }
Text SqlBuilder::patch_view(MetaView* view) { return empty_text_if(TARVELIN_GIVEN(view)); }
Text SqlBuilder::patch_data_table(TableModel* model) { return empty_text_if(TARVELIN_GIVEN(model)); }

// ---------------------------------------------------------------- dependency order

void SqlBuilder::order_with_dependence(MetaSchema* schema, gint index) {
    if (!TARVELIN_GIVEN(schema)) return;
    order_by_dependence(*schema, index);
}

void SqlBuilder::order_by_dependence(MetaSchema& schema, gint index) {
    auto list = gobj::GeeArray<MetaTable>::wrap(schema.get_tables());
    const int n = list.size();
    if (index < 0 || index + 1 >= n) return;

    std::vector<gobj::Ref<MetaTable>> tables;
    tables.reserve(n);
    std::unordered_map<std::string, int> first_named;
    for (int i = 0; i < n; ++i) {
        tables.push_back(list.at(i));
        if (const char* name = tables.back() ? tables.back()->get_name() : nullptr) first_named.try_emplace(name, i);
    }
    // The positions each table's foreign keys reference, in constraint order.
    std::vector<std::vector<int>> references(n);
    for (int i = index; i < n; ++i) {
        if (!tables[i]) continue;
        auto constraints = gobj::GeeArray<MetaConstraint>::wrap(tables[i]->get_constraints());
        for (const auto& constraint : constraints) {
            if (!constraint || !G_TYPE_CHECK_INSTANCE_TYPE(constraint.gobj(), MetaForeignKey::gtype())) continue;
            const char* refer = static_cast<MetaForeignKey*>(constraint.get())->get_refer_table();
            auto found = refer ? first_named.find(refer) : first_named.end();
            if (found != first_named.end()) references[i].push_back(found->second);
        }
    }

    // Depth first with an explicit stack, so a long chain of references cannot exhaust
    // the call stack.
    enum State : char { kWaiting, kOnPath, kPlaced };
    std::vector<State> state(n, kWaiting);
    for (int i = 0; i < index; ++i) state[i] = kPlaced;
    std::vector<int> order;
    order.reserve(n - index);
    std::vector<std::pair<int, size_t>> path;
    for (int start = index; start < n; ++start) {
        if (state[start] != kWaiting) continue;
        state[start] = kOnPath;
        path.emplace_back(start, 0);
        while (!path.empty()) {
            auto& [table, next] = path.back();
            if (next < references[table].size()) {
                int target = references[table][next++];
                if (state[target] == kWaiting) {
                    state[target] = kOnPath;
                    path.emplace_back(target, 0);
                }
                continue;
            }
            state[table] = kPlaced;
            order.push_back(table);
            path.pop_back();
        }
    }
    for (int k = 0; k < static_cast<int>(order.size()); ++k)
        if (order[k] != index + k) list.set(index + k, tables[order[k]]);
}

}  // namespace tarvelin::rezezadovu::supports::database
