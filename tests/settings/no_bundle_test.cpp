// A process whose host registered no resource bundle and no cipher.
#include <gtest/gtest.h>

#include <tarvelin/providers/face_server_setting.h>
#include <tarvelin/rezezadovu/service_helpers.h>

#include <string>

#include "providers/contracts/face_server_setting.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/helpers/helper_file_type.hpp"
#include "rezezadovu/helpers/helper_password.hpp"
#include "rezezadovu/supports/crypto/open_ssl_symmetric_cipher.hpp"
#include "settings_files.hpp"
#include "support/facade_log.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;

TEST(NoBundle, EveryGuessIsUnknownAndTheFailureIsLogged) {
    tarvelin::test::FacadeLog log;
    helpers::FileTypeHelper& helper = helpers::FileTypeHelper::get_singleton();
    EXPECT_TRUE(helper.signatures().empty());
    const guint8 png[] = {0x89, 'P', 'N', 'G'};
    EXPECT_EQ(helper.guess_file_type(png), "unknown/unknown");
    EXPECT_EQ(log.count("load file type info failed: "), 1) << log.main_log();
    // Not retried.
    EXPECT_EQ(&helpers::FileTypeHelper::get_singleton(), &helper);
    EXPECT_EQ(log.count("load file type info failed: "), 1);
}

TEST(NoCipher, PasswordProtectionLogsAndChangesNothing) {
    tarvelin::test::FacadeLog log;
    auto s = providers::contracts::Server::create();
    s->set_password(std::string("plain"));
    helpers::PasswordHelper::encrypt_password(*s);
    EXPECT_EQ(s->get_password(), "plain");
    EXPECT_EQ(log.count("encrypt password failed: no symmetric cipher is registered"), 1) << log.main_log();
}

// Through the C face, as a host that forgot to register a cipher: the protection reports
// the failure, and no save writes the password the host asked to protect.
TEST(NoCipher, NoSaveWritesAPasswordThatWasToBeProtected) {
    tarvelin::test::FacadeLog log;
    settings_test::TempDir dir;
    const std::string file = dir.file("connections.json");
    const std::string before = R"({"servers": [{"title": "kept", "host": "db.example", "password": "c2VhbGVk"}]})";
    settings_test::write_file(file, before);

    auto* store = tarvelin_providers_contracts_server_setting_new();
    GError* error = nullptr;
    tarvelin_providers_contracts_server_setting_load(store, file.c_str(), &error);
    ASSERT_EQ(error, nullptr);
    auto* server = tarvelin_providers_contracts_server_new_with_provider("PostgreSQL");
    tarvelin_providers_contracts_server_set_title(server, "work");
    tarvelin_providers_contracts_server_set_password(server, "clear secret");
    tarvelin_providers_contracts_server_setting_append(store, server, "", "");

    EXPECT_FALSE(tarvelin_rezezadovu_helpers_password_helper_try_encrypt_password(server, &error));
    ASSERT_NE(error, nullptr);
    EXPECT_STREQ(error->message, "no symmetric cipher is registered");
    EXPECT_EQ(error->domain, g_quark_from_string("Crypto"));
    g_clear_error(&error);
    EXPECT_STREQ(tarvelin_providers_contracts_server_get_password(server), "clear secret");

    // Neither the checked nor the logging protection lets the clear text reach the file;
    // the file keeps what it held and the record keeps its password.
    for (bool logging_form : {false, true}) {
        if (logging_form) tarvelin_rezezadovu_helpers_password_helper_encrypt_password(server);
        tarvelin_providers_contracts_server_setting_save(store, &error);
        ASSERT_NE(error, nullptr) << logging_form;
        EXPECT_EQ(error->domain, g_quark_from_string("ServerSetting"));
        EXPECT_NE(std::string(error->message).find("\"work\""), std::string::npos) << error->message;
        g_clear_error(&error);
        EXPECT_EQ(settings_test::read_file(file), before);
        EXPECT_STREQ(tarvelin_providers_contracts_server_get_password(server), "clear secret");
    }
    // A copy of the record is as unprotected as the record.
    auto* copy = tarvelin_providers_contracts_server_clone(server, TRUE);
    auto* other = tarvelin_providers_contracts_server_setting_new();
    tarvelin_providers_contracts_server_setting_load(other, dir.file("other.json").c_str(), nullptr);
    tarvelin_providers_contracts_server_setting_append(other, copy, "", "");
    tarvelin_providers_contracts_server_setting_save(other, &error);
    EXPECT_NE(error, nullptr);
    g_clear_error(&error);
    EXPECT_FALSE(g_file_test(dir.file("other.json").c_str(), G_FILE_TEST_EXISTS));

    // Once a cipher is registered the protection succeeds, the mark goes and the save
    // writes the protected form only.
    auto cipher = supports::crypto::OpenSSLSymmetricCipher::create();
    foundation::Services::register_instance(contracts::crypto::ISymmetricCipher::gtype(), cipher.gobj());
    EXPECT_TRUE(tarvelin_rezezadovu_helpers_password_helper_try_encrypt_password(server, &error));
    EXPECT_EQ(error, nullptr);
    const std::string sealed = tarvelin_providers_contracts_server_get_password(server);
    EXPECT_NE(sealed, "clear secret");
    tarvelin_providers_contracts_server_setting_save(store, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    const std::string saved = settings_test::read_file(file);
    EXPECT_EQ(saved.find("clear secret"), std::string::npos) << saved;
    EXPECT_NE(saved.find(sealed), std::string::npos) << saved;
    EXPECT_NE(saved.find("c2VhbGVk"), std::string::npos) << saved;
    EXPECT_TRUE(tarvelin_rezezadovu_helpers_password_helper_try_decrypt_password(server, &error));
    EXPECT_STREQ(tarvelin_providers_contracts_server_get_password(server), "clear secret");

    g_object_unref(other);
    g_object_unref(copy);
    g_object_unref(server);
    g_object_unref(store);
}

// An emptied password has nothing left to protect: the record saves again.
TEST(NoCipher, AnEmptiedPasswordNoLongerHoldsTheSaveBack) {
    tarvelin::test::FacadeLog log;
    settings_test::TempDir dir;
    settings_test::write_file(dir.file("connections.json"), "{}");
    auto store = providers::contracts::ServerSetting::create();
    store->load(dir.file("connections.json"));
    auto s = providers::contracts::Server::create_with_provider("SQLite");
    s->set_password(std::string("clear"));
    store->get_servers().append(s);
    // Marked as a failed protection marks it (independent of any cipher other cases register).
    s->mark_unprotected({providers::contracts::Server::Text::password});
    EXPECT_THROW(store->save(), gobj::Error);
    s->set_password(std::string(""));
    EXPECT_NO_THROW(store->save());
    EXPECT_TRUE(g_file_test(dir.file("connections.json").c_str(), G_FILE_TEST_EXISTS));
}
