// The exploration state of a game: the command stack, the input lock, the step input and the
// item cursor. Game holds one ExploreState.
#pragma once

#include "state/command_stack.h"

#include <cstdint>

namespace explore {

// RepeatAction values: the last direction asked for, or a held floor-chooser button.
namespace Repeat {
enum : std::int32_t { Up = 1, Left = 2, Right = 3, Down = 4, FloorUp = 5, FloorDown = 6 };
}

// DialogKind values: which dialog holds the text box, and so what its "OK" does.
namespace Dialog {
enum : std::int32_t {
    Talk = 0,          // a character's line
    Record = 1,        // an advice record of the Orb of Wisdom
    Altar = 2,         // the altar's offer
    GameOver = 9,      // the hero has fallen
    ScriptedBase = 10, // 10 + n: scripted dialog n
};
}

struct ExploreState {
    script::CommandStack stack;
    bool dialogPending = false; // DialogPending: a dialog, not the script's end, reopens input
    std::int32_t dialogKind = Dialog::Talk;

    bool inputLive = false; // InputLive: 1 after itemlive, 0 after itemdel

    std::int32_t repeatAction = Repeat::Up; // RepeatAction
    bool repeatHeld = false;                // RepeatHeld: an arrow button, "UP" or "DOWN" held down
    bool heldArrowWalked = false;           // the arrow button held down has walked the hero

    std::int16_t cursorSlot = 0; // CursorSlot: the item slot under the item cursor (0..14)
    bool cursorOpen = false;     // CursorOpen: toggled by Enter
};

} // namespace explore
