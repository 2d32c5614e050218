// The Orb of Hero's list in the window: the cost in each row is coloured as the map's damage
// marks colour it (green nothing, amber some life, red all of it or a monster he cannot hurt).
#pragma once

#include <QColor>
#include <map>
#include <string>

namespace game {
struct Game;
}

namespace shell {

// The text colour of each filled row's forecast field while the list is shown; empty otherwise.
std::map<std::string, QColor> forecastColours(const game::Game& game);

} // namespace shell
