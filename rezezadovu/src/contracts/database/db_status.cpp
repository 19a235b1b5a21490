#include "rezezadovu/contracts/database/db_status.hpp"

#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("db_status")

namespace tarvelin::rezezadovu::contracts::database {

namespace {
const GEnumValue db_status_values[] = {
    {kUnknown, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown", "unknown"},
    {kClosed, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Closed", "closed"},
    {kOpened, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened", "opened"},
    {kFailed, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed", "failed"},
    {0, nullptr, nullptr},
};
}  // namespace

GType db_status_gtype() {
    static const GType t = gobj::register_enum("TarvelinRezezadovuContractsDatabaseDBStatus", db_status_values);
    return t;
}
[[maybe_unused]] static const GType tarvelin_registered_db_status = db_status_gtype();

}  // namespace tarvelin::rezezadovu::contracts::database
