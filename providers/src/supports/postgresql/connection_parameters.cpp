#include "providers/supports/postgresql/connection_parameters.hpp"

TARVELIN_LOG_TAG("connection_parameters")

namespace tarvelin::providers::supports::postgresql {

using contracts::Server;

ConnectionParameters connection_parameters(const Server& server) {
    ConnectionParameters p;
    auto add = [&](const char* keyword, Server::Text field) {
        std::string value = server.text_or_empty(field);
        if (!value.empty()) p.emplace_back(keyword, std::move(value));
    };
    add("host", Server::Text::host);
    if (server.get_port() != 0) p.emplace_back("port", std::to_string(server.get_port()));
    add("user", Server::Text::username);
    add("password", Server::Text::password);
    add("dbname", Server::Text::initial);
    if (server.get_ssl_using()) {
        add("sslmode", Server::Text::ssl_mode);
        add("sslrootcert", Server::Text::ssl_ca_file);
        add("sslcert", Server::Text::ssl_cert_file);
        add("sslkey", Server::Text::ssl_key_file);
        add("sslpassword", Server::Text::ssl_password);
    } else {
        p.emplace_back("sslmode", "disable");
    }
    // Every text of the system is UTF-8, whatever the database's own encoding.
    p.emplace_back("client_encoding", "UTF8");
    return p;
}

}  // namespace tarvelin::providers::supports::postgresql
