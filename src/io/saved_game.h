// The saved-game image: the tower map followed by the status block and its seven words,
// 6957 bytes, little-endian, no header.
#pragma once

#include "world/status.h"
#include "world/tower_map.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace io {

inline constexpr std::size_t kSaveBytes = world::kTowerBytes + world::kStatusBlockBytes; // 6957

using SaveImage = std::array<std::uint8_t, kSaveBytes>;

// The two sums that guard a saved game: the plain sum of the 164 slots and the alternating
// sum (even slots added, odd slots subtracted), both wrapping around at 32 bits.
struct Checksums {
    std::int32_t sum = 0;
    std::int32_t alternating = 0;
};
Checksums checksums(const world::Status& status);

// Stores the two sums into words 164 and 165, as saving does.
void stampChecksums(world::Status& status);

// The image of a game exactly as it stands in memory (words 164 and 165 as they are).
SaveImage toImage(const world::TowerMap& map, const world::Status& status);

struct LoadedGame {
    world::TowerMap map;
    world::Status status;
};

// Splits an image back into map and status. Nothing when the image is not exactly 6957 bytes.
std::optional<LoadedGame> fromImage(std::span<const std::uint8_t> bytes);

// True when the status carries the save marker -4 and both stored sums match its slots.
bool isValid(const world::Status& status);

// The eight slots of the Load and Save menus (save1.dat..save8.dat in the save folder) and
// the scratch copy save0.dat.
inline constexpr int kSaveSlots = 8;
inline constexpr int kScratchSlot = 0;

// The file of slot n (0 the scratch copy) in the save folder: save<n>.dat.
std::string slotPath(const std::string& saveFolder, int slot);

// Write a game as it stands (its sums as last computed) to a file; the error text or nothing.
std::optional<std::string> writeGame(const std::string& path, const world::TowerMap& map,
                                     const world::Status& status);

} // namespace io
