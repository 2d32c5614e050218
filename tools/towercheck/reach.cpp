// Reachability: walking the floor with doors, monsters, gates and event cells taken as
// passable, the hero gets from his arrival cells to the stairs; and the floors built as traps
// or one-way passages do not let him round them.
#include "tower_rules.h"
#include "world/tiles.h"

#include <array>
#include <initializer_list>
#include <vector>

namespace towercheck {
namespace {

using Floor = std::array<std::uint8_t, world::kCells>;
using Cells = std::vector<int>;

enum class Step { Blocked, Pass, Stop };

// What a walk does with a tile: go through it, stop on it (stairs, people) or not enter.
Step stepOf(std::uint8_t code) {
    using namespace world::Tile;
    switch (code) {
    case Nothing:
    case PrisonBars:
    case Wall:
    case Hidden:
    case Lava:
    case Void:
    case AltarLeft:
    case AltarRight:
        return Step::Blocked;
    case StairsUp:
    case StairsDown:
    case Merchant:
    case Thief:
    case Fairy:
    case OldMan:
    case Altar:
    case TimeGate:
        return Step::Stop;
    default:
        break;
    }
    if (code >= DragonFirst && code <= DragonLast && code != DragonHead)
        return Step::Blocked;
    return Step::Pass;
}

Floor floorOf(const world::TowerMap& tower, int f) {
    Floor cells{};
    for (int c = 0; c < world::kCells; ++c)
        cells[static_cast<std::size_t>(c)] = tower.tile(f, c);
    return cells;
}

// The cells a walk from `start` enters (stop cells included); `blocked` cells are not entered.
std::array<bool, world::kCells> walk(const Floor& floor, int start, const Cells& blocked) {
    std::array<bool, world::kCells> reached{};
    auto isBlocked = [&](int c) {
        for (int b : blocked) {
            if (b == c)
                return true;
        }
        return stepOf(floor[static_cast<std::size_t>(c)]) == Step::Blocked;
    };
    std::vector<int> todo = {start};
    reached[static_cast<std::size_t>(start)] = true;
    while (!todo.empty()) {
        const int c = todo.back();
        todo.pop_back();
        if (c != start && stepOf(floor[static_cast<std::size_t>(c)]) == Step::Stop)
            continue;
        for (auto d : {world::Direction::Up, world::Direction::Down, world::Direction::Left,
                       world::Direction::Right}) {
            const auto n = world::neighbour(c, d);
            if (!n || reached[static_cast<std::size_t>(*n)] || isBlocked(*n))
                continue;
            reached[static_cast<std::size_t>(*n)] = true;
            todo.push_back(*n);
        }
    }
    return reached;
}

bool reachesTile(const Floor& floor, const std::array<bool, world::kCells>& reached,
                 std::uint8_t code) {
    for (int c = 0; c < world::kCells; ++c) {
        if (reached[static_cast<std::size_t>(c)] && floor[static_cast<std::size_t>(c)] == code)
            return true;
    }
    return false;
}

// A cell the hero could step against: one of its neighbours is reached and walkable.
bool touchable(const Floor& floor, const std::array<bool, world::kCells>& reached, int cell) {
    for (auto d : {world::Direction::Up, world::Direction::Down, world::Direction::Left,
                   world::Direction::Right}) {
        const auto n = world::neighbour(cell, d);
        if (n && reached[static_cast<std::size_t>(*n)] &&
            stepOf(floor[static_cast<std::size_t>(*n)]) == Step::Pass)
            return true;
    }
    return false;
}

// The map as the floor's own scripts open it for the way up: the thief's tunnels.
Floor withScriptedOpenings(Floor floor, int f) {
    auto open = [&](Cells cells) {
        for (int c : cells)
            floor[static_cast<std::size_t>(c)] = world::Tile::Road;
    };
    if (f == 15)
        open({6, 7, 8});
    if (f == 29)
        open({27, 38});
    return floor;
}

// Where a scene puts the up stairs of a boss floor, or -1 on the other floors.
int lateStairsCell(int f) {
    switch (f) {
    case 10:
        return 115;
    case 20:
    case 30:
    case 40:
        return 5;
    default:
        return -1;
    }
}

bool reachesWayUp(const Floor& floor, int f, const std::array<bool, world::kCells>& reached) {
    const int late = lateStairsCell(f);
    return late >= 0 ? reached[static_cast<std::size_t>(late)]
                     : reachesTile(floor, reached, world::Tile::StairsUp);
}

void checkWays(const world::TowerMap& tower, Violations& out, int f) {
    const Floor floor = withScriptedOpenings(floorOf(tower, f), f);
    if (f != world::kTopFloor) {
        const int start = f == 0 ? tower.arrivalDown(f) : (f == 44 ? 71 : tower.arrivalUp(f));
        if (!reachesWayUp(floor, f, walk(floor, start, {})))
            detail::add(out, f, start, "the way up cannot be reached from here");
    }
    if (f >= 2 && f != 44) {
        const int start = f == world::kTopFloor ? tower.arrivalUp(f) : tower.arrivalDown(f);
        if (!reachesTile(floor, walk(floor, start, {}), world::Tile::StairsDown))
            detail::add(out, f, start, "the down stairs cannot be reached from here");
    }
}

// A trap: with its event cells and gates shut (and every guard beaten on the way, so that
// the hero walks on through its cell), none (or not all) of the guarded cells may be reached
// before the trap is sprung.
struct Trap {
    int floor;
    Cells guarded;
    bool noneReachable; // false: "not all reachable"
    const char* why;
};

const std::vector<Trap>& traps() {
    static const std::vector<Trap> list = {
        {15, {37, 38, 39, 48, 49, 50, 59, 60, 61}, true, "the Octopus is reached before its trap"},
        {20, {60}, true, "the Vampire's hall is entered other than by its event cell"},
        {25, {60}, true, "the Great Magic Master is reached before his trap"},
        {30, {46, 47, 48, 50, 51, 52}, true, "a guard of the pen is reached from outside"},
        {33, {52, 54, 74, 76}, false, "all four guards are reached before the gate trap"},
        {40, {60}, true, "the arena is entered other than through 82 and 71"},
        {43, {8}, true, "the Sergeant is reached other than through the door on 7"},
        {49, {60}, true, "Zeno's event cell is reached other than through gate 71"},
    };
    return list;
}

void checkTrap(const world::TowerMap& tower, Violations& out, const Trap& trap) {
    const Floor floor = floorOf(tower, trap.floor);
    Cells shut;
    for (int c = 0; c < world::kCells; ++c) {
        const auto t = floor[static_cast<std::size_t>(c)];
        if (t == world::Tile::EventCell || t == world::Tile::Gate || (trap.floor == 43 && c == 7))
            shut.push_back(c);
    }
    const auto reached = walk(floor, tower.arrivalUp(trap.floor), shut);
    int touched = 0;
    for (int c : trap.guarded) {
        const bool beaten = reached[static_cast<std::size_t>(c)] || touchable(floor, reached, c);
        touched += beaten ? 1 : 0;
    }
    const bool broken =
        trap.noneReachable ? touched > 0 : touched == static_cast<int>(trap.guarded.size());
    if (broken)
        detail::add(out, trap.floor, trap.guarded.front(), trap.why);
}

Cells cellsHolding(const Floor& floor, std::initializer_list<std::uint8_t> codes) {
    Cells cells;
    for (int c = 0; c < world::kCells; ++c) {
        for (auto code : codes) {
            if (floor[static_cast<std::size_t>(c)] == code)
                cells.push_back(c);
        }
    }
    return cells;
}

// Before the capture nobody holds a blue or red key: the strong hero walks column 0 only.
void checkPrisonCorridor(const world::TowerMap& tower, Violations& out) {
    const Floor prison = floorOf(tower, 2);
    const auto reached = walk(prison, tower.arrivalUp(2),
                              cellsHolding(prison, {world::Tile::BlueDoor, world::Tile::RedDoor}));
    for (int c = 0; c < world::kCells; ++c) {
        if (reached[static_cast<std::size_t>(c)] && world::cellX(c) != 0 &&
            stepOf(prison[static_cast<std::size_t>(c)]) == Step::Pass)
            detail::add(out, 2, c, "before the capture the hero can leave the public corridor");
    }
}

// The story's one-way places: the prison before the capture, the unavoidable capture, the
// thief's passage and the first way round the Dragon.
void checkStoryWalls(const world::TowerMap& tower, Violations& out) {
    checkPrisonCorridor(tower, out);
    const Floor capture = floorOf(tower, 3);
    if (reachesTile(capture, walk(capture, tower.arrivalUp(3), {92}), world::Tile::StairsUp))
        detail::add(out, 3, 92, "the capture can be walked round");
    const Floor passage = floorOf(tower, 29);
    const auto beforeDescent = walk(passage, tower.arrivalUp(29), {});
    if (reachesTile(passage, beforeDescent, world::Tile::StairsUp))
        detail::add(out, 29, 38, "the way up does not need the thief's passage");
    if (!beforeDescent[27])
        detail::add(out, 29, 27, "the hero cannot stand on 27 to hear the thief");
    const Floor dragon = floorOf(tower, 35);
    Cells shut = cellsHolding(dragon, {world::Tile::Gate, world::Tile::DragonHead});
    if (!reachesTile(dragon, walk(dragon, tower.arrivalUp(35), shut), world::Tile::StairsUp))
        detail::add(out, 35, tower.arrivalUp(35), "the way up needs the Dragon or its gate");
}

// Cells that open later in the story count as open when looking for forgotten corners:
// bars, lava, the thieves, the Dragon's body, floor 41's side pockets, floor 24's passage.
Floor openedForLater(Floor floor, int f) {
    for (auto& t : floor) {
        const bool later = t == world::Tile::PrisonBars || t == world::Tile::Lava ||
                           t == world::Tile::Thief ||
                           (t >= world::Tile::DragonFirst && t <= world::Tile::DragonLast);
        if (later)
            t = world::Tile::Road;
    }
    auto open = [&](Cells cells) {
        for (int c : cells)
            floor[static_cast<std::size_t>(c)] = world::Tile::Road;
    };
    if (f == 41)
        open({70, 72});
    if (f == 24)
        open({16, 27, 38});
    return floor;
}

// Every cell that holds something can be reached from an arrival cell at some point.
void checkForgottenCells(const world::TowerMap& tower, Violations& out, int f) {
    const Floor floor = openedForLater(floorOf(tower, f), f);
    std::array<bool, world::kCells> reached{};
    Cells starts = {tower.arrivalUp(f), tower.arrivalDown(f)};
    if (f == 44)
        starts = {43, 71};
    for (int start : starts) {
        const auto r = walk(floor, start, {});
        for (std::size_t c = 0; c < reached.size(); ++c)
            reached[c] = reached[c] || r[c];
    }
    for (int c = 0; c < world::kCells; ++c) {
        const auto t = floor[static_cast<std::size_t>(c)];
        if (!reached[static_cast<std::size_t>(c)] && stepOf(t) != Step::Blocked)
            detail::add(out, f, c, "no arrival cell leads here");
    }
}

// The map as the hero finds it when he comes back later: what opens in the story is open
// and the boss floors' up stairs stand where their scenes put them.
Floor asRevisited(const world::TowerMap& tower, int f) {
    Floor floor = openedForLater(withScriptedOpenings(floorOf(tower, f), f), f);
    if (const int late = lateStairsCell(f); late >= 0)
        floor[static_cast<std::size_t>(late)] = world::Tile::StairsUp;
    return floor;
}

bool isStairs(std::uint8_t code) {
    return code == world::Tile::StairsUp || code == world::Tile::StairsDown;
}

// One way onto a floor: where the hero lands and the staircase he came by (-1: none, as
// after a wing).
struct Arrival {
    int floor;
    int cell;
    int cameBy;
    const char* how;
};

int stairsBeside(const Floor& floor, int cell, std::uint8_t code) {
    for (auto d : {world::Direction::Up, world::Direction::Down, world::Direction::Left,
                   world::Direction::Right}) {
        const auto n = world::neighbour(cell, d);
        if (n && floor[static_cast<std::size_t>(*n)] == code)
            return *n;
    }
    return -1;
}

// Every landing: by the stairs or the Orb of Flying (the arrival cells), and by a Wing to
// Ascend, used where it lies, on the same cell one floor up. A Wing to Descend is carried
// and used anywhere; its one landing the tower plans for is floor 0, which is open road.
std::vector<Arrival> arrivals(const world::TowerMap& tower) {
    std::vector<Arrival> out;
    for (int f = 0; f < world::kFloors; ++f) {
        const Floor floor = asRevisited(tower, f);
        if (f != 0 && f != 44) {
            const int cell = tower.arrivalUp(f);
            out.push_back({f, cell, stairsBeside(floor, cell, world::Tile::StairsDown),
                           "arrival from below"});
        }
        if (f != 44 && f != world::kTopFloor) {
            const int cell = tower.arrivalDown(f);
            out.push_back(
                {f, cell, stairsBeside(floor, cell, world::Tile::StairsUp), "arrival from above"});
        }
        for (int c = 0; c < world::kCells; ++c) {
            if (tower.tile(f, c) == world::Tile::WingToAscend && f < world::kTopFloor)
                out.push_back({f + 1, c, -1, "landing of a Wing to Ascend"});
        }
    }
    return out;
}

bool isIntended(const std::vector<Place>& pockets, int f, int cell) {
    for (const Place& p : pockets) {
        if (p.floor == f && p.cell == cell)
            return true;
    }
    return false;
}

} // namespace

// checkArrivalExits: from every landing the hero can walk (doors, monsters and gates taken
// as passable) to a staircase other than the one he came by, unless the floor file marks
// the landing as a pocket meant to lead nowhere else.
Violations checkArrivalExits(const world::TowerMap& tower, const std::vector<Place>& pockets) {
    Violations out;
    for (const Arrival& a : arrivals(tower)) {
        const Floor floor = asRevisited(tower, a.floor);
        const auto reached = walk(floor, a.cell, {});
        bool exit = false;
        for (int c = 0; c < world::kCells && !exit; ++c)
            exit = reached[static_cast<std::size_t>(c)] && c != a.cameBy &&
                   isStairs(floor[static_cast<std::size_t>(c)]);
        if (!exit && !isIntended(pockets, a.floor, a.cell))
            detail::add(out, a.floor, a.cell,
                        std::string(a.how) + " leads to no other staircase: a pocket");
    }
    return out;
}

// checkReachability: the ways up and down, the traps and the one-way passages.
Violations checkReachability(const world::TowerMap& tower) {
    Violations out;
    for (int f = 0; f < world::kFloors; ++f) {
        checkWays(tower, out, f);
        checkForgottenCells(tower, out, f);
    }
    for (const Trap& trap : traps())
        checkTrap(tower, out, trap);
    checkStoryWalls(tower, out);
    return out;
}

} // namespace towercheck
