// Step resolution: what a step towards TargetCell does, by the tile standing there.
#pragma once

namespace game {
struct Game;
}

namespace explore {

// handan: resolve the hero's step onto TargetCell of the current floor.
void handan(game::Game& game);

// mevent: the event cell of the current floor; also the first arrival on floors 32 and 42.
void mevent(game::Game& game);

// toroad2: dissolve TargetCell into road, five masked pictures and then the map cell.
void toroad2(game::Game& game);

// The pick-up script: sound, the cell turns to road, side panels and message line.
void pushPickup(game::Game& game);

} // namespace explore
