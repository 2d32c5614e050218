// After-fight checks: after every won fight the game adds the codes of a few cells and
// compares the sum with a constant. None of them may match in the initial map, or a fight
// anywhere on the floor would open its gate or hand out its reward at once.
#include "tower_rules.h"

#include <vector>

namespace towercheck {
namespace {

struct SumCheck {
    int floor;
    std::vector<int> cells;
    int sum;
};

const std::vector<SumCheck>& sumChecks() {
    static const std::vector<SumCheck> checks = {
        {2, {16, 18, 48}, 17},
        {8, {52, 54, 42}, 16},
        {10, {37, 38, 39, 48, 50, 59, 60, 61, 27}, 52},
        {10, {5, 71, 40, 36}, 18},
        {11, {44, 46, 34}, 16},
        {14, {0, 2, 12, 22}, 26},
        {15, {60, 27, 93}, 14},
        {17, {52, 54, 42}, 16},
        {17, {85, 87, 75}, 16},
        {17, {44, 46, 34}, 16},
        {17, {77, 79, 67}, 16},
        {20, {48, 49, 50, 59, 61, 70, 71, 72, 60, 27, 93}, 62},
        {25, {60, 104}, 10},
        {30, {46, 47, 48, 50, 51, 52, 38, 71}, 44},
        {32, {99, 101, 89}, 16},
        {32, {60}, 7}, // with the two dialogue flags, still 0 at the start
        {33, {52, 54, 74, 76, 42, 86}, 32},
        {34, {37, 39, 41, 43, 81, 83, 85, 87}, 48},
        {35, {71, 27}, 10},
        {38, {99, 101}, 12},
        {40, {16, 5}, 17},
        {41, {12, 20}, 12},
        {44, {92, 94, 82}, 16},
        {45, {92, 114, 102}, 16},
        {45, {95, 117, 105}, 16},
        {48, {0, 84}, 10},
        {49, {103, 105, 93}, 16},
        {49, {81, 83, 71, 60}, 23},
        {49, {27, 71, 60}, 16},
    };
    return checks;
}

int sumOf(const world::TowerMap& tower, int floor, const std::vector<int>& cells) {
    int sum = 0;
    for (int c : cells)
        sum += tower.tile(floor, c);
    return sum;
}

std::string cellList(const std::vector<int>& cells) {
    std::string s;
    for (int c : cells)
        s += (s.empty() ? "" : " + ") + std::to_string(c);
    return s;
}

} // namespace

// checkAfterFightSums: no after-fight check matches before its fights have been fought.
Violations checkAfterFightSums(const world::TowerMap& tower) {
    Violations out;
    for (const SumCheck& check : sumChecks()) {
        if (sumOf(tower, check.floor, check.cells) == check.sum) {
            detail::add(out, check.floor, check.cells.front(),
                        "after-fight check " + cellList(check.cells) + " = " +
                            std::to_string(check.sum) + " already matches at the start");
        }
    }
    // Zeno's weakening needs the edges empty and all four corners held at once.
    if (sumOf(tower, 49, {16, 26, 28, 38}) == 24 && sumOf(tower, 49, {15, 17, 37, 39}) == 372)
        detail::add(out, 49, 15, "Zeno's weakening check already matches at the start");
    return out;
}

} // namespace towercheck
