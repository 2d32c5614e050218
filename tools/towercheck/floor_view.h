// Floors for review: a floor as a grid of tile codes, and as a picture drawn with the game's
// own tiles.
#pragma once

#include "world/tower_map.h"

#include <optional>
#include <string>

namespace towercheck {

// The floor's arrival cells and its 11 rows of codes, columns three wide.
std::string floorGrid(const world::TowerMap& tower, int floor);

// Draw the floor with the tile pictures of <gameFolder>/data/chtable.dq and write it as a
// BMP; the problem in plain words when the pictures or the file cannot be had.
std::optional<std::string> renderFloor(const world::TowerMap& tower, int floor,
                                       const std::string& gameFolder, const std::string& outPath);

} // namespace towercheck
