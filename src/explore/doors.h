// Doors and keys: the sixteen-frame door animation in its twelve kinds and the floor checks
// that a door pattern can set off.
#pragma once

#include "script/executor.h"
#include "state/game_fwd.h"

namespace explore {

// The door rule of a step against a yellow, blue or red door: spend the key and open it, or
// say that the key is missing; the floor checks run either way.
void doorRule(game::Game& game);

// dooropen: one frame of a door animation, for the top entry (13, cell, kind) with the frame
// number beneath it.
void dooropen(game::Game& game);

// doorcheck: the floor checks of floors 39 and 43 for a door the hero walks against.
void doorcheck(game::Game& game);

} // namespace explore
