// Merchants: each sells keys, hit points or the Super Mattock once (two of them trade without
// limit), then tells what he knows.
#pragma once

#include "state/game_fwd.h"

namespace characters {

// syounin: the merchant the hero walks against makes his offer, or talks once it is sold.
void syounin(game::Game& game);

// The "Yes" to a merchant's offer: the sale (or the floor-28 merchant buying a key back), or
// the line that the hero is short of gold.
void merchantSale(game::Game& game);

} // namespace characters
