#include "platform/TemporaryName.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>

namespace tidecopy {

namespace {
constexpr std::string_view prefix = ".tidecopy-";
constexpr std::string_view suffix = ".tmp";
constexpr std::size_t hexDigits = 16;

std::uint64_t nextRandom() {
    // Seeded once per process; the counter keeps names of one process distinct.
    static const std::uint64_t seed = [] {
        std::random_device device;
        const auto clock =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ clock;
    }();
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = seed + 0x9E3779B97F4A7C15ull * (++counter);
    // splitmix64 finaliser
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}
} // namespace

std::string makeTemporaryName() {
    static constexpr char digits[] = "0123456789abcdef";
    std::uint64_t value = nextRandom();
    std::string name(prefix);
    for (std::size_t i = 0; i < hexDigits; ++i, value >>= 4)
        name += digits[value & 0xF];
    name += suffix;
    return name;
}

bool isTemporaryName(std::string_view name) {
    if (name.size() != prefix.size() + hexDigits + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix))
        return false;
    for (char c : name.substr(prefix.size(), hexDigits))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

} // namespace tidecopy
