// Password protection of server records and the service shortcuts.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/service_helpers.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "rezezadovu/helpers/helper_password.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/helpers/helper_service.hpp"
#include "support/facade_log.hpp"
#include "rezezadovu/supports/crypto/open_ssl_symmetric_cipher.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;
using helpers::PasswordHelper;
using helpers::ServiceHelper;
using providers::contracts::Server;
using supports::crypto::OpenSSLSymmetricCipher;

namespace {

class Protection : public testing::Test {
protected:
    void SetUp() override {
        foundation::Services::register_instance(contracts::crypto::ISymmetricCipher::gtype(), cipher_.gobj());
    }

    gobj::Ref<Server> record(const char* password, bool ssh, const char* ssh_password, bool ssl,
                             const char* ssl_password) {
        auto s = Server::create();
        s->set_password(gobj::opt(password));
        s->set_ssh_using(ssh);
        s->set_ssh_password(gobj::opt(ssh_password));
        s->set_ssl_using(ssl);
        s->set_ssl_password(gobj::opt(ssl_password));
        return s;
    }

    // What this user on another machine would have stored.
    static std::string protected_elsewhere(const std::string& plain) {
        auto other = OpenSSLSymmetricCipher::create();
        other->initialize(g_get_user_name(), "another-machine");
        std::vector<guint8> out;
        gint count = 0;
        other->encrypt({reinterpret_cast<const guint8*>(plain.data()), plain.size()}, out, count);
        return gobj::take_string(g_base64_encode(out.data(), static_cast<gsize>(count)));
    }

    tarvelin::test::FacadeLog log_;
    gobj::Ref<OpenSSLSymmetricCipher> cipher_ = OpenSSLSymmetricCipher::create();
};

}  // namespace

TEST_F(Protection, RoundTripOfEveryHandledField) {
    auto s = record("p", true, "sixteen-chars-ok", true, "pass phrase \xc3\xa9");
    PasswordHelper::encrypt_password(*s);
    EXPECT_EQ(s->get_password()->size(), 24u);      // one block
    EXPECT_EQ(s->get_ssh_password()->size(), 44u);  // two blocks
    EXPECT_NE(*s->get_ssl_password(), "pass phrase \xc3\xa9");

    // The protected form: Base64 of AES under this user name and host name.
    auto check = OpenSSLSymmetricCipher::create();
    check->initialize(g_get_user_name(), g_get_host_name());
    std::vector<guint8> out;
    gint count = 0;
    check->encrypt({reinterpret_cast<const guint8*>("p"), 1}, out, count);
    EXPECT_EQ(*s->get_password(), gobj::take_string(g_base64_encode(out.data(), 16)));

    // Deterministic: the same plain texts give the same protected texts.
    auto twin = record("p", true, "sixteen-chars-ok", true, "pass phrase \xc3\xa9");
    PasswordHelper::encrypt_password(*twin);
    EXPECT_EQ(twin->get_ssh_password(), s->get_ssh_password());

    PasswordHelper::decrypt_password(*s);
    EXPECT_EQ(s->get_password(), "p");
    EXPECT_EQ(s->get_ssh_password(), "sixteen-chars-ok");
    EXPECT_EQ(s->get_ssl_password(), "pass phrase \xc3\xa9");
    EXPECT_EQ(log_.count("password failed"), 0);
}

TEST_F(Protection, FlagsAndEmptyFieldsAreLeftAlone) {
    auto s = record("", false, "ssh plain", false, "ssl plain");
    int notified = 0;
    g_signal_connect_swapped(s.gobj(), "notify", G_CALLBACK(+[](int* n) { ++*n; }), &notified);
    PasswordHelper::encrypt_password(*s);
    PasswordHelper::decrypt_password(*s);
    EXPECT_EQ(notified, 0);
    EXPECT_EQ(s->get_ssh_password(), "ssh plain");
    EXPECT_EQ(s->get_ssl_password(), "ssl plain");
    EXPECT_EQ(log_.main_log(), "");
}

TEST_F(Protection, AllOrNothingWhenOneFieldFails) {
    auto s = record("main", true, "tunnel", true, "tls");
    PasswordHelper::encrypt_password(*s);
    std::string main = *s->get_password(), tls = *s->get_ssl_password();
    std::string foreign = protected_elsewhere("tunnel");
    s->set_ssh_password(foreign);
    PasswordHelper::decrypt_password(*s);
    // Nothing restored: every field keeps its stored text.
    EXPECT_EQ(s->get_password(), main);
    EXPECT_EQ(s->get_ssh_password(), foreign);
    EXPECT_EQ(s->get_ssl_password(), tls);
    EXPECT_EQ(log_.count("decrypt password failed: Failed to decrypt data finally"), 1) << log_.main_log();

    // A plain (never protected) field fails the same way and changes nothing.
    auto plain = record("never protected", false, "", false, "");
    PasswordHelper::decrypt_password(*plain);
    EXPECT_EQ(plain->get_password(), "never protected");
    EXPECT_EQ(log_.count("decrypt password failed"), 2);
}

TEST_F(Protection, ARecordFromAnotherMachineIsNotReadable) {
    auto s = record(nullptr, false, nullptr, false, nullptr);
    std::string foreign = protected_elsewhere("secret");
    s->set_password(foreign);
    PasswordHelper::decrypt_password(*s);
    EXPECT_EQ(s->get_password(), foreign);
    EXPECT_EQ(log_.count("decrypt password failed"), 1);
}

// One cipher serves the whole process: a worker decrypting while another thread encrypts
// must neither garble a password nor fail.
TEST_F(Protection, ConcurrentRoundTripsKeepEveryRecordIntact) {
    constexpr int kThreads = 8;
    constexpr int kRounds = 300;
    std::atomic<int> wrong{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([&, t] {
            for (int i = 0; i < kRounds; ++i) {
                // Lengths vary so the threads' inputs span one, two and three blocks.
                std::string main = "main-" + std::to_string(t) + "-" + std::to_string(i) + std::string(i % 40, 'x');
                std::string tunnel = "tunnel-" + std::to_string(t * kRounds + i);
                auto s = record(main.c_str(), true, tunnel.c_str(), false, nullptr);
                PasswordHelper::encrypt_password(*s);
                if (s->get_password() == main || s->get_ssh_password() == tunnel) ++wrong;
                PasswordHelper::decrypt_password(*s);
                if (s->get_password() != main || s->get_ssh_password() != tunnel) ++wrong;
            }
        });
    }
    for (auto& w : workers) w.join();
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(log_.count("password failed"), 0) << log_.main_log().substr(0, 2000);
}

TEST_F(Protection, GeneratedPasswords) {
    EXPECT_EQ(PasswordHelper::generate_password(0), "");
    std::string all = std::string(PasswordHelper::NUMBERS) + PasswordHelper::SPECIALS + PasswordHelper::VOWELS +
                      PasswordHelper::CONSONANTS;
    std::string twelve = PasswordHelper::generate_password(12);
    EXPECT_EQ(twelve.size(), 12u);
    std::set<char> seen;
    for (int i = 0; i < 400; ++i) {
        for (char c : PasswordHelper::generate_password(50)) seen.insert(c);
    }
    EXPECT_EQ(seen.size(), all.size());
    for (char c : seen) EXPECT_NE(all.find(c), std::string::npos) << c;
    testing::internal::CaptureStderr();
    EXPECT_EQ(tarvelin_rezezadovu_helpers_password_helper_generate_password(-1), nullptr);
    tarvelin_rezezadovu_helpers_password_helper_encrypt_password(nullptr);
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("length >= 0"), std::string::npos);
    EXPECT_NE(log.find("server != NULL"), std::string::npos);
}

TEST_F(Protection, ServiceShortcutsShareOneObject) {
    auto a = ServiceHelper::setting();
    auto b = ServiceHelper::setting();
    ASSERT_TRUE(a);
    EXPECT_EQ(a, b);
    auto* c = tarvelin_rezezadovu_helpers_service_helper_setting();
    EXPECT_EQ(static_cast<gpointer>(c), a.instance());
    g_object_unref(c);
    auto s1 = ServiceHelper::servers();
    ASSERT_TRUE(s1);
    EXPECT_EQ(s1, ServiceHelper::servers());
    EXPECT_EQ(ServiceHelper::cipher().instance(), cipher_.instance());
    EXPECT_FALSE(ServiceHelper::pubkey());
    EXPECT_EQ(tarvelin_rezezadovu_helpers_service_helper_pubkey(), nullptr);
    EXPECT_STREQ(g_type_name(ServiceHelper::gtype()), "TarvelinRezezadovuHelpersServiceHelper");
    EXPECT_STREQ(g_type_name(PasswordHelper::gtype()), "TarvelinRezezadovuHelpersPasswordHelper");
}
