// The routines of the modules above exploration that a step, an arrival, a dialog's "OK" or
// a key leads to. Exploration knows them only through this table; game/bindings.cpp binds
// each one to the routine that serves it.
#pragma once

#include "state/game_fwd.h"
#include "world/tiles.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace explore {

inline constexpr std::size_t kStepKinds = static_cast<std::size_t>(world::StepKind::Zeno) + 1;

struct ExploreRoutines {
    using Routine = void (*)(game::Game&);

    // What a step onto a tile of each kind does, for the kinds whose rule lives above
    // exploration (nullptr: exploration's own rule).
    std::array<Routine, kStepKinds> steps;

    Routine floorEvent;    // the event cell of the current floor, also on arriving at some floors
    Routine talk;          // the text box of a character's line (Dialog::Talk)
    Routine zenoWelcomeOk; // "OK" to Zeno's welcome: the capture scene
    bool (*fairyDialogOk)(game::Game&, int); // "OK" to a fairy's dialog; false for the others
    void (*floorChoiceRepeat)(game::Game&, std::int32_t repeatAction); // held "UP" or "DOWN"
    bool (*click)(game::Game&, std::string_view control);              // Enter on the item cursor
    Routine closeMonsterList; // a new game closes the Orb of Hero's list left open
};

extern const ExploreRoutines kExploreRoutines;

// The routine bound to a step kind.
constexpr std::size_t stepIndex(world::StepKind kind) {
    return static_cast<std::size_t>(kind);
}

} // namespace explore
