#include "rezezadovu/supports/crypto/open_ssl_symmetric_cipher.hpp"

#include <openssl/err.h>
#include <string.h>  // explicit_bzero

#include <algorithm>
#include <cstring>

TARVELIN_LOG_TAG("open_ssl_symmetric_cipher")

namespace tarvelin::rezezadovu::supports::crypto {

TARVELIN_GTYPE(OpenSSLSymmetricCipher, "TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher", gobj::Object,
               contracts::crypto::ISymmetricCipher)

namespace {
constexpr int kBlock = 16;

[[noreturn]] void fail(const char* message) {
    ERR_clear_error();  // leave nothing behind for the next OpenSSL user of this thread
    throw gobj::Error("Crypto", -1, _(message));
}

// Zeroes a text's whole buffer, spare room included, and empties it.
void wipe(std::optional<std::string>& text) {
    if (!text) return;
    text->resize(text->capacity());
    explicit_bzero(text->data(), text->size());
    text.reset();
}
}  // namespace

gobj::Ref<OpenSSLSymmetricCipher> OpenSSLSymmetricCipher::create(GType type) {
    return gobj::create<OpenSSLSymmetricCipher>(type);
}

OpenSSLSymmetricCipher::OpenSSLSymmetricCipher() : cipher_(EVP_aes_256_cbc()), context_(EVP_CIPHER_CTX_new()) {}

OpenSSLSymmetricCipher::~OpenSSLSymmetricCipher() {
    EVP_CIPHER_CTX_free(context_);  // cleanses the context
    forget_key();
}

void OpenSSLSymmetricCipher::forget_key() noexcept {
    wipe(key_);
    wipe(salt_);
    explicit_bzero(key_bytes_.data(), key_bytes_.size());
    explicit_bzero(iv_.data(), iv_.size());
}

void OpenSSLSymmetricCipher::initialize(const char* key, const char* salt) {
    forget_key();
    key_ = gobj::opt(key);
    salt_ = gobj::opt(salt);
    // A shorter salt is padded with zeros rather than read past its end.
    std::array<unsigned char, 8> salt8{};
    std::memcpy(salt8.data(), salt_->data(), std::min<size_t>(salt_->size(), salt8.size()));
    int n = EVP_BytesToKey(cipher_, EVP_sha1(), salt8.data(), reinterpret_cast<const unsigned char*>(key_->data()),
                           static_cast<int>(key_->size()), 2, key_bytes_.data(), iv_.data());
    explicit_bzero(salt8.data(), salt8.size());
    if (n <= 0) {
        forget_key();
        fail(N_("Failed to generate Cipher key and iv"));
    }
}

void OpenSSLSymmetricCipher::encrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) {
    run(data, true, result, count);
}

void OpenSSLSymmetricCipher::decrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) {
    run(data, false, result, count);
}

void OpenSSLSymmetricCipher::run(std::span<const guint8> data, bool encrypting, std::vector<guint8>& result,
                                 gint& count) {
    const int n = static_cast<int>(data.size());
    if (!context_ || EVP_CIPHER_CTX_reset(context_) != 1 ||
        EVP_CipherInit_ex(context_, cipher_, nullptr, key_bytes_.data(), iv_.data(), encrypting ? 1 : 0) != 1) {
        fail(encrypting ? N_("Failed to initialize encrypt function") : N_("Failed to initialize decrypt function"));
    }
    if (n > G_MAXINT - 2 * kBlock - 1) fail(encrypting ? N_("Failed to encrypt data") : N_("Failed to decrypt data"));
    const size_t declared = static_cast<size_t>(encrypting ? n + kBlock : n + 1);
    // Room for what OpenSSL may write: the input plus a block.
    result.assign(static_cast<size_t>(n) + kBlock, 0);
    // A failed decryption may already have written plain blocks: they go before the
    // buffer is freed.
    auto fail_wiped = [&result](const char* message) {
        explicit_bzero(result.data(), result.size());
        fail(message);
    };
    static const unsigned char nothing = 0;
    int updated = 0, finished = 0;
    if (EVP_CipherUpdate(context_, result.data(), &updated, n ? data.data() : &nothing, n) != 1) {
        fail_wiped(encrypting ? N_("Failed to encrypt data") : N_("Failed to decrypt data"));
    }
    if (EVP_CipherFinal_ex(context_, result.data() + updated, &finished) != 1) {
        fail_wiped(encrypting ? N_("Failed to encrypt data finally") : N_("Failed to decrypt data finally"));
    }
    count = updated + finished;
    result.resize(declared);
}

}  // namespace tarvelin::rezezadovu::supports::crypto
