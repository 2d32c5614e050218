#include "items/travel.h"

#include "combat/effects.h"
#include "combat/monster_panel.h"
#include "explore/stairs.h"
#include "items/items.h"
#include "render/controls.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/combat_state.h"
#include "state/explore_state.h"
#include "state/game.h"
#include "window/main_window.h"
#include "window/names.h"
#include "world/tiles.h"

#include <array>
#include <string_view>

namespace items {
namespace {

using namespace world;

// Flight directions (Status[158]) and start-staircase marks (word 166).
constexpr std::int32_t kNoFlight = 0;
constexpr std::int32_t kFlewUp = 1;
constexpr std::int32_t kFlewDown = 2;
constexpr std::int32_t kBesideUpStairs = 1;

// Message selectors (the line shown is the selector + 127).
constexpr int kThereIsStairs = 19; // "There is stairs."
constexpr int kNeedsStairs = 20;   // "You cannot use the orb of flying except next stairs!"
constexpr int kUsedTheOrb = 23;    // "Used the orb of flying!"

constexpr int kSkippedFloor = 44; // no flight stops on floor 44, as no stairs lead there
constexpr int kLowestDestination = 1;

constexpr std::array<std::string_view, 3> kChooserButtons = {
    window::names::Button8, window::names::Button9, window::names::Button10};

bool choosing(const game::Game& game) {
    return render::controlShown(game, window::names::Button10);
}

// Name what stands beside the hero, above, left, right and below (mmes), the last one found
// winning; a staircase on the highest floor reached also leaves its mark in word 166.
void describeNeighbours(game::Game& game) {
    const Status& s = game.status;
    const int hero = s.heroCell();
    for (const Direction side :
         {Direction::Up, Direction::Left, Direction::Right, Direction::Down}) {
        if (const auto cell = neighbour(hero, side))
            combat::mmes(game, *cell);
    }
}

// The chosen floor without the hero. The full redraw forgets the staircase mark, which the
// landing still needs, so the mark is kept across it.
void showChosenFloor(game::Game& game) {
    const std::int32_t mark = game.status[Slot::StartStairs];
    render::mhyouji(game);
    game.status[Slot::StartStairs] = mark;
    render::show(game);
    render::disp(game);
}

bool stepUp(game::Game& game) {
    Status& s = game.status;
    if (s[Slot::Floor] >= s[Slot::HighestFloor])
        return false;
    s[Slot::FlightDirection] = kFlewUp;
    s[Slot::Floor] += s[Slot::Floor] + 1 == kSkippedFloor ? 2 : 1;
    showChosenFloor(game);
    return true;
}

void stepDown(game::Game& game) {
    Status& s = game.status;
    if (s[Slot::Floor] <= kLowestDestination)
        return;
    s[Slot::FlightDirection] = kFlewDown;
    s[Slot::Floor] -= s[Slot::Floor] - 1 == kSkippedFloor ? 2 : 1;
    showChosenFloor(game);
}

// Seen from floor 35 with its cell 91 cleared, the thief of floor 2 has left his corner.
void thiefLeavesFloorTwo(game::Game& game) {
    TowerMap& map = game.map;
    if (game.status[Slot::Floor] == 35 && map.tile(35, 91) + map.tile(2, 120) == 27)
        map.setTile(2, 120, Tile::Road);
}

// The fairies of floors 25 and 49 are gone once the hero flies elsewhere.
void fairiesLeave(game::Game& game, int destination) {
    struct Fairy {
        int floor;
        int cell;
    };
    for (const Fairy f : {Fairy{25, 71}, Fairy{49, 16}}) {
        if (destination != f.floor && game.map.tile(f.floor, f.cell) == Tile::Fairy)
            game.map.setTile(f.floor, f.cell, Tile::Road);
    }
}

// Leaving floor 29, the highest reached, for a lower floor opens the thief's passage there.
void thiefPassageOpens(game::Game& game, int destination) {
    if (game.status[Slot::HighestFloor] != 29 || destination >= 29)
        return;
    game.map.setTile(29, 38, Tile::Road);
    game.map.setTile(29, 27, Tile::Road);
    game.map.setTile(29, 17, Tile::Thief);
}

// On the highest floor the landing follows the staircase the hero started beside: back to
// his up staircase when he began beside it, otherwise beside the floor's down staircase.
std::int32_t landingDirection(const Status& s) {
    const std::int32_t direction = s[Slot::FlightDirection];
    if (direction == kNoFlight || s[Slot::Floor] != s[Slot::HighestFloor])
        return direction;
    return s[Slot::StartStairs] == kBesideUpStairs ? kFlewDown : kFlewUp;
}

} // namespace

void img4work(game::Game& game) {
    Status& s = game.status;
    s[Slot::FlightDirection] = kNoFlight;
    s[Slot::StartStairs] = 0;
    game.combat.currentMonster = combat::kNoMonster;
    combat::monshyouji(game);
    if (s[Slot::OrbOfFlying] != 1)
        return;
    script::itemdel(game);
    game.messageSelector = 0;
    describeNeighbours(game);
    if (game.messageSelector != kThereIsStairs) {
        game.messageSelector = kNeedsStairs;
        script::itemlive(game);
        render::disp(game);
        return;
    }
    if (script::musicOn(game))
        game.sound().stopMusic();
    s[Slot::HeroHidden] = 1;
    for (const auto name : kChooserButtons) {
        render::showControl(game, name);
        render::enableControl(game, name);
    }
    render::focusControl(game, window::names::Button10);
}

void Button8Click(game::Game& game) {
    if (render::clickable(game, window::names::Button8) && stepUp(game))
        thiefLeavesFloorTwo(game);
}

void Button9Click(game::Game& game) {
    if (render::clickable(game, window::names::Button9))
        stepDown(game);
}

void floorChoiceRepeat(game::Game& game, std::int32_t repeatAction) {
    if (!choosing(game))
        return;
    if (repeatAction == explore::Repeat::FloorUp)
        stepUp(game);
    else if (repeatAction == explore::Repeat::FloorDown)
        stepDown(game);
}

void Button10Click(game::Game& game) {
    if (!render::clickable(game, window::names::Button10))
        return;
    for (const auto name : kChooserButtons)
        render::showControl(game, name, false);
    Status& s = game.status;
    const int destination = s[Slot::Floor];
    if (s[Slot::FlightDirection] != kNoFlight)
        fairiesLeave(game, destination);
    s[Slot::HeroHidden] = 0;
    const std::int32_t direction = landingDirection(s);
    s[Slot::FlightDirection] = direction;
    if (direction != kNoFlight) {
        const int cell = direction == kFlewUp ? game.map.arrivalUp(destination)
                                              : game.map.arrivalDown(destination);
        s[Slot::HeroX] = cellX(cell);
        s[Slot::HeroY] = cellY(cell);
        thiefPassageOpens(game, destination);
        if (direction == kFlewUp)
            explore::kaidanupcheck(game);
        else
            explore::kaidandowncheck(game);
    }
    game.heroCell = s.heroCell();
    script::timer2on(game);
    script::Script(game, {{script::Cmd::Sound, script::Effect::Get, 0}, {script::Cmd::Pause, 0, 0}})
        .push(game);
    render::yusyahyouji1(game);
    render::show(game);
    game.messageSelector = kUsedTheOrb;
    render::disp(game);
    if (script::musicOn(game))
        script::restartFloorMusic(game);
    script::itemlive(game);
}

} // namespace items
