// Old men: each gives his advice once, three of them a gift with it, and then only wishes the
// hero luck.
#pragma once

#include "state/game_fwd.h"

namespace characters {

// roujin: the old man the hero walks against speaks (and gives his gift on the first talk).
void roujin(game::Game& game);

} // namespace characters
