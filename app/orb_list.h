// The Orb of Hero's list in the window: the cost in each row is coloured as the map's damage
// marks colour it (green nothing, amber some life, red all of it or a monster he cannot hurt),
// and rows that name no monster are not drawn.
#pragma once

#include "control_mirror.h"

#include <map>
#include <string>

namespace game {
struct Game;
}

namespace shell {

// While the list is shown: the text colour of each filled row's forecast field, and no well for
// the empty rows (added to `accents`).
void addForecastColours(const game::Game& game,
                        std::map<std::string, ControlMirror::Accent>& accents);

} // namespace shell
