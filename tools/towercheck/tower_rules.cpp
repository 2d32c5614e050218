#include "tower_rules.h"

#include "world/tiles.h"

#include <set>

namespace towercheck {

using world::cellX;
using world::cellY;

std::string describe(const Violation& v) {
    std::string s = "floor " + std::to_string(v.floor);
    if (v.cell >= 0) {
        s += ", cell " + std::to_string(v.cell) + " (" + std::to_string(cellX(v.cell)) + "," +
             std::to_string(cellY(v.cell)) + ")";
    }
    return s + ": " + v.rule;
}

namespace detail {

// A monster that stands on one cell (not a part of the Big Octopus or the Dragon).
bool isOneCellMonster(std::uint8_t code) {
    return world::oneCellKind(code) && !world::isSecondFrameCode(code);
}

// add: record one broken rule.
void add(Violations& out, int floor, int cell, std::string rule) {
    out.push_back({floor, cell, std::move(rule)});
}

} // namespace detail

// checkMonsterKinds: the Orb of Hero lists seven kinds per floor, so no floor holds more.
Violations checkMonsterKinds(const world::TowerMap& tower) {
    Violations out;
    for (int f = 0; f < world::kFloors; ++f) {
        std::set<int> kinds;
        for (int c = 0; c < world::kCells; ++c) {
            if (const auto kind = world::monsterKind(tower.tile(f, c)))
                kinds.insert(*kind);
        }
        if (kinds.size() > 7) {
            detail::add(out, f, -1,
                        std::to_string(kinds.size()) +
                            " monster kinds; the Orb of Hero's list shows only seven");
        }
    }
    return out;
}

// checkTower: every rule family in turn.
Violations checkTower(const world::TowerMap& tower, const Notes& notes) {
    Violations all;
    auto append = [&](Violations v) { all.insert(all.end(), v.begin(), v.end()); };
    for (auto* family :
         {checkVocabulary, checkStairs, checkEventCells, checkScriptedCells, checkAfterFightSums,
          checkMonsterKinds, checkReachability, checkTalkColumns})
        append(family(tower));
    append(checkArrivalExits(tower, notes.pockets));
    append(checkRouteNames(tower, notes.routeNames));
    return all;
}

} // namespace towercheck
