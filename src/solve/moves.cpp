#include "solve/moves.h"

#include "window/names.h"
#include "world/item_table.h"
#include "world/tiles.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace solve {
namespace {

using world::StepKind;

constexpr int kMostAnswers = 60; // dialogues in a row that one move answers (a scene has many)
// Long enough for the Ending window to play every picture up to its button, in milliseconds of
// the game's clock.
constexpr const char* kEndingWait = "wait 60000";

// The lengths of the flights the search tries, in presses of UP or DOWN: near floors one by
// one, far ones in growing strides, so that a flight across the tower is a move or two.
constexpr std::array<int, 8> kFlightPresses = {1, 2, 3, 5, 8, 13, 21, 34};

struct Neighbour {
    int cell;
    const char* key;
};

// The cells beside a cell (up to four, kept in place: this runs for every cell of every
// region), with the arrow key that steps there.
struct Neighbours {
    std::array<Neighbour, 4> cells{};
    int count = 0;
    const Neighbour* begin() const { return cells.data(); }
    const Neighbour* end() const { return cells.data() + count; }
};

Neighbours neighbours(int cell) {
    Neighbours out;
    const int x = world::cellX(cell);
    const int y = world::cellY(cell);
    auto add = [&](int to, const char* key) {
        out.cells[static_cast<std::size_t>(out.count++)] = {to, key};
    };
    if (y > 0)
        add(cell - world::kSide, "key up");
    if (y < world::kSide - 1)
        add(cell + world::kSide, "key down");
    if (x > 0)
        add(cell - 1, "key left");
    if (x < world::kSide - 1)
        add(cell + 1, "key right");
    return out;
}

// What a step onto a road cell costs: one, and a blow for each Magician beside it.
int stepCost(const world::TowerMap& map, int floor, int cell) {
    int cost = 1;
    for (const Neighbour& n : neighbours(cell))
        if (world::isMagician(map.tile(floor, n.cell)))
            cost += kBlowCost;
    return cost;
}

// The key that steps from one cell to the cell beside it.
const char* keyBetween(int from, int to) {
    for (const Neighbour& n : neighbours(from))
        if (n.cell == to)
            return n.key;
    return "";
}

// A refusal leaves the game as it was: it is no answer while another one shows.
void dropRefusals(std::vector<std::string>& answers) {
    if (answers.size() > 1)
        std::erase_if(answers, [](const std::string& b) {
            return b == window::names::Button7 || b == window::names::Button42 ||
                   b == window::names::Button37;
        });
}

bool isFreeThing(std::uint8_t code) {
    const StepKind kind = world::stepKind(code);
    return kind == StepKind::Key || kind == StepKind::Item || kind == StepKind::Equipment;
}

// The free thing beside the region with the cheapest road to it, and the cell to stand on;
// -1 when there is none that a road without Magicians reaches.
std::pair<int, int> nearestFreeThing(const Position& position, const Region& region) {
    std::pair<int, int> best = {-1, -1};
    int bestCost = kBlowCost;
    for (int cell = 0; cell < world::kCells; ++cell) {
        const int cost = region.cost[static_cast<std::size_t>(cell)];
        if (cost < 0 || cost >= bestCost)
            continue;
        for (const Neighbour& n : neighbours(cell)) {
            if (isFreeThing(position.map.tile(region.floor, n.cell))) {
                best = {n.cell, cell};
                bestCost = cost;
                break;
            }
        }
    }
    return best;
}

// Plays the lines from the position; false when the game refuses one or stays busy.
bool replay(Player& player, const Position& start, const std::vector<std::string>& lines) {
    player.restore(start);
    return std::all_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return player.play(line); });
}

// The arrow keys of the cheapest road from the hero's cell to the cell.
std::vector<std::string> roadTo(const Region& region, int hero, int cell) {
    std::vector<std::string> keys;
    for (int c = cell; c != hero; c = region.from[static_cast<std::size_t>(c)]) {
        keys.emplace_back("run");
        keys.emplace_back(keyBetween(region.from[static_cast<std::size_t>(c)], c));
    }
    std::reverse(keys.begin(), keys.end());
    return keys;
}

// Keys, potions, crystals and equipment cost nothing and never hurt: a move goes on to take
// each of them that a road without Magicians reaches, nearest first, before the search sees
// where it ends. A dialogue they open is answered with its first answer that is no refusal.
void takeFreeThings(Player& player, std::vector<std::string>& lines) {
    for (int taken = 0; taken < world::kCells && player.dialogButtons().empty(); ++taken) {
        const Position here = player.position();
        const Region region = regionOf(here);
        const auto [target, from] = nearestFreeThing(here, region);
        if (target < 0)
            return;
        std::vector<std::string> road = roadTo(region, here.status.heroCell(), from);
        road.emplace_back(keyBetween(from, target));
        road.emplace_back("run");
        for (const std::string& line : road)
            if (!player.play(line))
                return;
        lines.insert(lines.end(), road.begin(), road.end());
        for (int answered = 0; answered < kMostAnswers; ++answered) {
            std::vector<std::string> answers = player.dialogButtons();
            dropRefusals(answers);
            if (answers.empty())
                break;
            const std::string click = "click " + answers.front();
            if (!player.play(click) || !player.play("run"))
                return;
            lines.push_back(click);
            lines.emplace_back("run");
        }
    }
}

void answerDialogues(Player& player, const Position& start, std::vector<std::string>& lines,
                     int depth, std::vector<Outcome>& out);

// The Orb of Flying's floor chooser: its UP, DOWN and OK buttons.
bool isFloorChooser(const std::vector<std::string>& answers) {
    return std::find(answers.begin(), answers.end(), window::names::Button10) != answers.end();
}

// A flight of each length up and down, until the chooser reaches the end of its range (past
// it the buttons do nothing, and the same flight is not tried twice).
void chooseFloors(Player& player, const Position& start, std::vector<std::string>& lines, int depth,
                  std::vector<Outcome>& out) {
    const std::size_t before = lines.size();
    for (const char* button : {"click Button8", "click Button9"}) {
        int lastFloor = start.status[world::Slot::Floor];
        for (const int presses : kFlightPresses) {
            lines.resize(before);
            lines.insert(lines.end(), static_cast<std::size_t>(presses), button);
            if (!replay(player, start, lines) ||
                player.game().status[world::Slot::Floor] == lastFloor)
                break;
            lastFloor = player.game().status[world::Slot::Floor];
            lines.emplace_back("click Button10");
            lines.emplace_back("run");
            if (player.play(lines[lines.size() - 2]) && player.play(lines.back()))
                answerDialogues(player, start, lines, depth + 1, out);
        }
    }
    lines.resize(before);
}

// After the lines played so far: the position where input opens, or one outcome for each
// answer of the dialogue that waits (each answer played anew from the start).
void answerDialogues(Player& player, const Position& start, std::vector<std::string>& lines,
                     int depth, std::vector<Outcome>& out) {
    if (player.endingPlaying()) {
        lines.emplace_back(kEndingWait);
        if (!player.play(lines.back()))
            return;
    }
    std::vector<std::string> answers = player.dialogButtons();
    if (answers.empty()) {
        takeFreeThings(player, lines);
        // Input closed with nothing to answer is a scene this finder cannot go on with: such
        // a move is left out rather than kept as a position the game never rests in.
        const bool rests =
            player.game().explore.inputLive || player.game().status[world::Slot::LapLevel] != 0;
        if (rests && player.dialogButtons().empty())
            out.push_back({player.position(), lines});
        return;
    }
    if (depth >= kMostAnswers)
        return;
    if (isFloorChooser(answers)) {
        chooseFloors(player, start, lines, depth, out);
        return;
    }
    dropRefusals(answers);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (i > 0 && !replay(player, start, lines))
            return;
        const std::size_t before = lines.size();
        lines.push_back("click " + answers[i]);
        lines.emplace_back("run");
        if (player.play(lines[before]) && player.play(lines[before + 1]))
            answerDialogues(player, start, lines, depth + 1, out);
        lines.resize(before);
    }
}

bool besideTile(const world::TowerMap& map, int floor, int cell, bool (*holds)(std::uint8_t)) {
    const Neighbours around = neighbours(cell);
    return std::any_of(around.begin(), around.end(),
                       [&](const Neighbour& n) { return holds(map.tile(floor, n.cell)); });
}

bool isStairs(std::uint8_t c) {
    return c == world::Tile::StairsUp || c == world::Tile::StairsDown;
}
bool isLava(std::uint8_t c) {
    return c == world::Tile::Lava;
}
bool isWall(std::uint8_t c) {
    return c == world::Tile::Wall;
}
bool isMonster(std::uint8_t c) {
    return world::oneCellKind(c).has_value();
}

// Whether using the item from the cell can do anything there: the items that act on the
// cells around the hero, or carry him to the same cell of another floor or to the mirrored
// cell, work only from some cells of his region. Items that act on the whole floor or on the
// hero himself work from anywhere: his own cell stands for the region.
bool actsFrom(int slot, const Position& p, const Region& region, int cell) {
    using namespace world::Slot;
    const int floor = region.floor;
    const auto road = [&](int f, int c) { return p.map.tile(f, c) == world::Tile::Road; };
    switch (slot) {
    case OrbOfFlying:
        return besideTile(p.map, floor, cell, isStairs);
    case SnowCrystal:
        return besideTile(p.map, floor, cell, isLava);
    case Mattock:
        return besideTile(p.map, floor, cell, isWall);
    case DestructibleBall:
        return besideTile(p.map, floor, cell, isMonster);
    case WingToAscend:
        return floor < world::kTopFloor && road(floor + 1, cell);
    case WingToDescend:
        return floor > 0 && road(floor - 1, cell);
    case TransferArticle: {
        const int mirror = world::kCells - 1 - cell;
        return road(floor, mirror) && region.cost[static_cast<std::size_t>(mirror)] < 0;
    }
    default:
        return cell == p.status.heroCell();
    }
}

// The items that act when clicked: for each that the game lets the hero use, one move from
// each cell of his region where it can act (the Orb of Flying from the nearest cell beside
// stairs: where he takes off changes nothing). The two orbs that only show what lies ahead
// change nothing and are left out.
void useItems(Player& player, const Position& position, const Region& region,
              std::vector<Outcome>& out) {
    player.restore(position);
    std::vector<const world::Item*> usable;
    for (const world::Item& item : world::kItems) {
        const window::Control* icon = player.game().window.main.find(item.icon);
        if (item.clickable && item.slot != world::Slot::OrbOfHero &&
            item.slot != world::Slot::OrbOfWisdom && icon && icon->visible && icon->enabled)
            usable.push_back(&item);
    }
    const int hero = position.status.heroCell();
    for (const world::Item* item : usable) {
        std::vector<int> cells;
        for (int cell = 0; cell < world::kCells; ++cell)
            if (region.cost[static_cast<std::size_t>(cell)] >= 0 &&
                region.cost[static_cast<std::size_t>(cell)] < kBlowCost &&
                actsFrom(item->slot, position, region, cell))
                cells.push_back(cell);
        if (item->slot == world::Slot::OrbOfFlying && cells.size() > 1) {
            const auto nearest = std::min_element(cells.begin(), cells.end(), [&](int a, int b) {
                return region.cost[static_cast<std::size_t>(a)] <
                       region.cost[static_cast<std::size_t>(b)];
            });
            cells = {*nearest};
        }
        for (const int cell : cells) {
            std::vector<std::string> lines = roadTo(region, hero, cell);
            lines.push_back("click " + std::string(item->icon));
            lines.emplace_back("run");
            if (replay(player, position, lines))
                answerDialogues(player, position, lines, 0, out);
        }
    }
}

} // namespace

Region regionOf(const Position& position) {
    Region r;
    r.floor = position.status[world::Slot::Floor];
    r.cost.fill(-1);
    r.from.fill(-1);
    const int hero = position.status.heroCell();
    using Entry = std::pair<int, int>; // cost, cell
    // The open cells as a heap, its room kept from one region to the next.
    thread_local std::vector<Entry> open;
    open.clear();
    // What a step onto each cell costs, -1 for no road: worked out once a cell, when first
    // reached.
    constexpr int kUnknown = -2;
    std::array<int, world::kCells> stepOnto;
    stepOnto.fill(kUnknown);
    const auto costOnto = [&](int cell) {
        int& c = stepOnto[static_cast<std::size_t>(cell)];
        if (c == kUnknown)
            c = world::stepKind(position.map.tile(r.floor, cell)) == StepKind::Road
                    ? stepCost(position.map, r.floor, cell)
                    : -1;
        return c;
    };
    r.cost[static_cast<std::size_t>(hero)] = 0;
    open.push_back({0, hero});
    while (!open.empty()) {
        std::pop_heap(open.begin(), open.end(), std::greater<>{});
        const auto [cost, cell] = open.back();
        open.pop_back();
        if (cost != r.cost[static_cast<std::size_t>(cell)])
            continue;
        for (const Neighbour& n : neighbours(cell)) {
            const int step = costOnto(n.cell);
            if (step < 0)
                continue;
            const int next = cost + step;
            int& known = r.cost[static_cast<std::size_t>(n.cell)];
            if (known < 0 || next < known) {
                known = next;
                r.from[static_cast<std::size_t>(n.cell)] = cell;
                open.push_back({next, n.cell});
                std::push_heap(open.begin(), open.end(), std::greater<>{});
            }
        }
    }
    r.representative = static_cast<int>(
        std::find_if(r.cost.begin(), r.cost.end(), [](int c) { return c >= 0; }) - r.cost.begin());
    return r;
}

int representativeOf(const Position& position) {
    const int floor = position.status[world::Slot::Floor];
    const int hero = position.status.heroCell();
    std::array<bool, world::kCells> seen{};
    std::array<int, world::kCells> pending{};
    int waiting = 0;
    int first = hero;
    seen[static_cast<std::size_t>(hero)] = true;
    pending[static_cast<std::size_t>(waiting++)] = hero;
    while (waiting > 0) {
        const int cell = pending[static_cast<std::size_t>(--waiting)];
        first = std::min(first, cell);
        for (const Neighbour& n : neighbours(cell)) {
            bool& was = seen[static_cast<std::size_t>(n.cell)];
            if (!was && world::stepKind(position.map.tile(floor, n.cell)) == StepKind::Road) {
                was = true;
                pending[static_cast<std::size_t>(waiting++)] = n.cell;
            }
        }
    }
    return first;
}

std::vector<Outcome> movesFrom(Player& player, const Position& position) {
    const Region region = regionOf(position);
    const int hero = position.status.heroCell();
    // Each target once, from the region's cell beside it with the cheapest road.
    std::array<int, world::kCells> standOn{};
    standOn.fill(-1);
    for (int cell = 0; cell < world::kCells; ++cell) {
        const int cost = region.cost[static_cast<std::size_t>(cell)];
        if (cost < 0)
            continue;
        for (const Neighbour& n : neighbours(cell)) {
            const StepKind kind = world::stepKind(position.map.tile(region.floor, n.cell));
            if (kind == StepKind::Road || kind == StepKind::Blocked)
                continue;
            int& best = standOn[static_cast<std::size_t>(n.cell)];
            if (best < 0 || cost < region.cost[static_cast<std::size_t>(best)])
                best = cell;
        }
    }
    std::vector<Outcome> out;
    useItems(player, position, region, out);
    for (int target = 0; target < world::kCells; ++target) {
        const int from = standOn[static_cast<std::size_t>(target)];
        if (from < 0)
            continue;
        std::vector<std::string> lines = roadTo(region, hero, from);
        lines.emplace_back(keyBetween(from, target));
        lines.emplace_back("run");
        if (replay(player, position, lines))
            answerDialogues(player, position, lines, 0, out);
    }
    return out;
}

} // namespace solve
