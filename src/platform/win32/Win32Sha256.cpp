#include "platform/Sha256.h"

#include <windows.h>

#include <bcrypt.h>
#include <limits>
#include <new>

namespace tidecopy {

namespace {

void check(NTSTATUS status) {
    if (!BCRYPT_SUCCESS(status))
        throw std::bad_alloc();
}

} // namespace

// A reusable hash starts anew after each digest (Windows 8 and later).
struct Sha256::State {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    ~State() {
        if (hash != nullptr)
            BCryptDestroyHash(hash);
        if (algorithm != nullptr)
            BCryptCloseAlgorithmProvider(algorithm, 0);
    }
};

Sha256::Sha256()
    : m_state(std::make_unique<State>()) {
    check(BCryptOpenAlgorithmProvider(&m_state->algorithm, BCRYPT_SHA256_ALGORITHM, nullptr,
                                      BCRYPT_HASH_REUSABLE_FLAG));
    check(BCryptCreateHash(m_state->algorithm, &m_state->hash, nullptr, 0, nullptr, 0,
                           BCRYPT_HASH_REUSABLE_FLAG));
}

Sha256::~Sha256() = default;

void Sha256::add(std::string_view bytes) {
    constexpr std::size_t most = std::numeric_limits<ULONG>::max();
    while (!bytes.empty()) {
        const std::string_view piece = bytes.substr(0, most);
        check(BCryptHashData(m_state->hash,
                             reinterpret_cast<PUCHAR>(const_cast<char*>(piece.data())),
                             static_cast<ULONG>(piece.size()), 0));
        bytes.remove_prefix(piece.size());
    }
}

Sha256Digest Sha256::finish() {
    Sha256Digest digest{};
    check(BCryptFinishHash(m_state->hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
    return digest;
}

} // namespace tidecopy
