// The routines of the modules above the command executor that its commands lead to. The
// executor knows them only through this table; game/bindings.cpp binds each one to the
// routine that serves it.
#pragma once

#include "script/executor.h"
#include "state/game_fwd.h"

#include <array>

namespace script {

struct CommandRoutines {
    using Routine = void (*)(game::Game&);
    using ValueRoutine = void (*)(game::Game&, int value);

    // The commands whose whole work lies above the executor, by code (nullptr: the executor's
    // own): a door's frame, a monster's slide, the monster's and the hero's strikes.
    std::array<Routine, Cmd::kCount> commands;

    Routine openDialog;   // command 10 and the fallen hero: the dialog of dialogKind
    Routine headBlow;     // command 14, after its picture
    Routine newGame;      // command 22 and the lap's end: the game starts over
    Routine restoreSpeed; // the end of the floor-change wipe: the timers at the chosen speed

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

} // namespace script
