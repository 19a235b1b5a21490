// The key option and user authentication on real files.
#include <sqlite3.h>

#include <fstream>
#include <iterator>

#include "sqlite/fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;

namespace {

std::string file_head(const std::string& path, std::size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string head(n, '\0');
    in.read(head.data(), std::streamsize(n));
    head.resize(std::size_t(in.gcount()));
    return head;
}

// Opens `path` with `options` and reads the one row of table t.
std::string read_secret(const std::string& path, const std::string& options) {
    auto provider = SQLiteProvider::create();
    auto server = sqlite_server(path, options);
    gobj::call<&PV::open>(provider.instance(), *server, "");
    return gobj::call<&PV::execute_scalar>(provider.instance(), "SELECT v FROM t", true)->to_string();
}

}  // namespace

TEST(SqliteCipher, AKeyedFileIsReadableOnlyWithItsKey) {
    TempDir dir;
    std::string path = dir.file("secret.db");
    {
        auto provider = SQLiteProvider::create();
        auto server = sqlite_server(path, "Cache=Shared;PASSWORD=s3cret;Mode=ReadWrite");
        gobj::call<&PV::open>(provider.instance(), *server, "");
        gobj::call<&PV::execute_affect>(provider.instance(), "CREATE TABLE t (v TEXT)", true);
        gobj::call<&PV::execute_affect>(provider.instance(), "INSERT INTO t VALUES ('hidden words')", true);
        gobj::call<&PV::close>(provider.instance());
    }
    EXPECT_NE(file_head(path, 16), std::string("SQLite format 3\0", 16));
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.find("hidden words"), std::string::npos);

    EXPECT_EQ(read_secret(path, "PASSWORD=s3cret"), "hidden words");
    for (const char* options : {"", "PASSWORD=wrong", "password=s3cret", "PASSWORD="}) {
        gobj::Error e = error_of([&] { read_secret(path, options); });
        EXPECT_TRUE(e.matches("SQLite")) << options;
        EXPECT_EQ(e.code(), 26) << options;  // SQLITE_NOTADB
        EXPECT_EQ(e.message(), "file is not a database") << options;
    }
}

TEST(SqliteCipher, AFileWrittenWithoutAKeyStaysPlain) {
    TempDir dir;
    std::string path = dir.file("plain.db");
    {
        auto provider = SQLiteProvider::create();
        auto server = sqlite_server(path, "PASSWORD=");
        gobj::call<&PV::open>(provider.instance(), *server, "");
        gobj::call<&PV::execute_affect>(provider.instance(), "CREATE TABLE t (v TEXT)", true);
        gobj::call<&PV::execute_affect>(provider.instance(), "INSERT INTO t VALUES ('open words')", true);
    }
    EXPECT_EQ(file_head(path, 16), std::string("SQLite format 3\0", 16));
    EXPECT_EQ(read_secret(path, ""), "open words");
}

// A database with a user table, made with the library's own user API.
class SqliteUsers : public ::testing::Test {
protected:
    void SetUp() override {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_user_add(db, "admin", "pw-admin", 8, 1), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE t (v TEXT); INSERT INTO t VALUES ('for users')", nullptr, nullptr,
                               nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }
    gobj::Ref<SQLiteProvider> open_as(const std::string& user, const std::string& password) {
        auto provider = SQLiteProvider::create();
        auto server = sqlite_server(path, "", user, password);
        gobj::call<&PV::open>(provider.instance(), *server, "");
        return provider;
    }

    TempDir dir;
    std::string path = dir.file("users.db");
};

TEST_F(SqliteUsers, RightCredentialsOpen) {
    auto provider = open_as("admin", "pw-admin");
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(provider.instance()));
    EXPECT_EQ(gobj::call<&PV::execute_scalar>(provider.instance(), "SELECT v FROM t", true)->to_string(), "for users");
}

TEST_F(SqliteUsers, WrongCredentialsAreRefusedWithAnAuthorisationError) {
    for (auto [user, password] : {std::pair{"admin", "nope"}, std::pair{"nobody", "pw-admin"}}) {
        auto provider = SQLiteProvider::create();
        auto server = sqlite_server(path, "", user, password);
        gobj::Error e = error_of([&] { gobj::call<&PV::open>(provider.instance(), *server, ""); });
        EXPECT_TRUE(e.matches("SQLite")) << user;
        EXPECT_EQ(e.code(), 23) << user;  // SQLITE_AUTH, never "not an error"
        EXPECT_FALSE(e.message().empty());
        EXPECT_FALSE(gobj::call<&PV::get_is_opened>(provider.instance()));
    }
}

TEST_F(SqliteUsers, AnEmptyPasswordDoesNotAuthenticate) {
    // No authentication is attempted; the library enforces its user table on
    // shared-cache connections only, so this ordinary connection opens.
    auto provider = open_as("admin", "");
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(provider.instance()));
}
