// Stairs and floor change: the new floor at once, the spiral wipe on the command stack.
#pragma once

#include "state/game_fwd.h"

namespace explore {

// The stairs rule: climb or descend from the staircase at TargetCell.
void stairs(game::Game& game);

// kaidanwork: push the floor-change wipe and start it at its fast interval.
void kaidanwork(game::Game& game);

// kaidanupcheck, kaidandowncheck: turn the arrived hero away from the staircase he came by.
void kaidanupcheck(game::Game& game);
void kaidandowncheck(game::Game& game);

} // namespace explore
