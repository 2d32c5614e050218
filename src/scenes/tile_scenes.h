// The tiles whose step plays a small scene of its own: the false wall, the hidden triggers,
// the gate of time and space and Zeno.
#pragma once

#include "state/game_fwd.h"

namespace scenes {

// The false wall sinks like an opening door and becomes road.
void falseWallRule(game::Game& game);

// A hidden trigger turns into what hides there, on the floors that hide something.
void hiddenTriggerRule(game::Game& game);

// The gate of time and space: the doll scene, the thief on the top floor and, once the Great
// Magic Master is beaten, the floor-24 passage.
void gateRule(game::Game& game);

// Floor 24 once the Great Magic Master is beaten: the way to the top opens (two walls close
// the old corridor, three cells become road, and cell 5 becomes the scene's event cell).
void openFloor24Passage(game::Game& game);

// mevent: the event cell of the current floor; also the first arrival on floors 32 and 42.
void mevent(game::Game& game);

// toroad2: dissolve TargetCell into road, five masked pictures and then the map cell.
void toroad2(game::Game& game);

// Zeno: a fight on floor 49; on floor 50 the ending in the first lap, a fight in later laps.
void zenoRule(game::Game& game);

} // namespace scenes
