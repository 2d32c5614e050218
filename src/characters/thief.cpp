#include "characters/thief.h"

#include "characters/dialogs.h"
#include "explore/doors.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/game.h"
#include "world/tiles.h"

#include <initializer_list>
#include <iterator>

namespace characters {
namespace {

using namespace world;
namespace Cmd = script::Cmd;
namespace Effect = script::Effect;

constexpr int kPrisonFloor = 2;
constexpr int kPrisonWall = 67;       // the wall of the cell next to the thief's
constexpr int kPrisonThiefCell = 120; // where the thief waits on floor 2 after his escape
constexpr int kWallFell = 137;        // "The wall fell down. Changed to the road!"
constexpr int kPassageWall = 7;       // the wall he digs through on floor 15
constexpr int kThirdSeen = 96;        // dialog 6 acknowledged
constexpr int kBlockingSeen = 118;    // dialog 28 acknowledged
constexpr int kMeetingSeen = 122;     // dialog 32 acknowledged
constexpr int kBlockingCell = 27;     // floor 29: the hero stands beside the thief's hiding place

// Push a script given in playing order with a pause after each of its entries.
void pushPaced(game::Game& game, std::initializer_list<script::CommandEntry> entries) {
    script::Script script(game);
    for (const auto& entry : entries)
        script.add(entry).pause();
    script.push(game);
}

// A wall that sinks into the floor, cell by cell, followed by a pause.
void pushWallSinks(game::Game& game, int cell) {
    script::Script(game).doorFrames(cell, script::DoorKind::WallSinks).pause().push(game);
}

// The thief says scripted dialog n.
void say(game::Game& game, int dialog) {
    pushPaced(game, {{Cmd::MessageBox, dialog, 0}});
}

// Floor 2, beside the cell wall: he breaks it down and the hero is free.
void breakPrisonWall(game::Game& game) {
    if (script::musicOn(game))
        script::restartFloorMusic(game);
    game.composedMessage = lineText(kWallFell);
    pushPaced(game, {{Cmd::Message, game::kComposedMessage, 0}, {Cmd::MessageBox, 4, 0}});
    pushWallSinks(game, kPrisonWall);
    pushPaced(game, {{Cmd::Sound, Effect::Open, 0}});
}

// The prison, by the column the hero talks from.
void inPrison(game::Game& game) {
    const Status& s = game.status;
    switch (s[Slot::HeroX]) {
    case 0:
        say(game, 5);
        break;
    case 2:
    case 3:
        breakPrisonWall(game);
        break;
    case 9:
    case 10:
        say(game, s[kThirdSeen] == 1 ? 7 : 6);
        break;
    default:
        break;
    }
}

// Floor 15: he digs through the wall beside him and goes ahead.
void digPassage(game::Game& game) {
    pushPaced(game, {{Cmd::MessageBox, 18, 0},
                     {Cmd::MonsterSlide, 8, 7},
                     {Cmd::MonsterSlide, 7, 6},
                     {Cmd::Sound, Effect::Get, 0},
                     {Cmd::SetTile, 6, Tile::Road}});
    pushWallSinks(game, kPassageWall);
    pushPaced(game, {{Cmd::Sound, Effect::Open, 0}});
}

// Floor 29: he blocks the way up and will not move while watched.
void blockTheWay(game::Game& game) {
    const Status& s = game.status;
    if (s.heroCell() == kBlockingCell)
        say(game, 27);
    else
        say(game, s[kBlockingSeen] == 0 ? 28 : 29);
}

// Floor 35: met again; he is no longer waiting in the prison.
void meetAgain(game::Game& game) {
    game.map.setTile(kPrisonFloor, kPrisonThiefCell, Tile::Road);
    say(game, game.status[kMeetingSeen] == 1 ? 33 : 32);
}

} // namespace

void touzoku(game::Game& game) {
    script::itemdel(game);
    const auto before = game.explore.stack.mark();
    switch (game.status[Slot::Floor]) {
    case kPrisonFloor:
        inPrison(game);
        break;
    case 15:
        digPassage(game);
        break;
    case 29:
        blockTheWay(game);
        break;
    case 35:
        meetAgain(game);
        break;
    case kTopFloor:
        say(game, 264);
        break;
    default:
        break;
    }
    if (!game.explore.stack.pushedSince(before))
        script::itemlive(game);
    else
        script::timer2on(game);
}

} // namespace characters
