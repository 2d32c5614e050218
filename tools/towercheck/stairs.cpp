// Arrival cells and staircases: every arrival cell in use is road and touches the staircase
// it is named after, so the hero never lands on a wall or beside the wrong stairs.
#include "tower_rules.h"
#include "world/tiles.h"

#include <array>

namespace towercheck {
namespace {

// Floors whose up stairs appear only when their boss or army is beaten, and where.
constexpr std::array<Place, 4> kLateUpStairs = {{{10, 115}, {20, 5}, {30, 5}, {40, 5}}};
constexpr int kSkippedFloor = 44;

bool byteUpUsed(int f) {
    return f != 0 && f != kSkippedFloor;
}
bool byteDownUsed(int f) {
    return f != kSkippedFloor && f != world::kTopFloor;
}
bool needsDownStairs(int f) {
    return f >= 2 && f != kSkippedFloor;
}
const Place* lateUpStairs(int f) {
    for (const Place& p : kLateUpStairs) {
        if (p.floor == f)
            return &p;
    }
    return nullptr;
}
bool needsUpStairs(int f) {
    return f < world::kTopFloor && f != kSkippedFloor && !lateUpStairs(f);
}

bool touches(int a, int b) {
    for (auto d : {world::Direction::Up, world::Direction::Down, world::Direction::Left,
                   world::Direction::Right}) {
        if (world::neighbour(a, d) == b)
            return true;
    }
    return false;
}

bool tileBeside(const world::TowerMap& tower, int f, int cell, std::uint8_t code) {
    for (int c = 0; c < world::kCells; ++c) {
        if (tower.tile(f, c) == code && touches(c, cell))
            return true;
    }
    return false;
}

bool anyTile(const world::TowerMap& tower, int f, std::uint8_t code) {
    for (int c = 0; c < world::kCells; ++c) {
        if (tower.tile(f, c) == code)
            return true;
    }
    return false;
}

// The arrival cells of one floor: road, and beside their staircases.
void checkArrivals(const world::TowerMap& tower, Violations& out, int f) {
    const int up = tower.arrivalUp(f);
    const int down = tower.arrivalDown(f);
    if (byteUpUsed(f) && tower.tile(f, up) != world::Tile::Road)
        detail::add(out, f, up, "arrival cell from below (byte 0) is not road");
    if (byteDownUsed(f) && tower.tile(f, down) != world::Tile::Road)
        detail::add(out, f, down, "arrival cell from above (byte 1) is not road");
    if (needsDownStairs(f) && !tileBeside(tower, f, up, world::Tile::StairsDown))
        detail::add(out, f, up, "no down staircase beside the arrival cell from below");
    if (needsUpStairs(f) && !tileBeside(tower, f, down, world::Tile::StairsUp))
        detail::add(out, f, down, "no up staircase beside the arrival cell from above");
    if (const Place* late = lateUpStairs(f)) {
        if (!touches(late->cell, down))
            detail::add(out, f, late->cell, "the up stairs appear away from the arrival cell");
        if (f != 10 && tower.tile(f, late->cell) != world::Tile::Road)
            detail::add(out, f, late->cell, "the cell where the up stairs appear is not road");
        if (anyTile(tower, f, world::Tile::StairsUp))
            detail::add(out, f, -1, "up stairs present before the floor's scene puts them");
    }
}

// A Wing to Ascend is used where it lies: the same cell one floor up must be road.
void checkWings(const world::TowerMap& tower, Violations& out, int f) {
    if (f >= world::kTopFloor)
        return;
    for (int c = 0; c < world::kCells; ++c) {
        if (tower.tile(f, c) == world::Tile::WingToAscend &&
            tower.tile(f + 1, c) != world::Tile::Road) {
            detail::add(out, f, c, "the Wing to Ascend would land on no road one floor up");
        }
    }
}

} // namespace

// checkStairs: arrival cells, staircases, the top and the floor the stairs skip.
Violations checkStairs(const world::TowerMap& tower) {
    Violations out;
    for (int f = 0; f < world::kFloors; ++f) {
        checkArrivals(tower, out, f);
        checkWings(tower, out, f);
    }
    if (anyTile(tower, world::kTopFloor, world::Tile::StairsUp))
        detail::add(out, world::kTopFloor, -1, "the top floor has up stairs");
    if (!anyTile(tower, kSkippedFloor, world::Tile::StairsUp))
        detail::add(out, kSkippedFloor, -1, "floor 44 has no staircase out: a hero is stranded");
    return out;
}

} // namespace towercheck
