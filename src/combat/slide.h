// Monster movement: a figure slides smoothly from its cell to a neighbouring one when a scene
// says so (command 12), then its tile moves in the map.
#pragma once

#include "state/game_fwd.h"

namespace combat {

// monidou: play the top entry (12, from, to): the figure on `from` slides to the adjacent cell
// `to` in 32 steps (frame A every 8 pixels, frame B every pixel), then `to` takes its tile and
// `from` becomes road. An entry whose cells are not neighbours does nothing.
void monidou(game::Game& game);

} // namespace combat
