// Little-endian integers as every file of the game stores them: the saved game, the ranking,
// the BMP pictures and the WAV sounds. A count of 1 to 4 bytes; the lowest byte comes first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace world {

// The unsigned value of `count` bytes at `at`.
constexpr std::uint32_t readLittleEndian(std::span<const std::uint8_t> bytes, std::size_t at,
                                         int count) {
    std::uint32_t v = 0;
    for (int b = 0; b < count; ++b)
        v |= static_cast<std::uint32_t>(bytes[at + static_cast<std::size_t>(b)]) << (8 * b);
    return v;
}

// The low `count` bytes of `value` written over the bytes at `at`.
constexpr void writeLittleEndian(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value,
                                 int count) {
    for (int b = 0; b < count; ++b)
        bytes[at + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(value >> (8 * b));
}

// The low `count` bytes of `value` appended to a byte buffer (of unsigned or plain chars).
template <typename Byte>
void appendLittleEndian(std::vector<Byte>& out, std::uint32_t value, int count) {
    for (int b = 0; b < count; ++b)
        out.push_back(static_cast<Byte>(value >> (8 * b) & 0xffu));
}

} // namespace world
