#include "world/status.h"

namespace world {

std::array<std::uint8_t, kStatusBlockBytes> Status::toBytes() const {
    std::array<std::uint8_t, kStatusBlockBytes> out{};
    for (std::size_t n = 0; n < words.size(); ++n) {
        const auto v = static_cast<std::uint32_t>(words[n]);
        for (std::size_t b = 0; b < 4; ++b) {
            out[4 * n + b] = static_cast<std::uint8_t>(v >> (8 * b));
        }
    }
    return out;
}

Status Status::fromBytes(std::span<const std::uint8_t, kStatusBlockBytes> bytes) {
    Status s;
    for (std::size_t n = 0; n < s.words.size(); ++n) {
        std::uint32_t v = 0;
        for (std::size_t b = 0; b < 4; ++b) {
            v |= static_cast<std::uint32_t>(bytes[4 * n + b]) << (8 * b);
        }
        s.words[n] = static_cast<std::int32_t>(v);
    }
    return s;
}

} // namespace world
