// Cells that the game's scripts read, move or overwrite: each must hold what its script
// expects at the start (road on a slide path, a gate where a check opens one, guards where
// a check counts them, the characters that speak by the hero's column).
#include "tower_rules.h"
#include "world/tiles.h"

#include <vector>

namespace towercheck {
namespace {

enum class Want { Road, Wall, Gate, Bars, Monster, Thief, Door, NotRoad, Code };

struct CellRule {
    int floor;
    Want want;
    std::vector<int> cells;
    const char* why;
    std::uint8_t code = 0; // for Want::Code
};

using W = Want;

// The map cells the scripts of floors 0 to 29 rely on.
const std::vector<CellRule>& lowerFloorRules() {
    static const std::vector<CellRule> rules = {
        {0, W::Code, {0}, "floor 0's up stairs", world::Tile::StairsUp},
        {0, W::Code, {60}, "the Lucky Gold", world::Tile::LuckyGold},
        {2, W::Bars, {48, 52, 81, 85, 114, 118}, "prison bars lifted by the guards' check"},
        {2, W::Monster, {16, 18}, "prison guards counted by the bars' check"},
        {2, W::Wall, {67}, "the wall the prison thief digs through"},
        {2, W::Road, {79, 120}, "the wake-up cell and the later prisoner's cell"},
        {2, W::Thief, {78}, "the prison thief beside the wake-up cell"},
        {3, W::Road, {70, 81, 91, 93, 103}, "the capture draws Zeno and the Sergeants here"},
        {8, W::Gate, {42}, "gate of the two guards"},
        {8, W::Monster, {52, 54}, "guards of gate 42"},
        {11, W::Gate, {34}, "gate of the two guards"},
        {11, W::Monster, {44, 46}, "guards of gate 34"},
        {12, W::Wall, {21}, "the hidden merchant must be met from 9 only"},
        {12, W::Code, {10}, "the hidden key merchant", world::Tile::Hidden},
        {15, W::Gate, {27}, "gate opened by the Octopus's check"},
        {15, W::Road, {93, 71}, "the trap gate's cell and the place to face the head"},
        {15, W::Wall, {7}, "the wall the thief digs through"},
        {15, W::Thief, {8}, "the thief of the passage"},
        {16, W::Wall, {109}, "the hidden old man must be met from 119 only"},
        {16, W::Code, {120}, "the hidden old man (the Elixir)", world::Tile::Hidden},
        {17, W::Gate, {42, 75, 34, 67}, "gates of the four checks"},
        {17, W::Monster, {52, 54, 85, 87, 44, 46, 77, 79}, "guards of the four gates"},
        {19, W::Code, {27}, "the hidden Cross", world::Tile::Hidden},
        {20, W::Gate, {27}, "gate opened by the Vampire's check"},
        {20, W::Road, {93, 60, 5}, "trap gate cell, the Vampire's cell, the up stairs' cell"},
        {20, W::Road, {47, 58, 69, 51, 62, 73, 81, 83, 37, 38, 39}, "reward cells"},
        {24, W::NotRoad, {16, 27, 38}, "the hidden passage to the top is closed at the start"},
        {24, W::Road, {49}, "the foot of the passage to the top"},
        {25, W::Code, {60}, "the Great Magic Master", world::Tile::GreatMagicMaster},
        {25, W::Road, {104, 71, 80, 81, 82, 83, 84}, "trap gate cell, fairy and red keys"},
        {26, W::Code, {60}, "the gate of time and space", world::Tile::TimeGate},
        {29, W::Thief, {38}, "the thief blocking the passage"},
        {29, W::Road, {27, 17}, "where the hero hears the thief, and where he steps aside"},
    };
    return rules;
}

// The map cells the scripts of floors 30 to 50 rely on.
const std::vector<CellRule>& upperFloorRules() {
    static const std::vector<CellRule> rules = {
        {30, W::Road, {38, 71, 5}, "the pen's gates and the up stairs' cell"},
        {30, W::Monster, {46, 47, 48, 50, 51, 52}, "the six guards"},
        {32, W::Road, {5, 6, 7, 8, 9, 16, 27, 38, 49, 60, 71, 82, 93}, "the Golden Knights' path"},
        {32, W::Gate, {89}, "gate of the two guards"},
        {32, W::Monster, {99, 101}, "guards of gate 89"},
        {33, W::Road, {106, 42, 86}, "the wall trap's cell and the trap gates"},
        {33, W::Monster, {52, 54, 74, 76}, "the gate trap's four guards"},
        {34, W::Monster, {37, 39, 41, 43, 81, 83, 85, 87}, "the eight guards"},
        {34, W::Road, {44, 46, 56, 66, 68}, "where the five keys appear"},
        {35, W::Gate, {27}, "gate opened by the Dragon's check"},
        {35, W::Road, {82, 91}, "the place to face the head, and the prisoner test's cell"},
        {35, W::Thief, {103}, "the thief, cleared by the floor-42 scene"},
        {35, W::Code, {16}, "the Sacred Sword behind gate 27", world::Tile::SacredSword},
        {38, W::Road, {45}, "the cell where the wall rises"},
        {38, W::Wall, {89}, "the wall that becomes a false wall"},
        {38, W::Monster, {99, 101}, "guards of the hidden passage"},
        {39,
         W::Code,
         {12, 14, 16, 34, 36, 38, 56, 58, 60},
         "the door puzzle",
         world::Tile::YellowDoor},
        {40, W::Road, {12, 13, 14, 16, 18, 19, 20, 35, 36, 37, 39, 40, 41}, "army cells"},
        {40, W::Road, {25, 26, 27, 28, 29, 38, 48, 49, 50, 60, 82, 4, 5}, "army paths and exits"},
        {40, W::Road, {15}, "the way from the arrival cell 4 once 5 is the up stairs"},
        {40, W::Wall, {17}, "off every army path"},
        {41, W::Code, {12}, "the first Magician A", world::Tile::MagicianA},
        {41, W::Code, {20}, "the second Magician A's hidden block", world::Tile::Hidden},
        {41, W::Road, {59, 60, 61, 49}, "cells the check walls off, and the wing's cell"},
        {41, W::Wall, {70, 72}, "cells the check opens"},
        {42, W::Road, {60, 71, 81, 83, 93}, "Zeno and the Sergeants are drawn over road"},
        {42, W::Thief, {82}, "the figure struck in the scene"},
        {43, W::Code, {8}, "the Magic Sergeant of the trap", world::Tile::MagicSergeant},
        {43, W::Door, {7}, "the coloured door of the trap"},
        {43, W::Road, {6, 9}, "cells where the trap's walls rise"},
        {43, W::Wall, {19}, "the Sergeant may not be fought from below"},
        {44, W::Code, {60}, "the Sacred Shield", world::Tile::SacredShield},
        {44, W::Gate, {82}, "gate of the Gate-Keepers"},
        {44, W::Code, {92, 94}, "the Gate-Keepers A", world::Tile::GateKeeperA},
        {44, W::Road, {71}, "between the gate and the shield"},
        {44, W::Wall, {49, 59, 61, 70, 72}, "the shield is reached only through the gate"},
        {45, W::Gate, {102, 105}, "gates of the two checks"},
        {45, W::Monster, {92, 114, 95, 117}, "guards of the two gates"},
        {48, W::Gate, {84}, "gate opened when the corner Sergeant is beaten"},
        {48, W::NotRoad, {0}, "cell 0 may not be road before the Sergeant appears"},
        {49, W::Gate, {93, 71}, "gates of the guards' checks"},
        {49, W::Monster, {103, 105, 81, 83}, "guards of gates 93 and 71"},
        {49,
         W::Road,
         {0, 5, 25, 29, 27, 15, 16, 17, 26, 28, 37, 38, 39},
         "landing, ring, outer cells"},
        {49, W::Road, {34, 35, 36, 40, 41, 42, 48, 49, 50}, "reward cells"},
        {50, W::Road, {48, 50, 59, 60, 61, 70, 71, 72}, "the top room"},
        {50, W::Thief, {49}, "the thief waiting at the top"},
        {50, W::Wall, {36, 37, 38, 39, 40, 47, 51, 58, 62, 69, 73, 80, 81, 83, 84}, "the ring"},
        {50, W::Code, {82}, "the top's down stairs", world::Tile::StairsDown},
    };
    return rules;
}

bool satisfies(Want want, std::uint8_t tile, std::uint8_t code) {
    switch (want) {
    case Want::Road:
        return tile == world::Tile::Road;
    case Want::Wall:
        return tile == world::Tile::Wall;
    case Want::Gate:
        return tile == world::Tile::Gate;
    case Want::Bars:
        return tile == world::Tile::PrisonBars;
    case Want::Monster:
        return detail::isOneCellMonster(tile);
    case Want::Thief:
        return tile == world::Tile::Thief;
    case Want::Door:
        return tile >= world::Tile::YellowDoor && tile <= world::Tile::RedDoor;
    case Want::NotRoad:
        return tile != world::Tile::Road;
    case Want::Code:
        return tile == code;
    }
    return false;
}

const char* wantName(Want want) {
    switch (want) {
    case Want::Road:
        return "road";
    case Want::Wall:
        return "a wall";
    case Want::Gate:
        return "a guarded gate";
    case Want::Bars:
        return "prison bars";
    case Want::Monster:
        return "a one-cell monster";
    case Want::Thief:
        return "the thief";
    case Want::Door:
        return "a coloured door";
    case Want::NotRoad:
        return "anything but road";
    case Want::Code:
        return "code";
    }
    return "";
}

// Around the top room there is only void.
void checkTopFloor(const world::TowerMap& tower, Violations& out) {
    for (int c = 0; c < world::kCells; ++c) {
        const int x = world::cellX(c);
        const int y = world::cellY(c);
        const bool room = x >= 3 && x <= 7 && y >= 3 && y <= 7;
        if (!room && tower.tile(world::kTopFloor, c) != world::Tile::Void)
            detail::add(out, world::kTopFloor, c, "outside the top room there is only void");
    }
}

void checkRule(const world::TowerMap& tower, const CellRule& r, Violations& out) {
    for (int c : r.cells) {
        if (satisfies(r.want, tower.tile(r.floor, c), r.code))
            continue;
        std::string want = wantName(r.want);
        if (r.want == Want::Code)
            want += " " + std::to_string(r.code);
        detail::add(out, r.floor, c, std::string(r.why) + ": must be " + want);
    }
}

} // namespace

// checkScriptedCells: every cell a script reads holds what that script expects.
Violations checkScriptedCells(const world::TowerMap& tower) {
    Violations out;
    for (const auto* rules : {&lowerFloorRules(), &upperFloorRules()}) {
        for (const CellRule& r : *rules)
            checkRule(tower, r, out);
    }
    checkTopFloor(tower, out);
    return out;
}

} // namespace towercheck
