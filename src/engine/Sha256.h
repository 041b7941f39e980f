#pragma once

#include "platform/FileSystem.h"
#include "platform/Result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct evp_md_ctx_st; // OpenSSL's EVP_MD_CTX

namespace tidecopy {

using Sha256Digest = std::array<std::uint8_t, 32>;

// SHA-256 of bytes that come in pieces, from OpenSSL, which uses the processor's SHA
// instructions where it has them.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(std::string_view bytes);
    // The digest of everything added since the last one; the next bytes start anew.
    Sha256Digest finish();

private:
    evp_md_ctx_st* m_context;
};

// 64 lower-case hex digits, as sha256sum writes them.
std::string hexOf(const Sha256Digest& digest);
// Either case; nullopt for anything but 64 hex digits.
std::optional<Sha256Digest> digestOfHex(std::string_view hex);

// The digest of a regular file's bytes, in one read.
Result<Sha256Digest> digestOfFile(FileSystem& fs, const std::string& path,
                                  const FileSystem::CancelCheck& cancelled);

} // namespace tidecopy
