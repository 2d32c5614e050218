#include "scenes/after_fight.h"

#include "combat/monsters.h"
#include "explore/doors.h"
#include "render/controls.h"
#include "scenes/opening.h"
#include "scenes/tile_scenes.h"
#include "script/executor.h"
#include "script/script.h"
#include "state/game.h"
#include "window/names.h"
#include "world/tiles.h"

#include <initializer_list>
#include <string>

namespace scenes {
namespace {

using namespace world;
namespace Cmd = script::Cmd;
namespace Effect = script::Effect;

constexpr int kLastLapMessage = 140; // an empty message line before the ending
constexpr int kLaterLapEndingDialog = 62;
constexpr int kLaterLapEndingMark = 99;

int sumOf(const game::Game& game, std::initializer_list<int> cells) {
    int sum = 0;
    for (int cell : cells)
        sum += game.map.tile(game.status[Slot::Floor], cell);
    return sum;
}

bool sumIs(const game::Game& game, std::initializer_list<int> cells, int sum) {
    return sumOf(game, cells) == sum;
}

// The guards of one or more gates are gone: the gates open.
void openGatesWhen(game::Game& game, std::initializer_list<int> cells, int sum,
                   std::initializer_list<int> gates) {
    if (!sumIs(game, cells, sum))
        return;
    script::Script script(game);
    for (int gate : gates)
        script.openGate(gate);
    script.push(game);
}

// A one-shot check: its flag is set the first time the sum matches.
bool firstMatch(game::Game& game, int flag, std::initializer_list<int> cells, int sum) {
    if (game.status[flag] != 0 || !sumIs(game, cells, sum))
        return false;
    game.status[flag] = 1;
    return true;
}

// The treasure a beaten boss leaves: the fairy, crystals, elixirs and keys.
struct Treasure {
    int fairy;
    std::initializer_list<int> red;    // red crystals
    std::initializer_list<int> blue;   // blue crystals
    std::initializer_list<int> elixir; // blue elixirs
    std::initializer_list<int> keys;   // yellow keys
};

void treasure(script::Script& script, const Treasure& t) {
    script.reward(t.fairy, Tile::Fairy)
        .reward(t.red, Tile::RedCrystal)
        .reward(t.blue, Tile::BlueCrystal)
        .reward(t.elixir, Tile::BlueElixir)
        .reward(t.keys, Tile::YellowKey);
}

// Floor 2: the prison guards are beaten; every cell's bars lift.
void floor2(game::Game& game) {
    if (!sumIs(game, {16, 18, 48}, 17))
        return;
    script::Script script(game);
    for (int bars : {48, 52, 81, 85, 114, 118})
        script.door(bars, script::DoorKind::BarsLift);
    script.push(game);
}

// Floor 10: the skeleton army is beaten, then its captain.
void floor10(game::Game& game) {
    if (sumIs(game, {37, 38, 39, 48, 50, 59, 60, 61, 27}, 52))
        script::Script(game).dialogue(14).openGate(27).musicOn().push(game);
    if (!sumIs(game, {5, 71, 40, 36}, 18))
        return;
    script::Script script(game);
    script.musicOff().dialogue(15).openGate(36).openGate(40).openGate(71);
    treasure(script, {27, {22, 23, 24}, {30, 31, 32}, {33, 34, 35}, {41, 42, 43}});
    script.reward(115, Tile::StairsUp).add(Cmd::SetTile, 93, Tile::EventCell);
    script.push(game);
}

// Floor 14: the four guards of the corner are gone.
void floor14(game::Game& game) {
    if (sumIs(game, {0, 2, 12, 22}, 26))
        script::Script(game).reward(22, Tile::RedKey).push(game);
}

// Floor 15: the Big Octopus is beaten.
void floor15(game::Game& game) {
    if (sumIs(game, {60, 27, 93}, 14))
        script::Script(game).openGate(27).openGate(93).reward(49, Tile::Mattock).push(game);
}

// Floor 17: four gates, each with its two guards.
void floor17(game::Game& game) {
    openGatesWhen(game, {52, 54, 42}, 16, {42});
    openGatesWhen(game, {85, 87, 75}, 16, {75});
    openGatesWhen(game, {44, 46, 34}, 16, {34});
    openGatesWhen(game, {77, 79, 67}, 16, {67});
}

// Floor 20: the Vampire is beaten.
void floor20(game::Game& game) {
    if (!sumIs(game, {48, 49, 50, 59, 61, 70, 71, 72, 60, 27, 93}, 62))
        return;
    script::Script script(game);
    script.openGate(27).openGate(93).dialogue(21).musicOff();
    treasure(script, {49, {47, 58, 69}, {51, 62, 73}, {81, 82, 83}, {37, 38, 39}});
    script.reward(5, Tile::StairsUp).push(game);
}

// Floor 25: the Great Magic Master is beaten.
void floor25(game::Game& game) {
    if (!sumIs(game, {60, 104}, 10))
        return;
    if (game.status[Slot::DialogueSeenBase + 26] == 1)
        scenes::openFloor24Passage(game);
    script::Script(game)
        .openGate(104)
        .reward(71, Tile::Fairy)
        .reward({80, 81, 82, 83, 84}, Tile::RedKey)
        .push(game);
}

// Floor 30: the six guards of the pen are beaten.
void floor30(game::Game& game) {
    if (sumIs(game, {46, 47, 48, 50, 51, 52, 38, 71}, 44))
        script::Script(game).openGate(38).openGate(71).reward(5, Tile::StairsUp).push(game);
}

// Floor 32: the gate's guards; and the Golden Knight who was beaten before his master spoke.
void floor32(game::Game& game) {
    openGatesWhen(game, {99, 101, 89}, 16, {89});
    Status& s = game.status;
    if (sumOf(game, {60}) + s[Slot::DialogueSeenBase + 30] + s[Slot::DialogueSeenBase + 31] != 7)
        return;
    game.map.setTile(29, 17, Tile::Road);
    game.map.setTile(2, 120, Tile::Thief);
    render::setText(game, window::names::Button1, "OK");
    script::Script script(game);
    script.dialogue(31).add(Cmd::PutTile, 104, Tile::GoldenKnight);
    script.walk({104, 93, 82, 71, 60, 49, 38, 27, 16, 5, 6, 7, 8, 9});
    script.reward(9, Tile::Road).push(game);
}

// Floor 34: the eight guards are beaten, once.
void floor34(game::Game& game) {
    if (firstMatch(game, Slot::Floor34Event, {37, 39, 41, 43, 81, 83, 85, 87}, 48))
        script::Script(game)
            .reward(56, Tile::RedKey)
            .reward({44, 46, 66, 68}, Tile::YellowKey)
            .push(game);
}

// Floor 35: the Dragon is beaten, once.
void floor35(game::Game& game) {
    if (firstMatch(game, Slot::Floor35Event, {71, 27}, 10))
        script::Script(game)
            .openGate(27)
            .reward(60, Tile::SnowCrystal)
            .reward({48, 49, 50}, Tile::BlueElixir)
            .push(game);
}

// Floor 38: the guards of the hidden passage are beaten; its wall becomes a false wall.
void floor38(game::Game& game) {
    if (sumIs(game, {99, 101}, 12))
        game.map.setTile(38, 89, Tile::FalseWall);
}

// Floor 40: the army is beaten, once.
void floor40(game::Game& game) {
    if (!firstMatch(game, Slot::Floor40Event, {16, 5}, 17))
        return;
    script::Script script(game);
    script.musicOff();
    treasure(script, {60, {12, 13, 14}, {18, 19, 20}, {35, 36, 37}, {39, 40, 41}});
    script.push(game);
}

// Floor 41: both Magicians A are beaten, once: the walls move and the wing appears.
void floor41(game::Game& game) {
    if (!firstMatch(game, Slot::Floor41Event, {12, 20}, 12))
        return;
    script::Script script(game);
    for (auto [cell, tile] :
         {std::pair{59, Tile::Wall}, std::pair{60, Tile::Wall}, std::pair{61, Tile::Wall},
          std::pair{70, Tile::Road}, std::pair{72, Tile::Road}})
        script.sound(Effect::Open).add(Cmd::SetTile, cell, tile);
    script.reward(49, Tile::WingToDescend).push(game);
}

// Floor 45: two gates, each with its two guards.
void floor45(game::Game& game) {
    openGatesWhen(game, {92, 114, 102}, 16, {102});
    openGatesWhen(game, {95, 117, 105}, 16, {105});
}

// Floor 49: the guards' gates; Zeno weakened once his four nearest Sergeants are gone; Zeno
// beaten.
void floor49(game::Game& game) {
    openGatesWhen(game, {103, 105, 93}, 16, {93});
    openGatesWhen(game, {81, 83, 71, 60}, 23, {71});
    if (sumIs(game, {16, 26, 28, 38}, 24) && sumIs(game, {15, 17, 37, 39}, 372)) {
        combat::weakenZeno(game);
        script::Script(game).musicOff().dialogue(46).musicOn().push(game);
    }
    if (!sumIs(game, {27, 71, 60}, 16))
        return;
    game.explore.stack.clear();
    script::Script script(game);
    script.musicOff();
    for (int sergeant : {15, 17, 37, 39})
        script.add(Cmd::SetTile, sergeant, Tile::Road);
    script.openGate(71);
    script.reward(16, Tile::Fairy)
        .reward({48, 49, 50}, Tile::BlueElixir)
        .reward({34, 35, 36}, Tile::RedCrystal)
        .reward({40, 41, 42}, Tile::BlueCrystal)
        .reward(15, Tile::RedKey)
        .reward(17, Tile::DragonSlayer)
        .push(game);
}

// Zeno has been beaten on the top floor: neither he nor the thief he appears over (in the
// floor-24 scene) stands on it any more. The Destructible Ball runs the after-fight check too,
// and it can remove neither of them.
bool zenoBeatenOnTop(const game::Game& game) {
    for (int cell = 0; cell < kCells; ++cell) {
        const std::uint8_t t = game.map.tile(kTopFloor, cell);
        if (t == Tile::Zeno || t == Tile::Thief)
            return false;
    }
    return true;
}

// Floor 50 in a later lap: Zeno is beaten again and the lap ends.
void floor50(game::Game& game) {
    if (game.status[Slot::LapLevel] == 0 || !zenoBeatenOnTop(game))
        return;
    script::Script script(game);
    script.add(Cmd::MessageBox, kLaterLapEndingDialog, kLaterLapEndingMark).pause(3);
    script.message(kLastLapMessage);
    script.add(Cmd::Special, script::Special::StopAnimation)
        .add(Cmd::Special, script::Special::HideStatus)
        .add(Cmd::Special, script::Special::KeepScreen);
    endingSteps(script);
    script.push(game);
}

} // namespace

void moncheck(game::Game& game) {
    switch (game.status[Slot::Floor]) {
    case 2:
        floor2(game);
        break;
    case 8:
        openGatesWhen(game, {52, 54, 42}, 16, {42});
        break;
    case 10:
        floor10(game);
        break;
    case 11:
        openGatesWhen(game, {44, 46, 34}, 16, {34});
        break;
    case 14:
        floor14(game);
        break;
    case 15:
        floor15(game);
        break;
    case 17:
        floor17(game);
        break;
    case 20:
        floor20(game);
        break;
    case 25:
        floor25(game);
        break;
    case 30:
        floor30(game);
        break;
    case 32:
        floor32(game);
        break;
    case 33:
        openGatesWhen(game, {52, 54, 74, 76, 42, 86}, 32, {42, 86});
        break;
    case 34:
        floor34(game);
        break;
    case 35:
        floor35(game);
        break;
    case 38:
        floor38(game);
        break;
    case 40:
        floor40(game);
        break;
    case 41:
        floor41(game);
        break;
    case 44:
        openGatesWhen(game, {92, 94, 82}, 16, {82});
        break;
    case 45:
        floor45(game);
        break;
    case 48:
        openGatesWhen(game, {0, 84}, 10, {84});
        break;
    case 49:
        floor49(game);
        break;
    case 50:
        floor50(game);
        break;
    default:
        break;
    }
}

} // namespace scenes
