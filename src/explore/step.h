// Step resolution: what a step towards TargetCell does, by the tile standing there.
#pragma once

namespace game {
struct Game;
}

namespace explore {

// handan: resolve the hero's step onto TargetCell of the current floor.
void handan(game::Game& game);

// The pick-up script: sound, the cell turns to road, side panels and message line.
void pushPickup(game::Game& game);

} // namespace explore
