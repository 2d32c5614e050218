// The altar: for gold, a request of hit points, offense or defense; the price grows with every
// request granted.
#pragma once

#include "state/game_fwd.h"

namespace characters {

// The altar's offer to the hero who walks against its middle: the price, with "Yes" and "No".
void altarOffer(game::Game& game);

// The "Yes" to the altar: the box asks for the request and shows the four choices.
void altarRequest(game::Game& game);

// Button39Click, Button40Click, Button41Click: hit points, offense or defense for the price.
void Button39Click(game::Game& game);
void Button40Click(game::Game& game);
void Button41Click(game::Game& game);

// Button42Click: "After all, I won't do it.": nothing is paid.
void Button42Click(game::Game& game);

} // namespace characters
