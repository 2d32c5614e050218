// The command executor: plays the command stack on the command timer (Timer2), one command
// per tick and a second one if any is still pending.
#pragma once

#include "state/command_stack.h"

#include <initializer_list>
#include <span>

namespace game {
struct Game;
}

namespace explore {

// Command codes of the stack.
namespace Cmd {
enum : int {
    Pause = 0,
    Sound = 1,
    Message = 2,
    HeroFalls = 3,
    MonsterStrikes = 4,
    HeroStrikes = 5,
    SetTile = 6,
    Gold = 7,
    SidePanels = 8,
    MaskedSprite = 9,
    MessageBox = 10,
    Special = 11,
    MonsterSlide = 12,
    DoorFrame = 13,
    HeadBlow = 14,
    MusicRestart = 15,
    LifeChange = 16,
    PutTile = 17,
    HalveLife = 19,
    SetStatus = 20,
    WipeStep = 21,
    NewGame = 22,
};
} // namespace Cmd

// Sound effects of command 1 (first argument).
namespace Effect {
enum : int {
    Open = 1,
    Get = 2,
    Battle = 3,
    Zeno = 4,
    MusicOn = 5,
    MusicOff = 6,
    Floor3 = 7,
    Floor20 = 8,
    Stairs = 9
};
}

// Push a script given in playing order: the entries are pushed in reverse, so the first one
// listed plays first.
void pushScript(game::Game& game, std::span<const CommandEntry> playingOrder);
void pushScript(game::Game& game, std::initializer_list<CommandEntry> playingOrder);

// Push entries in the order given: the last one listed plays first.
void pushEntries(game::Game& game, std::initializer_list<CommandEntry> pushOrder);

// Push n pauses.
void pushPauses(game::Game& game, int n);

// timer2on: start play-out: stop the repeat timer, close input, start the command timer.
void timer2on(game::Game& game);

// timer2timer: the command timer's tick: one command, a second one if any is pending; the
// tick that finds the stack empty stops the timer and reopens input unless a dialog holds it.
void timer2timer(game::Game& game);

// stackwork: play the top entry of the stack, then remove it.
void stackwork(game::Game& game);

// True while music is on (Status[90] names a track); sound effects while Status[89] is 0.
bool musicOn(const game::Game& game);
bool effectsOn(const game::Game& game);

// Change the music to `track` while music is on: close the player, select the track, play it.
void changeMusic(game::Game& game, int track);

// The music of the current floor again while music is on (command 15).
void restartFloorMusic(game::Game& game);

} // namespace explore
