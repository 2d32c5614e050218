// The state of the game's scenes: the prologue's frame, the Ending window's slideshow and the
// work pictures of the full-window transitions. Game holds one ScenesState; none of it is
// saved.
#pragma once

#include "picture/picture.h"

#include <cstdint>

namespace scenes {

struct ScenesState {
    int prologueFrame = 0; // the prologue's frame, 0..19

    int endingStep = 4;           // the Ending window's step, 4..25
    int endingCounter = 1;        // counts the shrinking and unrolling steps
    render::Picture endingWork;   // "The End", unrolled from the top
    render::Picture endingFinal;  // the first picture while it shrinks
    bool endingTakesKeys = false; // the button is shown and the window answers keys

    // The two full-window work pictures of the dissolves and the wipe.
    render::Picture transitionFirst;
    render::Picture transitionSecond;
    // How far the wipe has come: rows 0..wipeRow of the first picture are the second's; the
    // window showed them when its screen's drawing count was wipeDrawings.
    int wipeRow = -1;
    std::uint64_t wipeDrawings = 0;
};

} // namespace scenes
