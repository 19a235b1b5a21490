// A SQLite provider over a new database file in a temporary directory.
#pragma once

#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <string>

#include "support/driver_checks.hpp"
#include "providers/supports/sqlite/provider.hpp"
#include "providers/supports/sqlite/reader.hpp"
#include "providers/gobj/call.hpp"

namespace tarvelin::test {

using PV = providers::contracts::IProvider::Vtable;
using providers::contracts::Server;
using providers::supports::sqlite::SQLiteProvider;
using providers::supports::sqlite::SQLiteReader;

class TempDir {
public:
    TempDir() : path_(gobj::take_string(g_dir_make_tmp("tarvelin-sqlite-XXXXXX", nullptr))) {}
    ~TempDir() {
        if (GDir* dir = g_dir_open(path_.c_str(), 0, nullptr)) {
            while (const char* name = g_dir_read_name(dir)) g_remove(file(name).c_str());
            g_dir_close(dir);
        }
        g_rmdir(path_.c_str());
    }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A record for a database file, with optional option text and credentials.
inline gobj::Ref<Server> sqlite_server(const std::string& filename, const std::string& options = "",
                                       const std::string& username = "", const std::string& password = "") {
    auto server = Server::create_with_provider("SQLite");
    server->set_filename(filename);
    server->set_options(options);
    server->set_username(username);
    server->set_password(password);
    return server;
}

class SqliteTest : public ::testing::Test {
protected:
    void SetUp() override {
        provider = SQLiteProvider::create();
        open(*provider);
    }
    void open(SQLiteProvider& p, const std::string& options = "") {
        auto server = sqlite_server(path, options);
        gobj::call<&PV::open>(p.gobj(), *server, path);
    }
    gpointer p() const { return provider.instance(); }
    gint64 affect(const std::string& sql) { return gobj::call<&PV::execute_affect>(p(), sql, true); }
    gobj::Ref<TableModel> model(const std::string& sql) { return gobj::call<&PV::execute_model>(p(), sql, true); }
    gobj::Ref<ValueObject> scalar(const std::string& sql) { return gobj::call<&PV::execute_scalar>(p(), sql, true); }

    TempDir dir;
    std::string path = dir.file("test.db");
    gobj::Ref<SQLiteProvider> provider;
};

}  // namespace tarvelin::test
