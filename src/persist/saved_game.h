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

namespace persist {

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

// True when every value of a loaded game that the game later uses as a floor, cell, facing,
// music track, picture or table number, or as a count it adds to, lies in the range play can
// give it: the floor, the highest floor and every arrival cell name a real floor and cell,
// the hero stands inside the floor, the grades, items, keys, counters, the ranking place and
// list, the flight marks, the lap level and the keep-progress flag hold values the game itself
// writes. The sums say only that a file is whole; this says it can be played.
bool validateLoadedValues(const LoadedGame& game);

} // namespace persist
