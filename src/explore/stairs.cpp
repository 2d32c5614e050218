#include "explore/stairs.h"

#include "combat/monster_panel.h"
#include "explore/explore_routines.h"
#include "explore/step.h"
#include "render/controls.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/names.h"
#include "world/catalogue.h"
#include "world/tiles.h"

#include <array>

namespace explore {

using namespace script;
namespace {

using namespace world;

constexpr int kMovingOnStairs = 243;    // "Be moving on stairs."
constexpr int kWentUp = 7;              // selector of "Went up the stairs."
constexpr int kWentDown = 8;            // selector of "Went down the stairs."
constexpr int kSkippedFloor = 44;       // stairs lead from 43 to 45 and back
constexpr int kMusicRestartAfter = 102; // the new floor's music starts after this wipe step

// A fairy that leaves her floor once the hero has gone by these stairs.
struct LeavingFairy {
    int floor;
    int cell;
};
constexpr std::array<LeavingFairy, 3> kLeaveWhenClimbing = {{{20, 49}, {25, 71}, {40, 60}}};
constexpr std::array<LeavingFairy, 2> kLeaveWhenDescending = {{{25, 71}, {49, 16}}};

void fairiesLeave(game::Game& game, std::span<const LeavingFairy> fairies) {
    const int floor = game.status[Slot::Floor];
    for (const auto& f : fairies) {
        if (f.floor == floor && game.map.tile(floor, f.cell) == Tile::Fairy)
            game.map.setTile(floor, f.cell, Tile::Road);
    }
}

void clearMonsterPanel(game::Game& game) {
    game.combat.currentMonster = combat::kNoMonster;
    combat::monshyouji(game);
}

void placeHero(game::Game& game, int cell) {
    game.status[Slot::HeroX] = cellX(cell);
    game.status[Slot::HeroY] = cellY(cell);
}

// Turn the hero away from a staircase of the given tile beside him: the last one found in
// the order up, left, right, down decides.
void turnAwayFrom(game::Game& game, std::uint8_t staircase) {
    struct Away {
        Direction side;
        Facing facing;
    };
    constexpr std::array<Away, 4> kAway = {{{Direction::Up, Facing::Down},
                                            {Direction::Left, Facing::Right},
                                            {Direction::Right, Facing::Left},
                                            {Direction::Down, Facing::Up}}};
    Status& s = game.status;
    const int hero = s.heroCell();
    for (const auto& a : kAway) {
        const auto cell = neighbour(hero, a.side);
        if (cell && game.map.tile(s[Slot::Floor], *cell) == staircase)
            s[Slot::Facing] = static_cast<std::int32_t>(a.facing);
    }
}

// A first arrival on floors 32 and 42 plays the floor's scene after the wipe.
void firstArrival(game::Game& game) {
    struct Arrival {
        int floor;
        int flag;
    };
    constexpr std::array<Arrival, 2> kArrivals = {{{32, Slot::Floor32Arrival}, {42, 131}}};
    Status& s = game.status;
    for (const auto& a : kArrivals) {
        if (s[Slot::Floor] == a.floor && s[a.flag] == 0) {
            kExploreRoutines.floorEvent(game);
            s[a.flag] = 1;
        }
    }
}

void climb(game::Game& game) {
    Status& s = game.status;
    fairiesLeave(game, kLeaveWhenClimbing);
    s[Slot::Floor] += s[Slot::Floor] == kSkippedFloor - 1 ? 2 : 1;
    if (s[Slot::Floor] > s[Slot::HighestFloor]) {
        s[Slot::HighestFloor] = s[Slot::Floor];
        if (s[Slot::Floor] == 35 && game.map.tile(35, 91) + game.map.tile(2, 120) == 27)
            game.map.setTile(2, 120, Tile::Road); // the thief of floor 2 has gone ahead
    }
    placeHero(game, game.map.arrivalUp(s[Slot::Floor]));
    kaidanupcheck(game);
    firstArrival(game);
    Script(game, {{Cmd::Message, kWentUp, 0}, {Cmd::Pause, 0, 0}}).push(game);
}

void descend(game::Game& game) {
    Status& s = game.status;
    fairiesLeave(game, kLeaveWhenDescending);
    s[Slot::Floor] -= s[Slot::Floor] == kSkippedFloor + 1 ? 2 : 1;
    if (s[Slot::HighestFloor] == 29 && s[Slot::Floor] == 28) {
        // The thief has dug the floor-29 passage and waits beside it.
        game.map.setTile(29, 38, Tile::Road);
        game.map.setTile(29, 27, Tile::Road);
        game.map.setTile(29, 17, Tile::Thief);
    }
    placeHero(game, game.map.arrivalDown(s[Slot::Floor]));
    kaidandowncheck(game);
    Script(game, {{Cmd::Message, kWentDown, 0}, {Cmd::Pause, 0, 0}}).push(game);
}

int wipeIntervalMs(const game::Game& game) {
    switch (game.options.speed) {
    case game::Speed::High:
        return 5;
    case game::Speed::Middle:
        return 10;
    case game::Speed::Low:
        break;
    }
    return 15;
}

} // namespace

void stairs(game::Game& game) {
    const bool up = game.map.tile(game.status[Slot::Floor], game.targetCell) == Tile::StairsUp;
    Script(game).pause(2).push(game);
    if (musicOn(game)) {
        render::setTimerRunning(game, window::names::Timer1, false);
        game.sound().stopMusic();
    }
    clearMonsterPanel(game);
    game.composeMessage(std::string(catalogueLine(kMovingOnStairs)));
    render::disp(game);
    if (up)
        climb(game);
    else
        descend(game);
    kaidanwork(game);
    clearMonsterPanel(game);
    itemlive(game);
    timer2on(game);
}

void kaidanwork(game::Game& game) {
    // The wipe draws the new floor into blank frames; with pictures off nothing is drawn.
    if (game.render.pictures) {
        game.render.frameA = render::Picture(render::kFieldSide, render::kFieldSide);
        game.render.frameB = render::Picture(render::kFieldSide, render::kFieldSide);
    }
    render::setTimerRunning(game, window::names::Timer1, false);
    const int steps = static_cast<int>(render::kSpiral.size());
    Script script(game);
    script.sound(Effect::Stairs).pause();
    for (int p = 1; p <= steps; ++p)
        script.add(Cmd::WipeStep, 0, p);
    for (int p = 1; p <= steps; ++p) {
        script.add(Cmd::WipeStep, 1, p);
        if (p == kMusicRestartAfter && musicOn(game))
            script.add(Cmd::MusicRestart);
    }
    script.push(game);
    render::setTimerInterval(game, window::names::Timer2, wipeIntervalMs(game));
    timer2on(game);
}

void kaidanupcheck(game::Game& game) {
    turnAwayFrom(game, Tile::StairsDown);
}

void kaidandowncheck(game::Game& game) {
    turnAwayFrom(game, Tile::StairsUp);
}

} // namespace explore
