// The thief: the hero's companion from the prison, who digs tunnels through the tower's walls
// and meets him again on the way up.
#pragma once

#include "state/game_fwd.h"

namespace characters {

// touzoku: the thief the hero walks against speaks or digs, by the floor and what was said.
void touzoku(game::Game& game);

} // namespace characters
