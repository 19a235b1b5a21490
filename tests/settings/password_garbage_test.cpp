// Fields that were never protected must never be "decrypted" into garbage: the padding
// check alone lets about one random block in 256 through.
#include <gtest/gtest.h>

#include <string>

#include "support/facade_log.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/helpers/helper_password.hpp"
#include "rezezadovu/supports/crypto/open_ssl_symmetric_cipher.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;
using helpers::PasswordHelper;
using providers::contracts::Server;
using supports::crypto::OpenSSLSymmetricCipher;

TEST(PasswordGarbage, RandomBase64TextsAreNeverReplaced) {
    test::FacadeLog log;
    auto cipher = OpenSSLSymmetricCipher::create();
    foundation::Services::register_instance(contracts::crypto::ISymmetricCipher::gtype(), cipher.gobj());
    auto s = Server::create();
    GRand* rand = g_rand_new_with_seed(20261210);
    int replaced = 0;
    for (int i = 0; i < 20000; ++i) {
        // One or two cipher blocks, so every text reaches the padding check.
        guint8 bytes[32];
        gsize length = (i % 2) ? 32 : 16;
        for (gsize b = 0; b < length; ++b) bytes[b] = static_cast<guint8>(g_rand_int_range(rand, 0, 256));
        std::string stored = gobj::take_string(g_base64_encode(bytes, length));
        s->set_password(stored);
        PasswordHelper::decrypt_password(*s);
        if (s->get_password() != stored) ++replaced;
    }
    g_rand_free(rand);
    EXPECT_EQ(replaced, 0);

    // A protected password still comes back.
    s->set_password(std::string("correct horse \xc3\xa9"));
    PasswordHelper::encrypt_password(*s);
    PasswordHelper::decrypt_password(*s);
    EXPECT_EQ(s->get_password(), "correct horse \xc3\xa9");
}
