// The fairy: on five floors she values the hero's progress in points, places them in that
// floor's ranking, tells him what she thinks of them and vanishes.
#pragma once

#include "state/game_fwd.h"

#include <cstdint>
#include <string>

namespace characters {

// yousei: the fairy of the current floor values the hero and plays her scene.
void yousei(game::Game& game);

// The fairy's words for the points, the ranking place won (0 none) and the number of fairies
// met so far.
std::string fairyText(std::int32_t points, std::int32_t place, std::int32_t meetings);

// The "OK" of scripted dialog n: after a fairy's words in a first lap the Ranking window opens
// (its exit plays the rest of her scene). False for any other dialog, whose OK plays on.
bool rankingAfterFairy(game::Game& game, int dialog);

} // namespace characters
