#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mariadb/inspector.hpp"

TARVELIN_LOG_TAG("mariadb_inspector")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(MariaDBInspector, "TarvelinRezezadovuSupportsDatabaseMariaDBInspector", gobj::Object,
               contracts::database::IInspectable)

gobj::Ref<MariaDBInspector> MariaDBInspector::create(GType type, CConnection* conn) {
    return create_linked<MariaDBInspector>(type, conn);
}

std::vector<std::string> MariaDBInspector::support(DbMetaType kind) {
    switch (kind) {
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_EXPLORABLE:
            return {"database", "schema", "table", "view",  "index",    "trigger", "routine",
                    "function", "procedure", "user", "role", "sequence", "event",   "package"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_ALGORITHM:
            return {"DEFAULT", "INPLACE", "COPY", "NOCOPY", "INSTANT"};
        case TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_METHOD: return {"BTREE", "HASH", "RTREE"};
        default: return MySQLFamilyInspector::support(kind);
    }
}

}  // namespace tarvelin::rezezadovu::supports::database
