// The Ranking window's table: what it shows is the list the window holds (persist state), rank
// numbers beside it; the fonts follow the main window's font pair.
#pragma once

#include "state/game_fwd.h"

namespace render {

// The window's fonts set from the Options menu's pair and its table emptied but for the rank
// numbers.
void prepareRankingTable(game::Game& game);

// The list the window holds now, place by place: points, name, life, offense, defense.
void showRankingList(game::Game& game);

} // namespace render
