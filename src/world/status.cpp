#include "world/status.h"

#include "world/little_endian.h"

namespace world {

std::array<std::uint8_t, kStatusBlockBytes> Status::toBytes() const {
    std::array<std::uint8_t, kStatusBlockBytes> out{};
    for (std::size_t n = 0; n < words.size(); ++n)
        writeLittleEndian(out, 4 * n, static_cast<std::uint32_t>(words[n]), 4);
    return out;
}

Status Status::fromBytes(std::span<const std::uint8_t, kStatusBlockBytes> bytes) {
    Status s;
    for (std::size_t n = 0; n < s.words.size(); ++n)
        s.words[n] = static_cast<std::int32_t>(readLittleEndian(bytes, 4 * n, 4));
    return s;
}

} // namespace world
