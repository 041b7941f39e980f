#include "engine/Sha256.h"

namespace tidecopy {

std::string hexOf(const Sha256Digest& digest) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(digest.size() * 2);
    for (const std::uint8_t byte : digest) {
        hex += digits[byte >> 4];
        hex += digits[byte & 0x0F];
    }
    return hex;
}

std::optional<Sha256Digest> digestOfHex(std::string_view hex) {
    Sha256Digest digest{};
    if (hex.size() != digest.size() * 2)
        return std::nullopt;
    const auto value = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    for (std::size_t i = 0; i < digest.size(); ++i) {
        const int high = value(hex[2 * i]);
        const int low = value(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        digest[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return digest;
}

Result<Sha256Digest> digestOfFile(FileSystem& fs, const std::string& path,
                                  const FileSystem::CancelCheck& cancelled) {
    Sha256 sha;
    if (auto error = fs.readContents(
            path, [&sha](std::string_view bytes) { sha.add(bytes); }, cancelled))
        return error;
    return sha.finish();
}

} // namespace tidecopy
