#include "rezezadovu/supports/database/sqlserver/adapter_v10x.hpp"

#include <string>
#include <string_view>

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("adapter_10x")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(SQLServerAdapterV10x, "TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x", SQLServerAdapter)

gobj::Ref<SQLServerAdapterV10x> SQLServerAdapterV10x::create(GType type, CConnection* connection) {
    return create_linked<SQLServerAdapterV10x>(type, connection);
}

namespace {
std::string without(std::string text, std::string_view part) {
    if (auto at = text.find(part); at != std::string::npos) text.erase(at, part.size());
    return text;
}
std::string inserted(std::string text, std::string_view before, std::string_view part) {
    if (auto at = text.find(before); at != std::string::npos) text.insert(at, part);
    return text;
}
}  // namespace

// The detail query lacks the native-compilation column; the later columns move up by one.
void SQLServerAdapterV10x::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    static const RoutineLayout layout{without(routine_layout().detail_query, "sm.uses_native_compilation,"), -1, 7, 8,
                                      13};
    fill_routine(*function, layout);
}

// The trigger list also joins the trigger events and selects two of their columns after
// is_disabled, so the later columns move by two.
gobj::Ref<SQLServerAdapter::MetaTable> SQLServerAdapterV10x::fill_schema_table_trigger(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    static const TriggerLayout layout{
        inserted(inserted(trigger_layout().query, "asm.definition,", "te.is_first,te.is_last,"),
                 "LEFT JOIN sys.assembly_modules am", "LEFT JOIN sys.trigger_events te ON tr.object_id=te.object_id "),
        12, 14, 15, 19, 20};
    return fill_triggers(*table, layout);
}

}  // namespace tarvelin::rezezadovu::supports::database
