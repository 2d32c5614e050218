// Characters that answer by the hero's column: the two merchants of floor 12, the two old
// men of floor 16 and the prison thief of floor 2. Each must be spoken to from the
// columns its answer is meant for, and from no other.
#include "tower_rules.h"
#include "world/tiles.h"

#include <functional>
#include <vector>

namespace towercheck {
namespace {

// A cell the hero may come to stand on, at once or once its door, gate or monster is gone.
bool standable(std::uint8_t code) {
    using namespace world::Tile;
    switch (code) {
    case Nothing:
    case Wall:
    case Hidden:
    case Lava:
    case Void:
    case AltarLeft:
    case Altar:
    case AltarRight:
    case StairsUp:
    case StairsDown:
    case Merchant:
    case Thief:
    case Fairy:
    case OldMan:
    case TimeGate:
        return false;
    default:
        return !(code >= DragonFirst && code <= DragonLast);
    }
}

// The columns from which a character on `cell` can be spoken to.
std::vector<int> talkColumns(const world::TowerMap& tower, int floor, int cell) {
    std::vector<int> columns;
    for (auto d : {world::Direction::Up, world::Direction::Down, world::Direction::Left,
                   world::Direction::Right}) {
        const auto n = world::neighbour(cell, d);
        if (n && standable(tower.tile(floor, *n)))
            columns.push_back(world::cellX(*n));
    }
    return columns;
}

struct TalkRule {
    int floor;
    std::function<bool(int cell, std::uint8_t code)> applies;
    std::function<bool(int column)> allowed;
    bool needsOne; // at least one allowed column must exist
    const char* why;
};

const std::vector<TalkRule>& talkRules() {
    static const std::vector<TalkRule> rules = {
        {12, [](int c, std::uint8_t t) { return t == world::Tile::Merchant && c != 10; },
         [](int x) { return x == 1; }, true, "the red-key merchant answers only from column 1"},
        {12, [](int c, std::uint8_t) { return c == 10; }, [](int x) { return x == 9; }, true,
         "the hidden key merchant answers only from column 9"},
        {16, [](int, std::uint8_t t) { return t == world::Tile::OldMan; },
         [](int x) { return x != 9; }, true, "the advising old man may not be met from column 9"},
        {16, [](int c, std::uint8_t) { return c == 120; }, [](int x) { return x == 9; }, true,
         "the hidden old man gives the Elixir only from column 9"},
        {2, [](int c, std::uint8_t t) { return t == world::Tile::Thief && c != 120; },
         [](int x) { return x < 9; }, false, "the prison thief belongs to columns 0..3"},
    };
    return rules;
}

void checkCharacter(const world::TowerMap& tower, Violations& out, const TalkRule& rule, int c) {
    bool any = false;
    for (int x : talkColumns(tower, rule.floor, c)) {
        if (!rule.allowed(x)) {
            detail::add(out, rule.floor, c,
                        std::string(rule.why) + " (reachable from column " + std::to_string(x) +
                            ")");
            return;
        }
        any = true;
    }
    if (rule.needsOne && !any)
        detail::add(out, rule.floor, c, std::string(rule.why) + " (no place to speak from)");
}

} // namespace

// checkTalkColumns: every column-minded character is met from its own columns only.
Violations checkTalkColumns(const world::TowerMap& tower) {
    Violations out;
    for (const TalkRule& rule : talkRules()) {
        for (int c = 0; c < world::kCells; ++c) {
            if (rule.applies(c, tower.tile(rule.floor, c)))
                checkCharacter(tower, out, rule, c);
        }
    }
    // The prison thief must be met from the wake-up cell's column to dig the hero out.
    const auto prison = talkColumns(tower, 2, 78);
    bool fromCell = false;
    for (int x : prison)
        fromCell = fromCell || x == 2 || x == 3;
    if (tower.tile(2, 78) == world::Tile::Thief && !fromCell)
        detail::add(out, 2, 78, "the prison thief cannot be spoken to from column 2 or 3");
    return out;
}

} // namespace towercheck
