#include "rezezadovu/contracts/database/sql_action.hpp"

#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("sql_action")

namespace tarvelin::rezezadovu::contracts::database {

namespace {
const GEnumValue sql_action_values[] = {
    {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_NOTHING, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_NOTHING",
     "nothing"},
    {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_INSERT, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_INSERT",
     "insert"},
    {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_UPDATE, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_UPDATE",
     "update"},
    {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_DELETE, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_DELETE",
     "delete"},
    {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_SCHEMA, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_SCHEMA",
     "schema"},
    {TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_FEATURE,
     "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_SQL_ACTION_FEATURE", "feature"},
    {0, nullptr, nullptr},
};
}  // namespace

GType sql_action_gtype() {
    static const GType t = gobj::register_enum("TarvelinRezezadovuContractsDatabaseSqlAction", sql_action_values);
    return t;
}
[[maybe_unused]] static const GType tarvelin_registered_sql_action = sql_action_gtype();

std::optional<std::string> sql_action_to_string(SqlAction value) {
    for (const GEnumValue* v = sql_action_values; v->value_nick; ++v)
        if (v->value == static_cast<gint>(value)) return v->value_nick;
    return std::nullopt;
}

}  // namespace tarvelin::rezezadovu::contracts::database
