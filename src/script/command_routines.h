// The routines of the modules above the command executor that its commands lead to. The
// executor knows them only through this table; game/bindings.cpp binds each one to the
// routine that serves it.
#pragma once

#include <array>

namespace game {
struct Game;
}

namespace explore {

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

struct CommandRoutines {
    using Routine = void (*)(game::Game&);
    using ValueRoutine = void (*)(game::Game&, int value);

    Routine openDialog;     // command 10 and the fallen hero: the dialog of dialogKind
    Routine doorFrame;      // command 13: one frame of a door
    Routine monsterSlide;   // command 12: one step of a monster's slide
    Routine monsterStrikes; // command 4
    Routine heroStrikes;    // command 5
    Routine headBlow;       // command 14, after its picture
    Routine newGame;        // command 22 and the lap's end: the game starts over
    Routine restoreSpeed;   // the end of the floor-change wipe: the timers at the chosen speed

    // A special step served above the executor. One that plays a script of its own takes the
    // special command's place on the stack; a drawing step leaves the command where it is
    // while it reads the entry beneath.
    struct SpecialStep {
        ValueRoutine routine = nullptr; // nullptr: served by the executor itself, or a pause
        bool takesPlace = false;
    };
    std::array<SpecialStep, Special::kCount> specials;
};

extern const CommandRoutines kCommandRoutines;

} // namespace explore
