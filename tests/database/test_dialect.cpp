#include "providers/gobj/register.hpp"
#include "test_dialect.hpp"

namespace tarvelin::test {

using rezezadovu::contracts::database::IStatement;

TARVELIN_GTYPE(TestConnection, "TarvelinTestConnection", rezezadovu::supports::database::ConnectionImpl)

void Gate::shut() {
    std::lock_guard lock(mutex_);
    shut_ = true;
}
void Gate::open() {
    std::lock_guard lock(mutex_);
    shut_ = false;
    cv_.notify_all();
}
void Gate::pass() {
    std::unique_lock lock(mutex_);
    ++held_;
    cv_.notify_all();
    cv_.wait(lock, [&] { return !shut_; });
    --held_;
}
bool Gate::wait_for_caller(int ms) {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return held_ > 0; });
}

std::string connection_text(TarvelinProvidersContractsServer* server) {
    return std::string("HOST=") + tarvelin_providers_contracts_server_get_host(server) + ";PORT=" +
           std::to_string(tarvelin_providers_contracts_server_get_port(server)) +
           ";UUID=" + tarvelin_providers_contracts_server_get_uuid(server) + ";";
}

namespace {
// A statement implemented the way a host would in C: only the connection text.
GType test_statement_type() {
    static const GType type = [] {
        GTypeInfo info{};
        info.class_size = sizeof(GObjectClass);
        info.instance_size = sizeof(GObject);
        GType t = g_type_register_static(G_TYPE_OBJECT, "TarvelinTestStatement", &info, GTypeFlags(0));
        GInterfaceInfo iface{};
        iface.interface_init = [](gpointer vtable, gpointer) {
            static_cast<IStatement::Vtable*>(vtable)->build_connection_string =
                [](TarvelinRezezadovuContractsDatabaseIStatement*, TarvelinProvidersContractsServer* server) {
                    return g_strdup(connection_text(server).c_str());
                };
        };
        g_type_add_interface_static(t, IStatement::gtype(), &iface);
        return t;
    }();
    return type;
}
}  // namespace

gobj::Ref<TestConnection> TestConnection::create(gpointer provider) {
    auto c = gobj::create<TestConnection>();
    c->set_provider(gobj::Ref<IProvider>::retain(provider));
    return c;
}

gobj::Ref<IStatement> TestConnection::statement() {
    return lazy(m_statement, [&] {
        ++statements_made;
        return gobj::Ref<IStatement>::adopt(g_object_new(test_statement_type(), nullptr));
    });
}

void TestConnection::update_version() {
    version_thread = g_thread_self();
    gate.pass();
    if (version_sql.empty()) return;
    auto value = execute_as_scalar(version_sql.c_str(), true);
    set_version(gobj::take_string(tarvelin_providers_contracts_value_object_to_string(
        static_cast<TarvelinProvidersContractsValueObject*>(value.instance()))));
}

}  // namespace tarvelin::test
