#include "extras/click_walk.h"

#include "state/game.h"
#include "window/names.h"
#include "world/tiles.h"

#include <algorithm>
#include <array>
#include <deque>

namespace extras {
namespace {

using namespace world;

constexpr int kSacredShieldTaken = Slot::ShieldTaken + 4; // no magic blow reaches him
constexpr std::array<Direction, 4> kDirections = {Direction::Up, Direction::Left, Direction::Right,
                                                  Direction::Down};

// True when standing on `cell` would draw a magician's blow or a Magic Sergeants' pincer.
bool struckOn(const game::Game& game, int cell) {
    if (game.status[kSacredShieldTaken] != 0)
        return false;
    const int floor = game.status[Slot::Floor];
    for (const Direction d : kDirections) {
        const std::optional<int> n = neighbour(cell, d);
        if (n && world::isMagician(game.map.tile(floor, *n)))
            return true;
    }
    auto sergeant = [&](std::optional<int> n) {
        return n && game.map.tile(floor, *n) == Tile::MagicSergeant;
    };
    return (sergeant(neighbour(cell, Direction::Left)) &&
            sergeant(neighbour(cell, Direction::Right))) ||
           (sergeant(neighbour(cell, Direction::Up)) && sergeant(neighbour(cell, Direction::Down)));
}

bool shown(const game::Game& game, std::string_view name) {
    const window::Control* c = game.window.main.find(name);
    return c && c->visible;
}

} // namespace

std::optional<std::vector<int>> walkPath(const game::Game& game, int target) {
    const Status& s = game.status;
    const int floor = s[Slot::Floor];
    const int start = s.heroCell();
    if (!validCell(target) || target == start ||
        stepKind(game.map.tile(floor, target)) == StepKind::Blocked)
        return std::nullopt;
    auto open = [&](int cell) {
        return cell == target ||
               (stepKind(game.map.tile(floor, cell)) == StepKind::Road && !struckOn(game, cell));
    };
    // Breadth first from the hero, so the first way found is a shortest one; the directions
    // are tried in a fixed order, so the same floor always gives the same way.
    std::array<int, kCells> cameFrom;
    cameFrom.fill(-1);
    cameFrom[static_cast<std::size_t>(start)] = start;
    std::deque<int> queue = {start};
    while (!queue.empty() && cameFrom[static_cast<std::size_t>(target)] < 0) {
        const int cell = queue.front();
        queue.pop_front();
        for (const Direction d : kDirections) {
            const std::optional<int> n = neighbour(cell, d);
            if (!n || cameFrom[static_cast<std::size_t>(*n)] >= 0 || !open(*n))
                continue;
            cameFrom[static_cast<std::size_t>(*n)] = cell;
            if (*n != target)
                queue.push_back(*n);
        }
    }
    if (cameFrom[static_cast<std::size_t>(target)] < 0)
        return std::nullopt;
    std::vector<int> path;
    for (int cell = target; cell != start; cell = cameFrom[static_cast<std::size_t>(cell)])
        path.push_back(cell);
    std::reverse(path.begin(), path.end());
    return path;
}

std::string_view arrowButtonTowards(int from, int to) {
    if (to == from - kSide)
        return window::names::BitBtn1;
    if (to == from - 1)
        return window::names::BitBtn2;
    if (to == from + 1)
        return window::names::BitBtn3;
    return window::names::BitBtn4;
}

bool quietMoment(const game::Game& game) {
    auto running = [&](std::string_view name) {
        const window::Timer* t = game.window.findTimer(name);
        return t && t->enabled;
    };
    const auto& others = game.window.secondary;
    const bool windowOpen =
        std::any_of(others.begin(), others.end(), [](const auto& w) { return w.second.visible; });
    return game.explore.inputLive && game.explore.stack.empty() &&
           !running(window::names::Timer2) && !running(window::names::Timer4) && !windowOpen &&
           !game.explore.cursorOpen && !shown(game, window::names::RichEdit1) &&
           !shown(game, window::names::Panel1);
}

bool readyToStep(const game::Game& game) {
    const window::Control* up = game.window.main.find(window::names::BitBtn1);
    return up && up->visible && up->enabled && quietMoment(game);
}

} // namespace extras
