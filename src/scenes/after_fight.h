// The after-fight checks: once the right monsters of a floor are gone, guarded gates open,
// rewards appear and scenes go on.
#pragma once

#include "state/game_fwd.h"

namespace scenes {

// moncheck: the checks of the current floor, run by the entry (11, 5, 5) that every won fight
// plays last. Each check adds the tile codes of a few cells and compares the sum with the
// floor's constant; a match pushes its scene. The checks of a floor run in order, each on its
// own, so the scene of a later check plays first.
void moncheck(game::Game& game);

} // namespace scenes
