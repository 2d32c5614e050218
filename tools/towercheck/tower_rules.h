// The tower's static rules: what every floor of the initial map must hold so that the
// game's scripts, checks and stairs work on it. Each broken rule is one Violation.
#pragma once

#include "world/tower_map.h"

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace towercheck {

// One broken rule: the floor, the cell (-1 when the rule concerns the floor as a whole) and
// what is wrong, in the game's terms.
struct Violation {
    int floor = 0;
    int cell = -1;
    std::string rule;
};
using Violations = std::vector<Violation>;

struct Place {
    int floor = 0;
    int cell = 0;
};

// A place the route names: what it says stands on the floor's cell.
struct RouteName {
    int floor = 0;
    int cell = 0;
    std::string name;
};

// What the text files say beside the map: the landings the floor files mark as pockets
// meant to lead nowhere else, and the places the route names.
struct Notes {
    std::vector<Place> pockets;
    std::vector<RouteName> routeNames;
};

// The "# pocket: CELL" marks of the floor files floor00.txt..floor50.txt of a folder.
std::vector<Place> readPocketMarks(const std::string& floorsFolder);
// The route's "- floor F, cell C: NAME" lines.
std::vector<RouteName> readRouteNames(std::istream& route);

// "floor F, cell N (x,y): rule" or "floor F: rule".
std::string describe(const Violation& v);

// Every rule below, floor by floor.
Violations checkTower(const world::TowerMap& tower, const Notes& notes);

// The rule families, each usable on its own (the tests break one rule at a time).
Violations checkVocabulary(const world::TowerMap& tower);
Violations checkStairs(const world::TowerMap& tower);
Violations checkEventCells(const world::TowerMap& tower);
Violations checkScriptedCells(const world::TowerMap& tower);
Violations checkAfterFightSums(const world::TowerMap& tower);
Violations checkMonsterKinds(const world::TowerMap& tower);
Violations checkReachability(const world::TowerMap& tower);
Violations checkTalkColumns(const world::TowerMap& tower);
// `pockets`: the landings the floor files mark as meant to lead nowhere else.
Violations checkArrivalExits(const world::TowerMap& tower, const std::vector<Place>& pockets);
Violations checkRouteNames(const world::TowerMap& tower, const std::vector<RouteName>& names);

// Small helpers shared by the rule files.
namespace detail {
bool isOneCellMonster(std::uint8_t code);
void add(Violations& out, int floor, int cell, std::string rule);
} // namespace detail

} // namespace towercheck
