// Event cells: a tile 7 freezes the game unless the floor has a scene for it, and several
// scenes need their event cell on one particular cell.
#include "tower_rules.h"
#include "world/tiles.h"

#include <algorithm>
#include <vector>

namespace towercheck {
namespace {

// Where a floor's event cells may stand. `fixed` cells must all hold one; `count` is how many
// more the floor needs anywhere among `allowed` (all cells when `allowed` is empty), or -1
// for any number.
struct EventPlan {
    int floor;
    std::vector<int> fixed;
    int count;
    std::vector<int> allowed;
};

const std::vector<EventPlan>& eventPlans() {
    static const std::vector<EventPlan> plans = {
        {3, {92}, 0, {}}, {10, {49}, 0, {}}, {15, {}, 1, {}},       {20, {82}, 0, {}},
        {23, {}, -1, {}}, {25, {}, 1, {}},   {30, {}, 1, {49, 60}}, {33, {107}, 1, {53, 64, 75}},
        {38, {}, 1, {}},  {40, {71}, 0, {}}, {48, {0}, 0, {}},      {49, {60}, 0, {}},
    };
    return plans;
}

const EventPlan* planOf(int floor) {
    for (const EventPlan& p : eventPlans()) {
        if (p.floor == floor)
            return &p;
    }
    return nullptr;
}

bool contains(const std::vector<int>& v, int x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

void checkFloor(const world::TowerMap& tower, Violations& out, int f) {
    const EventPlan* plan = planOf(f);
    std::vector<int> free;
    for (int c = 0; c < world::kCells; ++c) {
        if (tower.tile(f, c) != world::Tile::EventCell)
            continue;
        if (!plan) {
            detail::add(out, f, c, "event cell on a floor without a scene: input would freeze");
        } else if (!contains(plan->fixed, c)) {
            free.push_back(c);
        }
    }
    if (!plan)
        return;
    for (int c : plan->fixed) {
        if (tower.tile(f, c) != world::Tile::EventCell)
            detail::add(out, f, c, "the floor's scene needs its event cell here");
    }
    if (plan->count < 0)
        return;
    for (int c : free) {
        if (!plan->allowed.empty() && !contains(plan->allowed, c))
            detail::add(out, f, c, "event cell outside the places its scene allows");
    }
    if (static_cast<int>(free.size()) != plan->count) {
        detail::add(out, f, -1,
                    "expected " + std::to_string(plan->count) + " free event cell(s), found " +
                        std::to_string(free.size()));
    }
    if (f == 38 && tower.tile(f, 45) == world::Tile::EventCell)
        detail::add(out, f, 45, "the event cell may not be 45, where its wall rises");
}

} // namespace

// checkEventCells: tile 7 only where a scene exists, and where that scene expects it.
Violations checkEventCells(const world::TowerMap& tower) {
    Violations out;
    for (int f = 0; f < world::kFloors; ++f)
        checkFloor(tower, out, f);
    return out;
}

} // namespace towercheck
