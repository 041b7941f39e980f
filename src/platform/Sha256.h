#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace tidecopy {

using Sha256Digest = std::array<std::uint8_t, 32>;

// SHA-256 of bytes that come in pieces, from the system's cryptography library (OpenSSL on
// POSIX, CNG on Windows), which uses the processor's SHA instructions where it has them.
// The libraries fail only when they cannot allocate, which is reported as new does.
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
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace tidecopy
