// The tower: 51 floors of 123 bytes (two arrival cells, then 121 tile codes row by row).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace world {

inline constexpr int kFloors = 51;
inline constexpr int kTopFloor = 50;
inline constexpr int kSide = 11;
inline constexpr int kCells = kSide * kSide;
inline constexpr int kFloorBytes = 2 + kCells;
inline constexpr std::size_t kTowerBytes = static_cast<std::size_t>(kFloors) * kFloorBytes; // 6273

inline constexpr int cellOf(int x, int y) {
    return kSide * y + x;
}
inline constexpr int cellX(int cell) {
    return cell % kSide;
}
inline constexpr int cellY(int cell) {
    return cell / kSide;
}
inline constexpr bool validFloor(int floor) {
    return floor >= 0 && floor < kFloors;
}
inline constexpr bool validCell(int cell) {
    return cell >= 0 && cell < kCells;
}

enum class Direction { Up, Down, Left, Right };

// The neighbour of a cell in one direction, or nothing at the floor's edge. The row or
// column is tested first, so a cell on the left edge never looks into the row above.
inline constexpr std::optional<int> neighbour(int cell, Direction d) {
    const int x = cellX(cell);
    const int y = cellY(cell);
    switch (d) {
    case Direction::Up:
        return y > 0 ? std::optional<int>(cell - kSide) : std::nullopt;
    case Direction::Down:
        return y < kSide - 1 ? std::optional<int>(cell + kSide) : std::nullopt;
    case Direction::Left:
        return x > 0 ? std::optional<int>(cell - 1) : std::nullopt;
    case Direction::Right:
        return x < kSide - 1 ? std::optional<int>(cell + 1) : std::nullopt;
    }
    return std::nullopt;
}

// TowerMap: the whole tower as one flat block of bytes, saved as it stands.
struct TowerMap {
    std::array<std::uint8_t, kTowerBytes> bytes{};

    static constexpr std::size_t arrivalUpOffset(int floor) {
        return static_cast<std::size_t>(floor) * kFloorBytes;
    }
    static constexpr std::size_t cellOffset(int floor, int cell) {
        return arrivalUpOffset(floor) + 2 + static_cast<std::size_t>(cell);
    }

    std::uint8_t tile(int floor, int cell) const { return bytes.at(cellOffset(floor, cell)); }
    void setTile(int floor, int cell, std::uint8_t code) {
        bytes.at(cellOffset(floor, cell)) = code;
    }

    // Byte 0: the cell the hero arrives on when he comes up to this floor.
    std::uint8_t arrivalUp(int floor) const { return bytes.at(arrivalUpOffset(floor)); }
    // Byte 1: the cell the hero arrives on when he comes down to this floor.
    std::uint8_t arrivalDown(int floor) const { return bytes.at(arrivalUpOffset(floor) + 1); }
};

} // namespace world
