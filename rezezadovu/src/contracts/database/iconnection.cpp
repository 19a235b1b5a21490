#include "providers/gobj/register.hpp"
#include "rezezadovu/contracts/database/iconnection.hpp"

TARVELIN_LOG_TAG("iconnection")

namespace tarvelin::rezezadovu::contracts::database {

TARVELIN_INTERFACE_GTYPE(IConnection, "TarvelinRezezadovuContractsDatabaseIConnection", G_TYPE_OBJECT)

void IConnection::describe(gobj::InterfaceSpec<IConnection>& spec) {
    spec.property<&IConnection::get_server>(
        gobj::pspec::object("server", providers::contracts::Server::gtype(), gobj::kRead));
    spec.property<&IConnection::get_provider>(
        gobj::pspec::object("provider", providers::contracts::IProvider::gtype(), gobj::kRead));
    spec.property<&IConnection::get_status, &IConnection::set_status>(
        gobj::pspec::enumeration("status", db_status_gtype(), kUnknown, gobj::kReadWrite));
    spec.property<&IConnection::get_version>(gobj::pspec::text("version", gobj::kRead));
    // Each passes the connection itself.
    spec.signal("closed", G_SIGNAL_RUN_LAST, G_TYPE_NONE, {gtype()});
    spec.signal("opened", G_SIGNAL_RUN_LAST, G_TYPE_NONE, {gtype()});
}

}  // namespace tarvelin::rezezadovu::contracts::database
