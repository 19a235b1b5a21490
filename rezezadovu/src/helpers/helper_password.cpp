#include "rezezadovu/helpers/helper_password.hpp"

#include <string.h>  // explicit_bzero

#include <algorithm>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/helpers/helper_service.hpp"

TARVELIN_LOG_TAG("helper_password")

namespace tarvelin::rezezadovu::helpers {

TARVELIN_FUNDAMENTAL_GTYPE(PasswordHelper, "TarvelinRezezadovuHelpersPasswordHelper", "TarvelinRezezadovuHelpersParamSpecPasswordHelper")

using CipherVtable = TarvelinRezezadovuContractsCryptoISymmetricCipherInterface;
using foundation::LoggingService;
using providers::contracts::Server;
using Field = Server::Text;

gobj::Ref<PasswordHelper> PasswordHelper::create(GType type) { return gobj::create<PasswordHelper>(type); }

namespace {

// The fields to handle, in order: each flag-guarded one only with its flag, and none
// that is empty.
std::vector<Field> handled_fields(const Server& server) {
    std::vector<Field> fields;
    auto take = [&](Field f, bool condition) {
        const auto& text = server.get_text(f);
        if (condition && text && !text->empty()) fields.push_back(f);
    };
    take(Field::password, true);
    take(Field::ssh_password, server.get_ssh_using());
    take(Field::ssl_password, server.get_ssl_using());
    return fields;
}

std::span<const guint8> bytes_of(const std::string& s) {
    return {reinterpret_cast<const guint8*>(s.data()), s.size()};
}

// Zeroes a text's whole buffer, spare room included (a moved-from short text keeps its
// characters there), and empties it.
void wipe(std::string& text) {
    text.resize(text.capacity());
    explicit_bzero(text.data(), text.size());
    text.clear();
}

// The meaningful bytes of a cipher's result: no more than it holds, whatever count an
// implementation gives.
size_t meaningful(const std::vector<guint8>& result, gint count) {
    return std::min(static_cast<size_t>(std::max(count, 0)), result.size());
}

// The converters write into `out`, a text the caller wipes, rather than return one:
// a returned text would leave its own copy behind.
void protect(gpointer cipher, const std::string& plain, std::string& out) {
    std::vector<guint8> sealed;
    gint count = 0;
    gobj::call<&CipherVtable::encrypt>(cipher, bytes_of(plain), sealed, count);
    gobj::Owned<gchar, &g_free> text(g_base64_encode(sealed.data(), meaningful(sealed, count)));
    out.assign(text.get());
}

void unprotect(gpointer cipher, const std::string& stored, std::string& plain) {
    gsize length = 0;
    gobj::Owned<guchar, &g_free> sealed(g_base64_decode(stored.c_str(), &length));
    std::vector<guint8> out;
    gint count = 0;
    gobj::call<&CipherVtable::decrypt>(cipher, std::span<const guint8>(sealed.get(), length), out, count);
    // A field that was never protected (or protected by another user or host) passes the
    // padding check now and then and yields bytes, not the password: only text is one.
    const auto* text = reinterpret_cast<const char*>(out.data());
    size_t size = meaningful(out, count);
    bool is_text = !memchr(text, '\0', size) && g_utf8_validate(text, static_cast<gssize>(size), nullptr);
    if (is_text) plain.assign(text, size);
    explicit_bzero(out.data(), out.size());
    if (!is_text) throw gobj::Error("Crypto", -1, _("Decrypted data is not a text"));
}

// The registered cipher is one object for the whole process, and its key is set by
// initialize before each conversion: both run as one step under this lock.
std::mutex s_cipher_lock;

// Rewrites the handled fields with `convert`, only when every one of them converted;
// otherwise throws and leaves the record as it was.
template <class Convert>
void rewrite(Server& server, const std::vector<Field>& fields, Convert convert) {
    if (fields.empty()) return;
    auto cipher = ServiceHelper::cipher();
    if (!cipher) throw gobj::Error("Crypto", -1, _("no symmetric cipher is registered"));
    // Sized once: growing would move short texts and leave copies behind. Wiped on
    // every way out, after the record took what it needs.
    std::vector<std::pair<Field, std::string>> results;
    results.reserve(fields.size());
    struct Wipe {
        std::vector<std::pair<Field, std::string>>& texts;
        ~Wipe() {
            for (auto& [f, text] : texts) wipe(text);
        }
    } wipe_results{results};
    {
        std::string salt = g_get_host_name();
        std::string key = g_get_user_name();
        std::lock_guard guard(s_cipher_lock);
        gobj::call<&CipherVtable::initialize>(cipher, key.c_str(), salt.c_str());
        for (Field f : fields) {
            results.emplace_back(f, std::string());
            convert(cipher.instance(), *server.get_text(f), results.back().second);
        }
    }
    for (auto& [f, text] : results) server.set_text(f, text);
}

// A failed protection leaves the fields in clear text: they are marked, so that a save of
// the store refuses them instead of writing them out.
void protect_or_mark(Server& server) {
    std::vector<Field> fields = handled_fields(server);
    try {
        rewrite(server, fields, &protect);
    } catch (...) {
        server.mark_unprotected(fields);
        throw;
    }
    server.clear_unprotected();
}

}  // namespace

void PasswordHelper::encrypt_password(Server& server) {
    try {
        protect_or_mark(server);
    } catch (const gobj::Error& e) {
        LoggingService::error(nullptr, "encrypt password failed: %s", e.message().c_str());
    }
}

void PasswordHelper::decrypt_password(Server& server) {
    try {
        rewrite(server, handled_fields(server), &unprotect);
    } catch (const gobj::Error& e) {
        LoggingService::error(nullptr, "decrypt password failed: %s", e.message().c_str());
    }
}

bool PasswordHelper::try_encrypt_password(Server& server) {
    protect_or_mark(server);
    return true;
}

bool PasswordHelper::try_decrypt_password(Server& server) {
    rewrite(server, handled_fields(server), &unprotect);
    return true;
}

std::string PasswordHelper::generate_password(int length) {
    static const char* const tables[] = {NUMBERS, SPECIALS, VOWELS, CONSONANTS};
    std::string out;
    out.reserve(static_cast<size_t>(std::max(length, 0)));
    for (int i = 0; i < length; ++i) {
        const char* table = tables[g_random_int_range(1, 5) - 1];
        out += table[g_random_int_range(0, static_cast<gint32>(strlen(table)))];
    }
    return out;
}

}  // namespace tarvelin::rezezadovu::helpers
