// Our own settings file, extras.ini beside the game's settings: the switches of the Extras
// menu, one "name=0|1" line each. The game's own option and settings files never hold them.
#pragma once

#include "state/game_fwd.h"

namespace extras {

// Read the switches; a missing file, or a line that makes no sense, leaves the defaults.
void loadSwitches(game::Game& game);

// Write the switches; a failure is told in a message box.
void saveSwitches(game::Game& game);

} // namespace extras
