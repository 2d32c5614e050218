// The command executor: plays the command stack on the command timer (Timer2), one command
// per tick and a second one if any is still pending.
#pragma once

#include "state/command_stack.h"
#include "state/game_fwd.h"

namespace script {

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
inline constexpr int kCount = 23; // codes 0..22; codes outside the table pause
} // namespace Cmd

// Sub-codes of the special command (Cmd::Special, first argument): the special steps of the
// scenes. The second argument is the value some of them take.
namespace Special {
enum : int {
    Opening = 1,        // the hero wakes in the prison
    ZenoRises = 2,      // Zeno stands on cell 27 and comes to life
    SergeantRing = 3,   // the ring of Magic Sergeants fades in
    VampireArrives = 4, // one step of the Vampire's arrival (value: the step)
    AfterFight = 5,     // the checks after a fight
    LapComplete = 6,    // the lap is complete: the next one starts
    TitlePicture = 7,   // the title picture over the play field
    HeroFacing = 8,     // the hero in his facing, drawn and shown at once
    Hero = 9,           // the hero drawn at his cell
    MonsterFirst = 10,  // the monster on cell (value) strikes first
    ShowFloor = 11,     // the floor shown becomes (value)
    Transition = 12,    // one step of a full-window transition (value)
    StopAnimation = 13, // the animation timer stops
    HideStatus = 14,    // the arrow buttons and the status fields hide
    KeepScreen = 15,    // the work picture takes the screen as it stands
};
inline constexpr int kCount = 16; // sub-codes 1..15; 0 and the others pause
} // namespace Special

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

// Door animation kinds of command 13.
namespace DoorKind {
enum : int {
    Yellow = 1,
    Blue = 2,
    Red = 3,
    GateOpens = 4,
    GateCloses = 5,
    BarsLift = 6,
    WallSinks = 7,
    WallRises = 8,
    LavaFromRight = 9,
    LavaFromLeft = 10,
    LavaFromTop = 11,
    LavaFromBottom = 12,
};
}

// The frames of a door animation; each reads its number from the pause beneath it.
inline constexpr int kDoorFrames = 16;

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

} // namespace script
