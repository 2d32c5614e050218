// Click to walk: under mouse control a click on a cell of the play field walks the hero there
// one step at a time, each step a click on the game's own arrow button, so every rule of a
// step applies exactly as if the player had clicked the arrows himself.
#pragma once

#include "state/game_fwd.h"

#include <optional>
#include <string_view>
#include <vector>

namespace extras {

// The cells the hero steps towards on his way to `target`, in order, the last being the
// target itself. The way leads over road cells only, and around cells where a magician would
// strike or two Magic Sergeants would close on him; the target may be any cell a step acts on
// (a door, an item, a monster, a character, stairs, an event cell). Nothing when the target
// is his own cell, a wall or out of reach.
std::optional<std::vector<int>> walkPath(const game::Game& game, int target);

// The arrow button that steps from one cell to its neighbour ("BitBtn1" up, "BitBtn2" left,
// "BitBtn3" right, "BitBtn4" down).
std::string_view arrowButtonTowards(int from, int to);

// True at a quiet moment, when the game waits for the player: input open, no script playing,
// no text box, list or other window open, the opening over and the item cursor closed.
bool quietMoment(const game::Game& game);

// True while the game would take a click on an arrow button: mouse control, input open, no
// script playing and no dialog over the field.
bool readyToStep(const game::Game& game);

} // namespace extras
