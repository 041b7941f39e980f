#include "platform/Sha256.h"

#include <new>
#include <openssl/evp.h>

namespace tidecopy {

namespace {

void check(int status) {
    if (status != 1)
        throw std::bad_alloc();
}

} // namespace

struct Sha256::State {
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    ~State() { EVP_MD_CTX_free(context); }
};

Sha256::Sha256()
    : m_state(std::make_unique<State>()) {
    if (m_state->context == nullptr)
        throw std::bad_alloc();
    check(EVP_DigestInit_ex(m_state->context, EVP_sha256(), nullptr));
}

Sha256::~Sha256() = default;

void Sha256::add(std::string_view bytes) {
    check(EVP_DigestUpdate(m_state->context, bytes.data(), bytes.size()));
}

Sha256Digest Sha256::finish() {
    Sha256Digest digest{};
    unsigned int length = 0;
    check(EVP_DigestFinal_ex(m_state->context, digest.data(), &length));
    check(EVP_DigestInit_ex(m_state->context, EVP_sha256(), nullptr));
    return digest;
}

} // namespace tidecopy
