#include "rezezadovu/supports/database/connection_link.hpp"

TARVELIN_LOG_TAG("connection_link")

namespace tarvelin::rezezadovu::supports::database {

ConnectionLink::ConnectionLink() { g_weak_ref_init(&connection_, nullptr); }
ConnectionLink::~ConnectionLink() { g_weak_ref_clear(&connection_); }

gobj::Ref<ConnectionLink::IConnection> ConnectionLink::connection() const {
    return gobj::Ref<IConnection>::adopt(g_weak_ref_get(&connection_));
}

void ConnectionLink::link(CConnection* connection) { g_weak_ref_set(&connection_, connection); }

}  // namespace tarvelin::rezezadovu::supports::database
