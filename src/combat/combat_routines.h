// The routine of exploration that a fight leads to: the hero walks into the monster's cell
// before the blows. The fight knows it only through this table; game/bindings.cpp binds it.
#pragma once

#include "state/game_fwd.h"

namespace combat {

struct CombatRoutines {
    void (*walkIn)(game::Game&); // the hero's walk from HeroCell to TargetCell
};

extern const CombatRoutines kCombatRoutines;

} // namespace combat
