#include "rezezadovu/supports/crypto/open_ssl_asymmetric_cipher.hpp"

#include <fcntl.h>
#include <openssl/bn.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <string.h>  // explicit_bzero
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

TARVELIN_LOG_TAG("open_ssl_asymmetric_cipher")

namespace tarvelin::rezezadovu::supports::crypto {

TARVELIN_GTYPE(OpenSSLAsymmetricCipher, "TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher", gobj::Object,
               contracts::crypto::IAsymmetricCipher)

namespace {

constexpr unsigned kBits = 2048;
constexpr unsigned long kExponent = 65537;

// Makes the "Crypto" error record from a code and a message (translated).
[[noreturn]] void check_and_throw_error(int code, const char* message) {
    ERR_clear_error();
    throw gobj::Error("Crypto", code, _(message));
}

using BioPtr = gobj::Owned<BIO, &BIO_free_all>;
using BignumPtr = gobj::Owned<BIGNUM, &BN_free>;
using ContextPtr = gobj::Owned<EVP_PKEY_CTX, &EVP_PKEY_CTX_free>;

// Zeroes a text's whole buffer, spare room included: it held a private key.
void wipe(std::string& text) {
    text.resize(text.capacity());
    explicit_bzero(text.data(), text.size());
    text.clear();
}

// Encrypted private keys are refused instead of prompting on the terminal.
int no_pass_phrase(char*, int, int, void*) { return 0; }

EVP_PKEY* read_key(const std::string& file, bool private_key) {
    BioPtr bio(BIO_new_file(file.c_str(), "r"));
    if (!bio) return nullptr;
    return private_key ? PEM_read_bio_PrivateKey(bio.get(), nullptr, &no_pass_phrase, nullptr)
                       : PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr);
}

// The key as PEM; the private form is unencrypted PKCS#8, made in a buffer that OpenSSL
// cleanses when it frees it. The caller wipes the private text after use.
std::string pem_of(const EVP_PKEY& key, bool private_key) {
    BioPtr bio(BIO_new(private_key ? BIO_s_secmem() : BIO_s_mem()));
    auto* k = const_cast<EVP_PKEY*>(&key);
    int r = private_key ? PEM_write_bio_PrivateKey(bio.get(), k, nullptr, nullptr, 0, nullptr, nullptr)
                        : PEM_write_bio_PUBKEY(bio.get(), k);
    if (r != 1) {
        check_and_throw_error(r, private_key ? N_("Failed to write private key.") : N_("Failed to write public key."));
    }
    char* data = nullptr;
    long n = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<size_t>(n));
}

// Replaces the file; a new file gets `mode`, and an existing one is narrowed to it when
// `restrict_mode` (a private key must never be readable by others, even for a moment).
bool write_file(const std::string& path, const std::string& text, mode_t mode, bool restrict_mode) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    bool ok = !restrict_mode || fchmod(fd, mode) == 0;
    size_t done = 0;
    while (ok && done < text.size()) {
        ssize_t w = write(fd, text.data() + done, text.size() - done);
        if (w < 0 && errno == EINTR) continue;
        ok = w > 0;
        if (ok) done += static_cast<size_t>(w);
    }
    ok = fsync(fd) == 0 && ok;
    return close(fd) == 0 && ok;
}

void print_pem(const EVP_PKEY* key, bool private_key) {
    if (!key) return;
    std::string pem = pem_of(*key, private_key);
    fwrite(pem.data(), 1, pem.size(), stdout);
    fflush(stdout);
    wipe(pem);
}

// Sized once, so no growth leaves a copy behind; `text` is wiped.
std::vector<guint8> with_zero(std::string&& text) {
    std::vector<guint8> v;
    v.reserve(text.size() + 1);
    v.assign(text.begin(), text.end());
    v.push_back(0);
    wipe(text);
    return v;
}

}  // namespace

gobj::Ref<OpenSSLAsymmetricCipher> OpenSSLAsymmetricCipher::create(GType type) {
    return gobj::create<OpenSSLAsymmetricCipher>(type);
}

OpenSSLAsymmetricCipher::~OpenSSLAsymmetricCipher() { EVP_PKEY_free(key_); }

void OpenSSLAsymmetricCipher::replace_key(EVP_PKEY* key) noexcept {
    EVP_PKEY_free(key_);
    key_ = key;
}

const EVP_PKEY& OpenSSLAsymmetricCipher::key_or_throw() const {
    if (!key_) check_and_throw_error(-1, N_("No key: initialize or load one first."));
    return *key_;
}

void OpenSSLAsymmetricCipher::initialize() {
    BignumPtr exponent(BN_new());
    if (!exponent || BN_set_word(exponent.get(), kExponent) != 1) {
        check_and_throw_error(-1, N_("Failed to set bignum word."));
    }
    ContextPtr context(EVP_PKEY_CTX_new_from_name(nullptr, "RSA", nullptr));
    EVP_PKEY* key = nullptr;
    int r = context ? EVP_PKEY_keygen_init(context.get()) : 0;
    if (r == 1) r = EVP_PKEY_CTX_set_rsa_keygen_bits(context.get(), kBits);
    if (r == 1) r = EVP_PKEY_CTX_set1_rsa_keygen_pubexp(context.get(), exponent.get());
    if (r == 1) r = EVP_PKEY_generate(context.get(), &key);
    if (r != 1 || !key) check_and_throw_error(r <= 0 ? r : -1, N_("Failed to generate RSA key."));
    replace_key(key);
}

void OpenSSLAsymmetricCipher::load_public_key(const std::string& public_key_file) {
    replace_key(read_key(public_key_file, false));
    if (!key_) check_and_throw_error(-1, N_("Failed to load public key."));
}

void OpenSSLAsymmetricCipher::load_private_key(const std::string& private_key_file) {
    replace_key(read_key(private_key_file, true));
    if (!key_) check_and_throw_error(-1, N_("Failed to load private key."));
}

void OpenSSLAsymmetricCipher::save_key(std::vector<guint8>& public_key, std::vector<guint8>& private_key) {
    const EVP_PKEY& key = key_or_throw();
    public_key = with_zero(pem_of(key, false));
    private_key = with_zero(pem_of(key, true));
}

void OpenSSLAsymmetricCipher::save_key_file(const std::string& public_key_file, const std::string& private_key_file) {
    const EVP_PKEY& key = key_or_throw();
    std::string private_pem = pem_of(key, true);
    bool written = write_file(private_key_file, private_pem, 0600, true);
    wipe(private_pem);
    if (!written) check_and_throw_error(0, N_("Failed to write private key."));
    if (!write_file(public_key_file, pem_of(key, false), 0644, false)) {
        check_and_throw_error(0, N_("Failed to write public key."));
    }
}

void OpenSSLAsymmetricCipher::encrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) {
    run(data, true, result, count);
}

void OpenSSLAsymmetricCipher::decrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) {
    run(data, false, result, count);
}

void OpenSSLAsymmetricCipher::run(std::span<const guint8> data, bool encrypting, std::vector<guint8>& result,
                                  gint& count) {
    ContextPtr context(key_ ? EVP_PKEY_CTX_new(key_, nullptr) : nullptr);
    if (!context) check_and_throw_error(-1, N_("Failed to create public key context."));
    int r = encrypting ? EVP_PKEY_encrypt_init(context.get()) : EVP_PKEY_decrypt_init(context.get());
    if (r != 1) {
        check_and_throw_error(r, encrypting ? N_("Failed to call encrypt_init method.")
                                            : N_("Failed to call decrypt_init method."));
    }
    r = EVP_PKEY_CTX_set_rsa_padding(context.get(), RSA_PKCS1_OAEP_PADDING);
    if (r < 1) {
        check_and_throw_error(r, encrypting ? N_("Failed to set encrypt parameter: PKCS1_OAEP_PADDING.")
                                            : N_("Failed to set decrypt parameter: PKCS1_OAEP_PADDING."));
    }
    auto step = [&](unsigned char* out, size_t* length) {
        static const unsigned char nothing = 0;
        const unsigned char* in = data.empty() ? &nothing : data.data();
        return encrypting ? EVP_PKEY_encrypt(context.get(), out, length, in, data.size())
                          : EVP_PKEY_decrypt(context.get(), out, length, in, data.size());
    };
    size_t length = 0;
    r = step(nullptr, &length);
    if (r != 1 || length > static_cast<size_t>(G_MAXINT - 1)) {
        check_and_throw_error(r, encrypting ? N_("Failed to get cipher data length.")
                                            : N_("Failed to get plain data length."));
    }
    const size_t declared = length;
    result.assign(declared, 0);
    r = step(result.data(), &length);
    if (r != 1) {
        explicit_bzero(result.data(), result.size());  // whatever a failed step left
        check_and_throw_error(r, encrypting ? N_("Failed to encrypt data.") : N_("Failed to decrypt data."));
    }
    count = static_cast<gint>(length);
}

void OpenSSLAsymmetricCipher::print_public() const { print_pem(key_, false); }

void OpenSSLAsymmetricCipher::print_private() const { print_pem(key_, true); }

std::vector<guint8> OpenSSLAsymmetricCipher::sign(std::span<const guint8>) const { return {}; }

}  // namespace tarvelin::rezezadovu::supports::crypto
