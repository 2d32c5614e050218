// Step resolution: what a step towards TargetCell does, by the tile standing there.
#pragma once

#include "state/game_fwd.h"

namespace explore {

// handan: resolve the hero's step onto TargetCell of the current floor.
void handan(game::Game& game);

// The pick-up script: sound, the cell turns to road, side panels and message line.
void pushPickup(game::Game& game);

} // namespace explore
