// The scripted scenes of the floors' event cells: gates slam shut behind the hero, walls rise,
// bosses arrive, an army marches in and attacks one soldier at a time, Zeno materialises.
#pragma once

#include "state/game_fwd.h"

namespace scenes {

// ichicheck: the scene of the current floor, chosen by the floor (and on some floors by flags,
// map cells or the hero's cell). Pushes it and starts play-out; floors without a scene push
// nothing.
void ichicheck(game::Game& game);

} // namespace scenes
