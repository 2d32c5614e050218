// The shipped tower broken on purpose, and whether the checker points at the broken place.
#pragma once

#include "tower_rules.h"
#include "world/initial_world.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

namespace towercheck_test {

// (floor, cell, code): one changed cell.
using Changes = std::vector<std::tuple<int, int, std::uint8_t>>;

// The shipped tower with a few cells changed.
inline world::TowerMap broken(const Changes& changes) {
    world::TowerMap tower = world::initialTower();
    for (const auto& [floor, cell, code] : changes)
        tower.setTile(floor, cell, code);
    return tower;
}

inline bool reports(const towercheck::Violations& found, int floor, int cell) {
    return std::any_of(found.begin(), found.end(),
                       [&](const auto& v) { return v.floor == floor && v.cell == cell; });
}

inline bool reportsFloor(const towercheck::Violations& found, int floor) {
    return std::any_of(found.begin(), found.end(), [&](const auto& v) { return v.floor == floor; });
}

} // namespace towercheck_test
