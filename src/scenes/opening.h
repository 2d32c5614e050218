// The scenes that frame the game: the prologue, the capture by Zeno on floor 3 with the wake-up
// in the prison, and the full-window dissolves and wipe that lead into them and into the
// ending.
#pragma once

#include "script/script.h"
#include "state/game_fwd.h"

namespace scenes {

// Values of the full-window transition steps (command 11/12).
inline constexpr int kFirstDissolveStep = 232;
inline constexpr int kLastDissolveStep = 247;
inline constexpr int kWipeEnd = 400;

// Modes of a transition step, carried by the entry beneath it.
namespace Transition {
inline constexpr int Capture = 0; // dissolve into the picture of the hero's defeat
inline constexpr int Prison = 1;  // wipe from the defeat down into the prison
inline constexpr int Ending = 2;  // dissolve into the tower, then the Ending window
} // namespace Transition

// timer4ontimer: one frame of the prologue (Timer4): the hero walks up the path to the tower
// and grows smaller; after frame 19 a new first game starts.
void timer4ontimer(game::Game& game);

// The prologue's current frame on the window, the frame counter and the timer left as they
// are. The start-up shows the first frame this way, so that the window's first picture is the
// opening's; the timer's first tick paints the same frame again and the walk goes on from it.
void showPrologueFrame(game::Game& game);

// The end of the prologue, after its last frame or when a load abandons it: the timer stops
// and a new first game starts on the normal game screen, input open.
void endPrologue(game::Game& game);

// openning2: the capture scene after Zeno's welcome (dialog 10): four Magic Sergeants
// surround the hero, the screen dissolves into his defeat and he wakes in the prison.
void openning2(game::Game& game);

// openning9: one step of a full-window transition, the mode read from the entry beneath.
void openning9(game::Game& game, int value);

// openning31: the prison wake-up on floor 2: without his equipment (in a first lap also
// without his strength) the hero is woken by the thief.
void openning31(game::Game& game);

// The end of a lap: sixteen dissolve steps into the tower, the Ending window, then the
// completion restart (11, 6, 0).
void endingSteps(script::Script& script);

} // namespace scenes
