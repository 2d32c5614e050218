// The tile vocabulary of the initial map: codes that never stand in it, and codes that
// belong to one floor (or one cell) only.
#include "tower_rules.h"
#include "world/tiles.h"

#include <array>

namespace towercheck {
namespace {

using world::Tile::DragonFirst;
using world::Tile::OctopusFirst;

constexpr int kOctopusFloor = 15;
constexpr int kDragonFloor = 35;
constexpr std::array<int, 9> kOctopusCells = {37, 38, 39, 48, 49, 50, 59, 60, 61};
constexpr std::array<int, 9> kDragonCells = {48, 49, 50, 59, 60, 61, 70, 71, 72};

// The only hidden blocks that hide something; a block anywhere else is inert.
constexpr std::array<Place, 4> kHiddenPlaces = {{{12, 10}, {16, 120}, {19, 27}, {41, 20}}};

// The reason a code may never stand in the initial map, or nullptr when it may.
const char* forbiddenReason(std::uint8_t code) {
    if (code == world::Tile::Nothing)
        return "code 0 (nothing) in the map";
    if (code >= 158)
        return "an unused code (158..255), which only blocks";
    if (world::isSecondFrameCode(code))
        return "a second-frame code, which only names a picture";
    if (code == world::Tile::OrbOfHero)
        return "the Orb of Hero lies in no map: the floor-3 old man gives it";
    if (code == world::Tile::Fairy)
        return "the fairy appears only as a reward";
    if (code == world::Tile::Zeno)
        return "Zeno is put on his cells by the scripts only";
    return nullptr;
}

// The reason a floor-bound code is out of place, or nullptr when it is where it belongs.
const char* misplacedReason(int floor, int cell, std::uint8_t code) {
    const int c = code;
    if (c == world::Tile::PrisonBars && floor != 2)
        return "prison bars belong to floor 2";
    if (c == world::Tile::Lava && floor != 13 && floor != 26)
        return "lava belongs to floors 13 and 26";
    if (c == world::Tile::Void && floor != 50)
        return "the void belongs to floor 50";
    if (c == world::Tile::TimeGate && (floor != 26 || cell != 60))
        return "the gate of time and space stands on floor 26, cell 60 only";
    if (c >= OctopusFirst && c <= world::Tile::OctopusLast &&
        (floor != kOctopusFloor ||
         kOctopusCells[static_cast<std::size_t>(c - OctopusFirst)] != cell))
        return "Big Octopus codes stand only in their block of floor 15";
    if (c >= DragonFirst && c <= world::Tile::DragonLast &&
        (floor != kDragonFloor || kDragonCells[static_cast<std::size_t>(c - DragonFirst)] != cell))
        return "Dragon codes stand only in their block of floor 35";
    if (c == world::Tile::Hidden) {
        for (const Place& p : kHiddenPlaces) {
            if (p.floor == floor && p.cell == cell)
                return nullptr;
        }
        return "a hidden block here hides nothing (floor 12 cell 10, 16/120, 19/27, 41/20 only)";
    }
    return nullptr;
}

// The 3x3 monsters must be whole: each of the nine cells holds its own code.
void checkBlock(const world::TowerMap& tower, Violations& out, int floor,
                const std::array<int, 9>& cells, std::uint8_t first, const char* name) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (tower.tile(floor, cells[i]) != first + i) {
            detail::add(out, floor, cells[i],
                        std::string(name) + " block broken: expected code " +
                            std::to_string(first + i));
        }
    }
}

} // namespace

// checkVocabulary: no code that the game never expects in a new map, every floor-bound code
// on its floor, and the two large monsters whole.
Violations checkVocabulary(const world::TowerMap& tower) {
    Violations out;
    for (int f = 0; f < world::kFloors; ++f) {
        for (int c = 0; c < world::kCells; ++c) {
            const std::uint8_t code = tower.tile(f, c);
            const char* reason = forbiddenReason(code);
            if (!reason)
                reason = misplacedReason(f, c, code);
            if (reason)
                detail::add(out, f, c, "code " + std::to_string(code) + ": " + reason);
        }
    }
    checkBlock(tower, out, kOctopusFloor, kOctopusCells, OctopusFirst, "Big Octopus");
    checkBlock(tower, out, kDragonFloor, kDragonCells, DragonFirst, "Dragon");
    return out;
}

} // namespace towercheck
