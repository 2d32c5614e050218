#include "scenes/floor_events.h"

#include "combat/effects.h"
#include "combat/monsters.h"
#include "render/controls.h"
#include "script/executor.h"
#include "script/script.h"
#include "state/game.h"
#include "window/names.h"
#include "world/catalogue.h"
#include "world/tiles.h"

#include <initializer_list>
#include <string>

namespace scenes {
namespace {

using namespace world;
namespace Cmd = script::Cmd;
namespace Effect = script::Effect;

constexpr int kRoadToWall = 114;  // "The road changed to the wall!"
constexpr int kDoorOpened = 4;    // "The door opened."
constexpr int kWhatCaption = 218; // "What?" on the dialogue button
constexpr int kSkeletonTrack = 15;
constexpr int kVampireSteps = 32;

// Monsters the scenes bring in.
constexpr std::uint8_t kVampire = 95;
constexpr std::uint8_t kKnight = 135;
constexpr std::uint8_t kSwordsman = 137;
constexpr std::uint8_t kSoldier = 139;
constexpr std::uint8_t kGhostSoldier = 141;

bool seen(const game::Game& game, int dialogue) {
    return game.status[Slot::DialogueSeenBase + dialogue] != 0;
}

// Each monster walks its path one cell at a time, and each slide is followed by sound 4.
void march(script::Script& script, std::initializer_list<std::initializer_list<int>> paths) {
    for (const auto& path : paths) {
        const int* from = path.begin();
        for (const int* to = from + 1; to != path.end(); ++from, ++to)
            script.add(Cmd::MonsterSlide, *from, *to).sound(Effect::Zeno);
    }
}

// Floor 10, first visit: the skeleton captain sends his army and withdraws behind his gate.
void skeletonArmy(script::Script& script) {
    script.musicOff().dialogue(13).reward(59, Tile::Road).reward(61, Tile::Road);
    script.walk({38, 27, 16, 5}).closeGate(27).closeGate(71).openGate(36).openGate(40);
    march(script, {{34, 35, 36, 37, 48, 59, 60},
                   {42, 41, 40, 39, 38},
                   {24, 35, 36, 37, 48, 59},
                   {30, 41, 40, 39, 50, 61},
                   {23, 34, 35, 36, 37, 48},
                   {31, 42, 41, 40, 39, 50},
                   {22, 33, 34, 35, 36, 37},
                   {32, 43, 42, 41, 40, 39}});
    script.closeGate(36).closeGate(40);
    if (script.musicIsOn())
        script.add(Cmd::SetStatus, Slot::MusicTrack, kSkeletonTrack).musicOn();
}

// Floor 10 after the fairy has spoken: the thief comes out of his tunnel.
void thiefArrives(script::Script& script) {
    script.reward(99, Tile::Thief);
    script.walk({99, 88, 77, 78, 79, 90, 101, 112, 113, 114, 103, 104});
    script.dialogue(17).reward(104, Tile::Road);
}

void floor10(game::Game& game, script::Script& script) {
    if (seen(game, 16))
        thiefArrives(script);
    else
        skeletonArmy(script);
}

// Floor 20: the Vampire's room closes round the hero.
void floor20(game::Game& game, script::Script& script) {
    const int floor = game.status[Slot::Floor];
    for (int cell : {48, 49, 50, 59, 61, 70, 71, 72})
        game.map.setTile(floor, cell, Tile::Road);
    game.map.setTile(floor, 60, kVampire);
    script.musicOff().closeGate(93).sound(Effect::Floor20);
    for (int k = 1; k <= kVampireSteps; ++k)
        script.add(Cmd::Special, script::Special::VampireArrives, k);
    script.dialogue(20).musicOn();
}

// Floor 24: the passage to the top, where Zeno waits behind the thief.
void floor24(game::Game& game, script::Script& script) {
    const Status& s = game.status;
    combat::restoreZeno(game);
    const bool zenoAttacks = s[Slot::LapLevel] != 0 && s[Slot::KeepProgress] == 0;
    if (zenoAttacks)
        combat::setLaterLapZeno(game);
    script.musicOff();
    for (int floor = 25; floor <= kTopFloor; ++floor)
        script.sound(Effect::Open).add(Cmd::Special, script::Special::ShowFloor, floor);
    script.dialogue(48).dialogue(49).sound(Effect::Floor3);
    for (int m = 166; m <= 182; ++m)
        script.masked(49, m, Tile::Thief, Tile::Zeno);
    script.add(Cmd::PutTile, 49, Tile::Zeno).musicRestart();
    for (int n = 50; n <= 57; ++n)
        script.dialogue(n);
    if (!zenoAttacks)
        return;
    script.sound(Effect::Get).walk({49, 60});
    script.sound(Effect::Get).walk({60, 71}).fight(71);
}

// Floor 32: a Golden Knight walks the long way round to the hero.
void floor32(game::Game& game, script::Script& script) {
    render::setText(game, window::names::Button1, std::string(catalogueLine(kWhatCaption)));
    script.reward(9, Tile::GoldenKnight).walk({9, 8, 7, 6, 5, 16, 27, 38, 49, 60});
    script.dialogue(30).walk({60, 71, 82, 93, 104}).fight(104);
}

// Floor 33: a wall rises behind the hero on cell 107; elsewhere two gates close.
void floor33(game::Game& game, script::Script& script) {
    const Status& s = game.status;
    if (s.heroCell() == 107)
        script.raiseWall(106).message(kRoadToWall);
    else
        script.closeGate(42).closeGate(86);
}

// Floor 40: the army of the tower, one soldier at a time.
void floor40(game::Game& game, script::Script& script) {
    const int floor = game.status[Slot::Floor];
    struct Rank {
        std::initializer_list<int> cells;
        std::uint8_t tile;
    };
    for (const Rank& rank : {Rank{{35, 36, 37}, kGhostSoldier}, Rank{{39, 40, 41}, kSoldier},
                             Rank{{12, 13, 14}, kSwordsman}, Rank{{18, 19, 20}, kKnight},
                             Rank{{16}, Tile::GoldenKnight}}) {
        for (int cell : rank.cells)
            if (game.map.tile(floor, cell) == Tile::Road)
                game.map.setTile(floor, cell, rank.tile);
    }
    auto attack = [&script](std::initializer_list<int> path) { script.walk(path).fight(71); };
    script.closeGate(82).dialogue(34);
    attack({37, 48, 49, 60, 71});
    attack({36, 37, 48, 49, 60, 71});
    attack({35, 36, 37, 48, 49, 60, 71});
    script.dialogue(35);
    attack({39, 50, 49, 60, 71});
    attack({40, 39, 50, 49, 60, 71});
    attack({41, 40, 39, 50, 49, 60, 71});
    script.dialogue(36);
    attack({14, 25, 26, 37, 38, 49, 60, 71});
    attack({13, 14, 25, 26, 37, 38, 49, 60, 71});
    attack({12, 13, 14, 25, 26, 37, 38, 49, 60, 71});
    script.dialogue(37);
    attack({18, 29, 28, 39, 38, 49, 60, 71});
    attack({19, 18, 29, 28, 39, 38, 49, 60, 71});
    attack({20, 19, 18, 29, 28, 39, 38, 49, 60, 71});
    script.dialogue(38);
    attack({16, 27, 38, 49, 60, 71});
    script.openGate(82).message(kDoorOpened).reward(5, Tile::StairsUp).dialogue(39);
    script.add(Cmd::PutTile, 71, Tile::GoldenKnight).walk({71, 60, 49, 38, 27, 16});
    script.reward(16, Tile::Road).add(Cmd::Special, script::Special::AfterFight);
}

// Floor 42: Zeno and his Sergeants strike down the thief.
void floor42(game::Game& game, script::Script& script) {
    game.map.setTile(35, 103, Tile::Road);
    const int floor = game.status[Slot::Floor];
    script.dialogue(41).add(combat::zenoAppearance(game, 60).entries()).dialogue(42).dialogue(43);
    script.add(combat::sergeantsAppearance(game, {71, 93, 81, 83}).entries()).sound(Effect::Zeno);
    script.masked(82, 183, game.map.tile(floor, 82), 184);
    for (int cell : {82, 71, 93, 81, 83})
        script.add(Cmd::SetTile, cell, Tile::Road);
    script.dialogue(44).reward(60, Tile::Road);
}

// Floor 43: the trap of the Magic Sergeant behind the door.
void floor43(game::Game& game, script::Script& script) {
    if (game.map.tile(game.status[Slot::Floor], 8) != Tile::MagicSergeant)
        return;
    script.raiseWall(9).raiseWall(6);
    script.sound(Effect::Get).walk({9, 10}).sound(Effect::Get).walk({8, 9});
}

// Floor 49: Zeno in his hall, with his ring of eight Sergeants.
void floor49(script::Script& script) {
    script.musicOff()
        .closeGate(71)
        .add(Cmd::Special, script::Special::ZenoRises)
        .dialogue(45)
        .musicOn();
    script.add(Cmd::Special, script::Special::SergeantRing);
}

void floorScene(game::Game& game, script::Script& script) {
    switch (game.status[Slot::Floor]) {
    case 10:
        floor10(game, script);
        break;
    case 15:
        script.closeGate(93);
        break;
    case 20:
        floor20(game, script);
        break;
    case 24:
        floor24(game, script);
        break;
    case 25:
        script.closeGate(104).dialogue(23);
        break;
    case 30:
        script.closeGate(38).closeGate(71);
        break;
    case 32:
        floor32(game, script);
        break;
    case 33:
        floor33(game, script);
        break;
    case 38:
        script.raiseWall(45).message(kRoadToWall);
        break;
    case 40:
        floor40(game, script);
        break;
    case 42:
        floor42(game, script);
        break;
    case 43:
        floor43(game, script);
        break;
    case 48:
        script.reward(0, Tile::MagicSergeant);
        break;
    case 49:
        floor49(script);
        break;
    default:
        break;
    }
}

} // namespace

void ichicheck(game::Game& game) {
    script::Script script(game);
    floorScene(game, script);
    if (script.empty())
        return;
    script.play(game);
}

} // namespace scenes
